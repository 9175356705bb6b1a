// The eight reference database dialogs (templates in resources/database_dialogs.rc). Each
// ends with the result 0 whichever way it is closed; the caller re-reads the files.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DriversDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AgeCategoriesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CarCategoriesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ChampionshipsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ClubsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CarsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FrequenciesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TransponderSetsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Where the drivers dialog paints the driver's photo and the cars dialog the car's picture,
// in client pixels.
inline constexpr RECT kDriverPhotoArea = {541, 31, 758, 179};
inline constexpr RECT kCarPictureArea = {480, 48, 700, 200};
