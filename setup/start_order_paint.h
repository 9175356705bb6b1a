// The start order's table as the dialog shows it, and its printed pages. Both draw on a
// device context, so that tests can draw them into memory.
#pragma once

#include <windows.h>

#include "setup/printed_page_win32.h"
#include "setup/start_order_model.h"

// The area of the dialog's client area (pixels) that the table covers.
inline constexpr RECT kStartOrderTableArea = {19, 80, 751, 511};

// Draws the table with its rows from first on, in client pixels of dc, from the working
// folder's arrow pictures.
void DrawStartOrderTable(HDC dc, const StartOrderDialogData& data, int first);
// The dialog's WM_PAINT: begins the paint, draws the table in the area and ends the paint.
void PaintStartOrder(HWND dialog, const RECT& area, const StartOrderDialogData& data, int first);

// One printed page on dc, whose drawable area is deviceWidth x deviceHeight pixels; logo
// holds the logo of the display settings, or is nullptr. The device context is left as it was.
void PaintStartOrderPage(HDC dc, int deviceWidth, int deviceHeight, const StartOrderDialogData& data,
                         const PrintedPage& page, HDC logo);
// The whole start order as one document on a printer's device context (which stays the
// caller's). False without rows or when the printer refused the document, which a box owned
// by owner tells.
bool PrintStartOrderPages(HWND owner, HDC printer, const StartOrderDialogData& data);
// Print: the print dialog, then 30 entries a page; nothing when cancelled or without rows.
void PrintStartOrder(HWND owner, const StartOrderDialogData& data);
