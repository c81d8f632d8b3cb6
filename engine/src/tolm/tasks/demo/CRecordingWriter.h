// Writes a recording file (RecordingFormat.h) without slowing the loop: passes collect in a
// buffer that goes to the file at most once a second (Flush with the time) and at the end.
// Only whole pass lines are ever written, so a file cut by a crash or a kill is a valid
// recording up to its last whole pass. Eventless passes with the same clock step share one
// line. It owns the open file and closes it with the "end" line.
#ifndef TOLM_TASKS_DEMO_CRECORDINGWRITER_H
#define TOLM_TASKS_DEMO_CRECORDINGWRITER_H

#include <cstdint>
#include <cstdio>
#include <string>

#include "tolm/tasks/demo/RecordingFormat.h"
#include "tolm/types/Types.h"

namespace tolm {

class CRecordingWriter {
public:
    static constexpr types::ticks kFlushInterval = 1000;

    CRecordingWriter() = default;
    // Closes as Close does.
    ~CRecordingWriter();
    CRecordingWriter(const CRecordingWriter&) = delete;
    CRecordingWriter& operator=(const CRecordingWriter&) = delete;

    // Creates (or empties) the file and writes the header at once; false with the reason.
    bool Open(const std::string& fileName, const recording::SHeader& header, std::string* error);
    bool IsOpen() const { return myFile != nullptr; }

    void AddPass(types::ticks delta);
    // A pass with input; the events are kept in the order given.
    void AddPass(types::ticks delta, const std::vector<recording::SRecordedEvent>& events);

    // Writes what is buffered if kFlushInterval has passed since the last write (now and the
    // last write are read on the same clock); true when it wrote.
    bool FlushIfDue(types::ticks now);
    // Writes the buffered passes, the "end" line, and closes the file.
    void Close();

    std::uint64_t GetPassCount() const { return myPasses; }
    std::uint64_t GetBytesWritten() const { return myBytesWritten; }
    // False after a write failed; what was written before stays valid.
    bool IsHealthy() const { return myHealthy; }

private:
    void EndRun();
    void Write();

    std::FILE* myFile = nullptr;
    std::string myBuffer;
    // The eventless passes not yet in the buffer: how many, and their clock step.
    std::uint32_t myRunCount = 0;
    types::ticks myRunDelta = 0;
    types::ticks myLastWrite = 0;
    bool myWroteOnce = false;
    bool myHealthy = true;
    std::uint64_t myPasses = 0;
    std::uint64_t myBytesWritten = 0;
};

}  // namespace tolm

#endif
