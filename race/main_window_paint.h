// The main window's race screen: its painter's input from the process-wide tables, and the
// live table's row metrics and scroll position.
#pragma once

#include <windows.h>

// Paints the race screen for WM_PAINT.
void PaintMainWindow(HWND window);

// Invalidates and paints at once the zone of the race screen that holds the area: the live
// table's frame (erased first), or the clock, countdown or rest panel, which the painter
// fills itself (not erased, so the clock does not flicker). The race controls stay as
// they are: the main window clips its children.
enum class RaceArea;
void RedrawRaceArea(HWND window, RaceArea area);
// The whole race screen and every control on it, after something all of them show changed.
void RedrawWholeRaceScreen(HWND window, bool erase);

// Recomputes the rows of the live table that fit, and shows the scroll bar when the stage
// has more entries than that; after a stage is loaded or unloaded and after the display
// settings or the start-time column changed.
void UpdateLiveTableRows(HWND window, HWND scrollBar);

// First display row shown (the live table's scroll position).
int LiveTableScrollPosition();
void SetLiveTableScrollPosition(int position);
// Row metrics of the live table as last computed.
struct RaceRowMetrics;
RaceRowMetrics LiveTableRowMetrics();
