// Fuzz entry for widget layout formulas. The first 24 bytes give a parent's rectangle and a
// later move and size of it (six 32-bit numbers); the rest, split at line breaks, gives the
// x, y, w and h formulas. They are evaluated alone (twice, since results are remembered)
// and then place a child and a grandchild, which follow their parent as it moves and
// resizes, as the console's window does.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "tolm/ui/CWidget.h"
#include "tolm/ui/WidgetLayout.h"

namespace {

using namespace tolm;

constexpr std::size_t kNumbers = 6;
constexpr std::size_t kMaxInput = 4096;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kNumbers * sizeof(std::int32_t) || size > kMaxInput) return 0;
    fuzz::CLogBudget& budget = fuzz::QuietLogger();
    budget.Start();

    std::array<std::int32_t, kNumbers> n{};
    std::memcpy(n.data(), data, sizeof(n));
    std::array<std::string, 4> formulas{"0", "0", "0", "0"};
    std::istringstream text(
        std::string(reinterpret_cast<const char*>(data) + sizeof(n), size - sizeof(n)));
    for (std::string& formula : formulas) {
        if (!std::getline(text, formula)) break;
    }

    const types::rect parentRect(n[0], n[1], n[2], n[3]);
    const types::rect self(n[1], n[0], n[3], n[2]);
    for (const std::string& formula : formulas) {
        const std::int32_t first = ui::EvaluateFormula(formula, &parentRect, &self);
        fuzz::Require(ui::EvaluateFormula(formula, &parentRect, &self) == first,
                      "a formula gave two values for the same geometry");
        ui::EvaluateFormula(formula, nullptr, nullptr);
        ui::IsPlainNumber(formula);
    }

    ui::CWidget parent(nullptr, parentRect);
    auto* child = new ui::CWidget(&parent, types::rect(), true, "child");
    child->SetLayout(formulas[0], formulas[1], formulas[2], formulas[3]);
    auto* grandchild = new ui::CWidget(child, types::rect(1, 2, 3, 4), true, "grandchild");
    grandchild->SetLayout(formulas[3], formulas[2], formulas[1], formulas[0]);
    parent.Move(n[4], n[5]);
    parent.Resize(n[5], n[4]);
    parent.MoveTo(types::point(n[2], n[3]));
    budget.Check(size);
    return 0;
}
