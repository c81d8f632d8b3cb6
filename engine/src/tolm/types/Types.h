// Plain value types shared by the whole engine.
#ifndef TOLM_TYPES_TYPES_H
#define TOLM_TYPES_TYPES_H

#include <cstdint>

namespace tolm::types {

// Milliseconds. Unsigned, so differences wrap instead of going negative.
using ticks = std::uint32_t;

struct point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    point() = default;
    point(std::int32_t x_, std::int32_t y_) : x(x_), y(y_) {}
    bool operator==(const point& other) const { return x == other.x && y == other.y; }
    bool operator!=(const point& other) const { return !(*this == other); }
};

}  // namespace tolm::types

#endif
