// The "basic" commands of the process-wide console: quit, load, taskload, starttask,
// pausetask, resumetask, stoptask. They live in the command namespace "basic", which owns
// them; each answers its error text when its first parameter is missing or not a text.
#ifndef TOLM_TASKS_CBASICCOMMAND_H
#define TOLM_TASKS_CBASICCOMMAND_H

#include <string>

#include "tolm/tasks/CCommand.h"

namespace tolm {

class CBasicCommand : public CCommand {
public:
    static constexpr const char* kNamespace = "basic";

    enum Kind { kQuit, kLoad, kTaskLoad, kStartTask, kPauseTask, kResumeTask, kStopTask };

    explicit CBasicCommand(Kind kind) : myKind(kind) {}

    std::string Execute(CParameterList& parameters) override;
    std::string Execute() override;

    // Puts every basic command into the namespace "basic" unless it is there already.
    static void RegisterAll();

private:
    std::string StartTask(CParameterList& parameters) const;

    Kind myKind;
};

}  // namespace tolm

#endif
