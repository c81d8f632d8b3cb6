#include "tolm/tasks/task_input/CTaskKeyboard.h"

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/tasks/task_input/CBindCommand.h"

namespace tolm {

namespace {
CTaskRegistrar<CTaskKeyboard> ourRegistrar("keyboard");
}  // namespace

CTaskKeyboard::CTaskKeyboard() : myBindCommand(std::make_unique<CBindCommand>(*this)) {}

CTaskKeyboard::~CTaskKeyboard() {
    EventManager().RemoveKeyboardListener(this);
}

bool CTaskKeyboard::Start() {
    EventManager().AddKeyboardListener(this);
    myConsole = CreateConsole();
    myConsole->AddCommand("bind", myBindCommand.get());
    myRunning = true;
    return true;
}

void CTaskKeyboard::OnStop() {
    EventManager().RemoveKeyboardListener(this);
    myRunning = false;
    myEvents.clear();
    // A binding may be stopping the task from inside Update; the walk runs copies, so the
    // bindings can go now.
    myBindings.clear();
}

void CTaskKeyboard::OnPause() {
    myPaused = true;
    myEvents.clear();
}

void CTaskKeyboard::OnResume() {
    myPaused = false;
}

bool CTaskKeyboard::HandleCommand(const std::string& line) {
    if (!myRunning || !myConsole) return false;
    myConsole->Execute(line);
    return true;
}

void CTaskKeyboard::OnKeyDown(int key) {
    Queue(key, true);
}

void CTaskKeyboard::OnKeyUp(int key) {
    Queue(key, false);
}

void CTaskKeyboard::Queue(int key, bool down) {
    if (!IsValidKey(key)) return;
    if (myPaused) {
        myKeyStates[static_cast<std::size_t>(key)] = down ? 1 : 0;
        return;
    }
    myEvents.push_back(KeyEvent{key, down});
}

void CTaskKeyboard::Update() {
    // A binding may pause or stop this task, which empties the queue and ends the loop.
    while (!myEvents.empty()) {
        const KeyEvent event = myEvents.front();
        myEvents.pop_front();
        myKeyStates[static_cast<std::size_t>(event.key)] = event.down ? 1 : 0;
        RunBindings(event.key, event.down);
    }
}

void CTaskKeyboard::RunBindings(int key, bool down) {
    const auto found = myBindings.find(key);
    if (found == myBindings.end()) return;
    // Copies: a bound command may add bindings or stop the task, which would change or
    // destroy the list being walked.
    std::vector<std::string> commands;
    for (const std::unique_ptr<CKeyBinding>& binding : found->second) {
        if (down ? binding->FiresOnKeyDown() : binding->FiresOnKeyUp()) {
            commands.push_back(binding->GetCommand());
        }
    }
    for (const std::string& command : commands) CKeyBinding::Run(command);
}

bool CTaskKeyboard::IsKeyDown(int key) const {
    return IsValidKey(key) && myKeyStates[static_cast<std::size_t>(key)] != 0;
}

bool CTaskKeyboard::Bind(int key, const std::string& command) {
    if (!IsValidKey(key)) return false;
    myBindings[key].push_back(std::make_unique<CKeyBinding>(command));
    return true;
}

std::size_t CTaskKeyboard::GetBindingCount(int key) const {
    const auto found = myBindings.find(key);
    return found == myBindings.end() ? 0 : found->second.size();
}

}  // namespace tolm
