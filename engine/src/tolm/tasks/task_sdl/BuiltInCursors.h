// The nine cursor pictures built into the engine (arrow, cross hair, text I-beam, hand,
// hourglass and four resize arrows), 32 x 32 each in the text form CCursorImage reads, and
// the names scripts use for them. The pictures are static data that live for the program.
#ifndef TOLM_TASKS_TASK_SDL_BUILTINCURSORS_H
#define TOLM_TASKS_TASK_SDL_BUILTINCURSORS_H

#include <string>

namespace tolm {

// The picture of a kind (1 to 9) and its number of lines; null and 0 for any other kind.
const char* const* BuiltInCursorImage(int kind, int& lineCount);

// "cursor_arrow" 1, "cursor_cross" 2, "cursor_text" 3, "cursor_hand" 4, "cursor_busy" 5,
// "cursor_resize_horizontal" 6, "cursor_resize_vertical" 7, "cursor_resize_diagonal1" 8,
// "cursor_resize_diagonal2" 9; exact, case-sensitive; any other name is 0.
int CursorKindFromName(const std::string& name);

}  // namespace tolm

#endif
