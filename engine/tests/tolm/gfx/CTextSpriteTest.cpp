#include <gtest/gtest.h>

#include "tolm/gfx/CTextSprite.h"
#include "tolm/gfx/GfxTestSupport.h"
#include "tolm/gfx/font/COgfFontLoader.h"
#include "tolm/gfx/font/CSystemFontLoader.h"

namespace tolm::test {
namespace {

class CTextSpriteTest : public CGfxTestBase {
protected:
    // Two 16 x 20 digit cells: grey with a magenta square at (1, 1) of side 6.
    CFont* DigitFont() {
        const std::string picture =
            MakePictureFile("digits.bmp", 32, 20, types::color(200, 100, 40), 6);
        WriteFile(myDir.File("digits.ogf"), "OGF;2;1;16;20;2;888;01;6464;" + picture);
        auto* font = new CFont;
        EXPECT_TRUE(COgfFontLoader::Load(myDir.File("digits.ogf"), *font));
        return font;
    }
};

TEST_F(CTextSpriteTest, KeyedGlyphsLeaveTheirKeyedPixelsTransparent) {
    CTextSprite sprite(DigitFont(), 40, 20);
    sprite.SetText("01");
    const CGfxBuffer* picture = sprite.GetImage();
    EXPECT_EQ(picture->GetPixel(0, 0), types::color(200, 100, 40, 255));
    EXPECT_EQ(picture->GetPixel(2, 2).a, 0);  // the key inside '0'
    EXPECT_EQ(picture->GetPixel(18, 2), types::color(200, 100, 40, 255));
    EXPECT_EQ(picture->GetPixel(35, 5).a, 0);  // past the text
    EXPECT_EQ(sprite.GetEndPoint(), types::point(32, 0));
}

TEST_F(CTextSpriteTest, EditsChangeTheTextOnlyWhenRealAndInRange) {
    CTextSprite sprite(DigitFont(), 40, 20);
    struct Step {
        std::function<void()> edit;
        std::string text;
    };
    const Step steps[] = {
        {[&] { sprite.SetText("01"); }, "01"},       {[&] { sprite.InsertText(2, "1"); }, "011"},
        {[&] { sprite.InsertText(4, "0"); }, "011"}, {[&] { sprite.InsertText(-1, "0"); }, "011"},
        {[&] { sprite.InsertText(0, ""); }, "011"},  {[&] { sprite.AppendText("0"); }, "0110"},
        {[&] { sprite.EraseText(1, 2); }, "00"},     {[&] { sprite.EraseText(2, 1); }, "00"},
        {[&] { sprite.EraseText(0, 0); }, "00"},     {[&] { sprite.EraseText(1, 50); }, "0"},
        {[&] { sprite.EraseLastChar(); }, ""},       {[&] { sprite.EraseLastChar(); }, ""},
    };
    for (const Step& step : steps) {
        step.edit();
        EXPECT_EQ(sprite.GetText(), step.text);
    }
}

TEST_F(CTextSpriteTest, ResizeReplacesThePictureAndTheTextRectFollows) {
    auto* font = new CFont;
    CSystemFontLoader system(font);
    CTextSprite sprite(font, 100, 30);
    sprite.SetLayer(&ScreenLayer());
    sprite.SetText("Hi");
    sprite.SetTextRect(types::rect(2, 0, 100, 15));
    sprite.Resize(200, 40);
    EXPECT_EQ(sprite.GetRect(), types::rect(0, 0, 200, 40));
    EXPECT_EQ(sprite.GetTextRect(), types::rect(2, 0, 200, 15));
    EXPECT_EQ(sprite.GetImage()->GetWidth(), 200);
    EXPECT_EQ(sprite.GetImage(), sprite.GetSourceImage());
    Frame();
    EXPECT_GT(Count(myScreen.get(), kWhite), 10);  // the text reached the screen

    // Without a size there is no picture until the first Resize.
    CTextSprite bare(new CFont);
    EXPECT_TRUE(bare.IsEmpty());
    bare.Resize(10, 10);
    EXPECT_FALSE(bare.IsEmpty());
    CTextSprite fontless;
    EXPECT_TRUE(fontless.IsEmpty());
    fontless.SetText("x");  // no font: nothing to draw, nothing breaks
}

TEST_F(CTextSpriteTest, AFrameIsDrawnUnderTheTextAtOnce) {
    CTextSprite sprite(DigitFont(), 40, 20, new CSprite(Solid(10, 10, kBlue)));
    EXPECT_EQ(sprite.GetFrame()->GetRect().w, 40);
    EXPECT_EQ(sprite.GetImage()->GetPixel(30, 10), kBlue);
    sprite.SetText("1");
    EXPECT_EQ(sprite.GetImage()->GetPixel(0, 0), types::color(200, 100, 40));
    EXPECT_EQ(sprite.GetImage()->GetPixel(30, 10), kBlue);
}

}  // namespace
}  // namespace tolm::test
