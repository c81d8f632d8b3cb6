// The part every signal shares: the ordered list of connected slots, which the signal owns
// and deletes when it is destroyed, and the bookkeeping that lets slots, their targets or
// the signal itself be deleted while the signal is calling its slots.
#ifndef TOLM_UTILS_SIGNALSLOT_CSIGNALBASE_H
#define TOLM_UTILS_SIGNALSLOT_CSIGNALBASE_H

#include <cstddef>
#include <memory>
#include <vector>

#include "tolm/utils/signalslot/CSlot.h"

namespace tolm {

class CXmlFileSys;

class CSignalBase {
public:
    CSignalBase() = default;
    virtual ~CSignalBase();
    CSignalBase(const CSignalBase&) = delete;
    CSignalBase& operator=(const CSignalBase&) = delete;

    // Appends the slot and takes it over. A null slot is ignored; a slot that already
    // belongs to this signal stays where it is; one that belongs to another signal moves
    // here; one whose arguments do not fit is deleted with a warning.
    CSignalBase& Connect(std::unique_ptr<CSlot> slot);

    // Writes each named connection as <Slot function=".." target=".." />, or connects the
    // slots described by such elements after the present ones. Connections whose object
    // or slot is unknown are dropped silently.
    void Serialize(CXmlFileSys* filesys);

    // Connected slots in calling order.
    std::vector<CSlot*> GetSlots() const;
    bool IsEmpty() const { return GetSlots().empty(); }

protected:
    // Whether the slot can be called with this signal's arguments.
    virtual bool Accepts(const CSlot& slot) const = 0;

    // Emit brackets its calls with these. The returned flag turns false when the signal is
    // destroyed by one of the calls; the caller must then stop touching the signal.
    std::shared_ptr<bool> BeginEmission();
    void EndEmission();
    std::size_t SlotCount() const { return mySlots.size(); }
    // Null for a slot deleted during the current emission.
    CSlot* SlotAt(std::size_t index) const { return mySlots[index]; }

private:
    friend class CSlot;
    void Detach(CSlot* slot);

    std::vector<CSlot*> mySlots;  // owned; a slot removes itself on deletion
    int myEmitting = 0;
    std::shared_ptr<bool> myAlive;
};

}  // namespace tolm

#endif
