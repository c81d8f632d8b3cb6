#include "tolm/tasks/task_sdl_mixer/SDLMixerFormats.h"

#include <cctype>

#include "SDL.h"
#include "SDL_mixer.h"

namespace tolm {

namespace {

struct FormatName {
    const char* name;
    std::uint16_t code;
};

constexpr FormatName kFormats[] = {
    {"U8", AUDIO_U8},         {"S8", AUDIO_S8},         {"U16LSB", AUDIO_U16LSB},
    {"S16LSB", AUDIO_S16LSB}, {"U16MSB", AUDIO_U16MSB}, {"S16MSB", AUDIO_S16MSB},
};

bool SameIgnoringCase(const std::string& text, const char* name) {
    std::string::size_type i = 0;
    for (; name[i] != '\0'; ++i) {
        if (i >= text.size()) return false;
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(name[i]);
        if (std::toupper(a) != std::toupper(b)) return false;
    }
    return i == text.size();
}

const FormatName* FindByName(const std::string& name) {
    for (const FormatName& format : kFormats)
        if (SameIgnoringCase(name, format.name)) return &format;
    return nullptr;
}

}  // namespace

std::string AudioFormatToName(std::uint16_t format) {
    for (const FormatName& entry : kFormats)
        if (entry.code == format) return entry.name;
    return std::string();
}

std::uint16_t AudioNameToFormat(const std::string& name) {
    const FormatName* found = FindByName(name);
    return found != nullptr ? found->code : static_cast<std::uint16_t>(AUDIO_S16LSB);
}

bool IsAudioFormatName(const std::string& name) {
    return FindByName(name) != nullptr;
}

int AudioDeviceRate() {
    int rate = 0, channels = 0;
    Uint16 format = 0;
    return Mix_QuerySpec(&rate, &format, &channels) != 0 ? rate : 0;
}

}  // namespace tolm
