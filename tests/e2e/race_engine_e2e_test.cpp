// A special stage timed from start to finish: the program in-process with its race timer,
// the decoder simulator on the other end of a serial pair sending the passes of a scenario,
// live results uploaded to a local FTP server (or failing to reach a stopped one).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_records.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/main_window.h"
#include "race/menus.h"
#include "race/race_controls_layout.h"
#include "race/race_engine.h"
#include "race/race_engine_win32.h"
#include "race/serial_port.h"
#include "race/stage_timing.h"
#include "race/startup.h"
#include "results/ftp_upload.h"
#include "results/web_publishing.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/race_e2e.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

namespace {

using testsupport::LocalFtpServer;
using testsupport::ScenarioPass;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc",  "COSTA Ana",    "DUBOIS Luc",  "EVANS Tom",
                              "FABRE Lea",   "GARCIA Pablo", "HOFFMANN Eva", "IVANOV Oleg", "JANSEN Piet"};
constexpr int kDrivers = 10;
int Transponder(int driver) { return 23101 + driver; }
constexpr int kFtpPort = 21718;

testsupport::TestEvent Event(int interval) {
  testsupport::TestEvent event;
  event.rallyName = "DEMO";
  event.drivers = kNames;
  event.driverCount = kDrivers;
  event.firstCarNumber = 21;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";
  event.interval = interval;
  return event;
}

class RaceEngineE2E : public testsupport::RaceE2E {
 protected:
  void TearDown() override {
    testsupport::RaceE2E::TearDown();
    SetActiveProfile(kEnglishBuild);
  }
  // Ten drivers on a ZL2 whose line runs at 9600 baud as a real one does, timed by the
  // program of `profile`.
  void TimeAZL2StageOnA9600BaudLine(const BuildProfile& profile);
};

void RaceEngineE2E::TimeAZL2StageOnA9600BaudLine(const BuildProfile& profile) {
  SetActiveProfile(profile);
  // Driver i is released about 3 (i + 1) s after Start, crosses the start line 1.2 s and a
  // few odd milliseconds later and finishes 4 to 9.6 s after that, every time different.
  std::vector<ScenarioPass> passes;
  std::map<int, int> expected;  // transponder -> stage time (ms)
  for (int i = 0; i < kDrivers; ++i) {
    int start = 3000 * (i + 1) + 1200 + 37 * i;
    int time = 4000 + 613 * (i * 7 % 10) + i;
    passes.push_back({start, Transponder(i)});
    passes.push_back({start + time, Transponder(i)});
    expected[Transponder(i)] = time;
  }
  std::string scenario = folder / "scenario.txt";
  testsupport::WriteScenario(scenario, passes);
  const std::string port = std::getenv("VELLGRIN_COM_PROGRAM");
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", port + "\t1\tVellgrinZL2\r\n");
  Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 120000 --scenario \"" + scenario + "\"");
  LocalFtpServer ftp(kFtpPort);
  ASSERT_TRUE(ftp.Start());

  StartWithEvent(Event(3));
  PublishTo(folder, ftp);
  platform::test::ClearMessages();
  platform::test::ClearSounds();
  // The first ticks read the link settings that start-up wrote.
  Pump(300);

  // One click starts the stage: the acknowledgement comes as late as the line makes it.
  DWORD startTook = ClickStart();
  ASSERT_EQ(Main().timing.timing, 1) << "the decoder acknowledged the clock reset";
  std::printf("Start took %lu ms with the clock reset\n", static_cast<unsigned long>(startTook));
  EXPECT_NE(simulator.Log().find("sent clock-reset-ack"), std::string::npos);
  double longestGap = RunUntilStageEnds(90000).longestMs;
  std::printf("longest gap between two race ticks: %.1f ms\n", longestGap);
  ASSERT_EQ(Main().timing.stageState, 3) << "the stage finished by itself";
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;

  // Every time is the decoder's finish time less its start time, to the millisecond; the
  // ranks follow the times.
  std::vector<int> times;
  for (int i = 0; i < kDrivers; ++i) {
    const StageEntry& e = Main().entries[i];
    EXPECT_STREQ(e.name, kNames[i]);
    EXPECT_EQ(e.state, kEntryFinished) << e.name;
    EXPECT_EQ(e.time, expected[Transponder(i)]) << e.name;
    times.push_back(expected[Transponder(i)]);
  }
  std::vector<int> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  for (int i = 0; i < kDrivers; ++i) {
    int rank = static_cast<int>(std::find(sorted.begin(), sorted.end(), times[i]) - sorted.begin()) + 1;
    EXPECT_EQ(Main().ranking[i].rank, rank) << kNames[i];
  }

  // The end of the stage is announced once (the start's horn waits; the end's does not).
  int endHorns = 0;
  for (const auto& sound : platform::test::Sounds())
    if (sound.path.find("foghorn") != std::string::npos && sound.mode == platform::SoundMode::Async) ++endHorns;
  EXPECT_EQ(endHorns, 1);

  // The working event file holds the results without the operator leaving the stage.
  static StageResultRow rows[kMaxParticipants];
  int stageState = 0, timeRun = 0;
  char startText[kStartTextSize], comment[kCommentSize], track[kTrackConditionSize];
  platform::SetCurrentFolder(platform::ProgramFolder().c_str());
  ASSERT_TRUE(ReadStageResults(rows, &stageState, &timeRun, startText, comment, track, "CourseRallye1ES1"));
  EXPECT_EQ(stageState, 3);
  for (int i = 0; i < kDrivers; ++i) {
    EXPECT_STREQ(rows[i].name, kNames[i]);
    EXPECT_EQ(rows[i].state, kEntryFinished) << kNames[i];
    EXPECT_EQ(rows[i].time, expected[Transponder(i)]) << kNames[i];
  }

  // The live results reached the web site as the program last wrote them.
  DrainLiveUploads();
  std::string live;
  ASSERT_TRUE(ReadUploadContent((folder / "WebResults/Live.txt").c_str(), &live));
  EXPECT_NE(live.find(kNames[0]), std::string::npos);
  EXPECT_EQ(testsupport::ReadBytes(ftp.Path(testsupport::kRemoteLiveFile)), live);
}

TEST_F(RaceEngineE2E, AZL2StageOnA9600BaudLineIsTimedToTheMillisecondRankedAndSaved) {
  TimeAZL2StageOnA9600BaudLine(kEnglishBuild);
}

TEST_F(RaceEngineE2E, TheFrenchProgramTimesAZL2StageOnA9600BaudLineToTheMillisecond) {
  TimeAZL2StageOnA9600BaudLine(kFrenchBuild);
}

TEST_F(RaceEngineE2E, TheSpanishProgramTimesAZL2StageOnA9600BaudLineToTheMillisecond) {
  TimeAZL2StageOnA9600BaudLine(kSpanishBuild);
}

// A ZL2 found at start-up that then never acknowledges the clock reset (it has hung): Start
// says so, in each program, and no stage starts.
TEST_F(RaceEngineE2E, ADecoderThatNeverAcknowledgesTheClockResetRefusesTheStart) {
  const std::string port = std::getenv("VELLGRIN_COM_PROGRAM");
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", port + "\t1\tVellgrinZL2\r\n");
  Simulator simulator(folder, "--model zl2 --baud 9600 --interactive --exit-after 60000", true);
  StartWithEvent(Event(3));
  Pump(300);
  ASSERT_STREQ(RaceEngine().link.decoderName, kDecoderNameZL2) << "start-up found the ZL2";
  simulator.Type("silent 50000\n");
  for (const BuildProfile* profile : {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*profile);
    Pump(100);
    platform::test::ClearMessages();
    DWORD took = ClickStart();
    EXPECT_EQ(Main().timing.timing, 0) << profile->programName;
    EXPECT_EQ(Main().timing.stageState, 0) << profile->programName;
    EXPECT_GE(took, 99u) << "the whole wait: " << profile->programName;
    ASSERT_EQ(platform::test::Messages().size(), 1u) << profile->programName;
    EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::ClockResetNotAcknowledged));
    EXPECT_EQ(platform::test::Messages()[0].caption, Tr(Text::CaptionError));
  }
  EXPECT_EQ(simulator.Log().find("sent clock-reset-ack"), std::string::npos);
}

}  // namespace

namespace {

// The simulator's log times (ms) of the passes of one transponder, in order.
std::vector<double> LoggedPasses(const std::string& log, int transponder) {
  std::vector<double> times;
  std::istringstream lines(log);
  std::string line;
  const std::string label = "pass transponder=" + std::to_string(transponder);
  while (std::getline(lines, line)) {
    std::size_t at = line.find(label);
    if (at != std::string::npos && (at + label.size() == line.size() || line[at + label.size()] == ' '))
      times.push_back(std::atof(line.c_str()));
  }
  return times;
}

// A ZL1 frame carries no time: the program times the pass when it reads the frame, so a
// stage time is off the true one by at most the longest wait for a tick plus the frame's
// two bytes on the line, plus what the relay between the two pseudo-terminals and the
// scheduling of the simulator add on a busy machine (the simulator logs a pass just
// before it writes it; socat then copies it across).
TEST_F(RaceEngineE2E, AZL1StageIsTimedWithinATickOfTheTrueCrossings) {
  // A ZL1 gets no clock reset: the scenario runs from the simulator's start, and the
  // stage is started within the first kLead ms of it.
  constexpr int kLead = 4000;
  std::vector<ScenarioPass> passes;
  for (int i = 0; i < kDrivers; ++i) {
    int start = kLead + 3000 * (i + 1) + 1200 + 37 * i;
    int time = 4000 + 613 * (i * 7 % 10) + i;
    passes.push_back({start, Transponder(i)});
    passes.push_back({start + time, Transponder(i)});
  }
  std::string scenario = folder / "scenario.txt";
  testsupport::WriteScenario(scenario, passes);
  const std::string port = std::getenv("VELLGRIN_COM_PROGRAM");
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", port + "\t1\tVellgrin\r\n");
  // Live results are published to a server that has gone: the uploads fail on their own
  // thread and the ticks go on. The server comes and goes before the scenario's clock
  // starts: on a busy machine that alone can take seconds.
  LocalFtpServer ftp(kFtpPort);
  ASSERT_TRUE(ftp.Start());
  ftp.Stop();
  DWORD simulatorStart = GetTickCount();
  Simulator simulator(folder, "--model zl1 --exit-after 120000 --scenario \"" + scenario + "\"");

  StartWithEvent(Event(3));
  PublishTo(folder, ftp);
  platform::test::ClearMessages();
  Pump(300);
  ClickStart();
  ASSERT_EQ(Main().timing.timing, 1);
  ASSERT_LT(GetTickCount() - simulatorStart, static_cast<DWORD>(kLead - 500)) << "started too late for the scenario";
  double longestGap = RunUntilStageEnds(90000).longestMs;
  ASSERT_EQ(Main().timing.stageState, 3) << "the stage finished by itself";
  DrainLiveUploads();
  Pump(200);  // the failure comes back to the window as a message
  int failures = 0;
  for (const auto& m : platform::test::Messages()) {
    if (m.text == Tr(Text::LiveResultsTransferFailed)) ++failures;
    else ADD_FAILURE() << "unexpected box: " << m.text;
  }
  EXPECT_GE(failures, 1) << "the operator is told the upload failed";

  const double frameMs = 2 * 10 * 1000.0 / 9600;
  const double relayMs = 15;
  double worst = 0;
  std::string log = simulator.Log();
  for (int i = 0; i < kDrivers; ++i) {
    const StageEntry& e = Main().entries[i];
    std::vector<double> crossings = LoggedPasses(log, Transponder(i));
    ASSERT_EQ(crossings.size(), 2u) << e.name;
    EXPECT_EQ(e.state, kEntryFinished) << e.name;
    double error = e.time - (crossings[1] - crossings[0]);
    worst = std::max(worst, std::abs(error));
    EXPECT_LE(std::abs(error), longestGap + frameMs + relayMs) << e.name;
  }
  std::printf("ZL1: largest stage time error %.1f ms; longest gap between two race ticks (FTP server stopped) %.1f ms\n", worst,
              longestGap);
}

// The demonstration in data/Demo: the event loads with its ten drivers in start order and
// one stage, and the scenario's passes fit its start order, so that a demonstration run
// times every driver.
TEST_F(RaceEngineE2E, TheDemonstrationEventLoadsAndItsScenarioFitsItsStartOrder) {
  window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  LoadEvent(folder / "Demo/DemoRallye.rall");
  SelectItem(13101);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES1");
  ASSERT_EQ(Main().timing.entryCount, kDrivers);
  EXPECT_EQ(Main().parameters.startType, kStandardStart);
  const int interval = Main().parameters.startInterval;
  EXPECT_EQ(interval, 10);
  std::vector<ScenarioPass> passes = testsupport::ReadScenario(folder / "Demo/demo-zl2.txt");
  EXPECT_EQ(passes.size(), 2u * kDrivers);
  for (int i = 0; i < kDrivers; ++i) {
    const StageEntry& e = Main().entries[i];
    ASSERT_EQ(std::strlen(e.transponder), 6u) << e.name;
    std::vector<int> times;
    for (const ScenarioPass& p : passes)
      if (p.transponder == std::atoi(e.transponder)) times.push_back(p.ms);
    ASSERT_EQ(times.size(), 2u) << e.name << ": a start and a finish";
    // Released (i + 1) intervals after Start; a second later leaves room for the ticks.
    EXPECT_GE(times[0], interval * 1000 * (i + 1) + 1000) << e.name;
    EXPECT_LT(times[0], interval * 1000 * (i + 2)) << e.name << " starts before the next driver is released";
    EXPECT_GE(times[1] - times[0], 40000) << e.name;
    EXPECT_LE(times[1] - times[0], 70000) << e.name;
  }
}

}  // namespace
