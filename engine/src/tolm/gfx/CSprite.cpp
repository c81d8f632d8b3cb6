#include "tolm/gfx/CSprite.h"

#include <algorithm>
#include <climits>

#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/CSpriteLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/types/Color.h"
#include "tolm/utils/xml/CXmlFileSys.h"

namespace tolm {
namespace {

// Background buffers are kept while the sprite is at most this much smaller than them.
constexpr int kBackgroundSlack = 20;

std::int32_t Narrow(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

CSprite::CSprite() = default;

CSprite::CSprite(CGfxBuffer* image) : myImage(image), mySource(image) {
    if (image == nullptr) return;
    myImageRect = image->GetRect();
    myShowsScreen = image == Gfx::GetScreen();
    if (!myShowsScreen) ReplaceBackground(image->GetWidth(), image->GetHeight());
}

CSprite::~CSprite() {
    if (myParent != nullptr) myParent->RemoveSprite(this);
    if (myHiddenFrom != nullptr) myHiddenFrom->ForgetHidden(this);
    FreePictures();
    if (myHasBackground) Gfx::FreeImage(myBackground);
}

void CSprite::FreePictures() {
    myOpacityOf = nullptr;
    if (!myShowsScreen) {
        if (myImage != mySource) Gfx::FreeImage(myImage);
        Gfx::FreeImage(mySource);
    }
    myImage = nullptr;
    mySource = nullptr;
    myShowsScreen = false;
}

void CSprite::DetachFrom(const CSpriteLayer* layer) {
    if (myParent == layer) myParent = nullptr;
    if (myHiddenFrom == layer) myHiddenFrom = nullptr;
}

void CSprite::SetX(int x) {
    if (x == myImageRect.x) return;
    Invalidate();
    myImageRect.x = x;
}

void CSprite::SetY(int y) {
    if (y == myImageRect.y) return;
    Invalidate();
    myImageRect.y = y;
}

void CSprite::SetPosition(int x, int y) {
    if (x == myImageRect.x && y == myImageRect.y) return;
    Invalidate();
    myImageRect.x = x;
    myImageRect.y = y;
}

void CSprite::SetRect(const types::rect& r) {
    if (r == myImageRect) return;
    Invalidate();
    myImageRect = r;
}

void CSprite::SetZ(int z) {
    if (z == myZ) return;
    if (myParent == nullptr) {
        myZ = z;
        return;
    }
    Invalidate();
    const int deepest = std::max(myZ, z);
    myParent->EraseDownTo(deepest);
    myZ = z;
    myParent->SortSprites();
    myParent->EraseDownTo(deepest);
}

void CSprite::SetAlpha(std::uint8_t alpha) {
    if (alpha == myAlpha) return;
    Invalidate();
    myAlpha = alpha;
}

void CSprite::SetImageRect(const types::rect& r) {
    if (myImage == nullptr || r == myImage->GetRect()) return;
    Invalidate();
    myImage->SetRect(r);
    myImageRect.w = myImage->GetWidth();
    myImageRect.h = myImage->GetHeight();
}

types::rect CSprite::GetImageRect() const {
    return myImage == nullptr ? types::rect() : myImage->GetRect();
}

void CSprite::SetScrollRect(const types::rect& r) {
    if (myScrollRect == nullptr) myScrollRect = std::make_unique<types::rect>();
    const bool wasInside = myScrollRect->IsInside(myImageRect);
    *myScrollRect = r;
    if (myScrollRect->IsInside(myImageRect) != wasInside) Invalidate();
}

types::rect CSprite::GetScrollRect() const {
    return myScrollRect == nullptr ? types::rect() : *myScrollRect;
}

void CSprite::PlayAnimation(const std::string&) {}

void CSprite::Invalidate() {
    // The picture may be drawn anew in place: opacity is worked out again when asked.
    myOpacityOf = nullptr;
    if (myParent == nullptr || myDirty) return;
    myParent->SpriteChanged(this);
    myDirty = true;
}

int CSprite::GetChangeState() const {
    if (!myDirty) return 0;
    return myImageRect == myBackgroundRect ? 1 : 2;
}

types::rect CSprite::GetDirtyRect(int i) const {
    return i == 1 ? myBackgroundRect : myImageRect;
}

void CSprite::ApplyAlpha(std::uint8_t alpha) {
    if (myAlpha == 255 || myImage == nullptr) return;
    myImage->SetAlpha(alpha);
}

bool CSprite::MeetsTarget(const CSprite* target) const {
    return target != nullptr && HasPicture() && myImageRect.Intersects(target->GetRect());
}

void CSprite::CutToScrollRect(types::rect& src, types::rect& dst) const {
    if (myScrollRect == nullptr) return;
    if (!myScrollRect->Intersects(myImageRect)) {
        src.w = src.h = dst.w = dst.h = 0;
        return;
    }
    const types::rect& scroll = *myScrollRect;
    std::int64_t sx = src.x, sy = src.y, dx = dst.x, dy = dst.y, w = dst.w, h = dst.h;
    if (dx < scroll.x) {
        sx += scroll.x - dx;
        w -= scroll.x - dx;
        dx = scroll.x;
    }
    if (dy < scroll.y) {
        sy += scroll.y - dy;
        h -= scroll.y - dy;
        dy = scroll.y;
    }
    w = std::min(w, scroll.Right() - dx);
    h = std::min(h, scroll.Bottom() - dy);
    w = std::max<std::int64_t>(w, 0);
    h = std::max<std::int64_t>(h, 0);
    src = types::rect(Narrow(sx), Narrow(sy), Narrow(w), Narrow(h));
    dst = types::rect(Narrow(dx), Narrow(dy), Narrow(w), Narrow(h));
}

bool CSprite::GetBlitRects(const CSprite* target, types::rect& src, types::rect& dst) const {
    if (!MeetsTarget(target)) return false;
    const types::rect to = target->GetRect();
    std::int64_t dx = std::int64_t{myImageRect.x} - to.x;
    std::int64_t dy = std::int64_t{myImageRect.y} - to.y;
    std::int64_t sx = 0, sy = 0, w = myImageRect.w, h = myImageRect.h;
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    if (dx + w > to.w) w = to.w - dx;
    if (dy + h > to.h) h = to.h - dy;
    src = types::rect(Narrow(sx), Narrow(sy), Narrow(w), Narrow(h));
    dst = types::rect(Narrow(dx), Narrow(dy), Narrow(w), Narrow(h));
    CutToScrollRect(src, dst);
    return src.w > 0 && src.h > 0;
}

void CSprite::Draw(CSprite* target) {
    types::rect src, dst;
    if (!GetBlitRects(target, src, dst) || target->GetImage() == nullptr) return;
    ApplyAlpha(myAlpha);
    myImage->Blit(target->GetImage(), src, dst);
    ApplyAlpha(255);
}

void CSprite::DrawPart(CSprite* target, const types::rect& r) {
    if (target == nullptr || target->GetImage() == nullptr || !HasPicture()) return;
    const types::rect to = target->GetRect();
    if (!r.Intersects(myImageRect) || !r.Intersects(to)) return;
    const types::rect part = r.Intersection(myImageRect).Intersection(to);
    types::rect src(Narrow(std::int64_t{part.x} - myImageRect.x),
                    Narrow(std::int64_t{part.y} - myImageRect.y), part.w, part.h);
    types::rect dst(Narrow(std::int64_t{part.x} - to.x), Narrow(std::int64_t{part.y} - to.y),
                    part.w, part.h);
    CutToScrollRect(src, dst);
    if (src.w <= 0 || src.h <= 0) return;
    ApplyAlpha(myAlpha);
    myImage->Blit(target->GetImage(), src, dst);
    ApplyAlpha(255);
}

void CSprite::SettleWaitingChange() {
    if (myParent != nullptr) myParent->SettleWaitingChange(this);
}

bool CSprite::HidesArea(const types::rect& area) const {
    if (myDrawState != kDrawn || myDirty || myAlpha != 255 || myShowsScreen ||
        myScrollRect != nullptr || !HasPicture())
        return false;
    const types::rect drawn(myImageRect.x, myImageRect.y,
                            std::min(myImageRect.w, myImage->GetWidth()),
                            std::min(myImageRect.h, myImage->GetHeight()));
    if (drawn.w <= 0 || drawn.h <= 0 || !area.IsInside(drawn)) return false;
    if (myOpacityOf != myImage || myOpacityRect != myImage->GetRect()) {
        myOpaque = myImage->IsOpaque();
        myOpacityOf = myImage;
        myOpacityRect = myImage->GetRect();
    }
    return myOpaque;
}

void CSprite::ReplaceBackground(int w, int h) {
    SettleWaitingChange();
    if (myHasBackground) Gfx::FreeImage(myBackground);
    myBackgroundSaved = false;
    myBackground = Gfx::NewBuffer(w, h, types::kColorKeyMagenta);
    // A restore puts back every pixel it saved: with the key, magenta pixels of the screen
    // (an alpha blend can make one) would stay behind, and the keyed copy is slower too.
    myBackground->SetOption(CGfxBuffer::kOptionColorKey, CAnyContainer("0"));
    myHasBackground = true;
}

void CSprite::SaveBackground(CSprite* target) {
    myBackgroundSaved = false;
    if (!MeetsTarget(target)) return;
    myBackgroundRect = myImageRect;
    if (!myHasBackground || target->GetImage() == nullptr) return;
    const int w = myBackground->GetWidth(), h = myBackground->GetHeight();
    if (w < myImageRect.w || h < myImageRect.h ||
        w > myImageRect.w + std::int64_t{kBackgroundSlack} ||
        h > myImageRect.h + std::int64_t{kBackgroundSlack}) {
        ReplaceBackground(myImageRect.w, myImageRect.h);
    }
    myBackgroundSaved = GetBlitRects(target, mySavedFrom, mySavedTo);
    if (myBackgroundSaved) target->GetImage()->Blit(myBackground, mySavedTo, mySavedFrom);
}

void CSprite::RestoreBackground(CSprite* target) {
    // Back exactly where it was saved: a change kept waiting behind a cover may have moved
    // the sprite (or cut it otherwise) since.
    if (!myHasBackground || !myBackgroundSaved || target == nullptr ||
        target->GetImage() == nullptr)
        return;
    myBackground->Blit(target->GetImage(), mySavedFrom, mySavedTo);
}

void CSprite::Erase(CSprite* target) {
    if (myDrawState == kErased || !HasPicture()) return;
    // Also a sprite off its target counts as erased: it must be drawn when it moves onto it.
    myDrawState = kErased;
    RestoreBackground(target);
    myBackgroundSaved = false;
}

bool CSprite::Redraw(CSprite* target) {
    if (!HasPicture() || myDrawState == kDrawn) return false;
    SaveBackground(target);
    Draw(target);
    myDrawState = kDrawn;
    myDirty = false;
    return true;
}

void CSprite::SetVisible(bool visible) {
    if (!visible) {
        if (myParent == nullptr) return;
        Invalidate();
        CSpriteLayer* layer = myParent;
        layer->HideSprite(this);
        myHiddenFrom = layer;
        myParent = nullptr;
        return;
    }
    Invalidate();
    if (myHiddenFrom == nullptr) return;
    CSpriteLayer* layer = myHiddenFrom;
    myHiddenFrom = nullptr;
    myParent = layer;
    layer->ShowSprite(this);
    Invalidate();
}

void CSprite::SetLayer(CSpriteLayer* layer) {
    // A layer cannot hold itself (the screen layer loaded from a description file).
    if (layer == this) return;
    if (myHiddenFrom != nullptr) {
        myHiddenFrom->ForgetHidden(this);
        myHiddenFrom = nullptr;
    }
    if (myParent != nullptr) {
        CSpriteLayer* old = myParent;
        myParent = nullptr;
        old->RemoveSprite(this);
    }
    myParent = layer;
    myDrawState = kErased;
    // Not yet drawn on the new layer: its place must reach the screen's update list.
    myDirty = layer != nullptr;
    if (layer != nullptr) layer->AddSprite(this);
}

void CSprite::UseImage(CGfxBuffer* image) {
    myImage = image;
    mySource = image;
    myShowsScreen = image != nullptr && image == Gfx::GetScreen();
}

void CSprite::SetImage(CGfxBuffer* image) {
    if (image == myImage) return;
    Invalidate();
    SettleWaitingChange();
    if (image != nullptr && image == mySource) {
        if (!myShowsScreen) Gfx::FreeImage(myImage);
        myImage = image;
    } else {
        FreePictures();
        UseImage(image);
        // Every real picture gets a background, also on a sprite that had none before;
        // without one, the sprite's old places would never be erased.
        if (myHasBackground) {
            Gfx::FreeImage(myBackground);
            myBackground = nullptr;
            myHasBackground = false;
        }
        if (image != nullptr && !myShowsScreen) {
            ReplaceBackground(image->GetWidth(), image->GetHeight());
        }
    }
    if (myImage != nullptr) {
        myImageRect.w = myImage->GetWidth();
        myImageRect.h = myImage->GetHeight();
    }
}

void CSprite::Resize(int w, int h) {
    if (mySource == nullptr || myShowsScreen || (w == myImageRect.w && h == myImageRect.h)) return;
    Invalidate();
    SettleWaitingChange();
    if (myImage != mySource) Gfx::FreeImage(myImage);
    myImage = mySource->Scale(w, h);
    if (myHasBackground) ReplaceBackground(myImage->GetWidth(), myImage->GetHeight());
    myImageRect.w = myImage->GetWidth();
    myImageRect.h = myImage->GetHeight();
}

void CSprite::Rotate(float angle) {
    if (mySource == nullptr || myShowsScreen) return;
    Invalidate();
    SettleWaitingChange();
    if (myImage != mySource) Gfx::FreeImage(myImage);
    myImage = mySource->Rotate(angle);
    if (myHasBackground) ReplaceBackground(myImage->GetWidth(), myImage->GetHeight());
    myImageRect.w = myImage->GetWidth();
    myImageRect.h = myImage->GetHeight();
}

void CSprite::LoadPicture(const std::string& filename) {
    SettleWaitingChange();
    FreePictures();
    UseImage(Gfx::LoadImage(filename, types::kColorKeyMagenta));
    if (myShowsScreen) return;
    ReplaceBackground(myImage->GetWidth(), myImage->GetHeight());
}

void CSprite::Serialize(CXmlFileSys* filesys) {
    filesys->SetFile(__FILE__);
    if (filesys->IsWriting()) {
        filesys->AddAttribute("type", CSpriteFactory::GetTypeName(GetType()));
        if (myImage != nullptr) {
            const CGfxBuffer* picture = mySource != nullptr ? mySource : myImage;
            filesys->SetLine(__LINE__);
            filesys->Write("ImageFilename", picture->GetFilename());
        }
        if (myScrollRect != nullptr) {
            filesys->SetLine(__LINE__);
            filesys->WriteRect("ScrollRect", *myScrollRect);
        }
        filesys->SetLine(__LINE__);
        filesys->WriteRect("ImageRect", myImageRect);
        filesys->SetLine(__LINE__);
        filesys->Write("Z", myZ);
        filesys->SetLine(__LINE__);
        filesys->Write("Alpha", myAlpha);
        return;
    }
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("ImageFilename")) {
        std::string filename;
        filesys->Read("ImageFilename", filename);
        LoadPicture(filename);
    }
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("ScrollRect")) {
        types::rect scroll;
        filesys->ReadRect("ScrollRect", scroll);
        if (!scroll.IsEmpty()) myScrollRect = std::make_unique<types::rect>(scroll);
    }
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("ImageRect")) filesys->ReadRect("ImageRect", myImageRect);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("Z")) filesys->Read("Z", myZ);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("Alpha")) filesys->Read("Alpha", myAlpha);
}

}  // namespace tolm
