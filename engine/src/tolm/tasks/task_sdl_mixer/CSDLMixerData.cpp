#include "tolm/tasks/task_sdl_mixer/CSDLMixerData.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/task_sdl_mixer/SDLMixerFormats.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm {
namespace {

// An effect is decoded whole at once.
media::EUse UseOf(CSDLMixerEffectKind) {
    return media::EUse::kEffect;
}

Mix_Chunk* Load(CSDLMixerEffectKind, const std::string& file) {
    // SDL_mixer frees the stream (last argument 1), also when loading fails.
    SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
    return stream != nullptr ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

void Free(Mix_Chunk* handle) {
    Mix_FreeChunk(handle);
}

// Music is streamed while it plays.
media::EUse UseOf(CSDLMixerMusicKind) {
    return media::EUse::kMusic;
}

Mix_Music* Load(CSDLMixerMusicKind, const std::string& file) {
    return Mix_LoadMUS(file.c_str());
}

void Free(Mix_Music* handle) {
    Mix_FreeMusic(handle);
}

}  // namespace

template <class TKind>
CSDLMixerData<TKind>::CSDLMixerData(const std::string& file) : myFile(file) {
    Logger().Debug() << "new " << TKind::kClassName << "( " << file << " ) \n";
    // Checked at each load: the player deletes a data that failed, so every play of a refused
    // file tries it again and reports it again, and a file mended on disk plays at once. The
    // guard also refuses music too short to tell its kind, on which SDL_mixer fails without
    // releasing what it allocated.
    if (!media::Admit(file, UseOf(TKind()), AudioDeviceRate())) return;
    myHandle = Load(TKind(), file);
    if (myHandle == nullptr) {
        Logger().Error() << "Could not load " << TKind::kFileKind << "-file  " << file << "\n";
        Logger().Error() << "SDL_Mixer says: " << Mix_GetError() << "\n";
        media::ReportFailure(file, UseOf(TKind()), "");
    }
}

template <class TKind>
CSDLMixerData<TKind>::~CSDLMixerData() {
    Logger().Debug() << "freed " << TKind::kClassName << "\n";
    if (myHandle != nullptr) Free(myHandle);
    Registry& registry = GetRegistry();
    const auto listed = registry.find(myFile);
    if (listed != registry.end() && listed->second == this) registry.erase(listed);
}

template <class TKind>
typename CSDLMixerData<TKind>::Registry& CSDLMixerData<TKind>::GetRegistry() {
    return *CSingletonPtr<Registry>::Get();
}

template <class TKind>
CSDLMixerData<TKind>* CSDLMixerData<TKind>::Find(const std::string& file) {
    const Registry& registry = GetRegistry();
    const auto listed = registry.find(file);
    return listed != registry.end() ? listed->second : nullptr;
}

template class CSDLMixerData<CSDLMixerEffectKind>;
template class CSDLMixerData<CSDLMixerMusicKind>;

}  // namespace tolm
