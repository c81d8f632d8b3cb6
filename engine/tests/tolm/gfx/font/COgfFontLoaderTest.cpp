#include <gtest/gtest.h>

#include <cstdint>
#include <string>

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

// FNV-1a over the picture's size and pixels and the 256 glyph rects.
std::uint64_t Fingerprint(const CFont& font) {
    std::uint64_t hash = 14695981039346656037ull;
    const auto add = [&hash](int value) {
        for (int i = 0; i < 4; ++i) {
            hash ^= static_cast<std::uint64_t>((static_cast<unsigned>(value) >> (8 * i)) & 0xff);
            hash *= 1099511628211ull;
        }
    };
    const CGfxBuffer* picture = font.GetImage();
    add(picture->GetWidth());
    add(picture->GetHeight());
    for (int y = 0; y < picture->GetHeight(); ++y) {
        for (int x = 0; x < picture->GetWidth(); ++x) {
            const types::color c = picture->GetPixel(x, y);
            add(c.r | c.g << 8 | c.b << 16 | c.a << 24);
        }
    }
    for (int c = 0; c < 256; ++c) {
        const types::rect r = font.GetCharRect(static_cast<char>(c));
        for (int v : {r.x, r.y, r.w, r.h}) add(v);
    }
    return hash;
}

TEST_F(COgfFontLoaderTest, FontsWithinTheirPictureLoadAsTheyAlwaysDid) {
    // Every pixel differs from its neighbours, so that scaling and tinting show.
    CGfxBuffer* cells = Gfx::NewBuffer(160, 20, types::kColorKeyMagenta);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 160; ++x) {
            const bool hole = x % 16 < 3 && y < 4;
            cells->PutPixel(x, y,
                            hole ? types::kColorKeyMagenta
                                 : types::color(static_cast<std::uint8_t>(x * 3 / 2),
                                                static_cast<std::uint8_t>(y * 12),
                                                static_cast<std::uint8_t>((x * 7 + y * 5) % 256)));
        }
    }
    ASSERT_TRUE(cells->Save(myDir.File("gradient.bmp")));
    Gfx::FreeImage(cells);
    myPicture = myDir.File("gradient.bmp");
    // Fingerprints recorded from the loader as it was before grids were checked against
    // their pictures.
    const struct {
        std::string fields;
        std::uint64_t fingerprint;
    } cases[] = {
        {"10;1;16;20;10;888;0123456789;56565656565656565656", 8411594222664233017ull},
        {"10;1;16;20;10;777;0123456789;56565656565656565656", 6781406997512750633ull},
        {"5;1;16;10;6;648;01234 ;643264326432", 10048685838817101541ull},  // shrunk to half
        {"3;2;40;7;6;808;abcdef;101520253035", 15201999382848573958ull},   // shrunk unevenly
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fields);
        CFont font;
        ASSERT_TRUE(Load(Ogf(c.fields), font));
        EXPECT_EQ(Fingerprint(font), c.fingerprint);
    }
}

TEST_F(COgfFontLoaderTest, BadFilesAreRefusedWithALineNamingThemAndChangeNothing) {
    const std::string path = myDir.File("font.ogf");
    const std::string refused = "[ERROR] COgfFontLoader::Load() - " + path + " ";
    const auto larger = [&](const std::string& grid) {
        return refused + "has a grid of " + grid + " pixels, larger than its picture " + myPicture +
               " of 160 x 20 pixels\n";
    };
    const auto cannot = [&](const std::string& grid) {
        return refused + "has a grid of " + grid + " characters, which cannot be drawn\n";
    };
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
        // A grid larger than its picture would blow a small picture up, at any cost.
        {Ogf("1;1;16383;16383;1;777;0;00"), larger("16383 x 16383")},
        {Ogf("10;1;17;20;1;888;x;64"), larger("170 x 20")},
        {Ogf("10;1;16;21;1;888;x;64"), larger("160 x 21")},
        {Ogf("1;1;161;1;1;888;x;64"), larger("161 x 1")},
        // Sides whose product leaves 64 bits.
        {Ogf("4611686018427387904;1;4;1;1;888;0;00"),
         cannot("4611686018427387904 x 1 cells of 4 x 1 pixels and 1")},
        {Ogf("1;4611686018427387904;1;4;1;888;0;00"),
         cannot("1 x 4611686018427387904 cells of 1 x 4 pixels and 1")},
        {Ogf("4;1;4611686018427387904;1;1;888;0;00"),
         cannot("4 x 1 cells of 4611686018427387904 x 1 pixels and 1")},
        {Ogf("2;1;9223372036854775807;1;1;888;0;00"),
         cannot("2 x 1 cells of 9223372036854775807 x 1 pixels and 1")},
        {Ogf("9223372036854775807;9223372036854775807;9223372036854775807;"
             "9223372036854775807;1;888;0;00"),
         cannot("9223372036854775807 x 9223372036854775807 cells of 9223372036854775807 x "
                "9223372036854775807 pixels and 1")},
        {Ogf("1;1;16385;1;1;888;0;00"), cannot("1 x 1 cells of 16385 x 1 pixels and 1")},
        {Ogf("128;1;129;1;1;888;0;00"), cannot("128 x 1 cells of 129 x 1 pixels and 1")},
        {Ogf("99999999999999999999;1;4;1;1;888;0;00"), refused + "has no number for the columns\n"},
        {Ogf("1;1;16;20;9223372036854775807;888;0;00"),
         path + "Error, the char count (9223372036854775807) and numbers of charachters (" +
             std::to_string(5 + myPicture.size()) + ") don't match\n"},
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
