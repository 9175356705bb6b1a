// The track details dialog (template RALLYEPISTE): the event's name, hosting club,
// championship, race director, location and date, written to "PisteRallye" on Enter.
#include "app/build_profile.h"
#include "platform/bounded.h"
#include "setup/event_setup_dialog_ids.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"
#include "setup/track_details_model.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::TrackCaption},
    {IDC_TRACK_EVENT_NAME_LABEL, Text::TrackEventName},
    {IDC_TRACK_INTERNATIONAL, Text::TrackInternational},
    {IDC_TRACK_HOSTING_CLUB_LABEL, Text::TrackHostingClub},
    {IDC_TRACK_CHAMPIONSHIP_LABEL, Text::TrackChampionship},
    {IDC_TRACK_RACE_DIRECTOR_LABEL, Text::TrackRaceDirector},
    {IDC_TRACK_LOCATION_LABEL, Text::TrackLocation},
    {IDC_TRACK_DATE_LABEL, Text::TrackDate},
    {IDOK, Text::TrackEnter},
    {IDCANCEL, Text::DialogCancel},
};
constexpr int kNormalFont[] = {IDOK,
                               IDCANCEL,
                               IDC_TRACK_EVENT_NAME,
                               IDC_TRACK_INTERNATIONAL,
                               IDC_TRACK_HOSTING_CLUB,
                               IDC_TRACK_CHAMPIONSHIP,
                               IDC_TRACK_RACE_DIRECTOR,
                               IDC_TRACK_LOCATION,
                               IDC_TRACK_DATE};
constexpr int kBoldFont[] = {IDC_TRACK_EVENT_NAME_LABEL,    IDC_TRACK_HOSTING_CLUB_LABEL, IDC_TRACK_CHAMPIONSHIP_LABEL,
                             IDC_TRACK_RACE_DIRECTOR_LABEL, IDC_TRACK_LOCATION_LABEL,     IDC_TRACK_DATE_LABEL};

DialogFonts fonts;
TrackDetailsDialogData data;

void LimitEdit(HWND dialog, int control, int limit) { SendDlgItemMessageA(dialog, control, EM_LIMITTEXT, limit, 0); }

void InitTrackDetailsDialog(HWND dialog) {
  SetControlTexts(dialog, kTexts);
  LoadTrackDetails(dialog, &data);
  LimitEdit(dialog, IDC_TRACK_EVENT_NAME, kEventNameInputLimit);
  for (int control : {IDC_TRACK_CHAMPIONSHIP, IDC_TRACK_RACE_DIRECTOR, IDC_TRACK_LOCATION})
    LimitEdit(dialog, control, kTrackTextInputLimit);
  LimitEdit(dialog, IDC_TRACK_DATE, kTrackDateInputLimit);
  const int clubs = ListedClubCount(data.clubs);
  for (int i = 0; i < clubs; ++i) {
    char key[sizeof ClubRecord::key + 1] = {};
    platform::CopyBounded(key, data.clubs[static_cast<std::size_t>(i)].key);
    SendDlgItemMessageA(dialog, IDC_TRACK_HOSTING_CLUB, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key));
  }
  // The texts are set before the edits notify anything that the copy must follow.
  SetDlgItemTextA(dialog, IDC_TRACK_EVENT_NAME, data.track.eventName);
  SendDlgItemMessageA(dialog, IDC_TRACK_HOSTING_CLUB, CB_SETCURSEL,
                      static_cast<WPARAM>(HostingClubSelection(data.clubs, data.track.hostingClub)), 0);
  SetDlgItemTextA(dialog, IDC_TRACK_CHAMPIONSHIP, data.track.championship);
  SetDlgItemTextA(dialog, IDC_TRACK_RACE_DIRECTOR, data.track.raceDirector);
  SetDlgItemTextA(dialog, IDC_TRACK_LOCATION, data.track.location);
  SetDlgItemTextA(dialog, IDC_TRACK_DATE, data.track.date);
  CheckDlgButton(dialog, IDC_TRACK_INTERNATIONAL, data.international == 1 ? BST_CHECKED : BST_UNCHECKED);
  fonts.Open(dialog, kNormalFont, kBoldFont);
}

template <std::size_t N>
void CopyEdit(HWND dialog, int control, char (&field)[N]) {
  platform::ZeroBytes(field, N);
  ControlTextOf(dialog, control, field, static_cast<int>(N));
}

void EventNameChanged(HWND dialog) {
  CopyEdit(dialog, IDC_TRACK_EVENT_NAME, data.track.eventName);
  if (!EventNameRefused(data.track.eventName)) return;
  platform::ZeroBytes(data.track.eventName, sizeof data.track.eventName);
  SetDlgItemTextA(dialog, IDC_TRACK_EVENT_NAME, "");
}

void HostingClubChosen(HWND dialog) {
  platform::ZeroBytes(data.track.hostingClub, sizeof data.track.hostingClub);
  HWND list = GetDlgItem(dialog, IDC_TRACK_HOSTING_CLUB);
  const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return;
  const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, selected, 0);
  if (length == CB_ERR || length >= static_cast<LRESULT>(sizeof data.track.hostingClub)) return;
  SendMessageA(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(data.track.hostingClub));
}

void Command(HWND dialog, int control, int code) {
  switch (control) {
    case IDOK:
      SaveTrackDetails(dialog, data);
      fonts.Close(dialog);
      break;
    case IDCANCEL:
      fonts.Close(dialog);
      break;
    case IDC_TRACK_EVENT_NAME:
      if (code == EN_CHANGE) EventNameChanged(dialog);
      break;
    case IDC_TRACK_CHAMPIONSHIP:
      if (code == EN_CHANGE) CopyEdit(dialog, control, data.track.championship);
      break;
    case IDC_TRACK_RACE_DIRECTOR:
      if (code == EN_CHANGE) CopyEdit(dialog, control, data.track.raceDirector);
      break;
    case IDC_TRACK_LOCATION:
      if (code == EN_CHANGE) CopyEdit(dialog, control, data.track.location);
      break;
    case IDC_TRACK_DATE:
      if (code == EN_CHANGE) CopyEdit(dialog, control, data.track.date);
      break;
    case IDC_TRACK_HOSTING_CLUB:
      if (code == CBN_SELCHANGE) HostingClubChosen(dialog);
      break;
    case IDC_TRACK_INTERNATIONAL:
      data.international = IsDlgButtonChecked(dialog, IDC_TRACK_INTERNATIONAL) == BST_CHECKED ? 1 : 0;
      break;
  }
}

}  // namespace

INT_PTR CALLBACK TrackDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitTrackDetailsDialog(dialog);
      return FALSE;
    case WM_CLOSE:
      fonts.Close(dialog);
      return FALSE;
    case WM_COMMAND:
      Command(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
  }
  return FALSE;
}
