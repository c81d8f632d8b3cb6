#include "tolm/tasks/demo/CReplayer.h"

#include <algorithm>
#include <thread>

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CTaskGfx.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CReplayer::CReplayer(CTimeSource& real, CManualTimeSource& engine, CEventManager& events)
    : myReal(real), myEngine(engine), myEvents(events) {}

bool CReplayer::Start(const std::string& fileName, EEnding ending, std::string* error) {
    if (!myReader.Open(fileName)) {
        *error = myReader.GetError();
        return false;
    }
    myFileName = fileName;
    myEnding = ending;
    myEngine.Set(myReader.GetHeader().clock);
    myEngineStart = myReader.GetHeader().clock;
    myRealStart = myReal.GetTime();
    myWallStart = std::chrono::steady_clock::now();
    myLastFrameAt = myWallStart;
    myCpuStart = std::clock();
    myFramesSeen = CTaskGfx::GetFramesMade();
    return true;
}

bool CReplayer::NextPass() {
    if (myPassesLeft > 0) {
        --myPassesLeft;
        return true;
    }
    if (myReader.Next(&myPass) != CRecordingReader::kPass) return false;
    myPassesLeft = myPass.repeat - 1;
    return true;
}

void CReplayer::OnPassBegin() {
    if (myLive) {
        myEngine.Set(myReal.GetTime() + myLiveOffset);
        return;
    }
    if (myFinished) return;
    myFed = 0;
    if (!NextPass()) {
        RunOut();
        return;
    }
    myEngine.Set(myEngine.GetTime() + myPass.delta);
    ++myFigures.passes;
    if (myEnding != kTimedemo) Wait();
}

void CReplayer::Wait() {
    const types::ticks due = myEngine.GetTime() - myEngineStart;
    const types::ticks elapsed = myReal.GetTime() - myRealStart;
    if (due <= elapsed) return;
    const types::ticks wait = std::min(due - elapsed, kMaxWait);
    std::this_thread::sleep_for(std::chrono::milliseconds(wait));
    // A long gap is skipped rather than waited out, so the rest keeps its own pace.
    if (due - elapsed > kMaxWait) myRealStart -= due - elapsed - kMaxWait;
}

void CReplayer::RunOut() {
    myFinished = true;
    myPass.events.clear();
    if (myReader.GetError().empty() == false) {
        // Checked before the start, so only a file changed since can get here.
        Logger().Error() << "[ERROR] The replay of \"" << myFileName
                         << "\" stops: " << myReader.GetError() << std::endl;
    }
    if (myEnding == kGoLive) {
        myLive = true;
        myLiveOffset = myEngine.GetTime() - myReal.GetTime();
        Logger() << "Replay of \"" << myFileName << "\" done after " << myFigures.passes
                 << " passes; the live devices take over" << std::endl;
        return;
    }
    if (myEnding == kTimedemo) FinishTimedemo();
    Logger() << "Replay of \"" << myFileName << "\" done after " << myFigures.passes << " passes"
             << std::endl;
    Scheduler().Quit();
}

void CReplayer::FinishTimedemo() {
    if (myEnding != kTimedemo || !myTimedemoLine.empty()) return;
    const auto now = std::chrono::steady_clock::now();
    myFigures.wallSeconds = std::chrono::duration<double>(now - myWallStart).count();
    myFigures.cpuSeconds = static_cast<double>(std::clock() - myCpuStart) / CLOCKS_PER_SEC;
    myTimedemoLine = TimedemoLine(myFileName, myFigures);
}

void CReplayer::Feed(int upToUpdate) {
    myFeeding = true;
    while (myFed < myPass.events.size() &&
           (upToUpdate < 0 || myPass.events[myFed].updateIndex <= upToUpdate)) {
        // Copied: a listener may end the replay, which clears the pass.
        const SInputEvent event = myPass.events[myFed++].event;
        myEvents.Dispatch(event);
    }
    myFeeding = false;
}

void CReplayer::OnTaskUpdated(int updateIndex) {
    if (!myLive && !myFinished) Feed(updateIndex);
}

void CReplayer::OnPassEnd() {
    if (myLive || myFinished) return;
    Feed(-1);
    if (myEnding != kTimedemo) return;
    const unsigned long frames = CTaskGfx::GetFramesMade();
    if (frames == myFramesSeen) return;
    myFramesSeen = frames;
    ++myFigures.frames;
    const auto now = std::chrono::steady_clock::now();
    if (myFigures.frameMs.size() < STimedemoFigures::kMaxFrameSamples) {
        myFigures.frameMs.push_back(
            std::chrono::duration<double, std::milli>(now - myLastFrameAt).count());
    }
    myLastFrameAt = now;
}

bool CReplayer::OnInput(const SInputEvent& event) {
    // A closed window still ends the run.
    return myFeeding || myLive || event.kind == SInputEvent::kQuit;
}

}  // namespace tolm
