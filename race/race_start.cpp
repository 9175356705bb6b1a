#include "race/race_start.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "race/stage_ranking.h"

namespace {

void Rerank(MainState& s) {
  RerankStage(s.entries, s.ranking, s.classification, s.display, s.eventPenalties, s.timing.entryCount,
              NoCurrentEntry);
}

void RedrawAll(RaceEngineHost& host) {
  host.Redraw(RaceArea::LiveTable);
  host.Redraw(RaceArea::Clock);
  host.Redraw(RaceArea::Countdown);
  host.Redraw(RaceArea::RestClock);
}

void WriteStartText(MainState& s) {
  std::time_t now = std::time(nullptr);
  std::tm local = {};
  if (const std::tm* t = std::localtime(&now)) local = *t;
  std::snprintf(s.timing.startText, sizeof s.timing.startText, Tr(Text::StageStartedText),
                static_cast<unsigned>(local.tm_mday), static_cast<unsigned>(local.tm_mon + 1),
                static_cast<unsigned>(local.tm_year + 1900), static_cast<unsigned>(local.tm_hour),
                static_cast<unsigned>(local.tm_min));
}

void PublishIfActive(MainState& s, RaceEngineHost& host) {
  if (s.web.connected == 1 && s.web.publishingActive == 1) PublishLiveResults(s, host);
}

}  // namespace

void PutUnfinishedBackToStart(MainState& s) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageEntry& e = s.entries[i];
    if (std::strncmp(e.name, kEmptySlotName, sizeof e.name) == 0 || e.state > kEntryRunning) continue;
    e.rank = 0;
    e.lateStart = 0;
    e.sinceRejectSound = 0;
    e.startOffset = 0;
    e.startTime = 0;
    e.sincePrevious = 0;
    e.passCounter = 0;
    e.passTime = 0;
    e.state = kEntryNotStarted;
    s.display[i].lateStart = 0;
    platform::ZeroBytes(s.display[i].startOffsetText, sizeof s.display[i].startOffsetText);
  }
}

StartOutcome StartStage(MainState& s, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host) {
  host.CloseInPlaceEdit();
  StartOutcome outcome = StartOutcome::NotLoaded;
  DecoderLinkState& link = engine.link;
  if (s.timing.stageLoaded == 1) {
    host.SetTimingControls(true);
    link.decoderReady = 0;
    ClearReceiveBuffer(&engine.received);
    DecoderModel model = ModelFromName(link.decoderName);
    if (model == DecoderModel::ZL1) link.decoderReady = 1;
    // The passes a ZL2 sends right behind its acknowledgement stay in engine.received.
    else if (model == DecoderModel::ZL2)
      link.decoderReady = ResetDecoderClock(port.Line(), &s.timing.timing, &engine.received) ? 1 : 0;
    if (link.decoderReady == 1) {
      if (s.timing.keptElapsed == 0) WriteStartText(s);
      if (SoundSwitchOn(s.sounds.stageStart, "SONDEBUTSPECIALE")) PlayRaceSound(s, 0, "sons/foghorn.wav", true);
      s.timing.stageLoaded = 0;
      s.timing.timing = 1;
      std::uint32_t now = platform::TickCount();
      s.timing.startTick = now;
      engine.counterFrequency = platform::PerformanceFrequency();
      engine.counterZero = platform::PerformanceCounter();
      engine.pendingCount = 0;
      PutUnfinishedBackToStart(s);
      StopRestCountdown(engine.rest);
      host.Redraw(RaceArea::RestClock);
      engine.clockRefreshTick = now;
      engine.clock.remainingSeconds = 1;
      s.timing.stageState = 1;
      engine.countdown.active = 0;
      if (s.parameters.startInterval > 0) SetUpStartCountdown(s, engine.countdown, host);
      outcome = StartOutcome::Started;
    } else {
      // A start that did not happen is said, and the operator keeps his controls.
      outcome = StartOutcome::NotAcknowledged;
      if (model == DecoderModel::ZL2)
        platform::ShowMessage(host.Window(), Tr(Text::ClockResetNotAcknowledged), Tr(Text::CaptionError),
                              platform::kMbOk | platform::kMbIconStop);
      host.SetTimingControls(false);
    }
  }
  Rerank(s);
  if (link.decoderReady == 1 && outcome == StartOutcome::Started) {
    platform::CreateFolder(platform::ProgramPath(kWebResultsFolder).c_str());
    PublishIfActive(s, host);
  }
  RedrawAll(host);
  return outcome;
}

void PauseStage(MainState& s, RaceEngineState& engine, RaceEngineHost& host) {
  host.CloseInPlaceEdit();
  bool wasTiming = false;
  if (s.timing.pauseAllowed == 1) {
    host.SetTimingControls(false);
    if (s.timing.timing == 1) {
      wasTiming = true;
      if (s.parameters.rest > 0) StartRestCountdown(engine.rest, s.parameters.rest);
      engine.countdown.active = 0;
      s.timing.stageLoaded = 1;
      s.timing.timing = 0;
      if (s.timing.stageState == 1) s.timing.stageState = 2;
      const StageClockReading& c = engine.clock;
      s.timing.keptElapsed = ClampToTime(std::int64_t{c.elapsedHours} * 3600000 + std::int64_t{c.elapsedMinutes} * 60000 +
                                         std::int64_t{c.elapsedSeconds} * 1000 + c.elapsedMillis);
      PutUnfinishedBackToStart(s);
      if (SoundSwitchOn(s.sounds.stageEnd, "SONFINSPECIALE")) PlayRaceSound(s, 1, "sons/truckhorn.wav", true);
    }
  }
  Rerank(s);
  // The results would otherwise live only in memory until the operator leaves the node.
  if (wasTiming) host.SaveStage();
  if (s.timing.pauseAllowed == 1) PublishIfActive(s, host);
  RedrawAll(host);
}

void ClearStage(MainState& s, RaceEngineState& engine, RaceEngineHost& host) {
  host.CloseInPlaceEdit();
  if (s.timing.clearAllowed == 1 &&
      platform::ShowMessage(host.Window(), Tr(Text::ClearStageQuestion), "Vellgrin",
                            platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes) {
    s.timing.stageState = 0;
    InitStageEntries(s.entries);
    CopyStageEntryNames(s.classification, s.entries);
    ClearStageTimeTexts(s.display);
    platform::CopyBounded(s.timing.comment, " ");
    platform::CopyBounded(s.timing.startText, ".");
    s.timing.keptElapsed = 0;
    StageClockReading& c = engine.clock;
    c.elapsedHours = c.elapsedMinutes = c.elapsedSeconds = c.elapsedMillis = 0;
    c.remainingHours = c.remainingMinutes = c.remainingSeconds = 0;
    StageClockTexts& t = s.timing.clock;
    std::snprintf(t.maxTimeText, sizeof t.maxTimeText, "%d:%02d:00", s.timing.maximumHours, s.timing.maximumMinutes);
    std::snprintf(t.remainingText, sizeof t.remainingText, "%d:%02d:%02d", 0, 0, 0);
    std::snprintf(t.elapsedText, sizeof t.elapsedText, "%d:%02d:%02d", 0, 0, 0);
    std::snprintf(engine.countdown.countdownText, sizeof engine.countdown.countdownText, "%ds",
                  s.parameters.startInterval);
    host.Redraw(RaceArea::Clock);
    host.Redraw(RaceArea::Countdown);
  }
  Rerank(s);
  host.Redraw(RaceArea::LiveTable);
}
