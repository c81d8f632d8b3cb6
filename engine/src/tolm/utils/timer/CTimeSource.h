// Anything that answers a current time in milliseconds: the system clock, or a timer, so a
// timer can measure against another timer.
#ifndef TOLM_UTILS_TIMER_CTIMESOURCE_H
#define TOLM_UTILS_TIMER_CTIMESOURCE_H

#include "tolm/types/Types.h"

namespace tolm {

class CTimeSource {
public:
    virtual ~CTimeSource() = default;
    virtual types::ticks GetTime() const = 0;
};

}  // namespace tolm

#endif
