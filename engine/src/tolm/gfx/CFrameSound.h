// A frame that plays a sound effect through the audio task's PlayEffect command, reached
// through the process-wide console as a ready-made call: the file name is never parsed as
// a command line. It lasts one update unless a wrapped frame (owned) gives it a time.
#ifndef TOLM_GFX_CFRAMESOUND_H
#define TOLM_GFX_CFRAMESOUND_H

#include <memory>
#include <string>

#include "tolm/gfx/CFrame.h"

namespace tolm {

class CFrameSound : public CFrame {
public:
    // The task and the command that play a sound frame's file.
    static constexpr const char* kAudioTask = "Audio";
    static constexpr const char* kPlayCommand = "PlayEffect";

    CFrameSound() = default;
    explicit CFrameSound(const std::string& soundFile) : mySoundFile(soundFile) {}

    int GetType() const override { return kFrameSound; }
    bool Update(CSprite* sprite, types::ticks delta) override;
    types::ticks GetUpdateInterval() const override;
    types::ticks GetLength() const override;
    void Serialize(CXmlFileSys* filesys) override;

    // Any text: it is played as a file name, whatever characters it holds.
    void SetSoundFile(const std::string& soundFile) { mySoundFile = soundFile; }
    const std::string& GetSoundFile() const { return mySoundFile; }
    CFrame* GetWrapped() const { return myWrapped.get(); }
    void SetWrapped(std::unique_ptr<CFrame> wrapped) { myWrapped = std::move(wrapped); }

private:
    std::string mySoundFile;
    std::unique_ptr<CFrame> myWrapped;
};

}  // namespace tolm

#endif
