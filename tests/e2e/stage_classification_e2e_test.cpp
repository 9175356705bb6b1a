// A Power Stage timed end to end over the serial pair with the decoder simulator, then its
// classification opened from the tree, published to the local FTP server and validated.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/build_profile.h"
#include "platform/shell.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_session.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/race_controls_layout.h"
#include "results/stage_classification_ids.h"
#include "tests/support/capture.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/race_e2e.h"

namespace {

using testsupport::LocalFtpServer;
using testsupport::ScenarioPass;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};
constexpr int kDrivers = 3;
constexpr int kFtpPort = 21747;
const char kRallyFolder[] = "public_html/VellgrinRally/Cup/Demo/RALLY_1";
int Transponder(int driver) { return 25101 + driver; }

class StageClassificationE2E : public testsupport::RaceE2E {};

TEST_F(StageClassificationE2E, APowerStageTimedOverTheSerialLineIsPublishedAndValidated) {
  // Driver i is released about 3 (i + 1) s after Start and runs 9, 7 and 8 s.
  const int times[kDrivers] = {9000, 7000, 8000};
  std::vector<ScenarioPass> passes;
  for (int i = 0; i < kDrivers; ++i) {
    int start = 3000 * (i + 1) + 1200;
    passes.push_back({start, Transponder(i)});
    passes.push_back({start + times[i], Transponder(i)});
  }
  std::string scenario = folder / "scenario.txt";
  testsupport::WriteScenario(scenario, passes);
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg",
                          std::string(std::getenv("VELLGRIN_COM_PROGRAM")) + "\t1\tVellgrinZL2\r\n");
  Simulator simulator(folder, "--model zl2 --baud 9600 --exit-after 120000 --scenario \"" + scenario + "\"");
  LocalFtpServer ftp(kFtpPort);
  ASSERT_TRUE(ftp.Start());

  testsupport::TestEvent event;
  event.drivers = kNames;
  event.driverCount = kDrivers;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";
  event.interval = 3;
  StartWithEvent(event);
  PublishTo(folder, ftp);
  ASSERT_TRUE(SetPowerStage(window, Main(), 1, 1, true));
  platform::test::ClearMessages();
  Pump(300);
  ClickStart();
  ASSERT_EQ(Main().timing.timing, 1);
  RunUntilStageEnds(60000);
  ASSERT_EQ(Main().timing.stageState, 3) << "the stage finished by itself";
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;

  // The site makes the rally's folder a little after its page was asked for.
  std::thread site;
  platform::test::InterceptShell();
  platform::test::OnShellOpen([&](const std::string& url) {
    if (url.find("/AdditionArchive.php?") == std::string::npos) return;
    site = std::thread([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(1200));
      ftp.MakeFolder(kRallyFolder);
    });
  });
  SelectItem(10000);
  ASSERT_EQ(Main().rallies[0].hasResults, 1);
  // The dialog reads the web coordinates from their file.
  testsupport::WriteBytes(folder / "WebResults/CoordonneesWeb.txt", "1\t1\t\r\nDemo\r\nCup\r\n\r\n");
  ExpandItem(14000);
  bool opened = testsupport::PlayModalDialog([] { SelectItem(14101); }, "Classification of the special stage",
                                             [](HWND dialog) {
                                               testsupport::CaptureWindow(dialog, "stage_classification_e2e");
                                               testsupport::PostClick(dialog, IDC_STAGE_CLASS_PUBLISH);
                                               testsupport::PostClick(dialog, IDOK);
                                             });
  if (site.joinable()) site.join();
  const std::vector<std::string> openedPages = platform::test::OpenedTargets();
  platform::test::OnShellOpen(nullptr);
  platform::test::StopInterceptingShell();
  ASSERT_TRUE(opened);
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;

  ASSERT_EQ(openedPages.size(), 1u);
  EXPECT_EQ(openedPages[0],
            "http://127.0.0.1/VellgrinRally/AdditionArchive.php?country=Cup&event=Demo&rally=R1-RALLY_1"
            "&archive=PS1.txt");
  const std::string archive = testsupport::ReadBytes(ftp.Path(std::string(kRallyFolder) + "/PS1.txt"));
  const std::size_t bruno = archive.find("\tBRUNO Marc\t");
  const std::size_t costa = archive.find("\tCOSTA Ana\t");
  const std::size_t albert = archive.find("\tALBERT Jean\t");
  ASSERT_NE(bruno, std::string::npos) << archive;
  EXPECT_LT(bruno, costa);
  EXPECT_LT(costa, albert);
  EXPECT_EQ(archive.substr(0, 4), "3\n0\n") << "three rows, no note";

  // Validate stored the Power Stage classification, fastest first.
  const std::string file = testsupport::ReadBytes(kRallyFilePath);
  const std::string title = "\r\nCourseRallye1ClassementPowerStage\t\r\n0\t\r\n";
  const std::size_t at = file.find(title);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(file.substr(at + title.size(), 11), "BRUNO Marc\t");
  EXPECT_EQ(Main().selectedNode, 10000) << "the rally is selected again";
}

}  // namespace
