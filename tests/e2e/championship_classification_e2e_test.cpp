// A championship from two events timed end to end over the serial pair with a ZL1 decoder
// simulator: after SS1 (a Power Stage) its stage and rally classifications are validated and
// the event file kept as the first event; after SS2 the rally classification again, kept as
// the second. Both are imported into a championship whose page is exported as a JPEG file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_session.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/race_controls_layout.h"
#include "results/championship_dialogs.h"
#include "results/championship_ids.h"
#include "results/jpeg_conversion.h"
#include "results/jpeg_conversion_freeimage.h"
#include "tests/support/capture.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/race_e2e.h"

namespace {

using testsupport::ScenarioPass;
using testsupport::SendCommand;
using testsupport::Simulator;

const char* const kNames[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};
constexpr int kDrivers = 3;
int Transponder(int driver) { return 25301 + driver; }

class ChampionshipClassificationE2E : public testsupport::RaceE2E {
 protected:
  // Drivers released every 3 s in list order; times[d] is driver d's stage time.
  void TimeStage(int stage, const int (&times)[kDrivers]) {
    constexpr int kLead = 5000;
    SelectItem(13100 + stage);
    std::vector<ScenarioPass> passes;
    for (int d = 0; d < kDrivers; ++d) {
      const int start = kLead + 3000 * (d + 1) + 1200;
      passes.push_back({start, Transponder(d)});
      passes.push_back({start + times[d], Transponder(d)});
    }
    const std::string scenario = folder / ("scenario" + std::to_string(stage) + ".txt");
    testsupport::WriteScenario(scenario, passes);
    Simulator simulator(folder, "--model zl1 --exit-after 60000 --scenario \"" + scenario + "\"");
    platform::test::ClearMessages();
    Pump(300);
    ClickStart();
    ASSERT_EQ(Main().timing.timing, 1);
    RunUntilStageEnds(60000);
    ASSERT_EQ(Main().timing.stageState, 3) << "SS" << stage << " finished by itself";
  }
  // Opens a classification from the tree and validates it.
  bool Validate(int node, const char* caption) {
    SelectItem(10000);
    ExpandItem(14000);
    platform::test::QueueMessageAnswer(platform::kIdOk);
    return testsupport::PlayModalDialog([node] { SelectItem(node); }, caption,
                                        [](HWND dialog) { testsupport::PostClick(dialog, IDOK); });
  }
  void Keep(const char* name) {
    ASSERT_TRUE(platform::CopyFileTo(kRallyFilePath, name));
  }
};

TEST_F(ChampionshipClassificationE2E, TwoTimedEventsImportedIntoAChampionshipAndItsPageExported) {
  testsupport::TestEvent event;
  event.drivers = kNames;
  event.driverCount = kDrivers;
  event.firstTransponder = Transponder(0);
  event.transponderFormat = "%06d";
  event.interval = 3;
  event.stageCount = 2;
  StartWithZL1AndNoWebSite(event);
  ASSERT_TRUE(SetPowerStage(window, Main(), 1, 1, true));

  // First event: SS1, the Power Stage, Bruno fastest; both classifications validated.
  TimeStage(1, {4000, 3000, 3500});
  ASSERT_TRUE(Validate(14101, "Classification of the special stage"));
  ASSERT_TRUE(Validate(14100, "Classification of the rally"));
  Keep("first.rall");
  // Second event: SS2 with Albert far ahead, the rally classification over both stages.
  TimeStage(2, {3000, 5000, 4000});
  ASSERT_TRUE(Validate(14100, "Classification of the rally"));
  Keep("second.rall");
  const std::string second = testsupport::ReadBytes("second.rall");
  ASSERT_NE(second.find("\r\nCourseRallye1ClassementRallye3\t\r\n0\t\r\nALBERT Jean\t"), std::string::npos);
  ASSERT_NE(second.find("\r\nCourseRallye1ClassementPowerStage\t\r\n0\t\r\nBRUNO Marc\t"), std::string::npos);

  // The championship: both events imported, then its page exported.
  platform::test::ClearMessages();
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "CHAMPIONNATCLASSEMENT", nullptr,
                                   ChampionshipClassificationDialogProc, reinterpret_cast<LPARAM>("Cup"));
  ASSERT_NE(dialog, nullptr);
  SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  platform::test::InterceptFileDialogs();
  const char* files[] = {"first.rall", "second.rall"};
  for (int e = 0; e < 2; ++e) {
    SendDlgItemMessageA(dialog, IDC_STANDINGS_DAY, CB_SETCURSEL, 10 + e, 0);
    SendDlgItemMessageA(dialog, IDC_STANDINGS_MONTH, CB_SETCURSEL, 4, 0);
    SendDlgItemMessageA(dialog, IDC_STANDINGS_YEAR, CB_SETCURSEL, 126, 0);
    SetDlgItemTextA(dialog, IDC_STANDINGS_NAME, e == 0 ? "Round-1" : "Round-2");
    platform::test::QueueFileDialogAnswer(folder / files[e]);
    SendCommand(dialog, IDC_STANDINGS_FILE);
    SendCommand(dialog, IDC_STANDINGS_ADD);
  }
  for (const auto& m : platform::test::Messages()) ADD_FAILURE() << "unexpected box: " << m.text;
  SendDlgItemMessageA(dialog, IDC_STANDINGS_POWER_STAGE, BM_SETCHECK, BST_CHECKED, 0);
  SendCommand(dialog, IDC_STANDINGS_POWER_STAGE);
  testsupport::CaptureWindow(dialog, "championship_classification_e2e");
  const char* captures = std::getenv("VELLGRIN_CAPTURES");
  const std::string jpeg =
      testsupport::HostPath(std::string(captures ? captures : "captures") + "/championship_classification_e2e.jpeg");
  testsupport::DeleteFileIfAny(jpeg);
  UseBitmapToJpegConverter(ConvertBitmapToJpegWithFreeImage);
  platform::test::QueueFileDialogAnswer(jpeg);
  SendCommand(dialog, IDC_STANDINGS_SAVE);
  UseBitmapToJpegConverter(nullptr);
  SendCommand(dialog, IDOK);
  platform::test::StopInterceptingFileDialogs();
  DestroyWindow(dialog);
  EXPECT_EQ(testsupport::ReadBytes(jpeg).substr(0, 2), "\xFF\xD8");

  // The Power Stage stands apart from the rally's totals: the first event's rally
  // classification has no stage and keeps the start order (Albert 25, Bruno 18, Costa 15),
  // its Power Stage gives Bruno 5, Costa 4, Albert 3; the second (SS2 alone) gives Albert 25,
  // Costa 18, Bruno 15, with the same Power Stage.
  const std::string clt = testsupport::ReadBytes("Championnats/Cup/ClassementChampionnat.clt");
  EXPECT_EQ(clt.rfind("2\t1\t1\t\r\nChampionnatRallyeEvenements\t\r\nRound_1\t\t11\t5\t2026\t\r\n", 0), 0u) << clt;
  EXPECT_NE(clt.find("\r\nChampionnatRallye1Classement\t\r\nRALLY 1\t3\t0\t\r\n"
                     "ALBERT Jean\tClub\t\t\t\t56\t1\t25\t3\t1\t25\t3\t\r\n"
                     "BRUNO Marc\tClub\t\t\t\t43\t2\t18\t5\t3\t15\t5\t\r\n"
                     "COSTA Ana\tClub\t\t\t\t41\t3\t15\t4\t2\t18\t4\t\r\n"),
            std::string::npos)
      << clt;
}

}  // namespace
