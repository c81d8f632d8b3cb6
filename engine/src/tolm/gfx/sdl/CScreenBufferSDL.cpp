#include "tolm/gfx/sdl/CScreenBufferSDL.h"

#include "tolm/tasks/CBoundVariable.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace tolm {
namespace {

const char* const kFlipRectsSizeName = "gfx_flip_rects_size";
const char* const kFlipDebugRectsName = "gfx_flip_debug_rects";

}  // namespace

int& CScreenBufferSDL::FlipRectsSize() {
    static int size = kDefaultFlipRectsSize;
    return size;
}

bool& CScreenBufferSDL::FlipDebugRects() {
    static bool debug = false;
    return debug;
}

CScreenBufferSDL::CScreenBufferSDL(SDL_Surface* videoSurface)
    : CGfxBufferSDL(videoSurface), myScreenRect(GetRect()) {
    BindConsoleVariable(Console(), kFlipRectsSizeName, FlipRectsSize());
    BindConsoleVariable(Console(), kFlipDebugRectsName, FlipDebugRects());
}

CScreenBufferSDL::~CScreenBufferSDL() {
    // SDL owns the video surface; it must not reach the texture manager.
    SetSurface(nullptr, false);
}

void CScreenBufferSDL::SetVideoSurface(SDL_Surface* videoSurface) {
    SetSurface(videoSurface, false);
    myScreenRect = GetRect();
    myUpdateRects.clear();
    myFullFlip = false;
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
    if (SDL_Surface* screen = GetSDLSurface()) SDL_Flip(screen);
    myUpdateRects.clear();
    myFullFlip = false;
}

}  // namespace tolm
