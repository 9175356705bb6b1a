// The championship classification under Wine: events added from saved event files and
// removed, the checks of Add, the Power Stage box, edit mode with a Ctrl+click correction,
// both scroll bars, the filters, event pictures, Validate (and a failed one that keeps the
// work), the page capture and its JPEG export, with captures of the page.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/settings_files.h"
#include "results/championship_dialogs.h"
#include "results/championship_ids.h"
#include "results/jpeg_conversion.h"
#include "results/jpeg_conversion_freeimage.h"
#include "results/page_export.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::ControlText;
using testsupport::ReadBytes;
using testsupport::SendCommand;

constexpr const char* kCltPath = "Championnats/Cup A/ClassementChampionnat.clt";

std::string SavedSection(const char* key, int rally, const std::vector<std::string>& drivers, bool international) {
  static ClassifiedDriver lines[kMaxParticipants];
  platform::ZeroBytes(lines, sizeof lines);
  static const char* const kNations[] = {"FRA", "ITA", "DEU", "ESP", "BEL"};
  for (std::size_t i = 0; i < drivers.size(); ++i) {
    platform::CopyBounded(lines[i].name, drivers[i].c_str());
    platform::CopyBounded(lines[i].team, international ? kNations[i % 5] : "Racing");
    platform::CopyBounded(lines[i].carCategory, i % 3 ? "Buggy 4x4" : "Buggy 2WD");
    platform::CopyBounded(lines[i].ageCategoryCode, i % 2 ? "S" : "J");
    platform::CopyBounded(lines[i].ageCategoryName, i % 2 ? "Senior" : "Junior");
  }
  SectionBody body;
  AddSavedClassificationBody(body, international ? 1 : 0, lines);
  char title[kSectionTitleSize];
  FormatSectionTitle(title, key, rally);
  return std::string("\r\n") + title + "\t\r\n" + body.DiskBytes();
}

// An event file of one rally "Cup" whose rally classification is drivers in that order,
// and whose Power Stage classification is the reverse order.
void WriteEventFile(const std::string& path, std::vector<std::string> drivers, bool international = false,
                    bool withSection = true) {
  std::string bytes = "10000\t1\tCup\t" + std::to_string(drivers.size()) + "\t1\t3\t\r\n";
  if (withSection) {
    bytes += SavedSection(kRallyClassificationRowsKey, 1, drivers, international);
    std::vector<std::string> reversed(drivers.rbegin(), drivers.rend());
    bytes += SavedSection(kPowerStageClassificationKey, 1, reversed, international);
  }
  testsupport::WriteBytes(path, bytes);
}

std::vector<std::string> Drivers(int count, int shift) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char name[40];
    std::snprintf(name, sizeof name, "Driver %02d", (i + shift) % count + 1);
    names.push_back(name);
  }
  return names;
}

std::vector<std::string> Items(HWND dialog, int combo) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[128] = "";
    SendDlgItemMessageA(dialog, combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

bool Visible(HWND dialog, int control) { return IsWindowVisible(GetDlgItem(dialog, control)) != FALSE; }

class ClassificationDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    previous = platform::CurrentFolder();
    platform::SetCurrentFolder(folder.path().c_str());
    platform::test::SetProgramFolder(folder.path().c_str());
    for (const char* sub : {"Private", "images", "sons", "paysDrapeaux", "events"}) platform::CreateFolder(sub);
    const std::string assets = testsupport::HostPath(VELLGRIN_PROGRAM_ASSETS);
    for (const char* file : {"images/editer.bmp", "images/enregistrer.bmp", "images/trophee.bmp", "sons/beep1.wav",
                             "paysDrapeaux/FRA.bmp", "paysDrapeaux/ITA.bmp", "paysDrapeaux/DEU.bmp",
                             "paysDrapeaux/ESP.bmp", "paysDrapeaux/BEL.bmp"}) {
      platform::CopyFileTo((assets + "/" + file).c_str(), file);
    }
    testsupport::WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/trophee.bmp\t\r\n");
    platform::test::ClearMessages();
    platform::test::InterceptFileDialogs();
    platform::test::ClearFileDialogs();
    platform::test::ClearSounds();
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    platform::test::StopInterceptingFileDialogs();
    platform::SetCurrentFolder(previous.c_str());
  }
  void Open(const char* championship = "Cup A") {
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "CHAMPIONNATCLASSEMENT", nullptr,
                                ChampionshipClassificationDialogProc, reinterpret_cast<LPARAM>(championship));
    ASSERT_NE(dialog, nullptr);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    testsupport::PumpMessages();
  }
  void Close() {
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  // Date, name and file of a new event, then Add.
  void AddEvent(int day, int month, const char* name, const std::string& file) {
    SendDlgItemMessageA(dialog, IDC_STANDINGS_DAY, CB_SETCURSEL, day - 1, 0);
    SendDlgItemMessageA(dialog, IDC_STANDINGS_MONTH, CB_SETCURSEL, month - 1, 0);
    SendDlgItemMessageA(dialog, IDC_STANDINGS_YEAR, CB_SETCURSEL, 2026 - 1900, 0);
    SetDlgItemTextA(dialog, IDC_STANDINGS_NAME, name);
    if (!file.empty()) {
      platform::test::QueueFileDialogAnswer(file);
      SendCommand(dialog, IDC_STANDINGS_FILE);
    }
    SendCommand(dialog, IDC_STANDINGS_ADD);
  }
  void Click(UINT message, int x, int y, WPARAM keys = 0) { SendMessageA(dialog, message, keys, MAKELPARAM(x, y)); }
  void Scroll(UINT message, int bar, int code) {
    SendMessageA(dialog, message, code, reinterpret_cast<LPARAM>(GetDlgItem(dialog, bar)));
  }
  int Position(int bar) { return GetScrollPos(GetDlgItem(dialog, bar), SB_CTL); }
  // Paints while the dialog is left alone for a while: a paint that asks for the next one
  // would keep counting.
  int IdlePaints() {
    testsupport::PumpMessages();
    const int before = ChampionshipPagePaints();
    for (int i = 0; i < 20; ++i) {
      MSG message;
      for (int n = 0; n < 50 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++n) DispatchMessageA(&message);
      Sleep(10);
    }
    return ChampionshipPagePaints() - before;
  }

  testsupport::TempFolder folder;
  std::string previous;
  HWND dialog = nullptr;
};

TEST_F(ClassificationDialog, AddRemovePowerStageEditModeAndValidate) {
  Open();
  EXPECT_EQ(ControlText(dialog, IDC_STANDINGS_TITLE), "Championship 'Cup A'");
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  EXPECT_EQ(IdlePaints(), 0) << "no paint loop";
  WriteEventFile("events/one.rall", Drivers(3, 0));
  WriteEventFile("events/two.rall", Drivers(4, 1));
  WriteEventFile("events/bare.rall", Drivers(2, 0), false, false);

  // The four checks of Add, in order.
  SetDlgItemTextA(dialog, IDC_STANDINGS_NAME, "x");
  SendCommand(dialog, IDC_STANDINGS_ADD);
  SendDlgItemMessageA(dialog, IDC_STANDINGS_DAY, CB_SETCURSEL, 0, 0);
  SendDlgItemMessageA(dialog, IDC_STANDINGS_MONTH, CB_SETCURSEL, 0, 0);
  SendDlgItemMessageA(dialog, IDC_STANDINGS_YEAR, CB_SETCURSEL, 126, 0);
  SetDlgItemTextA(dialog, IDC_STANDINGS_NAME, " x");
  SendCommand(dialog, IDC_STANDINGS_ADD);
  SetDlgItemTextA(dialog, IDC_STANDINGS_NAME, "x");
  SendCommand(dialog, IDC_STANDINGS_ADD);
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            (std::vector<std::string>{"Error: The new event date has not been selected",
                                      "Error: The new event name has not been correctly entered",
                                      "Error: The event file has not been selected"}));
  platform::test::ClearMessages();

  AddEvent(12, 6, "Summer-Cup", "events/one.rall");
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_EVENTS), std::vector<std::string>{"Summer_Cup"});
  EXPECT_EQ(ControlText(dialog, IDC_STANDINGS_EVENT_DATE), "( 12/06/2026 )");
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_RALLY), std::vector<std::string>{"Cup"});
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_CAR_FILTER), (std::vector<std::string>{"All", "Buggy 2WD", "Buggy 4x4"}));
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_AGE_FILTER), (std::vector<std::string>{"All", "J(Junior)", "S(Senior)"}));
  EXPECT_EQ(ControlText(dialog, IDC_STANDINGS_NAME), "");
  EXPECT_EQ(ControlText(dialog, IDC_STANDINGS_FILE_SHOWN), "File : No event file selected");
  AddEvent(3, 2, "Winter", "events/two.rall");
  AddEvent(4, 2, "Summer_Cup", "events/two.rall");
  AddEvent(5, 2, "Bare", "events/bare.rall");
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            (std::vector<std::string>{"Error: The new event has already been added to the championship",
                                      "The Cup Rally Classification has not been found in the event file"}));
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_EVENTS), (std::vector<std::string>{"Winter", "Bare", "Summer_Cup"}));
  platform::test::ClearMessages();

  // Removing Bare, then Validate: the file holds two events and the four drivers ranked.
  SendDlgItemMessageA(dialog, IDC_STANDINGS_EVENTS, CB_SETCURSEL, 1, 0);
  SendCommand(dialog, IDC_STANDINGS_REMOVE);
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_EVENTS), (std::vector<std::string>{"Winter", "Summer_Cup"}));
  SendCommand(dialog, IDOK);
  std::string clt = ReadBytes(kCltPath);
  EXPECT_EQ(clt.rfind("2\t1\t0\t\r\nChampionnatRallyeEvenements\t\r\nWinter\t\t3\t2\t2026\t\r\nSummer_Cup\t\t12\t6\t2026\t\r\n", 0), 0u)
      << clt;
  // Winter: 2, 3, 4, 1; Summer: 1, 2, 3: driver 2 leads with 25 + 18.
  EXPECT_NE(clt.find("\r\nChampionnatRallye1Classement\t\r\nCup\t4\t0\t\r\nDriver 02\tRacing\t"), std::string::npos) << clt;
  // Texts come from the first event imported; the Power Stage runs in reverse order.
  EXPECT_NE(clt.find("Driver 02\tRacing\tBuggy 4x4\tS\tSenior\t43\t1\t25\t2\t2\t18\t4\t\r\n"), std::string::npos) << clt;
  EXPECT_NE(clt.find("Driver 04\tRacing\tBuggy 4x4\tJ\tJunior\t15\t3\t15\t4\t-1\t-1\t-1\t\r\n"), std::string::npos) << clt;
  Close();

  // Reopened from the file (the events title on line 2): the Power Stage box adds its points
  // and the horizontal bar comes from the 6th event on.
  Open();
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_EVENTS), (std::vector<std::string>{"Winter", "Summer_Cup"}));
  EXPECT_FALSE(Visible(dialog, IDC_STANDINGS_EVENTS_BAR));
  for (int e = 0; e < 4; ++e) AddEvent(10 + e, 3, ("Spring " + std::to_string(e)).c_str(), "events/one.rall");
  EXPECT_FALSE(Visible(dialog, IDC_STANDINGS_EVENTS_BAR)) << "6 events fit without Power Stage";
  SendDlgItemMessageA(dialog, IDC_STANDINGS_POWER_STAGE, BM_SETCHECK, BST_CHECKED, 0);
  SendCommand(dialog, IDC_STANDINGS_POWER_STAGE);
  EXPECT_TRUE(Visible(dialog, IDC_STANDINGS_EVENTS_BAR));
  testsupport::CaptureWindow(dialog, "championship-classification-power-stage");
  SendCommand(dialog, IDOK);
  EXPECT_EQ(ReadBytes(kCltPath).rfind("6\t1\t1\t", 0), 0u);
  EXPECT_NE(ReadBytes(kCltPath).find("Driver 02\tRacing\tBuggy 4x4\tS\tSenior\t137\t"), std::string::npos)
      << "43 + 4 x 18 + Power Stage 2 + 4 + 4 x 4";
  Close();
}

TEST_F(ClassificationDialog, EditModeCorrectsACellAndRanksWhenLeft) {
  Open();
  WriteEventFile("events/one.rall", Drivers(3, 0));
  AddEvent(1, 5, "May", "events/one.rall");
  // Outside edit mode a Ctrl+click opens nothing.
  const int x = 20 + 445 + 40, firstRowY = 250 + 167;
  Click(WM_LBUTTONDOWN, x, firstRowY, MK_CONTROL);
  EXPECT_EQ(GetDlgItem(dialog, IDC_STANDINGS_CORRECTION), nullptr);
  SendCommand(dialog, IDC_STANDINGS_ACTIVATE);
  Click(WM_LBUTTONDOWN, x, firstRowY);
  EXPECT_EQ(GetDlgItem(dialog, IDC_STANDINGS_CORRECTION), nullptr) << "Ctrl must be held";
  Click(WM_LBUTTONDOWN, x, firstRowY + 30, MK_CONTROL);  // driver 3, 15 points
  HWND box = GetDlgItem(dialog, IDC_STANDINGS_CORRECTION);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_STANDINGS_CORRECTION), "15");
  ASSERT_FALSE(platform::test::Sounds().empty());
  EXPECT_EQ(platform::test::Sounds().back().path, "sons/beep1.wav");
  SetDlgItemTextA(dialog, IDC_STANDINGS_CORRECTION, "40");
  EXPECT_EQ(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), 5);
  testsupport::CaptureWindow(dialog, "championship-classification-edit");
  SendCommand(dialog, IDOK);
  EXPECT_NE(ReadBytes(kCltPath).find("Cup\t3\t0\t\r\nDriver 01\t"), std::string::npos) << "no reordering in edit mode";
  EXPECT_NE(ReadBytes(kCltPath).find("Driver 03\tRacing\tBuggy 4x4\tJ\tJunior\t15\t3\t40\t"), std::string::npos)
      << "total kept until edit mode is left";
  // A filter rebuilds the view: the box closes rather than write into whoever stands in its row.
  Click(WM_LBUTTONDOWN, x, firstRowY, MK_CONTROL);
  ASSERT_NE(GetDlgItem(dialog, IDC_STANDINGS_CORRECTION), nullptr);
  SendDlgItemMessageA(dialog, IDC_STANDINGS_CAR_FILTER, CB_SETCURSEL, 1, 0);
  SendCommand(dialog, IDC_STANDINGS_CAR_FILTER, CBN_SELCHANGE);
  EXPECT_EQ(GetDlgItem(dialog, IDC_STANDINGS_CORRECTION), nullptr);
  SendCommand(dialog, IDC_STANDINGS_DEACTIVATE);
  EXPECT_EQ(GetDlgItem(dialog, IDC_STANDINGS_CORRECTION), nullptr);
  SendCommand(dialog, IDOK);
  EXPECT_NE(ReadBytes(kCltPath).find("Cup\t3\t0\t\r\nDriver 03\tRacing\tBuggy 4x4\tJ\tJunior\t40\t3\t40\t"), std::string::npos)
      << ReadBytes(kCltPath);
}

TEST_F(ClassificationDialog, EditModeShowsEveryDriverWhateverTheFiltersWhichApplyAgainWhenLeft) {
  Open();
  // 30 drivers ranked 01 to 30: every third (01, 04, ...) drives a 2WD, the 20 others a 4x4.
  WriteEventFile("events/one.rall", Drivers(30, 0));
  AddEvent(1, 5, "May", "events/one.rall");
  SendDlgItemMessageA(dialog, IDC_STANDINGS_CAR_FILTER, CB_SETCURSEL, 2, 0);
  SendCommand(dialog, IDC_STANDINGS_CAR_FILTER, CBN_SELCHANGE);
  ASSERT_EQ(ControlText(dialog, IDC_STANDINGS_CAR_FILTER), "Buggy 4x4");
  EXPECT_FALSE(Visible(dialog, IDC_STANDINGS_ROWS_BAR)) << "20 rows fit";

  // Activate: the 30 drivers in their order, so the first row is driver 01 and his 25 points.
  SendCommand(dialog, IDC_STANDINGS_ACTIVATE);
  EXPECT_TRUE(Visible(dialog, IDC_STANDINGS_ROWS_BAR));
  int minimum = 0, maximum = 0;
  GetScrollRange(GetDlgItem(dialog, IDC_STANDINGS_ROWS_BAR), SB_CTL, &minimum, &maximum);
  EXPECT_EQ(maximum, 10);
  const int x = 20 + 445 + 40, firstRowY = 250 + 167;
  Click(WM_LBUTTONDOWN, x, firstRowY, MK_CONTROL);
  ASSERT_NE(GetDlgItem(dialog, IDC_STANDINGS_CORRECTION), nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_STANDINGS_CORRECTION), "25");
  SetDlgItemTextA(dialog, IDC_STANDINGS_CORRECTION, "9");
  testsupport::CaptureWindow(dialog, "championship-classification-edit-every-driver");

  // Deactivate: the 4x4 filter, still chosen, applies again.
  SendCommand(dialog, IDC_STANDINGS_DEACTIVATE);
  EXPECT_EQ(ControlText(dialog, IDC_STANDINGS_CAR_FILTER), "Buggy 4x4");
  EXPECT_FALSE(Visible(dialog, IDC_STANDINGS_ROWS_BAR));
  SendCommand(dialog, IDOK);
  EXPECT_NE(ReadBytes(kCltPath).find("Driver 01\tRacing\tBuggy 2WD\tJ\tJunior\t9\t1\t9\t"), std::string::npos)
      << ReadBytes(kCltPath);
}

TEST_F(ClassificationDialog, BothBarsFiltersPicturesCapturesAndTheJpegExport) {
  for (const char* made : {"Championnats", "Championnats/Cup A"}) platform::CreateFolder(made);
  testsupport::WriteBytes("Championnats/Cup A/Sponsors.spr",
                          "Acme\timages/editer.bmp\t40\t420\t100\t\r\nBolt\timages/enregistrer.bmp\t30\t620\t150\t\r\n");
  Open();
  for (int e = 0; e < 10; ++e) {
    const std::string file = "events/e" + std::to_string(e) + ".rall";
    WriteEventFile(file, Drivers(25, e), true);
    AddEvent(1 + e, 4, ("Round " + std::to_string(e + 1)).c_str(), file);
  }
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  ASSERT_TRUE(Visible(dialog, IDC_STANDINGS_ROWS_BAR));
  ASSERT_TRUE(Visible(dialog, IDC_STANDINGS_EVENTS_BAR));
  // A picture on the first event's heading.
  platform::test::QueueFileDialogAnswer("images/trophee.bmp");
  Click(WM_LBUTTONDBLCLK, 20 + 480, 250 + 110);
  Scroll(WM_VSCROLL, IDC_STANDINGS_ROWS_BAR, SB_PAGEDOWN);
  EXPECT_EQ(Position(IDC_STANDINGS_ROWS_BAR), 5);
  Scroll(WM_HSCROLL, IDC_STANDINGS_EVENTS_BAR, SB_LINEDOWN);
  Scroll(WM_HSCROLL, IDC_STANDINGS_EVENTS_BAR, SB_LINEDOWN);
  EXPECT_EQ(Position(IDC_STANDINGS_EVENTS_BAR), 2);
  testsupport::CaptureWindow(dialog, "championship-classification-bars");
  Scroll(WM_HSCROLL, IDC_STANDINGS_EVENTS_BAR, SB_LINEUP);
  Scroll(WM_HSCROLL, IDC_STANDINGS_EVENTS_BAR, SB_LINEUP);
  testsupport::CaptureWindow(dialog, "championship-classification-nations");
  EXPECT_EQ(IdlePaints(), 0) << "no paint loop";

  // A filter keeps the ranked order and brings the rows bar back within the view.
  SendDlgItemMessageA(dialog, IDC_STANDINGS_CAR_FILTER, CB_SETCURSEL, 1, 0);
  SendCommand(dialog, IDC_STANDINGS_CAR_FILTER, CBN_SELCHANGE);
  EXPECT_FALSE(Visible(dialog, IDC_STANDINGS_ROWS_BAR));
  SendDlgItemMessageA(dialog, IDC_STANDINGS_AGE_FILTER, CB_SETCURSEL, 1, 0);
  SendCommand(dialog, IDC_STANDINGS_AGE_FILTER, CBN_SELCHANGE);
  testsupport::CaptureWindow(dialog, "championship-classification-filtered");

  // The page captured at its paint, and exported.
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const std::string archive = ReadBytes("Private/Archive.bmp");
  ASSERT_GE(archive.size(), 54u);
  std::int32_t width = 0, height = 0;
  std::memcpy(&width, archive.data() + 18, 4);
  std::memcpy(&height, archive.data() + 22, 4);
  EXPECT_EQ(width, 1040);
  EXPECT_EQ(height, 590);
  UseBitmapToJpegConverter(ConvertBitmapToJpegWithFreeImage);
  const std::string proposed = platform::ProgramFolder() + "\\*.jpeg";
  platform::test::QueueFileDialogAnswer(proposed);
  SendCommand(dialog, IDC_STANDINGS_SAVE);
  EXPECT_EQ(platform::test::FileDialogs().back().proposed, proposed);
  EXPECT_FALSE(platform::FileExists("*.jpeg"));
  // Among the captures, where a ctest check decodes it with ImageMagick.
  const char* captures = std::getenv("VELLGRIN_CAPTURES");
  const std::string exported = testsupport::HostPath(std::string(captures ? captures : "captures") +
                                                     "/championship_classification.jpeg");
  testsupport::DeleteFileIfAny(exported);
  platform::test::QueueFileDialogAnswer(exported);
  SendCommand(dialog, IDC_STANDINGS_SAVE);
  UseBitmapToJpegConverter(nullptr);
  const std::string jpeg = ReadBytes(exported);
  ASSERT_GE(jpeg.size(), 2u);
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
}

TEST_F(ClassificationDialog, AFailedValidateKeepsTheDialogAndItsWork) {
  Open();
  WriteEventFile("events/one.rall", Drivers(2, 0));
  AddEvent(1, 5, "May", "events/one.rall");
  for (const char* made : {"Championnats", "Championnats/Cup A", "Championnats/Cup A/ClassementChampionnat.clt.tmp"})
    ASSERT_TRUE(platform::CreateFolder(made));
  SendCommand(dialog, IDOK);
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            std::vector<std::string>{"Error : 'Championship Classification' file not found"});
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(Items(dialog, IDC_STANDINGS_EVENTS), std::vector<std::string>{"May"});
  platform::DeleteFileAt("Championnats/Cup A/ClassementChampionnat.clt.tmp");
  RemoveDirectoryA("Championnats/Cup A/ClassementChampionnat.clt.tmp");
  SendCommand(dialog, IDOK);
  EXPECT_EQ(ReadBytes(kCltPath).rfind("1\t1\t0\t", 0), 0u);
}

}  // namespace
