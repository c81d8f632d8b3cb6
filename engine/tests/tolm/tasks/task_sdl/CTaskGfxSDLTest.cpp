#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/TestFiles.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"
#include "tolm/tasks/task_sdl/SdlTaskTestSupport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

const types::color kRed(255, 0, 0);

class CTaskGfxSDLTest : public CSdlTaskTest {
protected:
    // A red square on the screen layer, owned by the fixture.
    CSprite* AddSquare(int x, int y) {
        CGfxBuffer* picture = Gfx::NewBuffer(10, 10, types::kColorKeyMagenta);
        for (int i = 0; i < 100; ++i) picture->PutPixel(i % 10, i / 10, kRed);
        mySquare = std::make_unique<CSprite>(picture);
        mySquare->SetPosition(x, y);
        mySquare->SetLayer(&ScreenLayer());
        return mySquare.get();
    }
    int NoDisplayLines() const {
        const std::string line = "No display available: the graphics task draws nothing\n";
        return std::count(myLog->Lines().begin(), myLog->Lines().end(), line);
    }
    void TearDown() override {
        mySquare.reset();
        CSdlTaskTest::TearDown();
    }

    CScopedManualTime myTime{1000};
    std::unique_ptr<CSprite> mySquare;
};

TEST_F(CTaskGfxSDLTest, UpdatesLessThanAFrameApartNeverBothDraw) {
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    ASSERT_NE(gfx, nullptr);
    AddSquare(0, 0);
    // Each step is the time since the previous update (the frame clock starts with the
    // task); the count is the frames drawn so far.
    const struct {
        types::ticks advance;
        unsigned long frames;
    } steps[] = {{0, 0}, {16, 1}, {0, 1}, {10, 1}, {5, 1}, {1, 2}, {15, 2}, {1, 3}, {100, 4}};
    unsigned long before = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.advance);
        myTime.Advance(step.advance);
        mySquare->SetX(mySquare->GetX() == 0 ? 50 : 0);  // erased at once, redrawn by a frame
        gfx->Update();
        EXPECT_EQ(gfx->GetFrameCount(), step.frames);
        const bool drew = step.frames != before;
        EXPECT_EQ(mySquare->GetDrawState(), drew ? CSprite::kDrawn : CSprite::kErased);
        if (drew) {
            EXPECT_EQ(ScreenPixel(mySquare->GetX() + 5, 5), kRed);
        }
        before = step.frames;
    }
}

TEST_F(CTaskGfxSDLTest, WithoutADisplayNothingIsDrawnAndOneLineSaysSo) {
    CTaskGfxSDL* gfx = StartGfx();  // before any window
    ASSERT_NE(gfx, nullptr);
    for (int i = 0; i < 3; ++i, gfx->Update()) myTime.Advance(20);
    EXPECT_EQ(gfx->GetFrameCount(), 0u);
    EXPECT_FALSE(gfx->GetTimeUntilDue().has_value()) << "no frame to wake the loop for";
    EXPECT_FALSE(CScreenLayer::Exists());
    EXPECT_EQ(NoDisplayLines(), 1);
    EXPECT_EQ(gfx->Screenshot("x.png"), "[ERROR] Screenshot: no display available");

    // The window comes later: the next frame draws on it.
    StartWindow({160.0, 120.0, 32.0});
    myTime.Advance(20);
    gfx->Update();
    EXPECT_EQ(gfx->GetFrameCount(), 1u);
    EXPECT_EQ(Gfx::GetScreen()->GetWidth(), 160);
    myTime.Advance(5);
    EXPECT_EQ(gfx->GetTimeUntilDue(), std::optional<types::ticks>(11));
    myTime.Advance(11);
    EXPECT_EQ(gfx->GetTimeUntilDue(), std::optional<types::ticks>(0));

    // The window stops: no surface to draw on, one more line.
    Factory().StopTask("window");
    AddSquare(0, 0);
    for (int i = 0; i < 2; ++i, gfx->Update()) myTime.Advance(20);
    EXPECT_EQ(gfx->GetFrameCount(), 1u);
    EXPECT_TRUE(Gfx::GetScreen()->IsEmpty());
    EXPECT_EQ(NoDisplayLines(), 2);
}

TEST_F(CTaskGfxSDLTest, FollowsTheVideoSurfaceNotTheResizeNotice) {
    CTaskWindowSDL* window = StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    AddSquare(100, 100);
    window->Resize(300, 200);
    // A mode set behind the task's back (no notification) is found at the next frame too.
    for (int w : {300, 400}) {
        if (w == 400) SDL_SetVideoMode(400, 300, 32, SDL_SWSURFACE);
        SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
        myTime.Advance(16);
        gfx->Update();
        EXPECT_EQ(Gfx::GetScreen()->GetWidth(), w);
        EXPECT_EQ(ScreenPixel(105, 105), kRed) << "everything drawn again";
    }
}

TEST_F(CTaskGfxSDLTest, StopLeavesNoScreenLayerFactoryOrScreenBehind) {
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    AddSquare(0, 0);
    gfx->Update();
    Factory().StopTask("gfx");
    EXPECT_FALSE(CScreenLayer::Exists());
    EXPECT_EQ(Gfx::GetFactory(), nullptr);
    EXPECT_EQ(Gfx::GetScreen(), nullptr);
    EXPECT_EQ(mySquare->GetLayer(), nullptr);
    // A later sprite makes a fresh layer with no screen instead of reaching the freed one.
    std::unique_ptr<CSprite> later(SpriteFactory().LoadSprite("missing.png"));
    ScreenLayer().Update();
    EXPECT_EQ(later->GetLayer(), &ScreenLayer());
}

TEST_F(CTaskGfxSDLTest, ScreenshotWritesTheScreenAsPng) {
    CTempDir dir;
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    AddSquare(20, 30);
    myTime.Advance(16);
    gfx->Update();

    const std::string named = dir.File("shot.png");
    EXPECT_EQ(gfx->Screenshot(named), "Screenshot written to " + named);
    EXPECT_TRUE(myLog->Contains("Screenshot written to " + named + "\n"));
    SDL_Surface* read = IMG_Load(named.c_str());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->w, 160);
    EXPECT_EQ(read->h, 120);
    EXPECT_EQ(Pixel(read, 25, 35), kRed);
    EXPECT_EQ(Pixel(read, 5, 5), ScreenPixel(5, 5));
    SDL_FreeSurface(read);
    const std::string bad = dir.File("no/such/folder/shot.png");
    EXPECT_EQ(gfx->Screenshot(bad).rfind("[ERROR] Screenshot: could not write " + bad, 0), 0u);

    // Without a name: time-stamped files in the working directory, never overwritten.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    for (int i = 0; i < 2; ++i) Console().Execute("gfx::Screenshot()");
    std::filesystem::current_path(previous);
    int stamped = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        stamped += entry.path().filename().string().rfind("screenshot-", 0) == 0 &&
                   entry.path().extension() == ".png";
    EXPECT_EQ(stamped, 2);
}

TEST_F(CTaskGfxSDLTest, FrameRateIsLoggedWhenAskedBeforeTheTaskStarts) {
    Console().Execute("gfx_log_fps = 1");
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    // An update every millisecond: a frame each 16 ms, so 62.5 a second.
    for (int i = 0; i < 5010; ++i, gfx->Update()) myTime.Advance(1);
    EXPECT_TRUE(myLog->Contains("Frames per second: 62.5\n"));
    Console().Execute("gfx_log_fps = 0");
}

// "gfx_update_rects", set before the task starts as a script may, chooses how frames go out;
// an expose and a returned input focus each make the next frame send the whole screen.
TEST_F(CTaskGfxSDLTest, UpdateRectsSettingExposeAndReturnedFocusReachTheScreen) {
    Console().Execute("gfx_update_rects = 1");
    StartWindow({160.0, 120.0, 32.0});
    CTaskGfxSDL* gfx = StartGfx();
    ASSERT_TRUE(Factory().StartTask("event", "event", 10, nullptr));
    CTask* events = Factory().FindTask("event");
    auto* screen = dynamic_cast<CScreenBufferSDL*>(Gfx::GetScreen());
    ASSERT_NE(screen, nullptr);
    AddSquare(0, 0);
    myTime.Advance(16);
    gfx->Update();
    EXPECT_EQ(Console().GetVariable("gfx_update_rects"), "1");
    EXPECT_TRUE(screen->IsSendingUpdateList());
    EXPECT_FALSE(screen->IsFullFlip());

    auto push = [](Uint8 type, int state, int gain) {
        SDL_Event event{};
        event.type = type;
        event.active.state = static_cast<Uint8>(state);
        event.active.gain = static_cast<Uint8>(gain);
        SDL_PushEvent(&event);
    };
    const struct {
        const char* name;
        Uint8 type;
        int state;
        int gain;
        bool full;
    } cases[] = {
        {"expose", SDL_VIDEOEXPOSE, 0, 0, true},
        {"input focus back", SDL_ACTIVEEVENT, SDL_APPINPUTFOCUS, 1, true},
        {"input focus gone", SDL_ACTIVEEVENT, SDL_APPINPUTFOCUS, 0, false},
        {"only the pointer back", SDL_ACTIVEEVENT, SDL_APPMOUSEFOCUS, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        push(c.type, c.state, c.gain);
        events->Update();
        EXPECT_EQ(screen->IsFullFlip(), c.full);
        myTime.Advance(16);
        gfx->Update();
        EXPECT_FALSE(screen->IsFullFlip());
    }

    Console().Execute("gfx_update_rects = 0");
    myTime.Advance(16);
    gfx->Update();
    EXPECT_FALSE(screen->IsSendingUpdateList());
}

}  // namespace
}  // namespace tolm::test
