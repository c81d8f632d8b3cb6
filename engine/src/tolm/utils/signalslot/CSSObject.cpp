#include "tolm/utils/signalslot/CSSObject.h"

#include <algorithm>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/signalslot/CSSObjectRegistry.h"
#include "tolm/utils/signalslot/CSlot.h"
#include "tolm/utils/signalslot/CSlotRegistry.h"

namespace tolm {

CSSObject::CSSObject(const std::string& name) : myName(name) {
    ObjectRegistry().Add(this);
}

CSSObject::CSSObject(const CSSObject& other) : myName(other.myName) {
    ObjectRegistry().Add(this);
}

CSSObject& CSSObject::operator=(const CSSObject& other) {
    myName = other.myName;
    return *this;
}

CSSObject::~CSSObject() {
    // A connected slot goes with its target, so its signal never calls a dead object; an
    // unconnected one belongs to someone else and only goes quiet.
    while (!mySlots.empty()) {
        CSlot* slot = mySlots.back();
        mySlots.pop_back();
        slot->myTrackedTarget = nullptr;
        slot->ForgetTarget();
        if (slot->GetOwner()) delete slot;
    }
    CSSObjectRegistry* registry = &ObjectRegistry();
    registry->Remove(this);
    if (registry->IsEmpty()) CSingletonPtr<CSSObjectRegistry>::Delete();
}

std::unique_ptr<CSlot> CSSObject::CreateSlot(const std::string& slotName) {
    return SlotRegistry().CreateSlot(*this, slotName);
}

void CSSObject::TrackSlot(CSlot* slot) {
    mySlots.push_back(slot);
}

void CSSObject::ForgetSlot(CSlot* slot) {
    const auto found = std::find(mySlots.begin(), mySlots.end(), slot);
    if (found != mySlots.end()) mySlots.erase(found);
}

CSSObjectRegistry& ObjectRegistry() {
    return *CSingletonPtr<CSSObjectRegistry>::Get();
}

}  // namespace tolm
