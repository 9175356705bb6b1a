#include "race/stage_ranking.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/bounded.h"
#include "race/time_format.h"

namespace {

int ClampCount(int count) { return ClampParticipantCount(count); }

bool SameName(const char* a, const char* b) { return std::strncmp(a, b, kDriverNameSize) == 0; }

}  // namespace

void CopyStageEntriesForRanking(StageEntry entries[kMaxParticipants], StageEntry ranking[kMaxParticipants],
                                const PenaltyRecord penalties[kMaxPenalties]) {
  int lastValidState = kEntryFinished + DefinedPenaltyCount(penalties);
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageEntry& copy = ranking[i];
    // The splits are not copied: the ranking copy keeps its own until they are split again.
    StageEntry splits = copy;
    copy = entries[i];
    copy.startOffsetMinutes = splits.startOffsetMinutes;
    copy.startOffsetSeconds = splits.startOffsetSeconds;
    copy.startOffsetMillis = splits.startOffsetMillis;
    copy.timeHours = splits.timeHours;
    copy.timeMinutes = splits.timeMinutes;
    copy.timeSeconds = splits.timeSeconds;
    copy.timeMillis = splits.timeMillis;
    copy.gapToLeaderHours = splits.gapToLeaderHours;
    copy.gapToLeaderMinutes = splits.gapToLeaderMinutes;
    copy.gapToLeaderSeconds = splits.gapToLeaderSeconds;
    copy.gapToLeaderMillis = splits.gapToLeaderMillis;
    copy.gapToPreviousHours = splits.gapToPreviousHours;
    copy.gapToPreviousMinutes = splits.gapToPreviousMinutes;
    copy.gapToPreviousSeconds = splits.gapToPreviousSeconds;
    copy.gapToPreviousMillis = splits.gapToPreviousMillis;
    if (entries[i].state > lastValidState) {
      entries[i].state = kEntryFinished;
      copy.state = kEntryFinished;
    }
  }
}

void ApplyStagePenalties(StageEntry ranking[kMaxParticipants], const StageEntry entries[kMaxParticipants],
                         const PenaltyRecord penalties[kMaxPenalties], int count) {
  count = ClampCount(count);
  // Taken over the raw times, so that penalties do not feed each other; an empty slot's
  // NoTime is nobody's time.
  int best = 0;
  int worst = 0;
  bool anyBest = false;
  bool anyWorst = false;
  for (int i = 0; i < count; ++i) {
    int t = entries[i].time;
    if (t >= NoTime) continue;
    if (t != 0 && (!anyBest || t < best)) {
      best = t;
      anyBest = true;
    }
    if (!anyWorst || t > worst) {
      worst = t;
      anyWorst = true;
    }
  }
  for (int i = 0; i < kMaxParticipants; ++i) {
    const int index = PenaltyIndexOfState(entries[i].state);
    if (index < 0) continue;
    const PenaltyRecord& penalty = penalties[index];
    std::int64_t duration = std::int64_t{penalty.duration} * 1000;
    switch (penalty.kind) {
      case kPenaltyGross:
        ranking[i].time = ClampToTime(duration);
        break;
      case kPenaltyAdded:
        ranking[i].time = ClampToTime(entries[i].time + duration);
        break;
      case kPenaltyAfterWinner:
        ranking[i].time = ClampToTime(best + duration);
        break;
      case kPenaltyAfterLast:
        ranking[i].time = ClampToTime(worst + duration);
        break;
      default:
        break;
    }
  }
}

void MarkFastestStageTime(StageEntry entries[kMaxParticipants], int index) {
  int best = NoTime;
  bool found = false;
  for (int i = 0; i < kMaxParticipants; ++i) {
    int t = entries[i].time;
    if (t != 0 && t < best) {
      best = t;
      found = true;
    }
  }
  // Without any time there is no fastest one: empty slots at NoTime are not it.
  for (int i = 0; i < kMaxParticipants; ++i) entries[i].equalsBest = found && entries[i].time == best ? 1 : 0;
  if (index >= 0 && index < kMaxParticipants) entries[index].isNewBest = found && entries[index].time == best ? 1 : 0;
}

namespace {

// Ranking keys of the slots, and the competing slots in place order.
int rankingKey[kMaxParticipants];
bool rankedWithoutTime[kMaxParticipants];  // placed on a placeholder key; shown with time 0
short placeOrder[kMaxParticipants];

}  // namespace

void RankStageEntries(const StageEntry entries[kMaxParticipants], StageClassificationRow rows[kMaxParticipants],
                      int count) {
  count = ClampCount(count);
  int competing = 0;
  for (int i = 0; i < kMaxParticipants; ++i) {
    const StageEntry& e = entries[i];
    bool finished = e.state >= kEntryFinished;
    rankedWithoutTime[i] = e.time == 0;
    rankingKey[i] = e.time != 0 ? e.time : (finished ? kStageKeyFinishedWithoutTime : kStageKeyNotFinished);
    // Only finished and penalised drivers (and empty slots) take places.
    if (finished) placeOrder[competing++] = static_cast<short>(i);
  }
  // The order of a selection of the smallest key repeated place after place, in which a
  // tie goes to the later slot; sorted once instead of searched count times.
  std::sort(placeOrder, placeOrder + competing, [](short a, short b) {
    return rankingKey[a] != rankingKey[b] ? rankingKey[a] < rankingKey[b] : a > b;
  });
  for (int place = 1; place <= count; ++place) {
    StageClassificationRow& row = rows[place - 1];
    row = StageClassificationRow{};
    // More places than finished drivers and empty slots: the place stays empty.
    if (place > competing) continue;
    int chosen = placeOrder[place - 1];
    platform::CopyBounded(row.name, sizeof row.name, entries[chosen].name);
    row.rank = place;
    row.time = rankedWithoutTime[chosen] ? 0 : rankingKey[chosen];
    row.state = entries[chosen].state;
  }
}

void ComputeStageGaps(StageClassificationRow rows[kMaxParticipants], int count) { ComputeRankedGaps(rows, count); }

namespace {

// Rows by name for the merge: the last row of each name, found by hashing instead of
// comparing every entry with every row.
constexpr int kNameSlots = 512;  // a power of two, above twice the rows
short nameSlotRow[kNameSlots];

unsigned HashName(const char* name) {
  unsigned h = 2166136261u;
  for (int i = 0; i < kDriverNameSize && name[i] != '\0'; ++i) {
    h = (h ^ static_cast<unsigned char>(name[i])) * 16777619u;
  }
  return h;
}

}  // namespace

void MergeStageRanks(StageEntry ranking[kMaxParticipants], const StageClassificationRow rows[kMaxParticipants]) {
  for (short& slot : nameSlotRow) slot = -1;
  for (int r = 0; r < kMaxParticipants; ++r) {
    // A row without a name holds nobody (a place that was not taken, or a cleared row).
    if (rows[r].name[0] == '\0') continue;
    unsigned slot = HashName(rows[r].name) & (kNameSlots - 1);
    while (nameSlotRow[slot] >= 0 && !SameName(rows[nameSlotRow[slot]].name, rows[r].name)) {
      slot = (slot + 1) & (kNameSlots - 1);
    }
    nameSlotRow[slot] = static_cast<short>(r);
  }
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageEntry& e = ranking[i];
    if (e.name[0] == '\0') continue;
    unsigned slot = HashName(e.name) & (kNameSlots - 1);
    while (nameSlotRow[slot] >= 0) {
      const StageClassificationRow& row = rows[nameSlotRow[slot]];
      if (SameName(row.name, e.name)) {
        e.rank = row.rank;
        e.gapToLeader = row.gapToLeader;
        e.gapToPrevious = row.gapToPrevious;
        break;
      }
      slot = (slot + 1) & (kNameSlots - 1);
    }
  }
}

void SplitStageTimes(StageEntry entries[kMaxParticipants], int count) {
  count = ClampCount(count);
  for (int i = 0; i < count; ++i) {
    StageEntry& e = entries[i];
    std::int64_t offset = e.startOffset < 0 ? -std::int64_t{e.startOffset} : std::int64_t{e.startOffset};
    e.startOffsetMinutes = static_cast<int>(offset / 60000);
    e.startOffsetSeconds = static_cast<int>(offset % 60000 / 1000);
    e.startOffsetMillis = static_cast<int>(offset % 1000);
    SplitMilliseconds(e.time, &e.timeHours, &e.timeMinutes, &e.timeSeconds, &e.timeMillis);
    SplitMilliseconds(e.gapToLeader, &e.gapToLeaderHours, &e.gapToLeaderMinutes, &e.gapToLeaderSeconds,
                      &e.gapToLeaderMillis);
    SplitMilliseconds(e.gapToPrevious, &e.gapToPreviousHours, &e.gapToPreviousMinutes, &e.gapToPreviousSeconds,
                      &e.gapToPreviousMillis);
  }
}

void FormatStageTimes(const StageEntry entries[kMaxParticipants], StageDisplayRow display[kMaxParticipants],
                      int count) {
  count = ClampCount(count);
  for (int i = 0; i < count; ++i) {
    const StageEntry& e = entries[i];
    StageDisplayRow& row = display[i];
    row.state = e.state;
    row.lateStart = e.lateStart;
    // An empty slot is finished at NoTime, which is never shown.
    bool emptySlot = SameName(e.name, kEmptySlotName);
    if (e.state >= kEntryRunning && !emptySlot) {
      if (e.startOffset > 0) {
        std::snprintf(row.startOffsetText, sizeof row.startOffsetText, "%d:%02d.%03d", e.startOffsetMinutes,
                      e.startOffsetSeconds, e.startOffsetMillis);
      } else if (e.startOffset < 0) {
        std::snprintf(row.startOffsetText, sizeof row.startOffsetText, "- %d:%02d.%03d", e.startOffsetMinutes,
                      e.startOffsetSeconds, e.startOffsetMillis);
      }
      if (e.timeHours != 0) {
        std::snprintf(row.timeText, sizeof row.timeText, "%d:%02d:%02d.%03d", e.timeHours, e.timeMinutes,
                      e.timeSeconds, e.timeMillis);
      } else {
        std::snprintf(row.timeText, sizeof row.timeText, "%d:%02d.%03d", e.timeMinutes, e.timeSeconds,
                      e.timeMillis);
      }
    } else {
      platform::ZeroBytes(row.timeText, sizeof row.timeText);
    }
    if (e.state >= kEntryFinished && !emptySlot) {
      std::snprintf(row.rankText, sizeof row.rankText, "%d", e.rank);
      row.equalsBest = e.equalsBest;
      FormatTime(row.gapToLeaderText, e.gapToLeaderHours, e.gapToLeaderMinutes, e.gapToLeaderSeconds,
                 e.gapToLeaderMillis);
      FormatTime(row.gapToPreviousText, e.gapToPreviousHours, e.gapToPreviousMinutes, e.gapToPreviousSeconds,
                 e.gapToPreviousMillis);
    } else {
      platform::ZeroBytes(row.rankText, sizeof row.rankText);
      platform::ZeroBytes(row.gapToLeaderText, sizeof row.gapToLeaderText);
      platform::ZeroBytes(row.gapToPreviousText, sizeof row.gapToPreviousText);
      row.equalsBest = 0;
    }
  }
}

void RankAndFormatStage(StageEntry ranking[kMaxParticipants], StageClassificationRow rows[kMaxParticipants],
                        StageDisplayRow display[kMaxParticipants], int count) {
  RankStageEntries(ranking, rows, count);
  ComputeStageGaps(rows, count);
  MergeStageRanks(ranking, rows);
  SplitStageTimes(ranking, count);
  FormatStageTimes(ranking, display, count);
}

void RerankStage(StageEntry entries[kMaxParticipants], StageEntry ranking[kMaxParticipants],
                 StageClassificationRow rows[kMaxParticipants], StageDisplayRow display[kMaxParticipants],
                 const PenaltyRecord penalties[kMaxPenalties], int count, int currentIndex) {
  CopyStageEntriesForRanking(entries, ranking, penalties);
  ApplyStagePenalties(ranking, entries, penalties, count);
  MarkFastestStageTime(ranking, currentIndex);
  // The race engine decides on the best-time sound from the live entry.
  if (currentIndex >= 0 && currentIndex < kMaxParticipants) {
    entries[currentIndex].isNewBest = ranking[currentIndex].isNewBest;
  }
  RankAndFormatStage(ranking, rows, display, count);
}
