// Multiplication for the postfix evaluator. With a single operand there is nothing sensible
// to multiply by, so that operand is dropped and nothing is pushed.
#ifndef TOLM_UTILS_CALCULATOR_CMULTIPLYOPERATOR_H
#define TOLM_UTILS_CALCULATOR_CMULTIPLYOPERATOR_H

#include "tolm/utils/calculator/COperator.h"

namespace tolm {

template <class T>
class CMultiplyOperator : public COperator<T> {
public:
    void Apply(std::vector<T>& stack) const override {
        if (stack.empty()) return;
        const T b = this->Pop(stack);
        if (stack.empty()) return;
        const T a = this->Pop(stack);
        stack.push_back(a * b);
    }
};

}  // namespace tolm

#endif
