#include "tolm/gfx/CAnimation.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "tolm/gfx/CAnimatedSprite.h"
#include "tolm/gfx/FrameReading.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {

CFrame* CAnimation::GetFrame(int i) const {
    if (i < 0 || i >= GetFrameCount()) return nullptr;
    return myFrames[static_cast<std::size_t>(i)].get();
}

int CAnimation::Update(CSprite* sprite, int i, types::ticks t) {
    if (myFrames.empty()) return i;
    // An index from outside (a file, SetCurrentFrame) may point past the frames.
    if (i < 0 || i >= GetFrameCount()) i = 0;
    if (i != myCurrentFrame) {
        myFrameStart = t;
        myCurrentFrame = i;
    }
    // The sprite's clock restarts at 0 when it changes animation; time never runs backwards.
    const types::ticks delta = t >= myLastTime ? t - myLastTime : 0;
    const bool finished = myFrames[static_cast<std::size_t>(i)]->Update(sprite, delta);
    const types::ticks elapsed = t >= myFrameStart ? t - myFrameStart : 0;
    const bool stays = !finished && elapsed < myFrames[static_cast<std::size_t>(i)]->GetLength();
    if (!stays) {
        if (myCurrentFrame + 1 < GetFrameCount()) {
            ++myCurrentFrame;
        } else if (loop) {
            myCurrentFrame = 0;
        } else if (sprite != nullptr && sprite->GetType() == 4) {
            static_cast<CAnimatedSprite*>(sprite)->Pause();
        }
        myFrameStart = t;
    }
    myLastTime = t;
    return myCurrentFrame;
}

types::ticks CAnimation::GetNextUpdateTime() const {
    const CFrame* frame = GetFrame(myCurrentFrame);
    if (frame == nullptr) return std::numeric_limits<types::ticks>::max();
    const std::uint64_t next = std::uint64_t{frame->GetUpdateInterval()} + myLastTime;
    return static_cast<types::ticks>(
        std::min<std::uint64_t>(next, std::numeric_limits<types::ticks>::max()));
}

void CAnimation::Serialize(CXmlFileSys* filesys) {
    filesys->SetFile(__FILE__);
    if (filesys->IsWriting()) {
        filesys->AddAttribute("name", name);
        filesys->AddAttribute("loop", loop);
        for (const std::unique_ptr<CFrame>& frame : myFrames) filesys->WriteObject("Frame", *frame);
        return;
    }
    const CXmlNode* element = filesys->GetCurrentNode();
    if (element->HasAttribute("name")) name = element->GetAttribute("name").GetString();
    if (element->HasAttribute("loop")) element->GetAttribute("loop").Get(loop);
    for (int i = 0; i < element->GetChildCount(); ++i) {
        CXmlNode* child = element->GetChild(i);
        if (child->GetName() != "Frame") continue;
        if (std::unique_ptr<CFrame> frame = frame_reading::ReadFrame(child)) {
            AddFrame(std::move(frame));
        }
    }
}

}  // namespace tolm
