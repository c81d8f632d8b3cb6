#include <gtest/gtest.h>

#include "tolm/gfx/CAnimatedSprite.h"
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

// Run where the digit font cannot be found: the loader says so and the scene goes on.
TEST_F(CGfxTestTaskTest, SceneIsDrawnWhereExpectedAndMoves) {
    CScopedManualTime time(1000);
    StartWindow({800.0, 600.0, 32.0, 0.0, 1.0, "scene"});
    CTaskGfxSDL* gfx = StartGfx();
    Factory().StartTask("gfxtest", "scene", 50, nullptr);
    auto* scene = dynamic_cast<T*>(Factory().FindTask("scene"));
    ASSERT_NE(scene, nullptr);
    EXPECT_TRUE(myLog->Contains("Could not open ogf file: data/gfx/numbers.ogf for loading\n"));
    EXPECT_TRUE(myLog->Contains("gfxtest: scene of 7 sprites on 800x600\n"));
    const auto run = [&time](types::ticks by) {
        time.Advance(by);
        CSingletonPtr<CTaskScheduler>::Get()->RunOnce();
    };
    run(16);
    ASSERT_EQ(gfx->GetFrameCount(), 1u);
    ASSERT_EQ(scene->GetMover()->GetX(), 52) << "16 ms after the start";
    const struct {
        int x, y;
        types::color c;
    } places[] = {
        {10, 10, T::kDark},
        {110, 10, T::kLight},
        {132, 132, T::kRed},
        {101, 101, T::kDark},
        {305, 105, T::kGreen},
        {332, 132, T::kDark},
        {532, 104, T::kYellow},
        {502, 102, T::kDark},
        {54, 324, T::kWhite},
        {76, 324, T::kLight},
        {666, 116, T::AnimationColor(0)},
    };
    for (const auto& p : places) EXPECT_EQ(ScreenPixel(p.x, p.y), p.c) << p.x << "," << p.y;
    int textPixels = 0;
    for (int i = 0; i < 400 * 15; ++i) {
        const types::color c = ScreenPixel(100 + i % 400, 450 + i / 400);
        textPixels += c != T::kDark && c != T::kLight;
    }
    EXPECT_GT(textPixels, 100) << "the line of text was drawn";

    run(2000 - 16);
    EXPECT_EQ(scene->GetMover()->GetX(), 375);
    EXPECT_EQ(ScreenPixel(54, 324), T::kLight) << "the old place is background again";
    EXPECT_EQ(ScreenPixel(377, 324), T::kWhite);
    for (int i = 0; i < 40; ++i) run(16);  // animation frames of 300 ms
    EXPECT_NE(ScreenPixel(666, 116), T::AnimationColor(0)) << "the animation moved on";

    Factory().StopTask("scene");
    run(20);
    run(0);
    EXPECT_TRUE(CScreenLayer::Get()->IsEmpty());
}

}  // namespace
}  // namespace tolm::test
