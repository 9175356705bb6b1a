#include "setup/participants_publishing.h"

#include "app/build_profile.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "setup/participants_print.h"

namespace {

constexpr const char* kParticipantsRemoteName = "Liste.txt";

void ShowError(HWND owner, Text text, Text caption = Text::CaptionError) {
  platform::ShowMessage(owner, Tr(text), Tr(caption), platform::kMbOk | platform::kMbIconStop);
}

// The archive, then its publication.
void PublishListArchive(HWND owner, const ParticipantsWebState& web, const ParticipantsListing& listing) {
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
  PublishArchive(owner, web, listing.rallyNumber, listing.rallyName, kParticipantsRemoteName);
}

}  // namespace

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
    PublishListArchive(owner, web, listing);
  } else if (web.connected == 1) {
    ShowError(owner, Text::PublishingNotActivated, Text::CaptionBeCareful);
  } else {
    ShowError(owner, Text::PublishingNotConnected);
  }
}
