// The participants dialog (template RALLYEPILOTES): the rally's participants beside the
// drivers database, with the printing and publishing of the list.
#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "race/combo_fillers_win32.h"
#include "setup/participants_dialog_ids.h"
#include "setup/participants_model.h"
#include "setup/participants_publishing.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::ParticipantsCaption},
    {IDC_PARTICIPANTS_TITLE, Text::ParticipantsListLabel},
    {IDC_PARTICIPANTS_IN_RALLY, Text::ParticipantsInRally},
    {IDC_PARTICIPANTS_DATABASE, Text::ParticipantsDatabase},
    {IDC_PARTICIPANTS_TAKE, Text::ParticipantsTake},
    {IDC_PARTICIPANTS_REMOVE, Text::ParticipantsRemove},
    {IDC_PARTICIPANTS_PRINT, Text::ParticipantsPrint},
    {IDC_PARTICIPANTS_PUBLISH, Text::ParticipantsPublish},
    {IDOK, Text::RaceParametersValidate},
    {IDCANCEL, Text::DialogCancel},
};
constexpr int kNormalFont[] = {IDOK, IDCANCEL, IDC_PARTICIPANTS_LIST, IDC_PARTICIPANTS_DRIVERS,
                               IDC_PARTICIPANTS_PRINT};
constexpr int kBoldFont[] = {IDC_PARTICIPANTS_RALLY_NAME, IDC_PARTICIPANTS_COUNT, IDC_PARTICIPANTS_TITLE,
                             IDC_PARTICIPANTS_IN_RALLY, IDC_PARTICIPANTS_DATABASE};
constexpr int kEditingControls[] = {IDOK, IDC_PARTICIPANTS_TAKE, IDC_PARTICIPANTS_REMOVE};

DialogFonts fonts;
ParticipantsDialogData data;
ParticipantsWebState web;
std::string openingFolder;

// The pictures of the Print and Publish buttons, deleted with the dialog.
ButtonPicture printPicture;
ButtonPicture publishPicture;

const char* RallyName() { return data.rally ? data.rallies[data.rally - 1].name : ""; }

void ShowParticipants(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_PARTICIPANTS_LIST);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const int count = ParticipantCount(data);
  for (int i = 0; i < count; ++i) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(data.participants[i].name));
  }
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  char text[16];
  std::snprintf(text, sizeof text, Tr(Text::ParticipantsCount), count);
  SetDlgItemTextA(dialog, IDC_PARTICIPANTS_COUNT, text);
}

void ShowDrivers(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_PARTICIPANTS_DRIVERS);
  for (const DriverPickRecord& driver : data.drivers) {
    if (driver.name[0] == '\0') break;
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(driver.name));
  }
  SendMessageA(list, LB_SETCURSEL, 0, 0);
}

void InitParticipantsDialog(HWND dialog) {
  openingFolder = platform::CurrentFolder();
  SetControlTexts(dialog, kTexts);
  web = ParticipantsWebState{};
  LoadParticipantsData(dialog, &data, CurrentMonthCount());
  CheckResultsWebSite(dialog, &web);
  ShowDrivers(dialog);
  ShowParticipants(dialog);
  SetDlgItemTextA(dialog, IDC_PARTICIPANTS_RALLY_NAME, RallyName());
  printPicture.Set(dialog, IDC_PARTICIPANTS_PRINT, "images/impression.bmp");
  publishPicture.Set(dialog, IDC_PARTICIPANTS_PUBLISH, PublishButtonPicture(web));
  if (!ParticipantsEditable(data)) {
    for (int control : kEditingControls) EnableWindow(GetDlgItem(dialog, control), FALSE);
  }
  fonts.Open(dialog, kNormalFont, kBoldFont);
}

// The selected entry's text, measured first; false without a selection or when it would not
// fit a name.
bool SelectedName(HWND dialog, char (&name)[kDriverNameSize]) {
  HWND list = GetDlgItem(dialog, IDC_PARTICIPANTS_LIST);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return false;
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, selected, 0);
  if (length == LB_ERR || length >= kDriverNameSize) return false;
  return SendMessageA(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(name)) != LB_ERR;
}

void TakeSelectedDriver(HWND dialog) {
  const LRESULT selected = SendDlgItemMessageA(dialog, IDC_PARTICIPANTS_DRIVERS, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return;
  if (TakeDriver(&data, static_cast<int>(selected))) ShowParticipants(dialog);
}

void RemoveSelectedParticipant(HWND dialog) {
  char name[kDriverNameSize] = "";
  if (SelectedName(dialog, name) && RemoveParticipant(&data, name)) ShowParticipants(dialog);
}

ParticipantsListing Listing() {
  ParticipantsListing listing = {};
  listing.participants = data.participants;
  listing.count = ParticipantCount(data);
  listing.rallyNumber = data.rally;
  listing.rallyName = RallyName();
  listing.title = data.title;
  listing.track = &data.track;
  listing.international = data.international;
  listing.logoPath = data.logoPath;
  return listing;
}

void Print(HWND dialog) {
  if (data.rally == 0) return;
  PrintParticipantsList(dialog, Listing());
  platform::SetCurrentFolder(openingFolder.c_str());
}

void Publish(HWND dialog) {
  if (data.rally == 0) return;
  PublishParticipantsList(dialog, web, Listing());
  platform::SetCurrentFolder(openingFolder.c_str());
}

void Validate(HWND dialog) {
  // The button is greyed for a rally with results; the flag is checked here all the same.
  if (!ParticipantsEditable(data)) return;
  platform::SetCurrentFolder(openingFolder.c_str());
  SaveParticipants(dialog, &data);
  fonts.Close(dialog);
}

void Leave(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  fonts.Close(dialog);
}

}  // namespace

INT_PTR CALLBACK ParticipantsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitParticipantsDialog(dialog);
      return TRUE;
    case WM_CLOSE:
      Leave(dialog);
      return TRUE;
    case WM_DESTROY:
      printPicture.Release();
      publishPicture.Release();
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          Validate(dialog);
          return TRUE;
        case IDCANCEL:
          Leave(dialog);
          return TRUE;
        case IDC_PARTICIPANTS_TAKE:
          TakeSelectedDriver(dialog);
          return TRUE;
        case IDC_PARTICIPANTS_REMOVE:
          RemoveSelectedParticipant(dialog);
          return TRUE;
        case IDC_PARTICIPANTS_PRINT:
          Print(dialog);
          return TRUE;
        case IDC_PARTICIPANTS_PUBLISH:
          Publish(dialog);
          return TRUE;
      }
      // The lists and edits notify on every click; only a command from none of the
      // dialog's controls closes it.
      if (!GetDlgItem(dialog, LOWORD(wParam))) Leave(dialog);
      return TRUE;
  }
  return FALSE;
}
