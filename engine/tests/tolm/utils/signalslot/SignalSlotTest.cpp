#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/utils/signalslot/CSSObjectRegistry.h"
#include "tolm/utils/signalslot/CSignal.h"
#include "tolm/utils/signalslot/SignalSlot.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm {
namespace {

std::vector<std::string> gCalls;

class CTestTarget : public CSSObject {
public:
    explicit CTestTarget(const std::string& name) : CSSObject(name) {}
    void TestSlot() { gCalls.push_back(GetName()); }
    void Dragged(int dx, int dy) {
        gCalls.push_back(GetName() + " " + std::to_string(dx) + "," + std::to_string(dy));
    }
    void Unregistered() { gCalls.push_back("unregistered"); }
};

const bool gRegistered = RegisterSlot("CTestTarget", "TestSlot", &CTestTarget::TestSlot) &&
                         RegisterSlot("CTestTarget", "Dragged", &CTestTarget::Dragged);

// A slot that counts its deletions and can run an action when called.
class CProbeSlot : public CCallSlot<> {
public:
    explicit CProbeSlot(int* deleted) : myDeleted(deleted) {}
    ~CProbeSlot() override { ++*myDeleted; }
    void Call() override {
        gCalls.push_back("probe");
        if (myAction) myAction();
    }
    CSSObject* GetTarget() const override { return nullptr; }
    bool SameCall(const CSlot& other) const override { return &other == this; }
    std::function<void()> myAction;

protected:
    void ForgetTarget() override {}

private:
    int* myDeleted;
};

class SignalSlot : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gRegistered);
        gCalls.clear();
    }
    CTestTarget a{"a"}, b{"b"}, c{"c"}, test1{"test1"}, test2{"test2"};
};

TEST_F(SignalSlot, UnknownNamesGiveNoSlotAndConnectIgnoresIt) {
    EXPECT_EQ(CreateSlot("nobody", "TestSlot"), nullptr);
    EXPECT_EQ(CreateSlot("test1", "NoSuchSlot"), nullptr);
    CSignal<> signal;
    signal.Connect(CreateSlot("test1", "TestSlot")).Connect(CreateSlot("nobody", "TestSlot"));
    EXPECT_EQ(signal.GetSlots().size(), 1u);
}

TEST_F(SignalSlot, EmitCallsSlotsInConnectionOrderWithTheArguments) {
    CSignal<> empty;
    empty.Emit();
    EXPECT_TRUE(gCalls.empty());

    CSignal<> clicked;
    clicked.Connect(CreateSlot("b", "TestSlot"))
        .Connect(CreateSlot("c", "TestSlot"))
        .Connect(CreateSlot("a", "TestSlot"));
    clicked.Emit();
    EXPECT_EQ(gCalls, (std::vector<std::string>{"b", "c", "a"}));

    gCalls.clear();
    CSignal<int, int> dragged;
    dragged.Connect(CreateSlot("c", "Dragged")).Connect(CreateSlot("a", "Dragged"));
    dragged.Emit(-3, 7);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"c -3,7", "a -3,7"}));
}

TEST_F(SignalSlot, ASlotIsConnectedOnceAndMovesBetweenSignals) {
    CSignal<> first;
    CSignal<> second;
    std::unique_ptr<CSlot> slot = CreateSlot("a", "TestSlot");
    CSlot* raw = slot.get();
    first.Connect(std::move(slot));
    first.Connect(std::unique_ptr<CSlot>(raw));
    EXPECT_EQ(first.GetSlots().size(), 1u);
    second.Connect(std::unique_ptr<CSlot>(raw));
    EXPECT_TRUE(first.IsEmpty());
    EXPECT_EQ(raw->GetOwner(), &second);
    first.Emit();
    second.Emit();
    EXPECT_EQ(gCalls, std::vector<std::string>{"a"});
}

TEST_F(SignalSlot, ADestroyedTargetLeavesItsSignals) {
    CSignal<> signal;
    std::unique_ptr<CSlot> loose;
    {
        CTestTarget gone("gone");
        CTestTarget("stays");
        signal.Connect(CreateSlot("gone", "TestSlot"));
        loose = CreateSlot("gone", "TestSlot");
    }
    CTestTarget stays("stays");
    signal.Connect(CreateSlot("stays", "TestSlot"));
    signal.Emit();
    EXPECT_EQ(gCalls, std::vector<std::string>{"stays"});
    EXPECT_EQ(signal.GetSlots().size(), 1u);
    // The loose slot still belongs to its creator but no longer reaches anything.
    EXPECT_EQ(loose->GetTarget(), nullptr);
    signal.Connect(std::move(loose));
    signal.Emit();
    EXPECT_EQ(gCalls, (std::vector<std::string>{"stays", "stays"}));
}

TEST_F(SignalSlot, SlotsMayDeleteSlotsTargetsOrTheSignalWhileItEmits) {
    int deleted = 0;
    CSignal<> signal;
    auto first = std::make_unique<CProbeSlot>(&deleted);
    auto second = std::make_unique<CProbeSlot>(&deleted);
    CProbeSlot* rawSecond = second.get();
    auto target = std::make_unique<CTestTarget>("target");
    first->myAction = [rawSecond] { delete rawSecond; };
    signal.Connect(std::move(first)).Connect(std::move(second));
    signal.Connect(CreateSlot("target", "TestSlot"));
    auto killer = std::make_unique<CProbeSlot>(&deleted);
    killer->myAction = [&target] { target.reset(); };
    signal.Connect(std::move(killer));
    signal.Connect(MakeSlot(target.get(), &CTestTarget::TestSlot));
    signal.Emit();
    // second was deleted before its turn; the target died before its second slot's turn
    EXPECT_EQ(gCalls, (std::vector<std::string>{"probe", "target", "probe"}));
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(signal.GetSlots().size(), 2u);

    gCalls.clear();
    auto owned = std::make_unique<CSignal<>>();
    auto selfDestruct = std::make_unique<CProbeSlot>(&deleted);
    selfDestruct->myAction = [&owned] { owned.reset(); };
    owned->Connect(std::move(selfDestruct)).Connect(std::make_unique<CProbeSlot>(&deleted));
    owned->Emit();
    EXPECT_EQ(gCalls, std::vector<std::string>{"probe"});
    EXPECT_EQ(owned, nullptr);
    EXPECT_EQ(deleted, 3);
}

TEST_F(SignalSlot, ConnectionsAreSavedAndRestoredInOrder) {
    test::CTempDir dir;
    const std::string file = dir.File("button.xml");
    int deleted = 0;
    {
        CSignal<> signal;
        signal.Connect(CreateSlot("test2", "TestSlot"))
            .Connect(MakeSlot(&test1, &CTestTarget::Unregistered))
            .Connect(std::make_unique<CProbeSlot>(&deleted))
            .Connect(CreateSlot("test1", "TestSlot"));
        ASSERT_TRUE(XmlSave(signal, file, "Button"));
    }
    EXPECT_EQ(test::ReadFile(file),
              "<Button>\n"
              "  <Slot function=\"TestSlot\" target=\"test2\" >\n"
              "  </Slot>\n"
              "  <Slot function=\"TestSlot\" target=\"test1\" >\n"
              "  </Slot>\n"
              "</Button>\n");

    CSignal<> restored;
    restored.Connect(CreateSlot("test1", "TestSlot"));
    ASSERT_TRUE(XmlLoad(restored, file));
    ASSERT_EQ(restored.GetSlots().size(), 3u);
    EXPECT_EQ(GetSlotInfo(restored.GetSlots()[1]),
              std::make_pair(std::string("test2"), std::string("TestSlot")));
    restored.Emit();
    EXPECT_EQ(gCalls, (std::vector<std::string>{"test1", "test2", "test1"}));
}

TEST_F(SignalSlot, RestoringSkipsElementsThatDescribeNoUsableSlot) {
    test::CTempDir dir;
    const std::string file = dir.File("drag.xml");
    test::WriteFile(file,
                    "<Window>\n"
                    "<Slot function=\"Dragged\"></Slot>\n"
                    "<Slot target=\"a\"></Slot>\n"
                    "<Link function=\"Dragged\" target=\"a\"></Link>\n"
                    "<Slot function=\"Dragged\" target=\"nobody\"></Slot>\n"
                    "<Slot function=\"Missing\" target=\"a\"></Slot>\n"
                    "<Slot function=\"TestSlot\" target=\"a\"></Slot>\n"
                    "<Slot function=\"Dragged\" target=\"b\"></Slot>\n"
                    "<Slot target=\"a\" function=\"Dragged\"></Slot>\n"
                    "</Window>\n");
    CSignal<int, int> dragged;
    ASSERT_TRUE(XmlLoad(dragged, file));
    dragged.Emit(1, 2);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"b 1,2", "a 1,2"}));
}

TEST(SignalSlotRegistry, TheObjectRegistryLivesWhileObjectsDo) {
    EXPECT_FALSE(CSingletonPtr<CSSObjectRegistry>::Exists());
    {
        CTestTarget first("twin");
        CTestTarget second("twin");
        EXPECT_EQ(FindObject("twin"), &first);
        EXPECT_EQ(ObjectRegistry().GetCount(), 2u);
    }
    EXPECT_FALSE(CSingletonPtr<CSSObjectRegistry>::Exists());
    EXPECT_EQ(FindObject("twin"), nullptr);
    EXPECT_FALSE(CSingletonPtr<CSSObjectRegistry>::Exists());  // looking up made none
}

}  // namespace
}  // namespace tolm
