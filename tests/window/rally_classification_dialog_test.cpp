// The rally classification dialog under Wine, opened modelessly on its template and driven
// with the messages its controls send: the combos, the range edits and their corrections,
// the option boxes, the scroll bar at 17 and 18 lines, Validate with OK and with Cancel, the
// French and Spanish dialogs without the option boxes, and captures in three languages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/shell.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/penalty_database.h"
#include "race/settings_files.h"
#include "results/rally_classification_dialog.h"
#include "results/rally_classification_ids.h"
#include "tests/race/storage_test_support.h"
#include "tests/results/rally_event.h"
#include "tests/support/capture.h"
#include "tests/support/classification_folder.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"

namespace {

using rallytest::StageRow;
using testsupport::ComboItems;
using testsupport::ControlText;
using testsupport::ReadBytes;
using testsupport::SendCommand;

int Maximum(HWND bar) {
  int minimum = -1, maximum = -1;
  GetScrollRange(bar, SB_CTL, &minimum, &maximum);
  return maximum;
}

// Drivers 1..n over two stages; every fourth abandons SS1 (600 s gross) and every fifth
// starts SS2 late (+10 s); SS2 runs in the reverse start order.
void WriteTwoStages(int drivers, const char* eventName = "Spring Trophy") {
  rallytest::RallyEvent event;
  event.drivers = drivers;
  event.stages = 2;
  event.eventName = eventName;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  std::vector<StageRow> first, second;
  for (int k = 1; k <= drivers; ++k) {
    first.push_back({k, 60000 + 700 * k, k % 4 == 0 ? 4 : 3});
    second.push_back({drivers + 1 - k, 50000 + 300 * (drivers + 1 - k), (drivers + 1 - k) % 5 == 0 ? 5 : 3});
  }
  ASSERT_TRUE(rallytest::WriteStage(1, first, drivers));
  ASSERT_TRUE(rallytest::WriteStage(2, second, drivers));
}

class RallyClassificationDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::ClearMessages();
    platform::test::InterceptShell();
    testsupport::PrepareClassificationFolder();
    testsupport::WriteBytes(kPenaltiesDatabaseFile, "1\t600\tA\tAbandon\t.\t\r\n");
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    platform::test::StopInterceptingShell();
    SetActiveProfile(kEnglishBuild);
  }
  HWND Open() {
    dialog = testsupport::OpenDialogOnTop("RALLYECLASSEMENTRALLYE", RallyClassificationDialogProc);
    EXPECT_NE(dialog, nullptr);
    testsupport::PumpMessages();
    return dialog;
  }
  void Close() {
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  void Type(int edit, const char* text) {
    SetDlgItemTextA(dialog, edit, text);  // the edit notifies EN_CHANGE itself
    testsupport::PumpMessages();
  }
  HWND Bar() { return GetDlgItem(dialog, IDC_RALLY_CLASS_SCROLL); }

  storagetest::WorkingFolder folder;
  HWND dialog = nullptr;
};

TEST_F(RallyClassificationDialog, OpensWithItsListsRangeAndOptionsAndRecomputesOnEveryChange) {
  WriteTwoStages(12);
  Open();
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
  char caption[128] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "Classification of the rally");
  EXPECT_EQ(ComboItems(dialog, IDC_RALLY_CLASS_CAR_FILTER), (std::vector<std::string>{"All", "Buggy", "Truck"}));
  EXPECT_EQ(ComboItems(dialog, IDC_RALLY_CLASS_AGE_FILTER), (std::vector<std::string>{"All", "S(Senior)", "J(Junior)"}));
  EXPECT_EQ(ControlText(dialog, IDC_RALLY_CLASS_FROM), "1");
  EXPECT_EQ(ControlText(dialog, IDC_RALLY_CLASS_TO), "2");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_RALLY_CLASS_POWER_STAGE), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_RALLY_CLASS_WORST_STAGE), BST_CHECKED);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_GE(client.bottom, 630) << "the page fits the window";
  // 12 rows, 3 abandons and 2 penalties make 17 lines: no bar.
  EXPECT_FALSE(IsWindowVisible(Bar()));
  testsupport::CaptureWindow(dialog, "rally_classification_opened");

  // Corrections rewrite the edits: a first stage above the last, a 0, a last stage beyond
  // the rally's; an emptied edit keeps the value.
  Type(IDC_RALLY_CLASS_FROM, "5");
  EXPECT_EQ(ControlText(dialog, IDC_RALLY_CLASS_FROM), "2");
  Type(IDC_RALLY_CLASS_FROM, "0");
  EXPECT_EQ(ControlText(dialog, IDC_RALLY_CLASS_FROM), "1");
  Type(IDC_RALLY_CLASS_TO, "9");
  EXPECT_EQ(ControlText(dialog, IDC_RALLY_CLASS_TO), "2");
  Type(IDC_RALLY_CLASS_TO, "");
  Type(IDC_RALLY_CLASS_TO, "1");
  EXPECT_EQ(ControlText(dialog, IDC_RALLY_CLASS_TO), "1");
  EXPECT_FALSE(IsWindowVisible(Bar())) << "SS1 alone: 12 rows and 3 abandons";
  Type(IDC_RALLY_CLASS_TO, "2");

  // Leaving the worst stage out is listed beside the title; a filter shows fewer drivers.
  CheckDlgButton(dialog, IDC_RALLY_CLASS_WORST_STAGE, BST_UNCHECKED);
  SendCommand(dialog, IDC_RALLY_CLASS_WORST_STAGE);
  SendDlgItemMessageA(dialog, IDC_RALLY_CLASS_CAR_FILTER, CB_SETCURSEL, 2, 0);
  SendCommand(dialog, IDC_RALLY_CLASS_CAR_FILTER, CBN_SELCHANGE);
  testsupport::PumpMessages();
  testsupport::CaptureWindow(dialog, "rally_classification_filtered");

  // Opening a list, the focus moving and the bar's own commands are no choice.
  SendCommand(dialog, IDC_RALLY_CLASS_CAR_FILTER, CBN_DROPDOWN);
  SendCommand(dialog, IDC_RALLY_CLASS_FROM, EN_SETFOCUS);
  SendCommand(dialog, IDC_RALLY_CLASS_SCROLL, 0);
  EXPECT_TRUE(IsWindowVisible(dialog));
  // Cancel writes nothing.
  SendCommand(dialog, IDCANCEL);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(rallytest::Count(ReadBytes(kRallyFilePath), "ClassementRallye"), 0);
}

TEST_F(RallyClassificationDialog, TheBarAppearsAtEighteenLinesAndScrollsToTheLists) {
  WriteTwoStages(13);  // 13 rows, 3 abandons, 2 penalties: 18 lines
  Open();
  ASSERT_TRUE(IsWindowVisible(Bar()));
  EXPECT_EQ(Maximum(Bar()), 1);
  Close();
  WriteTwoStages(30, "i_n_t_World Cup");  // 30 rows, 7 abandons, 6 penalties
  Open();
  EXPECT_EQ(Maximum(Bar()), 30 + 7 + 6 - 17);
  testsupport::CaptureWindow(dialog, "rally_classification_international");
  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(Bar()));
  testsupport::PumpMessages();
  EXPECT_EQ(GetScrollPos(Bar(), SB_CTL), 26);
  testsupport::CaptureWindow(dialog, "rally_classification_scrolled");
  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(Bar()));
  EXPECT_EQ(GetScrollPos(Bar(), SB_CTL), 26) << "at the maximum";
  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), reinterpret_cast<LPARAM>(Bar()));
  EXPECT_EQ(GetScrollPos(Bar(), SB_CTL), 25);
}

TEST_F(RallyClassificationDialog, ValidateAsksFirstAndSavesEveryDriverOnOk) {
  WriteTwoStages(6);
  Open();
  SendDlgItemMessageA(dialog, IDC_RALLY_CLASS_CAR_FILTER, CB_SETCURSEL, 1, 0);
  SendCommand(dialog, IDC_RALLY_CLASS_CAR_FILTER, CBN_SELCHANGE);
  platform::test::ClearMessages();
  platform::test::QueueMessageAnswer(platform::kIdCancel);
  SendCommand(dialog, IDOK);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, "The rally classification will be saved for SS1 to SS2.\nPlease confirm.");
  EXPECT_EQ(platform::test::Messages()[0].caption, "Be careful");
  EXPECT_EQ(platform::test::Messages()[0].type, static_cast<unsigned>(MB_OKCANCEL | MB_ICONWARNING));
  EXPECT_TRUE(IsWindowVisible(dialog)) << "Cancel leaves the dialog open";
  EXPECT_EQ(rallytest::Count(ReadBytes(kRallyFilePath), "ClassementRallye"), 0);

  platform::test::QueueMessageAnswer(platform::kIdOk);
  SendCommand(dialog, IDOK);
  EXPECT_FALSE(IsWindowVisible(dialog));
  const std::string file = ReadBytes(kRallyFilePath);
  EXPECT_EQ(rallytest::Count(file, "CourseRallye1ClassementRallye\t"), 1);
  EXPECT_EQ(rallytest::Count(file, "CourseRallye1ClassementRallye2\t"), 1);
  EXPECT_EQ(rallytest::Count(file, "CourseRallye1ClassementRallye3\t"), 1);
  // Every driver, the fastest first: driver 1 (60.7 s + 50.3 s), 4 abandoned SS1.
  EXPECT_NE(file.find("ClassementRallye3\t\r\n0\t\r\nDriver 01\tFRA\tBuggy\tS\tSenior\t\r\nDriver 02\t"),
            std::string::npos);
}

TEST_F(RallyClassificationDialog, FrenchAndSpanishHaveNoOptionBoxes) {
  const struct {
    const BuildProfile* profile;
    const char* capture;
  } builds[] = {{&kEnglishBuild, "rally_classification_en"},
                {&kFrenchBuild, "rally_classification_fr"},
                {&kSpanishBuild, "rally_classification_es"}};
  for (const auto& build : builds) {
    WriteTwoStages(20);
    SetActiveProfile(*build.profile);
    Open();
    const bool options = build.profile == &kEnglishBuild;
    EXPECT_EQ(GetDlgItem(dialog, IDC_RALLY_CLASS_POWER_STAGE) != nullptr, options) << build.capture;
    EXPECT_EQ(GetDlgItem(dialog, IDC_RALLY_CLASS_WORST_STAGE) != nullptr, options) << build.capture;
    EXPECT_EQ(ComboItems(dialog, IDC_RALLY_CLASS_CAR_FILTER)[0], Tr(Text::ClassificationAllCategories));
    SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(Bar()));
    testsupport::PumpMessages();
    testsupport::CaptureWindow(dialog, build.capture);
    platform::test::QueueMessageAnswer(platform::kIdOk);
    SendCommand(dialog, IDOK);
    Close();
    const std::string file = ReadBytes(kRallyFilePath);
    EXPECT_EQ(rallytest::Count(file, "CourseRallye1ClassementRallye2\t"), options ? 1 : 0) << build.capture;
    EXPECT_EQ(rallytest::Count(file, "CourseRallye1ClassementRallye3\t"), 1) << build.capture;
  }
}

}  // namespace
