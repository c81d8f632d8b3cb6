#include "tolm/tasks/task_sdl_mixer/CSDLMixerMusicData.h"

#include <fstream>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

namespace {

// SDL_mixer needs this many bytes to tell the kind of a music file; given fewer, it fails
// without releasing what it allocated.
constexpr std::streamsize kMagicSize = 12;

bool TooShortForMusic(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;  // SDL_mixer reports a file it cannot open by itself.
    char magic[kMagicSize];
    in.read(magic, kMagicSize);
    return in.gcount() < kMagicSize;
}

}  // namespace

CSDLMixerMusicData::CSDLMixerMusicData(const std::string& file) : myFile(file) {
    Logger().Debug() << "new CSDLMixerMusicData( " << file << " ) \n";
    if (TooShortForMusic(file)) {
        Mix_SetError("File is too short to be music");
    } else {
        myHandle = Mix_LoadMUS(file.c_str());
    }
    if (myHandle == nullptr) {
        Logger().Error() << "Could not load music-file  " << file << "\n";
        Logger().Error() << "SDL_Mixer says: " << Mix_GetError() << "\n";
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
