#include "race/stage_clock.h"

#include "platform/clock.h"
#include "race/time_format.h"

bool RefreshPacing(int elapsedMillis, std::uint32_t msSinceRefresh) {
  return elapsedMillis >= 1 && elapsedMillis <= 279 && msSinceRefresh > 400;
}

CountdownReading ComputeCountdown(std::uint32_t startTick, int intervalSeconds, std::uint32_t lastRefreshTick) {
  CountdownReading r{};
  r.msSinceRefresh = platform::TickCount() - lastRefreshTick;
  r.elapsed = TickDifference(startTick, platform::TickCount());
  r.seconds = r.elapsed / 1000;
  r.millis = r.elapsed - r.seconds * 1000;
  r.secondsLeft = ClampToTime((std::int64_t{intervalSeconds} * 1000 - r.elapsed + 1000) / 1000);
  return r;
}

StageClockReading ComputeStageClock(std::uint32_t startTick, int maximumHours, int maximumMinutes,
                                    std::uint32_t lastRefreshTick, int keptElapsedMs) {
  StageClockReading r{};
  r.msSinceRefresh = platform::TickCount() - lastRefreshTick;
  r.elapsed = ClampToTime(std::int64_t{keptElapsedMs} + TickDifference(startTick, platform::TickCount()));
  SplitMilliseconds(r.elapsed, &r.elapsedHours, &r.elapsedMinutes, &r.elapsedSeconds, &r.elapsedMillis);
  r.remaining = ClampToTime(std::int64_t{maximumHours} * 3600000 + std::int64_t{maximumMinutes} * 60000 + 1000 -
                            r.elapsed);
  int millis = 0;
  SplitMilliseconds(r.remaining, &r.remainingHours, &r.remainingMinutes, &r.remainingSeconds, &millis);
  return r;
}

StartClockReading ComputeStartClock(std::uint32_t startTick, int limitMinutes, std::uint32_t lastRefreshTick) {
  StartClockReading r{};
  r.msSinceRefresh = platform::TickCount() - lastRefreshTick;
  r.elapsed = TickDifference(startTick, platform::TickCount());
  r.elapsedMinutes = r.elapsed / 60000;
  r.elapsedSeconds = r.elapsed % 60000 / 1000;
  r.elapsedMillis = r.elapsed % 1000;
  r.remaining = ClampToTime(std::int64_t{limitMinutes} * 60000 - r.elapsed + 1000);
  r.remainingMinutes = r.remaining / 60000;
  r.remainingSeconds = r.remaining % 60000 / 1000;
  return r;
}
