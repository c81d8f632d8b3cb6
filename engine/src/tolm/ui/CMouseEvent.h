// One pointer event as the widget tree routes it: what happened, where (screen pixels) and
// which mouse buttons it concerns (one bit per button, 1 = left). A plain value.
#ifndef TOLM_UI_CMOUSEEVENT_H
#define TOLM_UI_CMOUSEEVENT_H

namespace tolm::ui {

struct CMouseEvent {
    static constexpr int kMoved = 1;
    static constexpr int kLeft = 2;
    static constexpr int kEntered = 3;
    static constexpr int kPressed = 4;
    static constexpr int kReleased = 5;

    int type = kMoved;
    int x = 0;
    int y = 0;
    int buttons = 0;

    CMouseEvent() = default;
    CMouseEvent(int type_, int x_, int y_, int buttons_ = 0)
        : type(type_), x(x_), y(y_), buttons(buttons_) {}

    // Whether the event's buttons include any of the mask's.
    bool Meets(int mask) const { return (buttons & mask) != 0; }
};

}  // namespace tolm::ui

#endif
