#include "setup/printed_page_win32.h"

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
  const TrackDetails& track = heading.track ? *heading.track : none;
  {
    GdiObject bold(ArialFont(15, 700));
    Selection selected(dc, bold.get());
    PageText(dc, 30, 145 + d, Align::Left, Tr(Text::ParticipantsPrintChampionship));
    PageText(dc, 30, 163 + d, Align::Left, Tr(Text::ParticipantsPrintRallyName));
    PageText(dc, 30, 181 + d, Align::Left, Tr(Text::ParticipantsPrintLocation));
    PageText(dc, 520, 181 + d, Align::Left, Tr(Text::ParticipantsPrintDate));
    PageText(dc, 30, 915 + d, Align::Left, Tr(Text::ParticipantsPrintRaceDirector));
    PageText(dc, 30, 935 + d, Align::Left, Tr(Text::ParticipantsPrintHostingClub));
  }
  GdiObject normal(ArialFont(15, FW_NORMAL));
  Selection selected(dc, normal.get());
  PageText(dc, 135, 145 + d, Align::Left, FieldText(track.championship));
  PageText(dc, 135, 163 + d, Align::Left, heading.eventTitle ? heading.eventTitle : "");
  PageText(dc, 135, 181 + d, Align::Left, FieldText(track.location));
  PageText(dc, 565, 181 + d, Align::Left, FieldText(track.date));
  PageText(dc, heading.lowerValuesX, 915 + d, Align::Left, FieldText(track.raceDirector));
  PageText(dc, heading.lowerValuesX, 935 + d, Align::Left, FieldText(track.hostingClub));
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

void PageText(HDC dc, int x, int y, Align align, const std::string& text) {
  if (text.empty()) return;
  UINT horizontal = align == Align::Right ? TA_RIGHT : align == Align::Centre ? TA_CENTER : TA_LEFT;
  SetTextAlign(dc, horizontal | TA_TOP);
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

HFONT ArialFont(int height, int weight, bool underline) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                     0, "Arial");
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
