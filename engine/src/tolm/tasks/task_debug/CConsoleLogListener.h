// Keeps the latest lines of the log for the console window: a bounded ring, filled by the
// logger and read by the console's rendering. Writing only stores the line, since the
// logger may call it from anywhere (even from inside a screen update); it never logs and
// never draws. Registers itself with the process-wide logger for its lifetime.
#ifndef TOLM_TASKS_TASK_DEBUG_CCONSOLELOGLISTENER_H
#define TOLM_TASKS_TASK_DEBUG_CCONSOLELOGLISTENER_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "tolm/utils/logger/CLogListener.h"

namespace tolm {

class CConsoleLogListener : public CLogListener {
public:
    // Longer lines are cut: nothing wider could be shown in the window's rows anyway.
    static constexpr std::size_t kMaxLineLength = 4096;

    explicit CConsoleLogListener(std::size_t capacity);
    ~CConsoleLogListener() override;
    CConsoleLogListener(const CConsoleLogListener&) = delete;
    CConsoleLogListener& operator=(const CConsoleLogListener&) = delete;

    void Write(const std::string& line, int level) override;

    // At least one line is kept; the oldest lines go first.
    void SetCapacity(std::size_t capacity);
    std::size_t GetCapacity() const { return myCapacity; }
    // Oldest first, without their line feeds.
    const std::deque<std::string>& GetLines() const { return myLines; }
    // Changes whenever a line arrives, so that readers redraw only when there is news.
    std::uint32_t GetVersion() const { return myVersion; }

private:
    void Trim();

    std::deque<std::string> myLines;
    std::size_t myCapacity;
    std::uint32_t myVersion = 0;
};

}  // namespace tolm

#endif
