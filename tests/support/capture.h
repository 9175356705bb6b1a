// Screen captures for looking at windows: a window (or the whole desktop) is saved as a
// bitmap under the build folder's "captures"; the Wine runner turns it into a PNG.
#pragma once

#include <windows.h>

#include <string>

namespace testsupport {

// Lets pending paints happen, then saves the window's screen area as <name>.bmp.
// Returns the path written, or "" on failure.
std::string CaptureWindow(HWND window, const char* name);
std::string CaptureDesktop(const char* name);
// Saves an area of a device context (a memory canvas, for one) as <name>.bmp.
std::string SaveDeviceContextArea(HDC source, const RECT& area, const char* name);

// Dispatches the messages already queued for this thread.
void PumpMessages();

}  // namespace testsupport
