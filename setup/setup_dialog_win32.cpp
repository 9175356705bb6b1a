#include "setup/setup_dialog_win32.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "app/build_profile.h"
#include "setup/dialog_rows.h"

void SetControlTexts(HWND dialog, const ControlText* texts, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (texts[i].control == 0) {
      SetWindowTextA(dialog, Tr(texts[i].text));
    } else {
      SetDlgItemTextA(dialog, texts[i].control, Tr(texts[i].text));
    }
  }
}

void DialogFonts::Create() {
  Release();
  normal_ = CreateFontA(16, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  bold_ = CreateFontA(16, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
}

void DialogFonts::Close(HWND dialog) {
  Release();
  EndDialog(dialog, 0);
}

void DialogFonts::Release() {
  if (normal_) DeleteObject(normal_);
  if (bold_) DeleteObject(bold_);
  normal_ = nullptr;
  bold_ = nullptr;
}

void DialogFonts::Apply(HWND dialog, const int* normal, std::size_t normalCount, const int* bold,
                        std::size_t boldCount) const {
  for (std::size_t i = 0; i < normalCount; ++i) {
    SendDlgItemMessageA(dialog, normal[i], WM_SETFONT, reinterpret_cast<WPARAM>(normal_), TRUE);
  }
  for (std::size_t i = 0; i < boldCount; ++i) {
    SendDlgItemMessageA(dialog, bold[i], WM_SETFONT, reinterpret_cast<WPARAM>(bold_), TRUE);
  }
}

namespace {

RECT ClientRectOf(HWND dialog, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

int KeepRowsBelow(HWND dialog, const ControlRow* rows, std::size_t count) {
  std::vector<int> tops(count), floors(count), shifts(count);
  for (std::size_t r = 0; r < count; ++r) {
    tops[r] = INT_MAX;
    floors[r] = rows[r].floor;
    for (int id : rows[r].controls) {
      if (id == 0) break;
      if (HWND control = GetDlgItem(dialog, id)) tops[r] = std::min(tops[r], static_cast<int>(ClientRectOf(dialog, control).top));
    }
  }
  RowShifts(tops.data(), floors.data(), static_cast<int>(count), shifts.data());
  for (std::size_t r = 0; r < count; ++r) {
    if (shifts[r] == 0) continue;
    for (int id : rows[r].controls) {
      if (id == 0) break;
      HWND control = GetDlgItem(dialog, id);
      if (!control) continue;
      RECT rect = ClientRectOf(dialog, control);
      SetWindowPos(control, nullptr, rect.left, rect.top + shifts[r], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  const int moved = count ? shifts[count - 1] : 0;
  if (moved > 0) {
    RECT client;
    GetClientRect(dialog, &client);
    GrowClientToHold(dialog, client.right, client.bottom + moved);
  }
  return moved;
}

void GrowClientToHold(HWND dialog, int right, int bottom) {
  RECT client;
  GetClientRect(dialog, &client);
  const int wider = right > client.right ? right - client.right : 0;
  const int taller = bottom > client.bottom ? bottom - client.bottom : 0;
  if (!wider && !taller) return;
  RECT window;
  GetWindowRect(dialog, &window);
  SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + wider, window.bottom - window.top + taller,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceControlsInPixels(HWND dialog, const PlacedControl* controls, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const PixelRect& r = controls[i].rect;
    if (HWND control = GetDlgItem(dialog, controls[i].id)) {
      SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

void CentreOnWorkArea(HWND dialog) {
  RECT window, work;
  GetWindowRect(dialog, &window);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int width = window.right - window.left, height = window.bottom - window.top;
  const int left = work.left + ((work.right - work.left) - width) / 2;
  const int top = work.top + ((work.bottom - work.top) - height) / 2;
  SetWindowPos(dialog, nullptr, left > work.left ? left : work.left, top > work.top ? top : work.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ControlTextOf(HWND dialog, int control, char* text, int size) {
  text[0] = '\0';
  GetDlgItemTextA(dialog, control, text, size);
}

void ButtonPicture::Set(HWND dialog, int control, const char* path) {
  Release();
  bitmap_ = static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  SendDlgItemMessageA(dialog, control, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
}

void ButtonPicture::Release() {
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
}
