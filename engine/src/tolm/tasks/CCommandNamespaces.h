// The process-wide registry of command namespaces (CommandNamespaces(), tolm/Services.h).
// It owns the namespaces, which own their commands.
#ifndef TOLM_TASKS_CCOMMANDNAMESPACES_H
#define TOLM_TASKS_CCOMMANDNAMESPACES_H

#include <map>
#include <memory>
#include <string>

#include "tolm/Services.h"
#include "tolm/tasks/CCommandNamespace.h"

namespace tolm {

class CConsole;

class CCommandNamespaces {
public:
    // Creates the namespace on first use.
    bool AddCommand(const std::string& space, const std::string& name,
                    std::unique_ptr<CCommand> command);
    // Does nothing when the namespace does not exist. Commands added to the namespace
    // later do not reach consoles attached before.
    void Attach(const std::string& space, CConsole* console);
    // From every namespace.
    void Detach(CConsole* console);
    // Forgets a console that is being destroyed, from every namespace.
    void Forget(CConsole* console);
    CCommandNamespace* Find(const std::string& space) const;

private:
    std::map<std::string, std::unique_ptr<CCommandNamespace>> myNamespaces;
};

}  // namespace tolm

#endif
