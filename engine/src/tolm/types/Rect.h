// The engine's rectangle: a position and a size in pixels, origin top-left, y downwards.
// A plain value; the spans it covers are half-open, [x, x + w) and [y, y + h).
#ifndef TOLM_TYPES_RECT_H
#define TOLM_TYPES_RECT_H

#include <algorithm>
#include <cstdint>

namespace tolm::types {

struct rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;

    rect() = default;
    rect(std::int32_t x_, std::int32_t y_, std::int32_t w_, std::int32_t h_)
        : x(x_), y(y_), w(w_), h(h_) {}

    bool operator==(const rect& other) const {
        return x == other.x && y == other.y && w == other.w && h == other.h;
    }
    bool operator!=(const rect& other) const { return !(*this == other); }

    bool IsEmpty() const { return w == 0 && h == 0; }

    // 64-bit edges, so that rectangles near the limits of the type compare without overflow.
    std::int64_t Right() const { return std::int64_t{x} + w; }
    std::int64_t Bottom() const { return std::int64_t{y} + h; }

    // An empty or negative span covers no pixel, so it meets nothing.
    bool Intersects(const rect& other) const {
        if (w <= 0 || h <= 0 || other.w <= 0 || other.h <= 0) return false;
        return x < other.Right() && other.x < Right() && y < other.Bottom() && other.y < Bottom();
    }

    // True when this rect lies inside the other one.
    bool IsInside(const rect& other) const {
        return x >= other.x && y >= other.y && Right() <= other.Right() &&
               Bottom() <= other.Bottom();
    }

    // The overlap of two rects; (0, 0, 0, 0) when they do not intersect.
    rect Intersection(const rect& other) const {
        if (!Intersects(other)) return rect();
        const std::int64_t left = std::max<std::int64_t>(x, other.x);
        const std::int64_t top = std::max<std::int64_t>(y, other.y);
        const std::int64_t right = std::min(Right(), other.Right());
        const std::int64_t bottom = std::min(Bottom(), other.Bottom());
        return rect(static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
                    static_cast<std::int32_t>(right - left),
                    static_cast<std::int32_t>(bottom - top));
    }
};

}  // namespace tolm::types

#endif
