#include "results/classification_page_win32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/build_profile.h"
#include "race/country_files.h"
#include "race/gdi_objects.h"
#include "results/rally_classification.h"
#include "results/stage_classification.h"
#include "setup/printed_page_win32.h"

namespace {

constexpr COLORREF kScreenHeadBand = RGB(255, 234, 182);
constexpr COLORREF kScreenStripe = RGB(230, 230, 230);
constexpr int kFlagWidth = 20;
constexpr int kFlagHeight = 13;
constexpr int kScreenLines = 20;

// The columns of a page's table, left to right.
enum Column { kPosition, kNumber, kName, kAge, kTeam, kCategory, kTime, kLeader, kPrevious, kMark, kColumnCount };
constexpr Align kHeadAlign[kColumnCount] = {Align::Right, Align::Right, Align::Left,  Align::Left,  Align::Left,
                                            Align::Left,  Align::Right, Align::Right, Align::Right, Align::Right};
constexpr Align kRowAlign[kColumnCount] = {Align::Right, Align::Right, Align::Left,  Align::Left,  Align::Left,
                                           Align::Left,  Align::Right, Align::Right, Align::Right, Align::Centre};

// Where each column's head and row texts stand, from the page's left edge (screen) or
// absolute (paper); a row's flag stands in the team column.
struct Columns {
  int head[kColumnCount];
  int row[kColumnCount];
  int flag;
};
constexpr Columns kScreenColumns = {{30, 65, 75, 180, 210, 300, 485, 555, 625, 660},
                                    {30, 65, 75, 185, 210, 300, 485, 555, 625, 650}, 240};
constexpr Columns kPrintedColumns = {{50, 85, 95, 220, 250, 320, 490, 560, 630, 670},
                                     {50, 85, 95, 225, 250, 320, 490, 560, 630, 655}, 285};
// Within the printed page's frame (its lines at 20 and 675) and a little apart from it.
constexpr int kPrintedFrameLeft = 23;
constexpr int kPrintedFrameRight = 672;

template <std::size_t N>
std::string Field(const char (&field)[N]) {
  return FieldText(field);
}

void Flag(HDC dc, int x, int y, const ClassificationRow& row) {
  std::string code = Field(row.team);
  if (code.empty()) return;
  char path[64];
  std::snprintf(path, sizeof path, kFlagBitmapPattern, code.c_str());
  MemoryBitmap flag(dc, path, kFlagWidth, kFlagHeight);
  if (flag.dc()) BitBlt(dc, x, y, kFlagWidth, kFlagHeight, flag.dc(), 0, 0, SRCCOPY);
}

HFONT HeadFont() { return ArialFont(14, 700); }
HFONT BodyFont() { return ArialFont(14, FW_NORMAL); }

std::string HeadText(int column, int international) {
  static constexpr Text kHeads[kColumnCount] = {
      Text::ClassificationHeadPosition, Text::ClassificationHeadNumber, Text::ClassificationHeadDriver,
      Text::ClassificationHeadAge,      Text::ClassificationHeadTeam,   Text::ClassificationHeadCategory,
      Text::ClassificationHeadTime,     Text::ClassificationHeadLeader, Text::ClassificationHeadPrevious,
      Text::ClassificationHeadPenalty};
  if (column == kTeam && international != 0) return Tr(Text::ClassificationHeadNation);
  return Tr(kHeads[column]);
}

// What row i shows in a column: the times and the mark only once the driver finished.
std::string RowText(const ClassificationPageContent& content, int i, int column) {
  const ClassificationRow& row = content.rows[i];
  const bool finished = row.state >= 3;
  switch (column) {
    case kPosition: return std::to_string(i + 1);
    case kNumber: return Field(row.carNumber);
    case kName: return Field(row.name);
    case kAge: return Field(row.ageCode);
    case kTeam: return Field(row.team);
    case kCategory: return Field(row.category);
    case kTime: return finished ? ClassificationTimeText(row.time) : "";
    case kLeader: return finished ? ClassificationGapText(row.gapToLeader) : "";
    case kPrevious: return finished ? ClassificationGapText(row.gapToPrevious) : "";
    default: break;
  }
  if (content.rally) return finished ? RallyRowMark(row) : "";
  const PenaltyRecord* penalty = CarriedPenalty(row.state, content.penalties, content.penaltyCount);
  return penalty ? "(" + Field(penalty->code) + ")" : "";
}

// The columns as this build's heads and the rows need them, within the page's frame from
// left to right: a head longer in some language moves its column (head, row texts and flag)
// right of the column before it.
Columns SpacedColumns(HDC dc, const Columns& designed, const ClassificationPageContent& content, int left, int right) {
  std::vector<PageColumn> columns;
  for (int c = 0; c < kColumnCount; ++c) {
    PageColumn column = {designed.head[c], kHeadAlign[c], HeadText(c, content.international), designed.row[c],
                         kRowAlign[c],     {}};
    for (int i = 0; i < content.rowCount; ++i) column.rows.push_back(RowText(content, i, c));
    if (c == kTeam && content.international == 1 && content.rowCount > 0) {
      column.pictureX = designed.flag;
      column.pictureWidth = kFlagWidth;
    }
    columns.push_back(column);
  }
  GdiObject head(HeadFont());
  GdiObject body(BodyFont());
  const std::vector<int> shifts = ColumnShifts(dc, static_cast<HFONT>(head.get()), static_cast<HFONT>(body.get()),
                                               columns, left, right);
  Columns spaced = designed;
  for (int c = 0; c < kColumnCount; ++c) {
    spaced.head[c] += shifts[c];
    spaced.row[c] += shifts[c];
  }
  spaced.flag += shifts[kTeam];
  return spaced;
}

void Heads(HDC dc, int left, int y, const Columns& c, int international) {
  GdiObject font(HeadFont());
  Selection selected(dc, font.get());
  for (int column = 0; column < kColumnCount; ++column) {
    PageText(dc, left + c.head[column], y, kHeadAlign[column], HeadText(column, international));
  }
}

// A row line; the body font is selected.
void RowLine(HDC dc, int left, int y, const Columns& columns, const ClassificationPageContent& content, int i) {
  for (int c = 0; c < kColumnCount; ++c) PageText(dc, left + columns.row[c], y, kRowAlign[c], RowText(content, i, c));
  if (content.international == 1) Flag(dc, left + columns.flag, y, content.rows[i]);
}

// Where a rally page's lists stand: the headings at x, the entries at entryX, or, when a
// heading (longer in some language) needs the room, the entries of both lists together two
// blanks past its end. The body font is selected.
struct RallyListColumns {
  int heading;
  int entry;
};
RallyListColumns SpacedRallyLists(HDC dc, int headingX, int entryX, const RallyPageLists& lists) {
  const int widest = std::max(TextWidth(dc, RallyAbandonHeading(lists.ssFrom, lists.ssTo)),
                              TextWidth(dc, RallyPenaltyHeading(lists.ssFrom, lists.ssTo)));
  return {headingX, StartAfter(headingX + widest, TwoBlanks(dc), entryX)};
}

// A line of a rally page's lists: the heading on the list's first line, then the entry of
// the driver of its place in the list, wherever the page begins.
void RallyListLine(HDC dc, const RallyListColumns& at, int y, const ClassificationPageContent& content,
                   const PageLine& line) {
  const RallyPageLists& lists = *content.rally;
  const bool abandon = line.kind == PageLineKind::Abandon;
  if (line.index == 0) {
    PageText(dc, at.heading, y, Align::Left,
             abandon ? RallyAbandonHeading(lists.ssFrom, lists.ssTo) : RallyPenaltyHeading(lists.ssFrom, lists.ssTo));
  }
  const int row = abandon ? NthRowWithAbandon(content.rows, content.rowCount, line.index)
                          : NthRowWithPenalty(content.rows, content.rowCount, line.index);
  if (row < 0) return;
  PageText(dc, at.entry, y, Align::Left,
           abandon ? RallyAbandonEntry(content.rows[row]) : RallyPenaltyEntry(content.rows[row]));
}

PageLine ContentLine(int line, const ClassificationPageContent& content, bool printed) {
  if (content.rally) {
    return RallyPageLine(line, content.rowCount, content.rally->abandonLines, content.rally->penaltyLines);
  }
  return printed ? PrintedPageLine(line, content.rowCount, content.noteCount)
                 : ScreenPageLine(line, content.rowCount, content.noteCount);
}

Text NoteText(int kind) {
  switch (kind) {
    case kPenaltyGross: return Text::ClassificationNoteGross;
    case kPenaltyAdded: return Text::ClassificationNoteAdded;
    case kPenaltyAfterWinner: return Text::ClassificationNoteAfterWinner;
    default: return Text::ClassificationNoteAfterLast;
  }
}

std::string NoteCode(const PenaltyNote& note) { return "(" + Field(note.code) + ") : "; }

// What a note's penalty does; "" for a kind that has no text.
std::string NoteEffect(const PenaltyNote& note) {
  if (note.kind < kPenaltyGross || note.kind > kPenaltyAfterLast) return "";
  char text[96];
  std::snprintf(text, sizeof text, Tr(NoteText(note.kind)), note.duration);
  return text;
}

// Where the notes' codes, names and effects stand: the notes are one table, each column
// two blanks past the longest text of the one before it when that needs the room. The
// body font is selected.
struct NoteColumns {
  int code, name, effect;
};
NoteColumns SpacedNotes(HDC dc, const NoteColumns& designed, const ClassificationPageContent& content) {
  int widest[3] = {0, 0, 0};
  for (int n = 0; n < content.noteCount; ++n) {
    const PenaltyNote& note = content.notes[n];
    const std::string code = NoteCode(note);
    widest[0] = std::max(widest[0], TextWidth(dc, code.substr(0, code.size() - 1)));  // up to its colon
    widest[1] = std::max(widest[1], TextWidth(dc, Field(note.name)));
    widest[2] = std::max(widest[2], TextWidth(dc, NoteEffect(note)));
  }
  const std::vector<int> shifts = SpacingShifts({SpanOf(designed.code, Align::Left, widest[0]),
                                                 SpanOf(designed.name, Align::Left, widest[1]),
                                                 SpanOf(designed.effect, Align::Left, widest[2])},
                                                TwoBlanks(dc));
  return {designed.code, designed.name + shifts[1], designed.effect + shifts[2]};
}

// A note line: its code, name and what the penalty does.
void NoteLine(HDC dc, const NoteColumns& at, int y, const PenaltyNote& note) {
  PageText(dc, at.code, y, Align::Left, NoteCode(note));
  PageText(dc, at.name, y, Align::Left, Field(note.name));
  PageText(dc, at.effect, y, Align::Left, NoteEffect(note));
}

}  // namespace

void PaintClassificationScreenPage(HDC dc, const RECT& page, int first, const ClassificationPageContent& content) {
  const int L = page.left, T = page.top, R = page.right, B = page.bottom;
  FillArea(dc, L, T, R, B, RGB(255, 255, 255));
  FillArea(dc, L + 5, T + 124, R - 5, T + 139, kScreenHeadBand);
  for (int k = 0; k < kScreenLines; k += 2) {
    if (ContentLine(first + k, content, false).kind != PageLineKind::Row) break;
    FillArea(dc, L + 5, T + 148 + 18 * k, R - 5, T + 166 + 18 * k, kScreenStripe);
  }
  {
    GdiObject pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    Selection selected(dc, pen.get());
    DrawLine(dc, L, T, L, B);
    DrawLine(dc, R, T, R, B);
    for (int y : {T + 21, T + 90, B - 40}) DrawLine(dc, L, y, R, y);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  int titleWidth = 0;
  {
    GdiObject font(ArialFont(20, 700));
    Selection selected(dc, font.get());
    const std::string title = content.pageTitle ? content.pageTitle : "";
    if (content.rally) {
      PageText(dc, L + 10, T, Align::Left, title);
      titleWidth = TextWidth(dc, title);
    } else {
      PageText(dc, (L + R) / 2, T, Align::Centre, title);
    }
  }
  TrackDetails none = {};
  const TrackDetails& track = content.track ? *content.track : none;
  DrawEventDetails(dc, {L + 10, L + 105, T + 25, L + 500, L + 540, B - 35, L + 100}, track, Field(track.eventName));
  {
    GdiObject font(ArialFont(15, 700));
    Selection selected(dc, font.get());
    PageText(dc, L + 10, T + 100, Align::Left, content.classificationTitle);
  }
  const Columns columns = SpacedColumns(dc, kScreenColumns, content, 3, R - L - 3);
  Heads(dc, L, T + 125, columns, content.international);
  GdiObject font(BodyFont());
  Selection selected(dc, font.get());
  if (content.rally && content.rally->excludedText) {
    PageText(dc, L + 20 + titleWidth, T + 3, Align::Left, content.rally->excludedText);
  }
  PageText(dc, R - 210, B - 40, Align::Left, Tr(Text::ClassificationFooter));
  const NoteColumns notes = SpacedNotes(dc, {L + 10, L + 40, L + 130}, content);
  const RallyListColumns lists =
      content.rally ? SpacedRallyLists(dc, L + 10, L + 275, *content.rally) : RallyListColumns{L + 10, L + 275};
  for (int k = 0; k < kScreenLines; ++k) {
    const int y = T + 150 + 18 * k;
    PageLine line = ContentLine(first + k, content, false);
    if (line.kind == PageLineKind::Row) RowLine(dc, L, y, columns, content, line.index);
    if (line.kind == PageLineKind::Note) NoteLine(dc, notes, y, content.notes[line.index]);
    if (line.kind == PageLineKind::Abandon || line.kind == PageLineKind::Penalty) {
      RallyListLine(dc, lists, y, content, line);
    }
  }
}

void PaintClassificationPrintedPage(HDC dc, HDC logo, const ClassificationPrintedPage& page,
                                    const ClassificationPageContent& content, const ClassificationPrintedText& text) {
  PrintedListHeading heading = {content.pageTitle, content.track ? content.track->eventName : "", content.track, 130};
  heading.frameRight = 675;
  heading.bandLeft = 25;
  heading.bandRight = 675;
  heading.headingBand = page.rowLines > 0;
  heading.footer = Text::ClassificationFooter;
  heading.footerTop = 912;
  const int d = content.rally ? kRallyPrintedPageDrop : 0;
  heading.drop = d;
  PaintPrintedListFrame(dc, logo, page.rowLines, heading);
  {
    GdiObject font(ArialFont(15, 700));
    Selection selected(dc, font.get());
    PageText(dc, 40, 220 + d, Align::Left, content.classificationTitle);
  }
  const Columns columns = SpacedColumns(dc, kPrintedColumns, content, kPrintedFrameLeft, kPrintedFrameRight);
  if (page.rowLines > 0) Heads(dc, 0, 250 + d, columns, content.international);
  GdiObject font(BodyFont());
  Selection selected(dc, font.get());
  HFONT body = static_cast<HFONT>(font.get());
  const NoteColumns notes = SpacedNotes(dc, {30, 65, 180}, content);
  const RallyListColumns lists =
      content.rally ? SpacedRallyLists(dc, 30, 325, *content.rally) : RallyListColumns{30, 325};
  for (int k = 0; k < page.lines; ++k) {
    const int y = 275 + d + 20 * k;
    PageLine line = ContentLine(page.first + k, content, true);
    switch (line.kind) {
      case PageLineKind::Abandon:
      case PageLineKind::Penalty: RallyListLine(dc, lists, y, content, line); break;
      case PageLineKind::Row: RowLine(dc, 0, y, columns, content, line.index); break;
      case PageLineKind::Note: NoteLine(dc, notes, y, content.notes[line.index]); break;
      case PageLineKind::TrackCondition:
        DrawLabelledValues(dc, 30, 135, body, body,
                           {{y, Tr(Text::ClassificationPrintTrackConditions), text.trackCondition ? text.trackCondition : ""}});
        break;
      case PageLineKind::Comment:
        DrawLabelledValues(dc, 30, 110, body, body,
                           {{y, Tr(Text::ClassificationPrintComment), text.comment ? text.comment : ""}});
        break;
      case PageLineKind::Empty: break;
    }
  }
}

bool PrintClassificationPages(HWND owner, HDC printer, const char* documentName, const char* logoPath,
                              const ClassificationPageContent& content, const ClassificationPrintedText& text) {
  std::vector<ClassificationPrintedPage> pages =
      content.rally ? RallyPrintedPages(content.rowCount, content.rally->abandonLines, content.rally->penaltyLines)
                    : ClassificationPrintedPages(content.rowCount, content.noteCount);
  return PrintPages(owner, printer, documentName, logoPath, static_cast<int>(pages.size()),
                    [&](HDC dc, int page, HDC logo) { PaintClassificationPrintedPage(dc, logo, pages[page], content, text); });
}

void FitClassificationPage(HWND dialog, const RECT& page, int scrollBar, const std::vector<int>& buttons) {
  const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
  MoveWindow(GetDlgItem(dialog, scrollBar), page.right + 2, page.top + 130, barWidth,
             page.bottom - 40 - (page.top + 130), FALSE);
  RECT client;
  GetClientRect(dialog, &client);
  const int width = page.right + 2 + barWidth + 8;
  const int height = page.bottom + 40;
  if (client.right >= width && client.bottom >= height) return;
  RECT wanted = {0, 0, client.right > width ? client.right : width, client.bottom > height ? client.bottom : height};
  AdjustWindowRectEx(&wanted, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
  SetWindowPos(dialog, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (buttons.empty()) return;
  std::vector<RECT> places;
  for (int id : buttons) {
    RECT button;
    GetWindowRect(GetDlgItem(dialog, id), &button);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    places.push_back(button);
  }
  const int span = places.back().right - places.front().left;
  const int shift = (page.left + page.right - span) / 2 - places.front().left;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const RECT& r = places[i];
    MoveWindow(GetDlgItem(dialog, buttons[i]), r.left + shift, page.bottom + 10, r.right - r.left, r.bottom - r.top,
               FALSE);
  }
}

void InvalidateClassificationPage(HWND dialog, const RECT& page) {
  RedrawWindow(dialog, &page, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_NOCHILDREN);
}

void SetUpClassificationScrollBar(HWND bar, int maximum, bool shown) {
  SetScrollRange(bar, SB_CTL, 0, maximum, FALSE);
  SetScrollPos(bar, SB_CTL, 0, FALSE);
  ShowWindow(bar, shown ? SW_SHOW : SW_HIDE);
}

bool ScrollClassificationPage(HWND bar, WPARAM wParam) {
  int minimum = 0, maximum = 0;
  GetScrollRange(bar, SB_CTL, &minimum, &maximum);
  const int position = GetScrollPos(bar, SB_CTL);
  int next = position;
  switch (LOWORD(wParam)) {
    case SB_LINEUP: next = position > minimum ? position - 1 : position; break;
    case SB_LINEDOWN: next = position < maximum ? position + 1 : position; break;
    case SB_PAGEUP: next = minimum; break;
    case SB_PAGEDOWN: next = maximum; break;
    case SB_THUMBPOSITION: next = HIWORD(wParam); break;
  }
  SetScrollPos(bar, SB_CTL, next, TRUE);
  return next != position;
}

void FillFilterCombo(HWND dialog, int control, const std::vector<std::string>& items) {
  HWND combo = GetDlgItem(dialog, control);
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

std::string FilterComboText(HWND dialog, int control) {
  char text[64] = {};
  GetDlgItemTextA(dialog, control, text, sizeof text);
  return text;
}

void ClassificationDialogParts::Dress(HWND dialog, int printButton, int publishButton, const char* publishPicturePath,
                                      const std::vector<int>& fontControls) {
  printPicture.Set(dialog, printButton, "images/impression.bmp");
  publishPicture.Set(dialog, publishButton, publishPicturePath);
  font = CreateFontA(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  for (int control : fontControls) SendDlgItemMessageA(dialog, control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void ClassificationDialogParts::Release() {
  printPicture.Release();
  publishPicture.Release();
  if (font) DeleteObject(font);
  font = nullptr;
}

SCROLLINFO ClassificationScroll(HWND bar) {
  SCROLLINFO scroll = {};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL;
  GetScrollInfo(bar, SB_CTL, &scroll);
  return scroll;
}

void PaintClassificationInWindow(HWND dialog, const RECT& page, int first, const ClassificationPageContent& content) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  const int saved = SaveDC(dc);
  PaintClassificationScreenPage(dc, page, first, content);
  RestoreDC(dc, saved);
  EndPaint(dialog, &paint);
}

namespace {

RECT ChildRect(HWND dialog, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The left edge of the nearest control (or of the page) right of r on its line, and the top
// of the nearest below it in its columns.
void FreeSpace(HWND dialog, HWND self, const RECT& r, const RECT& page, int* right, int* bottom) {
  RECT client;
  GetClientRect(dialog, &client);
  *right = client.right;
  *bottom = client.bottom;
  std::vector<RECT> others = {page};
  for (HWND other = GetWindow(dialog, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
    if (other != self && (GetWindowLongPtrA(other, GWL_STYLE) & WS_VISIBLE)) others.push_back(ChildRect(dialog, other));
  }
  for (const RECT& o : others) {
    const bool sameLine = o.top < r.bottom && o.bottom > r.top;
    if (sameLine && o.left >= r.right - 1 && o.left < *right) *right = o.left;
  }
  for (const RECT& o : others) {
    const bool sameLine = o.top < r.bottom && o.bottom > r.top;
    const bool sameColumns = o.left < *right && o.right > r.left;
    if (!sameLine && sameColumns && o.top >= r.bottom - 1 && o.top < *bottom) *bottom = o.top;
  }
}

}  // namespace

void FitLabelsToText(HWND dialog, const std::vector<int>& labels, const RECT& page) {
  for (int id : labels) {
    HWND label = GetDlgItem(dialog, id);
    if (!label) continue;
    char text[256] = {};
    const int length = GetWindowTextA(label, text, sizeof text);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    const bool box = (GetWindowLongPtrA(label, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX &&
                     SendMessageA(label, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON;
    const int wanted = size.cx + (box ? GetSystemMetrics(SM_CXMENUCHECK) + 8 : 2);
    RECT r = ChildRect(dialog, label);
    if (r.right - r.left >= wanted) continue;
    int right = 0, bottom = 0;
    FreeSpace(dialog, label, r, page, &right, &bottom);
    const int width = wanted < right - r.left - 2 ? wanted : right - r.left - 2;
    int height = r.bottom - r.top;
    if (!box && width < wanted && r.top + 2 * (size.cy + 1) <= bottom) height = 2 * (size.cy + 1);
    if (width > r.right - r.left || height > r.bottom - r.top) {
      MoveWindow(label, r.left, r.top, width > r.right - r.left ? width : r.right - r.left, height, TRUE);
    }
  }
}
