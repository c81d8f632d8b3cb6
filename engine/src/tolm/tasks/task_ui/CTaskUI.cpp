#include "tolm/tasks/task_ui/CTaskUI.h"

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/ui/CDesktopWidget.h"

namespace tolm::ui {
namespace {
CTaskRegistrar<CTaskUI> ourRegistrar("ui");
}  // namespace

CTaskUI::~CTaskUI() {
    Unregister();
}

bool CTaskUI::Start() {
    CEventManager& events = EventManager();
    events.AddKeyboardListener(this);
    events.AddPointerFilter(this);
    events.AddScreenListener(this);
    myRegistered = true;
    Desktop().FitToScreen();
    return CTask::Start();
}

void CTaskUI::OnStop() {
    Unregister();
}

void CTaskUI::Unregister() {
    if (!myRegistered) return;
    CEventManager& events = EventManager();
    events.RemoveKeyboardListener(this);
    events.RemovePointerFilter(this);
    events.RemoveScreenListener(this);
    myRegistered = false;
}

bool CTaskUI::TakePointerMoved(int x, int y) {
    myPreviousPointer = myPointer;
    myPointer = types::point(x, y);
    return Desktop().TakeMouseEvent(CMouseEvent(CMouseEvent::kMoved, x, y));
}

bool CTaskUI::TakeButtonPressed(int mask) {
    const bool taken = Desktop().TakeMouseEvent(
        CMouseEvent(CMouseEvent::kPressed, myPointer.x, myPointer.y, mask));
    if (taken) myTakenButtons |= mask;
    return taken;
}

bool CTaskUI::TakeButtonReleased(int mask) {
    // The widgets hear of every release (a drag must end), but only the release of a press
    // they took is theirs alone.
    Desktop().TakeMouseEvent(CMouseEvent(CMouseEvent::kReleased, myPointer.x, myPointer.y, mask));
    const bool taken = (myTakenButtons & mask) != 0;
    myTakenButtons &= ~mask;
    return taken;
}

void CTaskUI::OnResize(int width, int height) {
    Desktop().Resize(width, height);
}

}  // namespace tolm::ui
