#include "race/main_window_paint.h"

#include "race/countdowns.h"
#include "race/main_state.h"
#include "race/race_engine.h"
#include "race/race_screen.h"
#include "race/race_screen_layout.h"

namespace {

RaceRowMetrics rows = {};
int scrollPosition = 0;

RaceScreenLayout CurrentLayout(int width, int height) {
  const MainState& s = Main();
  return ComputeRaceScreenLayout(width, height, s.columnWidths, s.startTimeColumnWidth, rows);
}

}  // namespace

int LiveTableScrollPosition() { return scrollPosition; }
RaceRowMetrics LiveTableRowMetrics() { return rows; }
void SetLiveTableScrollPosition(int position) { scrollPosition = position < 0 ? 0 : position; }

void RedrawRaceArea(HWND window, RaceArea area) {
  RaceScreenLayout layout = CurrentLayout(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  ScreenRect zone = layout.tableFrame;
  UINT erase = RDW_NOERASE;
  switch (area) {
    case RaceArea::LiveTable: erase = RDW_ERASE; break;
    case RaceArea::Clock: zone = layout.clockPanel; break;
    case RaceArea::Countdown: zone = layout.countdownPanel; break;
    case RaceArea::RestClock: zone = layout.restartDelayPanel; break;
  }
  RECT rect = {zone.left, zone.top, zone.right, zone.bottom};
  RedrawWindow(window, &rect, nullptr, RDW_INVALIDATE | erase | RDW_NOCHILDREN | RDW_ERASENOW | RDW_UPDATENOW);
}

void RedrawWholeRaceScreen(HWND window, bool erase) {
  // The group boxes are transparent (the clock and the countdown are painted inside them):
  // they draw their frames again over an erased background.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | (erase ? RDW_ERASE : RDW_NOERASE));
}

void UpdateLiveTableRows(HWND window, HWND scrollBar) {
  const MainState& s = Main();
  int width = GetSystemMetrics(SM_CXSCREEN);
  int height = GetSystemMetrics(SM_CYSCREEN);
  RaceScreenLayout layout = CurrentLayout(width, height);
  rows = ComputeRaceRowHeight(window, s.displaySettings, layout.tableFrame, layout.resultsArea, width, height,
                              s.timing.entryCount);
  scrollPosition = 0;
  if (!scrollBar) return;
  int hidden = s.timing.entryCount - rows.rowsFit;
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, hidden > 0 ? hidden : 0, 0, 0, 0};
  SetScrollInfo(scrollBar, SB_CTL, &info, TRUE);
  ShowWindow(scrollBar, hidden > 0 ? SW_SHOW : SW_HIDE);
}

void PaintMainWindow(HWND window) {
  const MainState& s = Main();
  RaceScreenInput input = {};
  input.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  input.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  input.layout = CurrentLayout(input.screenWidth, input.screenHeight);
  input.rows = rows;
  input.display = &s.displaySettings;
  input.columnWidths = s.columnWidths;
  input.startTimeColumnWidth = s.startTimeColumnWidth;
  input.scrollPosition = scrollPosition;
  input.displayRows = s.display;
  input.entryCount = s.timing.entryCount;
  input.stageTitle = s.stageTitleText;
  input.maximumStartTimeText = s.maximumStartTimeText;
  CountdownPanelTexts countdowns = RaceScreenCountdownTexts(s, RaceEngine());
  input.startCountdownText = countdowns.startCountdown;
  input.stageClockText = s.timing.clock.elapsedText;
  input.restartMinutesText = countdowns.restMinutes;
  input.restartCountdownText = countdowns.restState;
  input.restartElapsed = countdowns.restElapsed;
  input.penalties = s.eventPenalties;
  input.lateStartEnabled = s.lateStart.enabled;
  input.lateStartEnabled2 = s.lateStart.enabled2;
  input.startType = s.parameters.startType;
  input.stageState = s.timing.stageState;
  input.radioConflict = s.radioConflict;
  input.international = s.international;
  PaintRaceScreen(window, nullptr, input);
}
