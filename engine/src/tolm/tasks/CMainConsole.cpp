#include "tolm/tasks/CMainConsole.h"

#include "tolm/tasks/CTaskFactory.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

std::string CMainConsole::Execute(const std::string& line, bool echo) {
    if (echo) Logger() << line << "\n";
    const std::string result = CConsole::Execute(line, echo);
    if (echo && !result.empty()) Logger() << result << "\n";
    return result;
}

std::string CMainConsole::ExecuteInNamespace(const std::string& space, const std::string& rest) {
    if (TaskFactory().SendToTask(space, rest)) return std::string();
    return "No namespace named space\n";
}

std::string CMainConsole::ExecuteCommandInNamespace(const std::string& space,
                                                    const std::string& name,
                                                    const CParameterList& parameters) {
    if (TaskFactory().SendCallToTask(space, name, parameters)) {
        return std::string();
    }
    return "No namespace named space\n";
}

}  // namespace tolm
