// The one process-wide layer drawn onto the screen buffer. Besides redrawing what changed it
// records the changed rectangles on the screen buffer's update list. Created on first use,
// deleted when the graphics task stops; it owns the sprite that stands for the screen, not
// the screen buffer, which belongs to the graphics task.
#ifndef TOLM_GFX_CSCREENLAYER_H
#define TOLM_GFX_CSCREENLAYER_H

#include <cstdint>
#include <memory>

#include "tolm/Services.h"
#include "tolm/gfx/CSpriteLayer.h"

namespace tolm {

class CScreenLayer : public CSpriteLayer {
public:
    static bool Exists();
    static void Delete();

    CScreenLayer();
    ~CScreenLayer() override;

    int GetType() const override { return 2; }
    bool Redraw(CSprite* target) override;
    void RemoveSprite(CSprite* sprite) override;
    void HideSprite(CSprite* sprite) override;

    // The per-frame entry point: redraws what changed, or everything after a mode change.
    void Update();
    // Erases and redraws every sprite, and marks the whole screen for the next flip.
    void DrawAll(CSprite* target);
    // The next Update draws everything: the screen's content was lost (a new video mode of
    // the same size).
    void RequestDrawAll() { myDrawAllDue = true; }

    // Frames drawn onto a screen buffer since start-up, by every screen layer there was:
    // what a frame-rate readout counts.
    static std::uint32_t GetFramesDrawn() { return ourFramesDrawn; }

protected:
    void AddDirtyRects(CSprite* sprite) override;
    CSprite* GetDrawTarget() const override;

private:
    void MarkWholeScreen();
    void MarkDrawnPlace(const CSprite* sprite);

    CGfxBuffer* myScreen = nullptr;  // the graphics task's screen buffer, not owned
    std::unique_ptr<CSprite> myScreenSprite;
    bool myDrawAllDue = false;

    static inline std::uint32_t ourFramesDrawn = 0;
};

}  // namespace tolm

#endif
