// The names of key codes, exactly as SDL 1.2 gives them ("space", "return", "a", "[0]",
// "left shift", "world 0", ...), for scripts that bind keys by name. The table is read from
// SDL itself on first use, through the SDL back end (ReadSDLKeyNames).
#ifndef TOLM_TASKS_TASK_INPUT_CKEYNAMES_H
#define TOLM_TASKS_TASK_INPUT_CKEYNAMES_H

#include <string>
#include <unordered_map>
#include <vector>

namespace tolm {

class CKeyNames {
public:
    // "unknown key" for a code without a name, also outside 0 to 322.
    static std::string GetName(int key);
    // Exact and case-sensitive; -1 when no key has that name ("unknown key" names none).
    static int FindKey(const std::string& name);

private:
    struct Table {
        std::vector<std::string> names;
        std::unordered_map<std::string, int> keys;
    };
    // Null when SDL could not give the names; such a failure is logged and retried later.
    static const Table* GetTable();
};

}  // namespace tolm

#endif
