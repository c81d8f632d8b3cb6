// The window task as the rest of the program sees it, whatever the back end: once started it
// tells whether its window opened and, when it did not, whether there was no display at all
// or the display refused the window, with the reason in words fit for the user. The back end
// (the "window" task of the "sdl" library) decides which; the process entry reads it.
#ifndef TOLM_TASKS_CTASKWINDOW_H
#define TOLM_TASKS_CTASKWINDOW_H

#include <string>

#include "tolm/tasks/CTask.h"

namespace tolm {

class CTaskWindow : public CTask {
public:
    enum EOutcome {
        kNotStarted,
        kOpen,
        // No video driver that draws pictures could start: nothing to show a window on.
        kNoDisplay,
        // A display is there, but it would not give the window its size, depth or mode.
        kRefused,
    };

    using CTask::CTask;

    // Of the last start; later mode changes (resizes, full screen) do not alter it.
    EOutcome GetOutcome() const { return myOutcome; }
    // Why the window did not open; empty when it did.
    const std::string& GetFailure() const { return myFailure; }

protected:
    void SetOutcome(EOutcome outcome, const std::string& failure) {
        myOutcome = outcome;
        myFailure = failure;
    }

private:
    EOutcome myOutcome = kNotStarted;
    std::string myFailure;
};

}  // namespace tolm

#endif
