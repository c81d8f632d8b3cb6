#include "tolm/tasks/task_sdl/CCursorImage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tolm {

void CCursorImage::Clear() {
    myWidth = myHeight = myHotX = myHotY = 0;
    myData.clear();
    myMask.clear();
}

bool CCursorImage::Read(const char* const* lines, int lineCount) {
    Clear();
    if (lines == nullptr || lineCount < 1 || lines[0] == nullptr) return false;
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
    if (std::sscanf(lines[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel) != 4) {
        return false;
    }
    if (width < 1 || width > kMaxSide || width % 8 != 0 || height < 1 || height > kMaxSide ||
        colours < 0 || colours > lineCount || charsPerPixel != 1) {
        return false;
    }
    myWidth = width;
    myHeight = height;
    const int bytesPerRow = width / 8;
    myData.assign(static_cast<std::size_t>(bytesPerRow * height), 0);
    myMask.assign(myData.size(), 0);

    const int firstRow = 1 + colours;
    for (int y = 0; y < height && firstRow + y < lineCount; ++y) {
        const char* row = lines[firstRow + y];
        if (row == nullptr) continue;
        const int length = static_cast<int>(std::min<std::size_t>(std::strlen(row), width));
        for (int x = 0; x < length; ++x) {
            const std::size_t byte = static_cast<std::size_t>(y * bytesPerRow + x / 8);
            const std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
            if (row[x] == 'X') {
                myData[byte] |= bit;
                myMask[byte] |= bit;
            } else if (row[x] == '.') {
                myMask[byte] |= bit;
            }
        }
    }

    const int hotLine = firstRow + height;
    int hotX = 0;
    int hotY = 0;
    if (hotLine < lineCount && lines[hotLine] != nullptr &&
        std::sscanf(lines[hotLine], "%d,%d", &hotX, &hotY) == 2) {
        myHotX = hotX;
        myHotY = hotY;
    }
    myHotX = std::clamp(myHotX, 0, width - 1);
    myHotY = std::clamp(myHotY, 0, height - 1);
    return true;
}

char CCursorImage::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= myWidth || y >= myHeight) return ' ';
    const std::size_t byte = static_cast<std::size_t>(y * (myWidth / 8) + x / 8);
    const std::uint8_t bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
    if ((myMask[byte] & bit) == 0) return ' ';
    return (myData[byte] & bit) != 0 ? 'X' : '.';
}

}  // namespace tolm
