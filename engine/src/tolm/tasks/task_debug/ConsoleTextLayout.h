// Lays log lines out for a fixed grid of character cells: long lines wrap, the newest line
// ends at the bottom, and what does not fit above is dropped.
#ifndef TOLM_TASKS_TASK_DEBUG_CONSOLETEXTLAYOUT_H
#define TOLM_TASKS_TASK_DEBUG_CONSOLETEXTLAYOUT_H

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace tolm {

// At most `rows` rows of at most `columns` characters (each at least 1), oldest first.
// Tabs become a blank and other control characters are dropped.
std::vector<std::string> LayOutConsoleRows(const std::deque<std::string>& lines,
                                           std::size_t columns, std::size_t rows);

}  // namespace tolm

#endif
