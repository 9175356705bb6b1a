// The ranking chain of the running special stage: penalised times, fastest time, places,
// gaps and the texts of the live table, recomputed from the stage entries after every change.
#pragma once

#include "race/event_records.h"
#include "race/penalty_record.h"
#include "race/stage_timing.h"

// The current-entry index of a re-rank that follows no pass.
inline constexpr int NoCurrentEntry = 201;

// Keys of the stage ranking for finished drivers without a time and for drivers still out.
inline constexpr int kStageKeyFinishedWithoutTime = 1390000000;
inline constexpr int kStageKeyNotFinished = 1400000000;

// Copies the live entries into the ranking copy (every field but the splits). A state that
// points past the defined penalties becomes finished without penalty, in both tables.
void CopyStageEntriesForRanking(StageEntry entries[kMaxParticipants], StageEntry ranking[kMaxParticipants],
                                const PenaltyRecord penalties[kMaxPenalties]);
// Writes the penalised times of the penalised entries into the ranking copy. "After the
// winner" and "after the last" take the best and the worst raw time of the stage's first
// count entries, empty slots (NoTime) left out.
void ApplyStagePenalties(StageEntry ranking[kMaxParticipants], const StageEntry entries[kMaxParticipants],
                         const PenaltyRecord penalties[kMaxPenalties], int count);
// Sets equalsBest of every entry, and isNewBest of entry index (none for an index outside
// the table, such as NoCurrentEntry).
void MarkFastestStageTime(StageEntry entries[kMaxParticipants], int index);
// Places the finished and penalised entries: by time, ties to the later slot, then those
// finished without a time. Rows 0 .. count - 1 are written in place order; a place that
// nobody takes is a cleared row (no name, rank 0).
void RankStageEntries(const StageEntry entries[kMaxParticipants], StageClassificationRow rows[kMaxParticipants],
                      int count);
void ComputeStageGaps(StageClassificationRow rows[kMaxParticipants], int count);
// Gives each entry the rank and gaps of the classification row of its name (the last such
// row); rows without a name give nothing.
void MergeStageRanks(StageEntry ranking[kMaxParticipants], const StageClassificationRow rows[kMaxParticipants]);
void SplitStageTimes(StageEntry entries[kMaxParticipants], int count);
void FormatStageTimes(const StageEntry entries[kMaxParticipants], StageDisplayRow display[kMaxParticipants],
                      int count);

// Ranking, gaps, merge, splits and texts on the ranking copy as it stands.
void RankAndFormatStage(StageEntry ranking[kMaxParticipants], StageClassificationRow rows[kMaxParticipants],
                        StageDisplayRow display[kMaxParticipants], int count);

// The whole chain, always in this order on the same tables. currentIndex is the entry just
// recorded, or NoCurrentEntry; that entry's isNewBest is also set in the live entries,
// where the race engine reads it for the best-time sound.
void RerankStage(StageEntry entries[kMaxParticipants], StageEntry ranking[kMaxParticipants],
                 StageClassificationRow rows[kMaxParticipants], StageDisplayRow display[kMaxParticipants],
                 const PenaltyRecord penalties[kMaxPenalties], int count, int currentIndex);
