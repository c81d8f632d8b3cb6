// Replays a recording: at each pass start it sets the engine's clock to the recorded value,
// and it feeds the recorded events through the event manager right after the task update
// they arrived in, while every live event but a closed window is held back. At the normal
// speed it waits until the recorded time has passed for real; a timing run never waits and
// counts the frames drawn. When the recording runs out it ends the run, or hands the run to
// the live devices with a clock that goes on from the recorded one. It owns its reader and
// refers to the clocks and the event manager, which outlive it.
#ifndef TOLM_TASKS_DEMO_CREPLAYER_H
#define TOLM_TASKS_DEMO_CREPLAYER_H

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

#include "tolm/inputdevice/CInputTap.h"
#include "tolm/tasks/CPassObserver.h"
#include "tolm/tasks/demo/CRecordingReader.h"
#include "tolm/tasks/demo/TimedemoReport.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {

class CEventManager;

class CReplayer : public CPassObserver, public CInputTap {
public:
    enum EEnding {
        kStop,      // end the run with the recording
        kGoLive,    // then hand over to the live devices
        kTimedemo,  // as fast as possible, then end the run with the timing line
    };
    // The longest wait for one pass, so that no file can hold the loop for long.
    static constexpr types::ticks kMaxWait = 1000;

    CReplayer(CTimeSource& real, CManualTimeSource& engine, CEventManager& events);

    // Opens the file and sets the engine clock to its start; false with the reason.
    bool Start(const std::string& fileName, EEnding ending, std::string* error);

    void OnPassBegin() override;
    void OnTaskUpdated(int updateIndex) override;
    void OnPassEnd() override;
    bool OnInput(const SInputEvent& event) override;
    bool LetsLoopPace() const override { return myLive; }

    bool IsLive() const { return myLive; }
    bool IsFinished() const { return myFinished; }
    std::uint64_t GetPassesReplayed() const { return myFigures.passes; }
    // The timing line; empty until a timing run has finished.
    const std::string& GetTimedemoLine() const { return myTimedemoLine; }
    // Ends a timing run early (the window was closed): the line covers the passes so far.
    void FinishTimedemo();

private:
    bool NextPass();
    void RunOut();
    void Feed(int upToUpdate);
    void Wait();

    CTimeSource& myReal;
    CManualTimeSource& myEngine;
    CEventManager& myEvents;
    CRecordingReader myReader;
    std::string myFileName;
    EEnding myEnding = kStop;
    recording::SPass myPass;
    std::uint32_t myPassesLeft = 0;
    std::size_t myFed = 0;
    bool myFeeding = false;
    bool myLive = false;
    bool myFinished = false;
    // Real time at the start and the engine time it stands for, for the normal speed.
    types::ticks myRealStart = 0;
    types::ticks myEngineStart = 0;
    types::ticks myLiveOffset = 0;
    // Timing.
    STimedemoFigures myFigures;
    std::string myTimedemoLine;
    std::chrono::steady_clock::time_point myWallStart;
    std::chrono::steady_clock::time_point myLastFrameAt;
    std::clock_t myCpuStart = 0;
    unsigned long myFramesSeen = 0;
};

}  // namespace tolm

#endif
