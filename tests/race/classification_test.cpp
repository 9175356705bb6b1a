#include "race/classification.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bounded.h"
#include "race/participant_fields.h"
#include "race/stage_timing.h"
#include "tests/race/stage_tables.h"

using testsupport::Stage;
using testsupport::StageTables;

namespace {

ClassificationRow rows[kMaxParticipants];
ParticipantRecord participants[kMaxParticipants];

void Row(int i, const char* name, const char* category, const char* ageCode = "", int time = 0, int state = 3) {
  platform::CopyBounded(rows[i].name, name);
  platform::CopyBounded(rows[i].category, category);
  platform::CopyBounded(rows[i].ageCode, ageCode);
  rows[i].time = time;
  rows[i].state = state;
}

std::string Names(int count) {
  std::string names;
  for (int i = 0; i < count; ++i) names += std::string(i ? " " : "") + rows[i].name;
  return names;
}

void Participant(int i, const char* name, const char* frequency, const char* carNumber = "") {
  platform::CopyBounded(participants[i].name, name);
  platform::CopyBounded(participants[i].frequencies[0], frequency);
  platform::CopyBounded(participants[i].carNumber, carNumber);
}

}  // namespace

TEST(Classification, GroupsComeInFirstAppearanceOrderWithEveryFieldAndSentinelLikeKeys) {
  ClearClassificationRows(rows);
  Row(0, "b1", "B", "zz");
  Row(1, "a1", "A", "zy");
  Row(2, "b2", "B", "zz");
  Row(3, "c1", "C", "");
  Row(4, "a2", "A", "zy");
  rows[4].penaltyCount = 2;
  Row(5, "untouched", "A");
  GroupClassificationByCarCategory(rows, 5);
  EXPECT_EQ(Names(6), "b1 b2 a1 a2 c1 untouched");
  EXPECT_EQ(rows[3].penaltyCount, 2);

  GroupClassificationByAgeCategory(rows, 5);
  EXPECT_EQ(Names(5), "b1 b2 a1 a2 c1") << "\"zz\" and \"zy\" are codes like any other";

  // Categories that read like the old markers of moved rows.
  std::string low = std::string(48, 'z') + "y", high(49, 'z');
  ClearClassificationRows(rows);
  Row(0, "h1", high.c_str());
  Row(1, "l1", low.c_str());
  Row(2, "e1", "");
  Row(3, "h2", high.c_str());
  Row(4, "l2", low.c_str());
  GroupClassificationByCarCategory(rows, 5);
  EXPECT_EQ(Names(5), "h1 h2 l1 l2 e1");
  GroupClassificationByCarCategory(rows, 0);
  GroupClassificationByCarCategory(rows, -1);
  EXPECT_EQ(Names(5), "h1 h2 l1 l2 e1");
}

TEST(Classification, RankByTimeThenWithoutTimeThenUnfinishedAndTwiceIsStable) {
  ClearClassificationRows(rows);
  Row(0, "finished", "", "", 0, 3);
  Row(1, "first5000", "", "", 5000, 3);
  Row(2, "unfinished", "", "", 0, 2);
  Row(3, "second5000", "", "", 5000, 3);
  Row(4, "stays", "", "", 1, 3);
  RankClassificationByTime(rows, 4);
  EXPECT_EQ(Names(5), "second5000 first5000 finished unfinished stays");
  EXPECT_EQ(rows[2].time, 0);
  EXPECT_EQ(rows[3].time, 0);

  ClearClassificationRows(rows);
  Row(0, "a", "", "", 7000);
  Row(1, "b", "", "", 5000);
  Row(2, "c", "", "", 7000);
  Row(3, "d", "", "", 0, 1);
  Row(4, "e", "", "", 0, 0);
  Row(5, "f", "", "", 5000);
  rows[5].abandonCount = 3;
  RankClassificationByTime(rows, 6);
  RankClassificationByTime(rows, 6);
  EXPECT_EQ(Names(6), "b f a c d e");
  EXPECT_EQ(rows[1].abandonCount, 3);
}

TEST(Classification, TotalsAboveTheSearchStartAreRankedAndGapsAreForTimedFinishersOnly) {
  ClearClassificationRows(rows);
  Row(0, "leader", "", "", 1000);
  Row(1, "long", "", "", NoTime + 5000);  // "after the last" on an empty slot's NoTime
  Row(2, "longer", "", "", 1600000000);
  Row(3, "none", "", "", 0, 3);
  Row(4, "out", "", "", 2500, 2);
  Row(5, "second", "", "", 1500, 5);
  RankClassificationByTime(rows, 6);
  EXPECT_EQ(Names(6), "leader second out none long longer");
  rows[0].gapToLeader = 9;
  ComputeClassificationGaps(rows, 6);
  std::vector<int> gaps;
  for (int i = 0; i < 6; ++i) gaps.insert(gaps.end(), {rows[i].gapToLeader, rows[i].gapToPrevious});
  EXPECT_EQ(gaps, (std::vector<int>{0, 0, 500, 500, 0, 0, 0, 0, NoTime + 4000, NoTime + 5000, 1599999000,
                                    1600000000 - NoTime - 5000}));
  rows[0].gapToPrevious = 4;
  ComputeClassificationGaps(rows, 1);
  EXPECT_EQ(rows[0].gapToPrevious, 0);
}

TEST(ParticipantFields, RadioConflictsIgnoreEmptyAndSpreadSpectrumCodes) {
  StageTables& t = Stage();
  t.NewStage(4);
  platform::ZeroBytes(participants, sizeof participants);
  Participant(0, "D0", "2.4Ghz");
  Participant(1, "D1", "2.4Ghz");
  Participant(2, "D2", "");
  Participant(3, "D3", "27.145");
  Participant(4, "Not on the stage", "27.145");
  EXPECT_EQ(CheckFrequencyConflicts(t.entries, participants, 0), 0);
  EXPECT_EQ(CheckFrequencyConflicts(t.entries, participants, 1), 1);
  Participant(2, "D2", "27.145");
  EXPECT_EQ(CheckFrequencyConflicts(t.entries, participants, 0), 1);
}

TEST(ParticipantFields, FieldsFollowTheNameAndUnmatchedRowsKeepTheirs) {
  StageTables& t = Stage();
  t.NewStage(3);
  platform::ZeroBytes(participants, sizeof participants);
  Participant(0, "D0", "", "7");
  Participant(5, "D0", "", "12");  // the last participant of a name wins
  Participant(1, "D1", "", "3");
  platform::CopyBounded(participants[1].team, "ESP");
  platform::CopyBounded(participants[1].carCategory, std::string(49, 'c').c_str());
  platform::CopyBounded(participants[1].transponder, "004512");
  for (int i = 0; i < 3; ++i) platform::CopyBounded(t.display[i].name, t.entries[i].name);
  platform::CopyBounded(t.display[2].carNumber, "99");
  platform::CopyBounded(t.display[2].team, "GBR");

  CopyCarNumbersToDisplayRows(t.display, participants);
  CopyTeamsToDisplayRows(t.display, participants);
  CopyCarCategoriesToDisplayRows(t.display, participants);
  CopyTranspondersToStageEntries(t.entries, participants);
  EXPECT_STREQ(t.display[0].carNumber, "12");
  EXPECT_STREQ(t.display[1].carNumber, "3");
  EXPECT_STREQ(t.display[1].team, "ESP");
  EXPECT_EQ(std::string(t.display[1].category), std::string(49, 'c'));
  EXPECT_STREQ(t.entries[1].transponder, "004512");
  EXPECT_STREQ(t.display[2].carNumber, "99") << "D2 is no participant";
  EXPECT_STREQ(t.display[2].team, "GBR");
}
