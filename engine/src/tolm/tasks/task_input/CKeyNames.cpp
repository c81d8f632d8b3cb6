#include "tolm/tasks/task_input/CKeyNames.h"

#include <memory>

#include "SDL.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {
const char* const kUnknownKey = "unknown key";
}  // namespace

const CKeyNames::Table* CKeyNames::GetTable() {
    static std::unique_ptr<Table> table;
    if (table) return table.get();

    const bool startVideo = SDL_WasInit(SDL_INIT_VIDEO) == 0;
    if (startVideo && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        Logger().Warning() << "[WARNING] Key names are not available: " << SDL_GetError() << "\n";
        return nullptr;
    }
    auto read = std::make_unique<Table>();
    read->names.reserve(SDLK_LAST);
    for (int key = 0; key < SDLK_LAST; ++key) {
        const char* name = SDL_GetKeyName(static_cast<SDLKey>(key));
        read->names.emplace_back(name != nullptr ? name : kUnknownKey);
        if (read->names.back() != kUnknownKey) read->keys.emplace(read->names.back(), key);
    }
    if (startVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    table = std::move(read);
    return table.get();
}

std::string CKeyNames::GetName(int key) {
    const Table* table = GetTable();
    if (table == nullptr || key < 0 || key >= static_cast<int>(table->names.size())) {
        return kUnknownKey;
    }
    return table->names[static_cast<std::size_t>(key)];
}

int CKeyNames::FindKey(const std::string& name) {
    const Table* table = GetTable();
    if (table == nullptr) return -1;
    const auto found = table->keys.find(name);
    return found == table->keys.end() ? -1 : found->second;
}

}  // namespace tolm
