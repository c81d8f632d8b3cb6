// Base class of objects that take part in signals by name: each one is listed in the
// process-wide object registry for its lifetime, so that a connection can be described by
// the target's name and the slot's name. Slots that target an object are not owned by it;
// it only tells them when it dies.
#ifndef TOLM_UTILS_SIGNALSLOT_CSSOBJECT_H
#define TOLM_UTILS_SIGNALSLOT_CSSOBJECT_H

#include <memory>
#include <string>
#include <vector>

namespace tolm {

class CSlot;

class CSSObject {
public:
    explicit CSSObject(const std::string& name = std::string());
    virtual ~CSSObject();
    // A copy is another object: it registers itself but takes no slots along.
    CSSObject(const CSSObject& other);
    CSSObject& operator=(const CSSObject& other);

    // A new slot of this object, made by the first class entry of the slot registry that
    // has the slot name and accepts this object; null when there is none. The caller owns it.
    virtual std::unique_ptr<CSlot> CreateSlot(const std::string& slotName);

    std::string GetName() const { return myName; }
    void SetName(const std::string& name) { myName = name; }

private:
    friend class CSlot;
    void TrackSlot(CSlot* slot);
    void ForgetSlot(CSlot* slot);

    std::string myName;
    std::vector<CSlot*> mySlots;  // not owned: the slots that call this object
};

}  // namespace tolm

#endif
