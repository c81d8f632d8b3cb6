// A slot that calls a member function on an object. The object is not owned. When it is a
// named object (CSSObject), its destruction silences the slot; any other object must
// outlive every signal the slot is connected to.
#ifndef TOLM_UTILS_SIGNALSLOT_CMEMBERSLOT_H
#define TOLM_UTILS_SIGNALSLOT_CMEMBERSLOT_H

#include <type_traits>

#include "tolm/utils/signalslot/CCallSlot.h"
#include "tolm/utils/signalslot/CSSObject.h"

namespace tolm {

template <class T, class... Args>
class CMemberSlot : public CCallSlot<Args...> {
public:
    using Function = void (T::*)(Args...);

    CMemberSlot(T* object, Function function) : myObject(object), myFunction(function) {
        if constexpr (kNamedTarget) this->TrackTarget(object);
    }

    void Call(Args... args) override {
        if (myObject && myFunction) (myObject->*myFunction)(args...);
    }

    CSSObject* GetTarget() const override {
        if constexpr (kNamedTarget) {
            return myObject;
        } else {
            return nullptr;
        }
    }

    bool SameCall(const CSlot& other) const override {
        const auto* same = dynamic_cast<const CMemberSlot*>(&other);
        return same && same->myObject == myObject && same->myFunction == myFunction;
    }

protected:
    void ForgetTarget() override { myObject = nullptr; }

private:
    static constexpr bool kNamedTarget = std::is_convertible_v<T*, CSSObject*>;

    T* myObject;
    Function myFunction;
};

}  // namespace tolm

#endif
