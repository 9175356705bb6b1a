// Arithmetic of the stage clock, the staggered-start countdown and the restart-delay clock.
// Each reads the tick count twice: once for the time since the last refresh, once for the
// value. Tick differences are unsigned 32-bit differences, so a wrap of the tick count
// (every 49.7 days) does no harm; divisions truncate toward zero.
#pragma once

#include <cstdint>

// A clock or countdown rewrites its text once a second, early in the second: when the
// millisecond part of its elapsed time lies in 1..279 and more than 400 ms have passed
// since its last refresh.
bool RefreshPacing(int elapsedMillis, std::uint32_t msSinceRefresh);

struct CountdownReading {
  std::uint32_t msSinceRefresh;
  int elapsed;  // ms since the countdown began
  int seconds;
  int millis;
  // Seconds still to run, counting the second under way: the interval at the start, 1 at
  // exactly the interval, 0 for the next 1,999 ms, then negative.
  int secondsLeft;
};
CountdownReading ComputeCountdown(std::uint32_t startTick, int intervalSeconds, std::uint32_t lastRefreshTick);

struct StageClockReading {
  std::uint32_t msSinceRefresh;
  int elapsed;  // kept elapsed time plus the time since startTick
  int elapsedHours, elapsedMinutes, elapsedSeconds, elapsedMillis;
  int remaining;  // until the maximum stage time has run, plus the second under way
  int remainingHours, remainingMinutes, remainingSeconds;
};
StageClockReading ComputeStageClock(std::uint32_t startTick, int maximumHours, int maximumMinutes,
                                    std::uint32_t lastRefreshTick, int keptElapsedMs);

struct StartClockReading {
  std::uint32_t msSinceRefresh;
  int elapsed;
  int elapsedMinutes, elapsedSeconds, elapsedMillis;
  int remaining;
  int remainingMinutes, remainingSeconds;
};
StartClockReading ComputeStartClock(std::uint32_t startTick, int limitMinutes, std::uint32_t lastRefreshTick);
