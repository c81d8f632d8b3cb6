#include "tolm/ui/CDesktopWidget.h"

#include <algorithm>
#include <cstdint>

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/ui/CDragTracker.h"

namespace tolm::ui {
namespace {

std::int32_t ClampSpan(std::int32_t start, std::int32_t size, std::int32_t lowest,
                       std::int32_t room) {
    const std::int64_t highest = std::int64_t{lowest} + room - size;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(start, lowest, std::max<std::int64_t>(lowest, highest)));
}

}  // namespace

CDesktopWidget::CDesktopWidget(const types::rect& r) : CWidget(nullptr, r, false, "Desktop") {}

void CDesktopWidget::HandleMouseEvent(const CMouseEvent& event) {
    TakeMouseEvent(event);
}

bool CDesktopWidget::TakeMouseEvent(const CMouseEvent& event) {
    if (event.type == CMouseEvent::kMoved || event.type == CMouseEvent::kPressed ||
        event.type == CMouseEvent::kReleased) {
        if (DragTracker().HandleEvent(event)) return true;
    }
    const CWidget* target = DeliverMouseEvent(event);
    return target != nullptr && target != this;
}

types::rect CDesktopWidget::FitChildRect(const types::rect& r) const {
    const types::rect& desktop = GetRect();
    types::rect fitted = r;
    fitted.w = std::clamp(r.w, 0, std::max(0, desktop.w));
    fitted.h = std::clamp(r.h, 0, std::max(0, desktop.h));
    fitted.x = ClampSpan(r.x, fitted.w, desktop.x, std::max(0, desktop.w));
    fitted.y = ClampSpan(r.y, fitted.h, desktop.y, std::max(0, desktop.h));
    return fitted;
}

void CDesktopWidget::FitToScreen() {
    int w = EventManager().GetWidth();
    int h = EventManager().GetHeight();
    if ((w <= 0 || h <= 0) && Gfx::GetScreen()) {
        w = Gfx::GetScreen()->GetWidth();
        h = Gfx::GetScreen()->GetHeight();
    }
    if (w > 0 && h > 0) Resize(w, h);
}

CDesktopWidget& Desktop() {
    if (!CSingletonPtr<CDesktopWidget>::Exists())
        CSingletonPtr<CDesktopWidget>::Get()->FitToScreen();
    return *CSingletonPtr<CDesktopWidget>::Get();
}

}  // namespace tolm::ui
