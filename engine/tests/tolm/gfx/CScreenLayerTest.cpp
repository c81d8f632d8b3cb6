#include <gtest/gtest.h>

#include <random>

#include "GfxTestSupport.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace tolm {
namespace {

using namespace test;

class ScreenLayerTest : public CGfxTestBase {
protected:
    void SetUp() override { OpenWithDepth(32); }

    // Every pixel that differs between two frames lies in a recorded update rect.
    void ExpectChangesRecorded(const std::vector<Uint32>& before,
                               const std::vector<Uint32>& after) {
        if (myScreen->IsFullFlip()) return;
        const auto& rects = myScreen->GetUpdateRects();
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (before[y * kWidth + x] == after[y * kWidth + x]) continue;
                ASSERT_TRUE(std::any_of(
                    rects.begin(), rects.end(),
                    [&](const types::rect& r) { return types::rect(x, y, 1, 1).IsInside(r); }))
                    << "pixel " << x << "," << y << " changed outside the update list";
            }
        }
    }
};

TEST_F(ScreenLayerTest, FirstFrameDrawsInDepthOrderAndAQuietFrameDrawsNothing) {
    AddSprite(kRed, 10, 10, 20, 20, 100);
    AddSprite(kGreen, 20, 20, 20, 20, 100);  // same depth, added later: in front
    AddSprite(kBlue, 25, 25, 20, 20, 150);   // behind both
    CSprite* outside = AddSprite(kRed, -50, -50, 10, 10, 100);
    ScreenLayer().Update();
    EXPECT_EQ(myScreen->GetPixel(10, 10), kRed);
    EXPECT_EQ(myScreen->GetPixel(20, 20), kGreen);
    EXPECT_EQ(myScreen->GetPixel(44, 44), kBlue);
    EXPECT_EQ(myScreen->GetPixel(25, 25), kRed);    // through the keyed hole of green
    EXPECT_EQ(myScreen->GetPixel(12, 12), kBlack);  // through both holes
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
    EXPECT_FALSE(myScreen->GetUpdateRects().empty());
    myScreen->Flip();
    EXPECT_TRUE(myScreen->GetUpdateRects().empty());
    EXPECT_FALSE(myScreen->IsFullFlip());

    const std::uint64_t blits = CGfxBufferSDL::GetBlitCount();
    mySprites[0]->SetPosition(10, 10);  // the same position is no change
    ScreenLayer().Update();
    EXPECT_EQ(CGfxBufferSDL::GetBlitCount(), blits);
    EXPECT_TRUE(myScreen->GetUpdateRects().empty());
    EXPECT_FALSE(myScreen->IsFullFlip());

    outside->SetPosition(100, 80);  // was never drawn, yet must be now
    Frame();
    EXPECT_EQ(myScreen->GetPixel(100, 80), kRed);
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
}

// The first frame usually comes before the game has made any sprite: it draws nothing and
// says nothing, and a sprite added afterwards is still drawn.
TEST_F(ScreenLayerTest, AnEmptyFirstFrameLogsNothingAndLaterSpritesAreDrawn) {
    CLogCapture log;
    ScreenLayer().Update();
    EXPECT_TRUE(log.Lines().empty());
    AddSprite(kRed, 10, 10, 20, 20, 100);
    ScreenLayer().Update();
    EXPECT_EQ(myScreen->GetPixel(10, 10), kRed);
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
    EXPECT_FALSE(log.Contains("drawing all\n"));
}

// A change takes off only the sprites in front that lie over the changed one, directly or
// over one of those; the others keep their pixels. A sprite taken off leaves its old place on
// the update list, since nothing draws it again.
TEST_F(ScreenLayerTest, OnlyChangedSpritesAndThoseOverThemAreRedrawnRemovalMarksTheOldPlace) {
    CSprite* back = AddSprite(kRed, 10, 10, 20, 20, 120);
    CSprite* middle = AddSprite(kGreen, 25, 10, 20, 20, 110);  // over back
    CSprite* front = AddSprite(kBlue, 40, 10, 20, 20, 100);    // over middle only
    CSprite* apart = AddSprite(kWhite, 100, 60, 20, 20, 90);   // over nothing
    Frame();
    front->SetX(41);
    EXPECT_EQ(front->GetDrawState(), CSprite::kErased);
    EXPECT_EQ(middle->GetDrawState(), CSprite::kDrawn);
    EXPECT_EQ(back->GetDrawState(), CSprite::kDrawn);
    // Moved: the new place and the old one are recorded.
    ScreenLayer().Update();
    EXPECT_EQ(myScreen->GetUpdateRects(),
              (std::vector<types::rect>{types::rect(41, 10, 20, 20), types::rect(40, 10, 20, 20)}));
    myScreen->Flip();
    back->SetX(11);
    EXPECT_EQ(middle->GetDrawState(), CSprite::kErased);
    EXPECT_EQ(front->GetDrawState(), CSprite::kErased);
    EXPECT_EQ(apart->GetDrawState(), CSprite::kDrawn);
    Frame();
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
    // Moved under a sprite it was apart from: that one is drawn again on top.
    back->SetPosition(95, 55);
    ScreenLayer().Update();
    EXPECT_EQ(myScreen->GetPixel(112, 72), kWhite);
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
    myScreen->Flip();
    back->SetPosition(11, 10);
    Frame();

    back->SetVisible(false);
    EXPECT_EQ(myScreen->GetUpdateRects(), (std::vector<types::rect>{types::rect(11, 10, 20, 20)}));
    Frame();
    back->SetVisible(true);
    Frame();
    EXPECT_EQ(myScreen->GetPixel(11, 10), kRed);
    back->SetLayer(nullptr);  // takes it off its layer first
    EXPECT_FALSE(myScreen->IsFullFlip());
    EXPECT_EQ(myScreen->GetUpdateRects().front(), types::rect(11, 10, 20, 20));
    EXPECT_EQ(ScreenLayer().GetSprites().size(), 3u);
    Frame();
    EXPECT_EQ(myScreen->GetPixel(11, 10), kBlack);
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
}

TEST_F(ScreenLayerTest, UpdateListRules) {
    myScreen->AddUpdateRect(types::rect(-10, 100, 30, 40));
    EXPECT_EQ(myScreen->GetUpdateRects(), (std::vector<types::rect>{types::rect(0, 100, 20, 20)}));
    myScreen->AddUpdateRect(types::rect(500, 5, 3, 3));  // off the screen: nothing changed
    EXPECT_EQ(myScreen->GetUpdateRects().size(), 1u);
    myScreen->AddUpdateRect(types::rect(0, 0, kWidth, kHeight));
    EXPECT_TRUE(myScreen->IsFullFlip());
    myScreen->Flip();

    // The cap comes from the console variable; 0 means no cap.
    EXPECT_EQ(Console().GetVariable("gfx_flip_rects_size"), "75");
    EXPECT_EQ(Console().GetVariable("GFX_FLIP_DEBUG_RECTS"), "0");
    Console().Execute("gfx_flip_rects_size = 3");
    for (int i = 0; i < 3; ++i) myScreen->AddUpdateRect(types::rect(i, 0, 1, 1));
    EXPECT_FALSE(myScreen->IsFullFlip());
    myScreen->AddUpdateRect(types::rect(9, 0, 1, 1));
    EXPECT_TRUE(myScreen->IsFullFlip());
    EXPECT_EQ(myScreen->GetUpdateRects().size(), 3u);
    myScreen->Flip();
    Console().Execute("gfx_flip_rects_size = 0");
    for (int i = 0; i < 200; ++i) myScreen->AddUpdateRect(types::rect(i % 100, 1, 1, 1));
    EXPECT_FALSE(myScreen->IsFullFlip());
    CScreenBufferSDL::FlipRectsSize() = CScreenBufferSDL::kDefaultFlipRectsSize;
}

// The property that makes the dirty-rectangle scheme trustworthy: whatever happens to the
// sprites, every frame equals the same scene drawn from scratch, and every changed pixel is
// on the update list.
TEST_F(ScreenLayerTest, IncrementalFramesEqualFullRedrawsOverRandomChanges) {
    std::mt19937 random(20261206);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const types::color palette[] = {kRed, kGreen, kBlue, kWhite, types::color(200, 100, 50)};
    auto addRandomSprite = [&] {
        AddSprite(palette[pick(0, 4)], pick(-10, 150), pick(-10, 110), pick(6, 40), pick(6, 40),
                  100 + 10 * pick(-2, 2));
    };
    for (int i = 0; i < 8; ++i) addRandomSprite();
    Frame();
    std::vector<Uint32> previous = Pixels(myVideo);
    ASSERT_EQ(previous, FullRedraw());
    for (int frame = 0; frame < 300; ++frame) {
        for (int c = pick(1, 3); c > 0; --c) {
            const int op = pick(0, 7);
            if (op == 4 && mySprites.size() < 14) addRandomSprite();
            if (op == 4 || mySprites.empty()) continue;
            const std::size_t which = static_cast<std::size_t>(pick(0, int(mySprites.size()) - 1));
            CSprite* sprite = mySprites[which].get();
            if (op == 0) sprite->SetPosition(pick(-30, 170), pick(-30, 130));
            if (op == 1) sprite->SetZ(100 + 10 * pick(-2, 2));
            if (op == 2) sprite->SetVisible(!sprite->IsVisible());
            if (op == 3 && mySprites.size() > 3) mySprites.erase(mySprites.begin() + long(which));
            if (op == 5) sprite->SetAlpha(pick(0, 1) ? 255 : 128);
            if (op == 6) sprite->SetLayer(sprite->GetLayer() ? nullptr : &ScreenLayer());
            if (op == 7) sprite->Resize(pick(4, 40), pick(4, 40));
        }
        ScreenLayer().Update();
        const std::vector<Uint32> now = Pixels(myVideo);
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        ExpectChangesRecorded(previous, now);
        ASSERT_EQ(now, FullRedraw());
        myScreen->Flip();
        previous = now;
    }
}

class ScreenModeTest : public CGfxTestBase {};

// The screen layer may exist before the screen does (the sprite factory makes it), and the
// screen may be replaced by a new mode: both times the next update draws everything anew.
// The second mode is the dummy driver's own choice, a palettized 8-bit screen.
TEST_F(ScreenModeTest, NewScreenGetsEverythingDrawnAlsoAtEightBits) {
    OpenScreen(kWidth, kHeight, 32);
    ScreenLayer();
    CSprite* sprite = AddSprite(kRed, 10, 10, 20, 20, 100);
    ScreenLayer().Update();  // no screen yet: nothing to draw on
    InstallScreen();
    CLogCapture log;
    Frame();
    // No level is selected for this line: it carries whatever level the logger last had.
    EXPECT_TRUE(log.Contains("drawing all\n"));
    EXPECT_EQ(myScreen->GetPixel(10, 10), kRed);

    // A new video surface and a new screen buffer.
    Gfx::SetScreen(nullptr);
    myScreen.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);  // a fresh start: depth 0 then gives 8 bits
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    myVideo = SDL_SetVideoMode(100, 80, 0, SDL_ANYFORMAT);
    ASSERT_NE(myVideo, nullptr);
    ASSERT_EQ(myVideo->format->BitsPerPixel, 8);
    InstallScreen();
    // A picture loaded now keeps its colours and its keyed pixels on the palettized screen.
    const std::string path = MakePictureFile("blue.bmp", 8, 8, kBlue, 3);
    mySprites.push_back(std::make_unique<CSprite>(Gfx::LoadImage(path, types::kColorKeyMagenta)));
    CSprite* blue = mySprites.back().get();
    blue->SetPosition(20, 20);
    blue->SetZ(90);
    blue->SetLayer(&ScreenLayer());
    Frame();
    EXPECT_EQ(myScreen->GetPixel(10, 10), kRed);
    EXPECT_EQ(myScreen->GetPixel(20, 20), kBlue);
    EXPECT_EQ(myScreen->GetPixel(22, 22), kRed);  // through the keyed hole
    EXPECT_EQ(myScreen->GetPixel(12, 12), kBlack);
    sprite->SetPosition(70, 50);
    blue->SetPosition(20, 55);
    Frame();
    EXPECT_EQ(myScreen->GetPixel(70, 50), kRed);
    EXPECT_EQ(myScreen->GetPixel(20, 55), kBlue);
    EXPECT_EQ(myScreen->GetPixel(10, 10), kBlack);  // old places restored
    EXPECT_EQ(myScreen->GetPixel(20, 20), kBlack);
}

}  // namespace
}  // namespace tolm
