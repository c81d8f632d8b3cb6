#include "tolm/tasks/task_debug/CTaskDebug.h"

#include <SDL.h>

#include <algorithm>

#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/font/CSystemFontLoader.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CCommand.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/tasks/task_debug/CConsoleWidget.h"
#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWindowWidget.h"
#include "tolm/utils/StringUtils.h"
#include "tolm/utils/files/CFileLocations.h"

namespace tolm {
namespace {

CTaskRegistrar<CTaskDebug> ourRegistrar("debug");

constexpr int kFpsWidth = 96;
constexpr int kFpsHeight = 16;
// In front of every widget, whose depths count down from 0.
constexpr int kFpsZ = -1000000;

class CToggleConsoleCommand : public CCommand {
public:
    explicit CToggleConsoleCommand(CTaskDebug* task) : myTask(task) {}
    std::string Execute() override {
        myTask->ToggleConsole();
        return std::string();
    }

private:
    CTaskDebug* myTask;  // the task owns the console that owns this command
};

std::vector<std::string> CompletionNames() {
    CConsole* console = GetConsole();
    std::vector<std::string> names = console->GetVariableNames();
    for (const auto& command : console->GetCommands()) names.push_back(command.first);
    return names;
}

}  // namespace

CTaskDebug::CTaskDebug()
    : myInputLine(FileLocations().StateFile(CConsoleInputLine::kDefaultHistoryFile)) {}

CTaskDebug::~CTaskDebug() {
    TakeDown();
}

bool CTaskDebug::Start() {
    myConsole = CreateConsole();
    myConsole->AddOwnedCommand("ToggleConsole", std::make_unique<CToggleConsoleCommand>(this));

    MakeReadout();

    myTimer.Reset();
    myFps.Restart(CScreenLayer::GetFramesDrawn(), myTimer.GetTime());
    EventManager().AddKeyboardListener(this);
    myStarted = true;
    ourRunning = this;
    return CTask::Start();
}

void CTaskDebug::MakeReadout() {
    // Without a graphics back end (the task started before "gfx") the picture would stay
    // empty for good; the readout waits for the back end instead.
    if (myFpsSprite || Gfx::GetFactory() == nullptr) return;
    auto font = std::make_unique<CFont>();
    CSystemFontLoader loader(font.get());
    font->SetLayout(CTextLayout::kLeft);
    myFpsSprite = std::make_unique<CTextSprite>(font.release(), kFpsWidth, kFpsHeight);
    const int screenHeight = EventManager().GetHeight();
    myFpsSprite->SetPosition(4, std::max(0, screenHeight - kFpsHeight - 4));
    myFpsSprite->SetZ(kFpsZ);
    myFpsSprite->SetLayer(CScreenLayer::Get());
    myFpsSprite->SetText("Fps: ");
    myFpsDragger = std::make_unique<CDragWrapper>(myFpsSprite.get());
}

void CTaskDebug::Update() {
    if (myConsoleWindow && myConsoleWindow->IsCloseRequested()) CloseConsole();
    MakeReadout();
    if (myFps.Update(CScreenLayer::GetFramesDrawn(), myTimer.GetTime()) && myFpsSprite) {
        myFpsSprite->SetText(myFps.GetReadoutText());
    }
    if (myConsoleWidget) myConsoleWidget->Render(myInputLine.GetText(), myInputLine.GetCursor());
}

void CTaskDebug::OnStop() {
    TakeDown();
}

void CTaskDebug::TakeDown() {
    if (!myStarted) return;
    myStarted = false;
    CloseConsole();
    EventManager().RemoveKeyboardListener(this);
    myFpsDragger.reset();
    myFpsSprite.reset();
    if (ourRunning == this) ourRunning = nullptr;
}

bool CTaskDebug::HandleCommand(const std::string& line) {
    if (myConsole) myConsole->Execute(line);
    return true;
}

void CTaskDebug::ToggleConsole() {
    if (myConsoleWindow) {
        CloseConsole();
    } else {
        OpenConsole();
    }
}

void CTaskDebug::OpenConsole() {
    ui::CDesktopWidget* desktop = ui::Desktop();
    // Without the "ui" task nobody tells the desktop the window's size.
    if (desktop->GetRect().w <= 0 || desktop->GetRect().h <= 0) desktop->FitToScreen();
    myConsoleWindow = new ui::CWindowWidget(desktop, types::rect(10, 10, 400, 200), false,
                                            kWindowName, kWindowPicture);
    // A new window goes behind its siblings; the console belongs in front.
    myConsoleWindow->BringToFront();
    myConsoleWidget = new CConsoleWidget(myConsoleWindow->GetClientArea(), kConsoleName);
    SetTextInputFocus(this);
    SDL_EnableUNICODE(1);
}

void CTaskDebug::CloseConsole() {
    if (!myConsoleWindow) return;
    ui::CWindowWidget* window = myConsoleWindow;
    myConsoleWindow = nullptr;
    myConsoleWidget = nullptr;
    delete window;
    ClearTextInputFocus(this);
    SDL_EnableUNICODE(0);
}

void CTaskDebug::OnKeyDown(int key) {
    if (!myConsoleWindow) return;
    myInputLine.SetCompletionNames(CompletionNames());
    if (myInputLine.OnKey(key) == CConsoleInputLine::kExecute) ExecuteInputLine();
}

void CTaskDebug::OnCharacter(std::uint16_t unicode) {
    if (myConsoleWindow) myInputLine.OnCharacter(unicode);
}

void CTaskDebug::ExecuteInputLine() {
    const std::string line = myInputLine.TakeLine();
    if (Trim(line).empty()) return;
    // The line may close the console or stop this task; nothing here is touched afterwards.
    GetConsole()->Execute(line, true);
}

bool CTaskDebug::LetsBindingRun(const std::string& command) const {
    return ToUpper(command).find("TOGGLECONSOLE") != std::string::npos;
}

}  // namespace tolm
