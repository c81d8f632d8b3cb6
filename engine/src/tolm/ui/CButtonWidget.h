// A widget that turns presses and releases into signals: click, drag (offsets by which the
// pointer has pulled the button; the button does not move itself) and double-click (two
// presses less than 300 ms apart). Its owner connects the signals; the signals own their
// slots. While it drags, the process-wide drag tracker refers to it, and forgets it when
// the drag ends or the button is destroyed.
#ifndef TOLM_UI_CBUTTONWIDGET_H
#define TOLM_UI_CBUTTONWIDGET_H

#include "tolm/types/Types.h"
#include "tolm/ui/CWidget.h"
#include "tolm/utils/signalslot/CSignal.h"
#include "tolm/utils/timer/CTimer.h"

namespace tolm::ui {

class CButtonWidget : public CWidget {
public:
    static constexpr types::ticks kDoubleClickTime = 300;

    CButtonWidget(CWidget* parent, const types::rect& r, bool relative = false,
                  const std::string& name = std::string(),
                  const std::string& spriteFile = std::string());
    ~CButtonWidget() override;

    void OnMouseEvent(const CMouseEvent& event) override;

    CSignal<>& GetClickSignal() { return myClickSignal; }
    CSignal<int, int>& GetDragSignal() { return myDragSignal; }
    CSignal<>& GetDoubleClickSignal() { return myDoubleClickSignal; }

    void SetClickMask(int mask) { myClickMask = mask; }
    void SetDoubleClickMask(int mask) { myDoubleClickMask = mask; }
    void SetDragMask(int mask) { myDragMask = mask; }
    int GetDragMask() const { return myDragMask; }
    void SetDoubleClickEnabled(bool enabled);
    void SetDraggable(bool draggable);

    bool IsPressed() const { return myPressed; }
    bool IsDragging() const { return myDragging; }
    bool IsFirstClickArmed() const { return myFirstClickArmed; }

private:
    void OnPressed(const CMouseEvent& event);
    void OnReleased(const CMouseEvent& event);
    void StopDragging();

    CSignal<> myClickSignal;
    CSignal<int, int> myDragSignal;
    CSignal<> myDoubleClickSignal;
    int myClickMask = 1;
    int myDoubleClickMask = 1;
    int myDragMask = 1;
    bool myDoubleClickEnabled = true;
    bool myDraggable = true;
    CTimer myTimer;
    bool myPressed = false;
    bool myFirstClickArmed = false;
    bool myDragging = false;
    types::point myDragOffset;
};

}  // namespace tolm::ui

#endif
