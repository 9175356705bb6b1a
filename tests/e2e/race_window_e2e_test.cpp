// The race window as the operator uses it during a stage, the program in-process with its
// race timer and a simulated decoder: the controls stay on screen while the stage runs (also
// under a modal dialog), the additional screen shows the countdown, in-place edits do not
// outlive what they were opened on, a decoder connected in the interface dialog is the one
// the next Start uses, and the 100 ms builds lose no pass of frames that arrive in pieces.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/decoder_protocol.h"
#include "race/dialog_table.h"
#include "race/event_tree.h"
#include "race/live_table.h"
#include "race/live_table_input.h"
#include "race/main_state.h"
#include "race/race_controls_layout.h"
#include "race/race_engine.h"
#include "race/start_lights_window.h"
#include "setup/setup_dialog_ids.h"
#include "tests/support/capture.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/race_e2e.h"

namespace {

using testsupport::ScenarioPass;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc",  "COSTA Ana",    "DUBOIS Luc",  "EVANS Tom",
                              "FABRE Lea",   "GARCIA Pablo", "HOFFMANN Eva", "IVANOV Oleg", "JANSEN Piet"};
constexpr int kDrivers = 10;
int Transponder(int driver) { return 25101 + driver; }

testsupport::TestEvent Event(int interval, int drivers = kDrivers) {
  testsupport::TestEvent event;
  event.drivers = kNames;
  event.driverCount = drivers;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";
  event.interval = interval;
  event.stageCount = 2;
  return event;
}

void UseDecoder(const testsupport::TempFolder& folder, const char* name) {
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg",
                          std::string(std::getenv("VELLGRIN_COM_PROGRAM")) + "\t1\t" + name + "\r\n");
}

// Driver i is released about interval (i + 1) s after Start, crosses the line 0.9 s and a
// few odd milliseconds later and finishes 3 to 5.5 s after that.
std::map<int, int> WriteStagePasses(const std::string& scenario, int interval, int drivers = kDrivers) {
  std::vector<ScenarioPass> passes;
  std::map<int, int> expected;
  for (int i = 0; i < drivers; ++i) {
    int start = interval * 1000 * (i + 1) + 900 + 13 * i;
    int time = 3000 + 271 * (i * 7 % 10) + i;
    passes.push_back({start, Transponder(i)});
    passes.push_back({start + time, Transponder(i)});
    expected[Transponder(i)] = time;
  }
  testsupport::WriteScenario(scenario, passes);
  return expected;
}

// The pixels of a rectangle of the screen, as the operator sees them.
std::vector<DWORD> ScreenPixels(const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  std::vector<DWORD> pixels(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  std::memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

RECT ScreenRectOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return r;
}

// The group box's frame, a strip along its left edge.
RECT GroupFrameStrip(HWND window, int id) {
  RECT r = ScreenRectOf(GetDlgItem(window, id));
  r.right = r.left + 3;
  r.top += 12;
  r.bottom -= 4;
  return r;
}

// The modal dialog the main window owns, once it is open.
HWND OwnedDialog(HWND owner) {
  for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w; w = FindWindowExA(nullptr, w, "#32770", nullptr))
    if (GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w)) return w;
  return nullptr;
}

class RaceWindowE2E : public testsupport::RaceE2E {
 protected:
  void Start() {
    platform::test::ClearMessages();
    Pump(300);
    ClickStart();
    ASSERT_EQ(Main().timing.timing, 1) << "the stage started";
  }
  // A stage whose passes the simulator sends as a ZL2, every frame in three pieces a few
  // milliseconds apart, as a serial driver hands them over; every time must be exact.
  void TimeSplitStage(const char* capture) {
    std::string scenario = folder / "scenario.txt";
    std::map<int, int> expected = WriteStagePasses(scenario, 2);
    UseDecoder(folder, kDecoderNameZL2);
    Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 90000 --split 4,8 --split-gap 3 --scenario \"" +
                                    scenario + "\"");
    StartWithEvent(Event(2));
    Start();
    ShowWindow(window, SW_SHOWMAXIMIZED);
    RunUntil([] { return Main().entries[4].state == kEntryFinished; }, 30000);
    testsupport::CaptureDesktop(capture);
    RunUntilStageEnds(60000);
    for (int i = 0; i < kDrivers && Main().timing.stageState != 3; ++i)
      std::printf("%s: state %d, time %d\n", Main().entries[i].name, Main().entries[i].state, Main().entries[i].time);
    ASSERT_EQ(Main().timing.stageState, 3) << "the stage finished by itself";
    for (int i = 0; i < kDrivers; ++i) {
      const StageEntry& e = Main().entries[i];
      EXPECT_EQ(e.state, kEntryFinished) << e.name;
      EXPECT_EQ(e.time, expected[Transponder(i)]) << e.name;
    }
    for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;
  }
};

// A ZL1 (no clock reset to wait for) whose first driver passes every half second.
void UseZL1PassingEveryHalfSecond(const testsupport::TempFolder& folder, const std::string& scenario) {
  std::vector<ScenarioPass> passes;
  for (int ms = 1000; ms < 40000; ms += 500) passes.push_back({ms, Transponder(0)});
  testsupport::WriteScenario(scenario, passes);
  UseDecoder(folder, kDecoderNameZL1);
}

TEST_F(RaceWindowE2E, TheControlsStayOnScreenWhileTheStageRunsAndUnderAModalDialog) {
  std::string scenario = folder / "scenario.txt";
  UseZL1PassingEveryHalfSecond(folder, scenario);
  Simulator simulator(folder, "--model zl1 --exit-after 60000 --scenario \"" + scenario + "\"");
  StartWithEvent(Event(2, 4));
  ShowWindow(window, SW_SHOWMAXIMIZED);
  SetForegroundWindow(window);
  Pump(500);
  const RECT pause = ScreenRectOf(GetDlgItem(window, kPauseButton));
  const RECT messageBox = ScreenRectOf(GetDlgItem(window, kMessageBoxCheck));
  const RECT clockFrame = GroupFrameStrip(window, kClockGroup);
  RECT tree = ScreenRectOf(EventTree());
  tree.bottom = tree.top + 150;
  const auto pauseBefore = ScreenPixels(pause);
  const auto messageBoxBefore = ScreenPixels(messageBox);
  const auto frameBefore = ScreenPixels(clockFrame);
  Start();
  // The tree, Start and the chip options are greyed while the stage runs: they are compared with
  // themselves over the stage, the rest with what was there before Start.
  Pump(400);
  const auto treeTimed = ScreenPixels(tree);
  const auto startTimed = ScreenPixels(ScreenRectOf(GetDlgItem(window, kStartButton)));
  Pump(4500);  // passes come, the live table and the clock are painted again and again
  ASSERT_GT(Main().entries[0].state, kEntryReleased) << "a pass was handled";
  EXPECT_EQ(ScreenPixels(pause), pauseBefore);
  EXPECT_EQ(ScreenPixels(messageBox), messageBoxBefore);
  EXPECT_EQ(ScreenPixels(clockFrame), frameBefore);
  EXPECT_EQ(ScreenPixels(tree), treeTimed);
  EXPECT_EQ(ScreenPixels(ScreenRectOf(GetDlgItem(window, kStartButton))), startTimed);
  testsupport::CaptureDesktop("race-window-during-stage");

  // A modal dialog over the window while the ticks go on.
  static HWND owner;
  static std::vector<DWORD> pauseUnderDialog, treeUnderDialog;
  static RECT pauseArea, treeArea;
  static int ticks;
  owner = window;
  pauseArea = pause;
  treeArea = tree;
  ticks = 0;
  pauseUnderDialog.clear();
  UINT_PTR timer = SetTimer(nullptr, 0, 250, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = OwnedDialog(owner);
    if (!dialog) return;
    if (++ticks == 12) {
      pauseUnderDialog = ScreenPixels(pauseArea);
      treeUnderDialog = ScreenPixels(treeArea);
      testsupport::CaptureDesktop("race-window-under-modal-dialog");
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  });
  OpenProgramDialog(window, ProgramDialog::StageComment);
  KillTimer(nullptr, timer);
  ASSERT_FALSE(pauseUnderDialog.empty()) << "the dialog was open for 3 s";
  EXPECT_EQ(pauseUnderDialog, pauseBefore);
  EXPECT_EQ(treeUnderDialog, treeTimed);
}

TEST_F(RaceWindowE2E, TheAdditionalScreenOpensOnceAndTheCountdownReachesIt) {
  UseDecoder(folder, kDecoderNameZL1);
  Simulator simulator(folder, "--model zl1 --exit-after 60000");
  StartWithEvent(Event(10, 4));
  SendMessageA(window, WM_COMMAND, kCmdAdditionalScreen, 0);
  HWND lights = FindWindowA(nullptr, "Driver Countdown");
  ASSERT_NE(lights, nullptr);
  EXPECT_TRUE(IsZoomed(lights));
  EXPECT_STREQ(StartLights().driverName, "ALBERT Jean") << "the first driver waiting";
  EXPECT_EQ(StartLights().seconds, 10);
  platform::test::ClearMessages();
  SendMessageA(window, WM_COMMAND, kCmdAdditionalScreen, 0);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, "The Countdown screen is allready opened");
  EXPECT_EQ(platform::test::Messages()[0].caption, "Error");
  EXPECT_EQ(platform::test::Messages()[0].type & 0xF0u, static_cast<unsigned>(platform::kMbIconStop));
  int windows = 0;
  for (HWND w = FindWindowA(nullptr, "Driver Countdown"); w; w = FindWindowExA(nullptr, w, nullptr, "Driver Countdown"))
    ++windows;
  EXPECT_EQ(windows, 1);

  Start();
  Pump(4500);
  EXPECT_STREQ(StartLights().driverName, "ALBERT Jean");
  EXPECT_GE(StartLights().seconds, 4);
  EXPECT_LE(StartLights().seconds, 7) << "the countdown runs on the additional screen";
  testsupport::CaptureDesktop("start-lights-during-stage");
  SendMessageA(window, WM_COMMAND, kPauseButton, 0);
  // A new rally unloads the stage: the screen is told nobody waits.
  SendMessageA(window, WM_COMMAND, kCmdNewRally, 0);
  EXPECT_STREQ(StartLights().driverName, "");
  EXPECT_EQ(StartLights().seconds, 30);
  DestroyWindow(lights);
}

TEST_F(RaceWindowE2E, InPlaceEditsEndWithStartAndWithTheStageTheyWereOpenedOn) {
  UseDecoder(folder, kDecoderNameZL1);
  Simulator simulator(folder, "--model zl1 --exit-after 60000");
  StartWithEvent(Event(30, 4));
  // Rally 1 SS1 holds a finished time for the first driver.
  Main().entries[0].state = kEntryFinished;
  Main().entries[0].time = 61000;
  Main().timing.stageState = 3;
  SendMessageA(window, WM_COMMAND, kCmdActivateResults, 0);
  ASSERT_EQ(Main().modificationMode, 1);
  // The correction edits as a Ctrl+click on the time opens them.
  for (int id : {kHoursEdit, kMinutesEdit, kSecondsEdit, kMillisEdit})
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 300, 300, 30, 20, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  LiveTable().editedEntry = 0;
  LiveTable().editedStageCode = Main().stage.code;
  Start();
  for (int id : {kHoursEdit, kMinutesEdit, kSecondsEdit, kMillisEdit, kChipList})
    EXPECT_EQ(GetDlgItem(window, id), nullptr) << id;
  EXPECT_EQ(Main().modificationMode, 0);
  SendMessageA(window, WM_COMMAND, kPauseButton, 0);

  // Opened on SS1, left behind when SS2 is selected: nothing of it reaches SS2.
  SendMessageA(window, WM_COMMAND, kCmdActivateResults, 0);
  HWND seconds = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 300, 300, 30, 20, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSecondsEdit)),
                                 GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(seconds, nullptr);
  LiveTable().editedStageCode = Main().stage.code;
  SelectItem(13102);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES2");
  EXPECT_FALSE(IsWindow(seconds));
  // Even an edit that escaped would not write: the stage is not the one it was opened on.
  Main().entries[0].state = kEntryFinished;
  Main().entries[0].time = 70000;
  Main().modificationMode = 1;
  seconds = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 300, 300, 30, 20, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSecondsEdit)), GetModuleHandleA(nullptr),
                            nullptr);
  SetWindowTextA(seconds, "5");
  EXPECT_EQ(Main().entries[0].time, 70000);
  DestroyWindow(seconds);
}

TEST_F(RaceWindowE2E, AStageLoadedInClubChipsModeHasThePersonalTransponders) {
  UseDecoder(folder, kDecoderNameZL1);
  Simulator simulator(folder, "--model zl1 --exit-after 60000");
  StartWithEvent(Event(30, 4));
  SendMessageA(window, WM_COMMAND, kClubChipsRadio, 0);
  ASSERT_EQ(Main().transponderMode, 0);
  SelectItem(13102);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES2");
  for (int i = 0; i < 4; ++i) {
    char expected[8];
    std::snprintf(expected, sizeof expected, "%06d", Transponder(i));
    EXPECT_STREQ(Main().entries[i].transponder, expected) << kNames[i];
  }
}

// The program started with a ZL1 in its link file; the operator connects the ZL2 in the
// interface dialog; Start then resets its clock and every pass is timed to the millisecond.
TEST_F(RaceWindowE2E, ADecoderConnectedInTheInterfaceDialogIsTheOneStartUses) {
  std::string scenario = folder / "scenario.txt";
  std::map<int, int> expected = WriteStagePasses(scenario, 2, 4);
  // Nothing answers the probe at start-up: the program takes the device for a ZL1.
  UseDecoder(folder, kDecoderNameZL2);
  StartWithEvent(Event(2, 4));
  Pump(300);
  ASSERT_STREQ(RaceEngine().link.decoderName, kDecoderNameZL1) << "the first ticks read the link file";
  Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 90000 --scenario \"" + scenario + "\"");
  Pump(500);

  static std::string port;
  static bool connected;
  port = std::getenv("VELLGRIN_COM_PROGRAM");
  connected = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Interface");
    if (!dialog || connected) return;
    connected = true;
    HWND ports = GetDlgItem(dialog, IDC_INTERFACE_PORTS);
    SendMessageA(ports, CB_SETCURSEL,
                 SendMessageA(ports, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(port.c_str())),
                 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INTERFACE_CONNECT, BN_CLICKED), 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  SendMessageA(window, WM_COMMAND, kCmdInterface, 0);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(connected) << "the dialog opened";
  Pump(300);
  ASSERT_STREQ(RaceEngine().link.decoderName, kDecoderNameZL2) << "the engine read the new link";
  EXPECT_EQ(RaceEngine().link.keepAliveOn, 1);

  Start();
  RunUntilStageEnds(40000);
  ASSERT_EQ(Main().timing.stageState, 3);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Main().entries[i].state, kEntryFinished) << kNames[i];
    EXPECT_EQ(Main().entries[i].time, expected[Transponder(i)]) << kNames[i];
  }
}

TEST_F(RaceWindowE2E, TheFrenchProgramLosesNoPassOfFramesInPieces) {
  SetActiveProfile(kFrenchBuild);
  TimeSplitStage("race-window-stage-fr");
}

TEST_F(RaceWindowE2E, TheSpanishProgramLosesNoPassOfFramesInPieces) {
  SetActiveProfile(kSpanishBuild);
  TimeSplitStage("race-window-stage-es");
}

TEST_F(RaceWindowE2E, TheEnglishProgramLosesNoPassOfFramesInPieces) { TimeSplitStage("race-window-stage-en"); }

}  // namespace
