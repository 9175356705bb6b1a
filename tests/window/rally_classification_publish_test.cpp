// Publish of the rally classification dialog against a local FTP server, with a browser
// stand-in that plays the web site making the rally's folder: the page is given the archive
// under its age category's full name, the file is uploaded under its code, and an archive
// that cannot be written stops everything.
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
#include "race/penalty_database.h"
#include "race/settings_files.h"
#include "results/rally_classification_dialog.h"
#include "results/rally_classification_ids.h"
#include "tests/results/rally_event.h"
#include "tests/support/temp_folder.h"
#include "tests/window/classification_publish_fixture.h"

namespace {

constexpr int kFtpPort = 21760;
const char kRallyFolder[] = "public_html/VellgrinRally/Cup/Demo/Spring_rally_1_2";

class RallyClassificationPublish : public testsupport::ClassificationPublishFixture {
 protected:
  RallyClassificationPublish() : ClassificationPublishFixture(kFtpPort, kRallyFolder) {}
  void SetUp() override {
    ClassificationPublishFixture::SetUp();
    testsupport::WriteBytes(kPenaltiesDatabaseFile, "1\t600\tA\tAbandon\t.\t\r\n");
    rallytest::RallyEvent event;
    event.drivers = 4;
    event.stages = 1;
    event.rallyName = "Spring rally 1/2";
    ASSERT_TRUE(rallytest::WriteRallyEvent(event));
    // Drivers 3 (Buggy, J) and 4 (Truck, S) tie: grouped by car then age, 4 comes first.
    ASSERT_TRUE(rallytest::WriteStage(1, {{1, 61000, 3}, {2, 62000, 5}, {3, 60000, 3}, {4, 60000, 3}}, 4));
  }
  void Open() { OpenDialog("RALLYECLASSEMENTRALLYE", RallyClassificationDialogProc); }
};

TEST_F(RallyClassificationPublish, TheJuniorClassificationIsAnnouncedByItsNameAndUploadedByItsCode) {
  SiteMakesTheRallyFolder();
  Open();
  ASSERT_TRUE(Seen().empty()) << Seen()[0];
  // As opened: the edits filled by the opening recomputed nothing, so the tie keeps the
  // grouping order.
  testsupport::SendCommand(dialog, IDC_RALLY_CLASS_PUBLISH);
  const std::string all =
      testsupport::ReadBytes(server.Path(std::string(kRallyFolder) + "/Classement-zToutes-zToutes.txt"));
  ASSERT_NE(all.find("\n24\tDriver 04\t"), std::string::npos) << all;
  EXPECT_LT(all.find("\n24\tDriver 04\t"), all.find("\n23\tDriver 03\t"));
  platform::test::ClearOpenedTargets();
  SendDlgItemMessageA(dialog, IDC_RALLY_CLASS_AGE_FILTER, CB_SETCURSEL, 2, 0);
  testsupport::SendCommand(dialog, IDC_RALLY_CLASS_AGE_FILTER, CBN_SELCHANGE);
  testsupport::SendCommand(dialog, IDC_RALLY_CLASS_PUBLISH);
  EXPECT_TRUE(Seen().empty()) << Seen()[0];
  ASSERT_EQ(platform::test::OpenedTargets().size(), 1u);
  EXPECT_EQ(platform::test::OpenedTargets()[0],
            "http://127.0.0.1/VellgrinRally/AdditionArchive.php?country=Cup&event=Demo&rally=R1-Spring_rally_1_2"
            "&archive=Classement-zToutes-J%28Junior%29.txt");
  EXPECT_EQ(testsupport::ReadBytes(server.Path(std::string(kRallyFolder) + "/Classement-zToutes-J.txt")),
            "1\n0\n0\n1\n1\n0\n"
            "Regional Cup\t\nSpring Trophy\t\nRidgeway\t\n12/05/2026\t\nPaul Roy\t\nLake Club\t\nSpring rally 1/2\t\n"
            "Toutes\t\nJ(Junior)\t\n"
            "23\tDriver 03\tJ\tFRA\tBuggy\t60000\t0\t0\t3\t0\t0\t\n");
  EXPECT_TRUE(IsWindowVisible(dialog)) << "publishing leaves the dialog open";

  // A folder in the archive's place: nothing announced, nothing uploaded (not even the
  // Junior archive just written, under the name of every category).
  if (site.joinable()) site.join();
  platform::test::ClearMessages();
  platform::test::ClearOpenedTargets();
  testsupport::DeleteFileIfAny("WebResults/Archive.txt");
  platform::CreateFolder("WebResults/Archive.txt");
  SendDlgItemMessageA(dialog, IDC_RALLY_CLASS_AGE_FILTER, CB_SETCURSEL, 0, 0);
  testsupport::SendCommand(dialog, IDC_RALLY_CLASS_AGE_FILTER, CBN_SELCHANGE);
  testsupport::SendCommand(dialog, IDC_RALLY_CLASS_PUBLISH);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Error : Archive source file not found"});
  EXPECT_TRUE(platform::test::OpenedTargets().empty());
  EXPECT_EQ(testsupport::ReadBytes(server.Path(std::string(kRallyFolder) + "/Classement-zToutes-zToutes.txt")), all)
      << "the first upload stays as it was";
}

TEST_F(RallyClassificationPublish, NotConnectedOrNotActivatedPublishesNothing) {
  testsupport::WriteBytes("WebResults/CoordonneesWeb.txt", "1\t0\t\r\nDemo\r\nCup\r\nlinks\r\n");
  Open();
  testsupport::SendCommand(dialog, IDC_RALLY_CLASS_PUBLISH);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Be careful: The publishing of the results on the Web is not activated."});
  EXPECT_TRUE(platform::test::OpenedTargets().empty());
}

}  // namespace
