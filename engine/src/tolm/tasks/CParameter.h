// One typed value handed to a command: nothing, a text or a number. A parameter list owns
// its parameters.
#ifndef TOLM_TASKS_CPARAMETER_H
#define TOLM_TASKS_CPARAMETER_H

#include <string>

namespace tolm {

class CParameter {
public:
    enum Kind { kNone = 0, kString = 1, kNumber = 2 };

    CParameter() = default;
    explicit CParameter(const std::string& text) : myKind(kString), myText(text) {}
    explicit CParameter(double number) : myKind(kNumber), myNumber(number) {}

    Kind GetKind() const { return myKind; }
    // A number is written with six significant digits.
    std::string GetString() const;
    // A text gives its leading number, or 0 when it does not start with one.
    double GetNumber() const;

private:
    Kind myKind = kNone;
    std::string myText;
    double myNumber = 0.0;
};

}  // namespace tolm

#endif
