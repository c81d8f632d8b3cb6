#include "tolm/utils/media/MediaGuard.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm::media {
namespace {

// The bytes of a buffer, or of a file read through a small window at whatever offset a
// check asks for, so that walking the blocks of a large file holds only the window.
class CByteWindow {
public:
    static constexpr std::size_t kWindow = 1024;

    CByteWindow(const std::uint8_t* data, std::size_t size) : myData(data), mySize(size) {}
    CByteWindow(std::FILE* file, std::uint64_t size) : myFile(file), mySize(size) {}

    std::uint64_t Size() const { return mySize; }

    // Copies count bytes (at most kWindow) from offset; false when the file ends first.
    bool Read(std::uint64_t offset, std::uint8_t* out, std::size_t count) {
        assert(count <= kWindow);
        if (count > mySize || offset > mySize - count) return false;
        if (myData != nullptr) {
            std::memcpy(out, myData + offset, count);
            return true;
        }
        if (offset < myStart || offset + count > myStart + myFilled) {
            if (!Fill(offset, count)) return false;
        }
        std::memcpy(out, myWindow.data() + (offset - myStart), count);
        return true;
    }

    bool Byte(std::uint64_t offset, std::uint8_t& out) { return Read(offset, &out, 1); }

private:
    bool Fill(std::uint64_t offset, std::size_t count) {
        myFilled = 0;
        if (myFile == nullptr || offset > static_cast<std::uint64_t>(LONG_MAX)) return false;
        if (std::fseek(myFile, static_cast<long>(offset), SEEK_SET) != 0) return false;
        const auto wanted =
            static_cast<std::size_t>(std::min<std::uint64_t>(kWindow, mySize - offset));
        myStart = offset;
        myFilled = std::fread(myWindow.data(), 1, wanted, myFile);
        return myFilled >= count;
    }

    const std::uint8_t* myData = nullptr;
    std::FILE* myFile = nullptr;
    std::uint64_t mySize = 0;
    std::array<std::uint8_t, kWindow> myWindow{};
    std::uint64_t myStart = 0;
    std::size_t myFilled = 0;
};

std::uint32_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0] | (p[1] << 8));
}
std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint32_t Be16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>((p[0] << 8) | p[1]);
}
std::uint32_t Be32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

bool Starts(const std::uint8_t* bytes, std::size_t have, const char* magic) {
    const std::size_t length = std::strlen(magic);
    return have >= length && std::memcmp(bytes, magic, length) == 0;
}

template <class T>
std::string Str(T value) {
    return std::to_string(value);
}

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFFu);
    return text;
}

CMediaVerdict Refuse(CMediaVerdict verdict, const std::string& reason) {
    verdict.allowed = false;
    verdict.reason = reason;
    return verdict;
}

CMediaVerdict Allow(CMediaVerdict verdict) {
    verdict.allowed = true;
    verdict.reason.clear();
    return verdict;
}

std::string LowerExtension(const std::string& name) {
    const std::size_t dot = name.find_last_of('.');
    const std::size_t slash = name.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// ---- Pictures ----

std::string Dimensions(std::int64_t w, std::int64_t h) {
    return Str(w) + " x " + Str(h);
}

// The cap every format shares. width and height are known to be positive.
bool WithinPictureCap(CMediaVerdict& verdict) {
    if (verdict.width <= kMaxPictureSide && verdict.height <= kMaxPictureSide &&
        verdict.width * verdict.height <= kMaxPicturePixels)
        return true;
    verdict = Refuse(verdict, "is " + Dimensions(verdict.width, verdict.height) +
                                  " pixels, more than the 8192 a side and 64 M pixels allowed");
    return false;
}

CMediaVerdict RefuseClaim(const CMediaVerdict& verdict, std::uint64_t bytes, const char* what) {
    return Refuse(verdict, "claims " + Dimensions(verdict.width, verdict.height) +
                               " pixels, more than its " + Str(bytes) + " bytes of " + what +
                               " can hold");
}

// Samples a pixel has, or 0 when the bit depth does not fit the colour type.
int PngChannels(int colour, int depth) {
    const bool narrow = depth == 1 || depth == 2 || depth == 4;
    const bool wide = depth == 8 || depth == 16;
    switch (colour) {
        case 0:
            return narrow || wide ? 1 : 0;
        case 2:
            return wide ? 3 : 0;
        case 3:
            return narrow || depth == 8 ? 1 : 0;
        case 4:
            return wide ? 2 : 0;
        case 6:
            return wide ? 4 : 0;
        default:
            return 0;
    }
}

// Deflate turns one byte into at most 1032: a 258-byte match coded in two bits.
constexpr std::uint64_t kDeflateExpansion = 1032;

CMediaVerdict CheckPng(CByteWindow& in, CMediaVerdict verdict) {
    verdict.format = "PNG";
    std::uint8_t head[25];
    if (!in.Read(8, head, sizeof head)) return Refuse(verdict, "ends inside its header");
    if (Be32(head) != 13 || std::memcmp(head + 4, "IHDR", 4) != 0)
        return Refuse(verdict, "does not start with its IHDR header");
    verdict.width = Be32(head + 8);
    verdict.height = Be32(head + 12);
    const int depth = head[16], colour = head[17];
    if (verdict.width == 0 || verdict.height == 0) return Refuse(verdict, "has no pixels");
    const int channels = PngChannels(colour, depth);
    if (channels == 0 || head[18] != 0 || head[19] != 0 || head[20] > 1)
        return Refuse(verdict, "has an invalid header (colour type " + Str(colour) + ", depth " +
                                   Str(depth) + ")");
    if (!WithinPictureCap(verdict)) return verdict;

    std::uint64_t offset = 8, imageBytes = 0;
    for (;;) {
        std::uint8_t chunk[8];
        if (!in.Read(offset, chunk, sizeof chunk))
            return Refuse(verdict, "ends at byte " + Str(in.Size()) + ", before its IEND chunk");
        const std::uint64_t end = offset + 12 + Be32(chunk);
        const std::string type(reinterpret_cast<const char*>(chunk + 4), 4);
        if (!std::all_of(type.begin(), type.end(),
                         [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }))
            return Refuse(verdict, "has a garbled chunk at byte " + Str(offset));
        if (end > in.Size())
            return Refuse(verdict, "has its " + type + " chunk at byte " + Str(offset) +
                                       " run past the end of the file");
        if (type == "IDAT") imageBytes += Be32(chunk);
        if (type == "IEND") break;
        offset = end;
    }
    if (imageBytes == 0) return Refuse(verdict, "has no image data");
    const std::uint64_t rowBytes =
        1 + (static_cast<std::uint64_t>(verdict.width) * static_cast<std::uint64_t>(depth) *
                 static_cast<std::uint64_t>(channels) +
             7) /
                8;
    if (rowBytes * static_cast<std::uint64_t>(verdict.height) > imageBytes * kDeflateExpansion)
        return RefuseClaim(verdict, imageBytes, "image data");
    return Allow(verdict);
}

// Walks the sub-blocks that start at offset to their terminator; counts their bytes.
bool SkipSubBlocks(CByteWindow& in, std::uint64_t& offset, std::uint64_t& bytes) {
    for (;;) {
        std::uint8_t length = 0;
        if (!in.Byte(offset, length)) return false;
        offset += 1 + length;
        bytes += length;
        if (length == 0) return true;
        if (offset > in.Size()) return false;
    }
}

// An LZW code of w bits stands for fewer than 2^w pixels, and w is at most 12, so a byte
// of image data decodes to at most 8 * 4096 / 12 pixels.
bool LzwCanHold(std::uint64_t pixels, std::uint64_t bytes) {
    return pixels * 12 <= bytes * 8 * 4096;
}

CMediaVerdict CheckGif(CByteWindow& in, CMediaVerdict verdict) {
    verdict.format = "GIF";
    std::uint8_t screen[7];
    if (!in.Read(6, screen, sizeof screen)) return Refuse(verdict, "ends inside its header");
    verdict.width = Le16(screen);
    verdict.height = Le16(screen + 2);
    if (verdict.width == 0 || verdict.height == 0) return Refuse(verdict, "has no pixels");
    if (!WithinPictureCap(verdict)) return verdict;
    std::uint64_t offset = 13;
    if (screen[4] & 0x80) offset += 3u << ((screen[4] & 7) + 1);
    const auto cut = [&verdict, &in]() {
        return Refuse(verdict, "ends at byte " + Str(in.Size()) + ", before its trailer");
    };
    int images = 0;
    for (;;) {
        std::uint8_t block = 0;
        if (!in.Byte(offset, block)) return cut();
        const std::uint64_t at = offset++;
        if (block == 0x3B) break;
        if (block == 0x21) {
            std::uint8_t label = 0, length = 0;
            if (!in.Byte(offset, label) || !in.Byte(offset + 1, length)) return cut();
            ++offset;
            if (label == 0xF9 && length != 4)
                return Refuse(verdict, "has a graphic control block of " + Str(length) +
                                           " bytes at byte " + Str(at) + ", not 4");
            std::uint64_t ignored = 0;
            if (!SkipSubBlocks(in, offset, ignored)) return cut();
        } else if (block == 0x2C) {
            std::uint8_t image[9];
            if (!in.Read(offset, image, sizeof image)) return cut();
            offset += 9;
            const std::int64_t left = Le16(image), top = Le16(image + 2);
            const std::int64_t w = Le16(image + 4), h = Le16(image + 6);
            ++images;
            if (w == 0 || h == 0 || left + w > verdict.width || top + h > verdict.height)
                return Refuse(verdict, "has an image of " + Dimensions(w, h) + " at " + Str(left) +
                                           ", " + Str(top) + " outside its " +
                                           Dimensions(verdict.width, verdict.height) + " screen");
            if (image[8] & 0x80) offset += 3u << ((image[8] & 7) + 1);
            std::uint8_t codeSize = 0;
            if (!in.Byte(offset++, codeSize)) return cut();
            if (codeSize < 2 || codeSize > 8)
                return Refuse(verdict, "has an LZW code size of " + Str(codeSize) + " at byte " +
                                           Str(offset - 1));
            std::uint64_t bytes = 0;
            if (!SkipSubBlocks(in, offset, bytes)) return cut();
            if (!LzwCanHold(static_cast<std::uint64_t>(w * h), bytes)) {
                CMediaVerdict frame = verdict;
                frame.width = w;
                frame.height = h;
                return RefuseClaim(frame, bytes, "image data");
            }
        } else {
            return Refuse(verdict, "has an unknown block " + Hex(block) + " at byte " + Str(at));
        }
    }
    if (images == 0) return Refuse(verdict, "holds no image");
    return Allow(verdict);
}

// A run of up to 255 pixels takes two bytes of a run-length coded bitmap.
constexpr std::uint64_t kBmpRunPixelsPerByte = 128;

CMediaVerdict CheckBmp(CByteWindow& in, CMediaVerdict verdict) {
    verdict.format = "BMP";
    std::uint8_t head[54] = {};
    if (!in.Read(0, head, 18)) return Refuse(verdict, "ends inside its header");
    const std::uint32_t pixelStart = Le32(head + 10);
    const std::uint32_t headerSize = Le32(head + 14);
    if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124)
        return Refuse(verdict, "has an unknown header of " + Str(headerSize) + " bytes");
    const std::size_t fields = headerSize == 12 ? 12 : 40;
    if (!in.Read(14, head + 14, fields)) return Refuse(verdict, "ends inside its header");
    std::int64_t w = 0, h = 0;
    std::uint32_t bits = 0, compression = 0, colours = 0, entrySize = 4;
    if (headerSize == 12) {
        w = Le16(head + 18);
        h = Le16(head + 20);
        bits = Le16(head + 24);
        entrySize = 3;
    } else {
        w = static_cast<std::int32_t>(Le32(head + 18));
        h = static_cast<std::int32_t>(Le32(head + 22));
        bits = Le16(head + 28);
        compression = Le32(head + 30);
        colours = Le32(head + 46);
    }
    const bool topDown = h < 0;
    verdict.width = w;
    verdict.height = topDown ? -h : h;
    if (verdict.width <= 0 || verdict.height <= 0) return Refuse(verdict, "has no pixels");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return Refuse(verdict, "has " + Str(bits) + " bits a pixel");
    const bool runs = compression == 1 || compression == 2;
    const bool known = compression == 0 || (compression == 1 && bits == 8 && !topDown) ||
                       (compression == 2 && bits == 4 && !topDown) ||
                       (compression == 3 && (bits == 16 || bits == 32));
    if (!known)
        return Refuse(verdict, "has compression " + Str(compression) + " with " + Str(bits) +
                                   " bits a pixel");
    if (!WithinPictureCap(verdict)) return verdict;

    std::uint64_t tablesEnd = 14 + std::uint64_t{headerSize};
    if (compression == 3 && headerSize == 40) tablesEnd += 12;
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        if (colours > most)
            return Refuse(verdict, "has a palette of " + Str(colours) + " colours for " +
                                       Str(bits) + " bits a pixel");
        tablesEnd += std::uint64_t{colours == 0 ? most : colours} * entrySize;
    }
    if (tablesEnd > in.Size() || pixelStart > in.Size())
        return Refuse(verdict, "ends before its pixels start");
    const std::uint64_t pixelBytes = in.Size() - pixelStart;
    const auto pixels = static_cast<std::uint64_t>(verdict.width * verdict.height);
    if (runs) {
        if (pixels > pixelBytes * kBmpRunPixelsPerByte)
            return RefuseClaim(verdict, pixelBytes, "runs");
    } else {
        const std::uint64_t stride =
            (static_cast<std::uint64_t>(verdict.width) * bits + 31) / 32 * 4;
        if (stride * static_cast<std::uint64_t>(verdict.height) > pixelBytes)
            return RefuseClaim(verdict, pixelBytes, "pixels");
    }
    return Allow(verdict);
}

// A baseline JPEG spends at least two bits (a DC and an end-of-block code) on each block of
// 8 x 8 pixels of a component.
constexpr std::uint64_t kJpegPixelsPerByte = 256;

CMediaVerdict CheckJpeg(CByteWindow& in, CMediaVerdict verdict) {
    verdict.format = "JPEG";
    std::uint64_t offset = 2;
    for (;;) {
        std::uint8_t mark = 0;
        if (!in.Byte(offset, mark)) return Refuse(verdict, "ends before its frame header");
        if (mark != 0xFF)
            return Refuse(verdict, "has no marker at byte " + Str(offset) + " where one belongs");
        std::uint8_t code = 0xFF;
        while (code == 0xFF) {
            if (!in.Byte(++offset, code)) return Refuse(verdict, "ends before its frame header");
        }
        ++offset;
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) continue;
        if (code == 0xD8 || code == 0xD9 || code == 0xDA || code == 0x00)
            return Refuse(verdict, "has the marker " + Hex(code) + " before its frame header");
        std::uint8_t segment[8];
        if (!in.Read(offset, segment, 2)) return Refuse(verdict, "ends before its frame header");
        const std::uint32_t length = Be16(segment);
        if (length < 2 || offset + length > in.Size())
            return Refuse(verdict, "has a marker segment at byte " + Str(offset) +
                                       " that runs past the end of the file");
        const bool frame =
            code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
        if (!frame) {
            offset += length;
            continue;
        }
        if (code != 0xC0 && code != 0xC1)
            return Refuse(verdict, "is a progressive, lossless or arithmetic-coded JPEG");
        if (length < 8 || !in.Read(offset, segment, 8))
            return Refuse(verdict, "has a frame header that is too short");
        verdict.height = Be16(segment + 3);
        verdict.width = Be16(segment + 5);
        if (segment[2] != 8 || segment[7] < 1 || segment[7] > 4)
            return Refuse(verdict, "has " + Str(segment[2]) + "-bit samples in " + Str(segment[7]) +
                                       " components");
        if (verdict.width == 0 || verdict.height == 0) return Refuse(verdict, "has no pixels");
        if (!WithinPictureCap(verdict)) return verdict;
        if (static_cast<std::uint64_t>(verdict.width * verdict.height) >
            in.Size() * kJpegPixelsPerByte)
            return RefuseClaim(verdict, in.Size(), "data");
        return Allow(verdict);
    }
}

// A run-length packet of a TGA takes a count byte and one pixel for up to 128 pixels.
constexpr std::uint64_t kTgaPacketPixels = 128;

CMediaVerdict CheckTga(CByteWindow& in, CMediaVerdict verdict) {
    verdict.format = "TGA";
    std::uint8_t head[18];
    if (!in.Read(0, head, sizeof head)) return Refuse(verdict, "ends inside its header");
    const int idLength = head[0], mapType = head[1], type = head[2];
    const std::uint32_t mapFirst = Le16(head + 3), mapLength = Le16(head + 5);
    const int mapBits = head[7], depth = head[16], descriptor = head[17];
    verdict.width = Le16(head + 12);
    verdict.height = Le16(head + 14);
    const int kind = type & 7;
    const bool runs = (type & 8) != 0;
    bool known = (type & ~0xB) == 0 && mapType <= 1;
    if (kind == 1) {
        known = known && mapType == 1 && depth == 8 && mapLength > 0 && mapFirst + mapLength <= 256;
    } else if (kind == 2) {
        known = known && (depth == 15 || depth == 16 || depth == 24 || depth == 32);
    } else {
        known = known && kind == 3 && depth == 8;
    }
    if (mapType == 1)
        known = known && (mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32);
    if (!known)
        return Refuse(verdict, "has type " + Str(type) + " with " + Str(depth) +
                                   " bits a pixel, which is not read");
    if (descriptor & 0x10) return Refuse(verdict, "is stored right to left");
    if (verdict.width == 0 || verdict.height == 0) return Refuse(verdict, "has no pixels");
    if (!WithinPictureCap(verdict)) return verdict;
    const std::uint64_t mapBytes =
        mapType == 1 ? std::uint64_t{mapLength} * ((mapBits + 7) / 8) : 0;
    const std::uint64_t pixelStart = 18 + static_cast<std::uint64_t>(idLength) + mapBytes;
    if (pixelStart > in.Size()) return Refuse(verdict, "ends before its pixels start");
    const std::uint64_t pixelBytes = in.Size() - pixelStart;
    const auto pixels = static_cast<std::uint64_t>(verdict.width * verdict.height);
    const std::uint64_t pixelSize = static_cast<std::uint64_t>(depth + 7) / 8;
    if (runs) {
        if (pixels > pixelBytes / (1 + pixelSize) * kTgaPacketPixels)
            return RefuseClaim(verdict, pixelBytes, "packets");
    } else if (pixels * pixelSize > pixelBytes) {
        return RefuseClaim(verdict, pixelBytes, "pixels");
    }
    return Allow(verdict);
}

CMediaVerdict CheckPictureIn(CByteWindow& in, const std::string& name, EUse use) {
    CMediaVerdict verdict;
    if (in.Size() == 0) return Refuse(verdict, "is empty");
    if (use != EUse::kIcon && LowerExtension(name) == "tga") return CheckTga(in, verdict);
    std::uint8_t magic[8] = {};
    const auto have = static_cast<std::size_t>(std::min<std::uint64_t>(in.Size(), sizeof magic));
    in.Read(0, magic, have);
    if (Starts(magic, have, "BM")) return CheckBmp(in, verdict);
    if (use == EUse::kIcon) return Refuse(verdict, "is not a BMP picture");
    if (Starts(magic, have, "\x89PNG\r\n\x1a\n")) return CheckPng(in, verdict);
    if (Starts(magic, have, "GIF87a") || Starts(magic, have, "GIF89a"))
        return CheckGif(in, verdict);
    if (Starts(magic, have, "\xFF\xD8\xFF")) return CheckJpeg(in, verdict);
    return Refuse(verdict,
                  "is not a picture format that is read here (PNG, GIF, BMP, JPEG or TGA)");
}

// ---- Sounds ----

bool RateAllowed(CMediaVerdict& verdict, int deviceRate) {
    const std::int64_t rate = verdict.rate;
    if (rate < kMinSoundRate || rate > kMaxSoundRate) {
        verdict = Refuse(verdict, "plays at " + Str(rate) + " Hz, outside 4000 to 192000 Hz");
        return false;
    }
    if (deviceRate > 0 &&
        (rate > std::int64_t{deviceRate} * kMaxRateRatio || rate * kMaxRateRatio < deviceRate)) {
        verdict =
            Refuse(verdict, "plays at " + Str(rate) + " Hz, more than 8 times off the device's " +
                                Str(deviceRate) + " Hz");
        return false;
    }
    return true;
}

bool ChannelsAllowed(CMediaVerdict& verdict) {
    const int c = verdict.channels;
    if (c == 1 || c == 2 || c == 4 || c == 6) return true;
    verdict = Refuse(verdict, "has " + Str(c) + " channels; 1, 2, 4 or 6 are played");
    return false;
}

CMediaVerdict CheckWav(CByteWindow& in, CMediaVerdict verdict, int deviceRate) {
    verdict.format = "WAV";
    bool haveFormat = false;
    std::uint64_t offset = 12;
    for (;;) {
        std::uint8_t chunk[8];
        if (!in.Read(offset, chunk, sizeof chunk))
            return Refuse(verdict,
                          haveFormat ? "ends before its samples" : "ends before its format chunk");
        const std::string id(reinterpret_cast<const char*>(chunk), 4);
        const std::uint32_t length = Le32(chunk + 4);
        const std::uint64_t end = offset + 8 + length;
        if (end > in.Size())
            return Refuse(verdict, "has its \"" + id + "\" chunk at byte " + Str(offset) +
                                       " run past the end of the file");
        if (id == "data") {
            if (!haveFormat) return Refuse(verdict, "has its samples before its format chunk");
            return Allow(verdict);
        }
        if (id == "fmt " && !haveFormat) {
            std::uint8_t format[16];
            if (length < 16 || !in.Read(offset + 8, format, sizeof format))
                return Refuse(verdict, "has a format chunk of " + Str(length) + " bytes");
            haveFormat = true;
            verdict.channels = static_cast<int>(Le16(format + 2));
            verdict.rate = static_cast<int>(std::min<std::uint32_t>(Le32(format + 4), INT_MAX));
            verdict.bits = static_cast<int>(Le16(format + 14));
            if (Le16(format) != 1)
                return Refuse(verdict, "is encoded (format " + Str(Le16(format)) +
                                           "); only plain PCM is played");
            if (!ChannelsAllowed(verdict) || !RateAllowed(verdict, deviceRate)) return verdict;
            if (verdict.bits != 8 && verdict.bits != 16)
                return Refuse(verdict,
                              "has " + Str(verdict.bits) + "-bit samples; 8 or 16 are played");
        }
        // Readers differ on the pad byte after an odd chunk; nothing odd may come first.
        if (length % 2 != 0)
            return Refuse(verdict, "has a chunk of odd length at byte " + Str(offset) +
                                       " before its samples");
        offset = end;
    }
}

CMediaVerdict CheckOgg(CByteWindow& in, CMediaVerdict verdict, int deviceRate) {
    verdict.format = "Ogg Vorbis";
    std::uint8_t page[27];
    if (!in.Read(0, page, sizeof page) || page[4] != 0)
        return Refuse(verdict, "has no valid first Ogg page");
    const std::uint64_t packet = 27 + std::uint64_t{page[26]};
    std::uint8_t firstLacing = 0;
    if (page[26] == 0 || !in.Byte(27, firstLacing) || firstLacing < 30)
        return Refuse(verdict, "has no Vorbis identification header");
    std::uint8_t id[30];
    if (!in.Read(packet, id, sizeof id) || id[0] != 1 || std::memcmp(id + 1, "vorbis", 6) != 0 ||
        Le32(id + 7) != 0)
        return Refuse(verdict, "has no Vorbis identification header");
    verdict.channels = id[11];
    verdict.rate = static_cast<int>(std::min<std::uint32_t>(Le32(id + 12), INT_MAX));
    verdict.bits = 16;
    if (!ChannelsAllowed(verdict) || !RateAllowed(verdict, deviceRate)) return verdict;
    return Allow(verdict);
}

// The formats SDL_mixer's music loader picks by a name's extension before it looks inside.
const char* FormatNamedBy(const std::string& extension) {
    static const std::map<std::string, const char*> named = {
        {"wav", "WAV"},   {"ogg", "Ogg Vorbis"}, {"mid", "MIDI"}, {"midi", "MIDI"}, {"kar", "MIDI"},
        {"flac", "FLAC"}, {"mp3", "MP3"},        {"mpg", "MP3"},  {"mpeg", "MP3"},  {"mad", "MP3"},
        {"mod", "MOD"},   {"aiff", "AIFF"},      {"voc", "VOC"}};
    const auto found = named.find(extension);
    return found == named.end() ? nullptr : found->second;
}

CMediaVerdict CheckSoundIn(CByteWindow& in, const std::string& name, EUse use, int deviceRate) {
    CMediaVerdict verdict;
    if (in.Size() == 0) return Refuse(verdict, "is empty");
    std::uint8_t magic[12] = {};
    const auto have = static_cast<std::size_t>(std::min<std::uint64_t>(in.Size(), sizeof magic));
    in.Read(0, magic, have);
    if (Starts(magic, have, "RIFF") && have == 12 && std::memcmp(magic + 8, "WAVE", 4) == 0) {
        verdict = CheckWav(in, verdict, deviceRate);
    } else if (Starts(magic, have, "OggS") && use == EUse::kMusic) {
        verdict = CheckOgg(in, verdict, deviceRate);
    } else {
        return Refuse(verdict, use == EUse::kMusic
                                   ? "is not a sound format that is played (PCM WAV or Ogg Vorbis)"
                                   : "is not a sound format that is played (PCM WAV)");
    }
    if (!verdict.allowed || use != EUse::kMusic) return verdict;
    const std::string extension = LowerExtension(name);
    const char* named = FormatNamedBy(extension);
    if (named != nullptr && verdict.format != named)
        return Refuse(verdict, "is named ." + extension + " but holds " + verdict.format);
    return verdict;
}

// ---- Files ----

template <class TCheck>
CMediaVerdict CheckFile(const std::string& file, TCheck check) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status))
        return Refuse(CMediaVerdict(), "cannot be opened: " +
                                           (error ? error.message() : std::string("no such file")));
    if (std::filesystem::is_directory(status)) return Refuse(CMediaVerdict(), "is a directory");
    if (!std::filesystem::is_regular_file(status))
        return Refuse(CMediaVerdict(), "is not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return Refuse(CMediaVerdict(), "cannot be read: " + error.message());
    std::FILE* stream = std::fopen(file.c_str(), "rb");
    if (stream == nullptr)
        return Refuse(CMediaVerdict(), std::string("cannot be opened: ") + std::strerror(errno));
    // Every read is one small piece at a chosen offset; a stream buffer would only add copies.
    std::setvbuf(stream, nullptr, _IONBF, 0);
    CByteWindow in(stream, size);
    CMediaVerdict verdict = check(in);
    std::fclose(stream);
    return verdict;
}

// ---- Reporting once ----

struct CRefusals {
    std::set<std::string> files;       // use and file name
    std::set<std::string> transforms;  // subject and reason
};

CRefusals& Refusals() {
    return *CSingletonPtr<CRefusals>::Get();
}

const char* UseName(EUse use) {
    switch (use) {
        case EUse::kPicture:
            return "picture";
        case EUse::kIcon:
            return "window icon";
        case EUse::kEffect:
            return "sound effect";
        case EUse::kMusic:
            return "music";
    }
    return "file";
}

std::string Key(const std::string& file, EUse use) {
    return std::string(UseName(use)) + '\n' + file;
}

}  // namespace

CMediaVerdict CheckPicture(const std::uint8_t* data, std::size_t size, const std::string& name,
                           EUse use) {
    CByteWindow in(data, size);
    return CheckPictureIn(in, name, use);
}

CMediaVerdict CheckSound(const std::uint8_t* data, std::size_t size, const std::string& name,
                         EUse use, int deviceRate) {
    CByteWindow in(data, size);
    return CheckSoundIn(in, name, use, deviceRate);
}

CMediaVerdict CheckPictureFile(const std::string& file, EUse use) {
    return CheckFile(file, [&](CByteWindow& in) { return CheckPictureIn(in, file, use); });
}

CMediaVerdict CheckSoundFile(const std::string& file, EUse use, int deviceRate) {
    return CheckFile(file,
                     [&](CByteWindow& in) { return CheckSoundIn(in, file, use, deviceRate); });
}

CMediaVerdict CheckScale(int srcW, int srcH, int dstW, int dstH) {
    CMediaVerdict verdict;
    verdict.width = dstW;
    verdict.height = dstH;
    const std::string from = Dimensions(srcW, srcH), to = Dimensions(dstW, dstH);
    if (srcW < 1 || srcH < 1) return Refuse(verdict, "has no pixels to scale");
    if (dstW < 1 || dstH < 1) return Refuse(verdict, "cannot be scaled to " + to);
    if (srcW > kMaxTransformSide || srcH > kMaxTransformSide || dstW > kMaxTransformSide ||
        dstH > kMaxTransformSide)
        return Refuse(verdict, "cannot be scaled from " + from + " to " + to +
                                   ": sides are at most 16384 pixels");
    if (std::int64_t{dstW} * dstH > kMaxPicturePixels)
        return Refuse(verdict, "cannot be scaled to " + to + ", more than 64 M pixels");
    if (std::int64_t{dstW} * kMaxShrink < srcW || std::int64_t{dstH} * kMaxShrink < srcH)
        return Refuse(verdict,
                      "cannot be shrunk from " + from + " to " + to + ", more than 1000 times");
    return Allow(verdict);
}

CMediaVerdict CheckRotate(int srcW, int srcH) {
    CMediaVerdict verdict;
    verdict.width = srcW;
    verdict.height = srcH;
    if (srcW < 1 || srcH < 1) return Refuse(verdict, "has no pixels to rotate");
    if (srcW > kMaxTransformSide || srcH > kMaxTransformSide)
        return Refuse(verdict, "cannot be rotated: it is " + Dimensions(srcW, srcH) +
                                   " and sides are at most 16384 pixels");
    // Turned by 45 degrees the picture needs a square of (w + h) / sqrt(2) a side.
    const std::int64_t span = std::int64_t{srcW} + srcH;
    if (span * span / 2 > kMaxPicturePixels)
        return Refuse(verdict, "cannot be rotated: turned it could need more than 64 M pixels");
    return Allow(verdict);
}

bool Admit(const std::string& file, EUse use, int deviceRate) {
    const std::string key = Key(file, use);
    CRefusals& refusals = Refusals();
    if (refusals.files.count(key) != 0) return false;
    const CMediaVerdict verdict = (use == EUse::kPicture || use == EUse::kIcon)
                                      ? CheckPictureFile(file, use)
                                      : CheckSoundFile(file, use, deviceRate);
    if (verdict.allowed) return true;
    refusals.files.insert(key);
    Logger().Warning() << "[WARNING] Refused the " << UseName(use) << " \"" << file << "\": it "
                       << verdict.reason << "\n";
    return false;
}

void ReportFailure(const std::string& file, EUse use, const std::string& reason) {
    if (!Refusals().files.insert(Key(file, use)).second || reason.empty()) return;
    Logger().Warning() << "[WARNING] Could not load the " << UseName(use) << " \"" << file
                       << "\": " << reason << "\n";
}

void ReportRefusedTransform(const std::string& subject, const std::string& reason) {
    if (!Refusals().transforms.insert(subject + '\n' + reason).second) return;
    Logger().Warning() << "[WARNING] Refused to transform " << subject << ": it " << reason << "\n";
}

void ForgetRefusals() {
    CSingletonPtr<CRefusals>::Delete();
}

}  // namespace tolm::media
