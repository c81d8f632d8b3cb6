#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tolm/tasks/task_debug/CFpsCounter.h"

namespace tolm {
namespace {

// A loop pass every millisecond; the graphics side draws a frame when at least `pace` ms
// have passed since its last one, as the graphics task does.
std::vector<std::uint32_t> Readouts(types::ticks pace, types::ticks duration,
                                    types::ticks start = 0) {
    CFpsCounter counter;
    counter.Restart(0, start);
    std::vector<std::uint32_t> readouts;
    std::uint32_t frames = 0;
    types::ticks lastFrame = start;
    for (types::ticks now = start; now != start + duration; ++now) {
        if (static_cast<types::ticks>(now - lastFrame) >= pace) {
            ++frames;
            lastFrame = now;
        }
        if (counter.Update(frames, now)) readouts.push_back(counter.GetReadout());
    }
    return readouts;
}

TEST(FpsCounter, CountsDrawnFramesNotPasses) {
    const auto sixty = Readouts(17, 10000);  // about 59 frames a second
    ASSERT_EQ(sixty.size(), 9u);
    for (std::uint32_t readout : sixty) EXPECT_TRUE(readout == 58 || readout == 59) << readout;
    for (std::uint32_t readout : Readouts(16, 5000, 0xFFFFF000u))  // the clock wraps
        EXPECT_TRUE(readout == 62 || readout == 63) << readout;
    EXPECT_EQ(Readouts(1, 3000), (std::vector<std::uint32_t>{1000, 1000}));
}

}  // namespace
}  // namespace tolm
