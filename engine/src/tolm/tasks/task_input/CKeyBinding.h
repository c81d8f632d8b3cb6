// One key binding of the keyboard task: a command line run in the process-wide console,
// as a script line without echo, when its key goes down. The keyboard task owns its
// bindings.
#ifndef TOLM_TASKS_TASK_INPUT_CKEYBINDING_H
#define TOLM_TASKS_TASK_INPUT_CKEYBINDING_H

#include <string>

namespace tolm {

class CKeyBinding {
public:
    explicit CKeyBinding(const std::string& command) : myCommand(command) {}
    virtual ~CKeyBinding() = default;

    virtual void Execute() { Run(myCommand); }
    virtual bool FiresOnKeyUp() const { return false; }
    virtual bool FiresOnKeyDown() const { return true; }

    const std::string& GetCommand() const { return myCommand; }

    // Runs a command line the way a binding does; the answer is discarded.
    static void Run(const std::string& command);

private:
    std::string myCommand;
};

}  // namespace tolm

#endif
