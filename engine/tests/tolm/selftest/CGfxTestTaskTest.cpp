#include <gtest/gtest.h>

#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/sdl/PixelAccess.h"
#include "tolm/selftest/CGfxTestTask.h"
#include "tolm/tasks/task_sdl/SdlTaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

using CGfxTestTaskTest = CSdlTaskTest;

types::color ScreenPixel(int x, int y) {
    SDL_Surface* screen = SDL_GetVideoSurface();
    types::color c;
    SDL_GetRGB(GetRawPixel(screen, x, y), screen->format, &c.r, &c.g, &c.b);
    return c;
}

TEST(CGfxTestTaskMover, GlidesBackAndForthOverItsTravel) {
    const struct {
        types::ticks time;
        int x;
    } cases[] = {{0, 50},
                 {2000, 375},
                 {3999, 699},
                 {4000, 700},
                 {6000, 375},
                 {8000, 50},
                 {8000 * 1000 + 4000, 700},
                 {0xFFFFFFFFu, 164}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        EXPECT_EQ(CGfxTestTask::MoverX(c.time), c.x);
    }
}

TEST_F(CGfxTestTaskTest, WithoutTheGraphicsTaskItParksAndSaysWhy) {
    Factory().StartTask("gfxtest", "scene", 50, nullptr);
    EXPECT_TRUE(CSingletonPtr<CTaskScheduler>::Get()->GetRunningTasks().empty());
    EXPECT_TRUE(myLog->Has("gfxtest: no display to draw on; start \"gfx\" after \"window\"\n", 2));
}

TEST_F(CGfxTestTaskTest, SceneIsDrawnWhereExpectedAndTheMoverMoves) {
    CScopedManualTime time(1000);
    StartWindow({800.0, 600.0, 32.0, 0.0, 1.0, "scene"});
    CTaskGfxSDL* gfx = StartGfx();
    Factory().StartTask("gfxtest", "scene", 50, nullptr);
    auto* scene = dynamic_cast<CGfxTestTask*>(Factory().FindTask("scene"));
    ASSERT_NE(scene, nullptr);
    EXPECT_TRUE(myLog->Contains("gfxtest: scene of 7 sprites on 800x600\n"));
    time.Advance(16);
    CSingletonPtr<CTaskScheduler>::Get()->RunOnce();
    ASSERT_EQ(gfx->GetFrameCount(), 1u);

    const struct {
        int x, y;
        types::color c;
        const char* what;
    } places[] = {
        {10, 10, CGfxTestTask::kDark, "chequer, dark square"},
        {110, 10, CGfxTestTask::kLight, "chequer, light square"},
        {132, 132, CGfxTestTask::kRed, "disc centre"},
        {101, 101, CGfxTestTask::kDark, "keyed corner of the disc"},
        {305, 105, CGfxTestTask::kGreen, "frame"},
        {332, 132, CGfxTestTask::kDark, "keyed hole of the frame"},
        {532, 104, CGfxTestTask::kYellow, "diamond top"},
        {502, 102, CGfxTestTask::kDark, "keyed corner of the diamond"},
        {52 + 2, 324, CGfxTestTask::kWhite, "ring of the mover"},
        {52 + 24, 324, CGfxTestTask::kLight, "middle of the ring"},
    };
    ASSERT_EQ(scene->GetMover()->GetX(), 52) << "16 ms after the start";
    EXPECT_EQ(ScreenPixel(666, 116), CGfxTestTask::AnimationColor(0)) << "first frame";
    int textPixels = 0;
    for (int y = 450; y < 465; ++y) {
        for (int x = 100; x < 500; ++x) {
            const types::color c = ScreenPixel(x, y);
            textPixels += c != CGfxTestTask::kDark && c != CGfxTestTask::kLight;
        }
    }
    EXPECT_GT(textPixels, 100) << "the line of text was drawn";
    for (const auto& p : places) {
        SCOPED_TRACE(p.what);
        EXPECT_EQ(ScreenPixel(p.x, p.y), p.c);
    }

    time.Advance(2000 - 16);
    CSingletonPtr<CTaskScheduler>::Get()->RunOnce();
    EXPECT_EQ(scene->GetMover()->GetX(), 375);
    EXPECT_EQ(ScreenPixel(54, 324), CGfxTestTask::kLight) << "the old place is background again";
    EXPECT_EQ(ScreenPixel(377, 324), CGfxTestTask::kWhite);
    // Frames of 300 ms, ticked every 16 ms as a running program does.
    for (int i = 0; i < 40; ++i) {
        time.Advance(16);
        CSingletonPtr<CTaskScheduler>::Get()->RunOnce();
    }
    EXPECT_NE(scene->GetAnimated()->GetCurrentFrame(), 0);
    EXPECT_NE(ScreenPixel(666, 116), CGfxTestTask::AnimationColor(0)) << "the animation moved on";

    Factory().StopTask("scene");
    EXPECT_EQ(scene->GetMover(), nullptr);
    time.Advance(20);
    CSingletonPtr<CTaskScheduler>::Get()->RunOnce();
    CSingletonPtr<CTaskScheduler>::Get()->RunOnce();
    EXPECT_TRUE(CScreenLayer::Get()->IsEmpty());
}

}  // namespace
}  // namespace tolm::test
