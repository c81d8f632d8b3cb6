#include <gtest/gtest.h>

#include <cctype>
#include <utility>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/utils/logger/CLogFile.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

using Lines = std::vector<std::pair<std::string, int>>;

// Pattern letters: A an upper-case letter, a a lower-case one, 9 a digit, _ a digit or a
// blank; anything else stands for itself.
bool Matches(const std::string& text, const std::string& pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const char p = pattern[i];
        const bool ok = p == 'A'   ? std::isupper(c) != 0
                        : p == 'a' ? std::islower(c) != 0
                        : p == '9' ? std::isdigit(c) != 0
                        : p == '_' ? (std::isdigit(c) != 0 || c == ' ')
                                   : text[i] == p;
        if (!ok) return false;
    }
    return true;
}

class CRecordingListener : public CLogListener {
public:
    void Write(const std::string& line, int level) override { lines.emplace_back(line, level); }
    Lines lines;
};

// A listener that removes itself while it is called gets only the first line.
class CSelfRemoving : public CLogListener {
public:
    explicit CSelfRemoving(CLogger& logger) : myLogger(logger) {}
    void Write(const std::string&, int) override {
        ++calls;
        myLogger.RemoveListener(this);
    }
    int calls = 0;

private:
    CLogger& myLogger;
};

TEST(CLogger, SplitsAtEveryLineEndAndKeepsTheSelectedLevel) {
    CLogger::PendingLine().clear();
    CLogger logger;
    CRecordingListener recorder;
    CSelfRemoving once(logger);
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
    EXPECT_EQ(recorder.lines, (Lines{{"a5\n", 1},
                                     {"1.5 -3\n", 1},
                                     {"a\n", 3},
                                     {"\n", 3},
                                     {"b\n", 3},
                                     {"x\n", 3},
                                     {"\n", 3},
                                     {"y\n", 3},
                                     {"", -2},
                                     {"w\n", 2},
                                     {"", -1},
                                     {"d\n", 0}}));
    EXPECT_EQ(once.calls, 1);
    logger.RemoveListener(&recorder);
}

TEST(CLogFile, HeaderMarkersIndentationAndAppending) {
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
        for (int i = 0; i < 3; ++i) file.Write("", CLogger::kUnindent);
        file.Write("never below zero\n", CLogger::kDebug);
        file.Write("", CLogger::kIndent);
        file.Write("back at one\n", 7);
    }
    // A second file for the same name appends and writes no header.
    CLogFile(name, "v").Write("second\n", CLogger::kNormal);
    const std::string rule = "( ) " + std::string(62, '-');
    const std::vector<std::string> expected = {rule,
                                               "( ) Using Tolm version 0.22",
                                               rule,
                                               "( ) plain",
                                               "(!)   in one",
                                               "<!>     in two",
                                               "(d) never below zero",
                                               "  back at one",
                                               "( ) second"};
    auto lines = test::ReadLines(name);
    ASSERT_EQ(lines.size(), 11u);
    const std::string date = "( ) New log created on ";
    EXPECT_EQ(lines[1].substr(0, date.size()), date);
    EXPECT_TRUE(Matches(lines[1].substr(date.size()), "Aaa,Aaa 99,99:99 AM")) << lines[1];
    EXPECT_EQ(lines[3].rfind("( ) Build in ", 0), 0u);
    EXPECT_TRUE(Matches(lines[3].substr(lines[3].rfind(" at ")), " at Aaa _9 9999 99:99:99"))
        << lines[3];
    lines.erase(lines.begin() + 3);
    lines.erase(lines.begin() + 1);
    EXPECT_EQ(lines, expected);
}

TEST(CLogFile, UnwritableFileLosesLinesQuietly) {
    const std::string name = "/nonexistent-dir/for/sure/log.txt";
    CLogFile(name, "v").Write("lost\n", CLogger::kNormal);
    EXPECT_FALSE(std::filesystem::exists(name));
}

}  // namespace
}  // namespace tolm
