#include "tolm/ui/CButtonWidget.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/ui/CDragTracker.h"

namespace tolm::ui {
CButtonWidget::CButtonWidget(CWidget* parent, const types::rect& r, bool relative,
                             const std::string& name, const std::string& spriteFile)
    : CWidget(parent, r, relative, name, spriteFile) {}

CButtonWidget::~CButtonWidget() {
    StopDragging();
}

void CButtonWidget::SetDoubleClickEnabled(bool enabled) {
    myDoubleClickEnabled = enabled;
    if (!enabled) myFirstClickArmed = false;
}

void CButtonWidget::SetDraggable(bool draggable) {
    myDraggable = draggable;
    if (!draggable) StopDragging();
}

void CButtonWidget::StopDragging() {
    myDragging = false;
    if (CSingletonPtr<CDragTracker>::Exists()) DragTracker().End(this);
}

void CButtonWidget::OnMouseEvent(const CMouseEvent& event) {
    switch (event.type) {
        case CMouseEvent::kPressed:
            OnPressed(event);
            break;
        case CMouseEvent::kReleased:
            OnReleased(event);
            break;
        case CMouseEvent::kMoved:
            if (myDragging) {
                const types::rect& r = GetRect();
                myDragSignal.Emit(event.x - myDragOffset.x - r.x, event.y - myDragOffset.y - r.y);
            }
            break;
        case CMouseEvent::kLeft:
            myPressed = false;
            myFirstClickArmed = false;
            break;
        default:
            break;
    }
}

// Signals go last: a slot may destroy this button, so no member is touched after one.
void CButtonWidget::OnPressed(const CMouseEvent& event) {
    if (event.Meets(myClickMask)) myPressed = true;
    if (myDraggable && event.Meets(myDragMask)) {
        myDragging = true;
        myDragOffset = types::point(event.x - GetRect().x, event.y - GetRect().y);
        DragTracker().Begin(this);
    }
    if (!myDoubleClickEnabled) return;
    if (!event.Meets(myDoubleClickMask)) {
        myFirstClickArmed = false;
        return;
    }
    if (myFirstClickArmed && myTimer.GetTime() < kDoubleClickTime) {
        myFirstClickArmed = false;
        myDoubleClickSignal.Emit();
        return;
    }
    // A stale first click is replaced, so this press can start a double-click of its own.
    myTimer.Reset();
    myFirstClickArmed = true;
}

void CButtonWidget::OnReleased(const CMouseEvent& event) {
    const bool click = myPressed && event.Meets(myClickMask);
    if (myDraggable && event.Meets(myDragMask)) StopDragging();
    myPressed = false;
    if (click) myClickSignal.Emit();
}

}  // namespace tolm::ui
