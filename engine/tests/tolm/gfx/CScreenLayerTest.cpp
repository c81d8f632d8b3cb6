#include <gtest/gtest.h>

#include <random>

#include "ScreenTestSupport.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace tolm {
namespace {

using namespace test;

class ScreenLayerTest : public test::CScreenTestBase {
protected:
    void SetUp() override { OpenWithDepth(32); }

    types::color ScreenPixel(int x, int y) const { return myScreen->GetPixel(x, y); }

    // Every pixel that differs between two frames lies in a recorded update rect.
    void ExpectChangesRecorded(const std::vector<Uint32>& before,
                               const std::vector<Uint32>& after) {
        if (myScreen->IsFullFlip()) return;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (before[y * kWidth + x] == after[y * kWidth + x]) continue;
                const types::rect pixel(x, y, 1, 1);
                const auto& rects = myScreen->GetUpdateRects();
                ASSERT_TRUE(std::any_of(rects.begin(), rects.end(),
                                        [&](const types::rect& r) { return pixel.IsInside(r); }))
                    << "pixel " << x << "," << y << " changed outside the update list";
            }
        }
    }
};

TEST_F(ScreenLayerTest, FirstFrameDrawsEverythingInDepthOrder) {
    test::CLogRecorder log;
    AddSprite(kRed, 10, 10, 20, 20, 100);
    AddSprite(kGreen, 20, 20, 20, 20, 100);  // same depth, added later: in front
    AddSprite(kBlue, 25, 25, 20, 20, 150);   // behind both
    CScreenLayer::Get()->Update();
    EXPECT_EQ(ScreenPixel(10, 10), kRed);
    EXPECT_EQ(ScreenPixel(20, 20), kGreen);
    EXPECT_EQ(ScreenPixel(44, 44), kBlue);
    EXPECT_EQ(ScreenPixel(25, 25), kRed);                   // through the keyed hole of green
    EXPECT_EQ(ScreenPixel(12, 12), types::color(0, 0, 0));  // through both holes
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
    EXPECT_FALSE(myScreen->GetUpdateRects().empty());
    myScreen->Flip();
    EXPECT_TRUE(myScreen->GetUpdateRects().empty());
    EXPECT_FALSE(myScreen->IsFullFlip());
}

TEST_F(ScreenLayerTest, QuietFrameDrawsNothing) {
    AddSprite(kRed, 10, 10, 20, 20, 100);
    AddSprite(kGreen, 20, 20, 20, 20, 90);
    Frame();
    const std::uint64_t blits = CGfxBufferSDL::GetBlitCount();
    CScreenLayer::Get()->Update();
    EXPECT_EQ(CGfxBufferSDL::GetBlitCount(), blits);
    EXPECT_TRUE(myScreen->GetUpdateRects().empty());
    EXPECT_FALSE(myScreen->IsFullFlip());
    // Setting the same position again is no change either.
    mySprites[0]->SetPosition(10, 10);
    CScreenLayer::Get()->Update();
    EXPECT_EQ(CGfxBufferSDL::GetBlitCount(), blits);
}

TEST_F(ScreenLayerTest, OnlyTheChangedSpriteAndThoseInFrontAreRedrawn) {
    CSprite* back = AddSprite(kRed, 10, 10, 20, 20, 120);
    CSprite* middle = AddSprite(kGreen, 60, 10, 20, 20, 110);
    CSprite* front = AddSprite(kBlue, 100, 10, 20, 20, 100);
    Frame();
    front->SetX(101);
    EXPECT_EQ(front->GetDrawState(), CSprite::kErased);
    EXPECT_EQ(middle->GetDrawState(), CSprite::kDrawn);
    EXPECT_EQ(back->GetDrawState(), CSprite::kDrawn);
    // Moved: the new place and the old one are recorded.
    CScreenLayer::Get()->Update();
    EXPECT_EQ(myScreen->GetUpdateRects(), (std::vector<types::rect>{types::rect(101, 10, 20, 20),
                                                                    types::rect(100, 10, 20, 20)}));
    myScreen->Flip();
    back->SetX(11);
    EXPECT_EQ(front->GetDrawState(), CSprite::kErased);
    EXPECT_EQ(middle->GetDrawState(), CSprite::kErased);
    CScreenLayer::Get()->Update();
    EXPECT_EQ(Pixels(myVideo), FullRedraw());
}

TEST_F(ScreenLayerTest, RemovingOrHidingMarksTheWholeScreen) {
    CSprite* a = AddSprite(kRed, 10, 10, 20, 20, 100);
    Frame();
    a->SetVisible(false);
    EXPECT_TRUE(myScreen->IsFullFlip());
    Frame();
    a->SetVisible(true);
    Frame();
    EXPECT_EQ(ScreenPixel(10, 10), kRed);
    a->SetLayer(nullptr);  // takes it off its layer first
    EXPECT_TRUE(myScreen->IsFullFlip());
    EXPECT_TRUE(CScreenLayer::Get()->GetSprites().empty());
    Frame();
    EXPECT_EQ(ScreenPixel(10, 10), types::color(0, 0, 0));
}

TEST_F(ScreenLayerTest, UpdateListRules) {
    const types::rect screen(0, 0, kWidth, kHeight);
    myScreen->AddUpdateRect(types::rect(-10, 100, 30, 40));
    EXPECT_EQ(myScreen->GetUpdateRects(), (std::vector<types::rect>{types::rect(0, 100, 20, 20)}));
    myScreen->AddUpdateRect(types::rect(500, 5, 3, 3));  // off the screen: nothing changed
    EXPECT_EQ(myScreen->GetUpdateRects().size(), 1u);
    myScreen->AddUpdateRect(screen);
    EXPECT_TRUE(myScreen->IsFullFlip());
    myScreen->Flip();

    // The cap comes from the console variable; 0 means no cap.
    EXPECT_EQ(GetConsole()->GetVariable("gfx_flip_rects_size"), "75");
    EXPECT_EQ(GetConsole()->GetVariable("GFX_FLIP_DEBUG_RECTS"), "0");
    GetConsole()->Execute("gfx_flip_rects_size = 3");
    for (int i = 0; i < 3; ++i) myScreen->AddUpdateRect(types::rect(i, 0, 1, 1));
    EXPECT_FALSE(myScreen->IsFullFlip());
    myScreen->AddUpdateRect(types::rect(9, 0, 1, 1));
    EXPECT_TRUE(myScreen->IsFullFlip());
    EXPECT_EQ(myScreen->GetUpdateRects().size(), 3u);
    myScreen->Flip();
    GetConsole()->Execute("gfx_flip_rects_size = 0");
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
    const types::color palette[] = {kRed,
                                    kGreen,
                                    kBlue,
                                    types::color(255, 255, 0),
                                    types::color(0, 255, 255),
                                    types::color(200, 100, 50)};
    for (int i = 0; i < 8; ++i) {
        AddSprite(palette[i % 6], pick(-10, 150), pick(-10, 110), pick(6, 40), pick(6, 40),
                  100 + 10 * pick(-2, 2));
    }
    Frame();
    std::vector<Uint32> previous = Pixels(myVideo);
    ASSERT_EQ(previous, FullRedraw());
    for (int frame = 0; frame < 300; ++frame) {
        const int changes = pick(1, 3);
        for (int c = 0; c < changes; ++c) {
            const int op = pick(0, 7);
            if (op == 4 && mySprites.size() < 14) {
                AddSprite(palette[pick(0, 5)], pick(-10, 150), pick(-10, 110), pick(6, 40),
                          pick(6, 40), 100 + 10 * pick(-2, 2));
                continue;
            }
            if (mySprites.empty()) continue;
            const std::size_t which = static_cast<std::size_t>(pick(0, int(mySprites.size()) - 1));
            CSprite* sprite = mySprites[which].get();
            switch (op) {
                case 0:
                    sprite->SetPosition(pick(-30, 170), pick(-30, 130));
                    break;
                case 1:
                    sprite->SetZ(100 + 10 * pick(-2, 2));
                    break;
                case 2:
                    sprite->SetVisible(!sprite->IsVisible());
                    break;
                case 3:
                    if (mySprites.size() > 3) mySprites.erase(mySprites.begin() + long(which));
                    break;
                case 5:
                    sprite->SetAlpha(pick(0, 1) ? 255 : 128);
                    break;
                case 6:
                    sprite->SetLayer(sprite->GetLayer() ? nullptr : CScreenLayer::Get());
                    break;
                default:
                    sprite->Resize(pick(4, 40), pick(4, 40));
                    break;
            }
        }
        CScreenLayer::Get()->Update();
        const std::vector<Uint32> now = Pixels(myVideo);
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        ExpectChangesRecorded(previous, now);
        ASSERT_EQ(now, FullRedraw());
        myScreen->Flip();
        previous = now;
    }
}

TEST_F(ScreenLayerTest, SpritesOutliveTheirLayerSafely) {
    CSprite* shown = AddSprite(kRed, 10, 10, 20, 20, 100);
    CSprite* hidden = AddSprite(kGreen, 40, 10, 20, 20, 100);
    AddSprite(kGreen, 70, 10, 20, 20, 100)->SetVisible(false);
    Frame();
    mySprites.pop_back();  // a hidden sprite that dies leaves nothing behind
    EXPECT_TRUE(CScreenLayer::Get()->GetHiddenSprites().empty());
    hidden->SetVisible(false);
    CScreenLayer::Delete();
    EXPECT_EQ(shown->GetLayer(), nullptr);
    hidden->SetVisible(true);  // its layer is gone: nothing to go back to
    EXPECT_EQ(hidden->GetLayer(), nullptr);
    shown->SetX(30);
    mySprites.clear();
}

class EightBitScreenTest : public test::CScreenTestBase {
protected:
    void SetUp() override { OpenWithDepth(0); }
};

TEST_F(EightBitScreenTest, DrawsKeyedSpritesWithoutCrashing) {
    ASSERT_EQ(myVideo->format->BitsPerPixel, 8);
    CSprite* a = AddSprite(kRed, 10, 10, 20, 20, 100);
    AddSprite(kGreen, 20, 20, 20, 20, 90);
    Frame();
    EXPECT_EQ(myScreen->GetPixel(10, 10), kRed);
    EXPECT_EQ(myScreen->GetPixel(20, 20), kGreen);
    EXPECT_EQ(myScreen->GetPixel(12, 12), types::color(0, 0, 0));
    a->SetPosition(100, 60);
    Frame();
    EXPECT_EQ(myScreen->GetPixel(10, 10), types::color(0, 0, 0));  // old place restored
    EXPECT_EQ(myScreen->GetPixel(100, 60), kRed);
}

}  // namespace
}  // namespace tolm

namespace tolm {
namespace {

class ScreenModeTest : public test::CScreenTestBase {};

// The screen layer may exist before the screen does (the sprite factory makes it), and the
// screen may be replaced by a new mode: both times the next update draws everything anew.
TEST_F(ScreenModeTest, NewScreenGetsEverythingDrawn) {
    OpenScreen(kWidth, kHeight, 32);
    CScreenLayer::Get();
    CSprite* sprite = AddSprite(kRed, 10, 10, 20, 20, 100);
    CScreenLayer::Get()->Update();  // no screen yet: nothing to draw on
    myScreen = std::make_unique<CScreenBufferSDL>(myVideo);
    SDL_FillRect(myVideo, nullptr, 0);
    Gfx::SetScreen(myScreen.get());
    test::CLogRecorder log;
    Frame();
    EXPECT_TRUE(log.Has("drawing all\n", CLogger::kNormal));
    EXPECT_EQ(myScreen->GetPixel(10, 10), kRed);

    // A new mode of another size: a new video surface and a new screen buffer.
    Gfx::SetScreen(nullptr);
    myScreen.reset();
    myVideo = SDL_SetVideoMode(100, 80, 32, SDL_SWSURFACE);
    ASSERT_NE(myVideo, nullptr);
    SDL_FillRect(myVideo, nullptr, 0);
    myScreen = std::make_unique<CScreenBufferSDL>(myVideo);
    Gfx::SetScreen(myScreen.get());
    sprite->SetPosition(70, 50);
    Frame();
    EXPECT_EQ(myScreen->GetPixel(70, 50), kRed);
    EXPECT_EQ(myScreen->GetPixel(10, 10), types::color(0, 0, 0));
}

}  // namespace
}  // namespace tolm
