// The task of type "autoplay": plays the running game as a person would, through the
// engine's own input paths. It chooses the character to silence with the headless player's
// strategy on the board as it stands, moves the pointer over that character, and clicks
// through the title, help and between-level pictures; its motions and clicks enter through
// the event manager as a mouse's would. Optionally it saves screenshots at an interval and
// quits after a while, which makes it an attract mode, a driver for long runs and a
// demonstration.
//
// Start parameters, all optional: the game task's instance name (string, "game"); seconds
// until it executes "quit" (number, 0 = never); seconds between screenshots (number, 0 =
// none), written by the graphics task "gfx" as "autoplay_01.png", "autoplay_02.png", ...
// It refers to the game task by name on every update and owns nothing of it.
#ifndef GAME_CAUTOPLAYTASK_H
#define GAME_CAUTOPLAYTASK_H

#include <string>

#include "game/CGame.h"
#include "game/CSilenceStrategy.h"
#include "tolm/tasks/CTask.h"
#include "tolm/types/Types.h"
#include "tolm/utils/timer/CTimer.h"

namespace game {

class CGfxHandler;

class CAutoPlayTask : public tolm::CTask {
public:
    // How long a picture stays before the click that leaves it.
    static constexpr tolm::types::ticks kClickDelay = 1500;
    // How long a pointer motion may take to reach the game before it is made again.
    static constexpr tolm::types::ticks kWarpRetry = 100;

    CAutoPlayTask() = default;

    bool Start(const tolm::CParameterList& parameters) override;
    bool Start() override;
    void Update() override;

    // The pointer position that silences `line` (-1: nobody) with the outer characters at
    // leftX and rightX, in the middle of the line's zone.
    static tolm::types::point PointerFor(int line, int leftX, int rightX);

    int GetScreenshotCount() const { return myScreenshots; }

private:
    CGame* FindGame() const;
    void Play(const CGame& game, const CGfxHandler& view);
    void ClickThroughPicture(int state);
    void TakeScreenshotIfDue();

    std::string myGameName = "game";
    tolm::types::ticks myQuitAfter = 0;
    tolm::types::ticks myScreenshotEvery = 0;
    CSilenceStrategy myStrategy;
    tolm::CTimer myRunTime;
    tolm::CTimer myPictureTime;
    tolm::types::ticks myLastScreenshot = 0;
    int myScreenshots = 0;
    int myLastState = -1;
    // The step count when the line was last chosen (-1 to choose again), and the choice.
    int myChosenAtStep = -1;
    int myWantedLine = -1;
    tolm::CTimer myWarpTime;
    // Alternates, so that each motion moves the pointer: a mouse reports no motion to
    // where the pointer already is.
    int myNudge = 0;
    bool myQuitSent = false;
};

}  // namespace game

#endif
