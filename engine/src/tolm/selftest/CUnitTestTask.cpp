#include "tolm/selftest/CUnitTestTask.h"

#include "tolm/selftest/CSelfChecks.h"
#include "tolm/tasks/CTaskRegistrar.h"

namespace tolm {

namespace {
CTaskRegistrar<CUnitTestTask> ourRegistrar("unittest");
}  // namespace

bool CUnitTestTask::Start() {
    myFailed = CSelfChecks::RunAll().failed;
    return false;
}

}  // namespace tolm
