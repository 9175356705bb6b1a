// The main window around the track details and start order dialogs: what it does before
// they open and after they close, with the modal dialogs played by a timer of this thread.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/main_window.h"
#include "race/menus.h"
#include "race/startup.h"
#include "setup/event_setup_dialog_ids.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

namespace {

const char* const kDrivers[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};

void Command(HWND window, int id) { SendMessageA(window, WM_COMMAND, id, 0); }

std::vector<int> Children(int code) {
  HWND tree = EventTree();
  std::vector<int> codes;
  for (HTREEITEM item = TreeView_GetChild(tree, FindTreeItem(code)); item; item = TreeView_GetNextSibling(tree, item)) {
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    codes.push_back(static_cast<int>(data.lParam));
  }
  return codes;
}

RallyRecord HeaderRally() {
  static RallyRecord rallies[kMaxRallies];
  int node = 0, count = 0;
  ReadRallyFileHeader(&node, &count, rallies);
  return rallies[0];
}

using testsupport::RunModalDialog;

class EventSetupMainWindow : public testsupport::MainWindowFixture {
 protected:
  // The event of three drivers with that many stages, loaded as from a file.
  void LoadEvent(int stages) {
    testsupport::TestEvent event;
    event.drivers = kDrivers;
    event.driverCount = 3;
    event.stageCount = stages;
    ASSERT_TRUE(testsupport::WriteTestEvent(event));
    std::string path = folder / "event.rall";
    ASSERT_TRUE(CopyFileA(kRallyFilePath, path.c_str(), FALSE));
    platform::test::QueueFileDialogAnswer(path);
    platform::test::QueueMessageAnswer(platform::kIdNo);
    Command(window, kCmdLoadEvent);
    SelectItem(10000);
    ExpandItem(10000);
    ExpandItem(13000);
    platform::test::ClearMessages();
  }

};

// Moves the first driver one place down and generates.
void MoveFirstDownAndGenerate(HWND dialog) {
  SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(275, 118));
  testsupport::CaptureWindow(dialog, "start_order_from_main_window");
  testsupport::PostClick(dialog, IDOK);
}

TEST_F(EventSetupMainWindow, GenerateGivesANewRallyItsFirstStageWhichLoadsTheNewOrder) {
  LoadEvent(0);
  EXPECT_EQ(Children(13000), (std::vector<int>{13010, 13020}));
  SelectItem(13010);
  ASSERT_TRUE(RunModalDialog(window, kCmdStartOrder, "Start order of the drivers", MoveFirstDownAndGenerate));
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
  EXPECT_EQ(HeaderRally().stageCount, 1);
  ExpandItem(13000);
  EXPECT_EQ(Children(13000), (std::vector<int>{13010, 13020, 13101})) << "the tree shows SS1 at once";
  SelectItem(13101);
  EXPECT_STREQ(Main().stage.title, "CourseRallye1ES1");
  EXPECT_EQ(Main().timing.entryCount, 3);
  EXPECT_STREQ(Main().entries[0].name, kDrivers[1]);
  EXPECT_STREQ(Main().entries[1].name, kDrivers[0]);
  EXPECT_STREQ(Main().entries[2].name, kDrivers[2]);
  EXPECT_STREQ(Main().display[0].carNumber, "12");
}

TEST_F(EventSetupMainWindow, AStageTimedButNotLeftIsSavedFirstAndKeepsTheRallysStages) {
  LoadEvent(4);
  SelectItem(13102);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES2");
  // Timed, not left: the results are only in memory when the command comes.
  Main().entries[0].time = 61234;
  Main().entries[0].state = 3;
  ASSERT_TRUE(RunModalDialog(window, kCmdStartOrder, "Start order of the drivers", MoveFirstDownAndGenerate));
  EXPECT_EQ(HeaderRally().stageCount, 4) << "a rally with results keeps its stages";
  EXPECT_EQ(HeaderRally().hasResults, 1);
  EXPECT_EQ(Children(13000), (std::vector<int>{13010, 13020, 13101, 13102, 13103, 13104}));
  EXPECT_EQ(Main().entries[0].time, 61234) << "the loaded stage is left alone";
  EXPECT_STREQ(Main().display[0].name, kDrivers[0]);
}

TEST_F(EventSetupMainWindow, CancelLeavesTheRallyAsItWas) {
  LoadEvent(3);
  SelectItem(13010);
  const std::string before = testsupport::ReadBytes(kRallyFilePath);
  ASSERT_TRUE(RunModalDialog(window, kCmdStartOrder, "Start order of the drivers",
                        [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); }));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), before);
  EXPECT_EQ(Children(13000), (std::vector<int>{13010, 13020, 13101, 13102, 13103}));
}

TEST_F(EventSetupMainWindow, AnInternationalEventGivesEveryParticipantTheFlagCodeOfHisCountry) {
  LoadEvent(1);
  MainState& s = Main();
  platform::CopyBounded(s.drivers[0].name, kDrivers[2]);
  platform::CopyBounded(s.drivers[0].team, "Lake RC");
  platform::CopyBounded(s.drivers[0].country, s.countries[5].name);
  SelectItem(13101);
  ASSERT_STREQ(s.display[2].name, kDrivers[2]);
  ASSERT_TRUE(RunModalDialog(window, kCmdTrackInformation, "Track details", [](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_TRACK_EVENT_NAME, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Open"));
    SendDlgItemMessageA(dialog, IDC_TRACK_INTERNATIONAL, BM_CLICK, 0, 0);
    testsupport::PostClick(dialog, IDOK);
  }));
  EXPECT_EQ(s.international, 1);
  EXPECT_STREQ(s.display[2].team, s.countries[5].code);
  EXPECT_STREQ(s.participants[2].team, s.countries[5].code);
  EXPECT_NE(testsupport::ReadBytes(kRallyFilePath).find(std::string(kDrivers[2]) + "\t" + s.countries[5].code + "\t"),
            std::string::npos);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
}

}  // namespace
