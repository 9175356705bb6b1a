// The decisions of the track details dialog: its private copy of the event's details and of
// the clubs, the event-name filter, the hosting club's match with the clubs list, the
// international prefix and the section "PisteRallye" that Enter writes.
#pragma once

#include "platform/message_box.h"
#include "race/database_files.h"
#include "race/event_records.h"

// What the operator may type into the edits (the event name takes the international
// prefix on top of it when stored).
inline constexpr int kEventNameInputLimit = 38;
inline constexpr int kTrackTextInputLimit = 38;
inline constexpr int kTrackDateInputLimit = 18;

struct TrackDetailsDialogData {
  TrackDetails track;  // event name without the international prefix
  int international;
  ClubsTable clubs;
};

// Opening: clears the copy, reads the clubs and the section, with a message for a missing
// clubs database or event file; a missing section leaves the fields empty. The stored
// hosting club is kept only when the clubs list holds it byte for byte.
void LoadTrackDetails(platform::WindowHandle owner, TrackDetailsDialogData* data);

// The clubs list: the keys of the table before the first empty one.
int ListedClubCount(const ClubsTable& clubs);
// Clears hostingClub unless a listed key equals it byte for byte.
void KeepListedHostingClub(const ClubsTable& clubs, char (&hostingClub)[sizeof TrackDetails::hostingClub]);
// The entry of the list to select: the first key equal to hostingClub without regard to
// case, or -1 (also for an empty hosting club).
int HostingClubSelection(const ClubsTable& clubs, const char* hostingClub);

// An event name that could be taken for a section title is refused: exactly "PisteRallye",
// or holding "CourseRallye" anywhere.
bool EventNameRefused(const char* name);

// The name as stored: with the international prefix in front when international is 1, cut
// to the field.
void StoredEventName(const TrackDetails& track, int international,
                     char (&stored)[sizeof TrackDetails::eventName]);

// Enter: writes "PisteRallye" (appended when missing, rewritten in place otherwise) with
// the stored event name. False, after a message, when nothing could be written.
bool SaveTrackDetails(platform::WindowHandle owner, const TrackDetailsDialogData& data);
