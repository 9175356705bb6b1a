// The sponsors dialog: a championship's sponsors added and removed, their logos chosen,
// dragged on a preview of the page and scaled, other championships' sponsors imported, and
// the whole saved by Validate. The sponsors list sorts itself, so the selected sponsor is the
// record of the selected item's text.
#include <cstdio>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "race/combo_fillers_win32.h"
#include "race/gdi_objects.h"
#include "race/settings_files.h"
#include "results/championship_dialogs.h"
#include "results/championship_files.h"
#include "results/championship_ids.h"
#include "results/points_scale_file.h"
#include "setup/printed_page_win32.h"
#include "setup/setup_dialog_win32.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::SponsorsCaption},          {IDOK, Text::SponsorsValidate},
    {IDCANCEL, Text::DialogCancel},      {IDC_SPONSORS_IMPORT, Text::SponsorsImport},
    {IDC_SPONSORS_LABEL, Text::SponsorsLabel}, {IDC_SPONSORS_ID_LABEL, Text::SponsorsId},
    {IDC_SPONSORS_COUNT_LABEL, Text::SponsorsCount}, {IDC_SPONSORS_LOGO_LABEL, Text::SponsorsLogoLabel},
    {IDC_SPONSORS_ADD, Text::SponsorsAdd}, {IDC_SPONSORS_REMOVE, Text::SponsorsRemove},
};
constexpr int kNormalFont[] = {IDOK,
                               IDCANCEL,
                               IDC_SPONSORS_IMPORT,
                               IDC_SPONSORS_IMPORT_FROM,
                               IDC_SPONSORS_NEW_NAME,
                               IDC_SPONSORS_ID_LABEL,
                               IDC_SPONSORS_NUMBER,
                               IDC_SPONSORS_LIST,
                               IDC_SPONSORS_LOGO_LABEL,
                               IDC_SPONSORS_LARGER,
                               IDC_SPONSORS_SMALLER,
                               IDC_SPONSORS_ADD,
                               IDC_SPONSORS_REMOVE};
constexpr int kBoldFont[] = {IDC_SPONSORS_LABEL, IDC_SPONSORS_COUNT_LABEL};

// The controls in client pixels around the logo box (380, 140)-(580, 200) and above the
// page, which starts at y 240: the template's dialog units come to other sizes on other
// systems.
constexpr PlacedControl kPlacements[] = {
    {IDC_SPONSORS_TITLE, {20, 6, 750, 46}},
    {IDC_SPONSORS_LABEL, {30, 58, 150, 78}},
    {IDC_SPONSORS_NEW_NAME, {30, 80, 200, 104}},
    {IDC_SPONSORS_ADD, {210, 80, 275, 104}},
    {IDC_SPONSORS_REMOVE, {280, 80, 355, 104}},
    {IDC_SPONSORS_COUNT_LABEL, {30, 114, 230, 134}},
    {IDC_SPONSORS_LIST, {30, 136, 250, 436}},
    {IDC_SPONSORS_ID_LABEL, {262, 139, 286, 159}},
    {IDC_SPONSORS_NUMBER, {290, 136, 340, 160}},
    {IDC_SPONSORS_IMPORT_FROM, {30, 184, 230, 484}},
    {IDC_SPONSORS_IMPORT, {240, 182, 340, 208}},
    {IDC_SPONSORS_LOGO_LABEL, {380, 116, 580, 136}},
    {IDC_SPONSORS_LARGER, {590, 140, 618, 168}},
    {IDC_SPONSORS_SMALLER, {590, 172, 618, 200}},
    {IDOK, {645, 120, 750, 150}},
    {IDCANCEL, {645, 160, 750, 190}},
};
constexpr PixelRect kSponsorFrame = {20, 50, 360, 222};
constexpr PixelRect kLogoFrame = {370, 104, 630, 222};
constexpr int kClientWidth = 770;
constexpr int kClientHeight = 855;

SponsorTable sponsors;
char championship[kChampionshipNameSize];
char softwareLogo[kLogoPathSize];
char currentLogo[kSponsorLogoPathSize];
char importFrom[kChampionshipNameSize];
POINT mouse;
bool dragging = false;
int dragged = -1;
std::string openingFolder;
DialogFonts fonts;
HFONT titleFont = nullptr;
HCURSOR arrowCursor = nullptr;
HCURSOR moveCursor = nullptr;

void ShowError(HWND dialog, Text text) {
  platform::ShowMessage(dialog, Tr(text), Tr(Text::CaptionError), platform::kMbOk | platform::kMbIconStop);
}

void Redraw(HWND dialog, const PixelRect& area) {
  RECT rect = {area.left, area.top, area.right, area.bottom};
  InvalidateRect(dialog, &rect, TRUE);
}
void RedrawLogoBox(HWND dialog) { Redraw(dialog, kSponsorLogoBox); }
void RedrawPage(HWND dialog) { Redraw(dialog, kSponsorPreviewPage); }

HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_SPONSORS_LIST); }

// The sponsor of the selected item, found by its text, or -1 when none is selected.
int SelectedSponsor(HWND dialog) {
  HWND list = List(dialog);
  const LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (item == CB_ERR || SendMessageA(list, CB_GETLBTEXTLEN, item, 0) >= kSponsorNameSize) return -1;
  char name[kSponsorNameSize] = "";
  SendMessageA(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(name));
  return FindSponsor(sponsors, name);
}

// The selected sponsor's logo becomes the current one and the number list shows its number.
void ShowSelected(HWND dialog) {
  const int index = SelectedSponsor(dialog);
  platform::CopyBounded(currentLogo, index >= 0 ? sponsors[static_cast<std::size_t>(index)].logoPath : "");
  HWND numbers = GetDlgItem(dialog, IDC_SPONSORS_NUMBER);
  SendMessageA(numbers, LB_RESETCONTENT, 0, 0);
  char number[8];
  std::snprintf(number, sizeof number, "%d", index >= 0 ? index + 1 : 1);
  SendMessageA(numbers, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(number));
  RedrawLogoBox(dialog);
}

// The list refilled with the first count names, the item of selectName (or item 0) selected.
void RefillList(HWND dialog, int count, const char* selectName = nullptr) {
  HWND list = List(dialog);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < count && i < kMaxSponsors; ++i) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sponsors[static_cast<std::size_t>(i)].name));
  }
  // "abc" and "ABC" are two sponsors: the item of that very name.
  LRESULT item = selectName ? FindExactComboItem(list, selectName) : 0;
  if (item == CB_ERR) item = 0;
  SendMessageA(list, CB_SETCURSEL, item, 0);
  ShowSelected(dialog);
}

void PlaceControls(HWND dialog) {
  PlaceControlsInPixels(dialog, kPlacements);
  // The frames share one id: the first frames the sponsor, the second the logo.
  int frame = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) != IDC_SPONSORS_FRAME) continue;
    const PixelRect& area = frame++ == 0 ? kSponsorFrame : kLogoFrame;
    MoveWindow(child, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
  }
  GrowClientToHold(dialog, kClientWidth, kClientHeight);
  // Nearly as tall as a 900-pixel screen.
  CentreOnWorkArea(dialog);
}

void Open(HWND dialog, LPARAM parameter) {
  openingFolder = platform::CurrentFolder();
  arrowCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  moveCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEWE));
  SetCursor(arrowCursor);
  dragging = false;
  dragged = -1;
  platform::ZeroBytes(importFrom, sizeof importFrom);
  SetControlTexts(dialog, kTexts);
  PlaceControls(dialog);
  ClearSponsors(&sponsors);
  platform::CopyBounded(championship, parameter ? reinterpret_cast<const char*>(parameter) : "");
  char title[80];
  std::snprintf(title, sizeof title, Tr(Text::ChampionshipsTitle), championship);
  SetDlgItemTextA(dialog, IDC_SPONSORS_TITLE, title);
  char path[kSponsorLogoPathSize + 40];
  if (SponsorsFilePath(championship, path, sizeof path)) ReadSponsorsFile(path, &sponsors);
  platform::ZeroBytes(softwareLogo, sizeof softwareLogo);
  if (!ReadLogoPath(softwareLogo)) ShowError(dialog, Text::DisplaySettingsNotFound);
  RefillList(dialog, ListedSponsorCount(sponsors));
  if (!FillChampionshipsCombo(GetDlgItem(dialog, IDC_SPONSORS_IMPORT_FROM))) ShowError(dialog, Text::DbChampionshipsMissing);
  fonts.Open(dialog, kNormalFont, kBoldFont);
  titleFont = CreateFontA(30, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  SendDlgItemMessageA(dialog, IDC_SPONSORS_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont), TRUE);
  RedrawPage(dialog);
}

void Close(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  if (GetCapture() == dialog) ReleaseCapture();
  if (titleFont) DeleteObject(titleFont);
  titleFont = nullptr;
  fonts.Close(dialog);
}

void Add(HWND dialog) {
  char typed[kSponsorNameSize] = "";
  ControlTextOf(dialog, IDC_SPONSORS_NEW_NAME, typed, sizeof typed);
  if (SendMessageA(List(dialog), CB_GETCOUNT, 0, 0) >= kMaxSponsors) return;
  const int index = AddSponsor(&sponsors, typed);
  if (index < 0) return;
  SetDlgItemTextA(dialog, IDC_SPONSORS_NEW_NAME, "");
  char name[kSponsorNameSize];
  platform::CopyBounded(name, sponsors[static_cast<std::size_t>(index)].name);
  RefillList(dialog, ListedSponsorCount(sponsors), name);
}

void Remove(HWND dialog) {
  const int index = SelectedSponsor(dialog);
  if (index < 0) return;
  char name[kSponsorNameSize];
  platform::CopyBounded(name, sponsors[static_cast<std::size_t>(index)].name);
  RemoveSponsor(&sponsors, name);
  RefillList(dialog, ListedSponsorCount(sponsors));
  // A name typed meanwhile is added as by the button.
  SendDlgItemMessageA(dialog, IDC_SPONSORS_ADD, BM_CLICK, 0, 0);
  RedrawLogoBox(dialog);
  RedrawPage(dialog);
}

void Import(HWND dialog) {
  char path[kSponsorLogoPathSize + 40];
  if (!SponsorsFilePath(importFrom, path, sizeof path)) return;
  ReadSponsorsFile(path, &sponsors);
  RefillList(dialog, ListedSponsorCount(sponsors));
  RedrawPage(dialog);
}

void Scale(HWND dialog, bool larger) {
  const int index = SelectedSponsor(dialog);
  if (index < 0) return;
  SponsorRecord& sponsor = sponsors[static_cast<std::size_t>(index)];
  larger ? EnlargeSponsorLogo(&sponsor) : ShrinkSponsorLogo(&sponsor);
  RedrawPage(dialog);
}

void Validate(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  char path[kSponsorLogoPathSize + 40];
  const int count = static_cast<int>(SendMessageA(List(dialog), CB_GETCOUNT, 0, 0));
  if (!CreateChampionshipFolder(championship) || !SponsorsFilePath(championship, path, sizeof path) ||
      !WriteSponsorsFile(path, sponsors, count)) {
    // The dialog stays open with the session's work; the former file is whole.
    ShowError(dialog, Text::SponsorsFileNotWritten);
    return;
  }
  Close(dialog);
}

// A logo chosen (or cleared) for the selected sponsor from the logo box.
void ChangeLogo(HWND dialog, bool choose) {
  const int index = SelectedSponsor(dialog);
  if (index < 0) return;
  char path[kSponsorLogoPathSize] = "";
  if (choose) {
    std::string filter = std::string(Tr(Text::SponsorsImageFilter)) + "|*.bmp";
    platform::FileDialogRequest request;
    request.owner = dialog;
    request.filter = filter.c_str();
    if (!platform::ChooseFile(request, path, sizeof path)) return;
  }
  SetSponsorLogo(&sponsors, index, path);
  platform::CopyBounded(currentLogo, path);
  RedrawLogoBox(dialog);
  RedrawPage(dialog);
}

POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

void ButtonDown(HWND dialog) {
  const int index = SponsorLogoAt(sponsors, mouse.x, mouse.y);
  if (index < 0) return;
  dragging = true;
  dragged = index;
  SetCapture(dialog);
}

void ButtonUp(HWND dialog) {
  if (!dragging) return;
  dragging = false;
  if (GetCapture() == dialog) ReleaseCapture();
  if (dragged >= 0 && DropSponsorLogo(&sponsors[static_cast<std::size_t>(dragged)], mouse.x, mouse.y)) RedrawPage(dialog);
  dragged = -1;
}

bool MoveCursorWanted() {
  if (dragging) return InSponsorDropZone(mouse.x, mouse.y);
  return SponsorLogoAt(sponsors, mouse.x, mouse.y) >= 0;
}

bool Command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDOK: Validate(dialog); return true;
    case IDCANCEL: Close(dialog); return true;
    case IDC_SPONSORS_ADD: Add(dialog); return true;
    case IDC_SPONSORS_REMOVE: Remove(dialog); return true;
    case IDC_SPONSORS_IMPORT: Import(dialog); return true;
    case IDC_SPONSORS_LARGER: Scale(dialog, true); return true;
    case IDC_SPONSORS_SMALLER: Scale(dialog, false); return true;
    case IDC_SPONSORS_LIST:
      if (notification == CBN_SELCHANGE) ShowSelected(dialog);
      return true;
    case IDC_SPONSORS_NEW_NAME:
      if (notification == EN_CHANGE) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kSponsorNameTypedLimit, 0);
      return true;
    case IDC_SPONSORS_IMPORT_FROM:
      if (notification == CBN_SELCHANGE) {
        HWND combo = GetDlgItem(dialog, id);
        const LRESULT item = SendMessageA(combo, CB_GETCURSEL, 0, 0);
        platform::ZeroBytes(importFrom, sizeof importFrom);
        if (item != CB_ERR && SendMessageA(combo, CB_GETLBTEXTLEN, item, 0) < kChampionshipNameSize)
          SendMessageA(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(importFrom));
      }
      return true;
  }
  return false;
}

}  // namespace

void PaintSponsorsPreview(HWND dialog, const PixelRect& logoBox, const PixelRect& page, const SponsorTable& table,
                          const char* name, const char* software, const char* current) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  const int saved = SaveDC(dc);
  const int L = page.left, T = page.top, R = page.right, B = page.bottom;
  FillArea(dc, L, T, R, B, RGB(255, 255, 255));
  {
    GdiObject pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    Selection use(dc, pen.get());
    DrawLine(dc, L + 100, T + 50, L + 100, B - 80);
    DrawLine(dc, R - 10, T + 50, R - 10, B - 80);
    DrawLine(dc, L + 100, T + 71, R - 10, T + 71);
    DrawLine(dc, L + 100, B - 100, R - 10, B - 100);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  {
    GdiObject font(ArialFont(20, 700));
    Selection use(dc, font.get());
    char title[96];
    std::snprintf(title, sizeof title, Tr(Text::SponsorsPageTitle), std::string(name, strnlen(name, 20)).c_str());
    PageText(dc, (L + R) / 2 + 50, T + 45, Align::Centre, title);
  }
  {
    GdiObject font(ArialFont(14, FW_NORMAL));
    Selection use(dc, font.get());
    PageText(dc, R - 220, B - 120, Align::Left, Tr(Text::ClassificationFooter));
  }
  {
    MemoryBitmap logo(dc, software, 147, 37);
    if (logo.dc()) StretchBlt(dc, L + 100, T + 10, 196, 50, logo.dc(), 0, 0, 147, 37, SRCCOPY);
  }
  if (current && current[0]) {
    MemoryBitmap logo(dc, current, 200, 60);
    if (logo.dc()) BitBlt(dc, logoBox.left, logoBox.top, 200, 60, logo.dc(), 0, 0, SRCCOPY);
  }
  for (const SponsorRecord& sponsor : table) {
    if (sponsor.logoPath[0] == '\0') continue;
    const int width = SponsorLogoWidth(sponsor.scalePercent);
    const int height = SponsorLogoHeight(sponsor.scalePercent);
    if (width <= 0 || height <= 0) continue;
    MemoryBitmap logo(dc, sponsor.logoPath, width, height);
    if (logo.dc()) BitBlt(dc, sponsor.x, sponsor.y, width, height, logo.dc(), 0, 0, SRCCOPY);
  }
  RestoreDC(dc, saved);
  EndPaint(dialog, &paint);
}

INT_PTR CALLBACK SponsorsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Open(dialog, lParam);
      return FALSE;
    case WM_COMMAND:
      return Command(dialog, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_PAINT:
      PaintSponsorsPreview(dialog, kSponsorLogoBox, kSponsorPreviewPage, sponsors, championship, softwareLogo, currentLogo);
      return TRUE;
    case WM_MOUSEMOVE:
      mouse = PointOf(lParam);
      return TRUE;
    case WM_LBUTTONDOWN:
      mouse = PointOf(lParam);
      ButtonDown(dialog);
      return TRUE;
    case WM_LBUTTONUP:
      mouse = PointOf(lParam);
      ButtonUp(dialog);
      return TRUE;
    case WM_CAPTURECHANGED:
      // A message box or another window took the mouse during a drag: it ends where it was,
      // without a drop at the next button release. (A drop releases the capture itself, after
      // its drag has ended.)
      if (dragging && reinterpret_cast<HWND>(lParam) != dialog) {
        dragging = false;
        dragged = -1;
      }
      return TRUE;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: {
      POINT at = PointOf(lParam);
      if (InSponsorLogoBox(at.x, at.y)) ChangeLogo(dialog, message == WM_LBUTTONDBLCLK);
      return TRUE;
    }
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT || reinterpret_cast<HWND>(wParam) != dialog) return FALSE;
      SetCursor(MoveCursorWanted() ? moveCursor : arrowCursor);
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_CLOSE:
      Close(dialog);
      return TRUE;
  }
  return FALSE;
}
