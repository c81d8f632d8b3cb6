// The console made by the console holder: it writes echoed lines and their answers to the
// log and routes Name::Command lines, and ready-made calls of Name's commands, to the task
// called Name.
#ifndef TOLM_TASKS_CMAINCONSOLE_H
#define TOLM_TASKS_CMAINCONSOLE_H

#include <string>

#include "tolm/tasks/CConsole.h"

namespace tolm {

class CMainConsole : public CConsole {
public:
    std::string Execute(const std::string& line, bool echo = false) override;
    // Answers "No namespace named space\n" when no task has that instance name.
    std::string ExecuteInNamespace(const std::string& space, const std::string& rest) override;
    // Routed like ExecuteInNamespace, with the same answer for an unknown task.
    std::string ExecuteCommandInNamespace(const std::string& space, const std::string& name,
                                          const CParameterList& parameters) override;
};

}  // namespace tolm

#endif
