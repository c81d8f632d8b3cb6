// A picture placed at a position and depth on a layer. The sprite saves what lies under it
// on its target before drawing, so that its layer can erase and redraw it cheaply. It owns
// its pictures (the source picture, a scaled or rotated copy, the background), all freed
// through Gfx::FreeImage, except the screen buffer, which it only shows. The layer it is on
// refers to it without owning it; a sprite leaving or dying takes itself off its layer.
#ifndef TOLM_GFX_CSPRITE_H
#define TOLM_GFX_CSPRITE_H

#include <cstdint>
#include <memory>
#include <string>

#include "tolm/gfx/CGfxBuffer.h"
#include "tolm/types/Rect.h"

namespace tolm {

class CSpriteLayer;
class CXmlFileSys;

class CSprite {
public:
    static constexpr int kDefaultZ = 100;
    static constexpr int kDrawn = 0;
    static constexpr int kErased = 2;

    CSprite();
    // Takes ownership of the picture, unless it is the screen buffer.
    explicit CSprite(CGfxBuffer* image);
    virtual ~CSprite();
    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;

    virtual int GetType() const { return 0; }
    virtual bool IsEmpty() const { return myImage == nullptr; }
    // Reads or writes the members of a sprite description file.
    virtual void Serialize(CXmlFileSys* filesys);
    virtual void SetX(int x);
    virtual void SetY(int y);
    virtual void SetZ(int z);
    virtual void SetRect(const types::rect& r);
    virtual int GetX() const { return myImageRect.x; }
    virtual int GetY() const { return myImageRect.y; }
    virtual int GetZ() const { return myZ; }
    virtual types::rect GetRect() const { return myImageRect; }
    virtual void SetImageRect(const types::rect& r);
    virtual types::rect GetImageRect() const;
    virtual void SetScrollRect(const types::rect& r);
    virtual types::rect GetScrollRect() const;
    // The drawing operations take the sprite whose picture is drawn onto.
    virtual void DrawPart(CSprite* target, const types::rect& r);
    virtual void Draw(CSprite* target);
    virtual void RestoreBackground(CSprite* target);
    virtual void SaveBackground(CSprite* target);
    virtual void Erase(CSprite* target);
    // Saves the background and draws when erased; true when something was due.
    virtual bool Redraw(CSprite* target);
    virtual void SetVisible(bool visible);
    virtual void Resize(int w, int h);
    virtual void Rotate(float angle);
    virtual void SetAlpha(std::uint8_t alpha);
    virtual std::uint8_t GetAlpha() const { return myAlpha; }
    virtual void SetPosition(int x, int y);
    virtual void PlayAnimation(const std::string& name);
    // Null takes the sprite off its layer. The layer must outlive the link; a layer being
    // destroyed detaches its sprites itself.
    virtual void SetLayer(CSpriteLayer* layer);
    virtual void Invalidate();
    // Takes ownership of the picture, unless it is the screen buffer.
    virtual void SetImage(CGfxBuffer* image);
    virtual int GetChangeState() const;
    virtual types::rect GetDirtyRect(int i) const;
    virtual CGfxBuffer* GetImage() const { return myImage; }
    virtual void ApplyAlpha(std::uint8_t alpha);

    CSpriteLayer* GetLayer() const { return myParent; }
    bool IsVisible() const { return myHiddenFrom == nullptr; }
    int GetDrawState() const { return myDrawState; }
    bool IsDirty() const { return myDirty; }
    CGfxBuffer* GetSourceImage() const { return mySource; }

    // Called by a layer that is going away: forgets it without calling back into it.
    void DetachFrom(const CSpriteLayer* layer);

    // True when this sprite, drawn and unchanged since, hides every pixel of area on its
    // target: fully opaque, without alpha or scroll rect, and covering area.
    bool HidesArea(const types::rect& area) const;

protected:
    bool HasPicture() const { return myImage != nullptr && !IsEmpty(); }
    bool MeetsTarget(const CSprite* target) const;
    // The source and destination rects of a blit onto (or from) target; false when nothing
    // of the sprite lies on it.
    bool GetBlitRects(const CSprite* target, types::rect& src, types::rect& dst) const;
    void CutToScrollRect(types::rect& src, types::rect& dst) const;
    void ReplaceBackground(int w, int h);
    void FreePictures();
    void LoadPicture(const std::string& filename);
    // A change that a layer keeps waiting behind an opaque sprite must be carried out before
    // the picture or the saved background it erases with is replaced.
    void SettleWaitingChange();

private:
    void UseImage(CGfxBuffer* image);

    CSpriteLayer* myParent = nullptr;
    CSpriteLayer* myHiddenFrom = nullptr;
    CGfxBuffer* myImage = nullptr;       // mySource, or a copy made from it (owned)
    CGfxBuffer* mySource = nullptr;      // owned unless it is the screen buffer
    CGfxBuffer* myBackground = nullptr;  // owned
    bool myHasBackground = false;
    bool myShowsScreen = false;  // the pictures are the screen buffer and not ours
    types::rect myImageRect;
    std::unique_ptr<types::rect> myScrollRect;
    int myZ = kDefaultZ;
    std::uint8_t myAlpha = 255;
    int myDrawState = kDrawn;
    types::rect myBackgroundRect;
    // Where the background was saved from on the target, and to in the background buffer.
    types::rect mySavedTo;
    types::rect mySavedFrom;
    bool myBackgroundSaved = false;
    bool myDirty = false;
    // Whether the image is opaque, worked out for this image and image rect.
    mutable const CGfxBuffer* myOpacityOf = nullptr;
    mutable types::rect myOpacityRect;
    mutable bool myOpaque = false;
};

}  // namespace tolm

#endif
