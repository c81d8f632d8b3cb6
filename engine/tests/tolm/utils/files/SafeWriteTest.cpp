#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestFiles.h"
#include "tolm/utils/files/SafeWrite.h"

namespace tolm {
namespace {

std::vector<std::string> Names(const test::CTempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SafeWrite, WritesAndReplacesWholeFiles) {
    test::CTempDir dir;
    const std::string file = dir.File("progress.xml");
    std::string error;
    ASSERT_TRUE(WriteFileSafely(file, "first", &error)) << error;
    EXPECT_EQ(test::ReadFile(file), "first");
    const std::string binary("a\0b\n", 4);
    ASSERT_TRUE(WriteFileSafely(file, binary, &error)) << error;
    EXPECT_EQ(test::ReadFile(file), binary);
    ASSERT_TRUE(WriteFileSafely(file, "", &error)) << error;
    EXPECT_EQ(test::ReadFile(file), "");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"progress.xml"});
}

// A failure at any step, as a crash or a full disk would cause it: the old file is intact
// and no temporary file is left beside it.
TEST(SafeWrite, AFailedStepKeepsTheOldFile) {
    const struct {
        ESafeWriteStep step;
        const char* said;
    } cases[] = {
        {ESafeWriteStep::kCreate, "cannot create a temporary file for"},
        {ESafeWriteStep::kWrite, "cannot write"},
        {ESafeWriteStep::kFlush, "cannot flush"},
        {ESafeWriteStep::kRename, "cannot rename the temporary file over"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        test::CTempDir dir;
        const std::string file = dir.File("progress.xml");
        test::WriteFile(file, "old");
        FailNextSafeWriteAt(c.step);
        std::string error;
        EXPECT_FALSE(WriteFileSafely(file, "new", &error));
        EXPECT_EQ(error, std::string(c.said) + " " + file + ": Input/output error");
        EXPECT_EQ(test::ReadFile(file), "old");
        EXPECT_EQ(Names(dir), std::vector<std::string>{"progress.xml"});
        // The injected failure is used up: the next write succeeds.
        EXPECT_TRUE(WriteFileSafely(file, "new", &error)) << error;
        EXPECT_EQ(test::ReadFile(file), "new");
    }
}

TEST(SafeWrite, AFolderThatCannotBeWrittenIsAReason) {
    test::CTempDir dir;
    test::WriteFile(dir.File("plain"), "");
    std::string error;
    EXPECT_FALSE(WriteFileSafely(dir.File("plain/settings.xml"), "x", &error));
    EXPECT_EQ(error, "cannot create a temporary file for " + dir.File("plain/settings.xml") +
                         ": Not a directory");
    // A folder in the place of the file: the rename fails, the folder stays.
    std::filesystem::create_directory(dir.File("taken"));
    EXPECT_FALSE(WriteFileSafely(dir.File("taken"), "x", &error));
    EXPECT_EQ(error,
              "cannot rename the temporary file over " + dir.File("taken") + ": Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken")));
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"plain", "taken"}));
}

}  // namespace
}  // namespace tolm
