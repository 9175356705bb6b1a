// The participants dialog under Wine, opened modelessly on its template and driven with the
// messages the operator's clicks send.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/test_hooks.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/settings_files.h"
#include "setup/participants_dialog_ids.h"
#include "setup/setup_dialogs.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"

namespace {

using testsupport::SendCommand;
using testsupport::ControlText;

std::vector<std::string> ListNames(HWND dialog, int control) {
  std::vector<std::string> names;
  const int count = static_cast<int>(SendDlgItemMessageA(dialog, control, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char name[64] = "";
    SendDlgItemMessageA(dialog, control, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name));
    names.push_back(name);
  }
  return names;
}

void Select(HWND dialog, int control, int index) {
  SendDlgItemMessageA(dialog, control, LB_SETCURSEL, index, 0);
  SendCommand(dialog, control, LBN_SELCHANGE);
}

bool Enabled(HWND dialog, int control) { return IsWindowEnabled(GetDlgItem(dialog, control)) != FALSE; }

class ParticipantsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::CreateFolder("images");
    for (const char* picture : {"images/impression.bmp", "images/wifiVert.bmp", "images/wifiRouge.bmp"}) {
      std::string from = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture);
      platform::CopyFileTo(from.c_str(), picture);
    }
    ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
    ASSERT_TRUE(folder.InstallFactoryFile(kCountryCodesFile));
    static DriversTable drivers;
    std::memset(&drivers, 0, sizeof drivers);
    const char* names[] = {"Martin Laval", "Ana Alvarez", "Tom Baker", "Jo Cole"};
    for (int i = 0; i < 4; ++i) {
      platform::CopyBounded(drivers[i].name, names[i]);
      platform::CopyBounded(drivers[i].team, "Ridge RC");
      platform::CopyBounded(drivers[i].car, "Buggy 8");
      platform::CopyBounded(drivers[i].carNumber, i == 0 ? "12" : "3");
      platform::CopyBounded(drivers[i].transponder, "100200");
    }
    ASSERT_TRUE(WriteDriversDatabase(kDriversDatabaseFile, drivers, 4));
    static CarsTable cars;
    std::memset(&cars, 0, sizeof cars);
    platform::CopyBounded(cars[0].name, "Buggy 8");
    platform::CopyBounded(cars[0].category, "1/8 buggy");
    ASSERT_TRUE(WriteCarsDatabase(kCarsDatabaseFile, cars, 1));
    static AgeCategoriesTable ages;
    std::memset(&ages, 0, sizeof ages);
    ASSERT_TRUE(WriteAgeCategoriesDatabase(kAgeCategoriesDatabaseFile, ages, 0));
    testsupport::WriteBytes(kDisplaySettingsFile, "1\t\r\nlogo.bmp\t\r\n");
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    SetActiveProfile(kEnglishBuild);
  }
  HWND Open() {
    dialog = testsupport::OpenDialogOnTop("RALLYEPILOTES", ParticipantsDialogProc);
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }
  void Close() {
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  void Take(int driver) {
    Select(dialog, IDC_PARTICIPANTS_DRIVERS, driver);
    SendCommand(dialog, IDC_PARTICIPANTS_TAKE);
  }

  storagetest::WorkingFolder folder;
  HWND dialog = nullptr;
};

TEST_F(ParticipantsDialog, ValidateWritesTheHeaderAndTheThreeSections) {
  // The rally had stages: validating leaves it with none.
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, "Spring rally");
  rallies[0].stageCount = 4;
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 10000, 1, rallies));
  Open();
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  EXPECT_EQ(ControlText(dialog, IDC_PARTICIPANTS_RALLY_NAME), "Spring rally");
  EXPECT_EQ(ControlText(dialog, IDC_PARTICIPANTS_COUNT), "(0)");
  EXPECT_EQ(ListNames(dialog, IDC_PARTICIPANTS_DRIVERS),
            (std::vector<std::string>{"Martin Laval", "Ana Alvarez", "Tom Baker", "Jo Cole"}));
  for (int driver : {0, 1, 2, 0}) Take(driver);
  EXPECT_EQ(ListNames(dialog, IDC_PARTICIPANTS_LIST),
            (std::vector<std::string>{"Ana Alvarez", "Martin Laval", "Tom Baker"}));
  EXPECT_EQ(ControlText(dialog, IDC_PARTICIPANTS_COUNT), "(3)");
  // Clicks in the lists and the name edit only select.
  Select(dialog, IDC_PARTICIPANTS_LIST, 2);
  SendCommand(dialog, IDC_PARTICIPANTS_LIST, LBN_DBLCLK);
  SendCommand(dialog, IDC_PARTICIPANTS_RALLY_NAME, EN_SETFOCUS);
  EXPECT_TRUE(IsWindowVisible(dialog));
  SendCommand(dialog, IDC_PARTICIPANTS_REMOVE);
  EXPECT_EQ(ListNames(dialog, IDC_PARTICIPANTS_LIST), (std::vector<std::string>{"Ana Alvarez", "Martin Laval"}));
  EXPECT_EQ(ControlText(dialog, IDC_PARTICIPANTS_COUNT), "(2)");
  Take(3);
  testsupport::CaptureWindow(dialog, "participants_dialog");

  SendCommand(dialog, IDOK);
  EXPECT_FALSE(IsWindowVisible(dialog));
  Close();
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  int node = 0, count = 0;
  ASSERT_TRUE(ReadRallyFileHeader(&node, &count, rallies));
  EXPECT_EQ(rallies[0].stageCount, 0);
  EXPECT_EQ(rallies[0].participantCount, 3);
  const std::string first = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_NE(first.find("CourseRallye1ListeParticipants\t\r\nAna Alvarez\tRidge RC\tBuggy 8\t3\t100200\t1/8 buggy\t"),
            std::string::npos);
  EXPECT_NE(first.find("CourseRallye1AgeParticipants\t\r\nAna Alvarez\t\t\t\r\nJo Cole\t\t\t\r\nMartin Laval\t"),
            std::string::npos);
  EXPECT_NE(first.find("CourseRallye1R\xE9partition\t\r\n0\tGRILLEDEPARTidentique\t\r\nMartin Laval\t\r\n"
                       "Ana Alvarez\t\r\nJo Cole\t\r\n(NA)\t\r\n"),
            std::string::npos);

  // A second Validate rewrites the sections in place.
  Open();
  EXPECT_EQ(ListNames(dialog, IDC_PARTICIPANTS_LIST),
            (std::vector<std::string>{"Ana Alvarez", "Jo Cole", "Martin Laval"}));
  Select(dialog, IDC_PARTICIPANTS_LIST, 1);
  SendCommand(dialog, IDC_PARTICIPANTS_REMOVE);
  SendCommand(dialog, IDOK);
  Close();
  const std::string second = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_EQ(second.size(), first.size());
  EXPECT_NE(second.find("0\tGRILLEDEPARTidentique\t\r\nMartin Laval\t\r\nAna Alvarez\t\r\n(NA)\t\r\n"),
            std::string::npos);

  // Cancel, the close box and a command of no control write nothing.
  for (UINT way : {0u, 1u, 2u}) {
    Open();
    Take(2);
    if (way == 0) SendCommand(dialog, IDCANCEL);
    if (way == 1) SendMessageA(dialog, WM_CLOSE, 0, 0);
    if (way == 2) SendCommand(dialog, 4242);
    EXPECT_FALSE(IsWindowVisible(dialog)) << way;
    Close();
    EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), second) << way;
  }
}

TEST_F(ParticipantsDialog, ARallyWithResultsOnlyPrintsPublishesAndCancels) {
  Open();
  Take(0);
  SendCommand(dialog, IDOK);
  Close();
  // The start order's flag says the rally has results.
  std::string file = testsupport::ReadBytes(kRallyFilePath);
  const std::size_t flag = file.find("0\tGRILLEDEPARTidentique");
  ASSERT_NE(flag, std::string::npos);
  file[flag] = '1';
  testsupport::WriteBytes(kRallyFilePath, file);

  Open();
  EXPECT_FALSE(Enabled(dialog, IDOK));
  EXPECT_FALSE(Enabled(dialog, IDC_PARTICIPANTS_TAKE));
  EXPECT_FALSE(Enabled(dialog, IDC_PARTICIPANTS_REMOVE));
  EXPECT_TRUE(Enabled(dialog, IDC_PARTICIPANTS_PRINT));
  EXPECT_TRUE(Enabled(dialog, IDC_PARTICIPANTS_PUBLISH));
  EXPECT_TRUE(Enabled(dialog, IDCANCEL));
  testsupport::CaptureWindow(dialog, "participants_dialog_with_results");
  // Commands sent all the same change nothing.
  Take(1);
  Select(dialog, IDC_PARTICIPANTS_LIST, 0);
  SendCommand(dialog, IDC_PARTICIPANTS_REMOVE);
  EXPECT_EQ(ListNames(dialog, IDC_PARTICIPANTS_LIST), std::vector<std::string>{"Martin Laval"});
  SendCommand(dialog, IDOK);
  EXPECT_TRUE(IsWindowVisible(dialog));
  SendCommand(dialog, IDCANCEL);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), file);
}

TEST_F(ParticipantsDialog, ButtonsWithoutASelectionDoNothing) {
  Open();
  SendDlgItemMessageA(dialog, IDC_PARTICIPANTS_DRIVERS, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendCommand(dialog, IDC_PARTICIPANTS_TAKE);
  EXPECT_TRUE(ListNames(dialog, IDC_PARTICIPANTS_LIST).empty());
  Take(1);
  SendDlgItemMessageA(dialog, IDC_PARTICIPANTS_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendCommand(dialog, IDC_PARTICIPANTS_REMOVE);
  EXPECT_EQ(ListNames(dialog, IDC_PARTICIPANTS_LIST), std::vector<std::string>{"Ana Alvarez"});
  SendCommand(dialog, IDCANCEL);
}

TEST_F(ParticipantsDialog, TheFrenchAndSpanishDialogsTakeTheirTexts) {
  SetActiveProfile(kFrenchBuild);
  platform::DeleteFileAt(kCarsDatabaseFile);
  Open();
  EXPECT_EQ(testsupport::ShownMessageTexts().size(), 1u);
  char caption[64] = "";
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "Liste des pilotes");
  EXPECT_EQ(ControlText(dialog, IDOK), "Valider");
  Take(0);
  testsupport::CaptureWindow(dialog, "participants_dialog_fr");
  SendCommand(dialog, IDCANCEL);
  Close();

  SetActiveProfile(kSpanishBuild);
  Open();
  EXPECT_EQ(ControlText(dialog, IDC_PARTICIPANTS_IN_RALLY), " Participantes en el rally ");
  Take(2);
  testsupport::CaptureWindow(dialog, "participants_dialog_es");
  SendCommand(dialog, IDCANCEL);
}

}  // namespace
