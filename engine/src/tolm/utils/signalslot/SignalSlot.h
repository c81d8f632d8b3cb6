// Named connections: registering a class's slots by name, finding named objects and
// making slots from an (object name, slot name) pair, and the reverse. The registries
// these use are process-wide; see CSSObjectRegistry and CSlotRegistry.
#ifndef TOLM_UTILS_SIGNALSLOT_SIGNALSLOT_H
#define TOLM_UTILS_SIGNALSLOT_SIGNALSLOT_H

#include <memory>
#include <string>
#include <utility>

#include "tolm/utils/signalslot/CMemberSlot.h"
#include "tolm/utils/signalslot/CSSObject.h"
#include "tolm/utils/signalslot/CSlot.h"
#include "tolm/utils/signalslot/CSlotRegistry.h"

namespace tolm {

// Files a slot factory under (class name, slot name). Returns true, so that a class can
// register from a static initialiser.
bool RegisterSlot(const std::string& className, const std::string& slotName,
                  CSlotRegistry::Factory factory);

// RegisterSlot for a member function of T, a class derived from CSSObject.
template <class T, class... Args>
bool RegisterSlot(const std::string& className, const std::string& slotName,
                  void (T::*function)(Args...)) {
    return RegisterSlot(className, slotName, [function](CSSObject& object) {
        T* target = dynamic_cast<T*>(&object);
        return target ? std::unique_ptr<CSlot>(new CMemberSlot<T, Args...>(target, function))
                      : std::unique_ptr<CSlot>();
    });
}

// The earliest-constructed live object with that name, or null.
CSSObject* FindObject(const std::string& name);

// A new slot of the named object, owned by the caller; null for an unknown object or slot.
std::unique_ptr<CSlot> CreateSlot(const std::string& objectName, const std::string& slotName);

// (target name, slot name) of a slot; two empty texts when the registry does not know it.
std::pair<std::string, std::string> GetSlotInfo(const CSlot* slot);

// A slot calling a member function, for connections that need no name.
template <class T, class... Args>
std::unique_ptr<CSlot> MakeSlot(T* object, void (T::*function)(Args...)) {
    return std::unique_ptr<CSlot>(new CMemberSlot<T, Args...>(object, function));
}

}  // namespace tolm

#endif
