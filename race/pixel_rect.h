// A rectangle of client pixels, (left, top, right, bottom): where the set-up dialogs paint
// their previews, kept out of the Win32 headers so the portable rules can name it.
#pragma once

struct PixelRect {
  int left, top, right, bottom;
};
