// The rally classification's computation from the event file: totals with the four
// penalty kinds, abandons and penalties, stage statuses and options, the worst stage of each
// driver, ties, the range and its clamps, the excluded text, the page's lines and printed
// pages, the publishing names, and the three sections that Validate writes.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/stage_timing.h"
#include "results/archive_publishing_model.h"
#include "results/rally_classification.h"
#include "tests/race/storage_test_support.h"
#include "tests/results/rally_event.h"
#include "tests/support/message_texts.h"

namespace {

using rallytest::StageRow;

class RallyClassificationFile : public ::testing::Test {
 protected:
  void SetUp() override { platform::test::ClearMessages(); }
  void TearDown() override {
    platform::test::ClearMessages();
    SetActiveProfile(kEnglishBuild);
  }

  static RallyClassificationData& Load() {
    static RallyClassificationData data;
    LoadRallyClassification(nullptr, &data);
    return data;
  }
  static RallyClassificationData& Opened() {
    RallyClassificationData& data = Load();
    OpenRallyClassification(nullptr, &data);
    return data;
  }

  storagetest::WorkingFolder folder;
};

std::string Order(const RallyClassificationData& d) {
  std::string names;
  for (int i = 0; i < d.rowCount; ++i) names += std::string(d.rows[i].name).substr(7) + " ";
  return names;
}

const ClassificationRow* RowOf(const RallyClassificationData& d, int driver) {
  for (int i = 0; i < d.rowCount; ++i) {
    if (rallytest::DriverName(driver) == d.rows[i].name) return &d.rows[i];
  }
  return nullptr;
}

TEST_F(RallyClassificationFile, TotalsApplyTheFourPenaltyKindsAndCountAbandonsAndPenalties) {
  rallytest::RallyEvent event;
  event.drivers = 5;
  event.stages = 2;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  // SS1: driver 1 abandons (gross 600 s), 2 starts late (+10 s), 3 cuts (best 50 s + 5 s),
  // 4 jumps (worst 70 s + 7 s), 5 is clean. An empty slot's NoTime is nobody's time.
  ASSERT_TRUE(rallytest::WriteStage(1,
                                    {{1, 61000, 4}, {2, 62000, 5}, {3, 50000, 6}, {4, 70000, 7}, {5, 60000, 3},
                                     {0, NoTime, 3}},
                                    5));
  ASSERT_TRUE(rallytest::WriteStage(2, {{1, 1000, 3}, {2, 1000, 5}, {3, 1000, 3}, {4, 1000, 3}, {5, 1000, 3}}, 5));
  RallyClassificationData& d = Opened();
  EXPECT_EQ(d.options.ssFrom, 1);
  EXPECT_EQ(d.options.ssTo, 2);
  EXPECT_EQ(RowOf(d, 1)->time, 600000 + 1000);
  EXPECT_EQ(RowOf(d, 2)->time, 72000 + 11000);
  EXPECT_EQ(RowOf(d, 3)->time, 55000 + 1000);
  EXPECT_EQ(RowOf(d, 4)->time, 77000 + 1000);
  EXPECT_EQ(RowOf(d, 5)->time, 61000);
  EXPECT_EQ(RowOf(d, 1)->abandonCount, 1);
  EXPECT_EQ(RowOf(d, 2)->penaltyCount, 2);
  EXPECT_EQ(RowOf(d, 2)->state, 5) << "the state of the last stage that added";
  EXPECT_EQ(Order(d), "03 05 04 02 01 ");
  EXPECT_EQ(d.abandonLines, 1);
  EXPECT_EQ(d.penaltyLines, 3);
  EXPECT_EQ(d.rows[1].gapToLeader, 5000);
  EXPECT_EQ(d.rows[2].gapToPrevious, 17000);
}

TEST_F(RallyClassificationFile, ANotFinishedStageResetsTheTotalAndCountsAndATimeOfZeroLeavesNoTotal) {
  rallytest::RallyEvent event;
  event.stages = 3;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  // Driver 1 abandons on SS1 then does not finish SS2: no total, no counts, not even SS1's.
  // Driver 2 finishes SS2 with a stored time of 0: no total but finished. Driver 3 is
  // penalised on SS3 after a clean run. Driver 4 did not start SS1.
  ASSERT_TRUE(rallytest::WriteStage(1, {{1, 60000, 4}, {2, 60000, 3}, {3, 60000, 3}, {4, 0, 0}}, 4));
  ASSERT_TRUE(rallytest::WriteStage(2, {{1, 0, 1}, {2, 0, 3}, {3, 60000, 3}, {4, 60000, 3}}, 4));
  ASSERT_TRUE(rallytest::WriteStage(3, {{1, 60000, 3}, {2, 60000, 5}, {3, 60000, 5}, {4, 60000, 3}}, 4));
  RallyClassificationData& d = Opened();
  const ClassificationRow* one = RowOf(d, 1);
  EXPECT_EQ(one->time, 0);
  EXPECT_EQ(one->state, 1);
  EXPECT_EQ(one->abandonCount, 0);
  EXPECT_EQ(one->penaltyCount, 0);
  const ClassificationRow* two = RowOf(d, 2);
  EXPECT_EQ(two->time, 0);
  EXPECT_GE(two->state, 3);
  EXPECT_EQ(two->penaltyCount, 1) << "counted while finished, even without a total";
  EXPECT_EQ(RowOf(d, 3)->time, 180000 + 10000);
  EXPECT_EQ(RowOf(d, 4)->time, 0);
  EXPECT_EQ(RowOf(d, 4)->state, 0);
  EXPECT_EQ(Order(d), "03 02 01 04 ") << "timed, finished without a total, then not finished";

  // A counted stage without its section gives everybody the total 0 and the state 0.
  RallyClassificationData& e = Load();
  e.stageCount = 4;
  e.options.ssTo = 4;
  RecomputeRallyClassification(nullptr, &e);
  for (int i = 0; i < e.rowCount; ++i) {
    EXPECT_EQ(e.rows[i].time, 0);
    EXPECT_EQ(e.rows[i].state, 0);
  }
  EXPECT_EQ(Order(e), "01 02 03 04 ") << "the participants' order";
}

TEST_F(RallyClassificationFile, TheExtremeStatesAndTimesOfADamagedFileAreNobodysPenaltyAndNoOverflow) {
  rallytest::RallyEvent event;
  event.drivers = 4;
  event.stages = 2;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  // Driver 1's time and driver 2's state are the lowest int, driver 4's state the highest.
  ASSERT_TRUE(rallytest::WriteStage(1, {{1, INT_MIN, 3}, {2, 60000, INT_MIN}, {3, 60000, 3}, {4, 60000, INT_MAX}}, 4));
  ASSERT_TRUE(rallytest::WriteStage(2, {{1, 1000, 3}, {2, 1000, 3}, {3, 1000, 3}, {4, 1000, 3}}, 4));
  RallyClassificationData& d = Opened();
  EXPECT_EQ(RowOf(d, 3)->time, 61000);
  EXPECT_EQ(RowOf(d, 4)->time, 61000) << "a state past the list carries no penalty";
  EXPECT_EQ(RowOf(d, 2)->time, 0) << "a state below every known one is not finished";
}

TEST_F(RallyClassificationFile, StatusesCountWithThePowerStageOptionAndTheExcludedTextListsRemovedStages) {
  rallytest::RallyEvent event;
  event.drivers = 1;
  event.stages = 8;
  // SS1 normal (0), SS2 removed (2), SS3 Power Stage (5), SS4 normal with results (1),
  // SS5 removed with results (3), SS6 removed Power Stage (6), SS7 (7), SS8 Power Stage (4).
  event.statuses = {0, 2, 5, 1, 3, 6, 7, 4};
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  for (int s = 1; s <= 8; ++s) ASSERT_TRUE(rallytest::WriteStage(s, {{1, 1000 << (s - 1), 3}}, 1));
  RallyClassificationData& d = Opened();
  EXPECT_EQ(d.rows[0].time, (1 + 8) * 1000) << "SS1 and SS4";
  EXPECT_STREQ(d.excludedText, "(Excluded : Power Stage, SS2, SS5)");
  EXPECT_STREQ(d.pageTitle, "Spring rally - SS1 to SS8");

  d.options.powerStageIncluded = 1;
  RecomputeRallyClassification(nullptr, &d);
  EXPECT_EQ(d.rows[0].time, (1 + 4 + 8 + 128) * 1000) << "and both Power Stages";
  EXPECT_STREQ(d.excludedText, "(Excluded : SS2, SS5)");

  d.options.worstStageIncluded = 0;
  d.options.powerStageIncluded = 0;
  RecomputeRallyClassification(nullptr, &d);
  EXPECT_EQ(d.rows[0].time, 1000);
  EXPECT_STREQ(d.excludedText, "(Excluded : Power Stage, Worst stage, SS2, SS5)");

  d.options.ssFrom = 6;
  d.options.ssTo = 7;
  d.options.worstStageIncluded = 1;
  RecomputeRallyClassification(nullptr, &d);
  EXPECT_STREQ(d.excludedText, "") << "removed Power Stages are never mentioned";
  EXPECT_EQ(d.rows[0].time, 0);
}

TEST_F(RallyClassificationFile, TheWorstStageIsEachDriversOwnWhateverTheStartOrders) {
  rallytest::RallyEvent event;
  event.drivers = 3;
  event.stages = 3;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  // The start order changes between stages: the rows' positions name other drivers.
  ASSERT_TRUE(rallytest::WriteStage(1, {{1, 50000, 3}, {2, 90000, 3}, {3, 60000, 3}}, 3));
  ASSERT_TRUE(rallytest::WriteStage(2, {{3, 61000, 3}, {1, 52000, 3}, {2, 40000, 3}}, 3));
  ASSERT_TRUE(rallytest::WriteStage(3, {{2, 41000, 3}, {3, 62000, 3}, {1, 51000, 3}}, 3));
  RallyClassificationData& d = Load();
  d.options.worstStageIncluded = 0;
  OpenRallyClassification(nullptr, &d);
  EXPECT_EQ(RowOf(d, 1)->time, 50000 + 51000);
  EXPECT_EQ(RowOf(d, 2)->time, 40000 + 41000);
  EXPECT_EQ(RowOf(d, 3)->time, 60000 + 61000);
  EXPECT_EQ(Order(d), "02 01 03 ");

  // A single counted stage: every finisher ends with 0 but stays ahead of the others.
  d.options.ssFrom = 2;
  d.options.ssTo = 2;
  RecomputeRallyClassification(nullptr, &d);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d.rows[i].time, 0);
    EXPECT_EQ(d.rows[i].state, 3);
  }
}

TEST_F(RallyClassificationFile, EqualTotalsKeepTheGroupingOrderAtOpeningAndTheParticipantsOrderAfter) {
  rallytest::RallyEvent event;
  event.drivers = 6;
  event.stages = 1;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  // Buggy: 1 3 5, Truck: 2 4 6; by age code S: 1 2 4 5, J: 3 6.
  ASSERT_TRUE(rallytest::WriteStage(
      1, {{1, 60000, 3}, {2, 60000, 3}, {3, 60000, 3}, {4, 60000, 3}, {5, 60000, 3}, {6, 50000, 3}}, 6));
  static RallyClassificationData d;
  LoadRallyClassification(nullptr, &d);
  ClassificationFilterItems items = OpenRallyClassification(nullptr, &d);
  EXPECT_EQ(Order(d), "06 01 05 02 04 03 ");
  EXPECT_EQ(items.cars, (std::vector<std::string>{"All", "Buggy", "Truck"}));
  EXPECT_EQ(items.ages, (std::vector<std::string>{"All", "S(Senior)", "J(Junior)"}));
  ChangeRallyFilters(nullptr, &d, "All", "All");
  EXPECT_EQ(Order(d), "06 01 02 03 04 05 ");
  ChangeRallyFilters(nullptr, &d, "Truck", "All");
  EXPECT_EQ(Order(d), "06 02 04 ");
  EXPECT_EQ(RallyClassificationTitle(d.carFilter, d.ageFilter), "Rally classification : Truck");
  ChangeRallyFilters(nullptr, &d, "Buggy", "J(Junior)");
  EXPECT_EQ(Order(d), "03 ");
  EXPECT_EQ(RallyClassificationTitle(d.carFilter, d.ageFilter), "Rally classification : Buggy / J(Junior)");
  EXPECT_EQ(RallyClassificationTitle("Toutes", "J(Junior)"), "Rally classification : J(Junior)");
  EXPECT_EQ(RallyClassificationTitle("Toutes", "Toutes"), "Rally classification");
}

TEST_F(RallyClassificationFile, TheRangeIsClampedWhereverItComesFrom) {
  rallytest::RallyEvent event;
  event.stages = 3;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  // Options stored by an older rally of more stages, and a zero.
  SectionBody range;
  const int stored[] = {0, 150};
  AddNumbersLine(range, stored, 2);
  ASSERT_TRUE(stagetest::WriteSection("CourseRallye1ClassementRallye", kRallyClassificationReserve, range));
  RallyClassificationData& d = Load();
  EXPECT_EQ(d.options.ssFrom, 1);
  EXPECT_EQ(d.options.ssTo, 3);

  RallyClassificationOptions o = {2, 3, 0, 1};
  EXPECT_TRUE(ChangeFirstStage(&o, true, 0)) << "a typed 0 is written back as 1";
  EXPECT_EQ(o.ssFrom, 1);
  EXPECT_TRUE(ChangeFirstStage(&o, true, 9));
  EXPECT_EQ(o.ssFrom, 3);
  EXPECT_FALSE(ChangeFirstStage(&o, false, 0)) << "an emptied edit keeps the value";
  EXPECT_EQ(o.ssFrom, 3);
  EXPECT_TRUE(ChangeLastStage(&o, true, 0, 3));
  EXPECT_EQ(o.ssTo, 3);
  o.ssFrom = 1;
  EXPECT_TRUE(ChangeLastStage(&o, true, 99, 3));
  EXPECT_EQ(o.ssTo, 3);
  EXPECT_FALSE(ChangeLastStage(&o, true, 2, 3));
  EXPECT_EQ(o.ssTo, 2);

  // A header without stages and old options: nothing is counted, nothing read out of range.
  event.stages = 0;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  ASSERT_TRUE(stagetest::WriteSection("CourseRallye1ClassementRallye", kRallyClassificationReserve, range));
  RallyClassificationData& e = Opened();
  EXPECT_EQ(e.options.ssFrom, 1);
  EXPECT_EQ(e.options.ssTo, 0);
  EXPECT_STREQ(e.pageTitle, "Spring rally - SS1 to SS0");
  for (int i = 0; i < e.rowCount; ++i) EXPECT_EQ(e.rows[i].state, 0);
  EXPECT_EQ(Order(e), "01 02 04 03 ") << "grouped by car, then age";
  EXPECT_TRUE(ChangeLastStage(&e.options, true, 5, 0));
  EXPECT_EQ(e.options.ssTo, 0);

  // A rally name at its full width and numbers of any size stay within the title.
  std::memset(e.rallyName, 'R', sizeof e.rallyName - 1);
  e.options = {-2147483647, 2147483647, 0, 1};
  BuildRallyTitles(&e);
  EXPECT_EQ(std::strlen(e.pageTitle), sizeof e.pageTitle - 1);
}

TEST(RallyClassificationText, TheExcludedTextOfManyRemovedStagesIsCutWithinItsField) {
  static RallyClassificationData d;
  platform::ZeroBytes(&d, sizeof d);
  platform::CopyBounded(d.rallyName, "Rally");
  d.options = {1, 99, 0, 0};
  for (int s = 1; s < 99; ++s) d.stageStatuses[s] = 2;  // SS2 to SS99 removed
  d.stageStatuses[0] = 4;
  BuildRallyTitles(&d);
  const std::string text = d.excludedText;
  EXPECT_LE(text.size(), 299u);
  EXPECT_EQ(text.rfind("(Excluded : Power Stage, Worst stage, SS2, SS3, ", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - 6), ", ...)");
}

TEST(RallyClassificationText, PageLinesEntriesAndPrintedPages) {
  // R = 10, A = 2, P = 1.
  EXPECT_EQ(RallyPageLine(9, 10, 2, 1).kind, PageLineKind::Row);
  EXPECT_EQ(RallyPageLine(10, 10, 2, 1).kind, PageLineKind::Empty);
  EXPECT_EQ(RallyPageLine(11, 10, 2, 1).kind, PageLineKind::Abandon);
  EXPECT_EQ(RallyPageLine(11, 10, 2, 1).index, 0);
  EXPECT_EQ(RallyPageLine(12, 10, 2, 1).index, 1);
  EXPECT_EQ(RallyPageLine(13, 10, 2, 1).kind, PageLineKind::Empty);
  EXPECT_EQ(RallyPageLine(14, 10, 2, 1).kind, PageLineKind::Penalty);
  EXPECT_EQ(RallyPageLine(14, 10, 2, 1).index, 0);
  EXPECT_EQ(RallyPageLine(15, 10, 2, 1).kind, PageLineKind::Empty);
  // A = 0, P = 2: two empty lines, then the penalties.
  EXPECT_EQ(RallyPageLine(11, 10, 0, 2).kind, PageLineKind::Empty);
  EXPECT_EQ(RallyPageLine(12, 10, 0, 2).kind, PageLineKind::Penalty);
  EXPECT_EQ(RallyPageLine(13, 10, 0, 2).index, 1);

  static ClassificationRow rows[kMaxParticipants];
  ClearClassificationRows(rows);
  for (int i = 0; i < 5; ++i) platform::CopyBounded(rows[i].name, rallytest::DriverName(i + 1).c_str());
  rows[1].abandonCount = 1;
  rows[3].abandonCount = 2;
  rows[3].penaltyCount = 3;
  rows[4].penaltyCount = 1;
  // Whatever line the screen begins with, abandon line j names the j-th abandoning row.
  EXPECT_EQ(NthRowWithAbandon(rows, 5, 0), 1);
  EXPECT_EQ(NthRowWithAbandon(rows, 5, 1), 3);
  EXPECT_EQ(NthRowWithAbandon(rows, 5, 2), -1);
  EXPECT_EQ(NthRowWithPenalty(rows, 5, 1), 4);
  EXPECT_EQ(RallyAbandonEntry(rows[1]), "Driver 02 :    1 abandon");
  EXPECT_EQ(RallyAbandonEntry(rows[3]), "Driver 04 :    2 abandons");
  EXPECT_EQ(RallyPenaltyEntry(rows[3]), "Driver 04 :    3 penalties");
  EXPECT_EQ(RallyPenaltyEntry(rows[4]), "Driver 05 :    1 penalty");
  EXPECT_EQ(RallyRowMark(rows[3]), "(A+P)");
  EXPECT_EQ(RallyRowMark(rows[1]), "(A)");
  EXPECT_EQ(RallyRowMark(rows[4]), "(P)");
  EXPECT_EQ(RallyRowMark(rows[0]), "");
  EXPECT_EQ(RallyAbandonHeading(2, 5), "(A) Abandonments during specials SS2 to SS5 :");
  EXPECT_EQ(RallyPenaltyHeading(2, 5), "(P) Penalties received during specials SS2 to SS5 :");

  EXPECT_FALSE(RallyScrollShown(15, 1, 1));
  EXPECT_TRUE(RallyScrollShown(16, 1, 1));
  EXPECT_EQ(RallyScrollMaximum(16, 1, 1), 1);

  // 27 + 1 + 1 + 2 = 31 lines: the second page carries one line, no row.
  auto pages = RallyPrintedPages(27, 1, 1);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].rowLines, 27);
  EXPECT_EQ(pages[1].first, 30);
  EXPECT_EQ(pages[1].lines, 1);
  EXPECT_EQ(pages[1].rowLines, 0);
  EXPECT_EQ(RallyPageLine(30, 27, 1, 1).kind, PageLineKind::Penalty);
  EXPECT_EQ(RallyPrintedPages(0, 0, 0).size(), 1u);
  EXPECT_EQ(RallyPrintedPages(28, 0, 0).size(), 1u);
  EXPECT_EQ(RallyPrintedPages(60, 0, 0).size(), 3u);
}

TEST(RallyClassificationText, PublishingNamesAndRefusals) {
  RallyArchiveNames names = RallyArchiveNamesOf("Toutes", "J(Junior)");
  EXPECT_EQ(names.page, "Classement-zToutes-J(Junior).txt");
  EXPECT_EQ(names.upload, "Classement-zToutes-J.txt");
  names = RallyArchiveNamesOf("Buggy 1/8", "Toutes");
  EXPECT_EQ(names.page, "Classement-Buggy_1_8-zToutes.txt");
  EXPECT_EQ(names.upload, "Classement-Buggy_1_8-zToutes.txt");
  EXPECT_EQ(RallyArchiveNamesOf("Toutes", "VETERAN(Old)").upload, "Classement-zToutes-VETERAN.txt");
  EXPECT_EQ(RallyArchiveNamesOf("Toutes", "VETERANS").upload, "Classement-zToutes-VETERAN.txt") << "7 at most";
  EXPECT_EQ(WebRallyFolder("Rally 1/2"), "Rally_1_2");
  EXPECT_EQ(ArchiveRallyKey(1, "Rally 1/2"), "R1-Rally_1_2");

  EXPECT_EQ(CheckRallyPublishing(0, 1, 5), RallyPublishRefusal::NotConnected);
  EXPECT_EQ(CheckRallyPublishing(1, 0, 5), RallyPublishRefusal::NotActivated);
  EXPECT_EQ(CheckRallyPublishing(1, 2, 5), RallyPublishRefusal::NotConnected);
  EXPECT_EQ(CheckRallyPublishing(1, 1, 0), RallyPublishRefusal::Empty);
  EXPECT_EQ(CheckRallyPublishing(1, 1, 5), RallyPublishRefusal::None);
}

TEST_F(RallyClassificationFile, ValidateAppendsTheThreeSectionsThenRewritesThemInPlaceInRankedOrder) {
  rallytest::RallyEvent event;
  event.stages = 2;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  ASSERT_TRUE(rallytest::WriteStage(1, {{1, 60000, 3}, {2, 50000, 3}, {3, 70000, 3}, {4, 0, 1}}, 4));
  ASSERT_TRUE(rallytest::WriteStage(2, {{4, 0, 0}, {3, 70000, 3}, {2, 50000, 3}, {1, 60000, 3}}, 4));
  RallyClassificationData& d = Opened();
  d.options.worstStageIncluded = 0;
  ChangeRallyFilters(nullptr, &d, "Truck", "All");
  ASSERT_EQ(d.rowCount, 2);
  ASSERT_TRUE(SaveRallyClassification(nullptr, d));
  const std::string once = testsupport::ReadBytes(kRallyFilePath);
  const std::string range = "\r\nCourseRallye1ClassementRallye\t\r\n1\t2\t\r\n";
  EXPECT_NE(once.find(range), std::string::npos);
  const std::string options = "\r\nCourseRallye1ClassementRallye2\t\r\n0\t0\t\r\n";
  EXPECT_NE(once.find(options), std::string::npos);
  const std::string rows = "\r\nCourseRallye1ClassementRallye3\t\r\n0\t\r\nDriver 02\tITA\tTruck\tS\tSenior\t\r\n"
                           "Driver 01\tFRA\tBuggy\tS\tSenior\t\r\nDriver 03\tFRA\tBuggy\tJ\tJunior\t\r\n"
                           "Driver 04\tITA\tTruck\tS\tSenior\t\r\n\t\t\t\t\t\r\n";
  EXPECT_NE(once.find(rows), std::string::npos) << "every participant, whatever the filter";
  ASSERT_TRUE(SaveRallyClassification(nullptr, d));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), once) << "rewritten in place";

  // Read back by the next opening: the range and options, and the saved order.
  RallyClassificationData& again = Load();
  EXPECT_EQ(again.options.worstStageIncluded, 0);
  platform::TextFile file(kRallyFilePath, "r+");
  int first = 0;
  ASSERT_TRUE(FindTitledSection(file, "CourseRallye1ClassementRallye3", &first));
  static ClassifiedDriver drivers[kMaxParticipants];
  int international = -1;
  ReadSavedClassificationSection(file, first, &international, drivers);
  EXPECT_EQ(international, 0);
  EXPECT_STREQ(drivers[0].name, "Driver 02");
  EXPECT_STREQ(drivers[3].name, "Driver 04");
  EXPECT_STREQ(drivers[4].name, "");
}

TEST_F(RallyClassificationFile, FrenchAndSpanishKeepTheOptionsAndNeverReadOrWriteTheirSection) {
  rallytest::RallyEvent event;
  event.stages = 2;
  event.statuses = {1, 5};
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  ASSERT_TRUE(rallytest::WriteStage(1, {{1, 60000, 3}, {2, 50000, 3}, {3, 70000, 3}, {4, 80000, 3}}, 4));
  ASSERT_TRUE(rallytest::WriteStage(2, {{1, 60000, 3}, {2, 50000, 3}, {3, 70000, 3}, {4, 80000, 3}}, 4));
  SectionBody stored;
  const int both[] = {1, 0};
  AddNumbersLine(stored, both, 2);
  ASSERT_TRUE(stagetest::WriteSection("CourseRallye1ClassementRallye2", kRallyClassificationOptionsReserve, stored));
  for (const BuildProfile* profile : {&kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*profile);
    RallyClassificationData& d = Opened();
    EXPECT_EQ(d.options.powerStageIncluded, 0);
    EXPECT_EQ(d.options.worstStageIncluded, 1);
    EXPECT_EQ(RowOf(d, 1)->time, 60000) << "the Power Stage is left out";
  }
  SetActiveProfile(kFrenchBuild);
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  ASSERT_TRUE(SaveRallyClassification(nullptr, Opened()));
  const std::string file = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_EQ(rallytest::Count(file, "ClassementRallye2"), 0);
  EXPECT_EQ(rallytest::Count(file, "ClassementRallye3"), 1);
}

TEST_F(RallyClassificationFile, WithoutTheEventFileValidateWritesNothingAndSaysSo) {
  rallytest::RallyEvent event;
  ASSERT_TRUE(rallytest::WriteRallyEvent(event));
  platform::test::InterceptMessages();
  static RallyClassificationData d;
  LoadRallyClassification(nullptr, &d);
  OpenRallyClassification(nullptr, &d);
  ASSERT_TRUE(d.eventRead);
  // The file went away after the opening: the totals cannot be computed.
  const std::string before = testsupport::ReadBytes(kRallyFilePath);
  ASSERT_EQ(std::remove(kRallyFilePath), 0);
  platform::test::ClearMessages();
  EXPECT_FALSE(SaveRallyClassification(nullptr, d));
  EXPECT_EQ(testsupport::ShownMessageTexts(), (std::vector<std::string>{Tr(Text::RallyFileNotFound)}));
  testsupport::WriteBytes(kRallyFilePath, before);

  // An opening without the file leaves the participants in their order: Validate must not
  // save that as a classification.
  d.eventRead = false;
  platform::test::ClearMessages();
  EXPECT_FALSE(SaveRallyClassification(nullptr, d));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), before);
  EXPECT_EQ(testsupport::ShownMessageTexts().size(), 1u);
  platform::test::StopInterceptingMessages();
}

}  // namespace
