#include "setup/participants_print.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "race/country_files.h"
#include "race/gdi_objects.h"

namespace {

constexpr COLORREF kHeadingBand = RGB(255, 214, 142);
constexpr COLORREF kRowBand = RGB(234, 234, 234);
constexpr int kFlagWidth = 20;
constexpr int kFlagHeight = 13;

// The record fields are fixed-width and may be full without a terminator.
template <std::size_t N>
std::string Field(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

enum class Align { Left, Right, Centre };

void Write(HDC dc, int x, int y, Align align, const std::string& text) {
  if (text.empty()) return;
  UINT horizontal = align == Align::Right ? TA_RIGHT : align == Align::Centre ? TA_CENTER : TA_LEFT;
  SetTextAlign(dc, horizontal | TA_TOP);
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

HFONT Arial(int height, int weight, bool underline = false) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                     0, "Arial");
}

void Band(HDC dc, int top, int bottom, COLORREF colour) {
  RECT area = {30, top, 655, bottom};
  GdiObject brush(CreateSolidBrush(colour));
  FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Frame(HDC dc) {
  GdiObject pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
  Selection selected(dc, pen.get());
  Line(dc, 20, 120, 20, 950);
  Line(dc, 665, 120, 665, 950);
  for (int y : {141, 210, 910}) Line(dc, 20, y, 665, y);
}

// The event's details above the list and below it.
void Details(HDC dc, const ParticipantsListing& listing) {
  TrackDetails none = {};
  const TrackDetails& track = listing.track ? *listing.track : none;
  {
    GdiObject bold(Arial(15, 700));
    Selection selected(dc, bold.get());
    Write(dc, 30, 145, Align::Left, Tr(Text::ParticipantsPrintChampionship));
    Write(dc, 30, 163, Align::Left, Tr(Text::ParticipantsPrintRallyName));
    Write(dc, 30, 181, Align::Left, Tr(Text::ParticipantsPrintLocation));
    Write(dc, 520, 181, Align::Left, Tr(Text::ParticipantsPrintDate));
    Write(dc, 30, 915, Align::Left, Tr(Text::ParticipantsPrintRaceDirector));
    Write(dc, 30, 935, Align::Left, Tr(Text::ParticipantsPrintHostingClub));
  }
  GdiObject normal(Arial(15, FW_NORMAL));
  Selection selected(dc, normal.get());
  Write(dc, 135, 145, Align::Left, Field(track.championship));
  Write(dc, 135, 163, Align::Left, listing.title ? listing.title : "");
  Write(dc, 135, 181, Align::Left, Field(track.location));
  Write(dc, 565, 181, Align::Left, Field(track.date));
  Write(dc, 125, 915, Align::Left, Field(track.raceDirector));
  Write(dc, 125, 935, Align::Left, Field(track.hostingClub));
}

void ColumnHeads(HDC dc, int international) {
  GdiObject font(Arial(14, 700, true));
  Selection selected(dc, font.get());
  Write(dc, 70, 250, Align::Right, Tr(Text::ParticipantsPrintId));
  Write(dc, 120, 250, Align::Right, Tr(Text::ParticipantsPrintCarNumber));
  Write(dc, 140, 250, Align::Left, Tr(Text::ParticipantsPrintDriver));
  Write(dc, 270, 250, Align::Left, Tr(Text::ParticipantsPrintAge));
  Write(dc, 310, 250, Align::Left,
        Tr(international == 1 ? Text::ParticipantsPrintNation : Text::ParticipantsPrintTeam));
  Write(dc, 410, 250, Align::Left, Tr(Text::ParticipantsPrintCar));
  Write(dc, 560, 250, Align::Left, Tr(Text::ParticipantsPrintCategory));
}

int RowTop(int row) { return 275 + 20 * row; }

void Rows(HDC dc, const ParticipantsListing& listing, const ParticipantsPage& page) {
  GdiObject font(Arial(14, FW_NORMAL));
  Selection selected(dc, font.get());
  for (int row = 0; row < page.rows; ++row) {
    const ParticipantRecord& p = listing.participants[page.first + row];
    int y = RowTop(row);
    Write(dc, 70, y, Align::Right, std::to_string(RunningNumber(page, row)));
    Write(dc, 120, y, Align::Right, Field(p.carNumber));
    Write(dc, 140, y, Align::Left, Field(p.name));
    Write(dc, 270, y, Align::Left, Field(p.ageCategoryCode));
    Write(dc, 310, y, Align::Left, Field(p.team));
    Write(dc, 410, y, Align::Left, Field(p.car));
    Write(dc, 560, y, Align::Left, Field(p.carCategory));
  }
}

// The country's flag after the nation code; a code without a flag file shows none.
void Flags(HDC dc, const ParticipantsListing& listing, const ParticipantsPage& page) {
  for (int row = 0; row < page.rows; ++row) {
    std::string code = Field(listing.participants[page.first + row].team);
    if (code.empty()) continue;
    char path[64];
    std::snprintf(path, sizeof path, kFlagBitmapPattern, code.c_str());
    MemoryBitmap flag(dc, path, kFlagWidth, kFlagHeight);
    if (flag.dc()) BitBlt(dc, 350, RowTop(row), kFlagWidth, kFlagHeight, flag.dc(), 0, 0, SRCCOPY);
  }
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

void PaintParticipantsPage(HDC dc, int deviceWidth, int deviceHeight, const ParticipantsListing& listing,
                           const ParticipantsPage& page, HDC logo) {
  int saved = SaveDC(dc);
  SetMapMode(dc, MM_ISOTROPIC);
  SetWindowExtEx(dc, kParticipantsPageWidth, kParticipantsPageHeight, nullptr);
  SetViewportExtEx(dc, deviceWidth, deviceHeight, nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetViewportOrgEx(dc, 0, 0, nullptr);

  if (logo) BitBlt(dc, 25, 25, 200, 50, logo, 0, 0, SRCCOPY);
  Band(dc, 247, 267, kHeadingBand);
  for (int row = 0; row < page.rows; ++row) {
    if (RowHasBand(row)) Band(dc, RowTop(row) - 3, RowTop(row) + 17, kRowBand);
  }
  Frame(dc);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  {
    GdiObject font(Arial(20, 700));
    Selection selected(dc, font.get());
    char title[128];
    std::snprintf(title, sizeof title, Tr(Text::ParticipantsPrintTitle), listing.count);
    Write(dc, 342, 120, Align::Centre, title);
  }
  Details(dc, listing);
  ColumnHeads(dc, listing.international);
  {
    GdiObject font(Arial(14, FW_NORMAL));
    Selection selected(dc, font.get());
    Write(dc, 445, 910, Align::Left, Tr(Text::ParticipantsPrintFooter));
  }
  Rows(dc, listing, page);
  if (listing.international == 1) Flags(dc, listing, page);
  RestoreDC(dc, saved);
}

bool PrintParticipantsPages(HDC printer, const ParticipantsListing& listing) {
  std::vector<ParticipantsPage> pages = ParticipantsPages(listing.count);
  if (pages.empty() || !listing.participants) return false;
  int width = GetDeviceCaps(printer, HORZRES);
  int height = GetDeviceCaps(printer, VERTRES);
  MemoryBitmap logo(printer, listing.logoPath, kPrintLogoWidth, kPrintLogoHeight);
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = Tr(Text::ParticipantsPrintDocument);
  if (StartDocA(printer, &document) <= 0) return false;
  for (const ParticipantsPage& page : pages) {
    if (StartPage(printer) <= 0) {
      AbortDoc(printer);
      return false;
    }
    PaintParticipantsPage(printer, width, height, listing, page, logo.dc());
    if (EndPage(printer) <= 0) {
      AbortDoc(printer);
      return false;
    }
  }
  return EndDoc(printer) > 0;
}
