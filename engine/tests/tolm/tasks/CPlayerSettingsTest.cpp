// The player's settings: what the file may hold, and a run that sets the volume, mute and full
// screen through the console, ends, and finds them applied by the audio and window tasks of
// the next run, whose script asks for a window and full volume.
#include <gtest/gtest.h>

#include "tolm/tasks/CPlayerSettings.h"
#include "tolm/tasks/task_sdl/CTaskWindowSDL.h"
#include "tolm/tasks/task_sdl_mixer/AudioTestSupport.h"

namespace tolm::test {
namespace {

class PlayerSettingsTest : public CAudioTest {
protected:
    void SetUp() override {
        CAudioTest::SetUp();
        PlayerSettings() = CPlayerSettings();
    }
    void TearDown() override {
        Factory().DeleteAllTasks();
        QuitVideoOnce();
        PlayerSettings() = CPlayerSettings();
        CAudioTest::TearDown();
    }
    // What the window and audio tasks of a run see: the settings read from the file.
    void NewRun() {
        Factory().DeleteAllTasks();
        QuitVideoOnce();
        PlayerSettings() = CPlayerSettings();
        PlayerSettings().Open(myName);
    }
    static CTaskWindowSDL* StartWindow() {
        // The shipped script's window: 800 x 600, not full screen.
        Run("starttask(\"window\", \"window\", 1000, 800, 600, 32, 0, 0, \"Settings\")");
        return dynamic_cast<CTaskWindowSDL*>(Factory().FindTask("window"));
    }

    std::string myName = File("settings.xml");
};

TEST_F(PlayerSettingsTest, SetInOneRunAppliedInTheNext) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    CTaskLibraries::Load("sdl");
    NewRun();
    CTaskWindowSDL* window = StartWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(StartAudio(), nullptr);
    EXPECT_FALSE(window->IsFullscreen());
    EXPECT_EQ(Mix_Volume(-1, -1), MIX_MAX_VOLUME);
    Run("Audio::SetVolume(40)");
    Run("Audio::Mute()");
    Run("window::ToggleFullscreen()");
    ASSERT_TRUE(window->IsFullscreen());
    EXPECT_TRUE(CPlayerFile::Settle());
    EXPECT_EQ(ReadFile(myName),
              "<settings>\n  <fullscreen>\n    1\n  </fullscreen>\n  <mute>\n    1\n  </mute>\n"
              "  <volume>\n    40\n  </volume>\n</settings>\n");

    NewRun();
    window = StartWindow();
    ASSERT_NE(StartAudio(), nullptr);
    EXPECT_TRUE(window->IsFullscreen());
    EXPECT_EQ(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN, Uint32{SDL_FULLSCREEN});
    EXPECT_EQ(Mix_Volume(-1, -1), 0);
    Run("Audio::Unmute()");
    EXPECT_EQ(Mix_Volume(-1, -1), 40);
    EXPECT_EQ(Mix_VolumeMusic(-1), 40);

    // Back in a window and unmuted: the third run starts so.
    Run("window::ToggleFullscreen()");
    NewRun();
    window = StartWindow();
    ASSERT_NE(StartAudio(), nullptr);
    EXPECT_FALSE(window->IsFullscreen());
    EXPECT_EQ(Mix_Volume(-1, -1), 40);
}

TEST_F(PlayerSettingsTest, WhatTheFileMayHold) {
    const struct {
        const char* what;
        const char* content;
        bool setAside;
        std::optional<int> volume;
        std::optional<bool> muted;
        std::optional<bool> fullscreen;
    } cases[] = {
        {"all three",
         "<settings><volume>0</volume><mute>0</mute><fullscreen>1</fullscreen></settings>", false,
         0, false, true},
        {"only the volume", "<settings><volume>128</volume></settings>", false, 128, {}, {}},
        {"nothing", "<settings></settings>", false, {}, {}, {}},
        {"an unknown field", "<settings><speed>3</speed></settings>", false, {}, {}, {}},
        {"volume 129", "<settings><volume>129</volume><mute>1</mute></settings>", true, {}, {}, {}},
        {"mute not 0 or 1", "<settings><mute>yes</mute></settings>", true, {}, {}, {}},
        {"full screen 2", "<settings><fullscreen>2</fullscreen></settings>", true, {}, {}, {}},
        {"progress, not settings", "<progress><level>1</level></progress>", true, {}, {}, {}},
        {"empty", "", true, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(myName, c.content);
        myLog->Clear();
        NewRun();
        EXPECT_EQ(PlayerSettings().GetVolume(), c.volume);
        EXPECT_EQ(PlayerSettings().GetMuted(), c.muted);
        EXPECT_EQ(PlayerSettings().GetFullscreen(), c.fullscreen);
        EXPECT_EQ(!PlayerSettings().GetFile().GetSetAsideName().empty(), c.setAside);
        EXPECT_EQ(myLog->Lines().size(), c.setAside ? 1u : 0u);
        if (c.setAside) std::filesystem::remove(PlayerSettings().GetFile().GetSetAsideName());
    }
}

TEST_F(PlayerSettingsTest, TheCommandLineOverridesForOneRunAndNothingIsKeptBeforeOpening) {
    // Before the process entry opens them (tests, tools), changes are not even remembered.
    PlayerSettings().SetVolume(10);
    PlayerSettings().SetFullscreen(true);
    EXPECT_EQ(PlayerSettings().GetVolume(), std::nullopt);
    EXPECT_EQ(PlayerSettings().GetFullscreen(), std::nullopt);

    WriteFile(myName, "<settings><volume>90</volume></settings>");
    NewRun();
    PlayerSettings().OverrideVolume(500);
    PlayerSettings().OverrideFullscreen(true);
    EXPECT_EQ(PlayerSettings().GetVolume(), 128);
    EXPECT_EQ(ReadFile(myName), "<settings><volume>90</volume></settings>");
    // Written along with the next change made in the game.
    PlayerSettings().SetMuted(true);
    NewRun();
    EXPECT_EQ(PlayerSettings().GetVolume(), 128);
    EXPECT_EQ(PlayerSettings().GetFullscreen(), true);
    EXPECT_EQ(PlayerSettings().GetMuted(), true);
}

}  // namespace
}  // namespace tolm::test
