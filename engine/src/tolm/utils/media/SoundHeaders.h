// The sound checks: a plain PCM WAV's chunks, or an Ogg Vorbis stream's identification
// header, read through a byte window, against the rates and channel layouts that are played.
#ifndef TOLM_UTILS_MEDIA_SOUNDHEADERS_H
#define TOLM_UTILS_MEDIA_SOUNDHEADERS_H

#include <string>

#include "tolm/utils/media/CByteWindow.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm::media {

// The format is chosen as the use's reader chooses it; deviceRate is 0 when unknown.
CMediaVerdict CheckSoundIn(CByteWindow& in, const std::string& name, EUse use, int deviceRate);

}  // namespace tolm::media

#endif
