// Publishing the participants list against a local FTP server, with a browser stand-in
// that, like the results web site, makes the rally's folder when "AdditionArchive.php" is
// opened; and the web check of the participants dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "results/web_publishing.h"
#include "setup/participants_publishing.h"
#include "tests/support/local_ftp_server.h"
#include "tests/support/temp_folder.h"
#include "tests/window/participants_sample.h"

namespace {

constexpr int kFtpPort = 21719;
const char kRallyFolder[] = "public_html/VellgrinRally/Cup/Demo/Club_Cup_2_3";

class ParticipantsPublish : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = platform::CurrentFolder();
    ASSERT_TRUE(platform::SetCurrentFolder(folder.path().c_str()));
    platform::test::SetProgramFolder(folder.path());
    ASSERT_TRUE(server.Start());
    server.WriteServerFile(folder.path());
    server.MakeFolder("public_html/VellgrinRally/Cup/Demo");

    const char* names[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};
    const char* numbers[] = {"21", "22", "23"};
    for (int i = 0; i < 3; ++i) {
      participantstest::Fill(&participants[i], {names[i], numbers[i], "S", "Team Rapid", "Buggy X", "1/8"});
    }
    track = participantstest::SampleTrack();
    listing = {participants, 3, 2, "Club Cup 2/3", "Spring / Club Cup 2/3", &track, 0, ""};
    web.connected = 1;
    web.publishingActive = 1;
    platform::CopyBounded(web.championship, "Cup");
    platform::CopyBounded(web.eventFolder, "Demo");
  }
  void TearDown() override {
    if (site.joinable()) site.join();
    platform::SetCurrentFolder(saved.c_str());
  }
  // The web site makes the rally's folder a little after its page was asked for.
  void SiteMakesTheRallyFolder() {
    platform::test::OnShellOpen([this](const std::string& url) {
      if (url.find("/AdditionArchive.php?") == std::string::npos) return;
      site = std::thread([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        server.MakeFolder(kRallyFolder);
      });
    });
  }
  std::vector<std::string> Seen() const {
    std::vector<std::string> seen;
    for (const auto& message : platform::test::Messages()) seen.push_back(message.caption + ": " + message.text);
    return seen;
  }
  static double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  testsupport::TempFolder folder;
  std::string saved;
  testsupport::LocalFtpServer server{kFtpPort};
  std::thread site;
  ParticipantRecord participants[kMaxParticipants] = {};
  TrackDetails track = {};
  ParticipantsListing listing = {};
  ParticipantsWebState web = {};
};

TEST_F(ParticipantsPublish, UploadsTheListOnceTheSiteHasMadeTheRallyFolder) {
  SiteMakesTheRallyFolder();
  auto start = std::chrono::steady_clock::now();
  PublishParticipantsList(nullptr, web, listing);
  double seconds = SecondsSince(start);

  EXPECT_TRUE(Seen().empty()) << Seen()[0];
  ASSERT_EQ(platform::test::OpenedTargets().size(), 1u);
  EXPECT_EQ(platform::test::OpenedTargets()[0],
            "http://127.0.0.1/VellgrinRally/AdditionArchive.php?country=Cup&event=Demo&rally=R2-Club_Cup_2_3"
            "&archive=Liste.txt");
  const std::string lines = "Alps Cup\nSpring / Club Cup 2/3\nAnnecy\n14/06/2025\nMarc Olivier\nRC Annecy\n";
  EXPECT_EQ(testsupport::ReadBytes(server.Path(std::string(kRallyFolder) + "/Liste.txt")),
            "3\n0\n" + lines +
                "21\tALBERT Jean\tS\tTeam Rapid\tBuggy X\t1/8\t\n"
                "22\tBRUNO Marc\tS\tTeam Rapid\tBuggy X\t1/8\t\n"
                "23\tCOSTA Ana\tS\tTeam Rapid\tBuggy X\t1/8\t\n");
  // The local archive is a text file of the program: CR LF.
  EXPECT_EQ(testsupport::ReadBytes(folder / "WebResults/Archive.txt").substr(0, 6), "3\r\n0\r\n");
  EXPECT_GT(seconds, 1.0);
  EXPECT_LT(seconds, 6.0);
}

TEST_F(ParticipantsPublish, GivesUpAfterAboutTenSecondsWhenTheSiteMakesNoFolder) {
  auto start = std::chrono::steady_clock::now();
  PublishParticipantsList(nullptr, web, listing);
  double seconds = SecondsSince(start);

  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Error: directory of the rally not found in the remote web site."});
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].type, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
  EXPECT_EQ(platform::test::OpenedTargets().size(), 1u);
  EXPECT_EQ(testsupport::ReadBytes(server.Path(std::string(kRallyFolder) + "/Liste.txt")), "<missing>");
  EXPECT_GT(seconds, 9.5);
  EXPECT_LT(seconds, 14.0);
}

TEST_F(ParticipantsPublish, AnArchiveThatCannotBeWrittenIsNeitherAnnouncedNorUploaded) {
  SiteMakesTheRallyFolder();
  // A folder in the archive file's place: the file cannot be created.
  platform::CreateFolder("WebResults/Archive.txt");
  PublishParticipantsList(nullptr, web, listing);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Error : Archive source file not found"});
  EXPECT_TRUE(platform::test::OpenedTargets().empty());
}

TEST_F(ParticipantsPublish, NotConnectedOrNotActivatedSaysSoAndDoesNothing) {
  web.publishingActive = 0;
  PublishParticipantsList(nullptr, web, listing);
  web.connected = 0;
  PublishParticipantsList(nullptr, web, listing);
  web.publishingActive = 1;
  PublishParticipantsList(nullptr, web, listing);
  EXPECT_EQ(Seen(), (std::vector<std::string>{
                        "Be careful: The publishing of the results on the Web is not activated.",
                        "Error: The software is not connected to the remote web site.",
                        "Error: The software is not connected to the remote web site."}));
  for (const auto& message : platform::test::Messages()) EXPECT_EQ(message.type, static_cast<unsigned>(MB_ICONSTOP));
  EXPECT_TRUE(platform::test::OpenedTargets().empty());
  EXPECT_EQ(testsupport::ReadBytes(folder / "WebResults/Archive.txt"), "<missing>");
  // An empty list publishes nothing either.
  web.connected = 1;
  listing.count = 0;
  PublishParticipantsList(nullptr, web, listing);
  EXPECT_EQ(platform::test::Messages().size(), 3u);
  EXPECT_TRUE(platform::test::OpenedTargets().empty());
}

TEST_F(ParticipantsPublish, TheWebCheckSetsConnectedFromTheLoginAndWritesTheCoordinatesBack) {
  WriteWebCoordinates(nullptr, "Demo", "Cup", "links", 0, 1);
  ParticipantsWebState checked = {};
  CheckResultsWebSite(nullptr, &checked);
  EXPECT_EQ(checked.connected, 1);
  EXPECT_EQ(checked.publishingActive, 1);
  EXPECT_STREQ(checked.eventFolder, "Demo");
  EXPECT_STREQ(checked.championship, "Cup");
  EXPECT_TRUE(PublishingIsReady(checked));
  EXPECT_STREQ(PublishButtonPicture(checked), "images/wifiVert.bmp");
  EXPECT_EQ(testsupport::ReadBytes(folder / "WebResults/CoordonneesWeb.txt"), "1\t1\t\r\nDemo\r\nCup\r\nlinks\r\n");

  // The account is refused: both flags fall, the texts stay.
  testsupport::WriteBytes(folder / "WebResults/ServeurFtp.txt",
                          "127.0.0.1:" + std::to_string(kFtpPort) + "\r\nracer\r\nwrong\r\n");
  auto start = std::chrono::steady_clock::now();
  CheckResultsWebSite(nullptr, &checked);
  EXPECT_LT(SecondsSince(start), 8.0);
  EXPECT_EQ(checked.connected, 0);
  EXPECT_EQ(checked.publishingActive, 0);
  EXPECT_FALSE(PublishingIsReady(checked));
  EXPECT_STREQ(PublishButtonPicture(checked), "images/wifiRouge.bmp");
  EXPECT_EQ(testsupport::ReadBytes(folder / "WebResults/CoordonneesWeb.txt"), "0\t0\t\r\nDemo\r\nCup\r\nlinks\r\n");
  EXPECT_TRUE(platform::test::Messages().empty());
}

}  // namespace
