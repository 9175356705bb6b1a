// The web publishing coordinates "WebResults/CoordonneesWeb.txt" and the FTP server file
// "WebResults/ServeurFtp.txt", and the whole-file reading of an upload.
#include <cstdint>
#include <cstring>
#include <string>

#include "results/ftp_upload.h"
#include "results/web_publishing.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  fuzz::Choice in = fuzz::Choose(data, size, 3);
  if (in.pick == 0) {
    fuzz::WriteFile(kWebCoordinatesFile, in.data, in.size);
    char eventFolder[41], championship[20], videoLinks[200];
    std::memset(eventFolder, 'x', sizeof eventFolder);
    std::memset(championship, 'x', sizeof championship);
    std::memset(videoLinks, 'x', sizeof videoLinks);
    int connected = 0, active = 0;
    ReadWebCoordinates(nullptr, eventFolder, championship, videoLinks, &connected, &active);
    fuzz::CheckTexts(eventFolder, championship, videoLinks);
  } else if (in.pick == 1) {
    fuzz::WriteFile(kFtpServerFile, in.data, in.size);
    FtpServer server = ReadFtpServer(kFtpServerFile);
    LoginUrl(server);
    LiveResultsUrl(server, "Championship", "Event");
  } else {
    fuzz::WriteFile(kLiveResultsFile, in.data, in.size);
    std::string content;
    if (!ReadUploadContent(kLiveResultsFile, &content)) fuzz::Fail("an upload file could not be read");
    // CR LF pairs read as LF, every other byte as it stands.
    std::string expected;
    for (std::size_t i = 0; i < in.size; ++i) {
      if (in.data[i] == '\r' && i + 1 < in.size && in.data[i + 1] == '\n') continue;
      expected += static_cast<char>(in.data[i]);
    }
    if (content != expected) fuzz::Fail("an upload's content differs from its file");
  }
  fuzz::EndInput();
  return 0;
}
