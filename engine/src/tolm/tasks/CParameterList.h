// The ordered, typed arguments of one command call. The list owns its parameters; it is
// built by the console for one call and destroyed when the command returns, so commands
// and tasks copy what they keep.
#ifndef TOLM_TASKS_CPARAMETERLIST_H
#define TOLM_TASKS_CPARAMETERLIST_H

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "tolm/tasks/CParameter.h"

namespace tolm {

class CParameterList {
public:
    CParameterList() = default;
    CParameterList(const CParameterList& other);
    CParameterList& operator=(const CParameterList& other);
    ~CParameterList();

    std::size_t Size() const { return myParameters.size(); }
    bool Empty() const { return myParameters.empty(); }
    // Strict: a number is never a string and a string never a number. Out of range: false.
    bool IsType(std::size_t i, CParameter::Kind kind) const;
    // Out of range reads as a none parameter: empty text, 0.
    std::string GetString(std::size_t i) const;
    double GetNumber(std::size_t i) const;

    // Does nothing on an empty list.
    void PopFront();
    void AddString(const std::string& text);
    void AddNumber(double number);
    void AddNone();

private:
    std::deque<std::unique_ptr<CParameter>> myParameters;
};

}  // namespace tolm

#endif
