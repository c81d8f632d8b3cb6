// Chooses which character to silence, from what a player sees: the bubbles on the board and
// the three waiting bubbles. Used by the headless player; it owns nothing and keeps no
// reference to the area between calls.
#ifndef GAME_CSILENCESTRATEGY_H
#define GAME_CSILENCESTRATEGY_H

#include <array>
#include <cstdint>

#include "game/CGameArea.h"

namespace game {

class CSilenceStrategy {
public:
    enum class EKind {
        // Never silences anyone: every line pushes every step.
        Nobody,
        // Looks a few steps ahead (see Choose) and takes the best first move.
        Lookahead,
    };
    using Numbers = std::array<std::int32_t, CGameArea::kLineCount>;

    explicit CSilenceStrategy(EKind kind = EKind::Lookahead, int depth = 3);

    // The line to silence for the coming step, or -1 for nobody.
    //
    // Lookahead: tries each of the four choices (nobody, line 0, 1, 2) on a copy of the board,
    // pushes the known waiting bubbles, resolves by the game's rules, and repeats to `depth`
    // steps. Waiting bubbles beyond the first step are unknown (they will be drawn at random),
    // so they stand in as bubbles that match nothing; only a silenced line keeps its known
    // one. A path is worth 10 per burst, -14 per fan hit, and at its end +1 for every pair of
    // equal bubbles at one height and a penalty that grows with the square of any line's
    // height above 10. Later steps count 0.9 times the step before. Ties go to the earlier
    // choice in the order nobody, 0, 1, 2.
    int Choose(const CGameArea& area) const;
    int Choose(const CGameArea::Board& board, const Numbers& next) const;

    // One step and its resolve on a bare board, by the area's rules, without touching the
    // random generator. Returns the bursts; a fan hit is added to *fanHits.
    static int SimulateStep(CGameArea::Board& board, const Numbers& next, int silenced,
                            int* fanHits);

    EKind GetKind() const { return myKind; }

private:
    double Search(const CGameArea::Board& board, const Numbers& next, int depth,
                  int* bestChoice) const;
    static double Evaluate(const CGameArea::Board& board);

    EKind myKind;
    int myDepth;
};

}  // namespace game

#endif
