#include "race/stage_timing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/test_hooks.h"
#include "race/stage_clock.h"
#include "race/time_format.h"
#include "tests/race/stage_tables.h"

using testsupport::Stage;
using testsupport::StageTables;

namespace {

std::string Formatted(int time, std::size_t size = 15) {
  int h, m, s, ms;
  SplitMilliseconds(time, &h, &m, &s, &ms);
  char text[15] = "untouched";
  FormatTime(text, size, h, m, s, ms);
  return text;
}

}  // namespace

TEST(TimeFormat, EachFormTruncationTowardZeroAndTheBufferSize) {
  EXPECT_EQ(Formatted(65432), "1:05.432");
  EXPECT_EQ(Formatted(3723004), "1:02:03.004");
  EXPECT_EQ(Formatted(4321), "4.321");
  EXPECT_EQ(Formatted(7005), "7.005");
  EXPECT_EQ(Formatted(-3723004), "-1:-2:-3.-04");
  EXPECT_EQ(Formatted(-2147483647 - 1), "-596:-31:-23.-");
  EXPECT_EQ(Formatted(3723004, 5), "1:02");
  EXPECT_EQ(Formatted(3723004, 0), "untouched");
}

TEST(StageEntries, EmptySlotsStartFinishedAtNoTimeAndNamesArePacked) {
  StageTables& t = Stage();
  t.NewStage(3);
  platform::CopyBounded(t.entries[1].name, kEmptySlotName);
  t.entries[0].rank = 7;
  InitStageEntries(t.entries);
  EXPECT_EQ(t.entries[0].rank, 0);
  EXPECT_EQ(t.entries[199].startPosition, 200);
  for (int i : {1, 199}) {
    EXPECT_EQ(t.entries[i].state, kEntryFinished);
    EXPECT_EQ(t.entries[i].time, NoTime);
    EXPECT_EQ(t.entries[i].firstTime, kRedetectionQuestionOff);
  }
  CopyStageEntryNames(t.rows, t.entries);
  EXPECT_STREQ(t.rows[1].name, "D2");
  EXPECT_STREQ(t.rows[2].name, "");
}

class Detection : public ::testing::Test {
 protected:
  void SetUp() override {
    Stage().NewStage(5);
    e = &Stage().entries[2];
    e->state = kEntryReleased;
  }
  void Pass(long long passTime, int startType = kStandardStart) {
    e->passTime = passTime;
    RecordStageDetection(nullptr, Stage().entries, startType, 2);
  }
  void Finished(int time) {
    e->state = kEntryFinished;
    e->startTime = 0;
    e->time = e->firstTime = time;
  }
  StageEntry* e = nullptr;
};

TEST_F(Detection, StartFinishAndPenalisedDrivers) {
  e->startTime = 50000;  // the race engine sets it to the first pass
  Pass(50000);
  EXPECT_EQ((std::vector<int>{e->state, e->time, e->updated}), (std::vector<int>{2, 0, 1}));
  Pass(115432);
  EXPECT_EQ((std::vector<int>{e->state, e->time, e->firstTime}), (std::vector<int>{3, 65432, 65432}));
  e->state = 5;
  Pass(120000);
  EXPECT_EQ((std::vector<int>{e->state, e->time, e->difference}), (std::vector<int>{5, 65432, 70000}));
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST_F(Detection, WrcLateDepartureIsAddedAndPassClockWrapsDoNoHarm) {
  e->startTime = 1000;
  e->startOffset = 1500;
  Pass(1000, kWrcStart);
  EXPECT_EQ(e->time, 0);
  Pass(61000, kWrcStart);
  EXPECT_EQ(e->time, 61500);
  for (int startType : {kStandardStart, kWrcStart}) {
    SetUp();
    e->state = kEntryRunning;
    e->startTime = 1000;
    e->startOffset = startType == kWrcStart ? 0 : 1500;
    Pass(61000, startType);
    EXPECT_EQ(e->time, 60000) << startType;
  }
  // 4096 ms before the low 32 bits of the pass clock wrap, and before they turn negative.
  for (long long before : {0xFFFFF000LL, 0x7FFFF000LL}) {
    SetUp();
    e->state = kEntryRunning;
    e->startTime = static_cast<int>(static_cast<std::uint32_t>(before));
    Pass(before + 8192);
    EXPECT_EQ(e->time, 8192) << before;
  }
}

TEST_F(Detection, ASecondFinishWithin300SecondsAsksAndOnlyYesTakesIt) {
  Finished(60000);
  platform::CopyBounded(e->name, "Ana Lopez");
  platform::test::QueueMessageAnswer(platform::kIdNo);
  Pass(260000);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  const auto& box = platform::test::Messages()[0];
  EXPECT_EQ(box.text,
            "The end of the special stage for Ana Lopez has just been reactivated!\nDo you want to update his time ?");
  EXPECT_EQ(box.caption, "Be careful");
  EXPECT_EQ(box.type, platform::kMbYesNo | platform::kMbIconQuestion);
  EXPECT_EQ((std::vector<int>{e->time, e->updated}), (std::vector<int>{60000, 0}));

  platform::test::QueueMessageAnswer(platform::kIdYes);
  Pass(60000 + 299999);
  EXPECT_EQ((std::vector<int>{e->time, e->firstTime, e->state, e->updated}),
            (std::vector<int>{359999, 60000, 3, 1}));
  Pass(60000 + 300000);
  EXPECT_EQ(platform::test::Messages().size(), 2u);
  EXPECT_EQ(e->time, 359999);
}

TEST_F(Detection, EmptySlotsAndDriversWithTheQuestionOffAreNeverAsked) {
  RecordStageDetection(nullptr, Stage().entries, kStandardStart, 150);  // "(NA)"
  RecordStageDetection(nullptr, Stage().entries, kStandardStart, 200);
  Finished(kRedetectionQuestionOff);
  e->startTime = 900000;
  Pass(100000);  // the pass clock restarted under the driver: a negative difference
  EXPECT_TRUE(platform::test::Messages().empty());
  EXPECT_EQ(Stage().entries[150].time, NoTime);
}

TEST_F(Detection, APassOfTheSameDriverUnderHisOpenQuestionRecordsNothingAndAsksNothing) {
  Finished(60000);
  StageEntry& other = Stage().entries[3];
  other.state = kEntryFinished;
  other.time = other.firstTime = 70000;
  // Timer ticks run under the box: the same driver passes again, then another driver.
  platform::test::RunWhileNextMessageShown([&] {
    Pass(65000);
    other.passTime = 71000;
    platform::test::QueueMessageAnswer(platform::kIdYes);
    RecordStageDetection(nullptr, Stage().entries, kStandardStart, 3);
  });
  platform::test::QueueMessageAnswer(platform::kIdYes);
  Pass(62000);
  EXPECT_EQ(platform::test::Messages().size(), 2u) << "one question per driver";
  EXPECT_EQ((std::vector<int>{e->time, e->difference, other.time}), (std::vector<int>{62000, 62000, 71000}));
  platform::test::QueueMessageAnswer(platform::kIdNo);
  Pass(63000);
  EXPECT_EQ(platform::test::Messages().size(), 3u) << "asked again once answered";
}

TEST(StageClock, CountdownBoundariesAcrossTickCountWraps) {
  // The tick count wraps, or turns negative as a signed value, 1 s in.
  for (std::uint32_t start : {1000u, 0xFFFFFC18u, 0x7FFFFC18u}) {
    platform::test::UseManualClock(start);
    std::uint32_t at = 0;
    for (auto [elapsed, left] : std::vector<std::pair<std::uint32_t, int>>{
             {1000, 60}, {59999, 1}, {60000, 1}, {60001, 0}, {61999, 0}, {62000, -1}}) {
      platform::test::AdvanceClock(elapsed - at);
      at = elapsed;
      CountdownReading r = ComputeCountdown(start, 60, start + 500);
      EXPECT_EQ((std::vector<int>{r.secondsLeft, r.seconds * 1000 + r.millis, static_cast<int>(r.msSinceRefresh)}),
                (std::vector<int>{left, static_cast<int>(elapsed), static_cast<int>(elapsed) - 500}))
          << start << " " << elapsed;
    }
  }
  EXPECT_TRUE(RefreshPacing(279, 401));
  EXPECT_FALSE(RefreshPacing(0, 1000));
  EXPECT_FALSE(RefreshPacing(100, 400));
}

TEST(StageClock, StageAndRestClocksShowTheSecondUnderWay) {
  platform::test::UseManualClock(0xFFFFFFF0u);
  platform::test::AdvanceClock(3723004 - 5000);
  StageClockReading stage = ComputeStageClock(0xFFFFFFF0u, 1, 5, 0xFFFFFFF0u, 5000);
  EXPECT_EQ((std::vector<int>{stage.elapsedHours, stage.elapsedMinutes, stage.elapsedSeconds, stage.elapsedMillis,
                              stage.remainingHours, stage.remainingMinutes, stage.remainingSeconds}),
            (std::vector<int>{1, 2, 3, 4, 0, 2, 57}));
  platform::test::UseManualClock(1000);
  platform::test::AdvanceClock(125250);
  StartClockReading rest = ComputeStartClock(1000, 2, 1000);
  EXPECT_EQ((std::vector<int>{rest.elapsedMinutes, rest.elapsedSeconds, rest.elapsedMillis, rest.remainingMinutes,
                              rest.remainingSeconds}),
            (std::vector<int>{2, 5, 250, 0, -4}));
  platform::test::UseSystemClock();
}
