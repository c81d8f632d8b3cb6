// libFuzzer entry point for the media guard. Any bytes, checked as a picture (chosen by
// content, or by a ".tga" name), a window icon, a sound effect and music under several names,
// must give a verdict without crashing, the same one each time, with a reason exactly when
// refused and with dimensions within the caps when allowed. Whatever the guard allows is then
// handed to SDL_image and SDL_mixer as the engine would hand it: a crash, hang (-timeout) or
// huge allocation (-rss_limit_mb) there is a hole in the guard.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tolm/utils/media/MediaGuard.h"

namespace {

using tolm::media::CMediaVerdict;
using tolm::media::EUse;

constexpr int kDeviceRate = 22050;
bool ourAudio = false;

void Require(bool condition) {
    if (!condition) std::abort();
}

bool Same(const CMediaVerdict& a, const CMediaVerdict& b) {
    return a.allowed == b.allowed && a.reason == b.reason && a.format == b.format &&
           a.width == b.width && a.height == b.height && a.rate == b.rate &&
           a.channels == b.channels && a.bits == b.bits;
}

CMediaVerdict CheckedPicture(const uint8_t* data, size_t size, const std::string& name, EUse use) {
    const CMediaVerdict verdict = tolm::media::CheckPicture(data, size, name, use);
    Require(Same(verdict, tolm::media::CheckPicture(data, size, name, use)));
    Require(verdict.allowed == verdict.reason.empty());
    if (verdict.allowed) {
        Require(verdict.width >= 1 && verdict.width <= tolm::media::kMaxPictureSide);
        Require(verdict.height >= 1 && verdict.height <= tolm::media::kMaxPictureSide);
        Require(verdict.width * verdict.height <= tolm::media::kMaxPicturePixels);
    }
    return verdict;
}

CMediaVerdict CheckedSound(const uint8_t* data, size_t size, const std::string& name, EUse use) {
    const CMediaVerdict verdict = tolm::media::CheckSound(data, size, name, use, kDeviceRate);
    Require(Same(verdict, tolm::media::CheckSound(data, size, name, use, kDeviceRate)));
    Require(verdict.allowed == verdict.reason.empty());
    if (verdict.allowed) {
        Require(verdict.rate * tolm::media::kMaxRateRatio >= kDeviceRate);
        Require(verdict.rate <= kDeviceRate * tolm::media::kMaxRateRatio);
        Require(verdict.channels == 1 || verdict.channels == 2 || verdict.channels == 4 ||
                verdict.channels == 6);
    }
    return verdict;
}

SDL_RWops* Stream(const uint8_t* data, size_t size) {
    return SDL_RWFromConstMem(data, static_cast<int>(size));
}

void Decode(const uint8_t* data, size_t size) {
    // SDL_image picks TGA by the name's extension and everything else by content.
    if (CheckedPicture(data, size, "x.png", EUse::kPicture).allowed) {
        if (SDL_Surface* s = IMG_LoadTyped_RW(Stream(data, size), 1, const_cast<char*>("PNG")))
            SDL_FreeSurface(s);
    }
    if (CheckedPicture(data, size, "shot.tga", EUse::kPicture).allowed) {
        if (SDL_Surface* s = IMG_LoadTyped_RW(Stream(data, size), 1, const_cast<char*>("TGA")))
            SDL_FreeSurface(s);
    }
    if (CheckedPicture(data, size, "icon.bmp", EUse::kIcon).allowed) {
        if (SDL_Surface* s = SDL_LoadBMP_RW(Stream(data, size), 1)) SDL_FreeSurface(s);
    }
    if (CheckedSound(data, size, "x.wav", EUse::kEffect).allowed && ourAudio) {
        if (Mix_Chunk* chunk = Mix_LoadWAV_RW(Stream(data, size), 1)) Mix_FreeChunk(chunk);
    }
    const bool music = CheckedSound(data, size, "x.snd", EUse::kMusic).allowed;
    const bool asOgg = CheckedSound(data, size, "x.ogg", EUse::kMusic).allowed;
    const bool asWav = CheckedSound(data, size, "x.WAV", EUse::kMusic).allowed;
    Require(!asOgg || !asWav);
    Require(music == (asOgg || asWav));
    if (music && ourAudio) {
        SDL_RWops* stream = Stream(data, size);
        if (Mix_Music* song = Mix_LoadMUS_RW(stream)) Mix_FreeMusic(song);
        SDL_RWclose(stream);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ourAudio = SDL_Init(SDL_INIT_AUDIO | SDL_INIT_NOPARACHUTE) == 0 &&
               Mix_OpenAudio(kDeviceRate, AUDIO_S16LSB, 2, 1024) == 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Decode(data, size);

    // The first sixteen bytes, as four sides, are also a scale request.
    if (size >= 16) {
        int32_t sides[4];
        std::memcpy(sides, data, sizeof sides);
        const CMediaVerdict scale = tolm::media::CheckScale(sides[0], sides[1], sides[2], sides[3]);
        Require(scale.allowed == scale.reason.empty());
        if (scale.allowed) {
            Require(sides[0] >= 1 && sides[1] >= 1 && sides[2] >= 1 && sides[3] >= 1);
            Require(int64_t{sides[2]} * 1000 >= sides[0] && int64_t{sides[3]} * 1000 >= sides[1]);
            Require(sides[0] <= tolm::media::kMaxTransformSide &&
                    sides[1] <= tolm::media::kMaxTransformSide);
        }
        Require(tolm::media::CheckRotate(sides[0], sides[1]).allowed ==
                tolm::media::CheckRotate(sides[0], sides[1]).reason.empty());
    }
    return 0;
}
