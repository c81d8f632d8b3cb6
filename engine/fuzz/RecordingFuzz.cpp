// Fuzz entry for recording files (the replay's input): the bytes are the file. The reader
// either refuses it with a reason or reads it pass by pass; every pass it reads must write
// back as a line that reads as the same pass, the walk must count what a second walk
// reads, and the events go through an event manager of their own.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/demo/CRecordingReader.h"

namespace {

using namespace tolm;

void CheckRoundTrip(const recording::SPass& pass) {
    std::string line;
    recording::AppendPass(pass, &line);
    fuzz::Require(!line.empty() && line.back() == '\n', "a pass line without its end");
    line.pop_back();
    fuzz::Require(line.size() <= recording::kMaxLineLength, "a pass line longer than allowed");
    recording::SPass again;
    std::string error;
    fuzz::Require(recording::ParsePass(line, &again, &error), "a written pass does not read");
    fuzz::Require(
        again.delta == pass.delta && again.repeat == pass.repeat && again.events == pass.events,
        "a pass reads back different");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::CScratchFile file("recording.rec");
    fuzz::CLogBudget& budget = fuzz::QuietLogger();
    budget.Start();

    const std::string& name = file.Write(data, size);
    recording::SHeader header;
    CRecordingReader::SSummary summary;
    std::string error;
    if (!CRecordingReader::Check(name, &header, &summary, &error)) {
        fuzz::Require(!error.empty(), "a refusal without a reason");
        fuzz::Require(error.size() < 256, "a reason out of proportion");
        return 0;
    }
    fuzz::Require(summary.events <= size, "more events than bytes");

    CRecordingReader reader;
    fuzz::Require(reader.Open(name), "a checked file does not open");
    CEventManager events;
    recording::SPass pass;
    std::uint64_t passes = 0;
    while (reader.Next(&pass) == CRecordingReader::kPass) {
        fuzz::Require(pass.repeat >= 1, "a pass line that stands for no pass");
        passes += pass.repeat;
        CheckRoundTrip(pass);
        for (const recording::SRecordedEvent& event : pass.events) {
            fuzz::Require(event.updateIndex >= 0, "an event before the first update");
            events.Dispatch(event.event);
        }
    }
    fuzz::Require(reader.GetError().empty(), "a checked file fails on the second walk");
    fuzz::Require(passes == summary.passes, "the two walks count different passes");
    budget.Check(size);
    return 0;
}
