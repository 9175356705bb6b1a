#include "setup/participants_print.h"

#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "race/country_files.h"
#include "race/gdi_objects.h"

namespace {

constexpr int kFlagWidth = 20;
constexpr int kFlagHeight = 13;

void ColumnHeads(HDC dc, int international) {
  GdiObject font(ArialFont(14, 700, true));
  Selection selected(dc, font.get());
  PageText(dc, 70, 250, Align::Right, Tr(Text::ParticipantsPrintId));
  PageText(dc, 120, 250, Align::Right, Tr(Text::ParticipantsPrintCarNumber));
  PageText(dc, 140, 250, Align::Left, Tr(Text::ParticipantsPrintDriver));
  PageText(dc, 270, 250, Align::Left, Tr(Text::ParticipantsPrintAge));
  PageText(dc, 310, 250, Align::Left,
           Tr(international == 1 ? Text::ParticipantsPrintNation : Text::ParticipantsPrintTeam));
  PageText(dc, 410, 250, Align::Left, Tr(Text::ParticipantsPrintCar));
  PageText(dc, 560, 250, Align::Left, Tr(Text::ParticipantsPrintCategory));
}

void Rows(HDC dc, const ParticipantsListing& listing, const PrintedPage& page) {
  GdiObject font(ArialFont(14, FW_NORMAL));
  Selection selected(dc, font.get());
  for (int row = 0; row < page.rows; ++row) {
    const ParticipantRecord& p = listing.participants[page.first + row];
    int y = PrintedRowTop(row);
    PageText(dc, 70, y, Align::Right, std::to_string(RunningNumber(page, row)));
    PageText(dc, 120, y, Align::Right, FieldText(p.carNumber));
    PageText(dc, 140, y, Align::Left, FieldText(p.name));
    PageText(dc, 270, y, Align::Left, FieldText(p.ageCategoryCode));
    PageText(dc, 310, y, Align::Left, FieldText(p.team));
    PageText(dc, 410, y, Align::Left, FieldText(p.car));
    PageText(dc, 560, y, Align::Left, FieldText(p.carCategory));
  }
}

// The country's flag after the nation code; a code without a flag file shows none.
void Flags(HDC dc, const ParticipantsListing& listing, const PrintedPage& page) {
  for (int row = 0; row < page.rows; ++row) {
    std::string code = FieldText(listing.participants[page.first + row].team);
    if (code.empty()) continue;
    char path[64];
    std::snprintf(path, sizeof path, kFlagBitmapPattern, code.c_str());
    MemoryBitmap flag(dc, path, kFlagWidth, kFlagHeight);
    if (flag.dc()) BitBlt(dc, 350, PrintedRowTop(row), kFlagWidth, kFlagHeight, flag.dc(), 0, 0, SRCCOPY);
  }
}

// One page on a mapped device context.
void PaintMappedPage(HDC dc, const ParticipantsListing& listing, const PrintedPage& page, HDC logo) {
  char title[128];
  std::snprintf(title, sizeof title, Tr(Text::ParticipantsPrintTitle), listing.count);
  PaintPrintedListFrame(dc, logo, page.rows, {title, listing.title, listing.track, 125});
  ColumnHeads(dc, listing.international);
  Rows(dc, listing, page);
  if (listing.international == 1) Flags(dc, listing, page);
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
