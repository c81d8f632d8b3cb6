// The "debug" task in a running engine under the dummy video driver: the console opens and
// closes without leaving widgets, sprites or log listeners behind, shows the log, runs what
// is typed, and the readout counts the frames the graphics task drew.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestFiles.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/inputdevice/CTextInputFocus.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/task_debug/CConsoleWidget.h"
#include "tolm/tasks/task_debug/CTaskDebug.h"
#include "tolm/ui/CDesktopWidget.h"
#include "tolm/ui/CWindowWidget.h"
#include "tolm/utils/logger/CLogger.h"
#include "tolm/utils/timer/SystemTime.h"

namespace tolm::test {
namespace {

class CTaskDebugTest : public CInputTest {
protected:
    void SetUp() override {
        CInputTest::SetUp();
        if (!Factory().IsTypeRegistered("window") || !Factory().IsTypeRegistered("gfx"))
            GTEST_SKIP() << "needs the window and graphics tasks";
        // The command line keeps its history file in the working directory.
        myOldDirectory = std::filesystem::current_path();
        std::filesystem::current_path(myDirectory.Path());
        Console().Execute("starttask(\"window\", \"window\", 1, 640, 480, 32)");
        ASSERT_TRUE(Factory().StartTask("gfx", "gfx", 2, nullptr));
        myListeners = Logger().GetListenerCount();
        mySprites = ScreenLayer().GetSprites().size();
        ASSERT_TRUE(Factory().StartTask("debug", "Debug", 3, nullptr));
        myTask = CTaskDebug::GetRunning();
        ASSERT_NE(myTask, nullptr);
    }
    void TearDown() override {
        CInputTest::TearDown();
        if (!myOldDirectory.empty()) std::filesystem::current_path(myOldDirectory);
    }
    static void Toggle() { Console().Execute("Debug::ToggleConsole()"); }
    static void Type(const std::string& text) {
        for (char c : text) EventManager().Character(static_cast<unsigned char>(c));
    }
    static void Key(int key) { EventManager().KeyDown(key); }

    CTempDir myDirectory;
    std::filesystem::path myOldDirectory;
    CScopedManualTime myTime{1000};
    CTaskDebug* myTask = nullptr;
    std::size_t myListeners = 0;
    std::size_t mySprites = 0;
};

TEST_F(CTaskDebugTest, OpeningAndClosingLeavesNothingBehind) {
    const std::size_t withReadout = ScreenLayer().GetSprites().size();
    EXPECT_EQ(withReadout, mySprites + 1);
    for (int i = 0; i < 200; ++i) {
        Toggle();
        ASSERT_TRUE(myTask->IsConsoleOpen());
        Scheduler().RunOnce();
        Toggle();
        ASSERT_FALSE(myTask->IsConsoleOpen());
    }
    EXPECT_EQ(ui::CWidget::GetLiveCount(), 1);  // the desktop
    EXPECT_EQ(ScreenLayer().GetSprites().size(), withReadout);
    EXPECT_EQ(Logger().GetListenerCount(), myListeners);
    EXPECT_EQ(GetTextInputFocus(), nullptr);

    Toggle();
    ui::CWindowWidget* window = myTask->GetConsoleWindow();
    EXPECT_EQ(window->GetRect(), types::rect(10, 10, 400, 200));
    EXPECT_EQ(window->GetName(), "Dev-tool");
    EXPECT_EQ(myTask->GetConsoleWidget()->GetRect(), window->GetClientArea()->GetRect());
    const types::rect close = window->GetCloseButton()->GetRect();
    ui::Desktop().HandleMouseEvent(
        ui::CMouseEvent(ui::CMouseEvent::kPressed, close.x + 5, close.y + 5, 1));
    ui::Desktop().HandleMouseEvent(
        ui::CMouseEvent(ui::CMouseEvent::kReleased, close.x + 5, close.y + 5, 1));
    Scheduler().RunOnce();
    EXPECT_FALSE(myTask->IsConsoleOpen());
    Toggle();
    EXPECT_TRUE(myTask->IsConsoleOpen());

    Factory().StopTask("Debug");
    EXPECT_EQ(ui::CWidget::GetLiveCount(), 1);
    EXPECT_EQ(ScreenLayer().GetSprites().size(), mySprites);
    EXPECT_EQ(Logger().GetListenerCount(), myListeners);
    EXPECT_EQ(CTaskDebug::GetRunning(), nullptr);
}

TEST_F(CTaskDebugTest, TheConsoleShowsTheLogAndRunsTypedLines) {
    Toggle();
    Logger() << "a line for the console\n";
    Type("zz_a = 5");
    Key(13);
    Type("zz_a");
    Key(13);
    Scheduler().RunOnce();
    const std::string text = myTask->GetConsoleWidget()->GetTextSprite()->GetText();
    EXPECT_NE(text.find("a line for the console\nzz_a = 5\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nzz_a\n5\n> _"), std::string::npos) << text;
    Key(273);  // up: the last line again
    EXPECT_EQ(myTask->GetInputLine().GetText(), "zz_a");
    Key(278);                              // home
    for (int i = 0; i < 4; ++i) Key(127);  // delete
    Type("star");
    Key(9);
    EXPECT_EQ(myTask->GetInputLine().GetText(), "starttask");
    Toggle();
    Type("x");  // closed: typing goes nowhere
    EXPECT_EQ(myTask->GetInputLine().GetText(), "starttask");
}

TEST_F(CTaskDebugTest, TheReadoutCountsDrawnFrames) {
    for (int ms = 0; ms < 2500; ++ms) {
        myTime.Advance(1);
        Scheduler().RunOnce();
    }
    const std::string text = myTask->GetFpsSprite()->GetText();
    EXPECT_TRUE(text == "Fps: 62" || text == "Fps: 63") << text;
}

TEST_F(CTaskDebugTest, ReadoutStartedBeforeTheGraphicsTaskWaitsForIt) {
    Factory().StopTask("Debug");
    Factory().StopTask("gfx");
    ASSERT_EQ(Gfx::GetFactory(), nullptr);
    ASSERT_TRUE(Factory().StartTask("debug", "Debug2", 3, nullptr));
    CTaskDebug* early = CTaskDebug::GetRunning();
    Scheduler().RunOnce();
    EXPECT_EQ(early->GetFpsSprite(), nullptr);
    ASSERT_TRUE(Factory().StartTask("gfx", "gfx2", 2, nullptr));
    Scheduler().RunOnce();
    ASSERT_NE(early->GetFpsSprite(), nullptr);
    EXPECT_EQ(early->GetFpsSprite()->GetText(), "Fps: ");
    EXPECT_FALSE(early->GetFpsSprite()->IsEmpty());
}

}  // namespace
}  // namespace tolm::test
