// The "game" task: created by the factory, owns one game from start to stop, passes its
// messages on as pointing and clicks would, and keeps the level reached when started again.
#include <gtest/gtest.h>

#include "game/CGameTask.h"
#include "game/CLevelTable.h"
#include "game/GameFixture.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace game {
namespace {

using namespace test;

class GameTaskTest : public tolm::test::CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        ResetLevelState();
    }
    void TearDown() override {
        CRuntimeTest::TearDown();
        ResetLevelState();
    }
    static CGameTask* StartGame(const std::string& name) {
        EXPECT_TRUE(Factory().StartTask("game", name, 50, nullptr));
        return dynamic_cast<CGameTask*>(Factory().FindTask(name));
    }
    static CGfxHandler* ViewOf(CGameTask* task) {
        return CGfxHandler::Of(task->GetGame()->GetArea());
    }

    tolm::CScopedManualTime myClock{1000};
};

TEST_F(GameTaskTest, ShowsTheTitleKeepsItsGameOnASecondStartAndIgnoresMessagesWhenStopped) {
    CGameTask* task = StartGame("Game");
    ASSERT_NE(task, nullptr);
    CGame* game = task->GetGame();
    ASSERT_NE(ViewOf(task), nullptr);
    EXPECT_EQ(ViewOf(task)->GetFlow().GetScreenState(), CLevelFlow::kTitleShown);
    EXPECT_TRUE(game->GetArea().IsStopped());
    EXPECT_TRUE(task->PausesWhenInactive());
    EXPECT_TRUE(task->Start());
    EXPECT_EQ(task->GetGame(), game);

    // The factory still routes to the stopped task by its name.
    Factory().StopTask("Game");
    EXPECT_EQ(task->GetGame(), nullptr);
    EXPECT_TRUE(Factory().SendToTask("Game", "2"));
    task->Update();
    task->OnPause();
    task->OnResume();
}

TEST_F(GameTaskTest, MessagesSilenceTheLineReadAsANumberAsPointingWould) {
    const struct {
        const char* text;
        int line;
    } cases[] = {{"1", 1},   {"  2", 2},  {"+2", 2}, {"0x", 0},  {"7", 7},
                 {"-5", -5}, {"abc", -1}, {"", -1},  {"x2", -1}, {"99999999999", -1}};
    CGameTask* task = StartGame("Game");
    CGameArea& area = task->GetGame()->GetArea();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        area.SetSelectedLine(42);
        EXPECT_TRUE(Factory().SendToTask("Game", c.text));
        EXPECT_EQ(area.GetSelectedLine(), c.line);
    }
    Lines played;
    for (int line = 0; line < 3; ++line) {
        ViewOf(task)->GetView().GetMaker(line)->SetSprite(
            std::make_shared<CJournalSprite>("maker", played));
    }
    tolm::Console().Execute("Game::1", false);
    EXPECT_EQ(area.GetSelectedLine(), 1);
    // The keys that send these must show the choice the way the pointer does.
    EXPECT_EQ(played, Lines{"maker silent"});
}

TEST_F(GameTaskTest, WordsStepThroughThePicturesAsClicksDoAndSpaceHushesNobodyInPlay) {
    CGameTask* task = StartGame("Game");
    const CLevelFlow& flow = ViewOf(task)->GetFlow();
    CGameArea& area = task->GetGame()->GetArea();
    // Without a saved level there is no choice to make.
    EXPECT_TRUE(Factory().SendToTask("Game", CGameTask::kNewGame));
    EXPECT_EQ(flow.GetScreenState(), CLevelFlow::kTitleShown);
    EXPECT_TRUE(Factory().SendToTask("Game", CGameTask::kContinue));
    EXPECT_EQ(flow.GetScreenState(), CLevelFlow::kHelpShown);
    EXPECT_TRUE(Factory().SendToTask("Game", CGameTask::kSpace));
    EXPECT_EQ(flow.GetScreenState(), CLevelFlow::kPlaying);
    EXPECT_FALSE(area.IsStopped());
    EXPECT_TRUE(Factory().SendToTask("Game", "2"));
    EXPECT_TRUE(Factory().SendToTask("Game", CGameTask::kContinue));
    EXPECT_EQ(area.GetSelectedLine(), 2);
    EXPECT_TRUE(Factory().SendToTask("Game", CGameTask::kSpace));
    EXPECT_EQ(area.GetSelectedLine(), -1);
    EXPECT_EQ(flow.GetScreenState(), CLevelFlow::kPlaying);
}

TEST_F(GameTaskTest, RestartedAfterReachingLevelThreeTheGamePlaysLevelThreeFromScoreZero) {
    CGameTask* task = StartGame("Game");
    CGfxHandler* view = ViewOf(task);
    CGameArea& area = task->GetGame()->GetArea();
    for (int click = 0; click < 2; ++click) view->OnMouseDown(kLeft);
    for (int level = 0; level < 2; ++level) {
        for (int i = 0; i < 100 && !area.IsStopped(); ++i) {
            for (int line = 0; line < 3; ++line) area.SetCell(line, 0, 4);
            area.Resolve();
        }
        view->OnMouseDown(kLeft);
    }
    ASSERT_EQ(LevelProgress().myLevelIndex, 2);
    ASSERT_EQ(view->GetView().GetScoreCounter().Get(),
              1600u + 2600u);  // level 2: 26 bursts of 6 px

    Factory().StopTask("Game");
    myLog->Clear();
    task = StartGame("Game2");
    view = ViewOf(task);
    EXPECT_EQ(view->GetFlow().GetScreenState(), CLevelFlow::kTitleShown);
    for (int click = 0; click < 2; ++click) view->OnMouseDown(kLeft);
    EXPECT_EQ(LevelProgress().myLevelIndex, 2);
    EXPECT_EQ(LevelSettings(), *CLevelTable::GetRow(2));
    EXPECT_EQ(view->GetRules().GetStep(), 10);
    EXPECT_EQ(view->GetView().GetScoreCounter().GetLevelSprite()->GetText(), "Level 3");
    EXPECT_TRUE(myLog->Contains("LevelScore 0\n"));
}

}  // namespace
}  // namespace game
