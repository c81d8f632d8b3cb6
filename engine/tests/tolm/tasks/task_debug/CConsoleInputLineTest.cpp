#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/CLogCapture.h"
#include "support/TestFiles.h"
#include "tolm/tasks/task_debug/CConsoleInputLine.h"

namespace tolm {
namespace {

constexpr int kBackspace = 8, kTab = 9, kReturn = 13, kDelete = 127, kUp = 273, kDown = 274,
              kRight = 275, kLeft = 276, kHome = 278, kEnd = 279;

void Type(CConsoleInputLine& line, const std::string& text) {
    for (char c : text) line.OnCharacter(static_cast<unsigned char>(c));
}

TEST(ConsoleInputLine, EditingKeys) {
    CConsoleInputLine line("");
    Type(line, "a = 5");
    line.OnKey(kLeft);
    line.OnKey(kBackspace);  // the blank before 5
    line.OnKey(kHome);
    line.OnKey(kDelete);
    Type(line, "b");
    line.OnKey(kEnd);
    line.OnKey(kRight);  // at the end already
    Type(line, "0");
    line.OnCharacter(0xe9);  // not printable ASCII
    line.OnCharacter('\n');
    EXPECT_EQ(line.GetText(), "b =50");
    EXPECT_EQ(line.GetCursor(), 5u);
    line.OnKey(kHome);
    EXPECT_EQ(line.OnKey(kBackspace), CConsoleInputLine::kNothing);
    EXPECT_EQ(line.OnKey(kLeft), CConsoleInputLine::kNothing);
    EXPECT_EQ(line.OnKey(kReturn), CConsoleInputLine::kExecute);
    EXPECT_EQ(line.TakeLine(), "b =50");
    EXPECT_EQ(line.GetText(), "");

    Type(line, std::string(CConsoleInputLine::kMaxLength + 10, 'x'));
    EXPECT_EQ(line.GetText().size(), CConsoleInputLine::kMaxLength);
}

TEST(ConsoleInputLine, HistoryIsBoundedWalkedAndKeptInAFile) {
    test::CTempDir dir;
    const std::string file = dir.File("history.txt");
    {
        CConsoleInputLine line(file);
        for (int i = 0; i < 105; ++i) {
            Type(line, "line " + std::to_string(i));
            line.TakeLine();
        }
        Type(line, "   ");
        line.TakeLine();  // blank: not kept
        Type(line, "line 104");
        line.TakeLine();  // a repeat of the latest: not kept twice
        EXPECT_EQ(line.GetHistory().size(), CConsoleInputLine::kHistorySize);
    }
    CConsoleInputLine line(file);
    ASSERT_EQ(line.GetHistory().size(), CConsoleInputLine::kHistorySize);
    EXPECT_EQ(line.GetHistory().front(), "line 5");
    Type(line, "draft");
    line.OnKey(kUp);
    EXPECT_EQ(line.GetText(), "line 104");
    line.OnKey(kUp);
    EXPECT_EQ(line.GetText(), "line 103");
    line.OnKey(kDown);
    line.OnKey(kDown);
    EXPECT_EQ(line.GetText(), "draft");
    line.OnKey(kDown);
    EXPECT_EQ(line.GetText(), "draft");
    for (int i = 0; i < 200; ++i) line.OnKey(kUp);
    EXPECT_EQ(line.GetText(), "line 5");
}

TEST(ConsoleInputLine, HistoryLinesHoldOnlyWhatCanBeTypedAndReadBackAsWritten) {
    struct Case {
        std::string file;
        std::vector<std::string> history;
    } cases[] = {
        {std::string("a\tb\0c\x1b[2J\n", 10), {"abc[2J"}},
        // A CR is dropped wherever it stands, so a saved line reads back the same.
        {"second\r\r\nthird\rx\r", {"second", "thirdx"}},
        {"\xff\xfe\xc3\xa9\n\x7f\x01\n", {}},
        {std::string(3000, '\x01') + "kept\n" + std::string(3000, 'z'),
         {"kept", std::string(CConsoleInputLine::kMaxLength, 'z')}},
    };
    test::CTempDir dir;
    const std::string file = dir.File("history.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.substr(0, 40));
        test::WriteFile(file, c.file);
        CConsoleInputLine line(file);
        EXPECT_EQ(std::vector<std::string>(line.GetHistory().begin(), line.GetHistory().end()),
                  c.history);
        for (std::size_t i = 0; i <= c.history.size(); ++i) line.OnKey(kUp);
        EXPECT_EQ(line.GetText(), c.history.empty() ? "" : c.history.front());
        line.OnKey(kEnd);
        Type(line, "!");
        line.TakeLine();
        EXPECT_EQ(CConsoleInputLine(file).GetHistory(), line.GetHistory());
    }
}

TEST(ConsoleInputLine, HistoryThatIsNoRegularFileIsNeitherReadNorWritten) {
    test::CTempDir dir;
    test::CLogCapture log;
    CConsoleInputLine line(dir.Path().string());
    EXPECT_TRUE(line.GetHistory().empty());
    EXPECT_TRUE(log.Contains("[WARNING] The console history " + dir.Path().string() +
                             " is not a regular file; the history is not kept in it\n"));
    Type(line, "quit");
    line.TakeLine();
    EXPECT_EQ(line.GetHistory().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path()));
}

TEST(ConsoleInputLine, Completion) {
    const std::vector<std::string> names = {"STARTTASK", "STOPTASK", "STATUS", "QUIT", "A"};
    const struct {
        const char* typed;
        const char* completed;
        std::size_t matches;
    } cases[] = {
        {"star", "starttask", 1},
        {"STA", "STA", 2},  // starttask and status agree on no more
        {"s", "st", 3},
        {"x = qu", "x = quit", 1},
        {"zz", "zz", 0},
        {"", "", 0},
        {"a", "a", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CConsoleInputLine line("");
        line.SetCompletionNames(names);
        Type(line, c.typed);
        line.OnKey(kTab);
        EXPECT_EQ(line.GetText(), c.completed);
        EXPECT_EQ(line.GetLastMatches().size(), c.matches);
        EXPECT_EQ(line.GetCursor(), line.GetText().size());
    }
}

}  // namespace
}  // namespace tolm
