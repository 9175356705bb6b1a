// A ZL2 decoder that vanishes in the middle of a special stage and comes back: the serial
// pair's cable is pulled (the program's writes then fail as on a vanished device) and
// plugged in again while the decoder stays mute for a while, then answers again.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/main_state.h"
#include "race/race_controls_layout.h"
#include "race/race_engine.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/race_e2e.h"

namespace {

using testsupport::ScenarioPass;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};
constexpr int kDrivers = 3;
int Transponder(int driver) { return 25101 + driver; }

// The simulator's log times (ms) of the lines that contain text.
std::vector<double> LogTimes(const std::string& log, const std::string& text) {
  std::vector<double> times;
  std::istringstream lines(log);
  std::string line;
  while (std::getline(lines, line))
    if (line.find(text) != std::string::npos) times.push_back(std::atof(line.c_str()));
  return times;
}

// The stage time (ms) that a link message gives, "... at 6.400." or "... at 1:02.300.".
int LinkMessageTime(const std::string& text, const std::string& prefix) {
  std::size_t at = text.find(prefix);
  if (at == std::string::npos) return -1;
  int minutes = 0, seconds = 0, millis = 0;
  const char* time = text.c_str() + at + prefix.size();
  if (std::sscanf(time, "%d:%d.%d", &minutes, &seconds, &millis) == 3) return (minutes * 60 + seconds) * 1000 + millis;
  if (std::sscanf(time, "%d.%d", &seconds, &millis) == 2) return seconds * 1000 + millis;
  return -1;
}

using DecoderLinkLossE2E = testsupport::RaceE2E;

// The keep-alive goes every 400 ms and the reconnection every 4,500 ms, each at the first
// race tick after its time: a measured interval may be longer by the longest gap between
// two race ticks. The simulator sees each attempt after the port was opened and the request
// relayed between the pseudo-terminals, which may take up to 30 ms more or less from one
// attempt to the next on a busy machine.
TEST_F(DecoderLinkLossE2E, ALostZL2IsDeclaredAfterTwoFailedKeepAlivesSoughtEvery4500MsAndTimesPassesAgainOnceBack) {
  // ALBERT leaves before the cable is pulled (6 s) and finishes once the decoder is back;
  // the others are released during the outage and leave afterwards. The decoder is mute
  // from 8 s to 22 s: the attempts about 11.5, 16 and 20.5 s into the stage find the line
  // but no answer, the one about 25 s gets it.
  const std::vector<ScenarioPass> passes = {{4200, Transponder(0)},  {27000, Transponder(0)}, {27500, Transponder(1)},
                                            {28000, Transponder(2)}, {30500, Transponder(1)}, {31200, Transponder(2)}};
  const int expectedTimes[kDrivers] = {22800, 3000, 3200};
  std::string scenario = folder / "scenario.txt";
  testsupport::WriteScenario(scenario, passes, {"silent 8000 14000"});
  const std::string port = std::getenv("VELLGRIN_COM_PROGRAM");
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", port + "\t1\tVellgrinZL2\r\n");
  Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 120000 --scenario \"" + scenario + "\"");

  testsupport::TestEvent event;
  event.drivers = kNames;
  event.driverCount = kDrivers;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";  // as the decoders give them
  event.interval = 3;
  StartWithEvent(event);
  platform::test::ClearMessages();
  Pump(300);
  ClickStart();
  ASSERT_EQ(Main().timing.timing, 1) << "the decoder acknowledged the clock reset";
  const DecoderLinkState& link = RaceEngine().link;
  ASSERT_EQ(link.keepAliveOn, 1);

  testsupport::TickGaps before = RunUntil([&] { return StageElapsed() >= 6000; }, 10000);
  ASSERT_EQ(Main().entries[0].state, kEntryRunning);
  const int pulledFrom = StageElapsed();
  ASSERT_TRUE(testsupport::BreakSerialPair());
  const int pulledBy = StageElapsed();
  testsupport::TickGaps outage = RunUntil([&] { return link.connected == 0; }, 5000);
  ASSERT_EQ(link.connected, 0) << "the loss was declared";
  EXPECT_EQ(link.reconnectPending, 1);
  EXPECT_EQ(link.keepAliveOn, 0);
  EXPECT_EQ(testsupport::ReadBytes(folder / "RéglagesInterface2.rg"), port + "\t0\tVellgrinZL2\r\n");
  const std::string lossLine = link.LinkLog;
  ASSERT_TRUE(testsupport::RestoreSerialPair());

  testsupport::TickGaps after = RunUntilStageEnds(60000);
  ASSERT_EQ(Main().timing.stageState, 3) << "every driver finished once the decoder was back";
  const double longestGap = std::max({before.longestMs, outage.longestMs, after.longestMs});
  constexpr double kOpenAndRelayMs = 30;

  // Two keep-alives that could not be written, 400 ms apart, declared the loss; the time
  // in the message is cut to tenths.
  const int lostAt = LinkMessageTime(lossLine, "connection at ");
  EXPECT_EQ(lossLine.rfind("Failure of the decoder ZL2 connection at ", 0), 0u) << lossLine;
  EXPECT_GT(lostAt, pulledFrom + 400 - 100) << lossLine;
  EXPECT_LE(lostAt, pulledBy + 2 * (400 + longestGap)) << lossLine;

  // The attempts: three that found the line but no answer, then the one that was answered.
  std::string log = simulator.Log();
  std::vector<double> attempts = LogTimes(log, "(silent)");
  const std::vector<double> answered = LogTimes(log, "received identify");
  ASSERT_FALSE(answered.empty()) << log;
  attempts.push_back(answered.back());
  ASSERT_EQ(attempts.size(), 4u) << log;
  for (std::size_t i = 1; i < attempts.size(); ++i) {
    EXPECT_GT(attempts[i] - attempts[i - 1], 4500 - kOpenAndRelayMs) << "attempt " << i;
    EXPECT_LT(attempts[i] - attempts[i - 1], 4500 + longestGap + kOpenAndRelayMs) << "attempt " << i;
  }

  // Each failed attempt told the operator, the return too; LinkLog never passed its 119
  // characters and kept the moment of the loss at its head.
  std::vector<std::string> errors, notes;
  for (const auto& box : platform::test::Messages()) {
    EXPECT_LE(box.text.size(), 119u) << box.text;
    EXPECT_EQ(box.text.rfind(lossLine, 0), 0u) << box.text;
    if (box.caption == Tr(Text::CaptionError)) errors.push_back(box.text);
    else if (box.caption == Tr(Text::CaptionMessage)) notes.push_back(box.text);
    else ADD_FAILURE() << "unexpected box: " << box.text;
  }
  ASSERT_EQ(errors.size(), 3u);
  for (const std::string& text : errors) {
    EXPECT_EQ(text.substr(text.size() - std::strlen(Tr(Text::LinkNotRestored))), Tr(Text::LinkNotRestored)) << text;
  }
  ASSERT_EQ(notes.size(), 1u);
  const int restoredAt = LinkMessageTime(notes[0], "restored at ");
  EXPECT_NE(notes[0].find("Connection of the decoder ZL2 restored at "), std::string::npos) << notes[0];
  EXPECT_GT(restoredAt, lostAt + 3 * 4500 - 100) << notes[0];
  EXPECT_STREQ(link.LinkLog, notes[0].c_str());

  // The link is whole again: the file says so and the keep-alive runs.
  EXPECT_EQ(link.connected, 1);
  EXPECT_EQ(link.keepAliveOn, 1);
  EXPECT_EQ(testsupport::ReadBytes(folder / "RéglagesInterface2.rg"), port + "\t1\tVellgrinZL2\r\n");

  // The passes after the return are timed on the decoder's clock, which ran on: to the
  // millisecond, ALBERT's across the outage too.
  for (int i = 0; i < kDrivers; ++i) {
    const StageEntry& e = Main().entries[i];
    EXPECT_EQ(e.state, kEntryFinished) << e.name;
    EXPECT_EQ(e.time, expectedTimes[i]) << e.name;
  }
  std::printf("link lost at %d ms (cable pulled at %d-%d ms); reconnection attempts %.1f, %.1f and %.1f ms apart; "
              "longest gap between two race ticks %.1f ms\n",
              lostAt, pulledFrom, pulledBy, attempts[1] - attempts[0], attempts[2] - attempts[1],
              attempts[3] - attempts[2], longestGap);
}

}  // namespace
