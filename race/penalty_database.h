// The penalty database "BaseDonnéesPénalités.bd" (and its ".pen" export files), the two
// fixed records every penalty list begins with, and the late-start penalty settings
// "BaseDonnéesPénalitésBis.bd". Nothing here shows a message: false means the file could
// not be opened or created, and the caller says so.
#pragma once

#include "race/penalty_record.h"

struct ReadCounts;

inline constexpr const char* kPenaltiesDatabaseFile = "BaseDonnéesPénalités.bd";
inline constexpr const char* kPenaltiesExportExtension = ".pen";
inline constexpr const char* kLateStartPenaltyFile = "BaseDonnéesPénalitésBis.bd";

// Defaults of the fixed records, which the operator may change (not their codes or names).
inline constexpr int kAbandonDefaultDuration = 600;
inline constexpr int kLateStartDefaultDuration = 60;

// A list is kMaxPenalties records, like the event's own copy of it.
// Every record cleared: empty texts, duration 0, kind 2.
void ClearPenaltyRecord(PenaltyRecord* record);
void ClearPenaltyList(PenaltyRecord list[kMaxPenalties]);
// The driver abandon "A" with its default description, 600 s, gross time.
void SetAbandonPenaltyDefaults(PenaltyRecord* record);

// Line per record: kind, duration, code, name, description (which may hold line breaks).
// At most 50 records are read; the rest of a longer file is ignored (counted in counts).
// Clears code, name and description of each record before filling it.
bool ReadPenaltiesDatabase(PenaltyRecord list[kMaxPenalties], ReadCounts* counts = nullptr);
// The same reading on a ".pen" file, without clearing (the caller clears the list first).
bool ImportPenaltiesDatabase(const char* path, PenaltyRecord list[kMaxPenalties],
                             ReadCounts* counts = nullptr);
// Writes records 0 .. count - 1.
bool WritePenaltiesDatabase(const PenaltyRecord list[kMaxPenalties], int count);
bool ExportPenaltiesDatabase(const char* path, const PenaltyRecord list[kMaxPenalties], int count);

enum class FixedPenaltiesMoment { Opening, AfterImport };
// Puts the late start back at record 1 when it is not there (records 1..48 move one place
// down, the record at 49 is lost), then gives records 0 and 1 their codes and names. The
// late start inserted after an import carries the description of imported lists.
void EnsureFixedPenalties(PenaltyRecord list[kMaxPenalties], FixedPenaltiesMoment moment);

struct LateStartPenaltySettings {
  int enabled;               // the late-start penalty is activated
  int enabled2;              // second switch, flipped from the race screen
  int criticalDelaySeconds;  // a start later than this is late
};

// Line 1 the marker, line 2 the three values. Only a marker of 1 lets the values be read;
// otherwise, and for every value missing from the file, the settings keep theirs.
bool ReadLateStartPenaltySettings(LateStartPenaltySettings* settings);
// "%d\t\n" the marker (callers pass 1), then "%d\t%d\t%d\t\n".
bool WriteLateStartPenaltySettings(const LateStartPenaltySettings& settings, int marker);
// The critical delay in milliseconds, within the range of a time whatever the file held.
int LateStartLimitMs(const LateStartPenaltySettings& settings);
