#include "tolm/utils/calculator/CCalculator.h"

namespace tolm {

double CCalculator::Evaluate(const std::string& infix) {
    if (infix.empty()) return 0.0;
    return CPostfix<double>::Evaluate(myConverter.Convert(infix));
}

}  // namespace tolm
