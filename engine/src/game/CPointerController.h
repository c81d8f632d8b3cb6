// The player's pointer: a move silences the line whose zone the pointer is in, by the zones
// of the outer characters' current places; a press goes to the level flow. The presentation
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
    const CApproachRules& myRules;
    CLevelFlow& myFlow;
};

}  // namespace game

#endif
