// Checks picture and sound files, and picture transforms, before SDL_image, SDL_mixer or
// SDL_gfx see them: those libraries believe what a header claims, and hang, crash or allocate
// gigabytes on a few hostile bytes. The checks read a file's header and block structure
// themselves, through a small window (never the whole of a large file), and answer whether
// the file may be handed over, or why not. The module owns no files; it keeps only the
// process-wide list of picture refusals already reported, so that each is logged once.
#ifndef TOLM_UTILS_MEDIA_MEDIAGUARD_H
#define TOLM_UTILS_MEDIA_MEDIAGUARD_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace tolm::media {

// Pictures: at most 8192 pixels a side and 64 M pixels, which keeps one decoded picture at
// 256 MB or less. Each format also bounds the pixels by what its bytes can encode.
constexpr std::int64_t kMaxPictureSide = 8192;
constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} * 1024 * 1024;
// Scaling and rotation: SDL_gfx steps through the source in 16.16 fixed point, which wraps
// for sides past 32768 and then reads outside the source; half of that leaves room.
constexpr int kMaxTransformSide = 16384;
// SDL_gfx silently raises a zoom below 1/1000 to 1/1000, giving a size nobody asked for.
constexpr int kMaxShrink = 1000;
// Sounds: plain PCM WAV of 8 or 16 bits in SDL's channel layouts (1, 2, 4, 6), at a rate
// within these bounds and within kMaxRateRatio of the audio device's. SDL 1.2 converts a rate
// by halving or doubling it step by step into a small fixed table on the stack: 0 Hz, 0
// channels, or 100 Hz against a 22050 Hz device overrun it.
constexpr int kMinSoundRate = 4000;
constexpr int kMaxSoundRate = 192000;
constexpr int kMaxRateRatio = 8;

// What a file is for; each use has its reader with its own way of choosing a format.
enum class EUse {
    kPicture,  // IMG_Load: TGA by its name, every other format by its content
    kIcon,     // SDL_LoadBMP: BMP only
    kEffect,   // Mix_LoadWAV_RW: by content; the whole sound is decoded at once
    kMusic,    // Mix_LoadMUS: by the name's extension first, then by content; streamed
};

// The outcome of a check. A refusal carries a short reason, fit for a log line.
struct CMediaVerdict {
    bool allowed = false;
    std::string reason;
    std::string format;  // "PNG", "GIF", "BMP", "JPEG", "TGA", "WAV", "Ogg Vorbis"; "" if unknown
    std::int64_t width = 0;
    std::int64_t height = 0;
    int rate = 0;
    int channels = 0;
    int bits = 0;
};

// The checks on bytes in memory. name matters only where the reader picks a format by the
// file's extension. deviceRate is the audio device's rate, 0 when unknown.
CMediaVerdict CheckPicture(const std::uint8_t* data, std::size_t size, const std::string& name,
                           EUse use = EUse::kPicture);
CMediaVerdict CheckSound(const std::uint8_t* data, std::size_t size, const std::string& name,
                         EUse use, int deviceRate);
// The same on a file, read in bounded pieces; a missing, unreadable or empty file, or a
// directory, is refused with the reason.
CMediaVerdict CheckPictureFile(const std::string& file, EUse use = EUse::kPicture);
CMediaVerdict CheckSoundFile(const std::string& file, EUse use, int deviceRate);

// Whether SDL_gfx may scale a srcW x srcH picture to dstW x dstH, or rotate it.
CMediaVerdict CheckScale(int srcW, int srcH, int dstW, int dstH);
CMediaVerdict CheckRotate(int srcW, int srcH);

// The loaders' entry: checks the file and logs a refusal with the file's name and the reason.
// True when the file may be loaded. A picture or icon refused once stays refused and is
// logged once; a sound effect or music is checked, and its refusal logged, at each attempt.
bool Admit(const std::string& file, EUse use, int deviceRate = 0);
// A file that passed the checks but that the library could not load: logged like a refusal
// (nothing when reason is empty: the caller said it). A picture or icon is then refused from
// now on, so that it is not decoded again and again; a sound is tried again at the next play.
void ReportFailure(const std::string& file, EUse use, const std::string& reason);
// Logs a refused transform once per subject (a file name or a description of the picture).
void ReportRefusedTransform(const std::string& subject, const std::string& reason);
// Forgets every refusal (tests; a game folder whose pictures were mended while running).
void ForgetRefusals();

}  // namespace tolm::media

#endif
