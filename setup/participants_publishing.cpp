#include "setup/participants_publishing.h"

#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "platform/shell.h"
#include "results/ftp_transfer_curl.h"
#include "results/ftp_upload.h"
#include "setup/participants_print.h"
#include "setup/participants_publishing_model.h"

namespace {

constexpr const char* kParticipantsRemoteName = "Liste.txt";

void ShowError(HWND owner, Text text, Text caption = Text::CaptionError) {
  platform::ShowMessage(owner, Tr(text), Tr(caption), platform::kMbOk | platform::kMbIconStop);
}

FtpServer ResultsWebSite() { return ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str()); }

// The archive, the web site's page that announces it, the wait for the rally's folder and
// the upload into it.
void PublishArchive(HWND owner, const ParticipantsWebState& web, const ParticipantsListing& listing) {
  std::string rallyFolder = WebRallyFolder(listing.rallyName);
  std::string rallyKey = ArchiveRallyKey(listing.rallyNumber, listing.rallyName);
  TrackDetails none = {};
  const TrackDetails& track = listing.track ? *listing.track : none;
  if (!WriteParticipantsArchive(kArchiveFile, listing.participants, track.championship,
                                listing.title ? listing.title : "",
                                track.location, track.date, track.raceDirector, track.hostingClub, listing.count,
                                listing.international)) {
    // Announcing an archive that is not there would only publish the previous one.
    ShowError(owner, Text::PublishingArchiveNotWritten);
    return;
  }
  FtpServer server = ResultsWebSite();
  platform::OpenWithShell(owner, AdditionArchivePageUrl(server, web.championship, web.eventFolder, rallyKey,
                                                        kParticipantsRemoteName)
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
  UploadArchiveFile(owner, kArchiveFile, web.championship, web.eventFolder, rallyFolder.c_str(),
                    kParticipantsRemoteName);
}

}  // namespace

void CheckResultsWebSite(HWND owner, ParticipantsWebState* web) {
  *web = ParticipantsWebState{};
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

bool PublishingIsReady(const ParticipantsWebState& web) { return web.connected == 1 && web.publishingActive == 1; }

const char* PublishButtonPicture(const ParticipantsWebState& web) {
  return PublishingIsReady(web) ? "images/wifiVert.bmp" : "images/wifiRouge.bmp";
}

void PrintParticipantsList(HWND owner, const ParticipantsListing& listing) {
  if (listing.count < 1) return;
  platform::PrinterChoice printer;
  if (!platform::ChoosePrinter(owner, &printer)) return;
  PrintParticipantsPages(owner, static_cast<HDC>(printer.dc), listing);
  platform::ReleasePrinter(&printer);
}

void PublishParticipantsList(HWND owner, const ParticipantsWebState& web, const ParticipantsListing& listing) {
  if (PublishingIsReady(web)) {
    if (listing.count < 1) return;
    PublishArchive(owner, web, listing);
  } else if (web.connected == 1) {
    ShowError(owner, Text::PublishingNotActivated, Text::CaptionBeCareful);
  } else {
    ShowError(owner, Text::PublishingNotConnected);
  }
}
