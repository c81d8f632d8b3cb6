// The process-wide graphics facade. Everything that needs a buffer asks here; requests go to
// the installed factory, or yield the shared empty buffer when none is installed. The facade
// holds the factory without owning it until DeleteFactory, and the screen buffer without
// owning it at all (the graphics task owns both).
#ifndef TOLM_GFX_GFX_H
#define TOLM_GFX_GFX_H

#include <string>

#include "tolm/gfx/CGfxBuffer.h"
#include "tolm/gfx/CGfxFactory.h"
#include "tolm/types/Color.h"

namespace tolm {

class Gfx {
public:
    static CGfxBuffer* NewBuffer(int w, int h);
    static CGfxBuffer* NewBuffer(int w, int h, const types::color& colorKey);
    static CGfxBuffer* LoadImage(const std::string& filename, const types::color& colorKey);
    static CGfxBuffer* ConvertBuffer(CGfxBuffer* buffer);
    static CGfxBuffer* CreateBuffer();
    // Deletes the buffer unless it is permanent; null is ignored.
    static void FreeImage(CGfxBuffer* buffer);
    static void ReleaseAll();

    static void SetFactory(CGfxFactory* factory);
    static CGfxFactory* GetFactory() { return myFactory; }
    static void DeleteFactory();

    // The screen buffer must outlive its use here; the graphics task clears it before deleting.
    static void SetScreen(CGfxBuffer* screen) { myScreen = screen; }
    static CGfxBuffer* GetScreen() { return myScreen; }

    static CGfxBuffer* GetEmptyBuffer();

private:
    static inline CGfxFactory* myFactory = nullptr;
    static inline CGfxBuffer* myScreen = nullptr;
};

}  // namespace tolm

#endif
