// The penalty database dialog (template PENALITES).
#include <climits>
#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "setup/penalty_dialog_model.h"
#include "setup/setup_dialog_ids.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::PenaltiesCaption},
    {IDC_PENALTY_TITLE, Text::PenaltiesCaption},
    {IDC_PENALTY_MAX_LABEL, Text::PenaltiesMax},
    {IDC_PENALTY_ID_LABEL, Text::PenaltiesId},
    {IDC_PENALTY_CREATE, Text::PenaltiesCreate},
    {IDC_PENALTY_REMOVE, Text::PenaltiesRemove},
    {IDC_PENALTY_NEW_LABEL, Text::PenaltiesNew},
    {IDC_PENALTY_NAME_LABEL, Text::PenaltiesName},
    {IDC_PENALTY_DESCRIPTION_LABEL, Text::PenaltiesDescription},
    {IDC_PENALTY_DURATION_LABEL, Text::PenaltiesDuration},
    {IDC_PENALTY_DURATION_UNIT, Text::UnitSeconds},
    {IDC_PENALTY_KIND_GROSS, Text::PenaltyKindGross},
    {IDC_PENALTY_KIND_ADDED, Text::PenaltyKindAdded},
    {IDC_PENALTY_KIND_AFTER_WINNER, Text::PenaltyKindAfterWinner},
    {IDC_PENALTY_KIND_AFTER_LAST, Text::PenaltyKindAfterLast},
    {IDC_PENALTY_LATE_START, Text::PenaltiesLateStartActivated},
    {IDC_PENALTY_DELAY_LABEL, Text::PenaltiesCriticalDelay},
    {IDC_PENALTY_DELAY_MINUTES_UNIT, Text::UnitMinutes},
    {IDC_PENALTY_DELAY_SECONDS_UNIT, Text::UnitSec},
    {IDC_PENALTY_IMPORT, Text::PenaltiesImport},
    {IDC_PENALTY_EXPORT, Text::PenaltiesExport},
    {IDOK, Text::DialogOk},
    {IDCANCEL, Text::DialogCancel},
};
constexpr int kBoldFont[] = {IDC_PENALTY_TITLE, IDC_PENALTY_MAX_LABEL, IDC_PENALTY_HEADER};
constexpr int kNormalFont[] = {
    IDC_PENALTY_POSITION,          IDC_PENALTY_CODES,          IDC_PENALTY_CREATE,
    IDC_PENALTY_REMOVE,            IDC_PENALTY_NAME,           IDC_PENALTY_DESCRIPTION,
    IDC_PENALTY_DURATION,          IDC_PENALTY_KIND_GROSS,     IDC_PENALTY_KIND_ADDED,
    IDC_PENALTY_KIND_AFTER_WINNER, IDC_PENALTY_KIND_AFTER_LAST, IDC_PENALTY_IMPORT,
    IDC_PENALTY_EXPORT,            IDC_PENALTY_ID_LABEL,       IDC_PENALTY_NEW_LABEL,
    IDC_PENALTY_NAME_LABEL,        IDC_PENALTY_DESCRIPTION_LABEL, IDC_PENALTY_DURATION_LABEL,
    IDC_PENALTY_DURATION_UNIT,     IDC_PENALTY_LATE_START,     IDC_PENALTY_DELAY_LABEL,
    IDC_PENALTY_DELAY_MINUTES,     IDC_PENALTY_DELAY_MINUTES_UNIT, IDC_PENALTY_DELAY_SECONDS,
    IDC_PENALTY_DELAY_SECONDS_UNIT, IDOK,                      IDCANCEL};
constexpr int kLateStartControls[] = {IDC_PENALTY_LATE_START,         IDC_PENALTY_DELAY_LABEL,
                                      IDC_PENALTY_DELAY_MINUTES,      IDC_PENALTY_DELAY_MINUTES_UNIT,
                                      IDC_PENALTY_DELAY_SECONDS,      IDC_PENALTY_DELAY_SECONDS_UNIT};
constexpr const char* kPenaltyPattern = "*.pen";
// The description box, in dialog units, so that it scales with the controls around it: on
// this program's usual screen it comes to 340 x 120 pixels at (410, 200), 60 high while the
// late start shows its own controls below it.
constexpr RECT kDescriptionUnits = {273, 123, 500, 197};
constexpr int kLateStartDescriptionBottom = 160;
// Under whatever the units come to, the rows below the box keep clear of it.
constexpr int kBelowDescription = 4;  // pixels
RECT DescriptionRect(HWND dialog, bool lateStart) {
  RECT rect = kDescriptionUnits;
  if (lateStart) rect.bottom = kLateStartDescriptionBottom;
  MapDialogRect(dialog, &rect);
  return rect;
}

void KeepRowsClearOfTheDescription(HWND dialog) {
  const int shortBottom = DescriptionRect(dialog, true).bottom + kBelowDescription;
  const int tallBottom = DescriptionRect(dialog, false).bottom + kBelowDescription;
  // Top to bottom: the late-start controls under the short box, the duration under the tall
  // one, then the rest of the pane.
  const ControlRow rows[] = {
      {{IDC_PENALTY_LATE_START}, shortBottom},
      {{IDC_PENALTY_DELAY_LABEL, IDC_PENALTY_DELAY_MINUTES, IDC_PENALTY_DELAY_MINUTES_UNIT, IDC_PENALTY_DELAY_SECONDS,
        IDC_PENALTY_DELAY_SECONDS_UNIT},
       INT_MIN},
      {{IDC_PENALTY_DURATION_LABEL, IDC_PENALTY_DURATION, IDC_PENALTY_DURATION_UNIT}, tallBottom},
      {{IDC_PENALTY_KIND_GROSS, IDC_PENALTY_KIND_ADDED}, INT_MIN},
      {{IDC_PENALTY_KIND_AFTER_WINNER, IDC_PENALTY_KIND_AFTER_LAST}, INT_MIN},
      {{IDC_PENALTY_IMPORT, IDC_PENALTY_EXPORT, IDOK, IDCANCEL}, INT_MIN},
  };
  KeepRowsBelow(dialog, rows, sizeof rows / sizeof rows[0]);
}

DialogFonts fonts;
std::string rememberedFolder;
// Set while the dialog fills its edits, so that their change notifications store nothing.
bool filling = false;

PenaltyDialogModel& Model() { return PenaltyDialogMemory(); }

int Selected(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, IDC_PENALTY_CODES, LB_GETCURSEL, 0, 0));
}

void ShowPenalty(HWND dialog, int i) {
  filling = true;
  const PenaltyRecord& record = Model().list[i];
  const bool lateStart = IsLateStartRecord(i);
  for (int control : kLateStartControls) ShowWindow(GetDlgItem(dialog, control), lateStart ? SW_SHOW : SW_HIDE);
  const RECT box = DescriptionRect(dialog, lateStart);
  MoveWindow(GetDlgItem(dialog, IDC_PENALTY_DESCRIPTION), box.left, box.top, box.right - box.left, box.bottom - box.top,
             TRUE);
  char text[64];
  PenaltyHeader(Model().list, i, text, sizeof text);
  SetDlgItemTextA(dialog, IDC_PENALTY_HEADER, text);
  SetDlgItemTextA(dialog, IDC_PENALTY_NAME, record.name);
  SendDlgItemMessageA(dialog, IDC_PENALTY_NAME, EM_SETREADONLY, i < FixedPenaltyCount(), 0);
  SetDlgItemTextA(dialog, IDC_PENALTY_DESCRIPTION, record.description);
  SetDlgItemInt(dialog, IDC_PENALTY_DURATION, record.duration, TRUE);
  const int kind = record.kind >= kPenaltyGross && record.kind <= kPenaltyAfterLast ? record.kind : kPenaltyAdded;
  CheckRadioButton(dialog, IDC_PENALTY_KIND_GROSS, IDC_PENALTY_KIND_AFTER_LAST, IDC_PENALTY_KIND_GROSS + kind - 1);
  HWND position = GetDlgItem(dialog, IDC_PENALTY_POSITION);
  SendMessageA(position, LB_RESETCONTENT, 0, 0);
  std::snprintf(text, sizeof text, "%d", i + 1);
  SendMessageA(position, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  filling = false;
}

void ListPenalties(HWND dialog, int selected) {
  HWND codes = GetDlgItem(dialog, IDC_PENALTY_CODES);
  SendMessageA(codes, LB_RESETCONTENT, 0, 0);
  const int n = DefinedPenaltyCount(Model().list);
  for (int i = 0; i < n; ++i) SendMessageA(codes, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Model().list[i].code));
  SendMessageA(codes, LB_SETCURSEL, selected, 0);
  ShowPenalty(dialog, selected);
}

void InitPenaltiesDialog(HWND dialog) {
  rememberedFolder = platform::CurrentFolder();
  SetControlTexts(dialog, kTexts);
  KeepRowsClearOfTheDescription(dialog);
  OpenPenaltyModel(dialog, &Model());
  ListPenalties(dialog, 0);
  filling = true;
  CheckDlgButton(dialog, IDC_PENALTY_LATE_START, Model().lateStart.enabled == 1 ? BST_CHECKED : BST_UNCHECKED);
  char text[16];
  std::snprintf(text, sizeof text, "%d", Model().minutes);
  SetDlgItemTextA(dialog, IDC_PENALTY_DELAY_MINUTES, text);
  std::snprintf(text, sizeof text, "%02d", Model().seconds);
  SetDlgItemTextA(dialog, IDC_PENALTY_DELAY_SECONDS, text);
  filling = false;
  fonts.Open(dialog, kNormalFont, kBoldFont);
}

void RestoreFolder() { platform::SetCurrentFolder(rememberedFolder.c_str()); }

std::string PenaltyFilter() { return std::string(Tr(Text::PenaltiesFileType)) + "|" + kPenaltyPattern; }

void ImportFromDialog(HWND dialog) {
  const std::string filter = PenaltyFilter();
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.filter = filter.c_str();
  char path[MAX_PATH] = "";
  if (!platform::ChooseFile(request, path, sizeof path)) return;
  ImportPenalties(dialog, &Model(), path);
  ListPenalties(dialog, 0);
  RestoreFolder();
}

void ExportFromDialog(HWND dialog) {
  const std::string filter = PenaltyFilter();
  char proposed[MAX_PATH];
  std::snprintf(proposed, sizeof proposed, "%s%c%s", rememberedFolder.c_str(), platform::PathSeparator(),
                kPenaltyPattern);
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.save = true;
  request.filter = filter.c_str();
  request.initialFolder = rememberedFolder.c_str();
  char chosen[MAX_PATH];
  std::snprintf(chosen, sizeof chosen, "%s", proposed);
  if (!platform::ChooseFile(request, chosen, sizeof chosen)) return;
  char path[MAX_PATH];
  if (ExportPath(chosen, proposed, path, sizeof path)) {
    ExportPenalties(dialog, Model(), path);
  } else if (std::string(chosen) != proposed) {
    platform::ShowMessage(dialog, Tr(Text::PenaltyDialogExportNotFound), Tr(Text::CaptionError), platform::kMbOk);
  }
  RestoreFolder();
}

void TakeText(HWND dialog, int control, int limit, void (*store)(PenaltyRecord*, const char*)) {
  SendDlgItemMessageA(dialog, control, EM_LIMITTEXT, limit, 0);
  int i = Selected(dialog);
  if (filling || i < 0) return;
  char text[sizeof(PenaltyRecord::description)];
  ControlTextOf(dialog, control, text, sizeof text);
  store(&Model().list[i], text);
}

int TakeDelayPart(HWND dialog, int control) {
  SendDlgItemMessageA(dialog, control, EM_LIMITTEXT, 2, 0);
  return static_cast<int>(GetDlgItemInt(dialog, control, nullptr, FALSE));
}

void CloseDialog(HWND dialog) {
  RestoreFolder();
  fonts.Close(dialog);
}

void Command(HWND dialog, int control, int code) {
  const bool changed = code == EN_CHANGE;
  switch (control) {
    case IDC_PENALTY_CODES:
      if (code == LBN_SELCHANGE && Selected(dialog) >= 0) ShowPenalty(dialog, Selected(dialog));
      return;
    case IDC_PENALTY_CREATE: {
      int created = CreatePenalty(&Model());
      if (created >= 0) ListPenalties(dialog, created);
      return;
    }
    case IDC_PENALTY_REMOVE:
      if (RemovePenalty(&Model(), Selected(dialog))) ListPenalties(dialog, 0);
      return;
    case IDC_PENALTY_NAME:
      if (changed) TakeText(dialog, control, 18, SetPenaltyName);
      return;
    case IDC_PENALTY_DESCRIPTION:
      if (changed) TakeText(dialog, control, 198, SetPenaltyDescription);
      return;
    case IDC_PENALTY_DURATION:
      if (changed) TakeText(dialog, control, 4, SetPenaltyDuration);
      return;
    case IDC_PENALTY_KIND_GROSS:
    case IDC_PENALTY_KIND_ADDED:
    case IDC_PENALTY_KIND_AFTER_WINNER:
    case IDC_PENALTY_KIND_AFTER_LAST:
      if (Selected(dialog) >= 0) Model().list[Selected(dialog)].kind = control - IDC_PENALTY_KIND_GROSS + 1;
      return;
    case IDC_PENALTY_LATE_START:
      SetLateStartEnabled(&Model(), IsDlgButtonChecked(dialog, control) == BST_CHECKED);
      return;
    case IDC_PENALTY_DELAY_MINUTES:
      if (changed && !filling) SetDelayMinutes(&Model(), TakeDelayPart(dialog, control));
      return;
    case IDC_PENALTY_DELAY_SECONDS:
      if (changed && !filling) {
        int typed = TakeDelayPart(dialog, control);
        if (SetDelaySeconds(&Model(), typed) != typed) SetDlgItemInt(dialog, control, Model().seconds, FALSE);
      }
      return;
    case IDC_PENALTY_IMPORT:
      ImportFromDialog(dialog);
      return;
    case IDC_PENALTY_EXPORT:
      ExportFromDialog(dialog);
      return;
    case IDOK:
      RestoreFolder();
      SavePenaltyModel(dialog, Model());
      CloseDialog(dialog);
      return;
    case IDCANCEL:
      CloseDialog(dialog);
      return;
  }
}

}  // namespace

INT_PTR CALLBACK PenaltiesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitPenaltiesDialog(dialog);
      return TRUE;
    case WM_CLOSE:
      CloseDialog(dialog);
      return TRUE;
    case WM_COMMAND:
      Command(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
  }
  return FALSE;
}
