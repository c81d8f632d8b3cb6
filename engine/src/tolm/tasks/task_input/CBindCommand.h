// The keyboard task's "bind" command: bind(key, command), where key is a key name (as SDL
// names keys) or a key code, and command the line to run when that key is pressed. It
// refers to its keyboard task, which owns it.
#ifndef TOLM_TASKS_TASK_INPUT_CBINDCOMMAND_H
#define TOLM_TASKS_TASK_INPUT_CBINDCOMMAND_H

#include <string>

#include "tolm/tasks/CCommand.h"

namespace tolm {

class CTaskKeyboard;

class CBindCommand : public CCommand {
public:
    static constexpr const char* kUsageError =
        "[ERROR] You cannot bind unless you give us something to bind to something\n";

    explicit CBindCommand(CTaskKeyboard& keyboard) : myKeyboard(keyboard) {}

    // A key that names or numbers no key adds nothing; a log line and the answer say why.
    std::string Execute(CParameterList& parameters) override;
    std::string Execute() override { return kUsageError; }

private:
    CTaskKeyboard& myKeyboard;
};

}  // namespace tolm

#endif
