#include "race/live_table_input.h"

#include <windowsx.h>

#include <cstdio>
#include <cstdlib>

#include "app/build_profile.h"
#include "platform/keyboard.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "race/dialog_table.h"
#include "race/live_table.h"
#include "race/main_state.h"
#include "race/main_window.h"
#include "race/main_window_actions.h"
#include "race/main_window_paint.h"
#include "race/race_engine.h"
#include "race/race_controls_layout.h"
#include "race/race_screen_layout.h"
#include "race/startup.h"
#include "race/stage_ranking.h"

namespace {

constexpr int kInPlaceControls[] = {kHoursEdit, kMinutesEdit, kSecondsEdit, kMillisEdit, kChipList};
constexpr DWORD kEditStyle = 0x50006002;
constexpr DWORD kChipListStyle = 0x50000003;

LiveTableGeometry CurrentGeometry() {
  const MainState& s = Main();
  return MakeLiveTableGeometry(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), s.columnWidths,
                               s.startTimeColumnWidth, LiveTableRowMetrics());
}

void RedrawTable(HWND window) {
  ScreenRect f = CurrentGeometry().layout.tableFrame;
  RECT frame = {f.left, f.top, f.right, f.bottom};
  RedrawWindow(window, &frame, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW);
}

void Rerank() {
  MainState& s = Main();
  RerankStage(s.entries, s.ranking, s.classification, s.display, s.eventPenalties, s.timing.entryCount,
              NoCurrentEntry);
}

bool Confirm(HWND window, Text question, int index) {
  const StageDisplayRow& row = Main().display[index];
  char text[512];
  std::snprintf(text, sizeof text, Tr(question), row.carNumber, row.name);
  return platform::ShowMessage(window, text, kMainWindowTitle, platform::kMbYesNo | platform::kMbIconQuestion) ==
         platform::kIdYes;
}

void SetEditNumber(HWND window, int id, const char* format, int value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  SetDlgItemTextA(window, id, text);
}

void OpenCorrection(HWND window, const LiveTableGeometry& g, int line, int index) {
  MainState& s = Main();
  LiveTableState& t = LiveTable();
  platform::PlaySoundFile("sons/beep1.wav", platform::SoundMode::Async);
  t.editedEntry = index;
  t.editedStageCode = s.stage.code;
  t.fillingEdits = 1;
  const StageEntry& r = s.ranking[index];
  const struct { int id; const char* format; int value; } kEdits[] = {
      {kHoursEdit, "%d", r.timeHours}, {kMinutesEdit, "%02d", r.timeMinutes},
      {kSecondsEdit, "%02d", r.timeSeconds}, {kMillisEdit, "%03d", r.timeMillis}};
  for (int k = 0; k < 4; ++k) {
    EditRect rect = CorrectionEditRect(g, s.columnWidths[5], line, k);
    CreateWindowExA(0, "EDIT", "", kEditStyle, rect.left, rect.top, rect.width, rect.height, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEdits[k].id)), ProgramInstance(), nullptr);
  }
  // Filling fires EN_CHANGE; only the operator's typing corrects the time.
  for (const auto& edit : kEdits) SetEditNumber(window, edit.id, edit.format, edit.value);
  t.fillingEdits = 0;
}

void CorrectTime(HWND window, int id) {
  MainState& s = Main();
  LiveTableState& t = LiveTable();
  if (t.fillingEdits || t.editedEntry < 0 || t.editedEntry >= kMaxParticipants) return;
  if (!s.modificationMode || t.editedStageCode != s.stage.code) return;
  const int edit = id - kHoursEdit;
  SendDlgItemMessageA(window, id, EM_LIMITTEXT, CorrectionEditLimit(edit), 0);
  char text[16] = "";
  GetDlgItemTextA(window, id, text, sizeof text);
  unsigned typed = static_cast<unsigned>(std::strtoul(text, nullptr, 10));
  unsigned kept = ApplyTimeCorrection(&s.entries[t.editedEntry], &s.ranking[t.editedEntry], edit, typed);
  if (kept != typed) {
    t.fillingEdits = 1;
    SetEditNumber(window, id, "%d", static_cast<int>(kept));
    t.fillingEdits = 0;
  }
}

void OpenChipList(HWND window, const LiveTableGeometry& g, int line, int index) {
  MainState& s = Main();
  s.modificationMode = 0;
  EditRect rect = ChipListRect(g, s.columnWidths[8], line);
  HWND list = CreateWindowExA(0, "COMBOBOX", "PucesClubs", kChipListStyle, rect.left, rect.top, rect.width,
                              rect.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChipList)),
                              ProgramInstance(), nullptr);
  LRESULT chosen = SendDlgItemMessageA(window, kTransponderSetCombo, CB_GETCURSEL, 0, 0);
  if (chosen >= 0 && chosen < static_cast<LRESULT>(s.transponderSets.size())) {
    const char* chips[kTranspondersPerSet];
    const int count = ClubChipChoices(s.transponderSets[static_cast<std::size_t>(chosen)], chips);
    for (int i = 0; i < count; ++i) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(chips[i]));
  }
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  LiveTable().chipEntry = index;
  LiveTable().chipStageCode = s.stage.code;
  LRESULT found = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(s.display[index].transponder));
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void AssignChip(HWND window) {
  const MainState& s = Main();
  if (s.transponderMode != 0 || !s.clubChipEditing || LiveTable().chipStageCode != s.stage.code) return;
  HWND list = GetDlgItem(window, kChipList);
  LRESULT item = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (item == CB_ERR) return;
  LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
  if (length == CB_ERR || length > 6) return;
  char chip[8] = "";
  SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(chip));
  if (AssignClubChip(Main(), LiveTable().chipEntry, chip)) RedrawTable(window);
}

void ManualTiming(HWND window, int index) {
  MainState& s = Main();
  s.modificationMode = 0;
  s.clubChipEditing = 0;
  const int stateAsked = s.entries[index].state;
  const int next = RaceEngine().countdown.nextIndex;
  ManualQuestion question = ManualTimingQuestion(s, index, next);
  if (question != ManualQuestion::None) {
    Text text = question == ManualQuestion::Release ? Text::ReleaseDriverQuestion
                : question == ManualQuestion::Start ? Text::StartTimingQuestion
                                                    : Text::EndTimingQuestion;
    if (!Confirm(window, text, index)) return;
  }
  RunManualTimingAction(window, s, index, stateAsked);
}

void PenaltyDialog(HWND window, int index) {
  MainState& s = Main();
  if (!ActiveProfile().driverPenaltyDialog) return;
  // Clicks that reach the window while this one's boxes or dialog are up (a modal loop still
  // dispatches posted messages) start nothing more: one question and one message per click.
  static bool busy = false;
  if (busy) return;
  busy = true;
  if (!LiveTable().penaltiesSynchronised) SynchronisePenalties(window, s);
  OpenDriverPenaltyDialog(window, &s.entries[index]);
  busy = false;
}

}  // namespace

void DestroyInPlaceControls(HWND window) {
  for (int id : kInPlaceControls)
    if (HWND control = GetDlgItem(window, id)) DestroyWindow(control);
}

LRESULT LiveTableMouseMove(LPARAM lParam) {
  LiveTable().pointerX = GET_X_LPARAM(lParam);
  LiveTable().pointerY = GET_Y_LPARAM(lParam);
  return 0;
}

bool LiveTableSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT) return false;
  const MainState& s = Main();
  const LiveTableState& t = LiveTable();
  LiveTableGeometry g = CurrentGeometry();
  bool sizing = HitColumnBorder(g, s.columnWidths, s.startTimeColumnWidth, t.pointerX, t.pointerY,
                                ActiveProfile().lateStartPenalty) >= 0 ||
                (t.dragActive && InHeadingBand(g, t.pointerY));
  SetCursor(LoadCursorA(nullptr, sizing ? IDC_SIZEWE : IDC_ARROW));
  return true;
}

void LiveTableLeftDown(HWND window, LPARAM lParam) {
  MainState& s = Main();
  LiveTableState& t = LiveTable();
  DestroyInPlaceControls(window);
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  LiveTableGeometry g = CurrentGeometry();
  int border = HitColumnBorder(g, s.columnWidths, s.startTimeColumnWidth, t.pointerX, t.pointerY,
                                ActiveProfile().lateStartPenalty);
  if (border >= 0) {
    t.dragActive = 1;
    t.dragColumn = border;
    t.dragPressX = x;
    SetCapture(window);
  }
  int line = HitLine(g, y);
  int index = line < 0 ? -1 : LiveTableScrollPosition() + line;
  if (index >= 0 && index < ClampParticipantCount(s.timing.entryCount)) {
    const bool control = platform::IsControlHeld();
    const int state = s.entries[index].state;
    if (s.modificationMode && control && InTimeCell(g, x) && (state == kEntryNotStarted || state == kEntryFinished))
      OpenCorrection(window, g, line, index);
    if (control && InLaneCell(g, x)) {
      if (s.timing.timing) ManualTiming(window, index);
      else PenaltyDialog(window, index);
    }
    if (InTransponderCell(g, x) && s.transponderMode == 0 && s.clubChipEditing) OpenChipList(window, g, line, index);
  }
  Rerank();
  RedrawTable(window);
}

void LiveTableLeftUp(HWND window, LPARAM lParam) {
  MainState& s = Main();
  LiveTableState& t = LiveTable();
  const int x = GET_X_LPARAM(lParam);
  const bool dragging = t.dragActive;
  if (dragging && InHeadingBand(CurrentGeometry(), t.pointerY)) {
    const int delta = x - t.dragPressX;
    if (t.dragColumn >= 0 && t.dragColumn < kLiveColumnCount) {
      int width = DraggedColumnWidth(s.columnWidths[t.dragColumn], delta);
      s.columnWidths[t.dragColumn] = width;
      s.displaySettings.columnWidths[t.dragColumn] = width;
    } else if (t.dragColumn == kStartTimeDragColumn) {
      DragStartTimeColumn(&s.lateStart, &s.startTimeColumnWidth, delta);
      if (!WriteLateStartPenaltySettings(s.lateStart, 1))
        platform::ShowMessage(window, Tr(Text::SpecificPenaltiesNotFound), Tr(Text::CaptionError), platform::kMbOk);
    }
    // The table's frame follows the widths: the whole screen is painted again.
    RedrawRaceScreen(window);
  }
  t.dragActive = 0;
  if (dragging) ReleaseCapture();
}

void LiveTableRightDown(HWND window, LPARAM lParam) {
  MainState& s = Main();
  DestroyInPlaceControls(window);
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  LiveTableGeometry g = CurrentGeometry();
  int line = HitLine(g, y);
  int index = line < 0 ? -1 : LiveTableScrollPosition() + line;
  if (index >= 0 && index < ClampParticipantCount(s.timing.entryCount) && !s.timing.timing &&
      platform::IsControlHeld() && InLaneCell(g, x)) {
    s.modificationMode = 0;
    s.clubChipEditing = 0;
    const int stateAsked = s.entries[index].state;
    if (Confirm(window, Text::ClearDriverQuestion, index) && ClearDriverResult(s, index, stateAsked)) {
      ScreenRect c = g.layout.clockPanel;
      RECT clock = {c.left, c.top, c.right, c.bottom};
      RedrawWindow(window, &clock, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_NOCHILDREN | RDW_ERASENOW);
    }
  }
  Rerank();
  RedrawTable(window);
}

void LiveTableScroll(HWND window, WPARAM wParam, LPARAM lParam) {
  HWND bar = reinterpret_cast<HWND>(lParam);
  if (!bar) return;
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &info);
  int position = ScrolledPosition(LOWORD(wParam), info.nPos, info.nMin, info.nMax, static_cast<short>(HIWORD(wParam)));
  const int before = info.nPos;
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  if (position == before) return;
  DestroyInPlaceControls(window);
  SetLiveTableScrollPosition(position);
  MainState& s = Main();
  RankAndFormatStage(s.ranking, s.classification, s.display, s.timing.entryCount);
  RedrawTable(window);
}

bool LiveTableCommand(HWND window, WPARAM wParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (id >= kHoursEdit && id <= kMillisEdit && GetDlgItem(window, id)) {
    if (code == EN_CHANGE) CorrectTime(window, id);
    return true;
  }
  if (id == kChipList) {
    if (code == CBN_SELCHANGE) AssignChip(window);
    return true;
  }
  return false;
}
