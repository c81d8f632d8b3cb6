#include "tolm/ui/CWidget.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/ui/WidgetLayout.h"

namespace tolm::ui {
namespace {

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The size ratio of a parent's change; an old size of 0 or less has no ratio to scale by.
double Ratio(std::int32_t now, std::int32_t before) {
    return before > 0 ? static_cast<double>(now) / before : 1.0;
}

}  // namespace

CWidget::CWidget(CWidget* parent, const types::rect& r, bool relative, const std::string& name,
                 const std::string& spriteFile)
    : myParent(parent), myName(name), myAlive(std::make_shared<bool>(true)) {
    ++ourLiveCount;
    if (!spriteFile.empty()) mySprite.reset(SpriteFactory().LoadSprite(spriteFile));
    types::rect placed = r;
    if (relative && parent) {
        placed.x = Saturate(std::int64_t{placed.x} + parent->myRect.x);
        placed.y = Saturate(std::int64_t{placed.y} + parent->myRect.y);
    }
    if (parent) placed = parent->FitChildRect(placed);
    SetRect(placed);
    if (parent) {
        parent->myChildren.push_back(this);
        parent->RenumberTree();
    } else {
        UpdateDepth();
    }
}

CWidget::~CWidget() {
    if (ourHovered == this) ourHovered = nullptr;
    *myAlive = false;
    // Children are cut loose first, so that they do not renumber a tree half taken down.
    std::vector<CWidget*> children;
    children.swap(myChildren);
    for (CWidget* child : children) {
        child->myParent = nullptr;
        delete child;
    }
    if (myParent) myParent->RemoveChild(this);
    --ourLiveCount;
}

void CWidget::HandleMouseEvent(const CMouseEvent& event) {
    DeliverMouseEvent(event);
}

const CWidget* CWidget::DeliverMouseEvent(const CMouseEvent& event) {
    if (event.type != CMouseEvent::kMoved && event.type != CMouseEvent::kPressed &&
        event.type != CMouseEvent::kReleased)
        return nullptr;
    const types::point at(event.x, event.y);
    CWidget* candidate = nullptr;
    while ((candidate = FindWidgetAt(at, candidate)) != nullptr) {
        if (candidate->IgnoresEvent(event.type)) {
            if (candidate == this) return nullptr;
            continue;
        }
        if (candidate != this) {
            candidate->HandleMouseEvent(event);
            return candidate;
        }
        const std::shared_ptr<const bool> alive = myAlive;
        if (ourHovered != this) {
            SendHoverChange(event);
            if (!*alive) return this;
        }
        OnMouseEvent(event);
        return this;
    }
    return nullptr;
}

void CWidget::SendHoverChange(const CMouseEvent& event) {
    const std::shared_ptr<const bool> alive = myAlive;
    CWidget* previous = ourHovered;
    if (previous && !previous->IgnoresEvent(CMouseEvent::kLeft)) {
        previous->OnMouseEvent(CMouseEvent(CMouseEvent::kLeft, event.x, event.y, event.buttons));
        if (!*alive) return;
    }
    if (!IgnoresEvent(CMouseEvent::kEntered)) {
        OnMouseEvent(CMouseEvent(CMouseEvent::kEntered, event.x, event.y, event.buttons));
        if (!*alive) return;
    }
    ourHovered = this;
}

void CWidget::MoveTo(const types::point& p) {
    Move(Saturate(std::int64_t{p.x} - myRect.x), Saturate(std::int64_t{p.y} - myRect.y));
}

void CWidget::Move(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    types::rect moved = myRect;
    moved.x = Saturate(std::int64_t{moved.x} + dx);
    moved.y = Saturate(std::int64_t{moved.y} + dy);
    if (myParent) moved = myParent->FitChildRect(moved);
    if (moved.x == myRect.x && moved.y == myRect.y) return;
    ApplyRect(moved);
}

void CWidget::Resize(int w, int h) {
    if (w == myRect.w && h == myRect.h) return;
    types::rect resized(myRect.x, myRect.y, w, h);
    if (myParent) resized = myParent->FitChildRect(resized);
    if (resized.w == myRect.w && resized.h == myRect.h) return;
    ApplyRect(resized);
}

void CWidget::ApplyRect(const types::rect& r) {
    const types::rect old = myRect;
    SetRect(r);
    const int dx = Saturate(std::int64_t{myRect.x} - old.x);
    const int dy = Saturate(std::int64_t{myRect.y} - old.y);
    // Children may delete siblings from their handlers; walk a copy and skip the dead.
    std::vector<CWidget*> children = myChildren;
    const bool resized = myRect.w != old.w || myRect.h != old.h;
    const types::rect before(myRect.x, myRect.y, old.w, old.h);
    for (CWidget* child : children) {
        if (std::find(myChildren.begin(), myChildren.end(), child) == myChildren.end()) continue;
        child->Move(dx, dy);
        if (resized) child->OnParentResized(before);
    }
}

bool CWidget::IgnoresEvent(int type) const {
    return myIgnoredEvents.count(type) != 0;
}

void CWidget::SetIgnoreEvent(int type, bool ignore) {
    if (ignore) {
        myIgnoredEvents.insert(type);
    } else {
        myIgnoredEvents.erase(type);
    }
}

void CWidget::SetRect(const types::rect& r) {
    myRect = r;
    OnRectChanged();
}

void CWidget::OnRectChanged() {
    if (!mySprite) return;
    mySprite->SetPosition(myRect.x, myRect.y);
    mySprite->Resize(myRect.w, myRect.h);
}

void CWidget::UpdateDepth() {
    if (mySprite) mySprite->SetZ(DepthToZ(myDepth));
}

void CWidget::OnParentResized(const types::rect& oldParentRect) {
    if (myFormulas) {
        PlaceAt(EvaluateFormulas());
        return;
    }
    if (!myParent) return;
    const types::rect& parent = myParent->myRect;
    const double rw = Ratio(parent.w, oldParentRect.w);
    const double rh = Ratio(parent.h, oldParentRect.h);
    switch (myResizeMode) {
        case kResizeFit:
            PlaceAt(myParent->FitChildRect(myRect));
            break;
        case kResizeScale:
            PlaceAt(types::rect(ToPixel(parent.x + (double(myRect.x) - oldParentRect.x) * rw),
                                ToPixel(parent.y + (double(myRect.y) - oldParentRect.y) * rh),
                                ToPixel(myRect.w * rw), ToPixel(myRect.h * rh)));
            break;
        case kResizeKeepSize: {
            const double cx = myRect.x + myRect.w / 2.0;
            const double cy = myRect.y + myRect.h / 2.0;
            PlaceAt(types::rect(ToPixel(parent.x + (cx - oldParentRect.x) * rw - myRect.w / 2.0),
                                ToPixel(parent.y + (cy - oldParentRect.y) * rh - myRect.h / 2.0),
                                myRect.w, myRect.h));
            break;
        }
        default:
            break;
    }
}

void CWidget::SetLayout(const std::string& x, const std::string& y, const std::string& w,
                        const std::string& h) {
    if (IsPlainNumber(x) && IsPlainNumber(y) && IsPlainNumber(w) && IsPlainNumber(h)) {
        myFormulas.reset();
        ApplyRect(types::rect(
            EvaluateFormula(x, nullptr, nullptr), EvaluateFormula(y, nullptr, nullptr),
            EvaluateFormula(w, nullptr, nullptr), EvaluateFormula(h, nullptr, nullptr)));
        return;
    }
    myFormulas = std::make_unique<CFormulas>();
    myFormulas->text = {x, y, w, h};
    ApplyRect(EvaluateFormulas());
}

types::rect CWidget::EvaluateFormulas() const {
    if (!myFormulas) return myRect;
    const types::rect* parent = myParent ? &myParent->myRect : nullptr;
    const types::rect self = myRect;
    return types::rect(EvaluateFormula(myFormulas->text[0], parent, &self),
                       EvaluateFormula(myFormulas->text[1], parent, &self),
                       EvaluateFormula(myFormulas->text[2], parent, &self),
                       EvaluateFormula(myFormulas->text[3], parent, &self));
}

void CWidget::PlaceAt(const types::rect& r) {
    // Moving again after the resize: a parent that keeps children inside may have shifted
    // a grown widget, or refused the move while the widget still had its old size.
    MoveTo(types::point(r.x, r.y));
    Resize(r.w, r.h);
    MoveTo(types::point(r.x, r.y));
}

bool CWidget::Contains(const types::rect& r, const types::point& p) {
    return p.x >= r.x && p.y >= r.y && p.x < r.Right() && p.y < r.Bottom();
}

CWidget* CWidget::FindWidgetAt(const types::point& p, const CWidget* after) {
    if (!Contains(myRect, p)) return nullptr;
    auto child = myChildren.begin();
    if (after) {
        child = std::find(myChildren.begin(), myChildren.end(), after);
        if (child != myChildren.end()) ++child;
    }
    for (; child != myChildren.end(); ++child) {
        if (Contains((*child)->myRect, p)) return *child;
    }
    return this;
}

void CWidget::BringChildToFront(CWidget* child) {
    auto found = std::find(myChildren.begin(), myChildren.end(), child);
    if (found == myChildren.end() || found == myChildren.begin()) return;
    std::rotate(myChildren.begin(), found, found + 1);
    RenumberTree();
}

void CWidget::BringToFront() {
    if (myParent) myParent->BringChildToFront(this);
}

void CWidget::RemoveChild(CWidget* child) {
    auto found = std::find(myChildren.begin(), myChildren.end(), child);
    if (found == myChildren.end()) return;
    myChildren.erase(found);
    RenumberTree();
}

void CWidget::RenumberTree() {
    CWidget* root = this;
    while (root->myParent) root = root->myParent;
    root->Renumber(0);
}

int CWidget::Renumber(int depth) {
    // Later children take the lower numbers, so the first child's subtree comes out in
    // front of its siblings', and every widget behind its own children.
    myDepth = depth;
    int next = depth + 1;
    for (auto child = myChildren.rbegin(); child != myChildren.rend(); ++child) {
        next += (*child)->Renumber(next);
    }
    mySubtreeSize = next - depth;
    UpdateDepth();
    return mySubtreeSize;
}

}  // namespace tolm::ui
