#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TestFiles.h"
#include "tolm/utils/files/CFileLocations.h"

namespace tolm {
namespace {

namespace fs = std::filesystem;

// An installed tree under a temporary root: ROOT/usr/bin/bubble-hush and its data in
// ROOT/usr/share/bubble-hush, plus a home folder and a separate data folder.
class CFileLocationsTest : public testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(myRoot.Path() / "usr/bin");
        fs::create_directories(myRoot.Path() / "usr/share/bubble-hush");
        test::WriteFile(Installed() + "/autoexec.txt", "");
        fs::create_directories(myRoot.Path() / "own");
        test::WriteFile(myRoot.File("own/autoexec.txt"), "");
        fs::create_directories(myRoot.Path() / "empty");
    }
    std::string Installed() const { return myRoot.File("usr/share/bubble-hush"); }
    std::string Executable() const { return myRoot.File("usr/bin/bubble-hush"); }
    std::string In(const std::string& name) const { return myRoot.File(name); }

    test::CTempDir myRoot;
};

TEST_F(CFileLocationsTest, ChoosesTheDataAndTheWriteFolders) {
    const std::string home = "/home/pat", exe = Executable(), installed = Installed();
    const std::string own = In("own"), elsewhere = In("elsewhere/bubble-hush");
    const std::string state = home + "/.local/state/bubble-hush",
                      player = home + "/.local/share/bubble-hush";
    const std::string xState = "/x/state/bubble-hush", xData = "/x/data/bubble-hush";
    // Installed exactly when a data folder is chosen.
    const struct {
        const char* name;
        CFileLocations::SFacts facts;
        std::string data, state, player;
    } cases[] = {
        {"the developer's way", {"", true, exe, home, "", ""}, "", "", ""},
        {"installed, XDG defaults", {"", false, exe, home, "", ""}, installed, state, player},
        {"XDG set", {"", false, exe, home, "/x/state", "/x/data/"}, installed, xState, xData},
        // Relative values of the XDG variables are ignored, as the desktop conventions ask.
        {"relative XDG", {"", false, exe, home, "state", "./data"}, installed, state, player},
        {"--data over the working folder", {own, true, exe, home, "", ""}, own, state, player},
        {"--data alone", {own + "/../own/", false, elsewhere, home, "", ""}, own, state, player},
        {"no home: nowhere to write", {"", false, exe, "", "", "/x/data"}, installed, "", xData},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CFileLocations locations;
        std::string error;
        ASSERT_TRUE(locations.Choose(c.facts, "bubble-hush", &error)) << error;
        EXPECT_EQ(locations.IsInstalled(), !c.data.empty());
        EXPECT_EQ(locations.GetDataFolder(), c.data);
        EXPECT_EQ(locations.GetStateFolder(), c.state);
        EXPECT_EQ(locations.GetPlayerFolder(), c.player);
        const std::string log = c.data.empty()    ? "log.txt"
                                : c.state.empty() ? ""
                                                  : c.state + "/log.txt";
        EXPECT_EQ(locations.StateFile("log.txt"), log);
        EXPECT_EQ(locations.PlayerFile("/abs/shot.png"), "/abs/shot.png");
    }
}

TEST_F(CFileLocationsTest, NoDataFolderIsOneClearLine) {
    const auto in = [](const std::string& folder) {
        return "bubble-hush: no game data in \"" + folder + "\": it holds no autoexec.txt";
    };
    const auto neither = [](const std::string& folder) {
        return "bubble-hush: no game data: neither the working directory nor \"" + folder +
               "\" holds autoexec.txt; name the folder with --data DIR";
    };
    const std::string exe = Executable();
    const struct {
        const char* name;
        CFileLocations::SFacts facts;
        std::string said;
    } cases[] = {
        {"--data without the script", {In("empty"), true, exe, "/h", "", ""}, in(In("empty"))},
        {"--data missing", {In("missing"), false, exe, "/h", "", ""}, in(In("missing"))},
        {"no data beside the program",
         {"", false, In("usr/share/bin/bubble-hush"), "/h", "", ""},
         neither(In("usr/share/share/bubble-hush"))},
        {"an unknown program path", {"", false, "", "/h", "", ""}, neither("../share/bubble-hush")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CFileLocations locations;
        std::string error;
        EXPECT_FALSE(locations.Choose(c.facts, "bubble-hush", &error));
        EXPECT_EQ(error, c.said);
        EXPECT_FALSE(locations.IsInstalled());
    }
}

TEST_F(CFileLocationsTest, MakesMissingFoldersForThePlayerOnly) {
    const std::string deep = In("home/.local/state/bubble-hush");
    fs::create_directories(In("home"));
    ::chmod(In("home").c_str(), 0755);
    std::string error;
    ASSERT_TRUE(CFileLocations::MakeFolder(deep, &error)) << error;
    for (const char* made : {"home/.local", "home/.local/state", "home/.local/state/bubble-hush"}) {
        SCOPED_TRACE(made);
        struct stat info {};
        ASSERT_EQ(::stat(In(made).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    // A folder that already exists keeps its mode.
    struct stat home {};
    ASSERT_EQ(::stat(In("home").c_str(), &home), 0);
    EXPECT_EQ(home.st_mode & 0777, 0755u);
    EXPECT_TRUE(CFileLocations::MakeFolder(deep, &error));

    // A plain file in the way, as a folder and as a parent; root is stopped by these too.
    test::WriteFile(In("plain"), "");
    EXPECT_FALSE(CFileLocations::MakeFolder(In("plain"), &error));
    EXPECT_EQ(error, "cannot make the folder " + In("plain") + ": File exists");
    EXPECT_FALSE(CFileLocations::MakeFolder(In("plain/state/x"), &error));
    EXPECT_EQ(error, "cannot make the folder " + In("plain/state") + ": Not a directory");
}

}  // namespace
}  // namespace tolm
