#include "tolm/tasks/task_sdl/CTaskGfxSDL.h"

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"
#include "tolm/gfx/sdl/SavePNG.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/platform/WebPlatform.h"
#include "tolm/tasks/CBoundVariable.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskLibraryRegistrar.h"
#include "tolm/utils/files/CFileLocations.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

CTaskLibraryRegistrar<CTaskGfxSDL> ourRegistrar("sdl", "gfx");

class CScreenshotCommand : public CCommand {
public:
    explicit CScreenshotCommand(CTaskGfxSDL& task) : myTask(task) {}
    std::string Execute(CParameterList& parameters) override {
        return myTask.Screenshot(parameters.GetString(0));
    }
    std::string Execute() override { return myTask.Screenshot(""); }

private:
    CTaskGfxSDL& myTask;
};

bool FileExists(const std::string& name) {
    return std::ifstream(name).good();
}

// "screenshot-YYYYMMDD-HHMMSS.png", with "-2", "-3" ... when taken within one second.
std::string TimeStampedName() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string base = FileLocations().PlayerFile(std::string("screenshot-") + stamp);
    std::string name = base + ".png";
    for (int n = 2; FileExists(name) && n < 1000; ++n)
        name = base + "-" + std::to_string(n) + ".png";
    return name;
}

}  // namespace

int& CTaskGfxSDL::LogFps() {
    static int logFps = 0;
    return logFps;
}

void CTaskGfxSDL::BindScreenVariables() {
    BindConsoleVariable(Console(), "gfx_flip_rects_size", CScreenBufferSDL::FlipRectsSize());
    BindConsoleVariable(Console(), "gfx_flip_debug_rects", CScreenBufferSDL::FlipDebugRects());
}

int& CTaskGfxSDL::UpdateRects() {
    static int updateRects = 0;
    return updateRects;
}

CTaskGfxSDL::CTaskGfxSDL() : myScreenshotCommand(std::make_unique<CScreenshotCommand>(*this)) {}

CTaskGfxSDL::~CTaskGfxSDL() {
    Uninstall();
}

bool CTaskGfxSDL::Start() {
    myFactory = std::make_unique<CGfxFactorySDL>();
    Gfx::SetFactory(myFactory.get());
    myScreen = std::make_unique<CScreenBufferSDL>(nullptr);
    BindScreenVariables();
    Gfx::SetScreen(myScreen.get());
    BindKeepingEarlierValue("gfx_log_fps", LogFps());
    BindKeepingEarlierValue("gfx_update_rects", UpdateRects());
    myConsole = CreateConsole();
    myConsole->AddCommand("Screenshot", myScreenshotCommand.get());
    EventManager().AddScreenListener(this);
    myStarted = true;
    FollowVideoSurface();
    myFpsStart = myFrameClock.GetTime();
    return CTaskGfx::Start();
}

void CTaskGfxSDL::BindKeepingEarlierValue(const char* name, int& setting) {
    // A script may set the variable before this task exists; the value is kept.
    const std::string earlier = Console().GetVariable(name);
    BindConsoleVariable(Console(), name, setting);
    if (!earlier.empty()) Console().SetVariable(name, earlier);
}

bool CTaskGfxSDL::FollowVideoSurface() {
    if (!myScreen) return false;
    SDL_Surface* surface = SDL_GetVideoSurface();
    if (surface == nullptr) {
        if (myVideoSurface != nullptr || myScreen->GetSDLSurface() != nullptr) {
            myScreen->SetVideoSurface(nullptr);
            myVideoSurface = nullptr;
        }
        if (!myNoDisplayLogged) {
            Logger().Warning() << "No display available: the graphics task draws nothing"
                               << std::endl;
            myNoDisplayLogged = true;
        }
        return false;
    }
    myNoDisplayLogged = false;
    if (surface != myVideoSurface || surface->w != myScreen->GetWidth() ||
        surface->h != myScreen->GetHeight()) {
        myScreen->SetVideoSurface(surface);
        myVideoSurface = surface;
        if (CScreenLayer::Exists()) ScreenLayer().RequestDrawAll();
    }
    return true;
}

void CTaskGfxSDL::OnResize(int /*width*/, int /*height*/) {
    // The window task may hear of the resize after this task and set the mode later; what
    // counts is the surface at the next frame. A new mode loses the picture in any case.
    if (FollowVideoSurface() && CScreenLayer::Exists()) ScreenLayer().RequestDrawAll();
}

void CTaskGfxSDL::Update() {
    const types::ticks elapsed = myFrameClock.GetTime() - myLastFrame;
    // A page calls each pass at one of its animation frames: each is a frame to draw.
    if (elapsed < kFrameInterval && !platform::InBrowser()) return;
    if (!FollowVideoSurface()) return;
    CTaskGfx::Update();
    myScreen->SetSendUpdateList(UpdateRects() != 0);
    myScreen->Flip();
    myLastFrame = myFrameClock.GetTime();
    ++myFrames;
    if (LogFps() != 0) LogFrameRate();
}

void CTaskGfxSDL::OnActivityChanged(bool active) {
    // The window manager may have drawn over the window while it was away.
    if (active && myScreen) myScreen->RequestFullFlip();
}

std::optional<types::ticks> CTaskGfxSDL::GetTimeUntilDue() const {
    if (myVideoSurface == nullptr) return std::nullopt;
    const types::ticks elapsed = myFrameClock.GetTime() - myLastFrame;
    return elapsed >= kFrameInterval ? 0 : kFrameInterval - elapsed;
}

void CTaskGfxSDL::LogFrameRate() {
    const types::ticks now = myFrameClock.GetTime();
    const types::ticks period = now - myFpsStart;
    if (period < kFpsPeriod) return;
    const double fps =
        1000.0 * static_cast<double>(myFrames - myFramesAtFpsStart) / static_cast<double>(period);
    std::ostringstream line;
    line.setf(std::ios::fixed);
    line.precision(1);
    line << "Frames per second: " << fps;
    Logger() << line.str() << std::endl;
    myFpsStart = now;
    myFramesAtFpsStart = myFrames;
}

void CTaskGfxSDL::OnStop() {
    CTaskGfx::OnStop();
    Uninstall();
}

void CTaskGfxSDL::Uninstall() {
    if (!myStarted) return;
    myStarted = false;
    if (CSingletonPtr<CEventManager>::Exists()) EventManager().RemoveScreenListener(this);
    if (Gfx::GetFactory() == myFactory.get()) Gfx::SetFactory(nullptr);
    myFactory.reset();
    if (Gfx::GetScreen() == myScreen.get()) Gfx::SetScreen(nullptr);
    myScreen.reset();
    myVideoSurface = nullptr;
    myConsole.reset();
}

bool CTaskGfxSDL::HandleCommand(const std::string& line) {
    if (myConsole) myConsole->Execute(line, false);
    return true;
}

std::string CTaskGfxSDL::Screenshot(const std::string& fileName) {
    if (!FollowVideoSurface()) return "[ERROR] Screenshot: no display available";
    const std::string name =
        fileName.empty() ? TimeStampedName() : FileLocations().PlayerFile(fileName);
    std::string error;
    if (!SavePNG(myVideoSurface, name, &error)) {
        Logger().Error() << "[ERROR] Screenshot: could not write " << name << ": " << error
                         << std::endl;
        return "[ERROR] Screenshot: could not write " + name + ": " + error;
    }
    // A page hands the picture to the player as a download and keeps no copy.
    if (platform::OfferDownload(name, "image/png")) {
        std::remove(name.c_str());
        Logger() << "Screenshot offered as a download: " << name << std::endl;
        return "Screenshot offered as a download: " + name;
    }
    Logger() << "Screenshot written to " << name << std::endl;
    return "Screenshot written to " + name;
}

}  // namespace tolm
