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
//      the start-up script needs mending.
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

// Not called here: on platforms with SDL's entry glue the header makes main SDL's entry.
#include "SDL.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/tasks/CApplication.h"
#include "tolm/tasks/CCommandLine.h"
#include "tolm/tasks/CPlayerSettings.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskWindow.h"
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
    const tolm::CCommandLine::EAction action = commandLine.Parse(argc, argv);
    if (action != tolm::CCommandLine::kRun) return commandLine.Answer(action, std::cout, std::cerr);
    std::string noData;
    if (!tolm::FileLocations().SetUp(commandLine.GetValue("--data"), kProgramName, &noData)) {
        std::cerr << noData << std::endl;
        return tolm::CCommandLine::kUsageErrorExitCode;
    }
    // Before the start-up script: its tasks take the kept settings as they start, and its
    // later lines may still change them.
    tolm::CPlayerFile::SetFolder(PlayerFolder());
    // A page has no threads for the writer; what is written goes on to lasting storage.
    if (tolm::platform::InBrowser())
        tolm::CPlayerFile::WriteOnCaller(true, tolm::platform::KeepPlayerFiles);
    tolm::PlayerSettings().Open(tolm::CPlayerFile::PathOf(tolm::CPlayerSettings::kFileName));
    std::string badOption;
    if (!ApplySettingOptions(commandLine, &badOption)) {
        std::cerr << kProgramName << ": " << badOption << "\n"
                  << commandLine.UsageLine() << std::endl;
        return tolm::CCommandLine::kUsageErrorExitCode;
    }

    int code = 0;
    auto application = std::make_unique<tolm::CApplication>(argc, argv);
    const tolm::CTaskWindow* window = StartedWindow();
    const tolm::CTaskWindow::EOutcome outcome =
        window != nullptr ? window->GetOutcome() : tolm::CTaskWindow::kNotStarted;
    if (outcome == tolm::CTaskWindow::kNoDisplay) {
        Say("No display available: " + window->GetFailure());
        code = NoDisplayExitCode;
    } else if (outcome == tolm::CTaskWindow::kRefused) {
        Say("The display refused the window: " + window->GetFailure());
        code = WindowRefusedExitCode;
    } else if (tolm::platform::InBrowser()) {
        // The page's animation frames run the passes; main returns and the game goes on.
        tolm::CApplication* running = application.release();
        tolm::platform::RunLoop([running] { return running->RunOnce(); },
                                [running] {
                                    delete running;
                                    tolm::CPlayerFile::Settle();
                                });
        return 0;
    } else {
        application->Run();
    }
    application.reset();
    // The last progress or settings written must reach the disk before the process ends.
    tolm::CPlayerFile::Settle();
    return code;
}
