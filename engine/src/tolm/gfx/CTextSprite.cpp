#include "tolm/gfx/CTextSprite.h"

#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/types/Color.h"

namespace tolm {
CTextSprite::CTextSprite(CFont* font) : myFont(font) {}

CTextSprite::CTextSprite(CFont* font, int w, int h)
    : CSprite(Gfx::NewBuffer(w, h)), myTextRect(0, 0, w, h), myFont(font) {}

CTextSprite::CTextSprite(CFont* font, int w, int h, CSprite* frame)
    : CSprite(Gfx::NewBuffer(w, h, types::kColorKeyMagenta)),
      myTextRect(0, 0, w, h),
      myFrame(frame),
      myFont(font) {
    if (myFrame) myFrame->Resize(w, h);
    Refresh();
}

CTextSprite::~CTextSprite() = default;

CGfxBuffer* CTextSprite::MakePicture(int w, int h) const {
    return myFrame ? Gfx::NewBuffer(w, h, types::kColorKeyMagenta) : Gfx::NewBuffer(w, h);
}

void CTextSprite::SetText(const std::string& text) {
    if (text == myText) return;
    Invalidate();
    myText = text;
    Refresh();
}

void CTextSprite::InsertText(int position, const std::string& text) {
    if (text.empty() || position < 0 || position > GetLength()) return;
    Invalidate();
    myText.insert(static_cast<std::size_t>(position), text);
    Refresh();
}

void CTextSprite::AppendText(const std::string& text) {
    if (text.empty()) return;
    Invalidate();
    myText += text;
    Refresh();
}

void CTextSprite::EraseText(int position, int count) {
    if (count <= 0 || position < 0 || position >= GetLength()) return;
    Invalidate();
    myText.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
    Refresh();
}

void CTextSprite::EraseLastChar() {
    if (myText.empty()) return;
    Invalidate();
    myText.pop_back();
    Refresh();
}

void CTextSprite::SetFont(CFont* font) {
    if (font == myFont.get()) return;
    Invalidate();
    myFont.reset(font);
    Refresh();
}

void CTextSprite::SetFrame(CSprite* frame) {
    if (frame == myFrame.get()) return;
    Invalidate();
    myFrame.reset(frame);
    if (myFrame) myFrame->Resize(GetRect().w, GetRect().h);
    Refresh();
}

void CTextSprite::Resize(int w, int h) {
    const types::rect old = GetRect();
    if (w == old.w && h == old.h) return;
    Invalidate();
    // SetImage frees both the displayed and the source picture it replaces.
    SetImage(MakePicture(w, h));
    if (myFrame) myFrame->Resize(w, h);
    if (myTextRect.w == old.w) myTextRect.w = w;
    if (myTextRect.h == old.h) myTextRect.h = h;
    types::rect sized = GetRect();
    sized.w = w;
    sized.h = h;
    SetRect(sized);
    Refresh();
}

void CTextSprite::Refresh() {
    if (IsEmpty()) return;
    Invalidate();
    CGfxBuffer* source = GetSourceImage();
    if (source == nullptr) return;
    if (!myFrame) {
        source->ClearRect(types::rect(0, 0, source->GetWidth(), source->GetHeight()));
    } else if (myFrame->GetImage() != nullptr) {
        myFrame->GetImage()->Blit(source);
    }
    myEndPoint = myFont->Draw(source, myText, myTextRect, myTextOrigin);
    SetImage(source);
}

}  // namespace tolm
