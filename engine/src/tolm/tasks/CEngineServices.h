// The engine's process-wide services brought up and taken down in one written order: the
// constructor creates them (listed in tolm/Services.h) and makes the connections between them;
// the destructor undoes both in the reverse order. The application owns one for the whole
// run; a test, benchmark or tool that needs the services without an application owns one too.
#ifndef TOLM_TASKS_CENGINESERVICES_H
#define TOLM_TASKS_CENGINESERVICES_H

namespace tolm {

class CEngineServices {
public:
    // A service that exists already (made on first use before) is kept and joins the order.
    CEngineServices();
    // The task factory stays, with its tasks, until process exit: a task's destructor would
    // free pictures after the graphics task that made them is gone. Whoever wants the tasks
    // gone deletes them first (TaskFactory().DeleteAllTasks()).
    ~CEngineServices();
    CEngineServices(const CEngineServices&) = delete;
    CEngineServices& operator=(const CEngineServices&) = delete;
};

}  // namespace tolm

#endif
