#include "tolm/tasks/CTaskGfx.h"

#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CScreenLayer.h"

namespace tolm {

void CTaskGfx::Update() {
    AnimationManager().Tick(myAnimationClock.GetTime());
    ScreenLayer().Update();
}

void CTaskGfx::OnStop() {
    CScreenLayer::Delete();
}

}  // namespace tolm
