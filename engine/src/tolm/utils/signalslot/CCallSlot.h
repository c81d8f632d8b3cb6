// A slot that a signal with the argument types Args can call; the signal checks the types
// when it connects the slot. Ownership as for CSlot.
#ifndef TOLM_UTILS_SIGNALSLOT_CCALLSLOT_H
#define TOLM_UTILS_SIGNALSLOT_CCALLSLOT_H

#include "tolm/utils/signalslot/CSlot.h"

namespace tolm {

template <class... Args>
class CCallSlot : public CSlot {
public:
    virtual void Call(Args... args) = 0;
};

}  // namespace tolm

#endif
