// Records the run pass by pass: at each pass start it reads the real clock and fixes the
// engine's clock to that value for the whole pass (so that what the engine saw is exactly
// what the file keeps), notes every input event with the task update it arrived in, and
// hands each finished pass to the writer, which flushes at most once a second. It refers to
// both clocks without owning them; it owns its writer.
#ifndef TOLM_TASKS_DEMO_CRECORDER_H
#define TOLM_TASKS_DEMO_CRECORDER_H

#include <string>
#include <vector>

#include "tolm/inputdevice/CInputTap.h"
#include "tolm/tasks/CPassObserver.h"
#include "tolm/tasks/demo/CRecordingWriter.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {

class CRecorder : public CPassObserver, public CInputTap {
public:
    // real: where time comes from; engine: what the engine reads. Both outlive the recorder.
    CRecorder(CTimeSource& real, CManualTimeSource& engine);

    // Writes the header with the engine clock's value as the start; false with the reason.
    bool Start(const std::string& fileName, const recording::SHeader& header, std::string* error);
    // Ends the file with its last passes and the "end" line.
    void Stop();

    void OnPassBegin() override;
    void OnTaskUpdated(int updateIndex) override;
    void OnPassEnd() override;
    bool OnInput(const SInputEvent& event) override;

    const CRecordingWriter& GetWriter() const { return myWriter; }

private:
    CTimeSource& myReal;
    CManualTimeSource& myEngine;
    CRecordingWriter myWriter;
    std::vector<recording::SRecordedEvent> myEvents;
    types::ticks myDelta = 0;
    int myUpdateIndex = 0;
};

}  // namespace tolm

#endif
