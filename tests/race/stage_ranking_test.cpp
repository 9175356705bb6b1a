#include "race/stage_ranking.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/race/stage_tables.h"

using testsupport::Stage;
using testsupport::StageTables;

namespace {

std::string Place(const StageTables& t, int row) {
  return std::string(t.rows[row].name) + " " + std::to_string(t.rows[row].rank) + " " +
         std::to_string(t.rows[row].time);
}

}  // namespace

TEST(RerankStage, PlacesTiesWithoutTimeRunningDriversGapsAndTexts) {
  StageTables& t = Stage();
  t.NewStage(6);
  t.Set(0, kEntryFinished, 70000);
  t.Set(1, kEntryFinished, 65432);
  t.Set(2, kEntryFinished, 0);  // finished without a time
  t.Set(3, kEntryRunning, 0);  // started: his first pass gave time 0
  t.Set(4, kEntryFinished, 65432);  // same time as slot 1, later slot
  t.Set(5, kEntryFinished, 3723004);
  t.entries[1].startOffset = -1500;
  t.entries[3].startOffset = 2250;
  t.entries[5].lateStart = 1;
  t.Rerank(6);

  EXPECT_EQ(Place(t, 0), "D4 1 65432") << "a tie goes to the later slot";
  EXPECT_EQ(Place(t, 1), "D1 2 65432");
  EXPECT_EQ(Place(t, 2), "D0 3 70000");
  EXPECT_EQ(Place(t, 3), "D5 4 3723004");
  EXPECT_EQ(Place(t, 4), "D2 5 0") << "finished without a time comes after every timed finisher";
  EXPECT_EQ(t.rows[4].gapToLeader, 0);
  EXPECT_EQ(Place(t, 5), "(NA) 6 1500000000") << "then the empty slots";

  // Rank, start offset, time, both gaps, best-time and late-start flags of each row.
  auto Shown = [&t](int i) {
    const StageDisplayRow& d = t.display[i];
    return std::string(d.rankText) + "|" + d.startOffsetText + "|" + d.timeText + "|" + d.gapToLeaderText + "|" +
           d.gapToPreviousText + "|" + std::to_string(d.equalsBest) + std::to_string(d.lateStart);
  };
  EXPECT_EQ(Shown(0), "3||1:10.000|4.568|4.568|00");
  EXPECT_EQ(Shown(1), "2|- 0:01.500|1:05.432|0.000|0.000|10");
  EXPECT_EQ(Shown(2), "5||0:00.000|0.000|0.000|00");
  EXPECT_EQ(Shown(3), "|0:02.250|0:00.000|||00") << "a running driver has no place and no gaps";
  EXPECT_EQ(Shown(4), "1||1:05.432|0.000|0.000|10");
  EXPECT_EQ(Shown(5), "4||1:02:03.004|1:00:57.572|1:00:53.004|01");
  EXPECT_EQ(Shown(6), "|||||00") << "rows past the count are not written";
  EXPECT_EQ(t.entries[1].rank, 0) << "the live entries keep no places";
}

TEST(RerankStage, FourPenaltyKindsOnRawTimesAndInvalidPenaltyStates) {
  StageTables& t = Stage();
  t.NewStage(8);
  t.AddPenalty("A", kPenaltyGross, 600);
  t.AddPenalty("PS", kPenaltyAdded, 60);
  t.AddPenalty("P1", kPenaltyAfterWinner, 10);
  t.AddPenalty("P2", kPenaltyAfterLast, 5);
  t.AddPenalty("P3", 9, 30);  // unknown kind: no change
  platform::CopyBounded(t.entries[7].name, kEmptySlotName);
  InitStageEntries(t.entries);  // an empty slot inside the count, at NoTime
  t.Set(0, kEntryFinished, 50000);
  t.Set(1, kEntryFinished, 80000);
  t.Set(2, 4, 55000);
  t.Set(3, 5, 70000);
  t.Set(4, 6, 90000);
  t.Set(5, 7, 40000);
  t.Set(6, 8, 45000);
  t.Rerank(8);

  // After the best and the worst raw time; the empty slot's NoTime is nobody's time.
  EXPECT_EQ((std::vector<int>{t.ranking[2].time, t.ranking[3].time, t.ranking[4].time, t.ranking[5].time,
                              t.ranking[6].time, t.entries[5].time}),
            (std::vector<int>{600000, 130000, 40000 + 10000, 90000 + 5000, 45000, 40000}));
  EXPECT_STREQ(t.display[6].rankText, "1");

  t.Set(1, 9, 80000);  // index 5: past the five penalties defined
  t.Rerank(8);
  EXPECT_EQ((std::vector<int>{t.entries[1].state, t.ranking[1].state, t.entries[6].state}),
            (std::vector<int>{3, 3, 8}));

  t.NewStage(3);
  t.AddPenalty("A", kPenaltyGross, INT_MAX);
  t.AddPenalty("PS", kPenaltyAfterWinner, 20);
  t.Set(0, 5, 0);
  t.Set(1, 4, 1000);
  t.Set(2, kEntryRunning, 0);
  t.Rerank(3);
  EXPECT_EQ(t.ranking[0].time, 20000 + 1000);
  t.Set(1, kEntryRunning, 0);
  t.Rerank(3);
  EXPECT_EQ(t.ranking[0].time, 20000) << "after the winner while nobody has a time";
  t.Set(1, 4, 0);
  t.Rerank(3);
  EXPECT_EQ(t.ranking[1].time, INT_MAX) << "a huge duration saturates";
}

TEST(RerankStage, PlacesThatNobodyTakesStayEmptyAndGiveNoRank) {
  StageTables& t = Stage();
  t.NewStage(200);
  for (int i = 0; i < 200; ++i) t.Set(i, kEntryRunning, 1000 + i);
  t.Set(0, kEntryFinished, 90000);  // the only finisher
  t.Set(120, kEntryFinished, 95000);
  t.Set(7, kEntryFinished, NoTime + 1000);  // beyond the start of the search: still placed
  t.Rerank(200);

  EXPECT_EQ(Place(t, 0), "D0 1 90000");
  EXPECT_EQ(Place(t, 1), "D120 2 95000");
  EXPECT_EQ(Place(t, 2), "D7 3 1500001000");
  for (int r = 3; r < 200; ++r) {
    ASSERT_EQ(Place(t, r), " 0 0") << r;
    ASSERT_EQ(t.rows[r].state, 0);
    ASSERT_EQ(t.rows[r].gapToLeader, 0);
  }
  EXPECT_EQ((std::vector<int>{t.ranking[0].rank, t.ranking[0].gapToLeader, t.ranking[1].rank}),
            (std::vector<int>{1, 0, 0}));
  EXPECT_STREQ(t.display[120].gapToPreviousText, "5.000");

  t.Rerank(250);  // a count past the table is the whole table
  t.Rerank(-3);
  EXPECT_EQ(t.ranking[0].rank, 1);

  // The merge takes the last row of a name; a row without a name holds nobody.
  ClearStageClassification(t.rows);
  platform::CopyBounded(t.rows[3].name, "D1");
  t.rows[3].rank = 4;
  platform::CopyBounded(t.rows[9].name, "D1");
  t.rows[9].rank = 10;
  t.rows[199].rank = 200;
  platform::CopyBounded(t.ranking[0].name, "");
  MergeStageRanks(t.ranking, t.rows);
  EXPECT_EQ((std::vector<int>{t.ranking[1].rank, t.ranking[0].rank}), (std::vector<int>{10, 1}));
}

TEST(RerankStage, TheNewBestTimeReachesTheLiveEntryAndEmptySlotsAreNeverTheFastest) {
  StageTables& t = Stage();
  t.NewStage(3);
  t.Set(0, kEntryFinished, 61000);
  t.Set(1, kEntryRunning, 0);
  t.Set(2, kEntryRunning, 0);
  t.entries[1].startTime = t.entries[2].startTime = 1000;

  t.entries[1].passTime = 60000;
  RecordStageDetection(nullptr, t.entries, kStandardStart, 1);
  t.Rerank(3, 1);
  EXPECT_EQ(t.entries[1].isNewBest, 1);

  t.entries[2].passTime = 70000;
  RecordStageDetection(nullptr, t.entries, kStandardStart, 2);
  t.Rerank(3, 2);
  EXPECT_EQ(t.entries[2].isNewBest, 0);
  EXPECT_EQ(t.entries[1].isNewBest, 1) << "only the current entry's flag moves";
  t.Rerank(3, NoCurrentEntry);
  EXPECT_EQ(t.entries[1].isNewBest, 1);

  t.NewStage(4);
  platform::CopyBounded(t.entries[2].name, kEmptySlotName);
  InitStageEntries(t.entries);
  t.Set(0, kEntryRunning, 0);
  t.Rerank(4);
  for (int i = 0; i < kMaxParticipants; ++i) ASSERT_EQ(t.ranking[i].equalsBest, 0) << i;
  EXPECT_EQ(std::string(t.display[2].timeText) + t.display[2].rankText, "");
}

TEST(RerankStage, PlacesMatchASelectionOfTheSmallestKeyRepeatedPlaceAfterPlace) {
  StageTables& t = Stage();
  unsigned seed = 12345;
  auto next = [&seed](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (int round = 0; round < 40; ++round) {
    int count = 1 + static_cast<int>(next(200));
    t.NewStage(count);
    for (int i = 0; i < count; ++i) {
      t.Set(i, static_cast<int>(next(5)), next(4) == 0 ? 0 : 60000 + static_cast<int>(next(8)) * 500);
    }
    RankStageEntries(t.entries, t.rows, count);

    // The rule as the operator knows it: smallest key first, a tie to the later slot.
    bool placed[kMaxParticipants] = {};
    for (int place = 0; place < count; ++place) {
      int chosen = -1, min = NoTime;
      for (int i = 0; i < kMaxParticipants; ++i) {
        const StageEntry& e = t.entries[i];
        if (placed[i] || e.state < kEntryFinished) continue;
        int key = e.time != 0 ? e.time : kStageKeyFinishedWithoutTime;
        if (key <= min) chosen = i, min = key;
      }
      if (chosen < 0) {
        ASSERT_STREQ(t.rows[place].name, "") << round << " " << place;
        continue;
      }
      placed[chosen] = true;
      ASSERT_STREQ(t.rows[place].name, t.entries[chosen].name) << round << " " << place;
      ASSERT_EQ(t.rows[place].rank, place + 1);
      ASSERT_EQ(t.rows[place].time, min == kStageKeyFinishedWithoutTime ? 0 : min);
    }
  }
}
