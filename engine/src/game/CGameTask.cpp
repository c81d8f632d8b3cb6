#include "game/CGameTask.h"

#include <sstream>

#include "game/CGfxHandler.h"
#include "game/CLevelFlow.h"
#include "game/CSavedProgress.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/utils/files/CPlayerFile.h"

namespace game {
namespace {

tolm::CTaskRegistrar<CGameTask> ourRegistrar("game");

}  // namespace

CGameTask::~CGameTask() = default;

bool CGameTask::Start(const tolm::CParameterList& /*parameters*/) {
    return Start();
}

bool CGameTask::Start() {
    // A second start would otherwise build a second presentation over the first one's
    // pictures and mouse registration.
    if (myGame) return true;
    // Before the game: its title shows what was saved.
    SavedProgress().Open(tolm::CPlayerFile::PathOf(CSavedProgress::kFileName));
    myGame = std::make_unique<CGame>(CGfxHandler::Factory());
    return true;
}

void CGameTask::Update() {
    if (myGame) myGame->Update();
    // A failed save of the progress or the settings is told here, on the main thread.
    tolm::CPlayerFile::ReportWrites();
}

void CGameTask::OnStop() {
    myGame.reset();
}

void CGameTask::OnPause() {
    if (myGame) myGame->Pause();
}

void CGameTask::OnResume() {
    if (myGame) myGame->Resume();
}

bool CGameTask::HandleCommand(const std::string& line) {
    // The factory keeps routing to a stopped task by its name; there is no game to tell.
    if (!myGame) return true;
    CGfxHandler* handler = CGfxHandler::Of(myGame->GetArea());
    // Another presentation (a test's) has no flow: only the area hears of the line.
    if (handler == nullptr) {
        myGame->GetArea().SetSelectedLine(ParseLine(line));
        return true;
    }
    CLevelFlow& flow = handler->GetFlow();
    const bool onPicture = flow.GetScreenState() != CLevelFlow::kPlaying;
    if (line == kContinue || (line == kSpace && onPicture)) {
        flow.ButtonPressed(CLevelFlow::kLeftButton);
    } else if (line == kNewGame) {
        flow.NewGame();
    } else {
        flow.Silence(line == kSpace ? -1 : ParseLine(line));
    }
    return true;
}

int CGameTask::ParseLine(const std::string& text) {
    std::istringstream stream(text);
    int value = -1;
    if (!(stream >> value)) value = -1;
    return value;
}

}  // namespace game
