#include <gtest/gtest.h>

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/GfxTestSupport.h"
#include "tolm/gfx/font/COgfFontLoader.h"

namespace tolm::test {
namespace {

class COgfFontLoaderTest : public CGfxTestBase {
protected:
    void SetUp() override {
        OpenScreen(kWidth, kHeight, 32);
        // 160 x 20: ten 16 x 20 cells of grey with a magenta square at (1, 1).
        myPicture = MakePictureFile("digits.bmp", 160, 20, types::color(200, 100, 40), 3);
    }
    bool Load(const std::string& line, CFont& font) {
        WriteFile(myDir.File("font.ogf"), line);
        return COgfFontLoader::Load(myDir.File("font.ogf"), font);
    }
    std::string Ogf(const std::string& fields) const { return "OGF;" + fields + ";" + myPicture; }

    std::string myPicture;
    CLogCapture myLog;
};

TEST_F(COgfFontLoaderTest, TenDigitsGiveTenCellsAndHalfWidthsHalfACell) {
    CFont font;
    ASSERT_TRUE(Load(Ogf("10;1;16;20;10;888;0123456789;64646464646464646432") +
                         "\nOGF;this second line is never read",
                     font));
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(font.GetCharRect(static_cast<char>('0' + i)), types::rect(16 * i, 0, 16, 20));
    }
    EXPECT_EQ(font.GetCharRect('9'), types::rect(144, 0, 8, 20));
    EXPECT_EQ(font.GetLineHeight(), 20);
    EXPECT_EQ(font.GetSpaceWidth(), 0);
    EXPECT_TRUE(font.GetCharRect('a').IsEmpty());
    EXPECT_EQ(font.GetImage()->GetPixel(0, 0), types::color(200, 100, 40));  // 888: untouched
    for (const std::string& line : myLog.Lines()) EXPECT_EQ(line.find("Red: "), std::string::npos);
}

TEST_F(COgfFontLoaderTest, SemicolonsAmongTheCharactersAndTheCountMessages) {
    CFont font;
    ASSERT_TRUE(Load(Ogf("4;1;16;20;4;888;a;b ;64646432"), font));
    EXPECT_EQ(font.GetCharRect(';'), types::rect(16, 0, 16, 20));
    EXPECT_EQ(font.GetCharRect(' '), types::rect(48, 0, 8, 20));
    EXPECT_EQ(font.GetSpaceWidth(), 8);

    const std::string path = myDir.File("font.ogf");
    CFont other;
    EXPECT_FALSE(Load(Ogf("4;1;16;20;5;888;a;b ;64646432"), other));
    EXPECT_TRUE(myLog.Contains(
        path + "Error, the char count (5) and numbers of charachters (13) don't match\n"));
    EXPECT_FALSE(Load(Ogf("2;1;16;20;2;888;ab;646"), other));
    EXPECT_TRUE(myLog.Contains(path +
                               " Error, the number of character width's ( 3) doesn't match the "
                               "number of characters (2) times two\n"));
    EXPECT_EQ(other.GetImage(), nullptr);
}

TEST_F(COgfFontLoaderTest, ColourFactorsTintTheFontsOwnCopyAndKeepTheKey) {
    // Another user of the picture file, sharing its decoded surface.
    CGfxBuffer* shared = Gfx::LoadImage(myPicture, types::kColorKeyMagenta);
    CFont font;
    ASSERT_TRUE(Load(Ogf("10;1;16;20;2;809;01;6464"), font));
    EXPECT_TRUE(myLog.Contains("Red: 1Green: 0Blue: 1.125\n"));
    const CGfxBuffer* own = font.GetImage();
    EXPECT_EQ(own->GetPixel(0, 0), types::color(200, 0, 45));  // blue 40 * 9 / 8
    EXPECT_EQ(own->GetPixel(1, 1), types::kColorKeyMagenta);
    // The picture file's shared surface is left as it was for everyone else.
    EXPECT_EQ(shared->GetPixel(0, 0), types::color(200, 100, 40));
    Gfx::FreeImage(shared);

    // Factors above 8 saturate instead of wrapping.
    const std::string white = MakePictureFile("white.bmp", 16, 16, kWhite, 0);
    WriteFile(myDir.File("white.ogf"), "OGF;1;1;16;16;1;999;x;64;" + white);
    ASSERT_TRUE(COgfFontLoader::Load(myDir.File("white.ogf"), font));
    EXPECT_EQ(font.GetImage()->GetPixel(5, 5), kWhite);
}

TEST_F(COgfFontLoaderTest, GlyphsOutsideThePictureAreCut) {
    CFont font;
    // A 2 x 1 grid of 80 x 20 cells: the third glyph lies below the picture, and a glyph
    // of 99/64 of a cell reaches past its right edge.
    ASSERT_TRUE(Load(Ogf("2;1;80;20;3;888;abc;649964"), font));
    EXPECT_EQ(font.GetCharRect('b'), types::rect(80, 0, 80, 20));
    EXPECT_TRUE(font.GetCharRect('c').IsEmpty());
}

TEST_F(COgfFontLoaderTest, BadFilesAreRefusedWithALineNamingThemAndChangeNothing) {
    const std::string path = myDir.File("font.ogf");
    struct Case {
        std::string content;
        std::string line;  // the expected log line; empty: any line naming the file
    };
    const Case cases[] = {
        {"", "Could not open ogf file: " + path + " for loading\n"},
        {"\nOGF;1;1;16;16;1;888;x;64;pic", "Could not open ogf file: " + path + " for loading\n"},
        {"OGX;1;1;16;16;1;888;x;64;pic", path + " is probably not a ogf file\n"},
        {"garbage\n" + Ogf("10;1;16;20;1;888;x;64"), path + " is probably not a ogf file\n"},
        {Ogf("0;1;16;20;1;888;x;64"), ""},
        {Ogf("10;-1;16;20;1;888;x;64"), ""},
        {Ogf("10;1;0;20;1;888;x;64"), ""},
        {Ogf("10;1;16;-20;1;888;x;64"), ""},
        {Ogf("10;1;16;20;-1;888;x;64"), ""},
        {Ogf("10;1;100000;20;1;888;x;64"), ""},
        {Ogf("ten;1;16;20;1;888;x;64"), ""},
        {"OGF;10;1;16;20;1;888;x", ""},
        {Ogf("10;1;16;20;1;88;x;64"), ""},
        {Ogf("10;1;16;20;1;8a8;x;64"), ""},
        {Ogf("10;1;16;20;1;888;x;6x"), ""},
        {"OGF;10;1;16;20;1;888;x;64;" + myDir.File("missing.png"),
         "Could not load image" + myDir.File("missing.png") + "\n"},
    };
    CFont font;
    ASSERT_TRUE(Load(Ogf("10;1;16;20;1;888;z;64"), font));
    const CGfxBuffer* picture = font.GetImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        myLog.Clear();
        EXPECT_FALSE(Load(c.content, font));
        EXPECT_EQ(font.GetImage(), picture);
        EXPECT_EQ(font.GetCharRect('z'), types::rect(0, 0, 16, 20));
        EXPECT_TRUE(font.GetCharRect('x').IsEmpty());
        // A picture that cannot be read is first refused by the graphics factory.
        const bool noPicture = c.line.rfind("Could not load image", 0) == 0;
        ASSERT_EQ(myLog.Lines().size(), noPicture ? 2u : 1u);
        if (!c.line.empty()) {
            EXPECT_EQ(myLog.Lines().back(), c.line);
        } else {
            EXPECT_NE(myLog.Lines()[0].find(path), std::string::npos) << myLog.Lines()[0];
        }
    }
    EXPECT_FALSE(COgfFontLoader::Load(myDir.File("absent.ogf"), font));
}

}  // namespace
}  // namespace tolm::test
