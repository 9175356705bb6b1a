#include "race/race_screen_layout.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "race/stage_timing.h"

namespace {

int ClampToInt(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

int ScaleDesign(long long a, long long b, long long c) {
  // Widths come from a settings file, so a product may not fit 32 bits.
  return c == 0 ? 0 : ClampToInt(a * b / c);
}

LiveColumnOffsets ComputeLiveColumnOffsets(const int columnWidths[kLiveColumnCount], int startTimeColumnWidth) {
  // Column order on screen: five columns, the start-time column, then the last four.
  const int widths[10] = {columnWidths[0], columnWidths[1], columnWidths[2], columnWidths[3], columnWidths[4],
                          startTimeColumnWidth, columnWidths[5], columnWidths[6], columnWidths[7],
                          columnWidths[8]};
  LiveColumnOffsets offsets = {};
  long long at = 0;
  for (int k = 1; k <= 10; ++k) {
    offsets.start[k] = ClampToInt(at);
    at += widths[k - 1];
  }
  offsets.sum = ClampToInt(at);
  return offsets;
}

RaceScreenLayout ComputeRaceScreenLayout(int W, int H, const int columnWidths[kLiveColumnCount],
                                         int startTimeColumnWidth, const RaceRowMetrics& rows) {
  const long long sum = ComputeLiveColumnOffsets(columnWidths, startTimeColumnWidth).sum;
  const int rowsBottom = ClampToInt((static_cast<long long>(rows.rowHeight) * rows.rowsShown + 145) * H / 900);
  const int titleRight = (42 * W - 8400) / 100 + 90;
  RaceScreenLayout l;
  l.tableFrame = {15 * W / 1600 + 200, 115 * H / 900, ClampToInt(ScaleDesign(W, sum + 120, 1600) + 200LL), 680 * H / 900};
  l.headerBand = {W / 80 + 200, 123 * H / 900, ClampToInt(ScaleDesign(W, sum + 105, 1600) + 200LL), 145 * H / 900};
  l.laneColumn = {W / 80 + 200, 145 * H / 900, 70 * W / 1600 + 200, rowsBottom};
  l.resultsArea = {70 * W / 1600 + 200, 145 * H / 900, ClampToInt(ScaleDesign(W, sum + 105, 1600) + 200LL), rowsBottom};
  l.titleArea = {15 * W / 1600 + 200, H / 45, titleRight, H / 15};
  l.clockPanel = {W / 32 + 200, 730 * H / 900, 440 * W / 1600 + 200, 780 * H / 900};
  l.countdownPanel = {440 * W / 1600 + 240, 730 * H / 900, 440 * W / 1600 + 310, 780 * H / 900};
  l.restartDelayPanel = {10, H - 110, 200, H - 90};
  l.radioConflictArea = {70 * W / 1600 + titleRight - 90 + 380, H / 30, W - 130, H / 9};
  l.startTypeArea = {15 * W / 1600 + 200, 65 * H / 900, W / 4 + 200, 110 * H / 900};
  return l;
}

int LiveColumnX(const RaceScreenLayout& layout, int W, int designOffset) {
  return ClampToInt(layout.resultsArea.left + static_cast<long long>(ScaleDesign(W, designOffset, 1600)));
}

int RowTop(const RaceScreenLayout& layout, int H, int rowHeight, int line) {
  return ClampToInt(layout.resultsArea.top + static_cast<long long>(rowHeight) * line * H / 900);
}

int RowTextTop(const RaceScreenLayout& layout, int H, int rowHeight, int line) {
  return ClampToInt(layout.resultsArea.top + (static_cast<long long>(rowHeight) * line + rowHeight / 12) * H / 900);
}

RaceRowMetrics ComputeRowMetrics(const int fontHeights[], int fontCount, int available, int H, int entryCount) {
  RaceRowMetrics metrics = {};
  for (int k = 0; k < fontCount; ++k) {
    int candidate = ScaleDesign(fontHeights[k], 120, 100);
    if (candidate > metrics.rowHeight) metrics.rowHeight = candidate;
  }
  if (available > 0) {
    int n = 0;
    while (n < kMaxLiveRows &&
           static_cast<long long>(metrics.rowHeight) * (n + 1) * H / 900 < available) {
      ++n;
    }
    metrics.rowsFit = n;
  }
  int entries = entryCount < 0 ? 0 : entryCount;
  metrics.rowsShown = metrics.rowsFit < entries ? metrics.rowsFit : entries;
  return metrics;
}

int ShownDisplayRow(int scrollPosition, int line, int entryCount) {
  long long row = static_cast<long long>(scrollPosition) + line;
  if (row < 0 || row >= entryCount || row >= kMaxLiveRows) return -1;
  return static_cast<int>(row);
}

LiveTableColumns ComputeLiveTableColumns(const RaceScreenLayout& layout, int W,
                                         const int columnWidths[kLiveColumnCount], int startTimeColumnWidth,
                                         int lateStartEnabled2, int international) {
  const LiveColumnOffsets c = ComputeLiveColumnOffsets(columnWidths, startTimeColumnWidth);
  auto X = [&](long long d) { return LiveColumnX(layout, W, ClampToInt(d)); };
  // The thresholds compare a design width with pixels: a narrow column vanishes on a wide screen.
  const bool place = columnWidths[0] > W / 40;
  const bool car = columnWidths[1] > W / 40;
  const bool driver = columnWidths[2] > W / 20;
  const bool team = columnWidths[3] > W / 20;
  const bool category = columnWidths[4] > W / 20;
  const bool time = columnWidths[5] > 85 * W / 1600;
  const bool leader = columnWidths[6] > 85 * W / 1600;
  const bool previous = columnWidths[7] > 85 * W / 1600;
  const bool transponder = columnWidths[8] > 55 * W / 1600;
  const int laneX = layout.laneColumn.left + W / 64;
  const int placeX = X(columnWidths[0] / 2);
  const int transponderX = X(static_cast<long long>(c.start[10]) + columnWidths[8] / 2);
  // The column lines: the lane column's left edge, the results area's, then each column's end.
  auto edge = [&](int k) { return k == 1 ? layout.resultsArea.left : X(k <= 10 ? c.start[k] : c.sum); };
  LiveTableColumns t;
  t.column[kLaneColumn] = {Text::LiveLane, TextAlign::Centre, laneX, laneX, true, true, -1,
                           layout.laneColumn.left, layout.resultsArea.left};
  t.column[kPlaceColumn] = {Text::LivePlace, TextAlign::Centre, placeX, placeX, place, place, 3, edge(1), edge(2)};
  t.column[kCarNumberColumn] = {Text::LiveCarNumber, TextAlign::Left, X(c.start[2] + 5LL), X(c.start[2] + 5LL),
                                car, car, 4, edge(2), edge(3)};
  t.column[kDriverColumn] = {Text::LiveDriver, TextAlign::Left, X(c.start[3] + 10LL), X(c.start[3] + 10LL),
                             driver, driver, 5, edge(3), edge(4)};
  t.column[kTeamColumn] = {international ? Text::LiveNation : Text::LiveTeam, TextAlign::Left,
                           X(c.start[4] + 5LL), X(c.start[4] + 5LL), team, team, 6, edge(4), edge(5)};
  t.column[kCategoryColumn] = {Text::LiveCategory, TextAlign::Left, X(c.start[5] + 5LL), X(c.start[5] + 5LL),
                               category, category, 7, edge(5), edge(6)};
  t.column[kStartTimeColumn] = {Text::LiveStartTime, TextAlign::Right, X(c.start[6] + 90LL),
                                X(c.start[7] - 10LL), startTimeColumnWidth == 100, lateStartEnabled2 == 1, -1,
                                edge(6), edge(7)};
  t.column[kTimeColumn] = {Text::LiveTime, TextAlign::Right, X(c.start[8] - 10LL), X(c.start[8] - 10LL), time,
                           time, 8, edge(7), edge(8)};
  t.column[kGapToLeaderColumn] = {Text::LiveGapToLeader, TextAlign::Right, X(c.start[9] - 5LL),
                                  X(c.start[9] - 10LL), leader, leader, 9, edge(8), edge(9)};
  t.column[kGapToPreviousColumn] = {Text::LiveGapToPrevious, TextAlign::Right, X(c.start[10] - 5LL),
                                    X(c.start[10] - 10LL), previous, previous, 10, edge(9), edge(10)};
  t.column[kTransponderColumn] = {Text::LiveTransponder, TextAlign::Centre, transponderX, transponderX,
                                  transponder, transponder, 11, edge(10), edge(11)};
  t.column[kFlagColumn] = {Text::LiveFinish, TextAlign::Centre, X(c.sum + 18LL), X(c.sum + 18LL), true, true, 11,
                           edge(11), layout.headerBand.right};
  t.finishFlagX = X(c.sum + 5LL);
  return t;
}

int HeadingRoom(const LiveColumnDraw& column) {
  constexpr int kMargin = 2;
  const int left = column.left + kMargin;
  const int right = column.right - kMargin;
  int room = 0;
  switch (column.align) {
    case TextAlign::Left: room = right - column.headingX; break;
    case TextAlign::Right: room = column.headingX - left; break;
    case TextAlign::Centre: room = 2 * std::min(column.headingX - left, right - column.headingX); break;
  }
  return room > 0 ? room : 0;
}

int FittedFontHeight(int height, int width, int room) {
  if (width <= 0 || room >= width) return height;
  // A negative height is the characters' height rather than the cells': its sign stays.
  const long long magnitude = height < 0 ? -static_cast<long long>(height) : height;
  const long long fitted = std::max(1LL, magnitude * (room < 0 ? 0 : room) / width);
  return static_cast<int>(height < 0 ? -fitted : fitted);
}

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  long long n = static_cast<long long>(a) * b;
  long long d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  long long q = n >= 0 ? (n + d / 2) / d : (n - d / 2) / d;
  return ClampToInt(q);
}

int GradientLineColour(int top, int bottom, int y, int height) {
  auto component = [&](int a, int b) { return a - MulDivRounded(y, a - b, height); };
  return MakeColour(component(ColourRed(top), ColourRed(bottom)), component(ColourGreen(top), ColourGreen(bottom)),
                    component(ColourBlue(top), ColourBlue(bottom)));
}

int LaneStripColour(int y, int band) {
  int fade = 255 - MulDivRounded(y, 40, band);
  return MakeColour(fade, fade, 255 - MulDivRounded(y, 95, band));
}

int WatermarkColour(int background) {
  auto lower = [](int component) { return component <= 9 ? 0 : component - 10; };
  return MakeColour(lower(ColourRed(background)), lower(ColourGreen(background)), lower(ColourBlue(background)));
}

int LaneStateColour(int state, const int displayColours[kDisplayColourCount]) {
  if (state == 1) return displayColours[5];
  if (state == 2) return displayColours[6];
  if (state >= 3) return displayColours[7];
  return -1;
}

bool PenaltyCodeForState(int state, const PenaltyRecord penalties[kMaxPenalties], char code[4]) {
  code[0] = '\0';
  // The abandon shows its flag, not a code.
  const int index = PenaltyIndexOfState(state);
  if (index <= kAbandonPenalty || index >= DefinedPenaltyCount(penalties)) return false;
  // The field may be full without a terminator.
  std::size_t n = 0;
  while (n < 3 && penalties[index].code[n] != '\0') {
    code[n] = penalties[index].code[n];
    ++n;
  }
  code[n] = '\0';
  return true;
}

bool StageStateWord(int stageState, Text* word, int* colour) {
  switch (stageState) {
    case 1:
      *word = Text::StageActivated;
      *colour = MakeColour(0, 150, 0);
      return true;
    case 2:
      *word = Text::StagePaused;
      *colour = MakeColour(150, 0, 0);
      return true;
    case 3:
      *word = Text::StageFinished;
      *colour = MakeColour(150, 0, 0);
      return true;
    default:
      return false;
  }
}

int RestartDelayColour(int elapsed) {
  if (elapsed == 0) return MakeColour(0, 150, 0);
  if (elapsed == 1) return MakeColour(150, 0, 0);
  return 0;
}

int EventTreeHeight(int clientHeight, int screenHeight) {
  const int aboveRestPanel = screenHeight - 110 - 2 - kEventTreeTop;  // the panel's top, less a gap
  return std::max(0, std::min(clientHeight - 80, aboveRestPanel));
}
