// Program start-up and the message loop.
#pragma once

#include <windows.h>

// Runs start-up up to the message loop; returns the main window, or nullptr when the
// class could not be registered or the window not created.
HWND StartProgram(HINSTANCE instance);

// Runs the message loop until WM_QUIT and returns its wParam.
int RunMessageLoop();

// The module instance, kept for every later resource lookup.
HINSTANCE ProgramInstance();
