#include "tolm/tasks/CParameter.h"

#include <sstream>

namespace tolm {

std::string CParameter::GetString() const {
    switch (myKind) {
        case kString:
            return myText;
        case kNumber: {
            std::ostringstream out;
            out << myNumber;
            return out.str();
        }
        case kNone:
            break;
    }
    return std::string();
}

double CParameter::GetNumber() const {
    switch (myKind) {
        case kNumber:
            return myNumber;
        case kString: {
            std::istringstream in(myText);
            double value = 0.0;
            if (!(in >> value)) return 0.0;
            return value;
        }
        case kNone:
            break;
    }
    return 0.0;
}

}  // namespace tolm
