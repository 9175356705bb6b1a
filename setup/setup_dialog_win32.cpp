#include "setup/setup_dialog_win32.h"

#include "app/build_profile.h"

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
