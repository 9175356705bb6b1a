// The live table as the operator's working surface: what a mouse position hits, how a drag
// changes a column, how the in-place edits correct a time, how the scroll bar moves, and the
// actions that the clicks run on the stage tables. The Win32 handlers only read the mouse
// and the controls and call these.
#pragma once

#include <cstdint>

#include "platform/message_box.h"
#include "race/main_state.h"
#include "race/race_screen_layout.h"

// Mouse and drag state of the live table, one per main window.
struct LiveTableState {
  int pointerX, pointerY;
  int dragActive, dragColumn, dragPressX;  // dragColumn: 0..8 into columnWidths, 10 the start-time column
  int penaltiesSynchronised;
  int editedEntry;
  int chipEntry;
  // The stage (its node code) each in-place edit was opened on: an edit left over from
  // another stage never writes into this one.
  int editedStageCode;
  int chipStageCode;
  int fillingEdits;  // 1 while the program itself writes the in-place edits
};

LiveTableState& LiveTable();

inline constexpr int kStartTimeDragColumn = 10;
inline constexpr int kMinColumnWidth = 5;
inline constexpr int kBorderTolerance = 2;

// Everything a hit test needs; the painter uses the same numbers.
struct LiveTableGeometry {
  int screenWidth, screenHeight;
  RaceScreenLayout layout;
  RaceRowMetrics rows;
  LiveColumnOffsets offsets;
};
LiveTableGeometry MakeLiveTableGeometry(int screenWidth, int screenHeight, const int columnWidths[kLiveColumnCount],
                                        int startTimeColumnWidth, const RaceRowMetrics& rows);

// Screen line (0 .. rowsShown - 1) strictly inside whose borders y lies, or -1.
int HitLine(const LiveTableGeometry& g, int y);
bool InLaneCell(const LiveTableGeometry& g, int x);
bool InTimeCell(const LiveTableGeometry& g, int x);
bool InTransponderCell(const LiveTableGeometry& g, int x);
bool InHeadingBand(const LiveTableGeometry& g, int y);
// The drag column of the border within 2 pixels of (x, y) in the heading band (the last hit
// wins), or -1. Builds without the late-start penalty have no start-time column to drag.
int HitColumnBorder(const LiveTableGeometry& g, const int columnWidths[kLiveColumnCount], int startTimeColumnWidth,
                    int x, int y, bool startTimeColumn = true);

// A column width after a drag of delta pixels, within 5 .. 999.
int DraggedColumnWidth(int width, int delta);
// The start-time column is shown or hidden by a drag of more than 50 pixels.
void DragStartTimeColumn(LateStartPenaltySettings* settings, int* startTimeColumnWidth, int delta);

// Rectangle of an in-place edit (0 hours, 1 minutes, 2 seconds, 3 milliseconds) on line.
struct EditRect {
  int left, top, width, height;
};
EditRect CorrectionEditRect(const LiveTableGeometry& g, int timeColumnWidth, int line, int edit);
EditRect ChipListRect(const LiveTableGeometry& g, int transponderColumnWidth, int line);

// Limit of characters of edit 0..3.
int CorrectionEditLimit(int edit);
// Writes the typed value of edit 0..3 into the ranking copy's split and the time into both
// tables; a driver not finished yet becomes finished and is never asked about a second
// finish. Returns the value kept (minutes and seconds above 59 become 59).
unsigned ApplyTimeCorrection(StageEntry* live, StageEntry* ranked, int edit, unsigned value);

// The scroll position after a request (SB_LINEUP 0, SB_LINEDOWN 1, SB_PAGEUP 2, SB_PAGEDOWN 3,
// SB_THUMBPOSITION 4; others change nothing).
int ScrolledPosition(int request, int position, int minimum, int maximum, int thumb);

// The question a manual timing action asks first, or None.
enum class ManualQuestion { None, Release, Start, Finish };
// Whether entry index may be released by hand: standard start, or the WRC start's next driver.
bool MayReleaseByHand(const MainState& s, int index, int wrcNextIndex);
ManualQuestion ManualTimingQuestion(const MainState& s, int index, int wrcNextIndex);

// Ctrl + lane cell while timed, after the question was answered Yes (or not asked);
// stateAsked is the state read before the question: nothing happens when it moved since.
void RunManualTimingAction(platform::WindowHandle window, MainState& s, int index, int stateAsked);
// Ctrl + right click after Yes: only a finished, abandoned or penalised driver whose state is
// still stateAsked is cleared, and the stage shows "Paused". Returns true when cleared.
bool ClearDriverResult(MainState& s, int index, int stateAsked);

// The club chips the list offers for a set: its non-empty numbers, in slot order, into
// choices; returns how many.
int ClubChipChoices(const TransponderSetRecord& set, const char* (&choices)[kTranspondersPerSet]);
// The club chip chosen in the list; an empty text (it would leave the driver without a
// transponder, every pass unmatched) or one of more than 6 characters is refused.
bool AssignClubChip(MainState& s, int index, const char* chip);

// Compares the event's penalty list with the penalty database once per event. Returns true
// when done (penaltiesSynchronised may be set); false leaves everything as it was, so that the
// next click tries again.
bool SynchronisePenalties(platform::WindowHandle window, MainState& s);
