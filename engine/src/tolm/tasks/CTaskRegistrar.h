// Declares a built-in task type from a static initialiser:
//   static tolm::CTaskRegistrar<CMyTask> ourRegistrar("mytype");
// It only adds an entry to the built-in table, which every task factory registers when it
// is created. The engine library is linked whole, so such registrars always run before main.
#ifndef TOLM_TASKS_CTASKREGISTRAR_H
#define TOLM_TASKS_CTASKREGISTRAR_H

#include <memory>
#include <string>

#include "tolm/tasks/CTaskCreatorOf.h"
#include "tolm/tasks/CTaskFactory.h"

namespace tolm {

template <class TTask>
class CTaskRegistrar {
public:
    explicit CTaskRegistrar(const std::string& typeName) {
        CTaskFactory::DeclareBuiltInType(typeName,
                                         [] { return std::make_unique<CTaskCreatorOf<TTask>>(); });
    }
};

}  // namespace tolm

#endif
