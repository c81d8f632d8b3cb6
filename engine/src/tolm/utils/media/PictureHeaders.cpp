#include "tolm/utils/media/PictureHeaders.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "tolm/utils/media/CheckSupport.h"

namespace tolm::media {
namespace {

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

}  // namespace

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

}  // namespace tolm::media
