// One sound effect loaded through SDL_mixer, cached by file name. Every effect data object is
// listed in a process-wide registry (file name -> object) from the moment the effect player
// adds it until its destructor takes it out; the effect player decides when it is deleted.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXEREFFECTDATA_H
#define TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXEREFFECTDATA_H

#include <map>
#include <string>

#include "SDL_mixer.h"

namespace tolm {

class CSDLMixerEffectData {
public:
    using Registry = std::map<std::string, CSDLMixerEffectData*>;

    // Loads the file at once; a failure is logged and leaves the handle null.
    explicit CSDLMixerEffectData(const std::string& file);
    virtual ~CSDLMixerEffectData();
    CSDLMixerEffectData(const CSDLMixerEffectData&) = delete;
    CSDLMixerEffectData& operator=(const CSDLMixerEffectData&) = delete;

    Mix_Chunk* GetHandle() const { return myHandle; }
    const std::string& GetFile() const { return myFile; }
    bool GetKeep() const { return myKeep; }
    void SetKeep(bool keep) { myKeep = keep; }

    // The process-wide registry; it only lists the objects, it owns none of them.
    static Registry& GetRegistry();
    // Null when no object of that file name is listed.
    static CSDLMixerEffectData* Find(const std::string& file);

private:
    Mix_Chunk* myHandle = nullptr;
    std::string myFile;
    bool myKeep = false;
};

}  // namespace tolm

#endif
