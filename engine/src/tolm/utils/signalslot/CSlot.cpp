#include "tolm/utils/signalslot/CSlot.h"

#include "tolm/utils/signalslot/CSSObject.h"
#include "tolm/utils/signalslot/CSignalBase.h"
#include "tolm/utils/signalslot/CSlotRegistry.h"

namespace tolm {

CSlot::CSlot() : myNamed(SlotRegistry().IsRegisteringNamedSlots()) {}

CSlot::~CSlot() {
    if (myOwner) myOwner->Detach(this);
    if (myTrackedTarget) myTrackedTarget->ForgetSlot(this);
}

void CSlot::TrackTarget(CSSObject* target) {
    if (myTrackedTarget) myTrackedTarget->ForgetSlot(this);
    myTrackedTarget = target;
    if (myTrackedTarget) myTrackedTarget->TrackSlot(this);
}

}  // namespace tolm
