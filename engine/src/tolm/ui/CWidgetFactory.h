// Makes widgets by class name ("CWidget", "CButtonWidget", "CDesktopWidget",
// "CWindowWidget"), so that a description can name the class it wants. The factory files the
// creators of those four classes when it is made. It owns the creators, not the widgets: a
// new widget belongs to its parent, or to the caller when it has none.
#ifndef TOLM_UI_CWIDGETFACTORY_H
#define TOLM_UI_CWIDGETFACTORY_H

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tolm/Services.h"
#include "tolm/types/Rect.h"

namespace tolm::ui {

class CWidget;

class CWidgetFactory {
public:
    using CCreator =
        std::function<CWidget*(CWidget* parent, const types::rect& r, bool relative,
                               const std::string& name, const std::string& spriteFile)>;

    CWidgetFactory();

    // A name already taken keeps its first creator. Returns true for use in initialisers.
    bool Register(const std::string& className, CCreator creator);
    // Null for an unknown class name.
    CWidget* Create(const std::string& className, CWidget* parent, const types::rect& r,
                    bool relative = false, const std::string& name = std::string(),
                    const std::string& spriteFile = std::string()) const;
    std::vector<std::string> GetClassNames() const;

private:
    std::map<std::string, CCreator> myCreators;
};

}  // namespace tolm::ui

#endif
