#include "tolm/tasks/demo/CRecorder.h"

namespace tolm {

CRecorder::CRecorder(CTimeSource& real, CManualTimeSource& engine)
    : myReal(real), myEngine(engine) {}

bool CRecorder::Start(const std::string& fileName, const recording::SHeader& header,
                      std::string* error) {
    myEvents.clear();
    return myWriter.Open(fileName, header, error);
}

void CRecorder::Stop() {
    myWriter.Close();
}

void CRecorder::OnPassBegin() {
    const types::ticks now = myReal.GetTime();
    const types::ticks before = myEngine.GetTime();
    // A clock that steps back (it should not) holds the engine's time where it was.
    myDelta = now >= before ? now - before : 0;
    myEngine.Set(before + myDelta);
    myUpdateIndex = 0;
}

void CRecorder::OnTaskUpdated(int updateIndex) {
    myUpdateIndex = updateIndex + 1;
}

void CRecorder::OnPassEnd() {
    myWriter.AddPass(myDelta, myEvents);
    myEvents.clear();
    myWriter.FlushIfDue(myEngine.GetTime());
    // Input that arrives between passes belongs to the start of the next one.
    myUpdateIndex = 0;
}

bool CRecorder::OnInput(const SInputEvent& event) {
    myEvents.push_back(recording::SRecordedEvent{myUpdateIndex, event});
    return true;
}

}  // namespace tolm
