// A signal whose slots take the arguments Args: CSignal<> for plain notifications,
// CSignal<int, int> for a drag with two offsets. Emit calls the connected slots in
// connection order; slots connected during an emission wait for the next one, and slots
// deleted during it are skipped.
#ifndef TOLM_UTILS_SIGNALSLOT_CSIGNAL_H
#define TOLM_UTILS_SIGNALSLOT_CSIGNAL_H

#include <memory>

#include "tolm/utils/signalslot/CCallSlot.h"
#include "tolm/utils/signalslot/CSignalBase.h"

namespace tolm {

template <class... Args>
class CSignal : public CSignalBase {
public:
    CSignal& Connect(std::unique_ptr<CSlot> slot) {
        CSignalBase::Connect(std::move(slot));
        return *this;
    }

    void Emit(Args... args) {
        if (SlotCount() == 0) return;
        const std::shared_ptr<bool> alive = BeginEmission();
        const std::size_t count = SlotCount();
        for (std::size_t i = 0; i < count; ++i) {
            CSlot* slot = SlotAt(i);
            if (!slot) continue;
            static_cast<CCallSlot<Args...>*>(slot)->Call(args...);
            if (!*alive) return;
        }
        EndEmission();
    }

protected:
    bool Accepts(const CSlot& slot) const override {
        return dynamic_cast<const CCallSlot<Args...>*>(&slot) != nullptr;
    }
};

}  // namespace tolm

#endif
