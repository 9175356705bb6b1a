// Rules shared by the stage, rally and Power Stage classifications: rows grouped by car or
// age category, ranked by time with the gaps to the leader and to the previous driver.
// The dialogs own the tables; the helpers work on the first count rows (at most
// kMaxParticipants) and leave the others alone.
#pragma once

#include "race/event_records.h"

// Keys of the classification ranking for drivers without a time.
inline constexpr int kClassificationKeyFinishedWithoutTime = 1400000000;
inline constexpr int kClassificationKeyNotFinished = 1450000000;

struct ClassificationRow {
  char name[kDriverNameSize];
  char carNumber[5];
  char team[15];  // the country code in an international event
  char category[50];
  char ageCode[3];
  char ageName[20];
  int time;  // ms; the rally total in the rally classification, 0 when there is none
  int gapToLeader;
  int gapToPrevious;
  int state;  // EntryState
  int abandonCount;
  int penaltyCount;
};

void ClearClassificationRows(ClassificationRow rows[kMaxParticipants]);

// Rows of one car category (age-category code) stand together: groups in the order in
// which their category first appears, rows in their previous order inside a group.
void GroupClassificationByCarCategory(ClassificationRow rows[kMaxParticipants], int count);
void GroupClassificationByAgeCategory(ClassificationRow rows[kMaxParticipants], int count);

// Orders the rows by time, best first, then the finished drivers without a time, then those
// who did not finish; among equal keys the later row comes first, so two calls in a row
// make a stable sort. Every row is kept, whatever its time.
void RankClassificationByTime(ClassificationRow rows[kMaxParticipants], int count);

// Gaps of the rows with a time and a finished state to row 0 and to the row before; the
// other rows and row 0 get 0.
void ComputeClassificationGaps(ClassificationRow rows[kMaxParticipants], int count);
