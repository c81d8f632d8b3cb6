// The level flow on the real rules and presentation: every transition with each mouse
// button, the settings of the level that follows, the score a lost level gives back, the
// end, and a completion that holds at two row removals of one resolve.
#include <gtest/gtest.h>

#include "game/CLevelTable.h"
#include "game/GameFixture.h"

namespace game {
namespace {

using namespace test;

class LevelFlowTest : public CGameFixture {
protected:
    int State() { return myHandler->GetFlow().GetScreenState(); }
    // Presses of the other buttons leave the state and the picture as they are.
    void ExpectOtherButtonsIgnored() {
        const int state = State();
        const CMovingSprite* overlay = myView->GetOverlay().get();
        for (int mask : {2, 4, 5}) tolm::Mouse().OnButtonPressed(mask);
        EXPECT_EQ(State(), state);
        EXPECT_EQ(myView->GetOverlay().get(), overlay);
    }
    void BurstUntilStopped() {
        for (int i = 0; i < 100 && !Area().IsStopped(); ++i) Burst({0});
    }
    std::string LevelText() const { return myView->GetScoreCounter().GetLevelSprite()->GetText(); }
};

TEST_F(LevelFlowTest, TitleThenHelpThenPlayByLeftClicksOnly) {
    EXPECT_EQ(State(), CLevelFlow::kTitleShown);
    EXPECT_TRUE(myView->GetOverlay());
    myClock.Advance(3000);
    myGame->Update();
    EXPECT_EQ(Area().GetStepCount(), 0);  // stopped under the title
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "0");
    EXPECT_EQ(LevelText(), "Level 1");
    ExpectOtherButtonsIgnored();

    tolm::Mouse().OnButtonPressed(kLeft);
    EXPECT_EQ(State(), CLevelFlow::kHelpShown);
    EXPECT_TRUE(myView->GetHelpAnimation());
    EXPECT_TRUE(Area().IsStopped());
    ExpectOtherButtonsIgnored();

    tolm::Mouse().OnPointerMoved(100, 500);
    tolm::Mouse().OnButtonPressed(kLeft);
    EXPECT_EQ(State(), CLevelFlow::kPlaying);
    EXPECT_FALSE(myView->GetHelpAnimation());
    EXPECT_FALSE(myView->GetOverlay());
    EXPECT_FALSE(Area().IsStopped());
    EXPECT_EQ(Area().GetSelectedLine(), -1);
    EXPECT_EQ(myView->GetMaker(0)->GetSprite()->GetX(), 200);  // jumped to the start
    EXPECT_EQ(myLog->CountHolding("LevelScore 0\n"), 1);

    tolm::Mouse().OnButtonPressed(kLeft);  // during play: nothing
    EXPECT_EQ(State(), CLevelFlow::kPlaying);
    EXPECT_FALSE(myView->GetOverlay());
    EXPECT_EQ(myLog->CountHolding("LevelScore"), 1);
}

TEST_F(LevelFlowTest, ACompleteLevelLeadsToTheNextWithItsSettings) {
    ClickIntoPlay();
    BurstUntilStopped();
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "1600");  // 16 bursts from 200 to 360
    EXPECT_EQ(State(), CLevelFlow::kLevelCompleteShown);
    EXPECT_TRUE(myView->GetOverlay());
    ExpectOtherButtonsIgnored();

    tolm::Mouse().OnButtonPressed(kLeft);
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_EQ(LevelSettings(), CLevelSettings(4, 6, 2000, 25));
    EXPECT_EQ(LevelProgress().myApproachSteps, 25);
    EXPECT_EQ(myHandler->GetRules().GetStep(), 6);
    EXPECT_EQ(LevelText(), "Level 2");
    EXPECT_FALSE(myView->GetOverlay());
    EXPECT_FALSE(Area().IsStopped());
    EXPECT_EQ(myLog->CountHolding("LevelScore 1600\n"), 1);
}

TEST_F(LevelFlowTest, ALostLevelGivesBackItsPointsAndIsPlayedAgain) {
    ClickIntoPlay();
    BurstUntilStopped();
    tolm::Mouse().OnButtonPressed(kLeft);
    Burst({0});
    Burst({0});
    ASSERT_EQ(myView->GetScoreCounter().GetText(), "1800");
    for (int i = 0; i < 100 && !Area().IsStopped(); ++i) {
        Area().SetCell(0, CVimbo_GameAreaLength - 1, 1);
        Burst({});
    }
    EXPECT_EQ(State(), CLevelFlow::kLevelFailedShown);
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "1600");
    EXPECT_EQ(myHandler->GetRules().GetScore(), 1600u);
    ExpectOtherButtonsIgnored();

    tolm::Mouse().OnButtonPressed(kLeft);
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_FALSE(Area().IsStopped());
    EXPECT_EQ(myLog->CountHolding("LevelScore 1600\n"), 2);

    // The points of the resolve in which a level is lost do not land on the score given back.
    myHandler->RowRemoved(3);
    myHandler->GetFlow().LevelFailed();
    myHandler->FlushScore();
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "1600");
    EXPECT_EQ(myHandler->GetRules().GetScore(), 1600u);
}

TEST_F(LevelFlowTest, TheLastLevelEndsOnAPictureThatNoClickLeaves) {
    LevelProgress().myLevelIndex = CLevelTable::kLevelCount - 1;
    ClickIntoPlay();
    BurstUntilStopped();
    EXPECT_EQ(State(), CLevelFlow::kPlaying);
    const CMovingSprite* end = myView->GetOverlay().get();
    ASSERT_NE(end, nullptr);
    for (int mask : {kLeft, 4, kLeft, 2}) tolm::Mouse().OnButtonPressed(mask);
    EXPECT_EQ(myView->GetOverlay().get(), end);
    EXPECT_TRUE(Area().IsStopped());
    EXPECT_EQ(LevelProgress().myLevelIndex, CLevelTable::kLevelCount - 1);
}

// The picture is shown at each removal, the first one released again at once.
TEST_F(LevelFlowTest, CompletionAtTwoRemovalsOfOneResolveEndsWithOnePictureDropping) {
    ClickIntoPlay();
    for (int i = 0; i < 15; ++i) Burst({0});
    ASSERT_EQ(myHandler->GetRules().GetLeftX(), 350);
    const std::size_t threads = tolm::GetFakeThreadCount();
    Burst({0, 1});
    EXPECT_EQ(State(), CLevelFlow::kLevelCompleteShown);
    ASSERT_TRUE(myView->GetOverlay());
    EXPECT_FALSE(myView->GetOverlay()->IsPaused());
    EXPECT_EQ(myView->GetOverlay()->GetSprite()->GetY(), -598);
    // Overlay in, previews and bubbles into their delayed release; nothing left twice.
    EXPECT_LE(tolm::GetFakeThreadCount(), threads + 1);
    EXPECT_EQ(myView->GetScoreCounter().GetText(), "1800");
}

}  // namespace
}  // namespace game
