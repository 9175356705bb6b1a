// The live table's mouse, cursor, scroll and in-place control handlers of the main window,
// one call per message of MainWindowProc.
#pragma once

#include <windows.h>

enum : int {
  kHoursEdit = 6301,
  kMinutesEdit = 6302,
  kSecondsEdit = 6303,
  kMillisEdit = 6304,
  kChipList = 2104,
};

LRESULT LiveTableMouseMove(LPARAM lParam);
// True when the cursor was chosen; other windows and hit-test codes go to the default.
bool LiveTableSetCursor(HWND window, WPARAM wParam, LPARAM lParam);
void LiveTableLeftDown(HWND window, LPARAM lParam);
void LiveTableLeftUp(HWND window, LPARAM lParam);
void LiveTableRightDown(HWND window, LPARAM lParam);
void LiveTableScroll(HWND window, WPARAM wParam, LPARAM lParam);
// EN_CHANGE of the four edits and CBN_SELCHANGE of the chip list; false for other commands.
bool LiveTableCommand(HWND window, WPARAM wParam);
// The four edits and the chip list, when they are there.
void DestroyInPlaceControls(HWND window);
