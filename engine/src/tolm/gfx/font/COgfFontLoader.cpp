#include "tolm/gfx/font/COgfFontLoader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/types/Color.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {
namespace {

constexpr int kFactorDigits = 3;
constexpr int kFullFactor = 8;
// Above this a picture could not be made anyway.
constexpr std::int64_t kMaxSide = 16384;

// cells of size pixels make a side of at most kMaxSide, checked without multiplying first:
// file values reach the full range of 64 bits.
bool FitsSide(std::int64_t cells, std::int64_t size) {
    return cells > 0 && size > 0 && cells <= kMaxSide && size <= kMaxSide / cells;
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(';', start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return fields;
}

// Leading digits, as a stream reads them; false when there are none.
bool ReadInteger(const std::string& field, std::int64_t& value) {
    std::istringstream in(field);
    long long parsed = 0;
    if (!(in >> parsed)) return false;
    value = parsed;
    return true;
}

CLogger& Refuse(const std::string& path) {
    return Logger().Error() << "[ERROR] COgfFontLoader::Load() - " << path << " ";
}

struct CHeader {
    std::int64_t cols = 0, rows = 0, cellW = 0, cellH = 0, count = 0;
    std::array<int, kFactorDigits> factors{};
};

bool ReadHeader(const std::string& path, const std::vector<std::string>& fields, CHeader& h) {
    // Magic, five numbers, the factors, at least one character field, widths and picture.
    if (fields.size() < 10) {
        Refuse(path) << "has only " << fields.size() << " fields, 10 or more are needed\n";
        return false;
    }
    std::int64_t* numbers[] = {&h.cols, &h.rows, &h.cellW, &h.cellH, &h.count};
    const char* names[] = {"columns", "rows", "cell width", "cell height", "character count"};
    for (int i = 0; i < 5; ++i) {
        if (!ReadInteger(fields[static_cast<std::size_t>(i + 1)], *numbers[i])) {
            Refuse(path) << "has no number for the " << names[i] << "\n";
            return false;
        }
    }
    if (!FitsSide(h.cols, h.cellW) || !FitsSide(h.rows, h.cellH) || h.count < 0) {
        Refuse(path) << "has a grid of " << h.cols << " x " << h.rows << " cells of " << h.cellW
                     << " x " << h.cellH << " pixels and " << h.count
                     << " characters, which cannot be drawn\n";
        return false;
    }
    const std::string& factors = fields[6];
    if (factors.size() < kFactorDigits) {
        Refuse(path) << "has the colour field \"" << factors << "\", three digits are needed\n";
        return false;
    }
    for (int i = 0; i < kFactorDigits; ++i) {
        const char digit = factors[static_cast<std::size_t>(i)];
        if (digit < '0' || digit > '9') {
            Refuse(path) << "has the colour field \"" << factors << "\", three digits are needed\n";
            return false;
        }
        h.factors[static_cast<std::size_t>(i)] = digit - '0';
    }
    return true;
}

// Channels are scaled by factor / 8; factors above 8 are cut at full intensity. The key
// colour is left alone, so that the key still hides the cells' background.
void Tint(CGfxBuffer* picture, const std::array<int, kFactorDigits>& f) {
    Logger() << "Red: " << f[0] / 8.0f << "Green: " << f[1] / 8.0f << "Blue: " << f[2] / 8.0f
             << "\n";
    // channel / 255 * factor / 8 * 255, truncated, in integers so that 8 keeps it exactly.
    auto scale = [](std::uint8_t channel, int factor) {
        return static_cast<std::uint8_t>(std::min(channel * factor / kFullFactor, 255));
    };
    for (int y = 0; y < picture->GetHeight(); ++y) {
        for (int x = 0; x < picture->GetWidth(); ++x) {
            types::color c = picture->GetPixel(x, y);
            if (c.r == 255 && c.g == 0 && c.b == 255) continue;
            c = types::color(scale(c.r, f[0]), scale(c.g, f[1]), scale(c.b, f[2]), c.a);
            picture->PutPixel(x, y, c);
        }
    }
}

}  // namespace

bool COgfFontLoader::Load(const std::string& path, CFont& font) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    if (!file || !std::getline(file, line) || line.empty()) {
        Logger().Error() << "Could not open ogf file: " << path << " for loading\n";
        return false;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> fields = SplitFields(line);
    if (fields[0] != "OGF") {
        Logger().Error() << path << " is probably not a ogf file\n";
        return false;
    }
    CHeader h;
    if (!ReadHeader(path, fields, h)) return false;

    std::size_t next = 7;
    std::string characters = fields[next++];
    while (static_cast<std::int64_t>(characters.size()) < h.count && next < fields.size()) {
        characters += ";" + fields[next++];
    }
    if (static_cast<std::int64_t>(characters.size()) != h.count) {
        Logger().Error() << path << "Error, the char count (" << h.count
                         << ") and numbers of charachters (" << characters.size()
                         << ") don't match\n";
        return false;
    }
    if (next + 2 > fields.size()) {
        Refuse(path) << "has no glyph widths or no picture after its characters\n";
        return false;
    }
    const std::string& widths = fields[next];
    const std::string& picturePath = fields[next + 1];
    // The count equals the characters' number by now, so doubling it cannot overflow.
    if (widths.size() != 2 * characters.size()) {
        Logger().Error() << path << " Error, the number of character width's ( " << widths.size()
                         << ") doesn't match the number of characters (" << h.count
                         << ") times two\n";
        return false;
    }
    if (std::any_of(widths.begin(), widths.end(), [](char c) { return c < '0' || c > '9'; })) {
        Refuse(path) << "has a glyph width that is not two decimal digits\n";
        return false;
    }

    CGfxBuffer* picture = Gfx::LoadImage(picturePath, types::kColorKeyMagenta);
    if (picture == nullptr || picture->IsEmpty()) {
        Logger().Warning() << "Could not load image" << picturePath << "\n";
        Gfx::FreeImage(picture);
        return false;
    }
    // Both products are at most kMaxSide (ReadHeader).
    const int width = static_cast<int>(h.cols * h.cellW);
    const int height = static_cast<int>(h.rows * h.cellH);
    // A grid may shrink its picture but not blow it up: a few bytes of text would
    // otherwise cost a picture of up to 16384 x 16384 pixels, and its recolouring.
    if (width > picture->GetWidth() || height > picture->GetHeight()) {
        Refuse(path) << "has a grid of " << width << " x " << height
                     << " pixels, larger than its picture " << picturePath << " of "
                     << picture->GetWidth() << " x " << picture->GetHeight() << " pixels\n";
        Gfx::FreeImage(picture);
        return false;
    }
    // The font draws from a copy of its own: a picture loaded from a file is shared with
    // every other user of the file, and tinting it would change theirs too.
    CGfxBuffer* own = picture->Scale(width, height);
    Gfx::FreeImage(picture);
    if (own == nullptr || own->IsEmpty()) {
        Refuse(path) << "could not make a " << width << " x " << height << " copy of "
                     << picturePath << "\n";
        Gfx::FreeImage(own);
        return false;
    }

    std::array<types::rect, 256> rects{};
    const int cellW = own->GetWidth() / static_cast<int>(h.cols);
    const int cellH = own->GetHeight() / static_cast<int>(h.rows);
    const types::rect bounds(0, 0, own->GetWidth(), own->GetHeight());
    std::int64_t x = 0, y = 0;
    for (std::int64_t i = 0; i < h.count; ++i) {
        const auto at = static_cast<std::size_t>(2 * i);
        const int w64 = (widths[at] - '0') * 10 + (widths[at + 1] - '0');
        const auto w = static_cast<std::int64_t>(w64 / 64.0 * cellW);
        // Glyphs past the grid or wider than their cell are cut to the picture.
        types::rect glyph;
        if (x < bounds.w && y < bounds.h) {
            glyph = types::rect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                                static_cast<int>(h.cellH))
                        .Intersection(bounds);
        }
        rects[static_cast<unsigned char>(characters[static_cast<std::size_t>(i)])] = glyph;
        x += cellW;
        if ((i + 1) % h.cols == 0) {
            x = 0;
            y += cellH;
        }
    }

    const auto& f = h.factors;
    if (f[0] != kFullFactor || f[1] != kFullFactor || f[2] != kFullFactor) Tint(own, f);

    font.SetImage(own);
    font.ClearCharRects();
    for (int c = 0; c < 256; ++c) font.SetCharRect(static_cast<char>(c), rects[c]);
    font.SetLetterSpacing(0);
    font.SetLineHeight(static_cast<int>(h.cellH));
    font.SetSpaceWidth(characters.find(' ') != std::string::npos ? font.GetCharRect(' ').w : 0);
    return true;
}

}  // namespace tolm
