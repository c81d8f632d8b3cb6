#include "tolm/tasks/demo/CDemo.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/tasks/demo/CDemoCommand.h"
#include "tolm/utils/Version.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/random/Random.h"

namespace tolm {
namespace {

// More script than this is not hashed: no start-up script comes near it.
constexpr std::streamsize kMaxScriptSize = 16 * 1024 * 1024;

}  // namespace

CDemo::CDemo(std::string scriptFile)
    : myScriptFile(std::move(scriptFile)), myClock(std::make_shared<CManualTimeSource>()) {}

CDemo::~CDemo() {
    // Stop should have run while the services were up; this only lets go of them.
    if (CSingletonPtr<CTaskScheduler>::Exists() && Scheduler().GetPassObserver() == this) {
        Scheduler().SetPassObserver(nullptr);
    }
    if (CSingletonPtr<CEventManager>::Exists() && EventManager().GetInputTap() == this) {
        EventManager().SetInputTap(nullptr);
    }
    if (myInstalled) SetSystemTimeSource(myRealClock);
}

void CDemo::AddCommands(CConsole& console) {
    CDemoCommand::AddAll(console, *this);
}

std::string CDemo::ReadScript() const {
    std::ifstream file(myScriptFile, std::ios::binary);
    std::string text;
    if (!file) return text;
    text.resize(kMaxScriptSize);
    file.read(&text[0], kMaxScriptSize);
    text.resize(static_cast<std::size_t>(file.gcount()));
    return text;
}

void CDemo::Install() {
    myRealClock = SetSystemTimeSource(myClock);
    // Without a clock (a test that took it away) time stands still, as it did before.
    if (!myRealClock) myRealClock = std::make_shared<CManualTimeSource>();
    myClock->Set(myRealClock->GetTime());
    Scheduler().SetPassObserver(this);
    EventManager().SetInputTap(this);
    myInstalled = true;
}

void CDemo::Uninstall() {
    if (!myInstalled) return;
    if (Scheduler().GetPassObserver() == this) Scheduler().SetPassObserver(nullptr);
    if (EventManager().GetInputTap() == this) EventManager().SetInputTap(nullptr);
    SetSystemTimeSource(myRealClock);
    myRealClock.reset();
    myActive = nullptr;
    myActiveTap = nullptr;
    myInstalled = false;
    FreeClockSeed();
}

bool CDemo::StartRecording(const std::string& fileName) {
    if (IsRecording() || IsReplaying()) {
        Logger().Error() << "[ERROR] Cannot record to \"" << fileName
                         << "\": a recording or a replay runs already" << std::endl;
        return false;
    }
    Install();
    recording::SHeader header;
    header.engine = kVersionText;
    header.scriptName = myScriptFile;
    header.scriptHash = recording::HashText(ReadScript());
    header.seed = ClockSeed();
    header.randomState = GetRandomState();
    header.clock = myClock->GetTime();
    auto recorder = std::make_unique<CRecorder>(*myRealClock, *myClock);
    std::string error;
    if (!recorder->Start(fileName, header, &error)) {
        Uninstall();
        Logger().Error() << "[ERROR] Cannot record to \"" << fileName << "\": " << error
                         << std::endl;
        return false;
    }
    FixClockSeed(header.seed);
    myRecorder = std::move(recorder);
    myActive = myRecorder.get();
    myActiveTap = myRecorder.get();
    Logger() << "Recording to \"" << fileName << "\"" << std::endl;
    return true;
}

void CDemo::StopRecording() {
    if (!myRecorder) return;
    myRecorder->Stop();
    const CRecordingWriter& writer = myRecorder->GetWriter();
    Logger() << "Recording stopped after " << writer.GetPassCount() << " passes, "
             << writer.GetBytesWritten() << " bytes" << std::endl;
    if (!writer.IsHealthy()) {
        Logger().Error() << "[ERROR] The recording could not be written whole" << std::endl;
    }
    myRecorder.reset();
    Uninstall();
}

bool CDemo::StartReplay(const std::string& fileName, CReplayer::EEnding ending, bool force,
                        std::string* refusal) {
    const auto refuse = [&](const std::string& reason) {
        const std::string line = "Cannot replay \"" + fileName + "\": " + reason;
        Logger().Error() << "[ERROR] " << line << std::endl;
        if (refusal != nullptr) *refusal = line;
        return false;
    };
    if (IsRecording() || IsReplaying()) return refuse("a recording or a replay runs already");
    recording::SHeader header;
    CRecordingReader::SSummary summary;
    std::string error;
    if (!CRecordingReader::Check(fileName, &header, &summary, &error)) return refuse(error);
    if (header.scriptHash != recording::HashText(ReadScript())) {
        if (!force) {
            return refuse("it was made with a different start-up script (" + myScriptFile +
                          "); --force replays it anyway");
        }
        Logger().Warning() << "[WARNING] Replaying \"" << fileName
                           << "\" although it was made with a different start-up script"
                           << std::endl;
    }
    if (header.engine != kVersionText) {
        Logger().Warning() << "[WARNING] \"" << fileName << "\" was made by " << header.engine
                           << std::endl;
    }
    if (summary.lostLastLine) {
        Logger().Warning() << "[WARNING] The last line of \"" << fileName
                           << "\" was cut mid-write; the " << summary.passes
                           << " whole passes before it are replayed" << std::endl;
    } else if (!summary.stopped) {
        Logger().Warning() << "[WARNING] \"" << fileName << "\" was cut short after "
                           << summary.passes << " passes" << std::endl;
    }
    Install();
    auto replayer = std::make_unique<CReplayer>(*myRealClock, *myClock, EventManager());
    if (!replayer->Start(fileName, ending, &error)) {
        Uninstall();
        return refuse(error);
    }
    FixClockSeed(header.seed);
    SetRandomSeed(header.randomState);
    myReplayer = std::move(replayer);
    myActive = myReplayer.get();
    myActiveTap = myReplayer.get();
    Logger() << (ending == CReplayer::kTimedemo ? "Timing" : "Replaying") << " \"" << fileName
             << "\": " << summary.passes << " passes, " << summary.events << " events" << std::endl;
    return true;
}

void CDemo::Stop() {
    StopRecording();
    if (!myReplayer) return;
    myReplayer->FinishTimedemo();
    SayTimedemoLine();
    myReplayer.reset();
    Uninstall();
}

void CDemo::RequestRestart(const std::vector<std::string>& options) {
    myRestart = options;
    Scheduler().Quit();
}

void CDemo::OnPassBegin() {
    if (myActive != nullptr) myActive->OnPassBegin();
    SayTimedemoLine();
}

void CDemo::SayTimedemoLine() {
    // Once, as soon as the timing run has its line.
    if (!myReplayer || myReplayer->GetTimedemoLine().empty() || myTimedemoSaid) return;
    myTimedemoSaid = true;
    std::cout << myReplayer->GetTimedemoLine() << std::endl;
    Logger() << myReplayer->GetTimedemoLine() << std::endl;
}

void CDemo::OnTaskUpdated(int updateIndex) {
    if (myActive != nullptr) myActive->OnTaskUpdated(updateIndex);
}

void CDemo::OnPassEnd() {
    if (myActive != nullptr) myActive->OnPassEnd();
    const unsigned long pass = Scheduler().GetPassCount();
    if (myShots.count(pass) == 0) return;
    // The line is made here of digits only; nothing of the recording goes into it.
    char line[64];
    std::snprintf(line, sizeof line, "gfx::Screenshot(\"pass-%06lu.png\")", pass);
    Console().Execute(line, false);
}

bool CDemo::OnInput(const SInputEvent& event) {
    return myActiveTap == nullptr || myActiveTap->OnInput(event);
}

bool CDemo::LetsLoopPace() const {
    return myActive == nullptr || myActive->LetsLoopPace();
}

}  // namespace tolm
