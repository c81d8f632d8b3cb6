#include "tolm/ui/CTaskUI.h"

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
    events.AddMouseListener(this);
    events.AddScreenListener(this);
    myRegistered = true;
    Desktop()->FitToScreen();
    return CTask::Start();
}

void CTaskUI::OnStop() {
    Unregister();
}

void CTaskUI::Unregister() {
    if (!myRegistered) return;
    CEventManager& events = EventManager();
    events.RemoveKeyboardListener(this);
    events.RemoveMouseListener(this);
    events.RemoveScreenListener(this);
    myRegistered = false;
}

void CTaskUI::OnPointerMoved(int x, int y) {
    myPreviousPointer = myPointer;
    myPointer = types::point(x, y);
    Desktop()->HandleMouseEvent(CMouseEvent(CMouseEvent::kMoved, x, y));
}

void CTaskUI::OnButtonPressed(int mask) {
    Desktop()->HandleMouseEvent(CMouseEvent(CMouseEvent::kPressed, myPointer.x, myPointer.y, mask));
}

void CTaskUI::OnButtonReleased(int mask) {
    Desktop()->HandleMouseEvent(
        CMouseEvent(CMouseEvent::kReleased, myPointer.x, myPointer.y, mask));
}

void CTaskUI::OnResize(int width, int height) {
    Desktop()->Resize(width, height);
}

}  // namespace tolm::ui
