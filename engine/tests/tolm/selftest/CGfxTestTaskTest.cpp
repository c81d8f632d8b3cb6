// The scene's pixels on a real screen are checked by the Xvfb end-to-end script; here: its
// start without a display or without the digit font, the mover and the stop.
#include <gtest/gtest.h>

#include "tolm/selftest/CGfxTestTask.h"
#include "tolm/tasks/task_sdl/SdlTaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

using CGfxTestTaskTest = CSdlTaskTest;
using T = CGfxTestTask;

TEST(CGfxTestTaskMover, GlidesBackAndForthOverItsTravel) {
    const std::pair<types::ticks, int> cases[] = {{0, 50},     {3999, 699}, {4000, 700},
                                                  {6000, 375}, {8000, 50},  {0xFFFFFFFFu, 164}};
    for (auto [time, x] : cases) EXPECT_EQ(T::MoverX(time), x) << time;
}

TEST_F(CGfxTestTaskTest, WithoutTheGraphicsTaskItParksAndSaysWhy) {
    Factory().StartTask("gfxtest", "scene", 50, nullptr);
    EXPECT_TRUE(Scheduler().GetRunningTasks().empty());
    EXPECT_TRUE(myLog->Has("gfxtest: no display to draw on; start \"gfx\" after \"window\"\n", 2));
}

TEST_F(CGfxTestTaskTest, RunsWithoutTheDigitFontAndItsMoverMoves) {
    CScopedManualTime time(1000);
    StartWindow({800.0, 600.0, 32.0});
    StartGfx();
    Factory().StartTask("gfxtest", "scene", 50, nullptr);
    auto* scene = dynamic_cast<T*>(Factory().FindTask("scene"));
    ASSERT_NE(scene, nullptr);
    EXPECT_TRUE(myLog->Contains("Could not open ogf file: data/gfx/numbers.ogf for loading\n"));
    EXPECT_TRUE(myLog->Contains("gfxtest: scene of 7 sprites on 800x600\n"));
    const auto run = [&time](types::ticks by) {
        time.Advance(by);
        Scheduler().RunOnce();
    };
    run(16);
    EXPECT_EQ(ScreenPixel(54, 324), T::kWhite) << "the mover's ring";
    run(2000 - 16);
    EXPECT_EQ(ScreenPixel(54, 324), T::kLight) << "the old place is background again";
    EXPECT_EQ(ScreenPixel(377, 324), T::kWhite);
    Factory().StopTask("scene");
    run(20);
    run(0);
    EXPECT_TRUE(ScreenLayer().IsEmpty());
}

}  // namespace
}  // namespace tolm::test
