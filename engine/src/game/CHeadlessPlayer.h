// Plays levels on the real rules (CGame, CGameArea) with a headless presentation, a simulated
// clock and a silence strategy, and reports how each level went. While a level plays it
// replaces the process-wide time source and level settings, and puts both back afterwards.
#ifndef GAME_CHEADLESSPLAYER_H
#define GAME_CHEADLESSPLAYER_H

#include <cstdint>

#include "game/CSilenceStrategy.h"
#include "tolm/types/Types.h"

namespace game {

struct SLevelResult {
    int myLevelIndex = 0;
    // False when the time limit ran out before the level was won or lost.
    bool myDecided = false;
    bool myWon = false;
    int mySteps = 0;
    int myBursts = 0;
    int myFanHits = 0;
    std::uint32_t myScore = 0;
    tolm::types::ticks myPlayTime = 0;
};

class CHeadlessPlayer {
public:
    // The game's clock advances by one frame of this length between updates.
    static constexpr tolm::types::ticks FrameTime = 16;
    // Simulated time after which an undecided level is given up (4 hours).
    static constexpr tolm::types::ticks DefaultTimeLimit = 4u * 60u * 60u * 1000u;

    explicit CHeadlessPlayer(const CSilenceStrategy& strategy, double seed = 1.0);

    void SetTimeLimit(tolm::types::ticks limit) { myTimeLimit = limit; }

    // Plays level index 0..7 from its start with the generator seeded with the seed; each
    // level starts with score 0, so the same level gives the same result alone or in a run.
    // An index out of range gives an undecided result with no steps.
    SLevelResult PlayLevel(int levelIndex) const;

private:
    CSilenceStrategy myStrategy;
    double mySeed;
    tolm::types::ticks myTimeLimit = DefaultTimeLimit;
};

}  // namespace game

#endif
