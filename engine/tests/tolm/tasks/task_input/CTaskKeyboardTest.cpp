// The keyboard task fed through SDL's real queue and the event task: bindings run once per
// press and in order, key states, "bind" with bad keys, bindings that change the bindings
// or stop the task, pausing, odd key codes and a large burst.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/task_input/CBindCommand.h"
#include "tolm/tasks/task_input/CTaskKeyboard.h"

namespace tolm::test {
namespace {

class CHookCommand : public CCommand {
public:
    explicit CHookCommand(std::function<void()> hook) : myHook(std::move(hook)) {}
    std::string Execute() override {
        myHook();
        return std::string();
    }

private:
    std::function<void()> myHook;
};

class CTaskKeyboardTest : public CInputTest {
protected:
    void SetUp() override {
        CInputTest::SetUp();
        ASSERT_TRUE(Factory().StartTask("event", "event", 1, nullptr));
        ASSERT_TRUE(Factory().StartTask("keyboard", "keyboard", 2, nullptr));
        myKeyboard = dynamic_cast<CTaskKeyboard*>(Factory().FindTask("keyboard"));
        ASSERT_NE(myKeyboard, nullptr);
        Start("rec", 3);
        Journal().clear();
    }
    static std::string Run(const std::string& line) { return Console().Execute(line); }

    CTaskKeyboard* myKeyboard = nullptr;
};

TEST_F(CTaskKeyboardTest, ABindingRunsOncePerPressNeverOnReleaseAndBindingsOfAKeyInOrder) {
    Run("keyboard::bind(\"space\", \"rec::first\")");
    Run("keyboard::bind(32, \"rec::second\")");
    Run("keyboard::bind(\"return\", \"rec::other\")");
    PushKey(SDL_KEYDOWN, SDLK_SPACE);
    Scheduler().RunOnce();
    EXPECT_EQ(Commands(), (Lines{"first", "second"}));
    Journal().clear();
    PushKey(SDL_KEYUP, SDLK_SPACE);
    Scheduler().RunOnce();
    EXPECT_EQ(Commands(), Lines{});
    PushKey(SDL_KEYDOWN, SDLK_SPACE);
    PushKey(SDL_KEYUP, SDLK_SPACE);
    PushKey(SDL_KEYDOWN, SDLK_SPACE);
    Scheduler().RunOnce();
    EXPECT_EQ(Commands(), (Lines{"first", "second", "first", "second"}));
}

TEST_F(CTaskKeyboardTest, KeyStatesSeenInAnUpdateFollowEveryEarlierEventInOrder) {
    std::vector<std::string> seen;
    FindRecorder("rec")->myOnUpdate = [&] {
        seen.push_back(std::to_string(myKeyboard->IsKeyDown(SDLK_a)) +
                       std::to_string(myKeyboard->IsKeyDown(SDLK_b)));
    };
    PushKey(SDL_KEYDOWN, SDLK_a);
    PushKey(SDL_KEYDOWN, SDLK_b);
    PushKey(SDL_KEYUP, SDLK_b);
    Scheduler().RunOnce();
    // Released and pressed again within one pass: down.
    PushKey(SDL_KEYUP, SDLK_a);
    PushKey(SDL_KEYDOWN, SDLK_a);
    PushKey(SDL_KEYDOWN, SDLK_b);
    Scheduler().RunOnce();
    PushKey(SDL_KEYUP, SDLK_a);
    Scheduler().RunOnce();
    EXPECT_EQ(seen, (std::vector<std::string>{"10", "11", "01"}));
    EXPECT_FALSE(myKeyboard->IsKeyDown(-1));
    EXPECT_FALSE(myKeyboard->IsKeyDown(CTaskKeyboard::kKeyCount));
}

TEST_F(CTaskKeyboardTest, BindKeysThatNameOrNumberNoKeyAddNothingAndSaySo) {
    const struct {
        const char* line;
        const char* logged;
    } cases[] = {
        {"bind(\"unknown key\", \"rec::x\")", "[WARNING] bind: no key is named \"unknown key\"\n"},
        {"bind(324, \"rec::x\")", "[WARNING] bind: there is no key with the code 324\n"},
        {"bind(-1, \"rec::x\")", "[WARNING] bind: there is no key with the code -1\n"},
        {"bind(99999999999, \"rec::x\")", "[WARNING] bind: there is no key with the code 1e+11\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        myLog->Clear();
        Run(std::string("keyboard::") + c.line);
        EXPECT_EQ(myLog->Lines(), Lines{c.logged});
    }
    CBindCommand bind(*myKeyboard);
    CParameterList noKind;
    noKind.AddNone();
    noKind.AddString("rec::x");
    EXPECT_EQ(bind.Execute(noKind), "[WARNING] bind: the key must be a key name or a key code\n");
    const std::string usage =
        "[ERROR] You cannot bind unless you give us something to bind to something\n";
    EXPECT_EQ(bind.Execute(), usage);
    CParameterList one;
    one.AddString("a");
    EXPECT_EQ(bind.Execute(one), usage);
    one.AddNumber(5);
    EXPECT_EQ(bind.Execute(one), usage);
    for (int key = 0; key < CTaskKeyboard::kKeyCount; ++key) {
        ASSERT_EQ(myKeyboard->GetBindingCount(key), 0u) << key;
    }
    CParameterList fraction;
    fraction.AddNumber(97.9);
    fraction.AddString("rec::x");
    EXPECT_EQ(bind.Execute(fraction), "");
    EXPECT_EQ(myKeyboard->GetBindingCount(SDLK_a), 1u);
}

TEST_F(CTaskKeyboardTest, BindingsThatBindMoreOrStopTheTaskDoNotBreakTheRunningWalk) {
    CHookCommand rebind([this] {
        myKeyboard->Bind(SDLK_a, "rec::added");
        for (int key = 0; key < 200; ++key) myKeyboard->Bind(key, "rec::many");
    });
    Console().AddCommand("rebind", &rebind);
    Run("keyboard::bind(\"a\", \"rebind\")");
    Run("keyboard::bind(\"a\", \"rec::after\")");
    PushKey(SDL_KEYDOWN, SDLK_a);
    Scheduler().RunOnce();
    EXPECT_EQ(Commands(), (Lines{"after"}));  // what was added waits for the next press

    myKeyboard->Bind(SDLK_b, "stoptask(keyboard)");
    myKeyboard->Bind(SDLK_b, "rec::still");
    Journal().clear();
    PushKey(SDL_KEYDOWN, SDLK_b);
    PushKey(SDL_KEYDOWN, SDLK_a);  // arrives after the stop: dropped
    Scheduler().RunOnce();
    EXPECT_EQ(Commands(), (Lines{"many", "still"}));
    EXPECT_EQ(myKeyboard->GetBindingCount(SDLK_b), 0u);
    EXPECT_EQ(myKeyboard->GetQueuedCount(), 0u);
    Console().RemoveCommand("rebind");
}

TEST_F(CTaskKeyboardTest, APausedKeyboardDropsWhatArrivesButItsKeyStatesFollow) {
    Run("keyboard::bind(\"space\", \"rec::space\")");
    Run("pausetask(\"keyboard\")");
    for (int pass = 0; pass < 50; ++pass) {
        PushKey(SDL_KEYDOWN, SDLK_SPACE);
        PushKey(SDL_KEYUP, SDLK_SPACE);
        PushKey(SDL_KEYDOWN, SDLK_x);
        Scheduler().RunOnce();
    }
    EXPECT_EQ(myKeyboard->GetQueuedCount(), 0u);
    Run("resumetask(\"keyboard\")");
    Scheduler().RunOnce();
    EXPECT_EQ(Commands(), Lines{});
    EXPECT_FALSE(myKeyboard->IsKeyDown(SDLK_SPACE));
    EXPECT_TRUE(myKeyboard->IsKeyDown(SDLK_x));
}

TEST_F(CTaskKeyboardTest, KeyCodesOutsideTheStateArrayAreIgnoredAndABurstTakesOnePass) {
    for (int key : {-1, CTaskKeyboard::kKeyCount, 100000, INT_MIN, INT_MAX}) {
        EventManager().KeyDown(key);
        EventManager().KeyUp(key);
    }
    PushKey(SDL_KEYDOWN, 400);
    Scheduler().RunOnce();
    EXPECT_EQ(myKeyboard->GetQueuedCount(), 0u);

    Run("keyboard::bind(\"space\", \"rec::space\")");
    for (int i = 0; i < 5000; ++i) {
        EventManager().KeyDown(SDLK_SPACE);
        EventManager().KeyUp(SDLK_SPACE);
    }
    EXPECT_EQ(myKeyboard->GetQueuedCount(), 10000u);
    Scheduler().RunOnce();
    EXPECT_EQ(Commands().size(), 5000u);
    EXPECT_EQ(myKeyboard->GetQueuedCount(), 0u);
    EXPECT_FALSE(myKeyboard->IsKeyDown(SDLK_SPACE));
}

}  // namespace
}  // namespace tolm::test
