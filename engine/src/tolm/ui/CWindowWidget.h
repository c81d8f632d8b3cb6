// A movable window: a title bar that drags it and, double-clicked, maximises it, a maximise
// button, a close button and a client area for the owner's widgets. The four are children
// of the window and die with it. Closing only raises a flag; the window's owner reads it
// and destroys the window when it is safe to.
#ifndef TOLM_UI_CWINDOWWIDGET_H
#define TOLM_UI_CWINDOWWIDGET_H

#include "tolm/ui/CButtonWidget.h"
#include "tolm/ui/CWidget.h"

namespace tolm::ui {

class CWindowWidget : public CWidget {
public:
    CWindowWidget(CWidget* parent, const types::rect& r, bool relative = false,
                  const std::string& name = std::string(),
                  const std::string& spriteFile = std::string());

    // Raises the window over its siblings on a press, then routes as any widget does.
    void HandleMouseEvent(const CMouseEvent& event) override;

    void ToggleMaximised();
    bool IsMaximised() const { return myMaximised; }
    bool IsCloseRequested() const { return myCloseRequested; }

    // Children of this window; they live as long as it does.
    CButtonWidget* GetTitleBar() const { return myTitleBar; }
    CButtonWidget* GetMaximiseButton() const { return myMaximiseButton; }
    CButtonWidget* GetCloseButton() const { return myCloseButton; }
    CWidget* GetClientArea() const { return myClientArea; }

private:
    void OnTitleClick();
    void OnTitleDrag(int dx, int dy);
    void OnCloseClick();

    CButtonWidget* myTitleBar;
    CButtonWidget* myMaximiseButton;
    CButtonWidget* myCloseButton;
    CWidget* myClientArea;
    bool myMaximised = false;
    bool myCloseRequested = false;
    types::rect myRestoreRect;
};

}  // namespace tolm::ui

#endif
