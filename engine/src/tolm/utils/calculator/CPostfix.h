// Evaluates postfix texts ("1 2 3 * +") on a value stack. The evaluator owns its stack and
// its operator objects; the stack is kept between evaluations, so values an evaluation does
// not consume stay below the next one.
#ifndef TOLM_UTILS_CALCULATOR_CPOSTFIX_H
#define TOLM_UTILS_CALCULATOR_CPOSTFIX_H

#include <cstdlib>
#include <locale>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "tolm/utils/StringUtils.h"
#include "tolm/utils/calculator/CAddOperator.h"
#include "tolm/utils/calculator/CDivideOperator.h"
#include "tolm/utils/calculator/CMultiplyOperator.h"
#include "tolm/utils/calculator/COperator.h"
#include "tolm/utils/calculator/CSubtractOperator.h"

namespace tolm {

template <class T>
class CPostfix {
public:
    CPostfix() {
        myOperators["+"] = std::make_unique<CAddOperator<T>>();
        myOperators["-"] = std::make_unique<CSubtractOperator<T>>();
        myOperators["*"] = std::make_unique<CMultiplyOperator<T>>();
        myOperators["/"] = std::make_unique<CDivideOperator<T>>();
    }
    virtual ~CPostfix() = default;
    CPostfix(const CPostfix&) = delete;
    CPostfix& operator=(const CPostfix&) = delete;

    // Pieces are separated by single spaces. Operator pieces apply their operator, pieces
    // made only of "0123456789.+-" push their number, anything else is ignored. A number
    // piece that does not start with a number ("." or "+-") pushes 0. Returns the popped top
    // of the stack, or 0 when the stack is empty.
    virtual T Evaluate(const std::string& postfix) {
        std::string::size_type start = 0;
        while (start <= postfix.size()) {
            std::string::size_type end = postfix.find(mySeparator, start);
            if (end == std::string::npos) end = postfix.size();
            if (end > start) EvaluatePiece(Trim(postfix.substr(start, end - start)));
            start = end + mySeparator.size();
        }
        if (myStack.empty()) return T(0);
        const T top = myStack.back();
        myStack.pop_back();
        return top;
    }

    const std::vector<T>& GetStack() const { return myStack; }
    void ClearStack() { myStack.clear(); }

private:
    void EvaluatePiece(const std::string& piece) {
        if (piece.empty()) return;
        const auto op = myOperators.find(piece);
        if (op != myOperators.end()) {
            op->second->Apply(myStack);
            return;
        }
        if (piece.find_first_not_of("0123456789.+-") == std::string::npos) {
            myStack.push_back(ReadNumber(piece));
        }
    }

    // The longest number at the start of the piece ("1.5.2" reads 1.5), or 0 if none.
    static T ReadNumber(const std::string& piece) {
        if constexpr (std::is_floating_point_v<T>) {
            const char* begin = piece.c_str();
            char* end = nullptr;
            const double value = std::strtod(begin, &end);
            return end == begin ? T(0) : static_cast<T>(value);
        } else {
            std::istringstream in(piece);
            in.imbue(std::locale::classic());
            T value{};
            if (!(in >> value)) return T(0);
            return value;
        }
    }

    std::vector<T> myStack;
    std::map<std::string, std::unique_ptr<COperator<T>>> myOperators;
    const std::string mySeparator = " ";
};

}  // namespace tolm

#endif
