// The pictures as the programs load them: bitmap and icon resources from the program, and the
// program folder's bitmaps from their files, stretched the way the painters ask for them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"

namespace {

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

std::string Asset(const std::string& relative) {
  return testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + relative);
}

// Loads a bitmap file as LoadImageA does for the painters: at its own size (0 x 0) or
// stretched to width x height.
HBITMAP LoadFile(const std::string& path, int width = 0, int height = 0) {
  UINT flags = LR_LOADFROMFILE | (width ? LR_DEFAULTSIZE : 0);
  return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, width, height, flags));
}

TEST(ResourcePictures, MenuAndButtonBitmapsLoad) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  std::vector<int> ids = {2, 3, 4, 22};
  for (int id = 5; id <= 19; ++id) ids.push_back(id);
  for (int id : ids) {
    HBITMAP bitmap = LoadBitmapA(self, MAKEINTRESOURCEA(id));
    ASSERT_NE(bitmap, nullptr) << "bitmap resource " << id;
    SIZE size = BitmapSize(bitmap);
    if (id >= 5 && id <= 19) {
      EXPECT_EQ(size.cx, 16) << id;
      EXPECT_EQ(size.cy, 16) << id;
    } else {
      // Shown centred on buttons of 80 x 45 (Comment 40 x 40) on a 1600 x 900 screen.
      EXPECT_LE(size.cx, id == 22 ? 36 : 76) << id;
      EXPECT_LE(size.cy, id == 22 ? 36 : 41) << id;
    }
    DeleteObject(bitmap);
  }
}

TEST(ResourcePictures, TreeImageListTakesItsNineSmallIcons) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  int cx = GetSystemMetrics(SM_CXSMICON);
  int cy = GetSystemMetrics(SM_CYSMICON);
  HIMAGELIST list = ImageList_Create(cx, cy, ILC_COLOR32, 9, 0);
  ASSERT_NE(list, nullptr);
  for (int id = 23; id <= 31; ++id) {
    HICON icon = static_cast<HICON>(LoadImageA(self, MAKEINTRESOURCEA(id), IMAGE_ICON, cx, cy, 0));
    ASSERT_NE(icon, nullptr) << "icon resource " << id;
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_EQ(BitmapSize(info.hbmColor).cx, cx) << id;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(ImageList_AddIcon(list, icon), id - 23);
    DestroyIcon(icon);
  }
  EXPECT_EQ(ImageList_GetImageCount(list), 9);
  ImageList_Destroy(list);
  EXPECT_NE(LoadIconA(self, MAKEINTRESOURCEA(1)), nullptr);
}

TEST(ProgramFolderPictures, LoadAtTheirOwnSize) {
  struct Expected {
    const char* name;
    int width;
    int height;
  };
  const Expected pictures[] = {
      {"feuRouge.bmp", 280, 280},    {"feuOrange.bmp", 280, 280},     {"feuVert.bmp", 280, 280},
      {"feuRouge2.bmp", 280, 280},   {"feuOrange2.bmp", 280, 280},    {"feuVert2.bmp", 280, 280},
      {"drapeauArrivee.bmp", 25, 16}, {"drapeauAbandon.bmp", 25, 16}, {"FlecheHaut.bmp", 12, 12},
      {"FlecheBas.bmp", 12, 12},     {"voyantVert.bmp", 32, 32},      {"voyantRouge.bmp", 32, 32},
      {"voyantScanPuce1.bmp", 40, 32}, {"voyantScanPuce2.bmp", 40, 32}, {"voyantScanPuce3.bmp", 40, 32},
      {"voyantScanPuce4.bmp", 40, 32}, {"impression.bmp", 24, 24},    {"wifiVert.bmp", 24, 24},
      {"wifiRouge.bmp", 24, 24},     {"editer.bmp", 24, 24},          {"enregistrer.bmp", 24, 24},
      {"chargercourse.bmp", 24, 24}, {"Sons2.bmp", 24, 24},           {"trophee.bmp", 24, 24},
  };
  for (const Expected& picture : pictures) {
    HBITMAP bitmap = LoadFile(Asset(std::string("images/") + picture.name));
    ASSERT_NE(bitmap, nullptr) << picture.name;
    SIZE size = BitmapSize(bitmap);
    EXPECT_EQ(size.cx, picture.width) << picture.name;
    EXPECT_EQ(size.cy, picture.height) << picture.name;
    DeleteObject(bitmap);
  }
}

TEST(ProgramFolderPictures, StretchToThePaintersSizes) {
  // The start lights at the largest zoom, the table flags on a 1920-wide screen.
  HBITMAP light = LoadFile(Asset("images/feuVert2.bmp"), 700, 700);
  ASSERT_NE(light, nullptr);
  EXPECT_EQ(BitmapSize(light).cx, 700);
  DeleteObject(light);
  HBITMAP flag = LoadFile(Asset("images/drapeauArrivee.bmp"), 30, 16);
  ASSERT_NE(flag, nullptr);
  EXPECT_EQ(BitmapSize(flag).cx, 30);
  DeleteObject(flag);
}

TEST(ProgramFolderPictures, EveryCountryFlagLoadsAtTwentyByThirteen) {
  WIN32_FIND_DATAA found = {};
  HANDLE search = FindFirstFileA(Asset("paysDrapeaux/*.bmp").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  int count = 0;
  do {
    HBITMAP flag = LoadFile(Asset(std::string("paysDrapeaux/") + found.cFileName), 20, 13);
    ASSERT_NE(flag, nullptr) << found.cFileName;
    SIZE size = BitmapSize(flag);
    EXPECT_EQ(size.cx, 20) << found.cFileName;
    EXPECT_EQ(size.cy, 13) << found.cFileName;
    DeleteObject(flag);
    ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_GE(count, 200);
}

TEST(ButtonPictures, ShowOnButtonsOfTheirSize) {
  // Buttons as the race screen and the dialogs make them (BS_BITMAP, BM_SETIMAGE), captured
  // as "button-pictures" for a look at how the pictures sit in them.
  HINSTANCE self = GetModuleHandleA(nullptr);
  HWND window = CreateWindowExA(0, "STATIC", "Button pictures", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                420, 200, nullptr, nullptr, self, nullptr);
  ASSERT_NE(window, nullptr);
  std::vector<HBITMAP> bitmaps;
  auto button = [&](int x, int y, int width, int height, HBITMAP bitmap) {
    HWND control = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_BITMAP, x, y, width, height,
                                   window, nullptr, self, nullptr);
    SendMessageA(control, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    EXPECT_EQ(SendMessageA(control, BM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(bitmap));
    bitmaps.push_back(bitmap);
  };
  int x = 10;
  for (int id : {2, 3, 4}) {
    button(x, 10, 80, 45, LoadBitmapA(self, MAKEINTRESOURCEA(id)));
    x += 100;
  }
  button(x, 10, 40, 40, LoadBitmapA(self, MAKEINTRESOURCEA(22)));
  x = 10;
  for (const char* name : {"impression.bmp", "wifiVert.bmp", "wifiRouge.bmp", "editer.bmp", "enregistrer.bmp",
                           "chargercourse.bmp", "Sons2.bmp", "trophee.bmp"}) {
    button(x, 80, 30, 32, LoadFile(Asset(std::string("images/") + name)));
    x += 40;
  }
  EXPECT_FALSE(testsupport::CaptureWindow(window, "button-pictures").empty());
  DestroyWindow(window);
  for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
}

}  // namespace
