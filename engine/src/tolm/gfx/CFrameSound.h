// A frame that plays a sound effect through the installed sound player (the graphics task
// while it runs; without one it plays nothing). It lasts one update unless a wrapped frame
// (owned) gives it a time.
#ifndef TOLM_GFX_CFRAMESOUND_H
#define TOLM_GFX_CFRAMESOUND_H

#include <memory>
#include <string>

#include "tolm/gfx/CFrame.h"
#include "tolm/gfx/CSoundPlayer.h"

namespace tolm {

class CFrameSound : public CFrame {
public:
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

    // One player at a time for every sound frame; a new one replaces the old.
    static void SetSoundPlayer(CSoundPlayer* player);
    // Clears the player only when it is this one, so a second graphics task stopping does
    // not silence the first.
    static void ClearSoundPlayer(const CSoundPlayer* player);

private:
    std::string mySoundFile;
    std::unique_ptr<CFrame> myWrapped;
};

}  // namespace tolm

#endif
