// The championships window opened by command 1015 of the English program, recorded, reopened
// and discarded; the French and Spanish programs without it; the sponsors dialog adding,
// removing, placing, dragging and saving sponsors, with captures of both windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/database_files.h"
#include "race/settings_files.h"
#include "results/championship_dialogs.h"
#include "results/championship_ids.h"
#include "results/championship_sponsors.h"
#include "results/points_scale_file.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/message_texts.h"
#include "tests/support/read_only_file.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::ControlText;
using testsupport::ReadBytes;
using testsupport::SendCommand;

void WriteChampionships(const std::vector<const char*>& names) {
  static ChampionshipsTable table;
  for (ChampionshipRecord& record : table) std::memset(&record, 0, sizeof record);
  for (std::size_t i = 0; i < names.size(); ++i) platform::CopyBounded(table[i].name, names[i]);
  ASSERT_TRUE(WriteChampionshipsDatabase(kChampionshipsDatabaseFile, table, static_cast<int>(names.size())));
}

// A 24-bit bitmap file of width x height in one colour with a darker band across it.
void WriteBitmap(const std::string& path, int width, int height, COLORREF colour) {
  const int row = (width * 3 + 3) & ~3;
  const int size = 54 + row * height;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  auto put32 = [&](int at, int value) {
    for (int b = 0; b < 4; ++b) bytes[static_cast<std::size_t>(at + b)] = static_cast<char>((value >> (8 * b)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  bytes[26] = 1;
  bytes[28] = 24;
  put32(34, row * height);
  for (int y = 0; y < height; ++y) {
    const bool band = y > height / 3 && y < 2 * height / 3;
    for (int x = 0; x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(54 + y * row + x * 3);
      const int shade = band ? 2 : 1;
      bytes[at] = static_cast<char>(GetBValue(colour) / shade);
      bytes[at + 1] = static_cast<char>(GetGValue(colour) / shade);
      bytes[at + 2] = static_cast<char>(GetRValue(colour) / shade);
    }
  }
  testsupport::WriteBytes(path, bytes);
}

int EditValue(HWND dialog, int control) { return std::atoi(ControlText(dialog, control).c_str()); }

// --- The championships window through the main window ---

class ChampionshipWindow : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    platform::SetCurrentFolder(folder.path().c_str());
    platform::CreateFolder("images");
    std::string trophy = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/images/trophee.bmp");
    platform::CopyFileTo(trophy.c_str(), "images/trophee.bmp");
    WriteChampionships({"Cup A", "Cup B"});
    platform::test::ClearMessages();
  }
  bool OpenWindow(void (*play)(HWND)) {
    return testsupport::RunModalDialog(window, kCmdChampionshipClassifications, "Championships classifications", play);
  }
};

struct Seen {
  std::string title;
  int comboCount = -1;
  int selected = -2;
  std::vector<int> values;
  bool descending = false, rallyFixed = false, powerFixed = false;
  int firstLimit = 0, gapLimit = 0;
  bool sponsorsOpened = false;
  std::string sponsorsTitle;
  bool sponsorsOnScreen = false;
  bool classificationOpened = false;
  std::string classificationTitle;
};
Seen seen;

void Look(HWND dialog) {
  seen.title = ControlText(dialog, IDC_CHAMP_TITLE);
  seen.comboCount = static_cast<int>(SendDlgItemMessageA(dialog, IDC_CHAMP_COMBO, CB_GETCOUNT, 0, 0));
  seen.selected = static_cast<int>(SendDlgItemMessageA(dialog, IDC_CHAMP_COMBO, CB_GETCURSEL, 0, 0));
  seen.values.clear();
  for (int k = 0; k < 12; ++k) seen.values.push_back(EditValue(dialog, IDC_CHAMP_RALLY_FIRST + k));
  for (int k = 0; k < 10; ++k) seen.values.push_back(EditValue(dialog, IDC_CHAMP_POWER_FIRST + k));
  seen.descending = IsDlgButtonChecked(dialog, IDC_CHAMP_DESCENDING) == BST_CHECKED;
  seen.rallyFixed = IsDlgButtonChecked(dialog, IDC_CHAMP_RALLY_FIXED) == BST_CHECKED;
  seen.powerFixed = IsDlgButtonChecked(dialog, IDC_CHAMP_POWER_FIXED) == BST_CHECKED;
}

void Select(HWND dialog, int item) {
  SendDlgItemMessageA(dialog, IDC_CHAMP_COMBO, CB_SETCURSEL, item, 0);
  SendCommand(dialog, IDC_CHAMP_COMBO, CBN_SELCHANGE);
}

TEST_F(ChampionshipWindow, RecordedScalesComeBackOkDiscardsAndSponsorsOpensWithTheChosenName) {
  // First opening: no points file, no selection, the defaults; B changed and recorded.
  ASSERT_TRUE(OpenWindow([](HWND dialog) {
    Look(dialog);
    Select(dialog, 1);
    SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_FIRST, "100");
    SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_FIRST + 1, "12");
    SetDlgItemTextA(dialog, IDC_CHAMP_POWER_FIRST + 9, "3");
    SendDlgItemMessageA(dialog, IDC_CHAMP_ASCENDING, BM_CLICK, 0, 0);
    SendDlgItemMessageA(dialog, IDC_CHAMP_POWER_RELATIVE, BM_CLICK, 0, 0);
    seen.firstLimit = static_cast<int>(SendDlgItemMessageA(dialog, IDC_CHAMP_RALLY_FIRST, EM_GETLIMITTEXT, 0, 0));
    seen.gapLimit = static_cast<int>(SendDlgItemMessageA(dialog, IDC_CHAMP_RALLY_FIRST + 1, EM_GETLIMITTEXT, 0, 0));
    SendCommand(dialog, IDOK);
    // A modal dialog shows itself once its loop is idle: shown now, on top, to be captured.
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    testsupport::CaptureWindow(dialog, "championships-window");
    SendCommand(dialog, IDCANCEL);
  }));
  EXPECT_EQ(seen.comboCount, 2);
  EXPECT_EQ(seen.selected, -1);
  EXPECT_EQ(seen.title, "");
  EXPECT_EQ(seen.values, (std::vector<int>{25, 7, 3, 3, 2, 2, 2, 2, 2, 1, 1, 0, 5, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
  EXPECT_TRUE(seen.descending && seen.rallyFixed && seen.powerFixed);
  EXPECT_EQ(seen.firstLimit, 3);
  EXPECT_EQ(seen.gapLimit, 2);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  const std::string recorded = ReadBytes("Championnats/ChampionnatPoints.pts");
  EXPECT_EQ(recorded.rfind("ChampionnatS\xE9lection\tCup B\t\r\nCup A\t2\t1\t25\t7\t", 0), 0u) << recorded;
  EXPECT_NE(recorded.find("\r\nCup B\t1\t1\t100\t12\t3\t"), std::string::npos) << recorded;

  // Reopened: B selected with its values; a change then OK leaves the file as it was.
  ASSERT_TRUE(OpenWindow([](HWND dialog) {
    Look(dialog);
    SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_FIRST, "55");
    Select(dialog, 0);
    SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_FIRST, "44");
    SendCommand(dialog, IDCANCEL);
  }));
  EXPECT_EQ(seen.title, "Championship 'Cup B'");
  EXPECT_EQ(seen.selected, 1);
  EXPECT_EQ(seen.values[0], 100);
  EXPECT_EQ(seen.values[1], 12);
  EXPECT_EQ(seen.values[21], 3);
  EXPECT_FALSE(seen.descending);
  EXPECT_TRUE(seen.rallyFixed);
  EXPECT_FALSE(seen.powerFixed);
  EXPECT_EQ(ReadBytes("Championnats/ChampionnatPoints.pts"), recorded);

  // Closing the window discards too; Sponsors opens the sponsors of the chosen championship.
  ASSERT_TRUE(OpenWindow([](HWND dialog) {
    Look(dialog);
    SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_FIRST, "66");
    UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
      HWND sponsors = FindWindowA(nullptr, "Championship sponsors");
      if (!sponsors || seen.sponsorsOpened) return;
      seen.sponsorsOpened = true;
      seen.sponsorsTitle = ControlText(sponsors, IDC_SPONSORS_TITLE);
      RECT area;
      GetWindowRect(sponsors, &area);
      seen.sponsorsOnScreen = area.top >= 0 && area.bottom <= GetSystemMetrics(SM_CYSCREEN);
      SendCommand(sponsors, IDCANCEL);
    });
    SendCommand(dialog, IDC_CHAMP_SPONSORS);
    KillTimer(nullptr, timer);
    // View opens the classification of the chosen championship.
    timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
      HWND classification = FindWindowA(nullptr, "Championship classification");
      if (!classification || seen.classificationOpened) return;
      seen.classificationOpened = true;
      seen.classificationTitle = ControlText(classification, IDC_STANDINGS_TITLE);
      SendCommand(classification, IDCANCEL);
    });
    SendCommand(dialog, IDC_CHAMP_VIEW);
    KillTimer(nullptr, timer);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  }));
  EXPECT_EQ(seen.values[0], 100);
  EXPECT_TRUE(seen.sponsorsOpened);
  EXPECT_EQ(seen.sponsorsTitle, "Championship 'Cup B'");
  EXPECT_TRUE(seen.sponsorsOnScreen) << "the whole page preview on the screen";
  EXPECT_TRUE(seen.classificationOpened);
  EXPECT_EQ(seen.classificationTitle, "Championship 'Cup B'");
  EXPECT_EQ(ReadBytes("Championnats/ChampionnatPoints.pts"), recorded);
}

TEST_F(ChampionshipWindow, TheSavedSelectionFoundIgnoringCaseIsTheRecordShownAndChanged) {
  platform::CreateFolder("Championnats");
  const std::string numbersA = "2\t1\t30\t7\t3\t3\t2\t2\t2\t2\t2\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1\t5\t1\t1\t1\t1\t1\t0\t0\t0\t0\t";
  const std::string numbersB = "2\t1\t40\t7\t3\t3\t2\t2\t2\t2\t2\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t0\t1\t5\t1\t1\t1\t1\t1\t0\t0\t0\t0\t";
  testsupport::WriteBytes("Championnats/ChampionnatPoints.pts", "ChampionnatS\xE9lection\tcup b\t\r\nCup A\t" + numbersA +
                                                                    "\r\nCup B\t" + numbersB + "\r\n");
  ASSERT_TRUE(OpenWindow([](HWND dialog) {
    Look(dialog);
    SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_FIRST + 2, "9");
    SendCommand(dialog, IDOK);
    SendCommand(dialog, IDCANCEL);
  }));
  EXPECT_EQ(seen.selected, 1);
  EXPECT_EQ(seen.title, "Championship 'Cup B'");
  EXPECT_EQ(seen.values[0], 40) << "B's own values, not record 0's";
  const std::string written = ReadBytes("Championnats/ChampionnatPoints.pts");
  EXPECT_NE(written.find("\r\nCup A\t2\t1\t30\t7\t3\t"), std::string::npos) << written;
  EXPECT_NE(written.find("\r\nCup B\t2\t1\t40\t7\t9\t"), std::string::npos) << written;
}

TEST_F(ChampionshipWindow, WithoutTheDatabaseRecordKeepsThePointsFile) {
  platform::CreateFolder("Championnats");
  const std::string before = "ChampionnatS\xE9lection\tCup A\t\r\nCup A\t2\t1\t30\t\r\n";
  testsupport::WriteBytes("Championnats/ChampionnatPoints.pts", before);
  platform::DeleteFileAt(kChampionshipsDatabaseFile);
  ASSERT_TRUE(OpenWindow([](HWND dialog) {
    Look(dialog);
    SetDlgItemTextA(dialog, IDC_CHAMP_RALLY_FIRST, "1");
    SendCommand(dialog, IDOK);
    SendCommand(dialog, IDC_CHAMP_SPONSORS);
    SendCommand(dialog, IDCANCEL);
  }));
  EXPECT_EQ(seen.comboCount, 0);
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error : 'Championships' database file not found"});
  EXPECT_EQ(ReadBytes("Championnats/ChampionnatPoints.pts"), before);
}

TEST_F(ChampionshipWindow, TheFrenchAndSpanishProgramsHaveNoChampionshipsWindow) {
  for (const BuildProfile* build : {&kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*build);
    bool opened = testsupport::PlayModalDialog(
        [this] { SendMessageA(window, WM_COMMAND, kCmdChampionshipClassifications, 0); },
        Tr(Text::ChampionshipsCaption), [](HWND dialog) { SendCommand(dialog, IDCANCEL); });
    EXPECT_FALSE(opened);
  }
  SetActiveProfile(kEnglishBuild);
}

// --- The sponsors dialog ---

class SponsorsDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    previous = platform::CurrentFolder();
    platform::SetCurrentFolder(folder.path().c_str());
    platform::CreateFolder("Private");
    platform::CreateFolder("logos");
    platform::test::ClearMessages();
    platform::test::InterceptFileDialogs();
    WriteBitmap("logos/software.bmp", 147, 37, RGB(30, 90, 200));
    testsupport::WriteBytes(kDisplaySettingsFile, "1\t\r\nlogos/software.bmp\t\r\n");
    WriteChampionships({"Cup A", "Cup B", ".."});
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    platform::test::StopInterceptingFileDialogs();
    platform::SetCurrentFolder(previous.c_str());
  }
  void Open(const char* championship) {
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "CHAMPIONNATSPONSORS", nullptr, SponsorsDialogProc,
                                reinterpret_cast<LPARAM>(championship));
    ASSERT_NE(dialog, nullptr);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    testsupport::PumpMessages();
  }
  void Add(const char* name) {
    SetDlgItemTextA(dialog, IDC_SPONSORS_NEW_NAME, name);
    SendCommand(dialog, IDC_SPONSORS_ADD);
  }
  std::vector<std::string> Listed() {
    std::vector<std::string> names;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, IDC_SPONSORS_LIST, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[64] = "";
      SendDlgItemMessageA(dialog, IDC_SPONSORS_LIST, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      names.push_back(text);
    }
    return names;
  }
  void Choose(const char* name) {
    LRESULT item = SendDlgItemMessageA(dialog, IDC_SPONSORS_LIST, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageA(dialog, IDC_SPONSORS_LIST, CB_SETCURSEL, item, 0);
    SendCommand(dialog, IDC_SPONSORS_LIST, CBN_SELCHANGE);
  }
  // A double click in the logo box, answered with that file.
  void ChooseLogo(const std::string& path) {
    platform::test::QueueFileDialogAnswer(path);
    SendMessageA(dialog, WM_LBUTTONDBLCLK, 0, MAKELPARAM(450, 170));
  }
  void Mouse(UINT message, int x, int y) { SendMessageA(dialog, message, 0, MAKELPARAM(x, y)); }
  std::string Number() {
    char text[16] = "";
    SendDlgItemMessageA(dialog, IDC_SPONSORS_NUMBER, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return text;
  }

  testsupport::TempFolder folder;
  std::string previous;
  HWND dialog = nullptr;
};

TEST_F(SponsorsDialog, AddsRemovesPlacesDragsAndSaves) {
  Open("Cup A");
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  EXPECT_EQ(ControlText(dialog, IDC_SPONSORS_TITLE), "Championship 'Cup A'");
  EXPECT_TRUE(Listed().empty());
  Add("beta");
  Add("Alpha");
  Add("charlie");
  Add("Alpha");
  Add(" space");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Alpha", "beta", "charlie"}));
  EXPECT_EQ(ControlText(dialog, IDC_SPONSORS_LIST), "charlie");
  EXPECT_EQ(Number(), "3");
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_SPONSORS_NEW_NAME, EM_GETLIMITTEXT, 0, 0), 18);

  // Logos for beta and Alpha: placed down the left margin in table order.
  WriteBitmap("logos/a.bmp", 200, 60, RGB(220, 40, 40));
  WriteBitmap("logos/b.bmp", 200, 60, RGB(40, 160, 60));
  Choose("beta");
  ChooseLogo("logos/b.bmp");
  Choose("Alpha");
  ChooseLogo("logos/a.bmp");
  // Dragged by its centre (73, 360) and dropped in the left margin at (60, 500).
  Mouse(WM_MOUSEMOVE, 73, 360);
  Mouse(WM_LBUTTONDOWN, 73, 360);
  Mouse(WM_MOUSEMOVE, 60, 500);
  Mouse(WM_LBUTTONUP, 60, 500);
  // beta's logo, dragged from (73, 390) into the page, stays.
  Mouse(WM_MOUSEMOVE, 73, 390);
  Mouse(WM_LBUTTONDOWN, 73, 390);
  Mouse(WM_LBUTTONUP, 400, 500);
  // A drag whose mouse capture is taken away (a message box) drops nothing at the next release.
  Mouse(WM_MOUSEMOVE, 73, 390);
  Mouse(WM_LBUTTONDOWN, 73, 390);
  ReleaseCapture();
  Mouse(WM_MOUSEMOVE, 60, 600);
  Mouse(WM_LBUTTONUP, 60, 600);
  // "+" on Alpha twice, "-" once.
  SendCommand(dialog, IDC_SPONSORS_LARGER);
  SendCommand(dialog, IDC_SPONSORS_LARGER);
  SendCommand(dialog, IDC_SPONSORS_SMALLER);
  SendCommand(dialog, IDOK);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_EQ(ReadBytes("Championnats/Cup A/Sponsors.spr"),
            "Alpha\tlogos/a.bmp\t27\t490\t102\t\r\nbeta\tlogos/b.bmp\t40\t380\t100\t\r\ncharlie\t\t0\t0\t100\t\r\n");
  DestroyWindow(dialog);

  // Reopened: removing Alpha places the remaining logo afresh; Cancel keeps the file.
  Open("Cup A");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Alpha", "beta", "charlie"}));
  SendCommand(dialog, IDC_SPONSORS_REMOVE);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"beta", "charlie"}));
  EXPECT_EQ(Number(), "1");
  SendCommand(dialog, IDOK);
  EXPECT_EQ(ReadBytes("Championnats/Cup A/Sponsors.spr"),
            "beta\tlogos/b.bmp\t40\t350\t100\t\r\ncharlie\t\t0\t0\t100\t\r\n");
  DestroyWindow(dialog);
  Open("Cup A");
  Add("delta");
  SendCommand(dialog, IDCANCEL);
  EXPECT_EQ(ReadBytes("Championnats/Cup A/Sponsors.spr"),
            "beta\tlogos/b.bmp\t40\t350\t100\t\r\ncharlie\t\t0\t0\t100\t\r\n");
}

TEST_F(SponsorsDialog, TheSelectedSponsorIsTheItemsTextImportsAreGuardedAndAFailedSaveKeepsTheDialog) {
  // Names the list sorts otherwise than the table: "_b" comes after letters in the table.
  Open("Cup B");
  Add("-b");
  Add("a");
  Add("Zed");
  // A name that differs only in case is another sponsor, and the one selected once added.
  Add("zed");
  EXPECT_EQ(ControlText(dialog, IDC_SPONSORS_LIST), "zed");
  SendCommand(dialog, IDC_SPONSORS_REMOVE);
  WriteBitmap("logos/z.bmp", 200, 60, RGB(250, 200, 0));
  Choose("Zed");
  ChooseLogo("logos/z.bmp");
  SendCommand(dialog, IDC_SPONSORS_LARGER);
  SendCommand(dialog, IDOK);
  const std::string saved = ReadBytes("Championnats/Cup B/Sponsors.spr");
  EXPECT_NE(saved.find("Zed\tlogos/z.bmp\t40\t350\t102\t"), std::string::npos) << saved;
  DestroyWindow(dialog);

  // Import from "..": nothing; from Cup B: its sponsors over the table.
  Open("Cup A");
  Add("keep");
  SendDlgItemMessageA(dialog, IDC_SPONSORS_IMPORT_FROM, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(".."));
  SendCommand(dialog, IDC_SPONSORS_IMPORT_FROM, CBN_SELCHANGE);
  SendCommand(dialog, IDC_SPONSORS_IMPORT);
  EXPECT_EQ(Listed(), std::vector<std::string>{"keep"});
  SendDlgItemMessageA(dialog, IDC_SPONSORS_IMPORT_FROM, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>("Cup B"));
  SendCommand(dialog, IDC_SPONSORS_IMPORT_FROM, CBN_SELCHANGE);
  SendCommand(dialog, IDC_SPONSORS_IMPORT);
  EXPECT_EQ(Listed().size(), 3u);
  Choose("Zed");
  EXPECT_EQ(Number(), "3") << "its number in the table, whatever its place in the list";

  // The folder cannot take the file: the message, and the dialog stays with its work.
  platform::CreateFolder("Championnats");
  testsupport::WriteBytes("Championnats/Cup A", "a file where the folder should be");
  SendCommand(dialog, IDOK);
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error : 'Sponsors data' file not found"});
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(Listed().size(), 3u);
}

TEST_F(SponsorsDialog, AReadOnlyDisplaySettingsFileStillGivesTheSoftwareLogo) {
  {
    testsupport::ReadOnlyFile settings(kDisplaySettingsFile);
    ASSERT_TRUE(settings.held());
    Open("Cup A");
  }
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  testsupport::PumpMessages();
  HDC dc = GetDC(dialog);
  EXPECT_EQ(GetPixel(dc, 120 + 98, 250 + 5) & 0xFFFFFF, static_cast<COLORREF>(RGB(30, 90, 200)))
      << "the logo stands at the top left of the page";
  ReleaseDC(dialog, dc);
}

TEST_F(SponsorsDialog, TwelveLogosOnThePreview) {
  Open("Cup A");
  const COLORREF colours[] = {RGB(220, 40, 40),  RGB(40, 160, 60),  RGB(40, 80, 220),  RGB(240, 160, 0),
                              RGB(140, 40, 180), RGB(0, 170, 170),  RGB(200, 90, 40),  RGB(90, 90, 90),
                              RGB(230, 60, 140), RGB(120, 180, 30), RGB(30, 120, 150), RGB(180, 150, 90)};
  for (int i = 0; i < 12; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Sponsor %02d", i + 1);
    Add(name);
    std::string logo = "logos/s" + std::to_string(i) + ".bmp";
    WriteBitmap(logo, 200, 60, colours[i]);
    ChooseLogo(logo);
  }
  testsupport::PumpMessages();
  std::string shot = testsupport::CaptureWindow(dialog, "sponsors-dialog");
  EXPECT_FALSE(shot.empty());
  // The eleventh and twelfth logos stand in the bottom margin.
  HDC dc = GetDC(dialog);
  EXPECT_EQ(GetPixel(dc, 170 + 5, 760 + 3) & 0xFFFFFF, static_cast<COLORREF>(RGB(30, 120, 150)));
  EXPECT_EQ(GetPixel(dc, 270 + 5, 760 + 3) & 0xFFFFFF, static_cast<COLORREF>(RGB(180, 150, 90)));
  EXPECT_EQ(GetPixel(dc, 400, 500) & 0xFFFFFF, static_cast<COLORREF>(RGB(255, 255, 255)));
  ReleaseDC(dialog, dc);
}

}  // namespace
