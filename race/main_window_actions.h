// Steps of the main window shared by the tree and the commands.
#pragma once

#include <windows.h>

// Saves the loaded stage when it has results and gives its item the matching image.
void LeaveLoadedStage(HWND window);
// Empties the live table, resets the start lights and the scroll bar, redraws.
void UnloadStageFromRaceScreen(HWND window);
// Ends the live table's in-place edits: modificationMode and clubChipEditing 0, the four
// time-correction edits and the club-chip list destroyed.
void CloseInPlaceEdits(HWND window);
void RedrawRaceScreen(HWND window);
// Row metrics and scroll bar of the live table after a stage is loaded or unloaded.
void RefreshLiveTableRows(HWND window);
// After the driver details: participants read again into the loaded stage.
void RefreshParticipantsOfLoadedStage(HWND window);
// Close guard, creation, destruction.
void CreateMainWindowContents(HWND window);
void CloseMainWindow(HWND window);
void DestroyMainWindowContents(HWND window);
// WM_COMMAND.
void HandleCommand(HWND window, WPARAM wParam);
// Race controls.
void CreateRaceControls(HWND window, int screenWidth, int screenHeight);
