#include "tolm/tasks/CActivityHandler.h"

#include "tolm/tasks/CTaskScheduler.h"

namespace tolm {

void CActivityHandler::OnActivityChanged(bool active) {
    myActive = active;
    if (active) {
        myScheduler.ResumeAllAfterInactivity();
    } else {
        myScheduler.PauseAllForInactivity();
    }
}

void CActivityHandler::OnQuitRequested() {
    myScheduler.Quit();
}

}  // namespace tolm
