#include "tests/support/race_e2e.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/main_window.h"
#include "race/race_controls_layout.h"
#include "race/race_engine.h"
#include "race/serial_port.h"
#include "race/startup.h"

namespace testsupport {

namespace {

// Whether path came to exist (or to be gone) within timeoutMs.
bool WaitForFile(const std::string& path, bool exists, DWORD timeoutMs) {
  DWORD begin = GetTickCount();
  do {
    if ((GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == exists) return true;
    Sleep(20);
  } while (GetTickCount() - begin < timeoutMs);
  return false;
}

// Asks the serial-pair harness for an action and waits for its answer.
bool AskSerialPair(const char* request, const char* answer) {
  const char* control = std::getenv("VELLGRIN_SERIAL_PAIR_CONTROL");
  if (!control) {
    ADD_FAILURE() << "no VELLGRIN_SERIAL_PAIR_CONTROL: the test runs without tests/support/with-serial-pair";
    return false;
  }
  std::string folder = HostPath(control);
  WriteBytes(folder + "\\" + request, "");
  return WaitForFile(folder + "\\" + answer, true, 5000);
}

}  // namespace

void WriteScenario(const std::string& path, std::vector<ScenarioPass> passes,
                   const std::vector<std::string>& extraLines) {
  std::stable_sort(passes.begin(), passes.end(),
                   [](const ScenarioPass& a, const ScenarioPass& b) { return a.ms < b.ms; });
  std::ofstream out(path);
  for (const ScenarioPass& p : passes) out << p.ms << ' ' << p.transponder << '\n';
  for (const std::string& line : extraLines) out << line << '\n';
}

std::vector<ScenarioPass> ReadScenario(const std::string& path) {
  std::vector<ScenarioPass> passes;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    ScenarioPass p = {};
    if (std::sscanf(line.c_str(), "%d %d", &p.ms, &p.transponder) == 2) passes.push_back(p);
  }
  return passes;
}

void PublishTo(const TempFolder& folder, const LocalFtpServer& server) {
  CreateDirectoryA((folder / "WebResults").c_str(), nullptr);
  WriteBytes(folder / "WebResults/ServeurFtp.txt", "127.0.0.1:" + std::to_string(server.port()) + "\r\nracer\r\npw\r\n");
  std::filesystem::create_directories(std::filesystem::u8path(server.Path("public_html/VellgrinRally/Cup/Demo")));
  Main().web.connected = 1;
  Main().web.publishingActive = 1;
  std::strcpy(Main().web.championship, "Cup");
  std::strcpy(Main().web.eventFolder, "Demo");
}

bool BreakSerialPair() { return AskSerialPair("break", "broken"); }
bool RestoreSerialPair() { return AskSerialPair("restore", "restored"); }

void RaceE2E::SetUp() {
  SetActiveProfile(kEnglishBuild);
  platform::test::SetProgramFolder(folder.path());
  ASSERT_TRUE(CopyTestData(folder.path()));
  saved = platform::CurrentFolder();
  // A program starts once per process: the link it knew in an earlier test is forgotten.
  RaceEngine().link = DecoderLinkState{};
}

void RaceE2E::TearDown() {
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

void RaceE2E::LoadEvent(const std::string& path) {
  platform::test::QueueFileDialogAnswer(path);
  platform::test::QueueMessageAnswer(platform::kIdNo);  // do not save the current event
  SendMessageA(window, WM_COMMAND, kCmdLoadEvent, 0);
}

void RaceE2E::StartWithEvent(const TestEvent& event) {
  window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WriteTestEvent(event));
  std::string path = folder / "event.rall";
  ASSERT_TRUE(CopyFileA(kRallyFilePath, path.c_str(), FALSE));
  LoadEvent(path);
  SelectItem(13101);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES1");
  ASSERT_EQ(Main().timing.entryCount, event.driverCount);
}

DWORD RaceE2E::ClickStart() {
  const DWORD before = GetTickCount();
  SendMessageA(window, WM_COMMAND, kStartButton, 0);
  return GetTickCount() - before;
}

void RaceE2E::StartWithZL1AndNoWebSite(const TestEvent& event) {
  WriteBytes(folder / "RéglagesInterface2.rg", std::string(std::getenv("VELLGRIN_COM_PROGRAM")) + "\t1\tVellgrin\r\n");
  StartWithEvent(event);
  WriteBytes(folder / "WebResults/ServeurFtp.txt", "127.0.0.1:29\r\nracer\r\nsecret\r\n");
}

void RaceE2E::Pump(DWORD ms) {
  DWORD begin = GetTickCount();
  MSG m;
  while (GetTickCount() - begin < ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  }
}

TickGaps RaceE2E::RunUntil(const std::function<bool()>& done, DWORD timeoutMs,
                           const std::function<void()>& afterTick) {
  LARGE_INTEGER frequency, last = {}, now;
  QueryPerformanceFrequency(&frequency);
  TickGaps gaps;
  DWORD begin = GetTickCount();
  while (!done() && GetTickCount() - begin < timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      bool tick = m.message == WM_TIMER && m.hwnd == window && m.wParam == kRaceTimerId;
      if (tick) {
        QueryPerformanceCounter(&now);
        if (last.QuadPart)
          gaps.longestMs = std::max(gaps.longestMs, (now.QuadPart - last.QuadPart) * 1000.0 / frequency.QuadPart);
        last = now;
        ++gaps.ticks;
      }
      TranslateMessage(&m);
      DispatchMessageA(&m);
      if (tick && afterTick) afterTick();
    }
  }
  return gaps;
}

TickGaps RaceE2E::RunUntilStageEnds(DWORD timeoutMs) {
  return RunUntil([] { return Main().timing.stageState == 3; }, timeoutMs);
}

int RaceE2E::StageElapsed() const { return static_cast<int>(GetTickCount() - Main().timing.startTick); }

StallProbe::StallProbe() { thread_ = CreateThread(nullptr, 0, &StallProbe::Run, this, 0, nullptr); }

StallProbe::~StallProbe() {
  InterlockedExchange(&stop_, 1);
  if (thread_) {
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
  }
}

double StallProbe::LongestStallMs() const { return InterlockedCompareExchange(const_cast<LONG*>(&longestUs_), 0, 0) / 1000.0; }

DWORD WINAPI StallProbe::Run(void* self) {
  StallProbe* probe = static_cast<StallProbe*>(self);
  LARGE_INTEGER frequency, before, after, lastTimer;
  QueryPerformanceFrequency(&frequency);
  auto elapsedUs = [&](const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    return static_cast<LONG>((to.QuadPart - from.QuadPart) * 1000000 / frequency.QuadPart);
  };
  auto record = [&](LONG us) {
    if (us > probe->longestUs_) InterlockedExchange(&probe->longestUs_, us);
  };
  constexpr UINT kPeriodMs = 20;
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // this thread's message queue
  UINT_PTR timer = SetTimer(nullptr, 0, kPeriodMs, nullptr);
  QueryPerformanceCounter(&lastTimer);
  while (!InterlockedCompareExchange(&probe->stop_, 0, 0)) {
    QueryPerformanceCounter(&before);
    Sleep(1);
    QueryPerformanceCounter(&after);
    record(elapsedUs(before, after));
    while (PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      QueryPerformanceCounter(&after);
      record(elapsedUs(lastTimer, after) - static_cast<LONG>(kPeriodMs) * 1000);
      lastTimer = after;
    }
  }
  KillTimer(nullptr, timer);
  return 0;
}

}  // namespace testsupport
