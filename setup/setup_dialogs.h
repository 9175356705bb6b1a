// The dialog procedures of the interface, race parameters, stage comment and penalty
// database dialogs (templates INTERFACE, RALLYEPARAMETRES, SPECIALECOMMENTAIRE, PENALITES).
// Each ends with the result 0.
#pragma once

#include <windows.h>

INT_PTR CALLBACK InterfaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK RallyParametersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK StageCommentDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PenaltiesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Where the interface dialog paints its connection lamp, in client pixels.
inline constexpr RECT kInterfaceLampArea = {280, 370, 320, 410};
// The participants list of the current rally (RALLYEPILOTES).
INT_PTR CALLBACK ParticipantsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Creation data: the StageEntry* of the driver.
INT_PTR CALLBACK DriverPenaltyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// The driver details of the participant that the event file's header names (RALLYEPILOTEDETAILS).
INT_PTR CALLBACK DriverDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Where it paints the scan lamp, in client pixels.
inline constexpr RECT kDriverDetailsLampArea = {250, 225, 295, 260};
// The track details of the event (RALLYEPISTE) and the start order of the current rally
// (RALLYEREPARTITION).
INT_PTR CALLBACK TrackDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK StartOrderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
