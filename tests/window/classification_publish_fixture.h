// What the publish tests of the stage and rally classification dialogs share: a working
// folder whose web coordinates publish into Cup/Demo of a local FTP server, the shell
// intercepted, and a browser stand-in that can play the web site making the rally's folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "race/settings_files.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/local_ftp_server.h"
#include "tests/support/temp_folder.h"

namespace testsupport {

class ClassificationPublishFixture : public ::testing::Test {
 protected:
  ClassificationPublishFixture(int ftpPort, const char* rallyFolder) : server{ftpPort}, rallyFolder_(rallyFolder) {}

  void SetUp() override {
    platform::test::ClearMessages();
    platform::test::InterceptShell();
    platform::test::ClearOpenedTargets();
    platform::test::SetProgramFolder(platform::CurrentFolder());
    platform::CreateFolder("images");
    platform::CreateFolder("WebResults");
    ASSERT_TRUE(server.Start());
    server.WriteServerFile(platform::CurrentFolder());
    server.MakeFolder("public_html/VellgrinRally/Cup/Demo");
    WriteBytes(kDisplaySettingsFile, "1\t\r\n\t\r\n");
    WriteBytes("WebResults/CoordonneesWeb.txt", "1\t1\t\r\nDemo\r\nCup\r\nlinks\r\n");
  }
  void TearDown() override {
    if (site.joinable()) site.join();
    if (dialog) DestroyWindow(dialog);
    platform::test::OnShellOpen(nullptr);
    platform::test::StopInterceptingShell();
  }
  void OpenDialog(const char* templateName, DLGPROC procedure) {
    dialog = OpenDialogOnTop(templateName, procedure);
    ASSERT_NE(dialog, nullptr);
  }
  // The first AdditionArchive.php opened makes the rally's folder on the server about a
  // second later, as the web site does.
  void SiteMakesTheRallyFolder() {
    platform::test::OnShellOpen([this](const std::string& url) {
      if (url.find("/AdditionArchive.php?") == std::string::npos || site.joinable()) return;
      site = std::thread([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        server.MakeFolder(rallyFolder_);
      });
    });
  }
  // "caption: text" of every box shown.
  std::vector<std::string> Seen() const {
    std::vector<std::string> seen;
    for (const auto& message : platform::test::Messages()) seen.push_back(message.caption + ": " + message.text);
    return seen;
  }

  LocalFtpServer server;
  storagetest::WorkingFolder folder;
  std::thread site;
  HWND dialog = nullptr;

 private:
  std::string rallyFolder_;
};

}  // namespace testsupport
