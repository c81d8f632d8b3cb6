#include "tolm/tasks/CCommandNamespace.h"

#include <algorithm>

#include "tolm/tasks/CConsole.h"

namespace tolm {

bool CCommandNamespace::AddCommand(const std::string& name, std::unique_ptr<CCommand> command) {
    if (!command || myCommands.count(name) != 0) return false;
    myCommands[name] = std::move(command);
    return true;
}

void CCommandNamespace::Attach(CConsole* console) {
    if (console == nullptr) return;
    Detach(console);
    myConsoles.push_back(console);
    for (const auto& [name, command] : myCommands) console->AddCommand(name, command.get());
}

void CCommandNamespace::Detach(CConsole* console) {
    if (!IsAttached(console)) return;
    for (const auto& entry : myCommands) console->RemoveCommand(entry.first);
    Forget(console);
}

void CCommandNamespace::Forget(CConsole* console) {
    myConsoles.erase(std::remove(myConsoles.begin(), myConsoles.end(), console), myConsoles.end());
}

bool CCommandNamespace::IsAttached(const CConsole* console) const {
    return std::find(myConsoles.begin(), myConsoles.end(), console) != myConsoles.end();
}

}  // namespace tolm
