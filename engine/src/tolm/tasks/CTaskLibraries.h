// The task libraries that "taskload" loads: a library is a fixed group of task types that
// only become startable once the script asks for it ("sdl": window, event, gfx;
// "sdl_mixer": audio). The types of a library declare themselves with
// CTaskLibraryRegistrar next to their task class; Load registers them with the factory.
#ifndef TOLM_TASKS_CTASKLIBRARIES_H
#define TOLM_TASKS_CTASKLIBRARIES_H

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tolm/tasks/CTaskCreator.h"

namespace tolm {

class CTaskLibraries {
public:
    using CreatorMaker = std::function<std::unique_ptr<CTaskCreator>()>;

    // Names compare case-sensitively. An unknown library registers nothing and reports
    // nothing; loading twice adds nothing new.
    static void Load(const std::string& library);
    // Adds a type to a library (static initialisation).
    static void Declare(const std::string& library, const std::string& typeName,
                        CreatorMaker makeCreator);
    // The type names a library would register, in declaration order.
    static std::vector<std::string> GetTypes(const std::string& library);

private:
    struct Entry {
        std::string typeName;
        CreatorMaker makeCreator;
    };
    static std::map<std::string, std::vector<Entry>>& Libraries();
};

}  // namespace tolm

#endif
