// The championships window: the points scale of each championship of the database, edited
// on a private table and written to the points scale file by Record; OK and closing discard
// what was not recorded. Sponsors and View open the chosen championship's dialogs.
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "race/combo_fillers_win32.h"
#include "race/dialog_table.h"
#include "results/championship_dialogs.h"
#include "results/championship_ids.h"
#include "results/championship_window_model.h"
#include "setup/setup_dialog_win32.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::ChampionshipsCaption},
    {IDOK, Text::ChampionshipsRecord},
    {IDCANCEL, Text::ChampionshipsOk},
    {IDC_CHAMP_LABEL, Text::ChampionshipsLabel},
    {IDC_CHAMP_ORDER_GROUP, Text::ChampionshipsPointsAllocation},
    {IDC_CHAMP_ASCENDING, Text::ChampionshipsAscending},
    {IDC_CHAMP_DESCENDING, Text::ChampionshipsDescending},
    {IDC_CHAMP_RALLY_GROUP, Text::ChampionshipsRallyPoints},
    {IDC_CHAMP_RALLY_FIXED, Text::ChampionshipsFixed},
    {IDC_CHAMP_RALLY_RELATIVE, Text::ChampionshipsRelative},
    {IDC_CHAMP_POWER_GROUP, Text::ChampionshipsPowerStagePoints},
    {IDC_CHAMP_POWER_FIXED, Text::ChampionshipsFixed},
    {IDC_CHAMP_POWER_RELATIVE, Text::ChampionshipsRelative},
    {IDC_CHAMP_SPONSORS_GROUP, Text::ChampionshipsSponsorsGroup},
    {IDC_CHAMP_SPONSORS, Text::ChampionshipsSponsorsButton},
    {IDC_CHAMP_VIEW_GROUP, Text::ChampionshipsClassificationGroup},
    {IDC_CHAMP_VIEW, Text::ChampionshipsView},
};
// The labels of the rally values, then of the Power Stage values.
constexpr Text kRallyLabels[kRallyScaleValues] = {
    Text::ChampionshipsFirstPlace, Text::ChampionshipsGap1, Text::ChampionshipsGap2,  Text::ChampionshipsGap3,
    Text::ChampionshipsGap4,       Text::ChampionshipsGap5, Text::ChampionshipsGap6,  Text::ChampionshipsGap7,
    Text::ChampionshipsGap8,       Text::ChampionshipsGap9, Text::ChampionshipsGap10, Text::ChampionshipsGap11AndMore};
constexpr Text kPowerStageLabels[kPowerStageScaleValues] = {
    Text::ChampionshipsFirstPlace, Text::ChampionshipsGap1, Text::ChampionshipsGap2, Text::ChampionshipsGap3,
    Text::ChampionshipsGap4,       Text::ChampionshipsGap5, Text::ChampionshipsGap6, Text::ChampionshipsGap7,
    Text::ChampionshipsGap8,       Text::ChampionshipsGap9AndMore};
constexpr int kBoldControls[] = {IDC_CHAMP_LABEL,       IDC_CHAMP_ORDER_GROUP,    IDC_CHAMP_RALLY_GROUP,
                                 IDC_CHAMP_POWER_GROUP, IDC_CHAMP_SPONSORS_GROUP, IDC_CHAMP_VIEW_GROUP};

ChampionshipWindowData data;
std::string openingFolder;
ButtonPicture viewPicture;
DialogFonts fonts;
HFONT titleFont = nullptr;

int EditControl(int edit) {
  return edit < kRallyScaleValues ? IDC_CHAMP_RALLY_FIRST + edit : IDC_CHAMP_POWER_FIRST + edit - kRallyScaleValues;
}

// The edit of a control id, or -1.
int EditOf(int control) {
  if (control >= IDC_CHAMP_RALLY_FIRST && control < IDC_CHAMP_RALLY_FIRST + kRallyScaleValues)
    return control - IDC_CHAMP_RALLY_FIRST;
  if (control >= IDC_CHAMP_POWER_FIRST && control < IDC_CHAMP_POWER_FIRST + kPowerStageScaleValues)
    return kRallyScaleValues + control - IDC_CHAMP_POWER_FIRST;
  return -1;
}

void ShowTitle(HWND dialog) {
  char title[80] = "";
  if (data.current >= 0) std::snprintf(title, sizeof title, Tr(Text::ChampionshipsTitle), data.selectedName);
  SetDlgItemTextA(dialog, IDC_CHAMP_TITLE, title);
}

// The radio buttons and the 22 edits from the current record; filling an edit stores its
// value back, which changes nothing.
void ShowScale(HWND dialog) {
  const PointsAllocation scale = ShownScale(data);
  CheckRadioButton(dialog, IDC_CHAMP_ASCENDING, IDC_CHAMP_DESCENDING,
                   scale.order == kPointsAscending ? IDC_CHAMP_ASCENDING : IDC_CHAMP_DESCENDING);
  CheckRadioButton(dialog, IDC_CHAMP_RALLY_FIXED, IDC_CHAMP_RALLY_RELATIVE,
                   scale.rallyMode == kPointsFixed ? IDC_CHAMP_RALLY_FIXED : IDC_CHAMP_RALLY_RELATIVE);
  CheckRadioButton(dialog, IDC_CHAMP_POWER_FIXED, IDC_CHAMP_POWER_RELATIVE,
                   scale.powerStageMode == kPointsFixed ? IDC_CHAMP_POWER_FIXED : IDC_CHAMP_POWER_RELATIVE);
  for (int edit = 0; edit < kScaleEditCount; ++edit) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", ScaleValue(scale, edit));
    SetDlgItemTextA(dialog, EditControl(edit), text);
  }
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    if (SendMessageA(combo, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
      SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

void Open(HWND dialog) {
  openingFolder = platform::CurrentFolder();
  SetControlTexts(dialog, kTexts);
  for (int k = 0; k < kRallyScaleValues; ++k) SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_LABEL_FIRST + k, Tr(kRallyLabels[k]));
  for (int k = 0; k < kPowerStageScaleValues; ++k)
    SetDlgItemTextA(dialog, IDC_CHAMP_POWER_LABEL_FIRST + k, Tr(kPowerStageLabels[k]));
  OpenChampionshipWindow(&data);
  HWND combo = GetDlgItem(dialog, IDC_CHAMP_COMBO);
  if (!FillChampionshipsCombo(combo)) {
    platform::ShowMessage(dialog, Tr(Text::DbChampionshipsMissing), Tr(Text::CaptionError),
                          platform::kMbOk | platform::kMbIconStop);
  }
  TakeChampionshipItems(&data, ComboItems(combo));
  // The saved selection, found as the list finds an item (letter case ignored): that item is
  // the current record.
  int found = -1;
  if (data.selectedName[0] != '\0') {
    found = static_cast<int>(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(data.selectedName)));
  }
  SelectChampionship(&data, found);
  SendMessageA(combo, CB_SETCURSEL, data.current, 0);
  ShowTitle(dialog);
  ShowScale(dialog);
  viewPicture.Set(dialog, IDC_CHAMP_VIEW, "images/trophee.bmp");
  std::vector<int> normal = {IDOK, IDCANCEL, IDC_CHAMP_COMBO, IDC_CHAMP_ASCENDING, IDC_CHAMP_DESCENDING,
                             IDC_CHAMP_RALLY_FIXED, IDC_CHAMP_RALLY_RELATIVE, IDC_CHAMP_POWER_FIXED,
                             IDC_CHAMP_POWER_RELATIVE, IDC_CHAMP_SPONSORS, IDC_CHAMP_VIEW};
  for (int edit = 0; edit < kScaleEditCount; ++edit) normal.push_back(EditControl(edit));
  for (int k = 0; k < kRallyScaleValues; ++k) normal.push_back(IDC_CHAMP_RALLY_LABEL_FIRST + k);
  for (int k = 0; k < kPowerStageScaleValues; ++k) normal.push_back(IDC_CHAMP_POWER_LABEL_FIRST + k);
  fonts.Open(dialog, normal.data(), normal.size(), kBoldControls, std::size(kBoldControls));
  titleFont = CreateFontA(30, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  SendDlgItemMessageA(dialog, IDC_CHAMP_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont), TRUE);
}

void Close(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  viewPicture.Release();
  if (titleFont) DeleteObject(titleFont);
  titleFont = nullptr;
  fonts.Close(dialog);
}

void Record(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  if (RecordChampionshipScales(data) == RecordOutcome::NotWritten) {
    platform::ShowMessage(dialog, Tr(Text::ChampionshipsPointsFileNotWritten), Tr(Text::CaptionError),
                          platform::kMbOk | platform::kMbIconStop);
  }
}

void OpenChampionshipDialog(HWND dialog, ProgramDialog which) {
  const char* name = OpenableChampionship(data);
  if (name[0] == '\0') return;
  static char parameter[kChampionshipNameSize];
  std::snprintf(parameter, sizeof parameter, "%s", name);
  OpenProgramDialog(dialog, which, reinterpret_cast<LPARAM>(parameter));
  platform::SetCurrentFolder(openingFolder.c_str());
}

void Command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDOK: Record(dialog); return;
    case IDCANCEL: Close(dialog); return;
    case IDC_CHAMP_COMBO:
      if (notification == CBN_SELCHANGE) {
        SelectChampionship(&data, static_cast<int>(SendDlgItemMessageA(dialog, IDC_CHAMP_COMBO, CB_GETCURSEL, 0, 0)));
        ShowScale(dialog);
        ShowTitle(dialog);
      }
      return;
    case IDC_CHAMP_ASCENDING: StoreScaleChoice(&data, ScaleChoice::Ascending); return;
    case IDC_CHAMP_DESCENDING: StoreScaleChoice(&data, ScaleChoice::Descending); return;
    case IDC_CHAMP_RALLY_FIXED: StoreScaleChoice(&data, ScaleChoice::RallyFixed); return;
    case IDC_CHAMP_RALLY_RELATIVE: StoreScaleChoice(&data, ScaleChoice::RallyRelative); return;
    case IDC_CHAMP_POWER_FIXED: StoreScaleChoice(&data, ScaleChoice::PowerStageFixed); return;
    case IDC_CHAMP_POWER_RELATIVE: StoreScaleChoice(&data, ScaleChoice::PowerStageRelative); return;
    case IDC_CHAMP_SPONSORS: OpenChampionshipDialog(dialog, ProgramDialog::ChampionshipSponsors); return;
    case IDC_CHAMP_VIEW: OpenChampionshipDialog(dialog, ProgramDialog::ChampionshipClassification); return;
  }
  const int edit = EditOf(id);
  if (edit >= 0 && notification == EN_CHANGE) {
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, ScaleEditDigits(edit), 0);
    char text[16];
    ControlTextOf(dialog, id, text, sizeof text);
    StoreScaleEdit(&data, edit, text);
  }
}

}  // namespace

INT_PTR CALLBACK ChampionshipManagementDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Open(dialog);
      return FALSE;
    case WM_COMMAND:
      Command(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      Close(dialog);
      return TRUE;
  }
  return FALSE;
}
