#include "race/live_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "race/event_file.h"
#include "race/event_session.h"
#include "race/penalty_database.h"
#include "setup/driver_penalty_model.h"
#include "race/race_engine.h"
#include "tests/support/temp_folder.h"

namespace {

const int kWidths[kLiveColumnCount] = {60, 80, 250, 150, 150, 180, 130, 130, 100};

LiveTableGeometry Geometry(int rowsShown = 10, int startWidth = 5) {
  RaceRowMetrics rows = {30, 15, rowsShown};
  return MakeLiveTableGeometry(1600, 900, kWidths, startWidth, rows);
}

TEST(LiveTableHits, LinesAreStrictlyBetweenTheirBorders) {
  LiveTableGeometry g = Geometry(3);
  int top = g.layout.resultsArea.top;  // 145 at 1600 x 900
  EXPECT_EQ(HitLine(g, top), -1);
  EXPECT_EQ(HitLine(g, top + 1), 0);
  EXPECT_EQ(HitLine(g, top + 29), 0);
  EXPECT_EQ(HitLine(g, top + 30), -1);  // the border between lines 0 and 1
  EXPECT_EQ(HitLine(g, top + 31), 1);
  EXPECT_EQ(HitLine(g, top + 89), 2);
  EXPECT_EQ(HitLine(g, top + 91), -1);  // below the last shown line
  EXPECT_EQ(HitLine(Geometry(0), top + 10), -1);
}

TEST(LiveTableHits, CellsFollowTheColumnOffsetsAndTheStartTimeColumn) {
  LiveTableGeometry g = Geometry();
  EXPECT_FALSE(InLaneCell(g, g.layout.laneColumn.left));
  EXPECT_TRUE(InLaneCell(g, g.layout.laneColumn.left + 1));
  EXPECT_FALSE(InLaneCell(g, g.layout.laneColumn.right));
  // Time column: after five columns and the start-time column.
  int timeLeft = g.layout.resultsArea.left + 60 + 80 + 250 + 150 + 150 + 5;
  EXPECT_FALSE(InTimeCell(g, timeLeft));
  EXPECT_TRUE(InTimeCell(g, timeLeft + 1));
  EXPECT_TRUE(InTimeCell(g, timeLeft + 179));
  EXPECT_FALSE(InTimeCell(g, timeLeft + 180));
  LiveTableGeometry wide = Geometry(10, 100);
  EXPECT_FALSE(InTimeCell(wide, timeLeft + 1));
  EXPECT_TRUE(InTimeCell(wide, timeLeft + 96));
  int chipLeft = timeLeft + 180 + 130 + 130;
  EXPECT_FALSE(InTransponderCell(g, chipLeft));
  EXPECT_TRUE(InTransponderCell(g, chipLeft + 1));
  EXPECT_FALSE(InTransponderCell(g, chipLeft + 100));
  EXPECT_FALSE(InHeadingBand(g, g.layout.headerBand.top));
  EXPECT_TRUE(InHeadingBand(g, g.layout.headerBand.top + 1));
}

TEST(LiveTableHits, BordersWithinTwoPixelsInTheHeadingBandOnly) {
  LiveTableGeometry g = Geometry();
  int y = g.layout.headerBand.top + 5;
  int first = 1600 / 80 + 1600 / 32 + 200 + 60;
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, first - 2, y), 0);
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, first + 2, y), 0);
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, first + 3, y), -1);
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, first, g.layout.headerBand.bottom + 5), -1);
  int startBorder = first + 80 + 250 + 150 + 150 + 5;
  // The start-time column is 5 wide: both its borders are within reach, the last one wins.
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, startBorder, y), kStartTimeDragColumn);
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, startBorder - 4, y), 4);
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, startBorder, y, false), -1);  // no start-time column to drag
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, startBorder + 180, y), 5);
  EXPECT_EQ(HitColumnBorder(g, kWidths, 5, startBorder + 180 + 130 + 130 + 100, y), 8);
}

TEST(LiveTableDrag, WidthsStayWithinFiveAnd999) {
  EXPECT_EQ(DraggedColumnWidth(100, 3000), 999);
  EXPECT_EQ(DraggedColumnWidth(100, -3000), 5);
  EXPECT_EQ(DraggedColumnWidth(100, -97), 5);  // 3 would be narrower than 5
  EXPECT_EQ(DraggedColumnWidth(100, -95), 5);
  EXPECT_EQ(DraggedColumnWidth(100, -94), 6);
  EXPECT_EQ(DraggedColumnWidth(100, 899), 999);
  EXPECT_EQ(DraggedColumnWidth(2147483000, 2000), 999);
}

TEST(LiveTableDrag, StartTimeColumnShownOrHiddenBeyondFiftyPixels) {
  LateStartPenaltySettings settings = {1, 0, 30};
  int width = 5;
  DragStartTimeColumn(&settings, &width, 40);
  EXPECT_EQ(settings.enabled2, 0);
  EXPECT_EQ(width, 5);
  DragStartTimeColumn(&settings, &width, 60);
  EXPECT_EQ(settings.enabled2, 1);
  EXPECT_EQ(width, 100);
  DragStartTimeColumn(&settings, &width, 60);  // already shown
  EXPECT_EQ(width, 100);
  DragStartTimeColumn(&settings, &width, -50);
  EXPECT_EQ(settings.enabled2, 1);
  DragStartTimeColumn(&settings, &width, -51);
  EXPECT_EQ(settings.enabled2, 0);
  EXPECT_EQ(width, 5);
}

TEST(LiveTableCorrection, EditsCoverTheTimeCell) {
  LiveTableGeometry g = Geometry();
  int c7x = g.layout.resultsArea.left + 695;
  EditRect hours = CorrectionEditRect(g, 180, 1, 0);
  EXPECT_EQ(hours.left, c7x + 2);
  EXPECT_EQ(hours.width, 39);
  EXPECT_EQ(hours.top, g.layout.resultsArea.top + 30 + 2);
  EXPECT_EQ(hours.height, 26);
  EXPECT_EQ(CorrectionEditRect(g, 180, 1, 1).left, c7x + 41);
  EXPECT_EQ(CorrectionEditRect(g, 180, 1, 2).left, c7x + 80);
  EditRect millis = CorrectionEditRect(g, 180, 1, 3);
  EXPECT_EQ(millis.left, c7x + 119);
  EXPECT_EQ(millis.width, 59);
}

TEST(LiveTableCorrection, TypingSetsTheTimeAndFinishesOnlyUnfinishedDrivers) {
  StageEntry live = {}, ranked = {};
  live.state = kEntryNotStarted;
  ranked.timeHours = 0;
  ranked.timeMinutes = 1;
  ranked.timeSeconds = 2;
  ranked.timeMillis = 3;
  EXPECT_EQ(ApplyTimeCorrection(&live, &ranked, 1, 75), 59u);
  EXPECT_EQ(ranked.timeMinutes, 59);
  EXPECT_EQ(live.time, 59 * 60000 + 2003);
  EXPECT_EQ(ranked.time, live.time);
  EXPECT_EQ(live.state, kEntryFinished);
  EXPECT_EQ(live.firstTime, kRedetectionQuestionOff);
  EXPECT_EQ(ApplyTimeCorrection(&live, &ranked, 0, 1), 1u);
  EXPECT_EQ(ApplyTimeCorrection(&live, &ranked, 3, 0), 0u);  // an emptied edit reads 0
  EXPECT_EQ(live.time, 3600000 + 59 * 60000 + 2000);
  EXPECT_EQ(ApplyTimeCorrection(&live, &ranked, 2, 60), 59u);
  live.state = 5;  // a penalised driver keeps his penalty
  ApplyTimeCorrection(&live, &ranked, 3, 999);
  EXPECT_EQ(live.state, 5);
  EXPECT_EQ(CorrectionEditLimit(0), 2);
  EXPECT_EQ(CorrectionEditLimit(3), 3);

  // 999 hours typed, and the parts of the largest time a damaged file gave: no overflow.
  StageEntry huge = {};
  SplitMilliseconds(INT_MAX, &huge.timeHours, &huge.timeMinutes, &huge.timeSeconds, &huge.timeMillis);
  ApplyTimeCorrection(&live, &huge, 3, 999);
  EXPECT_EQ(live.time, INT_MAX);
  StageEntry zero = {};
  ApplyTimeCorrection(&live, &zero, 0, 999);
  EXPECT_EQ(live.time, INT_MAX);
  EXPECT_EQ(zero.time, INT_MAX);
}

TEST(LiveTableScroll, RequestsMoveWithinTheRange) {
  EXPECT_EQ(ScrolledPosition(0, 0, 0, 7, 0), 0);
  EXPECT_EQ(ScrolledPosition(0, 3, 0, 7, 0), 2);
  EXPECT_EQ(ScrolledPosition(1, 7, 0, 7, 0), 7);
  EXPECT_EQ(ScrolledPosition(1, 6, 0, 7, 0), 7);
  EXPECT_EQ(ScrolledPosition(2, 5, 0, 7, 0), 0);
  EXPECT_EQ(ScrolledPosition(3, 1, 0, 7, 0), 7);  // straight to the last position
  EXPECT_EQ(ScrolledPosition(4, 1, 0, 7, 4), 4);
  EXPECT_EQ(ScrolledPosition(5, 1, 0, 7, 4), 1);  // SB_THUMBTRACK
  EXPECT_EQ(ScrolledPosition(8, 1, 0, 7, 4), 1);  // SB_ENDSCROLL
}

class LiveTableActions : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    saved = platform::CurrentFolder();
    platform::SetCurrentFolder(folder.path().c_str());
    platform::CreateFolder("Private");
    platform::test::InterceptMessages();
    platform::ZeroBytes(&Main(), sizeof(MainState));
    LiveTable() = LiveTableState{};
  }
  void TearDown() override {
    platform::test::StopInterceptingMessages();
    platform::test::ClearMessages();
    platform::SetCurrentFolder(saved.c_str());
  }
  testsupport::TempFolder folder;
  std::string saved;
};

TEST_F(LiveTableActions, QuestionsByStateAndStartType) {
  MainState& s = Main();
  s.messageBoxOption = 1;
  s.parameters.startType = kStandardStart;
  s.entries[0].state = kEntryNotStarted;
  s.entries[1].state = kEntryReleased;
  s.entries[2].state = kEntryRunning;
  s.entries[3].state = kEntryFinished;
  EXPECT_EQ(ManualTimingQuestion(s, 0, -1), ManualQuestion::Release);
  EXPECT_EQ(ManualTimingQuestion(s, 1, -1), ManualQuestion::Start);
  EXPECT_EQ(ManualTimingQuestion(s, 2, -1), ManualQuestion::Finish);
  EXPECT_EQ(ManualTimingQuestion(s, 3, -1), ManualQuestion::None);
  s.parameters.startType = kWrcStart;
  EXPECT_EQ(ManualTimingQuestion(s, 0, 4), ManualQuestion::None);
  EXPECT_EQ(ManualTimingQuestion(s, 0, 0), ManualQuestion::Release);
  s.messageBoxOption = 0;
  EXPECT_EQ(ManualTimingQuestion(s, 2, 0), ManualQuestion::None);
}

TEST_F(LiveTableActions, ActionsActOnlyOnTheStateReadBeforeTheQuestion) {
  MainState& s = Main();
  s.parameters.startType = kWrcStart;
  RaceEngine().countdown.nextIndex = 1;
  s.entries[0].state = kEntryNotStarted;
  RunManualTimingAction(nullptr, s, 0, kEntryNotStarted);  // not the next WRC driver
  EXPECT_EQ(s.entries[0].state, kEntryNotStarted);
  s.entries[1].state = kEntryNotStarted;
  RunManualTimingAction(nullptr, s, 1, kEntryNotStarted);
  EXPECT_EQ(s.entries[1].state, kEntryReleased);
  EXPECT_EQ(s.display[1].state, kEntryReleased);
  // The engine moved the driver while the box was open: nothing more happens.
  s.entries[2].state = kEntryRunning;
  RunManualTimingAction(nullptr, s, 2, kEntryReleased);
  EXPECT_EQ(s.entries[2].state, kEntryRunning);
  s.entries[3].state = 4;
  RunManualTimingAction(nullptr, s, 3, 4);
  EXPECT_EQ(s.entries[3].state, 4);
}

TEST_F(LiveTableActions, ClearingKeepsTheDriverAndPausesTheStage) {
  MainState& s = Main();
  s.timing.stageState = 1;
  StageEntry& e = s.entries[2];
  std::strcpy(e.name, "Ana");
  std::strcpy(e.transponder, "123456");
  e.startPosition = 3;
  e.state = kEntryRunning;
  e.time = 5000;
  EXPECT_FALSE(ClearDriverResult(s, 2, kEntryRunning));  // not finished
  EXPECT_EQ(s.timing.stageState, 1);
  e.state = 5;
  EXPECT_FALSE(ClearDriverResult(s, 2, kEntryFinished));  // penalised while asked
  EXPECT_EQ(e.state, 5);
  std::strcpy(s.display[2].timeText, "0:05.000");
  EXPECT_TRUE(ClearDriverResult(s, 2, 5));
  EXPECT_EQ(e.state, 0);
  EXPECT_EQ(e.time, 0);
  EXPECT_STREQ(e.name, "Ana");
  EXPECT_STREQ(e.transponder, "123456");
  EXPECT_EQ(e.startPosition, 3);
  EXPECT_STREQ(s.display[2].timeText, "");
  EXPECT_EQ(s.timing.stageState, 2);
}

TEST_F(LiveTableActions, ClubChipsRefuseTextsLongerThanSix) {
  MainState& s = Main();
  EXPECT_TRUE(AssignClubChip(s, 4, "654321"));
  EXPECT_STREQ(s.entries[4].transponder, "654321");
  EXPECT_STREQ(s.display[4].transponder, "654321");
  EXPECT_FALSE(AssignClubChip(s, 4, "1234567"));
  EXPECT_STREQ(s.entries[4].transponder, "654321");
  EXPECT_FALSE(AssignClubChip(s, -1, "1"));
  EXPECT_FALSE(AssignClubChip(s, kMaxParticipants, "1"));
  // An empty slot would leave the driver without a transponder: every pass unmatched.
  EXPECT_FALSE(AssignClubChip(s, 4, ""));
  EXPECT_STREQ(s.entries[4].transponder, "654321");
  EXPECT_STREQ(s.display[4].transponder, "654321");

  TransponderSetRecord set = {};
  std::strcpy(set.setName, "Club");
  std::strcpy(set.transponder[3], "000004");
  std::strcpy(set.transponder[19], "000020");
  const char* choices[kTranspondersPerSet];
  ASSERT_EQ(ClubChipChoices(set, choices), 2);
  EXPECT_STREQ(choices[0], "000004");
  EXPECT_STREQ(choices[1], "000020");
  set = {};
  EXPECT_EQ(ClubChipChoices(set, choices), 0) << "a factory set offers nothing";
}

TEST_F(LiveTableActions, SynchronisationWithoutDatabaseChangesNothing) {
  MainState& s = Main();
  StartFreshEvent(nullptr, s);
  ClearPenaltyList(s.eventPenalties);
  std::strcpy(s.eventPenalties[0].code, "A");
  std::strcpy(s.eventPenalties[2].code, "P1");
  EXPECT_FALSE(SynchronisePenalties(nullptr, s));
  EXPECT_STREQ(s.eventPenalties[2].code, "P1");
  EXPECT_EQ(LiveTable().penaltiesSynchronised, 0);
  ASSERT_FALSE(platform::test::Messages().empty());
  EXPECT_EQ(platform::test::Messages().back().text, Tr(Text::PenaltiesDatabaseNotFound));
}

TEST_F(LiveTableActions, SynchronisationTakesTheDatabaseAndFinishesUnknownPenalties) {
  MainState& s = Main();
  StartFreshEvent(nullptr, s);
  static PenaltyRecord database[kMaxPenalties];
  ClearPenaltyList(database);
  SetAbandonPenaltyDefaults(&database[0]);
  EnsureFixedPenalties(database, FixedPenaltiesMoment::Opening);
  ASSERT_TRUE(WritePenaltiesDatabase(database, 2));
  s.rallies[0].stageCount = 1;
  static StageResultRow rows[kMaxParticipants];
  ClearStageResultRows(rows);
  std::strcpy(rows[0].name, "Ana");
  rows[0].state = 5;  // the late start: still defined
  std::strcpy(rows[1].name, "Bea");
  rows[1].state = 7;  // a penalty the database no longer has
  StageResultsText text = {"", "", "Dry"};
  ASSERT_EQ(WriteStageResultRowsSection(nullptr, rows, 2, 0, text, s.rallies[0].participantCount, "CourseRallye1ES1"),
            SaveResult::Saved);
  platform::test::QueueMessageAnswer(platform::kIdYes);
  EXPECT_TRUE(SynchronisePenalties(nullptr, s));
  EXPECT_EQ(LiveTable().penaltiesSynchronised, 1);
  EXPECT_EQ(s.eventPenaltyFlag, 1);
  EXPECT_STREQ(s.eventPenalties[1].code, "PS");
  int state = 0, run = 0;
  char start[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
  ClearStageResultRows(rows);
  ASSERT_TRUE(ReadStageResults(rows, &state, &run, start, comment, condition, "CourseRallye1ES1"));
  EXPECT_EQ(rows[0].state, 5);
  EXPECT_EQ(rows[1].state, kEntryFinished);
}

TEST_F(LiveTableActions, DriverPenaltyListIsReadFromTheEventAndBounded) {
  static PenaltyRecord list[kMaxPenalties];
  LoadDriverPenaltyList(nullptr, list);  // no event file: the abandon alone
  EXPECT_EQ(DefinedPenaltyCount(list), 1);
  EXPECT_STREQ(list[0].code, "A");
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::RallyFileNotFound));
  StartFreshEvent(nullptr, Main());
  // A count beyond the list's 50 records, and more lines than that.
  SectionBody body;
  body.AddInt(80).AddInt(1).EndLine();
  for (int i = 0; i < 60; ++i) {
    char code[4];
    std::snprintf(code, sizeof code, "P%d", i);
    body.AddInt(2).AddInt(i).AddText(code).AddText("n").EndLine();
  }
  {
    platform::TextFile file(kRallyFilePath, "r+");
    ASSERT_TRUE(WriteRallySection(nullptr, file, kPenaltiesKey, 1280, body, Text::RallyFileNotFound));
  }
  LoadDriverPenaltyList(nullptr, list);
  EXPECT_EQ(DefinedPenaltyCount(list), kMaxPenalties);
  EXPECT_STREQ(list[0].code, "A");  // record 0 is always the abandon
  EXPECT_STREQ(list[49].code, "P49");
  EXPECT_EQ(list[49].duration, 49);
}

TEST(DriverPenaltyModel, ItemsStatesAndNoPenalty) {
  static PenaltyRecord list[kMaxPenalties];
  ClearPenaltyList(list);
  std::strcpy(list[0].code, "A");
  std::strcpy(list[1].code, "PS");
  std::strcpy(list[2].code, "P1");
  list[2].kind = 2;
  list[2].duration = 30;
  EXPECT_EQ(DefinedPenaltyCount(list), 3);
  EXPECT_EQ(OpeningPenaltyItem(6, list), 3);
  EXPECT_EQ(PenaltyOfState(6, list), &list[2]);
  EXPECT_EQ(OpeningPenaltyItem(7, list), 0);  // points past the defined penalties
  EXPECT_EQ(PenaltyOfState(7, list), nullptr);
  EXPECT_EQ(OpeningPenaltyItem(3, list), 0);
  EXPECT_EQ(OpeningPenaltyItem(1, list), 0);
  for (int state : {INT_MIN, INT_MIN + 3, -1, INT_MAX}) {  // any state a damaged file holds
    EXPECT_EQ(OpeningPenaltyItem(state, list), 0);
    EXPECT_EQ(PenaltyOfState(state, list), nullptr);
  }
  StageEntry e = {};
  e.state = kEntryRunning;
  e.firstTime = 1234;
  ApplyPenaltyItem(&e, 0);  // no penalty on a driver still out
  EXPECT_EQ(e.state, kEntryRunning);
  EXPECT_EQ(e.firstTime, 1234);
  ApplyPenaltyItem(&e, 1);
  EXPECT_EQ(e.state, 4);
  EXPECT_EQ(e.firstTime, kRedetectionQuestionOff);
  ApplyPenaltyItem(&e, 0);
  EXPECT_EQ(e.state, kEntryFinished);
  char text[80];
  SetActiveProfile(kEnglishBuild);
  PenaltyEffectText(list[2], text, sizeof text);
  EXPECT_STREQ(text, "30 seconds added to the driver race time");
  list[2].kind = 9;
  PenaltyEffectText(list[2], text, sizeof text);
  EXPECT_STREQ(text, "");
}

}  // namespace
