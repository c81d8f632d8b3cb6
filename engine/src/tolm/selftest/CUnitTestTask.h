// The "unittest" task: when started it runs the engine's registered self-checks and logs
// each result and a summary. Its Start answers false, so the task parks at once and does
// not keep the main loop alive; resuming it later runs a do-nothing Update.
#ifndef TOLM_SELFTEST_CUNITTESTTASK_H
#define TOLM_SELFTEST_CUNITTESTTASK_H

#include <cstddef>

#include "tolm/tasks/CTask.h"

namespace tolm {

class CUnitTestTask : public CTask {
public:
    using CTask::Start;
    bool Start() override;
    void Update() override {}

    std::size_t GetFailed() const { return myFailed; }

private:
    std::size_t myFailed = 0;
};

}  // namespace tolm

#endif
