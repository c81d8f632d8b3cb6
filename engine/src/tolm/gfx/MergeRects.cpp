#include "tolm/gfx/MergeRects.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tolm {
namespace {

bool IsEmptyRect(const types::rect& r) {
    return r.w <= 0 || r.h <= 0;
}

// Spans [a0, a1) and [b0, b1) overlap (1), meet end to end (0) or are apart (-1).
int SpanContact(std::int64_t a0, std::int64_t a1, std::int64_t b0, std::int64_t b1) {
    if (a0 < b1 && b0 < a1) return 1;
    if (a0 == b1 || b0 == a1) return 0;
    return -1;
}

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

types::rect BoundingBox(const types::rect& a, const types::rect& b) {
    const std::int64_t left = std::min(a.x, b.x);
    const std::int64_t top = std::min(a.y, b.y);
    const std::int64_t right = std::max(a.Right(), b.Right());
    const std::int64_t bottom = std::max(a.Bottom(), b.Bottom());
    return types::rect(Clamp32(left), Clamp32(top), Clamp32(right - left), Clamp32(bottom - top));
}

}  // namespace

bool RectsTouch(const types::rect& a, const types::rect& b) {
    if (IsEmptyRect(a) || IsEmptyRect(b)) return false;
    const int across = SpanContact(a.x, a.Right(), b.x, b.Right());
    const int down = SpanContact(a.y, a.Bottom(), b.y, b.Bottom());
    // Both spans must at least meet, and one must overlap: a shared corner is no edge.
    return across >= 0 && down >= 0 && across + down >= 1;
}

std::vector<types::rect> MergeRects(const std::vector<types::rect>& rects) {
    // The kept rectangles never touch one another. Each new one swallows every kept one it
    // touches, looking again after each swallow since it has grown; every swallow removes a
    // kept rectangle for good, so the work stays quadratic.
    std::vector<types::rect> kept;
    kept.reserve(rects.size());
    for (types::rect r : rects) {
        if (IsEmptyRect(r)) continue;
        for (std::size_t i = 0; i < kept.size();) {
            if (!RectsTouch(r, kept[i])) {
                ++i;
                continue;
            }
            r = BoundingBox(r, kept[i]);
            kept[i] = kept.back();
            kept.pop_back();
            i = 0;
        }
        kept.push_back(r);
    }
    return kept;
}

}  // namespace tolm
