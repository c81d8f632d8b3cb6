// Makes the consoles handed out by the console holder; the caller owns each new console.
#ifndef TOLM_TASKS_CCONSOLECREATOR_H
#define TOLM_TASKS_CCONSOLECREATOR_H

#include <memory>

#include "tolm/tasks/CMainConsole.h"

namespace tolm {

class CConsoleCreator {
public:
    virtual ~CConsoleCreator() = default;
    virtual std::unique_ptr<CConsole> Create() const { return std::make_unique<CMainConsole>(); }
};

}  // namespace tolm

#endif
