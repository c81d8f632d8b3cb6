// The graphical presentation of the game. The area creates it and tells it of every change;
// it applies the approach and score rules to each change, then lets the view show it and the
// level flow end the level. The mouse device's calls go to the pointer controller. It owns the
// approach rules, the view, the level flow and the pointer controller, and the fixed scenery;
// the area that owns it outlives it. While it exists it is a global listener of the mouse.
#ifndef GAME_CGFXHANDLER_H
#define GAME_CGFXHANDLER_H

#include <memory>
#include <string>

#include "game/CApproachRules.h"
#include "game/CGameArea.h"
#include "game/CGamePresentation.h"
#include "game/CGameView.h"
#include "game/CLevelFlow.h"
#include "game/CMouseListenerAdapter.h"
#include "game/CPointerController.h"

namespace game {

class CGfxHandler : public CMouseListenerAdapter, public CGamePresentation {
public:
    // Stops the area and shows the title.
    explicit CGfxHandler(CGameArea& area);
    ~CGfxHandler() override;
    CGfxHandler(const CGfxHandler&) = delete;
    CGfxHandler& operator=(const CGfxHandler&) = delete;

    // A factory for CGameArea that makes one of these.
    static CGameArea::PresentationFactory Factory();
    static CGfxHandler* Of(const CGameArea& area);

    // The area's notifications.
    void SetPreview(int line, int number) override;
    void BubblePushed(int line, int number) override;
    void RowRemoved(int line_count) override;
    void FanHit() override;
    void FlushScore() override;

    // The mouse, for the pointer controller.
    void OnMouseMove(int x, int y) override;
    void OnMouseDown(int mask) override;
    tolm::types::rect GetArea() const override;

    const CApproachRules& GetRules() const { return myRules; }
    CGameView& GetView() { return *myView; }
    CLevelFlow& GetFlow() { return *myFlow; }

private:
    using SpritePtr = CGameView::SpritePtr;

    static SpritePtr Load(const std::string& file);

    // Character positions, the approach step, the points of the resolve and the score.
    CApproachRules myRules;
    std::unique_ptr<CGameView> myView;
    // Screen state; it stops and starts the area.
    std::unique_ptr<CLevelFlow> myFlow;
    std::unique_ptr<CPointerController> myPointer;
    // The scenery: loaded once, never moved or animated.
    SpritePtr myBackground;
    SpritePtr myFan;
};

}  // namespace game

#endif
