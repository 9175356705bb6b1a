#include "setup/start_order_paint.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/print_dialog.h"
#include "race/gdi_objects.h"

namespace {

constexpr COLORREF kBackground = RGB(230, 230, 220);
constexpr COLORREF kHeaderBand = RGB(255, 255, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kConflict = RGB(250, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The columns of the table, left to right. Where each column's text stands: the position
// and car number right-aligned on their x, the others left-aligned from theirs; 0 for a
// column that is not shown.
enum Column { kPosition, kCarNumber, kName, kAge, kCar, kCategory, kTransponder, kFrequency1, kFrequency2, kColumnCount };
struct Columns {
  int x[kColumnCount];
};
constexpr Align kAlign[kColumnCount] = {Align::Right, Align::Right, Align::Left, Align::Left, Align::Left,
                                        Align::Left,  Align::Left,  Align::Left, Align::Left};
constexpr Columns kScreenHeads = {{47, 87, 100, 295, 335, 465, 605, 655, 705}};
constexpr Columns kScreenRows = {{47, 87, 100, 300, 335, 465, 605, 655, 705}};
constexpr Columns kPageColumns = {{70, 120, 140, 270, 310, 410, 540, 600, 0}};

// The screen table's column lines, each with the column whose text it borders, so that it
// moves with that column: the lines of the header (the last one only there) and of the body.
struct ColumnLine {
  int x;
  Column column;
};
constexpr ColumnLine kColumnLines[] = {{50, kPosition}, {90, kCarNumber},   {290, kAge},        {330, kCar},
                                       {460, kCategory}, {600, kTransponder}, {650, kFrequency1}, {700, kFrequency2}};
constexpr int kHeaderOnlyLines = 1;

std::string FrequencyHead(int number) {
  char text[32];
  std::snprintf(text, sizeof text, Tr(Text::StartOrderFrequency), number);
  return text;
}

std::string HeadText(int column) {
  switch (column) {
    case kPosition: return Tr(Text::StartOrderPosition);
    case kCarNumber: return Tr(Text::ParticipantsPrintCarNumber);
    case kName: return Tr(Text::ParticipantsPrintDriver);
    case kAge: return Tr(Text::ParticipantsPrintAge);
    case kCar: return Tr(Text::ParticipantsPrintCar);
    case kCategory: return Tr(Text::ParticipantsPrintCategory);
    case kTransponder: return Tr(Text::StartOrderTransponder);
    case kFrequency1: return FrequencyHead(1);
    default: return FrequencyHead(2);
  }
}

std::string EntryText(const ParticipantRecord& entry, int e, int column) {
  switch (column) {
    case kPosition: return std::to_string(e + 1);
    case kCarNumber: return FieldText(entry.carNumber);
    case kName: return FieldText(entry.name);
    case kAge: return FieldText(entry.ageCategoryCode);
    case kCar: return FieldText(entry.car);
    case kCategory: return FieldText(entry.carCategory);
    case kTransponder: return FieldText(entry.transponder);
    case kFrequency1: return FieldText(entry.frequencies[0]);
    default: return FieldText(entry.frequencies[1]);
  }
}

// How far each column moves with this build's heads (in headFont) and the start order's
// entries (in rowFont) within the table's frame: a head longer in some language moves its
// column right of the column before it.
std::vector<int> StartOrderShifts(HDC dc, const StartOrderDialogData& data, const Columns& heads, const Columns& rows,
                                  HFONT headFont, HFONT rowFont, int frameLeft, int frameRight) {
  const int count = std::min(StartOrderRowCount(data), kMaxParticipants);
  std::vector<PageColumn> columns;
  for (int c = 0; c < kColumnCount; ++c) {
    PageColumn column = {heads.x[c], kAlign[c], heads.x[c] ? HeadText(c) : "", rows.x[c], kAlign[c], {}};
    for (int e = 0; e < count && rows.x[c]; ++e) column.rows.push_back(EntryText(data.order[e], e, c));
    columns.push_back(column);
  }
  return ColumnShifts(dc, headFont, rowFont, columns, frameLeft + 2, frameRight - 2);
}

Columns Shifted(const Columns& columns, const std::vector<int>& shifts) {
  Columns shifted = columns;
  for (int c = 0; c < kColumnCount; ++c) {
    if (shifted.x[c]) shifted.x[c] += shifts[c];
  }
  return shifted;
}

void Heads(HDC dc, int y, const Columns& at) {
  for (int c = 0; c < kColumnCount; ++c) {
    if (at.x[c]) PageText(dc, at.x[c], y, kAlign[c], HeadText(c));
  }
}

// Entry e of the start order on one line; its first frequency in red when another driver
// of the rally has it too.
void Entry(HDC dc, int y, const Columns& columns, const ParticipantRecord& entry, int e, int conflictCount) {
  for (int c = 0; c < kColumnCount; ++c) {
    if (!columns.x[c]) continue;
    SetTextColor(dc, c == kFrequency1 && ShowsRadioConflict(conflictCount) ? kConflict : kBlack);
    PageText(dc, columns.x[c], y, kAlign[c], EntryText(entry, e, c));
  }
  SetTextColor(dc, kBlack);
}

// A picture file at its own size; a missing file draws nothing.
class Picture {
 public:
  explicit Picture(const char* path)
      : bitmap_(static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE))) {
    BITMAP info = {};
    if (bitmap_ && GetObjectA(bitmap_, sizeof info, &info)) {
      width_ = info.bmWidth;
      height_ = info.bmHeight;
    }
  }
  ~Picture() {
    if (bitmap_) DeleteObject(bitmap_);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  void Draw(HDC dc, HDC memory, int x, int y) const {
    if (!bitmap_ || !memory) return;
    HGDIOBJ old = SelectObject(memory, bitmap_);
    BitBlt(dc, x, y, width_, height_, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
  }

 private:
  HBITMAP bitmap_;
  int width_ = 0;
  int height_ = 0;
};

void Frame(HDC dc, int count, int first, const std::vector<int>& shifts) {
  const int bottom = StartOrderBodyBottom(count);
  {
    GdiObject pen(CreatePen(PS_SOLID, 2, kBlack));
    Selection selected(dc, pen.get());
    DrawLine(dc, 20, 80, 750, 80);
    DrawLine(dc, 750, 80, 750, 110);
    DrawLine(dc, 750, 110, 20, 110);
    DrawLine(dc, 20, 110, 20, 80);
    for (const ColumnLine& line : kColumnLines) {
      const int x = line.x + shifts[line.column];
      DrawLine(dc, x, 80, x, 110);
    }
    DrawLine(dc, 20, 110, 20, bottom);
    DrawLine(dc, 750, 110, 750, bottom);
    if (StartOrderBottomEdgeShown(count, first)) DrawLine(dc, 20, bottom, 750, bottom);
  }
  GdiObject pen(CreatePen(PS_SOLID, 1, kBlack));
  Selection selected(dc, pen.get());
  for (std::size_t i = 0; i + kHeaderOnlyLines < sizeof kColumnLines / sizeof kColumnLines[0]; ++i) {
    const int x = kColumnLines[i].x + shifts[kColumnLines[i].column];
    DrawLine(dc, x, 110, x, bottom);
  }
  for (int k = 1; k <= count - 1 && k <= kStartOrderVisibleRows; ++k) {
    DrawLine(dc, 20, 110 + 20 * k, 750, 110 + 20 * k);
  }
}

void Arrows(HDC dc, int count) {
  Picture up("images/FlecheHaut.bmp");
  Picture down("images/FlecheBas.bmp");
  HDC memory = CreateCompatibleDC(dc);
  for (int k = 0; k < StartOrderArrowPairs(count); ++k) {
    up.Draw(dc, memory, 250, 134 + 20 * k);
    down.Draw(dc, memory, 270, 114 + 20 * k);
  }
  if (memory) DeleteDC(memory);
}

// One page on a mapped device context.
void PaintMappedPage(HDC dc, const StartOrderDialogData& data, const PrintedPage& page, HDC logo,
                     const int conflicts[kMaxParticipants]) {
  const int count = StartOrderRowCount(data);
  char title[128];
  std::snprintf(title, sizeof title, Tr(Text::StartOrderPrintTitle), count);
  char eventTitle[sizeof data.track.eventName + 3 + kRallyNameSize];
  std::snprintf(eventTitle, sizeof eventTitle, "%s / %s", data.track.eventName, StartOrderRallyName(data));
  PaintPrintedListFrame(dc, logo, page.rows, {title, eventTitle, &data.track, 130});
  GdiObject headFont(ArialFont(14, 700, true));
  GdiObject font(ArialFont(14, FW_NORMAL));
  const Columns columns = Shifted(
      kPageColumns, StartOrderShifts(dc, data, kPageColumns, kPageColumns, static_cast<HFONT>(headFont.get()),
                                     static_cast<HFONT>(font.get()), 20, 665));
  {
    Selection selected(dc, headFont.get());
    Heads(dc, 250, columns);
  }
  Selection selected(dc, font.get());
  for (int row = 0; row < page.rows; ++row) {
    const int e = page.first + row;
    Entry(dc, PrintedRowTop(row), columns, data.order[e], e, conflicts[e]);
  }
}

}  // namespace

void DrawStartOrderTable(HDC dc, const StartOrderDialogData& data, int first) {
  const int count = StartOrderRowCount(data);
  static int conflicts[kMaxParticipants];
  CountRadioConflicts(data.order, count, conflicts);
  const int saved = SaveDC(dc);
  FillArea(dc, 19, 80, 751, 511, kBackground);
  FillArea(dc, 20, 80, 750, 110, kHeaderBand);
  FillArea(dc, 20, 110, 750, StartOrderBodyBottom(count), kWhite);
  GdiObject headFont(ArialFont(16, FW_NORMAL));
  GdiObject rowFont(ArialFont(15, FW_NORMAL));
  const std::vector<int> shifts = StartOrderShifts(dc, data, kScreenHeads, kScreenRows,
                                                   static_cast<HFONT>(headFont.get()), static_cast<HFONT>(rowFont.get()), 20, 750);
  Frame(dc, count, first, shifts);
  SetBkMode(dc, TRANSPARENT);
  {
    Selection selected(dc, headFont.get());
    Heads(dc, 90, Shifted(kScreenHeads, shifts));
  }
  {
    Selection selected(dc, rowFont.get());
    const Columns rows = Shifted(kScreenRows, shifts);
    for (int i = 0; i < count && i < kStartOrderVisibleRows && first + i < kMaxParticipants; ++i) {
      Entry(dc, 113 + 20 * i, rows, data.order[first + i], first + i, conflicts[first + i]);
    }
  }
  Arrows(dc, count);
  RestoreDC(dc, saved);
}

void PaintStartOrder(HWND dialog, const RECT& area, const StartOrderDialogData& data, int first) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  DrawStartOrderTable(dc, data, first);
  RestoreDC(dc, saved);
  EndPaint(dialog, &paint);
}

void PaintStartOrderPage(HDC dc, int deviceWidth, int deviceHeight, const StartOrderDialogData& data,
                         const PrintedPage& page, HDC logo) {
  static int conflicts[kMaxParticipants];
  CountRadioConflicts(data.order, StartOrderRowCount(data), conflicts);
  PrintedPageMapping mapping(dc, deviceWidth, deviceHeight);
  PaintMappedPage(dc, data, page, logo, conflicts);
}

bool PrintStartOrderPages(HWND owner, HDC printer, const StartOrderDialogData& data) {
  static int conflicts[kMaxParticipants];
  CountRadioConflicts(data.order, StartOrderRowCount(data), conflicts);
  return PrintListPages(owner, printer, Tr(Text::StartOrderPrintDocument), data.logoPath, StartOrderRowCount(data),
                        [&data](HDC dc, const PrintedPage& page, HDC logo) {
                          PaintMappedPage(dc, data, page, logo, conflicts);
                        });
}

void PrintStartOrder(HWND owner, const StartOrderDialogData& data) {
  platform::PrinterChoice printer;
  if (!platform::ChoosePrinter(owner, &printer)) return;
  if (StartOrderRowCount(data) > 0) PrintStartOrderPages(owner, static_cast<HDC>(printer.dc), data);
  platform::ReleasePrinter(&printer);
}
