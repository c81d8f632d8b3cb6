#include "tolm/utils/timer/CTimer.h"

#include "tolm/utils/timer/SystemTime.h"

namespace tolm {

CTimer::CTimer(const CTimeSource* baseTimer)
    : myBaseTimer(baseTimer != nullptr ? baseTimer : GetSystemTimer()), myStart(BaseTime()) {}

CTimer::CTimer(const CTimer& other) : CTimeSource(), myBaseTimer(other.myBaseTimer) {
    *this = other;
}

CTimer& CTimer::operator=(const CTimer& other) {
    myStart = other.myStart;
    myPaused = other.myPaused;
    myPausedAt = other.myPausedAt;
    myLastUpdate = other.myLastUpdate;
    return *this;
}

types::ticks CTimer::GetTime() const { return myPaused ? myPausedAt : BaseTime() - myStart; }

double CTimer::GetSeconds() const { return GetTime() / 1000.0; }

types::ticks CTimer::GetTimeSinceUpdate() const { return GetTime() - myLastUpdate; }

double CTimer::GetSecondsSinceUpdate() const { return GetTimeSinceUpdate() / 1000.0; }

void CTimer::Update() { myLastUpdate = GetTime(); }

void CTimer::Pause() {
    if (myPaused) return;
    myPausedAt = GetTime();
    myPaused = true;
}

void CTimer::Resume() {
    if (!myPaused) return;
    myPaused = false;
    // GetTime now reads the running time, which includes the pause; move the start on.
    myStart += GetTime() - myPausedAt;
}

void CTimer::Reset() {
    myPausedAt = 0;
    myStart = BaseTime();
    myLastUpdate = 0;
}

}  // namespace tolm
