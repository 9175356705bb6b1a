// The championship classification: the events of a championship imported from saved event
// files, its rallies ranked and filtered on the championship page, points corrected by hand,
// the page exported as a JPEG image, and the whole saved by Validate. The decisions are in
// results/championship_classification.h; this file turns messages into them.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "race/combo_fillers_win32.h"
#include "race/settings_files.h"
#include "results/championship_dialogs.h"
#include "results/championship_files.h"
#include "results/championship_ids.h"
#include "results/page_export.h"
#include "app/build_profile.h"
#include "setup/setup_dialog_win32.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::StandingsCaption},
    {IDOK, Text::SponsorsValidate},
    {IDCANCEL, Text::DialogCancel},
    {IDC_STANDINGS_ADD_GROUP, Text::StandingsAddGroup},
    {IDC_STANDINGS_DATE_LABEL, Text::StandingsEventDate},
    {IDC_STANDINGS_NAME_LABEL, Text::StandingsEventName},
    {IDC_STANDINGS_FILE, Text::StandingsFile},
    {IDC_STANDINGS_FILE_SHOWN, Text::StandingsNoFile},
    {IDC_STANDINGS_ADD, Text::SponsorsAdd},
    {IDC_STANDINGS_LIST_GROUP, Text::StandingsListGroup},
    {IDC_STANDINGS_EVENTS_LABEL, Text::StandingsEventsAdded},
    {IDC_STANDINGS_REMOVE, Text::SponsorsRemove},
    {IDC_STANDINGS_RALLY_LABEL, Text::StandingsRally},
    {IDC_STANDINGS_POWER_STAGE, Text::StandingsPowerStage},
    {IDC_STANDINGS_CAR_LABEL, Text::StandingsCarCategories},
    {IDC_STANDINGS_AGE_LABEL, Text::StandingsAgeCategories},
    {IDC_STANDINGS_EDIT, Text::StandingsEdit},
    {IDC_STANDINGS_SAVE, Text::StandingsSave},
};
constexpr int kNormalFont[] = {IDOK,
                               IDCANCEL,
                               IDC_STANDINGS_DATE_LABEL,
                               IDC_STANDINGS_DAY,
                               IDC_STANDINGS_MONTH,
                               IDC_STANDINGS_YEAR,
                               IDC_STANDINGS_NAME_LABEL,
                               IDC_STANDINGS_NAME,
                               IDC_STANDINGS_FILE,
                               IDC_STANDINGS_EVENTS_LABEL,
                               IDC_STANDINGS_EVENTS,
                               IDC_STANDINGS_EVENT_DATE,
                               IDC_STANDINGS_RALLY_LABEL,
                               IDC_STANDINGS_RALLY,
                               IDC_STANDINGS_POWER_STAGE,
                               IDC_STANDINGS_CAR_LABEL,
                               IDC_STANDINGS_CAR_FILTER,
                               IDC_STANDINGS_AGE_LABEL,
                               IDC_STANDINGS_AGE_FILTER};
constexpr int kBoldFont[] = {IDC_STANDINGS_ADD_GROUP, IDC_STANDINGS_ADD, IDC_STANDINGS_LIST_GROUP,
                             IDC_STANDINGS_REMOVE};

// Above the page, which starts at y 250.
constexpr PlacedControl kPlacements[] = {
    {IDC_STANDINGS_TITLE, {20, 6, 780, 46}},
    {IDOK, {960, 10, 1060, 38}},
    {IDCANCEL, {960, 44, 1060, 72}},
    {IDC_STANDINGS_ADD_GROUP, {20, 52, 490, 242}},
    {IDC_STANDINGS_DATE_LABEL, {32, 78, 132, 98}},
    {IDC_STANDINGS_DAY, {135, 75, 190, 375}},
    {IDC_STANDINGS_MONTH, {195, 75, 315, 375}},
    {IDC_STANDINGS_YEAR, {320, 75, 400, 375}},
    {IDC_STANDINGS_NAME_LABEL, {32, 112, 132, 132}},
    {IDC_STANDINGS_NAME, {135, 108, 315, 132}},
    {IDC_STANDINGS_FILE, {32, 142, 122, 168}},
    {IDC_STANDINGS_FILE_SHOWN, {130, 142, 480, 194}},
    {IDC_STANDINGS_ADD, {190, 200, 300, 230}},
    {IDC_STANDINGS_LIST_GROUP, {505, 52, 805, 164}},
    {IDC_STANDINGS_EVENTS_LABEL, {517, 78, 627, 98}},
    {IDC_STANDINGS_EVENTS, {630, 75, 795, 375}},
    {IDC_STANDINGS_EVENT_DATE, {630, 104, 795, 124}},
    {IDC_STANDINGS_REMOVE, {517, 126, 617, 154}},
    {IDC_STANDINGS_RALLY_LABEL, {510, 180, 570, 200}},
    {IDC_STANDINGS_RALLY, {575, 176, 805, 476}},
    {IDC_STANDINGS_POWER_STAGE, {510, 212, 730, 236}},
    {IDC_STANDINGS_CAR_LABEL, {820, 84, 1020, 104}},
    {IDC_STANDINGS_CAR_FILTER, {820, 106, 1060, 406}},
    {IDC_STANDINGS_AGE_LABEL, {820, 138, 1020, 158}},
    {IDC_STANDINGS_AGE_FILTER, {820, 160, 1060, 460}},
    {IDC_STANDINGS_EDIT, {880, 196, 924, 240}},
    {IDC_STANDINGS_SAVE, {940, 196, 984, 240}},
    {IDC_STANDINGS_ROWS_BAR, {1030, 408, 1046, 712}},
};
constexpr RECT kTableArea = {20, 292, 1025, 710};
constexpr int kClientWidth = 1080;
constexpr int kClientHeight = 850;
constexpr int kTypedNameLimit = 16;

ChampionshipState state{&CurrentChampionship(), 0, 0};
PointsScaleTable scales;
PointsAllocation scale;
SponsorTable sponsors;
ChampionshipRally view;
EventImport import;
char championship[kChampionshipNameSize + 1];
char selectedRally[kChampionshipRallyNameSize];
int selectedRallyIndex = -1;
char carFilter[kCarFilterSize];
char ageFilter[kAgeFilterSize];
char eventFile[260];
char logoPath[kLogoPathSize];
int international = 0;
int rowsPosition = 0;
int eventsPosition = 0;
bool editMode = false;
HWND correctionBox = nullptr;
ChampionshipPointCell openCell;
std::string openingFolder;
DialogFonts fonts;
HFONT titleFont = nullptr;
HFONT smallFont = nullptr;
HMENU popup = nullptr;
ButtonPicture editPicture;
ButtonPicture savePicture;
int paints = 0;

void ShowError(HWND dialog, const char* text) {
  platform::ShowMessage(dialog, text, Tr(Text::CaptionError), platform::kMbOk | platform::kMbIconStop);
}
void ShowError(HWND dialog, Text text) { ShowError(dialog, Tr(text)); }

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }
LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}
void AddItem(HWND dialog, int id, const char* text) { Send(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }

void RedrawTable(HWND dialog) { InvalidateRect(dialog, &kTableArea, TRUE); }
void RedrawPage(HWND dialog) {
  RECT page = {kChampionshipPage.left, kChampionshipPage.top, kChampionshipPage.right, kChampionshipPage.bottom};
  InvalidateRect(dialog, &page, TRUE);
}

ChampionshipRally* SelectedRally() {
  return selectedRallyIndex >= 0 && selectedRallyIndex < state.tables->rallyCount
             ? &state.tables->rallies[selectedRallyIndex]
             : nullptr;
}

ScrollBarState RowsBar() { return ChampionshipVerticalBar(view.rowCount, rowsPosition); }
ScrollBarState EventsBar() { return ChampionshipHorizontalBar(state.eventCount, state.powerStageIncluded, eventsPosition); }

void SetBar(HWND bar, const ScrollBarState& shown) {
  SetScrollRange(bar, SB_CTL, 0, shown.maximum, FALSE);
  SetScrollPos(bar, SB_CTL, shown.position, TRUE);
}

// Both bars follow the view and the events: their ranges, their positions kept within them
// (0 for a hidden bar), shown or hidden.
void SizeBars(HWND dialog) {
  const ScrollBarState rows = RowsBar();
  const ScrollBarState events = EventsBar();
  rowsPosition = rows.position;
  eventsPosition = events.position;
  HWND rowsBar = Item(dialog, IDC_STANDINGS_ROWS_BAR);
  HWND eventsBar = Item(dialog, IDC_STANDINGS_EVENTS_BAR);
  MoveWindow(eventsBar, 467, 712, state.powerStageIncluded ? 548 : 558, 16, FALSE);
  SetBar(rowsBar, rows);
  SetBar(eventsBar, events);
  ShowWindow(rowsBar, rows.shown ? SW_SHOWNA : SW_HIDE);
  ShowWindow(eventsBar, events.shown ? SW_SHOWNA : SW_HIDE);
}

// Hidden or shown again around a paint without touching the dialog's update region, so that
// a paint never asks for the next one.
void ShowQuietly(HWND control, bool show) {
  SetWindowPos(control, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW |
                   (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  if (show) InvalidateRect(control, nullptr, TRUE);
}

void ShowEventDate(HWND dialog) {
  const LRESULT item = Send(dialog, IDC_STANDINGS_EVENTS, CB_GETCURSEL);
  char text[64] = "";
  if (item != CB_ERR && item < state.eventCount) {
    const ChampionshipEvent& event = state.tables->events[item];
    std::snprintf(text, sizeof text, Tr(Text::StandingsEventDateShown), event.day, event.month, event.year);
  }
  SetDlgItemTextA(dialog, IDC_STANDINGS_EVENT_DATE, text);
}

void FillEvents(HWND dialog, int select) {
  Send(dialog, IDC_STANDINGS_EVENTS, CB_RESETCONTENT);
  for (int e = 0; e < state.eventCount; ++e) {
    char name[kChampionshipEventNameSize];
    platform::CopyBounded(name, state.tables->events[e].name);
    AddItem(dialog, IDC_STANDINGS_EVENTS, name);
  }
  Send(dialog, IDC_STANDINGS_EVENTS, CB_SETCURSEL, select);
  ShowEventDate(dialog);
}

void ResetFilters(HWND dialog) {
  platform::CopyBounded(carFilter, kAllCategories);
  platform::CopyBounded(ageFilter, kAllCategories);
  for (int id : {IDC_STANDINGS_CAR_FILTER, IDC_STANDINGS_AGE_FILTER}) {
    Send(dialog, id, CB_RESETCONTENT);
    AddItem(dialog, id, Tr(Text::ClassificationAllCategories));
    Send(dialog, id, CB_SETCURSEL, 0);
  }
}

void CloseCorrection();

// A correction box open on a row of the old view would write into whoever stands there now.
// everyRow: the rally's rows whatever the filters.
void RebuildView(bool everyRow = false) {
  CloseCorrection();
  if (ChampionshipRally* rally = SelectedRally()) {
    BuildChampionshipView(*rally, everyRow ? kAllCategories : carFilter, everyRow ? kAllCategories : ageFilter, &view);
  } else {
    ClearChampionshipRally(&view);
  }
}

// The rally of 4062's selection: grouped, its categories listed, ranked, shown whole.
void SelectRally(HWND dialog) {
  const LRESULT item = Send(dialog, IDC_STANDINGS_RALLY, CB_GETCURSEL);
  selectedRallyIndex = item == CB_ERR ? -1 : static_cast<int>(item);
  ResetFilters(dialog);
  ChampionshipRally* rally = SelectedRally();
  platform::CopyBounded(selectedRally, rally ? rally->name : "");
  if (rally) {
    std::vector<std::string> cars, ages;
    SelectChampionshipRally(rally, state.tables->display, scale.order, &cars, &ages);
    for (const std::string& car : cars) AddItem(dialog, IDC_STANDINGS_CAR_FILTER, car.c_str());
    for (const std::string& age : ages) AddItem(dialog, IDC_STANDINGS_AGE_FILTER, age.c_str());
  }
  RebuildView();
  rowsPosition = 0;
  SizeBars(dialog);
  RedrawPage(dialog);
}

// 4062 refilled; the first rally selected when it has a name.
void FillRallies(HWND dialog) {
  Send(dialog, IDC_STANDINGS_RALLY, CB_RESETCONTENT);
  for (int r = 0; r < state.tables->rallyCount; ++r) {
    char name[kChampionshipRallyNameSize];
    platform::CopyBounded(name, state.tables->rallies[r].name);
    AddItem(dialog, IDC_STANDINGS_RALLY, name);
  }
  if (state.tables->rallyCount > 0 && state.tables->rallies[0].name[0] != '\0') {
    Send(dialog, IDC_STANDINGS_RALLY, CB_SETCURSEL, 0);
    SelectRally(dialog);
  } else {
    selectedRallyIndex = -1;
    selectedRally[0] = '\0';
    ResetFilters(dialog);
    RebuildView();
    SizeBars(dialog);
    RedrawPage(dialog);
  }
}

void ReadFilter(HWND dialog, int id, char* filter, std::size_t size) {
  char text[64] = "";
  const LRESULT item = Send(dialog, id, CB_GETCURSEL);
  if (item != CB_ERR && Send(dialog, id, CB_GETLBTEXTLEN, item) < static_cast<LRESULT>(sizeof text)) {
    Send(dialog, id, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text));
  }
  platform::CopyBounded(filter, size, item <= 0 ? kAllCategories : text);
}

void Filter(HWND dialog) {
  ReadFilter(dialog, IDC_STANDINGS_CAR_FILTER, carFilter, sizeof carFilter);
  ReadFilter(dialog, IDC_STANDINGS_AGE_FILTER, ageFilter, sizeof ageFilter);
  RebuildView();
  SizeBars(dialog);
  RedrawPage(dialog);
}

void CloseCorrection() {
  if (correctionBox) DestroyWindow(correctionBox);
  correctionBox = nullptr;
  openCell = ChampionshipPointCell();
}

void SetEditMode(HWND dialog, bool on) {
  editMode = on;
  EnableMenuItem(popup, IDC_STANDINGS_ACTIVATE, MF_BYCOMMAND | (on ? MF_GRAYED : MF_ENABLED));
  EnableMenuItem(popup, IDC_STANDINGS_DEACTIVATE, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  if (on) {
    // Any driver of the rally may need a correction, whatever category the page was showing;
    // the filters read back title the page and apply again when edit mode is left.
    ReadFilter(dialog, IDC_STANDINGS_CAR_FILTER, carFilter, sizeof carFilter);
    ReadFilter(dialog, IDC_STANDINGS_AGE_FILTER, ageFilter, sizeof ageFilter);
    RebuildView(true);
    SizeBars(dialog);
    RedrawPage(dialog);
    return;
  }
  CloseCorrection();
  if (ChampionshipRally* rally = SelectedRally()) {
    ComputeRallyTotals(rally, state.eventCount, state.powerStageIncluded);
    RankChampionshipRally(rally, state.tables->display, scale.order);
  }
  RebuildView();
  SizeBars(dialog);
  RedrawPage(dialog);
}

void OpenCorrection(HWND dialog, int x, int y) {
  const ChampionshipPointCell cell = ChampionshipPointCellAt(x, y, state.powerStageIncluded, eventsPosition,
                                                             state.eventCount, rowsPosition, view.rowCount);
  if (cell.viewRow < 0 || ChampionshipCellValue(view, cell) < 0) return;
  platform::PlaySoundFile("sons/beep1.wav", platform::SoundMode::Async);
  CloseCorrection();
  RedrawTable(dialog);
  openCell = cell;
  correctionBox = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_RIGHT | ES_NUMBER, cell.left, cell.top, 40,
                                  15, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STANDINGS_CORRECTION)),
                                  GetModuleHandleA(nullptr), nullptr);
  if (!correctionBox) return;
  SendMessageA(correctionBox, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont), TRUE);
  char text[16];
  std::snprintf(text, sizeof text, "%d", ChampionshipCellValue(view, cell));
  SetWindowTextA(correctionBox, text);
}

void StoreCorrection() {
  if (!correctionBox || openCell.viewRow < 0) return;
  SendMessageA(correctionBox, EM_LIMITTEXT, kChampionshipCorrectionDigits, 0);
  char text[16] = "";
  GetWindowTextA(correctionBox, text, sizeof text);
  if (ChampionshipRally* rally = SelectedRally()) {
    StoreChampionshipCorrection(&view, rally, openCell, static_cast<int>(std::strtol(text, nullptr, 10)));
  }
}

void ResetInputs(HWND dialog) {
  SetDlgItemTextA(dialog, IDC_STANDINGS_NAME, "");
  eventFile[0] = '\0';
  SetDlgItemTextA(dialog, IDC_STANDINGS_FILE_SHOWN, Tr(Text::StandingsNoFile));
  for (int id : {IDC_STANDINGS_DAY, IDC_STANDINGS_MONTH, IDC_STANDINGS_YEAR}) Send(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(-1));
}

void AddEvent(HWND dialog) {
  char typed[64] = "";
  ControlTextOf(dialog, IDC_STANDINGS_NAME, typed, sizeof typed);
  char name[kChampionshipEventNameSize];
  ChampionshipEventName(typed, name);
  const int day = static_cast<int>(Send(dialog, IDC_STANDINGS_DAY, CB_GETCURSEL));
  const int month = static_cast<int>(Send(dialog, IDC_STANDINGS_MONTH, CB_GETCURSEL));
  const int year = static_cast<int>(Send(dialog, IDC_STANDINGS_YEAR, CB_GETCURSEL));
  switch (CheckNewEvent(state, day, month, year, name, eventFile[0] != '\0')) {
    case NewEventRefusal::NoDate: ShowError(dialog, Text::StandingsNoDate); return;
    case NewEventRefusal::BadName: ShowError(dialog, Text::StandingsBadName); return;
    case NewEventRefusal::NoFile: ShowError(dialog, Text::StandingsNoEventFile); return;
    case NewEventRefusal::Duplicate: ShowError(dialog, Text::StandingsDuplicate); return;
    case NewEventRefusal::Full: return;
    case NewEventRefusal::None: break;
  }
  const bool opened = ReadEventClassifications(eventFile, scale, &import);
  if (!opened) ShowError(dialog, Text::StandingsEventFileNotFound);
  if (opened && import.classificationRead) international = import.international;
  for (int k = 0; opened && k < import.rallyCount; ++k) {
    if (import.rallies[k].classified) continue;
    char text[200];
    std::snprintf(text, sizeof text, Tr(Text::StandingsRallyNotClassified), import.rallies[k].name);
    platform::ShowMessage(dialog, text, Tr(Text::CaptionBeCareful), platform::kMbOk | platform::kMbIconWarning);
  }
  const int e = AddChampionshipEvent(&state, name, day + 1, month + 1, year + 1900, opened ? &import : nullptr);
  FillEvents(dialog, e);
  FillRallies(dialog);
  ResetInputs(dialog);
  SizeBars(dialog);
  RedrawPage(dialog);
}

void RemoveEvent(HWND dialog) {
  const LRESULT item = Send(dialog, IDC_STANDINGS_EVENTS, CB_GETCURSEL);
  if (item == CB_ERR || item >= state.eventCount) return;
  RemoveChampionshipEvent(&state, static_cast<int>(item));
  FillEvents(dialog, 0);
  FillRallies(dialog);
}

void ChooseEventFile(HWND dialog) {
  const std::string filter = std::string(Tr(Text::StandingsRallyFileFilter)) + "|*.rall";
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.filter = filter.c_str();
  request.initialFolder = openingFolder.c_str();
  char path[sizeof eventFile] = "";
  if (!platform::ChooseFile(request, path, sizeof path)) return;
  platform::CopyBounded(eventFile, path);
  char shown[sizeof eventFile + 40];
  std::snprintf(shown, sizeof shown, Tr(Text::StandingsFileChosen), eventFile);
  SetDlgItemTextA(dialog, IDC_STANDINGS_FILE_SHOWN, shown);
}

void PowerStage(HWND dialog) {
  state.powerStageIncluded = Send(dialog, IDC_STANDINGS_POWER_STAGE, BM_GETCHECK) == BST_CHECKED ? 1 : 0;
  ComputeChampionshipTotals(&state);
  SelectRally(dialog);
}

void ChangePicture(HWND dialog, int x, int y, bool choose) {
  if (editMode) return;
  const int e = ChampionshipHeadingAt(x, y, state.powerStageIncluded, eventsPosition, state.eventCount);
  if (e < 0) return;
  char path[kChampionshipImagePathSize] = "";
  if (choose) {
    const std::string filter = std::string(Tr(Text::SponsorsImageFilter)) + "|*.bmp";
    platform::FileDialogRequest request;
    request.owner = dialog;
    request.filter = filter.c_str();
    if (!platform::ChooseFile(request, path, sizeof path)) return;
  }
  platform::CopyBounded(state.tables->events[e].imagePath, path);
  RedrawTable(dialog);
}

void Scroll(HWND dialog, bool rows, int code, int thumb) {
  const ScrollBarState bar = rows ? RowsBar() : EventsBar();
  int position = bar.position;
  switch (code) {
    case SB_LINEUP: position = position > 0 ? position - 1 : 0; break;
    case SB_LINEDOWN: position = position < bar.maximum ? position + 1 : bar.maximum; break;
    case SB_PAGEUP: position = 0; break;
    case SB_PAGEDOWN: position = bar.maximum; break;
    case SB_THUMBPOSITION: position = thumb; break;
    default: return;
  }
  int& kept = rows ? rowsPosition : eventsPosition;
  const int before = kept;
  kept = position;
  SizeBars(dialog);
  if (kept != before) {
    RedrawTable(dialog);
    UpdateWindow(dialog);
  }
}

void PlaceControls(HWND dialog) {
  PlaceControlsInPixels(dialog, kPlacements);
  GrowClientToHold(dialog, kClientWidth, kClientHeight);
  CentreOnWorkArea(dialog);
}

void ReadChampionship(HWND dialog) {
  char path[300];
  if (!ChampionshipFilePath(championship, kChampionshipClassificationFile, path, sizeof path)) {
    ClearChampionshipTables(state.tables);
    state.eventCount = 0;
    state.powerStageIncluded = 0;
    return;
  }
  const ChampionshipFileReport report = ReadChampionshipClassificationFile(path, &state);
  if (report.eventsTitleMissing) ShowError(dialog, Text::StandingsEventsTitleNotFound);
  for (int i = 0; i < report.rallyTitlesMissing; ++i) ShowError(dialog, Text::StandingsRallyTitleNotFound);
}

void Open(HWND dialog, LPARAM parameter) {
  openingFolder = platform::CurrentFolder();
  paints = 0;
  editMode = false;
  correctionBox = nullptr;
  openCell = ChampionshipPointCell();
  international = 0;
  rowsPosition = eventsPosition = 0;
  eventFile[0] = '\0';
  selectedRallyIndex = -1;
  selectedRally[0] = '\0';
  ClearChampionshipRally(&view);
  platform::CopyBounded(championship, parameter ? reinterpret_cast<const char*>(parameter) : "");
  SetControlTexts(dialog, kTexts);
  PlaceControls(dialog);
  char title[80];
  std::snprintf(title, sizeof title, Tr(Text::StandingsTitle), championship);
  SetDlgItemTextA(dialog, IDC_STANDINGS_TITLE, title);
  SetDefaultPointsScales(&scales);
  char selected[kChampionshipNameSize] = "";
  ReadPointsAllocationFile(selected, &scales);
  scale = ChampionshipScaleOf(scales, championship);
  ClearSponsors(&sponsors);
  char sponsorsPath[kSponsorLogoPathSize + 40];
  if (SponsorsFilePath(championship, sponsorsPath, sizeof sponsorsPath)) ReadSponsorsFile(sponsorsPath, &sponsors);
  ReadChampionship(dialog);
  platform::ZeroBytes(logoPath, sizeof logoPath);
  if (!ReadLogoPath(logoPath)) ShowError(dialog, Text::DisplaySettingsNotFound);
  for (int day = 1; day <= 31; ++day) AddItem(dialog, IDC_STANDINGS_DAY, std::to_string(day).c_str());
  FillMonthsCombo(Item(dialog, IDC_STANDINGS_MONTH));
  FillYearsCombo(Item(dialog, IDC_STANDINGS_YEAR));
  popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, IDC_STANDINGS_ACTIVATE, Tr(Text::StandingsActivate));
  AppendMenuA(popup, MF_STRING | MF_GRAYED, IDC_STANDINGS_DEACTIVATE, Tr(Text::StandingsDeactivate));
  editPicture.Set(dialog, IDC_STANDINGS_EDIT, "images/editer.bmp");
  savePicture.Set(dialog, IDC_STANDINGS_SAVE, "images/enregistrer.bmp");
  Send(dialog, IDC_STANDINGS_POWER_STAGE, BM_SETCHECK, state.powerStageIncluded ? BST_CHECKED : BST_UNCHECKED);
  FillEvents(dialog, 0);
  FillRallies(dialog);
  fonts.Open(dialog, kNormalFont, kBoldFont);
  titleFont = CreateFontA(30, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  smallFont = CreateFontA(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  Send(dialog, IDC_STANDINGS_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont), TRUE);
  Send(dialog, IDC_STANDINGS_FILE_SHOWN, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont), TRUE);
  RedrawPage(dialog);
}

void Close(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  CloseCorrection();
  if (popup) DestroyMenu(popup);
  popup = nullptr;
  editPicture.Release();
  savePicture.Release();
  fonts.Close(dialog);
  for (HFONT* font : {&titleFont, &smallFont}) {
    if (*font) DeleteObject(*font);
    *font = nullptr;
  }
}

void Validate(HWND dialog) {
  platform::SetCurrentFolder(openingFolder.c_str());
  char path[300];
  if (!CreateChampionshipFolder(championship) ||
      !ChampionshipFilePath(championship, kChampionshipClassificationFile, path, sizeof path) ||
      !WriteChampionshipClassificationFile(path, state)) {
    // The dialog stays open with its imports and corrections; the former file is whole.
    ShowError(dialog, Text::StandingsFileNotWritten);
    return;
  }
  Close(dialog);
}

void Paint(HWND dialog) {
  ++paints;
  HWND hidden[] = {Item(dialog, IDC_STANDINGS_EDIT), Item(dialog, IDC_STANDINGS_ROWS_BAR), Item(dialog, IDC_STANDINGS_EVENTS_BAR)};
  for (HWND control : hidden) ShowQuietly(control, false);
  // Archive.bmp is copied from the page as painted: every paint covers the whole page, or a
  // scroll, which asks for the table alone, would leave in the copy what the screen held
  // around the table (the scroll bars, hidden without a redraw). Asked before BeginPaint, it
  // joins this paint and asks for no other.
  RECT whole = {kChampionshipPage.left, kChampionshipPage.top, kChampionshipPage.right, kChampionshipPage.bottom};
  InvalidateRect(dialog, &whole, FALSE);
  const ScrollBarState rows = RowsBar();
  const ScrollBarState events = EventsBar();
  PaintChampionshipClassification(dialog, kChampionshipPage, view, state.tables->events, rows, events, sponsors, carFilter, ageFilter,
                                  championship, selectedRally, view.rowCount, state.eventCount, logoPath,
                                  state.powerStageIncluded, international);
  ShowQuietly(hidden[0], true);
  ShowQuietly(hidden[1], rows.shown);
  ShowQuietly(hidden[2], events.shown);
}

bool Command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDOK: Validate(dialog); return true;
    case IDCANCEL: Close(dialog); return true;
    case IDC_STANDINGS_NAME:
      if (notification == EN_CHANGE) Send(dialog, id, EM_LIMITTEXT, kTypedNameLimit);
      return true;
    case IDC_STANDINGS_FILE: ChooseEventFile(dialog); return true;
    case IDC_STANDINGS_ADD: AddEvent(dialog); return true;
    case IDC_STANDINGS_EVENTS:
      if (notification == CBN_SELCHANGE) ShowEventDate(dialog);
      return true;
    case IDC_STANDINGS_REMOVE: RemoveEvent(dialog); return true;
    case IDC_STANDINGS_RALLY:
      if (notification == CBN_SELCHANGE) SelectRally(dialog);
      return true;
    case IDC_STANDINGS_POWER_STAGE: PowerStage(dialog); return true;
    case IDC_STANDINGS_CAR_FILTER:
    case IDC_STANDINGS_AGE_FILTER:
      if (notification == CBN_SELCHANGE) Filter(dialog);
      return true;
    case IDC_STANDINGS_SAVE: ExportPageAsJpeg(dialog); return true;
    case IDC_STANDINGS_EDIT: {
      POINT at;
      GetCursorPos(&at);
      TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, dialog, nullptr);
      return true;
    }
    case IDC_STANDINGS_ACTIVATE: SetEditMode(dialog, true); return true;
    case IDC_STANDINGS_DEACTIVATE: SetEditMode(dialog, false); return true;
    case IDC_STANDINGS_CORRECTION:
      if (notification == EN_CHANGE) StoreCorrection();
      return true;
    case IDC_STANDINGS_DAY:
    case IDC_STANDINGS_MONTH:
    case IDC_STANDINGS_YEAR: return true;
  }
  return false;
}

int X(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int Y(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

}  // namespace

int ChampionshipPagePaints() { return paints; }

INT_PTR CALLBACK ChampionshipClassificationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Open(dialog, lParam);
      return FALSE;
    case WM_COMMAND:
      return Command(dialog, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_PAINT:
      Paint(dialog);
      return TRUE;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lParam) == Item(dialog, IDC_STANDINGS_ROWS_BAR) ||
          reinterpret_cast<HWND>(lParam) == Item(dialog, IDC_STANDINGS_EVENTS_BAR)) {
        Scroll(dialog, message == WM_VSCROLL, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return TRUE;
      }
      return FALSE;
    case WM_LBUTTONDOWN:
      if (editMode && (wParam & MK_CONTROL)) OpenCorrection(dialog, X(lParam), Y(lParam));
      return TRUE;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
      ChangePicture(dialog, X(lParam), Y(lParam), message == WM_LBUTTONDBLCLK);
      return TRUE;
    case WM_CLOSE:
      Close(dialog);
      return TRUE;
  }
  return FALSE;
}
