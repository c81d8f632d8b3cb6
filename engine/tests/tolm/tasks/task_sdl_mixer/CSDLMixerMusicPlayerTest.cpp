// The music player on an open dummy device, with the call that starts SDL_mixer observed:
// a refused play is reported once and not retried by every update, and a play right after
// a fade-out does not wait for the fade.
#include <gtest/gtest.h>

#include <vector>

#include "tolm/tasks/task_sdl_mixer/AudioTestSupport.h"

namespace tolm::test {
namespace {

class CProbePlayer : public CSDLMixerMusicPlayer {
public:
    bool myRefuse = false;
    std::vector<Mix_Fading> myFadingAtStart;

protected:
    int StartMusic(Mix_Music* handle, bool fadeIn, int fadeTime) override {
        myFadingAtStart.push_back(Mix_FadingMusic());
        if (!myRefuse) return CSDLMixerMusicPlayer::StartMusic(handle, fadeIn, fadeTime);
        Mix_SetError("refused on purpose");
        return -1;
    }
};

class CSDLMixerMusicPlayerTest : public CAudioTest {
protected:
    void SetUp() override {
        CAudioTest::SetUp();
        ASSERT_NE(StartAudio(), nullptr);
    }
};

TEST_F(CSDLMixerMusicPlayerTest, ARefusedPlayIsReportedOnceAndNotRetried) {
    CProbePlayer player;
    const std::string song = File("long.wav");
    player.myRefuse = true;
    myLog->Clear();
    player.Play(song);
    for (int pass = 0; pass < 1000; ++pass) player.Update();
    EXPECT_EQ(player.myFadingAtStart.size(), 1u);
    EXPECT_EQ(player.GetState(), CSDLMixerMusicPlayer::kStopped);
    EXPECT_EQ(myLog->Lines(), (Lines{"new CSDLMixerMusicData( " + song + " ) \n",
                                     "Could not play music: " + song + "\n",
                                     "SDL_Mixer says: refused on purpose\n"}));
    EXPECT_TRUE(myLog->Has("Could not play music: " + song + "\n", CLogger::kWarning));

    player.myRefuse = false;
    player.Play(song);
    EXPECT_EQ(player.GetState(), CSDLMixerMusicPlayer::kPlaying);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(CSDLMixerMusicPlayerTest, PlayingDuringAFadeOutHaltsTheFadingMusicFirst) {
    CProbePlayer player;
    player.PlayFadeIn(File("long.wav"), 0);
    player.StopFadeOut(2500);
    ASSERT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    player.Play(File("tone.wav"));
    EXPECT_EQ(player.myFadingAtStart, (std::vector<Mix_Fading>{MIX_NO_FADING, MIX_NO_FADING}));
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    EXPECT_EQ(player.GetFadeTime(), 2500);
}

}  // namespace
}  // namespace tolm::test
