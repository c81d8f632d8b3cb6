// The command line of the developer console: the text being typed with its cursor, the
// editing keys, a history of the last lines entered (kept in a file between runs) and
// completion of names. It only edits text; running the line is the caller's business.
#ifndef TOLM_TASKS_TASK_DEBUG_CCONSOLEINPUTLINE_H
#define TOLM_TASKS_TASK_DEBUG_CCONSOLEINPUTLINE_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tolm {

class CConsoleInputLine {
public:
    static constexpr std::size_t kHistorySize = 100;
    // Longer lines are not accepted, so a stuck key cannot grow the line without end.
    static constexpr std::size_t kMaxLength = 1024;
    static constexpr const char* kDefaultHistoryFile = "console_history.txt";

    enum Result { kNothing, kEdited, kExecute };

    // Reads the history file if there is one, each line as the line could hold it (only
    // printable ASCII, at most kMaxLength). An empty name, or a name that is not a regular
    // file (logged), keeps the history in memory.
    explicit CConsoleInputLine(const std::string& historyFile = kDefaultHistoryFile);

    // Editing keys (SDL key symbols): Backspace, Delete, Left, Right, Home, End, Up, Down,
    // Tab (completes against the names last given) and Return or keypad Enter (kExecute).
    Result OnKey(int key);
    // Printable ASCII is inserted at the cursor; anything else is ignored.
    Result OnCharacter(std::uint16_t unicode);

    // The line entered: returned, cleared, and appended to the history and its file unless
    // it is blank or repeats the latest entry.
    std::string TakeLine();

    // Completes the word before the cursor from the names (case-insensitive), in the case
    // the word was typed in. One match is taken whole and followed by nothing; several are
    // taken as far as they agree. Returns the matches.
    std::vector<std::string> Complete(const std::vector<std::string>& names);
    void SetCompletionNames(std::vector<std::string> names) { myNames = std::move(names); }
    const std::vector<std::string>& GetLastMatches() const { return myLastMatches; }

    const std::string& GetText() const { return myText; }
    std::size_t GetCursor() const { return myCursor; }
    const std::deque<std::string>& GetHistory() const { return myHistory; }

private:
    void LoadHistory();
    void SaveHistory() const;
    void BrowseHistory(int step);
    void SetText(const std::string& text);

    std::string myHistoryFile;
    std::string myText;
    std::size_t myCursor = 0;
    std::deque<std::string> myHistory;
    // Position while walking the history; the history's size means "the line being typed".
    std::size_t myBrowse = 0;
    std::string myDraft;
    std::vector<std::string> myNames;
    std::vector<std::string> myLastMatches;
};

}  // namespace tolm

#endif
