// The console variable that assignments create: it holds the whole text it was given.
#ifndef TOLM_TASKS_CTEXTVARIABLE_H
#define TOLM_TASKS_CTEXTVARIABLE_H

#include <string>

#include "tolm/tasks/CConsoleVariable.h"

namespace tolm {

class CTextVariable : public CConsoleVariable {
public:
    explicit CTextVariable(const std::string& name) : CConsoleVariable(name, "string") {}
    std::string Get() const override { return myValue; }

protected:
    void DoSet(const std::string& text) override { myValue = text; }

private:
    std::string myValue;
};

}  // namespace tolm

#endif
