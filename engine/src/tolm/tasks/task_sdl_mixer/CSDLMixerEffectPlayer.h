// Plays sound effects on SDL_mixer's mixing channels. Effects are loaded on first use and
// cached by file name in the effect registry; the player owns them, frees the ones not
// preloaded once every channel has fallen silent, and deletes all of them when destroyed.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXEREFFECTPLAYER_H
#define TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXEREFFECTPLAYER_H

#include <string>

#include "tolm/tasks/task_sdl_mixer/CSDLMixerData.h"

namespace tolm {

class CSDLMixerEffectPlayer {
public:
    CSDLMixerEffectPlayer() = default;
    virtual ~CSDLMixerEffectPlayer();
    CSDLMixerEffectPlayer(const CSDLMixerEffectPlayer&) = delete;
    CSDLMixerEffectPlayer& operator=(const CSDLMixerEffectPlayer&) = delete;

    // On the first free channel. A file that cannot be loaded is forgotten again, so it is
    // tried (and reported) anew on every play.
    void PlayEffect(const std::string& file);
    // Loads the file now and keeps it until the player goes.
    void PreloadEffect(const std::string& file);
    void Update();
    void Pause();
    void Resume();

    bool GetPlayed() const { return myPlayed; }

private:
    // The cached data, loading it when it is new; null (and nothing cached) when it fails.
    CSDLMixerEffectData* Get(const std::string& file);

    bool myPlayed = false;
};

}  // namespace tolm

#endif
