// The decisions of the penalty database dialog: its private copy of the penalty list and of
// the late-start settings, the fixed records, Create, Remove, Import, Export and Ok.
#pragma once

#include <cstddef>

#include "platform/message_box.h"
#include "race/penalty_database.h"

struct PenaltyDialogModel {
  PenaltyRecord list[kMaxPenalties];
  LateStartPenaltySettings lateStart;
  int minutes;  // of the critical start delay, as shown
  int seconds;
};

// The dialog's copy, kept between openings (the second late-start switch is carried over).
PenaltyDialogModel& PenaltyDialogMemory();

// Records that cannot be removed: the abandon, and the late start in the builds that have it.
int FixedPenaltyCount();
// Whether record i is the late start of a build that has it.
bool IsLateStartRecord(int i);

// Defaults, then the database and the late-start settings, then the fixed records. Every
// file failure is shown and the dialog goes on.
void OpenPenaltyModel(platform::WindowHandle owner, PenaltyDialogModel* model);

// "Abandon : A" for record 0, "Penalty : " and the code for the others.
void PenaltyHeader(const PenaltyRecord list[kMaxPenalties], int i, char* text, std::size_t size);

// Adds "P<n>" after the last code; returns its index, or -1 when the list is full or the
// number would pass 99.
int CreatePenalty(PenaltyDialogModel* model);
// Removes record i and moves the later ones up; false for a fixed record or no record.
bool RemovePenalty(PenaltyDialogModel* model, int i);

// Replaces the list with a ".pen" file. The abandon keeps its defaults unless the file gives
// its own; a file that cannot be read leaves the list as it was (the message is shown).
bool ImportPenalties(platform::WindowHandle owner, PenaltyDialogModel* model, const char* path);
// The file an export writes: ".pen" appended when the name holds it nowhere. False when the
// name was left as proposed or the result would not fit.
bool ExportPath(const char* chosen, const char* proposed, char* path, std::size_t size);
bool ExportPenalties(platform::WindowHandle owner, const PenaltyDialogModel& model, const char* path);
// "Ok": the database, and the late-start settings in the builds that have them.
void SavePenaltyModel(platform::WindowHandle owner, const PenaltyDialogModel& model);

// Edits of the selected record. TAB would split a field of the database line: it becomes a
// blank. The name keeps at most 18 characters, the description 198.
void SetPenaltyName(PenaltyRecord* record, const char* text);
void SetPenaltyDescription(PenaltyRecord* record, const char* text);
// At most four digits, read as an unsigned number.
void SetPenaltyDuration(PenaltyRecord* record, const char* text);

// The critical start delay. Each returns the value the edit must show.
void SetLateStartEnabled(PenaltyDialogModel* model, bool on);
int SetDelayMinutes(PenaltyDialogModel* model, int minutes);
int SetDelaySeconds(PenaltyDialogModel* model, int seconds);
