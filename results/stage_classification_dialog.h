// The stage classification dialog (template RALLYECLASSEMENTSPECIALE) and its screen page.
#pragma once

#include <windows.h>

#include "results/stage_classification.h"

INT_PTR CALLBACK StageClassificationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The page of the classification in the dialog's client rectangle page, from the scroll
// bar's position on; opens and closes the window's paint cycle, so only for WM_PAINT.
void PaintStageClassification(HWND dialog, RECT page, const SCROLLINFO& scroll, const StageClassificationData& data);

// The page rectangle of the dialog, in client pixels.
inline constexpr RECT kStageClassificationPage = {20, 60, 690, 610};
