// One sound file loaded through SDL_mixer, cached by file name: an effect (decoded at once)
// or a music (streamed), one template for both. Every data object is listed in the
// process-wide registry of its kind (file name -> object) from the moment its player adds it
// until its destructor takes it out; the player decides when it is deleted.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERDATA_H
#define TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERDATA_H

#include <map>
#include <string>

#include "SDL_mixer.h"

namespace tolm {

// The kinds: the handle SDL_mixer gives, and the names the log lines use.
struct CSDLMixerEffectKind {
    using Handle = Mix_Chunk;
    static constexpr const char* kClassName = "CSDLMixerEffectData";
    static constexpr const char* kFileKind = "effect";
};
struct CSDLMixerMusicKind {
    using Handle = Mix_Music;
    static constexpr const char* kClassName = "CSDLMixerMusicData";
    static constexpr const char* kFileKind = "music";
};

template <class TKind>
class CSDLMixerData {
public:
    using Handle = typename TKind::Handle;
    using Registry = std::map<std::string, CSDLMixerData*>;

    // Loads the file at once; a failure is logged and leaves the handle null.
    explicit CSDLMixerData(const std::string& file);
    virtual ~CSDLMixerData();
    CSDLMixerData(const CSDLMixerData&) = delete;
    CSDLMixerData& operator=(const CSDLMixerData&) = delete;

    Handle* GetHandle() const { return myHandle; }
    const std::string& GetFile() const { return myFile; }
    bool GetKeep() const { return myKeep; }
    void SetKeep(bool keep) { myKeep = keep; }

    // The process-wide registry of this kind; it only lists the objects, it owns none.
    static Registry& GetRegistry();
    // Null when no object of that file name is listed.
    static CSDLMixerData* Find(const std::string& file);

private:
    Handle* myHandle = nullptr;
    std::string myFile;
    bool myKeep = false;
};

// Both kinds are made in CSDLMixerData.cpp.
extern template class CSDLMixerData<CSDLMixerEffectKind>;
extern template class CSDLMixerData<CSDLMixerMusicKind>;

using CSDLMixerEffectData = CSDLMixerData<CSDLMixerEffectKind>;
using CSDLMixerMusicData = CSDLMixerData<CSDLMixerMusicKind>;

}  // namespace tolm

#endif
