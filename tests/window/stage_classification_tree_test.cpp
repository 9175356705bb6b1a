// The main window opens the stage classification from the event tree only for a rally with
// results, and the rally classification from the rally's "Class. Rally" item; it selects
// the rally again once the dialog has closed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/main_window.h"
#include "race/menus.h"
#include "race/startup.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

namespace {

const char* const kDrivers[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};

bool SelectAndPlay(int code, const char* caption, void (*play)(HWND dialog)) {
  return testsupport::PlayModalDialog([code] { SelectItem(code); }, caption, play);
}

class StageClassificationFromTree : public testsupport::MainWindowFixture {
 protected:
  void LoadEvent() {
    testsupport::TestEvent event;
    event.drivers = kDrivers;
    event.driverCount = 3;
    event.stageCount = 2;
    ASSERT_TRUE(testsupport::WriteTestEvent(event));
    std::string path = folder / "event.rall";
    ASSERT_TRUE(CopyFileA(kRallyFilePath, path.c_str(), FALSE));
    platform::test::QueueFileDialogAnswer(path);
    platform::test::QueueMessageAnswer(platform::kIdNo);
    SendMessageA(window, WM_COMMAND, kCmdLoadEvent, 0);
    SelectItem(10000);
    ExpandItem(10000);
    ExpandItem(14000);
    platform::test::ClearMessages();
  }

};

TEST_F(StageClassificationFromTree, OpensOnlyForARallyWithResultsAndReselectsTheRallyAfter) {
  LoadEvent();
  ASSERT_EQ(Main().rallies[0].hasResults, 0);
  auto escape = [](HWND dialog) {
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testsupport::CaptureWindow(dialog, "stage_classification_from_tree");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_FALSE(SelectAndPlay(14101, "Classification of the special stage", escape));

  // SS1 timed: its results stored and the rally flagged.
  SelectItem(13101);
  for (int i = 0; i < 3; ++i) {
    Main().entries[i].time = 60000 + 1000 * i;
    Main().entries[i].state = 3;
  }
  Main().rallies[0].hasResults = 1;
  StageResultsText text = {".", " ", "Dry"};
  ASSERT_EQ(WriteStageResultsSection(window, Main().entries, 3, 0, text, 3, "CourseRallye1ES1"), SaveResult::Saved);
  SelectItem(10000);
  ASSERT_EQ(Main().rallies[0].hasResults, 1);
  EXPECT_TRUE(SelectAndPlay(14101, "Classification of the special stage", escape));
  EXPECT_EQ(Main().selectedNode, 10000) << "the rally is selected again";
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath).find("ClassementPowerStage"), std::string::npos)
      << "Esc writes nothing";
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
}

TEST_F(StageClassificationFromTree, TheRallyItemOpensTheRallyClassificationAndReselectsTheRally) {
  LoadEvent();
  auto play = [](HWND dialog) {
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testsupport::CaptureWindow(dialog, "rally_classification_from_tree");
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  };
  EXPECT_TRUE(SelectAndPlay(14100, "Classification of the rally", play));
  EXPECT_EQ(Main().selectedNode, 10000) << "the rally is selected again";
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath).find("ClassementRallye"), std::string::npos)
      << "Cancel writes nothing";
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
}

}  // namespace
