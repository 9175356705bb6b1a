// The track details and start order dialogs under Wine, opened modelessly on their
// templates and driven with the messages the operator's clicks and keys send; the start
// order's table and printed pages drawn into memory.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/print_dialog.h"
#include "platform/sound.h"
#include "platform/test_hooks.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/settings_files.h"
#include "setup/event_setup_dialog_ids.h"
#include "setup/setup_dialogs.h"
#include "setup/start_order_paint.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"

namespace {

using testsupport::ControlText;
using testsupport::ReadBytes;
using testsupport::SendCommand;

// What the dialog manager does with a key pressed in one of the dialog's controls.
void PressKey(HWND dialog, int control, WPARAM key) {
  MSG message = {GetDlgItem(dialog, control), WM_KEYDOWN, key, 0, 0, {0, 0}};
  IsDialogMessageA(dialog, &message);
}

class EventSetupDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::ClearMessages();
    platform::test::InterceptSounds();
    platform::test::ClearSounds();
    platform::CreateFolder("images");
    platform::CreateFolder("sons");
    for (const char* picture : {"images/impression.bmp", "images/FlecheHaut.bmp", "images/FlecheBas.bmp",
                                "images/trophee.bmp"}) {
      std::string from = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture);
      platform::CopyFileTo(from.c_str(), picture);
    }
    testsupport::WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/trophee.bmp\t\r\n");
    static ClubsTable clubs;
    ClearClubsTable(&clubs);
    const char* keys[] = {"Ridge RC", "Lake Club", "Valley Racing"};
    for (int i = 0; i < 3; ++i) platform::CopyBounded(clubs[static_cast<std::size_t>(i)].key, keys[i]);
    ASSERT_TRUE(WriteClubsDatabase(kClubsDatabaseFile, clubs, 3));
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    platform::test::StopInterceptingSounds();
    platform::test::StopInterceptingPrintDialog();
    SetActiveProfile(kEnglishBuild);
  }
  HWND Open(const char* name, DLGPROC procedure) {
    dialog = testsupport::OpenDialogOnTop(name, procedure);
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }
  void Close() {
    DestroyWindow(dialog);
    dialog = nullptr;
  }

  storagetest::WorkingFolder folder;
  HWND dialog = nullptr;
};

// Rally 1 of count drivers "Driver 01".. in start order; every third shares a frequency.
void WriteRally(int count) {
  static ParticipantRecord people[kMaxParticipants];
  static char order[kMaxParticipants][kDriverNameSize];
  std::memset(people, 0, sizeof people);
  std::memset(order, 0, sizeof order);
  for (int i = 0; i < count; ++i) {
    ParticipantRecord& p = people[i];
    std::snprintf(p.name, sizeof p.name, "Driver %02d Longname", i + 1);
    std::snprintf(p.carNumber, sizeof p.carNumber, "%d", 101 + i);
    std::snprintf(p.transponder, sizeof p.transponder, "%06d", 23101 + i);
    platform::CopyBounded(p.car, "Falcon GT8 Evo");
    platform::CopyBounded(p.carCategory, i % 2 ? "1/8 Buggy" : "1/10 Touring");
    platform::CopyBounded(p.frequencies[0], i % 3 == 0 ? "27.145" : i % 3 == 1 ? "2.4Ghz" : "");
    if (i == 1) platform::CopyBounded(p.frequencies[0], "40.665");
    platform::CopyBounded(p.frequencies[1], "F2");
    platform::CopyBounded(order[i], p.name);
  }
  platform::TextFile file(kRallyFilePath, "r+");
  SectionBody participants, start;
  AddParticipantsBody(participants, people);
  AddStartOrderBody(start, 0, kDefaultStartOrderLabel, order);
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kParticipantsKey, 1);
  ASSERT_TRUE(WriteRallySection(nullptr, file, title, kParticipantsReserve, participants, Text::None));
  FormatSectionTitle(title, kStartOrderKey, 1);
  ASSERT_TRUE(WriteRallySection(nullptr, file, title, kStartOrderReserve, start, Text::None));
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, "Spring rally");
  rallies[0].participantCount = count;
  rallies[0].stageCount = 0;
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 10000, 1, rallies));
}

std::string StartOrderBody() {
  std::string file = ReadBytes(kRallyFilePath);
  std::size_t at = file.find("CourseRallye1R\xE9partition\t\r\n");
  return at == std::string::npos ? "" : file.substr(at, 400);
}

RallyRecord HeaderRally() {
  static RallyRecord rallies[kMaxRallies];
  int node = 0, count = 0;
  ReadRallyFileHeader(&node, &count, rallies);
  return rallies[0];
}

// --- Track details ---

TEST_F(EventSetupDialogs, TrackDetailsAreTypedChosenAndEnteredWithThePrefixOfAnInternationalEvent) {
  Open("RALLYEPISTE", TrackDetailsDialogProc);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_TRACK_HOSTING_CLUB, CB_GETCOUNT, 0, 0), 3);
  SetDlgItemTextA(dialog, IDC_TRACK_EVENT_NAME, "PisteRallye");
  EXPECT_EQ(ControlText(dialog, IDC_TRACK_EVENT_NAME), "") << "a section title is no event name";
  SetDlgItemTextA(dialog, IDC_TRACK_EVENT_NAME, "Spring Trophy");
  SetDlgItemTextA(dialog, IDC_TRACK_CHAMPIONSHIP, "Regional Cup");
  SetDlgItemTextA(dialog, IDC_TRACK_RACE_DIRECTOR, "Paul Roy");
  SetDlgItemTextA(dialog, IDC_TRACK_LOCATION, "Ridgeway");
  SetDlgItemTextA(dialog, IDC_TRACK_DATE, "12/05/2026");
  SendDlgItemMessageA(dialog, IDC_TRACK_HOSTING_CLUB, CB_SETCURSEL, 1, 0);
  SendCommand(dialog, IDC_TRACK_HOSTING_CLUB, CBN_SELCHANGE);
  SendDlgItemMessageA(dialog, IDC_TRACK_INTERNATIONAL, BM_CLICK, 0, 0);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_TRACK_DATE, EM_GETLIMITTEXT, 0, 0), 18);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_TRACK_EVENT_NAME, EM_GETLIMITTEXT, 0, 0), 38);
  testsupport::CaptureWindow(dialog, "track_details_dialog");
  SendCommand(dialog, IDOK);
  EXPECT_FALSE(IsWindowVisible(dialog));
  Close();
  const std::string file = ReadBytes(kRallyFilePath);
  EXPECT_NE(file.find("\r\nPisteRallye\t\r\ni_n_t_Spring Trophy\tLake Club\tRegional Cup\tPaul Roy\tRidgeway\t"
                      "12/05/2026\t\r\n"),
            std::string::npos);

  // Opened again: the name without its prefix, the box ticked, the club selected.
  Open("RALLYEPISTE", TrackDetailsDialogProc);
  EXPECT_EQ(ControlText(dialog, IDC_TRACK_EVENT_NAME), "Spring Trophy");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TRACK_INTERNATIONAL), BST_CHECKED);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_TRACK_HOSTING_CLUB, CB_GETCURSEL, 0, 0), 1);
  // Cancel, Escape and the close box write nothing.
  for (int way = 0; way < 3; ++way) {
    if (!dialog) Open("RALLYEPISTE", TrackDetailsDialogProc);
    SetDlgItemTextA(dialog, IDC_TRACK_LOCATION, "Elsewhere");
    SendDlgItemMessageA(dialog, IDC_TRACK_INTERNATIONAL, BM_CLICK, 0, 0);
    if (way == 0) SendCommand(dialog, IDCANCEL);
    if (way == 1) PressKey(dialog, IDC_TRACK_LOCATION, VK_ESCAPE);
    if (way == 2) SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(dialog)) << way;
    Close();
    EXPECT_EQ(ReadBytes(kRallyFilePath), file) << way;
  }
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

TEST_F(EventSetupDialogs, TheTrackDetailsTakeTheTextsOfEachLanguage) {
  for (const BuildProfile* build : {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*build);
    Open("RALLYEPISTE", TrackDetailsDialogProc);
    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, Tr(Text::TrackCaption));
    EXPECT_EQ(ControlText(dialog, IDC_TRACK_RACE_DIRECTOR_LABEL), Tr(Text::TrackRaceDirector));
    SetDlgItemTextA(dialog, IDC_TRACK_EVENT_NAME, "Trofeo de Primavera");
    SendDlgItemMessageA(dialog, IDC_TRACK_HOSTING_CLUB, CB_SETCURSEL, 2, 0);
    const std::string name = std::string("track_details_dialog_") +
                             (build == &kFrenchBuild ? "fr" : build == &kSpanishBuild ? "es" : "en");
    testsupport::CaptureWindow(dialog, name.c_str());
    SendCommand(dialog, IDCANCEL);
    Close();
  }
}

// --- Start order ---

TEST_F(EventSetupDialogs, TwentyFiveDriversScrollAndADownArrowSwapsTheTwoDriversItJoins) {
  WriteRally(25);
  const std::string before = ReadBytes(kRallyFilePath);
  Open("RALLYEREPARTITION", StartOrderDialogProc);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
  EXPECT_EQ(ControlText(dialog, IDC_START_ORDER_RALLY_NAME), "Spring rally");
  HWND bar = GetDlgItem(dialog, IDC_START_ORDER_SCROLL);
  EXPECT_TRUE(IsWindowVisible(bar));
  int minimum = -1, maximum = -1;
  GetScrollRange(bar, SB_CTL, &minimum, &maximum);
  EXPECT_EQ(minimum, 0);
  EXPECT_EQ(maximum, 5);
  // No control stands on the table.
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &box, &kStartOrderTableArea)) << GetDlgCtrlID(child);
  }
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_GE(client.right, kStartOrderTableArea.right + 24);
  testsupport::CaptureWindow(dialog, "start_order_dialog_top");

  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 300), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 5) << "kept within the range";
  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), reinterpret_cast<LPARAM>(bar));
  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 3);
  // Beside the arrows: nothing moves, nothing sounds.
  SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(265, 118));
  EXPECT_TRUE(platform::test::Sounds().empty());
  SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(275, 118));  // row 0's down arrow
  ASSERT_EQ(platform::test::Sounds().size(), 1u);
  EXPECT_EQ(platform::test::Sounds()[0].path, "sons/beep1.wav");
  EXPECT_EQ(platform::test::Sounds()[0].mode, platform::SoundMode::Async);
  testsupport::CaptureWindow(dialog, "start_order_dialog_moved");

  // Cancel, Escape and the close box leave the file as it was.
  for (int way = 0; way < 3; ++way) {
    if (!dialog) Open("RALLYEREPARTITION", StartOrderDialogProc);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(275, 118));
    if (way == 0) SendCommand(dialog, IDCANCEL);
    if (way == 1) PressKey(dialog, IDOK, VK_ESCAPE);
    if (way == 2) SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(dialog)) << way;
    Close();
    EXPECT_EQ(ReadBytes(kRallyFilePath), before) << way;
  }

  // Moved at position 3 and generated: start positions 4 and 5 change places.
  Open("RALLYEREPARTITION", StartOrderDialogProc);
  bar = GetDlgItem(dialog, IDC_START_ORDER_SCROLL);
  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), reinterpret_cast<LPARAM>(bar));
  SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(275, 118));
  SendCommand(dialog, IDOK);
  EXPECT_FALSE(IsWindowVisible(dialog));
  Close();
  EXPECT_EQ(StartOrderBody().find("Driver 03 Longname\t\r\nDriver 05 Longname\t\r\nDriver 04 Longname\t\r\n"
                                  "Driver 06 Longname\t\r\n"),
            std::string("CourseRallye1R\xE9partition\t\r\n0\tGRILLEDEPARTidentique\t\r\n"
                        "Driver 01 Longname\t\r\nDriver 02 Longname\t\r\n")
                .size());
  EXPECT_EQ(HeaderRally().stageCount, 1);
  EXPECT_EQ(ReadBytes(kRallyFilePath).size(), before.size());
}

TEST_F(EventSetupDialogs, TwentyDriversNeedNoScrollBarAndEachLanguageHasItsTexts) {
  WriteRally(20);
  for (const BuildProfile* build : {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*build);
    Open("RALLYEREPARTITION", StartOrderDialogProc);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_START_ORDER_SCROLL)));
    EXPECT_EQ(ControlText(dialog, IDOK), Tr(Text::StartOrderGenerate));
    EXPECT_EQ(ControlText(dialog, IDC_START_ORDER_NEXT_STAGE), Tr(Text::StartOrderNextStage));
    const std::string name = std::string("start_order_dialog_") +
                             (build == &kFrenchBuild ? "fr" : build == &kSpanishBuild ? "es" : "en");
    testsupport::CaptureWindow(dialog, name.c_str());
    SendCommand(dialog, IDCANCEL);
    Close();
  }
}

using Canvas = testsupport::MemoryCanvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(250, 0, 0);

TEST_F(EventSetupDialogs, TheTableShowsTwentyRowsFromThePositionWithConflictsInRed) {
  WriteRally(25);
  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  Canvas top(780, 530), bottom(780, 530);
  DrawStartOrderTable(top.dc(), data, 0);
  DrawStartOrderTable(bottom.dc(), data, 5);
  top.Save("start_order_table_top");
  bottom.Save("start_order_table_bottom");
  for (const Canvas* table : {&top, &bottom}) {
    EXPECT_EQ(table->At(400, 85), RGB(255, 255, 200));
    EXPECT_EQ(table->At(740, 112), kWhite);
    EXPECT_FALSE(table->AnyBut(0, 0, 780, 79, kWhite)) << "nothing above the area";
    EXPECT_TRUE(table->AnyBut(250, 114, 282, 125, kWhite)) << "row 0's down arrow";
    EXPECT_FALSE(table->AnyBut(250, 114, 262, 125, kWhite)) << "row 0 has no up arrow";
    EXPECT_FALSE(table->AnyBut(270, 494, 282, 506, kWhite)) << "the twentieth row has no down arrow";
  }
  // Drivers 1, 4, 7 ... share 27.145: red; driver 2's 40.665 and the 2.4Ghz are not.
  EXPECT_TRUE(top.Any(655, 113, 700, 128, kRed));
  EXPECT_FALSE(top.Any(655, 133, 700, 148, kRed));
  EXPECT_FALSE(top.Any(655, 153, 700, 168, kRed));
  // Only the last rows show the bottom edge, two pixels thick over the last row line.
  EXPECT_EQ(bottom.At(400, 509), RGB(0, 0, 0));
  EXPECT_EQ(top.At(400, 509), kWhite);
  // Three drivers: the body ends with them, over the grey of the area.
  WriteRally(3);
  LoadStartOrderData(nullptr, &data);
  Canvas small(780, 530);
  DrawStartOrderTable(small.dc(), data, 0);
  EXPECT_EQ(small.At(400, 300), RGB(230, 230, 220));
  EXPECT_EQ(small.At(400, 169), RGB(0, 0, 0)) << "bottom edge at 170";
  EXPECT_TRUE(small.AnyBut(250, 154, 262, 165, kWhite)) << "the last row's up arrow";
  EXPECT_FALSE(small.AnyBut(270, 154, 282, 165, kWhite)) << "the last row has no down arrow";
}

TEST_F(EventSetupDialogs, ThirtyOneDriversPrintOnTwoPagesAndACancelledDialogPrintsNothing) {
  WriteRally(31);
  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  std::vector<PrintedPage> pages = PrintedPages(StartOrderRowCount(data));
  ASSERT_EQ(pages.size(), 2u);
  MemoryBitmap logo(nullptr, data.logoPath, kPrintLogoWidth, kPrintLogoHeight);
  ASSERT_NE(logo.dc(), nullptr);
  Canvas first(700, 990), second(700, 990);
  PaintStartOrderPage(first.dc(), 700, 990, data, pages[0], logo.dc());
  PaintStartOrderPage(second.dc(), 700, 990, data, pages[1], logo.dc());
  first.Save("start_order_print_page1");
  second.Save("start_order_print_page2");
  for (const Canvas* page : {&first, &second}) {
    EXPECT_EQ(page->At(650, 257), RGB(255, 214, 142));
    EXPECT_TRUE(page->AnyBut(25, 25, 221, 75, kWhite)) << "logo";
    EXPECT_TRUE(page->AnyBut(200, 120, 480, 140, kWhite)) << "title";
    EXPECT_TRUE(page->AnyBut(30, 915, 120, 930, kWhite)) << "race director label";
    EXPECT_TRUE(page->Any(600, 275, 650, 290, kRed)) << "drivers 1 and 31 share a frequency";
  }
  EXPECT_TRUE(first.AnyBut(140, 275 + 20 * 29, 260, 290 + 20 * 29, RGB(234, 234, 234))) << "row 30";
  EXPECT_FALSE(second.AnyBut(30, 295, 655, 900, kWhite)) << "one row on page 2";

  std::string folder = platform::CurrentFolder();
  platform::test::InterceptPrintDialog(nullptr);
  PrintStartOrder(nullptr, data);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  EXPECT_EQ(platform::CurrentFolder(), folder);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << "a cancelled dialog says nothing";
  // A printer that refuses the document gets no page, and the operator is told.
  Canvas refusing(100, 100);
  EXPECT_FALSE(PrintStartOrderPages(nullptr, refusing.dc(), data));
  EXPECT_FALSE(refusing.AnyBut(0, 0, 100, 100, kWhite));
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error: the document could not be printed."});
}

}  // namespace
