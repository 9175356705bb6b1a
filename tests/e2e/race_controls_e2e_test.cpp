// The race controls and the live results end to end, the program in-process with its race
// timer: a WRC start timed with a simulated ZL2, the rest between stages after Pause and
// Clear, the live results uploaded at each quarter minute, and the race ticks kept on time
// while the FTP server is down or hangs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/main_state.h"
#include "race/penalty_database.h"
#include "race/race_controls_layout.h"
#include "race/race_engine.h"
#include "race/race_engine_win32.h"
#include "results/ftp_upload.h"
#include "tests/support/capture.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/race_e2e.h"

namespace {

using testsupport::LocalFtpServer;
using testsupport::ScenarioPass;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana", "DUBOIS Luc"};
constexpr int kDrivers = 4;
int Transponder(int driver) { return 24101 + driver; }
constexpr int kFtpPort = 21731;

testsupport::TestEvent Event(int interval, int startType = kStandardStart, int rest = 0) {
  testsupport::TestEvent event;
  event.drivers = kNames;
  event.driverCount = kDrivers;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";  // as the decoders give them
  event.interval = interval;
  event.startType = startType;
  event.rest = rest;
  return event;
}

// The link file that start-up reads: the program's end of the pair, the decoder's name.
void UseDecoder(const testsupport::TempFolder& folder, const char* name) {
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg",
                          std::string(std::getenv("VELLGRIN_COM_PROGRAM")) + "\t1\t" + name + "\r\n");
}

class RaceControlsE2E : public testsupport::RaceE2E {
 protected:
  // Starts the stage; the first ticks have read the link settings that start-up wrote.
  // startCommandMs: how long Start took (the decoder's clock reset and the first schedule
  // both fall within it).
  void Start() {
    platform::test::ClearMessages();
    Pump(300);
    startCommandMs = ClickStart();
    ASSERT_EQ(Main().timing.timing, 1) << "the stage started";
  }
  DWORD startCommandMs = 0;
};

// Each start is scheduled one interval after the previous driver's crossing; a driver is
// armed 5 s before his scheduled start. A start time is read from the tick count when the
// pass is handled, so each start offset is off by the difference of two such delays: at
// most the longest gap between two race ticks, the 11-byte frame on the line and the relay
// between the pseudo-terminals (15 ms on a busy machine), plus the clock reset's 10 ms and,
// for the first driver, whatever the Start command itself took on a loaded machine.
TEST_F(RaceControlsE2E, AWrcStartMarksTheEarlyAndTheLateStarterAndTimesFromTheScheduledStart) {
  // The late start begins above 2 s (marker 1; enabled, enabled2, critical delay).
  testsupport::WriteBytes(folder / kLateStartPenaltyFile, "1\t\r\n1\t1\t2\t\r\n");
  constexpr int kInterval = 6;
  // ALBERT leaves 0.6 s after his scheduled start (6 s after Start); BRUNO 3 s before his
  // (6 s after ALBERT's crossing), COSTA 3.5 s after his, DUBOIS 0.6 s after his.
  const int starts[kDrivers] = {6600, 9600, 19100, 25700};
  const int expectedOffsets[kDrivers] = {600, -3000, 3500, 600};
  const int raceTimes[kDrivers] = {5123, 6234, 4345, 3456};
  std::vector<ScenarioPass> passes;
  for (int i = 0; i < kDrivers; ++i) {
    passes.push_back({starts[i], Transponder(i)});
    passes.push_back({starts[i] + raceTimes[i], Transponder(i)});
  }
  std::string scenario = folder / "scenario.txt";
  testsupport::WriteScenario(scenario, passes);
  UseDecoder(folder, "VellgrinZL2");
  Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 120000 --scenario \"" + scenario + "\"");

  StartWithEvent(Event(kInterval, kWrcStart));
  ASSERT_EQ(Main().parameters.startType, kWrcStart);
  ASSERT_EQ(Main().lateStart.criticalDelaySeconds, 2);
  Start();
  // The first driver is scheduled at once; nobody is armed yet.
  EXPECT_EQ(Main().entries[0].state, kEntryNotStarted);
  EXPECT_STREQ(RaceEngine().countdown.driverText, kNames[0]);
  double longestGap = RunUntilStageEnds(60000).longestMs;
  ASSERT_EQ(Main().timing.stageState, 3) << "every driver finished";
  EXPECT_EQ(RaceEngine().countdown.active, 0) << "the countdown stops with the last driver's start";
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;

  const double frameMs = 11 * 10 * 1000.0 / 9600;
  const double allowance = longestGap + frameMs + 15 + 10 + startCommandMs;
  for (int i = 0; i < kDrivers; ++i) {
    const StageEntry& e = Main().entries[i];
    SCOPED_TRACE(e.name);
    // The mark is only a mark: everybody finished, nobody got a penalty.
    EXPECT_EQ(e.state, kEntryFinished);
    EXPECT_NEAR(e.startOffset, expectedOffsets[i], allowance);
    // The mark follows the offset as measured (an early start, or later than 2 s).
    EXPECT_EQ(e.lateStart, e.startOffset < 0 || e.startOffset > 2000 ? 1 : 0);
    EXPECT_EQ(Main().display[i].lateStart, e.lateStart);
    // A late starter's delay counts in his time; an early starter gains nothing.
    EXPECT_EQ(e.time, raceTimes[i] + std::max(e.startOffset, 0));
  }
  EXPECT_EQ(std::string(Main().display[1].startOffsetText).rfind("- 0:0", 0), 0u) << Main().display[1].startOffsetText;
  EXPECT_EQ(std::string(Main().display[2].startOffsetText).rfind("0:03.", 0), 0u) << Main().display[2].startOffsetText;
  std::printf("WRC: start offsets %d, %d, %d, %d ms; longest gap between two race ticks %.1f ms; Start took %lu ms\n",
              Main().entries[0].startOffset, Main().entries[1].startOffset, Main().entries[2].startOffset,
              Main().entries[3].startOffset, longestGap, static_cast<unsigned long>(startCommandMs));
}

// The rest text read at a refresh: "<minutes>:<seconds> before start" of what remains.
int RestSecondsShown() {
  int minutes = 0, seconds = 0;
  if (std::sscanf(RaceEngine().rest.restStateText, "%d:%d", &minutes, &seconds) != 2) return -1;
  return minutes * 60 + seconds;
}

TEST_F(RaceControlsE2E, PauseStartsTheRestWhichCountsDownUntilStartAndClearEmptiesTheStage) {
  UseDecoder(folder, "Vellgrin");
  StartWithEvent(Event(2, kStandardStart, 1));
  Start();
  char startText[sizeof Main().timing.startText];
  std::strcpy(startText, Main().timing.startText);
  RunUntil([] { return Main().entries[0].state == kEntryReleased; }, 5000);
  ASSERT_EQ(Main().entries[0].state, kEntryReleased);

  // Pause: the clock is kept, the released driver waits again, the rest begins.
  SendMessageA(window, WM_COMMAND, kPauseButton, 0);
  EXPECT_EQ(Main().timing.timing, 0);
  EXPECT_EQ(Main().timing.stageState, 2);
  EXPECT_EQ(Main().entries[0].state, kEntryNotStarted);
  const int kept = Main().timing.keptElapsed;
  EXPECT_GE(kept, 2000);
  const RestDelayCountdown& rest = RaceEngine().rest;
  ASSERT_EQ(rest.active, 1);
  const DWORD restStart = GetTickCount();

  // Every second the texts read what is left of the minute, from the real clock.
  std::vector<int> shown;
  RunUntil([&] { return GetTickCount() - restStart > 4300; }, 10000, [&] {
    int seconds = RestSecondsShown();
    if (seconds >= 0 && (shown.empty() || shown.back() != seconds)) shown.push_back(seconds);
  });
  EXPECT_STREQ(rest.restText, "1:00");
  EXPECT_EQ(rest.restElapsed, 0);
  ASSERT_GE(shown.size(), 3u);
  for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_EQ(shown[i], shown[i - 1] - 1) << "once a second";
  const int expected = (61000 - static_cast<int>(GetTickCount() - restStart)) / 1000;
  EXPECT_NEAR(shown.back(), expected, 1);
  EXPECT_NE(std::string(rest.restStateText).find("before start"), std::string::npos) << rest.restStateText;
  testsupport::CaptureWindow(window, "race_rest_countdown");

  // A second Pause while nothing is timed changes nothing: the rest goes on.
  const std::uint32_t restTick = rest.startTick;
  SendMessageA(window, WM_COMMAND, kPauseButton, 0);
  EXPECT_EQ(rest.active, 1);
  EXPECT_EQ(rest.startTick, restTick);

  // Start ends the rest and resumes the clock from where it was.
  ClickStart();
  ASSERT_EQ(Main().timing.timing, 1);
  EXPECT_EQ(rest.active, 0);
  EXPECT_STREQ(rest.restText, "");
  EXPECT_STREQ(rest.restStateText, "");
  EXPECT_STREQ(Main().timing.startText, startText) << "a resume keeps the first start";
  Pump(1500);
  int h = 0, m = 0, sec = 0;
  ASSERT_EQ(std::sscanf(Main().timing.clock.elapsedText, "%d:%d:%d", &h, &m, &sec), 3);
  EXPECT_GE(sec, kept / 1000);
  EXPECT_LE(sec, kept / 1000 + 3);

  // Pause again: a fresh minute of rest.
  SendMessageA(window, WM_COMMAND, kPauseButton, 0);
  EXPECT_EQ(rest.active, 1);
  EXPECT_NE(rest.startTick, restTick);
  Pump(1500);
  EXPECT_EQ(RestSecondsShown(), 59);

  // Clear, answered No: nothing changes.
  const int keptBeforeClear = Main().timing.keptElapsed;
  platform::test::QueueMessageAnswer(platform::kIdNo);
  SendMessageA(window, WM_COMMAND, kClearButton, 0);
  EXPECT_EQ(Main().timing.stageState, 2);
  EXPECT_EQ(Main().timing.keptElapsed, keptBeforeClear);
  // Yes: the stage is as never run, the rest goes on until Start.
  platform::test::QueueMessageAnswer(platform::kIdYes);
  SendMessageA(window, WM_COMMAND, kClearButton, 0);
  EXPECT_EQ(Main().timing.stageState, 0);
  EXPECT_EQ(Main().timing.keptElapsed, 0);
  EXPECT_STREQ(Main().timing.startText, ".");
  EXPECT_STREQ(Main().timing.comment, " ");
  EXPECT_STREQ(Main().timing.clock.elapsedText, "0:00:00");
  EXPECT_STREQ(Main().timing.clock.remainingText, "0:00:00");
  EXPECT_STREQ(RaceEngine().countdown.countdownText, "2s");
  for (int i = 0; i < kDrivers; ++i) EXPECT_EQ(Main().entries[i].state, kEntryNotStarted) << kNames[i];
  EXPECT_EQ(rest.active, 1);
  Pump(1100);
  EXPECT_EQ(RestSecondsShown(), 58);

  // The next Start is a fresh one: its clock counts from zero.
  ClickStart();
  ASSERT_EQ(Main().timing.timing, 1);
  EXPECT_EQ(rest.active, 0);
  Pump(1500);
  EXPECT_STREQ(Main().timing.clock.elapsedText, "0:00:01");
  EXPECT_NE(std::string(Main().timing.startText), ".");

  std::vector<std::string> boxes;
  for (const auto& box : platform::test::Messages()) boxes.push_back(box.text);
  EXPECT_EQ(boxes, std::vector<std::string>(2, Tr(Text::ClearStageQuestion)));
}

// The live file's fourth line: the elapsed stage time it was written with.
std::string ElapsedLine(const std::string& content) {
  std::size_t at = 0;
  for (int line = 0; line < 3 && at != std::string::npos; ++line) at = content.find('\n', at) + 1;
  if (at == std::string::npos || at == 0) return "";
  return content.substr(at, content.find('\t', at) - at);
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(RaceControlsE2E, TheLiveResultsReachTheServerAtStartAndAtEachQuarterMinuteEachAsWritten) {
  // Drivers released every 5 s leave 1.2 s later and finish between the quarter minutes,
  // so that every upload holds another table.
  std::vector<ScenarioPass> passes;
  const int finishes[kDrivers] = {20300, 33400, 38500, 52600};
  for (int i = 0; i < kDrivers; ++i) {
    passes.push_back({5000 * (i + 1) + 1200, Transponder(i)});
    passes.push_back({finishes[i], Transponder(i)});
  }
  std::string scenario = folder / "scenario.txt";
  testsupport::WriteScenario(scenario, passes);
  UseDecoder(folder, "VellgrinZL2");
  Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 120000 --scenario \"" + scenario + "\"");
  LocalFtpServer ftp(kFtpPort);
  ASSERT_TRUE(ftp.Start());
  StartWithEvent(Event(5));
  testsupport::PublishTo(folder, ftp);
  const std::string remote = ftp.Path(testsupport::kRemoteLiveFile);
  const std::string local = folder / "WebResults/Live.txt";
  Start();

  // Start publishes the table as it stands (the clock has not been read yet).
  DrainLiveUploads();
  std::string content;
  ASSERT_TRUE(ReadUploadContent(local.c_str(), &content));
  EXPECT_NE(content.find(kNames[3]), std::string::npos);
  EXPECT_EQ(testsupport::ReadBytes(remote), content);

  // Then every quarter minute of the stage clock, and only then: each upload is looked at
  // as soon as it has gone, before the next one replaces it.
  const char* const kQuarters[] = {"0:00:15", "0:00:30", "0:00:45", "0:01:00"};
  const int kFinishedAt[] = {0, 1, 3, 4};
  std::vector<std::string> uploads;
  std::string lastElapsed;
  testsupport::TickGaps gaps = RunUntil([&] { return uploads.size() == 4; }, 75000, [&] {
    const StageClockTexts& clock = Main().timing.clock;
    if (lastElapsed == clock.elapsedText) return;
    lastElapsed = clock.elapsedText;
    std::string remaining = clock.remainingText;
    std::string seconds = remaining.substr(remaining.size() - 2);
    if (seconds != "00" && seconds != "15" && seconds != "30" && seconds != "45") return;
    DrainLiveUploads();
    std::string written;
    ASSERT_TRUE(ReadUploadContent(local.c_str(), &written));
    std::string sent = testsupport::ReadBytes(remote);
    SCOPED_TRACE("upload at " + lastElapsed);
    EXPECT_EQ(sent, written);
    EXPECT_EQ(ElapsedLine(sent), lastElapsed);
    EXPECT_EQ(Count(ftp.Log(), "STOR "), static_cast<int>(uploads.size()) + 2) << "one upload a quarter";
    uploads.push_back(sent);
  });
  ASSERT_EQ(uploads.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ElapsedLine(uploads[i]), kQuarters[i]);
  // The tables differ as the drivers finished between the uploads.
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(Count(uploads[i], "\t3\t"), kFinishedAt[i]) << kQuarters[i];
  EXPECT_EQ(Main().timing.stageState, 3);
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;
  std::printf("live results: 5 uploads checked; longest gap between two race ticks %.1f ms\n", gaps.longestMs);
}

// A race tick is due every 20 ms. The uploads run on their own thread, so neither a server
// that refuses the connection nor one that accepts it and then never answers (a transfer
// then waits seconds for its timeout) may hold a tick: the longest gap stays under 50 ms.
// The allowance: what the machine itself took from this process meanwhile (measured by
// StallProbe: other Wine tests run beside this one), plus 20 ms for the painting and
// window-system round trips of a tick on such a machine. A held tick shows as a gap of
// seconds.
TEST_F(RaceControlsE2E, TheRaceTicksKeepTheirPaceWhileTheFtpServerIsDownOrNeverAnswers) {
  UseDecoder(folder, "Vellgrin");
  LocalFtpServer ftp(kFtpPort);
  StartWithEvent(Event(3));
  testsupport::PublishTo(folder, ftp);
  const std::string local = folder / "WebResults/Live.txt";

  struct Phase {
    const char* server;
    testsupport::TickGaps gaps;
    double stall;
  };
  Phase phases[2] = {{"down", {}, 0}, {"never answering", {}, 0}};
  for (int p = 0; p < 2; ++p) {
    if (p == 1) {
      ASSERT_TRUE(ftp.StartMute());
    }
    // Start uploads at once; the stage clock's quarter minute uploads again 15 s into the
    // stage (and 30 s into it, after the resume).
    Start();
    testsupport::StallProbe probe;
    const int quarter = 15000 * (p + 1);
    phases[p].gaps = RunUntil([&] { return StageElapsed() + Main().timing.keptElapsed > quarter + 1500; }, 40000);
    phases[p].stall = probe.LongestStallMs();
    SendMessageA(window, WM_COMMAND, kPauseButton, 0);
    std::string written;
    ASSERT_TRUE(ReadUploadContent(local.c_str(), &written));
    EXPECT_EQ(ElapsedLine(written).substr(0, 6), p == 0 ? "0:00:1" : "0:00:3") << "paused after the quarter";
  }
  for (const Phase& phase : phases) {
    std::printf("FTP server %s: longest gap between two race ticks %.1f ms over %d ticks (process stalled at most %.1f ms)\n",
                phase.server, phase.gaps.longestMs, phase.gaps.ticks, phase.stall);
    EXPECT_LT(phase.gaps.longestMs, 50 + phase.stall + 20) << "FTP server " << phase.server;
  }
  // Its own readiness check, then the uploads of Start and of the quarter minute.
  EXPECT_GE(Count(ftp.Log(), "accepted"), 3) << "the uploads reached the silent server";
  ftp.Stop();  // its connections close: the transfers waiting on it fail now
  DrainLiveUploads();
  Pump(200);
  int failures = 0;
  for (const auto& m : platform::test::Messages()) {
    if (m.text == Tr(Text::LiveResultsTransferFailed)) ++failures;
    else ADD_FAILURE() << "unexpected box: " << m.text;
  }
  EXPECT_GE(failures, 1) << "the operator is told the upload failed";
}

}  // namespace
