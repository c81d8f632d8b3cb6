#include <gtest/gtest.h>

#include "game/CHeadlessPlayer.h"
#include "game/CLevelSettings.h"
#include "game/CLevelTable.h"

namespace game {
namespace {

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
    const tolm::types::ticks frame = CHeadlessPlayer::FrameTime;
    EXPECT_EQ(result.myPlayTime, 25u * (2500u / frame + 1u) * frame + (350u / frame + 1u) * frame);
}

TEST(CHeadlessPlayer, LookaheadWinsEveryLevelFromAFixedSeed) {
    const CHeadlessPlayer player(CSilenceStrategy(CSilenceStrategy::EKind::Lookahead, 3), 1.0);
    for (int level = 0; level < CLevelTable::LevelCount; ++level) {
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
