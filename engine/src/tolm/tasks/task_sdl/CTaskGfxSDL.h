// The "gfx" task of the "sdl" library: installs the SDL graphics factory and the screen
// buffer over the video surface, and draws a frame when at least 16 ms have passed since
// the last one (animations, screen layer, then the whole screen or only what changed to the
// display). It owns the factory, the screen buffer and its console ("Screenshot"); SDL owns
// the video surface, which the task reads again before each frame since a new video mode may
// replace it. Without a display it draws nothing.
#ifndef TOLM_TASKS_TASK_SDL_CTASKGFXSDL_H
#define TOLM_TASKS_TASK_SDL_CTASKGFXSDL_H

#include <memory>
#include <string>

#include "SDL.h"
#include "tolm/inputdevice/CScreenListener.h"
#include "tolm/tasks/CCommand.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CTaskGfx.h"
#include "tolm/types/Types.h"
#include "tolm/utils/timer/CTimer.h"

namespace tolm {

class CGfxFactorySDL;
class CScreenBufferSDL;

class CTaskGfxSDL : public CTaskGfx, public CScreenListener {
public:
    static constexpr types::ticks kFrameInterval = 16;
    // With "gfx_log_fps" set, the frame rate is logged this often.
    static constexpr types::ticks kFpsPeriod = 5000;

    CTaskGfxSDL();
    ~CTaskGfxSDL() override;

    using CTaskGfx::Start;
    bool Start() override;
    void Update() override;
    void OnStop() override;
    bool HandleCommand(const std::string& line) override;
    std::optional<types::ticks> GetTimeUntilDue() const override;

    void OnResize(int width, int height) override;
    void OnActivityChanged(bool active) override;

    // Writes the screen as PNG; an empty name picks a time-stamped one in the working
    // directory. Answers what was done, as the command does.
    std::string Screenshot(const std::string& fileName);

    // Frames drawn since start.
    unsigned long GetFrameCount() const { return myFrames; }
    bool HasDisplay() const { return myVideoSurface != nullptr; }

    // The setting behind "gfx_log_fps", shared by the whole process.
    static int& LogFps();
    // Binds "gfx_flip_rects_size" and "gfx_flip_debug_rects" in the process-wide console to
    // the screen buffer's settings; the task does it as it builds its screen buffer.
    static void BindScreenVariables();
    // The setting behind "gfx_update_rects": 0 flips the whole screen every frame, 1 sends
    // the display only the changed rectangles (CScreenBufferSDL::SetSendUpdateList).
    static int& UpdateRects();

private:
    // Follows the current video surface; false when there is none.
    bool FollowVideoSurface();
    void BindKeepingEarlierValue(const char* name, int& setting);
    void LogFrameRate();
    void Uninstall();

    SDL_Surface* myVideoSurface = nullptr;
    std::unique_ptr<CGfxFactorySDL> myFactory;
    std::unique_ptr<CScreenBufferSDL> myScreen;
    CTimer myFrameClock;
    types::ticks myLastFrame = 0;
    std::unique_ptr<CConsole> myConsole;
    std::unique_ptr<CCommand> myScreenshotCommand;
    bool myStarted = false;
    bool myNoDisplayLogged = false;
    unsigned long myFrames = 0;
    unsigned long myFramesAtFpsStart = 0;
    types::ticks myFpsStart = 0;
};

}  // namespace tolm

#endif
