// The names SDL 1.2 gives its key codes, read from SDL itself for the key-name table of the
// "keyboard" task. SDL only fills its names while its video part is up, so when no window
// is open yet the video part is started briefly for the reading.
#ifndef TOLM_TASKS_TASK_SDL_SDLKEYNAMES_H
#define TOLM_TASKS_TASK_SDL_SDLKEYNAMES_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tolm {

// The engine's own names of SDL 1.2's keys by SDL 1.2 key code, the same as SDL gives them
// on the desktop: the names where SDL knows none (a web page).
std::vector<std::pair<int, std::string>> OwnKeyNames();

// The name of every key code from 0 up, "unknown key" for a code without one; nothing when
// SDL could not give them (logged as a warning).
std::optional<std::vector<std::string>> ReadSDLKeyNames();

}  // namespace tolm

#endif
