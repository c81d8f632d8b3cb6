#include "tolm/tasks/task_sdl_mixer/CSDLMixerEffectData.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/task_sdl_mixer/SDLMixerFormats.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm {

CSDLMixerEffectData::CSDLMixerEffectData(const std::string& file) : myFile(file) {
    Logger().Debug() << "new CSDLMixerEffectData( " << file << " ) \n";
    // Checked at each load: the player deletes a data that failed, so every play of a refused
    // file tries it again and reports it again, and a file mended on disk plays at once.
    if (!media::Admit(file, media::EUse::kEffect, AudioDeviceRate())) return;
    // SDL_mixer frees the stream (last argument 1), also when loading fails.
    SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
    if (stream != nullptr) myHandle = Mix_LoadWAV_RW(stream, 1);
    if (myHandle == nullptr) {
        Logger().Error() << "Could not load effect-file  " << file << "\n";
        Logger().Error() << "SDL_Mixer says: " << Mix_GetError() << "\n";
        media::ReportFailure(file, media::EUse::kEffect, "");
    }
}

CSDLMixerEffectData::~CSDLMixerEffectData() {
    Logger().Debug() << "freed CSDLMixerEffectData\n";
    if (myHandle != nullptr) Mix_FreeChunk(myHandle);
    Registry& registry = GetRegistry();
    const auto listed = registry.find(myFile);
    if (listed != registry.end() && listed->second == this) registry.erase(listed);
}

CSDLMixerEffectData::Registry& CSDLMixerEffectData::GetRegistry() {
    return *CSingletonPtr<Registry>::Get();
}

CSDLMixerEffectData* CSDLMixerEffectData::Find(const std::string& file) {
    const Registry& registry = GetRegistry();
    const auto listed = registry.find(file);
    return listed != registry.end() ? listed->second : nullptr;
}

}  // namespace tolm
