// The classification of the current rally over a range of its special stages: the tables as
// the dialog loads them from the event file, the range and its options, the drivers' totals
// with their abandons and penalties, the filters, the page's lines, the three sections that
// Validate saves for the championships, and the names an archive is published under.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "race/classification.h"
#include "race/event_records.h"
#include "race/penalty_record.h"
#include "race/settings_files.h"
#include "results/classification_page.h"
#include "results/classification_rows.h"

inline constexpr int kRallyPageTitleSize = 50;
inline constexpr int kExcludedTextSize = 300;

struct RallyClassificationOptions {
  int ssFrom;  // first stage of the range
  int ssTo;    // last stage; below ssFrom (0 without stages) the range counts nothing
  int powerStageIncluded;
  int worstStageIncluded;
};

struct RallyClassificationData {
  int selectedNode;
  int rally;  // 0 when the header names none of the event's rallies
  char rallyName[kRallyNameSize];
  int participantCount;  // N, clamped to the tables
  int stageCount;        // clamped to 0..99
  int stageStatuses[kMaxStages];
  TrackDetails track;  // event name without the international prefix
  int international;
  ParticipantRecord participants[kMaxParticipants];
  PenaltyRecord penalties[kMaxPenalties];
  int penaltyCount;
  RallyClassificationOptions options;
  // The event file could be read at opening: without it there is nothing to total or save.
  bool eventRead;
  ClassificationRow rows[kMaxParticipants];
  int rowCount;
  int abandonLines;  // shown rows with an abandon
  int penaltyLines;  // shown rows with a penalty
  char carFilter[kCarFilterSize];
  char ageFilter[kAgeFilterSize];
  char pageTitle[kRallyPageTitleSize];
  char excludedText[kExcludedTextSize];
  char logoPath[kLogoPathSize];
};

// Whether the build has the Power Stage and worst-stage options (and their section "...2");
// without them the options stay "Power Stage not included, worst stage included".
bool RallyOptionsInBuild();

// Opening: clears everything, then reads the penalty database, the header, the track
// details, the tree-view flags, the rally's participants and their ages, the event's own
// penalties when it keeps its own list, the range and options (clamped to the rally's
// stages), and the logo path, with a message for each missing file or needed section.
// Builds no row.
void LoadRallyClassification(platform::WindowHandle owner, RallyClassificationData* data);

// A stage with this tree-view status is counted: a normal stage always, the Power Stage
// only when included, a removed stage never.
bool RallyStageCounted(int status, int powerStageIncluded);

// The range within the rally's stages: 1 <= ssFrom <= ssTo <= stageCount; without stages
// ssFrom 1 and ssTo 0.
void ClampRallyRange(RallyClassificationOptions* options, int stageCount);
// The "Special stages" edits. hasText is false for an emptied edit, which keeps the value.
// True when the stored value differs from what was typed: the edit shows the value again.
bool ChangeFirstStage(RallyClassificationOptions* options, bool hasText, int typed);
bool ChangeLastStage(RallyClassificationOptions* options, bool hasText, int typed, int stageCount);

// The page title "<rally> - SS<from> to SS<to>" and the excluded text: the Power Stage when
// one of the range is left out, the worst stage, then each removed stage of the range; cut
// short with ", ..." when it would not fit its 299 characters.
void BuildRallyTitles(RallyClassificationData* data);

// Totals of rows 0..rowCount-1 over the counted stages of the range, read from the event
// file: penalised stage times summed while the driver has a time on every counted stage, his
// worst stage taken off when it is left out, abandons and penalties counted. False when the
// event file cannot be opened: every total stays 0.
bool ComputeRallyTotals(const RallyClassificationData& data, ClassificationRow rows[kMaxParticipants], int rowCount);

// Every participant, totalled, grouped by car then by age category for the combos' items,
// then ranked with gaps, counted, and both filters at "all".
ClassificationFilterItems OpenRallyClassification(platform::WindowHandle owner, RallyClassificationData* data);
// After a change of the range, an option or a filter: titles, the participants that pass the
// filters in their order, totals (the event file's absence is told), ranking and counts.
void RecomputeRallyClassification(platform::WindowHandle owner, RallyClassificationData* data);
// A filter change from the combos' texts ("All" means every category).
void ChangeRallyFilters(platform::WindowHandle owner, RallyClassificationData* data, const char* carItem,
                        const char* ageItem);

// Validate: every participant, unfiltered, ranked twice without gaps, saved in the sections
// "CourseRallye%dClassementRallye" (range), "...2" (options; not in a build without them)
// and "...3" (the saved classification). Nothing is written, and the missing event file is
// told, when the totals cannot be computed. True when all were written.
bool SaveRallyClassification(platform::WindowHandle owner, const RallyClassificationData& data);

// The scroll bar moves over rows, abandon and penalty lines when they are more than 17.
inline constexpr int kRallyScreenSpare = 17;
inline int RallyScrollMaximum(int rows, int abandons, int penalties) {
  const int lines = rows + abandons + penalties;
  return lines > kRallyScreenSpare ? lines - kRallyScreenSpare : 0;
}
inline bool RallyScrollShown(int rows, int abandons, int penalties) {
  return rows + abandons + penalties > kRallyScreenSpare;
}

// The classification title above the heads, by filter ("Toutes" is no filter).
std::string RallyClassificationTitle(const char* carFilter, const char* ageFilter);
// The mark of a row's abandons and penalties: "(A+P)", "(A)", "(P)" or nothing.
std::string RallyRowMark(const ClassificationRow& row);
// The n-th (from 0) of rows 0..count-1 with an abandon (or with a penalty), or -1.
int NthRowWithAbandon(const ClassificationRow rows[kMaxParticipants], int count, int n);
int NthRowWithPenalty(const ClassificationRow rows[kMaxParticipants], int count, int n);
// An abandon (penalty) line's entry: "<name> :    1 abandon", "... 3 abandons".
std::string RallyAbandonEntry(const ClassificationRow& row);
std::string RallyPenaltyEntry(const ClassificationRow& row);
// The headings of the two lists, with the range.
std::string RallyAbandonHeading(int ssFrom, int ssTo);
std::string RallyPenaltyHeading(int ssFrom, int ssTo);

// The page's lines, on the screen and on paper: rows, an empty line, abandon lines, an
// empty line, penalty lines; every line past them is empty. The first line of each list
// carries its heading.
PageLine RallyPageLine(int line, int rowCount, int abandonLines, int penaltyLines);
// The printed document: S + A + P + 2 lines, 30 a page, at least one page.
std::vector<ClassificationPrintedPage> RallyPrintedPages(int rowCount, int abandonLines, int penaltyLines);

// Publishing: why it does nothing (None: it goes on) and the names of the archive.
enum class RallyPublishRefusal { None, NotConnected, NotActivated, Empty };
RallyPublishRefusal CheckRallyPublishing(int connected, int publishingActive, int rowCount);
struct RallyArchiveNames {
  std::string page;    // "Classement-<car>-<code(name)>.txt", given to the site's page
  std::string upload;  // "Classement-<car>-<code>.txt", the file uploaded
};
RallyArchiveNames RallyArchiveNamesOf(const char* carFilter, const char* ageFilter);
