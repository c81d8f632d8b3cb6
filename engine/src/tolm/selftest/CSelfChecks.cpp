#include "tolm/selftest/CSelfChecks.h"

#include <algorithm>

#include "tolm/utils/logger/CLogger.h"

namespace tolm {

std::vector<CSelfChecks::Entry>& CSelfChecks::Entries() {
    // Filled from static initialisers in other files, so it must exist before them.
    static std::vector<Entry> entries;
    return entries;
}

bool CSelfChecks::Register(const std::string& name, Check check) {
    if (!check) return false;
    auto& entries = Entries();
    if (std::any_of(entries.begin(), entries.end(),
                    [&name](const Entry& entry) { return entry.name == name; })) {
        return false;
    }
    entries.push_back(Entry{name, std::move(check)});
    return true;
}

std::vector<std::string> CSelfChecks::GetNames() {
    std::vector<std::string> names;
    for (const Entry& entry : Entries()) names.push_back(entry.name);
    return names;
}

CSelfChecks::Result CSelfChecks::RunAll() {
    Result result;
    for (const Entry& entry : Entries()) {
        std::string message;
        if (entry.check(message)) {
            ++result.passed;
            Logger() << "Self-check " << entry.name << " passed\n";
        } else {
            ++result.failed;
            Logger().Error() << "[ERROR] Self-check " << entry.name << " failed: " << message
                             << "\n";
        }
    }
    Logger() << "Self-checks done: " << result.passed << " passed, " << result.failed
             << " failed\n";
    return result;
}

}  // namespace tolm
