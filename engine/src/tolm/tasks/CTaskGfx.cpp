#include "tolm/tasks/CTaskGfx.h"

#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CScreenLayer.h"

namespace tolm {

void CTaskGfx::Update() {
    CAnimationManager::Get()->Tick(myAnimationClock.GetTime());
    CScreenLayer::Get()->Update();
}

void CTaskGfx::OnStop() {
    CScreenLayer::Delete();
}

}  // namespace tolm
