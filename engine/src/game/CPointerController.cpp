#include "game/CPointerController.h"

#include "game/PointerZones.h"

namespace game {

CPointerController::CPointerController(const CApproachRules& rules, CLevelFlow& flow)
    : myRules(rules), myFlow(flow) {}

void CPointerController::PointerMoved(int x, int y) {
    const std::optional<int> line =
        LineAtPointer(PointerZones(myRules.GetLeftX(), myRules.GetRightX()), x, y);
    if (line) myFlow.Silence(*line);
}

void CPointerController::ButtonPressed(int mask) {
    myFlow.ButtonPressed(mask);
}

}  // namespace game
