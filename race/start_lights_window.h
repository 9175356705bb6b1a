// The start-lights window: a modeless additional screen with the start light, the driver
// who starts next and the seconds left. At most one is open; its zoom, background and last
// texts live for the whole process.
#pragma once

#include <windows.h>

#include "race/start_lights.h"

// wParam: the driver's name (copied at once), lParam: seconds left (signed). Result 1.
inline constexpr UINT StartLightsMessage = 4101;
inline constexpr const char* kStartLightsTemplate = "DECOMPTEECRANADDITIONNEL";

struct StartLightsState {
  int zoomX;
  int zoomY;
  char background[11];  // StartLightsBackground
  HBRUSH brush;
  HFONT controlFont;
  char driverName[kStartLightsNameSize];
  char lastNameShown[kStartLightsNameSize];
  int seconds;
  int requestedLight;
  int paintedLight;
  int* openFlag;  // StartLightsOpenFlag of the main window
  HWND window;    // the open window, or null
};

StartLightsState& StartLights();

INT_PTR CALLBACK StartLightsCountdownDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Creates the window owned by owner when *openFlag is 0; returns it, or null when one is
// already open (the caller tells the operator).
HWND OpenStartLightsWindow(HINSTANCE instance, HWND owner, int* openFlag);
// Sends StartLightsMessage to the open window; nothing when none is open.
void SendStartLights(const char* driverName, int seconds);
