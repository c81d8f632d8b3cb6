#include "game/CApproachRules.h"

#include "game/CGameArea.h"
#include "tolm/utils/random/Random.h"

namespace game {
namespace {

constexpr int kTopRow = CVimbo_GameAreaLength - 1;

}  // namespace

using namespace layout;

bool CApproachRules::IsBurst(int line_count) {
    return line_count < kTopRow;
}

CApproachRules::CApproachRules() {
    BeginLevel();
}

void CApproachRules::SetApproachSteps(std::int32_t approachSteps) {
    myApproachSteps = approachSteps < 1 ? 1 : approachSteps;
}

void CApproachRules::BeginLevel() {
    myPositions = kStartX;
    myStep = (kColumnX[0] - kStartX[0]) / myApproachSteps;
    myScoreAtLevelStart = myScore;
}

CApproachRules::EOutcome CApproachRules::RowRemoved(int line_count) {
    if (IsBurst(line_count)) {
        myPositions[0] += myStep;
        myPositions[kLineCount - 1] -= myStep;
        // One burst scores 1, each further burst of the same resolve triples it.
        myPoints = myPoints == 0 ? 1 : myPoints * 3;
        for (int& sound : myBurstSounds) sound = tolm::Random(1, kBurstSoundCount);
    }
    return CheckComplete();
}

CApproachRules::EOutcome CApproachRules::FanHit() {
    EOutcome outcome = EOutcome::None;
    std::int32_t& left = myPositions[0];
    std::int32_t& right = myPositions[kLineCount - 1];
    if (left > kLeftLimitX) {
        left -= myStep;
    } else if (right >= kRightLimitX) {
        outcome = EOutcome::LevelFailed;
    }
    if (right < kRightLimitX) right += myStep;
    return outcome;
}

std::uint32_t CApproachRules::FlushScore() {
    const std::uint32_t added = static_cast<std::uint32_t>(myPoints) * 100u;
    myScore += added;
    myPoints = 0;
    return added;
}

void CApproachRules::LoseLevel() {
    myPoints = 0;
    myScore = myScoreAtLevelStart;
}

void CApproachRules::SetScore(std::uint32_t score) {
    myPoints = 0;
    myScore = score;
}

std::int32_t CApproachRules::GetX(int line) const {
    return line >= 0 && line < kLineCount ? myPositions[line] : 0;
}

CApproachRules::EOutcome CApproachRules::CheckComplete() const {
    const bool inside = myPositions[0] > kColumnX[0] && myPositions[kLineCount - 1] < kColumnX[2];
    return inside ? EOutcome::LevelComplete : EOutcome::None;
}

}  // namespace game
