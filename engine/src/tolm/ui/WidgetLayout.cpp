#include "tolm/ui/WidgetLayout.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <unordered_map>

#include "tolm/utils/StringUtils.h"
#include "tolm/utils/calculator/CCalculator.h"

namespace tolm::ui {
namespace {

constexpr std::size_t kRememberedResults = 1024;

void ReplaceAll(std::string& text, const std::string& name, std::int32_t value) {
    const std::string number = std::to_string(value);
    std::string::size_type at = text.find(name);
    while (at != std::string::npos) {
        text.replace(at, name.size(), number);
        at = text.find(name, at + number.size());
    }
}

void ReplaceGeometry(std::string& text, const std::string& prefix, const types::rect& r) {
    ReplaceAll(text, prefix + ".x", r.x);
    ReplaceAll(text, prefix + ".y", r.y);
    ReplaceAll(text, prefix + ".w", r.w);
    ReplaceAll(text, prefix + ".h", r.h);
}

}  // namespace

CCalculator& LayoutCalculator() {
    static CCalculator calculator;
    return calculator;
}

bool IsPlainNumber(const std::string& text) {
    std::string number = Trim(text);
    if (number.size() > 1 && (number[0] == '+' || number[0] == '-')) number.erase(0, 1);
    return !number.empty() && number.find_first_not_of("1234567890.") == std::string::npos;
}

std::int32_t ToPixel(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::int32_t EvaluateFormula(const std::string& formula, const types::rect* parent,
                             const types::rect* self) {
    // A plain number reads as the calculator would read its single operand.
    if (IsPlainNumber(formula)) return ToPixel(std::strtod(Trim(formula).c_str(), nullptr));
    std::string text = formula;
    if (parent) ReplaceGeometry(text, "parent", *parent);
    if (self) ReplaceGeometry(text, "this", *self);
    // With the stack cleared, a text always gives the same value; siblings laid out by the
    // same formulas against the same parent then cost one evaluation between them.
    static std::unordered_map<std::string, std::int32_t> results;
    const auto known = results.find(text);
    if (known != results.end()) return known->second;
    CCalculator& calculator = LayoutCalculator();
    calculator.ClearStack();
    const std::int32_t value = ToPixel(calculator.Evaluate(text));
    calculator.ClearStack();
    if (results.size() >= kRememberedResults) results.clear();
    results.emplace(std::move(text), value);
    return value;
}

}  // namespace tolm::ui
