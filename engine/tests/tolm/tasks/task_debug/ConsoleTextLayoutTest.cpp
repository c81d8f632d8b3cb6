#include <gtest/gtest.h>

#include "tolm/tasks/task_debug/ConsoleTextLayout.h"

namespace tolm {
namespace {

using Rows = std::vector<std::string>;

TEST(ConsoleTextLayout, WrapsKeepsTheNewestAtTheBottomAndClips) {
    const std::deque<std::string> lines = {"old", "abcdefghij", "",
                                           "a\tb\x01"
                                           "c"};
    const struct {
        std::size_t columns, rows;
        Rows expected;
    } cases[] = {
        {4, 10, {"old", "abcd", "efgh", "ij", "", "a bc"}},
        {4, 3, {"ij", "", "a bc"}},
        {4, 4, {"efgh", "ij", "", "a bc"}},
        {20, 2, {"", "a bc"}},
        {0, 0, {"c"}},  // one cell at least
        {3, 2, {"a b", "c"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.columns << " x " << c.rows);
        EXPECT_EQ(LayOutConsoleRows(lines, c.columns, c.rows), c.expected);
    }
    EXPECT_EQ(LayOutConsoleRows({}, 10, 10), Rows{});
}

}  // namespace
}  // namespace tolm
