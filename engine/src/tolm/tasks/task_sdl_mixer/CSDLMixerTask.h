// The "audio" task of the "sdl_mixer" task library: opens the audio device through SDL and
// SDL_mixer and plays music and sound effects on command ("Audio::PlayEffect(...)"). The
// task owns its players and its console; they exist only between a successful Start and
// OnStop, and every operation does nothing while they are missing.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERTASK_H
#define TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERTASK_H

#include <cstdint>
#include <memory>
#include <string>

#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/CTask.h"
#include "tolm/tasks/task_sdl_mixer/CSDLMixerEffectPlayer.h"
#include "tolm/tasks/task_sdl_mixer/CSDLMixerMusicPlayer.h"

namespace tolm {

class CSDLMixerTask : public CTask {
public:
    static constexpr int kDefaultFrequency = 22050;
    static constexpr int kDefaultChannels = 2;
    static constexpr int kDefaultChunkSize = 1024;
    static constexpr int kDefaultMixingChannels = 8;
    // Longer fades overflow SDL_mixer's volume arithmetic; longer is pointless anyway.
    static constexpr int kMaxFadeTime = 600000;

    CSDLMixerTask() = default;
    // Releases the device when the task goes without having been stopped.
    ~CSDLMixerTask() override;

    // Parameters: frequency, format name, channels, chunk size, mixing channels. A missing
    // one keeps its default; a wrong or unusable one keeps it with a warning.
    bool Start(const CParameterList& parameters) override;
    bool Start() override;
    void Update() override;
    void OnStop() override;
    void OnPause() override;
    void OnResume() override;
    bool HandleCommand(const std::string& line) override;
    bool HandleCommandCall(const std::string& command, const CParameterList& parameters) override;
    bool PausesWhenInactive() const override { return false; }

    // Fade times are clamped to 0 .. kMaxFadeTime milliseconds.
    void PlayMusic(const std::string& file);
    void PlayMusicFadeIn(const std::string& file, int fadeTime);
    void StopMusic();
    void StopMusicFadeOut(int fadeTime);
    void PlayEffect(const std::string& file);
    void PreloadEffect(const std::string& file);
    // 0 .. 128 (clamped), for effects and music alike; while muted it takes effect on Unmute.
    void SetVolume(int volume);
    void Mute();
    void Unmute();

    // Null unless the device is open.
    CSDLMixerMusicPlayer* GetMusicPlayer() const { return myMusicPlayer.get(); }
    CSDLMixerEffectPlayer* GetEffectPlayer() const { return myEffectPlayer.get(); }

private:
    void ReadParameters(const CParameterList& parameters);
    bool InitSubsystem();
    bool OpenDevice();
    void LogDeviceSpec() const;
    void ApplyVolume() const;
    // The player's kept volume and mute, once the device is open.
    void ApplyKeptSettings();
    void Release();

    std::unique_ptr<CSDLMixerMusicPlayer> myMusicPlayer;
    std::unique_ptr<CSDLMixerEffectPlayer> myEffectPlayer;
    std::unique_ptr<CConsole> myConsole;
    int myFrequency = kDefaultFrequency;
    std::uint16_t myFormat = AUDIO_S16LSB;
    int myChannels = kDefaultChannels;
    int myChunkSize = kDefaultChunkSize;
    int myMixingChannels = kDefaultMixingChannels;
    int myVolume = MIX_MAX_VOLUME;
    bool myMuted = false;
    // The players of one task share the process-wide registries and SDL_mixer's single
    // device, so a second audio task would free the first one's sounds under it: only one
    // task holds the device at a time.
    static inline CSDLMixerTask* ourDeviceOwner = nullptr;
    // What this task opened, so that stopping undoes exactly that and no more.
    bool mySubsystemOpen = false;
    bool myDeviceOpen = false;
};

}  // namespace tolm

#endif
