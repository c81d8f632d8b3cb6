#include "game/CAutoPlayTask.h"

#include <algorithm>
#include <cstdio>

#include "SDL.h"
#include "game/CGameTask.h"
#include "game/CGfxHandler.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/utils/logger/CLogger.h"

namespace game {
namespace {

tolm::CTaskRegistrar<CAutoPlayTask> ourRegistrar("autoplay");

constexpr int PointerY = 500;
constexpr int FreePointerY = 300;

tolm::types::ticks Seconds(const tolm::CParameterList& parameters, std::size_t i) {
    if (!parameters.IsType(i, tolm::CParameter::kNumber)) return 0;
    const double seconds = parameters.GetNumber(i);
    // Negative, absurd or not-a-number values mean "never".
    if (!(seconds > 0.0) || seconds > 86400.0 * 365.0) return 0;
    return static_cast<tolm::types::ticks>(seconds * 1000.0);
}

void PushButton(Uint8 type, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&event);
}

}  // namespace

bool CAutoPlayTask::Start(const tolm::CParameterList& parameters) {
    if (parameters.IsType(0, tolm::CParameter::kString)) myGameName = parameters.GetString(0);
    myQuitAfter = Seconds(parameters, 1);
    myScreenshotEvery = Seconds(parameters, 2);
    return Start();
}

bool CAutoPlayTask::Start() {
    myRunTime.Reset();
    myPictureTime.Reset();
    tolm::Logger() << "Autoplay drives the game task " << myGameName << std::endl;
    return true;
}

void CAutoPlayTask::Update() {
    TakeScreenshotIfDue();
    if (myQuitAfter != 0 && !myQuitSent && myRunTime.GetTime() >= myQuitAfter) {
        myQuitSent = true;
        tolm::Logger() << "Autoplay quits after " << myQuitAfter / 1000 << " s" << std::endl;
        tolm::Console().Execute("quit", false);
        return;
    }
    CGame* game = FindGame();
    CGfxHandler* view = game != nullptr ? CGfxHandler::Of(game->GetArea()) : nullptr;
    if (view == nullptr) return;
    const int state = view->GetFlow().GetScreenState();
    if (state != myLastState) {
        myLastState = state;
        myPictureTime.Reset();
        myChosenAtStep = -1;
    }
    if (state == CLevelFlow::Playing) {
        Play(*game, *view);
    } else {
        ClickThroughPicture(state);
    }
}

tolm::types::point CAutoPlayTask::PointerFor(int line, int leftX, int rightX) {
    // The zones the presentation uses: left of `left`, right of `right`, the middle between.
    const int left = std::min(std::max(leftX + 50, 300), 350);
    const int right = std::max(std::min(rightX - 50, 500), 450);
    switch (line) {
        case 0:
            return tolm::types::point((50 + left) / 2, PointerY);
        case 1:
            return tolm::types::point((left + right) / 2, PointerY);
        case 2:
            return tolm::types::point((right + 750) / 2, PointerY);
        default:
            return tolm::types::point(400, FreePointerY);
    }
}

CGame* CAutoPlayTask::FindGame() const {
    auto* task = dynamic_cast<CGameTask*>(tolm::TaskFactory().FindTask(myGameName));
    return task != nullptr ? task->GetGame() : nullptr;
}

void CAutoPlayTask::Play(const CGame& game, const CGfxHandler& view) {
    const CGameArea& area = game.GetArea();
    // Stopped while playing: the end picture, where nothing is left to do.
    if (area.IsStopped()) return;
    // Choose on a settled board: at the level's start and after each resolve.
    if (!game.IsResolved()) return;
    if (myChosenAtStep != area.GetStepCount()) {
        myChosenAtStep = area.GetStepCount();
        myWantedLine = myStrategy.Choose(area);
    } else if (myWarpTime.GetTime() < WarpRetry) {
        return;
    }
    if (myWantedLine == area.GetSelectedLine()) return;
    const CApproachRules& rules = view.GetRules();
    const tolm::types::point at = PointerFor(myWantedLine, rules.GetLeftX(), rules.GetRightX());
    myNudge = 1 - myNudge;
    SDL_WarpMouse(static_cast<Uint16>(at.x), static_cast<Uint16>(at.y + myNudge));
    myWarpTime.Reset();
}

void CAutoPlayTask::ClickThroughPicture(int /*state*/) {
    if (myPictureTime.GetTime() < ClickDelay) return;
    // A click that got lost is simply made again after another delay.
    myPictureTime.Reset();
    SDL_WarpMouse(400, FreePointerY);
    PushButton(SDL_MOUSEBUTTONDOWN, 400, FreePointerY);
    PushButton(SDL_MOUSEBUTTONUP, 400, FreePointerY);
}

void CAutoPlayTask::TakeScreenshotIfDue() {
    if (myScreenshotEvery == 0) return;
    if (myRunTime.GetTime() - myLastScreenshot < myScreenshotEvery) return;
    myLastScreenshot = myRunTime.GetTime();
    char name[32];
    std::snprintf(name, sizeof name, "autoplay_%02d.png", ++myScreenshots);
    tolm::Console().Execute(std::string("gfx::Screenshot(\"") + name + "\")", false);
}

}  // namespace game
