#include "tolm/tasks/demo/TimedemoReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tolm {

double Percentile(std::vector<double> values, double percent) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(values.size()));
    const std::size_t index = rank < 1.0 ? 0 : static_cast<std::size_t>(rank) - 1;
    return values[std::min(index, values.size() - 1)];
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

std::string TimedemoLine(const std::string& fileName, const STimedemoFigures& figures) {
    const std::vector<double>& ms = figures.frameMs;
    const double least = ms.empty() ? 0.0 : *std::min_element(ms.begin(), ms.end());
    char text[512];
    std::snprintf(text, sizeof text,
                  "%llu passes, %llu frames drawn in %.3f s (CPU %.3f s); ms per frame min "
                  "%.3f, median %.3f, 95th percentile %.3f",
                  static_cast<unsigned long long>(figures.passes),
                  static_cast<unsigned long long>(figures.frames), figures.wallSeconds,
                  figures.cpuSeconds, least, Median(ms), Percentile(ms, 95.0));
    return "Timedemo \"" + fileName + "\": " + text;
}

}  // namespace tolm
