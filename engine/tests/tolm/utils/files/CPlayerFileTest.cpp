// The player's small files: what counts as unreadable (each such file is moved aside with its
// line and the caller gets defaults), fields read back as written, a failed write that leaves
// the old file whole, and one line for a folder that refuses every write.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <memory>

#include "support/CLogCapture.h"
#include "support/TestFiles.h"
#include "tolm/utils/files/CPlayerFile.h"
#include "tolm/utils/files/SafeWrite.h"

namespace tolm::test {
namespace {

// progress.xml.bad-YYYYMMDD-HHMMSS
bool IsSetAsideName(const std::string& name) {
    const std::string start = "progress.xml.bad-";
    if (name.size() != start.size() + 15 || name.rfind(start, 0) != 0) return false;
    for (std::size_t i = start.size(); i < name.size(); ++i) {
        const bool dash = i == start.size() + 8;
        if (dash ? name[i] != '-' : !std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

class PlayerFileTest : public ::testing::Test {
protected:
    // Names in the folder other than the file itself.
    std::vector<std::string> Others() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(myDir.Path()))
            if (entry.path().filename() != "progress.xml")
                names.push_back(entry.path().filename().string());
        return names;
    }

    // The warnings leave the logger's level at "warning" for every later line: a fresh
    // logger for the tests after these.
    void TearDown() override {
        myLog.reset();
        DeleteLogger();
    }

    CTempDir myDir;
    std::string myName = myDir.File("progress.xml");
    std::unique_ptr<CLogCapture> myLog = std::make_unique<CLogCapture>();
};

TEST_F(PlayerFileTest, UnreadableFilesAreMovedAsideWithTheirLineAndGiveNoFields) {
    const std::string tooLarge =
        "<progress>" + std::string(CPlayerFile::kMaxSize, ' ') + "</progress>";
    const struct {
        const char* what;
        std::string content;
        const char* reason;
    } cases[] = {
        {"empty", "", "empty"},
        {"cut short", "<progress>\n  <level>\n    3\n  </level>\n  <sco", "cut short"},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "not text"},
        {"no element", "just words", "no element"},
        {"another file", "<settings><volume>3</volume></settings>", "not a progress file"},
        {"a field twice", "<progress><level>1</level><level>2</level></progress>",
         "field level twice"},
        {"a field with parts", "<progress><level><a>1</a></level></progress>",
         "field level is not text"},
        {"too large", tooLarge, "too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(myName, c.content);
        myLog->Clear();
        CPlayerFile file(myName, "progress");
        CPlayerFile::Fields fields{{"stale", "1"}};
        EXPECT_EQ(file.Read(fields), CPlayerFile::ERead::kSetAside);
        EXPECT_TRUE(fields.empty());
        EXPECT_FALSE(std::filesystem::exists(myName));
        ASSERT_EQ(Others().size(), 1u);
        const std::string aside = myDir.File(Others()[0]);
        EXPECT_EQ(file.GetSetAsideName(), aside);
        EXPECT_TRUE(IsSetAsideName(Others()[0])) << Others()[0];
        EXPECT_EQ(ReadFile(aside), c.content);
        ASSERT_EQ(myLog->Lines().size(), 1u);
        EXPECT_EQ(myLog->Lines()[0], "[WARNING] " + myName + " cannot be read (" + c.reason +
                                         "): moved aside to " + aside +
                                         ", going on with defaults\n");
        std::filesystem::remove(aside);
    }
}

TEST_F(PlayerFileTest, AMissingFileIsNoFaultAndWrittenFieldsReadBack) {
    CPlayerFile file(myName, "progress");
    CPlayerFile::Fields fields;
    EXPECT_EQ(file.Read(fields), CPlayerFile::ERead::kMissing);
    EXPECT_TRUE(myLog->Lines().empty());

    const CPlayerFile::Fields written{{"best", "4200"}, {"level", "3"}, {"name", "two words"}};
    ASSERT_TRUE(file.Write(written));
    ASSERT_TRUE(CPlayerFile::Settle());
    EXPECT_EQ(file.Read(fields), CPlayerFile::ERead::kRead);
    EXPECT_EQ(fields, written);
    EXPECT_TRUE(Others().empty());  // no temporary file left behind

    // Nothing to read or write without a name.
    CPlayerFile none;
    EXPECT_EQ(none.Read(fields), CPlayerFile::ERead::kMissing);
    EXPECT_FALSE(none.Write(written));
    EXPECT_TRUE(myLog->Lines().empty());
}

// Where no writer thread can run (a web page), each write is on the disk when Write returns,
// and the host hears of each one; a failure is still told once, at the next report.
TEST_F(PlayerFileTest, WritesOnTheCallerAreDoneAtOnceAndEachIsAnnounced) {
    int announced = 0;
    CPlayerFile::WriteOnCaller(true, [&announced] { ++announced; });
    struct SBackToTheThread {
        ~SBackToTheThread() { CPlayerFile::WriteOnCaller(false); }
    } backToTheThread;
    CPlayerFile file(myName, "progress");
    CPlayerFile::Fields fields;
    ASSERT_TRUE(file.Write({{"level", "2"}}));
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(file.Read(fields), CPlayerFile::ERead::kRead);
    EXPECT_EQ(fields, (CPlayerFile::Fields{{"level", "2"}}));
    ASSERT_TRUE(file.Write({{"level", "3"}}));
    EXPECT_EQ(announced, 2);
    EXPECT_EQ(file.Read(fields), CPlayerFile::ERead::kRead);
    EXPECT_EQ(fields, (CPlayerFile::Fields{{"level", "3"}}));

    FailNextSafeWriteAt(ESafeWriteStep::kRename);
    ASSERT_TRUE(file.Write({{"level", "4"}}));
    EXPECT_EQ(announced, 3);
    EXPECT_FALSE(CPlayerFile::Settle());
    ASSERT_EQ(myLog->Lines().size(), 1u);
    EXPECT_EQ(file.Read(fields), CPlayerFile::ERead::kRead);
    EXPECT_EQ(fields, (CPlayerFile::Fields{{"level", "3"}}));
}

TEST_F(PlayerFileTest, AWriteInterruptedBeforeTheRenameLeavesTheOldFileWhole) {
    CPlayerFile file(myName, "progress");
    ASSERT_TRUE(file.Write({{"level", "2"}}));
    ASSERT_TRUE(CPlayerFile::Settle());
    const std::string old = ReadFile(myName);
    for (ESafeWriteStep step : {ESafeWriteStep::kCreate, ESafeWriteStep::kWrite,
                                ESafeWriteStep::kFlush, ESafeWriteStep::kRename}) {
        SCOPED_TRACE(static_cast<int>(step));
        FailNextSafeWriteAt(step);
        EXPECT_TRUE(file.Write({{"level", "5"}}));
        EXPECT_FALSE(CPlayerFile::Settle());
        EXPECT_EQ(ReadFile(myName), old);
        EXPECT_TRUE(Others().empty());
    }
    // Four failures in a row, one line; a success ends the run, so the next failure is told.
    EXPECT_EQ(myLog->Lines().size(), 1u);
    EXPECT_EQ(myLog->Lines()[0].rfind("[WARNING] Cannot save " + myName + " (cannot create", 0), 0u)
        << myLog->Lines()[0];
    ASSERT_TRUE(file.Write({{"level", "6"}}));
    EXPECT_TRUE(CPlayerFile::Settle());
    FailNextSafeWriteAt(ESafeWriteStep::kRename);
    file.Write({{"level", "7"}});
    EXPECT_FALSE(CPlayerFile::Settle());
    EXPECT_EQ(myLog->Lines().size(), 2u);
    CPlayerFile::Fields fields;
    EXPECT_EQ(file.Read(fields), CPlayerFile::ERead::kRead);
    EXPECT_EQ(fields.at("level"), "6");
}

// A file where the folder should be refuses even root, as a read-only folder refuses others.
TEST_F(PlayerFileTest, AFolderThatRefusesWritesGivesOneLine) {
    WriteFile(myDir.File("file"), "");
    CPlayerFile file(myDir.File("file/progress.xml"), "progress");
    for (int i = 0; i < 5; ++i) file.Write({{"level", std::to_string(i)}});
    // Told as the writes finish, one report at a time or all at once.
    CPlayerFile::WaitForWrites();
    CPlayerFile::ReportWrites();
    file.Write({{"level", "5"}});
    EXPECT_FALSE(CPlayerFile::Settle());
    ASSERT_EQ(myLog->Lines().size(), 1u);
    EXPECT_NE(myLog->Lines()[0].find("Not a directory"), std::string::npos) << myLog->Lines()[0];
}

TEST(PlayerFileNumbers, OnlyWholeNumbersInRange) {
    const struct {
        const char* text;
        bool ok;
        std::int64_t value;
    } cases[] = {{"0", true, 0},
                 {"7", true, 7},
                 {" 7 ", true, 7},
                 {"8", false, 0},
                 {"-1", false, 0},
                 {"", false, 0},
                 {"3x", false, 0},
                 {"3 4", false, 0},
                 {"1e3", false, 0},
                 {"x", false, 0},
                 {"99999999999999999999", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::int64_t value = -99;
        EXPECT_EQ(CPlayerFile::ParseNumber(c.text, 0, 7, &value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -99);
    }
}

TEST(PlayerFileFolder, NamesAreMadeOnlyOnceAFolderIsChosen) {
    CPlayerFile::SetFolder("");
    EXPECT_EQ(CPlayerFile::PathOf("progress.xml"), "");
    CPlayerFile::SetFolder("/home/p/.local/share/bubble-hush");
    EXPECT_EQ(CPlayerFile::PathOf("progress.xml"), "/home/p/.local/share/bubble-hush/progress.xml");
    CPlayerFile::SetFolder(".");
    EXPECT_EQ(CPlayerFile::PathOf("progress.xml"), "progress.xml");
    CPlayerFile::SetFolder("");
}

}  // namespace
}  // namespace tolm::test
