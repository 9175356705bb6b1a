// Two special stages timed end to end over the serial pair with a ZL1 decoder simulator, the
// second in another start order, then the rally classification opened from the tree and
// validated: the saved order is that of the drivers' totals.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/race_controls_layout.h"
#include "tests/results/stage_event.h"
#include "tests/support/capture.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/race_e2e.h"

namespace {

using testsupport::ScenarioPass;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};
constexpr int kDrivers = 3;
int Transponder(int driver) { return 25201 + driver; }

class RallyClassificationE2E : public testsupport::RaceE2E {
 protected:
  // A ZL1 gets no clock reset: its scenario runs from the simulator's start, and the stage
  // is started within the first kLead ms of it. order[p] is the driver released p-th, every
  // 3 s; times[d] is driver d's stage time.
  void TimeStage(int stage, const int (&order)[kDrivers], const int (&times)[kDrivers]) {
    constexpr int kLead = 5000;
    // The stage is loaded before the simulator starts: the lead only has to cover the Start.
    SelectItem(13100 + stage);
    std::vector<ScenarioPass> passes;
    for (int p = 0; p < kDrivers; ++p) {
      const int start = kLead + 3000 * (p + 1) + 1200;
      passes.push_back({start, Transponder(order[p])});
      passes.push_back({start + times[order[p]], Transponder(order[p])});
    }
    const std::string scenario = folder / ("scenario" + std::to_string(stage) + ".txt");
    testsupport::WriteScenario(scenario, passes);
    const DWORD simulatorStart = GetTickCount();
    Simulator simulator(folder, "--model zl1 --exit-after 60000 --scenario \"" + scenario + "\"");
    platform::test::ClearMessages();
    Pump(300);
    ClickStart();
    ASSERT_EQ(Main().timing.timing, 1);
    ASSERT_LT(GetTickCount() - simulatorStart, static_cast<DWORD>(kLead - 500)) << "started too late";
    RunUntilStageEnds(60000);
    ASSERT_EQ(Main().timing.stageState, 3) << "SS" << stage << " finished by itself";
    for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;
  }
};

TEST_F(RallyClassificationE2E, TwoStagesInDifferentStartOrdersAreTotalledAndSavedInRankedOrder) {
  testsupport::TestEvent event;
  event.drivers = kNames;
  event.driverCount = kDrivers;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";
  event.interval = 3;
  event.stageCount = 2;
  StartWithZL1AndNoWebSite(event);

  // SS1 in the order Albert, Bruno, Costa: 5, 3 and 4 s.
  TimeStage(1, {0, 1, 2}, {5000, 3000, 4000});
  // SS2 in the order Costa, Albert, Bruno: Albert 2.6 s, Bruno 5 s, Costa 2.5 s.
  SectionBody order;
  static char names[kMaxParticipants][kDriverNameSize];
  const int second[] = {2, 0, 1};
  for (int p = 0; p < kDrivers; ++p) std::snprintf(names[p], sizeof names[p], "%s", kNames[second[p]]);
  AddStartOrderBody(order, 1, kDefaultStartOrderLabel, names);
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kStartOrderKey, 1);
  ASSERT_TRUE(stagetest::WriteSection(title, kStartOrderReserve, order));
  TimeStage(2, {2, 0, 1}, {2600, 5000, 2500});
  ASSERT_STREQ(Main().entries[0].name, "COSTA Ana") << "SS2 ran in its own start order";

  SelectItem(10000);
  ExpandItem(14000);
  platform::test::ClearMessages();
  platform::test::QueueMessageAnswer(platform::kIdOk);
  const bool opened = testsupport::PlayModalDialog([] { SelectItem(14100); }, "Classification of the rally",
                                                   [](HWND dialog) {
                                                     testsupport::CaptureWindow(dialog, "rally_classification_e2e");
                                                     testsupport::PostClick(dialog, IDOK);
                                                   });
  ASSERT_TRUE(opened);
  ASSERT_EQ(platform::test::Messages().size(), 1u) << "only the confirmation";
  EXPECT_EQ(platform::test::Messages()[0].text, "The rally classification will be saved for SS1 to SS2.\nPlease confirm.");

  // Costa 6.5 s, Albert 7.6 s, Bruno 8 s.
  const std::string file = testsupport::ReadBytes(kRallyFilePath);
  const std::string section = "\r\nCourseRallye1ClassementRallye3\t\r\n0\t\r\n";
  const std::size_t at = file.find(section);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(file.substr(at + section.size(), 10), "COSTA Ana\t");
  const std::size_t albert = file.find("ALBERT Jean\t", at);
  const std::size_t bruno = file.find("BRUNO Marc\t", at);
  EXPECT_LT(albert, bruno);
  EXPECT_NE(file.find("\r\nCourseRallye1ClassementRallye\t\r\n1\t2\t"), std::string::npos);
  EXPECT_EQ(Main().selectedNode, 10000) << "the rally is selected again";
}

}  // namespace
