#include "setup/start_order_paint.h"

#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/print_dialog.h"
#include "race/gdi_objects.h"

namespace {

constexpr COLORREF kBackground = RGB(230, 230, 220);
constexpr COLORREF kHeaderBand = RGB(255, 255, 200);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kConflict = RGB(250, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Where each column's text stands: the position and car number right-aligned on their x,
// the others left-aligned from theirs; 0 for a column that is not shown.
struct Columns {
  int position, carNumber, name, age, car, category, transponder, frequency1, frequency2;
};
constexpr Columns kScreenHeads = {47, 87, 100, 295, 335, 465, 605, 655, 705};
constexpr Columns kScreenRows = {47, 87, 100, 300, 335, 465, 605, 655, 705};
constexpr Columns kPageColumns = {70, 120, 140, 270, 310, 410, 540, 600, 0};

std::string FrequencyHead(int number) {
  char text[32];
  std::snprintf(text, sizeof text, Tr(Text::StartOrderFrequency), number);
  return text;
}

void Heads(HDC dc, int y, const Columns& at) {
  PageText(dc, at.position, y, Align::Right, Tr(Text::StartOrderPosition));
  PageText(dc, at.carNumber, y, Align::Right, Tr(Text::ParticipantsPrintCarNumber));
  PageText(dc, at.name, y, Align::Left, Tr(Text::ParticipantsPrintDriver));
  PageText(dc, at.age, y, Align::Left, Tr(Text::ParticipantsPrintAge));
  PageText(dc, at.car, y, Align::Left, Tr(Text::ParticipantsPrintCar));
  PageText(dc, at.category, y, Align::Left, Tr(Text::ParticipantsPrintCategory));
  PageText(dc, at.transponder, y, Align::Left, Tr(Text::StartOrderTransponder));
  PageText(dc, at.frequency1, y, Align::Left, FrequencyHead(1));
  if (at.frequency2) PageText(dc, at.frequency2, y, Align::Left, FrequencyHead(2));
}

// Entry e of the start order on one line; its first frequency in red when another driver
// of the rally has it too.
void Entry(HDC dc, int y, const Columns& at, const ParticipantRecord& entry, int e, int conflictCount) {
  SetTextColor(dc, kBlack);
  PageText(dc, at.position, y, Align::Right, std::to_string(e + 1));
  PageText(dc, at.carNumber, y, Align::Right, FieldText(entry.carNumber));
  PageText(dc, at.name, y, Align::Left, FieldText(entry.name));
  PageText(dc, at.age, y, Align::Left, FieldText(entry.ageCategoryCode));
  PageText(dc, at.car, y, Align::Left, FieldText(entry.car));
  PageText(dc, at.category, y, Align::Left, FieldText(entry.carCategory));
  PageText(dc, at.transponder, y, Align::Left, FieldText(entry.transponder));
  if (at.frequency2) PageText(dc, at.frequency2, y, Align::Left, FieldText(entry.frequencies[1]));
  if (ShowsRadioConflict(conflictCount)) SetTextColor(dc, kConflict);
  PageText(dc, at.frequency1, y, Align::Left, FieldText(entry.frequencies[0]));
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

void Frame(HDC dc, int count, int first) {
  const int bottom = StartOrderBodyBottom(count);
  {
    GdiObject pen(CreatePen(PS_SOLID, 2, kBlack));
    Selection selected(dc, pen.get());
    DrawLine(dc, 20, 80, 750, 80);
    DrawLine(dc, 750, 80, 750, 110);
    DrawLine(dc, 750, 110, 20, 110);
    DrawLine(dc, 20, 110, 20, 80);
    for (int x : {50, 90, 290, 330, 460, 600, 650, 700}) DrawLine(dc, x, 80, x, 110);
    DrawLine(dc, 20, 110, 20, bottom);
    DrawLine(dc, 750, 110, 750, bottom);
    if (StartOrderBottomEdgeShown(count, first)) DrawLine(dc, 20, bottom, 750, bottom);
  }
  GdiObject pen(CreatePen(PS_SOLID, 1, kBlack));
  Selection selected(dc, pen.get());
  for (int x : {50, 90, 290, 330, 460, 600, 650}) DrawLine(dc, x, 110, x, bottom);
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
  {
    GdiObject font(ArialFont(14, 700, true));
    Selection selected(dc, font.get());
    Heads(dc, 250, kPageColumns);
  }
  GdiObject font(ArialFont(14, FW_NORMAL));
  Selection selected(dc, font.get());
  for (int row = 0; row < page.rows; ++row) {
    const int e = page.first + row;
    Entry(dc, PrintedRowTop(row), kPageColumns, data.order[e], e, conflicts[e]);
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
  Frame(dc, count, first);
  SetBkMode(dc, TRANSPARENT);
  {
    GdiObject font(ArialFont(16, FW_NORMAL));
    Selection selected(dc, font.get());
    Heads(dc, 90, kScreenHeads);
  }
  {
    GdiObject font(ArialFont(15, FW_NORMAL));
    Selection selected(dc, font.get());
    for (int i = 0; i < count && i < kStartOrderVisibleRows && first + i < kMaxParticipants; ++i) {
      Entry(dc, 113 + 20 * i, kScreenRows, data.order[first + i], first + i, conflicts[first + i]);
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
