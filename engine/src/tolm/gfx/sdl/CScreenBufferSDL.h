// The screen as a graphics buffer: the SDL video surface, which SDL owns, plus the list of
// rectangles that changed since the last flip. The graphics task owns this buffer and binds
// the console variables "gfx_flip_rects_size" and "gfx_flip_debug_rects" to its settings,
// which are process-wide and outlive every screen buffer.
#ifndef TOLM_GFX_SDL_CSCREENBUFFERSDL_H
#define TOLM_GFX_SDL_CSCREENBUFFERSDL_H

#include <vector>

#include "tolm/gfx/sdl/CGfxBufferSDL.h"

namespace tolm {

class CScreenBufferSDL : public CGfxBufferSDL {
public:
    static constexpr int kDefaultFlipRectsSize = 75;

    explicit CScreenBufferSDL(SDL_Surface* videoSurface);
    ~CScreenBufferSDL() override;

    // Follows a new video mode: takes the surface (null: no display) and its full size,
    // forgets the update list, which belonged to the old screen, and flips the whole new one.
    void SetVideoSurface(SDL_Surface* videoSurface);

    // How a flip puts the frame on the display. Off: the whole screen every time. On: only
    // the update list, joined (MergeRects), nothing when it is empty, the whole screen once
    // when the full-flip flag is set; a real hardware double buffer is flipped all the same,
    // since its back buffer holds an older frame than the one on show.
    void SetSendUpdateList(bool on) { mySendUpdateList = on; }
    bool IsSendingUpdateList() const { return mySendUpdateList; }
    // The display lost its copy of the picture (an expose, a returned focus): the next flip
    // sends the whole screen.
    void RequestFullFlip() { myFullFlip = true; }
    static bool HasHardwareDoubleBuffer(const SDL_Surface* screen);

    void Flip() override;
    void AddUpdateRect(const types::rect& r) override;

    const std::vector<types::rect>& GetUpdateRects() const { return myUpdateRects; }
    bool IsFullFlip() const { return myFullFlip; }

    // The settings behind the console variables, shared by the whole process.
    static int& FlipRectsSize();
    static bool& FlipDebugRects();

protected:
    // The only calls that put pixels on the display, kept apart so that tests can watch
    // what goes out.
    virtual void FlipDisplay(SDL_Surface* screen);
    virtual void UpdateDisplay(SDL_Surface* screen, const std::vector<types::rect>& rects);

private:
    bool myFullFlip = false;
    bool mySendUpdateList = false;
    std::vector<types::rect> myUpdateRects;
    types::rect myScreenRect;
};

}  // namespace tolm

#endif
