// What the stage and rally classifications do alike with the event's tables: the penalised
// time of a stage's result rows, the rows of the participants that pass the category
// filters, the filters as the combos give them, and the combos' items.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "race/classification.h"
#include "race/event_records.h"
#include "race/penalty_record.h"

class SectionBody;
namespace platform {
class TextFile;
}

// The filter value meaning "every category", stored whatever the build's language.
inline constexpr const char* kAllCategories = "Toutes";
inline constexpr int kCarFilterSize = 50;
inline constexpr int kAgeFilterSize = 26;

// What every classification reads of its rally from the open event file: the track details
// (without the international prefix, *international telling whether it was there), the
// rally's tree-view flags and its participants with their ages, with a message for missing
// flags or participants. Rally 0 (none of the event's) reads only the track details.
void ReadClassifiedRally(platform::WindowHandle owner, platform::TextFile& file, int rally, TrackDetails* track,
                         int* international, int stageStatuses[kMaxStages],
                         ParticipantRecord participants[kMaxParticipants]);

// The penalty a row's state carries (state - 4), or null when it carries none.
const PenaltyRecord* CarriedPenalty(int state, const PenaltyRecord penalties[kMaxPenalties], int penaltyCount);

// The time of each result row after its penalty. Penalties "after the winner" and "after
// the last" start from the best (non-zero) and the worst stored time of rows 0..count-1,
// empty slots at NoTime left out. A state pointing past the defined penalties applies none.
void ComputePenalisedTimes(const StageResultRow results[kMaxParticipants], const PenaltyRecord penalties[kMaxPenalties],
                           int penaltyCount, int count, int times[kMaxParticipants]);

// Whether a participant passes the car filter and the "code(name)" age filter.
bool PassesFilters(const ParticipantRecord& participant, const char* carFilter, const char* ageFilter);
// A cleared row with the participant's name, car number, team and categories.
void CopyParticipantToRow(const ParticipantRecord& participant, ClassificationRow* row);
// Rows 0.. of the participants 0..count-1 that pass the filters, the others cleared; the
// number of rows.
int FillParticipantRows(const ParticipantRecord participants[kMaxParticipants], int count, const char* carFilter,
                        const char* ageFilter, ClassificationRow rows[kMaxParticipants]);

// A combo's text as a filter: the build's "All" (or nothing) is every category.
void SetCategoryFilter(char* filter, std::size_t size, const char* item);

// The filter combos' items, filled once at opening: "All" then each category once.
struct ClassificationFilterItems {
  std::vector<std::string> cars;
  std::vector<std::string> ages;
};
// "All", then row 0's car category, then each row's category that differs from the row
// before; rows grouped by car category give each category once.
std::vector<std::string> CarFilterItems(const ClassificationRow rows[kMaxParticipants], int count);
// The same for the "code(name)" of the age categories.
std::vector<std::string> AgeFilterItems(const ClassificationRow rows[kMaxParticipants], int count);

// Ranks twice (a stable sort) and computes the gaps.
void RankWithGaps(ClassificationRow rows[kMaxParticipants], int count);

// The saved classification body of ranked rows (the Power Stage's and the rally's): the
// international flag, then 200 lines of the five texts, a driver's place being his line.
void AddSavedClassificationRows(SectionBody& body, const ClassificationRow rows[kMaxParticipants], int count,
                                int international);
