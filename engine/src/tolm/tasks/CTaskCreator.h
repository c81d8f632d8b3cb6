// Makes new tasks of one type for the task factory; the caller owns each new task.
#ifndef TOLM_TASKS_CTASKCREATOR_H
#define TOLM_TASKS_CTASKCREATOR_H

#include <memory>

#include "tolm/tasks/CTask.h"

namespace tolm {

class CTaskCreator {
public:
    virtual ~CTaskCreator() = default;
    virtual std::unique_ptr<CTask> Create() const = 0;
};

}  // namespace tolm

#endif
