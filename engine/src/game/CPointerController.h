// The player's pointer: a move silences the line whose zone the pointer is in, by the zones
// of the outer characters' current places; a press goes to the level flow, and on the title
// that offers a choice a press on the second button starts again from level 1. The presentation
// owns one and hands it the approach rules and the level flow, which outlive it.
#ifndef GAME_CPOINTERCONTROLLER_H
#define GAME_CPOINTERCONTROLLER_H

#include "game/CApproachRules.h"
#include "game/CLevelFlow.h"

namespace game {

class CPointerController {
public:
    CPointerController(const CApproachRules& rules, CLevelFlow& flow);
    CPointerController(const CPointerController&) = delete;
    CPointerController& operator=(const CPointerController&) = delete;

    void PointerMoved(int x, int y);
    void ButtonPressed(int mask);

private:
    bool OnNewGameButton() const;

    const CApproachRules& myRules;
    CLevelFlow& myFlow;
    // Where the last move put the pointer; nowhere until it moves.
    int myX = -1;
    int myY = -1;
};

}  // namespace game

#endif
