// Evaluates infix arithmetic over doubles: the postfix evaluator with an infix converter in
// front. Owns both; the value stack carries over between evaluations like the evaluator's.
#ifndef TOLM_UTILS_CALCULATOR_CCALCULATOR_H
#define TOLM_UTILS_CALCULATOR_CCALCULATOR_H

#include <string>

#include "tolm/utils/calculator/CInfixToPostfix.h"
#include "tolm/utils/calculator/CPostfix.h"

namespace tolm {

class CCalculator : public CPostfix<double> {
public:
    // Takes an infix text: 0 for an empty one, without touching the stack. Division by zero
    // and number pieces that read as nothing ("." or "+-") count as 0.
    double Evaluate(const std::string& infix) override;

    // The postfix text an infix expression turns into.
    std::string ToPostfix(const std::string& infix) { return myConverter.Convert(infix); }

private:
    CInfixToPostfix myConverter;
};

}  // namespace tolm

#endif
