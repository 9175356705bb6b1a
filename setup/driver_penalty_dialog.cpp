// The driver penalty dialog (template PENALITESBIS): one driver of the loaded stage gets a
// penalty or an abandon of the event's list, or loses it. The choice goes straight into the
// driver's live entry.
#include <cstdio>

#include "app/build_profile.h"
#include "setup/driver_penalty_dialog_ids.h"
#include "setup/driver_penalty_model.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::DriverPenaltyCaption},
    {IDC_DRIVER_PENALTY_TITLE, Text::DriverPenaltyPenalties},
    {IDOK, Text::DriverPenaltyOk},
};
constexpr int kNormalFont[] = {IDOK, IDC_DRIVER_PENALTY_LIST, IDC_DRIVER_PENALTY_NAME, IDC_DRIVER_PENALTY_EFFECT};
constexpr int kBoldFont[] = {IDC_DRIVER_PENALTY_TITLE, IDC_DRIVER_PENALTY_ATTRIBUTED};

DialogFonts fonts;
HFONT driverFont = nullptr;
PenaltyRecord penalties[kMaxPenalties];
StageEntry* entry = nullptr;

void ShowPenalty(HWND dialog, const PenaltyRecord* record) {
  char text[256];
  if (record) {
    std::snprintf(text, sizeof text, Tr(Text::DriverPenaltyAttributedCode), record->code);
    SetDlgItemTextA(dialog, IDC_DRIVER_PENALTY_ATTRIBUTED, text);
    SetDlgItemTextA(dialog, IDC_DRIVER_PENALTY_NAME, record->name);
    PenaltyEffectText(*record, text, sizeof text);
    SetDlgItemTextA(dialog, IDC_DRIVER_PENALTY_EFFECT, text);
  } else {
    SetDlgItemTextA(dialog, IDC_DRIVER_PENALTY_ATTRIBUTED, Tr(Text::DriverPenaltyAttributed));
    SetDlgItemTextA(dialog, IDC_DRIVER_PENALTY_NAME, Tr(Text::DriverPenaltyNoPenalty));
    SetDlgItemTextA(dialog, IDC_DRIVER_PENALTY_EFFECT, "");
  }
}

void InitDriverPenaltyDialog(HWND dialog, StageEntry* opened) {
  entry = opened;
  SetControlTexts(dialog, kTexts);
  fonts.Open(dialog, kNormalFont, kBoldFont);
  driverFont = CreateFontA(22, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  SendDlgItemMessageA(dialog, IDC_DRIVER_PENALTY_DRIVER, WM_SETFONT, reinterpret_cast<WPARAM>(driverFont), TRUE);
  LoadDriverPenaltyList(dialog, penalties);
  HWND list = GetDlgItem(dialog, IDC_DRIVER_PENALTY_LIST);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Tr(Text::DriverPenaltyNoPenalty)));
  const int count = DefinedPenaltyCount(penalties);
  for (int i = 0; i < count; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(penalties[i].code));
  const int state = entry ? entry->state : 0;
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(OpeningPenaltyItem(state, penalties)), 0);
  char text[128];
  std::snprintf(text, sizeof text, Tr(Text::DriverPenaltyDriver), entry ? entry->name : "");
  SetDlgItemTextA(dialog, IDC_DRIVER_PENALTY_DRIVER, text);
  ShowPenalty(dialog, PenaltyOfState(state, penalties));
}

void Select(HWND dialog) {
  LRESULT item = SendDlgItemMessageA(dialog, IDC_DRIVER_PENALTY_LIST, LB_GETCURSEL, 0, 0);
  if (item == LB_ERR || !entry) return;
  ApplyPenaltyItem(entry, static_cast<int>(item));
  ShowPenalty(dialog, item == 0 ? nullptr : &penalties[item - 1]);
}

void Close(HWND dialog) {
  if (driverFont) DeleteObject(driverFont);
  driverFont = nullptr;
  entry = nullptr;
  fonts.Close(dialog);
}

}  // namespace

INT_PTR CALLBACK DriverPenaltyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitDriverPenaltyDialog(dialog, reinterpret_cast<StageEntry*>(lParam));
      // The list has the focus, not the driver's name, which would show selected.
      SetFocus(GetDlgItem(dialog, IDC_DRIVER_PENALTY_LIST));
      return FALSE;
    case WM_CLOSE:
      Close(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
          Close(dialog);
          return TRUE;
        case IDC_DRIVER_PENALTY_LIST:
          if (HIWORD(wParam) == LBN_SELCHANGE) Select(dialog);
          return TRUE;
      }
      break;
  }
  return FALSE;
}
