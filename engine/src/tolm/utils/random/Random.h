// The engine's reproducible pseudo-random numbers: a Park-Miller minimal standard generator
// (multiplier 16807, modulus 2147483647) whose process-wide state is set by SetRandomSeed.
#ifndef TOLM_UTILS_RANDOM_RANDOM_H
#define TOLM_UTILS_RANDOM_RANDOM_H

namespace tolm {

void SetRandomSeed(double seed);

// Advances the generator one step and returns the new state (1 .. 2147483646 once seeded).
double RandomStep();

// The next value in (0, 1): state x 4.656612875e-10.
double RandomUnit();

// low + trunc(u * (high - low) + 0.5): both ends come up half as often as inner values.
int Random(int low, int high);

// low + rand() % (high - low + 1), from the C library's generator; used by self-tests only.
int RandomPlain(int low, int high);

// The current state, for tests and saving.
double GetRandomState();

// A seed for a new game: the calendar time in seconds, unless a recorded run has fixed the
// seed (a recording notes the seed its run used, a replay fixes it again).
double ClockSeed();
// Fixes the seed that ClockSeed gives; FreeClockSeed goes back to the calendar time.
void FixClockSeed(double seed);
void FreeClockSeed();

}  // namespace tolm

#endif
