// Fuzz entry for key names and the keyboard task's "bind" command: every line of the input
// runs in a keyboard task's console (as "Keyboard::bind(...)" lines of a script do) and is
// looked up as a key name; then every key with bindings is pressed and released, which runs
// the bound lines in the process-wide console, whose commands are made inert here.
// A name that finds a key must be that key's name.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "tolm/tasks/task_input/CKeyNames.h"
#include "tolm/tasks/task_input/CTaskKeyboard.h"

namespace {

using namespace tolm;

constexpr std::size_t kMaxInput = 4096;

bool Initialise() {
    fuzz::QuietLogger();
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    static fuzz::CInertCommand inert;
    fuzz::ReplaceConsoleCommands(&inert);
    // The table is read once; a failure here would leave every name unknown.
    return CKeyNames::FindKey("space") >= 0;
}

void CheckName(const std::string& name) {
    const int key = CKeyNames::FindKey(name);
    if (key >= 0) fuzz::Require(CKeyNames::GetName(key) == name, "a name finds another key");
}

void CheckCode(int key) {
    const std::string name = CKeyNames::GetName(key);
    if (name == "unknown key") return;
    const int found = CKeyNames::FindKey(name);
    fuzz::Require(found >= 0 && CKeyNames::GetName(found) == name, "a key's name finds nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool ready = Initialise();
    fuzz::Require(ready, "no key names");
    if (size > kMaxInput) return 0;
    fuzz::CLogBudget& budget = fuzz::QuietLogger();
    budget.Start();

    if (size >= sizeof(std::int32_t)) {
        std::int32_t code = 0;
        std::memcpy(&code, data, sizeof(code));
        CheckCode(code);
    }
    CTaskKeyboard keyboard;
    keyboard.Start();
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(lines, line);) {
        CheckName(line);
        keyboard.HandleCommand(line);
    }
    for (int key = 0; key < CTaskKeyboard::kKeyCount; ++key) {
        if (keyboard.GetBindingCount(key) == 0) continue;
        keyboard.OnKeyDown(key);
        keyboard.Update();
        fuzz::Require(keyboard.IsKeyDown(key), "a pressed key is not down");
        keyboard.OnKeyUp(key);
        keyboard.Update();
    }
    keyboard.OnStop();
    budget.Check(size);
    return 0;
}
