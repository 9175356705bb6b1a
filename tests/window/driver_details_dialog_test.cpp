// The driver details dialog under Wine, on its template: what it shows of the event file,
// what OK writes back, what every other way out leaves alone, and the scan lamp.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "setup/driver_details_dialog_ids.h"
#include "setup/driver_details_model.h"
#include "setup/setup_dialogs.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/capture.h"
#include "tests/support/message_texts.h"
#include "tests/setup/driver_details_files.h"

namespace {

std::string Text(HWND dialog, int control) {
  char text[256] = "";
  GetDlgItemTextA(dialog, control, text, sizeof text);
  return text;
}

std::string Chosen(HWND dialog, int control) {
  HWND list = GetDlgItem(dialog, control);
  LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (item == CB_ERR) return "<none>";
  char text[256] = "";
  SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
  return text;
}

void Notify(HWND dialog, int control, int code) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

// As the operator picks an item of a drop-down list.
void Choose(HWND dialog, int control, const char* text) {
  HWND list = GetDlgItem(dialog, control);
  LRESULT item = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  ASSERT_NE(item, CB_ERR) << text;
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  Notify(dialog, control, CBN_SELCHANGE);
}

void Type(HWND dialog, int control, const char* text) {
  SendDlgItemMessageA(dialog, control, EM_SETSEL, 0, -1);
  SendDlgItemMessageA(dialog, control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

LOGFONTA FontOf(HWND dialog, int control) {
  LOGFONTA font = {};
  HFONT handle = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, control, WM_GETFONT, 0, 0));
  GetObjectA(handle, sizeof font, &font);
  return font;
}

class DriverDetailsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ForgetScanDecoderName();
    detailstest::WriteReferenceFiles("Vellgrin");
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    SetActiveProfile(kEnglishBuild);
  }
  void Open() {
    platform::test::ClearMessages();
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "RALLYEPILOTEDETAILS", nullptr, DriverDetailsDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    // Topmost, so that windows of other test programs on the shared desktop do not cover it.
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    testsupport::PumpMessages();
  }
  // The dialog ends by hiding itself; the test then destroys it.
  bool Ended() { return !IsWindowVisible(dialog); }
  void Destroy() {
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  std::vector<std::string> Seen() { return testsupport::ShownMessageTexts(); }

  storagetest::WorkingFolder folder;
  HWND dialog = nullptr;
};

TEST_F(DriverDetailsDialog, OpeningShowsTheNamedParticipant) {
  detailstest::WriteEvent(11002);
  Open();
  EXPECT_TRUE(Seen().empty());
  char caption[64] = "";
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "Driver's details");
  EXPECT_EQ(Text(dialog, IDC_DETAILS_PARTICIPANT), "BRUNO Marc ( Club )");
  // Selections match whole texts whatever their case.
  EXPECT_EQ(Chosen(dialog, IDC_DETAILS_CAR), "Clio");
  EXPECT_EQ(Chosen(dialog, IDC_DETAILS_CATEGORY), "Rally 2");
  EXPECT_EQ(Chosen(dialog, IDC_DETAILS_FREQUENCY1), "2.4Ghz");
  EXPECT_EQ(Chosen(dialog, IDC_DETAILS_FREQUENCY1 + 1), "27.045");
  EXPECT_EQ(Chosen(dialog, IDC_DETAILS_FREQUENCY1 + 2), "<none>");
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DETAILS_FREQUENCY5, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(Text(dialog, IDC_DETAILS_CAR_NUMBER), "12");
  EXPECT_EQ(Text(dialog, IDC_DETAILS_TRANSPONDER), "001002");
  EXPECT_EQ(Text(dialog, IDC_DETAILS_SCAN_STATE), "Off");
  EXPECT_EQ(Text(dialog, IDC_DETAILS_FREQUENCY1_LABEL + 4), "Freq5");
  EXPECT_EQ(FontOf(dialog, IDC_DETAILS_PARTICIPANT).lfWeight, 700);
  EXPECT_EQ(FontOf(dialog, IDC_DETAILS_FREQUENCY1_LABEL).lfWeight, 700);
  EXPECT_STREQ(FontOf(dialog, IDC_DETAILS_CAR).lfFaceName, "Arial");
  EXPECT_EQ(FontOf(dialog, IDC_DETAILS_CAR).lfHeight, 16);
  EXPECT_LT(FontOf(dialog, IDOK).lfWeight, 700);
  testsupport::CaptureWindow(dialog, "driver_details_dialog");
}

TEST_F(DriverDetailsDialog, EditingThenOkRewritesTheParticipantsSectionInPlace) {
  detailstest::WriteEvent(11002);
  const std::size_t size = testsupport::ReadBytes(kRallyFilePath).size();
  Open();
  Choose(dialog, IDC_DETAILS_CAR, "Alpine");
  EXPECT_EQ(Chosen(dialog, IDC_DETAILS_CATEGORY), "Touring") << "the car brings its category";
  // A car whose category is not in the list: stored all the same, shown as no selection.
  Choose(dialog, IDC_DETAILS_CAR, "Lancia");
  EXPECT_EQ(Chosen(dialog, IDC_DETAILS_CATEGORY), "<none>");
  Type(dialog, IDC_DETAILS_CAR_NUMBER, "123456");
  EXPECT_EQ(Text(dialog, IDC_DETAILS_CAR_NUMBER), "1234") << "limited to four characters";
  Type(dialog, IDC_DETAILS_TRANSPONDER, "12345");
  Choose(dialog, IDC_DETAILS_FREQUENCY5, "40.665");
  // Focus and drop-down notifications of its own controls do not close it.
  Notify(dialog, IDC_DETAILS_CAR, CBN_DROPDOWN);
  Notify(dialog, IDC_DETAILS_CAR_NUMBER, EN_SETFOCUS);
  Notify(dialog, IDC_DETAILS_SCAN_STATE, EN_KILLFOCUS);
  ASSERT_FALSE(Ended());
  Notify(dialog, IDOK, BN_CLICKED);
  EXPECT_TRUE(Ended());
  Destroy();
  const std::string after = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_NE(after.find("BRUNO Marc\tClub\tLancia\t1234\t001002\tGroup B\t2.4ghz\t27.045\t\t\t40.665\t"),
            std::string::npos)
      << "five digits kept the stored transponder";
  EXPECT_NE(after.find("ALBERT Jean\tClub\t\t11\t1001\t"), std::string::npos);
  EXPECT_EQ(after.size(), size);
  EXPECT_TRUE(Seen().empty());

  Open();
  Type(dialog, IDC_DETAILS_TRANSPONDER, "000255");
  Notify(dialog, IDOK, BN_CLICKED);
  Destroy();
  EXPECT_NE(testsupport::ReadBytes(kRallyFilePath).find("BRUNO Marc\tClub\tLancia\t1234\t000255\t"), std::string::npos);
}

TEST_F(DriverDetailsDialog, EscapeTheCloseBoxAndForeignCommandsWriteNothing) {
  detailstest::WriteEvent(11001);
  const std::string before = testsupport::ReadBytes(kRallyFilePath);
  const UINT kWaysOut[] = {WM_COMMAND, WM_CLOSE, WM_COMMAND};
  const WPARAM kCommands[] = {IDCANCEL, 0, 4242};
  for (int i = 0; i < 3; ++i) {
    Open();
    Choose(dialog, IDC_DETAILS_CAR, "Alpine");
    Type(dialog, IDC_DETAILS_TRANSPONDER, "777777");
    SendMessageA(dialog, kWaysOut[i], kCommands[i], 0);
    EXPECT_TRUE(Ended()) << i;
    Destroy();
    EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), before) << i;
  }
}

TEST_F(DriverDetailsDialog, AParticipantCodeOutOfRangeWritesNothing) {
  for (int code : {13101, 11201}) {
    detailstest::WriteEvent(code);
    const std::string before = testsupport::ReadBytes(kRallyFilePath);
    Open();
    EXPECT_EQ(Text(dialog, IDC_DETAILS_PARTICIPANT), "") << code;
    EXPECT_EQ(Chosen(dialog, IDC_DETAILS_CAR), "<none>");
    Choose(dialog, IDC_DETAILS_CAR, "Alpine");
    Type(dialog, IDC_DETAILS_CAR_NUMBER, "99");
    Notify(dialog, IDOK, BN_CLICKED);
    EXPECT_TRUE(Ended());
    Destroy();
    EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), before) << code;
    EXPECT_TRUE(Seen().empty());
  }
}

TEST_F(DriverDetailsDialog, MissingFilesAreReportedAndTheDialogStaysOpen) {
  for (const char* file : {kCarsDatabaseFile, kCarCategoriesDatabaseFile, kFrequenciesDatabaseFile,
                           kInterfaceSettingsFile, kRallyFilePath}) {
    testsupport::DeleteFileIfAny(file);
  }
  Open();
  EXPECT_EQ(Seen(), (std::vector<std::string>{"Error: Interface file not found", "Error : Cars database file not found",
                                              "Error : Cars database file not found",
                                              "Error : 'Cars categories' database file not found",
                                              "Error: Frequencies database file not found",
                                              "Error : File of the rally not found"}));
  EXPECT_FALSE(Ended());
  Notify(dialog, IDOK, BN_CLICKED);
  EXPECT_TRUE(Ended());
}

void InstallScanLamps() {
  platform::CreateFolder("images");
  for (int lamp = 1; lamp <= 4; ++lamp) {
    std::string name = ScanLampPicture(lamp);
    std::string from = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + name);
    ASSERT_TRUE(platform::CopyFileTo(from.c_str(), name.c_str())) << from;
  }
}

// What the screen shows at a point of the lamp.
COLORREF LampPixel(HWND dialog) {
  testsupport::PumpMessages();
  HDC dc = GetDC(dialog);
  COLORREF colour = GetPixel(dc, 275, 241);
  ReleaseDC(dialog, dc);
  return colour;
}

TEST_F(DriverDetailsDialog, ScanShowsOnAndTheLampUntilReleased) {
  InstallScanLamps();
  detailstest::WriteEvent(11002);
  Open();
  const COLORREF background = LampPixel(dialog);
  SendDlgItemMessageA(dialog, IDC_DETAILS_SCAN, BM_CLICK, 0, 0);
  EXPECT_EQ(Text(dialog, IDC_DETAILS_SCAN_STATE), "On");
  EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, IDC_DETAILS_TRANSPONDER), GWL_STYLE) & ES_READONLY);
  EXPECT_NE(LampPixel(dialog), background) << "a lamp is lit";
  testsupport::CaptureWindow(dialog, "driver_details_scanning");
  // The lamps go round for as long as Scan is down.
  DWORD until = GetTickCount() + 1000;
  while (GetTickCount() < until) {
    testsupport::PumpMessages();
    Sleep(5);
  }
  SendDlgItemMessageA(dialog, IDC_DETAILS_SCAN, BM_CLICK, 0, 0);
  EXPECT_EQ(Text(dialog, IDC_DETAILS_SCAN_STATE), "Off");
  EXPECT_FALSE(GetWindowLongA(GetDlgItem(dialog, IDC_DETAILS_TRANSPONDER), GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(LampPixel(dialog), background) << "the lamp went out";
  EXPECT_EQ(Text(dialog, IDC_DETAILS_TRANSPONDER), "001002");
}

TEST_F(DriverDetailsDialog, TheFrenchAndSpanishDialogs) {
  detailstest::WriteEvent(11002);
  SetActiveProfile(kFrenchBuild);
  Open();
  EXPECT_EQ(Text(dialog, IDC_DETAILS_FREQUENCY_GROUP), "Fr\xE9quences radio");
  EXPECT_EQ(Text(dialog, IDC_DETAILS_FREQUENCY1_LABEL), "Fr\xE9q1");
  testsupport::CaptureWindow(dialog, "driver_details_dialog_fr");
  Destroy();
  SetActiveProfile(kSpanishBuild);
  Open();
  EXPECT_EQ(Text(dialog, IDOK), "Aceptar");
  testsupport::CaptureWindow(dialog, "driver_details_dialog_es");
}

}  // namespace
