// Declares a task type as part of a task library from a static initialiser, next to the
// task class, e.g. in the window task's source:
//   static tolm::CTaskLibraryRegistrar<CWindowTask> ourRegistrar("sdl", "window");
// The type becomes startable when the script runs taskload("sdl"). The libraries are
// "sdl" (window, event, gfx) and "sdl_mixer" (audio).
#ifndef TOLM_TASKS_CTASKLIBRARYREGISTRAR_H
#define TOLM_TASKS_CTASKLIBRARYREGISTRAR_H

#include <memory>
#include <string>

#include "tolm/tasks/CTaskCreatorOf.h"
#include "tolm/tasks/CTaskLibraries.h"

namespace tolm {

template <class TTask>
class CTaskLibraryRegistrar {
public:
    CTaskLibraryRegistrar(const std::string& library, const std::string& typeName) {
        CTaskLibraries::Declare(library, typeName,
                                [] { return std::make_unique<CTaskCreatorOf<TTask>>(); });
    }
};

}  // namespace tolm

#endif
