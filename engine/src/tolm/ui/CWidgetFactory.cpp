#include "tolm/ui/CWidgetFactory.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/ui/CButtonWidget.h"
#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWindowWidget.h"

namespace tolm::ui {
namespace {

template <class TWidget>
CWidget* Make(CWidget* parent, const types::rect& r, bool relative, const std::string& name,
              const std::string& spriteFile) {
    return new TWidget(parent, r, relative, name, spriteFile);
}

}  // namespace

CWidgetFactory::CWidgetFactory() {
    Register("CWidget", Make<CWidget>);
    Register("CButtonWidget", Make<CButtonWidget>);
    Register("CWindowWidget", Make<CWindowWidget>);
    Register("CDesktopWidget",
             [](CWidget*, const types::rect& r, bool, const std::string&,
                const std::string&) -> CWidget* {
                 // A desktop is a root: it takes no parent, sprite or name.
                 return new CDesktopWidget(r);
             });
}

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
