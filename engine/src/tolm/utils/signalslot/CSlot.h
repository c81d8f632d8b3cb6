// A bound call that a signal makes: the part every slot shares, whatever its arguments. A
// slot belongs to the code that created it until a signal connects it; from then on the
// signal owns it and deletes it. Deleting a connected slot takes it off its signal first.
#ifndef TOLM_UTILS_SIGNALSLOT_CSLOT_H
#define TOLM_UTILS_SIGNALSLOT_CSLOT_H

namespace tolm {

class CSignalBase;
class CSSObject;

class CSlot {
public:
    CSlot();
    virtual ~CSlot();
    CSlot(const CSlot&) = delete;
    CSlot& operator=(const CSlot&) = delete;

    // The named object the call goes to; null for other targets and after the target died.
    virtual CSSObject* GetTarget() const = 0;
    // Whether both slots call the same function on the same object.
    virtual bool SameCall(const CSlot& other) const = 0;

    // The signal that owns this slot; null until connected.
    CSignalBase* GetOwner() const { return myOwner; }
    bool IsNamed() const { return myNamed; }

protected:
    // Called by slots whose target is a named object, so that the slot goes quiet (or, when
    // connected, goes away) if the target is destroyed first. The target must be alive.
    void TrackTarget(CSSObject* target);
    // The target is being destroyed: calls must no longer reach it.
    virtual void ForgetTarget() = 0;

private:
    friend class CSignalBase;
    friend class CSSObject;

    CSignalBase* myOwner = nullptr;        // not owned; the owner outlives its connected slots
    CSSObject* myTrackedTarget = nullptr;  // not owned; cleared by the target's destructor
    bool myNamed;
};

}  // namespace tolm

#endif
