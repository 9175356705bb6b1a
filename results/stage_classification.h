// The classification of one special stage of the current rally: its tables as the dialog
// loads them from the event file, the penalised times, the rows with their filters, the
// order and gaps, the penalty legend, the filter combos' items, and the Power Stage
// classification that Validate stores for the championships.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "race/classification.h"
#include "race/event_records.h"
#include "race/penalty_record.h"
#include "race/settings_files.h"
#include "results/classification_rows.h"
#include "results/web_publishing.h"

class SectionBody;

inline constexpr int kPageTitleSize = 80;

struct StageClassificationData {
  int selectedNode;
  // Both 0 when the header names no stage classification of the event's rallies: the
  // classification is then empty and Validate and Publish do nothing.
  int rally;
  int stage;
  char rallyName[kRallyNameSize];
  int participantCount;  // N: the rally's participants, clamped to the tables
  int stageStatuses[kMaxStages];
  char pageTitle[kPageTitleSize];
  TrackDetails track;  // event name without the international prefix
  int international;
  char comment[kCommentSize];
  char trackCondition[kTrackConditionSize];
  ParticipantRecord participants[kMaxParticipants];
  StageResultRow results[kMaxParticipants];
  int penalisedTimes[kMaxParticipants];
  PenaltyRecord penalties[kMaxPenalties];
  int penaltyCount;
  ClassificationRow rows[kMaxParticipants];
  int rowCount;
  PenaltyNote notes[kMaxPenalties];
  int noteCount;
  char carFilter[kCarFilterSize];
  char ageFilter[kAgeFilterSize];
  char logoPath[kLogoPathSize];
};

// Opening: clears everything, then reads the header, the track details, the tree-view flags,
// the rally's participants and their ages, the penalties (from the database when the
// event says so), the stage's results, comment and track condition, and the logo path,
// with a message for each missing file or needed section. Builds no row.
void LoadStageClassification(platform::WindowHandle owner, StageClassificationData* data);

// A stage whose tree-view flags value is 4 to 7, in a build that has Power Stages.
bool IsPowerStage(const StageClassificationData& data);

// Rows of the participants that pass the filters, in participant order, each with the
// penalised time and state of the result row of its name.
void BuildStageClassificationRows(StageClassificationData* data);
// One note per penalty of the list that a shown row carries, in list order.
void BuildPenaltyNotes(StageClassificationData* data);

using StageFilterItems = ClassificationFilterItems;

// Penalised times, rows of every participant grouped by car then by age category (the
// combos' items come from these groupings), ranked with their gaps, notes, and both
// filters at "all".
StageFilterItems OpenStageClassification(StageClassificationData* data);
// A filter change: the combos' texts ("All" means every category); the rows are rebuilt in
// participant order, ranked, with their notes.
void ChangeStageFilters(StageClassificationData* data, const char* carItem, const char* ageItem);

// The scroll bar moves over rows and notes when they are more than the screen's 18 lines.
inline constexpr int kClassificationScreenSpare = 18;
inline bool ClassificationScrollShown(int rowCount, int noteCount) {
  return rowCount + noteCount > kClassificationScreenSpare;
}
inline int ClassificationScrollMaximum(int rowCount, int noteCount) {
  return ClassificationScrollShown(rowCount, noteCount) ? rowCount + noteCount - kClassificationScreenSpare : 0;
}

// The Power Stage classification: every participant, unfiltered and ungrouped, ranked twice.
// Without gaps. rows receives the result.
int BuildPowerStageRows(const StageClassificationData& data, ClassificationRow rows[kMaxParticipants]);
// Validate on a Power Stage: writes "CourseRallye%dClassementPowerStage" through the one
// section writer. Nothing for another stage or without a stage. True when written.
bool SavePowerStageClassification(platform::WindowHandle owner, const StageClassificationData& data);

// The archive's name on the web site: "ES%d.txt", or "PS%d.txt" for a Power Stage.
std::string StageArchiveName(const StageClassificationData& data);
// Why Publish does nothing; None when it goes on.
enum class StagePublishRefusal { None, NotConnected, NotActivated, Filtered, Empty };
StagePublishRefusal CheckStagePublishing(int connected, int publishingActive, const StageClassificationData& data);
