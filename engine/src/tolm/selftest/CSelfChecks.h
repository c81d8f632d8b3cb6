// The engine's registry of self-checks: small named functions that test a piece of the
// engine from inside the running program and answer pass or fail with a message. Checks
// register themselves statically with CSelfCheckRegistrar; the "unittest" task runs them.
#ifndef TOLM_SELFTEST_CSELFCHECKS_H
#define TOLM_SELFTEST_CSELFCHECKS_H

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tolm {

class CSelfChecks {
public:
    // Returns true on success; on failure fills the message with what went wrong.
    using Check = std::function<bool(std::string& message)>;

    struct Result {
        std::size_t passed = 0;
        std::size_t failed = 0;
    };

    // Checks run in registration order; a name may be used once.
    static bool Register(const std::string& name, Check check);
    static std::vector<std::string> GetNames();
    // Runs every check and writes one log line per check and a summary line:
    //   "Self-check <name> passed"
    //   "[ERROR] Self-check <name> failed: <message>"
    //   "Self-checks done: <n> passed, <m> failed"
    static Result RunAll();

private:
    struct Entry {
        std::string name;
        Check check;
    };
    static std::vector<Entry>& Entries();
};

}  // namespace tolm

#endif
