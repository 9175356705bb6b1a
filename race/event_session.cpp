#include "race/event_session.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/event_tree_model.h"
#include "race/live_table.h"
#include "race/participant_fields.h"
#include "race/text_fields.h"

namespace {

void Error(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

bool IsRealEntry(const StageEntry& e) { return std::strcmp(e.name, kEmptySlotName) != 0; }

bool ValidRally(const MainState& state, int rally) { return rally >= 1 && rally <= state.rallyCount && rally <= kMaxRallies; }

void DefaultRallyName(char (&name)[kRallyNameSize], int number) {
  platform::ZeroBytes(name, sizeof name);
  std::snprintf(name, sizeof name, Tr(Text::DefaultRallyName), number);
}

}  // namespace

void SetStageDefaults(MainState& state) {
  state.parameters = RallyParameters{};
  state.timing.maximumHours = 250;
  state.timing.maximumMinutes = 0;
  platform::CopyBounded(state.timing.trackCondition, "Dry");
  std::snprintf(state.intervalText, sizeof state.intervalText, "%ds", state.parameters.startInterval);
}

void ClearEvent(MainState& state) {
  ClearRallyList(state.rallies);
  ClearRallyParticipantNames(state.participantNames);
  ClearTreeviewFlags(state.treeviewFlags);
  // A new event is compared with the penalty database again.
  LiveTable().penaltiesSynchronised = 0;
}

void StartFreshEvent(platform::WindowHandle owner, MainState& state) {
  ClearEvent(state);
  state.rallyCount = 1;
  state.selectedNode = NodeCode(1, kRallyNode);
  state.selectedKind = NodeKind(state.selectedNode);
  state.international = 0;
  DefaultRallyName(state.rallies[0].name, 1);
  if (!WriteFreshEvent(owner, state.rallies[0].name)) Error(owner, Text::RallyFileNotFound);
}

void FillColumnWidths(MainState& state) {
  std::memcpy(state.columnWidths, state.displaySettings.columnWidths, sizeof state.columnWidths);
  state.startTimeColumnWidth = state.lateStart.enabled2 != 0 ? 100 : 5;
}

void PrepareRaceScreenTexts(MainState& state) {
  int delay = state.lateStart.criticalDelaySeconds;
  std::snprintf(state.maximumStartTimeText, sizeof state.maximumStartTimeText, Tr(Text::MaximumStartTime),
                delay / 60, delay % 60);
  std::snprintf(state.intervalText, sizeof state.intervalText, "%ds", state.parameters.startInterval);
}

bool IsUntouchedFreshEvent(const char* path) {
  platform::TextFile file(path, "r");
  if (!file) return false;
  int node = 0, count = 0, participants = -1, results = -1, stages = -1;
  char name[kRallyNameSize];
  if (!ReadNumberField(file, &node) || !ReadNumberField(file, &count) || count != 1) return false;
  ReadTextField(file, name);
  if (!ReadNumberField(file, &participants) || !ReadNumberField(file, &results) || !ReadNumberField(file, &stages))
    return false;
  char expected[kRallyNameSize];
  DefaultRallyName(expected, 1);
  if (participants != 0 || results != 0 || stages != 0 || std::strcmp(name, expected) != 0) return false;
  // Only the tree-view flags may follow, every one 0.
  char line[4096];
  bool afterEmpty = false;
  int titles = 0;
  bool flagsLine = false;
  file.ReadLine(line, sizeof line);  // the rest of the header line
  while (file.ReadLine(line, sizeof line)) {
    if (flagsLine) {
      for (char* c = line; *c; ++c)
        if (*c != '0' && *c != '\t') return false;
      flagsLine = false;
    }
    if (line[0] == '\0') {
      afterEmpty = true;
      continue;
    }
    if (afterEmpty) {
      ++titles;
      char* tab = std::strchr(line, '\t');
      if (tab) *tab = '\0';
      if (std::strcmp(line, kTreeviewFlagsKey) != 0) return false;
      flagsLine = true;
    }
    afterEmpty = false;
  }
  return titles <= 1;
}

CrashCopy KeepCrashCopy(platform::WindowHandle owner) {
  if (!platform::FileExists(kRallyFilePath)) return CrashCopy::NoWorkingFile;
  if (IsUntouchedFreshEvent(kRallyFilePath)) return CrashCopy::FreshEventKept;
  if (platform::CopyFileTo(kRallyFilePath, kCrashCopyPath)) return CrashCopy::Copied;
  Error(owner, Text::CrashCopyFailed);
  return CrashCopy::Failed;
}

bool StageEntriesHaveResults(const StageEntry entries[kMaxParticipants]) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    if (IsRealEntry(entries[i]) && entries[i].name[0] != '\0' && (entries[i].time != 0 || entries[i].state != 0))
      return true;
  }
  return false;
}

bool RewriteHeader(platform::WindowHandle owner, const MainState& state) {
  return RewriteRallyFileHeader(owner, state.selectedNode, state.rallyCount, state.rallies);
}

bool RewriteTreeviewFlags(platform::WindowHandle owner, const MainState& state) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    Error(owner, Text::RallyFileNotFound);
    return false;
  }
  return WriteTreeviewFlagsSection(owner, file, kTreeviewFlagsKey, state.treeviewFlags);
}

LeftStage SaveLoadedStage(platform::WindowHandle owner, MainState& state) {
  LeftStage left = {false, kImageStage};
  if (StageEntriesHaveResults(state.entries)) state.stage.hasResults = 1;
  if (state.stage.title[0] == '\0' || !state.stage.hasResults) return left;
  int rally = RallyOfNode(state.stage.code);
  int stage = state.stage.code % 10000 - kFirstStageNode;
  if (rally < 1 || rally > kMaxRallies || stage < 1 || stage > kMaxStages) return left;
  bool withResults = StageEntriesHaveResults(state.entries);
  left.image = withResults ? kImageStageWithResults : kImageStage;
  int& flag = state.treeviewFlags[rally - 1][stage - 1];
  flag = FlagWithResults(flag, withResults);
  StageResultsText text = {state.timing.startText[0] ? state.timing.startText : kNotStartedText,
                           state.timing.comment[0] ? state.timing.comment : kNoComment,
                           state.timing.trackCondition};
  SaveResult result = WriteStageResultsSection(owner, state.entries, state.timing.stageState, state.timing.keptElapsed,
                                               text, state.rallies[rally - 1].participantCount, state.stage.title);
  if (result == SaveResult::FileNotFound) Error(owner, Text::RallyFileNotFound);
  left.saved = result == SaveResult::Saved;
  state.rallies[rally - 1].hasResults = 1;
  RewriteHeader(owner, state);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    Error(owner, Text::RallyFileNotFound);
    return left;
  }
  int first = 0;
  if (FindRallySectionOf(file, kStartOrderKey, rally, &first) && first != EOF) {
    file.Seek(-1, SEEK_CUR);
    file.Printf("%d\t", 1);
  }
  WriteTreeviewFlagsSection(owner, file, kTreeviewFlagsKey, state.treeviewFlags);
  return left;
}

void UnloadStage(MainState& state) {
  state.timing.stageLoaded = 0;
  state.timing.clearAllowed = 0;
  state.timing.entryCount = 0;
  state.stage.hasResults = 0;
  state.radioConflict = 0;
  platform::ZeroBytes(state.stageTitleText, sizeof state.stageTitleText);
  ClearStageEntries(state.entries);
  ClearStageEntries(state.ranking);
  ClearStageClassification(state.classification);
  ClearStageDisplayRows(state.display);
  state.parameters.startType = kStandardStart;
  state.parameters.startInterval = 60;
  std::snprintf(state.intervalText, sizeof state.intervalText, "%ds", state.parameters.startInterval);
  platform::ZeroBytes(&state.timing.clock, sizeof state.timing.clock);
  platform::ZeroBytes(state.stage.title, sizeof state.stage.title);
  state.stage.code = 0;
}

void SetStageTitleText(MainState& state, int rally, int stage) {
  platform::ZeroBytes(state.stageTitleText, sizeof state.stageTitleText);
  if (rally < 1 || rally > kMaxRallies || stage < 1 || stage > kMaxStages) return;
  int flag = state.treeviewFlags[rally - 1][stage - 1];
  if (flag & kStageIsPowerStage) {
    std::snprintf(state.stageTitleText, sizeof state.stageTitleText, Tr(Text::StageTitlePowerStage),
                  state.rallies[rally - 1].name);
  } else {
    std::snprintf(state.stageTitleText, sizeof state.stageTitleText, Tr(Text::StageTitle),
                  state.rallies[rally - 1].name, stage);
  }
}

void LoadStageForTiming(platform::WindowHandle owner, MainState& state, int rally, int stage) {
  if (rally < 1 || rally > kMaxRallies || stage < 1 || stage > kMaxStages) return;
  state.modificationMode = 0;
  state.clubChipEditing = 0;
  state.timing.stageLoaded = 1;
  state.timing.pauseAllowed = 1;
  state.timing.clearAllowed = 1;
  platform::ZeroBytes(state.participants, sizeof state.participants);
  static StartOrder order;
  platform::ZeroBytes(&order, sizeof order);
  ClearStageEntries(state.entries);
  ClearStageEntries(state.ranking);
  ClearStageClassification(state.classification);
  ClearStageDisplayRows(state.display);
  platform::ZeroBytes(state.stageTitleText, sizeof state.stageTitleText);
  platform::ZeroBytes(state.timing.startText, sizeof state.timing.startText);
  platform::ZeroBytes(state.timing.comment, sizeof state.timing.comment);
  platform::ZeroBytes(state.startOrderLabel, sizeof state.startOrderLabel);
  state.parameters = RallyParameters{};

  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file) {
      Error(owner, Text::RallyFileNotFound);
    } else {
      int first = 0;
      if (FindRallySectionOf(file, kParticipantsKey, rally, &first)) ReadParticipantsSection(file, first, state.participants);
      else Error(owner, Text::ParticipantsTitleNotFound);
      if (FindRallySectionOf(file, kStartOrderKey, rally, &first)) ReadStartOrderSection(file, first, &order);
      else Error(owner, Text::StartOrderTitleNotFound);
      state.startOrderHasResults = order.hasResults;
      platform::CopyBounded(state.startOrderLabel, order.label);
      if (FindRallySectionOf(file, kRallyParametersKey, rally, &first)) ReadRallyParametersSection(file, first, &state.parameters);
      // A build without start types times every stage with the standard start, whatever an
      // event made by another build says.
      int startType = state.parameters.startType;
      if (ActiveProfile().startTypes && FindRallySectionOf(file, kStartTypeKey, rally, &first) &&
          ReadNumbersSection(file, first, &startType, 1) == 1)
        state.parameters.startType = startType;
      ClampRallyParameters(&state.parameters);
    }
  }
  std::snprintf(state.intervalText, sizeof state.intervalText, "%ds", state.parameters.startInterval);
  int count = ClampParticipantCount(state.rallies[rally - 1].participantCount);
  state.timing.entryCount = count;
  state.stage.code = NodeCode(rally, kFirstStageNode + stage);
  SetStageTitleText(state, rally, stage);

  // A slot the start order does not name holds nobody.
  for (int i = 0; i < kMaxParticipants; ++i) {
    platform::CopyBounded(state.entries[i].name, order.names[i][0] ? order.names[i] : kEmptySlotName);
  }
  InitStageEntries(state.entries);

  FormatSectionTitle(state.stage.title, kStageResultsKey, rally, stage);
  ClearStageResultRows(state.resultRows);
  int stageState = 0, timeRun = 0;
  char startText[kStartTextSize] = {0};
  char comment[kCommentSize] = {0};
  char condition[kTrackConditionSize] = {0};
  if (!ReadStageResults(state.resultRows, &stageState, &timeRun, startText, comment, condition, state.stage.title))
    Error(owner, Text::RallyFileNotFound);
  if (condition[0]) platform::CopyBounded(state.timing.trackCondition, condition);
  state.stage.hasResults = 0;
  for (int i = 0; i < count; ++i) {
    if (state.resultRows[i].time != 0 || state.resultRows[i].state != 0) state.stage.hasResults = 1;
  }
  if (state.stage.hasResults) {
    state.timing.stageState = stageState;
    state.timing.keptElapsed = timeRun;
    platform::CopyBounded(state.timing.startText, startText);
    platform::CopyBounded(state.timing.comment, comment);
    for (int i = 0; i < count; ++i) {
      StageEntry& e = state.entries[i];
      platform::CopyBounded(e.name, state.resultRows[i].name);
      e.time = state.resultRows[i].time;
      e.state = state.resultRows[i].state;
      // Nobody is left on the course of a stage that is loaded again, and a finished
      // driver is never asked about a second finish. A state below them all (a damaged
      // file) would keep the stage from ever ending: that driver has not started.
      if (e.state < kEntryNotStarted || e.state == kEntryReleased || e.state == kEntryRunning)
        e.state = kEntryNotStarted;
      if (e.state == kEntryFinished) e.firstTime = kRedetectionQuestionOff;
    }
  } else {
    state.timing.stageState = 0;
    state.timing.keptElapsed = 0;
  }

  CopyTranspondersToStageEntries(state.entries, state.participants);
  for (int i = 0; i < count; ++i) {
    StageDisplayRow& row = state.display[i];
    platform::CopyBounded(row.name, state.entries[i].name);
    platform::CopyBounded(row.transponder, state.entries[i].transponder);
    std::snprintf(row.startPositionText, sizeof row.startPositionText, " %d ", (i + 1) % 1000);
  }
  CopyCarCategoriesToDisplayRows(state.display, state.participants);
  CopyCarNumbersToDisplayRows(state.display, state.participants);
  CopyTeamsToDisplayRows(state.display, state.participants);
  state.radioConflict = CheckFrequencyConflicts(state.entries, state.participants, 0);
  RerankStage(state.entries, state.ranking, state.classification, state.display, state.eventPenalties, count,
              NoCurrentEntry);
}

void ShortRerank(MainState& state) {
  MarkFastestStageTime(state.ranking, NoCurrentEntry);
  RankAndFormatStage(state.ranking, state.classification, state.display, state.timing.entryCount);
}

bool SaveAsPath(const char* chosen, char (&path)[kEventPathSize]) {
  return platform::NameWithExtension(chosen, ".rall", path, sizeof path);
}

bool SaveEventTo(platform::WindowHandle owner, MainState& state, const char* path) {
  if (!platform::CopyFileTo(kRallyFilePath, path)) {
    Error(owner, Text::EventNotSaved);
    return false;
  }
  if (state.eventPenaltyFlag == 1) {
    platform::TextFile copy(path, "r+");
    if (!copy) {
      Error(owner, Text::BackupFileNotFound);
    } else {
      WritePenaltiesSection(owner, copy, kPenaltiesKey, state.eventPenalties, 0);
    }
  }
  return true;
}

bool LoadEventFrom(platform::WindowHandle owner, MainState& state, const char* path) {
  if (!platform::CopyFileTo(path, kRallyFilePath)) {
    Error(owner, Text::EventNotLoaded);
    return false;
  }
  platform::CopyBounded(state.eventFilePath, path);
  ClearEvent(state);
  UnloadStage(state);
  state.radioConflict = 0;
  state.parameters = RallyParameters{};
  std::snprintf(state.intervalText, sizeof state.intervalText, "%ds", state.parameters.startInterval);
  ClearPenaltyList(state.eventPenalties);
  state.eventPenaltyFlag = 0;
  state.international = 0;
  if (!ReadRallyFileHeader(&state.selectedNode, &state.rallyCount, state.rallies)) {
    Error(owner, Text::RallyFileNotFound);
    return true;
  }
  state.selectedKind = NodeKind(state.selectedNode);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) return true;
  int first = 0;
  if (FindTitledSection(file, kTrackKey, &first)) {
    static TrackDetails track;
    platform::ZeroBytes(&track, sizeof track);
    ReadTrackSection(file, first, &track);
    PublishedEventName(track.eventName, &state.international);
  }
  for (int r = 1; r <= state.rallyCount; ++r) {
    if (FindRallySectionOf(file, kParticipantsKey, r, &first))
      ReadParticipantNamesSection(file, first, state.participantNames[r - 1]);
  }
  if (FindTitledSection(file, kTreeviewFlagsKey, &first)) ReadTreeviewFlagsSection(file, first, state.treeviewFlags);
  if (FindTitledSection(file, kPenaltiesKey, &first)) ReadPenaltiesSection(file, first, state.eventPenalties, &state.eventPenaltyFlag);
  return true;
}

bool AddRally(platform::WindowHandle owner, MainState& state) {
  if (state.rallyCount >= kMaxRallies) return false;
  int number = state.rallyCount + 1;
  RallyRecord& added = state.rallies[number - 1];
  RallyRecord before = added;
  platform::ZeroBytes(&added, sizeof added);
  DefaultRallyName(added.name, number);
  if (!RallyHeaderFits(state.selectedNode, number, state.rallies)) {
    added = before;
    Error(owner, Text::RallyHeaderTooLong);
    return false;
  }
  state.rallyCount = number;
  RewriteHeader(owner, state);
  return true;
}

bool AddSpecialStage(platform::WindowHandle owner, MainState& state, int rally) {
  if (!ValidRally(state, rally) || state.rallies[rally - 1].stageCount >= kMaxStages) return false;
  RallyRecord& record = state.rallies[rally - 1];
  // Stages added after the count fell to 0 start clean.
  if (record.stageCount == 0) std::memset(state.treeviewFlags[rally - 1], 0, sizeof state.treeviewFlags[0]);
  ++record.stageCount;
  state.treeviewFlags[rally - 1][record.stageCount - 1] = 0;
  RewriteHeader(owner, state);
  return true;
}

bool SetPowerStage(platform::WindowHandle owner, MainState& state, int rally, int stage, bool powerStage) {
  if (!ValidRally(state, rally) || stage < 1 || stage > state.rallies[rally - 1].stageCount) return false;
  int& flag = state.treeviewFlags[rally - 1][stage - 1];
  flag = FlagWithPowerStage(flag, powerStage);
  RewriteTreeviewFlags(owner, state);
  SetStageTitleText(state, rally, stage);
  return true;
}

bool SetStageRemoved(platform::WindowHandle owner, MainState& state, int rally, int stage, bool removed) {
  if (!ValidRally(state, rally) || stage < 2 || stage > state.rallies[rally - 1].stageCount) return false;
  int& flag = state.treeviewFlags[rally - 1][stage - 1];
  flag = FlagRemoved(flag, removed);
  RewriteTreeviewFlags(owner, state);
  return true;
}

bool RenameRally(platform::WindowHandle owner, MainState& state, int rally, const char* name) {
  if (!ValidRally(state, rally)) return false;
  switch (CheckRallyName(name, state.selectedNode, state.rallyCount, state.rallies, rally)) {
    case RallyNameCheck::Accepted:
      break;
    case RallyNameCheck::BadCharacters:
      platform::ShowMessage(owner, Tr(Text::RallyNameRefused), Tr(Text::CaptionError),
                            platform::kMbOk | platform::kMbIconStop);
      return false;
    case RallyNameCheck::EmptyOrLeadingBlank:
      platform::ShowMessage(owner, Tr(Text::RallyNameEmpty), Tr(Text::CaptionError),
                            platform::kMbOk | platform::kMbIconStop);
      return false;
    case RallyNameCheck::TooLong:
      platform::ShowMessage(owner, Tr(Text::RallyHeaderTooLong), Tr(Text::CaptionError),
                            platform::kMbOk | platform::kMbIconStop);
      return false;
  }
  platform::CopyBounded(state.rallies[rally - 1].name, name);
  RewriteHeader(owner, state);
  return true;
}

void RecomputeLateStarts(MainState& state) {
  int limit = LateStartLimitMs(state.lateStart);
  bool wrc = state.parameters.startType == kWrcStart;
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageEntry& e = state.entries[i];
    // Before his first pass startOffset holds a tick count, not a delay.
    if (!IsRealEntry(e) || e.state < kEntryRunning) continue;
    int late = (e.startOffset > limit || (wrc && e.startOffset < 0)) ? 1 : 0;
    e.lateStart = late;
    state.ranking[i].lateStart = late;
    state.display[i].lateStart = late;
  }
}

bool ReloadAfterParticipantsDialog(platform::WindowHandle owner, MainState& state) {
  ClearRallyList(state.rallies);
  ClearRallyParticipantNames(state.participantNames);
  if (!ReadRallyFileHeader(&state.selectedNode, &state.rallyCount, state.rallies)) Error(owner, Text::RallyFileNotFound);
  if (!ReadRallyParticipantNames(state.participantNames, state.selectedNode)) Error(owner, Text::RallyFileNotFound);
  int rally = RallyOfNode(state.selectedNode);
  if (!ValidRally(state, rally)) return false;
  if (state.rallies[rally - 1].stageCount != 0) return false;
  // The dialog set the number of stages to 0: stages added afresh inherit nothing.
  std::memset(state.treeviewFlags[rally - 1], 0, sizeof state.treeviewFlags[0]);
  RewriteTreeviewFlags(owner, state);
  return true;
}

void ReloadRallyParameters(platform::WindowHandle owner, MainState& state) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    Error(owner, Text::RallyFileNotFound);
    return;
  }
  int rally = RallyOfNode(state.selectedNode);
  int first = 0;
  RallyParameters read = state.parameters;
  if (FindRallySectionOf(file, kRallyParametersKey, rally, &first)) ReadRallyParametersSection(file, first, &read);
  int startType = read.startType;
  if (ActiveProfile().startTypes && FindRallySectionOf(file, kStartTypeKey, rally, &first) &&
      ReadNumbersSection(file, first, &startType, 1) == 1)
    read.startType = startType;
  ClampRallyParameters(&read);
  state.parameters = read;
  if (state.parameters.startType == kWrcStart) state.lateStart.enabled2 = 1;
  state.startTimeColumnWidth = state.lateStart.enabled2 ? 100 : 5;
  std::snprintf(state.intervalText, sizeof state.intervalText, "%ds", state.parameters.startInterval);
}
