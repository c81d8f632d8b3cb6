// Names of SDL's audio sample formats as the audio task's start-up parameters and log lines
// write them ("U8", "S8", "U16LSB", "S16LSB", "U16MSB", "S16MSB"), and the rate the audio
// device plays at. Plain functions, no state.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_SDLMIXERFORMATS_H
#define TOLM_TASKS_TASK_SDL_MIXER_SDLMIXERFORMATS_H

#include <cstdint>
#include <string>

namespace tolm {

// The empty text for a code that is not one of the six.
std::string AudioFormatToName(std::uint16_t format);
// Case-insensitive; an unknown name gives the code of "S16LSB".
std::uint16_t AudioNameToFormat(const std::string& name);
// Case-insensitive.
bool IsAudioFormatName(const std::string& name);
// The open audio device's samples per second; 0 when no device is open.
int AudioDeviceRate();

}  // namespace tolm

#endif
