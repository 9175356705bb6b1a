// The championship page's capture and JPEG export under Wine: a known picture captured from
// a painting window and from memory canvases at 24 and 16 bits, read back byte by byte; the
// FreeImage conversion through the save dialog (decoded outside the program by the ctest
// checks "wine.page_export*_jpeg_decodes"); FreeImage linked into the English program only.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "results/jpeg_conversion.h"
#include "results/jpeg_conversion_freeimage.h"
#include "results/page_capture.h"
#include "results/page_export.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kAreaWidth = kPageCaptureLeft + kPageCaptureWidth + 40;
constexpr int kAreaHeight = kPageCaptureTop + kPageCaptureHeight + 20;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// White, with a red square at the page's top-left corner, a blue one at its bottom-right
// corner and a black frame just outside the page, which must not be captured.
void PaintKnownPicture(HDC dc) {
  RECT all = {0, 0, kAreaWidth, kAreaHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT frame = {kPageCaptureLeft - 1, kPageCaptureTop - 1, kPageCaptureLeft + kPageCaptureWidth + 1,
                kPageCaptureTop + kPageCaptureHeight + 1};
  FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HBRUSH red = CreateSolidBrush(kRed), blue = CreateSolidBrush(kBlue);
  RECT topLeft = {kPageCaptureLeft, kPageCaptureTop, kPageCaptureLeft + 100, kPageCaptureTop + 100};
  RECT bottomRight = {kPageCaptureLeft + kPageCaptureWidth - 50, kPageCaptureTop + kPageCaptureHeight - 50,
                      kPageCaptureLeft + kPageCaptureWidth, kPageCaptureTop + kPageCaptureHeight};
  FillRect(dc, &topLeft, red);
  FillRect(dc, &bottomRight, blue);
  DeleteObject(red);
  DeleteObject(blue);
}

std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}
std::uint16_t U16(const std::string& b, std::size_t at) {
  std::uint16_t v = 0;
  std::memcpy(&v, b.data() + at, 2);
  return v;
}

// The colour of a page pixel (x, y from the top-left) in a capture file of that depth.
COLORREF PixelOf(const std::string& file, int depth, int x, int y) {
  const CaptureBitmapLayout layout = CaptureLayout(kPageCaptureWidth, kPageCaptureHeight, 1, depth);
  const std::size_t row = layout.pixelOffset + std::size_t{layout.rowBytes} * (kPageCaptureHeight - 1 - y);
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(file[at]); };
  if (depth == 16) {  // 5-5-5
    const std::uint16_t v = U16(file, row + 2 * x);
    return RGB(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
  }
  const std::size_t at = row + std::size_t(depth / 8) * x;
  return RGB(byte(at + 2), byte(at + 1), byte(at));
}

// Checks a capture file: headers, colour table, and the known picture's corners.
void ExpectCaptureOfKnownPicture(const std::string& path, int depth) {
  SCOPED_TRACE("depth " + std::to_string(depth));
  const std::string file = testsupport::ReadBytes(path);
  const CaptureBitmapLayout layout = CaptureLayout(kPageCaptureWidth, kPageCaptureHeight, 1, depth);
  ASSERT_EQ(file.size(), layout.fileBytes);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(U32(file, 2), layout.fileBytes);
  EXPECT_EQ(U32(file, 6), 0u);  // reserved words
  EXPECT_EQ(U32(file, 10), layout.pixelOffset);
  EXPECT_EQ(U32(file, 14), 40u);
  EXPECT_EQ(U32(file, 18), std::uint32_t(kPageCaptureWidth));
  EXPECT_EQ(U32(file, 22), std::uint32_t(kPageCaptureHeight));  // bottom-up
  EXPECT_EQ(U16(file, 26), 1);
  EXPECT_EQ(U16(file, 28), depth);
  EXPECT_EQ(U32(file, 30), 0u);  // BI_RGB
  EXPECT_EQ(U32(file, 34), layout.imageBytes);
  EXPECT_EQ(U32(file, 46), layout.colours);
  EXPECT_EQ(U32(file, 50), 0u);
  // No colour table at 24 and 32 bits; at 16 bits one GetDIBits leaves alone: all zero.
  EXPECT_EQ(file.find_first_not_of('\0', 54), layout.pixelOffset) << "colour table not zero";
  EXPECT_EQ(PixelOf(file, depth, 0, 0), kRed);
  EXPECT_EQ(PixelOf(file, depth, 99, 99), kRed);
  EXPECT_EQ(PixelOf(file, depth, 100, 100), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(file, depth, kPageCaptureWidth - 1, kPageCaptureHeight - 1), kBlue);
  EXPECT_EQ(PixelOf(file, depth, kPageCaptureWidth - 51, kPageCaptureHeight - 51), RGB(255, 255, 255));
}

// A file among the captures, where the ctest check decodes JPEG files with ImageMagick.
std::string CapturesPath(const char* name) {
  const char* captures = std::getenv("VELLGRIN_CAPTURES");
  return testsupport::HostPath(std::string(captures ? captures : "captures") + "/" + name);
}

// A memory canvas whose bitmap has the given depth.
class DibCanvas {
 public:
  explicit DibCanvas(int depth) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kAreaWidth;
    info.bmiHeader.biHeight = kAreaHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(depth);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~DibCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST(PageCapture, MemoryCanvasesAt24And16BitsGiveTheirBitmapsByteForByte) {
  testsupport::TempFolder folder;
  for (int depth : {24, 16}) {
    DibCanvas canvas(depth);
    PaintKnownPicture(canvas.dc());
    // Leave freed heap full of non-zero bytes where the colour table may be allocated.
    { std::vector<unsigned char> dirty(40 + 4 * 65536, 0xA5); }
    const std::string path = folder / ("Archive" + std::to_string(depth) + ".bmp");
    ASSERT_TRUE(WriteScreenCaptureBitmap(canvas.dc(), path.c_str()));
    ExpectCaptureOfKnownPicture(path, depth);
  }
  // The 16-bit file, with its table of zeros, converts too (decoded by the ctest check).
  const std::string jpeg = CapturesPath("page_export_16bits.jpeg");
  testsupport::DeleteFileIfAny(jpeg);
  EXPECT_TRUE(ConvertBitmapToJpegWithFreeImage((folder / "Archive16.bmp").c_str(), jpeg.c_str()));
  // A file that cannot be created is a failure.
  DibCanvas canvas(24);
  EXPECT_FALSE(WriteScreenCaptureBitmap(canvas.dc(), (folder / "missing/Archive.bmp").c_str()));
}

// A window that paints the known picture and captures it before it ends painting, as the
// championship page does.
std::string g_windowCapture;
bool g_windowCaptured = false;
LRESULT CALLBACK CapturingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    PaintKnownPicture(dc);
    g_windowCaptured = WriteScreenCaptureBitmap(dc, g_windowCapture.c_str());
    EndPaint(window, &ps);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class PageExport : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::SetProgramFolder(folder_.path());
    platform::CreateFolder((folder_ / "Private").c_str());
    platform::test::InterceptFileDialogs();
  }
  void TearDown() override {
    UseBitmapToJpegConverter(nullptr);
    platform::test::StopInterceptingFileDialogs();
    platform::test::ResetProgramFolder();
  }
  // Captures the known picture from a window's paint into the program's "Private/Archive.bmp".
  void CaptureFromWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CapturingWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "PageCaptureTest";
    RegisterClassA(&windowClass);
    g_windowCapture = PageCapturePath();
    g_windowCaptured = false;
    HWND window = CreateWindowExA(0, "PageCaptureTest", "", WS_POPUP | WS_VISIBLE, 0, 0, kAreaWidth, kAreaHeight,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    UpdateWindow(window);
    testsupport::CaptureWindow(window, "page_capture_window");
    DestroyWindow(window);
    ASSERT_TRUE(g_windowCaptured);
  }
  testsupport::TempFolder folder_;
};

TEST_F(PageExport, WindowCaptureIsConvertedToAJpegThroughTheSaveDialog) {
  CaptureFromWindow();
  HDC screen = GetDC(nullptr);
  const int screenDepth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  ExpectCaptureOfKnownPicture(PageCapturePath(), screenDepth);

  const std::string jpeg = CapturesPath("page_export.jpeg");
  testsupport::DeleteFileIfAny(jpeg);
  UseBitmapToJpegConverter(ConvertBitmapToJpegWithFreeImage);
  platform::test::QueueFileDialogAnswer(jpeg);
  ASSERT_TRUE(ExportPageAsJpeg(nullptr));
  const std::string bytes = testsupport::ReadBytes(jpeg);
  ASSERT_GT(bytes.size(), 1000u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");

  // The proposed name left as it is writes nothing.
  const std::size_t dialogs = platform::test::FileDialogs().size();
  platform::test::QueueFileDialogAnswer(folder_.path() + "\\*.jpeg");
  EXPECT_FALSE(ExportPageAsJpeg(nullptr));
  EXPECT_EQ(platform::test::FileDialogs().size(), dialogs + 1);
  // Without the bitmap there is no file.
  testsupport::DeleteFileIfAny(PageCapturePath());
  platform::test::QueueFileDialogAnswer(folder_ / "nothing.jpeg");
  EXPECT_FALSE(ExportPageAsJpeg(nullptr));
  EXPECT_EQ(testsupport::ReadBytes(folder_ / "nothing.jpeg"), "<missing>");
}

TEST(PageExportPrograms, FreeImageIsLinkedIntoTheEnglishProgramOnly) {
  // The JPEG plugin's format description is in a program only when FreeImage is.
  const std::string marker = "JPEG - JFIF Compliant";
  for (const char* language : {"en", "fr", "es"}) {
    const std::string exe =
        testsupport::HostPath(std::string(VELLGRIN_PROGRAMS_DIR) + "/vellgrin-rally-" + language + ".exe");
    const std::string bytes = testsupport::ReadBytes(exe);
    ASSERT_NE(bytes, "<missing>") << exe;
    EXPECT_EQ(bytes.find(marker) != std::string::npos, std::string(language) == "en") << language;
  }
}

}  // namespace
