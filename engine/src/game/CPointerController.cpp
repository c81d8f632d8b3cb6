#include "game/CPointerController.h"

#include "game/GameLayout.h"
#include "game/PointerZones.h"

namespace game {

CPointerController::CPointerController(const CApproachRules& rules, CLevelFlow& flow)
    : myRules(rules), myFlow(flow) {}

void CPointerController::PointerMoved(int x, int y) {
    const std::optional<int> line =
        LineAtPointer(PointerZones(myRules.GetLeftX(), myRules.GetRightX()), x, y);
    myX = x;
    myY = y;
    if (line) myFlow.Silence(*line);
}

void CPointerController::ButtonPressed(int mask) {
    if (mask == CLevelFlow::kLeftButton && myFlow.OffersChoice() && OnNewGameButton()) {
        myFlow.NewGame();
        return;
    }
    myFlow.ButtonPressed(mask);
}

bool CPointerController::OnNewGameButton() const {
    return myX >= layout::kNewGameLeft && myX < layout::kNewGameRight &&
           myY >= layout::kNewGameTop && myY < layout::kNewGameBottom;
}

}  // namespace game
