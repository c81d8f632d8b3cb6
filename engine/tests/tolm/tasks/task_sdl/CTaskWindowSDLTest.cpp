#include <gtest/gtest.h>

#include <vector>

#include "support/TestFiles.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/task_sdl/CTaskWindowSDL.h"
#include "tolm/tasks/task_sdl/SdlTaskTestSupport.h"

namespace tolm::test {
namespace {

using CTaskWindowSDLTest = CSdlTaskTest;

std::string Version(const SDL_version& v) {
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.patch);
}

TEST_F(CTaskWindowSDLTest, StartWithoutParametersOpensTheDefaultWindowAndParks) {
    Factory().StartTask("window", "window", 1000, nullptr);
    auto* window = dynamic_cast<CTaskWindowSDL*>(Factory().FindTask("window"));
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->GetScreen(), nullptr);
    EXPECT_EQ(window->GetScreen()->w, 640);
    EXPECT_EQ(window->GetScreen()->h, 480);
    EXPECT_EQ(window->GetFlags(), Uint32{SDL_DOUBLEBUF | SDL_RESIZABLE | SDL_ANYFORMAT});
    EXPECT_EQ(window->GetCaption(), "SDL Window");
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    EXPECT_STREQ(title, "SDL Window");
    EXPECT_TRUE(CSingletonPtr<CTaskScheduler>::Get()->GetRunningTasks().empty());
    ASSERT_EQ(CSingletonPtr<CTaskScheduler>::Get()->GetPausedTasks().size(), 2u);
}

TEST_F(CTaskWindowSDLTest, ParametersChooseSizeDepthAndFlags) {
    const Uint32 kBase = SDL_DOUBLEBUF;
    struct Case {
        const char* name;
        std::vector<Param> parameters;
        int width, height, depth;
        Uint32 flags;
        Uint32 modeFlags;
    };
    const std::vector<Case> cases = {
        {"windowed",
         {800.0, 600.0, 32.0},
         800,
         600,
         32,
         kBase | SDL_RESIZABLE,
         kBase | SDL_RESIZABLE},
        {"full screen adds the flag to the mode call only",
         {800.0, 600.0, 32.0, 1.0},
         800,
         600,
         32,
         kBase,
         kBase | SDL_FULLSCREEN},
        {"full screen with any depth",
         {320.0, 200.0, 0.0, 1.0},
         320,
         200,
         0,
         kBase,
         kBase | SDL_FULLSCREEN},
        {"any depth",
         {320.0, 200.0},
         320,
         200,
         0,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT},
        {"fixed size, no frame",
         {320.0, 200.0, 32.0, 0.0, 0.0, "t", "", 0.0},
         320,
         200,
         32,
         kBase | SDL_NOFRAME,
         kBase | SDL_NOFRAME},
        {"texts where numbers belong",
         {"800", "600", "32", "1"},
         640,
         480,
         0,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT},
        {"sizes out of range keep the defaults",
         {0.0, 16385.0, 33.0},
         640,
         480,
         0,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT},
        {"negative and huge",
         {-1.0, 1e300, -1.0},
         640,
         480,
         0,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT,
         kBase | SDL_RESIZABLE | SDL_ANYFORMAT},
        {"limits",
         {1.0, 16384.0 / 64, 8.0},
         1,
         256,
         8,
         kBase | SDL_RESIZABLE,
         kBase | SDL_RESIZABLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        CTaskLibraries::Load("sdl");
        CTaskWindowSDL* window = StartWindow(c.parameters);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->GetWidth(), c.width);
        EXPECT_EQ(window->GetHeight(), c.height);
        EXPECT_EQ(window->GetDepth(), c.depth);
        EXPECT_EQ(window->GetFlags(), c.flags);
        EXPECT_EQ(window->GetModeFlags(), c.modeFlags);
        ASSERT_NE(window->GetScreen(), nullptr);
        EXPECT_EQ(window->GetScreen()->w, c.width);
        QuitVideoOnce();
    }
}

TEST_F(CTaskWindowSDLTest, LogsEachStepExactly) {
    StartWindow({800.0, 600.0, 32.0, 0.0, 1.0, "Caption", "", 0.0});
    SDL_version compiled;
    SDL_VERSION(&compiled);
    const std::vector<std::string> expected = {
        "Initializing video [OK]\n",
        "\n",
        "Creating new window\n",
        "Compiled with SDL version: " + Version(compiled) + "\n",
        "Running with SDL version: " + Version(*SDL_Linked_Version()) + "\n",
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
    CTaskWindowSDL* window = StartWindow({800.0, 600.0, 32.0});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetScreen(), nullptr);
    EXPECT_TRUE(myLog->Has("Initializing video Error on initialing video or timer.\n", 3));
    EXPECT_TRUE(myLog->Has(" SDL Says:\n", 3));
    EXPECT_TRUE(myLog->Has("Exiting on error \n", 3));
    EXPECT_TRUE(myLog->Contains("Using driver: \n"));
    EXPECT_TRUE(myLog->Contains("Using software ( SDL_SWSURFACE )\n"));
    EXPECT_TRUE(myLog->Has("Error creating the new window\n", 3));
    EXPECT_FALSE(myLog->Contains("All resolutions available\n"));
    EXPECT_EQ(window->GetWidth(), 800) << "kept from the parameters, though no mode was set";
}

TEST_F(CTaskWindowSDLTest, CommandsAnswerAndChangeTheWindow) {
    CTaskWindowSDL* window = StartWindow({800.0, 600.0, 32.0});
    CConsole* console = window->GetCommandConsole();
    ASSERT_NE(console, nullptr);

    for (const char* line : {"Resize()", "Resize"}) {
        EXPECT_EQ(console->Execute(line), "[ERROR] You should give atleast two parameters");
    }
    EXPECT_EQ(console->Execute("SetIcon()"), "[ERROR] You have to give atleast one parameter");

    struct Case {
        const char* line;
        int width, height;
    };
    const std::vector<Case> resizes = {
        {"Resize(1024)", 1024, 600},       {"Resize(1024, 700)", 1024, 700},
        {"Resize(0, 480)", 1024, 480},     {"Resize(16385, 16385)", 1024, 480},
        {"Resize(\"x\", 300)", 1024, 300}, {"resize(640, 480)", 640, 480},
    };
    for (const Case& c : resizes) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(console->Execute(c.line), "");
        EXPECT_EQ(window->GetWidth(), c.width);
        EXPECT_EQ(window->GetHeight(), c.height);
        EXPECT_EQ(SDL_GetVideoSurface()->w, c.width);
        EXPECT_EQ(SDL_GetVideoSurface()->h, c.height);
        EXPECT_EQ(EventManager().GetWidth(), c.width);
    }

    // Routed by instance name from the process-wide console, as a script line would be.
    GetConsole()->Execute("window::SetName(5)");
    EXPECT_EQ(window->GetCaption(), "5");
    console->Execute("SetName()");
    EXPECT_EQ(window->GetCaption(), "");
}

TEST_F(CTaskWindowSDLTest, ToggleFullscreenChangesOnlyTheModeCall) {
    CTaskWindowSDL* window = StartWindow({800.0, 600.0, 32.0});
    const Uint32 stored = window->GetFlags();
    window->GetCommandConsole()->Execute("ToggleFullscreen()");
    EXPECT_TRUE(window->IsFullscreen());
    EXPECT_EQ(window->GetModeFlags(), stored | SDL_FULLSCREEN);
    EXPECT_NE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN, 0u);
    window->GetCommandConsole()->Execute("ToggleFullscreen()");
    EXPECT_FALSE(window->IsFullscreen());
    EXPECT_EQ(window->GetModeFlags(), stored);
    EXPECT_EQ(window->GetFlags(), stored);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 800);
}

TEST_F(CTaskWindowSDLTest, SizeIsKeptWhenTheModeCannotBeSet) {
    CTaskWindowSDL* window = StartWindow({800.0, 600.0, 32.0});
    // SDL_SetVideoMode would bring video up again with a driver that works.
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    myLog->Clear();
    window->Resize(1024, 768);
    EXPECT_TRUE(myLog->Has("Error creating the new window\n", 3));
    EXPECT_EQ(window->GetWidth(), 800);
    EXPECT_EQ(window->GetHeight(), 600);
    EXPECT_EQ(window->GetScreen(), nullptr);
}

TEST_F(CTaskWindowSDLTest, IconsLargerThan32PixelsOrMissingAreRefused) {
    CTempDir dir;
    CTaskWindowSDL* window = StartWindow({320.0, 200.0, 32.0});
    const auto bmp = [&dir](const std::string& name, int w, int h) {
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0, 0, 0, 0);
        SDL_SaveBMP(s, dir.File(name).c_str());
        SDL_FreeSurface(s);
        return dir.File(name);
    };
    struct Case {
        std::string file;
        std::string warning;  // empty: accepted
    };
    const std::vector<Case> cases = {
        {bmp("wide.bmp", 33, 16), " CApplicationSDL::WindowSetIcon() Image's (" +
                                      dir.File("wide.bmp") + ") width is larger than 32 pixels \n"},
        {bmp("tall.bmp", 16, 33), " CApplicationSDL::WindowSetIcon() Image's (" +
                                      dir.File("tall.bmp") +
                                      ") height is larger than 32 pixels \n"},
        {bmp("ok.bmp", 32, 32), ""},
        {dir.File("missing.bmp"), " CApplicationSDL::WindowSetIcon() Could not load file: " +
                                      dir.File("missing.bmp") + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        myLog->Clear();
        EXPECT_EQ(window->GetCommandConsole()->Execute("SetIcon(\"" + c.file + "\")"), "");
        if (c.warning.empty()) {
            EXPECT_TRUE(myLog->Lines().empty());
        } else {
            EXPECT_TRUE(myLog->Has(c.warning, 2));
        }
    }
}

TEST_F(CTaskWindowSDLTest, StopShutsVideoDownOnce) {
    StartWindow({320.0, 200.0, 32.0});
    ASSERT_NE(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    Factory().StopTask("window");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(SDL_GetVideoSurface(), nullptr);
    EXPECT_EQ(EventManager().GetWidth(), 0) << "listeners were told the screen is gone";
    // Later resizes reach no stopped window.
    EventManager().Resize(100, 100);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
}

}  // namespace
}  // namespace tolm::test
