// An operator of the postfix evaluator: one step that rewrites the evaluator's value stack.
// Operator objects are owned by the evaluator's operator table.
#ifndef TOLM_UTILS_CALCULATOR_COPERATOR_H
#define TOLM_UTILS_CALCULATOR_COPERATOR_H

#include <vector>

namespace tolm {

template <class T>
class COperator {
public:
    virtual ~COperator() = default;

    // The back of the vector is the top of the stack.
    virtual void Apply(std::vector<T>& stack) const = 0;

protected:
    static T Pop(std::vector<T>& stack) {
        T value = stack.back();
        stack.pop_back();
        return value;
    }
};

}  // namespace tolm

#endif
