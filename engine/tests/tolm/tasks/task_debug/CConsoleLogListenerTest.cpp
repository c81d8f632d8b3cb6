#include <gtest/gtest.h>

#include "tolm/tasks/task_debug/CConsoleLogListener.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

TEST(ConsoleLogListener, KeepsABoundedRingOfTheLatestLines) {
    const std::size_t before = Logger().GetListenerCount();
    {
        CConsoleLogListener listener(3);
        EXPECT_EQ(Logger().GetListenerCount(), before + 1);
        Logger() << "one\ntwo\n";
        Logger().Indent();
        Logger() << "three" << std::endl << "four\n";
        EXPECT_EQ(listener.GetLines(), (std::deque<std::string>{"two", "three", "four"}));
        const std::uint32_t version = listener.GetVersion();
        listener.Write("five\r\n", CLogger::kError);
        EXPECT_EQ(listener.GetLines().back(), "five");
        listener.Write(std::string(CConsoleLogListener::kMaxLineLength * 2, 'x') + "\n", 1);
        EXPECT_NE(listener.GetVersion(), version);
        EXPECT_EQ(listener.GetLines().back().size(), CConsoleLogListener::kMaxLineLength);
        listener.SetCapacity(0);
        EXPECT_EQ(listener.GetLines().size(), 1u);
    }
    EXPECT_EQ(Logger().GetListenerCount(), before);
}

}  // namespace
}  // namespace tolm
