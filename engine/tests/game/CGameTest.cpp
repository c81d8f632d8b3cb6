#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/CGame.h"
#include "game/CLevelSettings.h"
#include "game/GameTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game {
namespace {

// Counts what an Update did, from the calls it made on the presentation.
struct SUpdateCounts {
    int pushes = 0;
    int flushes = 0;
};

class GameClockTest : public ::testing::Test {
protected:
    GameClockTest() : myClock(10000), myGame(test::RecordingFactory(&myPresentation)) {}

    SUpdateCounts UpdateAt(tolm::types::ticks sinceStart) {
        myClock.Set(10000 + sinceStart);
        myPresentation->myCalls.clear();
        myGame.Update();
        SUpdateCounts counts;
        for (const std::string& call : myPresentation->myCalls) {
            if (call.rfind("pushed", 0) == 0) ++counts.pushes;
            if (call == "flush") ++counts.flushes;
        }
        return counts;
    }

    tolm::CScopedManualTime myClock;
    test::CRecordingPresentation* myPresentation = nullptr;
    CGame myGame;
};

TEST_F(GameClockTest, StepsAfterTheIntervalAndResolvesStrictlyAfter350Ms) {
    ASSERT_EQ(LevelSettings().myStepInterval, 2500u);
    const struct {
        tolm::types::ticks at;
        int pushes;
        int flushes;
    } timeline[] = {
        {0, 0, 0},     // no resolve before the first step
        {400, 0, 0},   //
        {2500, 0, 0},  // not strictly greater than the interval
        {2501, 3, 0},  // step; the timer restarts at 2501
        {2851, 0, 0},  // 350 since the step: not yet
        {2852, 0, 1},  // resolve
        {3500, 0, 0},  // one resolve per step
        {5001, 0, 0},  //
        {5002, 3, 0},  // next step
        {9000, 3, 0},  // late: the missed resolve is not made up, the step comes first
        {9351, 0, 1},  //
    };
    for (const auto& moment : timeline) {
        SCOPED_TRACE(moment.at);
        const SUpdateCounts counts = UpdateAt(moment.at);
        EXPECT_EQ(counts.pushes, moment.pushes);
        EXPECT_EQ(counts.flushes, moment.flushes);
    }
}

TEST_F(GameClockTest, StoppedAreaIsStillCalledOnTimeButChangesNothing) {
    myGame.GetArea().Stop();
    myGame.GetArea().SetCell(0, 14, 1);
    const CGameArea::Board before = myGame.GetArea().GetBoard();
    for (tolm::types::ticks at = 0; at < 20000; at += 16) UpdateAt(at);
    EXPECT_EQ(myGame.GetArea().GetBoard(), before);
    EXPECT_EQ(myGame.GetArea().GetStepCount(), 0);
    // The clock kept stepping and resolving: the flag ends resolved.
    EXPECT_TRUE(myGame.IsResolved());
}

TEST_F(GameClockTest, PausedGameLetsNoTimePass) {
    UpdateAt(1000);
    myGame.Pause();
    EXPECT_EQ(UpdateAt(60000).pushes, 0);
    myGame.Resume();
    EXPECT_EQ(UpdateAt(61500).pushes, 0);  // 2500 of game time
    EXPECT_EQ(UpdateAt(61501).pushes, 3);
}

TEST_F(GameClockTest, FollowsTheIntervalOfTheCurrentSettings) {
    LevelSettings().myStepInterval = 500;
    EXPECT_EQ(UpdateAt(500).pushes, 0);
    EXPECT_EQ(UpdateAt(501).pushes, 3);
    EXPECT_EQ(UpdateAt(852).flushes, 1);
    EXPECT_EQ(UpdateAt(1002).pushes, 3);
}

}  // namespace
}  // namespace game
