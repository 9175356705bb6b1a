// The rally classification dialog (template RALLYECLASSEMENTRALLYE) and its screen page.
#pragma once

#include <windows.h>

#include "results/rally_classification.h"

INT_PTR CALLBACK RallyClassificationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The page of the classification in the dialog's client rectangle page, from the scroll
// bar's position on; opens and closes the window's paint cycle, so only for WM_PAINT.
void PaintRallyClassification(HWND dialog, RECT page, const SCROLLINFO& scroll, const RallyClassificationData& data);

// The page rectangle of the dialog, in client pixels.
inline constexpr RECT kRallyClassificationPage = {20, 80, 690, 630};
