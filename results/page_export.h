// The championship page kept as a file: its capture into "Private/Archive.bmp" at every
// paint (results/page_capture.h, Win32) and the JPEG export of that bitmap.
#pragma once

#include <cstdint>
#include <string>

#include "platform/message_box.h"

// The page area of the painted window, and the file it is captured into.
inline constexpr int kPageCaptureLeft = 20;
inline constexpr int kPageCaptureTop = 250;
inline constexpr int kPageCaptureWidth = 1040;
inline constexpr int kPageCaptureHeight = 590;
inline constexpr const char* kPageCaptureFile = "Private/Archive.bmp";
// kPageCaptureFile in the program folder: where the painter captures and the export reads.
std::string PageCapturePath();

// The layout of the bitmap file a capture writes.
struct CaptureBitmapLayout {
  int depth;                    // bits per pixel: 1, 4, 8, 16, 24 or 32
  std::uint32_t colours;        // colour table entries: 2^depth below 24 bits, else 0
  std::uint32_t rowBytes;       // a pixel row, padded to 4 bytes
  std::uint32_t imageBytes;     // all rows
  std::uint32_t pixelOffset;    // file header, info header and colour table
  std::uint32_t fileBytes;
};
// The layout for a bitmap of that size whose format has planes x bitsPerPixel bits per
// pixel, rounded up to the next bitmap depth (32 at most).
CaptureBitmapLayout CaptureLayout(int width, int height, int planes, int bitsPerPixel);

// The JPEG export of the page: asks for a file name with the save dialog (proposed: the
// working folder and "*.jpeg") and writes the captured page there as a JPEG file, under
// the name as typed. The proposed name left unchanged, Cancel, a missing bitmap or a
// program without a JPEG converter write nothing; true when the file was written.
bool ExportPageAsJpeg(platform::WindowHandle owner);
