// The process-wide table of named slots: class name -> slot name -> a factory that binds
// the slot to an object of that class. Classes fill it during static initialisation; it
// lives for the whole process. Factories return null for objects not of their class.
#ifndef TOLM_UTILS_SIGNALSLOT_CSLOTREGISTRY_H
#define TOLM_UTILS_SIGNALSLOT_CSLOTREGISTRY_H

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "tolm/Services.h"

namespace tolm {

class CSlot;
class CSSObject;

class CSlotRegistry {
public:
    using Factory = std::function<std::unique_ptr<CSlot>(CSSObject&)>;

    // Makes `className` the class being registered and turns the named-slot flag on, then
    // files the factory (replacing one of the same names).
    void Register(const std::string& className, const std::string& slotName, Factory factory);

    // A slot made by the first class (in name order) that has `slotName` and accepts the
    // object; null when none does.
    std::unique_ptr<CSlot> CreateSlot(CSSObject& object, const std::string& slotName) const;

    // The registered name of the slot's function on its target, or an empty text.
    std::string FindSlotName(const CSlot& slot) const;

    bool IsRegisteringNamedSlots() const { return myNamedSlots; }
    const std::string& GetCurrentClass() const { return myCurrentClass; }

private:
    std::map<std::string, std::map<std::string, Factory>> myClasses;
    std::string myCurrentClass;
    bool myNamedSlots = false;
};

}  // namespace tolm

#endif
