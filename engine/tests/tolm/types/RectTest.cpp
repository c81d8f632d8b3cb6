#include <gtest/gtest.h>

#include <climits>

#include "tolm/types/Rect.h"

namespace tolm::types {
namespace {

TEST(RectTest, IntersectionUsesHalfOpenSpans) {
    const rect base(10, 10, 10, 10);
    struct Case {
        rect other;
        bool intersects;
        rect overlap;
    } cases[] = {
        {rect(20, 10, 5, 5), false, rect()},  // touching on the right edge
        {rect(0, 0, 10, 10), false, rect()},  // touching at the top-left corner
        {rect(19, 19, 5, 5), true, rect(19, 19, 1, 1)},
        {rect(12, 12, 2, 2), true, rect(12, 12, 2, 2)},
        {rect(0, 0, 100, 100), true, base},
        {rect(15, 15, 0, 0), false, rect()},   // empty rects cover nothing
        {rect(15, 15, -5, 4), false, rect()},  // negative sizes cover nothing
        {rect(INT32_MAX - 1, 0, INT32_MAX, 30), false, rect()},
        {rect(-5, 12, INT32_MAX, 1), true, rect(10, 12, 10, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.other.x << "," << c.other.y << "," << c.other.w << "," << c.other.h);
        EXPECT_EQ(base.Intersects(c.other), c.intersects);
        EXPECT_EQ(c.other.Intersects(base), c.intersects);
        EXPECT_EQ(base.Intersection(c.other), c.overlap);
    }
}

TEST(RectTest, InsideIsInclusiveOfTheEdges) {
    EXPECT_TRUE(rect(10, 10, 5, 5).IsInside(rect(10, 10, 5, 5)));
    EXPECT_FALSE(rect(11, 11, 5, 4).IsInside(rect(10, 10, 5, 5)));
    EXPECT_FALSE(rect(9, 10, 1, 1).IsInside(rect(10, 10, 5, 5)));
}

}  // namespace
}  // namespace tolm::types
