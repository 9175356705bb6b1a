// The internet dialog (template INTERNET): defines the web event on the results web site and
// switches the publication on and off; its state is left in "WebResults/CoordonneesWeb.txt".
#pragma once

#include <windows.h>

INT_PTR CALLBACK InternetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Where the connection lamp is painted, in client pixels.
inline constexpr RECT kInternetLampArea = {210, 440, 250, 480};
