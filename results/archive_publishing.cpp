#include "results/archive_publishing.h"

#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "results/archive_publishing_model.h"
#include "results/ftp_transfer_curl.h"
#include "results/ftp_upload.h"
#include "results/web_publishing.h"

namespace {

void ShowError(HWND owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk | platform::kMbIconStop);
}

FtpServer ResultsWebSite() { return ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str()); }

}  // namespace

void CheckResultsWebSite(HWND owner, WebPublishingState* web) {
  *web = WebPublishingState{};
  ReadWebCoordinates(owner, web->eventFolder, web->championship, web->videoLinks, &web->connected,
                     &web->publishingActive);
  FtpServer server = ResultsWebSite();
  FtpFolderProbe login(server, LoginUrl(server));
  if (!login.Ready()) {
    // The flags stay as read: nothing was learnt of the site.
    ShowError(owner, Text::PublishingLibcurlFailed);
  } else if (login.Exists()) {
    web->connected = 1;
  } else {
    web->connected = 0;
    web->publishingActive = 0;
  }
  WriteWebCoordinates(owner, web->eventFolder, web->championship, web->videoLinks, web->connected,
                      web->publishingActive);
}

bool PublishingIsReady(const WebPublishingState& web) { return web.connected == 1 && web.publishingActive == 1; }

const char* PublishButtonPicture(const WebPublishingState& web) {
  return PublishingIsReady(web) ? "images/wifiVert.bmp" : "images/wifiRouge.bmp";
}

void PublishArchive(HWND owner, const WebPublishingState& web, int rallyNumber, const char* rallyName,
                    const char* remoteName, const char* pageName) {
  // One folder name for every archive of the rally, so that they land side by side.
  std::string rallyFolder = WebRallyFolder(rallyName);
  std::string rallyKey = ArchiveRallyKey(rallyNumber, rallyName);
  FtpServer server = ResultsWebSite();
  platform::OpenWithShell(owner,
                          AdditionArchivePageUrl(server, web.championship, web.eventFolder, rallyKey, pageName ? pageName : remoteName)
                              .c_str());
  FtpFolderProbe probe(server, RallyFolderUrl(server, web.championship, web.eventFolder, rallyFolder));
  if (!probe.Ready()) {
    ShowError(owner, Text::PublishingLibcurlFailed);
    return;
  }
  if (!PollUntilFolderExists([&probe] { return probe.Exists(); })) {
    ShowError(owner, Text::PublishingRallyFolderNotFound);
    return;
  }
  UploadArchiveFile(owner, kArchiveFile, web.championship, web.eventFolder, rallyFolder.c_str(), remoteName);
}
