#include <gtest/gtest.h>

#include "game/CApproachRules.h"

namespace game {
namespace {

using EOutcome = CApproachRules::EOutcome;

constexpr int Burst = 3;
constexpr int FanRow = 14;

TEST(CApproachRules, StepIsTheDistanceDividedByTheDivisor) {
    const struct {
        int divisor;
        int step;
    } cases[] = {{15, 10}, {25, 6}, {35, 4}, {50, 3}, {0, 150}, {-4, 150}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.divisor);
        CApproachRules rules;
        EXPECT_EQ(rules.GetStep(), 10);  // until the next level begins
        rules.SetApproachSteps(c.divisor);
        rules.BeginLevel();
        EXPECT_EQ(rules.GetStep(), c.step);
        EXPECT_EQ(rules.GetLeftX(), 200);
        EXPECT_EQ(rules.GetX(1), 400);
        EXPECT_EQ(rules.GetRightX(), 600);
    }
}

TEST(CApproachRules, SixteenBurstsMoreThanFanHitsWinTheFirstLevel) {
    CApproachRules rules;
    for (int fan = 0; fan < 3; ++fan) ASSERT_EQ(rules.FanHit(), EOutcome::None);
    for (int burst = 1; burst < 19; ++burst) {
        ASSERT_EQ(rules.RowRemoved(Burst), EOutcome::None) << burst;
    }
    EXPECT_EQ(rules.GetLeftX(), 350);
    EXPECT_EQ(rules.RowRemoved(Burst), EOutcome::LevelComplete);
    EXPECT_EQ(rules.GetLeftX(), 360);
    EXPECT_EQ(rules.GetRightX(), 440);
    // Still inside after the fan's row: the check runs there too.
    EXPECT_EQ(rules.RowRemoved(FanRow), EOutcome::LevelComplete);
}

TEST(CApproachRules, TheEleventhFanHitMoreThanBurstsLosesTheFirstLevel) {
    CApproachRules rules;
    ASSERT_EQ(rules.RowRemoved(Burst), EOutcome::None);
    for (int fan = 1; fan < 12; ++fan) ASSERT_EQ(rules.FanHit(), EOutcome::None) << fan;
    EXPECT_EQ(rules.GetLeftX(), 100);
    EXPECT_EQ(rules.GetRightX(), 700);
    EXPECT_EQ(rules.FanHit(), EOutcome::LevelFailed);
    EXPECT_EQ(rules.GetLeftX(), 100);
    EXPECT_EQ(rules.GetRightX(), 700);
}

TEST(CApproachRules, FanHitMovesEachOuterCharacterOnlyInsideItsLimit) {
    CApproachRules rules;
    rules.SetApproachSteps(50);
    rules.BeginLevel();
    // 200 - 34 * 3 = 98 on the left; the right stops at the first value >= 700 (702).
    for (int fan = 0; fan < 34; ++fan) ASSERT_EQ(rules.FanHit(), EOutcome::None);
    EXPECT_EQ(rules.GetLeftX(), 98);
    EXPECT_EQ(rules.GetRightX(), 702);
    EXPECT_EQ(rules.FanHit(), EOutcome::LevelFailed);
    // A burst brings the right one back inside; the next fan hit pushes only it out again.
    EXPECT_EQ(rules.RowRemoved(Burst), EOutcome::None);
    EXPECT_EQ(rules.GetRightX(), 699);
    EXPECT_EQ(rules.FanHit(), EOutcome::None);
    EXPECT_EQ(rules.GetLeftX(), 98);
    EXPECT_EQ(rules.GetRightX(), 702);
}

TEST(CApproachRules, PointsTripleWithinAResolveAndFlushIntoTheScore) {
    CApproachRules rules;
    EXPECT_EQ(rules.FlushScore(), 0u);
    rules.RowRemoved(Burst);
    EXPECT_EQ(rules.FlushScore(), 100u);
    rules.RowRemoved(0);
    rules.RowRemoved(0);
    EXPECT_EQ(rules.FlushScore(), 300u);
    rules.RowRemoved(1);
    rules.RowRemoved(1);
    rules.RowRemoved(1);
    EXPECT_EQ(rules.GetPoints(), 9);
    // The fan's row neither scores nor moves anyone.
    rules.RowRemoved(FanRow);
    EXPECT_EQ(rules.GetPoints(), 9);
    EXPECT_EQ(rules.FlushScore(), 900u);
    EXPECT_EQ(rules.GetPoints(), 0);
    EXPECT_EQ(rules.GetScore(), 1300u);
    EXPECT_EQ(rules.GetLeftX(), 260);
    rules.BeginLevel();
    EXPECT_EQ(rules.GetScore(), 1300u);
}

}  // namespace
}  // namespace game
