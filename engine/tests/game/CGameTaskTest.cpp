// The "game" task: created by the factory, owns one game from start to stop, passes its
// messages to the area, pauses the game's clock, and keeps the level reached when restarted.
#include <gtest/gtest.h>

#include "game/CGameTask.h"
#include "game/CLevelTable.h"
#include "game/FlowTestSupport.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game {
namespace {

using tolm::test::Factory;
using tolm::test::Scheduler;

class GameTaskTest : public tolm::test::CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        test::ResetLevelState();
        myPrevious = CGameArea::SetDefaultPresentationFactory(test::CFlowPresentation::Factory());
    }
    void TearDown() override {
        CRuntimeTest::TearDown();
        CGameArea::SetDefaultPresentationFactory(myPrevious);
        test::ResetLevelState();
    }
    CGameTask* StartGame(const std::string& name = "Game") {
        EXPECT_TRUE(Factory().StartTask("game", name, 50, nullptr));
        return dynamic_cast<CGameTask*>(Factory().FindTask(name));
    }
    static test::CFlowPresentation* ViewOf(CGameTask* task) {
        return test::CFlowPresentation::Of(task->GetGame()->GetArea());
    }

    tolm::CScopedManualTime myClock{1000};
    CGameArea::PresentationFactory myPrevious;
};

TEST_F(GameTaskTest, StartsOnTheTitleAndASecondStartKeepsTheGame) {
    CGameTask* task = StartGame();
    ASSERT_NE(task, nullptr);
    CGame* game = task->GetGame();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->GetArea().IsStopped());
    EXPECT_EQ(ViewOf(task)->myFlow.GetScreenState(), CLevelFlow::TitleShown);
    EXPECT_TRUE(task->PausesWhenInactive());
    EXPECT_TRUE(task->Start());
    EXPECT_EQ(task->GetGame(), game);
}

TEST_F(GameTaskTest, MessagesSelectTheLineReadAsANumber) {
    const struct {
        const char* text;
        int line;
    } cases[] = {{"1", 1},    {"  2", 2}, {"+2", 2}, {"0x", 0},  {"7", 7},           {"-5", -5},
                 {"abc", -1}, {"", -1},   {" ", -1}, {"x2", -1}, {"99999999999", -1}};
    CGameTask* task = StartGame();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        task->GetGame()->GetArea().SetSelectedLine(42);
        EXPECT_TRUE(Factory().SendToTask("Game", c.text));
        EXPECT_EQ(task->GetGame()->GetArea().GetSelectedLine(), c.line);
    }
    tolm::GetConsole()->Execute("Game::1", false);
    EXPECT_EQ(task->GetGame()->GetArea().GetSelectedLine(), 1);
}

TEST_F(GameTaskTest, AStoppedTaskIgnoresMessagesAndUpdates) {
    CGameTask* task = StartGame();
    Factory().StopTask("Game");
    EXPECT_EQ(task->GetGame(), nullptr);
    EXPECT_TRUE(Factory().SendToTask("Game", "2"));
    task->Update();
    task->OnPause();
    task->OnResume();
    EXPECT_EQ(task->GetGame(), nullptr);
}

TEST_F(GameTaskTest, PausingTheTaskStopsTheGamesClock) {
    CGameTask* task = StartGame();
    test::CFlowPresentation* view = ViewOf(task);
    view->myFlow.ButtonPressed(1);
    view->myFlow.ButtonPressed(1);
    CGameArea& area = task->GetGame()->GetArea();
    Factory().PauseTask("Game");
    myClock.Advance(10000);
    Factory().ResumeTask("Game");
    Scheduler().RunOnce();
    EXPECT_EQ(area.GetStepCount(), 0);
    myClock.Advance(2501);
    Scheduler().RunOnce();
    EXPECT_EQ(area.GetStepCount(), 1);
}

TEST_F(GameTaskTest, RestartedAfterReachingLevelThreeTheGamePlaysLevelThreeFromScoreZero) {
    CGameTask* task = StartGame();
    test::CFlowPresentation* view = ViewOf(task);
    view->myFlow.ButtonPressed(1);
    view->myFlow.ButtonPressed(1);
    for (int level = 0; level < 2; ++level) {
        view->BurstUntilStopped();
        view->myFlow.ButtonPressed(1);
    }
    ASSERT_EQ(LevelProgress().myLevelIndex, 2);
    ASSERT_EQ(view->myRules.GetScore(), 1600u + 2600u);  // level 2: 26 bursts of 6 px

    Factory().StopTask("Game");
    Scheduler().RunOnce();
    myLog->Clear();
    task = StartGame("Game2");
    view = ViewOf(task);
    EXPECT_EQ(view->myFlow.GetScreenState(), CLevelFlow::TitleShown);
    view->myFlow.ButtonPressed(1);
    view->myFlow.ButtonPressed(1);
    EXPECT_EQ(LevelProgress().myLevelIndex, 2);
    EXPECT_EQ(LevelSettings(), *CLevelTable::GetRow(2));
    EXPECT_EQ(view->myRules.GetStep(), 10);
    EXPECT_EQ(myLog->Lines(), (tolm::test::Lines{"LevelScore 0\n"}));
}

}  // namespace
}  // namespace game
