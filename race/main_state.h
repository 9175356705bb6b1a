// The process-wide tables of the main window: the event, the loaded special stage, the
// reference data and settings read at creation, and the race options. One instance for
// the life of the process; the window procedure, the tree, the commands and the race
// engine all work on it.
#pragma once

#include <cstdint>

#include "race/country_files.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/event_records.h"
#include "race/penalty_database.h"
#include "race/settings_files.h"
#include "race/stage_ranking.h"
#include "race/stage_timing.h"
#include "results/web_publishing.h"

inline constexpr const char* kCrashCopyPath = "DoVorodIvar.rall";
inline constexpr int kEventPathSize = 260;

struct StageTimingState {
  int timing;      // 1 while a special stage is being timed
  int stageState;  // StageState: 0 not started, 1 activated, 2 paused, 3 finished
  std::uint32_t startTick;
  int keptElapsed;  // ms run before the last Pause
  int maximumHours;
  int maximumMinutes;
  StageClockTexts clock;
  int entryCount;
  int stageLoaded;
  int pauseAllowed;
  int clearAllowed;
  char startText[kStartTextSize];
  char comment[kCommentSize];
  char trackCondition[kTrackConditionSize];
};

// The special stage in the live table, if any.
struct LoadedStage {
  char title[kSectionTitleSize];  // "CourseRallye%dES%d"; empty when none is loaded
  int code;                       // its TreeNodeCode
  int hasResults;                 // once set at loading or on leaving, it stays set
};

struct MainState {
  // The event.
  RallyRecord rallies[kMaxRallies];
  RallyParticipantNames participantNames;
  TreeviewFlags treeviewFlags;
  int rallyCount;
  int selectedNode;  // SelectedNodeCode
  int selectedKind;  // SelectedNodeKind
  int international;
  char eventFilePath[kEventPathSize];  // EventFilePath
  PenaltyRecord eventPenalties[kMaxPenalties];
  int eventPenaltyFlag;
  int restoreIndex;

  // Reference data and settings.
  LateStartPenaltySettings lateStart;
  CountryTable countries;
  DriverSummariesTable drivers;
  TransponderSetsTable transponderSets;
  SoundSettings sounds;
  CustomSoundPaths customSounds;
  DisplaySettings displaySettings;
  CustomColours customColours;
  int columnWidths[kLiveColumnCount];
  int startTimeColumnWidth;  // StartTimeColumnWidth
  WebCoordinates web;

  // The loaded stage and its tables.
  RallyParameters parameters;
  StageTimingState timing;
  LoadedStage stage;
  ParticipantRecord participants[kMaxParticipants];
  int startOrderHasResults;
  char startOrderLabel[kStartOrderLabelSize];
  StageEntry entries[kMaxParticipants];
  StageEntry ranking[kMaxParticipants];
  StageClassificationRow classification[kMaxParticipants];
  StageDisplayRow display[kMaxParticipants];
  StageResultRow resultRows[kMaxParticipants];
  int radioConflict;
  char stageTitleText[80];

  // Race options and the race screen's prepared texts.
  int transponderMode;   // 1 personal chips, 0 club chips
  int messageBoxOption;  // the live table asks its confirmations while 1
  int modificationMode;
  int clubChipEditing;
  int driverDetailsOpen;
  int startLightsOpen;
  char maximumStartTimeText[31];
  char intervalText[16];
};

MainState& Main();
