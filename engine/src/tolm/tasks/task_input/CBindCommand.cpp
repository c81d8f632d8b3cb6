#include "tolm/tasks/task_input/CBindCommand.h"

#include <cmath>

#include "tolm/tasks/task_input/CKeyNames.h"
#include "tolm/tasks/task_input/CTaskKeyboard.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {

std::string Refuse(const std::string& text) {
    Logger().Warning() << text;
    return text;
}

}  // namespace

std::string CBindCommand::Execute(CParameterList& parameters) {
    if (parameters.Size() < 2 || !parameters.IsType(1, CParameter::kString)) return kUsageError;
    int key = -1;
    if (parameters.IsType(0, CParameter::kString)) {
        const std::string name = parameters.GetString(0);
        key = CKeyNames::FindKey(name);
        if (key < 0) return Refuse("[WARNING] bind: no key is named \"" + name + "\"\n");
    } else if (parameters.IsType(0, CParameter::kNumber)) {
        const double number = std::trunc(parameters.GetNumber(0));
        // Compared as a double, so that huge numbers and NaN never reach an int.
        if (!(number >= 0.0 && number < CTaskKeyboard::kKeyCount)) {
            return Refuse("[WARNING] bind: there is no key with the code " +
                          parameters.GetString(0) + "\n");
        }
        key = static_cast<int>(number);
    } else {
        return Refuse("[WARNING] bind: the key must be a key name or a key code\n");
    }
    myKeyboard.Bind(key, parameters.GetString(1));
    return std::string();
}

}  // namespace tolm
