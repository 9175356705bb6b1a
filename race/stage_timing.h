// The tables of the running special stage and the rule that turns one accepted pass into a
// stage time. The main window owns the tables; every function takes them by pointer and
// works on all kMaxParticipants slots.
#pragma once

#include <cstdint>

#include "platform/message_box.h"
#include "race/event_records.h"
#include "race/time_format.h"

// Time of an empty slot and start of every minimum search; never shown.
inline constexpr int NoTime = 1500000000;
// firstTime of an entry that is never asked about a second finish (already finished when the
// stage was loaded, or given a penalty).
inline constexpr int kRedetectionQuestionOff = -300000;
// A second finish later than this after the recorded one is ignored without a question.
inline constexpr int kRedetectionWindowMs = 299999;

// EntryState: the progress of one driver on the stage.
enum EntryState : int {
  kEntryNotStarted = 0,
  kEntryReleased = 1,  // released at the start, waiting for his first pass
  kEntryRunning = 2,
  kEntryFinished = 3,  // also every empty slot; 4 and above: finished with penalty state - 4
  kEntryFirstPenalty = 4,
};

// The index in the penalty list that a state carries, or -1 for a state without a penalty.
// The range is checked before anything is subtracted: a state read from a damaged file may
// be any int.
constexpr int PenaltyIndexOfState(int state) {
  return state >= kEntryFirstPenalty && state < kEntryFirstPenalty + kMaxPenalties ? state - kEntryFirstPenalty : -1;
}

// One driver slot of the running special stage. The live entries keep the raw times; the
// ranking copy holds the penalised times, places and gaps that the live table shows.
struct StageEntry {
  char name[kDriverNameSize];  // kEmptySlotName for a slot without a driver
  char transponder[7];         // six digits, the form in which passes are compared
  int startPosition;           // slot index + 1
  int rank;
  int startOffset;  // tick of the release until the first pass, then how late he left (ms)
  int time;         // ms; penalised in the ranking copy
  int firstTime;    // difference at the last state advance; kRedetectionQuestionOff
  int gapToLeader;
  int gapToPrevious;
  int state;  // EntryState
  int updated;     // 1 once a detection has set the time (the race engine clears it)
  int equalsBest;  // the time equals the fastest time of the stage
  int isNewBest;   // the entry just handled holds the fastest time
  int lateStart;
  int sinceRejectSound;
  int rejectSoundAt;
  int startTime;  // ms on the clock of the pass times
  std::int64_t passCounter;
  std::int64_t passTime;  // ms on the pass clock; the rules use its low 32 bits
  int sincePrevious;
  int difference;  // pass time - start time of the latest detection (+ WRC start offset)
  int startOffsetMinutes, startOffsetSeconds, startOffsetMillis;
  int timeHours, timeMinutes, timeSeconds, timeMillis;
  int gapToLeaderHours, gapToLeaderMinutes, gapToLeaderSeconds, gapToLeaderMillis;
  int gapToPreviousHours, gapToPreviousMinutes, gapToPreviousSeconds, gapToPreviousMillis;
};

// One place of the stage classification, in place order; only the ranking reads it.
struct StageClassificationRow {
  char name[kDriverNameSize];
  int rank;  // 1-based; 0 in a row that holds nobody
  int time;  // 0 for a driver finished without a time
  int gapToLeader;
  int gapToPrevious;
  int state;
};

// One row of the live table, in slot order (row i shows entry i).
struct StageDisplayRow {
  char name[kDriverNameSize];
  char transponder[7];
  char carNumber[5];
  char team[15];
  char category[60];
  char startPositionText[6];
  char rankText[4];
  char startOffsetText[15];
  char timeText[15];
  char gapToLeaderText[15];
  char gapToPreviousText[15];
  int state;
  int equalsBest;
  int lateStart;
};

void ClearStageEntries(StageEntry entries[kMaxParticipants]);
void ClearStageClassification(StageClassificationRow rows[kMaxParticipants]);
void ClearStageDisplayRows(StageDisplayRow rows[kMaxParticipants]);
// Prepares the entries for a new stage: real drivers not started, empty slots finished at
// NoTime and never asked about.
void InitStageEntries(StageEntry entries[kMaxParticipants]);
// Names of the real drivers, packed to the front in slot order; the other rows are cleared.
void CopyStageEntryNames(StageClassificationRow rows[kMaxParticipants], const StageEntry entries[kMaxParticipants]);
// Clears what the ranking writes into the display rows; names, transponders, car numbers,
// teams, categories and start positions stay.
void ClearStageTimeTexts(StageDisplayRow rows[kMaxParticipants]);

// Applies the pass that the race engine stored in passTime of entry index: the first pass
// after the release starts the driver, the next finishes him, and a further pass within
// 300 s of the finish asks the operator (a box owned by window) whether to take the new
// time. While that question is open for an entry, further passes of the same entry (timer
// ticks go on under the box) change nothing and ask nothing.
void RecordStageDetection(platform::WindowHandle window, StageEntry entries[kMaxParticipants], int startType,
                          int index);

// A table count from a caller, kept within 0..kMaxParticipants.
inline int ClampParticipantCount(int count) {
  return count < 0 ? 0 : count > kMaxParticipants ? kMaxParticipants : count;
}

// Gaps to the leader and to the previous row of a ranked table (stage or classification
// rows); rows without a time or not finished have none.
template <typename Row>
void ComputeRankedGaps(Row rows[kMaxParticipants], int count) {
  count = ClampParticipantCount(count);
  for (int r = 1; r < count; ++r) {
    Row& row = rows[r];
    if (row.time != 0 && row.state >= kEntryFinished) {
      row.gapToLeader = ClampToTime(std::int64_t{row.time} - rows[0].time);
      row.gapToPrevious = ClampToTime(std::int64_t{row.time} - rows[r - 1].time);
    } else {
      row.gapToLeader = 0;
      row.gapToPrevious = 0;
    }
  }
  rows[0].gapToLeader = 0;
  rows[0].gapToPrevious = 0;
}

