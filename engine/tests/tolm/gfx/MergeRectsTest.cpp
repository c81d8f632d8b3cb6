// Joining the update list: which rectangles touch, and that the joined list covers every
// input pixel with no two touching rectangles left, whatever the order of the input.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

#include "tolm/gfx/MergeRects.h"

namespace tolm {
namespace {

using types::rect;

TEST(MergeRectsTest, RectsTouchWhenTheyOverlapOrShareAStretchOfEdge) {
    const rect base(10, 10, 10, 10);
    const struct {
        rect other;
        bool touches;
    } cases[] = {
        {rect(15, 15, 10, 10), true},  // overlap
        {rect(12, 12, 2, 2), true},    // inside
        {rect(20, 12, 5, 3), true},    // right edge
        {rect(0, 19, 10, 5), true},    // left edge, one row shared
        {rect(10, 20, 10, 1), true},   // bottom edge
        {rect(10, 0, 1, 10), true},    // top edge, one column shared
        {rect(20, 20, 5, 5), false},   // bottom-right corner only
        {rect(0, 0, 10, 10), false},   // top-left corner only
        {rect(21, 10, 5, 5), false},   // one pixel apart
        {rect(10, 21, 5, 5), false},   // one pixel apart below
        {rect(15, 15, 0, 0), false},   // empty
        {rect(15, 15, -4, 8), false},  // negative width
        {rect(20, 10, 0, 10), false},  // zero width on the edge
        {rect(INT32_MAX - 1, 10, INT32_MAX, 5), false},
        {rect(INT32_MIN, 12, INT32_MAX, 1), false},  // ends at -1
        {rect(-5, 12, INT32_MAX, 1), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.other.x << "," << c.other.y << "," << c.other.w << "," << c.other.h);
        EXPECT_EQ(RectsTouch(base, c.other), c.touches);
        EXPECT_EQ(RectsTouch(c.other, base), c.touches);
    }
}

TEST(MergeRectsTest, JoinsTouchingRectsIntoTheirBoundingBox) {
    const struct {
        const char* name;
        std::vector<rect> in;
        std::vector<rect> out;
    } cases[] = {
        {"nothing", {}, {}},
        {"only empty ones", {rect(3, 3, 0, 0), rect(1, 1, -2, 5)}, {}},
        {"a moving sprite: new and old place",
         {rect(101, 10, 20, 20), rect(100, 10, 20, 20)},
         {rect(100, 10, 21, 20)}},
        {"a sprite that moved by its whole width",
         {rect(20, 0, 20, 20), rect(0, 0, 20, 20)},
         {rect(0, 0, 40, 20)}},
        {"apart",
         {rect(0, 0, 10, 10), rect(11, 0, 10, 10)},
         {rect(0, 0, 10, 10), rect(11, 0, 10, 10)}},
        {"corner only",
         {rect(0, 0, 10, 10), rect(10, 10, 10, 10)},
         {rect(0, 0, 10, 10), rect(10, 10, 10, 10)}},
        {"the same twice", {rect(5, 5, 5, 5), rect(5, 5, 5, 5)}, {rect(5, 5, 5, 5)}},
        {"an empty one between",
         {rect(0, 0, 4, 4), rect(4, 0, 0, 4), rect(9, 0, 4, 4)},
         {rect(0, 0, 4, 4), rect(9, 0, 4, 4)}},
        // The first two never touch; the third joins one, and the grown box reaches the other.
        {"growth reaches an earlier one",
         {rect(0, 0, 10, 10), rect(2, 12, 5, 5), rect(10, 0, 5, 20)},
         {rect(0, 0, 15, 20)}},
        {"growth reaches one kept after the one joined",
         {rect(2, 12, 5, 5), rect(0, 0, 10, 10), rect(10, 0, 5, 20)},
         {rect(0, 0, 15, 20)}},
        {"a chain joined only by the last one",
         {rect(0, 0, 5, 5), rect(10, 0, 5, 5), rect(20, 0, 5, 5), rect(0, 0, 25, 1)},
         {rect(0, 0, 25, 5)}},
        {"a box too wide for the type is cut",
         {rect(-5, 0, INT32_MAX, 2), rect(INT32_MAX - 10, 1, 10, 2)},
         {rect(-5, 0, INT32_MAX, 3)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MergeRects(c.in), c.out);
    }
}

// Random lists on a small board: the result covers exactly the input's pixels or more,
// stays inside their bounding box, and holds no two touching rectangles.
TEST(MergeRectsTest, RandomListsAreCoveredAndLeaveNoTouchingPair) {
    constexpr int kSide = 48;
    std::mt19937 random(4242);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        std::vector<rect> in;
        for (int n = pick(0, 30); n > 0; --n)
            in.emplace_back(pick(0, kSide - 1), pick(0, kSide - 1), pick(0, 12), pick(0, 12));
        const std::vector<rect> out = MergeRects(in);
        ASSERT_LE(out.size(), in.size());
        for (std::size_t i = 0; i < out.size(); ++i) {
            ASSERT_GT(out[i].w, 0);
            ASSERT_GT(out[i].h, 0);
            for (std::size_t j = i + 1; j < out.size(); ++j)
                ASSERT_FALSE(RectsTouch(out[i], out[j])) << i << " and " << j;
        }
        for (int y = 0; y < kSide + 12; ++y) {
            for (int x = 0; x < kSide + 12; ++x) {
                const rect pixel(x, y, 1, 1);
                auto covers = [&pixel](const rect& r) { return pixel.Intersects(r); };
                const bool wanted = std::any_of(in.begin(), in.end(), covers);
                const int sent = static_cast<int>(std::count_if(out.begin(), out.end(), covers));
                ASSERT_LE(sent, 1) << "pixel " << x << "," << y << " sent twice";
                if (wanted) {
                    ASSERT_EQ(sent, 1) << "pixel " << x << "," << y << " not sent";
                }
            }
        }
    }
}

}  // namespace
}  // namespace tolm
