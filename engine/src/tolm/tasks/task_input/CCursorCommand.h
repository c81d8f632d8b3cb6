// The mouse task's three cursor commands, "CursorHide", "CursorShow" and
// "CursorChangeTo(name)", each passed on to the event manager's cursor handler. The mouse
// task owns them.
#ifndef TOLM_TASKS_TASK_INPUT_CCURSORCOMMAND_H
#define TOLM_TASKS_TASK_INPUT_CCURSORCOMMAND_H

#include <string>

#include "tolm/tasks/CCommand.h"

namespace tolm {

class CCursorCommand : public CCommand {
public:
    enum Kind { kHide, kShow, kChangeTo };

    static constexpr const char* kMissingParameter =
        "[ERROR] Needs a parameter to define to what we change our cursor( like arrow, cross, "
        "text... )";
    static constexpr const char* kNotRecognized = "[ERROR] Could not recognize your cursor type";

    explicit CCursorCommand(Kind kind) : myKind(kind) {}

    std::string Execute(CParameterList& parameters) override;
    std::string Execute() override;

private:
    Kind myKind;
};

}  // namespace tolm

#endif
