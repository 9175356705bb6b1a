// An event made from nothing as a race director makes one, then timed: New event, track
// details, participants taken from the drivers database, race parameters, start order
// Generate, SS1 selected and started, with the decoder simulator on the other end of a
// serial pair sending the drivers' passes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/race_controls_layout.h"
#include "race/startup.h"
#include "setup/event_setup_dialog_ids.h"
#include "setup/participants_dialog_ids.h"
#include "setup/setup_dialog_ids.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/race_e2e.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::ScenarioPass;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};
constexpr int kDrivers = 3;
int Transponder(int driver) { return 31201 + driver; }

using testsupport::RunModalDialog;

void WriteDrivers(const std::string& path) {
  static DriversTable drivers;
  std::memset(&drivers, 0, sizeof drivers);
  for (int i = 0; i < kDrivers; ++i) {
    DriverRecord& d = drivers[static_cast<std::size_t>(i)];
    platform::CopyBounded(d.name, kNames[i]);
    platform::CopyBounded(d.team, "Ridge RC");
    platform::CopyBounded(d.car, "Buggy 8");
    std::snprintf(d.carNumber, sizeof d.carNumber, "%d", 41 + i);
    std::snprintf(d.transponder, sizeof d.transponder, "%06d", Transponder(i));
  }
  ASSERT_TRUE(WriteDriversDatabase(path.c_str(), drivers, kDrivers));
}

using EventFromNothingE2E = testsupport::RaceE2E;

TEST_F(EventFromNothingE2E, ANewEventIsSetUpThroughTheDialogsAndItsFirstStageTimed) {
  // The start order puts the last taken driver first: driver i starts in place order[i].
  const int order[kDrivers] = {2, 0, 1};
  std::vector<ScenarioPass> passes;
  std::map<int, int> expected;  // transponder -> stage time (ms)
  for (int place = 0; place < kDrivers; ++place) {
    const int driver = order[place];
    const int start = 3000 * (place + 1) + 1100 + 41 * place;
    const int time = 5000 + 777 * place + driver;
    passes.push_back({start, Transponder(driver)});
    passes.push_back({start + time, Transponder(driver)});
    expected[Transponder(driver)] = time;
  }
  std::string scenario = folder / "scenario.txt";
  testsupport::WriteScenario(scenario, passes);
  const std::string port = std::getenv("VELLGRIN_COM_PROGRAM");
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", port + "\t1\tVellgrinZL2\r\n");
  Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 120000 --scenario \"" + scenario + "\"");

  WriteDrivers(folder / kDriversDatabaseFile);
  window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  platform::test::QueueMessageAnswer(platform::kIdNo);
  SendMessageA(window, WM_COMMAND, kCmdNewEvent, 0);
  platform::test::ClearMessages();

  ASSERT_TRUE(RunModalDialog(window, kCmdTrackInformation, "Track details", [](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_TRACK_EVENT_NAME, "Spring Trophy");
    SetDlgItemTextA(dialog, IDC_TRACK_LOCATION, "Ridgeway");
    testsupport::PostClick(dialog, IDOK);
  }));
  SelectItem(11000);
  ASSERT_TRUE(RunModalDialog(window, kCmdListOfParticipants, "List of drivers", [](HWND dialog) {
    // Taken in the order of the start order's last places: the newcomer starts last.
    for (int driver : {2, 0, 1}) {
      SendDlgItemMessageA(dialog, IDC_PARTICIPANTS_DRIVERS, LB_SETCURSEL, driver, 0);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PARTICIPANTS_TAKE, BN_CLICKED), 0);
    }
    testsupport::PostClick(dialog, IDOK);
  }));
  SelectItem(13020);
  ASSERT_TRUE(RunModalDialog(window, kCmdRaceParameters, "Parameters of race", [](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_PARAMETERS_INTERVAL, "3");
    testsupport::PostClick(dialog, IDOK);
  }));
  SelectItem(13010);
  ASSERT_TRUE(RunModalDialog(window, kCmdStartOrder, "Start order of the drivers", [](HWND dialog) {
    testsupport::CaptureWindow(dialog, "event_from_nothing_start_order");
    testsupport::PostClick(dialog, IDOK);
  }));
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;

  // The first special stage is in the tree, and loads the drivers in their start order.
  SelectItem(13101);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES1");
  ASSERT_EQ(Main().timing.entryCount, kDrivers);
  for (int place = 0; place < kDrivers; ++place) EXPECT_STREQ(Main().entries[place].name, kNames[order[place]]);
  EXPECT_EQ(Main().parameters.startInterval, 3);

  platform::test::ClearMessages();
  Pump(300);  // the first ticks read the link settings
  ClickStart();
  ASSERT_EQ(Main().timing.timing, 1) << "the decoder acknowledged the clock reset";
  RunUntilStageEnds(60000);
  ASSERT_EQ(Main().timing.stageState, 3) << "the stage finished by itself";
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;
  for (int place = 0; place < kDrivers; ++place) {
    const StageEntry& e = Main().entries[place];
    EXPECT_EQ(e.state, kEntryFinished) << e.name;
    EXPECT_EQ(e.time, expected[Transponder(order[place])]) << e.name;
  }
  testsupport::CaptureWindow(window, "event_from_nothing_timed");
}

}  // namespace
