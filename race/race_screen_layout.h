// Geometry and colour decisions of the race screen and its live table, computed from the
// primary screen's size W x H, scaled from a 1600 x 900 design with the division last, so
// that the same screen fills any monitor in the same proportions. The painter and the live
// table's mouse handling share these numbers.
#pragma once

#include "race/penalty_record.h"
#include "race/settings_files.h"
#include "resources/texts.h"

struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;
};

// The ten rectangles of the race screen.
struct RaceScreenLayout {
  ScreenRect tableFrame;         // table background, frame and watermark
  ScreenRect headerBand;         // column headings
  ScreenRect laneColumn;         // start position of each row
  ScreenRect resultsArea;        // the cells
  ScreenRect titleArea;          // stage title
  ScreenRect clockPanel;         // stage state word and stage clock
  ScreenRect countdownPanel;     // start countdown
  ScreenRect restartDelayPanel;  // restart-delay texts
  ScreenRect radioConflictArea;  // radio-conflict notice
  ScreenRect startTypeArea;      // start type and maximum start time
};

// Row metrics of the live table. rowHeight is in units of the 900-high design.
struct RaceRowMetrics {
  int rowHeight;
  int rowsFit;
  int rowsShown;
};

// The live table never shows more rows than a stage has slots.
inline constexpr int kMaxLiveRows = 200;

// Start of each of the ten columns in design units (start[1] = 0 .. start[10]) and their sum.
struct LiveColumnOffsets {
  int start[11];  // start[0] unused
  int sum;        // the sum of the ten widths, where the flag column begins
};

LiveColumnOffsets ComputeLiveColumnOffsets(const int columnWidths[kLiveColumnCount], int startTimeColumnWidth);

// a * b / c on 64 bits, kept within int.
int ScaleDesign(long long a, long long b, long long c);

// The event tree's place in the left column: x 10, y 54, width 190, down to 80 pixels above
// the client's bottom, but never over the restart-delay texts below it in the same column
// (a maximised window on a screen without a taskbar is tall enough to cover them).
inline constexpr int kEventTreeTop = 54;
int EventTreeHeight(int clientHeight, int screenHeight);

RaceScreenLayout ComputeRaceScreenLayout(int screenWidth, int screenHeight,
                                         const int columnWidths[kLiveColumnCount], int startTimeColumnWidth,
                                         const RaceRowMetrics& rows);

// Screen x of a design offset inside the live table.
int LiveColumnX(const RaceScreenLayout& layout, int screenWidth, int designOffset);
// Top and bottom of screen line `line` of the table, and the top of its texts.
int RowTop(const RaceScreenLayout& layout, int screenHeight, int rowHeight, int line);
int RowTextTop(const RaceScreenLayout& layout, int screenHeight, int rowHeight, int line);

// Row metrics from the tallest text of the cell fonts (tmHeight of display fonts 3 to 11).
RaceRowMetrics ComputeRowMetrics(const int fontHeights[], int fontCount, int available, int screenHeight,
                                 int entryCount);

// The display row shown on screen line `line`, or -1 when it lies past the stage's entries.
int ShownDisplayRow(int scrollPosition, int line, int entryCount);

enum class TextAlign { Left, Centre, Right };

// One column of the live table as drawn: heading and cells.
struct LiveColumnDraw {
  Text heading;
  TextAlign align;
  int headingX;
  int cellX;
  bool headingShown;
  bool cellsShown;  // the start-time column's cells are drawn by a later step
  int font;         // display font of the cells; -1 for a fixed font
  int left, right;  // the column's edges in the header band
};

// The width a column's heading may take from its x, as it is aligned, within the column's
// edges and a little apart from them; 0 when there is none.
int HeadingRoom(const LiveColumnDraw& column);
// The height of a font whose text of width `width` at height `height` takes at most `room`
// (text widths follow the height); at least 1 in size, with the sign of height (a negative
// height asks for the characters' height).
int FittedFontHeight(int height, int width, int room);

enum LiveColumn {
  kLaneColumn,
  kPlaceColumn,
  kCarNumberColumn,
  kDriverColumn,
  kTeamColumn,
  kCategoryColumn,
  kStartTimeColumn,
  kTimeColumn,
  kGapToLeaderColumn,
  kGapToPreviousColumn,
  kTransponderColumn,
  kFlagColumn,
  kLiveColumnDrawCount,
};

struct LiveTableColumns {
  LiveColumnDraw column[kLiveColumnDrawCount];
  int finishFlagX;  // finish and abandon flags of the flag column
};

LiveTableColumns ComputeLiveTableColumns(const RaceScreenLayout& layout, int screenWidth,
                                         const int columnWidths[kLiveColumnCount], int startTimeColumnWidth,
                                         int lateStartEnabled2, int international);

// Colours are COLORREF values (0x00bbggrr).
inline int MakeColour(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
inline int ColourRed(int colour) { return colour & 0xFF; }
inline int ColourGreen(int colour) { return (colour >> 8) & 0xFF; }
inline int ColourBlue(int colour) { return (colour >> 16) & 0xFF; }

// MulDiv of the system: a * b / c rounded half away from zero; -1 for a divisor of 0.
int MulDivRounded(int a, int b, int c);
// Colour of line y (0 .. height - 1) of a vertical gradient from top to bottom.
int GradientLineColour(int top, int bottom, int y, int height);
// Colour of line y of a lane cell's band: white fading to RGB(215, 215, 160).
int LaneStripColour(int y, int band);
// The table background with each component lowered by 10, never below 0.
int WatermarkColour(int tableBackground);
// Background of a lane cell by the row's state; -1 for none (transparent).
int LaneStateColour(int state, const int displayColours[kDisplayColourCount]);

// The penalty code that the flag column shows for a row's state: record state - 4 of the
// event list, only when that record is one of the defined penalties (before the first empty
// code). Writes "" and returns false otherwise.
bool PenaltyCodeForState(int state, const PenaltyRecord penalties[kMaxPenalties], char code[4]);

// Stage state word (1 activated, 2 paused, 3 finished) and its colour; false for none.
bool StageStateWord(int stageState, Text* word, int* colour);
// Colour of the restart-delay countdown: counting, elapsed, anything else.
int RestartDelayColour(int elapsed);
