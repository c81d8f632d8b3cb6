// The arithmetic of widget placement: telling plain numbers from layout formulas, and
// evaluating a formula against a parent's and a widget's geometry through the one
// process-wide calculator. Every result is a defined integer, whatever the text.
#ifndef TOLM_UI_WIDGETLAYOUT_H
#define TOLM_UI_WIDGETLAYOUT_H

#include <cstdint>
#include <string>

#include "tolm/types/Rect.h"

namespace tolm {
class CCalculator;
}

namespace tolm::ui {

// The calculator every widget shares; created on first use, destroyed at exit.
CCalculator& LayoutCalculator();

// Trimmed, with one leading sign dropped when more follows: non-empty and only "1234567890.".
bool IsPlainNumber(const std::string& text);

// A double as a pixel value: truncated toward zero, NaN as 0, clamped to 32 bits.
std::int32_t ToPixel(double value);

// Replaces the "parent.*" names (when there is a parent) and the "this.*" names (when there
// is a widget), then evaluates. Names left over are skipped by the calculator. Values left
// on the calculator's stack by a malformed formula do not leak into the next one.
std::int32_t EvaluateFormula(const std::string& formula, const types::rect* parent,
                             const types::rect* self);

}  // namespace tolm::ui

#endif
