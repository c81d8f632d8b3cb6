// Recording, replay and timing runs of the whole program: the one place that switches the
// engine's clock to a fixed value per pass, fixes the seed of new games, and puts a recorder
// or a replay between the live devices and the event manager and beside the main loop. The
// process entry owns it and lets it start before the start-up script runs, so that a
// recording holds everything from the script on; it must Stop before the engine's services
// go. The console commands record, stoprecord, replay and timedemo reach it too.
#ifndef TOLM_TASKS_DEMO_CDEMO_H
#define TOLM_TASKS_DEMO_CDEMO_H

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tolm/inputdevice/CInputTap.h"
#include "tolm/tasks/CPassObserver.h"
#include "tolm/tasks/demo/CRecorder.h"
#include "tolm/tasks/demo/CReplayer.h"
#include "tolm/utils/CSmartPtr.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm {

class CConsole;

class CDemo : public CPassObserver, public CInputTap {
public:
    // The exit code of a run whose replay file was refused.
    static constexpr int kRefusedExitCode = 1;

    explicit CDemo(std::string scriptFile = "autoexec.txt");
    ~CDemo() override;
    CDemo(const CDemo&) = delete;
    CDemo& operator=(const CDemo&) = delete;

    // Adds record, stoprecord, replay and timedemo to the console, which owns them.
    void AddCommands(CConsole& console);

    // Starts recording into the file; false, with the line said in the log, when it cannot.
    bool StartRecording(const std::string& fileName);
    void StopRecording();
    // Checks the whole file, then replays it; false, with one line in the log (and in
    // *refusal), for a file that cannot be replayed. A file made with another start-up
    // script is refused unless forced, which only warns.
    bool StartReplay(const std::string& fileName, CReplayer::EEnding ending, bool force,
                     std::string* refusal = nullptr);
    // Ends what runs: a recording gets its end, a timing run prints its line.
    void Stop();

    bool IsRecording() const { return myRecorder != nullptr; }
    bool IsReplaying() const { return myReplayer != nullptr; }
    const CRecorder* GetRecorder() const { return myRecorder.get(); }
    const CReplayer* GetReplayer() const { return myReplayer.get(); }

    // Passes (counted from 1) at whose end the screen is written as pass-NNNNNN.png through
    // the graphics task "gfx".
    void SetScreenshotPasses(const std::set<unsigned long>& passes) { myShots = passes; }

    // A command that must start a fresh run asks for one: the loop ends and the process
    // entry starts the program again with these options.
    void RequestRestart(const std::vector<std::string>& options);
    const std::vector<std::string>& GetRestartOptions() const { return myRestart; }

    void OnPassBegin() override;
    void OnTaskUpdated(int updateIndex) override;
    void OnPassEnd() override;
    bool OnInput(const SInputEvent& event) override;
    bool LetsLoopPace() const override;

private:
    void Install();
    void Uninstall();
    std::string ReadScript() const;
    void SayTimedemoLine();

    std::string myScriptFile;
    // The engine's clock while recording or replaying, and the one it replaced.
    CSmartPtr<CManualTimeSource> myClock;
    CSmartPtr<CTimeSource> myRealClock;
    std::unique_ptr<CRecorder> myRecorder;
    std::unique_ptr<CReplayer> myReplayer;
    CPassObserver* myActive = nullptr;
    CInputTap* myActiveTap = nullptr;
    bool myInstalled = false;
    bool myTimedemoSaid = false;
    std::set<unsigned long> myShots;
    std::vector<std::string> myRestart;
};

}  // namespace tolm

#endif
