// The decisions of the participants dialog: its private copies of the event, the drivers
// and the reference tables, taking a driver into the rally and removing one with the start
// order, and the three sections that Validate writes.
#pragma once

#include "platform/message_box.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "race/event_records.h"
#include "race/settings_files.h"

class SectionBody;

// Event name, " / ", rally name.
inline constexpr int kParticipantsTitleSize = 46 + 3 + kRallyNameSize;

struct ParticipantsDialogData {
  RallyRecord rallies[kMaxRallies];
  int rallyCount;
  int selectedNode;
  int rally;  // the rally of selectedNode, or 0 when the header names none of the event's
  ParticipantRecord participants[kMaxParticipants];  // sorted by name, empty records last
  StartOrder startOrder;  // its hasResults is not used: the rally record holds the flag
  DriverPicksTable drivers;
  AgeCategoriesTable ageCategories;
  CarsTable cars;
  CountryTable countries;
  TrackDetails track;  // event name without the international prefix
  int international;
  char logoPath[kLogoPathSize];
  char title[kParticipantsTitleSize];
};

// Clears every table and text; the age categories become cleared records and the start
// order's label the default one.
void ClearParticipantsData(ParticipantsDialogData* data);

// Everything the dialog reads when it opens, in its order, with a message for each missing
// file: countries, cars, age categories, drivers (birthdays checked against currentMonths),
// the event file's header and sections of the rally, the logo path; then the title text and
// the team refresh. The data is cleared first.
void LoadParticipantsData(platform::WindowHandle owner, ParticipantsDialogData* data, int currentMonths);

// Each of the first participantCount participants takes again the team (the country code for
// an international event) of the drivers database.
void RefreshParticipantTeams(ParticipantsDialogData* data);

// The participants before the first empty name.
int ParticipantCount(const ParticipantsDialogData& data);
// The rally is one of the event and has no results yet.
bool ParticipantsEditable(const ParticipantsDialogData& data);

// Takes driver pickIndex of the drivers table into the rally as the last to start. Nothing
// happens (false) for an empty or unknown driver, one already entered, a full list or a
// rally that cannot be edited.
bool TakeDriver(ParticipantsDialogData* data, int pickIndex);
// Removes the participant of that name and its place in the start order. False (nothing
// done) when there is no such participant or the rally cannot be edited.
bool RemoveParticipant(ParticipantsDialogData* data, const char* name);

// The bodies of "CourseRallye%dListeParticipants", "CourseRallye%dAgeParticipants" and
// "CourseRallye%dRépartition".
void AddParticipantsSectionBodies(const ParticipantsDialogData& data, SectionBody* participants, SectionBody* ages,
                                  SectionBody* startOrder);
// Validate: the header with the rally's stage count 0, then the three sections. Nothing is
// written for a rally that cannot be edited. True when everything is on disk.
bool SaveParticipants(platform::WindowHandle owner, ParticipantsDialogData* data);
