#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tolm/utils/calculator/CCalculator.h"
#include "tolm/utils/calculator/CInfixToPostfix.h"
#include "tolm/utils/calculator/CPostfix.h"

namespace tolm {
namespace {

struct SConversion {
    const char* infix;
    const char* postfix;
    double result;
};

const std::vector<SConversion> kConversions = {
    {"1 + 2 * 3", "1 2 3 * +", 7.0},
    {"(1 + 2) * 3", "1 2 + 3 *", 9.0},
    {"8 - 3 - 2", "8 3 - 2 -", 3.0},
    {"8 / 4 / 2", "8 4 / 2 /", 1.0},
    {"-4 * 2", "-4 2 *", -8.0},
    {"3 * -2", "3 -2 *", -6.0},
    {"5 - -3", "5 -3 -", 8.0},
    {"5 * (-3)", "5 -3 *", -15.0},
    {"+7", "+7", 7.0},
    {"10 / 4", "10 4 /", 2.5},
    {"  \t2*3\t ", "2 3 *", 6.0},
    {"1.5+.5", "1.5 .5 +", 2.0},
    {"100 + ( 50 / 2 - ( 50 * 0.9 / 2 ) )", "100 50 2 / 50 0.9 * 2 / - +", 102.5},
    {"((2))", "2", 2.0},
    // a sign read as an operator (not in front of an operand) still negates what follows
    {"2 * - ( 3 )", "2 * 3 -", -3.0},
    // the sign is glued even with blanks between it and the number
    {"- 5", "-5", -5.0},
    {"- 5 - -5", "-5 -5 -", 0.0},
    {"1 + 2 )", "1 2 +", 3.0},
    {") 4", "4", 4.0},
    {"( 1 + 2", "1 2 + (", 3.0},
    {"(", "(", 0.0},
    {"*", "*", 0.0},
    {"7 *", "7 *", 0.0},
    {"- -5", "--5", 0.0},
    {"6 / 0", "6 0 /", 0.0},
    {"x + 1", "x 1 +", 1.0},
};

TEST(CCalculator, ConvertsAndEvaluatesTheTable) {
    for (const SConversion& c : kConversions) {
        SCOPED_TRACE(std::string("infix: \"") + c.infix + "\"");
        CInfixToPostfix converter;
        EXPECT_EQ(converter.Convert(c.infix), c.postfix);
        CCalculator calculator;
        EXPECT_DOUBLE_EQ(calculator.Evaluate(c.infix), c.result);
        EXPECT_TRUE(calculator.GetStack().empty());
    }
}

// "2 3" is one operand that pushes both numbers; an empty expression leaves them, and the
// next evaluation uses the 2 left over ("* 4" gives 8).
TEST(CCalculator, EmptyExpressionLeavesTheStackAloneAndLeftoversFeedTheNext) {
    CCalculator calculator;
    EXPECT_EQ(calculator.ToPostfix("2 3"), "2 3");
    EXPECT_DOUBLE_EQ(calculator.Evaluate("2 3"), 3.0);
    ASSERT_EQ(calculator.GetStack(), std::vector<double>{2.0});
    EXPECT_DOUBLE_EQ(calculator.Evaluate(""), 0.0);
    EXPECT_EQ(calculator.GetStack(), std::vector<double>{2.0});
    EXPECT_DOUBLE_EQ(calculator.Evaluate("* 4"), 8.0);
    EXPECT_TRUE(calculator.GetStack().empty());
}

TEST(CInfixToPostfix, SignAfterAnOperandIsAnOperatorForEveryConverter) {
    CInfixToPostfix first;
    CInfixToPostfix second;
    int type = -1;
    first.Convert("");
    EXPECT_EQ(first.NextToken("7", type), "7");
    // the previous-token type is shared, so the second converter sees the operand
    EXPECT_EQ(second.NextToken("-5", type), "-");
    EXPECT_EQ(type, CInfixToPostfix::TOKEN_OPERATOR);
}

TEST(CPostfix, PiecesAndOperatorsOnTheStack) {
    struct SCase {
        const char* postfix;
        double result;
        std::vector<double> left;
    };
    const std::vector<SCase> cases = {
        {"", 0.0, {}},        {"1  2   +", 3.0, {}},    {"5 -", -5.0, {}},
        {"5 +", 5.0, {}},     {"5 *", 0.0, {}},         {"5 /", 0.0, {}},
        {"8 0 /", 0.0, {}},   {"8 0.5 /", 16.0, {}},    {"1 2 3", 3.0, {1.0, 2.0}},
        {".", 0.0, {}},       {"+-", 0.0, {}},          {"1 . +", 1.0, {}},
        {"1.5.2", 1.5, {}},   {"2 abc 3 ( *", 6.0, {}}, {"1e3", 0.0, {}},
        {"- + * /", 0.0, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::string("postfix: \"") + c.postfix + "\"");
        CPostfix<double> postfix;
        EXPECT_DOUBLE_EQ(postfix.Evaluate(c.postfix), c.result);
        EXPECT_EQ(postfix.GetStack(), c.left);
    }
}

TEST(CPostfix, WorksForIntegers) {
    CPostfix<int> postfix;
    EXPECT_EQ(postfix.Evaluate("7 2 /"), 3);
    EXPECT_EQ(postfix.Evaluate("7 0 /"), 0);
    EXPECT_EQ(postfix.Evaluate("-3 4 *"), -12);
}

// Whatever the input, evaluation ends, is repeatable, and matches evaluating the postfix text.
TEST(CCalculator, MalformedInputsReturnConsistently) {
    // One input between each pair of bars.
    std::istringstream list(
        ".|+-|-+|+|-|*|/|()|)(|((((|))))|(((1|1)))|1 + + 2|1 * / 2|--|-- -- --|- - - - - - 1|-(|-)|"
        "1..2|..|1 2 3 4 + * -|\t|   |+ - * /|1/0/0|0/0|(1+2|1+2)|1e308 * 1e308|\xff\xfe+\x80|"
        "1 + (2 * (3 - |999999999999999999999999999999999999999999 * "
        "99999999999999999999999999999999999999");
    std::vector<std::string> inputs;
    for (std::string input; std::getline(list, input, '|');) inputs.push_back(input);
    inputs.push_back(std::string(3000, '-') + "1");
    inputs.push_back(std::string(2000, '(') + "1");
    inputs.push_back(std::string(2000, ')') + "1");
    inputs.push_back(std::string("1\0+2", 4));
    for (const std::string& input : inputs) {
        SCOPED_TRACE("input: \"" + input.substr(0, 40) + "\"");
        CCalculator calculator;
        const std::string postfix = calculator.ToPostfix(input);
        EXPECT_EQ(calculator.ToPostfix(input), postfix);
        if (!postfix.empty()) {
            EXPECT_NE(postfix.front(), ' ');
            EXPECT_NE(postfix.back(), ' ');
        }
        const double result = calculator.Evaluate(input);
        const std::vector<double> left = calculator.GetStack();

        CPostfix<double> direct;
        const double directResult = input.empty() ? 0.0 : direct.Evaluate(postfix);
        CCalculator again;
        const double againResult = again.Evaluate(input);
        if (std::isnan(result)) {
            EXPECT_TRUE(std::isnan(directResult));
            EXPECT_TRUE(std::isnan(againResult));
        } else {
            EXPECT_EQ(result, directResult);
            EXPECT_EQ(result, againResult);
        }
        EXPECT_EQ(direct.GetStack().size(), left.size());
    }
}

}  // namespace
}  // namespace tolm
