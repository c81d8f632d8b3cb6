// The root of the widget tree: one process-wide widget the size of the window. It keeps its
// children inside itself, gives the drag tracker first look at every pointer event, and
// tells which events its widgets took.
// Created on first use and never deleted; it owns the widgets placed on it.
#ifndef TOLM_UI_CDESKTOPWIDGET_H
#define TOLM_UI_CDESKTOPWIDGET_H

#include "tolm/Services.h"
#include "tolm/ui/CWidget.h"

namespace tolm::ui {

class CDesktopWidget : public CWidget {
public:
    explicit CDesktopWidget(const types::rect& r = types::rect());

    void HandleMouseEvent(const CMouseEvent& event) override;
    // Routes the event as HandleMouseEvent does and answers whether a widget on the desktop
    // took it (the button being dragged, or a widget under the pointer), rather than the bare
    // desktop, which stands for whatever is shown behind the widgets.
    bool TakeMouseEvent(const CMouseEvent& event);
    // Shifts the rectangle inside the desktop, keeping its size, so that a window dragged
    // against an edge stops there whole; only what is larger than the desktop is cut.
    types::rect FitChildRect(const types::rect& r) const override;

    // Takes the size of the window as last reported to the event manager, or else of the
    // screen buffer; keeps its size when neither is known.
    void FitToScreen();
};

}  // namespace tolm::ui

#endif
