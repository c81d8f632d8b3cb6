// The bytes a check reads: a buffer in memory, or a file read through a small window at
// whatever offset the check asks for, so that walking the blocks of a large file holds only
// the window. It borrows the buffer or the open file; the caller owns and closes them.
#ifndef TOLM_UTILS_MEDIA_CBYTEWINDOW_H
#define TOLM_UTILS_MEDIA_CBYTEWINDOW_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace tolm::media {

class CByteWindow {
public:
    static constexpr std::size_t kWindow = 1024;

    CByteWindow(const std::uint8_t* data, std::size_t size) : myData(data), mySize(size) {}
    CByteWindow(std::FILE* file, std::uint64_t size) : myFile(file), mySize(size) {}

    std::uint64_t Size() const { return mySize; }

    // Copies count bytes (at most kWindow) from offset; false when the file ends first.
    bool Read(std::uint64_t offset, std::uint8_t* out, std::size_t count);

    bool Byte(std::uint64_t offset, std::uint8_t& out) { return Read(offset, &out, 1); }

private:
    bool Fill(std::uint64_t offset, std::size_t count);

    const std::uint8_t* myData = nullptr;
    std::FILE* myFile = nullptr;
    std::uint64_t mySize = 0;
    std::array<std::uint8_t, kWindow> myWindow{};
    std::uint64_t myStart = 0;
    std::size_t myFilled = 0;
};

}  // namespace tolm::media

#endif
