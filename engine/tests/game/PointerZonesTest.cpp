// The pointer zones that the pointer controller and autoplay share: wherever the approach has
// brought the outer characters, the point autoplay aims at for a line silences that line.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "game/CApproachRules.h"
#include "game/CAutoPlayTask.h"
#include "game/CLevelTable.h"
#include "game/PointerZones.h"

namespace game {
namespace {

using EOutcome = CApproachRules::EOutcome;
using Approach = std::pair<int, int>;

// Every place of the outer characters that bursts and fan hits can reach from a level's start
// with this divisor, up to and including the move that ends the level.
std::set<Approach> ReachableApproaches(int divisor) {
    CApproachRules start;
    start.SetApproachSteps(divisor);
    start.BeginLevel();
    std::set<Approach> seen{{start.GetLeftX(), start.GetRightX()}};
    std::vector<CApproachRules> open{start};
    while (!open.empty()) {
        const CApproachRules rules = open.back();
        open.pop_back();
        for (bool burst : {true, false}) {
            CApproachRules next = rules;
            const EOutcome outcome = burst ? next.RowRemoved(0) : next.FanHit();
            next.FlushScore();  // one event a resolve
            if (!seen.insert({next.GetLeftX(), next.GetRightX()}).second) continue;
            if (outcome == EOutcome::None) open.push_back(next);
        }
    }
    return seen;
}

TEST(PointerZones, TheAutoplayPointerForEveryLineLandsInThatLinesZoneAtEveryApproach) {
    std::set<int> divisors;
    for (int level = 0; level < CLevelTable::kLevelCount; ++level)
        divisors.insert(CLevelTable::SettingsFor(level).myApproachSteps);
    for (int divisor : divisors) {
        const std::set<Approach> approaches = ReachableApproaches(divisor);
        // From 200 and 600 both ways to the limits and past the columns.
        EXPECT_GT(approaches.size(), static_cast<std::size_t>(2 * 150 / divisor)) << divisor;
        for (const Approach& at : approaches) {
            const SPointerZones zones = PointerZones(at.first, at.second);
            for (int line = -1; line < 3; ++line) {
                const tolm::types::point pointer =
                    CAutoPlayTask::PointerFor(line, at.first, at.second);
                const std::optional<int> silenced = LineAtPointer(zones, pointer.x, pointer.y);
                ASSERT_TRUE(silenced.has_value())
                    << divisor << ": " << at.first << "," << at.second;
                EXPECT_EQ(*silenced, line) << divisor << ": " << at.first << "," << at.second;
            }
        }
    }
}

}  // namespace
}  // namespace game
