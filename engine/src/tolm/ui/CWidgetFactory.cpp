#include "tolm/ui/CWidgetFactory.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"

namespace tolm::ui {

bool CWidgetFactory::Register(const std::string& className, CCreator creator) {
    if (creator) myCreators.emplace(className, std::move(creator));
    return true;
}

CWidget* CWidgetFactory::Create(const std::string& className, CWidget* parent, const types::rect& r,
                                bool relative, const std::string& name,
                                const std::string& spriteFile) const {
    auto found = myCreators.find(className);
    if (found == myCreators.end()) return nullptr;
    return found->second(parent, r, relative, name, spriteFile);
}

std::vector<std::string> CWidgetFactory::GetClassNames() const {
    std::vector<std::string> names;
    for (const auto& entry : myCreators) names.push_back(entry.first);
    return names;
}

CWidgetFactory& WidgetFactory() {
    return *CSingletonPtr<CWidgetFactory>::Get();
}

}  // namespace tolm::ui
