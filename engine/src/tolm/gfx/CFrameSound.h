// A frame that plays a sound effect by executing an Audio::PlayEffect line in the
// process-wide console. It lasts one update unless a wrapped frame (owned) gives it a time.
#ifndef TOLM_GFX_CFRAMESOUND_H
#define TOLM_GFX_CFRAMESOUND_H

#include <memory>
#include <string>

#include "tolm/gfx/CFrame.h"

namespace tolm {

class CFrameSound : public CFrame {
public:
    CFrameSound() = default;
    explicit CFrameSound(const std::string& soundFile) { SetSoundFile(soundFile); }

    int GetType() const override { return kFrameSound; }
    bool Update(CSprite* sprite, types::ticks delta) override;
    types::ticks GetUpdateInterval() const override;
    types::ticks GetLength() const override;
    void Serialize(CXmlFileSys* filesys) override;

    // A name that would break out of the quoted command parameter is refused with a log
    // line, leaving the frame silent; false then.
    bool SetSoundFile(const std::string& soundFile);
    const std::string& GetSoundFile() const { return mySoundFile; }
    CFrame* GetWrapped() const { return myWrapped.get(); }
    void SetWrapped(std::unique_ptr<CFrame> wrapped) { myWrapped = std::move(wrapped); }

    // The command line a sound frame executes for the file.
    static std::string MakeCommand(const std::string& soundFile);

private:
    std::string mySoundFile;
    std::unique_ptr<CFrame> myWrapped;
};

}  // namespace tolm

#endif
