#include "race/race_screen_layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "race/stage_timing.h"

namespace {

// The factory widths of the display settings.
const int kFactoryWidths[kLiveColumnCount] = {60, 60, 280, 170, 150, 130, 120, 120, 90};

std::string Rect(const ScreenRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

RaceScreenLayout Layout(int W, int H, const int* widths = kFactoryWidths, int startTime = 100) {
  return ComputeRaceScreenLayout(W, H, widths, startTime, RaceRowMetrics{30, 17, 10});
}

}  // namespace

TEST(RaceScreenLayout, TenRectanglesOnTheDesignScreenArePixelValues) {
  RaceScreenLayout l = Layout(1600, 900);
  EXPECT_EQ(Rect(l.tableFrame), "215,115,1600,680");
  EXPECT_EQ(Rect(l.headerBand), "220,123,1585,145");
  EXPECT_EQ(Rect(l.laneColumn), "220,145,270,445");
  EXPECT_EQ(Rect(l.resultsArea), "270,145,1585,445");
  EXPECT_EQ(Rect(l.titleArea), "215,20,678,60");
  EXPECT_EQ(Rect(l.clockPanel), "250,730,640,780");
  EXPECT_EQ(Rect(l.countdownPanel), "680,730,750,780");
  EXPECT_EQ(Rect(l.restartDelayPanel), "10,790,200,810");
  EXPECT_EQ(Rect(l.radioConflictArea), "1038,30,1470,100");
  EXPECT_EQ(Rect(l.startTypeArea), "215,65,600,110");
}

TEST(RaceScreenLayout, TenRectanglesScaleTo1920x1080WithTheDivisionLast) {
  RaceScreenLayout l = Layout(1920, 1080);
  EXPECT_EQ(Rect(l.tableFrame), "218,138,1880,816");
  EXPECT_EQ(Rect(l.headerBand), "224,147,1862,174");
  EXPECT_EQ(Rect(l.laneColumn), "224,174,284,534");
  EXPECT_EQ(Rect(l.resultsArea), "284,174,1862,534");
  EXPECT_EQ(Rect(l.titleArea), "218,24,812,72");
  EXPECT_EQ(Rect(l.clockPanel), "260,876,728,936");
  EXPECT_EQ(Rect(l.countdownPanel), "768,876,838,936");
  EXPECT_EQ(Rect(l.restartDelayPanel), "10,970,200,990");
  EXPECT_EQ(Rect(l.radioConflictArea), "1186,36,1790,120");
  EXPECT_EQ(Rect(l.startTypeArea), "218,78,680,132");
}

// Under a taskbar the client ends above the rest panel and the tree takes its full height;
// a taller client stops the tree above the panel (at H - 110), which stays visible.
TEST(RaceScreenLayout, TheEventTreeNeverCoversTheRestartDelayTexts) {
  EXPECT_EQ(EventTreeHeight(800, 900), 800 - 80);
  EXPECT_EQ(EventTreeHeight(860, 900), 900 - 110 - 2 - 54);
  EXPECT_EQ(EventTreeHeight(1040, 1080), 1080 - 110 - 2 - 54);
  EXPECT_LE(54 + EventTreeHeight(860, 900), Layout(1600, 900).restartDelayPanel.top);
  EXPECT_EQ(EventTreeHeight(40, 900), 0);
}

TEST(RaceScreenLayout, RowsAndTheirTextsFollowTheRowHeightOnTheScreen) {
  RaceScreenLayout l = Layout(1920, 1080);
  // Row 2 of a 30-unit row: 60 design units below the results top, texts 2 units lower.
  EXPECT_EQ(RowTop(l, 1080, 30, 2), 174 + 72);
  EXPECT_EQ(RowTextTop(l, 1080, 30, 2), 174 + (60 + 2) * 1080 / 900);
  // Huge widths from a damaged settings file do not overflow.
  const int huge[kLiveColumnCount] = {2000000000, 2000000000, 0, 0, 0, 0, 0, 0, 0};
  RaceScreenLayout wide = Layout(1600, 900, huge);
  EXPECT_GT(wide.tableFrame.right, wide.tableFrame.left);
}

TEST(LiveTableColumns, OffsetsPositionsAndAlignmentsOfEveryColumn) {
  LiveColumnOffsets c = ComputeLiveColumnOffsets(kFactoryWidths, 100);
  const int expected[11] = {0, 0, 60, 120, 400, 570, 720, 820, 950, 1070, 1190};
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(c.start[k], expected[k]) << "C" << k;
  EXPECT_EQ(c.sum, 1280);

  RaceScreenLayout l = Layout(1600, 900);
  LiveTableColumns t = ComputeLiveTableColumns(l, 1600, kFactoryWidths, 100, 1, 0);
  struct Expected {
    LiveColumn column;
    Text heading;
    TextAlign align;
    int headingX;
    int cellX;
  };
  const Expected all[] = {
      {kLaneColumn, Text::LiveLane, TextAlign::Centre, 245, 245},
      {kPlaceColumn, Text::LivePlace, TextAlign::Centre, 300, 300},
      {kCarNumberColumn, Text::LiveCarNumber, TextAlign::Left, 335, 335},
      {kDriverColumn, Text::LiveDriver, TextAlign::Left, 400, 400},
      {kTeamColumn, Text::LiveTeam, TextAlign::Left, 675, 675},
      {kCategoryColumn, Text::LiveCategory, TextAlign::Left, 845, 845},
      {kStartTimeColumn, Text::LiveStartTime, TextAlign::Right, 1080, 1080},
      {kTimeColumn, Text::LiveTime, TextAlign::Right, 1210, 1210},
      {kGapToLeaderColumn, Text::LiveGapToLeader, TextAlign::Right, 1335, 1330},
      {kGapToPreviousColumn, Text::LiveGapToPrevious, TextAlign::Right, 1455, 1450},
      {kTransponderColumn, Text::LiveTransponder, TextAlign::Centre, 1505, 1505},
      {kFlagColumn, Text::LiveFinish, TextAlign::Centre, 1568, 1568},
  };
  for (const Expected& e : all) {
    const LiveColumnDraw& d = t.column[e.column];
    EXPECT_EQ(d.heading, e.heading) << e.column;
    EXPECT_EQ(d.align, e.align) << e.column;
    EXPECT_EQ(d.headingX, e.headingX) << e.column;
    EXPECT_EQ(d.cellX, e.cellX) << e.column;
    EXPECT_TRUE(d.headingShown) << e.column;
    EXPECT_TRUE(d.cellsShown) << e.column;
  }
  EXPECT_EQ(t.finishFlagX, 1555);
  EXPECT_EQ(ComputeLiveTableColumns(l, 1600, kFactoryWidths, 100, 1, 1).column[kTeamColumn].heading,
            Text::LiveNation);
}

// Each heading's room runs from its x to its column's line, as it is aligned: the lines are
// those the grid draws, the lane column's own on its left.
TEST(LiveTableColumns, EachHeadingHasTheRoomOfItsColumnBetweenTheLinesTheGridDraws) {
  RaceScreenLayout l = Layout(1600, 900);
  LiveTableColumns t = ComputeLiveTableColumns(l, 1600, kFactoryWidths, 100, 1, 0);
  const LiveColumnOffsets c = ComputeLiveColumnOffsets(kFactoryWidths, 100);
  EXPECT_EQ(t.column[kLaneColumn].left, l.laneColumn.left);
  EXPECT_EQ(t.column[kLaneColumn].right, l.resultsArea.left);
  EXPECT_EQ(t.column[kPlaceColumn].left, l.resultsArea.left);
  for (int k = kPlaceColumn; k < kFlagColumn; ++k) {
    EXPECT_EQ(t.column[k].right, t.column[k + 1].left) << k;
    EXPECT_LT(t.column[k].left, t.column[k].right) << k;
  }
  EXPECT_EQ(t.column[kTransponderColumn].right, LiveColumnX(l, 1600, c.sum));
  EXPECT_EQ(t.column[kFlagColumn].right, l.headerBand.right);

  // "- to leader" is right-aligned 5 px before its column's end: its room reaches back to 2 px
  // after the column's start; a centred heading has twice its nearer side.
  const LiveColumnDraw& leader = t.column[kGapToLeaderColumn];
  EXPECT_EQ(HeadingRoom(leader), leader.headingX - leader.left - 2);
  const LiveColumnDraw& lane = t.column[kLaneColumn];
  EXPECT_EQ(HeadingRoom(lane), 2 * std::min(lane.headingX - lane.left - 2, lane.right - 2 - lane.headingX));
  LiveColumnDraw outside = leader;
  outside.headingX = leader.left;
  EXPECT_EQ(HeadingRoom(outside), 0);

  EXPECT_EQ(FittedFontHeight(20, 100, 120), 20) << "a heading that fits keeps its size";
  EXPECT_EQ(FittedFontHeight(20, 100, 75), 15);
  EXPECT_EQ(FittedFontHeight(20, 100000, 1), 1);
  EXPECT_EQ(FittedFontHeight(-20, 100, 75), -15) << "a characters' height stays one";
  EXPECT_EQ(FittedFontHeight(-20, 100000, 1), -1);
}

TEST(LiveTableColumns, ThresholdsComparePixelsSoANarrowColumnVanishesOnAWideScreen) {
  // Just above each threshold on 1600 x 900: 40, 80, 85 and 55 pixels.
  const int edge[kLiveColumnCount] = {41, 41, 81, 81, 81, 86, 86, 86, 56};
  auto shown = [&](const int* widths, int W, LiveColumn column) {
    RaceScreenLayout l = ComputeRaceScreenLayout(W, W * 9 / 16, widths, 5, RaceRowMetrics{});
    const LiveColumnDraw& d = ComputeLiveTableColumns(l, W, widths, 5, 0, 0).column[column];
    EXPECT_EQ(d.headingShown, d.cellsShown);
    return d.headingShown;
  };
  for (int k = 0; k < kLiveColumnCount; ++k) {
    const LiveColumn column = static_cast<LiveColumn>(k < 5 ? k + 1 : k + 2);
    EXPECT_TRUE(shown(edge, 1600, column)) << k;
    int at[kLiveColumnCount];
    std::memcpy(at, edge, sizeof at);
    at[k] -= 1;  // exactly on the threshold
    EXPECT_FALSE(shown(at, 1600, column)) << k;
    EXPECT_FALSE(shown(edge, 1920, column)) << k << ": the same design width is too narrow on 1920";
  }
}

TEST(LiveTableColumns, StartTimeColumnHeadingWithItsWidthAndCellsWithTheSecondSwitch) {
  RaceScreenLayout l = Layout(1600, 900, kFactoryWidths, 5);
  LiveTableColumns gap = ComputeLiveTableColumns(l, 1600, kFactoryWidths, 5, 0, 0);
  EXPECT_FALSE(gap.column[kStartTimeColumn].headingShown);
  EXPECT_FALSE(gap.column[kStartTimeColumn].cellsShown);
  // A five-unit gap shifts the columns after it.
  EXPECT_EQ(gap.column[kTimeColumn].cellX, 270 + 720 + 5 + 130 - 10);
  LiveTableColumns wide = ComputeLiveTableColumns(l, 1600, kFactoryWidths, 100, 0, 0);
  EXPECT_TRUE(wide.column[kStartTimeColumn].headingShown);
  EXPECT_FALSE(wide.column[kStartTimeColumn].cellsShown);
}

TEST(LiveTableColumns, AZeroWidthGivesTwoBoundariesAtOneXAndNoColumn) {
  int widths[kLiveColumnCount];
  std::memcpy(widths, kFactoryWidths, sizeof widths);
  widths[1] = 0;
  LiveColumnOffsets c = ComputeLiveColumnOffsets(widths, 100);
  EXPECT_EQ(c.start[2], c.start[3]);
  RaceScreenLayout l = Layout(1600, 900, widths);
  EXPECT_FALSE(ComputeLiveTableColumns(l, 1600, widths, 100, 0, 0).column[kCarNumberColumn].headingShown);
}

TEST(RaceScreenColours, GradientRunsFromTopToBottomWithRoundedSteps) {
  const int top = MakeColour(200, 100, 0);
  const int bottom = MakeColour(0, 100, 255);
  EXPECT_EQ(GradientLineColour(top, bottom, 0, 22), top);
  EXPECT_EQ(GradientLineColour(top, bottom, 21, 22), MakeColour(200 - 191, 100, 0 + 243));
  // MulDiv rounds half away from zero, both ways.
  EXPECT_EQ(MulDivRounded(1, 3, 2), 2);
  EXPECT_EQ(MulDivRounded(1, -3, 2), -2);
  EXPECT_EQ(MulDivRounded(7, 1, 0), -1);
  EXPECT_EQ(GradientLineColour(MakeColour(0, 0, 0), MakeColour(255, 255, 255), 1, 2), MakeColour(128, 128, 128));
}

TEST(RaceScreenColours, LaneStripsFadeFromWhiteAndStatesColourTheLane) {
  EXPECT_EQ(LaneStripColour(0, 30), MakeColour(255, 255, 255));
  EXPECT_EQ(LaneStripColour(29, 30), MakeColour(255 - 39, 255 - 39, 255 - 92));
  int colours[kDisplayColourCount] = {};
  for (int k = 0; k < kDisplayColourCount; ++k) colours[k] = 1000 + k;
  EXPECT_EQ(LaneStateColour(0, colours), -1);
  EXPECT_EQ(LaneStateColour(-3, colours), -1);
  EXPECT_EQ(LaneStateColour(kEntryReleased, colours), 1005);
  EXPECT_EQ(LaneStateColour(kEntryRunning, colours), 1006);
  EXPECT_EQ(LaneStateColour(kEntryFinished, colours), 1007);
  EXPECT_EQ(LaneStateColour(9, colours), 1007);
}

TEST(RaceScreenColours, WatermarkIsTheTableBackgroundTenLowerNeverNegative) {
  EXPECT_EQ(WatermarkColour(MakeColour(5, 9, 10)), MakeColour(0, 0, 0));
  EXPECT_EQ(WatermarkColour(MakeColour(11, 255, 128)), MakeColour(1, 245, 118));
  EXPECT_EQ(WatermarkColour(MakeColour(236, 236, 236)), MakeColour(226, 226, 226));
}

TEST(RaceScreenTexts, StateWordsAndRestartColours) {
  Text word;
  int colour;
  EXPECT_FALSE(StageStateWord(0, &word, &colour));
  ASSERT_TRUE(StageStateWord(1, &word, &colour));
  EXPECT_EQ(word, Text::StageActivated);
  EXPECT_EQ(colour, MakeColour(0, 150, 0));
  ASSERT_TRUE(StageStateWord(3, &word, &colour));
  EXPECT_EQ(word, Text::StageFinished);
  EXPECT_EQ(colour, MakeColour(150, 0, 0));
  EXPECT_EQ(RestartDelayColour(0), MakeColour(0, 150, 0));
  EXPECT_EQ(RestartDelayColour(1), MakeColour(150, 0, 0));
  EXPECT_EQ(RestartDelayColour(7), 0);
}

TEST(PenaltyCodeForState, OnlyDefinedPenaltiesGiveACode) {
  static PenaltyRecord list[kMaxPenalties];
  std::memset(list, 0, sizeof list);
  platform::CopyBounded(list[0].code, "A");
  platform::CopyBounded(list[1].code, "PS");
  platform::CopyBounded(list[2].code, "P1");
  char code[4];
  EXPECT_FALSE(PenaltyCodeForState(kEntryFinished, list, code));
  EXPECT_FALSE(PenaltyCodeForState(kEntryFirstPenalty, list, code)) << "the abandon shows its flag";
  ASSERT_TRUE(PenaltyCodeForState(5, list, code));
  EXPECT_STREQ(code, "PS");
  ASSERT_TRUE(PenaltyCodeForState(6, list, code));
  EXPECT_STREQ(code, "P1");
  // Past the list's end: the records after the first empty code are not penalties.
  platform::CopyBounded(list[4].code, "P3");
  EXPECT_FALSE(PenaltyCodeForState(7, list, code));
  EXPECT_STREQ(code, "");
  EXPECT_FALSE(PenaltyCodeForState(8, list, code));

  // A full list of 50: the last record is reachable, nothing past it is read.
  for (int i = 0; i < kMaxPenalties; ++i) std::memcpy(list[i].code, "P99", 4);
  std::memcpy(list[kMaxPenalties - 1].code, "ABCD", 4);  // full field, no terminator
  ASSERT_TRUE(PenaltyCodeForState(4 + kMaxPenalties - 1, list, code));
  EXPECT_STREQ(code, "ABC");
  EXPECT_FALSE(PenaltyCodeForState(4 + kMaxPenalties, list, code));
  EXPECT_FALSE(PenaltyCodeForState(2000000000, list, code));
}

TEST(LiveTableRows, ScrolledRowsStayWithinTheEntriesAndTheTable) {
  EXPECT_EQ(ShownDisplayRow(10, 0, 30), 10);
  EXPECT_EQ(ShownDisplayRow(10, 19, 30), 29);
  EXPECT_EQ(ShownDisplayRow(10, 20, 30), -1) << "past the entry count";
  EXPECT_EQ(ShownDisplayRow(190, 10, 250), -1) << "past the 200 rows of the table";
  EXPECT_EQ(ShownDisplayRow(199, 0, 200), 199);
  EXPECT_EQ(ShownDisplayRow(-1, 0, 30), -1);
  EXPECT_EQ(ShownDisplayRow(2000000000, 2000000000, 200), -1);
}

TEST(LiveTableRows, RowMetricsFromTheTallestFontAndTheRoomLeft) {
  const int heights[9] = {20, 25, 19, 19, 19, 19, 19, 19, 19};
  // 25 * 120 / 100 = 30 units; 535 pixels of room on the design screen: 17 rows (510 < 535).
  RaceRowMetrics m = ComputeRowMetrics(heights, 9, 535, 900, 40);
  EXPECT_EQ(m.rowHeight, 30);
  EXPECT_EQ(m.rowsFit, 17);
  EXPECT_EQ(m.rowsShown, 17);
  EXPECT_EQ(ComputeRowMetrics(heights, 9, 540, 900, 40).rowsFit, 17) << "a row must end strictly inside";
  EXPECT_EQ(ComputeRowMetrics(heights, 9, 535, 900, 5).rowsShown, 5);
  EXPECT_EQ(ComputeRowMetrics(heights, 9, 535, 900, 0).rowsShown, 0);
  EXPECT_EQ(ComputeRowMetrics(heights, 9, 0, 900, 40).rowsFit, 0);
  EXPECT_EQ(ComputeRowMetrics(heights, 9, -20, 900, 40).rowsShown, 0);
  const int tiny[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};
  RaceRowMetrics many = ComputeRowMetrics(tiny, 9, 535, 900, 250);
  EXPECT_EQ(many.rowHeight, 1);
  EXPECT_EQ(many.rowsFit, 200) << "room for 250 rows, but the table has 200";
  EXPECT_EQ(many.rowsShown, 200);
}
