// The capture of the championship page into a bitmap file, made by the page painter at the
// end of every paint, before it ends painting; the JPEG export converts that file.
#pragma once

#include <windows.h>

// Copies the page area of dc (kPageCaptureWidth x kPageCaptureHeight pixels at
// kPageCaptureLeft, kPageCaptureTop; results/page_export.h) into an uncompressed BMP file
// at path, created or replaced, in the format of dc. False on any failure, after releasing
// what was acquired; a file left incomplete is removed.
bool WriteScreenCaptureBitmap(HDC dc, const char* path);
