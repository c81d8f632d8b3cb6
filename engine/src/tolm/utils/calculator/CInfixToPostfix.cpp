#include "tolm/utils/calculator/CInfixToPostfix.h"

#include "tolm/utils/StringUtils.h"

namespace tolm {

CInfixToPostfix::CInfixToPostfix() {
    myOperators["+"] = 0;
    myOperators["-"] = 0;
    myOperators["/"] = 1;
    myOperators["*"] = 1;
}

std::string CInfixToPostfix::Convert(const std::string& infix) {
    ourPreviousTokenType = TOKEN_START;
    myStack.clear();
    std::string output;
    const std::string input = Trim(infix);
    SToken token = ReadToken(input, 0);
    while (!token.text.empty()) {
        HandleToken(token, output);
        if (token.end >= input.size()) break;
        token = ReadToken(input, token.end);
    }
    while (!myStack.empty()) {
        output += myStack.back() + mySeparator;
        myStack.pop_back();
    }
    if (!output.empty()) output.pop_back();
    return output;
}

std::string CInfixToPostfix::NextToken(const std::string& text, int& type) {
    const SToken token = ReadToken(text, 0);
    type = token.type;
    return token.text;
}

int CInfixToPostfix::Precedence(const std::string& op) const {
    const auto found = myOperators.find(op);
    return found == myOperators.end() ? 0 : found->second;
}

CInfixToPostfix::SToken CInfixToPostfix::ReadToken(const std::string& text,
                                                   std::string::size_type from) {
    const SToken plain = ReadPlainToken(text, from);
    if (plain.type == TOKEN_START) return plain;

    SToken result = plain;
    const bool signPossible = ourPreviousTokenType == TOKEN_START ||
                              ourPreviousTokenType == TOKEN_OPERATOR ||
                              ourPreviousTokenType == TOKEN_OPEN_BRACKET;
    if (IsSign(plain) && signPossible && plain.end < text.size()) {
        // A run of signs ("- -5") glues onto the operand that ends it; looping instead of
        // recursing keeps a long run of signs off the call stack.
        std::string signs = plain.text;
        SToken next = ReadPlainToken(text, plain.end);
        while (IsSign(next) && next.end < text.size()) {
            signs += next.text;
            next = ReadPlainToken(text, next.end);
        }
        if (next.type == TOKEN_OPERAND) {
            result.text = signs + next.text;
            result.type = TOKEN_OPERAND;
            result.end = next.end;
        }
    }
    ourPreviousTokenType = result.type;
    return result;
}

CInfixToPostfix::SToken CInfixToPostfix::ReadPlainToken(const std::string& text,
                                                        std::string::size_type from) const {
    SToken token;
    token.end = from;
    if (from >= text.size()) return token;

    // Earliest symbol wins; at one position the operators come first, in table order.
    std::string::size_type symbolPos = std::string::npos;
    const std::string* symbol = nullptr;
    for (std::string::size_type pos = from; pos < text.size() && !symbol; ++pos) {
        for (const auto& op : myOperators) {
            if (text.compare(pos, op.first.size(), op.first) == 0) {
                symbol = &op.first;
                token.type = TOKEN_OPERATOR;
                break;
            }
        }
        if (!symbol && text.compare(pos, myOpenBracket.size(), myOpenBracket) == 0) {
            symbol = &myOpenBracket;
            token.type = TOKEN_OPEN_BRACKET;
        }
        if (!symbol && text.compare(pos, myCloseBracket.size(), myCloseBracket) == 0) {
            symbol = &myCloseBracket;
            token.type = TOKEN_CLOSE_BRACKET;
        }
        if (symbol) symbolPos = pos;
    }

    const std::string::size_type firstChar = text.find_first_not_of(" \t", from);
    if (!symbol || (firstChar != std::string::npos && firstChar < symbolPos)) {
        const std::string::size_type operandEnd = symbol ? symbolPos : text.size();
        token.text = Trim(text.substr(from, operandEnd - from));
        token.type = TOKEN_OPERAND;
        token.end = token.text.empty() ? text.size() : firstChar + token.text.size();
        return token;
    }
    token.text = *symbol;
    token.end = symbolPos + symbol->size();
    return token;
}

bool CInfixToPostfix::IsSign(const SToken& token) const {
    return token.type == TOKEN_OPERATOR && (token.text == "+" || token.text == "-");
}

void CInfixToPostfix::HandleToken(const SToken& token, std::string& output) {
    switch (token.type) {
        case TOKEN_OPERATOR:
            // "<=" makes operators of equal precedence associate to the left.
            while (!myStack.empty() && myStack.back() != myOpenBracket &&
                   Precedence(token.text) <= Precedence(myStack.back())) {
                output += myStack.back() + mySeparator;
                myStack.pop_back();
            }
            myStack.push_back(token.text);
            break;
        case TOKEN_OPEN_BRACKET:
            myStack.push_back(token.text);
            break;
        case TOKEN_CLOSE_BRACKET:
            while (!myStack.empty() && myStack.back() != myOpenBracket) {
                output += myStack.back() + mySeparator;
                myStack.pop_back();
            }
            if (!myStack.empty()) myStack.pop_back();
            break;
        default:
            output += token.text + mySeparator;
            break;
    }
}

}  // namespace tolm
