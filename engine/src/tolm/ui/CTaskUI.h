// The "ui" task: connects the widget tree to input. It listens to the event manager for
// pointer events, which it routes to the process-wide desktop, and for window size
// changes, which resize the desktop. It owns nothing; the desktop is process-wide.
#ifndef TOLM_UI_CTASKUI_H
#define TOLM_UI_CTASKUI_H

#include "tolm/inputdevice/CKeyboardListener.h"
#include "tolm/inputdevice/CMouseEventListener.h"
#include "tolm/inputdevice/CScreenListener.h"
#include "tolm/tasks/CTask.h"
#include "tolm/types/Types.h"

namespace tolm::ui {

class CTaskUI : public CTask,
                public CKeyboardListener,
                public CMouseEventListener,
                public CScreenListener {
public:
    using CTask::Start;
    ~CTaskUI() override;

    bool Start() override;
    void Update() override {}
    void OnStop() override;

    void OnKeyDown(int /*key*/) override {}
    void OnKeyUp(int /*key*/) override {}
    void OnPointerMoved(int x, int y) override;
    void OnButtonPressed(int mask) override;
    void OnButtonReleased(int mask) override;
    void OnResize(int width, int height) override;
    void OnActivityChanged(bool /*active*/) override {}

    const types::point& GetPointer() const { return myPointer; }

private:
    void Unregister();

    types::point myPointer;
    types::point myPreviousPointer;
    bool myRegistered = false;
};

}  // namespace tolm::ui

#endif
