// Program start-up and the message loop.
#pragma once

#include <windows.h>

// Runs start-up up to the message loop: menus, window class, the maximised main window,
// the working folder, the decoder link, timer 1 and the printing warning. Returns the main
// window, or nullptr when the class could not be registered or the window not created.
HWND StartProgram(HINSTANCE instance);

// Runs the message loop until WM_QUIT and returns its wParam.
int RunMessageLoop();

// The module instance, kept for every later resource lookup (start-up's first step).
HINSTANCE ProgramInstance();
void KeepProgramInstance(HINSTANCE instance);

// Starts the race engine's timer 1 with the build's period and returns the period.
unsigned StartRaceTimer(HWND mainWindow);
