#include <gtest/gtest.h>

#include "support/TestFiles.h"
#include "tolm/utils/timer/CTimer.h"
#include "tolm/utils/timer/SystemTime.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm {
namespace {

TEST(CTimerSerialize, RunningTimerRestartsAtTheStoredTime) {
    test::CTempDir dir;
    CScopedManualTime clock(1000);
    CTimer timer;
    clock.Advance(300);
    ASSERT_TRUE(XmlSave(timer, dir.File("timer.xml"), "Timer"));
    EXPECT_EQ(test::ReadFile(dir.File("timer.xml")),
              "<Timer>\n  <time>\n    300\n  </time>\n</Timer>\n");

    clock.Advance(5000);
    CTimer back;
    ASSERT_TRUE(XmlLoad(back, dir.File("timer.xml")));
    EXPECT_FALSE(back.IsPaused());
    EXPECT_EQ(back.GetTime(), 300u);
    clock.Advance(20);
    EXPECT_EQ(back.GetTime(), 320u);
}

TEST(CTimerSerialize, PausedTimerReadsBackFrozen) {
    test::CTempDir dir;
    CScopedManualTime clock(0);
    CTimer timer;
    clock.Advance(250);
    timer.Pause();
    clock.Advance(1000);
    ASSERT_TRUE(XmlSave(timer, dir.File("timer.xml"), "Timer"));
    EXPECT_EQ(test::ReadFile(dir.File("timer.xml")),
              "<Timer>\n  <time>\n    250\n  </time>\n  <pause>\n    1\n  </pause>\n</Timer>\n");

    CTimer back;
    clock.Advance(3000);
    ASSERT_TRUE(XmlLoad(back, dir.File("timer.xml")));
    EXPECT_TRUE(back.IsPaused());
    clock.Advance(400);
    EXPECT_EQ(back.GetTime(), 250u);
    back.Resume();
    clock.Advance(10);
    EXPECT_EQ(back.GetTime(), 260u);
}

TEST(CTimerSerialize, AbsentMembersLeaveTheTimerAlone) {
    test::CTempDir dir;
    test::WriteFile(dir.File("pause_only.xml"), "<Timer><pause>1</pause></Timer>");
    test::WriteFile(dir.File("nothing.xml"), "<Timer></Timer>");
    CScopedManualTime clock(100);
    CTimer timer;
    clock.Advance(70);
    ASSERT_TRUE(XmlLoad(timer, dir.File("nothing.xml")));
    EXPECT_FALSE(timer.IsPaused());
    EXPECT_EQ(timer.GetTime(), 70u);
    // Paused by the file without a stored time: frozen where it stood.
    ASSERT_TRUE(XmlLoad(timer, dir.File("pause_only.xml")));
    EXPECT_TRUE(timer.IsPaused());
    clock.Advance(50);
    EXPECT_EQ(timer.GetTime(), 70u);
}

}  // namespace
}  // namespace tolm
