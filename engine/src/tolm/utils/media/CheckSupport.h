// What the picture and sound checks share: reading numbers in either byte order, matching a
// format's magic bytes, and building verdicts and the texts of their reasons.
#ifndef TOLM_UTILS_MEDIA_CHECKSUPPORT_H
#define TOLM_UTILS_MEDIA_CHECKSUPPORT_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "tolm/utils/media/MediaGuard.h"

namespace tolm::media {

inline std::uint32_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0] | (p[1] << 8));
}
inline std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint32_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>((p[0] << 8) | p[1]);
}
inline std::uint32_t Be32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

inline bool Starts(const std::uint8_t* bytes, std::size_t have, const char* magic) {
    const std::size_t length = std::strlen(magic);
    return have >= length && std::memcmp(bytes, magic, length) == 0;
}

template <class T>
std::string Str(T value) {
    return std::to_string(value);
}

// A byte as "0x3B".
std::string Hex(unsigned value);
// "w x h".
std::string Dimensions(std::int64_t w, std::int64_t h);

// The verdict with its answer set; a refusal carries its reason.
CMediaVerdict Refuse(CMediaVerdict verdict, const std::string& reason);
CMediaVerdict Allow(CMediaVerdict verdict);

// A name's extension in lower case, "" when it has none.
std::string LowerExtension(const std::string& name);

}  // namespace tolm::media

#endif
