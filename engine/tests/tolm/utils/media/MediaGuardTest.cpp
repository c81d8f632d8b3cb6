// The media guard on crafted headers: every rule of every format at its boundary, the
// reproducers that hang or crash the libraries, every cut of a valid file, the same verdicts
// through the file reader, and which refusals are reported once.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/CLogCapture.h"
#include "support/TestFiles.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm::media {
namespace {

using Bytes = std::string;

void Le(Bytes& b, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) b += static_cast<char>((v >> (8 * i)) & 0xff);
}
void Be(Bytes& b, std::uint32_t v, int size) {
    for (int i = size - 1; i >= 0; --i) b += static_cast<char>((v >> (8 * i)) & 0xff);
}

Bytes PngChunk(const char* type, const Bytes& data) {
    Bytes b;
    Be(b, static_cast<std::uint32_t>(data.size()), 4);
    return b + type + data + Bytes(4, '\0');  // the guard leaves the CRC to libpng
}
Bytes Png(std::uint32_t w, std::uint32_t h, std::size_t imageBytes, int colour = 6, int depth = 8) {
    Bytes header;
    Be(header, w, 4);
    Be(header, h, 4);
    header += {static_cast<char>(depth), static_cast<char>(colour), 0, 0, 0};
    return "\x89PNG\r\n\x1a\n" + PngChunk("IHDR", header) +
           PngChunk("IDAT", Bytes(imageBytes, 'x')) + PngChunk("IEND", "");
}

// A screen of w x h with a four-colour table, a graphic control block, one image of
// iw x ih at (left, top) with the given LZW code size and data bytes, a comment, the trailer.
Bytes Gif(int w, int h, int left, int top, int iw, int ih, std::size_t data = 6, int codeSize = 2) {
    Bytes b = "GIF89a";
    Le(b, w, 2);
    Le(b, h, 2);
    b += Bytes("\x81\x00\x00", 3) + Bytes(12, '\x10');
    b += Bytes("\x21\xF9\x04\x00\x00\x00\x00\x00", 8);
    b += '\x2C';
    for (int v : {left, top, iw, ih}) Le(b, v, 2);
    b += '\0';
    b += static_cast<char>(codeSize);
    for (std::size_t left_ = data; left_ > 0; left_ -= std::min<std::size_t>(left_, 255)) {
        const std::size_t n = std::min<std::size_t>(left_, 255);
        b += static_cast<char>(n) + Bytes(n, '\x44');
    }
    return b + '\0' +
           Bytes(
               "\x21\xFE\x03"
               "abc\x00\x3B",
               8);
}

// Uncompressed unless told; the pixel bytes given follow the palette.
Bytes Bmp(std::int32_t w, std::int32_t h, int bits, std::size_t pixelBytes, int compression = 0,
          std::uint32_t colours = 0, std::uint32_t headerSize = 40) {
    const std::uint32_t palette = bits <= 8 ? (colours ? colours : 1u << bits) * 4 : 0;
    Bytes b = "BM";
    Le(b, 0, 4);
    Le(b, 0, 4);
    Le(b, 14 + headerSize + palette, 4);
    Le(b, headerSize, 4);
    Le(b, static_cast<std::uint32_t>(w), 4);
    Le(b, static_cast<std::uint32_t>(h), 4);
    Le(b, 1, 2);
    Le(b, bits, 2);
    Le(b, compression, 4);
    for (int field = 0; field < 3; ++field) Le(b, 0, 4);
    Le(b, colours, 4);
    Le(b, 0, 4);
    return b + Bytes(headerSize - 40 + palette + pixelBytes, '\0');
}

Bytes Jpeg(int w, int h, int frameCode = 0xC0, std::size_t tail = 600) {
    Bytes b("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
    b += Bytes("\xFF", 1) + static_cast<char>(frameCode) + Bytes("\x00\x0B\x08", 3);
    Be(b, h, 2);
    Be(b, w, 2);
    b += Bytes("\x01\x01\x11\x00", 4);
    return b + Bytes("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) + Bytes(tail, '\0');
}

Bytes Tga(int type, int depth, int w, int h, std::size_t pixelBytes, int mapLength = 0,
          int descriptor = 0x20) {
    Bytes b;
    b += {0, static_cast<char>(mapLength > 0), static_cast<char>(type)};
    Le(b, 0, 2);
    Le(b, mapLength, 2);
    b += static_cast<char>(mapLength > 0 ? 24 : 0);
    Le(b, 0, 4);
    Le(b, w, 2);
    Le(b, h, 2);
    b += {static_cast<char>(depth), static_cast<char>(descriptor)};
    return b + Bytes(mapLength * 3 + pixelBytes, '\0');
}

Bytes Wav(int channels, std::uint32_t rate, int bits, std::size_t data = 64, int tag = 1,
          const Bytes& before = "") {
    Bytes b = "RIFF";
    Le(b, 0, 4);
    b += "WAVE" + before + "fmt ";
    Le(b, 16, 4);
    Le(b, tag, 2);
    Le(b, channels, 2);
    Le(b, rate, 4);
    Le(b, rate * 2, 4);
    Le(b, 2, 2);
    Le(b, bits, 2);
    b += "data";
    Le(b, static_cast<std::uint32_t>(data), 4);
    return b + Bytes(data, '\0');
}

Bytes Ogg(int channels, std::uint32_t rate) {
    Bytes b("OggS\x00\x02", 6);
    b += Bytes(20, '\0');
    b += Bytes("\x01\x1E", 2);
    b += Bytes("\x01vorbis\x00\x00\x00\x00", 11);
    b += static_cast<char>(channels);
    Le(b, rate, 4);
    return b + Bytes(12, '\0') + Bytes("\xB8\x01", 2);
}

CMediaVerdict Picture(const Bytes& b, const std::string& name = "x.png",
                      EUse use = EUse::kPicture) {
    return CheckPicture(reinterpret_cast<const std::uint8_t*>(b.data()), b.size(), name, use);
}
CMediaVerdict Sound(const Bytes& b, EUse use = EUse::kEffect, int device = 0,
                    const std::string& name = "x.wav") {
    return CheckSound(reinterpret_cast<const std::uint8_t*>(b.data()), b.size(), name, use, device);
}

struct CCase {
    const char* what;
    Bytes bytes;
    bool allowed;
    std::string name = "x.png";
    EUse use = EUse::kPicture;
    int device = 0;
    std::string reason = "";  // when given, the exact reason
};

const std::vector<CCase>& Cases() {
    static const Bytes hang("\x47\x49\x46\x38\x39\x61\x14\x00\x14\x00\x00\x00\x00\x21\xf9", 15);
    static const Bytes crash(
        "\x47\x49\x46\x38\x39\x61\x8c\x01\x14\x7b\x1f\xf3\xce\x2c\xb6\xe8\xe2\x8b\x30\xc6\x28\xaa"
        "\x3b\x00",
        24);
    static const Bytes noChannels = Wav(0, 22050, 16), noRate = Wav(1, 0, 16);
    static const Bytes pngIdatCut = Png(4, 4, 40).substr(0, 8 + 25 + 20);
    const EUse icon = EUse::kIcon, fx = EUse::kEffect, music = EUse::kMusic;
    static const std::vector<CCase> cases = {
        {"empty", "", false, "x.png", EUse::kPicture, 0, "is empty"},
        {"text", "not a picture at all", false},
        {"hang reproducer", hang, false, "background.png", EUse::kPicture, 0,
         "ends at byte 15, before its trailer"},
        {"crash reproducer", crash, false, "close.gif", EUse::kPicture, 0,
         "is 396 x 31508 pixels, more than the 8192 a side and 64 M pixels allowed"},
        {"png", Png(20, 10, 30), true},
        {"png at the side cap", Png(8192, 1, 32), true},
        {"png one over the side cap", Png(8193, 1, 32), false},
        {"png 16000 x 8000", Png(16000, 8000, 373000), false},
        {"png at the full cap", Png(8192, 8192, (8192 * 4 + 1) * 8192 / 1032 + 1), true},
        {"png at the deflate bound", Png(1031, 1, 1, 0), true},
        {"png one past the deflate bound", Png(1032, 1, 1, 0), false, "x.png", EUse::kPicture, 0,
         "claims 1032 x 1 pixels, more than its 1 bytes of image data can hold"},
        {"png huge in 60 bytes", Png(8000, 8000, 60), false},
        {"png 16-bit palette", Png(4, 4, 40, 3, 16), false},
        {"png no pixels", Png(0, 4, 40), false},
        {"png no image data", Png(4, 4, 0), false},
        {"png cut in its IDAT", pngIdatCut, false},
        {"png without IEND", Png(4, 4, 40).substr(0, Png(4, 4, 40).size() - 12), false},
        {"png garbled chunk", Png(4, 4, 40).replace(37, 4, "ID@T"), false},
        {"gif", Gif(20, 20, 0, 0, 20, 20), true},
        {"gif image at the screen's edge", Gif(20, 20, 5, 10, 15, 10), true},
        {"gif image one past the edge", Gif(20, 20, 6, 10, 15, 10), false},
        {"gif image below the screen", Gif(20, 20, 0, 11, 20, 10), false},
        {"gif at the LZW bound", Gif(5461, 1, 0, 0, 5461, 1, 2), true},
        {"gif past the LZW bound", Gif(5462, 1, 0, 0, 5462, 1, 2), false},
        {"gif code size 1", Gif(20, 20, 0, 0, 20, 20, 6, 1), false},
        {"gif code size 9", Gif(20, 20, 0, 0, 20, 20, 6, 9), false},
        {"gif no image", Bytes("GIF87a\x01\x00\x01\x00\x00\x00\x00\x3B", 14), false},
        {"gif unknown block", Bytes("GIF87a\x01\x00\x01\x00\x00\x00\x00\x99\x3B", 15), false},
        {"gif at the side cap", Gif(8192, 1, 0, 0, 8192, 1), true},
        {"gif over the side cap", Gif(8193, 1, 0, 0, 8193, 1), false},
        {"gif graphic control of 5", Gif(20, 20, 0, 0, 20, 20).replace(27, 1, "\x05"), false},
        {"bmp", Bmp(4, 3, 24, 36), true},
        {"bmp one byte short", Bmp(4, 3, 24, 35), false},
        {"bmp top-down", Bmp(4, -3, 24, 36), true},
        {"bmp 256 colours", Bmp(4, 4, 8, 16, 0, 256), true},
        {"bmp 257 colours", Bmp(4, 4, 8, 16, 0, 257), false},
        {"bmp 2 bits", Bmp(4, 4, 2, 16), false},
        {"bmp top-down runs", Bmp(4, -4, 8, 16, 1), false},
        {"bmp png inside", Bmp(4, 4, 24, 64, 4), false},
        {"bmp 64-byte header", Bmp(4, 4, 24, 64, 0, 0, 64), false},
        {"bmp v5 header", Bmp(4, 3, 24, 36, 0, 0, 124), true},
        {"bmp runs at the bound", Bmp(128, 10, 8, 10, 1), true},
        {"bmp runs past the bound", Bmp(129, 10, 8, 10, 1), false},
        {"bmp no width", Bmp(0, 4, 24, 64), false},
        {"bmp as icon", Bmp(4, 3, 24, 36), true, "icon.bmp", icon},
        {"png as icon", Png(4, 4, 40), false, "icon.bmp", icon, 0, "is not a BMP picture"},
        {"jpeg", Jpeg(64, 48), true},
        {"jpeg progressive", Jpeg(64, 48, 0xC2), false},
        {"jpeg arithmetic", Jpeg(64, 48, 0xC9), false},
        {"jpeg height from a later marker", Jpeg(64, 0), false},
        {"jpeg at the size bound", Jpeg(256, 643, 0xC0, 600), true},
        {"jpeg past the size bound", Jpeg(256, 644, 0xC0, 600), false},
        {"jpeg cut in a segment", Jpeg(64, 48).substr(0, 12), false},
        {"jpeg scan first", Bytes("\xFF\xD8\xFF\xDA\x00\x02", 6), false},
        {"tga", Tga(2, 32, 4, 3, 48), true, "shot.tga"},
        {"tga named in capitals", Tga(2, 24, 4, 3, 36), true, "SHOT.TGA"},
        {"tga one byte short", Tga(2, 32, 4, 3, 47), false, "shot.tga"},
        {"tga truncated, 22 bytes", Tga(2, 32, 20000, 20000, 4), false, "shot.tga"},
        {"tga 8000 x 8000 in 22 bytes", Tga(2, 32, 8000, 8000, 4), false, "shot.tga"},
        {"tga runs", Tga(10, 24, 128, 2, 8), true, "shot.tga"},
        {"tga runs past their bound", Tga(10, 24, 129, 2, 8), false, "shot.tga"},
        {"tga colour map of 256", Tga(1, 8, 4, 4, 16, 256), true, "shot.tga"},
        {"tga colour map of 257", Tga(1, 8, 4, 4, 16, 257), false, "shot.tga"},
        {"tga grey of 16 bits", Tga(3, 16, 4, 4, 32), false, "shot.tga"},
        {"tga right to left", Tga(2, 32, 4, 3, 48, 0, 0x30), false, "shot.tga"},
        {"png named tga", Png(4, 4, 40), false, "shot.tga"},
        {"wav", Wav(1, 22050, 16), true, "x.wav", fx},
        {"wav of 0 channels", noChannels, false, "x.wav", fx, 0,
         "has 0 channels; 1, 2, 4 or 6 are played"},
        {"wav of 0 Hz", noRate, false, "x.wav", fx, 0, "plays at 0 Hz, outside 4000 to 192000 Hz"},
        {"wav of 3 channels", Wav(3, 22050, 16), false, "x.wav", fx},
        {"wav of 256 channels", Wav(256, 22050, 16), false, "x.wav", fx},
        {"wav of 6 channels", Wav(6, 22050, 16), true, "x.wav", fx},
        {"wav of 24 bits", Wav(1, 22050, 24), false, "x.wav", fx},
        {"wav ADPCM", Wav(1, 22050, 4, 64, 2), false, "x.wav", fx},
        {"wav at 4000 Hz", Wav(1, 4000, 8), true, "x.wav", fx},
        {"wav at 3999 Hz", Wav(1, 3999, 8), false, "x.wav", fx},
        {"wav at 192000 Hz", Wav(1, 192000, 8), true, "x.wav", fx},
        {"wav at 192001 Hz", Wav(1, 192001, 8), false, "x.wav", fx},
        {"wav 8 times under the device", Wav(1, 5513, 8), true, "x.wav", fx, 44100},
        {"wav further under the device", Wav(1, 5512, 8), false, "x.wav", fx, 44100},
        {"wav 8 times over the device", Wav(1, 176400, 8), true, "x.wav", fx, 22050},
        {"wav further over the device", Wav(1, 176401, 8), false, "x.wav", fx, 22050},
        {"wav samples cut", Wav(1, 22050, 16, 4000).substr(0, 144), false, "x.wav", fx, 0,
         "has its \"data\" chunk at byte 36 run past the end of the file"},
        {"wav format cut", Wav(1, 22050, 16).substr(0, 30), false, "x.wav", fx, 0,
         "has its \"fmt \" chunk at byte 12 run past the end of the file"},
        {"empty effect", "", false, "x.wav", fx, 0, "is empty"},
        {"text effect", "not a sound", false, "x.wav", fx, 0,
         "is not a sound format that is played (PCM WAV)"},
        {"text music", "not a sound", false, "x.wav", music, 0,
         "is not a sound format that is played (PCM WAV or Ogg Vorbis)"},
        {"wav no format", Bytes("RIFF\0\0\0\0WAVEdata\0\0\0\0", 20), false, "x.wav", fx},
        {"wav list before format", Wav(1, 22050, 16, 64, 1, Bytes("LIST\x02\0\0\0ab", 10)), true,
         "x.wav", fx},
        {"wav odd chunk before samples", Wav(1, 22050, 16, 64, 1, Bytes("LIST\x01\0\0\0a", 9)),
         false, "x.wav", fx},
        {"ogg effect", Ogg(2, 44100), false, "x.ogg", fx},
        {"ogg music", Ogg(2, 44100), true, "x.ogg", music},
        {"ogg of 0 channels", Ogg(0, 44100), false, "x.ogg", music},
        {"ogg of 1 Hz", Ogg(2, 1), false, "x.ogg", music},
        {"wav music named ogg", Wav(1, 22050, 16), false, "x.ogg", music, 0,
         "is named .ogg but holds WAV"},
        {"wav music named mid", Wav(1, 22050, 16), false, "song.MID", music},
        {"wav music named otherwise", Wav(1, 22050, 16), true, "song.snd", music},
        {"midi music", Bytes("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14), false, "x.mid", music},
    };
    return cases;
}

CMediaVerdict Check(const CCase& c, const Bytes& bytes) {
    return c.use == EUse::kPicture || c.use == EUse::kIcon ? Picture(bytes, c.name, c.use)
                                                           : Sound(bytes, c.use, c.device, c.name);
}

TEST(MediaGuard, CraftedHeaders) {
    for (const CCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        const CMediaVerdict verdict = Check(c, c.bytes);
        EXPECT_EQ(verdict.allowed, c.allowed) << verdict.reason;
        EXPECT_EQ(verdict.reason.empty(), c.allowed);
        if (!c.reason.empty()) {
            EXPECT_EQ(verdict.reason, c.reason);
        }
        if (verdict.allowed && (c.use == EUse::kPicture || c.use == EUse::kIcon)) {
            EXPECT_GE(verdict.width, 1);
            EXPECT_LE(verdict.width, kMaxPictureSide);
            EXPECT_LE(verdict.width * verdict.height, kMaxPicturePixels);
        }
    }
}

// Whatever block a cut falls in, the file is refused, never passed on.
TEST(MediaGuard, EveryCutOfAValidFileIsRefused) {
    for (const CCase& c : Cases()) {
        // A BMP, JPEG or TGA may end in padding the guard does not need to see.
        if (!c.allowed || c.bytes.rfind("BM", 0) == 0 || c.bytes.rfind("\xFF\xD8", 0) == 0 ||
            c.name == "shot.tga" || c.name == "SHOT.TGA" || c.bytes.size() > 4096)
            continue;
        SCOPED_TRACE(c.what);
        const std::size_t needed = c.bytes.rfind("OggS", 0) == 0 ? 58 : c.bytes.size();
        for (std::size_t size = 0; size < needed; ++size) {
            ASSERT_FALSE(Check(c, c.bytes.substr(0, size)).allowed) << size;
        }
    }
}

// The file reader sees what the byte reader sees, across its window's edges too.
TEST(MediaGuard, FilesGiveTheVerdictsOfTheirBytes) {
    test::CTempDir dir;
    std::vector<CCase> cases = Cases();
    cases.push_back({"big gif", Gif(200, 200, 0, 0, 200, 200, 9000), true});
    cases.push_back({"big gif cut", Gif(200, 200, 0, 0, 200, 200, 9000).substr(0, 5000), false});
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = dir.File(c.name);
        test::WriteFile(file, c.bytes);
        const bool picture = c.use == EUse::kPicture || c.use == EUse::kIcon;
        const CMediaVerdict fromFile =
            picture ? CheckPictureFile(file, c.use) : CheckSoundFile(file, c.use, c.device);
        const CMediaVerdict fromBytes = Check(c, c.bytes);
        EXPECT_EQ(fromFile.allowed, c.allowed);
        EXPECT_EQ(fromFile.reason, fromBytes.reason);
        EXPECT_EQ(fromFile.width, fromBytes.width);
    }
    ASSERT_EQ(::mkfifo(dir.File("pipe.png").c_str(), 0600), 0);
    const std::pair<std::string, std::string> odd[] = {
        {dir.File("missing.png"), "cannot be opened: No such file or directory"},
        {dir.Path().string(), "is a directory"},
        {dir.File("pipe.png"), "is not a regular file"},
    };
    for (const auto& [file, reason] : odd) {
        SCOPED_TRACE(file);
        EXPECT_EQ(CheckPictureFile(file).reason, reason);
        EXPECT_EQ(CheckSoundFile(file, EUse::kMusic, 0).reason, reason);
    }
}

TEST(MediaGuard, ScaleAndRotateStayInsideTheSource) {
    const struct {
        int srcW, srcH, dstW, dstH;
        bool allowed;
    } scales[] = {
        {1, 40000, 7, 5, false},  {1, 16384, 7, 17, true},   {16384, 1, 17, 1, true},
        {16385, 1, 17, 1, false}, {4, 4, 16384, 1, true},    {4, 4, 16385, 1, false},
        {4, 4, 0, 4, false},      {0, 4, 4, 4, false},       {4, 4, 4, -1, false},
        {1000, 1000, 1, 1, true}, {1001, 1000, 1, 1, false}, {1000, 1001, 1, 1, false},
        {1, 1, 8192, 8192, true}, {1, 1, 8193, 8192, false},
    };
    for (const auto& s : scales) {
        SCOPED_TRACE(std::to_string(s.srcW) + "x" + std::to_string(s.srcH) + " to " +
                     std::to_string(s.dstW) + "x" + std::to_string(s.dstH));
        const CMediaVerdict verdict = CheckScale(s.srcW, s.srcH, s.dstW, s.dstH);
        EXPECT_EQ(verdict.allowed, s.allowed);
        EXPECT_EQ(verdict.reason.empty(), s.allowed);
    }
    // Turned by 45 degrees, (w + h)^2 / 2 pixels: 64 M at w + h = 11585.
    EXPECT_TRUE(CheckRotate(8192, 3393).allowed);
    EXPECT_FALSE(CheckRotate(8192, 3394).allowed);
    EXPECT_FALSE(CheckRotate(1, 16385).allowed);
    EXPECT_FALSE(CheckRotate(0, 1).allowed);
}

// The loaders' own uses are shown in their tests; here what stays refused and what is said.
// A picture or icon is refused once and then kept refused until forgotten; a sound is checked
// and reported at each attempt, so a sound mended on disk is admitted at the next one.
TEST(MediaGuard, PicturesAreRefusedOnceAndSoundsAtEachAttempt) {
    const struct {
        EUse use;
        const char* kind;
        const char* name;
        Bytes bad, good;
        const char* reason;
        bool remembered;
    } uses[] = {
        {EUse::kPicture, "picture", "bubble.png", "not a picture at all", Bmp(4, 3, 24, 36),
         "is not a picture format that is read here (PNG, GIF, BMP, JPEG or TGA)", true},
        {EUse::kIcon, "window icon", "icon.bmp", Wav(1, 22050, 16), Bmp(4, 3, 24, 36),
         "is not a BMP picture", true},
        {EUse::kEffect, "sound effect", "bubble_hit_01.wav", Wav(0, 22050, 16), Wav(1, 22050, 16),
         "has 0 channels; 1, 2, 4 or 6 are played", false},
        {EUse::kMusic, "music", "music.wav", Wav(0, 22050, 16), Wav(1, 22050, 16),
         "has 0 channels; 1, 2, 4 or 6 are played", false},
    };
    test::CTempDir dir;
    for (const auto& u : uses) {
        SCOPED_TRACE(u.kind);
        ForgetRefusals();
        const std::string file = dir.File(u.name);
        const std::string refused = "[WARNING] Refused the " + std::string(u.kind) + " \"" + file +
                                    "\": it " + u.reason + "\n";
        const std::string failed =
            "[WARNING] Could not load the " + std::string(u.kind) + " \"" + file + "\": broken\n";
        test::CLogCapture log;
        test::WriteFile(file, u.bad);
        for (int attempt = 0; attempt < 3; ++attempt) EXPECT_FALSE(Admit(file, u.use, 22050));
        test::WriteFile(file, u.good);  // mended on disk
        EXPECT_EQ(Admit(file, u.use, 22050), !u.remembered);
        EXPECT_EQ(log.Lines(), std::vector<std::string>(u.remembered ? 1 : 3, refused));

        // A failure in the library: said and kept like a refusal.
        ForgetRefusals();
        log.Clear();
        EXPECT_TRUE(Admit(file, u.use, 22050));
        ReportFailure(file, u.use, "broken");
        ReportFailure(file, u.use, "broken");
        ReportFailure(file, u.use, "");  // the caller logged its own lines
        EXPECT_EQ(Admit(file, u.use, 22050), !u.remembered);
        EXPECT_EQ(log.Lines(), std::vector<std::string>(u.remembered ? 1 : 2, failed));
    }
    ForgetRefusals();
}

}  // namespace
}  // namespace tolm::media
