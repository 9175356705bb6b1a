// The race parameters dialog (template RALLYEPARAMETRES).
#include "app/build_profile.h"
#include "setup/race_parameters_model.h"
#include "setup/setup_dialog_ids.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::RaceParametersCaption},
    {IDC_PARAMETERS_RALLY_LABEL, Text::RaceParametersRally},
    {IDOK, Text::RaceParametersValidate},
    {IDCANCEL, Text::DialogCancel},
    {IDC_PARAMETERS_START_GROUP, Text::RaceParametersStartTypeGroup},
    {IDC_PARAMETERS_STANDARD_START, Text::RaceParametersStandardStart},
    {IDC_PARAMETERS_WRC_START, Text::RaceParametersWrcStart},
    {IDC_PARAMETERS_RACE_GROUP, Text::RaceParametersCaption},
    {IDC_PARAMETERS_INTERVAL_LABEL, Text::RaceParametersInterval},
    {IDC_PARAMETERS_INTERVAL_UNIT, Text::UnitSeconds},
    {IDC_PARAMETERS_REST_LABEL, Text::RaceParametersRest},
    {IDC_PARAMETERS_REST_UNIT, Text::UnitMinutes},
    {IDC_PARAMETERS_MINIMUM_LAP_LABEL, Text::RaceParametersMinimumLap},
    {IDC_PARAMETERS_MINIMUM_LAP_UNIT, Text::UnitSeconds},
};
constexpr int kNormalFont[] = {IDOK,
                               IDCANCEL,
                               IDC_PARAMETERS_STANDARD_START,
                               IDC_PARAMETERS_WRC_START,
                               IDC_PARAMETERS_INTERVAL,
                               IDC_PARAMETERS_REST,
                               IDC_PARAMETERS_MINIMUM_LAP,
                               IDC_PARAMETERS_INTERVAL_LABEL,
                               IDC_PARAMETERS_INTERVAL_UNIT,
                               IDC_PARAMETERS_REST_LABEL,
                               IDC_PARAMETERS_REST_UNIT,
                               IDC_PARAMETERS_MINIMUM_LAP_LABEL,
                               IDC_PARAMETERS_MINIMUM_LAP_UNIT};
constexpr int kBoldFont[] = {IDC_PARAMETERS_RALLY_NAME, IDC_PARAMETERS_RALLY_LABEL, IDC_PARAMETERS_START_GROUP,
                             IDC_PARAMETERS_RACE_GROUP};
constexpr int kStartTypeControls[] = {IDC_PARAMETERS_START_GROUP, IDC_PARAMETERS_STANDARD_START,
                                      IDC_PARAMETERS_WRC_START};

DialogFonts fonts;
RaceParametersDialogData data;

void InitParametersDialog(HWND dialog) {
  SetControlTexts(dialog, kTexts);
  data = LoadRaceParameters(dialog);
  if (!ActiveProfile().startTypes) {
    for (int control : kStartTypeControls) ShowWindow(GetDlgItem(dialog, control), SW_HIDE);
  }
  CheckRadioButton(dialog, IDC_PARAMETERS_STANDARD_START, IDC_PARAMETERS_WRC_START,
                   data.parameters.startType == kWrcStart ? IDC_PARAMETERS_WRC_START : IDC_PARAMETERS_STANDARD_START);
  SetDlgItemTextA(dialog, IDC_PARAMETERS_RALLY_NAME, data.rallyName);
  const RallyParameters shown = data.parameters;
  SetDlgItemInt(dialog, IDC_PARAMETERS_INTERVAL, shown.startInterval, TRUE);
  SetDlgItemInt(dialog, IDC_PARAMETERS_REST, shown.rest, TRUE);
  SetDlgItemInt(dialog, IDC_PARAMETERS_MINIMUM_LAP, shown.minimumLapTime, TRUE);
  fonts.Open(dialog, kNormalFont, kBoldFont);
}

// Each change of a number edit is taken at once; the seconds edits show the clamp.
int TakeNumber(HWND dialog, int control, int limit, bool clampSeconds) {
  SendDlgItemMessageA(dialog, control, EM_LIMITTEXT, limit, 0);
  int value = static_cast<int>(GetDlgItemInt(dialog, control, nullptr, FALSE));
  if (!clampSeconds) return value;
  int clamped = ClampParameterSeconds(value);
  if (clamped != value) SetDlgItemInt(dialog, control, clamped, FALSE);
  return clamped;
}

}  // namespace

INT_PTR CALLBACK RallyParametersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitParametersDialog(dialog);
      return TRUE;
    case WM_CLOSE:
      fonts.Close(dialog);
      return TRUE;
    case WM_COMMAND: {
      const bool changed = HIWORD(wParam) == EN_CHANGE;
      switch (LOWORD(wParam)) {
        case IDOK:
          SaveRaceParameters(dialog, data);
          fonts.Close(dialog);
          return TRUE;
        case IDCANCEL:
          fonts.Close(dialog);
          return TRUE;
        case IDC_PARAMETERS_STANDARD_START:
          data.parameters.startType = kStandardStart;
          return TRUE;
        case IDC_PARAMETERS_WRC_START:
          data.parameters.startType = kWrcStart;
          return TRUE;
        case IDC_PARAMETERS_INTERVAL:
          if (changed) data.parameters.startInterval = TakeNumber(dialog, IDC_PARAMETERS_INTERVAL, 4, true);
          return TRUE;
        case IDC_PARAMETERS_REST:
          if (changed) data.parameters.rest = TakeNumber(dialog, IDC_PARAMETERS_REST, 3, false);
          return TRUE;
        case IDC_PARAMETERS_MINIMUM_LAP:
          if (changed) data.parameters.minimumLapTime = TakeNumber(dialog, IDC_PARAMETERS_MINIMUM_LAP, 4, true);
          return TRUE;
      }
      break;
    }
  }
  return FALSE;
}
