#include <gtest/gtest.h>

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/GfxTestSupport.h"

namespace tolm::test {
namespace {

// A font whose 'a' is a 10 x 12 white block and 'b' a 6 x 8 green one; blank 5, lines 12.
class CFontTest : public CGfxTestBase {
protected:
    void SetUp() override {
        OpenScreen(kWidth, kHeight, 32);
        CGfxBuffer* picture = Gfx::NewBuffer(16, 12, types::kColorKeyMagenta);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x)
                picture->PutPixel(x, y,
                                  x < 10   ? kWhite
                                  : y >= 4 ? kGreen
                                           : types::kColorKeyMagenta);
        myFont.SetImage(picture);
        myFont.SetCharRect('a', types::rect(0, 0, 10, 12));
        myFont.SetCharRect('b', types::rect(10, 4, 6, 8));
        myFont.SetSpaceWidth(5);
        myFont.SetLineHeight(12);
        myTarget = Gfx::NewBuffer(200, 100, types::kColorKeyMagenta);
    }
    void TearDown() override {
        Gfx::FreeImage(myTarget);
        myFont.SetImage(nullptr);
        CGfxTestBase::TearDown();
    }
    // The x of the first and one past the last non-black pixel in row y; (-1, -1) if none.
    std::pair<int, int> Span(int y) const {
        int first = -1, end = -1;
        for (int x = 0; x < myTarget->GetWidth(); ++x) {
            if (myTarget->GetPixel(x, y) == kBlack) continue;
            if (first < 0) first = x;
            end = x + 1;
        }
        return {first, end};
    }
    // The columns where a run of drawn pixels starts in row y.
    std::vector<int> Starts(int y) const {
        std::vector<int> starts;
        for (int x = 0; x < myTarget->GetWidth(); ++x) {
            const bool drawn = myTarget->GetPixel(x, y) != kBlack;
            const bool before = x > 0 && myTarget->GetPixel(x - 1, y) != kBlack;
            if (drawn && !before) starts.push_back(x);
        }
        return starts;
    }

    CFont myFont;
    CGfxBuffer* myTarget = nullptr;
};

TEST_F(CFontTest, DrawTextAdvancesBreaksLinesAndSharesTheBottomLine) {
    EXPECT_EQ(myFont.DrawText(myTarget, "a\nb", 3, 4), types::point(9, 16));
    EXPECT_EQ(Span(4), std::make_pair(3, 13));    // a from the top of the first line
    EXPECT_EQ(Span(16), std::make_pair(-1, -1));  // b is 8 high: its top is 4 rows lower
    EXPECT_EQ(Span(20), std::make_pair(3, 9));    // b at the starting x, one line lower
    EXPECT_EQ(myTarget->GetPixel(3, 27), kGreen);
    EXPECT_EQ(myFont.DrawText(myTarget, ""), types::point(0, 0));
    // Tabs are four blanks, unknown characters take no room, spacing follows each glyph.
    myFont.SetLetterSpacing(2);
    EXPECT_EQ(myFont.DrawText(nullptr, "\ta?b", 0, 0), types::point(20 + 12 + 8, 0));
    EXPECT_EQ(myFont.GetTextWidth("a b\t?"), 12 + 5 + 8);
}

TEST_F(CFontTest, LayoutsPlaceLinesInPixels) {
    struct Case {
        int kind;
        std::string text;
        std::vector<std::vector<int>> starts;  // per line
    };
    const Case cases[] = {
        {CTextLayout::kLeft, "aaa aaa aaa aaa", {{0, 35}, {0, 35}}},  // 30-pixel words, blank 5
        {CTextLayout::kCentred, "aaaaa", {{24}}},                     // 50 wide in 100: 24
        {CTextLayout::kRight, "aaa", {{70}}},
        // The wrapped line drops its trailing blank (65 of 80) and widens its one gap by 15;
        // the paragraph's last line stays left-aligned.
        {CTextLayout::kJustified, "aaa aaa aaa aaa", {{0, 50}, {0, 35}}},
        {CTextLayout::kJustified, "aaa aaa\naaa aaa aaa", {{0, 35}, {0, 50}, {0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        SCOPED_TRACE(c.text);
        SDL_FillRect(surface_cast(myTarget)->GetSDLSurface(), nullptr, 0);
        myFont.SetLayout(c.kind);
        const int width =
            c.kind == CTextLayout::kLeft || c.kind == CTextLayout::kJustified ? 80 : 100;
        const types::point end = myFont.Draw(myTarget, c.text, types::rect(0, 0, width, 100));
        for (std::size_t line = 0; line < c.starts.size(); ++line) {
            EXPECT_EQ(Starts(static_cast<int>(line) * 12 + 2), c.starts[line]) << "line " << line;
        }
        EXPECT_EQ(Starts(static_cast<int>(c.starts.size()) * 12 + 2), std::vector<int>());
        EXPECT_EQ(end.y % 12, 0);
    }
    myFont.SetLayout(7);
    EXPECT_EQ(myFont.GetLayout(), nullptr);
}

TEST_F(CFontTest, LayoutsEndWhenLinesHaveNoHeightOrNothingFits) {
    myFont.SetLayout(CTextLayout::kLeft);
    for (int height : {0, -12}) {
        myFont.SetLineHeight(height);
        EXPECT_EQ(myFont.Draw(myTarget, "aaaaaaaa aaaa", types::rect(0, 0, 20, 2000000000)).y, 0);
        myFont.Draw(myTarget, std::string(100, 'a').replace(50, 1, " "),
                    types::rect(0, 0, 1000, 100));
    }
    myFont.SetLineHeight(12);
    // Nothing fits: the remaining height is passed over at once.
    EXPECT_EQ(myFont.Draw(myTarget, "aaaaaaaa", types::rect(0, 5, 20, 2000000000)).y,
              5 + 12 * ((2000000000 + 11) / 12));
}

TEST_F(CFontTest, GridFontsTakeTheirWidthsFromAFileThatMayEndEarly) {
    const std::string picture = MakePictureFile("grid.bmp", 256, 256, kWhite, 0);
    WriteFile(myDir.File("widths"), std::string("\x07\x00\x0f", 3));
    CFont font(picture, myDir.File("widths"));
    EXPECT_EQ(font.GetCharRect('\0'), types::rect(0, 0, 8, 16));
    EXPECT_EQ(font.GetCharRect('\x02'), types::rect(32, 0, 16, 16));
    EXPECT_TRUE(font.GetCharRect('\x03').IsEmpty());
    EXPECT_EQ(font.GetSpaceWidth(), 0);
    EXPECT_EQ(font.GetLineHeight(), 16);
    ASSERT_NE(font.GetLayout(), nullptr);
    EXPECT_EQ(font.GetLayout()->GetKind(), CTextLayout::kLeft);

    CFont missing(picture, myDir.File("nothing"));
    EXPECT_TRUE(missing.GetCharRect('\0').IsEmpty());
}

}  // namespace
}  // namespace tolm::test
