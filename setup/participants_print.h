// The printed participants list: the painter of one page and the print job on a printer's
// device context, apart from the print dialog so that a test can run either on a device
// context of its own.
#pragma once

#include <windows.h>

#include "setup/participants_publishing.h"
#include "setup/participants_publishing_model.h"

// The page's logical size: the page is drawn in a 700 x 900 space scaled, isotropically, to
// the device's width and height in pixels.
inline constexpr int kParticipantsPageWidth = 700;
inline constexpr int kParticipantsPageHeight = 900;

// A bitmap file loaded at a given size and selected into a memory device context
// compatible with dc, to be copied onto a page; a file that is missing or not a bitmap gives
// no context, and nothing is drawn of it.
class MemoryBitmap {
 public:
  MemoryBitmap(HDC dc, const char* path, int width, int height);
  ~MemoryBitmap();
  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;
  // The memory device context holding the bitmap, or nullptr.
  HDC dc() const { return memory_; }

 private:
  HBITMAP bitmap_ = nullptr;
  HDC memory_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// Draws one page of the list on dc, whose drawable area is deviceWidth x deviceHeight
// pixels; logo holds the logo of the display settings, or is nullptr. The device context is
// left as it was.
void PaintParticipantsPage(HDC dc, int deviceWidth, int deviceHeight, const ParticipantsListing& listing,
                           const ParticipantsPage& page, HDC logo);

// The logo as every print-out shows it: 196 x 50, in VGA colours.
inline constexpr int kPrintLogoWidth = 196;
inline constexpr int kPrintLogoHeight = 50;

// Prints the whole list as one document on a printer's device context (which stays the
// caller's). False when the list is empty or the printer refused the document.
bool PrintParticipantsPages(HDC printer, const ParticipantsListing& listing);
