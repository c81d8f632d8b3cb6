#include "tolm/tasks/task_debug/CConsoleLogListener.h"

#include <algorithm>

#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CConsoleLogListener::CConsoleLogListener(std::size_t capacity)
    : myCapacity(std::max<std::size_t>(capacity, 1)) {
    Logger().AddListener(this);
}

CConsoleLogListener::~CConsoleLogListener() {
    Logger().RemoveListener(this);
}

void CConsoleLogListener::Write(const std::string& line, int level) {
    if (level < 0) return;  // indentation changes carry no text
    std::string text = line.substr(0, std::min(line.size(), kMaxLineLength));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    myLines.push_back(std::move(text));
    Trim();
    ++myVersion;
}

void CConsoleLogListener::SetCapacity(std::size_t capacity) {
    myCapacity = std::max<std::size_t>(capacity, 1);
    Trim();
}

void CConsoleLogListener::Trim() {
    while (myLines.size() > myCapacity) myLines.pop_front();
}

}  // namespace tolm
