// The display settings dialog (template AFFICHAGE) and its preview painter.
#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/choosers.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "race/gdi_objects.h"
#include "setup/settings_dialog_ids.h"
#include "setup/settings_dialogs.h"
#include "setup/settings_dialogs_model.h"
#include "setup/setup_dialog_win32.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::DisplayCaption},
    {IDOK, Text::DialogOk},
    {IDCANCEL, Text::DialogCancel},
    {IDC_DISPLAY_TITLE, Text::DisplayTitle},
    {IDC_DISPLAY_THEME_GROUP, Text::DisplayThemeGroup},
    {IDC_DISPLAY_SOFTWARE_BACKGROUND, Text::DisplaySoftwareBackground},
    {IDC_DISPLAY_TREE_BACKGROUND, Text::DisplayTreeViewBackground},
    {IDC_DISPLAY_TABLE_BACKGROUND, Text::DisplayTableBackground},
    {IDC_DISPLAY_LOGO_LABEL, Text::DisplayLogo},
    {IDC_DISPLAY_STAGE_GROUP, Text::DisplayStageGroup},
    {IDC_DISPLAY_STAGE_NAME, Text::DisplayStageName},
    {IDC_DISPLAY_RADIO_CONFLICT, Text::DisplayRadioConflict},
    {IDC_DISPLAY_ACTIVATED, Text::DisplayStageActivated},
    {IDC_DISPLAY_IN_PROGRESS, Text::DisplayStageInProgress},
    {IDC_DISPLAY_FINISHED, Text::DisplayStageFinished},
    {IDC_DISPLAY_TABLE_GROUP, Text::DisplayTableGroup},
    {IDC_DISPLAY_TABLE_TITLES, Text::DisplayTableTitles},
    {IDC_DISPLAY_TABLE_RESULTS, Text::DisplayTableResults},
    {IDC_DISPLAY_RELIEF, Text::DisplayReliefStyle},
    {IDC_DISPLAY_GRADIENT, Text::DisplayGradientStyle},
    {IDC_DISPLAY_COLUMN_LABEL, Text::DisplayColumn},
    {IDC_DISPLAY_WIDTH_LABEL, Text::DisplayWidth},
    {IDC_DISPLAY_FONT_LABEL, Text::DisplayFont},
    {IDC_DISPLAY_LOAD, Text::DisplayLoad},
    {IDC_DISPLAY_SAVE, Text::DisplaySave},
};
constexpr int kNormalFont[] = {IDOK,
                               IDCANCEL,
                               IDC_DISPLAY_RELIEF,
                               IDC_DISPLAY_GRADIENT,
                               IDC_DISPLAY_COLUMN,
                               IDC_DISPLAY_WIDTH,
                               IDC_DISPLAY_PLUS,
                               IDC_DISPLAY_MINUS,
                               IDC_DISPLAY_LOAD,
                               IDC_DISPLAY_SAVE,
                               IDC_DISPLAY_SOFTWARE_BACKGROUND,
                               IDC_DISPLAY_TREE_BACKGROUND,
                               IDC_DISPLAY_LOGO_LABEL,
                               IDC_DISPLAY_TABLE_BACKGROUND,
                               IDC_DISPLAY_STAGE_NAME,
                               IDC_DISPLAY_RADIO_CONFLICT,
                               IDC_DISPLAY_ACTIVATED,
                               IDC_DISPLAY_IN_PROGRESS,
                               IDC_DISPLAY_FINISHED,
                               IDC_DISPLAY_TABLE_TITLES,
                               IDC_DISPLAY_TABLE_RESULTS,
                               IDC_DISPLAY_COLUMN_LABEL,
                               IDC_DISPLAY_WIDTH_LABEL,
                               IDC_DISPLAY_FONT_LABEL};
constexpr int kBoldFont[] = {IDC_DISPLAY_TITLE, IDC_DISPLAY_THEME_GROUP, IDC_DISPLAY_STAGE_GROUP,
                             IDC_DISPLAY_TABLE_GROUP};
constexpr int kWidthDigits = 3;

// The dialog's private copy, kept for the whole run; refilled from the file at each opening.
struct DisplayDialogData {
  DisplaySettings settings;
  CustomColours customColours;
  int column;
  std::string savedFolder;
  std::string programFolder;
};
DisplayDialogData data;
DialogFonts fonts;

void ShowFileError(HWND dialog) {
  platform::ShowMessage(dialog, Tr(Text::DisplaySettingsNotFound), Tr(Text::CaptionError), platform::kMbOk);
}

void RestoreFolder() { platform::SetCurrentFolder(data.savedFolder.c_str()); }

// Whatever size the template's dialog units give, the controls stand where the preview leaves
// room for them, in the pixels it is painted in.
void PlaceControls(HWND dialog) {
  PlaceControlsInPixels(dialog, kDisplayLayout, kDisplayLayoutCount);
  RECT frame = {0, 0, kDisplayClientWidth, kDisplayClientHeight};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
  RECT window;
  GetWindowRect(dialog, &window);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  // Keep the dialog centred where the template put it.
  const int x = (window.left + window.right - width) / 2, y = (window.top + window.bottom - height) / 2;
  SetWindowPos(dialog, nullptr, x > 0 ? x : 0, y > 0 ? y : 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Redraw(HWND dialog, const PixelRect& r) {
  RECT area = {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
  InvalidateRect(dialog, &area, TRUE);
}

void RedrawSamples(HWND dialog) {
  for (const PixelRect& r : kSampleRects) Redraw(dialog, r);
}

void RedrawPreview(HWND dialog) {
  Redraw(dialog, kLogoRect);
  for (const PixelRect& r : kSwatchRects) Redraw(dialog, r);
  RedrawSamples(dialog);
}

// The column first: showing its width changes the edit, which stores into the selected column.
void ShowColumn(HWND dialog, int column) {
  data.column = column;
  SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_SETCURSEL, column, 0);
  char text[16];
  std::snprintf(text, sizeof text, "%d", data.settings.columnWidths[column]);
  SetDlgItemTextA(dialog, IDC_DISPLAY_WIDTH, text);
}

void ShowStyle(HWND dialog) {
  CheckRadioButton(dialog, IDC_DISPLAY_RELIEF, IDC_DISPLAY_GRADIENT,
                   data.settings.tableStyle == 1 ? IDC_DISPLAY_RELIEF : IDC_DISPLAY_GRADIENT);
}

void InitDisplayDialog(HWND dialog) {
  data.savedFolder = platform::CurrentFolder();
  data.programFolder = platform::ProgramFolder();
  for (FontSpec& font : data.settings.fonts) platform::ZeroBytes(font.face, sizeof font.face);
  platform::ZeroBytes(data.settings.logoPath, sizeof data.settings.logoPath);
  if (!ReadDisplaySettingsFile(kDisplaySettingsFile, &data.settings, &data.customColours)) ShowFileError(dialog);
  PlaceControls(dialog);
  SetControlTexts(dialog, kTexts);
  SendDlgItemMessageA(dialog, IDC_DISPLAY_WIDTH, EM_LIMITTEXT, kWidthDigits, 0);
  for (int column = 0; column < kLiveColumnCount; ++column) {
    SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(Tr(DisplayColumnText(column))));
  }
  ShowColumn(dialog, ColumnOfSelection(data.column, 0));
  ShowStyle(dialog);
  fonts.Open(dialog, kNormalFont, kBoldFont);
  RedrawPreview(dialog);
}

std::string FilterOf(Text description, const char* pattern) { return std::string(Tr(description)) + "|" + pattern; }

void LoadTheme(HWND dialog) {
  char path[MAX_PATH] = "";
  std::string filter = FilterOf(Text::DisplayThemeFilter, "*.scrn3");
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.filter = filter.c_str();
  request.initialFolder = data.programFolder.c_str();
  if (!platform::ChooseFile(request, path, sizeof path)) return;
  if (!LoadDisplaySettings(path, &data.settings, &data.customColours)) ShowFileError(dialog);
  RestoreFolder();
  ShowColumn(dialog, 0);
  ShowStyle(dialog);
  RedrawPreview(dialog);
}

void SaveTheme(HWND dialog) {
  char proposed[MAX_PATH];
  std::snprintf(proposed, sizeof proposed, "%s\\*%s", data.programFolder.c_str(), kDisplayThemeExtension);
  char chosen[MAX_PATH];
  platform::CopyBounded(chosen, proposed);
  std::string filter = FilterOf(Text::DisplayThemeFilter, "*.scrn3");
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.save = true;
  request.filter = filter.c_str();
  request.initialFolder = data.programFolder.c_str();
  if (!platform::ChooseFile(request, chosen, sizeof chosen)) return;
  char path[MAX_PATH];
  switch (ThemeSaveName(chosen, proposed, path, sizeof path)) {
    case ThemeSave::Nothing:
      return;
    case ThemeSave::TooLong:
      ShowFileError(dialog);
      return;
    case ThemeSave::Write:
      break;
  }
  RestoreFolder();
  if (!WriteDisplaySettingsFile(path, data.settings, data.customColours)) ShowFileError(dialog);
}

void Confirm(HWND dialog) {
  RestoreFolder();
  if (!WriteDisplaySettingsFile(kDisplaySettingsFile, data.settings, data.customColours)) ShowFileError(dialog);
  fonts.Close(dialog);
}

void Close(HWND dialog) {
  RestoreFolder();
  fonts.Close(dialog);
}

void TakeWidthText(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_DISPLAY_WIDTH, EM_LIMITTEXT, kWidthDigits, 0);
  char text[16];
  ControlTextOf(dialog, IDC_DISPLAY_WIDTH, text, sizeof text);
  data.settings.columnWidths[data.column] = ParseColumnWidth(text);
}

void StepWidth(HWND dialog, int (*step)(int)) {
  int& width = data.settings.columnWidths[data.column];
  const int stepped = step(width);
  if (stepped == width) return;
  width = stepped;
  char text[16];
  std::snprintf(text, sizeof text, "%d", width);
  SetDlgItemTextA(dialog, IDC_DISPLAY_WIDTH, text);
}

// The choosers are modal to the dialog: it cannot be confirmed or closed under them.
void ChooseLogo(HWND dialog) {
  char path[MAX_PATH] = "";
  std::string filter = FilterOf(Text::DisplayImageFilter, "*.bmp");
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.filter = filter.c_str();
  if (!platform::ChooseFile(request, path, sizeof path)) return;
  platform::ZeroBytes(data.settings.logoPath, sizeof data.settings.logoPath);
  platform::CopyBounded(data.settings.logoPath, path);
  RestoreFolder();
  Redraw(dialog, kLogoRect);
}

void ChooseSwatchColour(HWND dialog, int slot) {
  int chosen = 0;
  if (platform::ChooseColour(dialog, data.settings.displayColours[slot], &data.customColours, &chosen)) {
    data.settings.displayColours[slot] = chosen;
  }
  Redraw(dialog, kSwatchRects[slot]);
  Redraw(dialog, kSwatchRects[12]);
  RedrawSamples(dialog);
}

void ChooseSampleFont(HWND dialog, int sample) {
  const int font = SampleFont(sample, data.column);
  platform::FontChoice choice = FontChoiceOf(data.settings, font);
  const PointRange sizes = SampleSizes(sample);
  if (platform::ChooseScreenFont(dialog, sizes.min, sizes.max, &choice)) TakeFontChoice(choice, font, &data.settings);
  RedrawSamples(dialog);
}

void DoubleClick(HWND dialog, LPARAM position) {
  const int x = static_cast<short>(LOWORD(position)), y = static_cast<short>(HIWORD(position));
  PreviewHit hit = HitPreview(x, y);
  switch (hit.target) {
    case PreviewTarget::Logo:
      ChooseLogo(dialog);
      break;
    case PreviewTarget::Swatch:
      ChooseSwatchColour(dialog, hit.index);
      break;
    case PreviewTarget::Sample:
      ChooseSampleFont(dialog, hit.index);
      break;
    case PreviewTarget::None:
      break;
  }
}

void RightDoubleClick(HWND dialog, LPARAM position) {
  const int x = static_cast<short>(LOWORD(position)), y = static_cast<short>(HIWORD(position));
  if (!InLogoArea(x, y)) return;
  platform::ZeroBytes(data.settings.logoPath, sizeof data.settings.logoPath);
  Redraw(dialog, kLogoRect);
}

void FillArea(HDC dc, const PixelRect& r, int colour) { FillSolid(dc, r.left, r.top, r.right, r.bottom, colour); }
void Gradient(HDC dc, const PixelRect& r, int top, int bottom) {
  VerticalGradient(dc, r.left, r.top, r.right, r.bottom - r.top, top, bottom);
}
void Frame(HDC dc, const PixelRect& r) { Rectangle(dc, r.left - 1, r.top - 1, r.right + 1, r.bottom + 1); }

}  // namespace

void PaintDisplayPreview(HWND window, const PixelRect (&swatches)[kDisplayColourCount],
                         const PixelRect (&samples)[kFontSampleCount], const PixelRect& logo,
                         DisplaySettings settings, int column) {
  GdiObject bitmap(settings.logoPath[0] ? LoadImageA(nullptr, settings.logoPath, IMAGE_BITMAP, kLogoWidth, kLogoHeight,
                                                     LR_LOADFROMFILE | LR_DEFAULTSIZE)
                                        : nullptr);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  Frame(dc, logo);
  for (const PixelRect& r : swatches) Frame(dc, r);
  for (const PixelRect& r : samples) Frame(dc, r);
  if (bitmap) {
    HDC source = CreateCompatibleDC(dc);
    {
      Selection picture(source, bitmap.get());
      BitBlt(dc, logo.left, logo.top, kLogoWidth, kLogoHeight, source, 0, 0, SRCCOPY);
    }
    DeleteDC(source);
  }
  const int* colours = settings.displayColours;
  for (int i = 0; i < 12; ++i) FillArea(dc, swatches[i], colours[i]);
  FillArea(dc, samples[0], colours[3]);
  FillArea(dc, samples[1], colours[4]);
  Gradient(dc, samples[2], colours[8], colours[9]);
  Gradient(dc, samples[3], colours[10], colours[11]);
  Gradient(dc, swatches[12], colours[10], colours[11]);
  {
    GdiObject pen(CreatePen(PS_SOLID, 3, static_cast<COLORREF>(colours[12])));
    Selection drawing(dc, pen.get());
    const PixelRect& line = swatches[12];
    MoveToEx(dc, line.left + 5, line.top + 10, nullptr);
    LineTo(dc, line.right - 5, line.top + 10);
  }
  SetBkMode(dc, TRANSPARENT);
  for (int j = 0; j < kFontSampleCount; ++j) {
    const int k = SampleFont(j, column);
    GdiObject font(FontOfSpec(settings.fonts[k], 18));
    Selection text(dc, font.get());
    SetTextColor(dc, static_cast<COLORREF>(settings.fontColours[k]));
    TextOutA(dc, samples[j].left + 5, samples[j].top, kFontSampleText, 8);
  }
  EndPaint(window, &paint);
}

INT_PTR CALLBACK DisplaySettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitDisplayDialog(dialog);
      return TRUE;
    case WM_PAINT:
      PaintDisplayPreview(dialog, kSwatchRects, kSampleRects, kLogoRect, data.settings, data.column);
      return TRUE;
    case WM_LBUTTONDBLCLK:
      DoubleClick(dialog, lParam);
      return TRUE;
    case WM_RBUTTONDBLCLK:
      RightDoubleClick(dialog, lParam);
      return TRUE;
    case WM_CLOSE:
      Close(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          Confirm(dialog);
          return TRUE;
        case IDCANCEL:
          Close(dialog);
          return TRUE;
        case IDC_DISPLAY_RELIEF:
          data.settings.tableStyle = 1;
          return TRUE;
        case IDC_DISPLAY_GRADIENT:
          data.settings.tableStyle = 0;
          return TRUE;
        case IDC_DISPLAY_COLUMN:
          if (HIWORD(wParam) == CBN_SELCHANGE) {
            int selection = static_cast<int>(SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_GETCURSEL, 0, 0));
            ShowColumn(dialog, ColumnOfSelection(selection, data.column));
            Redraw(dialog, kSampleRects[3]);
          }
          return TRUE;
        case IDC_DISPLAY_WIDTH:
          if (HIWORD(wParam) == EN_CHANGE) TakeWidthText(dialog);
          return TRUE;
        case IDC_DISPLAY_PLUS:
          StepWidth(dialog, WidthStepUp);
          return TRUE;
        case IDC_DISPLAY_MINUS:
          StepWidth(dialog, WidthStepDown);
          return TRUE;
        case IDC_DISPLAY_LOAD:
          LoadTheme(dialog);
          return TRUE;
        case IDC_DISPLAY_SAVE:
          SaveTheme(dialog);
          return TRUE;
      }
      break;
  }
  return FALSE;
}
