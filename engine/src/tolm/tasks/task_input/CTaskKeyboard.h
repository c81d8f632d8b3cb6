// The "keyboard" task: listens to the event manager's key events, keeps the state of every
// key and runs the command lines bound to keys ("bind"). Key events are queued as they
// arrive and take effect, in arrival order, at the task's next update. The task owns its
// bindings, its console and its "bind" command.
#ifndef TOLM_TASKS_TASK_INPUT_CTASKKEYBOARD_H
#define TOLM_TASKS_TASK_INPUT_CTASKKEYBOARD_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tolm/inputdevice/CKeyboardListener.h"
#include "tolm/tasks/CCommand.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CTask.h"
#include "tolm/tasks/task_input/CKeyBinding.h"

namespace tolm {

class CTaskKeyboard : public CTask, public CKeyboardListener {
public:
    // Size of the key state array; key codes outside 0 to kKeyCount - 1 are ignored.
    static constexpr int kKeyCount = 324;

    CTaskKeyboard();
    ~CTaskKeyboard() override;

    using CTask::Start;
    bool Start() override;
    // Applies the queued key events in arrival order: the key's state, then (on a press)
    // its bindings in the order they were added.
    void Update() override;
    void OnStop() override;
    // While paused nothing is queued and no binding runs; key states still follow the
    // keys, so none is stuck down after the pause.
    void OnPause() override;
    void OnResume() override;
    bool HandleCommand(const std::string& line) override;

    void OnKeyDown(int key) override;
    void OnKeyUp(int key) override;

    bool IsKeyDown(int key) const;
    // False (nothing added) for a key code outside the state array.
    bool Bind(int key, const std::string& command);
    std::size_t GetBindingCount(int key) const;
    std::size_t GetQueuedCount() const { return myEvents.size(); }

private:
    struct KeyEvent {
        int key;
        bool down;
    };

    static bool IsValidKey(int key) { return key >= 0 && key < kKeyCount; }
    void Queue(int key, bool down);
    void RunBindings(int key, bool down);

    std::array<std::uint8_t, kKeyCount> myKeyStates{};
    std::deque<KeyEvent> myEvents;
    std::map<int, std::vector<std::unique_ptr<CKeyBinding>>> myBindings;
    std::unique_ptr<CCommand> myBindCommand;
    std::unique_ptr<CConsole> myConsole;
    bool myRunning = false;
    bool myPaused = false;
};

}  // namespace tolm

#endif
