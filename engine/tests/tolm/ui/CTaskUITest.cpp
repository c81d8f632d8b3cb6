// The "ui" task over SDL's real event queue: pointer events reach the desktop's widgets,
// window size changes resize the desktop, and stopping the task disconnects it.
#include <gtest/gtest.h>

#include "tolm/inputdevice/CEventManager.h"
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
};

TEST_F(CTaskUITest, PointerEventsDragAWindowAndResizesReachTheDesktop) {
    EXPECT_EQ(ui::Desktop()->GetRect(), types::rect(0, 0, 640, 480));
    auto* window = new ui::CWindowWidget(ui::Desktop(), types::rect(10, 10, 200, 100));
    PushMotion(50, 20);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    PushMotion(80, 60);
    PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    PushMotion(300, 300);
    Scheduler().RunOnce();
    EXPECT_EQ(window->GetRect(), types::rect(40, 50, 200, 100));

    EventManager().Resize(100, 80);
    EXPECT_EQ(ui::Desktop()->GetRect(), types::rect(0, 0, 100, 80));
    EXPECT_EQ(window->GetRect(), types::rect(6, 8, 31, 16));  // scaled with the desktop

    Factory().StopTask("ui");
    EventManager().Resize(640, 480);
    EXPECT_EQ(ui::Desktop()->GetRect(), types::rect(0, 0, 100, 80));
    PushMotion(20, 20);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    PushMotion(60, 60);
    Scheduler().RunOnce();
    EXPECT_EQ(window->GetRect(), types::rect(6, 8, 31, 16));
    delete window;
}

}  // namespace
}  // namespace tolm::test
