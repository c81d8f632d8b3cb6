#include "tolm/tasks/CBasicCommand.h"

#include <cmath>
#include <limits>
#include <memory>

#include "tolm/tasks/CCommandNamespaces.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskLibraries.h"
#include "tolm/tasks/CTaskScheduler.h"

namespace tolm {

namespace {

constexpr int kDefaultPriority = 100;

// Script numbers can be anything; an int priority must come from a value in range.
int ToPriority(double value) {
    if (std::isnan(value)) return kDefaultPriority;
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

}  // namespace

std::string CBasicCommand::Execute(CParameterList& parameters) {
    if (myKind == kQuit) return Execute();
    if (!parameters.IsType(0, CParameter::kString)) return Execute();
    const std::string first = parameters.GetString(0);
    CTaskFactory* factory = &TaskFactory();
    switch (myKind) {
        case kLoad:
            Console().ExecuteFile(first);
            return std::string();
        case kTaskLoad:
            CTaskLibraries::Load(first);
            return std::string();
        case kStartTask:
            return StartTask(parameters);
        case kPauseTask:
            factory->PauseTask(first);
            return std::string();
        case kResumeTask:
            factory->ResumeTask(first);
            return std::string();
        case kStopTask:
            factory->StopTask(first);
            return std::string();
        case kQuit:
            break;
    }
    return std::string();
}

std::string CBasicCommand::Execute() {
    switch (myKind) {
        case kQuit:
            Scheduler().Quit();
            return "bye bye";
        case kLoad:
            return "Error: Load() You need to give a filename as a parameter.";
        case kTaskLoad:
            return "Error: TaskLoad() You need to give a task library name as a parameter.";
        case kStartTask:
            return "Error: StartTask( tasktype, taskname, priority ) requires atleast one "
                   "parameter.";
        case kPauseTask:
            return "Error: PauseTask( taskname ) requires atleast one parameter.";
        case kResumeTask:
            return "Error: ResumeTask( taskname ) requires atleast one parameter.";
        case kStopTask:
            return "Error: StopTask( taskname ) requires atleast one parameter.";
    }
    return std::string();
}

std::string CBasicCommand::StartTask(CParameterList& parameters) const {
    const std::string type = parameters.GetString(0);
    parameters.PopFront();
    std::string name = type;
    if (parameters.IsType(0, CParameter::kString)) {
        name = parameters.GetString(0);
        parameters.PopFront();
    }
    int priority = kDefaultPriority;
    if (parameters.IsType(0, CParameter::kNumber)) {
        priority = ToPriority(parameters.GetNumber(0));
        parameters.PopFront();
    }
    if (TaskFactory().StartTask(type, name, priority, &parameters)) {
        return type + " started";
    }
    return "failed to start " + type;
}

void CBasicCommand::RegisterAll() {
    static const struct {
        const char* name;
        Kind kind;
    } commands[] = {{"quit", kQuit},           {"load", kLoad},
                    {"taskload", kTaskLoad},   {"starttask", kStartTask},
                    {"pausetask", kPauseTask}, {"resumetask", kResumeTask},
                    {"stoptask", kStopTask}};
    CCommandNamespaces& namespaces = CommandNamespaces();
    for (const auto& command : commands) {
        namespaces.AddCommand(kNamespace, command.name,
                              std::make_unique<CBasicCommand>(command.kind));
    }
}

}  // namespace tolm
