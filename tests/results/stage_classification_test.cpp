// The stage classification's computation: penalised times and their guards, the order, the
// filters and combo items, the legend, the scroll bar, titles, time texts, printed pages,
// and the Power Stage section that Validate writes.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/penalty_database.h"
#include "race/stage_timing.h"
#include "results/classification_page.h"
#include "results/stage_classification.h"
#include "tests/race/storage_test_support.h"
#include "tests/results/stage_event.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_folder.h"

namespace {

StageClassificationData& Fresh() {
  static StageClassificationData data;
  platform::ZeroBytes(&data, sizeof data);
  ClearPenaltyList(data.penalties);
  data.rally = 1;
  data.stage = 2;
  return data;
}

void AddDriver(StageClassificationData& d, const char* name, const char* car, const char* ageCode,
               const char* ageName, int time, int state) {
  int i = d.participantCount++;
  platform::CopyBounded(d.participants[i].name, name);
  platform::CopyBounded(d.participants[i].carCategory, car);
  platform::CopyBounded(d.participants[i].ageCategoryCode, ageCode);
  platform::CopyBounded(d.participants[i].ageCategoryName, ageName);
  std::snprintf(d.participants[i].carNumber, sizeof d.participants[i].carNumber, "%d", 10 + i);
  platform::CopyBounded(d.results[i].name, name);
  d.results[i].time = time;
  d.results[i].state = state;
}

void AddPenalty(StageClassificationData& d, const char* code, const char* name, int kind, int seconds) {
  PenaltyRecord& p = d.penalties[d.penaltyCount++];
  platform::CopyBounded(p.code, code);
  platform::CopyBounded(p.name, name);
  p.kind = kind;
  p.duration = seconds;
}

std::string Order(const StageClassificationData& d) {
  std::string names;
  for (int i = 0; i < d.rowCount; ++i) names += std::string(d.rows[i].name) + " ";
  return names;
}

TEST(StageClassificationTimes, PenaltyKindsStartFromTheStoredTimesAndIgnoreEmptySlots) {
  StageClassificationData& d = Fresh();
  AddPenalty(d, "A", "Abandon", kPenaltyGross, 600);
  AddPenalty(d, "PS", "Late start", kPenaltyAdded, 10);
  AddPenalty(d, "P1", "Winner", kPenaltyAfterWinner, 5);
  AddPenalty(d, "P2", "Last", kPenaltyAfterLast, 7);
  AddDriver(d, "Ann", "A", "J", "Junior", 61000, 4);    // gross: 600 s
  AddDriver(d, "Ben", "A", "J", "Junior", 62000, 5);    // added: 72 s
  AddDriver(d, "Cid", "A", "J", "Junior", 50000, 6);    // best 50 s + 5 s
  AddDriver(d, "Dan", "A", "J", "Junior", 70000, 7);    // worst 70 s + 7 s
  AddDriver(d, "(NA)", "", "", "", NoTime, 3);         // an empty slot is nobody's time
  AddDriver(d, "Eve", "A", "J", "Junior", 0, 3);
  ComputePenalisedTimes(d.results, d.penalties, d.penaltyCount, d.participantCount, d.penalisedTimes);
  EXPECT_EQ(d.penalisedTimes[0], 600000);
  EXPECT_EQ(d.penalisedTimes[1], 72000);
  EXPECT_EQ(d.penalisedTimes[2], 55000);
  EXPECT_EQ(d.penalisedTimes[3], 77000);
  EXPECT_EQ(d.penalisedTimes[5], 0);

  // Nobody timed: "after the winner" is the duration alone.
  StageClassificationData& e = Fresh();
  AddPenalty(e, "A", "Abandon", kPenaltyAfterWinner, 30);
  AddDriver(e, "Ann", "A", "", "", 0, 4);
  AddDriver(e, "(NA)", "", "", "", NoTime, 3);
  ComputePenalisedTimes(e.results, e.penalties, e.penaltyCount, e.participantCount, e.penalisedTimes);
  EXPECT_EQ(e.penalisedTimes[0], 30000);
}

TEST(StageClassificationTimes, StatesPastTheListAndHugeDurationsAreGuarded) {
  StageClassificationData& d = Fresh();
  AddPenalty(d, "A", "Abandon", kPenaltyAdded, 2000000000);
  AddDriver(d, "Ann", "A", "", "", 2000000000, 4);  // would overflow 32 bits
  AddDriver(d, "Ben", "A", "", "", 60000, 9);       // record 5: not defined
  AddDriver(d, "Cid", "A", "", "", 60000, 1000);    // far beyond the 50 records
  ComputePenalisedTimes(d.results, d.penalties, d.penaltyCount, d.participantCount, d.penalisedTimes);
  EXPECT_EQ(d.penalisedTimes[0], 2147483647);
  EXPECT_EQ(d.penalisedTimes[1], 60000);
  EXPECT_EQ(d.penalisedTimes[2], 60000);
  EXPECT_EQ(CarriedPenalty(9, d.penalties, d.penaltyCount), nullptr);
  EXPECT_EQ(CarriedPenalty(1000, d.penalties, d.penaltyCount), nullptr);
  EXPECT_EQ(CarriedPenalty(4, d.penalties, 60), &d.penalties[0]);
  EXPECT_EQ(CarriedPenalty(4 + 55, d.penalties, 60), nullptr) << "the count never passes the 50 records";
  // A damaged file may hold any state.
  EXPECT_EQ(CarriedPenalty(INT_MIN, d.penalties, 60), nullptr);
  EXPECT_EQ(CarriedPenalty(INT_MAX, d.penalties, 60), nullptr);
}

TEST(StageClassificationOrder, TimedThenFinishedWithoutTimeThenNotFinishedWithTiesInGroupingOrder) {
  StageClassificationData& d = Fresh();
  AddPenalty(d, "A", "Abandon", kPenaltyGross, 600);
  AddDriver(d, "Out", "Buggy", "S", "Senior", 0, 1);
  AddDriver(d, "NoTime", "Buggy", "S", "Senior", 0, 3);
  AddDriver(d, "TieB", "Buggy", "J", "Junior", 50000, 3);
  AddDriver(d, "TieA", "Truck", "J", "Junior", 50000, 3);
  AddDriver(d, "Fast", "Truck", "S", "Senior", 40000, 3);
  AddDriver(d, "TieC", "Buggy", "S", "Senior", 50000, 3);
  AddDriver(d, "Quit", "Truck", "S", "Senior", 0, 4);
  StageFilterItems items = OpenStageClassification(&d);
  // Grouped by car (Buggy: Out NoTime TieB TieC; Truck: TieA Fast Quit), then by age code
  // (S: Out NoTime TieC Fast Quit; J: TieB TieA): ties keep that order.
  EXPECT_EQ(Order(d), "Fast TieC TieB TieA Quit NoTime Out ");
  EXPECT_EQ(d.rows[1].gapToLeader, 10000);
  EXPECT_EQ(d.rows[2].gapToPrevious, 0);
  EXPECT_EQ(d.rows[4].time, 600000) << "the abandon is classified on record A";
  EXPECT_EQ(d.rows[5].gapToLeader, 0);
  EXPECT_EQ(items.cars, (std::vector<std::string>{"All", "Buggy", "Truck"}));
  EXPECT_EQ(items.ages, (std::vector<std::string>{"All", "S(Senior)", "J(Junior)"}));
  ASSERT_EQ(d.noteCount, 1);
  EXPECT_STREQ(d.notes[0].code, "A");

  // After a filter change, ties keep the participant order.
  ChangeStageFilters(&d, "All", "All");
  EXPECT_STREQ(d.carFilter, "Toutes");
  EXPECT_EQ(Order(d), "Fast TieB TieA TieC Quit NoTime Out ");
  ChangeStageFilters(&d, "Buggy", "All");
  EXPECT_EQ(Order(d), "TieB TieC NoTime Out ");
  EXPECT_EQ(d.noteCount, 0) << "nobody shown carries the abandon";
  ChangeStageFilters(&d, "Truck", "S(Senior)");
  EXPECT_EQ(Order(d), "Fast Quit ");
  ChangeStageFilters(&d, "All", "J(Junior)");
  EXPECT_EQ(Order(d), "TieB TieA ");
}

TEST(StageClassificationOrder, NotesFollowTheListOrderAndAnEmptyRallyGivesTwoItemsEach) {
  StageClassificationData& d = Fresh();
  AddPenalty(d, "A", "Abandon", kPenaltyGross, 600);
  AddPenalty(d, "PS", "Late start", kPenaltyAdded, 10);
  AddPenalty(d, "P1", "Cut", kPenaltyAdded, 5);
  AddDriver(d, "Ann", "A", "", "", 60000, 6);
  AddDriver(d, "Ben", "A", "", "", 60000, 4);
  AddDriver(d, "Cid", "A", "", "", 60000, 6);
  OpenStageClassification(&d);
  ASSERT_EQ(d.noteCount, 2);
  EXPECT_STREQ(d.notes[0].code, "A");
  EXPECT_STREQ(d.notes[1].code, "P1");
  EXPECT_EQ(d.notes[1].duration, 5);

  StageClassificationData& empty = Fresh();
  StageFilterItems items = OpenStageClassification(&empty);
  EXPECT_EQ(items.cars, (std::vector<std::string>{"All", ""}));
  EXPECT_EQ(items.ages, (std::vector<std::string>{"All", "()"}));
  EXPECT_EQ(empty.rowCount, 0);
}

TEST(ClassificationPage, ScrollTitlesAndTimeTexts) {
  EXPECT_FALSE(ClassificationScrollShown(16, 2));
  EXPECT_EQ(ClassificationScrollMaximum(16, 2), 0);
  EXPECT_TRUE(ClassificationScrollShown(17, 2));
  EXPECT_EQ(ClassificationScrollMaximum(17, 2), 1);

  EXPECT_EQ(StageScreenTitle("Toutes", "Toutes"), "Special stage classification");
  EXPECT_EQ(StageScreenTitle("toutes", "Toutes"), "Special stage classification  : toutes");
  EXPECT_EQ(StageScreenTitle("Toutes", "J(Junior)"), "Special stage classification  : J(Junior)");
  EXPECT_EQ(StageScreenTitle("Buggy", "J(Junior)"), "Special stage classification : Buggy / J(Junior)");
  EXPECT_EQ(StagePrintedTitle(3, "Toutes", "Toutes"), "Classification special stage SS3");
  EXPECT_EQ(StagePrintedTitle(3, "Buggy", "Toutes"), "Classification SS3 : Buggy");
  EXPECT_EQ(StagePrintedTitle(3, "Buggy", "J(Junior)"), "Classification SS3 : Buggy / J(Junior)");

  const int hour = 3600000 + 2 * 60000 + 3000 + 4;
  EXPECT_EQ(ClassificationTimeText(hour), "1:02:03.004");
  EXPECT_EQ(ClassificationGapText(hour), "1:02:03.004");
  EXPECT_EQ(ClassificationTimeText(5123), "0:05.123");
  EXPECT_EQ(ClassificationGapText(61500), "1:01.500");
  EXPECT_EQ(ClassificationGapText(999), "0.999");
  EXPECT_EQ(ClassificationGapText(0), "0.000");
}

TEST(ClassificationPage, ScreenAndPrintedLinesAndPages) {
  // 25 rows and 2 notes: rows 0..24, an empty line, notes 26 and 27.
  EXPECT_EQ(ScreenPageLine(24, 25, 2).kind, PageLineKind::Row);
  EXPECT_EQ(ScreenPageLine(25, 25, 2).kind, PageLineKind::Empty);
  EXPECT_EQ(ScreenPageLine(27, 25, 2).kind, PageLineKind::Note);
  EXPECT_EQ(ScreenPageLine(27, 25, 2).index, 1);
  EXPECT_EQ(ScreenPageLine(28, 25, 2).kind, PageLineKind::Empty);

  auto one = ClassificationPrintedPages(25, 0);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].lines, 30);
  EXPECT_EQ(one[0].rowLines, 25);
  EXPECT_EQ(PrintedPageLine(27, 25, 0).kind, PageLineKind::TrackCondition);
  EXPECT_EQ(PrintedPageLine(29, 25, 0).kind, PageLineKind::Comment);

  auto two = ClassificationPrintedPages(26, 0);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].rowLines, 26);
  EXPECT_EQ(two[1].first, 30);
  EXPECT_EQ(two[1].lines, 1);
  EXPECT_EQ(two[1].rowLines, 0) << "the comment alone: no band, no heads";
  EXPECT_EQ(PrintedPageLine(30, 26, 0).kind, PageLineKind::Comment);

  EXPECT_EQ(ClassificationPrintedPages(0, 0).size(), 1u) << "always one page";
}

// --- The event file ---

class StageClassificationFile : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::ClearMessages();
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  }
  void TearDown() override { platform::test::ClearMessages(); }

  static void WriteEvent(int count, int node, int stageFlag = 5) {
    stagetest::StageEvent event;
    event.drivers = count;
    event.selectedNode = node;
    event.stageFlag = stageFlag;
    ASSERT_TRUE(stagetest::WriteStageEvent(event));
  }
  static void WriteSection(const char* title, int reserve, const SectionBody& body) {
    ASSERT_TRUE(stagetest::WriteSection(title, reserve, body));
  }

  storagetest::WorkingFolder folder;
};

TEST_F(StageClassificationFile, LoadsThePowerStageAndValidateRewritesItsSectionInPlace) {
  WriteEvent(3, 14102);
  static StageClassificationData data;
  LoadStageClassification(nullptr, &data);
  EXPECT_EQ(data.rally, 1);
  EXPECT_EQ(data.stage, 2);
  EXPECT_STREQ(data.pageTitle, "Spring rally - SS2 - Power Stage");
  EXPECT_STREQ(data.trackCondition, "Wet");
  EXPECT_STREQ(data.comment, "Muddy corner");
  OpenStageClassification(&data);
  ASSERT_EQ(data.rowCount, 3);
  EXPECT_STREQ(data.rows[0].name, "Driver 03");
  EXPECT_EQ(StageArchiveName(data), "PS2.txt");

  // Validate while a filter is set still saves every participant.
  ChangeStageFilters(&data, "Truck", "All");
  ASSERT_EQ(data.rowCount, 1);
  ASSERT_TRUE(SavePowerStageClassification(nullptr, data));
  const std::string once = testsupport::ReadBytes(kRallyFilePath);
  const std::string title = "\r\nCourseRallye1ClassementPowerStage\t\r\n";
  std::size_t at = once.find(title);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(once.substr(at + title.size(), 4 + 3 * 24 + 3 * 7),
            "0\t\r\nDriver 03\tFRA\tBuggy\tJ\tJunior\t\r\nDriver 02\tFRA\tTruck\tS\tSenior\t\r\nDriver 01\tFRA\tBuggy\tS\tSenior\t\r\n");
  EXPECT_EQ(once.substr(at + title.size() + 4 + 3 * 24 + 3 * 7, 9), "\t\t\t\t\t\r\n\t\t");
  ASSERT_TRUE(SavePowerStageClassification(nullptr, data));
  const std::string twice = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_EQ(twice, once) << "rewritten in place, the title once";

  // The French and Spanish builds have no Power Stage: an ordinary title and archive, and
  // Validate saves nothing. The condition word is the same in every build.
  // The title names the stage as each build's race screen does.
  for (const BuildProfile* profile : {&kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*profile);
    LoadStageClassification(nullptr, &data);
    EXPECT_STREQ(data.pageTitle, profile == &kFrenchBuild ? "Spring rally - ES2 " : "Spring rally - TC2 ");
    EXPECT_STREQ(data.trackCondition, "Wet");
    EXPECT_EQ(StageArchiveName(data), "ES2.txt");
    EXPECT_FALSE(SavePowerStageClassification(nullptr, data));
  }
  SetActiveProfile(kEnglishBuild);
}

TEST_F(StageClassificationFile, AnOrdinaryStageSavesNothingAndAStaleCodeGivesAnEmptyClassification) {
  WriteEvent(3, 14102, 1);
  static StageClassificationData data;
  LoadStageClassification(nullptr, &data);
  EXPECT_STREQ(data.pageTitle, "Spring rally - SS2 ");
  EXPECT_EQ(StageArchiveName(data), "ES2.txt");
  EXPECT_FALSE(SavePowerStageClassification(nullptr, data));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath).find("ClassementPowerStage"), std::string::npos);

  WriteEvent(3, -1000);
  LoadStageClassification(nullptr, &data);
  EXPECT_EQ(data.rally, 0);
  EXPECT_EQ(data.stage, 0);
  OpenStageClassification(&data);
  EXPECT_EQ(data.rowCount, 0);
  EXPECT_FALSE(SavePowerStageClassification(nullptr, data));
  EXPECT_EQ(CheckStagePublishing(1, 1, data), StagePublishRefusal::Empty);
  WriteEvent(3, 24102);  // rally 2 of a one-rally event
  LoadStageClassification(nullptr, &data);
  EXPECT_EQ(data.rally, 0);
}

TEST_F(StageClassificationFile, AFullPowerStageBodyNeverOverwritesTheNextSection) {
  WriteEvent(3, 14102);
  static StageClassificationData data;
  LoadStageClassification(nullptr, &data);
  data.participantCount = kMaxParticipants;
  for (int i = 0; i < kMaxParticipants; ++i) {
    ParticipantRecord& p = data.participants[i];
    std::memset(p.name, 'N', sizeof p.name - 1);
    std::snprintf(p.name, sizeof p.name, "%03d", i);
    p.name[3] = 'N';
    std::memset(p.team, 'T', sizeof p.team - 1);
    std::memset(p.carCategory, 'C', sizeof p.carCategory - 1);
    std::memset(p.ageCategoryCode, 'a', sizeof p.ageCategoryCode - 1);
    std::memset(p.ageCategoryName, 'G', sizeof p.ageCategoryName - 1);
  }
  OpenStageClassification(&data);
  // A section after the Power Stage's, then a body that outgrows the reserve.
  ASSERT_TRUE(SavePowerStageClassification(nullptr, data));
  SectionBody after;
  after.AddText("next").EndLine();
  WriteSection("CourseRallye1Suivante", 5, after);
  ASSERT_TRUE(SavePowerStageClassification(nullptr, data));
  platform::TextFile file(kRallyFilePath, "r+");
  int first = 0;
  ASSERT_TRUE(FindTitledSection(file, "CourseRallye1Suivante", &first));
  EXPECT_EQ(first, 'n');
  ASSERT_TRUE(FindTitledSection(file, "CourseRallye1ClassementPowerStage", &first));
  static ClassifiedDriver drivers[kMaxParticipants];
  int international = -1;
  ReadSavedClassificationSection(file, first, &international, drivers);
  EXPECT_EQ(std::string(drivers[199].name, 4), "199N");
}

}  // namespace
