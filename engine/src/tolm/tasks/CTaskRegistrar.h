// Registers a task type with the process-wide factory from a static initialiser:
//   static tolm::CTaskRegistrar<CMyTask> ourRegistrar("mytype");
// The engine library is linked whole, so such registrars always run before main.
#ifndef TOLM_TASKS_CTASKREGISTRAR_H
#define TOLM_TASKS_CTASKREGISTRAR_H

#include <memory>
#include <string>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CTaskCreatorOf.h"
#include "tolm/tasks/CTaskFactory.h"

namespace tolm {

template <class TTask>
class CTaskRegistrar {
public:
    explicit CTaskRegistrar(const std::string& typeName) {
        CSingletonPtr<CTaskFactory>::Get()->RegisterType(typeName,
                                                         std::make_unique<CTaskCreatorOf<TTask>>());
    }
};

}  // namespace tolm

#endif
