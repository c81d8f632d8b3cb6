#include "tolm/tasks/CTaskLibraries.h"

#include "tolm/tasks/CTaskFactory.h"

namespace tolm {

std::map<std::string, std::vector<CTaskLibraries::Entry>>& CTaskLibraries::Libraries() {
    // Filled from static initialisers in other files, so it must exist before them.
    static std::map<std::string, std::vector<Entry>> libraries;
    return libraries;
}

void CTaskLibraries::Load(const std::string& library, CTaskFactory* factory) {
    const auto found = Libraries().find(library);
    if (found == Libraries().end()) return;
    if (factory == nullptr) factory = &TaskFactory();
    for (const Entry& entry : found->second) {
        if (!factory->IsTypeRegistered(entry.typeName)) {
            factory->RegisterType(entry.typeName, entry.makeCreator());
        }
    }
}

void CTaskLibraries::Declare(const std::string& library, const std::string& typeName,
                             CreatorMaker makeCreator) {
    if (!makeCreator) return;
    Libraries()[library].push_back(Entry{typeName, std::move(makeCreator)});
}

std::vector<std::string> CTaskLibraries::GetTypes(const std::string& library) {
    std::vector<std::string> names;
    const auto found = Libraries().find(library);
    if (found == Libraries().end()) return names;
    for (const Entry& entry : found->second) names.push_back(entry.typeName);
    return names;
}

}  // namespace tolm
