// The "ui" task over SDL's real event queue: pointer events reach the desktop's widgets,
// what a widget takes reaches nothing behind it, window size changes resize the desktop,
// and stopping the task disconnects it.
#include <gtest/gtest.h>

#include <functional>

#include "tolm/inputdevice/CEventManager.h"
#include "tolm/inputdevice/CMouse.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWindowWidget.h"

namespace tolm::test {
namespace {

class CTaskUITest : public CInputTest {
protected:
    void SetUp() override {
        CInputTest::SetUp();
        EventManager().Resize(640, 480);
        ASSERT_TRUE(Factory().StartTask("event", "event", 1, nullptr));
        ASSERT_TRUE(Factory().StartTask("ui", "ui", 2, nullptr));
    }
    static void Click() {
        PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
        PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    }
    // The left button down at (x0, y0) and up at (x1, y1).
    static void Drag(int x0, int y0, int x1, int y1) {
        PushMotion(x0, y0);
        PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
        PushMotion(x1, y1);
        PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    }
};

TEST_F(CTaskUITest, PointerEventsDragAWindowAndResizesReachTheDesktop) {
    EXPECT_EQ(ui::Desktop().GetRect(), types::rect(0, 0, 640, 480));
    auto* window = new ui::CWindowWidget(&ui::Desktop(), types::rect(10, 10, 200, 100));
    Drag(50, 20, 80, 60);
    PushMotion(300, 300);
    Scheduler().RunOnce();
    EXPECT_EQ(window->GetRect(), types::rect(40, 50, 200, 100));

    EventManager().Resize(100, 80);
    EXPECT_EQ(ui::Desktop().GetRect(), types::rect(0, 0, 100, 80));
    EXPECT_EQ(window->GetRect(), types::rect(6, 8, 31, 16));  // scaled with the desktop

    Factory().StopTask("ui");
    EventManager().Resize(640, 480);
    EXPECT_EQ(ui::Desktop().GetRect(), types::rect(0, 0, 100, 80));
    PushMotion(20, 20);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    PushMotion(60, 60);
    Scheduler().RunOnce();
    EXPECT_EQ(window->GetRect(), types::rect(6, 8, 31, 16));
    delete window;
}

// The game behind the widgets is a global listener of the mouse device, as here: it hears
// nothing that a widget took, and everything else as before.
TEST_F(CTaskUITest, WhatAWidgetTakesNeverReachesTheMouseDevice) {
    auto* window = new ui::CWindowWidget(&ui::Desktop(), types::rect(10, 10, 200, 100));
    CJournalMouseListener game("game", types::rect(), false);
    Mouse().AddGlobalListener(&game);
    const struct {
        const char* what;
        std::function<void()> push;
        Lines heard;
    } steps[] = {
        {"a move over the game", [] { PushMotion(300, 300); }, {"game move 300,300"}},
        {"a drag of the title bar by (30, 40)", [] { Drag(50, 20, 80, 60); }, {}},
        {"a click on the client area",
         [] {
             PushMotion(100, 120);
             Click();
         },
         {}},
        {"a press on the game released over the window",
         [] { Drag(500, 400, 100, 120); },
         {"game move 500,400", "game down 1", "game up 1"}},
        // As its close button would: the game learns where the pointer is before the press.
        {"a click where the window was",
         [&] {
             delete window;
             Click();
         },
         {"game move 100,120", "game down 1", "game up 1"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        Journal().clear();
        step.push();
        Scheduler().RunOnce();
        EXPECT_EQ(Journal(), step.heard);
    }
}

}  // namespace
}  // namespace tolm::test
