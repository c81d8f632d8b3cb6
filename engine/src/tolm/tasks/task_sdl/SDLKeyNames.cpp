#include "tolm/tasks/task_sdl/SDLKeyNames.h"

#include <cstdlib>

#include "SDL.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {
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

std::optional<std::vector<std::string>> ReadSDLKeyNames() {
    const bool startVideo = SDL_WasInit(SDL_INIT_VIDEO) == 0;
    if (startVideo && !StartNamesOnly()) {
        Logger().Warning() << "[WARNING] Key names are not available: " << SDL_GetError() << "\n";
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(SDLK_LAST);
    for (int key = 0; key < SDLK_LAST; ++key) {
        const char* name = SDL_GetKeyName(static_cast<SDLKey>(key));
        names.emplace_back(name != nullptr ? name : "unknown key");
    }
    if (startVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return names;
}

}  // namespace tolm
