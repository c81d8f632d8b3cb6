#include "tolm/tasks/CConsole.h"

#include <fstream>
#include <sstream>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CCommandNamespaces.h"
#include "tolm/tasks/CTextVariable.h"
#include "tolm/utils/StringUtils.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {

// Shared by every console: a route or a load may continue in another console.
int ourLineDepth = 0;
int ourScriptDepth = 0;

class CDepthGuard {
public:
    explicit CDepthGuard(int& depth) : myDepth(depth) { ++myDepth; }
    ~CDepthGuard() { --myDepth; }
    CDepthGuard(const CDepthGuard&) = delete;
    CDepthGuard& operator=(const CDepthGuard&) = delete;

private:
    int& myDepth;
};

bool IsNumberText(const std::string& text) {
    return text.find_first_not_of("0123456789.+-") == std::string::npos;
}

double ReadNumber(const std::string& text) {
    std::istringstream in(text);
    double value = 0.0;
    if (!(in >> value)) return 0.0;
    return value;
}

}  // namespace

CConsole::CConsole() = default;

CConsole::~CConsole() {
    if (CSingletonPtr<CCommandNamespaces>::Exists()) CommandNamespaces().Forget(this);
}

std::string CConsole::Key(const std::string& name) const {
    return myCaseSensitive ? name : ToUpper(name);
}

std::string::size_type CConsole::FindOutsideQuotes(const std::string& text,
                                                   const std::string& delimiter,
                                                   std::string::size_type start) {
    const auto npos = std::string::npos;
    if (delimiter.empty()) return npos;
    auto found = text.find(delimiter, start);
    if (found == npos) return npos;
    auto open = text.find('"', start);
    if (open == npos || open > found) return found;
    auto close = text.find('"', open + 1);
    while (open < found) {
        if (close == npos || close > found) {
            found = text.find(delimiter, found + 1);
            if (found == npos) return npos;
        } else {
            open = text.find('"', close + 1);
            if (open == npos) break;
            close = text.find('"', open + 1);
        }
    }
    return found;
}

std::vector<std::string> CConsole::Split(const std::string& text, const std::string& delimiter,
                                         std::size_t maxCount) {
    std::vector<std::string> pieces;
    std::string rest = text;
    std::size_t consumed = 0;
    while (maxCount == 0 || consumed + 1 < maxCount) {
        const auto at = FindOutsideQuotes(rest, delimiter);
        if (at == std::string::npos) break;
        if (at != 0) pieces.push_back(rest.substr(0, at));
        rest.erase(0, at + delimiter.size());
        ++consumed;
    }
    if (!rest.empty()) pieces.push_back(rest);
    return pieces;
}

std::string CConsole::Execute(const std::string& line, bool /*echo*/) {
    if (ourLineDepth >= kMaxLineDepth) return std::string();
    CDepthGuard depth(ourLineDepth);

    if (IsCompoundLine(line)) return ExecuteCompound(line);
    const std::string name = Trim(GetCommandName(line));
    // Parameters are evaluated before the lookup, so nested commands run even when the
    // outer name turns out to be a variable or nothing at all.
    std::unique_ptr<CParameterList> parameters = ParseParameters(line);
    CCommand* command = FindCommand(name);
    if (command == nullptr) return Evaluate(line, name);
    return parameters ? command->Execute(*parameters) : command->Execute();
}

std::string CConsole::ExecuteFile(const std::string& fileName) {
    std::ifstream in(fileName);
    if (!in) return std::string();
    if (ourScriptDepth >= kMaxScriptDepth) {
        Logger().Error() << "[ERROR] Scripts nested deeper than " << kMaxScriptDepth
                         << " levels, not loading " << fileName << "\n";
        return std::string();
    }
    CDepthGuard depth(ourScriptDepth);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Execute(line, false);
    }
    return std::string();
}

std::string CConsole::Evaluate(const std::string& line, const std::string& /*name*/) {
    const auto equals = FindOutsideQuotes(line, "=");
    if (equals == std::string::npos) {
        const std::string key = Trim(line);
        if (FindVariable(key) != nullptr) return GetVariable(key);
        return key;
    }
    // With nothing to assign to, the line is a plain literal.
    const std::string name = Trim(line.substr(0, equals));
    if (name.empty()) return Trim(line);
    const std::string value = Trim(Execute(line.substr(equals + 1), false));
    SetVariable(name, value);
    return GetVariable(name);
}

void CConsole::AddCommand(const std::string& name, CCommand* command) {
    RemoveCommand(name);
    if (command != nullptr) myCommands[Key(name)] = command;
}

void CConsole::RemoveCommand(const std::string& name) {
    myCommands.erase(Key(name));
}

CCommand* CConsole::FindCommand(const std::string& name) const {
    const auto found = myCommands.find(Key(name));
    return found == myCommands.end() ? nullptr : found->second;
}

void CConsole::SetCaseSensitive(bool caseSensitive) {
    myCaseSensitive = caseSensitive;
}

bool CConsole::IsCaseSensitive() const {
    return myCaseSensitive;
}

std::vector<std::string> CConsole::GetVariableNames() const {
    std::vector<std::string> names;
    for (const auto& variable : myVariables) names.push_back(variable.first);
    return names;
}

std::map<std::string, CCommand*> CConsole::GetCommands() const {
    return myCommands;
}

std::string CConsole::GetCommandName(const std::string& line) const {
    return line.substr(0, line.find('('));
}

bool CConsole::IsCompoundLine(const std::string& line) const {
    const auto npos = std::string::npos;
    return FindOutsideQuotes(line, "::") != npos || FindOutsideQuotes(line, ";") != npos ||
           FindOutsideQuotes(line, "//") != npos || Trim(line).empty();
}

std::string CConsole::ExecuteCompound(const std::string& line) {
    if (Trim(line).empty()) return std::string();
    if (line.compare(0, 2, "//") == 0) return std::string();

    const std::vector<std::string> beforeComment = Split(line, "//");
    const std::string code = beforeComment.empty() ? std::string() : beforeComment.front();
    if (FindOutsideQuotes(line, ";") != std::string::npos) {
        std::string result;
        for (const std::string& piece : Split(code, ";")) result += Execute(piece, false) + "\n";
        return result;
    }
    if (FindOutsideQuotes(line, "::") != std::string::npos) {
        const std::vector<std::string> parts = Split(code, "::");
        if (parts.size() >= 2) return ExecuteInNamespace(parts[0], parts[1]);
        return std::string();
    }
    // A command followed by a comment without ";" is deliberately not run.
    return std::string();
}

std::string CConsole::ExecuteInNamespace(const std::string& /*space*/, const std::string& rest) {
    return Execute(rest, false);
}

void CConsole::AddOwnedCommand(const std::string& name, std::unique_ptr<CCommand> command) {
    if (!command) return;
    AddCommand(name, command.get());
    myOwnedCommands.push_back(std::move(command));
}

void CConsole::AddVariable(const std::string& name, std::unique_ptr<CConsoleVariable> variable) {
    RemoveVariable(name);
    if (variable) myVariables[Key(name)] = std::move(variable);
}

void CConsole::RemoveVariable(const std::string& name) {
    myVariables.erase(Key(name));
}

CConsoleVariable* CConsole::FindVariable(const std::string& name) const {
    const auto found = myVariables.find(Key(name));
    return found == myVariables.end() ? nullptr : found->second.get();
}

void CConsole::SetVariable(const std::string& name, const std::string& text) {
    CConsoleVariable* variable = FindVariable(name);
    if (variable == nullptr) {
        auto created = std::make_unique<CTextVariable>(name);
        variable = created.get();
        myVariables[Key(name)] = std::move(created);
    }
    variable->Set(text);
}

std::string CConsole::GetVariable(const std::string& name) const {
    const CConsoleVariable* variable = FindVariable(name);
    return variable == nullptr ? std::string() : variable->Get();
}

std::unique_ptr<CParameterList> CConsole::ParseParameters(const std::string& line) {
    const auto open = line.find('(');
    const auto close = line.rfind(')');
    // A ")" before the first "(" encloses nothing.
    if (open == std::string::npos || close == std::string::npos || close < open) return nullptr;

    auto parameters = std::make_unique<CParameterList>();
    for (const std::string& piece : Split(line.substr(open + 1, close - open - 1), ",")) {
        std::string value = Trim(Execute(piece, false));
        if (!value.empty() && !IsNumberText(value)) {
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                value = value.substr(1, value.size() - 2);
            }
            parameters->AddString(value);
        } else {
            parameters->AddNumber(ReadNumber(value));
        }
    }
    return parameters;
}

}  // namespace tolm
