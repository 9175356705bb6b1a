// A complete paint of a window that draws one .bmp file (relative to the working folder or
// a full path) with its top left corner at (x, y) in client coordinates. A file that is
// missing or not a bitmap draws nothing; the paint still ends, so the window is validated.
#pragma once

#include <windows.h>

// At the picture's own size.
BOOL PaintBitmapFile(HWND window, const char* path, int x, int y);
// Stretched to width x height.
BOOL PaintBitmapFileScaled(HWND window, const char* path, int x, int y, int width, int height);
