#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/sdl/PixelAccess.h"
#include "tolm/tasks/task_sdl/CTaskGfxSDL.h"
#include "tolm/tasks/task_sdl/SdlTaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

const std::string kNoDisplay = "No display available: the graphics task draws nothing\n";

class CTaskGfxSDLTest : public CSdlTaskTest {
protected:
    // A red square on the screen layer, owned by the fixture.
    CSprite* AddSquare(int x, int y) {
        CGfxBuffer* picture = Gfx::NewBuffer(10, 10, types::kColorKeyMagenta);
        for (int py = 0; py < 10; ++py)
            for (int px = 0; px < 10; ++px) picture->PutPixel(px, py, types::color(255, 0, 0));
        mySquare = std::make_unique<CSprite>(picture);
        mySquare->SetPosition(x, y);
        mySquare->SetLayer(CScreenLayer::Get());
        return mySquare.get();
    }
    static types::color ScreenPixel(int x, int y) {
        SDL_Surface* screen = SDL_GetVideoSurface();
        types::color c;
        SDL_GetRGB(GetRawPixel(screen, x, y), screen->format, &c.r, &c.g, &c.b);
        return c;
    }
    void TearDown() override {
        mySquare.reset();
        CSdlTaskTest::TearDown();
    }

    std::unique_ptr<CSprite> mySquare;
};

TEST_F(CTaskGfxSDLTest, UpdatesLessThanAFrameApartNeverBothDraw) {
    CScopedManualTime time(1000);
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    ASSERT_NE(gfx, nullptr);
    AddSquare(0, 0);
    gfx->Update();
    EXPECT_EQ(gfx->GetFrameCount(), 0u) << "the frame clock starts with the task";
    time.Advance(16);
    gfx->Update();
    ASSERT_EQ(gfx->GetFrameCount(), 1u);
    EXPECT_EQ(ScreenPixel(5, 5), types::color(255, 0, 0));

    // Each step is the time since the previous update; the count is the frames drawn so far.
    struct Step {
        types::ticks advance;
        unsigned long frames;
    };
    const std::vector<Step> steps = {{0, 1},  {10, 1}, {5, 1},   {1, 2},
                                     {15, 2}, {1, 3},  {100, 4}, {0, 4}};
    unsigned long before = gfx->GetFrameCount();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.advance);
        time.Advance(step.advance);
        mySquare->SetX(mySquare->GetX() == 0 ? 50 : 0);  // erased at once, redrawn by a frame
        gfx->Update();
        EXPECT_EQ(gfx->GetFrameCount(), step.frames);
        const bool drew = step.frames != before;
        EXPECT_EQ(mySquare->GetDrawState(), drew ? CSprite::kDrawn : CSprite::kErased);
        if (drew) {
            EXPECT_EQ(ScreenPixel(mySquare->GetX() + 5, 5), types::color(255, 0, 0));
        }
        before = step.frames;
    }
}

TEST_F(CTaskGfxSDLTest, WithoutADisplayNothingIsDrawnAndOneLineSaysSo) {
    CScopedManualTime time(1000);
    CTaskGfxSDL* gfx = StartGfx();  // before any window
    ASSERT_NE(gfx, nullptr);
    for (int i = 0; i < 5; ++i) {
        time.Advance(20);
        gfx->Update();
    }
    EXPECT_EQ(gfx->GetFrameCount(), 0u);
    EXPECT_FALSE(gfx->GetTimeUntilDue().has_value()) << "no frame to wake the loop for";
    EXPECT_FALSE(CScreenLayer::Exists());
    EXPECT_EQ(std::count(myLog->Lines().begin(), myLog->Lines().end(), kNoDisplay), 1);
    EXPECT_EQ(gfx->Screenshot("x.png"), "[ERROR] Screenshot: no display available");

    // The window comes later: the next frame draws on it.
    StartWindow({160.0, 120.0, 32.0});
    time.Advance(20);
    gfx->Update();
    EXPECT_EQ(gfx->GetFrameCount(), 1u);
    EXPECT_EQ(Gfx::GetScreen()->GetWidth(), 160);
    EXPECT_EQ(gfx->GetTimeUntilDue(), std::optional<types::ticks>(16));
    time.Advance(5);
    EXPECT_EQ(gfx->GetTimeUntilDue(), std::optional<types::ticks>(11));
    time.Advance(11);
    EXPECT_EQ(gfx->GetTimeUntilDue(), std::optional<types::ticks>(0));

    // The window stops: no surface to draw on, one more line.
    Factory().StopTask("window");
    AddSquare(0, 0);
    time.Advance(20);
    gfx->Update();
    time.Advance(20);
    gfx->Update();
    EXPECT_EQ(gfx->GetFrameCount(), 1u);
    EXPECT_TRUE(Gfx::GetScreen()->IsEmpty());
    EXPECT_EQ(std::count(myLog->Lines().begin(), myLog->Lines().end(), kNoDisplay), 2);
}

TEST_F(CTaskGfxSDLTest, FollowsTheVideoSurfaceAfterAResize) {
    CScopedManualTime time(1000);
    CTaskWindowSDL* window = StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    AddSquare(100, 100);
    gfx->Update();
    window->Resize(300, 200);
    time.Advance(16);
    SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
    gfx->Update();
    EXPECT_EQ(Gfx::GetScreen()->GetWidth(), 300);
    EXPECT_EQ(Gfx::GetScreen()->GetHeight(), 200);
    EXPECT_EQ(ScreenPixel(105, 105), types::color(255, 0, 0)) << "everything drawn again";

    // A mode set behind the task's back (no notification) is found at the next frame.
    SDL_SetVideoMode(400, 300, 32, SDL_SWSURFACE);
    time.Advance(16);
    gfx->Update();
    EXPECT_EQ(Gfx::GetScreen()->GetWidth(), 400);
    EXPECT_EQ(ScreenPixel(105, 105), types::color(255, 0, 0));
}

TEST_F(CTaskGfxSDLTest, StopLeavesNoScreenLayerFactoryOrScreenBehind) {
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    AddSquare(0, 0);
    gfx->Update();
    ASSERT_TRUE(CScreenLayer::Exists());
    Factory().StopTask("gfx");
    EXPECT_FALSE(CScreenLayer::Exists());
    EXPECT_EQ(Gfx::GetFactory(), nullptr);
    EXPECT_EQ(Gfx::GetScreen(), nullptr);
    EXPECT_EQ(mySquare->GetLayer(), nullptr);

    // A later sprite makes a fresh layer with no screen instead of reaching the freed one.
    std::unique_ptr<CSprite> later(CSpriteFactory::Get()->LoadSprite("missing.png"));
    ASSERT_TRUE(CScreenLayer::Exists());
    CScreenLayer::Get()->Update();
    EXPECT_EQ(later->GetLayer(), CScreenLayer::Get());
}

TEST_F(CTaskGfxSDLTest, ScreenshotWritesTheScreenAsPng) {
    CTempDir dir;
    CScopedManualTime time(1000);
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    AddSquare(20, 30);
    time.Advance(16);
    gfx->Update();

    const std::string named = dir.File("shot.png");
    EXPECT_EQ(gfx->Screenshot(named), "Screenshot written to " + named);
    EXPECT_TRUE(myLog->Contains("Screenshot written to " + named + "\n"));
    SDL_Surface* read = IMG_Load(named.c_str());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->w, 160);
    EXPECT_EQ(read->h, 120);
    types::color c;
    SDL_GetRGB(GetRawPixel(read, 25, 35), read->format, &c.r, &c.g, &c.b);
    EXPECT_EQ(c, types::color(255, 0, 0));
    SDL_GetRGB(GetRawPixel(read, 5, 5), read->format, &c.r, &c.g, &c.b);
    EXPECT_EQ(c, ScreenPixel(5, 5));
    SDL_FreeSurface(read);

    const std::string bad = dir.File("no/such/folder/shot.png");
    EXPECT_EQ(gfx->Screenshot(bad).rfind("[ERROR] Screenshot: could not write " + bad, 0), 0u);

    // Without a name: time-stamped files in the working directory, never overwritten.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    GetConsole()->Execute("gfx::Screenshot()");
    GetConsole()->Execute("gfx::Screenshot()");
    std::filesystem::current_path(previous);
    int stamped = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("screenshot-", 0) == 0 && name.size() > 4 &&
            name.compare(name.size() - 4, 4, ".png") == 0)
            ++stamped;
    }
    EXPECT_EQ(stamped, 2);
}

TEST_F(CTaskGfxSDLTest, FrameRateIsLoggedWhenAskedBeforeTheTaskStarts) {
    CScopedManualTime time(1000);
    GetConsole()->Execute("gfx_log_fps = 1");
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    EXPECT_EQ(CTaskGfxSDL::LogFps(), 1);
    // An update every millisecond: a frame each 16 ms, so 62.5 a second.
    for (int i = 0; i < 5010; ++i) {
        time.Advance(1);
        gfx->Update();
    }
    EXPECT_TRUE(myLog->Contains("Frames per second: 62.5\n"));
    GetConsole()->Execute("gfx_log_fps = 0");
}

}  // namespace
}  // namespace tolm::test
