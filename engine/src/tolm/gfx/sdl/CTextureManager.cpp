#include "tolm/gfx/sdl/CTextureManager.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/sdl/CSurfaceLock.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CTextureManager& TextureManager() {
    return *CSingletonPtr<CTextureManager>::Get();
}

bool CTextureManager::Exists(const std::string& filename) const {
    return myTextures.count(filename) != 0;
}

void CTextureManager::AddNew(const std::string& filename, SDL_Surface* surface, bool keep) {
    if (Exists(filename)) {
        if (myLog) {
            Logger().Error() << "CTextureManager::AddNew() - trying to add a new texture, but we "
                                "already have one of the same name: "
                             << filename << std::endl;
        }
        return;
    }
    myTextures[filename] = CEntry{surface, 1, keep};
}

SDL_Surface* CTextureManager::GetPointer(const std::string& filename) {
    auto found = myTextures.find(filename);
    if (found == myTextures.end()) {
        if (myLog) {
            Logger().Warning() << "CTextureManager::GetPointer() - trying to get pointer to a "
                                  "file that doesn't exist: "
                               << filename << std::endl;
        }
        return nullptr;
    }
    ++found->second.count;
    return found->second.surface;
}

void CTextureManager::Release(SDL_Surface* surface) {
    if (surface == nullptr) return;
    for (auto entry = myTextures.begin(); entry != myTextures.end(); ++entry) {
        if (entry->second.surface != surface) continue;
        --entry->second.count;
        if (entry->second.count <= 0 && !entry->second.keep) {
            CSurfaceLock::Settle(surface);
            SDL_FreeSurface(surface);
            myTextures.erase(entry);
        }
        return;
    }
    CSurfaceLock::Settle(surface);
    SDL_FreeSurface(surface);
}

std::int32_t CTextureManager::GetCount(const std::string& filename) const {
    auto found = myTextures.find(filename);
    return found == myTextures.end() ? 0 : found->second.count;
}

}  // namespace tolm
