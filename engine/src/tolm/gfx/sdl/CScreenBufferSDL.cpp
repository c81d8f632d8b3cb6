#include "tolm/gfx/sdl/CScreenBufferSDL.h"

#include "tolm/gfx/MergeRects.h"
#include "tolm/gfx/sdl/CSurfaceLock.h"

namespace tolm {

int& CScreenBufferSDL::FlipRectsSize() {
    static int size = kDefaultFlipRectsSize;
    return size;
}

bool& CScreenBufferSDL::FlipDebugRects() {
    static bool debug = false;
    return debug;
}

CScreenBufferSDL::CScreenBufferSDL(SDL_Surface* videoSurface)
    : CGfxBufferSDL(videoSurface), myScreenRect(GetRect()) {}

CScreenBufferSDL::~CScreenBufferSDL() {
    // SDL owns the video surface; it must not reach the texture manager.
    SetSurface(nullptr, false);
}

void CScreenBufferSDL::SetVideoSurface(SDL_Surface* videoSurface) {
    SetSurface(videoSurface, false);
    myScreenRect = GetRect();
    myUpdateRects.clear();
    // The window shows nothing of the new mode yet.
    myFullFlip = videoSurface != nullptr;
}

bool CScreenBufferSDL::HasHardwareDoubleBuffer(const SDL_Surface* screen) {
    const Uint32 both = SDL_HWSURFACE | SDL_DOUBLEBUF;
    return screen != nullptr && (screen->flags & both) == both;
}

void CScreenBufferSDL::AddUpdateRect(const types::rect& r) {
    if (myFullFlip) return;
    if (r == myScreenRect) {
        myFullFlip = true;
        return;
    }
    const types::rect cut = r.Intersection(myScreenRect);
    // Off the screen nothing changed; such a rect would only use up a place in the list.
    if (cut.w <= 0 || cut.h <= 0) return;
    const int cap = FlipRectsSize();
    if (cap != 0 && myUpdateRects.size() >= static_cast<std::size_t>(cap)) {
        myFullFlip = true;
        return;
    }
    myUpdateRects.push_back(cut);
}

void CScreenBufferSDL::Flip() {
    if (SDL_Surface* screen = GetSDLSurface()) {
        if (!mySendUpdateList || HasHardwareDoubleBuffer(screen)) {
            FlipDisplay(screen);
        } else if (myFullFlip) {
            UpdateDisplay(screen, {myScreenRect});
        } else if (!myUpdateRects.empty()) {
            UpdateDisplay(screen, MergeRects(myUpdateRects));
        }
    }
    myUpdateRects.clear();
    myFullFlip = false;
}

void CScreenBufferSDL::FlipDisplay(SDL_Surface* screen) {
    CSurfaceLock::Settle(screen);
    SDL_Flip(screen);
}

void CScreenBufferSDL::UpdateDisplay(SDL_Surface* screen, const std::vector<types::rect>& rects) {
    // Every rect lies inside the screen, whose sides fit SDL's 16-bit fields.
    std::vector<SDL_Rect> sdlRects;
    sdlRects.reserve(rects.size());
    for (const types::rect& r : rects) {
        sdlRects.push_back(SDL_Rect{static_cast<Sint16>(r.x), static_cast<Sint16>(r.y),
                                    static_cast<Uint16>(r.w), static_cast<Uint16>(r.h)});
    }
    CSurfaceLock::Settle(screen);
    SDL_UpdateRects(screen, static_cast<int>(sdlRects.size()), sdlRects.data());
}

}  // namespace tolm
