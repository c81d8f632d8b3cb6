// A pausable millisecond timer measured against a base time source (the process-wide
// system time unless another is given). The base is not owned and must outlive the timer.
#ifndef TOLM_UTILS_TIMER_CTIMER_H
#define TOLM_UTILS_TIMER_CTIMER_H

#include "tolm/types/Types.h"
#include "tolm/utils/timer/CTimeSource.h"

namespace tolm {

class CXmlFileSys;

class CTimer : public CTimeSource {
public:
    // A null base means the process-wide system timer.
    explicit CTimer(const CTimeSource* baseTimer = nullptr);
    CTimer(const CTimer& other);
    ~CTimer() override = default;

    // Copies the time state, not the base timer.
    virtual CTimer& operator=(const CTimer& other);

    types::ticks GetTime() const override;
    virtual double GetSeconds() const;
    virtual types::ticks GetTimeSinceUpdate() const;
    virtual double GetSecondsSinceUpdate() const;
    virtual void Update();
    virtual void Pause();
    virtual void Resume();
    virtual void Reset();
    // Members "time" and, when paused, "pause". Reading sets the start so that GetTime
    // returns the stored time at once; a timer stored paused reads back frozen there.
    virtual void Serialize(CXmlFileSys* filesys);

    bool IsPaused() const { return myPaused; }
    const CTimeSource* GetBaseTimer() const { return myBaseTimer; }

protected:
    types::ticks BaseTime() const { return myBaseTimer->GetTime(); }

    const CTimeSource* myBaseTimer;
    types::ticks myStart = 0;
    types::ticks myPausedAt = 0;
    bool myPaused = false;
    types::ticks myLastUpdate = 0;
};

}  // namespace tolm

#endif
