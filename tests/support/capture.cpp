#include "tests/support/capture.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/files.h"
#include "tests/support/temp_folder.h"

namespace testsupport {
namespace {

std::string CaptureFolder() {
  const char* folder = std::getenv("VELLGRIN_CAPTURES");
  std::string path = HostPath(folder ? folder : "captures");
  platform::CreateFolder(path.c_str());
  return path;
}

std::string SaveScreenArea(const RECT& area, const char* name) {
  HDC screen = GetDC(nullptr);
  std::string path = SaveDeviceContextArea(screen, area, name);
  ReleaseDC(nullptr, screen);
  return path;
}

}  // namespace

std::string SaveDeviceContextArea(HDC source, const RECT& area, const char* name) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return "";
  HDC screen = source;
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  int stride = ((width * 3 + 3) / 4) * 4;
  std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::string path = CaptureFolder() + "\\" + name + ".bmp";
  std::FILE* out = platform::OpenFile(path.c_str(), "wb");
  if (!out) return "";
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&header, sizeof header, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  std::fclose(out);
  return path;
}


void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

std::string CaptureWindow(HWND window, const char* name) {
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  // Give the X server time to show what was painted.
  for (int i = 0; i < 10; ++i) {
    PumpMessages();
    Sleep(30);
  }
  RECT area;
  GetWindowRect(window, &area);
  RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&area, &area, &screen);
  return SaveScreenArea(area, name);
}

std::string CaptureDesktop(const char* name) {
  PumpMessages();
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return SaveScreenArea(area, name);
}

}  // namespace testsupport
