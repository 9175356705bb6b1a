#include "race/main_window.h"

#include <commctrl.h>

#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "race/command_ids.h"
#include "race/event_session.h"
#include "race/participant_fields.h"
#include "race/event_tree.h"
#include "race/event_tree_model.h"
#include "race/main_window_actions.h"
#include "race/live_table_input.h"
#include "race/main_window_paint.h"
#include "race/menus.h"
#include "race/race_engine_win32.h"
#include "race/race_controls_layout.h"
#include "race/race_screen_layout.h"
#include "race/serial_port.h"
#include "race/start_lights_window.h"
#include "race/startup.h"

namespace {

HCURSOR arrowCursor = nullptr;
HCURSOR sizingCursor = nullptr;
HFONT controlFont = nullptr;
HWND scrollBar = nullptr;

void Error(HWND window, Text text) {
  platform::ShowMessage(window, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

void EraseBackground(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(Main().displaySettings.displayColours[0]));
  HGDIOBJ previous = SelectObject(dc, brush);
  Rectangle(dc, client.left, client.top, client.right, client.bottom);
  SelectObject(dc, previous);
  DeleteObject(brush);
}

void LoadReferenceData(HWND window, MainState& s) {
  if (!ReadLateStartPenaltySettings(&s.lateStart)) Error(window, Text::SpecificPenaltiesNotFound);
  if (!ReadCountryNames(&s.countries)) Error(window, Text::CountryNamesNotFound);
  if (!ReadCountryCodes(&s.countries)) Error(window, Text::CountryCodesNotFound);
  if (!ReadDriverSummaries(&s.drivers)) Error(window, Text::DriverSummariesNotFound);
  ClearTransponderSetsTable(&s.transponderSets);
  if (!ReadTransponderSetsDatabase(&s.transponderSets)) Error(window, Text::TranspondersNotFound);
  if (!ReadSoundSettings(&s.sounds)) Error(window, Text::SoundSettingsNotFound);
  ClearCustomSoundPaths(&s.customSounds);
  if (!ReadCustomSoundsFile(kCustomSoundsFile, &s.customSounds)) Error(window, Text::CustomSoundsNotFound);
  for (FontSpec& font : s.displaySettings.fonts) platform::ZeroBytes(font.face, sizeof font.face);
  platform::ZeroBytes(s.displaySettings.logoPath, sizeof s.displaySettings.logoPath);
  if (!ReadDisplaySettingsFile(kDisplaySettingsFile, &s.displaySettings, &s.customColours))
    Error(window, Text::DisplaySettingsNotFound);
}

}  // namespace

void CloseInPlaceEdits(HWND window) {
  Main().modificationMode = 0;
  Main().clubChipEditing = 0;
  DestroyInPlaceControls(window);
}

void RedrawRaceScreen(HWND window) { InvalidateRect(window, nullptr, FALSE); }

void RefreshLiveTableRows(HWND window) { UpdateLiveTableRows(window, scrollBar); }

void LeaveLoadedStage(HWND window) {
  MainState& s = Main();
  int code = s.stage.code;
  LeftStage left = SaveLoadedStage(window, s);
  if (left.saved) SetItemImage(code, left.image);
}

void UnloadStageFromRaceScreen(HWND window) {
  UnloadStage(Main());
  SendStartLights("", 30);
  RefreshLiveTableRows(window);
  RedrawRaceScreen(window);
}

void RefreshParticipantsOfLoadedStage(HWND window) {
  MainState& s = Main();
  int rally = RallyOfNode(s.selectedNode);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    Error(window, Text::RallyFileNotFound);
    return;
  }
  int first = 0;
  if (!FindRallySectionOf(file, kParticipantsKey, rally, &first)) {
    Error(window, Text::ParticipantsTitleNotFound);
    return;
  }
  ReadParticipantsSection(file, first, s.participants);
  CopyTranspondersToStageEntries(s.entries, s.participants);
  CopyCarCategoriesToDisplayRows(s.display, s.participants);
  CopyCarNumbersToDisplayRows(s.display, s.participants);
  s.radioConflict = CheckFrequencyConflicts(s.entries, s.participants, 0);
  CloseInPlaceEdits(window);
  ShortRerank(s);
  RedrawRaceScreen(window);
}

void CreateMainWindowContents(HWND window) {
  MainState& s = Main();
  std::string folder = platform::ProgramFolder();
  platform::SetCurrentFolder(folder.c_str());
  // Read back: every path of the program (the race engine's too) is taken from the folder
  // the program really works in.
  platform::UseProgramFolder(platform::CurrentFolder());
  KeepCrashCopy(window);
  arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
  sizingCursor = LoadCursorA(nullptr, IDC_SIZEWE);
  StartFreshEvent(window, s);
  ClearPenaltyList(s.eventPenalties);
  s.eventPenaltyFlag = 0;
  LoadReferenceData(window, s);
  FillColumnWidths(s);

  CreateEventTree(window);
  RebuildEventTree();
  ExpandItem(NodeCode(1, kRallyNode));

  int width = GetSystemMetrics(SM_CXSCREEN);
  int height = GetSystemMetrics(SM_CYSCREEN);
  CreateRaceControls(window, width, height);
  const struct { int id, bitmap; } kButtonImages[] = {{kStartButton, 2}, {kPauseButton, 3}, {kClearButton, 4}, {kCommentButton, 22}};
  for (const auto& b : kButtonImages) {
    HBITMAP picture = LoadBitmapA(ProgramInstance(), MAKEINTRESOURCEA(b.bitmap));
    SendDlgItemMessageA(window, b.id, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  }
  // The scroll bar runs along the rows of the live table.
  RaceScreenLayout layout = ComputeRaceScreenLayout(width, height, s.columnWidths, s.startTimeColumnWidth, RaceRowMetrics{});
  scrollBar = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | SBS_VERT, 201, layout.resultsArea.top,
                              LiveScrollBarWidth(width), layout.tableFrame.bottom - layout.resultsArea.top, window,
                              nullptr, ProgramInstance(), nullptr);
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  SetScrollInfo(scrollBar, SB_CTL, &info, FALSE);
  ShowWindow(scrollBar, SW_HIDE);

  platform::ZeroBytes(&s.timing, sizeof s.timing);
  SetStageDefaults(s);
  EnableMenuItem(Menus().file, kCmdSave, MF_BYCOMMAND | MF_GRAYED);
  platform::ZeroBytes(s.eventFilePath, sizeof s.eventFilePath);

  CheckRadioButton(window, kPersonalChipsRadio, kClubChipsRadio, kPersonalChipsRadio);
  s.transponderMode = 1;
  HWND combo = GetDlgItem(window, kTransponderSetCombo);
  ShowWindow(combo, SW_HIDE);
  for (const TransponderSetRecord& set : s.transponderSets)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(set.setName));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  CheckDlgButton(window, kMessageBoxCheck, BST_CHECKED);
  s.messageBoxOption = 1;
  PrepareRaceScreenTexts(s);

  controlFont = CreateFontA(16, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  const int kFontControls[] = {kStartLabel, kPauseLabel, kClearLabel, kClockGroup, kCountdownGroup,
                               kTransponderModeGroup, kPersonalChipsRadio, kClubChipsRadio,
                               kTransponderSetCombo, kClubChipCombo, kMessageBoxCheck};
  for (int id : kFontControls) SendDlgItemMessageA(window, id, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont), TRUE);
  RedrawWholeRaceScreen(window, true);
}

void CloseMainWindow(HWND window) {
  MainState& s = Main();
  if (s.timing.timing) {
    platform::ShowMessage(window, Tr(Text::CloseWhileTiming), kMainWindowTitle,
                          platform::kMbOk | platform::kMbIconStop);
    return;
  }
  int answer = platform::ShowMessage(window, Tr(Text::QuitQuestion), Tr(Text::CaptionBeCareful),
                                     platform::kMbYesNoCancel | platform::kMbIconQuestion);
  if (answer == platform::kIdCancel) return;
  if (answer == platform::kIdYes) {
    // A cancelled save-as still closes: the operator chose to quit.
    SendMessageA(window, WM_COMMAND, s.eventFilePath[0] ? kCmdSave : kCmdSaveAs, 0);
  }
  DestroyWindow(window);
}

void DestroyMainWindowContents(HWND window) {
  MainState& s = Main();
  if (!WriteDisplaySettingsFile(kDisplaySettingsFile, s.displaySettings, s.customColours))
    Error(window, Text::DisplaySettingsNotFound);
  ReadWebCoordinates(window, s.web.eventFolder, s.web.championship, s.web.videoLinks, &s.web.connected,
                     &s.web.publishingActive);
  s.web.connected = 0;
  s.web.publishingActive = 0;
  WriteWebCoordinates(window, s.web.eventFolder, s.web.championship, s.web.videoLinks, 0, 0);
  KillTimer(window, kRaceTimerId);
  if (controlFont) DeleteObject(controlFont);
  controlFont = nullptr;
  DestroyEventTreeImages();
  CloseSerialPort();
  PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateMainWindowContents(window);
      return 0;
    case WM_SIZE:
      if (HWND tree = EventTree())
        MoveWindow(tree, 10, kEventTreeTop, 190, EventTreeHeight(HIWORD(lParam), GetSystemMetrics(SM_CYSCREEN)), TRUE);
      return 0;
    case WM_PAINT:
      PaintMainWindow(window);
      return 0;
    case WM_ERASEBKGND:
      EraseBackground(window, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CLOSE:
      CloseMainWindow(window);
      return 0;
    case WM_DESTROY:
      DestroyMainWindowContents(window);
      return 0;
    case WM_NOTIFY:
    case kTreeNotifyMessage:
      return HandleTreeNotify(window, lParam);
    case WM_CONTEXTMENU:
      return 0;
    case WM_COMMAND:
      if (!LiveTableCommand(window, wParam)) HandleCommand(window, wParam);
      return 0;
    case WM_MOUSEMOVE:
      return LiveTableMouseMove(lParam);
    case WM_SETCURSOR:
      if (LiveTableSetCursor(window, wParam, lParam)) return TRUE;
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_LBUTTONDOWN:
      LiveTableLeftDown(window, lParam);
      return 0;
    case WM_LBUTTONUP:
      LiveTableLeftUp(window, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      LiveTableRightDown(window, lParam);
      return 0;
    case WM_VSCROLL:
      LiveTableScroll(window, wParam, lParam);
      return 0;
    case WM_TIMER:
      if (wParam == kRaceTimerId) RaceEngineTick(window);
      return 0;
    case kLiveUploadFailedMessage:
      ShowLiveUploadFailure(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = 0;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(kMainWindowBackground);
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kMainWindowClass;
  windowClass.hIconSm = nullptr;
  if (RegisterClassExA(&windowClass)) return true;
  DeleteObject(windowClass.hbrBackground);
  return false;
}

HWND CreateMainWindow(HINSTANCE instance, HMENU menuBar) {
  // The race screen is painted zone by zone during a stage: it never paints over its controls.
  return CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, kMainWindowStyle | WS_CLIPCHILDREN, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menuBar, instance,
                         nullptr);
}
