#include "tolm/utils/media/CByteWindow.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstring>

namespace tolm::media {

bool CByteWindow::Read(std::uint64_t offset, std::uint8_t* out, std::size_t count) {
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

bool CByteWindow::Fill(std::uint64_t offset, std::size_t count) {
    myFilled = 0;
    if (myFile == nullptr || offset > static_cast<std::uint64_t>(LONG_MAX)) return false;
    if (std::fseek(myFile, static_cast<long>(offset), SEEK_SET) != 0) return false;
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kWindow, mySize - offset));
    myStart = offset;
    myFilled = std::fread(myWindow.data(), 1, wanted, myFile);
    return myFilled >= count;
}

}  // namespace tolm::media
