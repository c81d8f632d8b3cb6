// The "event" task (library "sdl"): each update empties SDL's event queue and hands every
// event to the process-wide event manager; closing the window asks the scheduler to quit.
// SDL translates key presses into characters only while the event manager has an open
// text-entry request.
// While it runs it is the event manager's cursor handler and owns the SDL cursor it built
// (freed when it is replaced or the task is destroyed).
#ifndef TOLM_TASKS_TASK_SDL_CTASKEVENTSDL_H
#define TOLM_TASKS_TASK_SDL_CTASKEVENTSDL_H

#include "SDL.h"
#include "tolm/inputdevice/CCursorHandler.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CTask.h"

namespace tolm {

class CTaskEventSDL : public CTask, public CCursorHandler {
public:
    CTaskEventSDL();
    ~CTaskEventSDL() override;

    using CTask::Start;
    bool Start() override;
    void Update() override;
    void OnStop() override;

    void ShowCursor() override;
    void HideCursor() override;
    // Builds the picture of kinds 1 to 9 and shows it; the same kind again, or any other
    // kind (which acts as 0), leaves the visible cursor as it is.
    void SetCursor(int kind) override;

    int GetCursorKind() const { return myCursorKind; }

    // One event, as Update hands it on.
    void HandleEvent(const SDL_Event& event);

private:
    void ReleaseCursor();
    // Turns SDL's character translation on or off to match the open requests.
    void FollowTextEntry();

    int myCursorKind = kNone;
    SDL_Cursor* myCursor = nullptr;
    // Whether translation is on: -1 until the task first sets it.
    int myTranslating = -1;
    CEventManager* myEventManager;
};

}  // namespace tolm

#endif
