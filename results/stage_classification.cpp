#include "results/stage_classification.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/event_tree_model.h"
#include "race/penalty_database.h"
#include "race/stage_timing.h"
#include "race/time_format.h"

namespace {

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

template <std::size_t N>
bool SameField(const char (&a)[N], const char (&b)[N]) {
  return std::strncmp(a, b, N) == 0;
}

// The condition word as stored by any build, in the words every archive uses.
void NormaliseTrackCondition(char (&condition)[kTrackConditionSize]) {
  struct Word {
    const char* stored;
    const char* shown;
  };
  static const Word kWords[] = {{"Sec", "Dry"},   {"Seco", "Dry"},  {"Pluie", "Wet"},
                                {"Lluvia", "Wet"}, {"Glace", "Ice"}, {"Hielo", "Ice"}};
  for (const Word& word : kWords) {
    if (std::strcmp(condition, word.stored) == 0) {
      platform::CopyBounded(condition, word.shown);
      return;
    }
  }
}

void ReadRallySections(platform::WindowHandle owner, platform::TextFile& file, StageClassificationData* data,
                       int* fromDatabase) {
  ReadClassifiedRally(owner, file, data->rally, &data->track, &data->international, data->stageStatuses,
                      data->participants);
  if (data->rally == 0) return;
  int first = 0;
  if (FindTitledSection(file, kPenaltiesKey, &first)) ReadPenaltiesSection(file, first, data->penalties, fromDatabase);
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kStageResultsKey, data->rally, data->stage);
  if (FindTitledSection(file, title, &first)) {
    int stageState = 0, timeRun = 0;
    static char startText[kStartTextSize];
    ReadStageResultsSection(file, first, data->results, &stageState, &timeRun, startText, data->comment,
                            data->trackCondition);
    NormaliseTrackCondition(data->trackCondition);
  }
}

// Rows of the passing participants with the time and state of the result row of their name.
int FillRows(const StageClassificationData& data, const char* carFilter, const char* ageFilter,
             ClassificationRow rows[kMaxParticipants]) {
  const int count = FillParticipantRows(data.participants, data.participantCount, carFilter, ageFilter, rows);
  for (int i = 0; i < count; ++i) {
    ClassificationRow& row = rows[i];
    for (int r = 0; r < data.participantCount; ++r) {
      if (SameField(data.results[r].name, row.name)) {
        row.time = data.penalisedTimes[r];
        row.state = data.results[r].state;
      }
    }
  }
  return count;
}

}  // namespace

void LoadStageClassification(platform::WindowHandle owner, StageClassificationData* data) {
  platform::ZeroBytes(data, sizeof *data);
  ClearPenaltyList(data->penalties);
  platform::CopyBounded(data->carFilter, kAllCategories);
  platform::CopyBounded(data->ageFilter, kAllCategories);
  int fromDatabase = 0;
  static RallyRecord rallies[kMaxRallies];
  int rallyCount = 0;
  if (!ReadRallyFileHeader(&data->selectedNode, &rallyCount, rallies)) {
    ShowError(owner, Text::RallyFileNotFound);
  } else {
    // A stale or spoilt code names no stage: the classification stays empty.
    int rally = EventRallyOfNode(data->selectedNode, rallyCount);
    int stage = data->selectedNode % 10000 - kRallyClassificationNode;
    if (rally != 0 && stage >= 1 && stage <= kMaxStages) {
      data->rally = rally;
      data->stage = stage;
      platform::CopyBounded(data->rallyName, sizeof data->rallyName,
                            std::string(rallies[rally - 1].name, strnlen(rallies[rally - 1].name, kRallyNameSize)).c_str());
      data->participantCount = ClampParticipantCount(rallies[rally - 1].participantCount);
    }
    platform::TextFile file(kRallyFilePath, "r+");
    if (file) {
      ReadRallySections(owner, file, data, &fromDatabase);
    } else {
      ShowError(owner, Text::RallyFileNotFound);
    }
  }
  if (data->stage != 0) {
    std::snprintf(data->pageTitle, sizeof data->pageTitle, Tr(Text::StageClassificationPageTitle), data->rallyName,
                  data->stage);
    if (IsPowerStage(*data)) {
      std::strncat(data->pageTitle, Tr(Text::StageClassificationPowerStageSuffix),
                   sizeof data->pageTitle - std::strlen(data->pageTitle) - 1);
    }
  }
  if (fromDatabase == 1) {
    ClearPenaltyList(data->penalties);
    if (!ReadPenaltiesDatabase(data->penalties)) ShowError(owner, Text::PenaltiesDatabaseNotFound);
  }
  data->penaltyCount = DefinedPenaltyCount(data->penalties);
  if (!ReadLogoPath(data->logoPath)) ShowError(owner, Text::DisplaySettingsNotFound);
}

bool IsPowerStage(const StageClassificationData& data) {
  if (!ActiveProfile().powerStage || data.stage < 1 || data.stage > kMaxStages) return false;
  const int status = data.stageStatuses[data.stage - 1];
  return status >= 4 && status <= 7;
}

void BuildStageClassificationRows(StageClassificationData* data) {
  data->rowCount = FillRows(*data, data->carFilter, data->ageFilter, data->rows);
}

void BuildPenaltyNotes(StageClassificationData* data) {
  data->noteCount = 0;
  for (int p = 0; p < data->penaltyCount && p < kMaxPenalties; ++p) {
    bool carried = false;
    for (int i = 0; i < data->rowCount && !carried; ++i) carried = data->rows[i].state == p + kEntryFirstPenalty;
    if (!carried) continue;
    PenaltyNote& note = data->notes[data->noteCount++];
    platform::ZeroBytes(&note, sizeof note);
    std::memcpy(note.code, data->penalties[p].code, sizeof note.code - 1);
    std::memcpy(note.name, data->penalties[p].name, sizeof note.name - 1);
    note.duration = data->penalties[p].duration;
    note.kind = data->penalties[p].kind;
  }
}

StageFilterItems OpenStageClassification(StageClassificationData* data) {
  ComputePenalisedTimes(data->results, data->penalties, data->penaltyCount, data->participantCount,
                        data->penalisedTimes);
  platform::CopyBounded(data->carFilter, kAllCategories);
  platform::CopyBounded(data->ageFilter, kAllCategories);
  BuildStageClassificationRows(data);
  StageFilterItems items;
  GroupClassificationByCarCategory(data->rows, data->rowCount);
  items.cars = CarFilterItems(data->rows, data->rowCount);
  GroupClassificationByAgeCategory(data->rows, data->rowCount);
  items.ages = AgeFilterItems(data->rows, data->rowCount);
  RankWithGaps(data->rows, data->rowCount);
  BuildPenaltyNotes(data);
  return items;
}

void ChangeStageFilters(StageClassificationData* data, const char* carItem, const char* ageItem) {
  SetCategoryFilter(data->carFilter, sizeof data->carFilter, carItem);
  SetCategoryFilter(data->ageFilter, sizeof data->ageFilter, ageItem);
  BuildStageClassificationRows(data);
  RankWithGaps(data->rows, data->rowCount);
  BuildPenaltyNotes(data);
}

int BuildPowerStageRows(const StageClassificationData& data, ClassificationRow rows[kMaxParticipants]) {
  const int count = FillRows(data, kAllCategories, kAllCategories, rows);
  RankClassificationByTime(rows, count);
  RankClassificationByTime(rows, count);
  return count;
}

bool SavePowerStageClassification(platform::WindowHandle owner, const StageClassificationData& data) {
  if (!IsPowerStage(data) || data.rally == 0) return false;
  static ClassificationRow rows[kMaxParticipants];
  const int count = BuildPowerStageRows(data, rows);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RallyFileNotFound);
    return false;
  }
  SectionBody body;
  AddSavedClassificationRows(body, rows, count, data.international);
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kPowerStageClassificationKey, data.rally);
  return WriteRallySection(owner, file, title, kSavedClassificationReserve, body,
                           Text::PowerStageClassificationTitleNotFound);
}

std::string StageArchiveName(const StageClassificationData& data) {
  char name[16];
  std::snprintf(name, sizeof name, IsPowerStage(data) ? "PS%d.txt" : "ES%d.txt", data.stage);
  return name;
}

StagePublishRefusal CheckStagePublishing(int connected, int publishingActive, const StageClassificationData& data) {
  if (connected != 1) return StagePublishRefusal::NotConnected;
  if (publishingActive == 0) return StagePublishRefusal::NotActivated;
  if (std::strcmp(data.carFilter, kAllCategories) != 0 || std::strcmp(data.ageFilter, kAllCategories) != 0)
    return StagePublishRefusal::Filtered;
  if (data.rowCount == 0 || data.stage == 0) return StagePublishRefusal::Empty;
  return StagePublishRefusal::None;
}
