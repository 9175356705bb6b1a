// The stage classification dialog under Wine, opened modelessly on its template and driven
// with the messages its controls send: the page's band and stripes, the combos, the scroll
// bar, closing without saving, Validate on a Power Stage, and captures in three languages.
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
#include "race/settings_files.h"
#include "results/classification_page_win32.h"
#include "results/stage_classification_dialog.h"
#include "results/stage_classification_ids.h"
#include "tests/race/storage_test_support.h"
#include "tests/results/stage_event.h"
#include "tests/support/capture.h"
#include "tests/support/classification_folder.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"

namespace {

using testsupport::ComboItems;
using testsupport::ControlText;
using testsupport::ReadBytes;
using testsupport::SendCommand;

int PowerStageTitles() {
  std::string file = ReadBytes(kRallyFilePath);
  int n = 0;
  for (std::size_t at = file.find("CourseRallye1ClassementPowerStage\t"); at != std::string::npos;
       at = file.find("CourseRallye1ClassementPowerStage\t", at + 1))
    ++n;
  return n;
}

class StageClassificationDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::ClearMessages();
    platform::test::InterceptShell();
    testsupport::PrepareClassificationFolder();
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    platform::test::StopInterceptingShell();
    SetActiveProfile(kEnglishBuild);
  }
  HWND Open() {
    dialog = testsupport::OpenDialogOnTop("RALLYECLASSEMENTSPECIALE", StageClassificationDialogProc);
    EXPECT_NE(dialog, nullptr);
    testsupport::PumpMessages();
    return dialog;
  }

  storagetest::WorkingFolder folder;
  HWND dialog = nullptr;
};

constexpr int L = 20, T = 60;

TEST_F(StageClassificationDialog, OpensUnfilteredWithItsCombosBandAndStripesAndFiltersWithoutClosing) {
  stagetest::StageEvent event;
  event.drivers = 20;
  ASSERT_TRUE(stagetest::WriteStageEvent(event));
  Open();
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
  char caption[128] = {};
  GetWindowTextA(dialog, caption, sizeof caption);
  EXPECT_STREQ(caption, "Classification of the special stage");
  EXPECT_EQ(ComboItems(dialog, IDC_STAGE_CLASS_CAR_FILTER), (std::vector<std::string>{"All", "Buggy", "Truck"}));
  EXPECT_EQ(ComboItems(dialog, IDC_STAGE_CLASS_AGE_FILTER),
            (std::vector<std::string>{"All", "S(Senior)", "J(Junior)"}));
  HWND bar = GetDlgItem(dialog, IDC_STAGE_CLASS_SCROLL);
  EXPECT_TRUE(IsWindowVisible(bar));
  int minimum = -1, maximum = -1;
  GetScrollRange(bar, SB_CTL, &minimum, &maximum);
  EXPECT_EQ(maximum, 2);
  testsupport::CaptureWindow(dialog, "stage_classification_opened");
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_GE(client.right, 690);
  EXPECT_GE(client.bottom, 610) << "the page fits the window";

  // Opening a list or moving the focus is no choice and closes nothing.
  SendCommand(dialog, IDC_STAGE_CLASS_CAR_FILTER, CBN_DROPDOWN);
  SendCommand(dialog, IDC_STAGE_CLASS_AGE_FILTER, CBN_SETFOCUS);
  SendCommand(dialog, IDC_STAGE_CLASS_SCROLL, 0);
  EXPECT_TRUE(IsWindowVisible(dialog));

  SendDlgItemMessageA(dialog, IDC_STAGE_CLASS_CAR_FILTER, CB_SETCURSEL, 2, 0);
  SendCommand(dialog, IDC_STAGE_CLASS_CAR_FILTER, CBN_SELCHANGE);
  testsupport::PumpMessages();
  EXPECT_FALSE(IsWindowVisible(bar)) << "10 drivers fit";
  testsupport::CaptureWindow(dialog, "stage_classification_filtered");

  // Esc closes without saving, even on a Power Stage.
  SendCommand(dialog, IDCANCEL);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(PowerStageTitles(), 0);
}

// The painter on a memory canvas: the heads' band, the stripes under every second screen
// line of rows, none under the empty line and the notes.
TEST_F(StageClassificationDialog, ThePageHasItsBandAndStripesUnderTheScreenLinesOfRows) {
  stagetest::StageEvent event;
  event.drivers = 5;
  event.abandonDriver = 0;
  ASSERT_TRUE(stagetest::WriteStageEvent(event));
  static StageClassificationData data;
  LoadStageClassification(nullptr, &data);
  OpenStageClassification(&data);
  ASSERT_EQ(data.noteCount, 1);
  testsupport::MemoryCanvas canvas(720, 640);
  ClassificationPageContent content = {data.rows, data.rowCount, data.penalties, data.penaltyCount, data.notes,
                                       data.noteCount, &data.track, data.pageTitle,
                                       StageScreenTitle(data.carFilter, data.ageFilter), data.international};
  PaintClassificationScreenPage(canvas.dc(), kStageClassificationPage, 0, content);
  canvas.Save("stage_classification_page_memory");
  EXPECT_EQ(canvas.At(683, T + 131), RGB(255, 234, 182)) << "the heads' band";
  for (int k : {0, 2, 4}) EXPECT_EQ(canvas.At(L + 8, T + 157 + 18 * k), RGB(230, 230, 230)) << k;
  for (int k : {1, 3, 5, 6}) EXPECT_EQ(canvas.At(L + 8, T + 157 + 18 * k), RGB(255, 255, 255)) << k;
  EXPECT_EQ(canvas.At(L, T + 300), RGB(0, 0, 0)) << "the left edge";

  // Scrolled by one line: the stripes stay under the screen lines, now of rows 2 and 4.
  PatBlt(canvas.dc(), 0, 0, 720, 640, WHITENESS);
  PaintClassificationScreenPage(canvas.dc(), kStageClassificationPage, 1, content);
  for (int k : {0, 2}) EXPECT_EQ(canvas.At(L + 8, T + 157 + 18 * k), RGB(230, 230, 230)) << k;
  EXPECT_EQ(canvas.At(L + 8, T + 157 + 18 * 4), RGB(255, 255, 255)) << "line 5 is the empty line";

  // An international event shows each row's flag at L + 240; a national one none.
  EXPECT_FALSE(canvas.AnyBut(L + 241, T + 151, L + 259, T + 162, RGB(230, 230, 230)));
  content.international = 1;
  PaintClassificationScreenPage(canvas.dc(), kStageClassificationPage, 0, content);
  EXPECT_TRUE(canvas.AnyBut(L + 241, T + 151, L + 259, T + 162, RGB(230, 230, 230))) << "the flag of FRA";
}

TEST_F(StageClassificationDialog, ValidateStoresAPowerStageOnceAndAnOrdinaryStageNothing) {
  ASSERT_TRUE(stagetest::WriteStageEvent({}));
  Open();
  SendCommand(dialog, IDOK);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(PowerStageTitles(), 1);
  DestroyWindow(dialog);
  Open();
  SendCommand(dialog, IDOK);
  EXPECT_EQ(PowerStageTitles(), 1) << "rewritten in place";
  DestroyWindow(dialog);

  stagetest::StageEvent ordinary;
  ordinary.stageFlag = 1;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  ASSERT_TRUE(stagetest::WriteStageEvent(ordinary));
  Open();
  SendCommand(dialog, IDOK);
  EXPECT_EQ(PowerStageTitles(), 0);
}

TEST_F(StageClassificationDialog, AStaleHeaderCodeOpensAnEmptyPageAndSavesNothing) {
  stagetest::StageEvent event;
  event.selectedNode = -1000;
  ASSERT_TRUE(stagetest::WriteStageEvent(event));
  Open();
  EXPECT_EQ(ComboItems(dialog, IDC_STAGE_CLASS_CAR_FILTER), (std::vector<std::string>{"All", ""}));
  EXPECT_EQ(ComboItems(dialog, IDC_STAGE_CLASS_AGE_FILTER), (std::vector<std::string>{"All", "()"}));
  SendCommand(dialog, IDOK);
  EXPECT_EQ(PowerStageTitles(), 0);
}

TEST_F(StageClassificationDialog, InternationalScrolledAndInEveryLanguage) {
  stagetest::StageEvent event;
  event.drivers = 24;
  event.eventName = "i_n_t_World Cup";
  ASSERT_TRUE(stagetest::WriteStageEvent(event));
  Open();
  testsupport::CaptureWindow(dialog, "stage_classification_international");
  SendMessageA(dialog, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_STAGE_CLASS_SCROLL)));
  testsupport::PumpMessages();
  EXPECT_EQ(GetScrollPos(GetDlgItem(dialog, IDC_STAGE_CLASS_SCROLL), SB_CTL), 6);
  testsupport::CaptureWindow(dialog, "stage_classification_scrolled");
  DestroyWindow(dialog);
  dialog = nullptr;

  const struct {
    const BuildProfile* profile;
    const char* capture;
  } builds[] = {{&kFrenchBuild, "stage_classification_fr"}, {&kSpanishBuild, "stage_classification_es"}};
  for (const auto& build : builds) {
    SetActiveProfile(*build.profile);
    Open();
    testsupport::CaptureWindow(dialog, build.capture);
    EXPECT_EQ(ComboItems(dialog, IDC_STAGE_CLASS_CAR_FILTER)[0], Tr(Text::ClassificationAllCategories));
    // No Power Stage in these builds: Validate only closes.
    SendCommand(dialog, IDOK);
    EXPECT_EQ(PowerStageTitles(), 0);
    DestroyWindow(dialog);
    dialog = nullptr;
  }
}

}  // namespace
