#include "race/countdowns.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/sound.h"
#include "race/stage_clock.h"

namespace {

enum CountdownOnce { kOnce0, kOnce1, kOnce2, kOnce3, kOnce10, kOnce30 };

bool IsCustomLanguage(const MainState& s) { return std::strcmp(s.sounds.language, "SONLANGUEPersonn.") == 0; }
bool IsEnglishLanguage(const MainState& s) { return std::strcmp(s.sounds.language, "SONLANGUEAnglais") == 0; }

bool CountdownSoundsOn(const MainState& s) { return SoundSwitchOn(s.sounds.countdown, "SONDECOMPTE"); }

void FormatCountdownText(StartCountdown& c) {
  std::snprintf(c.countdownText, sizeof c.countdownText, "%ds", c.secondsLeft);
}

// The 30 s, 10 s and 3-2-1 sounds of a countdown, each once.
void CountdownSounds(const MainState& s, StartCountdown& c) {
  if (!CountdownSoundsOn(s)) return;
  struct Cue { int seconds, once, slot; const char* french; const char* english; };
  static const Cue kCues[] = {
      {30, kOnce30, 7, "sons/30secondes.wav", "sons/30secondesGB.wav"},
      {10, kOnce10, 8, "sons/10secondes.wav", "sons/10secondesGB.wav"},
      {3, kOnce3, 9, "sons/bip1.wav", "sons/bip1.wav"},
      {2, kOnce2, 10, "sons/bip1.wav", "sons/bip1.wav"},
      {1, kOnce1, 11, "sons/bip1.wav", "sons/bip1.wav"},
  };
  for (const Cue& cue : kCues) {
    if (c.secondsLeft != cue.seconds || c.once[cue.once]) continue;
    c.once[cue.once] = 1;
    PlayRaceSound(s, cue.slot, IsEnglishLanguage(s) ? cue.english : cue.french, false);
  }
}

// The start beep. Asynchronous: a sound held on the GUI thread would hold the reading of
// the passes and delay the next driver's countdown.
void StartSound(const MainState& s) {
  if (CountdownSoundsOn(s)) PlayRaceSound(s, 12, "sons/beep2.wav", false);
}

int FirstWaitingEntry(const MainState& s) {
  int count = ClampParticipantCount(s.timing.entryCount);
  for (int i = 0; i < count; ++i)
    if (s.entries[i].state == kEntryNotStarted) return i;
  return -1;
}

void RestartCountdown(StartCountdown& c, int interval, std::uint32_t now) {
  c.countdownStartTick = now;
  c.lastRefreshTick = now;
  c.secondsLeft = interval;
  for (int& flag : c.once) flag = 0;
}

void ComputeInto(StartCountdown& c, int interval) {
  CountdownReading r = ComputeCountdown(c.countdownStartTick, interval, c.lastRefreshTick);
  c.secondsLeft = r.secondsLeft;
  c.millis = r.millis;
  c.msSinceRefresh = r.msSinceRefresh;
}

void StandardStep(MainState& s, StartCountdown& c, RaceScreenSink& screen) {
  int interval = s.parameters.startInterval;
  std::uint32_t now = platform::TickCount();
  if (c.secondsLeft > 0) {
    ComputeInto(c, interval);
    if (RefreshPacing(c.millis, c.msSinceRefresh)) {
      int next = FirstWaitingEntry(s);
      c.found = next >= 0 ? 1 : 0;
      c.active = c.found;
      if (c.found) {
        platform::CopyBounded(c.driverText, s.entries[next].name);
        FormatCountdownText(c);
        screen.Redraw(RaceArea::Countdown);
        if (c.secondsLeft < interval - 2) screen.StartLights(c.driverText, c.secondsLeft);
      }
      c.lastRefreshTick = now;
    }
    CountdownSounds(s, c);
  }
  if (c.secondsLeft == 0) {
    int released = FirstWaitingEntry(s);
    if (released < 0) return;
    ReleaseDriver(s, released);
    s.entries[released].startOffset = static_cast<int>(now);
    StartSound(s);
    if (released < ClampParticipantCount(s.timing.entryCount) - 1) RestartCountdown(c, interval, now);
    screen.Redraw(RaceArea::LiveTable);
  }
}

void WrcStep(MainState& s, StartCountdown& c, RaceScreenSink& screen) {
  int interval = s.parameters.startInterval;
  std::uint32_t now = platform::TickCount();
  int index = c.nextIndex;
  if (index < 0 || index >= kMaxParticipants) {
    c.active = 0;
    return;
  }
  ComputeInto(c, interval);
  if (RefreshPacing(c.millis, c.msSinceRefresh)) {
    platform::CopyBounded(c.driverText, s.entries[index].name);
    FormatCountdownText(c);
    screen.Redraw(RaceArea::Countdown);
    if (c.secondsLeft < interval - 2) screen.StartLights(c.driverText, c.secondsLeft);
    c.lastRefreshTick = now;
  }
  CountdownSounds(s, c);
  // Armed five seconds early, so that a crossing before the scheduled start is caught
  // and marked as a late start by the matching.
  if (c.secondsLeft <= 5) ReleaseDriver(s, index);
  if (c.secondsLeft == 0 && !c.once[kOnce0]) {
    c.once[kOnce0] = 1;
    if (s.entries[index].state == kEntryReleased) StartSound(s);
    screen.Redraw(RaceArea::LiveTable);
  }
}

struct RestCue { int minutes, slot; const char* french; const char* english; };
const RestCue kRestCues[7] = {
    {60, 13, "sons/60minutes.wav", "sons/60minutesGB.wav"}, {30, 14, "sons/30minutes.wav", "sons/30minutesGB.wav"},
    {15, 15, "sons/15minutes.wav", "sons/15minutesGB.wav"}, {5, 16, "sons/5minutes.wav", "sons/5minutesGB.wav"},
    {2, 17, "sons/2minutes.wav", "sons/2minutesGB.wav"},     {1, 18, "sons/1minute.wav", "sons/1minuteGB.wav"},
    {0, 19, "sons/nokia-sms.wav", "sons/nokia-sms.wav"},
};

}  // namespace

bool SoundSwitchOn(const char* value, const char* word) {
  std::string on = std::string(word) + "oui";
  return std::strcmp(value, on.c_str()) == 0;
}

const char* ChooseSound(const MainState& state, int slot, const char* builtIn) {
  if (IsCustomLanguage(state) && slot >= 0 && slot < kCustomSoundCount && state.customSounds.path[slot][0])
    return state.customSounds.path[slot];
  return builtIn;
}

void PlayRaceSound(const MainState& state, int slot, const char* builtIn, bool wait) {
  const char* chosen = ChooseSound(state, slot, builtIn);
  // Built-in sounds live in the program folder, wherever a dialog has moved the current folder.
  std::string path = chosen == builtIn ? platform::ProgramPath(builtIn) : std::string(chosen);
  platform::PlaySoundFile(path.c_str(), wait ? platform::SoundMode::Sync : platform::SoundMode::Async);
}

void ReleaseDriver(MainState& state, int index) {
  if (index < 0 || index >= kMaxParticipants || state.entries[index].state != kEntryNotStarted) return;
  state.entries[index].state = kEntryReleased;
  state.ranking[index].state = kEntryReleased;
  state.display[index].state = kEntryReleased;
}

void SetUpStartCountdown(MainState& state, StartCountdown& c, RaceScreenSink& screen) {
  int interval = state.parameters.startInterval;
  if (interval <= 0) return;
  std::uint32_t now = platform::TickCount();
  RestartCountdown(c, interval, now);
  c.active = 1;
  c.found = 0;
  c.driverText[0] = '\0';
  int first = FirstWaitingEntry(state);
  if (first >= 0) {
    c.found = 1;
    platform::CopyBounded(c.driverText, state.entries[first].name);
    if (state.parameters.startType == kWrcStart) {
      c.nextIndex = first;
      state.entries[first].startOffset = static_cast<int>(now + static_cast<std::uint32_t>(interval) * 1000u);
    }
  }
  FormatCountdownText(c);
  screen.StartLights(c.driverText, first >= 0 ? interval : 30);
}

void StartCountdownStep(MainState& state, StartCountdown& c, RaceScreenSink& screen) {
  if (!c.active) return;
  if (state.parameters.startType == kStandardStart) StandardStep(state, c, screen);
  else if (state.parameters.startType == kWrcStart) WrcStep(state, c, screen);
}

void WrcHandOver(MainState& state, StartCountdown& c) {
  if (c.nextIndex >= ClampParticipantCount(state.timing.entryCount) - 1) {
    c.active = 0;
    return;
  }
  int next = FirstWaitingEntry(state);
  c.found = next >= 0 ? 1 : 0;
  if (!c.found) {
    c.active = 0;
    return;
  }
  std::uint32_t now = platform::TickCount();
  int interval = state.parameters.startInterval;
  c.nextIndex = next;
  platform::CopyBounded(c.driverText, state.entries[next].name);
  RestartCountdown(c, interval, now);
  state.entries[next].startOffset = static_cast<int>(now + static_cast<std::uint32_t>(interval) * 1000u);
}

void StartRestCountdown(RestDelayCountdown& rest, int restMinutes) {
  std::uint32_t now = platform::TickCount();
  rest.restElapsed = 0;
  rest.restMinutes = restMinutes;
  rest.remainingMinutes = restMinutes;
  rest.remainingSeconds = 0;
  rest.startTick = now;
  rest.lastRefreshTick = now;
  for (int& flag : rest.once) flag = 0;
  rest.active = 1;
}

void StopRestCountdown(RestDelayCountdown& rest) {
  rest.active = 0;
  for (int& flag : rest.once) flag = 0;
  platform::ZeroBytes(rest.restText, sizeof rest.restText);
  platform::ZeroBytes(rest.restStateText, sizeof rest.restStateText);
}

void FormatRestState(RestDelayCountdown& rest) {
  if (rest.remainingMinutes >= 0 && rest.remainingSeconds >= 0) {
    std::snprintf(rest.restStateText, sizeof rest.restStateText, Tr(Text::RestBeforeStart), rest.remainingMinutes,
                  rest.remainingSeconds);
    rest.restElapsed = 0;
    return;
  }
  // The overrun reads as a positive time; past 100 minutes in hours and minutes, so that
  // the text keeps within its field.
  long long over = -(static_cast<long long>(rest.remainingMinutes) * 60 + rest.remainingSeconds);
  long long minutes = over / 60;
  if (minutes < 100) {
    std::snprintf(rest.restStateText, sizeof rest.restStateText, Tr(Text::RestDelayElapsed),
                  static_cast<int>(minutes), static_cast<int>(over % 60));
  } else {
    std::snprintf(rest.restStateText, sizeof rest.restStateText, Tr(Text::RestDelayElapsedHours),
                  static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
  }
  rest.restElapsed = 1;
}

void RestCountdownStep(const MainState& state, RestDelayCountdown& rest, RaceScreenSink& screen) {
  if (!rest.active) return;
  StartClockReading r = ComputeStartClock(rest.startTick, rest.restMinutes, rest.lastRefreshTick);
  rest.elapsedMinutes = r.elapsedMinutes;
  rest.elapsedSeconds = r.elapsedSeconds;
  rest.elapsedMillis = r.elapsedMillis;
  rest.remainingMinutes = r.remainingMinutes;
  rest.remainingSeconds = r.remainingSeconds;
  rest.msSinceRefresh = r.msSinceRefresh;
  if (!RefreshPacing(rest.elapsedMillis, rest.msSinceRefresh)) return;
  std::snprintf(rest.restText, sizeof rest.restText, "%d:00", rest.restMinutes);
  FormatRestState(rest);
  if (SoundSwitchOn(state.sounds.restClock, "SONHORLOGEREPOS") && rest.remainingSeconds == 0) {
    for (int i = 0; i < 7; ++i) {
      const RestCue& cue = kRestCues[i];
      if (rest.remainingMinutes != cue.minutes || rest.once[i]) continue;
      rest.once[i] = 1;
      PlayRaceSound(state, cue.slot, IsEnglishLanguage(state) ? cue.english : cue.french, false);
    }
  }
  screen.Redraw(RaceArea::RestClock);
  rest.lastRefreshTick = platform::TickCount();
}

void StartReleasedEntry(MainState& state, StartCountdown& countdown, StageEntry& entry, int startTime) {
  const int startType = state.parameters.startType;
  entry.startTime = startTime;
  entry.startOffset = static_cast<int>(platform::TickCount() - static_cast<std::uint32_t>(entry.startOffset));
  if (entry.startOffset > LateStartLimitMs(state.lateStart) ||
      (startType == kWrcStart && entry.startOffset < 0))
    entry.lateStart = 1;
  if (startType == kWrcStart) WrcHandOver(state, countdown);
}

void PlayAcceptedPassSound(const MainState& state, StageEntry& entry) {
  if (entry.updated != 1) return;
  entry.updated = 0;
  if (SoundSwitchOn(state.sounds.bestTime, "SONMEILLEURTEMPS") && entry.isNewBest == 1) {
    PlayRaceSound(state, 5, "sons/youpi.wav", false);
  } else if (SoundSwitchOn(state.sounds.passages, "SONPASSAGE")) {
    if (entry.state == kEntryRunning) PlayRaceSound(state, 3, "sons/beep1.wav", false);
    else if (entry.state == kEntryFinished) PlayRaceSound(state, 4, "sons/beep1.wav", false);
  }
}
