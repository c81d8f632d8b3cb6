// What sound frames play their files through, so that the drawing layer needs no sound
// system: the graphics task installs itself while it runs (CFrameSound::SetSoundPlayer).
// Sound frames refer to the player without owning it.
#ifndef TOLM_GFX_CSOUNDPLAYER_H
#define TOLM_GFX_CSOUNDPLAYER_H

#include <string>

namespace tolm {

class CSoundPlayer {
public:
    virtual ~CSoundPlayer() = default;
    // Any text: a player must take it as a file name, whatever characters it holds.
    virtual void PlaySound(const std::string& file) = 0;
};

}  // namespace tolm

#endif
