// Addition for the postfix evaluator. A lone operand is taken as 0 + b, so a stray sign
// operator never loses the value under it.
#ifndef TOLM_UTILS_CALCULATOR_CADDOPERATOR_H
#define TOLM_UTILS_CALCULATOR_CADDOPERATOR_H

#include "tolm/utils/calculator/COperator.h"

namespace tolm {

template <class T>
class CAddOperator : public COperator<T> {
public:
    void Apply(std::vector<T>& stack) const override {
        if (stack.empty()) return;
        const T b = this->Pop(stack);
        const T a = stack.empty() ? T(0) : this->Pop(stack);
        stack.push_back(a + b);
    }
};

}  // namespace tolm

#endif
