// Reads a font in the engine's one-line OGF format (columns, rows, cell size, characters,
// widths in 64ths of a cell, colour factors and the glyph picture's path) into a CFont.
// A load that fails logs why, naming the file, and leaves the font as it was.
#ifndef TOLM_GFX_FONT_COGFFONTLOADER_H
#define TOLM_GFX_FONT_COGFFONTLOADER_H

#include <string>

namespace tolm {

class CFont;

class COgfFontLoader {
public:
    // True when the font was filled.
    static bool Load(const std::string& path, CFont& font);
};

}  // namespace tolm

#endif
