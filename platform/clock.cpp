#include "platform/clock.h"

#include "platform/system.h"

namespace platform {
namespace {

struct ManualClock {
  bool on = false;
  std::uint32_t tick = 0;
  std::uint64_t elapsedMs = 0;  // since UseManualClock, drives the counter
  std::int64_t frequency = 0;
  std::uint32_t stepPerQuery = 0;
};
ManualClock manual;

void StepOnQuery() {
  if (manual.stepPerQuery) test::AdvanceClock(manual.stepPerQuery);
}

}  // namespace

std::uint32_t TickCount() {
  if (!manual.on) return system::TickCount();
  std::uint32_t now = manual.tick;
  StepOnQuery();
  return now;
}

std::int64_t PerformanceCounter() {
  if (!manual.on) return system::PerformanceCounter();
  std::int64_t now = static_cast<std::int64_t>(manual.elapsedMs) * manual.frequency / 1000;
  StepOnQuery();
  return now;
}

std::int64_t PerformanceFrequency() {
  return manual.on ? manual.frequency : system::PerformanceFrequency();
}

void SleepMs(std::uint32_t ms) {
  if (manual.on) {
    test::AdvanceClock(ms);
  } else {
    system::SleepMs(ms);
  }
}

}  // namespace platform

namespace platform::test {

void UseManualClock(std::uint32_t startTick, std::int64_t frequency) {
  manual = ManualClock{true, startTick, 0, frequency, 0};
}

void AdvanceClock(std::uint32_t ms) {
  manual.tick += ms;
  manual.elapsedMs += ms;
}

void SetClockStepPerQuery(std::uint32_t ms) { manual.stepPerQuery = ms; }

void UseSystemClock() { manual = ManualClock{}; }

}  // namespace platform::test
