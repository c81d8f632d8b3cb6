#include "tolm/ui/CWindowWidget.h"

#include "tolm/ui/CWidgetSlot.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm::ui {
CWindowWidget::CWindowWidget(CWidget* parent, const types::rect& r, bool relative,
                             const std::string& name, const std::string& spriteFile)
    : CWidget(parent, r, relative, name, spriteFile),
      myTitleBar(
          new CButtonWidget(this, types::rect(), false, "titlebar", "data/gui/titlebar.gif")),
      myMaximiseButton(
          new CButtonWidget(this, types::rect(), false, "maximize", "data/gui/maximize.gif")),
      myCloseButton(new CButtonWidget(this, types::rect(), false, "close", "data/gui/close.gif")),
      myClientArea(new CWidget(this, types::rect(), false, "client")) {
    myTitleBar->SetLayout("parent.x + 2", "parent.y + 2", "parent.w - 4", "20");
    myMaximiseButton->SetLayout("parent.x + parent.w - 50", "parent.y + 2", "20", "20");
    myCloseButton->SetLayout("parent.x + parent.w - 25", "parent.y + 2", "20", "20");
    myClientArea->SetLayout("parent.x + 2", "parent.y + 22", "parent.w - 4", "parent.h - 24");
    // The title bar spans the buttons: they go before it in the list, so that the hit test
    // finds them and they are drawn over it.
    BringChildToFront(myCloseButton);
    BringChildToFront(myMaximiseButton);

    for (CButtonWidget* button : {myMaximiseButton, myCloseButton}) {
        button->SetDraggable(false);
        button->SetDoubleClickEnabled(false);
    }
    myTitleBar->GetClickSignal().Connect(MakeWidgetSlot(this, &CWindowWidget::OnTitleClick));
    myTitleBar->GetDragSignal().Connect(MakeWidgetSlot(this, &CWindowWidget::OnTitleDrag));
    myTitleBar->GetDoubleClickSignal().Connect(
        MakeWidgetSlot(this, &CWindowWidget::ToggleMaximised));
    myMaximiseButton->GetClickSignal().Connect(
        MakeWidgetSlot(this, &CWindowWidget::ToggleMaximised));
    myCloseButton->GetClickSignal().Connect(MakeWidgetSlot(this, &CWindowWidget::OnCloseClick));
}

void CWindowWidget::HandleMouseEvent(const CMouseEvent& event) {
    if (event.type == CMouseEvent::kPressed) BringToFront();
    CWidget::HandleMouseEvent(event);
}

void CWindowWidget::OnTitleClick() {
    BringToFront();
}

void CWindowWidget::OnTitleDrag(int dx, int dy) {
    Move(dx, dy);
}

void CWindowWidget::OnCloseClick() {
    myCloseRequested = true;
}

void CWindowWidget::ToggleMaximised() {
    CWidget* parent = GetParent();
    if (!myMaximised) {
        myRestoreRect = GetRect();
        Logger() << myRestoreRect.x << ", " << myRestoreRect.y << "\n";
        SetResizeMode(kResizeScale);
        if (parent) {
            MoveTo(types::point(parent->GetRect().x, parent->GetRect().y));
            Resize(parent->GetRect().w, parent->GetRect().h);
        }
        myMaximised = true;
    } else {
        Logger() << myRestoreRect.x << ", " << myRestoreRect.y << "\n";
        SetResizeMode(kResizeFit);
        Resize(myRestoreRect.w, myRestoreRect.h);
        MoveTo(types::point(myRestoreRect.x, myRestoreRect.y));
        myMaximised = false;
    }
    if (parent) OnParentResized(parent->GetRect());
}

}  // namespace tolm::ui
