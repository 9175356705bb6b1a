// The start countdown that releases the drivers one start interval apart (standard start:
// on its own; WRC start: each driver's crossing starts the next one's countdown), and the
// rest countdown between two special stages. Both run inside the race engine's tick.
#pragma once

#include <cstdint>

#include "race/main_state.h"

struct StartCountdown {
  int active;
  int nextIndex;  // WRC: the entry the countdown is for
  int found;
  std::uint32_t countdownStartTick;
  std::uint32_t lastRefreshTick;
  int secondsLeft;
  int millis;
  std::uint32_t msSinceRefresh;
  int once[6];  // 0, 1, 2, 3, 10 and 30 seconds left
  char countdownText[10];
  char driverText[kDriverNameSize];
};

struct RestDelayCountdown {
  int active;
  std::uint32_t startTick;
  int restMinutes;
  int elapsedMinutes, elapsedSeconds, elapsedMillis;
  int remainingMinutes, remainingSeconds;
  std::uint32_t lastRefreshTick;
  std::uint32_t msSinceRefresh;
  int once[7];  // 60, 30, 15, 5, 2, 1 minutes left and 0:00
  char restText[7];
  char restStateText[22];
  int restElapsed;
};

// The screen areas that the countdowns and the engine redraw.
enum class RaceArea { LiveTable, Clock, Countdown, RestClock };

// What the countdowns and the engine ask of the windows. The Win32 side redraws and sends
// to the start lights; tests record.
class RaceScreenSink {
 public:
  virtual ~RaceScreenSink() = default;
  virtual void Redraw(RaceArea area) = 0;
  // Message 4101 to the start-lights window, when one is open.
  virtual void StartLights(const char* driverText, int seconds) = 0;
};

// The built-in sound, or the operator's file of slot when the language word asks for the
// custom sounds and the slot holds one.
const char* ChooseSound(const MainState& state, int slot, const char* builtIn);
// Plays a sound of the program folder (or a custom file) asynchronously or synchronously.
void PlayRaceSound(const MainState& state, int slot, const char* builtIn, bool wait);
// Whether a sound switch of SoundSettings is on ("<word>oui").
bool SoundSwitchOn(const char* value, const char* word);

// EntryState 0 -> 1 in the live entry, its ranking copy and its display row.
void ReleaseDriver(MainState& state, int index);

// Start: set up the start countdown (start interval above 0) and tell the start lights.
void SetUpStartCountdown(MainState& state, StartCountdown& countdown, RaceScreenSink& screen);
// One tick of the running start countdown.
void StartCountdownStep(MainState& state, StartCountdown& countdown, RaceScreenSink& screen);
// WRC: the driver the countdown was for has crossed the line; the next one's countdown begins.
void WrcHandOver(MainState& state, StartCountdown& countdown);
// The first pass of a released driver starts him: his start time on the pass clock, his start
// offset from the release (late when over the critical delay, or early with the WRC start),
// and with the WRC start the next driver's countdown.
void StartReleasedEntry(MainState& state, StartCountdown& countdown, StageEntry& entry, int startTime);
// The sound of an accepted pass: the best-time sound, or the pass beep of a start or a finish.
void PlayAcceptedPassSound(const MainState& state, StageEntry& entry);

// Pause after timing: the rest begins (rest above 0 minutes).
void StartRestCountdown(RestDelayCountdown& rest, int restMinutes);
// Start: the rest ends and its texts are cleared.
void StopRestCountdown(RestDelayCountdown& rest);
void RestCountdownStep(const MainState& state, RestDelayCountdown& rest, RaceScreenSink& screen);
// restStateText from the remaining minutes and seconds (zero or negative once the rest has
// run out), within its 22 bytes.
void FormatRestState(RestDelayCountdown& rest);
