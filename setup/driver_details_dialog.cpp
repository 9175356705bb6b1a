// The driver details dialog (template RALLYEPILOTEDETAILS): the car, category, car number,
// personal transponder and radio frequencies of one participant of a rally, on the dialog's
// own copy of the participant list, written back only by OK. Scan reads the transponder
// number from the decoder; the port belongs to the main window and is only read here.
#include <climits>
#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/clock.h"
#include "race/bitmap_painting.h"
#include "race/combo_fillers_win32.h"
#include "race/main_state.h"
#include "race/serial_port.h"
#include "setup/database_dialog.h"
#include "setup/driver_details_dialog_ids.h"
#include "setup/driver_details_model.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"

namespace {

constexpr UINT_PTR kScanTimer = 1;
constexpr int kLampX = 255;
constexpr int kLampY = 225;

constexpr ControlText kTexts[] = {
    {0, Text::DriverDetailsCaption},
    {IDC_DETAILS_CAR_GROUP, Text::DriverDetailsCarGroup},
    {IDC_DETAILS_CAR_LABEL, Text::DriverDetailsCar},
    {IDC_DETAILS_CATEGORY_LABEL, Text::DriverDetailsCategory},
    {IDC_DETAILS_CAR_NUMBER_LABEL, Text::DriverDetailsCarNumber},
    {IDC_DETAILS_TRANSPONDER_GROUP, Text::DriverDetailsTransponderGroup},
    {IDC_DETAILS_TRANSPONDER_LABEL, Text::DriverDetailsTransponder},
    {IDC_DETAILS_SCAN, Text::DriverDetailsScan},
    {IDC_DETAILS_SCAN_STATE, Text::DriverDetailsScanOff},
    {IDC_DETAILS_FREQUENCY_GROUP, Text::DriverDetailsFrequencyGroup},
    {IDOK, Text::DriverDetailsOk},
};
constexpr int kNormalFont[] = {IDOK, IDC_DETAILS_CAR, IDC_DETAILS_CATEGORY, IDC_DETAILS_CAR_NUMBER,
                               IDC_DETAILS_TRANSPONDER, IDC_DETAILS_SCAN, IDC_DETAILS_SCAN_STATE, 5308, 5309, 5310, 5311,
                               5312};
constexpr int kBoldFont[] = {IDC_DETAILS_PARTICIPANT, 5313, 5314, 5315, 5316, 5317, 5318, 5319,
                             5320, 5321, 5322, 5323, 5324};

DialogFonts fonts;
DriverDetailsData data;
CarsTable cars;
TransponderScan scan;
DecoderModel decoderModel = DecoderModel::Unknown;

// While a stage is timed the race engine reads the passes: the port is left to it.
bool StageTimed() { return Main().timing.timing != 0; }

// Invalidated and erased at once; the controls around it are not repainted.
void RedrawLamp(HWND dialog) {
  RedrawWindow(dialog, &kDriverDetailsLampArea, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_NOCHILDREN);
}

// Selects the item equal to text but for case; none when no item is.
void SelectMatching(HWND dialog, int control, const char* text) {
  HWND list = GetDlgItem(dialog, control);
  int item = FindTextIgnoringCase(dbdialog::ComboEntries(list, INT_MAX), text);
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
}

// The chosen item's text, or "" when nothing is chosen.
std::string ChosenText(HWND dialog, int control) {
  int item = dbdialog::ComboSelection(dialog, control);
  return item == CB_ERR ? std::string() : dbdialog::ComboEntry(GetDlgItem(dialog, control), item);
}

void FillLists(HWND dialog) {
  ClearCarsTable(&cars);
  if (!ReadCarsDatabase(&cars)) dbdialog::ShowError(dialog, Text::DbCarsMissing);
  if (!FillCarsCombo(GetDlgItem(dialog, IDC_DETAILS_CAR))) dbdialog::ShowError(dialog, Text::DbCarsMissing);
  if (!FillCarCategoriesCombo(GetDlgItem(dialog, IDC_DETAILS_CATEGORY))) dbdialog::ShowError(dialog, Text::DbCarCategoriesMissing);
  ComboStrings codes;
  if (!CollectFrequencyCodes(&codes)) dbdialog::ShowError(dialog, Text::DbFrequenciesMissing);
  for (int i = 0; i < kFrequencyCodes; ++i) {
    for (const std::string& code : codes) {
      SendDlgItemMessageA(dialog, IDC_DETAILS_FREQUENCY1 + i, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(code.c_str()));
    }
  }
}

void InitDriverDetailsDialog(HWND dialog) {
  SetTimer(dialog, kScanTimer, kScanPeriodMs, nullptr);
  ResetTransponderScan(&scan);
  SetControlTexts(dialog, kTexts);
  for (int i = 0; i < kFrequencyCodes; ++i) {
    char label[16];
    std::snprintf(label, sizeof label, Tr(Text::DriverDetailsFrequency), i + 1);
    SetDlgItemTextA(dialog, IDC_DETAILS_FREQUENCY1_LABEL + i, label);
  }
  decoderModel = ModelFromName(ReadScanDecoderName(dialog));
  FillLists(dialog);
  LoadDriverDetails(dialog, &data);
  SendDlgItemMessageA(dialog, IDC_DETAILS_CAR_NUMBER, EM_SETLIMITTEXT, kCarNumberLimit, 0);
  SendDlgItemMessageA(dialog, IDC_DETAILS_TRANSPONDER, EM_SETLIMITTEXT, kTransponderLimit, 0);
  if (const ParticipantRecord* p = EditedParticipant(&data)) {
    // Copies: setting the edits stores their texts back into the record.
    const ParticipantRecord shown = *p;
    char caption[128];
    ParticipantCaption(shown, caption, sizeof caption);
    SetDlgItemTextA(dialog, IDC_DETAILS_PARTICIPANT, caption);
    SelectMatching(dialog, IDC_DETAILS_CAR, shown.car);
    SelectMatching(dialog, IDC_DETAILS_CATEGORY, shown.carCategory);
    for (int i = 0; i < kFrequencyCodes; ++i) SelectMatching(dialog, IDC_DETAILS_FREQUENCY1 + i, shown.frequencies[i]);
    SetDlgItemTextA(dialog, IDC_DETAILS_CAR_NUMBER, shown.carNumber);
    SetDlgItemTextA(dialog, IDC_DETAILS_TRANSPONDER, shown.transponder);
  }
  fonts.Open(dialog, kNormalFont, kBoldFont);
  RedrawLamp(dialog);
}

void CarChosen(HWND dialog) {
  ParticipantRecord* p = EditedParticipant(&data);
  if (!p || dbdialog::ComboSelection(dialog, IDC_DETAILS_CAR) == CB_ERR) return;
  std::string name = ChosenText(dialog, IDC_DETAILS_CAR);
  platform::CopyBounded(p->car, name.c_str());
  if (const char* category = CategoryOfCar(cars, name.c_str())) {
    platform::CopyBounded(p->carCategory, category);
    SelectMatching(dialog, IDC_DETAILS_CATEGORY, category);
  }
}

// A choice in a list becomes the field's text, cut to its width.
void ListChosen(HWND dialog, int control, char* field, std::size_t size) {
  if (dbdialog::ComboSelection(dialog, control) != CB_ERR) platform::CopyBounded(field, size, ChosenText(dialog, control).c_str());
}

void CarNumberChanged(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_DETAILS_CAR_NUMBER, EM_SETLIMITTEXT, kCarNumberLimit, 0);
  ParticipantRecord* p = EditedParticipant(&data);
  if (!p) return;
  char text[kCarNumberLimit + 1];
  ControlTextOf(dialog, IDC_DETAILS_CAR_NUMBER, text, sizeof text);
  platform::CopyBounded(p->carNumber, text);
}

void TransponderChanged(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_DETAILS_TRANSPONDER, EM_SETLIMITTEXT, kTransponderLimit, 0);
  // One byte more than the limit, so that a longer text is seen as such.
  char text[kTransponderLimit + 2];
  ControlTextOf(dialog, IDC_DETAILS_TRANSPONDER, text, sizeof text);
  TakeTransponderText(EditedParticipant(&data), text);
}

void ScanClicked(HWND dialog) {
  const bool down = IsDlgButtonChecked(dialog, IDC_DETAILS_SCAN) == BST_CHECKED;
  if (down) {
    StartTransponderScan(&scan, decoderModel, SystemSerialLine(), StageTimed(), platform::PerformanceFrequency(),
                         platform::PerformanceCounter());
  } else {
    StopTransponderScan(&scan);
  }
  SendDlgItemMessageA(dialog, IDC_DETAILS_TRANSPONDER, EM_SETREADONLY, down ? TRUE : FALSE, 0);
  SetDlgItemTextA(dialog, IDC_DETAILS_SCAN_STATE, Tr(down ? Text::DriverDetailsScanOn : Text::DriverDetailsScanOff));
  RedrawLamp(dialog);
}

void ScanTick(HWND dialog) {
  ScanTickResult tick = TransponderScanTick(&scan, SystemSerialLine(), StageTimed(), platform::TickCount(),
                                            platform::PerformanceCounter());
  // The edit's change stores the number, through the six-character rule.
  if (tick.passFound) SetDlgItemTextA(dialog, IDC_DETAILS_TRANSPONDER, tick.passText);
  if (tick.redrawLamp) RedrawLamp(dialog);
}

void CloseDriverDetails(HWND dialog) {
  StopTransponderScan(&scan);
  CheckDlgButton(dialog, IDC_DETAILS_SCAN, BST_UNCHECKED);
  SendDlgItemMessageA(dialog, IDC_DETAILS_TRANSPONDER, EM_SETREADONLY, FALSE, 0);
  KillTimer(dialog, kScanTimer);
  fonts.Close(dialog);
}

// True for the commands of the dialog's own controls; any other command closes it.
bool HandleControlCommand(HWND dialog, int control, int code) {
  if (control >= IDC_DETAILS_FREQUENCY1 && control <= IDC_DETAILS_FREQUENCY5) {
    ParticipantRecord* p = EditedParticipant(&data);
    if (code == CBN_SELCHANGE && p) ListChosen(dialog, control, p->frequencies[control - IDC_DETAILS_FREQUENCY1], sizeof p->frequencies[0]);
    return true;
  }
  switch (control) {
    case IDC_DETAILS_CAR:
      if (code == CBN_SELCHANGE) CarChosen(dialog);
      return true;
    case IDC_DETAILS_CATEGORY:
      if (code == CBN_SELCHANGE) {
        if (ParticipantRecord* p = EditedParticipant(&data)) ListChosen(dialog, control, p->carCategory, sizeof p->carCategory);
      }
      return true;
    case IDC_DETAILS_CAR_NUMBER:
      if (code == EN_CHANGE) CarNumberChanged(dialog);
      return true;
    case IDC_DETAILS_TRANSPONDER:
      if (code == EN_CHANGE) TransponderChanged(dialog);
      return true;
    case IDC_DETAILS_SCAN:
      if (code == BN_CLICKED) ScanClicked(dialog);
      return true;
  }
  return (control >= IDC_DETAILS_PARTICIPANT && control <= IDC_DETAILS_FREQUENCY5_LABEL);
}

}  // namespace

INT_PTR CALLBACK DriverDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitDriverDetailsDialog(dialog);
      return TRUE;
    case WM_TIMER:
      if (wParam == kScanTimer) ScanTick(dialog);
      return TRUE;
    case WM_PAINT: {
      const char* picture = ScanLampPicture(scan.lampState);
      if (!picture) return FALSE;
      PaintBitmapFile(dialog, picture, kLampX, kLampY);
      return TRUE;
    }
    case WM_CLOSE:
      CloseDriverDetails(dialog);
      return TRUE;
    case WM_COMMAND: {
      const int control = LOWORD(wParam);
      if (control == IDOK) {
        SaveDriverDetails(dialog, data);
        CloseDriverDetails(dialog);
      } else if (!HandleControlCommand(dialog, control, HIWORD(wParam))) {
        CloseDriverDetails(dialog);
      }
      return TRUE;
    }
  }
  return FALSE;
}
