// The "window" task of the "sdl" library: brings SDL's video up, opens the window and sets
// its mode again on every resize it hears of as a screen listener. It parks itself after
// start and answers "SetName", "Resize", "SetIcon" and "ToggleFullscreen" in its own
// console, which it owns with its command objects. SDL owns the screen surface. Unless
// SDL_VIDEODRIVER names a driver, only drivers that draw pictures are used: a terminal's
// text-mode driver counts as no display.
#ifndef TOLM_TASKS_TASK_SDL_CTASKWINDOWSDL_H
#define TOLM_TASKS_TASK_SDL_CTASKWINDOWSDL_H

#include <memory>
#include <string>

#include "SDL.h"
#include "tolm/inputdevice/CScreenListener.h"
#include "tolm/tasks/CCommand.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CTaskWindow.h"

namespace tolm {

class CTaskWindowSDL : public CTaskWindow, public CScreenListener {
public:
    // Sizes outside these bounds, from parameters or "Resize", keep the current value.
    static constexpr int kMaxSide = 16384;
    static constexpr int kMaxDepth = 32;

    CTaskWindowSDL();
    ~CTaskWindowSDL() override;

    bool Start(const CParameterList& parameters) override;
    bool Start() override;
    void Update() override {}
    void OnStop() override;
    bool HandleCommand(const std::string& line) override;

    void OnResize(int width, int height) override;
    void OnActivityChanged(bool /*active*/) override {}

    // The caption as title and icon title.
    void SetCaption(const std::string& caption);
    // Loads a BMP of at most 32 x 32 pixels as the window icon; problems are logged.
    void SetIcon(const std::string& fileName);
    // Asks the event manager for a new size; each value outside 1..kMaxSide keeps the
    // current one.
    void Resize(int width, int height);
    // Switches between window and full screen at the current size; on failure the
    // previous mode is set again.
    void ToggleFullscreen();

    // The task's own console (null before start), where the commands answer.
    CConsole* GetCommandConsole() const { return myConsole.get(); }
    SDL_Surface* GetScreen() const { return myScreen; }
    Uint32 GetFlags() const { return myFlags; }
    // The flags of the last SDL_SetVideoMode call.
    Uint32 GetModeFlags() const { return myModeFlags; }
    int GetWidth() const { return myWidth; }
    int GetHeight() const { return myHeight; }
    int GetDepth() const { return myDepth; }
    bool IsFullscreen() const { return myFullscreen; }
    const std::string& GetCaption() const { return myCaption; }
    Uint32 GetSurfaceFlags() const { return mySurfaceFlags; }

private:
    void ReadParameters(const CParameterList& parameters);
    // False when no video driver started; the reason is kept for the outcome.
    bool InitVideo();
    void ChooseFlags();
    void LogVideoModes() const;
    // SetIcon once video is started; otherwise a warning.
    void ApplyIcon(const std::string& fileName);
    bool SetVideoMode(int width, int height);
    // The outcome of a start, from whether video came up and the window opened.
    void DecideOutcome(bool videoUp);

    std::unique_ptr<CConsole> myConsole;
    std::unique_ptr<CCommand> mySetNameCommand;
    std::unique_ptr<CCommand> myResizeCommand;
    std::unique_ptr<CCommand> mySetIconCommand;
    std::unique_ptr<CCommand> myToggleFullscreenCommand;
    SDL_Surface* myScreen = nullptr;
    Uint32 myFlags = 0;
    int myWidth = 640;
    int myHeight = 480;
    int myDepth = 0;
    bool myFullscreen = false;
    bool myResizable = true;
    bool myFramed = true;
    std::string myCaption = "SDL Window";
    std::string myIconFile;
    Uint32 mySurfaceFlags = 0;
    Uint32 myModeFlags = 0;
    // SDL's words for the last failed video start and mode change, taken at once, before
    // any later call can replace them.
    std::string myVideoError;
    std::string myModeError;
    bool myListening = false;
};

// Shuts SDL down after the main loop when a window brought it up and no window task
// stopped it since; called by the window task's stop, and at exit otherwise.
void QuitVideoOnce();

}  // namespace tolm

#endif
