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
#include <fstream>
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
#include "tests/support/local_ftp_server.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

namespace {

using testsupport::Simulator;
using testsupport::TempFolder;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc",  "COSTA Ana",    "DUBOIS Luc",  "EVANS Tom",
                              "FABRE Lea",   "GARCIA Pablo", "HOFFMANN Eva", "IVANOV Oleg", "JANSEN Piet"};
constexpr int kDrivers = 10;
int Transponder(int driver) { return 23101 + driver; }

void WriteEvent(const std::string& path, int interval) {
  testsupport::TestEvent event;
  event.rallyName = "DEMO";
  event.drivers = kNames;
  event.driverCount = kDrivers;
  event.firstCarNumber = 21;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";
  event.interval = interval;
  ASSERT_TRUE(testsupport::WriteTestEvent(event));
  ASSERT_TRUE(CopyFileA(kRallyFilePath, path.c_str(), FALSE));
}

void LoadEvent(HWND window, const std::string& path) {
  platform::test::QueueFileDialogAnswer(path);
  platform::test::QueueMessageAnswer(platform::kIdNo);  // do not save the current event
  SendMessageA(window, WM_COMMAND, kCmdLoadEvent, 0);
}

struct Pass {
  int ms;
  int transponder;
};

// The scenario lines "<ms> <transponder>" of a simulator file.
std::vector<Pass> ReadScenario(const std::string& path) {
  std::vector<Pass> passes;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    Pass p = {};
    if (std::sscanf(line.c_str(), "%d %d", &p.ms, &p.transponder) == 2) passes.push_back(p);
  }
  return passes;
}

constexpr int kFtpPort = 21718;

// Live results of the event "Demo" of the championship "Cup" go to the local server.
void PublishTo(const testsupport::TempFolder& folder, const testsupport::LocalFtpServer& server) {
  server.WriteServerFile(folder.path());
  // The upload writes into the event's folder; it does not make it.
  server.MakeFolder("public_html/VellgrinRally/Cup/Demo");
  Main().web.connected = 1;
  Main().web.publishingActive = 1;
  std::strcpy(Main().web.championship, "Cup");
  std::strcpy(Main().web.eventFolder, "Demo");
}

class RaceEngineE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::SetProgramFolder(folder.path());
    ASSERT_TRUE(testsupport::CopyTestData(folder.path()));
    saved = platform::CurrentFolder();
    // A program starts once per process: the link it knew in an earlier test is forgotten.
    RaceEngine().link = DecoderLinkState{};
  }
  void TearDown() override {
    if (window && IsWindow(window)) {
      // Closing is refused while timing.
      if (Main().timing.timing == 1) SendMessageA(window, WM_COMMAND, kPauseButton, 0);
      Main().timing.timing = 0;
      platform::test::QueueMessageAnswer(platform::kIdNo);
      SendMessageA(window, WM_CLOSE, 0, 0);
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    }
    CloseSerialPort();
    UnregisterClassA("classeF", GetModuleHandleA(nullptr));
    platform::SetCurrentFolder(saved.c_str());
  }
  void Pump(DWORD ms) {
    DWORD begin = GetTickCount();
    MSG m;
    while (GetTickCount() - begin < ms) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    }
  }
  // Pumps the window's messages until the stage has finished or timeoutMs has passed, and
  // returns the longest gap between two race ticks (ms).
  double RunUntilStageEnds(DWORD timeoutMs) {
    LARGE_INTEGER frequency, last = {}, now;
    QueryPerformanceFrequency(&frequency);
    double longest = 0;
    DWORD begin = GetTickCount();
    while (Main().timing.stageState != 3 && GetTickCount() - begin < timeoutMs) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_TIMER && m.hwnd == window && m.wParam == kRaceTimerId) {
          QueryPerformanceCounter(&now);
          if (last.QuadPart) longest = std::max(longest, (now.QuadPart - last.QuadPart) * 1000.0 / frequency.QuadPart);
          last = now;
        }
        TranslateMessage(&m);
        DispatchMessageA(&m);
      }
    }
    return longest;
  }

  TempFolder folder;
  std::string saved;
  HWND window = nullptr;
};

TEST_F(RaceEngineE2E, AZL2StageIsTimedToTheMillisecondRankedAndSaved) {
  // Driver i is released about 3 (i + 1) s after Start, crosses the start line 1.2 s and a
  // few odd milliseconds later and finishes 4 to 9.6 s after that, every time different.
  std::vector<Pass> passes;
  std::map<int, int> expected;  // transponder -> stage time (ms)
  for (int i = 0; i < kDrivers; ++i) {
    int start = 3000 * (i + 1) + 1200 + 37 * i;
    int time = 4000 + 613 * (i * 7 % 10) + i;
    passes.push_back({start, Transponder(i)});
    passes.push_back({start + time, Transponder(i)});
    expected[Transponder(i)] = time;
  }
  std::sort(passes.begin(), passes.end(), [](const Pass& a, const Pass& b) { return a.ms < b.ms; });
  std::string scenario = folder / "scenario.txt";
  {
    std::ofstream out(scenario);
    for (const Pass& p : passes) out << p.ms << ' ' << p.transponder << '\n';
  }
  const std::string port = std::getenv("VELLGRIN_COM_PROGRAM");
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", port + "\t1\tVellgrinZL2\r\n");
  Simulator simulator(folder, "--model zl2 --exit-after 120000 --scenario \"" + scenario + "\"");
  testsupport::LocalFtpServer ftp(kFtpPort);
  ASSERT_TRUE(ftp.Start());

  window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  PublishTo(folder, ftp);
  std::string event = folder / "event.rall";
  WriteEvent(event, 3);
  LoadEvent(window, event);
  SelectItem(13101);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES1");
  ASSERT_EQ(Main().timing.entryCount, kDrivers);
  platform::test::ClearMessages();
  platform::test::ClearSounds();
  // The first ticks read the link settings that start-up wrote.
  Pump(300);

  SendMessageA(window, WM_COMMAND, kStartButton, 0);
  ASSERT_EQ(Main().timing.timing, 1) << "the decoder acknowledged the clock reset";
  double longestGap = RunUntilStageEnds(90000);
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
  EXPECT_EQ(testsupport::ReadBytes(ftp.Path("public_html/VellgrinRally/Cup/Demo/RallyLive.txt")), live);
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
  std::vector<Pass> passes;
  for (int i = 0; i < kDrivers; ++i) {
    int start = kLead + 3000 * (i + 1) + 1200 + 37 * i;
    int time = 4000 + 613 * (i * 7 % 10) + i;
    passes.push_back({start, Transponder(i)});
    passes.push_back({start + time, Transponder(i)});
  }
  std::sort(passes.begin(), passes.end(), [](const Pass& a, const Pass& b) { return a.ms < b.ms; });
  std::string scenario = folder / "scenario.txt";
  {
    std::ofstream out(scenario);
    for (const Pass& p : passes) out << p.ms << ' ' << p.transponder << '\n';
  }
  const std::string port = std::getenv("VELLGRIN_COM_PROGRAM");
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", port + "\t1\tVellgrin\r\n");
  DWORD simulatorStart = GetTickCount();
  Simulator simulator(folder, "--model zl1 --exit-after 120000 --scenario \"" + scenario + "\"");
  // Live results are published to a server that has gone: the uploads fail on their own
  // thread and the ticks go on.
  testsupport::LocalFtpServer ftp(kFtpPort);
  ASSERT_TRUE(ftp.Start());
  ftp.Stop();

  window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  PublishTo(folder, ftp);
  std::string event = folder / "event.rall";
  WriteEvent(event, 3);
  LoadEvent(window, event);
  SelectItem(13101);
  ASSERT_EQ(Main().timing.entryCount, kDrivers);
  platform::test::ClearMessages();
  Pump(300);
  SendMessageA(window, WM_COMMAND, kStartButton, 0);
  ASSERT_EQ(Main().timing.timing, 1);
  ASSERT_LT(GetTickCount() - simulatorStart, static_cast<DWORD>(kLead - 500)) << "started too late for the scenario";
  double longestGap = RunUntilStageEnds(90000);
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
  LoadEvent(window, folder / "Demo/DemoRallye.rall");
  SelectItem(13101);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES1");
  ASSERT_EQ(Main().timing.entryCount, kDrivers);
  EXPECT_EQ(Main().parameters.startType, kStandardStart);
  const int interval = Main().parameters.startInterval;
  EXPECT_EQ(interval, 10);
  std::vector<Pass> passes = ReadScenario(folder / "Demo/demo-zl2.txt");
  EXPECT_EQ(passes.size(), 2u * kDrivers);
  for (int i = 0; i < kDrivers; ++i) {
    const StageEntry& e = Main().entries[i];
    ASSERT_EQ(std::strlen(e.transponder), 6u) << e.name;
    std::vector<int> times;
    for (const Pass& p : passes)
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
