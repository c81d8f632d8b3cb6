// Division for the postfix evaluator. A single operand is dropped as with multiplication.
// Division by zero consumes both operands and pushes 0: callers truncate results to whole
// pixels, and an infinity or NaN would not survive that conversion.
#ifndef TOLM_UTILS_CALCULATOR_CDIVIDEOPERATOR_H
#define TOLM_UTILS_CALCULATOR_CDIVIDEOPERATOR_H

#include "tolm/utils/calculator/COperator.h"

namespace tolm {

template <class T>
class CDivideOperator : public COperator<T> {
public:
    void Apply(std::vector<T>& stack) const override {
        if (stack.empty()) return;
        const T b = this->Pop(stack);
        if (stack.empty()) return;
        const T a = this->Pop(stack);
        stack.push_back(b == T(0) ? T(0) : a / b);
    }
};

}  // namespace tolm

#endif
