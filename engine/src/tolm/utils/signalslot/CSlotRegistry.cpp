#include "tolm/utils/signalslot/CSlotRegistry.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/signalslot/CSSObject.h"
#include "tolm/utils/signalslot/CSlot.h"

namespace tolm {

CSlotRegistry& SlotRegistry() {
    return *CSingletonPtr<CSlotRegistry>::Get();
}

void CSlotRegistry::Register(const std::string& className, const std::string& slotName,
                             Factory factory) {
    myCurrentClass = className;
    myNamedSlots = true;
    myClasses[className][slotName] = std::move(factory);
}

std::unique_ptr<CSlot> CSlotRegistry::CreateSlot(CSSObject& object,
                                                 const std::string& slotName) const {
    for (const auto& entry : myClasses) {
        const auto factory = entry.second.find(slotName);
        if (factory == entry.second.end() || !factory->second) continue;
        std::unique_ptr<CSlot> slot = factory->second(object);
        if (slot) return slot;
    }
    return nullptr;
}

std::string CSlotRegistry::FindSlotName(const CSlot& slot) const {
    CSSObject* target = slot.GetTarget();
    if (!target) return std::string();
    // Rebuild each candidate on the same target and compare the calls.
    for (const auto& entry : myClasses) {
        for (const auto& named : entry.second) {
            if (!named.second) continue;
            const std::unique_ptr<CSlot> candidate = named.second(*target);
            if (candidate && candidate->SameCall(slot)) return named.first;
        }
    }
    return std::string();
}

}  // namespace tolm
