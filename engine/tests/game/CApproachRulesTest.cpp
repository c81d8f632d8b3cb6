#include <gtest/gtest.h>

#include "game/CApproachRules.h"

namespace game {
namespace {

using EOutcome = CApproachRules::EOutcome;

constexpr int Burst = 3;
constexpr int FanRow = 14;

TEST(CApproachRules, StepIsTheDistanceDividedByTheDivisorAtLevelStart) {
    const int cases[][2] = {{15, 10}, {25, 6}, {35, 4}, {50, 3}, {0, 150}};
    for (const auto& c : cases) {
        CApproachRules rules;
        rules.SetApproachSteps(c[0]);
        EXPECT_EQ(rules.GetStep(), 10);  // until the level begins
        rules.BeginLevel();
        EXPECT_EQ(rules.GetStep(), c[1]) << c[0];
    }
}

TEST(CApproachRules, SixteenBurstsMoreThanFanHitsWinTheFirstLevel) {
    CApproachRules rules;
    for (int fan = 0; fan < 3; ++fan) ASSERT_EQ(rules.FanHit(), EOutcome::None);
    for (int burst = 1; burst < 19; ++burst) ASSERT_EQ(rules.RowRemoved(Burst), EOutcome::None);
    EXPECT_EQ(rules.RowRemoved(Burst), EOutcome::LevelComplete);
    EXPECT_EQ(rules.GetLeftX(), 360);
    EXPECT_EQ(rules.GetRightX(), 440);
    // The check runs after the fan's row too.
    EXPECT_EQ(rules.RowRemoved(FanRow), EOutcome::LevelComplete);
}

TEST(CApproachRules, TheEleventhFanHitMoreThanBurstsLosesTheFirstLevel) {
    CApproachRules rules;
    ASSERT_EQ(rules.RowRemoved(Burst), EOutcome::None);
    for (int fan = 1; fan < 12; ++fan) ASSERT_EQ(rules.FanHit(), EOutcome::None) << fan;
    EXPECT_EQ(rules.FanHit(), EOutcome::LevelFailed);
    EXPECT_EQ(rules.GetLeftX(), 100);
    EXPECT_EQ(rules.GetRightX(), 700);
}

TEST(CApproachRules, FanHitMovesEachOuterCharacterOnlyInsideItsLimit) {
    CApproachRules rules;
    rules.SetApproachSteps(50);
    rules.BeginLevel();
    // 200 - 34 * 3 = 98 on the left; the right stops at its first value >= 700.
    for (int fan = 0; fan < 34; ++fan) ASSERT_EQ(rules.FanHit(), EOutcome::None);
    EXPECT_EQ(rules.GetLeftX(), 98);
    EXPECT_EQ(rules.GetRightX(), 702);
    EXPECT_EQ(rules.FanHit(), EOutcome::LevelFailed);
    // A burst brings the right one inside; the next fan hit pushes only it out again.
    rules.RowRemoved(Burst);
    EXPECT_EQ(rules.FanHit(), EOutcome::None);
    EXPECT_EQ(rules.GetLeftX(), 98);
    EXPECT_EQ(rules.GetRightX(), 702);
}

TEST(CApproachRules, PointsTripleWithinAResolveAndFlushIntoTheScore) {
    CApproachRules rules;
    const unsigned expected[] = {0, 100, 300, 900};
    for (int bursts = 0; bursts < 4; ++bursts) {
        for (int i = 0; i < bursts; ++i) rules.RowRemoved(i);
        rules.RowRemoved(FanRow);  // neither scores nor moves anyone
        EXPECT_EQ(rules.FlushScore(), expected[bursts]);
        EXPECT_EQ(rules.GetPoints(), 0);
    }
    EXPECT_EQ(rules.GetScore(), 1300u);
    EXPECT_EQ(rules.GetLeftX(), 260);
    rules.BeginLevel();
    EXPECT_EQ(rules.GetScore(), 1300u);
}

}  // namespace
}  // namespace game
