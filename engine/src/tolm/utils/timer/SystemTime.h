// The process-wide time base: milliseconds since start-up, from SDL's clock. The source is
// created by a static initialiser and held through the engine's smart pointer; tests swap
// it with SetSystemTimeSource so that nothing has to sleep to see time pass.
#ifndef TOLM_UTILS_TIMER_SYSTEMTIME_H
#define TOLM_UTILS_TIMER_SYSTEMTIME_H

#include "tolm/types/Types.h"
#include "tolm/utils/CSmartPtr.h"
#include "tolm/utils/timer/CTimeSource.h"

namespace tolm {

// Milliseconds since start-up; 0 when no source is set.
types::ticks GetSystemTime();

// A time source that always answers GetSystemTime(). It is the default base of every
// CTimer and lives for the whole process, so timers made before a swap follow the swap.
CTimeSource* GetSystemTimer();

// Replaces the process-wide source (null: none, time reads 0) and returns the previous one.
CSmartPtr<CTimeSource> SetSystemTimeSource(CSmartPtr<CTimeSource> source);

// The SDL-backed source, the default and for restoring after a test. The SDL back end
// defines it (tasks/task_sdl/SDLTimeSource.cpp), so that only the back end calls SDL.
CSmartPtr<CTimeSource> CreateSdlTimeSource();

// A source whose time is set by hand; for tests and simulations.
class CManualTimeSource : public CTimeSource {
public:
    explicit CManualTimeSource(types::ticks start = 0) : myNow(start) {}
    types::ticks GetTime() const override { return myNow; }
    void Set(types::ticks now) { myNow = now; }
    void Advance(types::ticks by) { myNow += by; }

private:
    types::ticks myNow;
};

// Installs a manual source for the lifetime of the guard and restores the previous one.
class CScopedManualTime {
public:
    explicit CScopedManualTime(types::ticks start = 0);
    ~CScopedManualTime();
    CScopedManualTime(const CScopedManualTime&) = delete;
    CScopedManualTime& operator=(const CScopedManualTime&) = delete;

    void Set(types::ticks now) { mySource->Set(now); }
    void Advance(types::ticks by) { mySource->Advance(by); }
    types::ticks Now() const { return mySource->GetTime(); }

private:
    CSmartPtr<CManualTimeSource> mySource;
    CSmartPtr<CTimeSource> myPrevious;
};

}  // namespace tolm

#endif
