// The "debug" task: a frame-rate readout that the left mouse button drags around, and the
// command "ToggleConsole", which opens or closes the developer console: a window showing
// the log live, with a command line that runs what is typed in the process-wide console.
// The task owns its console, the readout with its drag wrapper, the command line and, while
// open, the console window (which sits on the process-wide desktop).
#ifndef TOLM_TASKS_TASK_DEBUG_CTASKDEBUG_H
#define TOLM_TASKS_TASK_DEBUG_CTASKDEBUG_H

#include <cstdint>
#include <memory>
#include <string>

#include "tolm/gfx/CTextSprite.h"
#include "tolm/inputdevice/CKeyboardListener.h"
#include "tolm/inputdevice/CTextInputFocus.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CTask.h"
#include "tolm/tasks/task_debug/CConsoleInputLine.h"
#include "tolm/tasks/task_debug/CDragWrapper.h"
#include "tolm/tasks/task_debug/CFpsCounter.h"
#include "tolm/utils/timer/CTimer.h"

namespace tolm {

namespace ui {
class CWindowWidget;
}
class CConsoleWidget;

class CTaskDebug : public CTask, public CKeyboardListener, public CTextInputFocus {
public:
    static constexpr const char* kWindowName = "Dev-tool";
    static constexpr const char* kConsoleName = "Dev-tool: console";
    static constexpr const char* kWindowPicture = "data/gui/background.png";

    CTaskDebug();
    ~CTaskDebug() override;

    using CTask::Start;
    bool Start() override;
    void Update() override;
    void OnStop() override;
    bool HandleCommand(const std::string& line) override;

    // Opens the console when closed, closes it when open.
    void ToggleConsole();
    bool IsConsoleOpen() const { return myConsoleWindow != nullptr; }

    void OnKeyDown(int key) override;
    void OnKeyUp(int /*key*/) override {}
    void OnCharacter(std::uint16_t unicode) override;
    // Only bindings that toggle the console run while its command line has the keyboard.
    bool LetsBindingRun(const std::string& command) const override;

    // The running debug task, or null; set on start, cleared on stop.
    static CTaskDebug* GetRunning() { return ourRunning; }

    ui::CWindowWidget* GetConsoleWindow() const { return myConsoleWindow; }
    CConsoleWidget* GetConsoleWidget() const { return myConsoleWidget; }
    CTextSprite* GetFpsSprite() const { return myFpsSprite.get(); }
    CConsoleInputLine& GetInputLine() { return myInputLine; }

private:
    void MakeReadout();
    void OpenConsole();
    void CloseConsole();
    void ExecuteInputLine();
    void TakeDown();

    std::unique_ptr<CConsole> myConsole;
    // Owned while open; the desktop lists it as a child, and deleting it leaves that list.
    ui::CWindowWidget* myConsoleWindow = nullptr;
    CConsoleWidget* myConsoleWidget = nullptr;  // a child of the window
    std::unique_ptr<CTextSprite> myFpsSprite;
    std::unique_ptr<CDragWrapper> myFpsDragger;
    CTimer myTimer;
    CFpsCounter myFps;
    CConsoleInputLine myInputLine;
    bool myStarted = false;

    static inline CTaskDebug* ourRunning = nullptr;
};

}  // namespace tolm

#endif
