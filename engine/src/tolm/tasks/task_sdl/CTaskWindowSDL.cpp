#include "tolm/tasks/task_sdl/CTaskWindowSDL.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CPlayerSettings.h"
#include "tolm/tasks/CTaskLibraryRegistrar.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm {
namespace {

CTaskLibraryRegistrar<CTaskWindowSDL> ourRegistrar("sdl", "window");

// True while a window task's SDL_Init holds SDL up and nobody has shut it down since.
bool ourVideoUp = false;

class CWindowCommand : public CCommand {
public:
    using Body = std::function<std::string(const CParameterList*)>;
    explicit CWindowCommand(Body body) : myBody(std::move(body)) {}
    // "Name()" gives an empty list, which counts as no parameters.
    std::string Execute(CParameterList& parameters) override {
        return myBody(parameters.Empty() ? nullptr : &parameters);
    }
    std::string Execute() override { return myBody(nullptr); }

private:
    Body myBody;
};

// Every text is one log line: a text without its own line end gets one.
void LogLine(const std::string& text) {
    Logger() << text;
    if (text.empty() || text.back() != '\n') Logger() << std::endl;
}

std::string VersionText(const SDL_version& version) {
    std::ostringstream text;
    text << static_cast<int>(version.major) << '.' << static_cast<int>(version.minor) << '.'
         << static_cast<int>(version.patch);
    return text.str();
}

// SDL answers null from several calls when video is not up; null reads as "".
std::string OrEmpty(const char* text) {
    return text != nullptr ? text : "";
}

// A number parameter in [low, high] converted to int, or the current value.
int NumberInRange(const CParameterList& parameters, std::size_t i, int low, int high, int current) {
    if (!parameters.IsType(i, CParameter::kNumber)) return current;
    const double value = parameters.GetNumber(i);
    if (!(value >= low && value <= high)) return current;
    return static_cast<int>(value);
}

bool InSideRange(int value) {
    return value >= 1 && value <= CTaskWindowSDL::kMaxSide;
}

// The driver the user named with SDL_VIDEODRIVER, or nothing.
std::optional<std::string> ChosenDriver() {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver == nullptr) return std::nullopt;
    return std::string(driver);
}

#if defined(__unix__)
// SDL 1.2's drivers that draw pictures, in the order it tries them itself. After these it
// tries its text-mode drivers (aalib, caca), which either draw the game as letters into the
// terminal for ever or end the whole process when no terminal type is set; either way the
// program would never learn that there is no display. They start only when named.
const char* const kDrawingDrivers[] = {"x11",      "dga",   "nanox", "qtopia", "wscons", "fbcon",
                                       "directfb", "ps2gs", "ps3",   "ggi",    "vgl",    "svgalib"};

// The SDL 1.2 interface over SDL 2 calls itself 1.2.50 or later; SDL 2 has no text-mode
// drivers and names its drivers differently, so there SDL chooses alone.
bool HasTextModeFallback() {
    const SDL_version* linked = SDL_Linked_Version();
    return linked->major == 1 && linked->minor == 2 && linked->patch < 50;
}

// The first drawing driver that starts, named to SDL through the variable it reads; the
// variable is as the user left it afterwards.
bool StartDrawingDriver(const std::optional<std::string>& chosen) {
    bool started = false;
    for (const char* driver : kDrawingDrivers) {
        setenv("SDL_VIDEODRIVER", driver, 1);
        started = SDL_Init(SDL_INIT_VIDEO) == 0;
        if (started) break;
    }
    if (chosen) {
        setenv("SDL_VIDEODRIVER", chosen->c_str(), 1);
    } else {
        unsetenv("SDL_VIDEODRIVER");
    }
    return started;
}
#endif

// SDL_Init with video, never falling back on a text-mode driver the user did not name.
bool StartVideo() {
    const std::optional<std::string> chosen = ChosenDriver();
#if defined(__unix__)
    if ((!chosen || chosen->empty()) && HasTextModeFallback()) return StartDrawingDriver(chosen);
#endif
    return SDL_Init(SDL_INIT_VIDEO) == 0;
}

// Why there is no display, for a user who wanted a window: the X variable when X was meant.
std::string NoDisplayReason(const std::string& sdlError) {
    const std::optional<std::string> chosen = ChosenDriver();
    const char* display = std::getenv("DISPLAY");
    const bool meansX = !chosen || chosen->empty() || *chosen == "x11";
    if (meansX && (display == nullptr || *display == '\0')) return "DISPLAY is not set";
    return "the window could not be opened (" + sdlError + ")";
}

std::string ModeText(int width, int height, int depth, bool fullscreen) {
    std::ostringstream text;
    text << width << 'x' << height << " pixels at ";
    if (depth == 0) {
        text << "any depth";
    } else {
        text << depth << " bits per pixel";
    }
    if (fullscreen) text << ", full screen";
    return text.str();
}

// SDL leaves its error text empty for some failures.
std::string ReasonOrUnknown(const std::string& error) {
    return error.empty() ? std::string("SDL gave no reason") : error;
}

}  // namespace

void QuitVideoOnce() {
    if (!ourVideoUp) return;
    ourVideoUp = false;
    SDL_Quit();
}

CTaskWindowSDL::CTaskWindowSDL() : CTaskWindow(1000, "window") {
    mySetNameCommand = std::make_unique<CWindowCommand>([this](const CParameterList* p) {
        SetCaption(p != nullptr ? p->GetString(0) : std::string());
        return std::string();
    });
    myResizeCommand = std::make_unique<CWindowCommand>([this](const CParameterList* p) {
        if (p == nullptr) return std::string("[ERROR] You should give atleast two parameters");
        Resize(NumberInRange(*p, 0, 1, kMaxSide, myWidth),
               NumberInRange(*p, 1, 1, kMaxSide, myHeight));
        return std::string();
    });
    mySetIconCommand = std::make_unique<CWindowCommand>([this](const CParameterList* p) {
        if (p == nullptr) return std::string("[ERROR] You have to give atleast one parameter");
        ApplyIcon(p->GetString(0));
        return std::string();
    });
    myToggleFullscreenCommand = std::make_unique<CWindowCommand>([this](const CParameterList*) {
        ToggleFullscreen();
        return std::string();
    });
}

CTaskWindowSDL::~CTaskWindowSDL() {
    if (myListening && CSingletonPtr<CEventManager>::Exists()) {
        EventManager().RemoveScreenListener(this);
    }
}

bool CTaskWindowSDL::Start() {
    if (myScreen != nullptr) return false;
    myFlags = 0;
    myWidth = 640;
    myHeight = 480;
    myDepth = 0;
    myFullscreen = false;
    myCaption = "SDL Window";
    return Start(CParameterList());
}

bool CTaskWindowSDL::Start(const CParameterList& parameters) {
    ReadParameters(parameters);
    // The player's last choice wins over the script's start parameter.
    const std::optional<bool> keptFullscreen = PlayerSettings().GetFullscreen();
    if (keptFullscreen) myFullscreen = *keptFullscreen;
    const bool videoUp = InitVideo();
    ChooseFlags();
    if (!myCaption.empty()) SetCaption(myCaption);
    if (!myIconFile.empty()) ApplyIcon(myIconFile);
    LogLine("New window created succesfully");

    myConsole = CreateConsole();
    myConsole->AddCommand("SetName", mySetNameCommand.get());
    myConsole->AddCommand("Resize", myResizeCommand.get());
    myConsole->AddCommand("SetIcon", mySetIconCommand.get());
    myConsole->AddCommand("ToggleFullscreen", myToggleFullscreenCommand.get());

    EventManager().AddScreenListener(this);
    myListening = true;
    EventManager().SizeChanged(myWidth, myHeight);
    // A kept full screen that this display refuses must not keep the game from starting.
    if (myScreen == nullptr && videoUp && keptFullscreen == true && myFullscreen) {
        myFullscreen = false;
        EventManager().SizeChanged(myWidth, myHeight);
    }
    DecideOutcome(videoUp);
    // Parked: the window costs nothing per pass and commands still reach it by name.
    return false;
}

void CTaskWindowSDL::DecideOutcome(bool videoUp) {
    if (myScreen != nullptr) {
        SetOutcome(kOpen, std::string());
    } else if (!videoUp) {
        SetOutcome(kNoDisplay, NoDisplayReason(ReasonOrUnknown(myVideoError)));
    } else {
        SetOutcome(kRefused, ModeText(myWidth, myHeight, myDepth, myFullscreen) + " (" +
                                 ReasonOrUnknown(myModeError) + ")");
    }
}

void CTaskWindowSDL::ReadParameters(const CParameterList& parameters) {
    myWidth = NumberInRange(parameters, 0, 1, kMaxSide, myWidth);
    myHeight = NumberInRange(parameters, 1, 1, kMaxSide, myHeight);
    myDepth = NumberInRange(parameters, 2, 0, kMaxDepth, myDepth);
    if (parameters.IsType(3, CParameter::kNumber)) myFullscreen = parameters.GetNumber(3) != 0;
    if (parameters.IsType(4, CParameter::kNumber)) myResizable = parameters.GetNumber(4) != 0;
    if (parameters.IsType(5, CParameter::kString)) myCaption = parameters.GetString(5);
    if (parameters.IsType(6, CParameter::kString)) myIconFile = parameters.GetString(6);
    if (parameters.IsType(7, CParameter::kNumber)) myFramed = parameters.GetNumber(7) != 0;
}

bool CTaskWindowSDL::InitVideo() {
    Logger() << "Initializing video ";
    // Video only: ticks and delays work without SDL's timer subsystem, the engine adds no
    // SDL timers, and that subsystem runs a thread waking every millisecond, which cost about
    // half of the program's processor time while playing.
    SDL_ClearError();
    if (!StartVideo()) {
        myVideoError = OrEmpty(SDL_GetError());
        Logger().Error() << "Error on initialing video or timer.\n SDL Says:\n"
                         << myVideoError << "\nExiting on error \n";
        return false;
    }
    myVideoError.clear();
    Logger() << "[OK]\n\n";
    if (!ourVideoUp) {
        // A parked window task is never stopped, and a full-screen mode must not stay on
        // the desktop after the program: SDL goes down at exit unless a stop did it first.
        static const bool registered = (std::atexit(QuitVideoOnce), true);
        (void)registered;
        ourVideoUp = true;
    }
    return true;
}

void CTaskWindowSDL::ChooseFlags() {
    LogLine("Creating new window");
    SDL_version compiled;
    SDL_VERSION(&compiled);
    LogLine("Compiled with SDL version: " + VersionText(compiled));
    LogLine("Running with SDL version: " + VersionText(*SDL_Linked_Version()));
    char driver[64] = {0};
    LogLine("Using driver: " + OrEmpty(SDL_VideoDriverName(driver, sizeof driver)) + "\n");

    Uint32 flags = 0;
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info == nullptr) {
        std::ostringstream where;
        where << "Failed getting Video Info : " << __FILE__ << '(' << __LINE__
              << "): " << OrEmpty(SDL_GetError());
        LogLine(where.str());
        LogLine("Using software ( SDL_SWSURFACE )\n");
    } else {
        if (info->hw_available) {
            flags |= SDL_HWSURFACE;
            mySurfaceFlags |= SDL_HWSURFACE;
            LogLine("Using hardware surface ( SDL_HWSURFACE  )\n");
        } else {
            LogLine("Using software surface ( SDL_SWSURFACE  )\n");
        }
        if (info->blit_hw) {
            flags |= SDL_HWACCEL;
            LogLine("Using hardware accelaration ( SDL_HWACCEL )\n");
        }
    }
    flags |= SDL_DOUBLEBUF;
    LogLine("Using double buffering ( SDL_DOUBLEBUF )\n");
    if (!myFullscreen && myResizable) {
        flags |= SDL_RESIZABLE;
        LogLine("Using resizable ( SDL_RESIZABLE )\n");
    }
    if (myDepth == 0 && !myFullscreen) {
        flags |= SDL_ANYFORMAT;
        LogLine("Using anyformat ( SDL_ANYFORMAT )\n");
    }
    if (!myFramed) {
        flags |= SDL_NOFRAME;
        LogLine(
            "Using no window frames,\n  ( oh my god our window doesn't have frames!? ) ( "
            "SDL_NOFRAME )\n");
    }
    myFlags = flags;
    LogVideoModes();
}

void CTaskWindowSDL::LogVideoModes() const {
    LogLine("Valid resolutions for current flags\n");
    // Without video SDL_ListModes reads through a null driver.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
    SDL_Rect** modes = SDL_ListModes(nullptr, myFlags);
    // Null: no mode at all; nothing to list.
    if (modes == nullptr) return;
    if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        LogLine("All resolutions available\n");
        return;
    }
    for (int i = 0; modes[i] != nullptr; ++i) {
        std::ostringstream line;
        line << "Width: " << modes[i]->w << "\tHeight:" << modes[i]->h;
        LogLine(line.str());
    }
}

void CTaskWindowSDL::OnResize(int width, int height) {
    SetVideoMode(InSideRange(width) ? width : myWidth, InSideRange(height) ? height : myHeight);
}

bool CTaskWindowSDL::SetVideoMode(int width, int height) {
    myModeFlags = myFlags | (myFullscreen ? SDL_FULLSCREEN : 0);
    // Without video, SDL_SetVideoMode would start it with a driver of SDL's own choice,
    // a text-mode one among them.
    SDL_ClearError();
    myScreen = SDL_WasInit(SDL_INIT_VIDEO) != 0
                   ? SDL_SetVideoMode(width, height, myDepth, myModeFlags)
                   : nullptr;
    if (myScreen == nullptr) {
        myModeError = SDL_WasInit(SDL_INIT_VIDEO) != 0 ? OrEmpty(SDL_GetError())
                                                       : std::string("video is not started");
        Logger().Error() << "Error creating the new window" << std::endl
                         << "  " << myModeError << std::endl;
        return false;
    }
    myWidth = width;
    myHeight = height;
    return true;
}

void CTaskWindowSDL::OnStop() {
    EventManager().RemoveScreenListener(this);
    myListening = false;
    myScreen = nullptr;
    QuitVideoOnce();
    // The video surface is gone: listeners that drew on it must let go of it now.
    EventManager().SizeChanged(0, 0);
}

bool CTaskWindowSDL::HandleCommand(const std::string& line) {
    if (myConsole) myConsole->Execute(line, false);
    return true;
}

void CTaskWindowSDL::SetCaption(const std::string& caption) {
    myCaption = caption;
    SDL_WM_SetCaption(myCaption.c_str(), myCaption.c_str());
}

void CTaskWindowSDL::ApplyIcon(const std::string& fileName) {
    // SDL_WM_SetIcon reads through a null device when video is not started.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        Logger().Warning() << "Window icon " << fileName << " not set: video is not started"
                           << std::endl;
        return;
    }
    SetIcon(fileName);
}

void CTaskWindowSDL::SetIcon(const std::string& fileName) {
    if (!media::Admit(fileName, media::EUse::kIcon)) return;
    SDL_Surface* image = SDL_LoadBMP(fileName.c_str());
    if (image == nullptr) {
        Logger().Warning() << " CApplicationSDL::WindowSetIcon() Could not load file: " << fileName
                           << std::endl;
        media::ReportFailure(fileName, media::EUse::kIcon, "");
        return;
    }
    if (image->w > 32) {
        Logger().Warning() << " CApplicationSDL::WindowSetIcon() Image's (" << fileName
                           << ") width is larger than 32 pixels \n";
    } else if (image->h > 32) {
        Logger().Warning() << " CApplicationSDL::WindowSetIcon() Image's (" << fileName
                           << ") height is larger than 32 pixels \n";
    } else {
        SDL_WM_SetIcon(image, nullptr);
    }
    // SDL copies the icon into the window system; the picture is ours to free either way.
    SDL_FreeSurface(image);
}

void CTaskWindowSDL::Resize(int width, int height) {
    EventManager().SizeChanged(InSideRange(width) ? width : myWidth,
                               InSideRange(height) ? height : myHeight);
}

void CTaskWindowSDL::ToggleFullscreen() {
    // A page puts its canvas on the whole screen itself; the mode and the setting stay.
    if (platform::ToggleFullscreen()) return;
    myFullscreen = !myFullscreen;
    EventManager().SizeChanged(myWidth, myHeight);
    if (myScreen != nullptr) {
        PlayerSettings().SetFullscreen(myFullscreen);
        return;
    }
    myFullscreen = !myFullscreen;
    EventManager().SizeChanged(myWidth, myHeight);
}

}  // namespace tolm
