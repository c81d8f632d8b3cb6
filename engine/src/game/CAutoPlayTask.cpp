#include "game/CAutoPlayTask.h"

#include <cstdio>

#include "game/CGameTask.h"
#include "game/CGfxHandler.h"
#include "game/PointerZones.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/utils/logger/CLogger.h"

namespace game {
namespace {

tolm::CTaskRegistrar<CAutoPlayTask> ourRegistrar("autoplay");

constexpr int kFreePointerY = 300;

tolm::types::ticks Seconds(const tolm::CParameterList& parameters, std::size_t i) {
    if (!parameters.IsType(i, tolm::CParameter::kNumber)) return 0;
    const double seconds = parameters.GetNumber(i);
    // Negative, absurd or not-a-number values mean "never".
    if (!(seconds > 0.0) || seconds > 86400.0 * 365.0) return 0;
    return static_cast<tolm::types::ticks>(seconds * 1000.0);
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
    if (state == CLevelFlow::kPlaying) {
        Play(*game, *view);
    } else {
        ClickThroughPicture(state);
    }
}

tolm::types::point CAutoPlayTask::PointerFor(int line, int leftX, int rightX) {
    return PointerInZone(PointerZones(leftX, rightX), line);
}

CGame* CAutoPlayTask::FindGame() const {
    auto* task = dynamic_cast<CGameTask*>(
        tolm::TaskFactory().FindTask(myGameName));
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
    } else if (myWarpTime.GetTime() < kWarpRetry) {
        return;
    }
    if (myWantedLine == area.GetSelectedLine()) return;
    const CApproachRules& rules = view.GetRules();
    const tolm::types::point at = PointerFor(myWantedLine, rules.GetLeftX(), rules.GetRightX());
    myNudge = 1 - myNudge;
    tolm::EventManager().MouseMoved(at.x, at.y + myNudge);
    myWarpTime.Reset();
}

void CAutoPlayTask::ClickThroughPicture(int /*state*/) {
    if (myPictureTime.GetTime() < kClickDelay) return;
    // A click that got lost is simply made again after another delay.
    myPictureTime.Reset();
    tolm::CEventManager& events = tolm::EventManager();
    events.MouseMoved(400, kFreePointerY);
    const int left = tolm::CEventManager::ButtonMask(1);
    events.ButtonDown(left);
    events.ButtonUp(left);
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
