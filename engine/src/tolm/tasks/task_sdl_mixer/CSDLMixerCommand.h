// The commands of the audio task's console: PlayEffect, PreloadEffect, PlayMusic,
// PlayMusicFadeIn, StopMusic, StopMusicFadeOut, SetVolume, Mute and Unmute. Each checks its
// parameters, logs a warning for a wrong one and calls the task. The task's console owns
// them; the task outlives its console, so the back pointer stays valid.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERCOMMAND_H
#define TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERCOMMAND_H

#include <memory>
#include <string>

#include "tolm/tasks/CCommand.h"

namespace tolm {

class CConsole;
class CSDLMixerTask;

class CSDLMixerCommand : public CCommand {
public:
    enum Kind {
        kPlayEffect,
        kPreloadEffect,
        kPlayMusic,
        kPlayMusicFadeIn,
        kStopMusic,
        kStopMusicFadeOut,
        kSetVolume,
        kMute,
        kUnmute
    };

    CSDLMixerCommand(Kind kind, CSDLMixerTask& task) : myKind(kind), myTask(task) {}

    // Every command answers the empty text.
    std::string Execute(CParameterList& parameters) override;
    std::string Execute() override;

    // Adds every command to the console under its name.
    static void AddAll(CConsole& console, CSDLMixerTask& task);

    // Script numbers may be anything; out-of-range values saturate, NaN reads as 0.
    static int ToInt(double value);

private:
    std::string Name() const;
    bool NeedsFile(const CParameterList& parameters) const;

    Kind myKind;
    CSDLMixerTask& myTask;
};

}  // namespace tolm

#endif
