#include "tolm/tasks/task_sdl_mixer/CSDLMixerMusicData.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/task_sdl_mixer/SDLMixerFormats.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/media/MediaGuard.h"

namespace tolm {

CSDLMixerMusicData::CSDLMixerMusicData(const std::string& file) : myFile(file) {
    Logger().Debug() << "new CSDLMixerMusicData( " << file << " ) \n";
    // Checked at each load: the player deletes a data that failed, so every play of a refused
    // file tries it again and reports it again. The guard also refuses what is too short to
    // tell its kind, on which SDL_mixer fails without releasing what it allocated.
    if (!media::Admit(file, media::EUse::kMusic, AudioDeviceRate())) return;
    myHandle = Mix_LoadMUS(file.c_str());
    if (myHandle == nullptr) {
        Logger().Error() << "Could not load music-file  " << file << "\n";
        Logger().Error() << "SDL_Mixer says: " << Mix_GetError() << "\n";
        media::ReportFailure(file, media::EUse::kMusic, "");
    }
}

CSDLMixerMusicData::~CSDLMixerMusicData() {
    Logger().Debug() << "freed CSDLMixerMusicData\n";
    if (myHandle != nullptr) Mix_FreeMusic(myHandle);
    Registry& registry = GetRegistry();
    const auto listed = registry.find(myFile);
    if (listed != registry.end() && listed->second == this) registry.erase(listed);
}

CSDLMixerMusicData::Registry& CSDLMixerMusicData::GetRegistry() {
    return *CSingletonPtr<Registry>::Get();
}

CSDLMixerMusicData* CSDLMixerMusicData::Find(const std::string& file) {
    const Registry& registry = GetRegistry();
    const auto listed = registry.find(file);
    return listed != registry.end() ? listed->second : nullptr;
}

}  // namespace tolm
