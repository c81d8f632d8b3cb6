#include "tolm/tasks/task_sdl/SDLKeyNames.h"

#include <cstdlib>
#include <utility>

#include "SDL.h"
#include "tolm/platform/WebPlatform.h"
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

std::vector<std::pair<int, std::string>> OwnKeyNames() {
    std::vector<std::pair<int, std::string>> names = {
        {SDLK_BACKSPACE, "backspace"}, {SDLK_TAB, "tab"},
        {SDLK_RETURN, "return"},       {SDLK_PAUSE, "pause"},
        {SDLK_ESCAPE, "escape"},       {SDLK_SPACE, "space"},
        {SDLK_DELETE, "delete"},       {SDLK_UP, "up"},
        {SDLK_DOWN, "down"},           {SDLK_RIGHT, "right"},
        {SDLK_LEFT, "left"},           {SDLK_INSERT, "insert"},
        {SDLK_HOME, "home"},           {SDLK_END, "end"},
        {SDLK_PAGEUP, "page up"},      {SDLK_PAGEDOWN, "page down"},
        {SDLK_CAPSLOCK, "caps lock"},  {SDLK_RSHIFT, "right shift"},
        {SDLK_LSHIFT, "left shift"},   {SDLK_RCTRL, "right ctrl"},
        {SDLK_LCTRL, "left ctrl"},     {SDLK_RALT, "right alt"},
        {SDLK_LALT, "left alt"},       {SDLK_KP_ENTER, "enter"},
        {SDLK_KP_PLUS, "[+]"},         {SDLK_KP_MINUS, "[-]"},
        {SDLK_KP_MULTIPLY, "[*]"},     {SDLK_KP_DIVIDE, "[/]"},
    };
    const int functionKeys[] = {SDLK_F1,  SDLK_F2,  SDLK_F3,  SDLK_F4,  SDLK_F5,
                                SDLK_F6,  SDLK_F7,  SDLK_F8,  SDLK_F9,  SDLK_F10,
                                SDLK_F11, SDLK_F12, SDLK_F13, SDLK_F14, SDLK_F15};
    for (int i = 0; i < 15; ++i) names.emplace_back(functionKeys[i], "f" + std::to_string(i + 1));
    // Printable keys are named by their own character.
    for (const char c :
         std::string("!\"#$&'()*+,-./0123456789:;<=>?@[\\]^_`abcdefghijklmnopqrstuvwxyz"))
        names.emplace_back(static_cast<unsigned char>(c), std::string(1, c));
    return names;
}

std::optional<std::vector<std::string>> ReadSDLKeyNames() {
    // The page's SDL names no key at all.
    if (platform::InBrowser()) {
        std::vector<std::string> names(SDLK_LAST, "unknown key");
        for (const auto& [key, name] : OwnKeyNames()) {
            if (key >= 0 && key < SDLK_LAST) names[static_cast<std::size_t>(key)] = name;
        }
        return names;
    }
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
