// The clock of the game: owns the area and steps it whenever the level's interval has passed,
// then resolves it 350 ms after the step. The game task owns one CGame and calls Update on
// each of its updates.
#ifndef GAME_CGAME_H
#define GAME_CGAME_H

#include "game/CGameArea.h"
#include "tolm/types/Types.h"
#include "tolm/utils/timer/CTimer.h"

namespace game {

class CGame {
public:
    // Time from a step to its resolve, so that the pushed bubbles are seen before they burst.
    static constexpr tolm::types::ticks kResolveDelay = 350;

    // The factory makes the area's presentation (the game task gives the desktop one).
    explicit CGame(const CGameArea::PresentationFactory& factory);
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    void Update();
    void Pause() { myStepTimer.Pause(); }
    void Resume() { myStepTimer.Resume(); }

    CGameArea& GetArea() { return myArea; }
    const CGameArea& GetArea() const { return myArea; }
    // True from the resolve until the next step.
    bool IsResolved() const { return myResolved; }

private:
    bool myResolved = true;
    CGameArea myArea;
    // Runs from creation, through the title and help screens, and is reset only by a step.
    tolm::CTimer myStepTimer;
};

}  // namespace game

#endif
