#include "setup/participants_print.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "race/country_files.h"
#include "race/gdi_objects.h"

namespace {

constexpr int kFlagWidth = 20;
constexpr int kFlagHeight = 13;

// The columns of the list, left to right: where their heads and rows stand.
enum Column { kId, kCarNumber, kDriver, kAge, kTeam, kCar, kCategory, kColumnCount };
constexpr int kDesignedX[kColumnCount] = {70, 120, 140, 270, 310, 410, 560};
constexpr Align kAlign[kColumnCount] = {Align::Right, Align::Right, Align::Left, Align::Left,
                                        Align::Left,  Align::Left,  Align::Left};
// The flag stands this far into the team column.
constexpr int kFlagOffset = 40;
// Within the page's frame (its lines at 20 and 665) and a little apart from it.
constexpr int kFrameLeft = 23;
constexpr int kFrameRight = 662;

HFONT HeadFont() { return ArialFont(14, 700, true); }

std::string HeadText(int column, int international) {
  static constexpr Text kHeads[kColumnCount] = {Text::ParticipantsPrintId,  Text::ParticipantsPrintCarNumber,
                                                Text::ParticipantsPrintDriver, Text::ParticipantsPrintAge,
                                                Text::ParticipantsPrintTeam, Text::ParticipantsPrintCar,
                                                Text::ParticipantsPrintCategory};
  if (column == kTeam && international == 1) return Tr(Text::ParticipantsPrintNation);
  return Tr(kHeads[column]);
}

std::string RowText(const ParticipantRecord& p, int column) {
  switch (column) {
    case kCarNumber: return FieldText(p.carNumber);
    case kDriver: return FieldText(p.name);
    case kAge: return FieldText(p.ageCategoryCode);
    case kTeam: return FieldText(p.team);
    case kCar: return FieldText(p.car);
    case kCategory: return FieldText(p.carCategory);
    default: return "";
  }
}

// Where each column stands with this build's heads and the list's texts, within the frame:
// a head longer in some language moves its column right of the column before it.
struct Columns {
  int x[kColumnCount];
};
Columns SpacedColumns(HDC dc, const ParticipantsListing& listing) {
  const int count = std::min(listing.count, kMaxParticipants);
  std::vector<PageColumn> columns;
  for (int c = 0; c < kColumnCount; ++c) {
    PageColumn column = {kDesignedX[c], kAlign[c], HeadText(c, listing.international), kDesignedX[c], kAlign[c], {}};
    for (int i = 0; i < count; ++i) {
      column.rows.push_back(c == kId ? std::to_string(i + 1) : RowText(listing.participants[i], c));
    }
    if (c == kTeam && listing.international == 1 && count > 0) {
      column.pictureX = kDesignedX[c] + kFlagOffset;
      column.pictureWidth = kFlagWidth;
    }
    columns.push_back(column);
  }
  GdiObject head(HeadFont());
  GdiObject body(ArialFont(14, FW_NORMAL));
  const std::vector<int> shifts = ColumnShifts(dc, static_cast<HFONT>(head.get()), static_cast<HFONT>(body.get()),
                                               columns, kFrameLeft, kFrameRight);
  Columns spaced = {};
  for (int c = 0; c < kColumnCount; ++c) spaced.x[c] = kDesignedX[c] + shifts[c];
  return spaced;
}

void ColumnHeads(HDC dc, const Columns& columns, int international) {
  GdiObject font(HeadFont());
  Selection selected(dc, font.get());
  for (int c = 0; c < kColumnCount; ++c) PageText(dc, columns.x[c], 250, kAlign[c], HeadText(c, international));
}

void Rows(HDC dc, const Columns& columns, const ParticipantsListing& listing, const PrintedPage& page) {
  GdiObject font(ArialFont(14, FW_NORMAL));
  Selection selected(dc, font.get());
  for (int row = 0; row < page.rows; ++row) {
    const ParticipantRecord& p = listing.participants[page.first + row];
    const int y = PrintedRowTop(row);
    PageText(dc, columns.x[kId], y, Align::Right, std::to_string(RunningNumber(page, row)));
    for (int c = kCarNumber; c < kColumnCount; ++c) PageText(dc, columns.x[c], y, kAlign[c], RowText(p, c));
  }
}

// The country's flag after the nation code; a code without a flag file shows none.
void Flags(HDC dc, const Columns& columns, const ParticipantsListing& listing, const PrintedPage& page) {
  for (int row = 0; row < page.rows; ++row) {
    std::string code = FieldText(listing.participants[page.first + row].team);
    if (code.empty()) continue;
    char path[64];
    std::snprintf(path, sizeof path, kFlagBitmapPattern, code.c_str());
    MemoryBitmap flag(dc, path, kFlagWidth, kFlagHeight);
    if (flag.dc()) {
      BitBlt(dc, columns.x[kTeam] + kFlagOffset, PrintedRowTop(row), kFlagWidth, kFlagHeight, flag.dc(), 0, 0, SRCCOPY);
    }
  }
}

// One page on a mapped device context.
void PaintMappedPage(HDC dc, const ParticipantsListing& listing, const PrintedPage& page, HDC logo) {
  char title[128];
  std::snprintf(title, sizeof title, Tr(Text::ParticipantsPrintTitle), listing.count);
  PaintPrintedListFrame(dc, logo, page.rows, {title, listing.title, listing.track, 125});
  const Columns columns = SpacedColumns(dc, listing);
  ColumnHeads(dc, columns, listing.international);
  Rows(dc, columns, listing, page);
  if (listing.international == 1) Flags(dc, columns, listing, page);
}

}  // namespace

void PaintParticipantsPage(HDC dc, int deviceWidth, int deviceHeight, const ParticipantsListing& listing,
                           const PrintedPage& page, HDC logo) {
  PrintedPageMapping mapping(dc, deviceWidth, deviceHeight);
  PaintMappedPage(dc, listing, page, logo);
}

bool PrintParticipantsPages(HWND owner, HDC printer, const ParticipantsListing& listing) {
  if (!listing.participants) return false;
  return PrintListPages(owner, printer, Tr(Text::ParticipantsPrintDocument), listing.logoPath, listing.count,
                        [&listing](HDC dc, const PrintedPage& page, HDC logo) {
                          PaintMappedPage(dc, listing, page, logo);
                        });
}
