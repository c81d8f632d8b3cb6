// Holds the process-wide console and makes the consoles of tasks. The holder owns the
// process-wide console (Console()); the engine's services create and delete the holder.
#ifndef TOLM_TASKS_CCONSOLEHOLDER_H
#define TOLM_TASKS_CCONSOLEHOLDER_H

#include <memory>

#include "tolm/Services.h"
#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CConsoleCreator.h"

namespace tolm {

class CConsoleHolder {
public:
    CConsoleHolder();
    ~CConsoleHolder();
    CConsoleHolder(const CConsoleHolder&) = delete;
    CConsoleHolder& operator=(const CConsoleHolder&) = delete;

    // Created on first use, with the "basic" commands attached.
    CConsole* GetConsole();
    // A new, empty console attached to nothing; the caller owns it.
    std::unique_ptr<CConsole> CreateConsole() const;

private:
    std::unique_ptr<CConsoleCreator> myCreator;
    std::unique_ptr<CConsole> myConsole;
};

// A console for a task that accepts commands.
std::unique_ptr<CConsole> CreateConsole();

}  // namespace tolm

#endif
