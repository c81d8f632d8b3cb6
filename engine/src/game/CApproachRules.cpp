#include "game/CApproachRules.h"

#include "game/CGameArea.h"

namespace game {
namespace {

constexpr int TopRow = CVimbo_GameAreaLength - 1;

}  // namespace

CApproachRules::CApproachRules() {
    BeginLevel();
}

void CApproachRules::SetApproachSteps(std::int32_t approachSteps) {
    myApproachSteps = approachSteps < 1 ? 1 : approachSteps;
}

void CApproachRules::BeginLevel() {
    myPositions = StartX;
    myStep = (ColumnX[0] - StartX[0]) / myApproachSteps;
}

CApproachRules::EOutcome CApproachRules::RowRemoved(int line_count) {
    if (line_count < TopRow) {
        myPositions[0] += myStep;
        myPositions[LineCount - 1] -= myStep;
        // One burst scores 1, each further burst of the same resolve triples it.
        myPoints = myPoints == 0 ? 1 : myPoints * 3;
    }
    return CheckComplete();
}

CApproachRules::EOutcome CApproachRules::FanHit() {
    EOutcome outcome = EOutcome::None;
    std::int32_t& left = myPositions[0];
    std::int32_t& right = myPositions[LineCount - 1];
    if (left > LeftLimitX) {
        left -= myStep;
    } else if (right >= RightLimitX) {
        outcome = EOutcome::LevelFailed;
    }
    if (right < RightLimitX) right += myStep;
    return outcome;
}

std::uint32_t CApproachRules::FlushScore() {
    const std::uint32_t added = static_cast<std::uint32_t>(myPoints) * 100u;
    myScore += added;
    myPoints = 0;
    return added;
}

std::int32_t CApproachRules::GetX(int line) const {
    return line >= 0 && line < LineCount ? myPositions[line] : 0;
}

CApproachRules::EOutcome CApproachRules::CheckComplete() const {
    const bool inside = myPositions[0] > ColumnX[0] && myPositions[LineCount - 1] < ColumnX[2];
    return inside ? EOutcome::LevelComplete : EOutcome::None;
}

}  // namespace game
