#include "race/classification.h"

#include <cstdint>
#include <cstring>

#include "platform/bounded.h"
#include "race/stage_timing.h"
#include "race/time_format.h"

namespace {

int ClampCount(int count) { return ClampParticipantCount(count); }

// Private copies of the caller's rows; large, so not on the stack.
ClassificationRow workRows[kMaxParticipants];
bool done[kMaxParticipants];  // moved to the output, or placed

// Moves the rows group by group. Which rows have been moved is kept apart from the rows:
// every text, however it reads, is a key an operator may have typed.
template <std::size_t N>
void GroupBy(ClassificationRow rows[kMaxParticipants], int count, char (ClassificationRow::*key)[N]) {
  count = ClampCount(count);
  if (count < 1) return;
  for (int i = 0; i < count; ++i) {
    workRows[i] = rows[i];
    done[i] = false;
  }
  int out = 0;
  for (int first = 0; first < count; ++first) {
    if (done[first]) continue;
    const char* current = workRows[first].*key;
    for (int i = first; i < count; ++i) {
      if (done[i] || std::strncmp(workRows[i].*key, current, N) != 0) continue;
      rows[out++] = workRows[i];
      done[i] = true;
    }
  }
}

}  // namespace

void ClearClassificationRows(ClassificationRow rows[kMaxParticipants]) {
  platform::ZeroBytes(rows, sizeof(ClassificationRow) * kMaxParticipants);
}

void GroupClassificationByCarCategory(ClassificationRow rows[kMaxParticipants], int count) {
  GroupBy(rows, count, &ClassificationRow::category);
}

void GroupClassificationByAgeCategory(ClassificationRow rows[kMaxParticipants], int count) {
  GroupBy(rows, count, &ClassificationRow::ageCode);
}

void RankClassificationByTime(ClassificationRow rows[kMaxParticipants], int count) {
  count = ClampCount(count);
  static int key[kMaxParticipants];
  for (int i = 0; i < count; ++i) {
    workRows[i] = rows[i];
    done[i] = false;
    int t = rows[i].time;
    key[i] = t != 0 ? t
                    : (rows[i].state < kEntryFinished ? kClassificationKeyNotFinished
                                                      : kClassificationKeyFinishedWithoutTime);
  }
  // Selection among the rows not placed yet, whatever their key: a total above NoTime is
  // ranked like any other.
  for (int place = 0; place < count; ++place) {
    int chosen = -1;
    for (int i = 0; i < count; ++i) {
      if (done[i]) continue;
      if (chosen < 0 || key[i] <= key[chosen]) chosen = i;
    }
    rows[place] = workRows[chosen];
    done[chosen] = true;
  }
}

void ComputeClassificationGaps(ClassificationRow rows[kMaxParticipants], int count) { ComputeRankedGaps(rows, count); }
