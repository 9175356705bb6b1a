// The records of the event that the event file holds, and the bodies of its sections: one
// writer per body (into a SectionBody, written by WriteRallySection) and one reader per body.
// Widths count bytes with the terminating zero. Every reader clears what it fills, keeps
// each text within its field and stops at the end of the file.
#pragma once

#include "platform/message_box.h"
#include "platform/text_file.h"
#include "race/penalty_record.h"

class SectionBody;
struct StageEntry;

inline constexpr int kMaxRallies = 9;
inline constexpr int kMaxStages = 99;
inline constexpr int kMaxParticipants = 200;

inline constexpr int kRallyNameSize = 30;
inline constexpr int kDriverNameSize = 40;
inline constexpr int kStartTextSize = 105;
inline constexpr int kCommentSize = 100;
inline constexpr int kTrackConditionSize = 7;
inline constexpr int kStartOrderLabelSize = 24;
inline constexpr int kFrequencyCodes = 5;

// The name of a stage slot without a participant.
inline constexpr const char* kEmptySlotName = "(NA)";
// Start text of a stage that was never started, and the comment of a stage without one.
inline constexpr const char* kNotStartedText = ".";
inline constexpr const char* kNoComment = " ";
// Label of a start order that the participants dialog writes when there was none.
inline constexpr const char* kDefaultStartOrderLabel = "GRILLEDEPARTidentique";
// An event name that begins with this is an international event.
inline constexpr const char* kInternationalPrefix = "i_n_t_";

struct RallyRecord {
  char name[kRallyNameSize];
  int participantCount;
  int hasResults;  // 0/1
  int stageCount;  // 0..kMaxStages
};

// Bits of a TreeviewFlags value.
enum TreeviewFlag : int { kStageHasResults = 1, kStageRemoved = 2, kStageIsPowerStage = 4 };
using TreeviewFlags = int[kMaxRallies][kMaxStages];

using RallyParticipantNames = char[kMaxRallies][kMaxParticipants][kDriverNameSize];

struct ParticipantRecord {
  char name[kDriverNameSize];
  char team[15];  // the country code in an international event
  char car[30];
  char carNumber[5];
  char transponder[7];
  char carCategory[50];
  char ageCategoryCode[3];
  char ageCategoryName[20];
  char frequencies[kFrequencyCodes][7];  // the first is compared for radio conflicts
};

struct TrackDetails {
  char eventName[46];  // begins with kInternationalPrefix for an international event
  char hostingClub[18];
  char championship[40];
  char raceDirector[40];
  char location[40];
  char date[20];
};

// Removes the international prefix from the event name; true when it was there.
bool StripInternationalPrefix(TrackDetails* track);

struct StartOrder {
  int hasResults;
  char label[kStartOrderLabelSize];
  char names[kMaxParticipants][kDriverNameSize];
};

enum StartType : int { kStandardStart = 1, kWrcStart = 2 };

struct RallyParameters {
  int startInterval = 60;  // seconds
  int rest = 0;            // minutes between special stages
  int minimumLapTime = 2;  // seconds between two accepted passes of one transponder
  int startType = kStandardStart;
};

// The largest interval and minimum lap time the race parameters dialog's edits take, and the
// largest rest (three digits).
inline constexpr int kMaxParameterSeconds = 3600;
inline constexpr int kMaxRestMinutes = 999;

// The value of a seconds edit: clamped to 0 .. kMaxParameterSeconds.
int ClampParameterSeconds(int value);
// Every value within what the edits accept: seconds 0 .. 3600, rest 0 .. 999, and a start
// type other than WRC becomes the standard start. What the parameter sections of a damaged
// file give goes through it before anyone times or counts with it.
void ClampRallyParameters(RallyParameters* parameters);

struct StageResultRow {
  char name[kDriverNameSize];  // kEmptySlotName for a slot without a participant
  int time;                    // ms
  int state;                   // EntryState
};

// The five texts of one classified driver as a saved classification keeps them.
struct ClassifiedDriver {
  char name[kDriverNameSize];
  char team[15];
  char carCategory[50];
  char ageCategoryCode[3];
  char ageCategoryName[20];
};

void ClearRallyList(RallyRecord rallies[kMaxRallies]);
void ClearRallyParticipantNames(RallyParticipantNames names);
void ClearTreeviewFlags(TreeviewFlags flags);
void ClearStageResultRows(StageResultRow rows[kMaxParticipants]);

// --- Bodies ---
// The readers named "...Section" take the file as FindRallySection leaves it (one byte into
// the body) with the byte it returned; they read nothing when that byte is EOF.

// "CourseRallyeDrapeauxTreeview": the 9 x 99 values on one line.
void AddTreeviewFlagsBody(SectionBody& body, const TreeviewFlags flags);
void ReadTreeviewFlagsSection(platform::TextFile& file, int firstByte, TreeviewFlags flags);
bool WriteTreeviewFlagsSection(platform::WindowHandle owner, platform::TextFile& file, const char* title,
                               const TreeviewFlags flags);

// "PisteRallye": six texts on one line.
void AddTrackBody(SectionBody& body, const TrackDetails& track);
void ReadTrackSection(platform::TextFile& file, int firstByte, TrackDetails* track);

// "CourseRallye%dListeParticipants": 200 lines of eleven texts (the age fields are not
// there; they live in the ages section). The reader leaves the age fields alone.
void AddParticipantsBody(SectionBody& body, const ParticipantRecord participants[kMaxParticipants]);
void ReadParticipantsSection(platform::TextFile& file, int firstByte,
                             ParticipantRecord participants[kMaxParticipants]);
// The names alone (the first field of each line) into one rally's slice of names.
void ReadParticipantNamesSection(platform::TextFile& file, int firstByte, char (*names)[kDriverNameSize]);
// Reads the names of the participants section of the rally of selectedNode into that
// rally's slice. False when the event file cannot be opened; a missing section reads nothing.
bool ReadRallyParticipantNames(RallyParticipantNames names, int selectedNode);

// "CourseRallye%dAgeParticipants": 200 lines of name, age-category code and name.
void AddParticipantAgesBody(SectionBody& body, const ParticipantRecord participants[kMaxParticipants]);
void ReadParticipantAgesSection(platform::TextFile& file, int firstByte,
                                ParticipantRecord participants[kMaxParticipants]);

// "CourseRallye%dRépartition": has-results flag and label, then 200 names.
void AddStartOrderBody(SectionBody& body, int hasResults, const char* label,
                       const char (*names)[kDriverNameSize]);
void ReadStartOrderSection(platform::TextFile& file, int firstByte, StartOrder* order);
// The same, with the names stored into the participants' name fields.
void ReadStartOrderIntoParticipants(platform::TextFile& file, int firstByte, int* hasResults,
                                    char (&label)[kStartOrderLabelSize],
                                    ParticipantRecord participants[kMaxParticipants]);

// Bodies of one line of numbers: "CourseRallye%dParamètres" (interval, rest, minimum lap
// time), "CourseRallye%dParamètres2" (start type), "CourseRallye%dClassementRallye" (first
// and last stage) and "CourseRallye%dClassementRallye2" (Power Stage and worst stage included).
void AddNumbersLine(SectionBody& body, const int* values, int count);
// Reads up to count numbers into values; returns how many were there.
int ReadNumbersSection(platform::TextFile& file, int firstByte, int* values, int count);
void ReadRallyParametersSection(platform::TextFile& file, int firstByte, RallyParameters* parameters);

// "CourseRallye%dES%d": stage state and time already run, 200 lines of name, state and time,
// then start text, comment and track condition.
struct StageResultsText {
  const char* startText;  // kNotStartedText before the first start
  const char* comment;
  const char* trackCondition;  // "Dry", "Wet" or "Ice"
};
void AddStageResultsBody(SectionBody& body, const StageResultRow rows[kMaxParticipants], int stageState,
                         int timeRun, const StageResultsText& text);
// Reserve of a stage section: it follows the rally's participant count.
int StageResultsReserve(int participantCount);

enum class SaveResult { Saved, FileNotFound, NotSaved };
// Opens the event file and writes the stage section. NotSaved: nothing was written and the
// operator has been told why; FileNotFound: the caller says so.
SaveResult WriteStageResultRowsSection(platform::WindowHandle owner, const StageResultRow rows[kMaxParticipants],
                                       int stageState, int timeRun, const StageResultsText& text,
                                       int participantCount, const char* title);
// The same from the live stage entries: name, EntryState and stage time of each.
SaveResult WriteStageResultsSection(platform::WindowHandle owner, const StageEntry entries[kMaxParticipants],
                                    int stageState, int timeRun, const StageResultsText& text, int participantCount,
                                    const char* title);
// Returns the last character read.
int ReadStageResultsSection(platform::TextFile& file, int firstByte, StageResultRow rows[kMaxParticipants],
                            int* stageState, int* timeRun, char (&startText)[kStartTextSize],
                            char (&comment)[kCommentSize], char (&trackCondition)[kTrackConditionSize]);
// Opens the event file, looks the title up and reads the stage. False when the file cannot
// be opened; a missing section reads nothing.
bool ReadStageResults(StageResultRow rows[kMaxParticipants], int* stageState, int* timeRun,
                      char (&startText)[kStartTextSize], char (&comment)[kCommentSize],
                      char (&trackCondition)[kTrackConditionSize], const char* title);

// "CourseRallyePenalites": count and flag, then the leading records of the list that have a
// code (without their description).
void AddPenaltiesBody(SectionBody& body, const PenaltyRecord list[kMaxPenalties], int flag);
bool WritePenaltiesSection(platform::WindowHandle owner, platform::TextFile& file, const char* title,
                           const PenaltyRecord list[kMaxPenalties], int flag);
// Records beyond the count read keep what they held, descriptions included.
void ReadPenaltiesSection(platform::TextFile& file, int firstByte, PenaltyRecord list[kMaxPenalties], int* flag);

// "CourseRallye%dClassementRallye3" and "CourseRallye%dClassementPowerStage": the
// international flag, then 200 lines of the five texts of a classified driver.
void AddSavedClassificationBody(SectionBody& body, int international,
                                const ClassifiedDriver drivers[kMaxParticipants]);
void ReadSavedClassificationSection(platform::TextFile& file, int firstByte, int* international,
                                    ClassifiedDriver drivers[kMaxParticipants]);
