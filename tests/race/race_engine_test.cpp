// The race engine's ticks, the countdowns and Start/Pause/Clear on the manual clock, with a
// scripted decoder line and a host that records what the windows would have been asked.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "race/decoder_protocol.h"
#include "race/race_engine.h"
#include "race/race_start.h"
#include "tests/support/temp_folder.h"

namespace {

using platform::test::AdvanceClock;

class ScriptedLine : public SerialLine {
 public:
  std::deque<unsigned char> incoming;
  bool writesFail = false;
  bool answerReset = true;
  bool answerIdentify = true;
  int keepAlives = 0;
  int waitingReads = 0;
  int bytesPerRead = 0;  // > 0: a slow line hands over at most this many bytes a read
  bool Read(unsigned char* buffer, int count, int* bytesRead) override {
    *bytesRead = 0;
    if (!open) return false;
    if (bytesPerRead > 0 && count > bytesPerRead) count = bytesPerRead;
    // A real read waits about 1 ms for bytes; the exchanges that wait for an answer
    // count on it.
    if (incoming.empty() && waitingReads > 0) {
      --waitingReads;
      AdvanceClock(1);
    }
    while (*bytesRead < count && !incoming.empty()) {
      buffer[(*bytesRead)++] = incoming.front();
      incoming.pop_front();
    }
    return true;
  }
  bool Write(const unsigned char* bytes, int count, int* bytesWritten) override {
    *bytesWritten = 0;
    if (!open || writesFail) return false;
    *bytesWritten = count;
    if (count == 5 && (bytes[3] == 0x02 || bytes[3] == 0x01)) waitingReads = 150;
    if (count == 5 && bytes[3] == 0x02 && answerReset) incoming.insert(incoming.end(), kClockResetAck, kClockResetAck + 7);
    if (count == 5 && bytes[3] == 0x01 && answerIdentify) {
      const unsigned char reply[7] = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0, 0};
      incoming.insert(incoming.end(), reply, reply + 7);
    }
    if (count == 5 && bytes[3] == 0xE0) ++keepAlives;
    return true;
  }
  bool open = true;
};

class ScriptedPort : public EnginePort {
 public:
  ScriptedLine line;
  bool opens = true;
  int closes = 0;
  bool Open(const char*) override {
    line.open = opens;
    return opens;
  }
  void Close() override {
    line.open = false;
    ++closes;
  }
  SerialLine& Line() override { return line; }
};

class RecordingHost : public RaceEngineHost {
 public:
  MainState* state = nullptr;
  RaceEngineState* engine = nullptr;
  std::vector<std::pair<std::string, int>> lights;
  std::vector<std::string> uploads;
  std::vector<bool> controls;
  int pauseClicks = 0;
  int saves = 0;
  int redraws[4] = {};
  void Redraw(RaceArea area) override { ++redraws[static_cast<int>(area)]; }
  void StartLights(const char* text, int seconds) override { lights.emplace_back(text, seconds); }
  platform::WindowHandle Window() override { return nullptr; }
  void ClickPause() override {
    ++pauseClicks;
    PauseStage(*state, *engine, *this);
  }
  void SaveStage() override { ++saves; }
  void UploadLive(std::string content) override { uploads.push_back(std::move(content)); }
  void SetTimingControls(bool timing) override { controls.push_back(timing); }
  void CloseInPlaceEdit() override {}
};

std::vector<unsigned char> FrameZL2(int transponder, int ms) {
  int h = ms / 3600000, m = ms / 60000 % 60, sec = ms / 1000 % 60;
  for (int sub = kSubSecondZero; sub <= 65535; ++sub) {
    if (PassTimeZL2(h, m, sec, sub >> 8, sub & 255) == ms) {
      return {0xFF, 0xFF, 0xFF, 0xF0, static_cast<unsigned char>(transponder >> 8),
              static_cast<unsigned char>(transponder & 255), static_cast<unsigned char>(h),
              static_cast<unsigned char>(m), static_cast<unsigned char>(sec), static_cast<unsigned char>(sub >> 8),
              static_cast<unsigned char>(sub & 255)};
    }
  }
  ADD_FAILURE() << "no ZL2 frame for " << ms;
  return {};
}

int CountSounds(const std::string& ending) {
  int n = 0;
  for (const auto& s : platform::test::Sounds())
    if (s.path.size() >= ending.size() && s.path.compare(s.path.size() - ending.size(), ending.size(), ending) == 0) ++n;
  return n;
}

class RaceEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::UseManualClock(100000, 1000000);
    platform::test::SetProgramFolder(folder.path());
    std::memset(static_cast<void*>(&s), 0, sizeof s);
    std::memset(static_cast<void*>(&e), 0, sizeof e);
    s.parameters = RallyParameters{};
    host.state = &s;
    host.engine = &e;
    platform::CopyBounded(e.link.decoderName, kDecoderNameZL2);
    platform::CopyBounded(e.link.port, "COM9");
    e.link.settingsRead = 1;
    e.link.connected = 1;
    s.timing.maximumHours = 250;
    s.timing.stageLoaded = 1;
    s.timing.pauseAllowed = 1;
    s.timing.clearAllowed = 1;
    s.lateStart.criticalDelaySeconds = 10;
    platform::CopyBounded(s.sounds.language, "SONLANGUEAnglais");
    platform::CopyBounded(s.sounds.countdown, "SONDECOMPTEoui");
    platform::CopyBounded(s.sounds.stageEnd, "SONFINSPECIALEoui");
    platform::CopyBounded(s.sounds.passages, "SONPASSAGEoui");
    platform::CopyBounded(s.sounds.lapRejected, "SONTOURREJETEoui");
    platform::CopyBounded(s.sounds.restClock, "SONHORLOGEREPOSoui");
    Drivers(3);
  }
  void TearDown() override {
    platform::test::ResetProgramFolder();
    platform::test::UseSystemClock();
  }
  void Drivers(int n) {
    for (int i = 0; i < kMaxParticipants; ++i) {
      StageEntry& x = s.entries[i];
      if (i < n) {
        std::snprintf(x.name, sizeof x.name, "Driver %d", i + 1);
        std::snprintf(x.transponder, sizeof x.transponder, "%06d", 101 + i);
        platform::CopyBounded(s.display[i].name, x.name);
      } else {
        platform::CopyBounded(x.name, kEmptySlotName);
      }
    }
    InitStageEntries(s.entries);
    s.timing.entryCount = n;
  }
  void Tick(int count = 1, int ms = 20) {
    for (int i = 0; i < count; ++i) {
      AdvanceClock(ms);
      RaceEngineTick(s, e, port, host);
    }
  }
  void Send(const std::vector<unsigned char>& bytes) { port.line.incoming.insert(port.line.incoming.end(), bytes.begin(), bytes.end()); }
  void Pass(int transponder, int ms) { Send(FrameZL2(transponder, ms)); }
  // Runs ticks until the driver is released by the standard countdown.
  void UntilReleased(int index) {
    for (int i = 0; i < 10000 && s.entries[index].state == kEntryNotStarted; ++i) Tick();
    ASSERT_EQ(s.entries[index].state, kEntryReleased);
  }

  testsupport::TempFolder folder;
  static MainState s;
  static RaceEngineState e;
  ScriptedPort port;
  RecordingHost host;
};
MainState RaceEngineTest::s;
RaceEngineState RaceEngineTest::e;

TEST_F(RaceEngineTest, ZL2StageTimesAreTheDecoderDifferencesToTheMillisecond) {
  s.parameters.startInterval = 2;
  ASSERT_EQ(StartStage(s, e, port, host), StartOutcome::Started);
  UntilReleased(0);
  Pass(101, 4321);
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryRunning);
  UntilReleased(1);
  Pass(102, 6000);
  Pass(101, 4321 + 61234);  // one read carries both
  Tick();
  Pass(102, 6000 + 59999);
  Tick();
  EXPECT_EQ(s.entries[0].time, 61234);
  EXPECT_EQ(s.entries[1].time, 59999);
  EXPECT_EQ(s.ranking[1].rank, 1);
  EXPECT_EQ(s.ranking[0].rank, 2);
  EXPECT_EQ(s.ranking[0].gapToLeader, 1235);
}

TEST_F(RaceEngineTest, AFrameSplitAcrossTwoReadsCountsOnce) {
  s.parameters.startInterval = 2;
  StartStage(s, e, port, host);
  UntilReleased(0);
  std::vector<unsigned char> f = FrameZL2(101, 5000);
  Send({f.begin(), f.begin() + 6});
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryReleased);
  Send({f.begin() + 6, f.end()});
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryRunning);
  EXPECT_EQ(s.entries[0].startTime, 5000);
}

// A frame whose pieces reach the port a few milliseconds apart is read in two ticks: with a
// 100 ms tick, or a 20 ms tick that comes late, the second read is long after the first.
TEST_F(RaceEngineTest, SplitFramesSurviveEveryTickPeriodAndLateTicks) {
  for (const BuildProfile* profile : {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*profile);
    const int period = static_cast<int>(profile->raceTickMs);
    for (int lateBy : {0, 60, 180, 400}) {
      SCOPED_TRACE(testing::Message() << "tick " << period << " ms, late by " << lateBy << " ms");
      TearDown();
      SetUp();
      port.line.incoming.clear();
      SetActiveProfile(*profile);
      s.parameters.startInterval = 2;
      ASSERT_EQ(StartStage(s, e, port, host), StartOutcome::Started);
      for (int d = 0; d < 3; ++d) {
        std::vector<unsigned char> f = FrameZL2(101 + d, 5000 + 1000 * d);
        const int cut = 1 + 4 * d;  // inside the header, the number and the time
        UntilReleased(d);
        Send({f.begin(), f.begin() + cut});
        Tick(1, period);
        Send({f.begin() + cut, f.end()});
        Tick(1, period + lateBy);
        Tick(1, period);  // an empty read after the frame is whole
      }
      for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(s.entries[d].state, kEntryRunning) << d;
        EXPECT_EQ(s.entries[d].startTime, 5000 + 1000 * d) << d;
      }
      // A piece that never gets its rest is not glued to the next frame.
      std::vector<unsigned char> broken = FrameZL2(102, 9000);
      Send({broken.begin(), broken.begin() + 5});
      Tick(1, period);
      Tick(3, period + 2 * period + 60);
      Pass(101, 65000);
      Tick(1, period);
      EXPECT_EQ(s.entries[0].state, kEntryFinished);
      EXPECT_EQ(s.entries[0].time, 60000);
      EXPECT_EQ(s.entries[1].state, kEntryRunning);
    }
  }
  SetActiveProfile(kEnglishBuild);
}

TEST_F(RaceEngineTest, MinimumTimeBetweenPassesAndTheBuzzer) {
  s.parameters.startInterval = 2;
  s.parameters.minimumLapTime = 5;
  StartStage(s, e, port, host);
  UntilReleased(0);
  Pass(102, 1000);  // driver 2 not released yet: nothing, not even the buzzer
  Pass(101, 10000);
  Tick();
  EXPECT_EQ(s.entries[1].state, kEntryNotStarted);
  Pass(101, 13000);
  Tick();
  Pass(101, 13500);
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryRunning);
  EXPECT_EQ(CountSounds("buzz.wav"), 1);
  Pass(101, 1500);  // an echo within 2 s of the start never buzzes
  Pass(101, 16000);  // 6 s after the start: the finish
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryFinished);
  EXPECT_EQ(s.entries[0].time, 6000);
}

TEST_F(RaceEngineTest, LimitsWhoseMillisecondsPassAnIntTimeWithoutOverflow) {
  s.parameters.startInterval = 2;
  s.parameters.minimumLapTime = 2147484;  // 2147484000 ms
  s.lateStart.criticalDelaySeconds = INT_MAX;
  StartStage(s, e, port, host);
  UntilReleased(0);
  Pass(101, 10000);
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryRunning);
  EXPECT_EQ(s.entries[0].lateStart, 0);
  Pass(101, 70000);
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryRunning) << "within the minimum time between passes";
  EXPECT_EQ(CountSounds("buzz.wav"), 1);
}

TEST_F(RaceEngineTest, FinishedDriverPassingAgainIsAskedAboutOnceAndNothingRunsTwice) {
  s.parameters.startInterval = 2;
  StartStage(s, e, port, host);
  UntilReleased(0);
  Pass(101, 1000);
  Tick();
  Pass(101, 31000);
  Tick();
  ASSERT_EQ(s.entries[0].state, kEntryFinished);
  UntilReleased(1);
  platform::test::ClearSounds();
  platform::test::ClearMessages();
  // The box about the second finish is open while later ticks read on.
  Pass(101, 32500);
  Pass(102, 40000);
  platform::test::QueueMessageAnswer(platform::kIdNo);
  platform::test::RunWhileNextMessageShown([&] {
    Pass(102, 45000);
    Tick(3);
  });
  Tick();
  EXPECT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(s.entries[0].time, 30000);
  EXPECT_EQ(s.entries[1].state, kEntryFinished);
  EXPECT_EQ(s.entries[1].time, 5000);
  EXPECT_EQ(CountSounds("beep1.wav"), 2);  // driver 2's start and finish, once each
}

TEST_F(RaceEngineTest, LastFinishEndsTheStageOnceAndWritesIt) {
  Drivers(1);
  s.parameters.startInterval = 1;
  StartStage(s, e, port, host);
  UntilReleased(0);
  Pass(101, 100);
  Tick();
  Pass(101, 9100);
  Tick(5);
  EXPECT_EQ(s.timing.stageState, 3);
  EXPECT_EQ(CountSounds("foghorn.wav"), 1);
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(s.timing.timing, 1);  // finishing does not pause
}

TEST_F(RaceEngineTest, MaximumTimeOfZeroPausesInTheFirstTick) {
  s.timing.maximumHours = 0;
  s.timing.maximumMinutes = 0;
  StartStage(s, e, port, host);
  Tick();
  EXPECT_EQ(host.pauseClicks, 1);
  EXPECT_EQ(s.timing.timing, 0);
  EXPECT_EQ(s.timing.stageState, 3);
  EXPECT_EQ(host.saves, 1);
}

TEST_F(RaceEngineTest, ZL1PassTimeIsTakenWhenTheFrameIsRead) {
  platform::CopyBounded(e.link.decoderName, kDecoderNameZL1);
  s.parameters.startInterval = 1;
  StartStage(s, e, port, host);
  UntilReleased(0);
  Tick(10);
  Send({0, 101});
  Tick();
  int start = static_cast<int>(s.entries[0].passTime);
  Tick(100);  // 2 s
  Send({0, 101});
  Tick();
  EXPECT_EQ(s.entries[0].time, 2020);
  EXPECT_GT(start, 0);
}

TEST_F(RaceEngineTest, TwoFailedKeepAlivesLoseTheLinkAndReconnectionComesEvery4500ms) {
  s.parameters.startInterval = 0;
  e.link.keepAliveOn = 1;
  StartStage(s, e, port, host);
  port.line.waitingReads = 0;
  e.link.lastKeepAliveTick = platform::TickCount();
  port.line.writesFail = true;
  Tick(21);  // first keep-alive fails
  EXPECT_EQ(e.link.connected, 1);
  Tick(21);  // the second one declares the loss
  EXPECT_EQ(e.link.connected, 0);
  EXPECT_EQ(e.link.reconnectPending, 1);
  EXPECT_NE(std::strstr(e.link.LinkLog, "Failure of the decoder ZL2 connection at"), nullptr);
  port.line.writesFail = false;
  port.line.answerIdentify = false;
  port.opens = true;
  platform::test::ClearMessages();
  // Failures while the first box is open only add to the log.
  platform::test::RunWhileNextMessageShown([&] { Tick(230 * 3); });
  Tick(230);
  EXPECT_GE(platform::test::Messages().size(), 1u);
  EXPECT_LE(platform::test::Messages().size(), 2u);
  EXPECT_EQ(platform::test::Messages()[0].caption, "Error");
  EXPECT_LE(std::strlen(e.link.LinkLog), 119u);
  EXPECT_NE(std::strstr(e.link.LinkLog, "Failure of the decoder"), nullptr);
  port.line.answerIdentify = true;
  platform::test::ClearMessages();
  Tick(230);
  EXPECT_EQ(e.link.connected, 1);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].caption, "Message");
  EXPECT_NE(platform::test::Messages()[0].text.find("restored at"), std::string::npos);
  Tick();  // the link file is read again and the keep-alive re-armed
  EXPECT_EQ(e.link.keepAliveOn, 1);
}

// At 9600 baud the reconnection's reads get a frame a few bytes at a time: the reply is still
// seen, and neither a pass that came during the wait nor one that begins right behind the
// reply is lost.
TEST_F(RaceEngineTest, AReconnectionOnASlowLineSeesTheReplyAndLosesNoPass) {
  s.parameters.startInterval = 1;
  e.link.keepAliveOn = 1;
  ASSERT_EQ(StartStage(s, e, port, host), StartOutcome::Started);
  port.line.waitingReads = 0;
  UntilReleased(1);
  Pass(101, 1000);
  Pass(102, 1500);
  Tick();
  ASSERT_EQ(s.entries[0].state, kEntryRunning);
  ASSERT_EQ(s.entries[1].state, kEntryRunning);
  port.line.writesFail = true;
  e.link.lastKeepAliveTick = platform::TickCount();
  Tick(21);
  Tick(21);
  ASSERT_EQ(e.link.connected, 0);
  port.line.writesFail = false;
  port.line.answerIdentify = false;
  port.line.bytesPerRead = 4;
  Pass(101, 5000);
  const unsigned char reply[7] = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0, 0};
  Send(std::vector<unsigned char>(reply, reply + 7));
  Pass(102, 6234);
  platform::test::ClearMessages();
  Tick(230);
  EXPECT_EQ(e.link.connected, 1) << "the reply came in pieces";
  EXPECT_EQ(s.entries[0].state, kEntryFinished) << "the pass of the wait";
  EXPECT_EQ(s.entries[0].time, 4000);
  EXPECT_EQ(s.entries[1].state, kEntryFinished) << "the pass behind the reply";
  EXPECT_EQ(s.entries[1].time, 4734);
}

TEST(LinkLog, NeverPassesItsSizeAndKeepsTheLossLine) {
  char log[120] = "Failure of the decoder ZL2 connection at 1:02.300.\n";
  for (int i = 0; i < 50; ++i) AppendLinkLog(log, "Error : Connection not restored.");
  EXPECT_LE(std::strlen(log), 119u);
  EXPECT_EQ(std::string(log).rfind("Failure of the decoder", 0), 0u);
  std::string huge(500, 'x');
  AppendLinkLog(log, huge.c_str());
  EXPECT_EQ(std::strlen(log), 119u);
}

TEST_F(RaceEngineTest, StandardCountdownSoundsReleasesAndRestarts) {
  s.parameters.startInterval = 60;
  StartStage(s, e, port, host);
  ASSERT_FALSE(host.lights.empty());
  EXPECT_EQ(host.lights[0], std::make_pair(std::string("Driver 1"), 60));
  host.lights.clear();
  Tick(50 * 3);  // three seconds
  for (const auto& l : host.lights) EXPECT_LT(l.second, 58) << "no lights in the first two seconds, but " << l.second;
  while (s.entries[0].state == kEntryNotStarted) Tick();
  EXPECT_EQ(CountSounds("30secondesGB.wav"), 1);
  EXPECT_EQ(CountSounds("10secondesGB.wav"), 1);
  EXPECT_EQ(CountSounds("bip1.wav"), 3);
  ASSERT_EQ(CountSounds("beep2.wav"), 1);
  EXPECT_EQ(platform::test::Sounds().back().mode, platform::SoundMode::Async);
  EXPECT_EQ(e.countdown.secondsLeft, 60);
  EXPECT_EQ(s.entries[1].state, kEntryNotStarted);
}

TEST_F(RaceEngineTest, LateTickStillReleasesAndStartWithoutWaitingDriverSendsEmptyName) {
  s.parameters.startInterval = 5;
  StartStage(s, e, port, host);
  Tick(1, 4900);
  Tick(1, 1600);  // 6.5 s: the 0 of the countdown
  EXPECT_EQ(s.entries[0].state, kEntryReleased);
  for (int i = 0; i < 3; ++i) s.entries[i].state = kEntryFinished;
  PauseStage(s, e, host);
  host.lights.clear();
  for (int i = 0; i < 3; ++i) s.entries[i].state = kEntryFinished;
  StartStage(s, e, port, host);
  ASSERT_FALSE(host.lights.empty());
  EXPECT_EQ(host.lights[0], std::make_pair(std::string(), 30));
}

TEST_F(RaceEngineTest, WrcEarlyAndLateCrossingsAreMarkedAndTheLastCrossingStopsTheCountdown) {
  s.parameters.startType = kWrcStart;
  s.parameters.startInterval = 20;
  Drivers(2);
  StartStage(s, e, port, host);
  Tick(1, 17000);  // 3 s before the scheduled start: armed
  ASSERT_EQ(s.entries[0].state, kEntryReleased);
  Pass(101, 17000);
  Tick();
  EXPECT_EQ(s.entries[0].state, kEntryRunning);
  EXPECT_EQ(s.entries[0].lateStart, 1);
  EXPECT_EQ(e.countdown.nextIndex, 1);
  Tick(1, 20000 + 12000);  // 12 s after his scheduled start, beyond the 10 s critical delay
  ASSERT_EQ(s.entries[1].state, kEntryReleased);
  Pass(102, 50000);
  Tick();
  EXPECT_EQ(s.entries[1].lateStart, 1);
  EXPECT_EQ(e.countdown.active, 0);
  Pass(102, 80000);
  Tick();
  EXPECT_EQ(s.entries[1].time, 30000 + s.entries[1].startOffset);  // charged for the late start
}

TEST_F(RaceEngineTest, RestOf90MinutesAnnouncesEachStepOnce) {
  StartRestCountdown(e.rest, 90);
  for (int i = 0; i < 92 * 60 * 5; ++i) Tick(1, 200);
  for (const char* f : {"/60minutesGB.wav", "/30minutesGB.wav", "/15minutesGB.wav", "/5minutesGB.wav",
                        "/2minutesGB.wav", "/1minuteGB.wav", "/nokia-sms.wav"})
    EXPECT_EQ(CountSounds(f), 1) << f;
  EXPECT_EQ(e.rest.restElapsed, 1);
  EXPECT_STREQ(e.rest.restText, "90:00");
  EXPECT_EQ(std::string(e.rest.restStateText).find("delay elapsed"), 5u);
}

TEST_F(RaceEngineTest, RestOf45MinutesStartsWith30) {
  StartRestCountdown(e.rest, 45);
  for (int i = 0; i < 16 * 60 * 5; ++i) Tick(1, 200);
  EXPECT_EQ(CountSounds("60minutesGB.wav"), 0);
  EXPECT_EQ(CountSounds("30minutesGB.wav"), 1);
  EXPECT_STREQ(e.rest.restStateText, "29:01 before start");  // the second under way counts
}

TEST_F(RaceEngineTest, TheRaceScreenShowsTheRunningCountdownAndTheRest) {
  s.parameters.startInterval = 5;
  s.parameters.rest = 1;
  std::snprintf(s.intervalText, sizeof s.intervalText, "5s");
  CountdownPanelTexts shown = RaceScreenCountdownTexts(s, e);
  EXPECT_STREQ(shown.startCountdown, "5s");
  EXPECT_STREQ(shown.restState, "");
  ASSERT_EQ(StartStage(s, e, port, host), StartOutcome::Started);
  Tick(55);  // 1.1 s
  EXPECT_STREQ(RaceScreenCountdownTexts(s, e).startCountdown, "4s");
  PauseStage(s, e, host);
  Tick(60);  // 1.2 s of rest
  shown = RaceScreenCountdownTexts(s, e);
  EXPECT_STREQ(shown.startCountdown, "5s");
  EXPECT_STREQ(shown.restMinutes, "1:00");
  EXPECT_STREQ(shown.restState, "0:59 before start");
  EXPECT_EQ(shown.restElapsed, 0);
  Tick(62 * 50);  // the minute and the second under way are over
  EXPECT_EQ(RaceScreenCountdownTexts(s, e).restElapsed, 1);
  StartStage(s, e, port, host);
  shown = RaceScreenCountdownTexts(s, e);
  EXPECT_STREQ(shown.startCountdown, "5s");
  EXPECT_STREQ(shown.restMinutes, "");
  EXPECT_STREQ(shown.restState, "");
}

TEST(RestState, OverrunTextsStayWithinTheirField) {
  SetActiveProfile(kEnglishBuild);
  RestDelayCountdown rest = {};
  rest.remainingMinutes = 0;
  rest.remainingSeconds = -4;
  FormatRestState(rest);
  EXPECT_STREQ(rest.restStateText, "0:04 delay elapsed");
  rest.remainingMinutes = -100;
  rest.remainingSeconds = -30;
  FormatRestState(rest);
  EXPECT_STREQ(rest.restStateText, "1h40 delay elapsed");
  rest.remainingMinutes = -2000000000;
  FormatRestState(rest);
  EXPECT_LT(std::strlen(rest.restStateText), sizeof rest.restStateText);
  EXPECT_EQ(rest.restElapsed, 1);
  for (const BuildProfile* p : {&kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*p);
    rest.remainingMinutes = 59;
    rest.remainingSeconds = 59;
    FormatRestState(rest);
    EXPECT_EQ(std::strlen(rest.restStateText) + 1 < sizeof rest.restStateText, true) << rest.restStateText;
  }
  SetActiveProfile(kEnglishBuild);
}

TEST_F(RaceEngineTest, ZL2WithoutAcknowledgementIsToldAndGivesTheControlsBack) {
  port.line.answerReset = false;
  EXPECT_EQ(StartStage(s, e, port, host), StartOutcome::NotAcknowledged);
  EXPECT_EQ(s.timing.timing, 0);
  EXPECT_EQ(s.timing.stageLoaded, 1);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  ASSERT_EQ(host.controls.size(), 2u);
  EXPECT_FALSE(host.controls.back());
}

TEST_F(RaceEngineTest, PauseAndResumeKeepTheClockAndPutRunningDriversBack) {
  s.parameters.startInterval = 1;
  s.parameters.rest = 10;
  StartStage(s, e, port, host);
  std::string firstStart = s.timing.startText;
  UntilReleased(0);
  Pass(101, 100);
  Tick();
  Tick(1, 300000 - 2000);
  Tick(10);
  PauseStage(s, e, host);
  EXPECT_EQ(s.timing.stageState, 2);
  EXPECT_NEAR(s.timing.keptElapsed, 300000, 1000);
  EXPECT_EQ(s.entries[0].state, kEntryNotStarted);
  EXPECT_EQ(e.rest.active, 1);
  EXPECT_EQ(host.saves, 1);
  Tick(1, 60000);
  StartStage(s, e, port, host);
  EXPECT_EQ(e.rest.active, 0);
  EXPECT_EQ(std::string(s.timing.startText), firstStart);
  Tick(60);
  EXPECT_EQ(e.clock.elapsedMinutes, 5);
}

TEST_F(RaceEngineTest, ClearWithNoChangesNothingWithYesEmptiesTheStage) {
  s.parameters.startInterval = 1;
  StartStage(s, e, port, host);
  UntilReleased(0);
  Pass(101, 100);
  Tick();
  PauseStage(s, e, host);
  platform::test::QueueMessageAnswer(platform::kIdNo);
  ClearStage(s, e, host);
  EXPECT_EQ(s.timing.stageState, 2);
  platform::test::QueueMessageAnswer(platform::kIdYes);
  ClearStage(s, e, host);
  EXPECT_EQ(s.timing.stageState, 0);
  EXPECT_EQ(s.timing.keptElapsed, 0);
  EXPECT_STREQ(s.timing.startText, ".");
  EXPECT_STREQ(s.timing.clock.elapsedText, "0:00:00");
  EXPECT_STREQ(e.countdown.countdownText, "1s");
}

TEST_F(RaceEngineTest, LiveResultsGoToTheUploadAtRemainingSeconds0_15_30_45) {
  s.web.connected = 1;
  s.web.publishingActive = 1;
  s.parameters.startInterval = 0;
  StartStage(s, e, port, host);
  host.uploads.clear();
  for (int i = 0; i < 61 * 50; ++i) Tick();
  EXPECT_EQ(host.uploads.size(), 4u);
  ASSERT_FALSE(host.uploads.empty());
  EXPECT_NE(host.uploads[0].find("Driver 1"), std::string::npos);
  EXPECT_EQ(host.uploads[0].find('\r'), std::string::npos);
}

}  // namespace
