// The championship page inside the championship classification: the sheet, the standings of
// the selected rally with the events shown from the horizontal position and the rows from the
// vertical one, the logo and the sponsors; captured into a bitmap before the paint ends.
#include <cstdio>
#include <cstring>
#include <string>

#include "race/gdi_objects.h"
#include "results/championship_classification.h"
#include "results/championship_dialogs.h"
#include "results/page_capture.h"
#include "results/page_export.h"
#include "app/build_profile.h"
#include "setup/printed_page_win32.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kCream = RGB(255, 234, 182);
constexpr COLORREF kBand = RGB(230, 230, 230);
constexpr COLORREF kGrey = RGB(150, 150, 150);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct ColumnLayout {
  int step, cell, pictureWidth, pictureHeight, dateCentre;
};
constexpr ColumnLayout kPlain = {70, 68, 65, 30, 35};
constexpr ColumnLayout kWithPowerStage = {110, 108, 105, 40, 55};

std::string Number(int value) { return std::to_string(value); }

void FillCells(HDC dc, HBRUSH brush, int left, int top, int bottom, int columns, const ColumnLayout& layout,
               int rightOfTotal) {
  RECT name = {left + 125, top, left + 412, bottom};
  RECT total = {left + 414, top, left + rightOfTotal, bottom};
  FillRect(dc, &name, brush);
  FillRect(dc, &total, brush);
  for (int k = 0; k < columns; ++k) {
    const int x = left + 445 + layout.step * k;
    RECT cell = {x + 2, top, x + 2 + layout.cell, bottom};
    FillRect(dc, &cell, brush);
  }
}

std::string Subtitle(const char* car, const char* age) {
  const bool allCars = std::strcmp(car, kAllCategories) == 0;
  const bool allAges = std::strcmp(age, kAllCategories) == 0;
  char text[160];
  if (allCars && allAges) return Tr(Text::StandingsGlobal);
  if (allAges) {
    std::snprintf(text, sizeof text, Tr(Text::StandingsFiltered), car);
  } else if (allCars) {
    std::snprintf(text, sizeof text, Tr(Text::StandingsFiltered), age);
  } else {
    std::snprintf(text, sizeof text, Tr(Text::StandingsFilteredBoth), car, age);
  }
  return text;
}

void DrawPicture(HDC dc, const char* path, int x, int y, int width, int height) {
  MemoryBitmap picture(dc, path, width, height);
  if (picture.dc()) BitBlt(dc, x, y, width, height, picture.dc(), 0, 0, SRCCOPY);
}

}  // namespace

void PaintChampionshipClassification(HWND dialog, const PixelRect& page, const ChampionshipRally& view,
                                     const ChampionshipEvent* events, const ScrollBarState& vertical,
                                     const ScrollBarState& horizontal, const SponsorTable& sponsors,
                                     const char* carFilter, const char* ageFilter, const char* championship,
                                     const char* rallyName, int viewRows, int eventCount, const char* logoPath,
                                     int powerStageIncluded, int international) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  const int saved = SaveDC(dc);
  const int L = page.left, T = page.top, R = page.right, B = page.bottom;
  const ColumnLayout& layout = powerStageIncluded ? kWithPowerStage : kPlain;
  const int first = horizontal.shown ? horizontal.position : 0;
  const int firstRow = vertical.shown ? vertical.position : 0;
  const int columns = ChampionshipColumnsShown(events, eventCount, powerStageIncluded, first);
  const int rows = viewRows < 0 ? 0 : viewRows > view.rowCount ? view.rowCount : viewRows;
  const bool rally = rallyName[0] != '\0';
  FillArea(dc, L, T, R, B, kWhite);
  if (rally) {
    GdiObject cream(CreateSolidBrush(kCream));
    FillCells(dc, static_cast<HBRUSH>(cream.get()), L, T + 120, T + 155, 0, layout, 444);
    for (int k = 0; k < columns; ++k) {
      const int x = L + 445 + layout.step * k;
      RECT cell = {x + 2, T + 95, x + 2 + layout.cell, T + 155};
      FillRect(dc, &cell, static_cast<HBRUSH>(cream.get()));
    }
  }
  const int shownRows = rows - firstRow < 0 ? 0 : rows - firstRow > kChampionshipPageRows ? kChampionshipPageRows : rows - firstRow;
  if (rally && shownRows > 0) {
    GdiObject band(CreateSolidBrush(kBand));
    for (int j = 0; 2 * j < shownRows && j < 10; ++j) {
      FillCells(dc, static_cast<HBRUSH>(band.get()), L, T + 160 + 30 * j, T + 175 + 30 * j, columns, layout, 445);
    }
  }
  {
    GdiObject pen(CreatePen(PS_SOLID, 2, kBlack));
    Selection use(dc, pen.get());
    DrawLine(dc, L + 100, T + 50, L + 100, B - 80);
    DrawLine(dc, R - 10, T + 50, R - 10, B - 80);
    DrawLine(dc, L + 100, T + 71, R - 10, T + 71);
    DrawLine(dc, L + 100, B - 100, R - 10, B - 100);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kBlack);
  {
    GdiObject font(ArialFont(20, 700));
    Selection use(dc, font.get());
    char title[128];
    std::snprintf(title, sizeof title, Tr(Text::StandingsPageTitle), std::string(championship, strnlen(championship, 20)).c_str(),
                  rallyName);
    PageText(dc, (L + R) / 2 + 50, T + 45, Align::Centre, title);
  }
  if (rally) {
    {
      GdiObject font(ArialFont(15, 700));
      Selection use(dc, font.get());
      PageText(dc, L + 125, T + 80, Align::Left, Subtitle(carFilter, ageFilter));
    }
    GdiObject font(ArialFont(13, 700));
    Selection use(dc, font.get());
    PageText(dc, L + 130, T + 130, Align::Left, Tr(Text::ClassificationHeadDriver));
    PageText(dc, L + 225, T + 130, Align::Left, Tr(international == 1 ? Text::ClassificationHeadNation : Text::ClassificationHeadTeam));
    PageText(dc, L + 315, T + 130, Align::Left, Tr(Text::ClassificationHeadCategory));
    PageText(dc, L + 385, T + 130, Align::Left, Tr(Text::ClassificationHeadAge));
    PageText(dc, L + 440, T + 130, Align::Right, Tr(Text::StandingsHeadTotal));
    for (int k = 0; k < columns; ++k) {
      const int x = L + 445 + layout.step * k;
      const ChampionshipEvent& event = events[first + k];
      SetTextColor(dc, kGrey);
      PageText(dc, x + 30, T + 140, Align::Right, Tr(Text::StandingsHeadPlace));
      SetTextColor(dc, kBlack);
      PageText(dc, x + 65, T + 140, Align::Right, Tr(Text::StandingsHeadPoints));
      if (powerStageIncluded) PageText(dc, x + 105, T + 140, Align::Right, Tr(Text::StandingsHeadPowerStage));
      char date[48];
      std::snprintf(date, sizeof date, "%d/%02d/%04d", event.day, event.month, event.year);
      if (event.imagePath[0] != '\0') {
        PageText(dc, x + layout.dateCentre, T + 80, Align::Centre, date);
        DrawPicture(dc, event.imagePath, x + 2, T + 100, layout.pictureWidth, layout.pictureHeight);
      } else {
        PageText(dc, x + layout.dateCentre, T + 100, Align::Centre, date);
        PageText(dc, x + layout.dateCentre, T + 120, Align::Centre, FieldText(event.name));
      }
    }
  }
  if (rally && shownRows > 0) {
    GdiObject font(ArialFont(13, FW_NORMAL));
    Selection use(dc, font.get());
    for (int i = 0; i < shownRows; ++i) {
      const ChampionshipRow& row = view.rows[firstRow + i];
      const int y = T + 160 + 15 * i;
      PageText(dc, L + 120, y, Align::Right, Number(firstRow + i + 1));
      PageText(dc, L + 130, y, Align::Left, FieldText(row.driver));
      PageText(dc, L + 225, y, Align::Left, FieldText(row.team));
      if (international == 1 && row.team[0] != '\0') {
        const std::string flag = "paysDrapeaux/" + FieldText(row.team) + ".bmp";
        DrawPicture(dc, flag.c_str(), L + 255, y, 20, 13);
      }
      PageText(dc, L + 315, y, Align::Left, FieldText(row.carCategory));
      PageText(dc, L + 385, y, Align::Left, FieldText(row.ageCode));
      if (row.total >= 0) PageText(dc, L + 440, y, Align::Right, Number(row.total));
      for (int k = 0; k < columns; ++k) {
        const int x = L + 445 + layout.step * k;
        const int e = first + k;
        if (row.place[e] > 0) {
          SetTextColor(dc, kGrey);
          PageText(dc, x + 30, y, Align::Right, Number(row.place[e]));
          SetTextColor(dc, kBlack);
        }
        if (row.rallyPoints[e] >= 0) PageText(dc, x + 65, y, Align::Right, Number(row.rallyPoints[e]));
        if (powerStageIncluded && row.powerStagePoints[e] >= 0) {
          PageText(dc, x + 105, y, Align::Right, Number(row.powerStagePoints[e]));
        }
      }
    }
  }
  {
    GdiObject font(ArialFont(13, FW_NORMAL));
    Selection use(dc, font.get());
    PageText(dc, R - 220, B - 95, Align::Left, Tr(Text::ClassificationFooter));
  }
  {
    MemoryBitmap logo(dc, logoPath, 147, 37);
    if (logo.dc()) StretchBlt(dc, L + 100, T + 10, 196, 50, logo.dc(), 0, 0, 147, 37, SRCCOPY);
  }
  for (const SponsorRecord& sponsor : sponsors) {
    if (sponsor.logoPath[0] == '\0') continue;
    const int width = SponsorLogoWidth(sponsor.scalePercent);
    const int height = SponsorLogoHeight(sponsor.scalePercent);
    if (width > 0 && height > 0) DrawPicture(dc, sponsor.logoPath, sponsor.x, sponsor.y, width, height);
  }
  RestoreDC(dc, saved);
  WriteScreenCaptureBitmap(dc, PageCapturePath().c_str());
  EndPaint(dialog, &paint);
}
