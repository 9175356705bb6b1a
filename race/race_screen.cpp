#include "race/race_screen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/country_files.h"
#include "race/gdi_objects.h"

namespace {

HFONT DisplayFont(const FontSpec& spec, int W) { return FontOfSpec(spec, ScaleDesign(W, spec.size, 1600)); }

using ::FillSolid;
void FillSolid(HDC dc, const ScreenRect& r, int colour) { FillSolid(dc, r.left, r.top, r.right, r.bottom, colour); }

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

UINT AlignFlags(TextAlign align) {
  switch (align) {
    case TextAlign::Centre:
      return TA_CENTER;
    case TextAlign::Right:
      return TA_RIGHT;
    case TextAlign::Left:
      break;
  }
  return TA_LEFT;
}

// Text at (x, y) aligned by its top (or bottom); background -1 draws it transparent.
void DrawTextN(HDC dc, int x, int y, TextAlign align, const char* text, std::size_t length, int colour,
               int background = -1, bool alignBottom = false) {
  if (!text || length == 0) return;
  SetTextAlign(dc, AlignFlags(align) | (alignBottom ? TA_BOTTOM : TA_TOP));
  SetTextColor(dc, static_cast<COLORREF>(colour));
  if (background >= 0) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, static_cast<COLORREF>(background));
  } else {
    SetBkMode(dc, TRANSPARENT);
  }
  TextOutA(dc, x, y, text, static_cast<int>(length));
}

void DrawTextAt(HDC dc, int x, int y, TextAlign align, const char* text, int colour, int background = -1,
                bool alignBottom = false) {
  DrawTextN(dc, x, y, align, text, text ? std::strlen(text) : 0, colour, background, alignBottom);
}

// The row fields are fixed-width and may be full without a terminator.
template <std::size_t N>
std::size_t FieldLength(const char (&field)[N]) {
  return strnlen(field, N);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, int width = 0, int height = 0) {
  if (bitmap) DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, x, y, width, height, DST_BITMAP);
}

HBITMAP LoadBitmapFile(const char* path, int width, int height) {
  UINT flags = LR_LOADFROMFILE | (width || height ? LR_DEFAULTSIZE : 0);
  return static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, width, height, flags));
}

const char kWatermark[] = "Veravoda Reviv";
const char kWatermarkVersion[] = "v 1.1.f";

class RaceScreenPainter {
 public:
  RaceScreenPainter(HDC dc, const RaceScreenInput& in)
      : dc_(dc),
        in_(in),
        W_(in.screenWidth),
        H_(in.screenHeight),
        l_(in.layout),
        d_(*in.display),
        columns_(ComputeLiveTableColumns(in.layout, in.screenWidth, in.columnWidths, in.startTimeColumnWidth,
                                         LateStartEnabled2(), in.international)),
        offsets_(ComputeLiveColumnOffsets(in.columnWidths, in.startTimeColumnWidth)) {}

  void Paint(HBITMAP finishFlag, HBITMAP abandonFlag, HBITMAP logo) {
    DrawBitmap(dc_, logo, 4, 2, 196, 50);
    FillSolid(dc_, l_.tableFrame, d_.displayColours[2]);
    FillSolid(dc_, l_.clockPanel, d_.displayColours[0]);
    FillSolid(dc_, l_.countdownPanel, d_.displayColours[0]);
    FillSolid(dc_, l_.restartDelayPanel, d_.displayColours[0]);
    // The race screen is redrawn without erasing: texts that change length (the stage title,
    // the start type, the radio-conflict notice) must not leave the end of the old one.
    FillSolid(dc_, l_.titleArea, d_.displayColours[0]);
    FillSolid(dc_, l_.startTypeArea, d_.displayColours[0]);
    FillSolid(dc_, l_.radioConflictArea, d_.displayColours[0]);
    Watermark();
    HeaderAndLaneFills();
    ResultsFill();
    Frame();
    Grid();
    StageTitle();
    Headings();
    Cells();
    FlagColumn(finishFlag, abandonFlag);
    StartCountdown();
    ClockPanel();
    RestartDelay();
    RadioConflict();
    StartTypeAndLateStart();
  }

 private:
  // The start-time cells belong to builds that have the late-start penalty.
  int LateStartEnabled() const { return ActiveProfile().lateStartPenalty ? in_.lateStartEnabled : 0; }
  int LateStartEnabled2() const { return ActiveProfile().lateStartPenalty ? in_.lateStartEnabled2 : 0; }
  int X(long long design) const { return LiveColumnX(l_, W_, ScaleDesign(design, 1, 1)); }
  int RowY(int line) const { return RowTop(l_, H_, in_.rows.rowHeight, line); }
  int TextY(int line) const { return RowTextTop(l_, H_, in_.rows.rowHeight, line); }
  const StageDisplayRow* Row(int line) const {
    if (!in_.displayRows) return nullptr;
    int index = ShownDisplayRow(in_.scrollPosition, line, in_.entryCount);
    return index < 0 ? nullptr : &in_.displayRows[index];
  }

  void Watermark() {
    const ScreenRect& f = l_.tableFrame;
    GdiObject font(MakeFont((f.right - f.left) / 12, 0, 0, 0, 0, "Arial Black"));
    Selection selected(dc_, font.get());
    int x = (f.left + f.right) / 2;
    int colour = WatermarkColour(d_.displayColours[2]);
    DrawTextAt(dc_, x, 170 * H_ / 900, TextAlign::Centre, kWatermark, colour);
    DrawTextAt(dc_, x, H_ / 3, TextAlign::Centre, kWatermarkVersion, colour);
  }

  void HeaderAndLaneFills() {
    const ScreenRect& h = l_.headerBand;
    const ScreenRect& lane = l_.laneColumn;
    if (d_.displayColours[8] != d_.displayColours[9]) {
      VerticalGradient(dc_, h.left, h.top, h.right, h.bottom - h.top, d_.displayColours[8], d_.displayColours[9]);
      if (in_.rows.rowsShown > 0) {
        int band = (lane.bottom - lane.top) / in_.rows.rowsShown;
        for (int r = 0; r < in_.rows.rowsShown; ++r) {
          int top = RowY(r);
          for (int y = 0; y < band; ++y) {
            FillSolid(dc_, lane.left, top + y, lane.right, top + y + 1, LaneStripColour(y, band));
          }
        }
      }
    } else {
      FillSolid(dc_, h, d_.displayColours[8]);
      FillSolid(dc_, lane, MakeColour(255, 255, 200));
    }
  }

  void ResultsFill() {
    const ScreenRect& a = l_.resultsArea;
    int top = d_.displayColours[10];
    int bottom = d_.displayColours[11];
    if (top == bottom) {
      FillSolid(dc_, a, top);
    } else if (d_.tableStyle == 0) {
      VerticalGradient(dc_, a.left, a.top, a.right, a.bottom - a.top, top, bottom);
    } else if (d_.tableStyle == 1 && in_.rows.rowsShown > 0) {
      int band = (a.bottom - a.top) / in_.rows.rowsShown;
      for (int r = 0; r < in_.rows.rowsShown; ++r) VerticalGradient(dc_, a.left, RowY(r), a.right, band, top, bottom);
    }
  }

  void Frame() {
    const ScreenRect& f = l_.tableFrame;
    GdiObject pen(CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    Selection selected(dc_, pen.get());
    Line(dc_, f.left, f.top + 1, f.right - 1, f.top + 1);
    Line(dc_, f.left, f.bottom - 1, f.right - 1, f.bottom - 1);
    Line(dc_, f.left, f.top + 1, f.left, f.bottom - 1);
    Line(dc_, f.right - 1, f.top + 1, f.right - 1, f.bottom - 1);
  }

  void Grid() {
    const ScreenRect& h = l_.headerBand;
    const ScreenRect& lane = l_.laneColumn;
    const ScreenRect& a = l_.resultsArea;
    const COLORREF colour = static_cast<COLORREF>(d_.displayColours[12]);
    {
      GdiObject pen(CreatePen(PS_SOLID, 2, colour));
      Selection selected(dc_, pen.get());
      Line(dc_, h.left, h.top, h.right, h.top);
      Line(dc_, h.left, h.bottom, h.right, h.bottom);
      Line(dc_, h.left, h.top - 1, h.left, h.bottom);
      Line(dc_, h.right, h.top, h.right, h.bottom);
      Line(dc_, lane.left, lane.top, lane.left, lane.bottom);
      Line(dc_, a.right, a.top, a.right, a.bottom);
      for (int n = 1; n <= in_.rows.rowsShown; ++n) Line(dc_, lane.left, RowY(n), a.right, RowY(n));
    }
    GdiObject pen(CreatePen(PS_SOLID, 1, colour));
    Selection selected(dc_, pen.get());
    const int rowsBottom = RowY(in_.rows.rowsShown);
    int boundaries[10] = {a.left};
    for (int k = 2; k <= 10; ++k) boundaries[k - 1] = X(offsets_.start[k]);
    for (int x : boundaries) {
      Line(dc_, x, h.top, x, h.bottom);
      Line(dc_, x, a.top, x, rowsBottom);
    }
    int last = X(offsets_.sum);
    Line(dc_, last, h.top, last, h.bottom);
    Line(dc_, last, a.top, last, a.bottom);
  }

  void StageTitle() {
    GdiObject font(DisplayFont(d_.fonts[0], W_));
    Selection selected(dc_, font.get());
    DrawTextAt(dc_, W_ / 80 + 200, H_ / 45, TextAlign::Left, in_.stageTitle, d_.fontColours[0], d_.displayColours[3]);
  }

  // A heading wider than its column (longer in some language, or a column set narrow) is
  // drawn in a smaller size of the heading font, rather than over its neighbour's.
  void Headings() {
    const FontSpec& spec = d_.fonts[2];
    const int height = ScaleDesign(W_, spec.size, 1600);
    GdiObject font(FontOfSpec(spec, height));
    Selection selected(dc_, font.get());
    for (const LiveColumnDraw& column : columns_.column) {
      if (!column.headingShown) continue;
      const char* text = Tr(column.heading);
      const int room = HeadingRoom(column);
      int width = TextWidth(text);
      if (width <= room || room <= 0) {
        DrawTextAt(dc_, column.headingX, 125 * H_ / 900, column.align, text, d_.fontColours[2]);
        continue;
      }
      // Widths do not follow the height exactly: a size or two less may be needed.
      int fitted = FittedFontHeight(height, width, room);
      const int step = fitted < 0 ? -1 : 1;
      for (int tries = 0; tries < 4 && fitted * step > 1 && TextWidthAt(spec, fitted, text) > room; ++tries)
        fitted -= step;
      GdiObject smaller(FontOfSpec(spec, fitted));
      Selection smallerSelected(dc_, smaller.get());
      // On the middle of the line of the others.
      // In 64 bits: the operator's size may be any int, the lowest one included.
      const int lower = static_cast<int>((std::llabs(height) - std::llabs(fitted)) / 2);
      DrawTextAt(dc_, column.headingX, 125 * H_ / 900 + lower, column.align, text, d_.fontColours[2]);
    }
  }

  // The width of text in the selected font, or in the font of spec at height.
  int TextWidth(const char* text) const {
    SIZE size = {};
    GetTextExtentPoint32A(dc_, text, static_cast<int>(std::strlen(text)), &size);
    return size.cx;
  }
  int TextWidthAt(const FontSpec& spec, int height, const char* text) const {
    GdiObject font(FontOfSpec(spec, height));
    Selection selected(dc_, font.get());
    return TextWidth(text);
  }

  void LaneCells() {
    const LiveColumnDraw& column = columns_.column[kLaneColumn];
    GdiObject font(MakeFont(W_ / 64, 0, 0, 0, 0, "Arial Black"));
    Selection selected(dc_, font.get());
    for (int i = 0; i < in_.rows.rowsShown; ++i) {
      const StageDisplayRow* row = Row(i);
      if (!row) continue;
      DrawTextN(dc_, column.cellX, TextY(i), column.align, row->startPositionText,
                 FieldLength(row->startPositionText), RGB(0, 0, 0), LaneStateColour(row->state, d_.displayColours));
    }
  }

  // A country's flag after the nation field, at the size of the row.
  void TeamFlag(const StageDisplayRow& row, int line) {
    char team[sizeof row.team + 1];
    std::memcpy(team, row.team, sizeof row.team);
    team[sizeof row.team] = '\0';
    char path[64];
    std::snprintf(path, sizeof path, kFlagBitmapPattern, team);
    int rowHeight = in_.rows.rowHeight;
    GdiObject flag(LoadBitmapFile(path, 4 * rowHeight / 5, 3 * rowHeight / 5));
    DrawBitmap(dc_, static_cast<HBITMAP>(flag.get()), X(offsets_.start[4] - 7LL * d_.fonts[6].size / 2), TextY(line));
  }

  void TextColumn(LiveColumn which) {
    const LiveColumnDraw& column = columns_.column[which];
    if (!column.cellsShown) return;
    GdiObject font(DisplayFont(d_.fonts[column.font], W_));
    Selection selected(dc_, font.get());
    const int colour = d_.fontColours[column.font];
    for (int i = 0; i < in_.rows.rowsShown; ++i) {
      const StageDisplayRow* row = Row(i);
      if (!row) continue;
      const int y = TextY(i);
      switch (which) {
        case kPlaceColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->rankText, FieldLength(row->rankText), colour);
          break;
        case kCarNumberColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->carNumber, FieldLength(row->carNumber), colour);
          break;
        case kDriverColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->name, FieldLength(row->name), colour);
          break;
        case kTeamColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->team, FieldLength(row->team), colour);
          if (in_.international == 1) TeamFlag(*row, i);
          break;
        case kCategoryColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->category, FieldLength(row->category), colour);
          break;
        case kTimeColumn:
          // Every time equal to the fastest of the stage is marked, ties included.
          DrawTextN(dc_, column.cellX, y, column.align, row->timeText, FieldLength(row->timeText), colour,
                     row->equalsBest == 1 ? MakeColour(255, 255, 100) : -1);
          break;
        case kGapToLeaderColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->gapToLeaderText, FieldLength(row->gapToLeaderText),
                     colour);
          break;
        case kGapToPreviousColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->gapToPreviousText,
                     FieldLength(row->gapToPreviousText), colour);
          break;
        case kTransponderColumn:
          DrawTextN(dc_, column.cellX, y, column.align, row->transponder, FieldLength(row->transponder), colour);
          break;
        default:
          break;
      }
    }
  }

  void Cells() {
    TextColumn(kPlaceColumn);
    LaneCells();
    TextColumn(kCarNumberColumn);
    TextColumn(kDriverColumn);
    TextColumn(kTeamColumn);
    TextColumn(kCategoryColumn);
    // The start-time cells are drawn once, with the start-type font (StartTypeAndLateStart).
    TextColumn(kTimeColumn);
    TextColumn(kGapToLeaderColumn);
    TextColumn(kGapToPreviousColumn);
    TextColumn(kTransponderColumn);
  }

  void FlagColumn(HBITMAP finishFlag, HBITMAP abandonFlag) {
    const LiveColumnDraw& column = columns_.column[kFlagColumn];
    GdiObject font(DisplayFont(d_.fonts[11], W_));
    Selection selected(dc_, font.get());
    for (int i = 0; i < in_.rows.rowsShown; ++i) {
      const StageDisplayRow* row = Row(i);
      if (!row) continue;
      if (row->state == kEntryFinished) {
        DrawBitmap(dc_, finishFlag, columns_.finishFlagX, TextY(i));
      } else if (row->state == kEntryFirstPenalty) {
        DrawBitmap(dc_, abandonFlag, columns_.finishFlagX, TextY(i));
      } else if (row->state > kEntryFirstPenalty && in_.penalties) {
        char code[4];
        if (PenaltyCodeForState(row->state, in_.penalties, code)) {
          DrawTextAt(dc_, column.cellX, TextY(i), column.align, code, RGB(255, 0, 0), RGB(255, 255, 255));
          SetBkMode(dc_, TRANSPARENT);
        }
      }
    }
  }

  void StartCountdown() {
    GdiObject font(MakeFont(30, FW_NORMAL, 0, 0, 0, "Arial"));
    Selection selected(dc_, font.get());
    DrawTextAt(dc_, 440 * W_ / 1600 + 310, 740 * H_ / 900, TextAlign::Right, in_.startCountdownText, RGB(0, 0, 0));
  }

  void ClockPanel() {
    GdiObject font(MakeFont(35 * W_ / 1600, 0, 0, 0, 0, "Arial Black"));
    Selection selected(dc_, font.get());
    Text word;
    int colour;
    if (StageStateWord(in_.stageState, &word, &colour)) {
      DrawTextAt(dc_, 185 * W_ / 1600 + 200, 740 * H_ / 900, TextAlign::Right, Tr(word), colour);
    }
    DrawTextAt(dc_, 435 * W_ / 1600 + 200, 740 * H_ / 900, TextAlign::Right, in_.stageClockText, RGB(0, 0, 0));
  }

  void RestartDelay() {
    const ScreenRect& p = l_.restartDelayPanel;
    GdiObject font(MakeFont(18, 0, 0, 0, 0, "Arial Black"));
    Selection selected(dc_, font.get());
    DrawTextAt(dc_, p.left + 42, p.bottom - 20, TextAlign::Right, in_.restartMinutesText, RGB(0, 0, 0));
    DrawTextAt(dc_, p.left + 190, p.bottom - 20, TextAlign::Right, in_.restartCountdownText,
               RestartDelayColour(in_.restartElapsed));
  }

  void RadioConflict() {
    const ScreenRect& r = l_.radioConflictArea;
    GdiObject font(DisplayFont(d_.fonts[1], W_));
    Selection selected(dc_, font.get());
    if (in_.radioConflict == 1) {
      DrawTextAt(dc_, r.left + 1, r.bottom - 1, TextAlign::Left, Tr(Text::RadioConflictNotice), d_.fontColours[1],
                 d_.displayColours[4], true);
    }
  }

  void StartTypeAndLateStart() {
    GdiObject font(MakeFont(18 * W_ / 1600, FW_BOLD, 0, 0, 0, "Arial"));
    Selection selected(dc_, font.get());
    const int x = W_ / 80 + 200;
    DrawTextAt(dc_, x, 70 * H_ / 900, TextAlign::Left,
               Tr(in_.startType == kWrcStart ? Text::StartTypeWrc : Text::StartTypeStandard), RGB(0, 0, 0));
    if (LateStartEnabled() == 1) {
      DrawTextAt(dc_, x, H_ / 10, TextAlign::Left, in_.maximumStartTimeText, RGB(0, 0, 0));
    }
    if (LateStartEnabled2() != 1) return;
    const LiveColumnDraw& column = columns_.column[kStartTimeColumn];
    for (int i = 0; i < in_.rows.rowsShown; ++i) {
      const StageDisplayRow* row = Row(i);
      if (!row) continue;
      DrawTextN(dc_, column.cellX, TextY(i), column.align, row->startOffsetText, FieldLength(row->startOffsetText),
                 row->lateStart == 1 ? RGB(255, 0, 0) : RGB(0, 0, 0));
    }
  }

  HDC dc_;
  const RaceScreenInput& in_;
  const int W_;
  const int H_;
  const RaceScreenLayout& l_;
  const DisplaySettings& d_;
  const LiveTableColumns columns_;
  const LiveColumnOffsets offsets_;
};

}  // namespace

void PaintRaceScreen(HWND window, HDC dc, const RaceScreenInput& input) {
  PAINTSTRUCT paint = {};
  const bool ownPaint = dc == nullptr;
  if (!input.display || !input.columnWidths) {
    if (ownPaint) {
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
    }
    return;
  }
  const int W = input.screenWidth;
  GdiObject finishFlag(LoadBitmapFile("images/drapeauArrivee.bmp", W / 64, 16));
  GdiObject abandonFlag(LoadBitmapFile("images/drapeauAbandon.bmp", W / 64, 16));
  char logoPath[sizeof input.display->logoPath];
  platform::CopyBounded(logoPath, sizeof logoPath, input.display->logoPath);
  GdiObject logo(logoPath[0] ? LoadBitmapFile(logoPath, 0, 0) : nullptr);
  if (ownPaint) dc = BeginPaint(window, &paint);
  if (dc) {
    const int saved = SaveDC(dc);
    RaceScreenPainter(dc, input)
        .Paint(static_cast<HBITMAP>(finishFlag.get()), static_cast<HBITMAP>(abandonFlag.get()),
               static_cast<HBITMAP>(logo.get()));
    RestoreDC(dc, saved);
  }
  if (ownPaint) EndPaint(window, &paint);
}

RaceRowMetrics ComputeRaceRowHeight(HWND window, const DisplaySettings& display, const ScreenRect& tableFrame,
                                    const ScreenRect& resultsArea, int W, int H, int entryCount) {
  int heights[9] = {};
  HDC dc = GetDC(window);
  if (dc) {
    for (int k = 3; k <= 11; ++k) {
      const FontSpec& spec = display.fonts[k];
      char face[sizeof spec.face];
      platform::CopyBounded(face, sizeof face, spec.face);
      GdiObject font(MakeFont(ScaleDesign(W, spec.size, 1600), spec.weight, spec.italic, 0, 0, face));
      Selection selected(dc, font.get());
      TEXTMETRICA metrics = {};
      if (GetTextMetricsA(dc, &metrics)) heights[k - 3] = metrics.tmHeight;
    }
    ReleaseDC(window, dc);
  }
  return ComputeRowMetrics(heights, 9, tableFrame.bottom - resultsArea.top, H, entryCount);
}
