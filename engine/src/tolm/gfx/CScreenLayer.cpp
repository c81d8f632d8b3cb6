#include "tolm/gfx/CScreenLayer.h"

#include <climits>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CScreenLayer& ScreenLayer() {
    return *CSingletonPtr<CScreenLayer>::Get();
}

bool CScreenLayer::Exists() {
    return CSingletonPtr<CScreenLayer>::Exists();
}
void CScreenLayer::Delete() {
    CSingletonPtr<CScreenLayer>::Delete();
}

CScreenLayer::CScreenLayer()
    : myScreen(Gfx::GetScreen()), myScreenSprite(std::make_unique<CSprite>(myScreen)) {
    myTarget = myScreenSprite.get();
}

CScreenLayer::~CScreenLayer() {
    myTarget = nullptr;
}

CSprite* CScreenLayer::GetDrawTarget() const {
    // After a mode change the target still shows the old screen buffer, which may be gone;
    // sprites are then only marked erased, and the next update draws everything anew.
    CGfxBuffer* screen = Gfx::GetScreen();
    if (screen == nullptr || myTarget->GetImage() != screen) return nullptr;
    return myTarget;
}

void CScreenLayer::MarkWholeScreen() {
    if (myScreen != nullptr && myScreen == Gfx::GetScreen()) {
        myScreen->AddUpdateRect(myScreen->GetRect());
    }
}

void CScreenLayer::AddDirtyRects(CSprite* sprite) {
    if (myScreen == nullptr || myScreen != Gfx::GetScreen()) return;
    const int count = sprite->GetChangeState();
    for (int i = 0; i < count; ++i) myScreen->AddUpdateRect(sprite->GetDirtyRect(i));
}

void CScreenLayer::MarkDrawnPlace(const CSprite* sprite) {
    // Nothing draws the sprite again, so its old place must go out by itself.
    if (myScreen != nullptr && myScreen == Gfx::GetScreen())
        myScreen->AddUpdateRect(sprite->GetDirtyRect(1));
}

void CScreenLayer::RemoveSprite(CSprite* sprite) {
    MarkDrawnPlace(sprite);
    CSpriteLayer::RemoveSprite(sprite);
}

void CScreenLayer::HideSprite(CSprite* sprite) {
    MarkDrawnPlace(sprite);
    CSpriteLayer::HideSprite(sprite);
}

bool CScreenLayer::Redraw(CSprite* target) {
    SettleWaitingChanges();
    if (mySprites.empty() || myRedrawDepth < mySprites.front()->GetZ()) return false;
    return CSpriteLayer::Redraw(target);
}

void CScreenLayer::DrawAll(CSprite* target) {
    // Whatever the display showed before is stale, also where no sprite is drawn now.
    MarkWholeScreen();
    // Nothing to draw yet (the first frame often comes before the first sprite): no line.
    if (mySprites.empty()) return;
    Logger() << "drawing all" << std::endl;
    // Everything is drawn anew, so no change waits.
    myWaiting.clear();
    Invalidate();
    for (CSprite* sprite : mySprites) EraseSprite(sprite);
    const std::vector<CSprite*> sprites = mySprites;
    for (auto it = sprites.rbegin(); it != sprites.rend(); ++it) {
        AddDirtyRects(*it);
        (*it)->Redraw(target);
        myRedrawDepth = (*it)->GetZ();
    }
    if (myRedrawDepth > INT_MIN) --myRedrawDepth;
}

void CScreenLayer::Update() {
    myScreen = Gfx::GetScreen();
    if (myScreen == nullptr) return;
    ++ourFramesDrawn;
    if (!myDrawAllDue && myScreen->GetRect() == myTarget->GetRect() &&
        myTarget->GetImage() == myScreen) {
        Redraw(myTarget);
        return;
    }
    myDrawAllDue = false;
    myTarget->SetImage(myScreen);
    myTarget->SetRect(myScreen->GetRect());
    DrawAll(myTarget);
}

}  // namespace tolm
