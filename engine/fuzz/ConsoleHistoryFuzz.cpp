// Fuzz entry for the developer console's history file ("console_history.txt"): the bytes are
// the file. The console's command line reads it, is walked up and down through it, completes
// against its lines, and takes a new line, which writes the file again; reading that file
// must give the same history. Every line the command line shows must be one it could hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "tolm/tasks/task_debug/CConsoleInputLine.h"

namespace {

using namespace tolm;

// SDL 1.2 key symbols of the keys used here.
constexpr int kKeyTab = 9;
constexpr int kKeyUp = 273;
constexpr int kKeyDown = 274;
constexpr int kKeyLeft = 276;

void CheckShown(const CConsoleInputLine& line) {
    const std::string& text = line.GetText();
    fuzz::Require(text.size() <= CConsoleInputLine::kMaxLength, "the command line is too long");
    fuzz::Require(line.GetCursor() <= text.size(), "the cursor is past the end of the line");
    for (char c : text) {
        fuzz::Require(c >= 32 && c <= 126, "the command line holds a character nobody can type");
    }
}

void CheckHistory(const CConsoleInputLine& line) {
    fuzz::Require(line.GetHistory().size() <= CConsoleInputLine::kHistorySize,
                  "the history holds more lines than it keeps");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::CScratchFile file("console_history.txt");
    fuzz::CLogBudget& budget = fuzz::QuietLogger();
    budget.Start();

    CConsoleInputLine line(file.Write(data, size));
    CheckHistory(line);
    const std::size_t entries = line.GetHistory().size();
    for (std::size_t i = 0; i <= entries; ++i) {
        line.OnKey(kKeyUp);
        CheckShown(line);
    }
    line.OnKey(kKeyLeft);
    line.OnCharacter('x');
    std::vector<std::string> names(line.GetHistory().begin(), line.GetHistory().end());
    line.SetCompletionNames(names);
    line.OnKey(kKeyTab);
    CheckShown(line);
    for (std::size_t i = 0; i <= entries; ++i) {
        line.OnKey(kKeyDown);
        CheckShown(line);
    }
    line.OnCharacter('y');
    line.TakeLine();
    CheckHistory(line);

    const CConsoleInputLine again(file.Path());
    fuzz::Require(again.GetHistory() == line.GetHistory(),
                  "the history file written does not read back as the history");
    budget.Check(size);
    return 0;
}
