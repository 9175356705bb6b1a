#include "race/race_engine.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "race/interface_settings.h"
#include "race/stage_ranking.h"
#include "race/time_format.h"
#include "results/ftp_upload.h"

namespace {

void Error(platform::WindowHandle owner, Text text, unsigned icon = 0) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk | icon);
}

void WriteLinkFile(RaceEngineHost& host, const DecoderLinkState& link, int connected) {
  InterfaceSettings settings = {};
  platform::CopyBounded(settings.port, link.port);
  platform::CopyBounded(settings.decoderName, link.decoderName);
  settings.connected = connected;
  if (!WriteInterfaceSettings(EngineInterfaceSettingsPath().c_str(), settings))
    Error(host.Window(), Text::ComPortFileNotFound);
}

void HandlePendingPasses(MainState& s, RaceEngineState& engine, RaceEngineHost& host);

bool IsZL2(const DecoderLinkState& link) { return std::strcmp(link.decoderName, kDecoderNameZL2) == 0; }

// Shows LinkLog unless a box about the link is already open: those that follow only add
// to the log that the open box's successor will show.
void ShowLinkLog(RaceEngineState& engine, RaceEngineHost& host, Text caption) {
  if (engine.linkBoxOpen) return;
  engine.linkBoxOpen = 1;
  char shown[sizeof engine.link.LinkLog];
  platform::CopyBounded(shown, engine.link.LinkLog);
  platform::ShowMessage(host.Window(), shown, Tr(caption), platform::kMbOk);
  engine.linkBoxOpen = 0;
}

void AppendLinkTime(RaceEngineState& engine, const MainState& s, Text format, bool clearFirst) {
  char time[16];
  FormatLinkTime(time, StageElapsedMs(s));
  char line[120];
  std::snprintf(line, sizeof line, Tr(format), time);
  if (clearFirst) engine.link.LinkLog[0] = '\0';
  AppendLinkLog(engine.link.LinkLog, line);
}

void LinkLoss(MainState& s, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host) {
  DecoderLinkState& link = engine.link;
  port.Close();
  link.connected = 0;
  link.lossTick = platform::TickCount();
  link.keepAliveOn = 0;
  link.reconnectPending = 1;
  if (s.timing.timing == 1) AppendLinkTime(engine, s, Text::LinkLostAt, true);
  WriteLinkFile(host, link, 0);
}

// The identify wait of a reconnection also carries passes: identify replies are noted and
// pass frames collected. *consumed is set as the other scanners do: a frame's beginning is
// left for the next read, since a 9600-baud line hands a frame over a byte or two at a time.
int ScanReconnectBlock(const unsigned char* bytes, int n, PassFrame* frames, int capacity, bool* replied,
                       int* consumed) {
  int count = 0;
  int p = 0;
  while (n - p >= 7) {
    const unsigned char* f = bytes + p;
    if (f[0] == 0xFF && f[1] == 0xFF && f[2] == 0xFF && f[3] == 0x01) {
      if (f[4] == 0x02) *replied = true;
      p += 7;
    } else if (f[0] == 0xFF && f[1] == 0xFF && f[2] == 0xFF && f[3] == 0xF0) {
      if (n - p < kPassFrameSizeZL2) break;
      int consumed = 0;
      if (count < capacity) count += ScanPassFrames(DecoderModel::ZL2, f, kPassFrameSizeZL2, frames + count, 1, &consumed);
      p += kPassFrameSizeZL2;
    } else {
      ++p;
    }
  }
  *consumed = p;
  return count;
}

void Reconnect(MainState& s, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host) {
  DecoderLinkState& link = engine.link;
  link.lossTick = platform::TickCount();
  port.Close();
  if (!port.Open(link.port)) return;
  int written = 0;
  port.Line().Write(kIdentifyRequest, sizeof kIdentifyRequest, &written);
  bool replied = false;
  PassFrame frames[kMaxFramesPerBlock];
  int frameCount = 0;
  // What was kept before the loss came over a dead line; what is left after the wait is the
  // beginning of a frame that the next tick completes.
  ReceiveBuffer& received = engine.received;
  ClearReceiveBuffer(&received);
  ElapsedTimer timer;
  timer.Start();
  while (!replied && timer.ElapsedMs() <= kProbeWaitMs) {
    int room = 0;
    unsigned char* target = ReadTarget(&received, &room);
    int got = 0;
    bool ok = port.Line().Read(target, room, &got);
    RecordRead(&received, ok ? got : 0, platform::TickCount(), kRemainderSilenceMs);
    if (!ok || got <= 0) continue;
    int consumed = 0;
    frameCount += ScanReconnectBlock(received.bytes, received.length, frames + frameCount,
                                     kMaxFramesPerBlock - frameCount, &replied, &consumed);
    KeepRemainder(&received, consumed);
  }
  if (replied) {
    link.connected = 1;
    link.settingsRead = 0;
    link.keepAliveOn = 0;
    link.reconnectPending = 0;
  }
  // The link state is settled before anything is matched or shown: ticks go on inside the
  // boxes below. The passes join the queue behind those already read.
  if (s.timing.timing == 1) {
    for (int i = 0; i < frameCount && engine.pendingCount < RaceEngineState::kPendingCapacity; ++i) {
      int slot = (engine.pendingFirst + engine.pendingCount) % RaceEngineState::kPendingCapacity;
      engine.pending[slot] = {frames[i], 0};
      ++engine.pendingCount;
    }
    HandlePendingPasses(s, engine, host);
  }
  if (replied) {
    WriteLinkFile(host, link, 1);
    if (s.timing.timing == 1) {
      AppendLinkTime(engine, s, Text::LinkRestoredAt, false);
      ShowLinkLog(engine, host, Text::CaptionMessage);
    }
  } else {
    AppendLinkLog(link.LinkLog, Tr(Text::LinkNotRestored));
    ShowLinkLog(engine, host, Text::CaptionError);
  }
}

void SuperviseLink(MainState& s, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host) {
  DecoderLinkState& link = engine.link;
  std::uint32_t now = platform::TickCount();
  if (link.settingsRead == 0) {
    link.settingsRead = 1;
    InterfaceSettings settings = {};
    if (!ReadInterfaceSettings(EngineInterfaceSettingsPath().c_str(), &settings)) {
      Error(host.Window(), Text::ComPortFileNotFound);
    } else {
      platform::CopyBounded(link.port, settings.port);
      platform::CopyBounded(link.decoderName, settings.decoderName);
      link.connected = settings.connected;
    }
    if (IsZL2(link) && link.connected == 1) {
      link.keepAliveOn = 1;
      link.failedWrites = 0;
      link.lastKeepAliveTick = now;
    }
  }
  if (link.keepAliveOn == 1 && now - link.lastKeepAliveTick > 400) {
    link.lastKeepAliveTick = now;
    int written = 0;
    port.Line().Write(kKeepAliveMessage, sizeof kKeepAliveMessage, &written);
    if (written > 0) {
      link.failedWrites = 0;
    } else {
      if (link.failedWrites > 0) LinkLoss(s, engine, port, host);
      ++link.failedWrites;
    }
  }
  if (IsZL2(link) && link.connected == 0 && link.reconnectPending == 1 &&
      platform::TickCount() - link.lossTick > 4500)
    Reconnect(s, engine, port, host);
}

void StageClockStep(MainState& s, RaceEngineState& engine, RaceEngineHost& host) {
  StageClockReading& c = engine.clock;
  if (c.remainingHours <= 0 && c.remainingMinutes <= 0 && c.remainingSeconds <= 0) return;
  c = ComputeStageClock(s.timing.startTick, s.timing.maximumHours, s.timing.maximumMinutes, engine.clockRefreshTick,
                        s.timing.keptElapsed);
  if (!RefreshPacing(c.elapsedMillis, c.msSinceRefresh)) return;
  engine.clockRefreshTick = platform::TickCount();
  StageClockTexts& t = s.timing.clock;
  std::snprintf(t.maxTimeText, sizeof t.maxTimeText, "%d:%02d:00", s.timing.maximumHours, s.timing.maximumMinutes);
  std::snprintf(t.elapsedText, sizeof t.elapsedText, "%d:%02d:%02d", c.elapsedHours, c.elapsedMinutes,
                c.elapsedSeconds);
  std::snprintf(t.remainingText, sizeof t.remainingText, "%d:%02d:%02d", c.remainingHours, c.remainingMinutes,
                c.remainingSeconds);
  host.Redraw(RaceArea::Clock);
  if (s.web.connected == 1 && s.web.publishingActive == 1 && c.remainingSeconds % 15 == 0 &&
      c.remainingSeconds >= 0)
    PublishLiveResults(s, host);
}

void HandlePendingPasses(MainState& s, RaceEngineState& engine, RaceEngineHost& host) {
  DecoderModel model = ModelFromName(engine.link.decoderName);
  while (engine.pendingCount > 0 && s.timing.timing == 1) {
    RaceEngineState::PendingPass next = engine.pending[engine.pendingFirst];
    engine.pendingFirst = (engine.pendingFirst + 1) % RaceEngineState::kPendingCapacity;
    --engine.pendingCount;
    MatchPass(s, engine, host, next.frame, model, next.counter);
  }
}

void ReadPasses(MainState& s, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host) {
  // Bytes stay with the port while the passes already read fill the queue (ticks inside a
  // long-open box); the queue never overflows.
  if (engine.pendingCount + kMaxFramesPerBlock <= RaceEngineState::kPendingCapacity) {
    int room = 0;
    unsigned char* target = ReadTarget(&engine.received, &room);
    int got = 0;
    bool ok = port.Line().Read(target, room, &got);
    std::int64_t counter = platform::PerformanceCounter();
    DecoderModel model = ModelFromName(engine.link.decoderName);
    RecordRead(&engine.received, ok ? got : 0, platform::TickCount(),
               RemainderSilenceLimitMs(model, ActiveProfile().raceTickMs));
    if (ok) {
      PassFrame frames[kMaxFramesPerBlock];
      int consumed = 0;
      int count = ScanPassFrames(model, engine.received.bytes,
                                 engine.received.length, frames, kMaxFramesPerBlock, &consumed);
      KeepRemainder(&engine.received, consumed);
      for (int i = 0; i < count; ++i) {
        int slot = (engine.pendingFirst + engine.pendingCount) % RaceEngineState::kPendingCapacity;
        engine.pending[slot] = {frames[i], counter};
        ++engine.pendingCount;
      }
    }
  }
  HandlePendingPasses(s, engine, host);
}

void StageEnd(MainState& s, RaceEngineState& engine, RaceEngineHost& host) {
  bool someoneOut = false;
  for (const StageEntry& e : s.entries)
    if (e.state <= kEntryRunning) someoneOut = true;
  if (someoneOut) {
    s.timing.stageState = 1;
  } else if (s.timing.stageState == 1) {
    s.timing.stageState = 3;
    if (SoundSwitchOn(s.sounds.stageEnd, "SONFINSPECIALE")) PlayRaceSound(s, 2, "sons/foghorn.wav", false);
    host.Redraw(RaceArea::Clock);
    // The results would otherwise live only in memory until the operator leaves the node.
    host.SaveStage();
  }
  const StageClockReading& c = engine.clock;
  if (c.remainingHours == 0 && c.remainingMinutes == 0 && c.remainingSeconds <= 0 && s.timing.timing == 1) {
    s.timing.stageState = 3;
    host.ClickPause();
  }
}

}  // namespace

RaceEngineState& RaceEngine() {
  static RaceEngineState engine;
  return engine;
}

std::string EngineInterfaceSettingsPath() { return platform::ProgramPath(kInterfaceSettingsFile); }
std::string EngineLiveResultsPath() { return platform::ProgramPath(kLiveResultsFile); }

void AppendLinkLog(char (&log)[120], const char* text) {
  constexpr std::size_t kMax = sizeof log - 1;
  std::size_t have = strnlen(log, kMax);
  log[have] = '\0';
  std::size_t add = std::strlen(text);
  if (have + add > kMax) {
    // Keep the first line, then the newest text.
    const char* newline = static_cast<const char*>(std::memchr(log, '\n', have));
    have = newline ? static_cast<std::size_t>(newline - log) + 1 : 0;
    if (have + add > kMax) have = add >= kMax ? 0 : kMax - add < have ? kMax - add : have;
    log[have] = '\0';
  }
  platform::CopyBounded(log + have, sizeof log - have, text);
}

void FormatLinkTime(char (&text)[16], int elapsedMs) {
  int h = 0, m = 0, sec = 0, ms = 0;
  SplitMilliseconds(elapsedMs, &h, &m, &sec, &ms);
  FormatTime(text, h, m, sec, ms / 100 * 100);
}

void SuspendDecoderLink(RaceEngineState& engine) {
  engine.link.keepAliveOn = 0;
  engine.link.reconnectPending = 0;
}

void ResumeDecoderLink(RaceEngineState& engine) {
  engine.link.settingsRead = 0;
  ClearReceiveBuffer(&engine.received);
}

int StageElapsedMs(const MainState& s) {
  return ClampToTime(std::int64_t{TickDifference(s.timing.startTick, platform::TickCount())} + s.timing.keptElapsed);
}

CountdownPanelTexts RaceScreenCountdownTexts(const MainState& s, const RaceEngineState& engine) {
  CountdownPanelTexts texts = {};
  bool counting = s.timing.timing == 1 && s.parameters.startInterval > 0;
  texts.startCountdown = counting ? engine.countdown.countdownText : s.intervalText;
  texts.restMinutes = engine.rest.restText;
  texts.restState = engine.rest.restStateText;
  texts.restElapsed = engine.rest.restElapsed;
  return texts;
}

void MatchPass(MainState& s, RaceEngineState& engine, RaceEngineHost& host, const PassFrame& pass,
               DecoderModel model, std::int64_t counter) {
  const std::int64_t minimumGap = std::int64_t{s.parameters.minimumLapTime} * 1000;
  const int startType = s.parameters.startType;
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageEntry& e = s.entries[i];
    if (std::strncmp(e.transponder, pass.passText, sizeof e.transponder) != 0 || e.state <= 0) continue;
    if (model == DecoderModel::ZL1) {
      e.passCounter = counter;
      if (engine.counterFrequency != 0) e.passTime = (counter - engine.counterZero) * 1000 / engine.counterFrequency;
    } else {
      e.passTime = pass.timeMs;
    }
    // The rules work on the low 32 bits, in wrapping arithmetic.
    std::uint32_t passLow = static_cast<std::uint32_t>(e.passTime);
    std::uint32_t sinceStart = passLow - static_cast<std::uint32_t>(e.startTime);
    e.sincePrevious = static_cast<int>(sinceStart - static_cast<std::uint32_t>(e.difference));
    e.sinceRejectSound = static_cast<int>(sinceStart - static_cast<std::uint32_t>(e.rejectSoundAt));
    bool accepted = e.sincePrevious > minimumGap || e.state == kEntryReleased ||
                    (e.state == kEntryFinished && e.sincePrevious > 1000);
    if (!accepted) {
      if (SoundSwitchOn(s.sounds.lapRejected, "SONTOURREJETE") && e.sinceRejectSound > 1000 &&
          e.sincePrevious > 2000) {
        e.rejectSoundAt = static_cast<int>(sinceStart);
        PlayRaceSound(s, 6, "sons/buzz.wav", false);
      }
      continue;
    }
    if (e.state == kEntryReleased) StartReleasedEntry(s, engine.countdown, e, static_cast<int>(passLow));
    RecordStageDetection(host.Window(), s.entries, startType, i);
    RerankStage(s.entries, s.ranking, s.classification, s.display, s.eventPenalties, s.timing.entryCount, i);
    PlayAcceptedPassSound(s, e);
    host.Redraw(RaceArea::LiveTable);
  }
}

bool PublishLiveResults(MainState& s, RaceEngineHost& host) {
  std::string path = EngineLiveResultsPath();
  platform::CreateFolder(platform::ProgramPath(kWebResultsFolder).c_str());
  bool written = WriteLiveResultsFile(path.c_str(), s.display, s.timing.clock, s.stageTitleText, s.web.videoLinks,
                                      s.timing.entryCount, s.timing.stageState, s.international);
  if (!written) Error(host.Window(), Text::LiveResultsSourceNotFound);
  std::string content;
  // A file that could not be written is still sent as it stands, as the upload is tried anyway.
  if (ReadUploadContent(path.c_str(), &content)) host.UploadLive(std::move(content));
  return written;
}

void RaceEngineTick(MainState& s, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host) {
  SuperviseLink(s, engine, port, host);
  RestCountdownStep(s, engine.rest, host);
  if (s.timing.timing == 0) {
    if (!s.driverDetailsOpen) {
      unsigned char discard[256];
      int got = 0;
      port.Line().Read(discard, kReadBlockSize, &got);
      ClearReceiveBuffer(&engine.received);
    }
    engine.pendingCount = 0;
    return;
  }
  if (s.timing.timing != 1) return;
  StageClockStep(s, engine, host);
  StartCountdownStep(s, engine.countdown, host);
  ReadPasses(s, engine, port, host);
  StageEnd(s, engine, host);
}
