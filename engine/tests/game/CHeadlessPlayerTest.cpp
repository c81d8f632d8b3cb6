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

// Two bursts in one resolve score 300; a lost level stops the area and gives back its points.
TEST(CHeadlessPresentation, ScoresAndALostLevelGivesBackItsPoints) {
    CGameArea area(CHeadlessPresentation::Factory());
    CHeadlessPresentation* presentation = CHeadlessPresentation::Of(area);
    ASSERT_NE(presentation, nullptr);
    EXPECT_TRUE(area.IsStopped());
    for (int score : {300, 600}) {
        presentation->StartLevel(15);
        EXPECT_FALSE(area.IsStopped());
        for (int line = 0; line < 3; ++line) {
            area.SetCell(line, 3, 1);
            area.SetCell(line, 4, 2);
        }
        area.Resolve();
        EXPECT_EQ(presentation->GetRules().GetScore(), static_cast<unsigned>(score));
    }
    for (int fan = 0; fan < 20 && !area.IsStopped(); ++fan) {
        area.SetCell(fan % 3, 14, 3);
        area.Resolve();
    }
    EXPECT_EQ(presentation->GetOutcome(), EOutcome::LevelFailed);
    EXPECT_EQ(presentation->GetBursts(), 2);
    EXPECT_EQ(presentation->GetFanHits(), 13);  // from 220 and 580 to the limits, then one
    EXPECT_EQ(presentation->GetRules().GetScore(), 300u);
}

TEST(CHeadlessPlayer, DoingNothingLosesTheFirstLevel) {
    const CHeadlessPlayer player(CSilenceStrategy(CSilenceStrategy::EKind::Nobody), 1.0);
    const SLevelResult result = player.PlayLevel(0);
    EXPECT_TRUE(result.myDecided);
    EXPECT_FALSE(result.myWon);
    // Lines that always move together never line up three new bubbles: no burst, and the
    // fan hits at every step from the fifteenth on until the eleventh hit.
    EXPECT_EQ(result.myBursts, 0);
    EXPECT_EQ(result.myFanHits, 11);
    EXPECT_EQ(result.mySteps, 25);
    // Each step in the first frame past 2500 ms, the last resolve in the first past 350 ms.
    const tolm::types::ticks frame = CHeadlessPlayer::kFrameTime;
    EXPECT_EQ(result.myPlayTime, 25u * (2500u / frame + 1u) * frame + (350u / frame + 1u) * frame);
}

TEST(CHeadlessPlayer, LookaheadWinsEveryLevelFromAFixedSeed) {
    const CHeadlessPlayer player(CSilenceStrategy(CSilenceStrategy::EKind::Lookahead, 3), 1.0);
    for (int level = 0; level < CLevelTable::kLevelCount; ++level) {
        SCOPED_TRACE(level);
        const SLevelResult result = player.PlayLevel(level);
        EXPECT_TRUE(result.myWon);
        // The left character must have come past 350.
        const int step = 150 / CLevelTable::SettingsFor(level).myApproachSteps;
        EXPECT_GE(result.myBursts - result.myFanHits, 150 / step + 1);
    }
    EXPECT_EQ(LevelSettings(), CLevelSettings());  // put back after each level
    EXPECT_FALSE(player.PlayLevel(8).myDecided);
}

}  // namespace
}  // namespace game
