#include "tolm/tasks/task_sdl_mixer/CSDLMixerEffectPlayer.h"

#include <vector>

#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {

// Deletes the listed effects that the predicate selects; collected first because each
// destructor takes itself out of the registry.
template <class TPredicate>
void DeleteEffects(TPredicate select) {
    std::vector<CSDLMixerEffectData*> chosen;
    for (const auto& entry : CSDLMixerEffectData::GetRegistry())
        if (select(*entry.second)) chosen.push_back(entry.second);
    for (CSDLMixerEffectData* data : chosen) delete data;
}

}  // namespace

CSDLMixerEffectPlayer::~CSDLMixerEffectPlayer() {
    Mix_HaltChannel(-1);
    DeleteEffects([](const CSDLMixerEffectData&) { return true; });
}

CSDLMixerEffectData* CSDLMixerEffectPlayer::Get(const std::string& file) {
    CSDLMixerEffectData* data = CSDLMixerEffectData::Find(file);
    if (data != nullptr) return data;
    data = new CSDLMixerEffectData(file);
    CSDLMixerEffectData::GetRegistry()[file] = data;
    if (data->GetHandle() != nullptr) return data;
    delete data;
    return nullptr;
}

void CSDLMixerEffectPlayer::PlayEffect(const std::string& file) {
    CSDLMixerEffectData* data = Get(file);
    if (data == nullptr) return;
    if (Mix_PlayChannelTimed(-1, data->GetHandle(), 0, -1) == -1) {
        Logger().Warning() << "Could not play the effect: " << file << "\n";
        Logger().Warning() << "SDL_Mixer says: " << Mix_GetError() << "\n";
    }
    myPlayed = true;
}

void CSDLMixerEffectPlayer::PreloadEffect(const std::string& file) {
    CSDLMixerEffectData* data = Get(file);
    if (data != nullptr) data->SetKeep(true);
}

void CSDLMixerEffectPlayer::Update() {
    if (!myPlayed || Mix_Playing(-1) != 0) return;
    DeleteEffects([](const CSDLMixerEffectData& data) { return !data.GetKeep(); });
    myPlayed = false;
}

void CSDLMixerEffectPlayer::Pause() {
    Mix_Pause(-1);
}

void CSDLMixerEffectPlayer::Resume() {
    Mix_Resume(-1);
}

}  // namespace tolm
