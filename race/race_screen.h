// The race screen: the painter of the main window's client area (logo, stage title, start
// type, live table, clock panel, countdowns and radio-conflict notice) and the row metrics
// of the live table. The painter only reads its input; it changes no table.
#pragma once

#include <windows.h>

#include "race/penalty_record.h"
#include "race/race_screen_layout.h"
#include "race/settings_files.h"
#include "race/stage_timing.h"

// Everything the painter reads. Pointers are to the caller's tables and must stay valid for
// the call; a null text draws nothing.
struct RaceScreenInput {
  int screenWidth;   // SM_CXSCREEN
  int screenHeight;  // SM_CYSCREEN
  RaceScreenLayout layout;
  RaceRowMetrics rows;
  const DisplaySettings* display;
  const int* columnWidths;  // kLiveColumnCount widths of the live table
  int startTimeColumnWidth;
  int scrollPosition;  // first display row shown
  const StageDisplayRow* displayRows;  // kMaxParticipants rows
  int entryCount;
  const char* stageTitle;
  const char* maximumStartTimeText;
  const char* startCountdownText;
  const char* stageClockText;
  const char* restartMinutesText;
  const char* restartCountdownText;
  int restartElapsed;  // 0 counting, 1 elapsed
  const PenaltyRecord* penalties;  // kMaxPenalties records of the event's list
  int lateStartEnabled;
  int lateStartEnabled2;
  int startType;   // StartType
  int stageState;  // 0 not started, 1 activated, 2 paused, 3 finished
  int radioConflict;
  int international;
};

// Paints the whole race screen; the system clips it to the invalid part. With a null dc the
// painter runs BeginPaint and EndPaint itself (WM_PAINT); otherwise it draws into dc.
void PaintRaceScreen(HWND window, HDC dc, const RaceScreenInput& input);

// Row metrics from the cell fonts (display fonts 3 to 11) measured on the window's screen
// device context. available rows run from ResultsArea.top to TableFrame.bottom.
RaceRowMetrics ComputeRaceRowHeight(HWND window, const DisplaySettings& display, const ScreenRect& tableFrame,
                                    const ScreenRect& resultsArea, int screenWidth, int screenHeight,
                                    int entryCount);
