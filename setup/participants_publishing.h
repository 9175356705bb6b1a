// Printing the participants list of a rally and publishing it on the results web site, for
// the participants dialog. Both work on the dialog's copies as they stand.
#pragma once

#include <windows.h>

#include "race/event_records.h"
#include "results/web_publishing.h"

// The web state that the dialog keeps from its opening: the coordinates read from
// "WebResults/CoordonneesWeb.txt", with `connected` set by the login probe.
struct ParticipantsWebState {
  char eventFolder[41];
  char championship[20];
  char videoLinks[200];
  int connected;
  int publishingActive;
};

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

// Reads the web coordinates, probes the FTP login of the results web site and writes the
// coordinates back with the probe's result.
void CheckResultsWebSite(HWND owner, ParticipantsWebState* web);
// The Publish button shows the green picture only when both flags are 1.
bool PublishingIsReady(const ParticipantsWebState& web);
const char* PublishButtonPicture(const ParticipantsWebState& web);

// Print (5207): the print dialog, then 30 participants a page. Nothing when cancelled or
// when the list is empty.
void PrintParticipantsList(HWND owner, const ParticipantsListing& listing);
// Publish (5208): the archive "WebResults/Archive.txt", the site's page that creates the
// rally's folder, the wait for that folder and the upload of "Liste.txt".
void PublishParticipantsList(HWND owner, const ParticipantsWebState& web, const ParticipantsListing& listing);
