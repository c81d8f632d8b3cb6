#include "tolm/tasks/CCommandNamespaces.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace tolm {

bool CCommandNamespaces::AddCommand(const std::string& space, const std::string& name,
                                    std::unique_ptr<CCommand> command) {
    auto& entry = myNamespaces[space];
    if (!entry) entry = std::make_unique<CCommandNamespace>(space);
    return entry->AddCommand(name, std::move(command));
}

void CCommandNamespaces::Attach(const std::string& space, CConsole* console) {
    if (CCommandNamespace* found = Find(space)) found->Attach(console);
}

void CCommandNamespaces::Detach(CConsole* console) {
    for (auto& entry : myNamespaces) entry.second->Detach(console);
}

void CCommandNamespaces::Forget(CConsole* console) {
    for (auto& entry : myNamespaces) entry.second->Forget(console);
}

CCommandNamespace* CCommandNamespaces::Find(const std::string& space) const {
    const auto found = myNamespaces.find(space);
    return found == myNamespaces.end() ? nullptr : found->second.get();
}

CCommandNamespaces& CommandNamespaces() {
    return *CSingletonPtr<CCommandNamespaces>::Get();
}

}  // namespace tolm
