#include "tolm/utils/random/Random.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace tolm {
namespace {

double ourState = 0.0;
bool ourSeedFixed = false;
double ourFixedSeed = 0.0;

}  // namespace

void SetRandomSeed(double seed) {
    ourState = seed;
}

double GetRandomState() {
    return ourState;
}

double RandomStep() {
    // A seed outside the 32-bit range would make the conversion undefined; fold it in.
    double state = ourState;
    if (!(state > -2147483648.0 && state < 2147483648.0)) {
        state = std::isfinite(state) ? std::fmod(state, 2147483647.0) : 0.0;
    }
    // Schrage's method keeps 16807 * x inside 32 bits.
    std::int32_t x = static_cast<std::int32_t>(state);
    const std::int32_t hi = x / 127773;
    const std::int32_t lo = x - hi * 127773;
    x = 16807 * lo - 2836 * hi;
    if (x <= 0) x += 2147483647;
    ourState = x;
    return ourState;
}

double RandomUnit() {
    return RandomStep() * 4.656612875e-10;
}

int Random(int low, int high) {
    const double u = RandomUnit();
    return low + static_cast<int>(u * (static_cast<double>(high) - low) + 0.5);
}

int RandomPlain(int low, int high) {
    const int span = high - low + 1;
    if (span <= 0) return low;
    return low + std::rand() % span;
}

double ClockSeed() {
    return ourSeedFixed ? ourFixedSeed : static_cast<double>(std::time(nullptr));
}

void FixClockSeed(double seed) {
    ourSeedFixed = true;
    ourFixedSeed = seed;
}

void FreeClockSeed() {
    ourSeedFixed = false;
}

}  // namespace tolm
