// The files that carry what the program publishes on the results web site, all under
// "WebResults" in the working folder: the publication's settings ("CoordonneesWeb.txt"),
// the live table of the stage being timed ("Live.txt") and the archive of a participants
// list, a stage classification or a rally classification ("Archive.txt"). Each writer
// creates or empties its file and writes it whole; every "\n" is CR LF on disk.
#pragma once

#include "platform/message_box.h"
#include "race/classification.h"
#include "race/event_records.h"
#include "race/penalty_record.h"
#include "race/stage_timing.h"

inline constexpr const char* kWebResultsFolder = "WebResults";
inline constexpr const char* kWebCoordinatesFile = "WebResults/CoordonneesWeb.txt";
inline constexpr const char* kLiveResultsFile = "WebResults/Live.txt";
inline constexpr const char* kArchiveFile = "WebResults/Archive.txt";

struct WebCoordinates {
  int connected;         // the last login probe of the web site succeeded
  int publishingActive;  // live results are written and uploaded only when both are 1
  char eventFolder[41];
  char championship[20];
  char videoLinks[200];
};

// Rewrites the coordinates file; when it cannot be created, says so and writes nothing.
void WriteWebCoordinates(platform::WindowHandle owner, const char* eventFolder, const char* championship,
                         const char* videoLinks, int connected, int publishingActive);
// Reads the coordinates file; a missing file changes nothing and says nothing. Each text is
// its own line, kept whole up to its field's width: blanks stay, and an empty line is an
// empty text, so the later fields stay in their places.
void ReadWebCoordinates(platform::WindowHandle owner, char (&eventFolder)[41], char (&championship)[20],
                        char (&videoLinks)[200], int* connected, int* publishingActive);

// The three 10-byte clock texts of the running stage, one after the other: maximum time,
// elapsed time, remaining time. Live.txt shows the elapsed one.
struct StageClockTexts {
  char maxTimeText[10];
  char elapsedText[10];
  char remainingText[10];
};

// Live.txt from the first rowCount display rows. False when the file cannot be opened.
bool WriteLiveResultsFile(const char* path, const StageDisplayRow rows[kMaxParticipants],
                          const StageClockTexts& clock, const char* stageTitle, const char* videoLinks,
                          int rowCount, int stageState, int international);

// Participants form of Archive.txt.
bool WriteParticipantsArchive(const char* path, const ParticipantRecord participants[kMaxParticipants],
                              const char* championship, const char* eventName, const char* location,
                              const char* date, const char* raceDirector, const char* hostingClub,
                              int participantCount, int international);

// A penalty of the event list that at least one classified driver carries.
struct PenaltyNote {
  char name[20];
  char code[4];
  int duration;  // seconds
  int kind;      // PenaltyKind
};

struct ArchiveEvent {
  const char* championship;
  const char* eventName;  // without the international prefix
  const char* location;
  const char* date;
  const char* raceDirector;
  const char* hostingClub;
  const char* rallyName;
};

// Stage form of Archive.txt.
bool WriteStageClassificationArchive(const char* path, const ClassificationRow rows[kMaxParticipants],
                                     const PenaltyRecord eventPenalties[kMaxPenalties],
                                     const PenaltyNote notes[kMaxPenalties], const char* trackCondition,
                                     const char* comment, const ArchiveEvent& event, int rowCount,
                                     int noteCount, int eventPenaltyCount, int international);

// Rally form of Archive.txt.
bool WriteRallyClassificationArchive(const char* path, const ClassificationRow rows[kMaxParticipants],
                                     const char* carCategoryFilter, const char* ageCategoryFilter,
                                     const ArchiveEvent& event, int firstStage, int lastStage, int rowCount,
                                     int abandonRowCount, int penaltyRowCount, int international);

// The event name as published: without the international prefix; *international tells
// whether it was there.
const char* PublishedEventName(const char* eventName, int* international);
