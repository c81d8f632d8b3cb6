// A console variable that reads and writes a program variable (bool or int) owned
// elsewhere. The program variable must outlive the binding: its owner calls
// UnbindConsoleVariable before it goes away (or binds a variable of static lifetime).
//
// Use: BindConsoleVariable(Console(), "gfx_flip_rects_size", myFlipRectsSize);
#ifndef TOLM_TASKS_CBOUNDVARIABLE_H
#define TOLM_TASKS_CBOUNDVARIABLE_H

#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CConsoleVariable.h"

namespace tolm {

template <class T>
class CBoundVariable : public CConsoleVariable {
    static_assert(std::is_same_v<T, bool> || std::is_same_v<T, int>,
                  "console variables bind bool or int");

public:
    CBoundVariable(const std::string& name, T& variable)
        : CConsoleVariable(name, std::is_same_v<T, bool> ? "bool" : "int"), myVariable(variable) {}

    std::string Get() const override {
        std::ostringstream out;
        out << myVariable;
        return out.str();
    }

protected:
    // Extraction into a copy: a failed read leaves the program variable as it was, whereas
    // the stream itself would store 0.
    void DoSet(const std::string& text) override {
        std::istringstream in(text);
        T value{};
        if (in >> value) myVariable = value;
    }

private:
    T& myVariable;
};

template <class T>
void BindConsoleVariable(CConsole& console, const std::string& name, T& variable) {
    console.AddVariable(name, std::make_unique<CBoundVariable<T>>(name, variable));
}

inline void UnbindConsoleVariable(CConsole& console, const std::string& name) {
    console.RemoveVariable(name);
}

}  // namespace tolm

#endif
