// One music file loaded through SDL_mixer, cached by file name. Every music data object is
// listed in a process-wide registry (file name -> object) from the moment the music player
// adds it until its destructor takes it out; the music player decides when it is deleted.
#ifndef TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERMUSICDATA_H
#define TOLM_TASKS_TASK_SDL_MIXER_CSDLMIXERMUSICDATA_H

#include <map>
#include <string>

#include "SDL_mixer.h"

namespace tolm {

class CSDLMixerMusicData {
public:
    using Registry = std::map<std::string, CSDLMixerMusicData*>;

    // Loads the file at once; a failure is logged and leaves the handle null.
    explicit CSDLMixerMusicData(const std::string& file);
    virtual ~CSDLMixerMusicData();
    CSDLMixerMusicData(const CSDLMixerMusicData&) = delete;
    CSDLMixerMusicData& operator=(const CSDLMixerMusicData&) = delete;

    Mix_Music* GetHandle() const { return myHandle; }
    const std::string& GetFile() const { return myFile; }
    bool GetKeep() const { return myKeep; }
    void SetKeep(bool keep) { myKeep = keep; }

    // The process-wide registry; it only lists the objects, it owns none of them.
    static Registry& GetRegistry();
    // Null when no object of that file name is listed.
    static CSDLMixerMusicData* Find(const std::string& file);

private:
    Mix_Music* myHandle = nullptr;
    std::string myFile;
    bool myKeep = false;
};

}  // namespace tolm

#endif
