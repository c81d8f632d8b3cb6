// What the event manager forwards cursor requests to: the event task while it runs. The
// event manager refers to its handler without owning it.
#ifndef TOLM_INPUTDEVICE_CCURSORHANDLER_H
#define TOLM_INPUTDEVICE_CCURSORHANDLER_H

namespace tolm {

class CCursorHandler {
public:
    // Cursor kinds: 0 leaves the cursor as it is; 1 to 9 are the built-in pictures.
    enum Kind {
        kNone = 0,
        kArrow = 1,
        kCross = 2,
        kText = 3,
        kHand = 4,
        kBusy = 5,
        kResizeHorizontal = 6,
        kResizeVertical = 7,
        kResizeDiagonal1 = 8,
        kResizeDiagonal2 = 9,
    };
    static constexpr int kKindCount = 10;

    virtual ~CCursorHandler() = default;
    virtual void ShowCursor() = 0;
    virtual void HideCursor() = 0;
    // Kinds outside 1 to 9 act as 0.
    virtual void SetCursor(int kind) = 0;
};

}  // namespace tolm

#endif
