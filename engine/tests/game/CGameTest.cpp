#include <gtest/gtest.h>

#include <algorithm>

#include "game/CGame.h"
#include "game/CLevelSettings.h"
#include "game/GameTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game {
namespace {

class GameClockTest : public ::testing::Test {
protected:
    GameClockTest() : myClock(10000), myGame(test::RecordingFactory(&myPresentation)) {}
    ~GameClockTest() override { LevelSettings() = CLevelSettings(); }

    // Updates at `sinceStart` ms after the game's creation; answers pushes and resolves.
    std::pair<int, int> UpdateAt(tolm::types::ticks sinceStart) {
        myClock.Set(10000 + sinceStart);
        auto& calls = myPresentation->myCalls;
        calls.clear();
        myGame.Update();
        const auto pushes = std::count_if(calls.begin(), calls.end(), [](const std::string& c) {
            return c.rfind("pushed", 0) == 0;
        });
        return {static_cast<int>(pushes),
                static_cast<int>(std::count(calls.begin(), calls.end(), "flush"))};
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
        int resolves;
    } timeline[] = {
        {0, 0, 0},    {400, 0, 0},  // no resolve before the first step
        {2500, 0, 0},               // not strictly greater than the interval
        {2501, 3, 0},               // step; the timer restarts
        {2851, 0, 0}, {2852, 0, 1},
        {3500, 0, 0},  // one resolve per step
        {5001, 0, 0}, {5002, 3, 0},
        {9000, 3, 0},  // late: the missed resolve is not made up, the step comes first
        {9351, 0, 1},
    };
    for (const auto& moment : timeline) {
        SCOPED_TRACE(moment.at);
        EXPECT_EQ(UpdateAt(moment.at), std::make_pair(moment.pushes, moment.resolves));
    }
}

TEST_F(GameClockTest, PauseStopsTheGamesTimeAndTheIntervalFollowsTheSettings) {
    UpdateAt(1000);
    myGame.Pause();
    EXPECT_EQ(UpdateAt(60000).first, 0);
    myGame.Resume();
    EXPECT_EQ(UpdateAt(61500).first, 0);  // 2500 of game time
    EXPECT_EQ(UpdateAt(61501).first, 3);
    LevelSettings().myStepInterval = 500;
    EXPECT_EQ(UpdateAt(62001).first, 0);
    EXPECT_EQ(UpdateAt(62002), std::make_pair(3, 0));
    EXPECT_EQ(UpdateAt(62353), std::make_pair(0, 1));
}

}  // namespace
}  // namespace game
