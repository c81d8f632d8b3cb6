#include "tolm/tasks/task_debug/ConsoleTextLayout.h"

#include <algorithm>

namespace tolm {
namespace {

std::string Printable(const std::string& line) {
    std::string text;
    text.reserve(line.size());
    for (char c : line) {
        if (c == '\t') {
            text += ' ';
        } else if (static_cast<unsigned char>(c) >= 32 && c != 127) {
            text += c;
        }
    }
    return text;
}

}  // namespace

std::vector<std::string> LayOutConsoleRows(const std::deque<std::string>& lines,
                                           std::size_t columns, std::size_t rows) {
    columns = std::max<std::size_t>(columns, 1);
    rows = std::max<std::size_t>(rows, 1);
    std::vector<std::string> reversed;  // newest row first
    for (auto line = lines.rbegin(); line != lines.rend() && reversed.size() < rows; ++line) {
        const std::string text = Printable(*line);
        const std::size_t pieces = std::max<std::size_t>(1, (text.size() + columns - 1) / columns);
        for (std::size_t piece = pieces; piece-- > 0 && reversed.size() < rows;) {
            reversed.push_back(text.substr(piece * columns, columns));
        }
    }
    return std::vector<std::string>(reversed.rbegin(), reversed.rend());
}

}  // namespace tolm
