#include "tolm/ui/CDragTracker.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/ui/CButtonWidget.h"

namespace tolm::ui {

bool CDragTracker::HandleEvent(const CMouseEvent& event) {
    if (!myButton) return false;
    if (event.type == CMouseEvent::kReleased) {
        // Another button's release is none of the drag's business.
        if (!event.Meets(myButton->GetDragMask())) return false;
    } else if (event.type != CMouseEvent::kMoved) {
        return false;
    }
    // The button may end the drag, or be destroyed by a slot; either way it tells us.
    myButton->OnMouseEvent(event);
    return true;
}

CDragTracker& DragTracker() {
    return *CSingletonPtr<CDragTracker>::Get();
}

}  // namespace tolm::ui
