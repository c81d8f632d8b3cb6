// The command interpreter: parses one line of the command language, evaluates its
// parameters, and runs the named command, a variable assignment or a Name::Command route.
// A console owns the variables it holds and the commands it adopts with AddOwnedCommand;
// commands added with AddCommand (namespace commands) stay owned by whoever added them.
#ifndef TOLM_TASKS_CCONSOLE_H
#define TOLM_TASKS_CCONSOLE_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tolm/tasks/CCommand.h"
#include "tolm/tasks/CConsoleVariable.h"
#include "tolm/tasks/CParameterList.h"

namespace tolm {

class CConsole {
public:
    // Scripts loading scripts deeper than this are refused with a log line, so that a
    // script that loads itself ends instead of exhausting the stack.
    static constexpr int kMaxScriptDepth = 16;
    // Lines nested deeper than this (parentheses, chained assignments, routes) answer the
    // empty text without running; no real line comes near it.
    static constexpr int kMaxLineDepth = 200;
    // Script lines longer than this are cut, with a log line, so a file with an endless
    // line cannot exhaust memory.
    static constexpr std::size_t kMaxScriptLine = 64 * 1024;

    CConsole();
    virtual ~CConsole();
    CConsole(const CConsole&) = delete;
    CConsole& operator=(const CConsole&) = delete;

    virtual std::string Execute(const std::string& line, bool echo = false);
    // Runs every line of a regular text file (CR before LF dropped); answers are discarded.
    // A missing file runs nothing and is not reported; anything else that is not a readable
    // regular file (a directory, a device, a pipe) is refused with a log line.
    virtual std::string ExecuteFile(const std::string& fileName);
    // A line that names no command: an assignment, a variable's value, or the line itself.
    virtual std::string Evaluate(const std::string& line, const std::string& name);
    // Non-owning: the command must outlive its registration here. A command of the same
    // name is replaced, not deleted.
    virtual void AddCommand(const std::string& name, CCommand* command);
    virtual void RemoveCommand(const std::string& name);
    virtual CCommand* FindCommand(const std::string& name) const;
    virtual void SetCaseSensitive(bool caseSensitive);
    virtual bool IsCaseSensitive() const;
    virtual std::map<std::string, CCommand*> GetCommands() const;
    virtual std::string GetCommandName(const std::string& line) const;
    virtual bool IsCompoundLine(const std::string& line) const;
    virtual std::string ExecuteCompound(const std::string& line);
    // Runs the rest here; the process-wide console routes it to a task instead.
    virtual std::string ExecuteInNamespace(const std::string& space, const std::string& rest);
    // Runs the named command with a copy of a ready-made list: nothing of it is parsed or
    // evaluated, so its texts cannot become commands. The empty text when there is no such
    // command (looked up by the case rule of this console).
    virtual std::string ExecuteCommand(const std::string& name, const CParameterList& parameters);
    // A ready-made call addressed as space::name: runs here, as ExecuteInNamespace does; the
    // process-wide console routes it to the task called space instead.
    virtual std::string ExecuteCommandInNamespace(const std::string& space, const std::string& name,
                                                  const CParameterList& parameters);

    // The console keeps the command until it is destroyed, even after RemoveCommand.
    void AddOwnedCommand(const std::string& name, std::unique_ptr<CCommand> command);

    // Replaces (and deletes) a variable of the same name.
    void AddVariable(const std::string& name, std::unique_ptr<CConsoleVariable> variable);
    void RemoveVariable(const std::string& name);
    CConsoleVariable* FindVariable(const std::string& name) const;
    // Creates a text variable when the name is new.
    void SetVariable(const std::string& name, const std::string& text);
    // The empty text when there is no such variable.
    std::string GetVariable(const std::string& name) const;
    // Names of the variables held, as stored (upper case unless case-sensitive).
    std::vector<std::string> GetVariableNames() const;

    // Position of `delimiter` at or after `start` outside double-quoted text; an unclosed
    // quote hides every later delimiter. npos when there is none.
    static std::string::size_type FindOutsideQuotes(const std::string& text,
                                                    const std::string& delimiter,
                                                    std::string::size_type start = 0);
    // Pieces between delimiters found outside quotes; empty pieces are dropped, pieces are
    // not trimmed. With maxCount > 0 at most maxCount - 1 delimiters are consumed.
    static std::vector<std::string> Split(const std::string& text, const std::string& delimiter,
                                          std::size_t maxCount = 0);

    // The parameter list of a line, or null when it has none. Every piece is evaluated in
    // this console first. A piece of only blanks reads as the number 0.
    std::unique_ptr<CParameterList> ParseParameters(const std::string& line);

private:
    std::string Key(const std::string& name) const;

    std::map<std::string, CCommand*> myCommands;
    std::map<std::string, std::unique_ptr<CConsoleVariable>> myVariables;
    bool myCaseSensitive = false;
    std::vector<std::unique_ptr<CCommand>> myOwnedCommands;
};

}  // namespace tolm

#endif
