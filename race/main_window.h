// The main window: class "classeF", the window procedure and its creation.
#pragma once

#include <windows.h>

inline constexpr const char* kMainWindowClass = "classeF";
inline constexpr const char* kMainWindowTitle = "Vellgrin";
// WS_OVERLAPPEDWINDOW with the bit 0x0008 also set.
inline constexpr DWORD kMainWindowStyle = 0x00CF0008;
inline constexpr COLORREF kMainWindowBackground = RGB(200, 200, 200);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "classeF"; false when registration fails.
bool RegisterMainWindowClass(HINSTANCE instance);
// Creates the main window with the menu bar; nullptr when creation fails.
HWND CreateMainWindow(HINSTANCE instance, HMENU menuBar);
