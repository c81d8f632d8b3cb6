// Keeps the button that is being dragged and hands it the pointer's moves and the button
// release wherever the pointer is, so that a drag ends even when the release happens away
// from the button. Process-wide (DragTracker(), tolm/Services.h); the button is not owned and tells
// the tracker when it stops dragging or is destroyed.
#ifndef TOLM_UI_CDRAGTRACKER_H
#define TOLM_UI_CDRAGTRACKER_H

#include "tolm/Services.h"
#include "tolm/ui/CMouseEvent.h"

namespace tolm::ui {

class CButtonWidget;

class CDragTracker {
public:
    void Begin(CButtonWidget* button) { myButton = button; }
    // Ends the drag of that button; another button's drag goes on.
    void End(const CButtonWidget* button) {
        if (myButton == button) myButton = nullptr;
    }
    CButtonWidget* GetDragged() const { return myButton; }

    // Moves and releases go to the dragged button; true when the event was taken, and the
    // tree must not route it again (the button would see it twice).
    bool HandleEvent(const CMouseEvent& event);

private:
    CButtonWidget* myButton = nullptr;
};

}  // namespace tolm::ui

#endif
