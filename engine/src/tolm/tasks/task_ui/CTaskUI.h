// The "ui" task: connects the widget tree to input. It takes the first look at pointer
// events as a pointer filter of the event manager and routes them to the process-wide
// desktop; what a widget takes goes no further, so a click on a widget never also reaches
// the game behind it. It listens for window size changes, which resize the desktop. It owns
// nothing; the desktop is process-wide.
#ifndef TOLM_UI_CTASKUI_H
#define TOLM_UI_CTASKUI_H

#include "tolm/inputdevice/CKeyboardListener.h"
#include "tolm/inputdevice/CPointerFilter.h"
#include "tolm/inputdevice/CScreenListener.h"
#include "tolm/tasks/CTask.h"
#include "tolm/types/Types.h"

namespace tolm::ui {

class CTaskUI : public CTask,
                public CKeyboardListener,
                public CPointerFilter,
                public CScreenListener {
public:
    using CTask::Start;
    ~CTaskUI() override;

    bool Start() override;
    void Update() override {}
    void OnStop() override;

    void OnKeyDown(int /*key*/) override {}
    void OnKeyUp(int /*key*/) override {}
    // A move is taken over a widget and while a button is dragged; a press when a widget
    // takes it; a release when its press was taken, so that the mouse listeners always get
    // the release of a press they got, wherever it happens.
    bool TakePointerMoved(int x, int y) override;
    bool TakeButtonPressed(int mask) override;
    bool TakeButtonReleased(int mask) override;
    void OnResize(int width, int height) override;
    void OnActivityChanged(bool /*active*/) override {}

    const types::point& GetPointer() const { return myPointer; }

private:
    void Unregister();

    types::point myPointer;
    types::point myPreviousPointer;
    // The buttons whose press a widget took and whose release is still to come.
    int myTakenButtons = 0;
    bool myRegistered = false;
};

}  // namespace tolm::ui

#endif
