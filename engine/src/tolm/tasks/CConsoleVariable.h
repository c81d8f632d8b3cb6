// A named value that lives in a console and is read and written as text. The console owns
// its variables.
#ifndef TOLM_TASKS_CCONSOLEVARIABLE_H
#define TOLM_TASKS_CCONSOLEVARIABLE_H

#include <string>

namespace tolm {

class CConsoleVariable {
public:
    CConsoleVariable(const std::string& name, const std::string& typeName)
        : myName(name), myTypeName(typeName) {}
    virtual ~CConsoleVariable() = default;

    // Ignored while the variable is read-only.
    void Set(const std::string& text) {
        if (!myReadOnly) DoSet(text);
    }
    virtual std::string Get() const = 0;

    const std::string& GetName() const { return myName; }
    const std::string& GetTypeName() const { return myTypeName; }
    bool IsReadOnly() const { return myReadOnly; }
    void SetReadOnly(bool readOnly) { myReadOnly = readOnly; }

protected:
    virtual void DoSet(const std::string& text) = 0;

private:
    std::string myName;
    std::string myTypeName;
    bool myReadOnly = false;
};

}  // namespace tolm

#endif
