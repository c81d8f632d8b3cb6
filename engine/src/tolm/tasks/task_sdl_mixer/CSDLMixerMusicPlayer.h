// Plays one music at a time through SDL_mixer and repeats it until it is stopped. The
// player owns the music data objects it creates (listed in the music registry) and deletes
// every listed one when it is destroyed; it exists only while the audio device is open.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERMUSICPLAYER_H
#define TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERMUSICPLAYER_H

#include <string>

#include "SDL_mixer.h"
#include "tolm/tasks/task_sdl_mixer/CSDLMixerData.h"

namespace tolm {

class CSDLMixerMusicPlayer {
public:
    enum State { kPaused = 0, kPlaying = 1, kStopped = 2 };

    CSDLMixerMusicPlayer() = default;
    virtual ~CSDLMixerMusicPlayer();
    CSDLMixerMusicPlayer(const CSDLMixerMusicPlayer&) = delete;
    CSDLMixerMusicPlayer& operator=(const CSDLMixerMusicPlayer&) = delete;

    // Fades in when the fade flag is on (and clears it). A file that cannot be loaded
    // changes nothing; a play that SDL_mixer refuses is reported once and leaves the
    // player stopped, so the update does not retry it on every pass.
    void Play(const std::string& file);
    void PlayFadeIn(const std::string& file, int fadeTime);
    void Stop();
    // The fade flag stays on afterwards: the next play fades in over the same time.
    void StopFadeOut(int fadeTime);
    void Pause();
    void Resume();
    // Starts the current music again when it has ended by itself.
    void Update();

    int GetState() const { return myState; }
    bool GetFade() const { return myFade; }
    int GetFadeTime() const { return myFadeTime; }
    // Null while nothing was played; owned by this player.
    CSDLMixerMusicData* GetCurrent() const { return myCurrent; }

protected:
    // The one place that asks SDL_mixer to start a loaded music (0 or more on success).
    virtual int StartMusic(Mix_Music* handle, bool fadeIn, int fadeTime);

private:
    CSDLMixerMusicData* myCurrent = nullptr;
    int myState = kStopped;
    int myFadeTime = 3000;
    bool myFade = true;
};

}  // namespace tolm

#endif
