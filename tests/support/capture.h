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

// A white memory canvas for painters that draw on a device context.
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    PatBlt(dc_, 0, 0, width, height, WHITENESS);
  }
  ~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y) & 0xFFFFFF; }
  // Whether some pixel of the area is (or is not) of that colour.
  bool Any(int left, int top, int right, int bottom, COLORREF colour) const { return Find(left, top, right, bottom, colour, true); }
  bool AnyBut(int left, int top, int right, int bottom, COLORREF colour) const {
    return Find(left, top, right, bottom, colour, false);
  }
  std::string Save(const char* name) const {
    RECT all = {0, 0, width_, height_};
    return SaveDeviceContextArea(dc_, all, name);
  }

 private:
  bool Find(int left, int top, int right, int bottom, COLORREF colour, bool equal) const {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        if ((At(x, y) == colour) == equal) return true;
      }
    }
    return false;
  }
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

}  // namespace testsupport
