// Gliding groups: the ease and fall motions tick by tick, children, animations, and the
// release delay that keeps a burst bubble's main sprite on screen in "death".
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/CMovingSprite.h"
#include "tolm/tasks/CFakeThread.h"
#include "tolm/utils/timer/SystemTime.h"

namespace game {
namespace {

using Events = std::vector<std::string>;

// A sprite that writes its animations and its end into a shared journal.
class CJournalSprite : public tolm::CSprite {
public:
    CJournalSprite(std::string name, Events& journal, tolm::types::rect r)
        : myName(std::move(name)), myJournal(journal) {
        SetRect(r);
    }
    ~CJournalSprite() override { myJournal.push_back(myName + " gone"); }
    void PlayAnimation(const std::string& animation) override {
        myJournal.push_back(myName + " " + animation);
    }

private:
    std::string myName;
    Events& myJournal;
};

class MovingSpriteTest : public ::testing::Test {
protected:
    std::shared_ptr<CJournalSprite> Make(const std::string& name, tolm::types::rect r) {
        return std::make_shared<CJournalSprite>(name, myJournal, r);
    }
    // One pump per 30 ms of time.
    void Tick() {
        myClock.Advance(CMovingSprite::kStepTime);
        tolm::UpdateFakeThreads(0);
    }

    tolm::CScopedManualTime myClock{5000};
    Events myJournal;
};

TEST_F(MovingSpriteTest, EaseMovesAFifthOfTheWayWithChildrenAndRestsFourShort) {
    auto group = std::make_shared<CMovingSprite>();
    auto body = Make("body", {0, 100, 10, 10});
    auto head = Make("head", {3, 90, 4, 4});
    group->SetSprite(body);
    group->AddChild(head);
    group->GlideTo(5, 80);  // centre: 25 pixels up
    EXPECT_FALSE(group->IsPaused());
    std::vector<int> moves;
    for (int tick = 0; tick < 14; ++tick) {
        const int before = body->GetY();
        tolm::UpdateFakeThreads(0);
        myClock.Advance(CMovingSprite::kStepTime);
        moves.push_back(before - body->GetY());
    }
    EXPECT_EQ(moves, (std::vector<int>{5, 4, 3, 2, 2, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(body->GetY(), 79);
    EXPECT_EQ(head->GetY(), 69);
    EXPECT_FALSE(group->IsPaused());

    // A glide to where it is pauses at once; a jump moves the children along.
    group->GlideTo(5, 84);
    EXPECT_TRUE(group->IsPaused());
    group->JumpToX(50);
    EXPECT_EQ(body->GetX(), 45);
    EXPECT_EQ(head->GetX(), 48);
    EXPECT_TRUE(group->IsPaused());
}

TEST_F(MovingSpriteTest, FallLandsExactlyAndChildrenFollowOnlyTheSnap) {
    auto group = std::make_shared<CMovingSprite>();
    auto picture = Make("picture", {0, -598, 800, 600});
    auto child = Make("child", {10, -500, 5, 5});
    group->SetSprite(picture);
    group->AddChild(child);
    group->SetMotion(CMovingSprite::kFall);
    group->GlideTo(400, 300);
    std::vector<int> ys;
    for (int tick = 0; tick < 25; ++tick) {
        tolm::UpdateFakeThreads(0);
        myClock.Advance(CMovingSprite::kStepTime);
        ys.push_back(picture->GetY());
    }
    EXPECT_EQ(std::vector<int>(ys.begin(), ys.begin() + 6),
              (std::vector<int>{-598, -598, -598, -598, -598, -597}));
    EXPECT_EQ(ys.back(), 0);
    EXPECT_EQ(picture->GetX(), 0);
    EXPECT_EQ(child->GetY(), -500);
    // The last step lands on the target; the thread keeps running until the next glide.
    EXPECT_FALSE(group->IsPaused());

    group->GlideTo(401, 301);
    tolm::UpdateFakeThreads(0);
    EXPECT_EQ(picture->GetY(), 1);
    EXPECT_EQ(child->GetY(), -499);
    EXPECT_EQ(child->GetX(), 11);
    EXPECT_TRUE(group->IsPaused());
}

TEST_F(MovingSpriteTest, AnimationsNeedAMainSprite) {
    auto group = std::make_shared<CMovingSprite>();
    group->AddChild(Make("child", {}));
    group->PlayAnimation("talk");
    group->GlideTo(10, 10);
    EXPECT_TRUE(myJournal.empty());
    EXPECT_TRUE(group->IsPaused());
    group->SetSprite(Make("main", {}));
    group->PlayAnimation("silent");
    EXPECT_EQ(myJournal, (Events{"main silent", "child silent"}));
}

TEST_F(MovingSpriteTest, ReleaseDelayKeepsTheMainSpriteInDeathWhileChildrenGoAtOnce) {
    auto group = std::make_shared<CMovingSprite>();
    group->SetSprite(Make("bubble", {0, 0, 28, 28}));
    group->AddChild(Make("shine", {}));
    group->SetReleaseDelay(300);
    group->GlideTo(100, 100);
    tolm::UpdateFakeThreads(0);
    group.reset();  // while gliding
    EXPECT_EQ(myJournal, (Events{"bubble death", "shine gone"}));
    tolm::UpdateFakeThreads(0);
    myClock.Advance(299);
    tolm::UpdateFakeThreads(0);
    EXPECT_EQ(myJournal.size(), 2u);
    myClock.Advance(1);
    tolm::UpdateFakeThreads(0);
    EXPECT_EQ(myJournal.back(), "bubble gone");
    EXPECT_EQ(tolm::GetFakeThreadCount(), 0u);

    // Without a delay everything goes at once; an empty group waits out its delay alone.
    myJournal.clear();
    auto plain = std::make_shared<CMovingSprite>();
    plain->SetSprite(Make("plain", {}));
    plain.reset();
    EXPECT_EQ(myJournal, (Events{"plain gone"}));
    auto empty = std::make_shared<CMovingSprite>();
    empty->SetReleaseDelay(300);
    empty.reset();
    EXPECT_EQ(tolm::GetFakeThreadCount(), 1u);
    for (int i = 0; i < 12; ++i) Tick();
    EXPECT_EQ(tolm::GetFakeThreadCount(), 0u);
}

}  // namespace
}  // namespace game
