// The start order dialog (template RALLYEREPARTITION): the drivers of the current rally in
// their start order, moved with the arrows of the table, printed, and written to
// "CourseRallye%dRépartition" by Generate.
#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/sound.h"
#include "setup/event_setup_dialog_ids.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"
#include "setup/start_order_model.h"
#include "setup/start_order_paint.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::StartOrderCaption},
    {IDC_START_ORDER_LABEL, Text::StartOrderLabel},
    {IDC_START_ORDER_NEXT_STAGE, Text::StartOrderNextStage},
    {IDC_START_ORDER_PRINT, Text::StartOrderPrint},
    {IDOK, Text::StartOrderGenerate},
    {IDCANCEL, Text::DialogCancel},
};
constexpr int kNormalFont[] = {IDOK, IDCANCEL};
constexpr int kBoldFont[] = {IDC_START_ORDER_RALLY_NAME, IDC_START_ORDER_LABEL, IDC_START_ORDER_NEXT_STAGE};

DialogFonts fonts;
StartOrderDialogData data;
std::string openingFolder;
ButtonPicture printPicture;

HWND ScrollBar(HWND dialog) { return GetDlgItem(dialog, IDC_START_ORDER_SCROLL); }
int FirstRow(HWND dialog) { return GetScrollPos(ScrollBar(dialog), SB_CTL); }

void RepaintTable(HWND dialog) {
  RECT area = kStartOrderTableArea;
  InvalidateRect(dialog, &area, FALSE);
  UpdateWindow(dialog);
}

void InitStartOrderDialog(HWND dialog) {
  openingFolder = platform::CurrentFolder();
  SetControlTexts(dialog, kTexts);
  LoadStartOrderData(dialog, &data);
  SetDlgItemTextA(dialog, IDC_START_ORDER_RALLY_NAME, StartOrderRallyName(data));
  const int count = StartOrderRowCount(data);
  HWND bar = ScrollBar(dialog);
  // Beside the table, as tall as it, whatever the dialog units come to in pixels.
  const RECT& table = kStartOrderTableArea;
  MoveWindow(bar, table.right + 4, table.top, GetSystemMetrics(SM_CXVSCROLL), table.bottom - table.top, FALSE);
  SetScrollRange(bar, SB_CTL, 0, StartOrderScrollMaximum(count), FALSE);
  SetScrollPos(bar, SB_CTL, 0, FALSE);
  ShowWindow(bar, StartOrderScrollShown(count) ? SW_SHOW : SW_HIDE);
  printPicture.Set(dialog, IDC_START_ORDER_PRINT, "images/impression.bmp");
  fonts.Open(dialog, kNormalFont, kBoldFont);
  RepaintTable(dialog);
}

ScrollRequest RequestOf(int code) {
  switch (code) {
    case SB_LINEUP: return ScrollRequest::LineUp;
    case SB_LINEDOWN: return ScrollRequest::LineDown;
    case SB_PAGEUP: return ScrollRequest::PageUp;
    case SB_PAGEDOWN: return ScrollRequest::PageDown;
    case SB_THUMBPOSITION: return ScrollRequest::ThumbPosition;
  }
  return ScrollRequest::Other;
}

void Scroll(HWND dialog, WPARAM wParam, LPARAM lParam) {
  HWND bar = ScrollBar(dialog);
  if (reinterpret_cast<HWND>(lParam) != bar) return;
  int minimum = 0, maximum = 0;
  GetScrollRange(bar, SB_CTL, &minimum, &maximum);
  const int position = GetScrollPos(bar, SB_CTL);
  const int next = ScrolledPosition(RequestOf(LOWORD(wParam)), position, maximum, HIWORD(wParam));
  SetScrollPos(bar, SB_CTL, next, TRUE);
  if (next != position) RepaintTable(dialog);
}

void Press(HWND dialog, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  if (MoveDriverAt(&data, FirstRow(dialog), x, y)) platform::PlaySoundFile("sons/beep1.wav", platform::SoundMode::Async);
  if (StartOrderRowCount(data) >= 2) RepaintTable(dialog);
}

void Generate(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  GenerateStartOrder(dialog, &data);
  fonts.Close(dialog);
}

void Leave(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  fonts.Close(dialog);
}

void Print(HWND dialog) {
  PrintStartOrder(dialog, data);
  platform::SetCurrentFolder(openingFolder.c_str());
}

}  // namespace

INT_PTR CALLBACK StartOrderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitStartOrderDialog(dialog);
      return FALSE;
    case WM_PAINT:
      PaintStartOrder(dialog, kStartOrderTableArea, data, FirstRow(dialog));
      return FALSE;
    case WM_VSCROLL:
      Scroll(dialog, wParam, lParam);
      return FALSE;
    case WM_LBUTTONDOWN:
      Press(dialog, lParam);
      return FALSE;
    case WM_CLOSE:
      Leave(dialog);
      return FALSE;
    case WM_DESTROY:
      printPicture.Release();
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          Generate(dialog);
          break;
        case IDCANCEL:
          Leave(dialog);
          break;
        case IDC_START_ORDER_PRINT:
          Print(dialog);
          break;
      }
      return TRUE;
  }
  return FALSE;
}
