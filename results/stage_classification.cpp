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
  int first = 0;
  if (FindTitledSection(file, kTrackKey, &first)) {
    ReadTrackSection(file, first, &data->track);
    data->international = StripInternationalPrefix(&data->track) ? 1 : 0;
  }
  if (data->rally == 0) return;
  if (FindTitledSection(file, kTreeviewFlagsKey, &first)) {
    static TreeviewFlags flags;
    ClearTreeviewFlags(flags);
    ReadTreeviewFlagsSection(file, first, flags);
    std::memcpy(data->stageStatuses, flags[data->rally - 1], sizeof data->stageStatuses);
  } else {
    ShowError(owner, Text::TreeviewFlagsTitleNotFoundMain);
  }
  if (FindRallySectionOf(file, kParticipantsKey, data->rally, &first)) {
    ReadParticipantsSection(file, first, data->participants);
  } else {
    ShowError(owner, Text::ParticipantsListTitleNotFound);
  }
  if (FindRallySectionOf(file, kParticipantAgesKey, data->rally, &first)) {
    ReadParticipantAgesSection(file, first, data->participants);
  }
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

int CountPenalties(const PenaltyRecord penalties[kMaxPenalties]) {
  int n = 0;
  while (n < kMaxPenalties && penalties[n].code[0] != '\0') ++n;
  return n;
}

bool PassesFilters(const ParticipantRecord& p, const char* carFilter, const char* ageFilter) {
  if (std::strcmp(carFilter, kAllCategories) != 0 &&
      std::strncmp(p.carCategory, carFilter, sizeof p.carCategory) != 0)
    return false;
  if (std::strcmp(ageFilter, kAllCategories) != 0) {
    char age[kAgeFilterSize + 8];
    std::snprintf(age, sizeof age, "%.*s(%.*s)", static_cast<int>(sizeof p.ageCategoryCode), p.ageCategoryCode,
                  static_cast<int>(sizeof p.ageCategoryName), p.ageCategoryName);
    if (std::strcmp(age, ageFilter) != 0) return false;
  }
  return true;
}

// Rows of the passing participants with the time and state of the result row of their name.
int FillRows(const StageClassificationData& data, const char* carFilter, const char* ageFilter,
             ClassificationRow rows[kMaxParticipants]) {
  ClearClassificationRows(rows);
  const int n = data.participantCount;
  int count = 0;
  for (int i = 0; i < n; ++i) {
    const ParticipantRecord& p = data.participants[i];
    if (!PassesFilters(p, carFilter, ageFilter)) continue;
    ClassificationRow& row = rows[count++];
    platform::CopyBounded(row.name, sizeof row.name, std::string(p.name, strnlen(p.name, sizeof p.name)).c_str());
    std::memcpy(row.carNumber, p.carNumber, sizeof row.carNumber);
    std::memcpy(row.team, p.team, sizeof row.team);
    std::memcpy(row.category, p.carCategory, sizeof row.category);
    std::memcpy(row.ageCode, p.ageCategoryCode, sizeof row.ageCode);
    std::memcpy(row.ageName, p.ageCategoryName, sizeof row.ageName);
    for (int r = 0; r < n; ++r) {
      if (SameField(data.results[r].name, p.name)) {
        row.time = data.penalisedTimes[r];
        row.state = data.results[r].state;
      }
    }
  }
  return count;
}

void RankAndGaps(ClassificationRow rows[kMaxParticipants], int count) {
  RankClassificationByTime(rows, count);
  RankClassificationByTime(rows, count);
  ComputeClassificationGaps(rows, count);
}

void SetFilter(char* filter, std::size_t size, const char* item) {
  if (!item || std::strcmp(item, Tr(Text::ClassificationAllCategories)) == 0) item = kAllCategories;
  platform::CopyBounded(filter, size, item);
}

std::string AgeItem(const ClassificationRow& row) {
  return std::string(row.ageCode, strnlen(row.ageCode, sizeof row.ageCode)) + "(" +
         std::string(row.ageName, strnlen(row.ageName, sizeof row.ageName)) + ")";
}

std::string CarItem(const ClassificationRow& row) {
  return std::string(row.category, strnlen(row.category, sizeof row.category));
}

template <typename Item>
std::vector<std::string> CategoryItems(const ClassificationRow rows[kMaxParticipants], int count, Item item) {
  std::vector<std::string> items{Tr(Text::ClassificationAllCategories), item(rows[0])};
  for (int i = 0; i + 1 < count; ++i) {
    if (item(rows[i]) != item(rows[i + 1])) items.push_back(item(rows[i + 1]));
  }
  return items;
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
    std::snprintf(data->pageTitle, sizeof data->pageTitle, "%s - SS%d ", data->rallyName, data->stage);
    if (IsPowerStage(*data)) {
      std::strncat(data->pageTitle, Tr(Text::StageClassificationPowerStageSuffix),
                   sizeof data->pageTitle - std::strlen(data->pageTitle) - 1);
    }
  }
  if (fromDatabase == 1) {
    ClearPenaltyList(data->penalties);
    if (!ReadPenaltiesDatabase(data->penalties)) ShowError(owner, Text::PenaltiesDatabaseNotFound);
  }
  data->penaltyCount = CountPenalties(data->penalties);
  if (!ReadLogoPath(data->logoPath)) ShowError(owner, Text::DisplaySettingsNotFound);
}

bool IsPowerStage(const StageClassificationData& data) {
  if (!ActiveProfile().powerStage || data.stage < 1 || data.stage > kMaxStages) return false;
  const int status = data.stageStatuses[data.stage - 1];
  return status >= 4 && status <= 7;
}

const PenaltyRecord* CarriedPenalty(int state, const PenaltyRecord penalties[kMaxPenalties], int penaltyCount) {
  const int p = state - kEntryFirstPenalty;
  if (p < 0 || p >= penaltyCount || p >= kMaxPenalties) return nullptr;
  return &penalties[p];
}

void ComputePenalisedTimes(const StageResultRow results[kMaxParticipants], const PenaltyRecord penalties[kMaxPenalties],
                           int penaltyCount, int count, int times[kMaxParticipants]) {
  count = ClampParticipantCount(count);
  // From the stored times, so that penalties do not feed each other; an empty slot's
  // NoTime is nobody's time.
  int best = 0, worst = 0;
  for (int i = 0; i < count; ++i) {
    const int t = results[i].time;
    if (t >= NoTime) continue;
    if (t != 0 && (best == 0 || t < best)) best = t;
    if (t > worst) worst = t;
  }
  for (int i = 0; i < kMaxParticipants; ++i) {
    const int stored = results[i].time;
    times[i] = stored;
    const PenaltyRecord* penalty = CarriedPenalty(results[i].state, penalties, penaltyCount);
    if (!penalty) continue;
    const std::int64_t d = std::int64_t{penalty->duration} * 1000;
    switch (penalty->kind) {
      case kPenaltyGross: times[i] = ClampToTime(d); break;
      case kPenaltyAdded: times[i] = ClampToTime(stored + d); break;
      case kPenaltyAfterWinner: times[i] = ClampToTime(best + d); break;
      case kPenaltyAfterLast: times[i] = ClampToTime(worst + d); break;
      default: break;
    }
  }
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
  items.cars = CategoryItems(data->rows, data->rowCount, CarItem);
  GroupClassificationByAgeCategory(data->rows, data->rowCount);
  items.ages = CategoryItems(data->rows, data->rowCount, AgeItem);
  RankAndGaps(data->rows, data->rowCount);
  BuildPenaltyNotes(data);
  return items;
}

void ChangeStageFilters(StageClassificationData* data, const char* carItem, const char* ageItem) {
  SetFilter(data->carFilter, sizeof data->carFilter, carItem);
  SetFilter(data->ageFilter, sizeof data->ageFilter, ageItem);
  BuildStageClassificationRows(data);
  RankAndGaps(data->rows, data->rowCount);
  BuildPenaltyNotes(data);
}

int BuildPowerStageRows(const StageClassificationData& data, ClassificationRow rows[kMaxParticipants]) {
  const int count = FillRows(data, kAllCategories, kAllCategories, rows);
  RankClassificationByTime(rows, count);
  RankClassificationByTime(rows, count);
  return count;
}

void AddPowerStageBody(SectionBody& body, const ClassificationRow rows[kMaxParticipants], int count,
                       int international) {
  static ClassifiedDriver drivers[kMaxParticipants];
  platform::ZeroBytes(drivers, sizeof drivers);
  for (int i = 0; i < ClampParticipantCount(count); ++i) {
    std::memcpy(drivers[i].name, rows[i].name, sizeof drivers[i].name);
    std::memcpy(drivers[i].team, rows[i].team, sizeof drivers[i].team);
    std::memcpy(drivers[i].carCategory, rows[i].category, sizeof drivers[i].carCategory);
    std::memcpy(drivers[i].ageCategoryCode, rows[i].ageCode, sizeof drivers[i].ageCategoryCode);
    std::memcpy(drivers[i].ageCategoryName, rows[i].ageName, sizeof drivers[i].ageCategoryName);
  }
  AddSavedClassificationBody(body, international, drivers);
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
  AddPowerStageBody(body, rows, count, data.international);
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
