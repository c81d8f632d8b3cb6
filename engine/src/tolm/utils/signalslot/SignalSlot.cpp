#include "tolm/utils/signalslot/SignalSlot.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/signalslot/CSSObjectRegistry.h"

namespace tolm {

bool RegisterSlot(const std::string& className, const std::string& slotName,
                  CSlotRegistry::Factory factory) {
    SlotRegistry().Register(className, slotName, std::move(factory));
    return true;
}

CSSObject* FindObject(const std::string& name) {
    // Looking must not bring the registry into being: it lives only while objects do.
    if (!CSingletonPtr<CSSObjectRegistry>::Exists()) return nullptr;
    return ObjectRegistry().Find(name);
}

std::unique_ptr<CSlot> CreateSlot(const std::string& objectName, const std::string& slotName) {
    CSSObject* object = FindObject(objectName);
    return object ? object->CreateSlot(slotName) : nullptr;
}

std::pair<std::string, std::string> GetSlotInfo(const CSlot* slot) {
    if (!slot || !slot->GetTarget()) return {};
    const std::string slotName = SlotRegistry().FindSlotName(*slot);
    if (slotName.empty()) return {};
    return {slot->GetTarget()->GetName(), slotName};
}

}  // namespace tolm
