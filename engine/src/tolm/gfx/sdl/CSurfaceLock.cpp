#include "tolm/gfx/sdl/CSurfaceLock.h"

#include <unordered_map>

#include "tolm/platform/WebPlatform.h"

namespace tolm {
namespace {

// The surfaces locked beyond their scope, with the pixel memory the lock gave. A surface
// whose pixels moved since is not the one that was locked (a freed one's address reused).
std::unordered_map<SDL_Surface*, void*>& KeptLocks() {
    static std::unordered_map<SDL_Surface*, void*> kept;
    return kept;
}

}  // namespace

CSurfaceLock::CSurfaceLock(SDL_Surface* surface) : mySurface(surface) {
    if (mySurface == nullptr || !SDL_MUSTLOCK(mySurface)) return;
    if (!platform::InBrowser()) {
        myReady = SDL_LockSurface(mySurface) == 0;
        myNeedsUnlock = myReady;
        return;
    }
    auto& kept = KeptLocks();
    const auto found = kept.find(mySurface);
    if (found != kept.end()) {
        if (found->second != nullptr && found->second == mySurface->pixels) return;
        kept.erase(found);
    }
    const bool locked = SDL_LockSurface(mySurface) == 0;
    if (locked && mySurface->pixels != nullptr) {
        kept.emplace(mySurface, mySurface->pixels);
        return;
    }
    if (locked) SDL_UnlockSurface(mySurface);
    myReady = false;
}

CSurfaceLock::~CSurfaceLock() {
    if (myNeedsUnlock) SDL_UnlockSurface(mySurface);
}

void CSurfaceLock::Settle(SDL_Surface* surface) {
    auto& kept = KeptLocks();
    if (surface == nullptr || kept.empty()) return;
    const auto found = kept.find(surface);
    if (found == kept.end()) return;
    const bool same = found->second == surface->pixels;
    kept.erase(found);
    if (same) SDL_UnlockSurface(surface);
}

}  // namespace tolm
