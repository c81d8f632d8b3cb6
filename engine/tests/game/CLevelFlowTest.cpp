// The level flow on the real rules: every transition with each mouse button, the settings of
// the level that follows, the score a lost level gives back, and the end.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/CLevelTable.h"
#include "game/FlowTestSupport.h"
#include "support/CLogCapture.h"

namespace game {
namespace {

using Calls = std::vector<std::string>;
constexpr int Left = 1, Middle = 2, Right = 4;

class LevelFlowTest : public ::testing::Test {
protected:
    LevelFlowTest() : myArea((test::ResetLevelState(), test::CFlowPresentation::Factory())) {
        myView = test::CFlowPresentation::Of(myArea);
    }
    ~LevelFlowTest() override { test::ResetLevelState(); }

    CLevelFlow& Flow() { return myView->myFlow; }
    // Title, help, then the level.
    void ClickIntoPlay() {
        Flow().ButtonPressed(Left);
        Flow().ButtonPressed(Left);
    }
    // Only the left button counts; the others leave state and view as they are.
    void ExpectOtherButtonsIgnored() {
        const Calls before = myView->myCalls;
        const int state = Flow().GetScreenState();
        for (int mask : {Middle, Right, Left | Right}) Flow().ButtonPressed(mask);
        EXPECT_EQ(myView->myCalls, before);
        EXPECT_EQ(Flow().GetScreenState(), state);
    }
    int LogCount(const std::string& line) const {
        const auto& lines = myLog.Lines();
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }

    tolm::test::CLogCapture myLog;
    CGameArea myArea;
    test::CFlowPresentation* myView = nullptr;
};

TEST_F(LevelFlowTest, TitleThenHelpThenPlayByLeftClicks) {
    EXPECT_EQ(myView->myCalls, Calls{"overlay data/gfx/title_screen.xml"});
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::TitleShown);
    EXPECT_TRUE(myArea.IsStopped());
    ExpectOtherButtonsIgnored();

    Flow().ButtonPressed(Left);
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::HelpShown);
    EXPECT_TRUE(myArea.IsStopped());
    ExpectOtherButtonsIgnored();

    myArea.SetSelectedLine(2);
    myView->myCalls.clear();
    Flow().ButtonPressed(Left);
    EXPECT_EQ(myView->myCalls,
              (Calls{"release help", "select -1", "play talk", "jump 200 600", "release overlay"}));
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::Playing);
    EXPECT_FALSE(myArea.IsStopped());
    EXPECT_EQ(myArea.GetSelectedLine(), -1);
    EXPECT_EQ(myLog.Lines(), Calls{"LevelScore 0\n"});

    // A click during play changes nothing.
    myView->myCalls.clear();
    Flow().ButtonPressed(Left);
    EXPECT_TRUE(myView->myCalls.empty());
    EXPECT_FALSE(myArea.IsStopped());
}

TEST_F(LevelFlowTest, ACompleteLevelLeadsToTheNextWithItsSettings) {
    ClickIntoPlay();
    EXPECT_EQ(LevelSettings().myStepInterval, 2500u);
    myView->BurstUntilStopped();
    EXPECT_EQ(myView->myRules.GetScore(), 1600u);  // 16 bursts from 200 to 360
    EXPECT_EQ(myView->myCalls.back(), "screen data/gfx/level_complete.xml");
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::LevelCompleteShown);
    ExpectOtherButtonsIgnored();

    Flow().ButtonPressed(Left);
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_EQ(LevelSettings(), CLevelSettings(4, 6, 2000, 25));
    EXPECT_EQ(LevelProgress().myApproachSteps, 25);
    EXPECT_EQ(myView->myRules.GetStep(), 6);
    EXPECT_EQ(myView->myCalls.back(), "release overlay");
    EXPECT_FALSE(myArea.IsStopped());
    EXPECT_EQ(LogCount("LevelScore 1600\n"), 1);
}

TEST_F(LevelFlowTest, ALostLevelGivesBackItsPointsAndIsPlayedAgain) {
    ClickIntoPlay();
    myView->BurstUntilStopped();
    Flow().ButtonPressed(Left);
    for (int i = 0; i < 2; ++i) {
        for (int line = 0; line < 3; ++line) myArea.SetCell(line, 0, 5);
        myArea.Resolve();
    }
    ASSERT_EQ(myView->myRules.GetScore(), 1800u);
    myView->FanUntilStopped();
    EXPECT_EQ(myView->myCalls.back(), "screen data/gfx/level_failed.xml");
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::LevelFailedShown);
    EXPECT_EQ(myView->myRules.GetScore(), 1600u);
    EXPECT_EQ(myView->myShownScore, 1600u);
    ExpectOtherButtonsIgnored();

    Flow().ButtonPressed(Left);
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_FALSE(myArea.IsStopped());
    EXPECT_EQ(LogCount("LevelScore 1600\n"), 2);

    // Points of the resolve in which the level is lost do not land on the restored score.
    myView->RowRemoved(3);
    Flow().LevelFailed();
    myView->FlushScore();
    EXPECT_EQ(myView->myRules.GetScore(), 1600u);
    EXPECT_EQ(myView->myShownScore, 1600u);
}

TEST_F(LevelFlowTest, TheLastLevelEndsOnAPictureThatNoClickLeaves) {
    LevelProgress().myLevelIndex = CLevelTable::LevelCount - 1;
    ClickIntoPlay();
    myView->BurstUntilStopped();
    EXPECT_EQ(myView->myCalls.back(), "screen data/gfx/the_end.xml");
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::Playing);
    const Calls shown = myView->myCalls;
    for (int mask : {Left, Right, Left, Middle}) Flow().ButtonPressed(mask);
    EXPECT_EQ(myView->myCalls, shown);
    EXPECT_TRUE(myArea.IsStopped());
    EXPECT_EQ(LevelProgress().myLevelIndex, CLevelTable::LevelCount - 1);
}

TEST_F(LevelFlowTest, CompletionAtSeveralRemovalsOfOneResolveShowsThePictureEachTime) {
    ClickIntoPlay();
    for (int i = 0; i < 15; ++i) {
        for (int line = 0; line < 3; ++line) myArea.SetCell(line, 0, 1);
        myArea.Resolve();
    }
    ASSERT_EQ(myView->myRules.GetLeftX(), 350);
    for (int line = 0; line < 3; ++line) {
        myArea.SetCell(line, 0, 1);
        myArea.SetCell(line, 1, 2);
    }
    myView->myCalls.clear();
    myArea.Resolve();
    EXPECT_EQ(myView->myCalls,
              (Calls{"screen data/gfx/level_complete.xml", "screen data/gfx/level_complete.xml"}));
    EXPECT_EQ(Flow().GetScreenState(), CLevelFlow::LevelCompleteShown);
    EXPECT_EQ(myView->myRules.GetScore(), 1500u + 300u);
}

}  // namespace
}  // namespace game
