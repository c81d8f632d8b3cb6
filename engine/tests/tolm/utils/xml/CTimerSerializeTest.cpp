#include <gtest/gtest.h>

#include "support/TestFiles.h"
#include "tolm/utils/timer/CTimer.h"
#include "tolm/utils/timer/SystemTime.h"
#include "tolm/utils/xml/XmlLoadSave.h"

namespace tolm {
namespace {

// Saved at timer time 250 (paused, then 100 ms pass) or 350 (running), loaded much later.
TEST(CTimerSerialize, ReadsBackAtTheStoredTimeRunningOrFrozen) {
    for (bool paused : {false, true}) {
        SCOPED_TRACE(paused);
        test::CTempDir dir;
        CScopedManualTime clock(1000);
        CTimer timer;
        clock.Advance(250);
        if (paused) timer.Pause();
        clock.Advance(100);
        ASSERT_TRUE(XmlSave(timer, dir.File("timer.xml"), "Timer"));
        EXPECT_EQ(test::ReadFile(dir.File("timer.xml")),
                  paused ? "<Timer>\n  <time>\n    250\n  </time>\n  <pause>\n    1\n  </pause>\n"
                           "</Timer>\n"
                         : "<Timer>\n  <time>\n    350\n  </time>\n</Timer>\n");
        clock.Advance(5000);
        CTimer back;
        ASSERT_TRUE(XmlLoad(back, dir.File("timer.xml")));
        clock.Advance(20);
        EXPECT_EQ(back.IsPaused(), paused);
        EXPECT_EQ(back.GetTime(), paused ? 250u : 370u);
        back.Resume();
        clock.Advance(10);
        EXPECT_EQ(back.GetTime(), paused ? 260u : 380u);
    }
}

// Absent members leave the timer alone; paused by a file without a stored time, the timer
// freezes where it stood.
TEST(CTimerSerialize, AbsentMembersLeaveTheTimerAlone) {
    for (const char* document : {"<Timer></Timer>", "<Timer><pause>1</pause></Timer>"}) {
        SCOPED_TRACE(document);
        test::CTempDir dir;
        test::WriteFile(dir.File("timer.xml"), document);
        CScopedManualTime clock(100);
        CTimer timer;
        clock.Advance(70);
        ASSERT_TRUE(XmlLoad(timer, dir.File("timer.xml")));
        clock.Advance(50);
        EXPECT_EQ(timer.GetTime(), timer.IsPaused() ? 70u : 120u);
        EXPECT_EQ(timer.IsPaused(), std::string(document).find("pause") != std::string::npos);
    }
}

}  // namespace
}  // namespace tolm
