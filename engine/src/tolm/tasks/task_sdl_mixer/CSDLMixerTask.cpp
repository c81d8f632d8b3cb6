#include "tolm/tasks/task_sdl_mixer/CSDLMixerTask.h"

#include <algorithm>
#include <cmath>

#include "SDL.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CPlayerSettings.h"
#include "tolm/tasks/CTaskLibraryRegistrar.h"
#include "tolm/tasks/task_sdl_mixer/CSDLMixerCommand.h"
#include "tolm/tasks/task_sdl_mixer/SDLMixerFormats.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {

CTaskLibraryRegistrar<CSDLMixerTask> ourRegistrar("sdl_mixer", "audio");

// What the device can take. The chunk must last at least a millisecond at the highest
// frequency, or SDL_mixer's fade step length becomes 0 and it divides by it; huge
// frequencies or channel counts make SDL_mixer allocate memory out of all proportion.
struct NumberRange {
    int low;
    int high;
};
constexpr NumberRange kFrequencies{8000, 192000};
constexpr NumberRange kChannelCounts{1, 2};
constexpr NumberRange kChunkSizes{256, 32768};
constexpr NumberRange kMixingChannelCounts{1, 1024};

// Whole numbers in range only: a fraction is truncated toward zero first.
bool ReadNumber(const CParameterList& parameters, std::size_t position, NumberRange range,
                int& field) {
    if (!parameters.IsType(position, CParameter::kNumber)) return false;
    const double value = std::trunc(parameters.GetNumber(position));
    if (!(value >= range.low && value <= range.high)) return false;
    field = static_cast<int>(value);
    return true;
}

std::string DeviceText(int frequency, std::uint16_t format, int channels) {
    return std::to_string(frequency) + "Hz, format: " + AudioFormatToName(format) +
           ", channels: " + std::to_string(channels);
}

}  // namespace

CSDLMixerTask::~CSDLMixerTask() {
    Release();
}

bool CSDLMixerTask::Start(const CParameterList& parameters) {
    ReadParameters(parameters);
    return Start();
}

void CSDLMixerTask::ReadParameters(const CParameterList& parameters) {
    const auto warn = [this](const char* message) {
        Logger().Warning() << GetName() << message << "\n";
    };
    const auto present = [&parameters](std::size_t position) {
        return position < parameters.Size();
    };
    if (present(0) && !ReadNumber(parameters, 0, kFrequencies, myFrequency))
        warn(" 1st start-up parameter (frequency) is of wrong type, should be a number");
    if (present(1)) {
        if (parameters.IsType(1, CParameter::kString) &&
            IsAudioFormatName(parameters.GetString(1))) {
            myFormat = AudioNameToFormat(parameters.GetString(1));
        } else {
            warn(" 2nd start-up parameter (format) is of wrong type, should be a string");
        }
    }
    if (present(2) && !ReadNumber(parameters, 2, kChannelCounts, myChannels))
        warn(
            " 3rd start-up parameter (num_of_channels) is of wrong type, should be a number "
            "(1 = mono, 2 = stereo)");
    if (present(3) && !ReadNumber(parameters, 3, kChunkSizes, myChunkSize))
        warn(" 4th start-up parameter (chunk_size) is of wrong type, should be a number");
    if (present(4) && !ReadNumber(parameters, 4, kMixingChannelCounts, myMixingChannels))
        warn(
            " 5th start-up parameter (number_of_audio_channels) is of wrong type, should be a "
            "number");
}

bool CSDLMixerTask::Start() {
    if (myMusicPlayer) return true;
    if (ourDeviceOwner != nullptr) {
        Logger().Error() << "[ERROR] " << GetName() << ": the audio device is already in use by "
                         << ourDeviceOwner->GetName() << "\n";
        return false;
    }
    if (!InitSubsystem()) return false;

    Logger() << "Initializing mixer API\n";
    Logger().Indent();
    SDL_version compiled;
    MIX_VERSION(&compiled);
    const SDL_version* linked = Mix_Linked_Version();
    Logger() << "Compiled with SDL_mixer version: " << int(compiled.major) << "."
             << int(compiled.minor) << "." << int(compiled.patch) << "\n";
    Logger() << "Running with SDL_mixer version: " << int(linked->major) << "."
             << int(linked->minor) << "." << int(linked->patch) << "\n";

    if (!OpenDevice()) return false;
    LogDeviceSpec();

    char driver[256] = {0};
    const char* driverName = SDL_AudioDriverName(driver, sizeof driver);
    Logger() << "Using audiodriver: " << (driverName != nullptr ? driverName : "") << "\n";
    Logger() << "Number of audio channels allocated " << myMixingChannels << "\n";
    Mix_AllocateChannels(myMixingChannels);
    Logger().Unindent();
    Logger() << "Mixer API initialized succesfully\n";
    Logger() << "\n";

    myMusicPlayer = std::make_unique<CSDLMixerMusicPlayer>();
    myEffectPlayer = std::make_unique<CSDLMixerEffectPlayer>();
    myConsole = CreateConsole();
    CSDLMixerCommand::AddAll(*myConsole, *this);
    ourDeviceOwner = this;
    ApplyKeptSettings();
    return true;
}

bool CSDLMixerTask::InitSubsystem() {
    Logger() << "Initializing audio ";
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
        Logger() << "[failed]\n";
        Logger().Indent();
        Logger().Error() << "Initializing SDL_Audio didn't seem to work.\n";
        Logger().Error() << "Error description: " << SDL_GetError() << "\n";
        Logger().Unindent();
        return false;
    }
    mySubsystemOpen = true;
    Logger() << "[OK]\n";
    return true;
}

bool CSDLMixerTask::OpenDevice() {
    const std::string parameters = DeviceText(myFrequency, myFormat, myChannels) +
                                   ", chunksize: " + std::to_string(myChunkSize);
    Logger() << "Opening audio device with frequency: " << parameters << "\t";
    if (Mix_OpenAudio(myFrequency, myFormat, myChannels, myChunkSize) < 0) {
        Logger() << "[failed]\n";
        Logger().Indent();
        Logger().Error() << "Mix_OpenAudio failed with parameters frequency: " << parameters
                         << "\n";
        Logger().Error() << "Error description: " << SDL_GetError() << "\n";
        Logger().Unindent();
        Logger().Unindent();
        // Nothing else uses the subsystem this task brought up.
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        mySubsystemOpen = false;
        return false;
    }
    myDeviceOpen = true;
    Logger() << "[OK]\n";
    return true;
}

void CSDLMixerTask::LogDeviceSpec() const {
    int frequency = 0;
    std::uint16_t format = 0;
    int channels = 0;
    const int opened = Mix_QuerySpec(&frequency, &format, &channels);
    if (opened == 0) {
        Logger().Warning() << "Error in executing Mix_QuerySpec: " << SDL_GetError() << "\n";
        return;
    }
    Logger() << "Audio device opened " << opened
             << " times  with parameters frequency: " << DeviceText(frequency, format, channels)
             << "\n";
}

void CSDLMixerTask::Update() {
    if (myMusicPlayer) myMusicPlayer->Update();
    if (myEffectPlayer) myEffectPlayer->Update();
}

void CSDLMixerTask::OnStop() {
    Release();
}

void CSDLMixerTask::Release() {
    myConsole.reset();
    myMusicPlayer.reset();
    myEffectPlayer.reset();
    if (myDeviceOpen) Mix_CloseAudio();
    if (mySubsystemOpen) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    myDeviceOpen = false;
    mySubsystemOpen = false;
    if (ourDeviceOwner == this) ourDeviceOwner = nullptr;
}

void CSDLMixerTask::OnPause() {
    if (myMusicPlayer) myMusicPlayer->Pause();
    if (myEffectPlayer) myEffectPlayer->Pause();
}

void CSDLMixerTask::OnResume() {
    if (myMusicPlayer) myMusicPlayer->Resume();
    if (myEffectPlayer) myEffectPlayer->Resume();
}

bool CSDLMixerTask::HandleCommand(const std::string& line) {
    if (myConsole) myConsole->Execute(line);
    return true;
}

bool CSDLMixerTask::HandleCommandCall(const std::string& command,
                                      const CParameterList& parameters) {
    if (myConsole) myConsole->ExecuteCommand(command, parameters);
    return true;
}

void CSDLMixerTask::PlayMusic(const std::string& file) {
    if (myMusicPlayer) myMusicPlayer->Play(file);
}

void CSDLMixerTask::PlayMusicFadeIn(const std::string& file, int fadeTime) {
    if (myMusicPlayer) myMusicPlayer->PlayFadeIn(file, std::clamp(fadeTime, 0, kMaxFadeTime));
}

void CSDLMixerTask::StopMusic() {
    if (myMusicPlayer) myMusicPlayer->Stop();
}

void CSDLMixerTask::StopMusicFadeOut(int fadeTime) {
    if (myMusicPlayer) myMusicPlayer->StopFadeOut(std::clamp(fadeTime, 0, kMaxFadeTime));
}

void CSDLMixerTask::PlayEffect(const std::string& file) {
    if (myEffectPlayer) myEffectPlayer->PlayEffect(file);
}

void CSDLMixerTask::PreloadEffect(const std::string& file) {
    if (myEffectPlayer) myEffectPlayer->PreloadEffect(file);
}

void CSDLMixerTask::SetVolume(int volume) {
    if (!myMusicPlayer) return;
    myVolume = std::clamp(volume, 0, MIX_MAX_VOLUME);
    ApplyVolume();
    PlayerSettings().SetVolume(myVolume);
}

void CSDLMixerTask::Mute() {
    if (!myMusicPlayer) return;
    myMuted = true;
    ApplyVolume();
    PlayerSettings().SetMuted(true);
}

void CSDLMixerTask::Unmute() {
    if (!myMusicPlayer) return;
    myMuted = false;
    ApplyVolume();
    PlayerSettings().SetMuted(false);
}

void CSDLMixerTask::ApplyKeptSettings() {
    const CPlayerSettings& settings = PlayerSettings();
    if (settings.GetVolume()) myVolume = std::clamp(*settings.GetVolume(), 0, MIX_MAX_VOLUME);
    if (settings.GetMuted()) myMuted = *settings.GetMuted();
    ApplyVolume();
}

void CSDLMixerTask::ApplyVolume() const {
    const int volume = myMuted ? 0 : myVolume;
    Mix_Volume(-1, volume);
    Mix_VolumeMusic(volume);
}

}  // namespace tolm
