#include <gtest/gtest.h>

#include <climits>

#include "GfxTestSupport.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/gfx/CSpriteLayer.h"

namespace tolm {
namespace {

using namespace test;

class SpriteTest : public test::CGfxTestBase {
protected:
    void SetUp() override {
        CGfxTestBase::SetUp();
        mySprites.push_back(
            std::make_unique<CSprite>(Gfx::NewBuffer(40, 30, types::kColorKeyMagenta)));
        myCanvas = mySprites.back().get();
    }
    int CountOnCanvas(types::color c) const { return Count(myCanvas->GetImage(), c); }
    CSprite* myCanvas = nullptr;  // a 40 x 30 black target, kept by the fixture
};

TEST_F(SpriteTest, DrawingIsCutToTheTargetAndTheScrollRect) {
    struct Case {
        types::rect place;
        types::rect scroll;  // empty: none
        int expected;
    } cases[] = {
        {types::rect(5, 5, 10, 10), types::rect(), 100},
        {types::rect(-4, -3, 10, 10), types::rect(), 42},
        {types::rect(35, 27, 10, 10), types::rect(), 15},
        {types::rect(40, 0, 10, 10), types::rect(), 0},
        {types::rect(5, 5, 10, 10), types::rect(8, 0, 100, 7), 14},
        {types::rect(5, 5, 10, 10), types::rect(30, 30, 5, 5), 0},  // misses the sprite
        {types::rect(INT_MAX - 3, INT_MAX - 3, 10, 10), types::rect(), 0},
        {types::rect(5, 5, -10, 10), types::rect(), 0},
        {types::rect(-5, -5, INT_MAX, INT_MAX), types::rect(), 25},  // the picture is 10 x 10
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.place.x << "," << c.place.y << " " << c.place.w);
        myCanvas->GetImage()->SetRect(types::rect(0, 0, 40, 30));
        CSprite blank(Solid(40, 30, kBlack));
        blank.Draw(myCanvas);
        CSprite sprite(Solid(10, 10, kRed));
        sprite.SetRect(c.place);
        if (!c.scroll.IsEmpty()) sprite.SetScrollRect(c.scroll);
        sprite.Draw(myCanvas);
        sprite.SaveBackground(myCanvas);
        sprite.RestoreBackground(myCanvas);
        EXPECT_EQ(CountOnCanvas(kRed), c.expected);
    }
}

TEST_F(SpriteTest, ImageRectSelectsAFrameOfThePicture) {
    CGfxBuffer* strip = Gfx::NewBuffer(8, 4, types::kColorKeyMagenta);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 4; ++y) strip->PutPixel(x, y, x < 4 ? kRed : kGreen);
    CSprite sprite(strip);
    sprite.SetImageRect(types::rect(4, 0, 4, 4));
    EXPECT_EQ(sprite.GetRect(), types::rect(0, 0, 4, 4));
    sprite.Draw(myCanvas);
    EXPECT_EQ(CountOnCanvas(kGreen), 16);
    EXPECT_EQ(CountOnCanvas(kRed), 0);
    sprite.Resize(8, 8);
    EXPECT_EQ(sprite.GetRect(), types::rect(0, 0, 8, 8));
    sprite.DrawPart(myCanvas, types::rect(6, 6, 10, 10));
    EXPECT_EQ(CountOnCanvas(kGreen), 16 + 4);
}

TEST_F(SpriteTest, LayerLinksStaySound) {
    auto layer = std::make_unique<CSpriteLayer>();
    layer->SetTarget(myCanvas);
    CSprite a(Solid(4, 4, kRed));
    CSprite b(Solid(4, 4, kGreen));
    a.SetLayer(layer.get());
    b.SetLayer(layer.get());
    b.SetVisible(false);
    EXPECT_EQ(layer->GetHiddenSprites().size(), 1u);
    b.SetLayer(layer.get());  // put back directly: no longer hidden
    EXPECT_TRUE(layer->GetHiddenSprites().empty());
    EXPECT_EQ(layer->GetSprites().size(), 2u);
    a.SetLayer(nullptr);
    EXPECT_EQ(layer->GetSprites(), std::vector<CSprite*>{&b});
    a.SetLayer(layer.get());
    a.SetVisible(false);
    {
        CSprite dies(Solid(4, 4, kBlue));
        dies.SetLayer(layer.get());
        dies.SetVisible(false);
    }  // a hidden sprite that dies leaves nothing behind
    EXPECT_EQ(layer->GetHiddenSprites(), std::vector<CSprite*>{&a});
    layer.reset();
    EXPECT_EQ(b.GetLayer(), nullptr);
    a.SetVisible(true);
    EXPECT_EQ(a.GetLayer(), nullptr);
}

}  // namespace
}  // namespace tolm
