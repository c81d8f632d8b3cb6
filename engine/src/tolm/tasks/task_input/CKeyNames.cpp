#include "tolm/tasks/task_input/CKeyNames.h"

#include <cstdlib>
#include <memory>
#include <string>

#include "SDL.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {
const char* const kUnknownKey = "unknown key";

// SDL fills its key names when video starts. Without a window yet, the dummy driver gives
// them without touching a display: SDL's own choice could start its text-mode driver, which
// draws into the terminal, or ends the process when no terminal type is set.
bool StartNamesOnly() {
    const char* named = std::getenv("SDL_VIDEODRIVER");
    const std::string chosen = named != nullptr ? named : "";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const bool started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (named != nullptr) {
        setenv("SDL_VIDEODRIVER", chosen.c_str(), 1);
    } else {
        unsetenv("SDL_VIDEODRIVER");
    }
    return started;
}
}  // namespace

const CKeyNames::Table* CKeyNames::GetTable() {
    static std::unique_ptr<Table> table;
    if (table) return table.get();

    const bool startVideo = SDL_WasInit(SDL_INIT_VIDEO) == 0;
    if (startVideo && !StartNamesOnly()) {
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
