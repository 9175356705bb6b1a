#include "results/page_capture.h"

#include <cstring>
#include <vector>

#include "race/gdi_objects.h"
#include "results/page_export.h"

namespace {

class MemoryDc {
 public:
  explicit MemoryDc(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

bool WriteAll(HANDLE file, const void* data, DWORD size) {
  DWORD written = 0;
  return WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool WriteBitmapFile(const char* path, const CaptureBitmapLayout& layout, const std::vector<unsigned char>& info,
                     const std::vector<unsigned char>& pixels) {
  BITMAPFILEHEADER header = {};
  header.bfType = 0x4D42;  // "BM"
  header.bfSize = layout.fileBytes;
  header.bfOffBits = layout.pixelOffset;
  HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteAll(file, &header, sizeof header) &&
                       WriteAll(file, info.data(), static_cast<DWORD>(info.size())) &&
                       WriteAll(file, pixels.data(), static_cast<DWORD>(pixels.size()));
  const bool closed = CloseHandle(file) != 0;
  if (written && closed) return true;
  // A half-written page must not be taken for the page by the JPEG export.
  DeleteFileA(path);
  return false;
}

}  // namespace

bool WriteScreenCaptureBitmap(HDC dc, const char* path) {
  MemoryDc memory(dc);
  if (!memory.get()) return false;
  GdiObject bitmap(CreateCompatibleBitmap(dc, kPageCaptureWidth, kPageCaptureHeight));
  if (!bitmap) return false;
  {
    Selection selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, kPageCaptureWidth, kPageCaptureHeight, dc, kPageCaptureLeft, kPageCaptureTop,
                SRCCOPY))
      return false;
  }
  // GetDIBits wants the bitmap selected nowhere: the selection above ended.
  BITMAP format = {};
  if (!GetObject(bitmap.get(), sizeof format, &format)) return false;
  const CaptureBitmapLayout layout =
      CaptureLayout(format.bmWidth, format.bmHeight, format.bmPlanes, format.bmBitsPixel);

  // The info header and its colour table, zero-filled: GetDIBits fills the table only for
  // the palette depths; at 16 bits it leaves the 65536 entries the file carries untouched.
  std::vector<unsigned char> info(sizeof(BITMAPINFOHEADER) + 4 * std::size_t{layout.colours}, 0);
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = format.bmWidth;
  header.biHeight = format.bmHeight;  // bottom-up rows
  // GetDIBits takes one plane of the rounded depth (the same as read, for every real format).
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(layout.depth);
  header.biCompression = BI_RGB;
  header.biSizeImage = layout.imageBytes;
  header.biClrUsed = layout.colours;
  std::memcpy(info.data(), &header, sizeof header);

  std::vector<unsigned char> pixels(layout.imageBytes);
  if (GetDIBits(memory.get(), static_cast<HBITMAP>(bitmap.get()), 0, static_cast<UINT>(format.bmHeight), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS) != format.bmHeight)
    return false;
  // GetDIBits may have filled in fields of its own; the file keeps the ones above.
  std::memcpy(info.data(), &header, sizeof header);
  return WriteBitmapFile(path, layout, info, pixels);
}
