#include "tolm/tasks/CParameterList.h"

namespace tolm {

CParameterList::CParameterList(const CParameterList& other) {
    *this = other;
}

CParameterList& CParameterList::operator=(const CParameterList& other) {
    if (this == &other) return *this;
    myParameters.clear();
    for (const auto& parameter : other.myParameters) {
        switch (parameter->GetKind()) {
            case CParameter::kString:
                AddString(parameter->GetString());
                break;
            case CParameter::kNumber:
                AddNumber(parameter->GetNumber());
                break;
            default:
                AddNone();
                break;
        }
    }
    return *this;
}

CParameterList::~CParameterList() = default;

bool CParameterList::IsType(std::size_t i, CParameter::Kind kind) const {
    return i < myParameters.size() && myParameters[i]->GetKind() == kind;
}

std::string CParameterList::GetString(std::size_t i) const {
    return i < myParameters.size() ? myParameters[i]->GetString() : std::string();
}

double CParameterList::GetNumber(std::size_t i) const {
    return i < myParameters.size() ? myParameters[i]->GetNumber() : 0.0;
}

void CParameterList::PopFront() {
    if (!myParameters.empty()) myParameters.pop_front();
}

void CParameterList::AddString(const std::string& text) {
    myParameters.push_back(std::make_unique<CParameter>(text));
}

void CParameterList::AddNumber(double number) {
    myParameters.push_back(std::make_unique<CParameter>(number));
}

void CParameterList::AddNone() {
    myParameters.push_back(std::make_unique<CParameter>());
}

}  // namespace tolm
