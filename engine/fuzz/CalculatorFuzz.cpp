// libFuzzer entry point for the expression calculator: any byte string must convert and
// evaluate without crashing, and the postfix text must have no blank at
// either end (operands may hold inner blanks: "2  3" is one operand).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tolm/utils/calculator/CCalculator.h"
#include "tolm/utils/calculator/CInfixToPostfix.h"
#include "tolm/utils/calculator/CPostfix.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    tolm::CInfixToPostfix converter;
    const std::string postfix = converter.Convert(input);
    Require(converter.Convert(input) == postfix);
    Require(postfix.empty() || (postfix.front() != ' ' && postfix.back() != ' '));

    tolm::CCalculator calculator;
    const double first = calculator.Evaluate(input);
    tolm::CPostfix<double> direct;
    const double expected = input.empty() ? 0.0 : direct.Evaluate(postfix);
    Require(first == expected || (first != first && expected != expected));
    Require(calculator.GetStack().size() == direct.GetStack().size());

    // A second evaluation on the same calculator meets the values the first one left.
    calculator.Evaluate(input);

    // The raw bytes as postfix text exercise the evaluator alone.
    tolm::CPostfix<double> raw;
    raw.Evaluate(input);
    return 0;
}
