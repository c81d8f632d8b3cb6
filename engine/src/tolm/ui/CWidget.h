// A rectangular element of the widget tree: placed by a fixed rectangle or by four layout
// formulas over its parent's and its own geometry, optionally shown by one sprite, and
// receiving the mouse events the tree routes to the widget under the pointer. Rectangles
// are absolute screen coordinates.
//
// Ownership: a widget constructed with a parent is adopted by it and deleted with it; it may
// also be deleted earlier by whoever created it, and then leaves its parent's list first.
// The parent pointer is not owning. The sprite is shared with whoever else shows it.
#ifndef TOLM_UI_CWIDGET_H
#define TOLM_UI_CWIDGET_H

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tolm/gfx/CSprite.h"
#include "tolm/types/Rect.h"
#include "tolm/types/Types.h"
#include "tolm/ui/CMouseEvent.h"
#include "tolm/utils/CSmartPtr.h"

namespace tolm::ui {

class CWidget {
public:
    // How a widget without formulas follows its parent's size changes.
    static constexpr int kResizeFit = 0;
    static constexpr int kResizeScale = 1;
    static constexpr int kResizeKeepSize = 2;

    // A relative rectangle is an offset from the parent's top-left corner. An empty sprite
    // file name gives a widget without a sprite.
    CWidget(CWidget* parent, const types::rect& r, bool relative = false,
            const std::string& name = std::string(), const std::string& spriteFile = std::string());
    // Virtual operations in the order the toolkit's classes rely on.
    virtual ~CWidget();
    CWidget(const CWidget&) = delete;
    CWidget& operator=(const CWidget&) = delete;

    virtual void HandleMouseEvent(const CMouseEvent& event);
    virtual void OnMouseEvent(const CMouseEvent& /*event*/) {}
    virtual void MoveTo(const types::point& p);
    virtual void Move(int dx, int dy);
    virtual void Resize(int w, int h);
    virtual int GetResizeMode() const { return myResizeMode; }
    virtual bool IgnoresEvent(int type) const;
    virtual void SetIgnoreEvent(int type, bool ignore);
    virtual types::rect FitChildRect(const types::rect& r) const { return r; }
    virtual void SetRect(const types::rect& r);
    virtual void OnRectChanged();
    virtual void UpdateDepth();
    virtual void OnParentResized(const types::rect& oldParentRect);

    // All four plain numbers: a fixed rectangle and no formulas. Otherwise the four texts
    // become the formulas and the widget takes the rectangle they give.
    void SetLayout(const std::string& x, const std::string& y, const std::string& w,
                   const std::string& h);
    bool HasFormulas() const { return myFormulas != nullptr; }

    // The first direct child after `after` (or from the start) that holds the point, else
    // this widget; null when the point is outside this widget.
    CWidget* FindWidgetAt(const types::point& p, const CWidget* after = nullptr);

    // Makes the child the first in the list: found first and drawn in front of its siblings.
    void BringChildToFront(CWidget* child);
    // Moves this widget to the front of its parent's children.
    void BringToFront();

    void SetResizeMode(int mode) { myResizeMode = mode; }
    const types::rect& GetRect() const { return myRect; }
    CWidget* GetParent() const { return myParent; }
    const std::vector<CWidget*>& GetChildren() const { return myChildren; }
    const std::string& GetName() const { return myName; }
    const CSmartPtr<CSprite>& GetSprite() const { return mySprite; }
    int GetDepth() const { return myDepth; }
    int GetSubtreeSize() const { return mySubtreeSize; }
    // The sprite's Z for a depth: the root at 0, deeper and earlier widgets in front.
    static int DepthToZ(int depth) { return -depth; }

    // A flag that turns false when this widget is destroyed. Code that calls out (signals,
    // other widgets) holds a copy and stops touching the widget once it is false.
    std::shared_ptr<const bool> GetAliveFlag() const { return myAlive; }

    // The widget that last received an "entered" event; null when it was destroyed.
    static CWidget* GetHovered() { return ourHovered; }
    // Live widgets in the process, for leak checks.
    static int GetLiveCount() { return ourLiveCount; }

protected:
    // Routes the event as HandleMouseEvent does and answers where it went: this widget, the
    // direct child it was passed to, or null when none would take it. The widget may be gone
    // by the time this returns: the answer is only for comparing.
    const CWidget* DeliverMouseEvent(const CMouseEvent& event);
    // Moves and resizes to the rectangle, so that children follow.
    void PlaceAt(const types::rect& r);
    // Stores the rectangle; children move by the shift and follow a change of size.
    void ApplyRect(const types::rect& r);
    // Renumbers depths from the root of this widget's tree.
    void RenumberTree();
    types::rect EvaluateFormulas() const;
    static bool Contains(const types::rect& r, const types::point& p);

private:
    struct CFormulas {
        std::array<std::string, 4> text;  // x, y, w, h
    };

    void SendHoverChange(const CMouseEvent& event);
    void RemoveChild(CWidget* child);
    int Renumber(int depth);

    int myResizeMode = kResizeScale;
    types::rect myRect;
    CWidget* myParent = nullptr;
    // Owned, but stored raw: a child may be deleted by its creator first and then takes
    // itself off this list, which a list of unique_ptr could not express.
    std::vector<CWidget*> myChildren;
    std::string myName;
    std::set<int> myIgnoredEvents;
    CSmartPtr<CSprite> mySprite;
    std::unique_ptr<CFormulas> myFormulas;
    int myDepth = 0;
    int mySubtreeSize = 1;
    std::shared_ptr<bool> myAlive;

    static inline CWidget* ourHovered = nullptr;
    static inline int ourLiveCount = 0;
};

}  // namespace tolm::ui

#endif
