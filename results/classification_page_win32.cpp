#include "results/classification_page_win32.h"

#include <cstdio>
#include <cstring>
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

// Where each column of a page stands, from the page's left edge (screen) or absolute (paper).
struct Columns {
  int position, number, name, age, team, flag, category, time, leader, previous, mark;
};
constexpr Columns kScreenColumns = {30, 65, 75, 185, 210, 240, 300, 485, 555, 625, 650};
constexpr Columns kScreenHeads = {30, 65, 75, 180, 210, 0, 300, 485, 555, 625, 660};
constexpr Columns kPrintedColumns = {50, 85, 95, 225, 250, 285, 320, 490, 560, 630, 655};
constexpr Columns kPrintedHeads = {50, 85, 95, 220, 250, 0, 320, 490, 560, 630, 670};

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

void Heads(HDC dc, int left, int y, const Columns& c, int international) {
  GdiObject font(ArialFont(14, 700));
  Selection selected(dc, font.get());
  PageText(dc, left + c.name, y, Align::Left, Tr(Text::ClassificationHeadDriver));
  PageText(dc, left + c.age, y, Align::Left, Tr(Text::ClassificationHeadAge));
  PageText(dc, left + c.team, y, Align::Left,
           Tr(international != 0 ? Text::ClassificationHeadNation : Text::ClassificationHeadTeam));
  PageText(dc, left + c.category, y, Align::Left, Tr(Text::ClassificationHeadCategory));
  PageText(dc, left + c.position, y, Align::Right, Tr(Text::ClassificationHeadPosition));
  PageText(dc, left + c.number, y, Align::Right, Tr(Text::ClassificationHeadNumber));
  PageText(dc, left + c.time, y, Align::Right, Tr(Text::ClassificationHeadTime));
  PageText(dc, left + c.leader, y, Align::Right, Tr(Text::ClassificationHeadLeader));
  PageText(dc, left + c.previous, y, Align::Right, Tr(Text::ClassificationHeadPrevious));
  PageText(dc, left + c.mark, y, Align::Right, Tr(Text::ClassificationHeadPenalty));
}

// A row line; the body font is selected.
void RowLine(HDC dc, int left, int y, const Columns& c, const ClassificationPageContent& content, int i) {
  const ClassificationRow& row = content.rows[i];
  PageText(dc, left + c.name, y, Align::Left, Field(row.name));
  PageText(dc, left + c.age, y, Align::Left, Field(row.ageCode));
  PageText(dc, left + c.team, y, Align::Left, Field(row.team));
  if (content.international == 1) Flag(dc, left + c.flag, y, row);
  PageText(dc, left + c.category, y, Align::Left, Field(row.category));
  PageText(dc, left + c.position, y, Align::Right, std::to_string(i + 1));
  PageText(dc, left + c.number, y, Align::Right, Field(row.carNumber));
  if (row.state >= 3) {
    PageText(dc, left + c.time, y, Align::Right, ClassificationTimeText(row.time));
    PageText(dc, left + c.leader, y, Align::Right, ClassificationGapText(row.gapToLeader));
    PageText(dc, left + c.previous, y, Align::Right, ClassificationGapText(row.gapToPrevious));
  }
  if (content.rally) {
    if (row.state >= 3) PageText(dc, left + c.mark, y, Align::Centre, RallyRowMark(row));
  } else if (const PenaltyRecord* penalty = CarriedPenalty(row.state, content.penalties, content.penaltyCount)) {
    PageText(dc, left + c.mark, y, Align::Centre, "(" + Field(penalty->code) + ")");
  }
}

// Text whose characters stand where the device context measures them. A printer driver may
// lay text out with advances of its own, wider than the measure, and so run a heading into
// what is placed after its measured end.
void MeasuredText(HDC dc, int x, int y, const std::string& text) {
  const int count = static_cast<int>(text.size());
  std::vector<int> ends(text.size());
  SIZE size = {};
  if (count == 0 || !GetTextExtentExPointA(dc, text.data(), count, 0, nullptr, ends.data(), &size)) {
    PageText(dc, x, y, Align::Left, text);
    return;
  }
  std::vector<int> advances(text.size());
  for (int i = 0; i < count; ++i) advances[i] = ends[i] - (i > 0 ? ends[i - 1] : 0);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  ExtTextOutA(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(count), advances.data());
}

int TextWidth(HDC dc, const std::string& text) {
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// A line of a rally page's lists: the heading on the list's first line, then the entry of
// the driver of its place in the list, wherever the page begins.
void RallyListLine(HDC dc, int headingX, int entryX, int y, const ClassificationPageContent& content,
                   const PageLine& line) {
  const RallyPageLists& lists = *content.rally;
  const std::string headings[] = {RallyAbandonHeading(lists.ssFrom, lists.ssTo),
                                  RallyPenaltyHeading(lists.ssFrom, lists.ssTo)};
  // A heading longer in some language pushes the entries of both lists right, together, and
  // two blanks past its end, so that the heading never runs into its first entry.
  const int gap = TextWidth(dc, "  ");
  for (const std::string& heading : headings) {
    const int clear = headingX + TextWidth(dc, heading) + gap;
    if (clear > entryX) entryX = clear;
  }
  const bool abandon = line.kind == PageLineKind::Abandon;
  if (line.index == 0) MeasuredText(dc, headingX, y, headings[abandon ? 0 : 1]);
  const int row = abandon ? NthRowWithAbandon(content.rows, content.rowCount, line.index)
                          : NthRowWithPenalty(content.rows, content.rowCount, line.index);
  if (row < 0) return;
  PageText(dc, entryX, y, Align::Left,
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

// A note line: its code, name and what the penalty does.
void NoteLine(HDC dc, int codeX, int nameX, int textX, int y, const PenaltyNote& note) {
  PageText(dc, codeX, y, Align::Left, "(" + Field(note.code) + ") : ");
  PageText(dc, nameX, y, Align::Left, Field(note.name));
  if (note.kind < kPenaltyGross || note.kind > kPenaltyAfterLast) return;
  char text[96];
  std::snprintf(text, sizeof text, Tr(NoteText(note.kind)), note.duration);
  PageText(dc, textX, y, Align::Left, text);
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
      SIZE size = {};
      GetTextExtentPoint32A(dc, title.c_str(), static_cast<int>(title.size()), &size);
      titleWidth = size.cx;
    } else {
      PageText(dc, (L + R) / 2, T, Align::Centre, title);
    }
  }
  TrackDetails none = {};
  const TrackDetails& track = content.track ? *content.track : none;
  // Each value after its label; a label longer in some language pushes its value right
  // instead of running into it.
  struct Detail {
    int x, y;
    Text label;
    int valueX;
    std::string value;
  };
  const Detail details[] = {
      {L + 10, T + 25, Text::ParticipantsPrintChampionship, L + 105, Field(track.championship)},
      {L + 10, T + 43, Text::ParticipantsPrintRallyName, L + 105, Field(track.eventName)},
      {L + 10, T + 61, Text::ParticipantsPrintLocation, L + 105, Field(track.location)},
      {L + 500, T + 61, Text::ParticipantsPrintDate, L + 540, Field(track.date)},
      {L + 10, B - 35, Text::ParticipantsPrintRaceDirector, L + 100, Field(track.raceDirector)},
      {L + 10, B - 15, Text::ParticipantsPrintHostingClub, L + 100, Field(track.hostingClub)},
  };
  int valueX[6];
  {
    GdiObject font(ArialFont(15, 700));
    Selection selected(dc, font.get());
    for (int i = 0; i < 6; ++i) {
      const Detail& d = details[i];
      const char* label = Tr(d.label);
      PageText(dc, d.x, d.y, Align::Left, label);
      SIZE size = {};
      GetTextExtentPoint32A(dc, label, static_cast<int>(std::strlen(label)), &size);
      valueX[i] = d.x + size.cx + 4 > d.valueX ? d.x + size.cx + 4 : d.valueX;
    }
    PageText(dc, L + 10, T + 100, Align::Left, content.classificationTitle);
  }
  {
    GdiObject font(ArialFont(15, FW_NORMAL));
    Selection selected(dc, font.get());
    for (int i = 0; i < 6; ++i) PageText(dc, valueX[i], details[i].y, Align::Left, details[i].value);
  }
  Heads(dc, L, T + 125, kScreenHeads, content.international);
  GdiObject font(ArialFont(14, FW_NORMAL));
  Selection selected(dc, font.get());
  if (content.rally && content.rally->excludedText) {
    PageText(dc, L + 20 + titleWidth, T + 3, Align::Left, content.rally->excludedText);
  }
  PageText(dc, R - 210, B - 40, Align::Left, Tr(Text::ClassificationFooter));
  for (int k = 0; k < kScreenLines; ++k) {
    const int y = T + 150 + 18 * k;
    PageLine line = ContentLine(first + k, content, false);
    if (line.kind == PageLineKind::Row) RowLine(dc, L, y, kScreenColumns, content, line.index);
    if (line.kind == PageLineKind::Note) NoteLine(dc, L + 10, L + 40, L + 130, y, content.notes[line.index]);
    if (line.kind == PageLineKind::Abandon || line.kind == PageLineKind::Penalty) {
      RallyListLine(dc, L + 10, L + 275, y, content, line);
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
  if (page.rowLines > 0) Heads(dc, 0, 250 + d, kPrintedHeads, content.international);
  GdiObject font(ArialFont(14, FW_NORMAL));
  Selection selected(dc, font.get());
  for (int k = 0; k < page.lines; ++k) {
    const int y = 275 + d + 20 * k;
    PageLine line = ContentLine(page.first + k, content, true);
    switch (line.kind) {
      case PageLineKind::Abandon:
      case PageLineKind::Penalty: RallyListLine(dc, 30, 325, y, content, line); break;
      case PageLineKind::Row: RowLine(dc, 0, y, kPrintedColumns, content, line.index); break;
      case PageLineKind::Note: NoteLine(dc, 30, 65, 180, y, content.notes[line.index]); break;
      case PageLineKind::TrackCondition:
        PageText(dc, 30, y, Align::Left, Tr(Text::ClassificationPrintTrackConditions));
        PageText(dc, 135, y, Align::Left, text.trackCondition ? text.trackCondition : "");
        break;
      case PageLineKind::Comment:
        PageText(dc, 30, y, Align::Left, Tr(Text::ClassificationPrintComment));
        PageText(dc, 110, y, Align::Left, text.comment ? text.comment : "");
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
