#include "tolm/utils/logger/CLogger.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/utils/logger/CLogFile.h"

namespace tolm {
namespace {

class CRecordingListener : public CLogListener {
public:
    void Write(const std::string& line, int level) override { lines.emplace_back(line, level); }
    std::vector<std::pair<std::string, int>> lines;
};

// Each case gets a logger whose only observed listener records what it is given.
class LoggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CLogger::PendingLine().clear();
        myLogger = std::make_unique<CLogger>();
        myLogger->AddListener(&myRecorder);
    }
    void TearDown() override { myLogger->RemoveListener(&myRecorder); }

    std::unique_ptr<CLogger> myLogger;
    CRecordingListener myRecorder;
};

TEST_F(LoggerTest, ValuesAreFormattedAndJoinedUntilTheLineEnd) {
    *myLogger << "a" << 5;
    EXPECT_TRUE(myRecorder.lines.empty());
    *myLogger << std::endl;
    ASSERT_EQ(myRecorder.lines.size(), 1u);
    EXPECT_EQ(myRecorder.lines[0].first, "a5\n");
    EXPECT_EQ(myRecorder.lines[0].second, CLogger::kNormal);
    *myLogger << 1.5 << ' ' << -3 << "\n";
    EXPECT_EQ(myRecorder.lines[1].first, "1.5 -3\n");
}

TEST_F(LoggerTest, EveryLineEndCharacterEndsALine) {
    *myLogger << "a\r\nb" << std::endl;
    ASSERT_EQ(myRecorder.lines.size(), 3u);
    EXPECT_EQ(myRecorder.lines[0].first, "a\n");
    EXPECT_EQ(myRecorder.lines[1].first, "\n");
    EXPECT_EQ(myRecorder.lines[2].first, "b\n");

    myRecorder.lines.clear();
    *myLogger << "x\n\ry" << '\0';
    ASSERT_EQ(myRecorder.lines.size(), 3u);
    EXPECT_EQ(myRecorder.lines[0].first, "x\n");
    EXPECT_EQ(myRecorder.lines[1].first, "\n");
    EXPECT_EQ(myRecorder.lines[2].first, "y\n");
}

TEST_F(LoggerTest, SelectedLevelStaysInForce) {
    myLogger->Error() << "bad\n";
    *myLogger << "still bad\n";
    myLogger->Warning() << "warn\n";
    myLogger->Debug() << "dbg\n";
    ASSERT_EQ(myRecorder.lines.size(), 4u);
    EXPECT_EQ(myRecorder.lines[0].second, CLogger::kError);
    EXPECT_EQ(myRecorder.lines[1].second, CLogger::kError);
    EXPECT_EQ(myRecorder.lines[2].second, CLogger::kWarning);
    EXPECT_EQ(myRecorder.lines[3].second, CLogger::kDebug);
}

TEST_F(LoggerTest, IndentSendsAnEmptyLine) {
    myLogger->Indent();
    myLogger->Unindent();
    ASSERT_EQ(myRecorder.lines.size(), 2u);
    EXPECT_EQ(myRecorder.lines[0], std::make_pair(std::string(), CLogger::kIndent));
    EXPECT_EQ(myRecorder.lines[1], std::make_pair(std::string(), CLogger::kUnindent));
}

TEST_F(LoggerTest, ListenerMayRemoveItselfWhileWriting) {
    struct CSelfRemoving : CLogListener {
        CLogger* logger = nullptr;
        int calls = 0;
        void Write(const std::string&, int) override {
            ++calls;
            logger->RemoveListener(this);
        }
    } once;
    once.logger = myLogger.get();
    myLogger->AddListener(&once);
    myLogger->AddListener(nullptr);
    *myLogger << "one\ntwo\n";
    EXPECT_EQ(once.calls, 1);
    EXPECT_EQ(myRecorder.lines.size(), 2u);
}

TEST(CLogFile, HeaderMarkersAndIndentation) {
    test::CTempDir dir;
    const std::string name = dir.File("log.txt");
    test::WriteFile(name, "old content\n");
    {
        CLogFile file(name, "Tolm version 0.22");
        file.Write("plain\n", CLogger::kNormal);
        file.Write("", CLogger::kIndent);
        file.Write("in one\n", CLogger::kWarning);
        file.Write("", CLogger::kIndent);
        file.Write("in two\n", CLogger::kError);
        file.Write("", CLogger::kUnindent);
        file.Write("", CLogger::kUnindent);
        file.Write("", CLogger::kUnindent);
        file.Write("never below zero\n", CLogger::kDebug);
        file.Write("", CLogger::kIndent);
        file.Write("back at one\n", 7);
    }
    const auto lines = test::ReadLines(name);
    ASSERT_EQ(lines.size(), 10u);
    const std::string rule(62, '-');
    EXPECT_EQ(lines[0], "( ) " + rule);
    EXPECT_EQ(lines[1].rfind("( ) New log created on ", 0), 0u);
    EXPECT_EQ(lines[2], "( ) Using Tolm version 0.22");
    EXPECT_EQ(lines[3].rfind("( ) Build in ", 0), 0u);
    EXPECT_NE(lines[3].find(" at "), std::string::npos);
    EXPECT_EQ(lines[4], "( ) " + rule);
    EXPECT_EQ(lines[5], "( ) plain");
    EXPECT_EQ(lines[6], "(!)   in one");
    EXPECT_EQ(lines[7], "<!>     in two");
    // After an unbalanced unindent the indent restarts from zero.
    EXPECT_EQ(lines[8], "(d) never below zero");
    EXPECT_EQ(lines[9], "  back at one");
}

TEST(CLogFile, SecondFileForTheSameNameAppendsWithoutHeader) {
    test::CTempDir dir;
    const std::string name = dir.File("same.txt");
    {
        CLogFile first(name, "v");
        first.Write("first\n", CLogger::kNormal);
    }
    {
        CLogFile second(name, "v");
        second.Write("second\n", CLogger::kNormal);
    }
    const auto lines = test::ReadLines(name);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], "( ) first");
    EXPECT_EQ(lines[6], "( ) second");
}

TEST(CLogFile, UnwritableFileLosesLinesQuietly) {
    const std::string name = "/nonexistent-dir/for/sure/log.txt";
    CLogFile file(name, "v");
    file.Write("lost\n", CLogger::kNormal);
    EXPECT_FALSE(std::filesystem::exists(name));
}

}  // namespace
}  // namespace tolm
