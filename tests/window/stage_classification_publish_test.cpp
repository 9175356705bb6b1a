// Publish of the stage classification dialog against a local FTP server, with a browser
// stand-in that plays the web site making the rally's folder: the page's exact address,
// the archive's exact bytes as uploaded, the give-up after about ten seconds, an archive
// that cannot be written, and the refusals.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/settings_files.h"
#include "results/stage_classification_dialog.h"
#include "results/stage_classification_ids.h"
#include "tests/results/stage_event.h"
#include "tests/support/temp_folder.h"
#include "tests/window/classification_publish_fixture.h"

namespace {

constexpr int kFtpPort = 21743;
const char kRallyFolder[] = "public_html/VellgrinRally/Cup/Demo/Spring_rally";

class StageClassificationPublish : public testsupport::ClassificationPublishFixture {
 protected:
  StageClassificationPublish() : ClassificationPublishFixture(kFtpPort, kRallyFolder) {}
  void SetUp() override {
    ClassificationPublishFixture::SetUp();
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
    stagetest::StageEvent event;
    event.abandonDriver = 0;
    ASSERT_TRUE(stagetest::WriteStageEvent(event));
  }
  void Open() { OpenDialog("RALLYECLASSEMENTSPECIALE", StageClassificationDialogProc); }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST_F(StageClassificationPublish, UploadsThePowerStageAsPsOnceTheSiteHasMadeTheRallyFolder) {
  SiteMakesTheRallyFolder();
  Open();
  ASSERT_TRUE(Seen().empty()) << Seen()[0];
  testsupport::SendCommand(dialog, IDC_STAGE_CLASS_PUBLISH);
  EXPECT_TRUE(Seen().empty()) << Seen()[0];
  ASSERT_EQ(platform::test::OpenedTargets().size(), 1u);
  EXPECT_EQ(platform::test::OpenedTargets()[0],
            "http://127.0.0.1/VellgrinRally/AdditionArchive.php?country=Cup&event=Demo&rally=R1-Spring_rally"
            "&archive=PS2.txt");
  EXPECT_EQ(testsupport::ReadBytes(server.Path(std::string(kRallyFolder) + "/PS2.txt")),
            "3\n1\n2\n0\n"
            "Regional Cup\t\nSpring Trophy\t\nRidgeway\t\n12/05/2026\t\nPaul Roy\t\nLake Club\t\nSpring rally\t\n"
            "Muddy corner\t\nWet\t\n"
            "23\tDriver 03\tJ\tFRA\tBuggy\t3\t88000\t0\t0\t\n"
            "22\tDriver 02\tS\tFRA\tTruck\t3\t89000\t1000\t1000\t\n"
            "21\tDriver 01\tS\tFRA\tBuggy\t4\t600000\t512000\t511000\t\n"
            "Abandon\tA\t600\t1\t\n"
            "A\t\nPS\t\n");
  EXPECT_TRUE(IsWindowVisible(dialog)) << "publishing leaves the dialog open";
}

TEST_F(StageClassificationPublish, GivesUpAfterAboutTenSecondsAndAnUnwritableArchiveStopsEverything) {
  Open();
  auto start = std::chrono::steady_clock::now();
  testsupport::SendCommand(dialog, IDC_STAGE_CLASS_PUBLISH);
  double seconds = SecondsSince(start);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Error: directory of the rally not found in the remote web site."});
  EXPECT_GT(seconds, 9.5);
  EXPECT_LT(seconds, 14.0);
  EXPECT_EQ(testsupport::ReadBytes(server.Path(std::string(kRallyFolder) + "/PS2.txt")), "<missing>");

  // A folder in the archive's place: nothing announced, nothing uploaded (not even an older
  // archive under this stage's name).
  platform::test::ClearMessages();
  platform::test::ClearOpenedTargets();
  testsupport::DeleteFileIfAny("WebResults/Archive.txt");
  platform::CreateFolder("WebResults/Archive.txt");
  testsupport::SendCommand(dialog, IDC_STAGE_CLASS_PUBLISH);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Error : Archive source file not found"});
  EXPECT_TRUE(platform::test::OpenedTargets().empty());
}

TEST_F(StageClassificationPublish, AFilteredClassificationIsRefused) {
  Open();
  SendDlgItemMessageA(dialog, IDC_STAGE_CLASS_CAR_FILTER, CB_SETCURSEL, 1, 0);
  testsupport::SendCommand(dialog, IDC_STAGE_CLASS_CAR_FILTER, CBN_SELCHANGE);
  testsupport::SendCommand(dialog, IDC_STAGE_CLASS_PUBLISH);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text,
            "Only the global classification of the special stage can be published.\nSelect :\n"
            "- Cars category = 'All'.\n- Age category = 'All'.");
  EXPECT_EQ(platform::test::Messages()[0].type, static_cast<unsigned>(MB_ICONSTOP));
  EXPECT_TRUE(platform::test::OpenedTargets().empty());
}

}  // namespace
