// The race engine and the race controls wired to the main window: timer 1, the Start,
// Pause and Clear buttons, and the live upload's failures brought back to the GUI thread.
#pragma once

#include <windows.h>

// Posted by the live upload's worker when a transfer failed.
inline constexpr UINT kLiveUploadFailedMessage = WM_APP + 0x106;

void RaceEngineTick(HWND window);
void RaceStartCommand(HWND window);
void RacePauseCommand(HWND window);
void RaceClearCommand(HWND window);
// Tells the operator; at most one such box is open at a time.
void ShowLiveUploadFailure(HWND window);
// Waits for the live upload worker (tests).
void DrainLiveUploads();
