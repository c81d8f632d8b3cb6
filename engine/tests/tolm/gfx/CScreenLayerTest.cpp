#include <gtest/gtest.h>

#include "GfxTestSupport.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace tolm {
namespace {

using namespace test;

using ScreenLayerTest = CGfxTestBase;

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

class ScreenModeTest : public CGfxTestBase {
protected:
    void SetUp() override {}
};

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
    mySprites.push_back(OnScreen(Gfx::LoadImage(path, types::kColorKeyMagenta), 20, 20, 90));
    CSprite* blue = mySprites.back().get();
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
