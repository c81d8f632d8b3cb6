// Builds the engine's built-in 8 x 15 font (white glyphs for the byte values 33 to 254) into
// a CFont from a run-length encoded picture kept in the program as a printable string. The
// font owns the picture it receives.
#ifndef TOLM_GFX_FONT_CSYSTEMFONTLOADER_H
#define TOLM_GFX_FONT_CSYSTEMFONTLOADER_H

#include <string>
#include <vector>

namespace tolm {

class CFont;

class CSystemFontLoader {
public:
    static constexpr int kWidth = 1789;
    static constexpr int kHeight = 15;
    static constexpr int kFirstChar = 33;
    static constexpr int kLastChar = 254;
    static constexpr int kGlyphWidth = 8;
    static constexpr int kFirstGlyphX = 6;

    // Loads the built-in font into font.
    explicit CSystemFontLoader(CFont* font);

    // The run lengths a stored text stands for.
    static std::vector<int> DecodeRuns(const std::string& text);
    // The opposite: the text for a list of run lengths.
    static std::string EncodeRuns(const std::vector<int>& runs);
    // Which pixels (row by row, 1 for opaque) the runs paint over count pixels.
    static std::vector<unsigned char> PaintRuns(const std::vector<int>& runs, int count);
    // The stored text of the built-in font.
    static const std::string& GetStoredText();
};

}  // namespace tolm

#endif
