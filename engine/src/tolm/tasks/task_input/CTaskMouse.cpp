#include "tolm/tasks/task_input/CTaskMouse.h"

#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/tasks/task_input/CCursorCommand.h"

namespace tolm {

namespace {
CTaskRegistrar<CTaskMouse> ourRegistrar("mouse");
}  // namespace

bool CTaskMouse::Start() {
    myConsole = CreateConsole();
    myConsole->AddOwnedCommand("CursorHide",
                               std::make_unique<CCursorCommand>(CCursorCommand::kHide));
    myConsole->AddOwnedCommand("CursorShow",
                               std::make_unique<CCursorCommand>(CCursorCommand::kShow));
    myConsole->AddOwnedCommand("CursorChangeTo",
                               std::make_unique<CCursorCommand>(CCursorCommand::kChangeTo));
    myRunning = true;
    return true;
}

bool CTaskMouse::HandleCommand(const std::string& line) {
    if (!myRunning || !myConsole) return false;
    myConsole->Execute(line);
    return true;
}

}  // namespace tolm
