#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/utils/logger/CLogFile.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

using Lines = std::vector<std::string>;

// Records "level:line"; optionally removes itself while it is called.
class CRecordingListener : public CLogListener {
public:
    void Write(const std::string& line, int level) override {
        lines.push_back(std::to_string(level) + ":" + line);
        if (myRemoveFrom != nullptr) myRemoveFrom->RemoveListener(this);
    }
    Lines lines;
    CLogger* myRemoveFrom = nullptr;
};

TEST(CLogger, SplitsAtEveryLineEndAndKeepsTheSelectedLevel) {
    CLogger::PendingLine().clear();
    CLogger logger;
    CRecordingListener recorder, once;
    once.myRemoveFrom = &logger;
    logger.AddListener(&once);
    logger.AddListener(&recorder);
    logger.AddListener(nullptr);
    logger << "a" << 5;
    EXPECT_TRUE(recorder.lines.empty());
    logger << std::endl << 1.5 << ' ' << -3 << "\n";
    logger.Error() << "a\r\nb" << std::endl;
    logger << "x\n\ry" << '\0';
    logger.Indent();
    logger.Warning() << "w\n";
    logger.Unindent();
    logger.Debug() << "d\n";
    EXPECT_EQ(recorder.lines, (Lines{"1:a5\n", "1:1.5 -3\n", "3:a\n", "3:\n", "3:b\n", "3:x\n",
                                     "3:\n", "3:y\n", "-2:", "2:w\n", "-1:", "0:d\n"}));
    EXPECT_EQ(once.lines, Lines{"1:a5\n"});
    logger.RemoveListener(&recorder);
}

std::string DateLine(std::time_t moment) {
    char text[81] = {0};
    std::strftime(text, sizeof(text), "%a,%b %d,%I:%M %p", std::localtime(&moment));
    return std::string("( ) New log created on ") + text;
}

// A log made before the program knows its folders (the logger is made during static
// initialisation) must leave nothing behind: the file is touched from its first line on.
// SetFileName moves the log and starts the new file at once; a logger made again after
// shutdown writes the same file, appending.
TEST(CLogger, TheFileIsTouchedOnlyWhenStartedAndCanBeMoved) {
    test::CTempDir dir;
    const std::string first = dir.File("first.txt");
    const std::string moved = dir.File("state/log.txt");
    std::filesystem::create_directory(dir.File("state"));
    { CLogFile unused(first, "v"); }
    EXPECT_FALSE(std::filesystem::exists(first));

    Logger().SetFileName(first);
    EXPECT_EQ(test::ReadLines(first).size(), 5u);  // the header alone
    Logger() << "in the first" << std::endl;
    Logger().SetFileName(moved);
    Logger() << "moved" << std::endl;
    const Lines movedLines = test::ReadLines(moved);
    ASSERT_EQ(movedLines.size(), 6u);
    EXPECT_EQ(movedLines[2], "( ) Using Tolm version 0.22");
    EXPECT_EQ(movedLines[5], "( ) moved");
    EXPECT_EQ(test::ReadLines(first).back(), "( ) in the first");

    DeleteLogger();
    Logger() << "again" << std::endl;
    EXPECT_EQ(test::ReadLines(moved).back(), "( ) again");
    EXPECT_EQ(test::ReadLines(moved).size(), 7u);

    // Dropped: no file gets the lines, other listeners still do.
    CRecordingListener listener;
    Logger().AddListener(&listener);
    Logger().DropDefaultFile();
    Logger() << "nowhere" << std::endl;
    Logger().RemoveListener(&listener);
    EXPECT_EQ(test::ReadLines(moved).size(), 7u);
    EXPECT_EQ(listener.lines, Lines{"1:nowhere\n"});
    DeleteLogger();
}

TEST(CLogFile, HeaderMarkersIndentationAndAppending) {
    test::CTempDir dir;
    const std::string name = dir.File("log.txt");
    test::WriteFile(name, "old content\n");
    const std::time_t before = std::time(nullptr);
    {
        CLogFile file(name, "Tolm version 0.22");
        file.Write("plain\n", CLogger::kNormal);
        file.Write("", CLogger::kIndent);
        file.Write("in one\n", CLogger::kWarning);
        file.Write("", CLogger::kIndent);
        file.Write("in two\n", CLogger::kError);
        for (int i = 0; i < 3; ++i) file.Write("", CLogger::kUnindent);
        file.Write("never below zero\n", CLogger::kDebug);
        file.Write("", CLogger::kIndent);
        file.Write("back at one\n", 7);
    }
    const std::time_t after = std::time(nullptr);
    // A second file for the same name appends and writes no header.
    CLogFile(name, "v").Write("second\n", CLogger::kNormal);
    auto lines = test::ReadLines(name);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_TRUE(lines[1] == DateLine(before) || lines[1] == DateLine(after)) << lines[1];
    EXPECT_EQ(lines[3].rfind("( ) Build in ", 0), 0u);
    EXPECT_NE(lines[3].find(" at "), std::string::npos);
    lines[1] = lines[3] = "";
    const std::string rule = "( ) " + std::string(62, '-');
    EXPECT_EQ(lines,
              (Lines{rule, "", "( ) Using Tolm version 0.22", "", rule, "( ) plain", "(!)   in one",
                     "<!>     in two", "(d) never below zero", "  back at one", "( ) second"}));
}

// A log that cannot be written is said once on standard error, whatever the number of lines
// lost, and each line still tries again. Root writes through permission bits, so the cases
// use what stops root too: a parent that is a plain file, and a device that is always full.
TEST(CLogFile, AFileThatCannotBeWrittenIsSaidOnceOnStandardError) {
    test::CTempDir dir;
    test::WriteFile(dir.File("plain"), "");
    const std::string underFile = dir.File("plain/log.txt");
    const struct {
        std::string name;
        std::string said;
    } cases[] = {
        {underFile, "Log lines are lost: \"" + underFile +
                        "\" cannot be opened for writing (Not a directory)\n"},
        {"/dev/full",
         "Log lines are lost: \"/dev/full\" cannot be written (No space left on device)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        CLogFile file(c.name, "Tolm version 0.22");  // the header is five lost lines
        for (int i = 0; i < 3; ++i) file.Write("lost\n", CLogger::kError);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.said);
    }

    // The folder comes back: the next line is written, and nothing more is said.
    std::filesystem::remove(dir.File("plain"));
    std::filesystem::create_directory(dir.File("plain"));
    testing::internal::CaptureStderr();
    CLogFile again(underFile, "v");
    again.Write("back\n", CLogger::kNormal);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(test::ReadLines(underFile).back(), "( ) back");
}

}  // namespace
}  // namespace tolm
