#include <gtest/gtest.h>

#include "game/CGameArea.h"
#include "game/CHeadlessPlayer.h"
#include "game/CHeadlessPresentation.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

using EOutcome = CApproachRules::EOutcome;

class HeadlessAreaTest : public ::testing::Test {
protected:
    HeadlessAreaTest() : myArea(CHeadlessPresentation::Factory()) {
        myPresentation = CHeadlessPresentation::Of(myArea);
        tolm::SetRandomSeed(99);
    }

    void SetRow(int position, int number) {
        for (int line = 0; line < CGameArea::LineCount; ++line) {
            myArea.SetCell(line, position, number);
        }
    }

    CGameArea myArea;
    CHeadlessPresentation* myPresentation = nullptr;
};

TEST_F(HeadlessAreaTest, StopsTheAreaUntilALevelStarts) {
    ASSERT_NE(myPresentation, nullptr);
    EXPECT_TRUE(myArea.IsStopped());
    myArea.SetSelectedLine(2);
    myPresentation->StartLevel(15);
    EXPECT_FALSE(myArea.IsStopped());
    EXPECT_EQ(myArea.GetSelectedLine(), -1);
    for (int line = 0; line < CGameArea::LineCount; ++line) {
        EXPECT_EQ(myPresentation->GetPreview(line), myArea.GetNextNumber(line));
        EXPECT_EQ(myPresentation->GetPreviewCount(line), 1);
    }
}

TEST_F(HeadlessAreaTest, TwoBurstsInOneResolveScore300AndMoveTwoSteps) {
    myPresentation->StartLevel(15);
    SetRow(3, 1);
    SetRow(4, 2);
    myArea.Resolve();
    EXPECT_EQ(myPresentation->GetBursts(), 2);
    EXPECT_EQ(myPresentation->GetRules().GetScore(), 300u);
    EXPECT_EQ(myPresentation->GetRules().GetLeftX(), 220);
    EXPECT_EQ(myArea.GetBoard(), CGameArea::Board{});
}

TEST_F(HeadlessAreaTest, WinningStopsTheAreaAndLosingGivesBackTheLevelsPoints) {
    myPresentation->StartLevel(15);
    for (int burst = 0; burst < 16; ++burst) {
        SetRow(0, 1 + burst % 3);
        myArea.Resolve();
    }
    EXPECT_EQ(myPresentation->GetOutcome(), EOutcome::LevelComplete);
    EXPECT_TRUE(myArea.IsStopped());
    const std::uint32_t scoreAfterWin = myPresentation->GetRules().GetScore();
    EXPECT_EQ(scoreAfterWin, 1600u);

    myPresentation->StartLevel(15);
    SetRow(0, 2);
    myArea.Resolve();
    for (int fan = 0; fan < 12 && !myArea.IsStopped(); ++fan) {
        myArea.SetCell(fan % 3, 14, 3);
        myArea.Resolve();
    }
    EXPECT_EQ(myPresentation->GetOutcome(), EOutcome::LevelFailed);
    EXPECT_EQ(myPresentation->GetFanHits(), 12);
    EXPECT_EQ(myPresentation->GetRules().GetScore(), scoreAfterWin);
}

TEST(CHeadlessPlayer, DoingNothingLosesTheFirstLevel) {
    const CHeadlessPlayer player(CSilenceStrategy(CSilenceStrategy::EKind::Nobody), 1.0);
    const SLevelResult result = player.PlayLevel(0);
    EXPECT_TRUE(result.myDecided);
    EXPECT_FALSE(result.myWon);
    // Lines that always move together never line up three new bubbles: no burst at all, and
    // the eleventh fan hit loses.
    EXPECT_EQ(result.myBursts, 0);
    EXPECT_EQ(result.myFanHits, 11);
    EXPECT_EQ(result.mySteps, 25);
    EXPECT_EQ(result.myScore, 0u);
    // 25 steps, each in the first frame past 2500 ms, then the last resolve in the first frame
    // past 350 ms.
    const tolm::types::ticks frame = CHeadlessPlayer::FrameTime;
    EXPECT_EQ(result.myPlayTime, 25u * (2500u / frame + 1u) * frame + (350u / frame + 1u) * frame);
}

TEST(CHeadlessPlayer, LookaheadWinsEveryLevelFromAFixedSeed) {
    const CLevelSettings before = LevelSettings();
    const CHeadlessPlayer player(CSilenceStrategy(CSilenceStrategy::EKind::Lookahead, 3), 1.0);
    for (int level = 0; level < CLevelTable::LevelCount; ++level) {
        SCOPED_TRACE(level);
        const SLevelResult result = player.PlayLevel(level);
        EXPECT_TRUE(result.myWon);
        const int approachSteps = CLevelTable::SettingsFor(level).myApproachSteps;
        const int step = 150 / approachSteps;
        // The left character must have come past 350.
        EXPECT_GE(result.myBursts - result.myFanHits, 150 / step + 1);
        EXPECT_GE(result.myScore, 100u * static_cast<unsigned>(result.myBursts));
    }
    EXPECT_EQ(LevelSettings(), before);
}

TEST(CHeadlessPlayer, SameSeedSameGameAndBadLevelIndexPlaysNothing) {
    const CHeadlessPlayer player(CSilenceStrategy(), 77.0);
    const SLevelResult first = player.PlayLevel(5);
    const SLevelResult second = player.PlayLevel(5);
    EXPECT_EQ(first.mySteps, second.mySteps);
    EXPECT_EQ(first.myScore, second.myScore);
    EXPECT_EQ(first.myPlayTime, second.myPlayTime);
    const SLevelResult none = player.PlayLevel(8);
    EXPECT_FALSE(none.myDecided);
    EXPECT_EQ(none.mySteps, 0);
}

}  // namespace
}  // namespace game
