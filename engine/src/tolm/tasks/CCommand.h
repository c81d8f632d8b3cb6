// A command object that a console runs by name. Whoever registers a command decides who
// owns it: a console owns what it adopts, a command namespace owns its commands.
#ifndef TOLM_TASKS_CCOMMAND_H
#define TOLM_TASKS_CCOMMAND_H

#include <string>

#include "tolm/tasks/CParameterList.h"

namespace tolm {

class CCommand {
public:
    virtual ~CCommand() = default;
    // The list belongs to the console and lives only for this call.
    virtual std::string Execute(CParameterList& /*parameters*/) { return Execute(); }
    // Commands that need parameters answer their error text here.
    virtual std::string Execute() = 0;
};

}  // namespace tolm

#endif
