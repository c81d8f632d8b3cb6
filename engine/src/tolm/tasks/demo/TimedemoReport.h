// The one line a timing run ends with: passes, frames drawn, wall and processor time, and
// the milliseconds per frame as minimum, median and 95th percentile.
#ifndef TOLM_TASKS_DEMO_TIMEDEMOREPORT_H
#define TOLM_TASKS_DEMO_TIMEDEMOREPORT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tolm {

struct STimedemoFigures {
    // Frame times kept at most: 32 MB, some 18 hours at 60 frames a second.
    static constexpr std::size_t kMaxFrameSamples = 4u << 20;

    std::uint64_t passes = 0;
    std::uint64_t frames = 0;
    // Wall milliseconds from the start (or the frame before) to each frame drawn, for the
    // first kMaxFrameSamples frames.
    std::vector<double> frameMs;
    double wallSeconds = 0.0;
    double cpuSeconds = 0.0;
};

// The nearest-rank percentile (0 < percent <= 100) of the values; 0 for none.
double Percentile(std::vector<double> values, double percent);
// The median (the mean of the middle two for an even count); 0 for none.
double Median(std::vector<double> values);

// "Timedemo FILE: P passes, F frames drawn in W s (CPU C s); ms per frame min A, median B,
// 95th percentile C".
std::string TimedemoLine(const std::string& fileName, const STimedemoFigures& figures);

}  // namespace tolm

#endif
