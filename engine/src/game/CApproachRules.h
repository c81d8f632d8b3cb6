// The characters' approach and the score of a level as plain numbers: where the three
// characters stand, how far one burst or fan hit moves the outer two, the points of the
// current resolve and the score, and when a level is complete or failed. The presentation
// owns one and feeds it what the area reports; it draws nothing itself.
#ifndef GAME_CAPPROACHRULES_H
#define GAME_CAPPROACHRULES_H

#include <array>
#include <cstdint>

namespace game {

class CApproachRules {
public:
    enum class EOutcome { None, LevelComplete, LevelFailed };

    static constexpr int LineCount = 3;
    // Character x at level start, and the x where each line's bubbles rise.
    static constexpr std::array<std::int32_t, LineCount> StartX = {200, 400, 600};
    static constexpr std::array<std::int32_t, LineCount> ColumnX = {350, 400, 450};
    static constexpr std::int32_t LeftLimitX = 100;
    static constexpr std::int32_t RightLimitX = 700;
    static constexpr std::int32_t DefaultApproachSteps = 15;

    // Characters at their start, divisor 15, step 10, score 0.
    CApproachRules();

    // The divisor of the approach distance; takes effect at the next BeginLevel. Values
    // below 1 count as 1, which would otherwise divide by zero.
    void SetApproachSteps(std::int32_t approachSteps);
    std::int32_t GetApproachSteps() const { return myApproachSteps; }

    // Characters back to their start and the step recomputed from the divisor. The score
    // carries over.
    void BeginLevel();

    // A row removed from the board: below the top row it is a burst. The completion check
    // runs after every removed row, also the one the fan clears.
    EOutcome RowRemoved(int line_count);
    EOutcome FanHit();
    // Adds the points of the resolve that just ended to the score and returns what was added.
    std::uint32_t FlushScore();
    // Forgets the points of the current resolve, so that its flush adds nothing.
    void DropPoints() { myPoints = 0; }

    std::int32_t GetX(int line) const;
    std::int32_t GetLeftX() const { return myPositions[0]; }
    std::int32_t GetRightX() const { return myPositions[LineCount - 1]; }
    std::int32_t GetStep() const { return myStep; }
    std::int32_t GetPoints() const { return myPoints; }
    std::uint32_t GetScore() const { return myScore; }
    void SetScore(std::uint32_t score) { myScore = score; }

private:
    EOutcome CheckComplete() const;

    std::array<std::int32_t, LineCount> myPositions = StartX;
    std::int32_t myApproachSteps = DefaultApproachSteps;
    std::int32_t myStep = 0;
    std::int32_t myPoints = 0;
    std::uint32_t myScore = 0;
};

}  // namespace game

#endif
