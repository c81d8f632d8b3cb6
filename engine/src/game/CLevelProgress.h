// How far the player has got, kept for the life of the process: the index of the level being
// played and the approach divisor that goes with it. Stopping the game task resets neither,
// so a game started again begins at the level reached. Process-wide, created on first use.
#ifndef GAME_CLEVELPROGRESS_H
#define GAME_CLEVELPROGRESS_H

#include <cstdint>

#include "game/CApproachRules.h"
#include "tolm/Services.h"

namespace game {

class CLevelProgress {
public:
    // 0 for the first level; never reset.
    std::int32_t myLevelIndex = 0;
    // Copied from the level's settings when a later level begins.
    std::int32_t myApproachSteps = CApproachRules::kDefaultApproachSteps;
};

}  // namespace game

#endif
