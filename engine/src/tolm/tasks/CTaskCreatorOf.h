// The creator of a task type that has a default constructor.
#ifndef TOLM_TASKS_CTASKCREATOROF_H
#define TOLM_TASKS_CTASKCREATOROF_H

#include <memory>

#include "tolm/tasks/CTaskCreator.h"

namespace tolm {

template <class TTask>
class CTaskCreatorOf : public CTaskCreator {
public:
    std::unique_ptr<CTask> Create() const override { return std::make_unique<TTask>(); }
};

}  // namespace tolm

#endif
