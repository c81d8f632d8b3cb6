// The "autoplay" task driving the real game through SDL's event queue (dummy video driver):
// where it points for each line, and a whole first level played and won by it.
#include <gtest/gtest.h>

#include "game/CAutoPlayTask.h"
#include "game/CGameTask.h"
#include "game/CGfxHandler.h"
#include "game/GameFixture.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/utils/random/Random.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game {
namespace {

TEST(CAutoPlayTask, PointsIntoTheMiddleOfTheChosenLinesZone) {
    const struct {
        int line, leftX, rightX, x, y;
    } cases[] = {{0, 200, 600, 175, 500},  {1, 200, 600, 400, 500}, {2, 200, 600, 625, 500},
                 {-1, 200, 600, 400, 300}, {0, 340, 460, 200, 500}, {2, 340, 460, 600, 500},
                 {1, 330, 470, 400, 500}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + " at " + std::to_string(c.leftX));
        const tolm::types::point at = CAutoPlayTask::PointerFor(c.line, c.leftX, c.rightX);
        EXPECT_EQ(at.x, c.x);
        EXPECT_EQ(at.y, c.y);
    }
}

class AutoPlayTest : public tolm::test::CInputTest {
protected:
    void SetUp() override {
        CInputTest::SetUp();
        test::ResetLevelState();
        ASSERT_NE(SDL_SetVideoMode(800, 600, 32, 0), nullptr) << SDL_GetError();
    }
    void TearDown() override {
        CInputTest::TearDown();
        test::ResetLevelState();
    }
};

TEST_F(AutoPlayTest, ClicksThroughThePicturesAndWinsTheFirstLevel) {
    using tolm::test::Factory;
    tolm::CScopedManualTime clock(1000);
    ASSERT_TRUE(Factory().StartTask("event", "event", 10, nullptr));
    ASSERT_TRUE(Factory().StartTask("game", "game", 50, nullptr));
    tolm::SetRandomSeed(1.0);
    ASSERT_TRUE(Factory().StartTask("autoplay", "autoplay", 60, nullptr));
    auto* task = dynamic_cast<CGameTask*>(Factory().FindTask("game"));
    CGfxHandler* view = CGfxHandler::Of(task->GetGame()->GetArea());
    int silenced = 0;
    // At most 20 minutes of game time, 16 ms a pass.
    for (int pass = 0; pass < 75000 && LevelProgress().myLevelIndex == 0; ++pass) {
        clock.Advance(16);
        tolm::Scheduler().RunOnce();
        if (view->GetSelectedLine() >= 0) ++silenced;
    }
    EXPECT_EQ(LevelProgress().myLevelIndex, 1);
    EXPECT_TRUE(myLog->Contains("LevelScore 0\n"));
    EXPECT_EQ(view->GetFlow().GetScreenState(), CLevelFlow::Playing);
    EXPECT_FALSE(task->GetGame()->GetArea().IsStopped());
    // It played through the pointer, not by telling the area.
    EXPECT_GT(silenced, 0);
    EXPECT_EQ(view->GetSelectedLine(), task->GetGame()->GetArea().GetSelectedLine());
}

}  // namespace
}  // namespace game
