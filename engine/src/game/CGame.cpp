#include "game/CGame.h"

#include "game/CLevelSettings.h"

namespace game {

CGame::CGame(const CGameArea::PresentationFactory& factory) : myArea(factory) {}

void CGame::Update() {
    if (myStepTimer.GetTime() > LevelSettings().myStepInterval) {
        myStepTimer.Reset();
        myArea.Step();
        myResolved = false;
    }
    if (myStepTimer.GetTime() > kResolveDelay && !myResolved) {
        myArea.Resolve();
        myResolved = true;
    }
}

}  // namespace game
