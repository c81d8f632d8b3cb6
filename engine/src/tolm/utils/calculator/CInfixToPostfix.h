// Converts infix arithmetic ("1 + 2 * 3") into the postfix text the evaluator reads
// ("1 2 3 * +"), with the shunting-yard method. Operands are whatever lies between two
// symbols, trimmed; a sign at the start of an expression, after an operator or after "("
// is glued to the operand that follows it.
#ifndef TOLM_UTILS_CALCULATOR_CINFIXTOPOSTFIX_H
#define TOLM_UTILS_CALCULATOR_CINFIXTOPOSTFIX_H

#include <map>
#include <string>
#include <vector>

namespace tolm {

class CInfixToPostfix {
public:
    // Token types; 2 is never produced.
    enum {
        TOKEN_START = 0,
        TOKEN_OPERATOR = 1,
        TOKEN_OPEN_BRACKET = 3,
        TOKEN_CLOSE_BRACKET = 4,
        TOKEN_OPERAND = 5
    };

    CInfixToPostfix();

    // Tokens in postfix order separated by single spaces, no trailing space. An unmatched
    // ")" is ignored; an unmatched "(" is emitted at the end, where evaluation skips it.
    std::string Convert(const std::string& infix);

    // The first token of `text` and its type (TOKEN_START with an empty token for an empty
    // text). Reads and sets the previous-token type.
    std::string NextToken(const std::string& text, int& type);

    // The table value of an operator; 0 for a text that is not an operator.
    int Precedence(const std::string& op) const;

    // Shared by every converter; reset at the start of each conversion.
    static int GetPreviousTokenType() { return ourPreviousTokenType; }

private:
    struct SToken {
        std::string text;
        int type = TOKEN_START;
        std::string::size_type end = 0;  // position just after the token in the text
    };

    SToken ReadToken(const std::string& text, std::string::size_type from);
    SToken ReadPlainToken(const std::string& text, std::string::size_type from) const;
    bool IsSign(const SToken& token) const;
    void HandleToken(const SToken& token, std::string& output);

    std::map<std::string, int> myOperators;
    const std::string myOpenBracket = "(";
    const std::string myCloseBracket = ")";
    const std::string mySeparator = " ";
    std::vector<std::string> myStack;  // operators and "(" waiting for their operands
    static inline int ourPreviousTokenType = TOKEN_START;
};

}  // namespace tolm

#endif
