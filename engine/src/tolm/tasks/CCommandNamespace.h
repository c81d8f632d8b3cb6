// A named group of commands that can be attached to consoles, which then run them by name.
// The namespace owns its commands; attached consoles only refer to them and to it.
#ifndef TOLM_TASKS_CCOMMANDNAMESPACE_H
#define TOLM_TASKS_CCOMMANDNAMESPACE_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tolm/tasks/CCommand.h"

namespace tolm {

class CConsole;

class CCommandNamespace {
public:
    explicit CCommandNamespace(const std::string& name = "unknown") : myName(name) {}

    const std::string& GetName() const { return myName; }
    // A name that is taken keeps its command (consoles may still refer to it); the new
    // one is discarded and false returned.
    bool AddCommand(const std::string& name, std::unique_ptr<CCommand> command);
    // Adds every command to the console; attaching twice re-adds once.
    void Attach(CConsole* console);
    // Removes this namespace's command names from the console.
    void Detach(CConsole* console);
    // Drops the console without touching it (it is being destroyed).
    void Forget(CConsole* console);
    bool IsAttached(const CConsole* console) const;

private:
    std::string myName;
    std::map<std::string, std::unique_ptr<CCommand>> myCommands;
    std::vector<CConsole*> myConsoles;
};

}  // namespace tolm

#endif
