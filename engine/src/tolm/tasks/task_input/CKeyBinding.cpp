#include "tolm/tasks/task_input/CKeyBinding.h"

#include "tolm/tasks/CConsoleHolder.h"

namespace tolm {

void CKeyBinding::Run(const std::string& command) {
    Console().Execute(command, false);
}

}  // namespace tolm
