#include "tolm/utils/files/StoredPNG.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tolm {
namespace {

// The longest stored deflate block.
constexpr std::size_t kMaxBlock = 65535;

const std::array<std::uint32_t, 256>& CrcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

std::uint32_t Crc(const std::uint8_t* data, std::size_t size) {
    std::uint32_t c = 0xffffffffu;
    for (std::size_t i = 0; i < size; ++i) c = CrcTable()[(c ^ data[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, Crc(out.data() + typeAt, out.size() - typeAt));
}

// The zlib stream of the filtered rows (filter byte 0 before each row).
std::vector<std::uint8_t> StoredStream(const std::vector<std::uint8_t>& rgb, std::size_t rowBytes,
                                       std::size_t rows) {
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * rows);
    for (std::size_t row = 0; row < rows; ++row) {
        raw.push_back(0);
        const auto begin = rgb.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        raw.insert(raw.end(), begin, begin + static_cast<std::ptrdiff_t>(rowBytes));
    }
    std::vector<std::uint8_t> z{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t size = std::min(kMaxBlock, raw.size() - at);
        const bool last = at + size == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(size));
        z.push_back(static_cast<std::uint8_t>(size >> 8));
        z.push_back(static_cast<std::uint8_t>(~size));
        z.push_back(static_cast<std::uint8_t>(~size >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                 raw.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig32(z, (b << 16) | a);
    return z;
}

}  // namespace

std::vector<std::uint8_t> EncodeStoredPNG(const std::vector<std::uint8_t>& rgb, int width,
                                          int height) {
    // Kept well inside 32-bit chunk lengths and this process's memory.
    constexpr std::int64_t kMaxPixels = 1 << 26;
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels ||
        rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)
        return {};
    std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> header;
    PutBig32(header, static_cast<std::uint32_t>(width));
    PutBig32(header, static_cast<std::uint32_t>(height));
    // 8 bits per sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    PutChunk(
        out, "IDAT",
        StoredStream(rgb, static_cast<std::size_t>(width) * 3, static_cast<std::size_t>(height)));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace tolm
