#include "tolm/tasks/task_sdl_mixer/CSDLMixerMusicPlayer.h"

#include <vector>

#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CSDLMixerMusicPlayer::~CSDLMixerMusicPlayer() {
    Mix_HaltMusic();
    myCurrent = nullptr;
    // Copied: each destructor takes itself out of the registry.
    std::vector<CSDLMixerMusicData*> listed;
    for (const auto& entry : CSDLMixerMusicData::GetRegistry()) listed.push_back(entry.second);
    for (CSDLMixerMusicData* data : listed) delete data;
}

void CSDLMixerMusicPlayer::Play(const std::string& file) {
    if (myState == kPaused) Resume();

    CSDLMixerMusicData* data = CSDLMixerMusicData::Find(file);
    if (data == nullptr) {
        data = new CSDLMixerMusicData(file);
        CSDLMixerMusicData::GetRegistry()[file] = data;
        if (data->GetHandle() == nullptr) {
            delete data;
            return;
        }
    }

    // SDL_mixer waits for a fading-out music to finish before it starts another one, which
    // would hold up the whole main loop for the rest of the fade.
    if (Mix_FadingMusic() == MIX_FADING_OUT) Mix_HaltMusic();

    const bool fadeIn = myFade;
    myFade = false;
    const bool refused = StartMusic(data->GetHandle(), fadeIn, myFadeTime) < 0;
    if (refused) {
        Logger().Warning() << "Could not play music: " << file << "\n";
        Logger().Warning() << "SDL_Mixer says: " << Mix_GetError() << "\n";
    }
    myState = refused ? kStopped : kPlaying;

    if (myCurrent != nullptr && myCurrent != data && !myCurrent->GetKeep()) delete myCurrent;
    myCurrent = data;
}

void CSDLMixerMusicPlayer::PlayFadeIn(const std::string& file, int fadeTime) {
    myFade = true;
    myFadeTime = fadeTime;
    Play(file);
}

void CSDLMixerMusicPlayer::Stop() {
    if (myState != kPlaying) return;
    if (myFade) {
        Mix_FadeOutMusic(myFadeTime);
    } else {
        Mix_HaltMusic();
    }
    myState = kStopped;
}

void CSDLMixerMusicPlayer::StopFadeOut(int fadeTime) {
    myFade = true;
    myFadeTime = fadeTime;
    Stop();
}

void CSDLMixerMusicPlayer::Pause() {
    if (myState != kPlaying) return;
    myState = kPaused;
    Mix_PauseMusic();
}

void CSDLMixerMusicPlayer::Resume() {
    if (myState != kPaused) return;
    myState = kPlaying;
    Mix_ResumeMusic();
}

void CSDLMixerMusicPlayer::Update() {
    if (myState != kPlaying || Mix_PlayingMusic() != 0) return;
    if (myCurrent == nullptr) {
        myState = kStopped;
        return;
    }
    const std::string file = myCurrent->GetFile();
    Play(file);
}

int CSDLMixerMusicPlayer::StartMusic(Mix_Music* handle, bool fadeIn, int fadeTime) {
    if (fadeIn) return Mix_FadeInMusicPos(handle, 0, fadeTime, 0.0);
    return Mix_PlayMusic(handle, 0);
}

}  // namespace tolm
