// A cursor picture read from its text form (an XPM-like list of strings: a header line
// "width height colours 1", the colour lines, one row of characters per pixel row, and a
// hot-spot line "x,y") into the data and mask bit planes that SDL cursors take. "X" is
// black (data and mask bits), "." white (mask bit only), anything else transparent. A plain
// value; it keeps no pointer into the text.
#ifndef TOLM_TASKS_TASK_SDL_CCURSORIMAGE_H
#define TOLM_TASKS_TASK_SDL_CCURSORIMAGE_H

#include <cstdint>
#include <vector>

namespace tolm {

class CCursorImage {
public:
    // The largest side accepted; SDL cursors also need a width that is a multiple of 8.
    static constexpr int kMaxSide = 64;

    // Reads a picture; false (and an empty image) when the header is unusable: sizes
    // outside 1 to kMaxSide, a width that is not a multiple of 8, or more than one
    // character per pixel. Missing rows and characters read as transparent; a missing or
    // unreadable hot spot is 0,0 and one outside the picture is moved onto its edge.
    bool Read(const char* const* lines, int lineCount);

    int GetWidth() const { return myWidth; }
    int GetHeight() const { return myHeight; }
    int GetHotX() const { return myHotX; }
    int GetHotY() const { return myHotY; }
    // Rows packed most significant bit first, width / 8 bytes per row.
    const std::vector<std::uint8_t>& GetData() const { return myData; }
    const std::vector<std::uint8_t>& GetMask() const { return myMask; }
    // 'X', '.' or ' ' for the pixel, ' ' outside the picture.
    char GetPixel(int x, int y) const;

private:
    void Clear();

    int myWidth = 0;
    int myHeight = 0;
    int myHotX = 0;
    int myHotY = 0;
    std::vector<std::uint8_t> myData;
    std::vector<std::uint8_t> myMask;
};

}  // namespace tolm

#endif
