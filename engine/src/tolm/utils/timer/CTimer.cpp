#include "tolm/utils/timer/CTimer.h"

#include "tolm/utils/timer/SystemTime.h"
#include "tolm/utils/xml/CXmlFileSys.h"

namespace tolm {

// The start is taken from the base, not from the process-wide time: a timer measured
// against another timer would otherwise begin far from 0, wrapped below it.
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

types::ticks CTimer::GetTime() const {
    return myPaused ? myPausedAt : BaseTime() - myStart;
}

double CTimer::GetSeconds() const {
    return GetTime() / 1000.0;
}

types::ticks CTimer::GetTimeSinceUpdate() const {
    return GetTime() - myLastUpdate;
}

double CTimer::GetSecondsSinceUpdate() const {
    return GetTimeSinceUpdate() / 1000.0;
}

void CTimer::Update() {
    myLastUpdate = GetTime();
}

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

void CTimer::Serialize(CXmlFileSys* filesys) {
    if (filesys->IsWriting()) {
        filesys->SetFile(__FILE__);
        filesys->SetLine(__LINE__);
        filesys->Write("time", GetTime());
        if (myPaused) {
            filesys->SetLine(__LINE__);
            filesys->Write("pause", true);
        }
        return;
    }
    // Without a stored time a paused timer freezes where it stands.
    types::ticks time = GetTime();
    filesys->SetFile(__FILE__);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("time")) {
        filesys->Read("time", time);
        myStart = BaseTime() - time;
    }
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("pause")) filesys->Read("pause", myPaused);
    if (myPaused) myPausedAt = time;
}

}  // namespace tolm
