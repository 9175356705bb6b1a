// What every printed list (participants, start order) draws alike: the page's mapping, the
// logo, the bands, the frame, the title, the event's details and the footer, and the print
// job that sends the pages. Each list adds its column heads and rows.
#pragma once

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "race/event_records.h"
#include "resources/texts.h"
#include "setup/page_spacing.h"
#include "setup/printed_pages.h"

// A bitmap file loaded at a given size and selected into a memory device context
// compatible with dc, to be copied onto a page; a file that is missing or not a bitmap gives
// no context, and nothing is drawn of it.
class MemoryBitmap {
 public:
  MemoryBitmap(HDC dc, const char* path, int width, int height);
  ~MemoryBitmap();
  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;
  // The memory device context holding the bitmap, or nullptr.
  HDC dc() const { return memory_; }

 private:
  HBITMAP bitmap_ = nullptr;
  HDC memory_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// The logo as every print-out shows it: 196 x 50, in VGA colours.
inline constexpr int kPrintLogoWidth = 196;
inline constexpr int kPrintLogoHeight = 50;

// A record field as a text: the fields are fixed-width and may be full without a terminator.
template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

// Text at (x, y), its top on y; nothing for an empty text. On a mapped page (paper) its
// characters stand where the device context measures them at the device's resolution: a
// printer driver may lay text out with advances of its own, wider than the measure, and so
// run a text into what is placed after its measured end.
void PageText(HDC dc, int x, int y, Align align, const std::string& text);
HFONT ArialFont(int height, int weight, bool underline = false);
// The width of text in the selected font, the widest of texts, and the two blanks a text
// keeps before the next.
int TextWidth(HDC dc, const std::string& text);
int WidestText(HDC dc, const std::vector<std::string>& texts);
int TwoBlanks(HDC dc);

// A column of a page's table: its head, its rows' texts where they stand, and a picture the
// rows show in it (a flag; none when pictureWidth is 0).
struct PageColumn {
  int headX;
  Align headAlign;
  std::string head;
  int rowX;
  Align rowAlign;
  std::vector<std::string> rows;
  int pictureX = 0;
  int pictureWidth = 0;
};
// How far each of a table's columns (given left to right) moves so that none comes closer
// than two blanks to the column before it, the head measured in headFont and the rows in
// rowFont, and the table stays between leftLimit and rightLimit (its frame); SpacingShifts.
// The device context's font is put back.
std::vector<int> ColumnShifts(HDC dc, HFONT headFont, HFONT rowFont, const std::vector<PageColumn>& columns,
                              int leftLimit, int rightLimit);

// Labels, each followed on its line by its value: the labels left-aligned on labelX in
// labelFont, the values in valueFont at valueX, or all together two blanks (of the label
// font) past the longest label when it needs the room. The fonts stay the caller's, and the
// device context's font is put back.
struct LabelLine {
  int y;
  std::string label;
  std::string value;
};
void DrawLabelledValues(HDC dc, int labelX, int valueX, HFONT labelFont, HFONT valueFont,
                        const std::vector<LabelLine>& lines);

void DrawLine(HDC dc, int x1, int y1, int x2, int y2);
void FillArea(HDC dc, int left, int top, int right, int bottom, COLORREF colour);

// The event's details as every page shows them, labels in Arial 15 bold and values in Arial
// 15: the championship, the rally name and the location one under the other from top, the
// date right of the location, the race director and the hosting club from lowerTop. Each
// group's values stand together (DrawLabelledValues).
struct EventDetailsPlaces {
  int labelX, valueX, top;
  int dateLabelX, dateValueX;
  int lowerTop, lowerValueX;
};
void DrawEventDetails(HDC dc, const EventDetailsPlaces& at, const TrackDetails& track, const std::string& rallyName);

// The top of row k of a page's list.
inline int PrintedRowTop(int row) { return 275 + 20 * row; }

struct PrintedListHeading {
  const char* title;          // centred above the frame
  const char* eventTitle;     // event name, " / ", rally name
  const TrackDetails* track;  // event name without the international prefix; may be null
  int lowerValuesX;           // where the race director and hosting club values begin
  // The lists' frame and bands; a classification page is wider and says it generated.
  int frameRight = 665;
  int bandLeft = 30;
  int bandRight = 655;
  bool headingBand = true;
  Text footer = Text::ParticipantsPrintFooter;
  int footerTop = 910;
  // Everything but the logo stands this much lower (the rally classification's page).
  int drop = 0;
};

// Maps the 700 x 900 page isotropically onto deviceWidth x deviceHeight pixels of dc for
// its lifetime; the device context is put back as it was afterwards.
class PrintedPageMapping {
 public:
  PrintedPageMapping(HDC dc, int deviceWidth, int deviceHeight);
  ~PrintedPageMapping();
  PrintedPageMapping(const PrintedPageMapping&) = delete;
  PrintedPageMapping& operator=(const PrintedPageMapping&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// Everything of a mapped page but its column heads and rows: the logo (or nothing when
// logo is null), the heading band and the grey bands of the page's rows, the frame, the
// title, the event's details and the footer. Leaves the text transparent and black.
void PaintPrintedListFrame(HDC dc, HDC logo, int rows, const PrintedListHeading& heading);

// Prints the pages of a list of count rows as one document on a printer's device context
// (which stays the caller's): paint draws one page on the mapped printer, with the logo of
// logoPath (or null). False when the list is empty or the printer refused the document; a
// refused document (at its start, a page, or its end, as when the printer went away) is
// told to the operator in a box owned by owner, since nothing else shows that no paper came.
using PrintedPagePainter = std::function<void(HDC dc, const PrintedPage& page, HDC logo)>;
bool PrintListPages(HWND owner, HDC printer, const char* documentName, const char* logoPath, int count,
                    const PrintedPagePainter& paint);
// The same for pages the caller has counted: paint draws page 0 .. pageCount - 1.
using NumberedPagePainter = std::function<void(HDC dc, int page, HDC logo)>;
bool PrintPages(HWND owner, HDC printer, const char* documentName, const char* logoPath, int pageCount,
                const NumberedPagePainter& paint);
