// A sprite that shows a string drawn with a bitmap font, optionally over a frame sprite.
// It owns its font, its frame and its pictures, and redraws its picture whenever the text,
// the font, the frame or the size changes.
#ifndef TOLM_GFX_CTEXTSPRITE_H
#define TOLM_GFX_CTEXTSPRITE_H

#include <memory>
#include <string>

#include "tolm/gfx/CFont.h"
#include "tolm/gfx/CSprite.h"
#include "tolm/types/Rect.h"
#include "tolm/types/Types.h"

namespace tolm {

class CTextSprite : public CSprite {
public:
    // Without a size the sprite has no picture. The font and the frame become the sprite's.
    CTextSprite() = default;
    explicit CTextSprite(CFont* font);
    // A transparent picture with an alpha channel.
    CTextSprite(CFont* font, int w, int h);
    // A magenta-keyed picture with the frame (resized to w x h) under the text.
    CTextSprite(CFont* font, int w, int h, CSprite* frame);
    ~CTextSprite() override;

    int GetType() const override { return 3; }
    bool IsEmpty() const override { return myFont == nullptr || CSprite::IsEmpty(); }
    void Resize(int w, int h) override;

    void SetText(const std::string& text);
    void InsertText(int position, const std::string& text);
    void AppendText(const std::string& text);
    void EraseText(int position, int count);
    void EraseLastChar();
    void SetFont(CFont* font);
    void SetFrame(CSprite* frame);
    // Redraws the text into the picture.
    void Refresh();

    const std::string& GetText() const { return myText; }
    const char* c_str() const { return myText.c_str(); }
    int GetLength() const { return static_cast<int>(myText.size()); }
    CFont* GetFont() const { return myFont.get(); }
    CSprite* GetFrame() const { return myFrame.get(); }
    void SetTextRect(const types::rect& r) { myTextRect = r; }
    const types::rect& GetTextRect() const { return myTextRect; }
    void SetTextOrigin(const types::point& p) { myTextOrigin = p; }
    const types::point& GetEndPoint() const { return myEndPoint; }

private:
    CGfxBuffer* MakePicture(int w, int h) const;

    types::point myTextOrigin;
    types::point myEndPoint;
    types::rect myTextRect;
    std::unique_ptr<CSprite> myFrame;
    std::unique_ptr<CFont> myFont;
    std::string myText;
};

}  // namespace tolm

#endif
