// The application object of the process entry: it brings the scheduler and the
// process-wide console up, runs the start-up script, hands control to the main loop and
// takes the services down again in the opposite order. It owns nothing: the scheduler is
// the process-wide one, which its destructor deletes.
#ifndef TOLM_TASKS_CAPPLICATION_H
#define TOLM_TASKS_CAPPLICATION_H

#include <string>

namespace tolm {

class CTaskScheduler;

class CApplication {
public:
    // The arguments are accepted and not used.
    CApplication(int argc, char** argv);
    // Deletes the scheduler, then the console holder (and with it the logger).
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    int Run();
    // One pass, for hosts that drive the loop themselves; true while tasks remain.
    bool RunOnce();

private:
    CTaskScheduler* myScheduler = nullptr;
    std::string myScriptFile;
};

}  // namespace tolm

#endif
