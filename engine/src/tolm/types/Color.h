// The engine's colour: four 8-bit channels r, g, b, a and the fixed description of how they
// pack into one 32-bit value (r in the lowest byte, a in the highest).
#ifndef TOLM_TYPES_COLOR_H
#define TOLM_TYPES_COLOR_H

#include <cstdint>

namespace tolm::types {

struct color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    // The packing never varies, so it lives in the type and a copy cannot carry another one.
    static constexpr std::uint32_t kRmask = 0x000000FF;
    static constexpr std::uint32_t kGmask = 0x0000FF00;
    static constexpr std::uint32_t kBmask = 0x00FF0000;
    static constexpr std::uint32_t kAmask = 0xFF000000;
    static constexpr int kRshift = 0;
    static constexpr int kGshift = 8;
    static constexpr int kBshift = 16;
    static constexpr int kAshift = 24;

    color() = default;
    color(std::uint8_t r_, std::uint8_t g_, std::uint8_t b_, std::uint8_t a_ = 255)
        : r(r_), g(g_), b(b_), a(a_) {}

    bool operator==(const color& other) const {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    bool operator!=(const color& other) const { return !(*this == other); }

    std::uint32_t Pack() const {
        return (std::uint32_t{r} << kRshift) | (std::uint32_t{g} << kGshift) |
               (std::uint32_t{b} << kBshift) | (std::uint32_t{a} << kAshift);
    }
};

// The colour key of every sprite picture, font and background buffer.
inline const color kColorKeyMagenta(255, 0, 255, 255);

}  // namespace tolm::types

#endif
