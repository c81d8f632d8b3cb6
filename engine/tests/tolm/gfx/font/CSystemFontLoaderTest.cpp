#include <gtest/gtest.h>

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/GfxTestSupport.h"
#include "tolm/gfx/font/CSystemFontLoader.h"

namespace tolm::test {
namespace {

using Loader = CSystemFontLoader;

TEST(CSystemFontRuns, DecodingFollowsTheCarryRuleAndPaintsLaterRunsOneLonger) {
    EXPECT_EQ(Loader::DecodeRuns("~~#!"), (std::vector<int>{94 + 94 + 3, 1, 0}));
    EXPECT_EQ(Loader::EncodeRuns({191, 1, 0, 94}), "~~#! ~ ");
    // Runs 2, 1, 0: two transparent, two opaque, one transparent; past the last run the
    // colour switches at every pixel.
    EXPECT_EQ(Loader::PaintRuns({2, 1, 0}, 7), (std::vector<unsigned char>{0, 0, 1, 1, 0, 1, 0}));
    const std::string& text = Loader::GetStoredText();
    for (char c : text) ASSERT_TRUE(c >= 32 && c <= 126) << int(c);
    std::vector<int> runs = Loader::DecodeRuns(text);
    runs.pop_back();  // the empty run that follows the last character
    EXPECT_EQ(Loader::EncodeRuns(runs), text);
}

using CSystemFontLoaderTest = CGfxTestBase;

TEST_F(CSystemFontLoaderTest, TheBuiltInFontIs1789By15WithAVisibleGlyphForEveryCode) {
    CFont font;
    CSystemFontLoader loader(&font);
    const CGfxBuffer* picture = font.GetImage();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->GetWidth(), 1789);
    EXPECT_EQ(picture->GetHeight(), 15);
    // The stored runs cover the strip exactly: the last one ends at its last pixel.
    std::vector<int> runs = Loader::DecodeRuns(Loader::GetStoredText());
    long long covered = runs[0];
    for (std::size_t i = 1; i + 1 < runs.size(); ++i) covered += runs[i] + 1;
    EXPECT_EQ(covered, 1789 * 15);
    for (int c = 33; c <= 254; ++c) {
        SCOPED_TRACE(c);
        const types::rect glyph = font.GetCharRect(static_cast<char>(c));
        ASSERT_EQ(glyph, types::rect(6 + 8 * (c - 33), 0, 8, 15));
        int opaque = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = glyph.x; x < glyph.x + 8; ++x) {
                const types::color p = picture->GetPixel(x, y);
                EXPECT_TRUE(p == types::color(0, 0, 0, 0) || p == types::color(255, 255, 255, 255));
                opaque += p.a == 255;
            }
        }
        EXPECT_GT(opaque, 0);
    }
    EXPECT_TRUE(font.GetCharRect(' ').IsEmpty());
    EXPECT_TRUE(font.GetCharRect('\xff').IsEmpty());
    EXPECT_EQ(font.GetSpaceWidth(), 8);
    EXPECT_EQ(font.GetLineHeight(), 15);
    EXPECT_EQ(font.GetTextWidth("Fps: 60"), 56);
}

}  // namespace
}  // namespace tolm::test
