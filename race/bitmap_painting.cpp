#include "race/bitmap_painting.h"

namespace {

BOOL PaintLoaded(HWND window, HBITMAP bitmap, int x, int y) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc && bitmap) {
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, x, y, 0, 0, DST_BITMAP);
  }
  if (bitmap) DeleteObject(bitmap);
  return EndPaint(window, &paint);
}

}  // namespace

BOOL PaintBitmapFile(HWND window, const char* path, int x, int y) {
  auto bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  return PaintLoaded(window, bitmap, x, y);
}

BOOL PaintBitmapFileScaled(HWND window, const char* path, int x, int y, int width, int height) {
  auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path, IMAGE_BITMAP, width, height, LR_LOADFROMFILE | LR_DEFAULTSIZE));
  return PaintLoaded(window, bitmap, x, y);
}
