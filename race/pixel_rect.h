// A rectangle of client pixels, (left, top, right, bottom): where the dialogs paint their
// previews and pages and place their controls, kept out of the Win32 headers so the portable
// rules can name it.
#pragma once

struct PixelRect {
  int left, top, right, bottom;
};

// A dialog's control and where it stands in client pixels.
struct PlacedControl {
  int id;
  PixelRect rect;
};
