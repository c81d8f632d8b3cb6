// The picture checks: the header and block structure of a PNG, GIF, BMP, JPEG or TGA, read
// through a byte window, against the caps in MediaGuard.h and what the file's bytes can hold.
#ifndef TOLM_UTILS_MEDIA_PICTUREHEADERS_H
#define TOLM_UTILS_MEDIA_PICTUREHEADERS_H

#include <string>

#include "tolm/utils/media/CByteWindow.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm::media {

// The format is chosen as the use's reader chooses it; name matters only for TGA.
CMediaVerdict CheckPictureIn(CByteWindow& in, const std::string& name, EUse use);

}  // namespace tolm::media

#endif
