// The main window's race screen: its painter's input from the process-wide tables, and the
// live table's row metrics and scroll position.
#pragma once

#include <windows.h>

// Paints the race screen for WM_PAINT.
void PaintMainWindow(HWND window);

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
