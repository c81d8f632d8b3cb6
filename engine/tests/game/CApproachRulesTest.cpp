#include <gtest/gtest.h>

#include <string>

#include "game/CApproachRules.h"

namespace game {
namespace {

using EOutcome = CApproachRules::EOutcome;

// Events: B a burst (row 3 removed), T the fan's top row removed, F a fan hit. Outcomes:
// '.' none, 'C' level complete, 'L' level failed.
TEST(CApproachRules, BurstsAndFanHitsMoveTheOuterCharactersAndEndTheLevel) {
    const struct {
        int divisor;
        std::string events;
        std::string outcomes;
        int left, right;
    } cases[] = {
        // 16 bursts more than fan hits win the first level; the check also follows the
        // fan's row.
        {15, std::string(3, 'F') + std::string(19, 'B') + "T", std::string(21, '.') + "CC", 360,
         440},
        // The eleventh fan hit more than bursts loses it.
        {15, "B" + std::string(12, 'F'), std::string(12, '.') + "L", 100, 700},
        // Each outer character moves out only while inside its limit: left stops at 98,
        // right at its first value >= 700; a burst brings the right one back inside.
        {50, std::string(35, 'F') + "BF", std::string(34, '.') + "L..", 98, 702},
        // The step is (350 - 200) / divisor: 6 for 25, 4 for 35; a divisor below 1 counts
        // as 1, and 350 itself is not yet past the column.
        {25, "B", ".", 206, 594},
        {35, "B", ".", 204, 596},
        {0, "B", ".", 350, 450},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.events);
        CApproachRules rules;
        rules.SetApproachSteps(c.divisor);
        EXPECT_EQ(rules.GetStep(), 10);  // the divisor counts from the next level on
        rules.BeginLevel();
        std::string outcomes;
        for (char event : c.events) {
            const EOutcome outcome = event == 'F'   ? rules.FanHit()
                                     : event == 'B' ? rules.RowRemoved(3)
                                                    : rules.RowRemoved(14);
            outcomes += outcome == EOutcome::None          ? '.'
                        : outcome == EOutcome::LevelFailed ? 'L'
                                                           : 'C';
        }
        EXPECT_EQ(outcomes, c.outcomes);
        EXPECT_EQ(rules.GetLeftX(), c.left);
        EXPECT_EQ(rules.GetRightX(), c.right);
        EXPECT_EQ(rules.GetX(1), 400);
    }
}

TEST(CApproachRules, PointsTripleWithinAResolveAndFlushIntoTheScore) {
    CApproachRules rules;
    const unsigned expected[] = {0, 100, 300, 900};
    for (int bursts = 0; bursts < 4; ++bursts) {
        for (int i = 0; i < bursts; ++i) rules.RowRemoved(i);
        rules.RowRemoved(14);  // neither scores nor moves anyone
        EXPECT_EQ(rules.FlushScore(), expected[bursts]);
        EXPECT_EQ(rules.GetPoints(), 0);
    }
    EXPECT_EQ(rules.GetScore(), 1300u);
    EXPECT_EQ(rules.GetLeftX(), 260);
    rules.BeginLevel();
    EXPECT_EQ(rules.GetScore(), 1300u);
    EXPECT_EQ(rules.GetLeftX(), 200);
}

}  // namespace
}  // namespace game
