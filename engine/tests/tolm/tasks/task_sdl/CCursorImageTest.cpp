// Reading cursor pictures: the bit planes and hot spot of a small picture, headers that
// are refused, and the built-in pictures (all readable, hot spot on a visible pixel).
#include <gtest/gtest.h>

#include <iterator>

#include "tolm/tasks/task_sdl/BuiltInCursors.h"
#include "tolm/tasks/task_sdl/CCursorImage.h"

namespace tolm::test {
namespace {

TEST(CCursorImage, BlackSetsDataAndMaskWhiteOnlyMaskAnythingElseNeither) {
    const char* const picture[] = {"16 2 3 1", "X c #000000",      ". c #ffffff",
                                   "  c None", "X.  Xo          ",
                                   "X.",  // short row: the rest is transparent
                                   "15,1"};
    CCursorImage image;
    ASSERT_TRUE(image.Read(picture, static_cast<int>(std::size(picture))));
    EXPECT_EQ(image.GetData(), (std::vector<std::uint8_t>{0x88, 0x00, 0x80, 0x00}));
    EXPECT_EQ(image.GetMask(), (std::vector<std::uint8_t>{0xC8, 0x00, 0xC0, 0x00}));
    EXPECT_EQ(image.GetHotX(), 15);
    EXPECT_EQ(image.GetHotY(), 1);
}

TEST(CCursorImage, UnusableHeadersAreRefusedAndOddHotSpotsLandOnThePicture) {
    const char* const refused[] = {"",         "32",        "0 32 3 1",   "12 32 3 1", "32 0 3 1",
                                   "72 8 3 1", "32 32 3 2", "32 32 -1 1", "32 32 99 1"};
    for (const char* header : refused) {
        SCOPED_TRACE(header);
        const char* const picture[] = {header, "X c #000000", ". c #ffffff", "  c None"};
        CCursorImage image;
        EXPECT_FALSE(image.Read(picture, 4));
        EXPECT_EQ(image.GetWidth(), 0);
        EXPECT_TRUE(image.GetMask().empty());
    }
    CCursorImage image;
    EXPECT_FALSE(image.Read(nullptr, 3));

    const struct {
        const char* hotSpot;
        int x;
        int y;
    } spots[] = {{"99,-4", 7, 0}, {"3", 0, 0}, {"", 0, 0}, {"-1,1", 0, 1}};
    for (const auto& spot : spots) {
        SCOPED_TRACE(spot.hotSpot);
        const char* const picture[] = {"8 2 0 1", "X", "X", spot.hotSpot};
        ASSERT_TRUE(image.Read(picture, 4));
        EXPECT_EQ(image.GetHotX(), spot.x);
        EXPECT_EQ(image.GetHotY(), spot.y);
    }
    const char* const noRows[] = {"8 2 0 1"};
    ASSERT_TRUE(image.Read(noRows, 1));
    EXPECT_EQ(image.GetMask(), (std::vector<std::uint8_t>{0, 0}));
}

TEST(CCursorImage, BuiltInPicturesAre32By32WithBothColoursAndAVisibleHotSpot) {
    for (int kind = 1; kind <= 9; ++kind) {
        SCOPED_TRACE(kind);
        int lines = 0;
        const char* const* picture = BuiltInCursorImage(kind, lines);
        CCursorImage image;
        ASSERT_TRUE(image.Read(picture, lines));
        EXPECT_EQ(lines, 1 + 3 + 32 + 1);
        EXPECT_EQ(image.GetWidth(), 32);
        EXPECT_EQ(image.GetHeight(), 32);
        EXPECT_NE(image.GetPixel(image.GetHotX(), image.GetHotY()), ' ');
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                black += image.GetPixel(x, y) == 'X';
                white += image.GetPixel(x, y) == '.';
            }
        }
        EXPECT_GT(black, 10);
        EXPECT_GT(white, 10);
    }
    int lines = -1;
    EXPECT_EQ(BuiltInCursorImage(0, lines), nullptr);
    EXPECT_EQ(BuiltInCursorImage(10, lines), nullptr);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(CursorKindFromName("cursor_none"), 0);
    EXPECT_EQ(CursorKindFromName(""), 0);
}

}  // namespace
}  // namespace tolm::test
