#include "tolm/tasks/CConsole.h"

#include <cstring>
#include <filesystem>
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

// Reads up to the next "\n" (a "\r" before it dropped) and keeps at most one byte more
// than a script line may hold, so an endless line costs no memory. False at the end.
bool ReadScriptLine(std::streambuf& in, std::string& line) {
    line.clear();
    int c = in.sbumpc();
    if (c == std::char_traits<char>::eof()) return false;
    bool full = false;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = in.sbumpc()) {
        if (line.size() < CConsole::kMaxScriptLine + 1) {
            line.push_back(static_cast<char>(c));
        } else {
            full = true;
        }
    }
    if (!full && !line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// First double quote in [from, before), or npos.
std::string::size_type FindQuoteBefore(const std::string& text, std::string::size_type from,
                                       std::string::size_type before) {
    if (from >= before) return std::string::npos;
    const void* quote = std::memchr(text.data() + from, '"', before - from);
    if (quote == nullptr) return std::string::npos;
    return static_cast<const char*>(quote) - text.data();
}

// The parameter list's brackets: the first "(" and the last ")" after it.
struct Brackets {
    std::string::size_type open = std::string::npos;
    std::string::size_type close = std::string::npos;
    bool Found() const { return open != std::string::npos; }
    bool Encloses(std::string::size_type at) const { return Found() && open < at && at < close; }
};

Brackets FindBrackets(const std::string& line) {
    Brackets brackets;
    const auto open = line.find('(');
    if (open == std::string::npos) return brackets;
    const auto close = line.rfind(')');
    // A ")" before the first "(" encloses nothing.
    if (close == std::string::npos || close < open) return brackets;
    brackets.open = open;
    brackets.close = close;
    return brackets;
}

// "name = rest(...)": an assignment whose right-hand side holds the whole parameter list.
bool AssignsCall(const std::string& line) {
    const Brackets brackets = FindBrackets(line);
    if (!brackets.Found()) return false;
    const auto equals = CConsole::FindOutsideQuotes(line, "=");
    if (equals == std::string::npos || equals > brackets.open) return false;
    return line.find_first_not_of(" \t") < equals;
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
    // Quote searches stop at the delimiter, so that splitting a long line into many pieces
    // does not scan to a far-away quote once per piece.
    auto open = FindQuoteBefore(text, start, found);
    if (open == npos) return found;
    auto close = text.find('"', open + 1);
    while (open < found) {
        if (close == npos || close > found) {
            found = text.find(delimiter, found + 1);
            if (found == npos) return npos;
        } else {
            open = FindQuoteBefore(text, close + 1, found);
            if (open == npos) break;
            close = text.find('"', open + 1);
        }
    }
    return found;
}

std::vector<std::string> CConsole::Split(const std::string& text, const std::string& delimiter,
                                         std::size_t maxCount) {
    std::vector<std::string> pieces;
    std::string::size_type from = 0;
    std::size_t consumed = 0;
    while (maxCount == 0 || consumed + 1 < maxCount) {
        const auto at = FindOutsideQuotes(text, delimiter, from);
        if (at == std::string::npos) break;
        if (at != from) pieces.push_back(text.substr(from, at - from));
        from = at + delimiter.size();
        ++consumed;
    }
    if (from < text.size()) pieces.push_back(text.substr(from));
    return pieces;
}

std::string CConsole::Execute(const std::string& line, bool /*echo*/) {
    if (ourLineDepth >= kMaxLineDepth) return std::string();
    CDepthGuard depth(ourLineDepth);

    if (IsCompoundLine(line)) return ExecuteCompound(line);
    const std::string name = Trim(GetCommandName(line));
    // The right-hand side evaluates the parameters itself; evaluating them here as well
    // would run every nested command twice, and twice again at each level of nesting.
    if (AssignsCall(line) && FindCommand(name) == nullptr) return Evaluate(line, name);
    // Parameters are evaluated before the lookup, so nested commands run even when the
    // outer name turns out to be a variable or nothing at all.
    std::unique_ptr<CParameterList> parameters = ParseParameters(line);
    CCommand* command = FindCommand(name);
    if (command == nullptr) return Evaluate(line, name);
    return parameters ? command->Execute(*parameters) : command->Execute();
}

std::string CConsole::ExecuteFile(const std::string& fileName) {
    std::error_code error;
    const auto type = std::filesystem::status(fileName, error).type();
    if (type == std::filesystem::file_type::not_found) return std::string();
    // Devices and pipes may never end (or never start), and a directory is no script.
    if (type != std::filesystem::file_type::regular) {
        Logger().Error() << "[ERROR] Not loading " << fileName << ": not a regular file\n";
        return std::string();
    }
    std::ifstream in(fileName);
    if (!in) {
        Logger().Error() << "[ERROR] Not loading " << fileName << ": it cannot be read\n";
        return std::string();
    }
    if (ourScriptDepth >= kMaxScriptDepth) {
        Logger().Error() << "[ERROR] Scripts nested deeper than " << kMaxScriptDepth
                         << " levels, not loading " << fileName << "\n";
        return std::string();
    }
    CDepthGuard depth(ourScriptDepth);
    std::string line;
    for (int number = 1; ReadScriptLine(*in.rdbuf(), line); ++number) {
        if (line.size() > kMaxScriptLine) {
            line.resize(kMaxScriptLine);
            Logger().Warning() << "[WARNING] Line " << number << " of " << fileName
                               << " is longer than " << kMaxScriptLine
                               << " bytes, the rest of it is ignored\n";
        }
        Execute(line, false);
    }
    return std::string();
}

std::string CConsole::Evaluate(const std::string& line, const std::string& /*name*/) {
    const auto equals = FindOutsideQuotes(line, "=");
    // An "=" inside the brackets belongs to a parameter, which has already run; assigning
    // the text after it would run the rest of the parameters again.
    if (equals == std::string::npos || FindBrackets(line).Encloses(equals)) {
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

std::string CConsole::ExecuteCommand(const std::string& name, const CParameterList& parameters) {
    CCommand* command = FindCommand(name);
    if (command == nullptr) return std::string();
    // Commands may consume their list; the caller's stays as it was.
    CParameterList own(parameters);
    return command->Execute(own);
}

std::string CConsole::ExecuteCommandInNamespace(const std::string& /*space*/,
                                                const std::string& name,
                                                const CParameterList& parameters) {
    return ExecuteCommand(name, parameters);
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
    const Brackets brackets = FindBrackets(line);
    if (!brackets.Found()) return nullptr;

    auto parameters = std::make_unique<CParameterList>();
    const auto inner = line.substr(brackets.open + 1, brackets.close - brackets.open - 1);
    for (const std::string& piece : Split(inner, ",")) {
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
