#include "tolm/tasks/task_sdl_mixer/CSDLMixerCommand.h"

#include <cmath>
#include <limits>

#include "tolm/tasks/CConsole.h"
#include "tolm/tasks/task_sdl_mixer/CSDLMixerTask.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {

constexpr int kDefaultFadeIn = 1000;

struct CommandName {
    CSDLMixerCommand::Kind kind;
    const char* name;
};

constexpr CommandName kCommands[] = {
    {CSDLMixerCommand::kPlayEffect, "PlayEffect"},
    {CSDLMixerCommand::kPreloadEffect, "PreloadEffect"},
    {CSDLMixerCommand::kPlayMusic, "PlayMusic"},
    {CSDLMixerCommand::kPlayMusicFadeIn, "PlayMusicFadeIn"},
    {CSDLMixerCommand::kStopMusic, "StopMusic"},
    {CSDLMixerCommand::kStopMusicFadeOut, "StopMusicFadeOut"},
    {CSDLMixerCommand::kSetVolume, "SetVolume"},
    {CSDLMixerCommand::kMute, "Mute"},
    {CSDLMixerCommand::kUnmute, "Unmute"},
};

void Warn(const std::string& text) {
    Logger().Warning() << text << "\n";
}

}  // namespace

void CSDLMixerCommand::AddAll(CConsole& console, CSDLMixerTask& task) {
    for (const CommandName& command : kCommands)
        console.AddOwnedCommand(command.name,
                                std::make_unique<CSDLMixerCommand>(command.kind, task));
}

int CSDLMixerCommand::ToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

std::string CSDLMixerCommand::Name() const {
    for (const CommandName& command : kCommands)
        if (command.kind == myKind) return command.name;
    return std::string();
}

bool CSDLMixerCommand::NeedsFile(const CParameterList& parameters) const {
    if (parameters.IsType(0, CParameter::kString)) return true;
    Warn(Name() + " -command the 1st parameter is of wrong type, should be string");
    return false;
}

std::string CSDLMixerCommand::Execute(CParameterList& parameters) {
    if (parameters.Empty()) return Execute();
    switch (myKind) {
        case kPlayEffect:
            if (NeedsFile(parameters)) myTask.PlayEffect(parameters.GetString(0));
            break;
        case kPreloadEffect:
            if (NeedsFile(parameters)) myTask.PreloadEffect(parameters.GetString(0));
            break;
        case kPlayMusic:
            if (NeedsFile(parameters)) myTask.PlayMusic(parameters.GetString(0));
            break;
        case kPlayMusicFadeIn: {
            if (!NeedsFile(parameters)) break;
            int fadeTime = kDefaultFadeIn;
            if (parameters.IsType(1, CParameter::kNumber)) {
                fadeTime = ToInt(parameters.GetNumber(1));
            } else {
                Warn(
                    "PlayMusicFadeIn -command the 2nd parameter is of wrong type, should be a "
                    "number");
            }
            myTask.PlayMusicFadeIn(parameters.GetString(0), fadeTime);
            break;
        }
        case kStopMusicFadeOut:
        case kSetVolume:
            if (!parameters.IsType(0, CParameter::kNumber)) {
                Warn(Name() + " -command the 1st parameter is of wrong type, should be number");
            } else if (myKind == kStopMusicFadeOut) {
                myTask.StopMusicFadeOut(ToInt(parameters.GetNumber(0)));
            } else {
                const int volume = ToInt(parameters.GetNumber(0));
                if (volume < 0 || volume > MIX_MAX_VOLUME)
                    Warn("SetVolume -command the volume should be between 0 and 128");
                myTask.SetVolume(volume);
            }
            break;
        case kStopMusic:
        case kMute:
        case kUnmute:
            Warn(Name() + " -command, no parameters needed");
            return Execute();
    }
    return std::string();
}

std::string CSDLMixerCommand::Execute() {
    switch (myKind) {
        case kStopMusic:
            myTask.StopMusic();
            break;
        case kMute:
            myTask.Mute();
            break;
        case kUnmute:
            myTask.Unmute();
            break;
        default:
            Warn(Name() + " -command requires atleast one parameter");
            break;
    }
    return std::string();
}

}  // namespace tolm
