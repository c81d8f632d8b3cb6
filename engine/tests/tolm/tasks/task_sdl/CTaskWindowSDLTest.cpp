#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/TestFiles.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/task_sdl/SdlTaskTestSupport.h"

namespace tolm::test {
namespace {

using CTaskWindowSDLTest = CSdlTaskTest;

TEST_F(CTaskWindowSDLTest, ParametersChooseSizeDepthAndFlags) {
    const Uint32 kDb = SDL_DOUBLEBUF, kRs = kDb | SDL_RESIZABLE, kDef = kRs | SDL_ANYFORMAT;
    const struct {
        std::vector<Param> parameters;
        int width, height, depth;
        Uint32 flags, modeFlags;
    } cases[] = {
        // clang-format off
        {{}, 640, 480, 0, kDef, kDef},
        {{800.0, 600.0, 32.0}, 800, 600, 32, kRs, kRs},
        {{800.0, 600.0, 32.0, 1.0}, 800, 600, 32, kDb, kDb | SDL_FULLSCREEN},  // mode call only
        {{320.0, 200.0, 32.0, 0.0, 0.0, "t", "", 0.0}, 320, 200, 32, kDb | SDL_NOFRAME,
         kDb | SDL_NOFRAME},
        {{"800", "600", "32"}, 640, 480, 0, kDef, kDef},
        {{0.0, 16385.0, 33.0}, 640, 480, 0, kDef, kDef},  // out of range: defaults kept
        {{-1.0, 1e300, -1.0}, 640, 480, 0, kDef, kDef},
        {{1.0, 16384.0, 8.0}, 1, 16384, 8, kRs, kRs},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width * 100000 + c.height);
        Restart();
        CTaskWindowSDL* window = StartWindow(c.parameters);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->GetDepth(), c.depth);
        EXPECT_EQ(window->GetFlags(), c.flags);
        EXPECT_EQ(window->GetModeFlags(), c.modeFlags);
        ASSERT_NE(window->GetScreen(), nullptr);
        EXPECT_EQ(window->GetScreen()->w, c.width);
        EXPECT_EQ(window->GetScreen()->h, c.height);
        // Parked with its console, so the main loop never stops it.
        EXPECT_TRUE(Scheduler().GetRunningTasks().empty());
        QuitVideoOnce();
    }
}

TEST_F(CTaskWindowSDLTest, LogsEachStepExactly) {
    StartWindow({800.0, 600.0, 32.0, 0.0, 1.0, "Caption", "", 0.0});
    SDL_version compiled;
    SDL_VERSION(&compiled);
    const auto version = [](const SDL_version& v) {
        return std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
               std::to_string(v.patch) + "\n";
    };
    const std::vector<std::string> expected = {
        "Initializing video [OK]\n",
        "\n",
        "Creating new window\n",
        "Compiled with SDL version: " + version(compiled),
        "Running with SDL version: " + version(*SDL_Linked_Version()),
        "Using driver: dummy\n",
        "Using software surface ( SDL_SWSURFACE  )\n",
        "Using double buffering ( SDL_DOUBLEBUF )\n",
        "Using resizable ( SDL_RESIZABLE )\n",
        "Using no window frames,\n",
        "  ( oh my god our window doesn't have frames!? ) ( SDL_NOFRAME )\n",
        "Valid resolutions for current flags\n",
        "All resolutions available\n",
        "New window created succesfully\n",
    };
    EXPECT_EQ(myLog->Lines(), expected);
}

TEST_F(CTaskWindowSDLTest, FailedVideoStartIsLoggedWithoutReadingThroughNull) {
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    EXPECT_EQ(StartWindow({800.0, 600.0, 32.0})->GetScreen(), nullptr);
    for (const char* line :
         {"Initializing video Error on initialing video or timer.\n", " SDL Says:\n",
          "Exiting on error \n", "Error creating the new window\n"})
        EXPECT_TRUE(myLog->Has(line, 3)) << line;
    EXPECT_TRUE(myLog->Contains("Using driver: \n"));
    EXPECT_TRUE(myLog->Contains("Using software ( SDL_SWSURFACE )\n"));
    EXPECT_FALSE(myLog->Contains("All resolutions available\n"));
}

// Sets an environment variable (null: removes it) for its lifetime, then puts it back.
class CScopedVariable {
public:
    CScopedVariable(const char* name, const char* value) : myName(name) {
        if (const char* old = std::getenv(name)) myOld = old;
        Set(value);
    }
    ~CScopedVariable() { Set(myOld ? myOld->c_str() : nullptr); }
    CScopedVariable(const CScopedVariable&) = delete;
    CScopedVariable& operator=(const CScopedVariable&) = delete;

private:
    void Set(const char* value) {
        if (value != nullptr) {
            setenv(myName.c_str(), value, 1);
        } else {
            unsetenv(myName.c_str());
        }
    }
    std::string myName;
    std::optional<std::string> myOld;
};

// What the process entry turns into its one line and exit code. The reason is the failing
// call's own: an error an earlier call left behind is never quoted. With a terminal type
// set, an unchosen driver never falls back on drawing letters into the terminal. Without
// video an icon is not handed to SDL, which would read through a null device.
TEST_F(CTaskWindowSDLTest, OutcomeSaysWhetherTheWindowOpenedAndWhyNot) {
    CTempDir dir;
    const std::string icon = dir.File("icon.bmp");
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 16, 16, 24, 0, 0, 0, 0);
    ASSERT_EQ(SDL_SaveBMP(picture, icon.c_str()), 0);
    SDL_FreeSurface(picture);
    const std::string unreachable = "the window could not be opened (No available video device)";
    const struct {
        const char* driver;
        const char* display;
        CTaskWindow::EOutcome outcome;
        std::string failure;
    } cases[] = {
        {"dummy", nullptr, CTaskWindow::kOpen, ""},
        {"no-such-driver", ":0", CTaskWindow::kNoDisplay, unreachable},
        {"x11", nullptr, CTaskWindow::kNoDisplay, "DISPLAY is not set"},
        {"x11", "", CTaskWindow::kNoDisplay, "DISPLAY is not set"},
        {nullptr, nullptr, CTaskWindow::kNoDisplay, "DISPLAY is not set"},
        {"", nullptr, CTaskWindow::kNoDisplay, "DISPLAY is not set"},
        {nullptr, ":7353", CTaskWindow::kNoDisplay, unreachable},
    };
    const CScopedVariable term("TERM", "xterm");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.driver ? c.driver : "(unset)") + " on " +
                     (c.display ? c.display : "(unset)"));
        Restart();
        const CScopedVariable driver("SDL_VIDEODRIVER", c.driver);
        const CScopedVariable display("DISPLAY", c.display);
        SDL_SetError("Unrecognized sound file type");
        CTaskWindowSDL* window = StartWindow({320.0, 200.0, 32.0, 0.0, 0.0, "t", icon});
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->GetCommandConsole()->Execute("SetIcon(\"" + icon + "\")"), "");
        const char* const after = std::getenv("SDL_VIDEODRIVER");
        EXPECT_EQ(std::string(after ? after : "(unset)"), c.driver ? c.driver : "(unset)");
        char name[64] = {0};
        const std::string used = SDL_VideoDriverName(name, sizeof name) ? name : "";
        if (c.outcome != CTaskWindow::kOpen && window->GetOutcome() == CTaskWindow::kOpen) {
            // Only where a frame buffer console lets a drawing driver start without X.
            EXPECT_TRUE(used != "caca" && used != "aalib") << used;
            QuitVideoOnce();
            continue;
        }
        EXPECT_EQ(window->GetOutcome(), c.outcome);
        EXPECT_EQ(window->GetFailure(), c.failure);
        EXPECT_EQ(window->GetScreen() != nullptr, c.outcome == CTaskWindow::kOpen);
        if (c.outcome != CTaskWindow::kOpen) {
            EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "video started behind the failure";
            EXPECT_TRUE(myLog->Has("Window icon " + icon + " not set: video is not started\n", 2));
        }
        QuitVideoOnce();
    }
}

TEST_F(CTaskWindowSDLTest, CommandsAnswerAndResize) {
    CTaskWindowSDL* window = StartWindow({800.0, 600.0, 32.0});
    CConsole* console = window->GetCommandConsole();
    for (const char* line : {"Resize()", "Resize"})
        EXPECT_EQ(console->Execute(line), "[ERROR] You should give atleast two parameters");
    EXPECT_EQ(console->Execute("SetIcon()"), "[ERROR] You have to give atleast one parameter");
    // A size out of range or not a number keeps the current one.
    const std::tuple<const char*, int, int> resizes[] = {
        {"Resize(1024)", 1024, 600},         {"Resize(0, 480)", 1024, 480},
        {"Resize(16385, 16385)", 1024, 480}, {"Resize(\"x\", 300)", 1024, 300},
        {"resize(640, 480)", 640, 480},
    };
    for (const auto& [line, w, h] : resizes) {
        EXPECT_EQ(console->Execute(line), "");
        EXPECT_EQ(SDL_GetVideoSurface()->w, w) << line;
        EXPECT_EQ(SDL_GetVideoSurface()->h, h) << line;
        EXPECT_EQ(EventManager().GetWidth(), w) << line;
    }
    Console().Execute("window::SetName(5)");
    EXPECT_EQ(window->GetCaption(), "5");
}

TEST_F(CTaskWindowSDLTest, ToggleFullscreenChangesOnlyTheModeCall) {
    CTaskWindowSDL* window = StartWindow({800.0, 600.0, 32.0});
    const Uint32 stored = window->GetFlags();
    for (Uint32 full : {Uint32{SDL_FULLSCREEN}, 0u}) {
        window->GetCommandConsole()->Execute("ToggleFullscreen()");
        EXPECT_EQ(window->GetModeFlags(), stored | full);
        EXPECT_EQ(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN, full);
        EXPECT_EQ(window->GetFlags(), stored);
    }
}

TEST_F(CTaskWindowSDLTest, SizeIsKeptWhenTheModeCannotBeSet) {
    CTaskWindowSDL* window = StartWindow({800.0, 600.0, 32.0});
    // SDL_SetVideoMode would bring video up again with a driver that works.
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    window->Resize(1024, 768);
    EXPECT_TRUE(myLog->Has("Error creating the new window\n", 3));
    EXPECT_EQ(window->GetWidth(), 800);
    EXPECT_EQ(window->GetHeight(), 600);
    EXPECT_EQ(window->GetScreen(), nullptr);
}

// Refused icons are freed too (the leak checker sees any that is not).
TEST_F(CTaskWindowSDLTest, IconsLargerThan32PixelsOrMissingAreRefused) {
    CTempDir dir;
    CTaskWindowSDL* window = StartWindow({320.0, 200.0, 32.0});
    const std::tuple<std::string, int, int, std::string> cases[] = {
        {dir.File("wide.bmp"), 33, 16, ") width is larger than 32 pixels \n"},
        {dir.File("tall.bmp"), 16, 33, ") height is larger than 32 pixels \n"},
        {dir.File("ok.bmp"), 32, 32, ""},
        {dir.File("missing.bmp"), 0, 0, ""},
    };
    for (const auto& [file, w, h, refusal] : cases) {
        if (w > 0) {
            SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0, 0, 0, 0);
            SDL_SaveBMP(s, file.c_str());
            SDL_FreeSurface(s);
        }
        myLog->Clear();
        EXPECT_EQ(window->GetCommandConsole()->Execute("SetIcon(\"" + file + "\")"), "");
        const std::string prefix = " CApplicationSDL::WindowSetIcon() ";
        if (w == 0) {
            EXPECT_TRUE(myLog->Has("[WARNING] Refused the window icon \"" + file +
                                       "\": it cannot be opened: No such file or directory\n",
                                   2));
        } else if (refusal.empty()) {
            EXPECT_TRUE(myLog->Lines().empty()) << file;
        } else {
            EXPECT_TRUE(myLog->Has(prefix + "Image's (" + file + refusal, 2)) << file;
        }
    }
}

TEST_F(CTaskWindowSDLTest, StartsNoTimerThreadYetTicksAdvance) {
    StartWindow({320.0, 200.0, 32.0});
    EXPECT_EQ(SDL_WasInit(SDL_INIT_TIMER), 0u) << "its thread wakes every millisecond";
    const Uint32 before = SDL_GetTicks();
    SDL_Delay(3);
    EXPECT_GE(SDL_GetTicks() - before, 2u);
}

TEST_F(CTaskWindowSDLTest, StopShutsVideoDownOnce) {
    StartWindow({320.0, 200.0, 32.0});
    Factory().StopTask("window");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(EventManager().GetWidth(), 0) << "listeners were told the screen is gone";
    EventManager().Resize(100, 100);  // reaches no stopped window
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

}  // namespace
}  // namespace tolm::test
