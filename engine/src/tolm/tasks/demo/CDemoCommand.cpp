#include "tolm/tasks/demo/CDemoCommand.h"

#include <memory>
#include <vector>

#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CParameterList.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/tasks/demo/CDemo.h"
#include "tolm/tasks/demo/CRecordingReader.h"

namespace tolm {

void CDemoCommand::AddAll(CConsole& console, CDemo& demo) {
    console.AddOwnedCommand("record", std::make_unique<CDemoCommand>(kRecord, demo));
    console.AddOwnedCommand("stoprecord", std::make_unique<CDemoCommand>(kStopRecord, demo));
    console.AddOwnedCommand("replay", std::make_unique<CDemoCommand>(kReplay, demo));
    console.AddOwnedCommand("timedemo", std::make_unique<CDemoCommand>(kTimedemo, demo));
}

std::string CDemoCommand::Execute() {
    switch (myKind) {
        case kRecord:
            return "Error: record( filename ) needs the name of the file to record to.";
        case kStopRecord:
            if (!myDemo.IsRecording()) return "Error: StopRecord() nothing is being recorded.";
            myDemo.StopRecording();
            return "Recording stopped";
        case kReplay:
            return "Error: replay( filename, [\"live\"], [\"force\"] ) needs a recording.";
        case kTimedemo:
            break;
    }
    return "Error: timedemo( filename, [\"force\"] ) needs a recording.";
}

std::string CDemoCommand::Execute(CParameterList& parameters) {
    if (myKind == kStopRecord || parameters.Size() == 0 ||
        !parameters.IsType(0, CParameter::kString)) {
        return Execute();
    }
    const std::string fileName = parameters.GetString(0);
    parameters.PopFront();
    if (myDemo.IsRecording() || myDemo.IsReplaying()) {
        return "Error: a recording or a replay runs already; it ends with the program.";
    }
    return myKind == kRecord ? Record(fileName) : Replay(fileName, parameters);
}

std::string CDemoCommand::Record(const std::string& fileName) {
    // Before the first pass nothing has happened yet that the recording would miss.
    if (Scheduler().GetPassCount() == 0) {
        return myDemo.StartRecording(fileName) ? "Recording to " + fileName
                                               : "Error: cannot record to " + fileName;
    }
    myDemo.RequestRestart({"--record", fileName});
    return "Starting again to record to " + fileName;
}

std::string CDemoCommand::Replay(const std::string& fileName, CParameterList& parameters) {
    // A broken file is told now, not after the restart.
    recording::SHeader header;
    CRecordingReader::SSummary summary;
    std::string error;
    if (!CRecordingReader::Check(fileName, &header, &summary, &error)) {
        return "Error: cannot replay " + fileName + ": " + error;
    }
    std::vector<std::string> options = {myKind == kTimedemo ? "--timedemo" : "--replay", fileName};
    for (std::size_t i = 0; i < parameters.Size(); ++i) {
        const std::string word = parameters.GetString(i);
        if (word == "live" && myKind == kReplay) {
            options.push_back("--live");
        } else if (word == "force") {
            options.push_back("--force");
        } else {
            return "Error: unknown choice \"" + word + "\" (live or force).";
        }
    }
    myDemo.RequestRestart(options);
    return "Starting again to replay " + fileName;
}

}  // namespace tolm
