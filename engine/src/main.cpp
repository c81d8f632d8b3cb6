// Process entry: after the command line and the choice of folders (where the data is read
// and the log written), the application does everything. When the start-up script wants a
// window that does not open, the program says why in one line (on standard error and in the
// log) and ends instead of running without a window; the exit code tells a caller what to do:
//   0  the program ran and ended (or printed --help or --version);
//   2  (CCommandLine::kUsageErrorExitCode) an unknown option, or no game data to play from;
//   3  (NoDisplayExitCode) there is no display to open a window on ("No display available:
//      ..."): a caller may fall back to a virtual display;
//   4  (WindowRefusedExitCode) there is a display, but it refused the window's size, depth
//      or mode ("The display refused the window: ..."): a virtual display would not help,
//      the start-up script needs mending;
//   1  (CDemo::kRefusedExitCode) the file given to --replay or --timedemo cannot be
//      replayed ("Cannot replay ...").
#include <cstdint>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>
#if defined(__unix__) && !defined(__EMSCRIPTEN__)
#include <unistd.h>
#endif

// Not called here: on platforms with SDL's entry glue the header makes main SDL's entry.
#include "SDL.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/tasks/CApplication.h"
#include "tolm/tasks/CCommandLine.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CPlayerSettings.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskWindow.h"
#include "tolm/tasks/demo/CDemo.h"
#include "tolm/utils/files/CFileLocations.h"
#include "tolm/utils/files/CPlayerFile.h"
#include "tolm/utils/logger/CLogger.h"

namespace {

const char* const kProgramName = "bubble-hush";
const char* const kGameName = "Bubble Hush";

constexpr int NoDisplayExitCode = 3;
constexpr int WindowRefusedExitCode = 4;

// The window the script started, or null when it started none.
const tolm::CTaskWindow* StartedWindow() {
    return dynamic_cast<const tolm::CTaskWindow*>(tolm::TaskFactory().FindTask("window"));
}

// Options that change a kept setting for this run only.
void AddSettingOptions(tolm::CCommandLine& commandLine) {
    commandLine.AddOption({"--fullscreen", "", "start in full screen"});
    commandLine.AddOption({"--window", "", "start in a window"});
    commandLine.AddOption({"--volume", "N", "sound volume from 0 (silent) to 128"});
    commandLine.AddOption({"--mute", "", "start with the sound off"});
}

// Recording, replay and timing runs.
void AddDemoOptions(tolm::CCommandLine& commandLine) {
    commandLine.AddOption({"--record", "FILE", "record the run (input and clock) into FILE"});
    commandLine.AddOption({"--replay", "FILE", "replay the recording FILE, then end"});
    commandLine.AddOption(
        {"--live", "", "after --replay, hand the run to the mouse and the keyboard"});
    commandLine.AddOption(
        {"--timedemo", "FILE", "replay FILE as fast as possible and print the timing"});
    commandLine.AddOption({"--force", "", "replay a recording made with another start-up script"});
    commandLine.AddOption(
        {"--shots", "PASSES", "with a recording or replay, screenshots at passes (1,50,..)"});
}

bool IsDemoRun(const tolm::CCommandLine& commandLine) {
    return commandLine.Has("--record") || commandLine.Has("--replay") ||
           commandLine.Has("--timedemo");
}

// False for a list that is not whole numbers above 0 separated by commas.
bool ParsePasses(const std::string& text, std::set<unsigned long>* passes) {
    std::istringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        std::int64_t pass = 0;
        if (!tolm::CPlayerFile::ParseNumber(item, 1, 1000000000, &pass)) return false;
        passes->insert(static_cast<unsigned long>(pass));
    }
    return !passes->empty();
}

// Starts what the options ask for before the start-up script runs; false (said on standard
// error and in the log) when the replay file is refused.
bool StartDemo(const tolm::CCommandLine& commandLine, tolm::CDemo& demo) {
    demo.AddCommands(tolm::Console());
    if (commandLine.Has("--record")) return demo.StartRecording(commandLine.GetValue("--record"));
    const bool timing = commandLine.Has("--timedemo");
    if (!timing && !commandLine.Has("--replay")) return true;
    const tolm::CReplayer::EEnding ending = timing                      ? tolm::CReplayer::kTimedemo
                                            : commandLine.Has("--live") ? tolm::CReplayer::kGoLive
                                                                        : tolm::CReplayer::kStop;
    std::string refusal;
    if (demo.StartReplay(commandLine.GetValue(timing ? "--timedemo" : "--replay"), ending,
                         commandLine.Has("--force"), &refusal))
        return true;
    std::cerr << refusal << std::endl;
    return false;
}

// A console command asked for a fresh run: the program starts again in this process with
// the options it gave in place of the earlier recording and replay options.
int Restart(int argc, char** argv, const std::vector<std::string>& options) {
    static const std::set<std::string> kWithValue = {"--record", "--replay", "--timedemo",
                                                     "--shots"};
    static const std::set<std::string> kFlags = {"--live", "--force"};
    std::vector<std::string> words = {argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const std::string name = word.substr(0, word.find('='));
        if (kWithValue.count(name) != 0) {
            if (name == word) ++i;
            continue;
        }
        if (kFlags.count(name) == 0) words.push_back(word);
    }
    words.insert(words.end(), options.begin(), options.end());
#if defined(__unix__) && !defined(__EMSCRIPTEN__)
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(&word[0]);
    pointers.push_back(nullptr);
    execv("/proc/self/exe", pointers.data());
    execvp(argv[0], pointers.data());
#endif
    std::cerr << kProgramName << ": cannot start again with " << options[0] << std::endl;
    return 1;
}

// False, with the reason in *error, for a volume that is not a number from 0 to 128.
bool ApplySettingOptions(const tolm::CCommandLine& commandLine, std::string* error) {
    tolm::CPlayerSettings& settings = tolm::PlayerSettings();
    if (commandLine.Has("--volume")) {
        std::int64_t volume = 0;
        if (!tolm::CPlayerFile::ParseNumber(commandLine.GetValue("--volume"), 0,
                                            tolm::CPlayerSettings::kMaxVolume, &volume)) {
            *error = "the option --volume needs a number from 0 to 128";
            return false;
        }
        settings.OverrideVolume(static_cast<int>(volume));
    }
    if (commandLine.Has("--mute")) settings.OverrideMuted(true);
    if (commandLine.Has("--fullscreen")) settings.OverrideFullscreen(true);
    if (commandLine.Has("--window")) settings.OverrideFullscreen(false);
    return true;
}

// Installed, the player's own folder (none without a home); in the developer's way, the
// working directory, like the log.
std::string PlayerFolder() {
    const tolm::CFileLocations& locations = tolm::FileLocations();
    return locations.IsInstalled() ? locations.GetPlayerFolder() : ".";
}

void Say(const std::string& line) {
    std::cerr << line << std::endl;
    tolm::Logger().Error() << "[ERROR] " << line << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    tolm::CCommandLine commandLine(kProgramName, kGameName);
    AddSettingOptions(commandLine);
    AddDemoOptions(commandLine);
    const tolm::CCommandLine::EAction action = commandLine.Parse(argc, argv);
    if (action != tolm::CCommandLine::kRun) return commandLine.Answer(action, std::cout, std::cerr);
    std::set<unsigned long> shots;
    if (commandLine.Has("--shots") && !ParsePasses(commandLine.GetValue("--shots"), &shots)) {
        std::cerr << kProgramName << ": the option --shots needs pass numbers such as 10,200\n"
                  << commandLine.UsageLine() << std::endl;
        return tolm::CCommandLine::kUsageErrorExitCode;
    }
    std::string noData;
    if (!tolm::FileLocations().SetUp(commandLine.GetValue("--data"), kProgramName, &noData)) {
        std::cerr << noData << std::endl;
        return tolm::CCommandLine::kUsageErrorExitCode;
    }
    // Before the start-up script: its tasks take the kept settings as they start, and its
    // later lines may still change them. A recorded or replayed run plays as a new player,
    // reading and writing none of the player's files, so that every replay starts alike.
    if (!IsDemoRun(commandLine)) {
        tolm::CPlayerFile::SetFolder(PlayerFolder());
        // A page has no threads for the writer; what is written goes on to lasting storage.
        if (tolm::platform::InBrowser())
            tolm::CPlayerFile::WriteOnCaller(true, tolm::platform::KeepPlayerFiles);
        tolm::PlayerSettings().Open(tolm::CPlayerFile::PathOf(tolm::CPlayerSettings::kFileName));
    }
    std::string badOption;
    if (!ApplySettingOptions(commandLine, &badOption)) {
        std::cerr << kProgramName << ": " << badOption << "\n"
                  << commandLine.UsageLine() << std::endl;
        return tolm::CCommandLine::kUsageErrorExitCode;
    }

    int code = 0;
    // Outlives the application: the console's commands refer to it.
    auto demo = std::make_unique<tolm::CDemo>();
    demo->SetScreenshotPasses(shots);
    bool demoStarted = true;
    auto application =
        std::make_unique<tolm::CApplication>(argc, argv, [&commandLine, &demo, &demoStarted] {
            demoStarted = StartDemo(commandLine, *demo);
            return demoStarted;
        });
    const tolm::CTaskWindow* window = StartedWindow();
    const tolm::CTaskWindow::EOutcome outcome =
        window != nullptr ? window->GetOutcome() : tolm::CTaskWindow::kNotStarted;
    if (outcome == tolm::CTaskWindow::kNoDisplay) {
        Say("No display available: " + window->GetFailure());
        code = NoDisplayExitCode;
    } else if (outcome == tolm::CTaskWindow::kRefused) {
        Say("The display refused the window: " + window->GetFailure());
        code = WindowRefusedExitCode;
    } else if (!demoStarted) {
        code = tolm::CDemo::kRefusedExitCode;
    } else if (tolm::platform::InBrowser()) {
        // The page's animation frames run the passes; main returns and the game goes on.
        tolm::CApplication* running = application.release();
        tolm::CDemo* runningDemo = demo.release();
        tolm::platform::RunLoop([running] { return running->RunOnce(); },
                                [running, runningDemo] {
                                    runningDemo->Stop();
                                    delete running;
                                    delete runningDemo;
                                    tolm::CPlayerFile::Settle();
                                });
        return 0;
    } else {
        application->Run();
    }
    demo->Stop();
    application.reset();
    // The last progress or settings written must reach the disk before the process ends.
    tolm::CPlayerFile::Settle();
    if (!demo->GetRestartOptions().empty()) return Restart(argc, argv, demo->GetRestartOptions());
    return code;
}
