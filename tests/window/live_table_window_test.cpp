// The live table driven with the mouse under Wine, Ctrl held through the keyboard hook:
// manual timing with its confirmations, in-place corrections, club chips, clearing a
// driver, and the driver penalty dialog feeding the ranking.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_records.h"
#include "race/event_tree.h"
#include "race/live_table.h"
#include "race/live_table_input.h"
#include "race/main_window.h"
#include "race/main_window_paint.h"
#include "race/menus.h"
#include "race/race_controls_layout.h"
#include "race/race_engine.h"
#include "race/startup.h"
#include "setup/driver_penalty_dialog_ids.h"
#include "setup/setup_dialogs.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

namespace {

const char* const kDrivers[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};

// One rally, three drivers in start order, two stages; kept as <folder>/event.rall.
std::string PrepareEvent(const testsupport::TempFolder& folder) {
  testsupport::TestEvent event;
  event.drivers = kDrivers;
  event.driverCount = 3;
  event.stageCount = 2;
  EXPECT_TRUE(testsupport::WriteTestEvent(event));
  std::string path = folder / "event.rall";
  EXPECT_TRUE(CopyFileA(kRallyFilePath, path.c_str(), FALSE));
  return path;
}

LiveTableGeometry Geometry() {
  const MainState& s = Main();
  return MakeLiveTableGeometry(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), s.columnWidths,
                               s.startTimeColumnWidth, LiveTableRowMetrics());
}

int LineMiddle(int line) {
  LiveTableGeometry g = Geometry();
  return (RowTop(g.layout, g.screenHeight, g.rows.rowHeight, line) +
          RowTop(g.layout, g.screenHeight, g.rows.rowHeight, line + 1)) / 2;
}
int LaneX() { return (Geometry().layout.laneColumn.left + Geometry().layout.laneColumn.right) / 2; }
int TimeX() {
  LiveTableGeometry g = Geometry();
  return LiveColumnX(g.layout, g.screenWidth, g.offsets.start[kTimeColumn]) + 5;
}
int ChipX() {
  LiveTableGeometry g = Geometry();
  return LiveColumnX(g.layout, g.screenWidth, g.offsets.start[kTransponderColumn]) + 5;
}

void Press(HWND window, UINT message, int x, int y) {
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  SendMessageA(window, message, 0, MAKELPARAM(x, y));
}

std::string Text(HWND window, int id) {
  char text[64] = "";
  GetDlgItemTextA(window, id, text, sizeof text);
  return text;
}

class LiveTableWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::SetProgramFolder(folder.path());
    testsupport::CopyTestData(folder.path());
    saved = platform::CurrentFolder();
    KeepProgramInstance(GetModuleHandleA(nullptr));
    BuildMenus(GetModuleHandleA(nullptr));
    RegisterMainWindowClass(GetModuleHandleA(nullptr));
    window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    std::string event = PrepareEvent(folder);
    platform::test::QueueFileDialogAnswer(event);
    platform::test::QueueMessageAnswer(platform::kIdNo);
    SendMessageA(window, WM_COMMAND, kCmdLoadEvent, 0);
    ExpandItem(10000);
    ExpandItem(13000);
    SelectItem(13101);
    ASSERT_EQ(Main().timing.entryCount, 3);
    platform::test::ClearMessages();
    platform::test::HoldControl(true);
  }
  void TearDown() override {
    platform::test::StopHoldingKeys();
    if (window && IsWindow(window)) {
      Main().timing.timing = 0;
      platform::test::QueueMessageAnswer(platform::kIdNo);
      SendMessageA(window, WM_CLOSE, 0, 0);
      testsupport::PumpMessages();
    }
    UnregisterClassA("classeF", GetModuleHandleA(nullptr));
    platform::SetCurrentFolder(saved.c_str());
  }
  testsupport::TempFolder folder;
  std::string saved;
  HWND window = nullptr;
};

TEST_F(LiveTableWindow, ManualReleaseStartAndFinishAskFirstAndRespectTheEngine) {
  MainState& s = Main();
  s.timing.timing = 1;
  RaceEngine().counterFrequency = 1000;
  RaceEngine().counterZero = 0;
  platform::test::QueueMessageAnswer(platform::kIdNo);
  Press(window, WM_LBUTTONDOWN, LaneX(), LineMiddle(0));
  EXPECT_EQ(s.entries[0].state, kEntryNotStarted);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text,
            "Activation of the special stage for '# 11'- ALBERT Jean !\nPlease confirm !");
  EXPECT_EQ(platform::test::Messages()[0].caption, "Vellgrin");
  for (int expected : {kEntryReleased, kEntryRunning, kEntryFinished}) {
    platform::test::QueueMessageAnswer(platform::kIdYes);
    Press(window, WM_LBUTTONDOWN, LaneX(), LineMiddle(0));
    EXPECT_EQ(s.entries[0].state, expected);
  }
  EXPECT_EQ(platform::test::Messages()[2].text, "Start of the timing for '# 11'- ALBERT Jean !\nPlease confirm !");
  EXPECT_EQ(platform::test::Messages()[3].text, "End of the timing for '# 11'- ALBERT Jean !\nPlease confirm !");
  EXPECT_STRNE(s.display[0].rankText, "");
  // The engine releases the driver while the question is open: the answer acts on nothing.
  platform::test::QueueMessageAnswer(platform::kIdYes);
  platform::test::RunWhileNextMessageShown([&] { s.entries[1].state = kEntryReleased; });
  Press(window, WM_LBUTTONDOWN, LaneX(), LineMiddle(1));
  EXPECT_EQ(s.entries[1].state, kEntryReleased);
  // Without Ctrl a press on the lane does nothing.
  platform::test::HoldControl(false);
  std::size_t asked = platform::test::Messages().size();
  Press(window, WM_LBUTTONDOWN, LaneX(), LineMiddle(2));
  EXPECT_EQ(platform::test::Messages().size(), asked);
}

TEST_F(LiveTableWindow, CorrectionsInModificationModeOnlyWhenTyped) {
  MainState& s = Main();
  s.entries[0].state = kEntryFinished;
  s.entries[0].time = 61234;
  s.entries[2].state = kEntryRunning;
  Press(window, WM_LBUTTONDOWN, 5, 5);  // re-ranks, as the finish did
  SendMessageA(window, WM_COMMAND, kCmdActivateResults, 0);
  Press(window, WM_LBUTTONDOWN, TimeX(), LineMiddle(0));
  ASSERT_NE(GetDlgItem(window, kHoursEdit), nullptr);
  EXPECT_EQ(Text(window, kHoursEdit), "0");
  EXPECT_EQ(Text(window, kMinutesEdit), "01");
  EXPECT_EQ(Text(window, kSecondsEdit), "01");
  EXPECT_EQ(Text(window, kMillisEdit), "234");
  EXPECT_EQ(s.entries[0].time, 61234);
  SetDlgItemTextA(window, kMinutesEdit, "75");
  EXPECT_EQ(Text(window, kMinutesEdit), "59");
  EXPECT_EQ(s.entries[0].time, 59 * 60000 + 1234);
  testsupport::CaptureWindow(window, "live-table-modification-mode");
  // A driver who never started: opening the edits leaves him alone, typing finishes him.
  Press(window, WM_LBUTTONDOWN, TimeX(), LineMiddle(1));
  EXPECT_EQ(GetDlgItem(window, kHoursEdit) != nullptr, true);
  EXPECT_EQ(s.entries[1].state, kEntryNotStarted);
  SetDlgItemTextA(window, kSecondsEdit, "42");
  EXPECT_EQ(s.entries[1].state, kEntryFinished);
  EXPECT_EQ(s.entries[1].time, 42000);
  EXPECT_EQ(s.entries[1].firstTime, kRedetectionQuestionOff);
  // A running driver opens nothing.
  Press(window, WM_LBUTTONDOWN, TimeX(), LineMiddle(2));
  EXPECT_EQ(GetDlgItem(window, kHoursEdit), nullptr);
}

TEST_F(LiveTableWindow, ClubChipsAreChosenFromTheSet) {
  MainState& s = Main();
  // The set shown in the set list has three numbers among empty slots.
  const LRESULT set = SendDlgItemMessageA(window, kTransponderSetCombo, CB_GETCURSEL, 0, 0);
  ASSERT_GE(set, 0);
  TransponderSetRecord& chips = s.transponderSets[static_cast<std::size_t>(set)];
  for (auto& slot : chips.transponder) slot[0] = '\0';
  std::strcpy(chips.transponder[2], "024101");
  std::strcpy(chips.transponder[7], "024102");
  std::strcpy(chips.transponder[19], "024103");
  SendMessageA(window, WM_COMMAND, kClubChipsRadio, 0);
  ASSERT_EQ(s.clubChipEditing, 1);
  Press(window, WM_LBUTTONDOWN, ChipX(), LineMiddle(1));
  HWND list = GetDlgItem(window, kChipList);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 3) << "only the set's numbers are offered";
  SendMessageA(list, CB_SETCURSEL, 1, 0);
  char chip[8] = "";
  SendMessageA(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(chip));
  EXPECT_STREQ(chip, "024102");
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(kChipList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_STREQ(s.entries[1].transponder, chip);
  EXPECT_STREQ(s.display[1].transponder, chip);
  // No selection: nothing is copied.
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(kChipList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_STREQ(s.entries[1].transponder, chip);
  // "Activate" closes the list and ends the chip editing.
  SendMessageA(window, WM_COMMAND, kCmdActivateResults, 0);
  EXPECT_EQ(GetDlgItem(window, kChipList), nullptr);
  Press(window, WM_LBUTTONDOWN, ChipX(), LineMiddle(1));
  EXPECT_EQ(GetDlgItem(window, kChipList), nullptr);
}

TEST_F(LiveTableWindow, CtrlRightClickClearsAFinishedDriverAndPausesTheStage) {
  MainState& s = Main();
  s.entries[0].state = kEntryFinished;
  s.entries[0].time = 50000;
  s.timing.stageState = 3;
  platform::test::QueueMessageAnswer(platform::kIdYes);
  Press(window, WM_RBUTTONDOWN, LaneX(), LineMiddle(0));
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text,
            "You wish to clear the special stage results for '# 11'- ALBERT Jean !\nPlease confirm !");
  EXPECT_EQ(s.entries[0].state, kEntryNotStarted);
  EXPECT_EQ(s.entries[0].time, 0);
  EXPECT_STREQ(s.entries[0].name, kDrivers[0]);
  EXPECT_EQ(s.timing.stageState, 2);
  // Not finished: asked, but nothing is cleared.
  s.entries[1].state = kEntryRunning;
  platform::test::QueueMessageAnswer(platform::kIdYes);
  Press(window, WM_RBUTTONDOWN, LaneX(), LineMiddle(1));
  EXPECT_EQ(s.entries[1].state, kEntryRunning);
}

// The dialog opened by a Ctrl press is modal: a timer of this thread plays the operator.
struct PenaltyChoice {
  int item;
  bool seen;
  int itemsShown;
};
PenaltyChoice choice;

void CALLBACK ChoosePenalty(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindWindowA("#32770", "Penalties and Abandonments");
  if (!dialog) return;
  KillTimer(nullptr, id);
  choice.seen = true;
  HWND list = GetDlgItem(dialog, IDC_DRIVER_PENALTY_LIST);
  choice.itemsShown = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(choice.item), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DRIVER_PENALTY_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  if (choice.item == 2) testsupport::CaptureWindow(dialog, "driver-penalty-dialog");
  SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void ChooseThroughTheDialog(HWND window, int line, int item) {
  choice = {item, false, 0};
  SetTimer(nullptr, 0, 50, ChoosePenalty);
  Press(window, WM_LBUTTONDOWN, LaneX(), LineMiddle(line));
}

void CALLBACK CancelDriverPenaltyDialog(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND dialog = FindWindowA("#32770", "Penalties and Abandonments")) SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(LiveTableWindow, AMissingPenaltyDatabaseIsSaidOncePerClick) {
  platform::DeleteFileAt(kPenaltiesDatabaseFile);
  platform::test::QueueMessageAnswer(platform::kIdYes);  // take the database's penalties
  // Clicks posted while the question is up reach the window through the box's own loop.
  platform::test::RunWhileNextMessageShown([this] {
    for (int i = 0; i < 12; ++i) Press(window, WM_LBUTTONDOWN, LaneX(), LineMiddle(0));
  });
  UINT_PTR timer = SetTimer(nullptr, 0, 50, CancelDriverPenaltyDialog);
  Press(window, WM_LBUTTONDOWN, LaneX(), LineMiddle(0));
  KillTimer(nullptr, timer);
  int missing = 0;
  for (const auto& message : platform::test::Messages()) missing += message.text == Tr(Text::PenaltiesDatabaseNotFound);
  EXPECT_EQ(missing, 1);
  EXPECT_EQ(LiveTable().penaltiesSynchronised, 0) << "the next click tries again";
}

TEST_F(LiveTableWindow, PenaltyDialogGivesAnAbandonAndAPenaltyThatTheRankingTakes) {
  MainState& s = Main();
  for (int i = 0; i < 3; ++i) {
    s.entries[i].state = kEntryFinished;
    s.entries[i].time = 50000 + 10000 * i;
  }
  platform::test::QueueMessageAnswer(platform::kIdYes);  // take the database's penalties
  ChooseThroughTheDialog(window, 0, 1);                  // the abandon
  ASSERT_TRUE(choice.seen);
  EXPECT_EQ(choice.itemsShown, 3);  // "No penalty", "A", "PS"
  EXPECT_EQ(s.entries[0].state, 4);
  EXPECT_EQ(LiveTable().penaltiesSynchronised, 1);
  ChooseThroughTheDialog(window, 1, 2);  // the late start: 60 s added
  EXPECT_EQ(s.entries[1].state, 5);
  // The ranking of the next press: COSTA 70 s, BRUNO 60 + 60 s, ALBERT abandoned at 600 s.
  Press(window, WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(s.ranking[2].rank, 1);
  EXPECT_EQ(s.ranking[1].rank, 2);
  EXPECT_EQ(s.ranking[1].time, 120000);
  EXPECT_EQ(s.ranking[0].rank, 3);
  // "No penalty" takes it away again; on a driver still out it changes nothing.
  ChooseThroughTheDialog(window, 1, 0);
  EXPECT_EQ(s.entries[1].state, kEntryFinished);
  s.entries[2].state = kEntryNotStarted;
  ChooseThroughTheDialog(window, 2, 0);
  EXPECT_EQ(s.entries[2].state, kEntryNotStarted);
}

TEST_F(LiveTableWindow, FrenchBuildHasNoPenaltyDialog) {
  SetActiveProfile(kFrenchBuild);
  Main().entries[0].state = kEntryFinished;
  ChooseThroughTheDialog(window, 0, 1);
  EXPECT_FALSE(choice.seen);
  EXPECT_EQ(Main().entries[0].state, kEntryFinished);
  KillTimer(nullptr, 0);
}

TEST_F(LiveTableWindow, CursorOnlyForTheMainWindowsClientArea) {
  LiveTableGeometry g = Geometry();
  int border = GetSystemMetrics(SM_CXSCREEN) / 80 + GetSystemMetrics(SM_CXSCREEN) / 32 + 200 +
               ScaleDesign(g.screenWidth, Main().columnWidths[0], 1600);
  int y = (g.layout.headerBand.top + g.layout.headerBand.bottom) / 2;
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(border, y));
  EXPECT_TRUE(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_SIZEWE));
  // A drag: the width follows the release, never below 5, and the mouse is captured meanwhile.
  int before = Main().columnWidths[0];
  SendMessageA(window, WM_LBUTTONDOWN, 0, MAKELPARAM(border, y));
  EXPECT_EQ(GetCapture(), window);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(border - 2000, y));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Main().columnWidths[0], 5);
  EXPECT_NE(before, 5);
}

}  // namespace
