#include "tolm/tasks/task_input/CCursorCommand.h"

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/tasks/task_sdl/BuiltInCursors.h"

namespace tolm {

std::string CCursorCommand::Execute(CParameterList& parameters) {
    if (myKind != kChangeTo) return Execute();
    if (!parameters.IsType(0, CParameter::kString)) return kNotRecognized;
    // An unknown name is kind 0, which leaves the cursor as it is.
    EventManager().SetCursor(CursorKindFromName(parameters.GetString(0)));
    return std::string();
}

std::string CCursorCommand::Execute() {
    switch (myKind) {
        case kHide:
            EventManager().HideCursor();
            return std::string();
        case kShow:
            EventManager().ShowCursor();
            return std::string();
        case kChangeTo:
            return kMissingParameter;
    }
    return std::string();
}

}  // namespace tolm
