// Printing the participants list of a rally and publishing it on the results web site, for
// the participants dialog. Both work on the dialog's copies as they stand.
#pragma once

#include <windows.h>

#include "race/event_records.h"
#include "results/archive_publishing.h"
#include "results/web_publishing.h"

using ParticipantsWebState = WebPublishingState;

// What the print and the publication show of the rally.
struct ParticipantsListing {
  const ParticipantRecord* participants;  // kMaxParticipants records, in list order
  int count;                              // the rally's participant count
  int rallyNumber;                        // 1..kMaxRallies
  const char* rallyName;
  const char* title;        // event name, " / ", rally name
  const TrackDetails* track;  // event name already without the international prefix
  int international;
  const char* logoPath;  // the logo of the display settings, may be empty
};

// Print (5207): the print dialog, then 30 participants a page. Nothing when cancelled or
// when the list is empty.
void PrintParticipantsList(HWND owner, const ParticipantsListing& listing);
// Publish (5208): the archive "WebResults/Archive.txt", the site's page that creates the
// rally's folder, the wait for that folder and the upload of "Liste.txt".
void PublishParticipantsList(HWND owner, const ParticipantsWebState& web, const ParticipantsListing& listing);
