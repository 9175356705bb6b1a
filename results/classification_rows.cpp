#include "results/classification_rows.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/stage_timing.h"
#include "race/time_format.h"

void ReadClassifiedRally(platform::WindowHandle owner, platform::TextFile& file, int rally, TrackDetails* track,
                         int* international, int stageStatuses[kMaxStages],
                         ParticipantRecord participants[kMaxParticipants]) {
  auto error = [owner](Text text) {
    platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
  };
  int first = 0;
  if (FindTitledSection(file, kTrackKey, &first)) {
    ReadTrackSection(file, first, track);
    *international = StripInternationalPrefix(track) ? 1 : 0;
  }
  if (rally < 1 || rally > kMaxRallies) return;
  if (FindTitledSection(file, kTreeviewFlagsKey, &first)) {
    static TreeviewFlags flags;
    ClearTreeviewFlags(flags);
    ReadTreeviewFlagsSection(file, first, flags);
    std::memcpy(stageStatuses, flags[rally - 1], sizeof flags[rally - 1]);
  } else {
    error(Text::TreeviewFlagsTitleNotFoundMain);
  }
  if (FindRallySectionOf(file, kParticipantsKey, rally, &first)) {
    ReadParticipantsSection(file, first, participants);
  } else {
    error(Text::ClassificationParticipantsTitleNotFound);
  }
  if (FindRallySectionOf(file, kParticipantAgesKey, rally, &first)) ReadParticipantAgesSection(file, first, participants);
}

const PenaltyRecord* CarriedPenalty(int state, const PenaltyRecord penalties[kMaxPenalties], int penaltyCount) {
  const int p = PenaltyIndexOfState(state);
  if (p < 0 || p >= penaltyCount) return nullptr;
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

namespace {

template <std::size_t N>
std::string Field(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

std::string AgeItem(const ClassificationRow& row) { return Field(row.ageCode) + "(" + Field(row.ageName) + ")"; }
std::string CarItem(const ClassificationRow& row) { return Field(row.category); }

template <typename Item>
std::vector<std::string> CategoryItems(const ClassificationRow rows[kMaxParticipants], int count, Item item) {
  count = ClampParticipantCount(count);
  std::vector<std::string> items{Tr(Text::ClassificationAllCategories), item(rows[0])};
  for (int i = 0; i + 1 < count; ++i) {
    if (item(rows[i]) != item(rows[i + 1])) items.push_back(item(rows[i + 1]));
  }
  return items;
}

}  // namespace

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

void CopyParticipantToRow(const ParticipantRecord& p, ClassificationRow* row) {
  platform::ZeroBytes(row, sizeof *row);
  platform::CopyBounded(row->name, sizeof row->name, Field(p.name).c_str());
  std::memcpy(row->carNumber, p.carNumber, sizeof row->carNumber);
  std::memcpy(row->team, p.team, sizeof row->team);
  std::memcpy(row->category, p.carCategory, sizeof row->category);
  std::memcpy(row->ageCode, p.ageCategoryCode, sizeof row->ageCode);
  std::memcpy(row->ageName, p.ageCategoryName, sizeof row->ageName);
}

int FillParticipantRows(const ParticipantRecord participants[kMaxParticipants], int count, const char* carFilter,
                        const char* ageFilter, ClassificationRow rows[kMaxParticipants]) {
  ClearClassificationRows(rows);
  count = ClampParticipantCount(count);
  int rowCount = 0;
  for (int i = 0; i < count; ++i) {
    if (PassesFilters(participants[i], carFilter, ageFilter)) CopyParticipantToRow(participants[i], &rows[rowCount++]);
  }
  return rowCount;
}

void SetCategoryFilter(char* filter, std::size_t size, const char* item) {
  if (!item || std::strcmp(item, Tr(Text::ClassificationAllCategories)) == 0) item = kAllCategories;
  platform::CopyBounded(filter, size, item);
}

std::vector<std::string> CarFilterItems(const ClassificationRow rows[kMaxParticipants], int count) {
  return CategoryItems(rows, count, CarItem);
}

std::vector<std::string> AgeFilterItems(const ClassificationRow rows[kMaxParticipants], int count) {
  return CategoryItems(rows, count, AgeItem);
}

void RankWithGaps(ClassificationRow rows[kMaxParticipants], int count) {
  RankClassificationByTime(rows, count);
  RankClassificationByTime(rows, count);
  ComputeClassificationGaps(rows, count);
}

void AddSavedClassificationRows(SectionBody& body, const ClassificationRow rows[kMaxParticipants], int count,
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
