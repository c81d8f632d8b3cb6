// The built-in font's glyph strip, run-length encoded as printable text (see
// CSystemFontLoader for the decoding and engine/tools/systemfont for the encoder).
#ifndef TOLM_GFX_FONT_SYSTEMFONTDATA_H
#define TOLM_GFX_FONT_SYSTEMFONTDATA_H

namespace tolm {

extern const char* const kSystemFontText;

}  // namespace tolm

#endif
