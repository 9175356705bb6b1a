// The working folder a classification dialog opens in under the tests: the pictures of its
// buttons, the logo and two flags, display settings naming the logo, and an FTP server where
// nobody listens (the login probe fails at once and the dialog opens unconnected).
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/settings_files.h"
#include "tests/support/temp_folder.h"

namespace testsupport {

inline void PrepareClassificationFolder() {
  platform::test::SetProgramFolder(platform::CurrentFolder());
  platform::CreateFolder("images");
  platform::CreateFolder("WebResults");
  for (const char* picture : {"images/impression.bmp", "images/wifiRouge.bmp", "images/wifiVert.bmp",
                              "images/trophee.bmp", "paysDrapeaux/FRA.bmp", "paysDrapeaux/ITA.bmp"}) {
    std::string from = HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture);
    platform::CopyFileTo(from.c_str(), picture);
  }
  WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/trophee.bmp\t\r\n");
  WriteBytes("WebResults/ServeurFtp.txt", "127.0.0.1:29\r\nracer\r\nsecret\r\n");
}

}  // namespace testsupport
