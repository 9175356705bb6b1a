// The race-screen painter on a maximised window of the 1600 x 900 desktop, with stage tables
// ranked by the real ranking chain; pixel checks on a memory canvas and captures to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/folders.h"
#include "race/race_screen.h"
#include "race/stage_ranking.h"
#include "tests/race/stage_tables.h"
#include "tests/support/capture.h"
#include "tests/support/drawn_texts.h"
#include "tests/support/temp_folder.h"

using testsupport::Stage;
using testsupport::StageTables;

namespace {

RaceScreenInput* painted = nullptr;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && painted) {
    PaintRaceScreen(window, nullptr, *painted);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

struct Driver {
  const char* name;
  const char* team;
  const char* car;
  const char* category;
};

const Driver kDrivers[] = {
    {"Lina Varga", "FRA", "12", "Buggy 1/10"}, {"Owen Brandt", "DEU", "7", "Buggy 1/10"},
    {"Mara Quell", "ITA", "33", "Truggy 1/8"}, {"Tomas Reyes", "ESP", "4", "Buggy 1/8"},
    {"Ilse Marrow", "BEL", "21", "Truggy 1/8"}, {"Kenji Abe", "XXX", "9", "Touring 1/10"},
    {"Petra Nyl", "NLD", "15", "Buggy 1/10"}, {"Hugo Lanz", "CHE", "2", "Buggy 1/8"},
    {"Ada Stroud", "GBR", "18", "Touring 1/10"}, {"Rui Sousa", "PRT", "5", "Buggy 1/8"},
    {"Nils Ek", "SWE", "27", "Truggy 1/8"}, {"Zofia Mik", "POL", "30", "Buggy 1/10"},
};
constexpr int kDriverCount = 12;

enum class Moment { Before, Mid, After };

class RaceScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder = platform::CurrentFolder();
    assets = testsupport::HostPath(VELLGRIN_PROGRAM_ASSETS);
    platform::test::SetProgramFolder(assets);
    ASSERT_TRUE(platform::SetCurrentFolder(assets.c_str()));
    std::memset(&display, 0, sizeof display);
    CustomColours custom = {};
    const char* data = std::getenv("VELLGRIN_TEST_DATA");
    ASSERT_NE(data, nullptr);
    std::string file = testsupport::HostPath(data) + "\\Private\\RéglagesAffichage.rgsc";
    ASSERT_TRUE(ReadDisplaySettingsFile(file.c_str(), &display, &custom));
    platform::CopyBounded(display.logoPath, "images/trophee.bmp");
    std::memcpy(widths, display.columnWidths, sizeof widths);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(200, 200, 200));
    windowClass.lpszClassName = "RaceScreenTest";
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    RegisterClassA(&windowClass);
    window = CreateWindowA("RaceScreenTest", "Vellgrin", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    painted = nullptr;
    if (window) DestroyWindow(window);
    UnregisterClassA("RaceScreenTest", GetModuleHandleA(nullptr));
    platform::SetCurrentFolder(savedFolder.c_str());
    platform::test::ResetProgramFolder();
    SetActiveProfile(kEnglishBuild);
  }

  // The stage tables at a moment of a stage, ranked by the ranking chain.
  void Prepare(Moment moment, int tableStyle, int international) {
    StageTables& t = Stage();
    t.NewStage(kDriverCount);
    t.AddPenalty("A", kPenaltyGross, 600);
    t.AddPenalty("PS", kPenaltyAdded, 60);
    t.AddPenalty("P1", kPenaltyAdded, 10);
    if (moment == Moment::Mid) {
      t.Set(0, kEntryFinished, 65432);
      t.Set(1, kEntryFinished, 71020);
      t.Set(2, kEntryFinished, 65432);  // the same fastest time
      t.Set(3, kEntryRunning, 0);
      t.Set(4, kEntryReleased, 0);
      t.Set(5, kEntryFirstPenalty, 0);  // abandoned
      t.Set(6, kEntryFirstPenalty + 1, 69000);  // late start "PS"
      t.entries[6].lateStart = 1;
      t.entries[6].startOffset = 7400;
      t.Set(7, kEntryFirstPenalty + 2, 68000);  // "P1"
      t.Set(8, kEntryFinished, 80250);
      t.entries[8].startOffset = 1200;
    } else if (moment == Moment::After) {
      for (int i = 0; i < kDriverCount; ++i) t.Set(i, kEntryFinished, 64000 + 1377 * ((i * 7) % kDriverCount));
      t.Set(10, kEntryFirstPenalty, 0);
    }
    for (int i = 0; i < kDriverCount; ++i) {
      StageDisplayRow& row = t.display[i];
      platform::CopyBounded(row.name, kDrivers[i].name);
      platform::CopyBounded(t.entries[i].name, kDrivers[i].name);
      platform::CopyBounded(row.team, international ? kDrivers[i].team : "RC Vellgrin");
      platform::CopyBounded(row.carNumber, kDrivers[i].car);
      platform::CopyBounded(row.category, kDrivers[i].category);
      std::snprintf(row.transponder, sizeof row.transponder, "%06d", 481200 + i * 37);
      std::snprintf(row.startPositionText, sizeof row.startPositionText, "%d", i + 1);
    }
    RerankStage(t.entries, t.ranking, t.rows, t.display, t.penalties, kDriverCount, NoCurrentEntry);

    display.tableStyle = tableStyle;
    const int W = GetSystemMetrics(SM_CXSCREEN);
    const int H = GetSystemMetrics(SM_CYSCREEN);
    const int entries = moment == Moment::Before ? 0 : kDriverCount;
    RaceScreenLayout first = ComputeRaceScreenLayout(W, H, widths, 100, RaceRowMetrics{});
    RaceRowMetrics rows =
        ComputeRaceRowHeight(window, display, first.tableFrame, first.resultsArea, W, H, entries);

    input = {};
    input.screenWidth = W;
    input.screenHeight = H;
    input.layout = ComputeRaceScreenLayout(W, H, widths, 100, rows);
    input.rows = rows;
    input.display = &display;
    input.columnWidths = widths;
    input.startTimeColumnWidth = 100;
    input.displayRows = t.display;
    input.entryCount = entries;
    input.stageTitle = " SS 3 - Col de Vellgrin ";
    input.maximumStartTimeText = "Maximum start time : 1:00";
    input.startCountdownText = moment == Moment::Mid ? "12s" : "";
    input.stageClockText = moment == Moment::Before ? "0:00:00" : moment == Moment::Mid ? "0:04:17" : "0:09:52";
    input.restartMinutesText = "5:00";
    input.restartCountdownText = moment == Moment::After ? "4:12 before start" : "";
    input.restartElapsed = 0;
    input.penalties = t.penalties;
    input.lateStartEnabled = 1;
    input.lateStartEnabled2 = 1;
    input.startType = moment == Moment::Mid ? kWrcStart : kStandardStart;
    input.stageState = moment == Moment::Before ? 0 : moment == Moment::Mid ? 1 : 3;
    input.radioConflict = moment == Moment::Mid ? 1 : 0;
    input.international = international;
  }

  // The client area as the painter draws it, from a canvas: windows of other test programs
  // on the shared desktop cannot cover it.
  std::string Capture(const char* name) {
    RECT client = {0, 0, input.screenWidth, input.screenHeight};
    Canvas canvas(window, input, RGB(200, 200, 200));
    return testsupport::SaveDeviceContextArea(canvas.dc, client, name);
  }
  // The real maximised window on the desktop.
  std::string CaptureOnScreen(const char* name) {
    painted = &input;
    ShowWindow(window, SW_MAXIMIZE);
    // Above the windows of test programs running beside this one.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    return testsupport::CaptureWindow(window, name);
  }

  // Paints into a screen-sized memory canvas and reads its pixels.
  struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    Canvas(HWND window, const RaceScreenInput& in, COLORREF background = RGB(128, 128, 128)) {
      HDC screen = GetDC(nullptr);
      dc = CreateCompatibleDC(screen);
      bitmap = CreateCompatibleBitmap(screen, in.screenWidth, in.screenHeight);
      ReleaseDC(nullptr, screen);
      old = SelectObject(dc, bitmap);
      RECT all = {0, 0, in.screenWidth, in.screenHeight};
      HBRUSH brush = CreateSolidBrush(background);
      FillRect(dc, &all, brush);
      DeleteObject(brush);
      PaintRaceScreen(window, dc, in);
    }
    ~Canvas() {
      SelectObject(dc, old);
      DeleteObject(bitmap);
      DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
  };

  HWND window = nullptr;
  std::string savedFolder;
  std::string assets;
  DisplaySettings display;
  int widths[kLiveColumnCount];
  RaceScreenInput input;
};

TEST_F(RaceScreenTest, RowMetricsComeFromTheCellFontsAndTheRoomInTheFrame) {
  Prepare(Moment::Mid, 0, 0);
  EXPECT_GT(input.rows.rowHeight, 20);
  EXPECT_LT(input.rows.rowHeight, 40);
  EXPECT_EQ(input.rows.rowsShown, kDriverCount);
  const int available = input.layout.tableFrame.bottom - input.layout.resultsArea.top;
  EXPECT_LT(input.rows.rowHeight * input.rows.rowsFit * 900 / 900, available);
  EXPECT_GE(input.rows.rowHeight * (input.rows.rowsFit + 1), available);
}

TEST_F(RaceScreenTest, FillsFollowTheColoursAndTheTableStyle) {
  Prepare(Moment::Mid, 2, 0);
  const RaceScreenLayout& l = input.layout;
  const int midX = (l.resultsArea.left + l.resultsArea.right) / 2;
  {
    // Style 2 leaves the results area in the table background; the header is a gradient.
    Canvas canvas(window, input);
    EXPECT_EQ(canvas.At(l.tableFrame.left + 5, l.tableFrame.bottom - 5), static_cast<COLORREF>(display.displayColours[2]));
    EXPECT_EQ(canvas.At(midX + 3, l.resultsArea.bottom + 6), static_cast<COLORREF>(display.displayColours[2]));
    EXPECT_EQ(canvas.At(l.clockPanel.left + 2, l.clockPanel.top + 2), static_cast<COLORREF>(display.displayColours[0]));
    EXPECT_NE(canvas.At(l.headerBand.left + 3, l.headerBand.top + 2),
              canvas.At(l.headerBand.left + 3, l.headerBand.bottom - 2));
  }
  // Equal header colours: plain header and the plain pale-yellow lane column.
  display.displayColours[9] = display.displayColours[8];
  display.displayColours[11] = display.displayColours[10];
  {
    Canvas canvas(window, input);
    EXPECT_EQ(canvas.At(l.headerBand.left + 3, l.headerBand.bottom - 3), static_cast<COLORREF>(display.displayColours[8]));
    EXPECT_EQ(canvas.At(l.laneColumn.left + 3, l.laneColumn.bottom - 3), RGB(255, 255, 200));
    EXPECT_EQ(canvas.At(midX + 3, l.resultsArea.bottom - 3), static_cast<COLORREF>(display.displayColours[10]));
  }
}

TEST_F(RaceScreenTest, EveryFastestTimeIsMarkedAndPenaltyCodesAreRedOnWhite) {
  Prepare(Moment::Mid, 0, 0);
  const RaceScreenLayout& l = input.layout;
  const int W = input.screenWidth;
  const int H = input.screenHeight;
  LiveTableColumns columns = ComputeLiveTableColumns(l, W, widths, 100, 1, 0);
  // No white in the table itself, so that white comes only from the codes' background.
  display.displayColours[10] = RGB(200, 220, 255);
  display.displayColours[11] = RGB(150, 180, 230);
  Canvas canvas(window, input);
  // The display rows are in slot order: slots 0 and 2 share the fastest time.
  for (int line = 0; line < kDriverCount; ++line) {
    int yellow = 0;
    int white = 0;
    const int top = RowTextTop(l, H, input.rows.rowHeight, line);
    for (int dx = 1; dx < 60; ++dx) {
      for (int dy = 2; dy < 14; dy += 3) {
        if (canvas.At(columns.column[kTimeColumn].cellX - dx, top + dy) == RGB(255, 255, 100)) ++yellow;
      }
    }
    // Below the 16-pixel flags, inside the code's opaque box.
    for (int dx = -5; dx <= 5; ++dx) {
      if (canvas.At(columns.column[kFlagColumn].cellX + dx, top + 19) == RGB(255, 255, 255)) ++white;
    }
    EXPECT_EQ(yellow > 0, line == 0 || line == 2) << "line " << line;
    EXPECT_EQ(white > 0, line == 6 || line == 7) << "line " << line << ": codes of PS and P1 only";
  }
}

TEST_F(RaceScreenTest, PenaltyStatesPastTheListAndScrollingPastTheEntriesDrawNothingThere) {
  Prepare(Moment::Mid, 0, 0);
  StageTables& t = Stage();
  t.display[7].state = kEntryFirstPenalty + 40;  // no such penalty in the list
  input.scrollPosition = 5;  // lines 7 .. 11 would be past the 12 entries
  const RaceScreenLayout& l = input.layout;
  LiveTableColumns columns = ComputeLiveTableColumns(l, input.screenWidth, widths, 100, 1, 0);
  display.displayColours[10] = RGB(200, 220, 255);
  display.displayColours[11] = RGB(150, 180, 230);
  Canvas canvas(window, input);
  auto whiteNear = [&](int line) {
    int y = RowTextTop(l, input.screenHeight, input.rows.rowHeight, line) + 19;
    int white = 0;
    for (int dx = -5; dx <= 5; ++dx) {
      if (canvas.At(columns.column[kFlagColumn].cellX + dx, y) == RGB(255, 255, 255)) ++white;
    }
    return white > 0;
  };
  EXPECT_TRUE(whiteNear(1)) << "line 1 shows display row 6, the late start";
  EXPECT_FALSE(whiteNear(7 - 5)) << "a state past the penalty list shows no code";
  for (int line = 7; line < input.rows.rowsShown; ++line) EXPECT_FALSE(whiteNear(line)) << line;
}

// The live table's headings with the factory display settings, in each program, for a club
// and an international event: each within the lines of its own column and none over another
// ("Couloir" and "- au premier" are wider than their columns in the heading font).
TEST_F(RaceScreenTest, EveryHeadingStaysWithinItsColumnInEachLanguage) {
  const BuildProfile* profiles[] = {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild};
  for (const BuildProfile* profile : profiles) {
    SetActiveProfile(*profile);
    for (int international : {0, 1}) {
      Prepare(Moment::Mid, 1, international);
      testsupport::DrawingRecorder recorder;
      PaintRaceScreen(window, recorder.dc(), input);
      const testsupport::Drawing drawing = recorder.Finish();
      const LiveTableColumns columns =
          ComputeLiveTableColumns(input.layout, input.screenWidth, widths, input.startTimeColumnWidth,
                                  input.lateStartEnabled2, international);
      std::vector<RECT> boxes;
      int tallest = 0;
      for (const LiveColumnDraw& column : columns.column) {
        const testsupport::DrawnText* drawn = column.headingShown ? testsupport::FindText(drawing, Tr(column.heading)) : nullptr;
        if (drawn) tallest = std::max(tallest, drawn->height);
      }
      for (const LiveColumnDraw& column : columns.column) {
        if (!column.headingShown) continue;
        const std::string heading = Tr(column.heading);
        SCOPED_TRACE(std::string(profile->programName) + ": " + heading);
        const testsupport::DrawnText* drawn = testsupport::FindText(drawing, heading);
        ASSERT_NE(drawn, nullptr);
        EXPECT_GT(drawn->box.left, column.left);
        EXPECT_LT(drawn->box.right, column.right);
        EXPECT_GE(2 * drawn->height, tallest) << "still readable beside the others";
        for (const RECT& other : boxes) EXPECT_TRUE(drawn->box.left >= other.right || drawn->box.right <= other.left);
        boxes.push_back(drawn->box);
      }
    }
  }
  SetActiveProfile(kFrenchBuild);
  Prepare(Moment::Mid, 1, 0);
  EXPECT_FALSE(Capture("race-screen-headings-fr").empty());
  SetActiveProfile(kSpanishBuild);
  Prepare(Moment::Mid, 1, 1);
  EXPECT_FALSE(Capture("race-screen-headings-es").empty());
}

TEST_F(RaceScreenTest, CapturesBeforeDuringAndAfterAStageInEachTableStyle) {
  const char* moments[] = {"before", "mid", "after"};
  for (int style = 0; style <= 2; ++style) {
    for (int m = 0; m < 3; ++m) {
      Prepare(static_cast<Moment>(m), style, 0);
      std::string name = std::string("race-screen-") + moments[m] + "-style" + std::to_string(style);
      EXPECT_FALSE(Capture(name.c_str()).empty()) << name;
    }
  }
  Prepare(Moment::Mid, 1, 1);
  EXPECT_FALSE(Capture("race-screen-international").empty());
  EXPECT_FALSE(CaptureOnScreen("race-screen-window").empty());
  // A build without the late-start penalty shows no start-time cells nor maximum start time.
  SetActiveProfile(kFrenchBuild);
  Prepare(Moment::Mid, 0, 0);
  input.startTimeColumnWidth = 5;
  input.layout = ComputeRaceScreenLayout(input.screenWidth, input.screenHeight, widths, 5, input.rows);
  EXPECT_FALSE(Capture("race-screen-mid-fr").empty());
}

}  // namespace
