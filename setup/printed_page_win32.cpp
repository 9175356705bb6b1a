#include "setup/printed_page_win32.h"

#include <algorithm>

#include "app/build_profile.h"
#include "platform/message_box.h"
#include "race/gdi_objects.h"

namespace {

constexpr COLORREF kHeadingBand = RGB(255, 214, 142);
constexpr COLORREF kRowBand = RGB(234, 234, 234);

void Band(HDC dc, const PrintedListHeading& heading, int top, int bottom, COLORREF colour) {
  FillArea(dc, heading.bandLeft, top, heading.bandRight, bottom, colour);
}

void Frame(HDC dc, int right, int drop) {
  GdiObject pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
  Selection selected(dc, pen.get());
  DrawLine(dc, 20, 120 + drop, 20, 950 + drop);
  DrawLine(dc, right, 120 + drop, right, 950 + drop);
  for (int y : {141, 210, 910}) DrawLine(dc, 20, y + drop, right, y + drop);
}

// The event's details above the list and below it.
void Details(HDC dc, const PrintedListHeading& heading) {
  const int d = heading.drop;
  TrackDetails none = {};
  DrawEventDetails(dc, {30, 135, 145 + d, 520, 565, 915 + d, heading.lowerValuesX}, heading.track ? *heading.track : none,
                   heading.eventTitle ? heading.eventTitle : "");
}

}  // namespace

MemoryBitmap::MemoryBitmap(HDC dc, const char* path, int width, int height) {
  if (!path || !*path) return;
  bitmap_ = static_cast<HBITMAP>(
      LoadImageA(nullptr, path, IMAGE_BITMAP, width, height, LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_VGACOLOR));
  if (!bitmap_) return;
  memory_ = CreateCompatibleDC(dc);
  if (memory_) old_ = SelectObject(memory_, bitmap_);
}

MemoryBitmap::~MemoryBitmap() {
  if (memory_) {
    if (old_) SelectObject(memory_, old_);
    DeleteDC(memory_);
  }
  if (bitmap_) DeleteObject(bitmap_);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void FillArea(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT area = {left, top, right, bottom};
  GdiObject brush(CreateSolidBrush(colour));
  FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

namespace {

// A mapped device context (a printed page) set, for the life of this object, to its device
// units and the selected font at its device size. Its logical units are too coarse to place
// characters by, and its logical measure of a text may come out narrower than what the font
// at the device's size draws; in device units each character is measured and drawn alike.
class DeviceUnits {
 public:
  explicit DeviceUnits(HDC dc) : dc_(dc) {
    LOGFONTA font = {};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
    POINT points[3] = {{0, 0}, {font.lfWidth, font.lfHeight}, {kScaleBase, 0}};
    LPtoDP(dc, points, 3);
    font.lfHeight = points[1].y - points[0].y;
    font.lfWidth = points[1].x - points[0].x;
    deviceUnits_ = points[2].x - points[0].x;
    font_ = CreateFontIndirectA(&font);
    saved_ = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    if (font_) SelectObject(dc, font_);
  }
  ~DeviceUnits() {
    RestoreDC(dc_, saved_);
    if (font_) DeleteObject(font_);
  }
  DeviceUnits(const DeviceUnits&) = delete;
  DeviceUnits& operator=(const DeviceUnits&) = delete;
  // A width in device units in logical units, rounded up.
  int Logical(int width) const {
    return deviceUnits_ > 0 ? static_cast<int>((static_cast<long long>(width) * kScaleBase + deviceUnits_ - 1) / deviceUnits_)
                            : width;
  }

 private:
  static constexpr int kScaleBase = 10000;
  HDC dc_;
  HFONT font_ = nullptr;
  int saved_ = 0;
  int deviceUnits_ = 0;  // of kScaleBase logical units
};

bool Mapped(HDC dc) { return GetMapMode(dc) != MM_TEXT; }

int MeasuredWidth(HDC dc, const std::string& text) {
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// The characters of text at (x, y) of dc (aligned by its text alignment), each where dc
// measures it.
void MeasuredTextOut(HDC dc, int x, int y, const std::string& text) {
  const int count = static_cast<int>(text.size());
  std::vector<int> ends(text.size());
  SIZE size = {};
  if (!GetTextExtentExPointA(dc, text.data(), count, 0, nullptr, ends.data(), &size)) {
    TextOutA(dc, x, y, text.data(), count);
    return;
  }
  std::vector<int> advances(text.size());
  for (int i = 0; i < count; ++i) advances[i] = ends[i] - (i > 0 ? ends[i - 1] : 0);
  ExtTextOutA(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(count), advances.data());
}

}  // namespace

void PageText(HDC dc, int x, int y, Align align, const std::string& text) {
  if (text.empty()) return;
  const UINT alignment = (align == Align::Right ? TA_RIGHT : align == Align::Centre ? TA_CENTER : TA_LEFT) | TA_TOP;
  if (!Mapped(dc)) {
    SetTextAlign(dc, alignment);
    TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
    return;
  }
  POINT at = {x, y};
  LPtoDP(dc, &at, 1);
  DeviceUnits device(dc);
  SetTextAlign(dc, alignment);
  MeasuredTextOut(dc, at.x, at.y, text);
}

int TextWidth(HDC dc, const std::string& text) { return WidestText(dc, {text}); }

int WidestText(HDC dc, const std::vector<std::string>& texts) {
  int widest = 0;
  if (!Mapped(dc)) {
    for (const std::string& text : texts) widest = std::max(widest, MeasuredWidth(dc, text));
    return widest;
  }
  DeviceUnits device(dc);
  for (const std::string& text : texts) widest = std::max(widest, MeasuredWidth(dc, text));
  return device.Logical(widest);
}

int TwoBlanks(HDC dc) { return TextWidth(dc, "  "); }

std::vector<int> ColumnShifts(HDC dc, HFONT headFont, HFONT rowFont, const std::vector<PageColumn>& columns,
                              int leftLimit, int rightLimit) {
  std::vector<Span> spans;
  int gap = 0;
  {
    Selection selected(dc, headFont);
    for (const PageColumn& column : columns) spans.push_back(SpanOf(column.headX, column.headAlign, TextWidth(dc, column.head)));
    gap = TwoBlanks(dc);
  }
  Selection selected(dc, rowFont);
  gap = std::max(gap, TwoBlanks(dc));
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const PageColumn& column = columns[c];
    if (!column.rows.empty()) {
      spans[c] = Joined(spans[c], SpanOf(column.rowX, column.rowAlign, WidestText(dc, column.rows)));
    }
    if (column.pictureWidth > 0) spans[c] = Joined(spans[c], {column.pictureX, column.pictureX + column.pictureWidth});
  }
  return SpacingShifts(spans, gap, leftLimit, rightLimit);
}

void DrawLabelledValues(HDC dc, int labelX, int valueX, HFONT labelFont, HFONT valueFont,
                        const std::vector<LabelLine>& lines) {
  {
    Selection selected(dc, labelFont);
    int end = labelX;
    for (const LabelLine& line : lines) {
      PageText(dc, labelX, line.y, Align::Left, line.label);
      end = std::max(end, labelX + TextWidth(dc, line.label));
    }
    if (end > labelX) valueX = StartAfter(end, TwoBlanks(dc), valueX);
  }
  Selection selected(dc, valueFont);
  for (const LabelLine& line : lines) PageText(dc, valueX, line.y, Align::Left, line.value);
}

HFONT ArialFont(int height, int weight, bool underline) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                     0, "Arial");
}

void DrawEventDetails(HDC dc, const EventDetailsPlaces& at, const TrackDetails& track, const std::string& rallyName) {
  GdiObject bold(ArialFont(15, 700));
  GdiObject normal(ArialFont(15, FW_NORMAL));
  HFONT label = static_cast<HFONT>(bold.get());
  HFONT value = static_cast<HFONT>(normal.get());
  DrawLabelledValues(dc, at.labelX, at.valueX, label, value,
                     {{at.top, Tr(Text::ParticipantsPrintChampionship), FieldText(track.championship)},
                      {at.top + 18, Tr(Text::ParticipantsPrintRallyName), rallyName},
                      {at.top + 36, Tr(Text::ParticipantsPrintLocation), FieldText(track.location)}});
  DrawLabelledValues(dc, at.dateLabelX, at.dateValueX, label, value,
                     {{at.top + 36, Tr(Text::ParticipantsPrintDate), FieldText(track.date)}});
  DrawLabelledValues(dc, at.labelX, at.lowerValueX, label, value,
                     {{at.lowerTop, Tr(Text::ParticipantsPrintRaceDirector), FieldText(track.raceDirector)},
                      {at.lowerTop + 20, Tr(Text::ParticipantsPrintHostingClub), FieldText(track.hostingClub)}});
}

PrintedPageMapping::PrintedPageMapping(HDC dc, int deviceWidth, int deviceHeight) : dc_(dc), saved_(SaveDC(dc)) {
  SetMapMode(dc, MM_ISOTROPIC);
  SetWindowExtEx(dc, kPrintedPageWidth, kPrintedPageHeight, nullptr);
  SetViewportExtEx(dc, deviceWidth, deviceHeight, nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);
}

PrintedPageMapping::~PrintedPageMapping() { RestoreDC(dc_, saved_); }

void PaintPrintedListFrame(HDC dc, HDC logo, int rows, const PrintedListHeading& heading) {
  if (logo) BitBlt(dc, 25, 25, 200, 50, logo, 0, 0, SRCCOPY);
  const int d = heading.drop;
  if (heading.headingBand) Band(dc, heading, 247 + d, 267 + d, kHeadingBand);
  for (int row = 0; row < rows; ++row) {
    if (RowHasBand(row)) Band(dc, heading, PrintedRowTop(row) - 3 + d, PrintedRowTop(row) + 17 + d, kRowBand);
  }
  Frame(dc, heading.frameRight, d);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  {
    GdiObject font(ArialFont(20, 700));
    Selection selected(dc, font.get());
    PageText(dc, 342, 120 + d, Align::Centre, heading.title ? heading.title : "");
  }
  Details(dc, heading);
  GdiObject font(ArialFont(14, FW_NORMAL));
  Selection selected(dc, font.get());
  PageText(dc, 445, heading.footerTop + d, Align::Left, Tr(heading.footer));
}

namespace {

// The pages of one document; false when the printer refused it at any step.
bool SendPages(HDC printer, const char* documentName, int pageCount, HDC logo, const NumberedPagePainter& paint) {
  int width = GetDeviceCaps(printer, HORZRES);
  int height = GetDeviceCaps(printer, VERTRES);
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = documentName;
  if (StartDocA(printer, &document) <= 0) return false;
  for (int page = 0; page < pageCount; ++page) {
    if (StartPage(printer) <= 0) {
      AbortDoc(printer);
      return false;
    }
    {
      PrintedPageMapping mapping(printer, width, height);
      paint(printer, page, logo);
    }
    if (EndPage(printer) <= 0) {
      AbortDoc(printer);
      return false;
    }
  }
  return EndDoc(printer) > 0;
}

}  // namespace

bool PrintPages(HWND owner, HDC printer, const char* documentName, const char* logoPath, int pageCount,
                const NumberedPagePainter& paint) {
  if (pageCount < 1) return false;
  MemoryBitmap logo(printer, logoPath, kPrintLogoWidth, kPrintLogoHeight);
  if (SendPages(printer, documentName, pageCount, logo.dc(), paint)) return true;
  platform::ShowMessage(owner, Tr(Text::PrintDocumentRefused), Tr(Text::CaptionError),
                        platform::kMbOk | platform::kMbIconStop);
  return false;
}

bool PrintListPages(HWND owner, HDC printer, const char* documentName, const char* logoPath, int count,
                    const PrintedPagePainter& paint) {
  std::vector<PrintedPage> pages = PrintedPages(count);
  if (pages.empty()) return false;
  return PrintPages(owner, printer, documentName, logoPath, static_cast<int>(pages.size()),
                    [&](HDC dc, int page, HDC logo) { paint(dc, pages[page], logo); });
}
