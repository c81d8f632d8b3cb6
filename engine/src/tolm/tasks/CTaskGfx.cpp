#include "tolm/tasks/CTaskGfx.h"

#include "tolm/gfx/CScreenLayer.h"

namespace tolm {

void CTaskGfx::Update() {
    CScreenLayer::Get()->Update();
}

void CTaskGfx::OnStop() {
    CScreenLayer::Delete();
}

}  // namespace tolm
