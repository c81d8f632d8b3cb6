// The application object of the process entry: it brings the engine's services up (in the
// order CEngineServices writes down), runs the start-up script, hands control to the main
// loop and takes the services down again in the opposite order. It owns the services; the
// scheduler pointer is the process-wide one.
#ifndef TOLM_TASKS_CAPPLICATION_H
#define TOLM_TASKS_CAPPLICATION_H

#include <functional>
#include <string>

#include "tolm/tasks/CEngineServices.h"

namespace tolm {

class CTaskScheduler;

class CApplication {
public:
    // The arguments are accepted and not used. beforeScript, when given, runs once the
    // services are up and before the start-up script; when it answers false the script is
    // not run, so the loop ends at once.
    CApplication(int argc, char** argv, const std::function<bool()>& beforeScript = nullptr);
    // The services go with the application (the task factory and its tasks stay).
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    int Run();
    // One pass, for hosts that drive the loop themselves; true while tasks remain.
    bool RunOnce();

private:
    // First: made before, and gone after, everything else here.
    CEngineServices myServices;
    CTaskScheduler* myScheduler = nullptr;
    std::string myScriptFile;
};

}  // namespace tolm

#endif
