#include "tolm/gfx/CAnimatedSprite.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/utils/xml/CXmlFileSys.h"
#include "tolm/utils/xml/CXmlNode.h"

namespace tolm {
namespace {

constexpr types::ticks kNever = std::numeric_limits<types::ticks>::max();

types::ticks ClampTicks(double value) {
    if (!(value > 0.0)) return 0;
    if (value >= static_cast<double>(kNever)) return kNever;
    return static_cast<types::ticks>(value);
}

}  // namespace

CAnimatedSprite::~CAnimatedSprite() {
    AnimationManager().Remove(this);
}

void CAnimatedSprite::AddAnimation(std::unique_ptr<CAnimation> animation) {
    if (animation) myAnimations.push_back(std::move(animation));
}

void CAnimatedSprite::SetAnimation(const std::string& name) {
    if (myAnimation != nullptr && myAnimation->name == name) {
        Play();
        return;
    }
    for (const std::unique_ptr<CAnimation>& animation : myAnimations) {
        if (animation->name == name) {
            myAnimation = animation.get();
            break;
        }
    }
    myCurrentFrame = 0;
    myAnimationTime = 0;
    Play();
}

void CAnimatedSprite::Play() {
    myPlaying = true;
    AnimationManager().Insert(this);
}

void CAnimatedSprite::Pause() {
    myPlaying = false;
    AnimationManager().Remove(this);
}

void CAnimatedSprite::Stop() {
    Pause();
    myCurrentFrame = 0;
    myAnimationTime = 0;
}

void CAnimatedSprite::SetTimeMultiply(float multiplier) {
    // Negative time would have to be turned into unsigned ticks; the clock stops instead.
    if (!(multiplier > 0.0f)) multiplier = 0.0f;
    if (multiplier == myTimeMultiply) return;
    myTimeMultiply = multiplier;
    // The sprite's due time changes with the rate: its place in the manager's order too.
    if (myPlaying) AnimationManager().Insert(this);
}

std::string CAnimatedSprite::GetAnimationName() const {
    return myAnimation != nullptr ? myAnimation->name : std::string();
}

types::ticks CAnimatedSprite::GetNextUpdateTime() const {
    const std::uint64_t idle = std::uint64_t{myLastRealTime} + myMinimumUpdateTime;
    if (myAnimation == nullptr) return ClampTicks(static_cast<double>(idle));
    const types::ticks next = myAnimation->GetNextUpdateTime();
    // Before its first advance the sprite's clock has not started: the animation's own
    // answer holds. Afterwards the answer is on the sprite's clock, which runs at the
    // multiplier's rate; it is turned into real time (equal when the rate is 1).
    if (myAnimationTime == 0 || myTimeMultiply == 1.0f || next == kNever) return next;
    if (myTimeMultiply <= 0.0f) return ClampTicks(static_cast<double>(idle));
    const double ahead = next > myAnimationTime ? double(next - myAnimationTime) : 0.0;
    return ClampTicks(std::ceil(myLastRealTime + ahead / myTimeMultiply));
}

void CAnimatedSprite::AdvanceTime(types::ticks now) {
    if (myAnimationTime == 0) {
        myAnimationTime = now;
        myLastRealTime = now;
        return;
    }
    const double passed = now >= myLastRealTime ? double(now - myLastRealTime) : 0.0;
    myAnimationTime = ClampTicks(myAnimationTime + passed * double(myTimeMultiply));
    myLastRealTime = now;
}

void CAnimatedSprite::Update() {
    if (myAnimation != nullptr && myPlaying) {
        myCurrentFrame = myAnimation->Update(this, myCurrentFrame, myAnimationTime);
    }
}

void CAnimatedSprite::Serialize(CXmlFileSys* filesys) {
    CSprite::Serialize(filesys);
    filesys->SetFile(__FILE__);
    if (filesys->IsWriting()) {
        filesys->SetLine(__LINE__);
        filesys->Write("CurrentAnimation", GetAnimationName());
        filesys->SetLine(__LINE__);
        filesys->Write("CurrentFrame", myCurrentFrame);
        filesys->SetLine(__LINE__);
        filesys->Write("MiniumUpdateTime", myMinimumUpdateTime);
        filesys->SetLine(__LINE__);
        filesys->Write("Play", myPlaying);
        filesys->SetLine(__LINE__);
        filesys->Write("TimeMultiply", myTimeMultiply);
        WriteAnimations(filesys);
        return;
    }
    std::string current;
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("CurrentAnimation")) filesys->Read("CurrentAnimation", current);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("CurrentFrame")) filesys->Read("CurrentFrame", myCurrentFrame);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("MiniumUpdateTime"))
        filesys->Read("MiniumUpdateTime", myMinimumUpdateTime);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("Play")) filesys->Read("Play", myPlaying);
    filesys->SetLine(__LINE__);
    if (filesys->HasChild("TimeMultiply")) {
        float multiplier = myTimeMultiply;
        filesys->Read("TimeMultiply", multiplier);
        if (!(multiplier > 0.0f)) multiplier = 0.0f;
        myTimeMultiply = multiplier;
    }
    ReadAnimations(filesys);
    myAnimation = nullptr;
    if (!current.empty()) {
        SetAnimation(current);
    } else if (myPlaying) {
        // A sprite that says it plays must be in the manager's list, or it never advances.
        Play();
    }
}

void CAnimatedSprite::ReadAnimations(CXmlFileSys* filesys) {
    const CXmlNode* root = filesys->GetCurrentNode();
    for (int i = 0; i < root->GetChildCount(); ++i) {
        CXmlNode* child = root->GetChild(i);
        if (child->GetName() != "Animation") continue;
        auto animation = std::make_unique<CAnimation>();
        CXmlFileSys nested(child, CXmlFileSys::kReading);
        animation->Serialize(&nested);
        myAnimations.push_back(std::move(animation));
    }
}

void CAnimatedSprite::WriteAnimations(CXmlFileSys* filesys) {
    for (const std::unique_ptr<CAnimation>& animation : myAnimations) {
        filesys->WriteObject("Animation", *animation);
    }
}

}  // namespace tolm
