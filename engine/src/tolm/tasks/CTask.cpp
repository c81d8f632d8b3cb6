#include "tolm/tasks/CTask.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CTaskScheduler.h"

namespace tolm {

CTask::~CTask() {
    // No scheduler means shutdown has already taken it down; asking the accessor would
    // build a new one.
    if (CSingletonPtr<CTaskScheduler>::Exists()) Scheduler().ForgetTask(this);
}

bool CTask::IsLess(const CTask& other) const {
    if (myInterval == 0) return myPriority < other.GetPriority();
    return myInterval < other.GetInterval();
}

bool CTask::Start(const CParameterList& /*parameters*/) {
    return Start();
}

bool CTask::Start() {
    return true;
}

}  // namespace tolm
