// The "mouse" task: offers the cursor commands "CursorHide", "CursorShow" and
// "CursorChangeTo" in its own console; its update does nothing. It owns its console and
// the commands.
#ifndef TOLM_TASKS_TASK_INPUT_CTASKMOUSE_H
#define TOLM_TASKS_TASK_INPUT_CTASKMOUSE_H

#include <memory>
#include <string>

#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CTask.h"

namespace tolm {

class CTaskMouse : public CTask {
public:
    using CTask::Start;
    bool Start() override;
    void Update() override {}
    void OnStop() override { myRunning = false; }
    bool HandleCommand(const std::string& line) override;

private:
    std::unique_ptr<CConsole> myConsole;
    bool myRunning = false;
};

}  // namespace tolm

#endif
