#include "game/CGameTask.h"

#include <sstream>

#include "game/CGfxHandler.h"
#include "tolm/tasks/CTaskRegistrar.h"

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
    if (!myGame) myGame = std::make_unique<CGame>(CGfxHandler::Factory());
    return true;
}

void CGameTask::Update() {
    if (myGame) myGame->Update();
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
    if (myGame) myGame->GetArea().SetSelectedLine(ParseLine(line));
    return true;
}

int CGameTask::ParseLine(const std::string& text) {
    std::istringstream stream(text);
    int value = -1;
    if (!(stream >> value)) value = -1;
    return value;
}

}  // namespace game
