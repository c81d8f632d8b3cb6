#include "tolm/tasks/task_sdl/SDLKeyNames.h"

#include <cstdlib>
#include <utility>

#include "SDL.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {
// The key codes of SDL 1.2 run from 0 to 322.
constexpr int kSDL12KeyCount = 323;

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
        {8, "backspace"},      {9, "tab"},          {12, "clear"},        {13, "return"},
        {19, "pause"},         {27, "escape"},      {32, "space"},        {127, "delete"},
        {266, "[.]"},          {267, "[/]"},        {268, "[*]"},         {269, "[-]"},
        {270, "[+]"},          {271, "enter"},      {272, "equals"},      {273, "up"},
        {274, "down"},         {275, "right"},      {276, "left"},        {277, "insert"},
        {278, "home"},         {279, "end"},        {280, "page up"},     {281, "page down"},
        {300, "numlock"},      {301, "caps lock"},  {302, "scroll lock"}, {303, "right shift"},
        {304, "left shift"},   {305, "right ctrl"}, {306, "left ctrl"},   {307, "right alt"},
        {308, "left alt"},     {309, "right meta"}, {310, "left meta"},   {311, "left super"},
        {312, "right super"},  {313, "alt gr"},     {314, "compose"},     {315, "help"},
        {316, "print screen"}, {317, "sys req"},    {318, "break"},       {319, "menu"},
        {320, "power"},        {321, "euro"},       {322, "undo"},
    };
    for (int i = 0; i < 10; ++i) names.emplace_back(256 + i, "[" + std::to_string(i) + "]");
    for (int i = 0; i < 15; ++i) names.emplace_back(282 + i, "f" + std::to_string(i + 1));
    // Printable keys are named by their own character.
    for (const char c :
         std::string("!\"#$&'()*+,-./0123456789:;<=>?@[\\]^_`abcdefghijklmnopqrstuvwxyz"))
        names.emplace_back(static_cast<unsigned char>(c), std::string(1, c));
    return names;
}

std::optional<std::vector<std::string>> ReadSDLKeyNames() {
    // The page's SDL names no key at all; its key codes reach the engine as SDL 1.2's.
    if (platform::InBrowser()) {
        std::vector<std::string> names(kSDL12KeyCount, "unknown key");
        for (const auto& [key, name] : OwnKeyNames()) {
            if (key >= 0 && key < kSDL12KeyCount) names[static_cast<std::size_t>(key)] = name;
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
