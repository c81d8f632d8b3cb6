// The characters' approach and the score of a level as plain numbers: where the three
// characters stand, how far one burst or fan hit moves the outer two, the points of the
// current resolve and the score, when a level is complete or failed, and what a lost level
// gives back. Each presentation owns one and feeds it what the area reports; it draws nothing.
#ifndef GAME_CAPPROACHRULES_H
#define GAME_CAPPROACHRULES_H

#include <array>
#include <cstdint>

#include "game/GameLayout.h"

namespace game {

class CApproachRules {
public:
    enum class EOutcome { None, LevelComplete, LevelFailed };

    static constexpr int kLineCount = 3;
    static constexpr std::int32_t kDefaultApproachSteps = 15;
    // A burst plays this many sounds, each chosen from kBurstSoundCount.
    static constexpr int kBurstSounds = 3;
    static constexpr int kBurstSoundCount = 7;
    using BurstSounds = std::array<int, kBurstSounds>;

    // Whether removing row `line_count` is a burst; the fan clears the top row.
    static bool IsBurst(int line_count);

    // Characters at their start, divisor 15, step 10, score 0.
    CApproachRules();

    // The divisor of the approach distance; takes effect at the next BeginLevel. Values
    // below 1 count as 1, which would otherwise divide by zero.
    void SetApproachSteps(std::int32_t approachSteps);
    std::int32_t GetApproachSteps() const { return myApproachSteps; }

    // Characters back to their start and the step recomputed from the divisor. The score
    // carries over and is remembered as the score at level start.
    void BeginLevel();

    // A row removed from the board. A burst also draws its sounds from the engine's generator,
    // whether or not anyone plays them, so that a run with or without sound draws the same
    // numbers. The completion check runs after every removed row, also the one the fan clears.
    EOutcome RowRemoved(int line_count);
    EOutcome FanHit();
    // Adds the points of the resolve that just ended to the score and returns what was added.
    std::uint32_t FlushScore();
    // A lost level: the score goes back to its value at the level's start. The resolve that
    // lost it still flushes; its points belong to the lost level and are dropped too.
    void LoseLevel();
    // The game goes on from a saved score; takes effect as the level's start at BeginLevel.
    void SetScore(std::uint32_t score);

    std::int32_t GetX(int line) const;
    std::int32_t GetLeftX() const { return myPositions[0]; }
    std::int32_t GetRightX() const { return myPositions[kLineCount - 1]; }
    std::int32_t GetStep() const { return myStep; }
    std::int32_t GetPoints() const { return myPoints; }
    std::uint32_t GetScore() const { return myScore; }
    std::uint32_t GetScoreAtLevelStart() const { return myScoreAtLevelStart; }
    // The sounds of the last burst, 1 .. kBurstSoundCount each.
    const BurstSounds& GetBurstSounds() const { return myBurstSounds; }

private:
    EOutcome CheckComplete() const;

    std::array<std::int32_t, kLineCount> myPositions = layout::kStartX;
    std::int32_t myApproachSteps = kDefaultApproachSteps;
    std::int32_t myStep = 0;
    std::int32_t myPoints = 0;
    std::uint32_t myScore = 0;
    std::uint32_t myScoreAtLevelStart = 0;
    BurstSounds myBurstSounds{};
};

}  // namespace game

#endif
