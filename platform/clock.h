// The system tick count and the high-resolution counter; a test may replace both by a
// manual clock that moves only when the test says.
#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary origin; wraps after 49.7 days, so callers take
// differences as unsigned 32-bit values.
std::uint32_t TickCount();
std::int64_t PerformanceCounter();
// Counts per second; may be 0 on a machine without the counter.
std::int64_t PerformanceFrequency();
// Blocks the thread (the manual clock advances instead).
void SleepMs(std::uint32_t ms);

}  // namespace platform

namespace platform::test {
// Tick count starts at startTick; the counter runs at frequency counts per second
// (0 imitates a machine without a high-resolution counter).
void UseManualClock(std::uint32_t startTick = 1000, std::int64_t frequency = 1000000);
void AdvanceClock(std::uint32_t ms);
// Every query of the tick count or the counter advances the manual clock by ms, so that
// loops that wait on the clock end.
void SetClockStepPerQuery(std::uint32_t ms);
void UseSystemClock();
}  // namespace platform::test
