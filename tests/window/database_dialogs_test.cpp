// The reference database dialogs under Wine: each opened modelessly from its template in a
// fresh working folder, driven with the messages an operator's clicks send, boxes and file
// dialogs answered by the hooks, and captured.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/test_hooks.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "setup/database_dialogs.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"

namespace {

using platform::test::Messages;

class Dialog {
 public:
  Dialog(const char* name, DLGPROC procedure) {
    window_ = CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, procedure, 0);
    ShowWindow(window_, SW_SHOW);
    testsupport::PumpMessages();
  }
  ~Dialog() {
    if (IsWindow(window_)) DestroyWindow(window_);
  }
  HWND operator*() const { return window_; }
  bool Ended() const { return !IsWindowVisible(window_); }

  void Click(int id) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window_, id)));
  }
  // A multi-line edit does not notify a WM_SETTEXT: send the change as typing would.
  void Type(int id, const char* text) {
    SetDlgItemTextA(window_, id, text);
    if (GetWindowLongA(GetDlgItem(window_, id), GWL_STYLE) & ES_MULTILINE) {
      SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(GetDlgItem(window_, id)));
    }
  }
  std::string Text(int id) const {
    char buffer[512] = {0};
    GetDlgItemTextA(window_, id, buffer, sizeof buffer);
    return buffer;
  }
  void Select(int list, int index) {
    SendDlgItemMessageA(window_, list, LB_SETCURSEL, index, 0);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(window_, list)));
  }
  void Choose(int combo, int index) {
    SendDlgItemMessageA(window_, combo, CB_SETCURSEL, index, 0);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(window_, combo)));
  }
  std::vector<std::string> Entries(int list) const {
    std::vector<std::string> entries;
    int count = static_cast<int>(SendDlgItemMessageA(window_, list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char buffer[512] = {0};
      if (SendDlgItemMessageA(window_, list, LB_GETTEXTLEN, i, 0) < 512) {
        SendDlgItemMessageA(window_, list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
      }
      entries.push_back(buffer);
    }
    return entries;
  }
  int Selected(int list) const { return static_cast<int>(SendDlgItemMessageA(window_, list, LB_GETCURSEL, 0, 0)); }
  std::string ComboText(int combo) const { return Text(combo); }
  void DoubleClick(UINT message, int x, int y) { SendMessageA(window_, message, 0, MAKELPARAM(x, y)); }
  // The capture takes the screen area: keep windows of other programs on the test desktop out.
  void Capture(const char* name) {
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(testsupport::CaptureWindow(window_, name).empty());
  }

 private:
  HWND window_;
};

bool HasMessage(const std::string& text) {
  for (const auto& message : Messages()) {
    if (message.text == text && message.caption == "Error") return true;
  }
  return false;
}

// A 24-bit bitmap of one colour with a darker frame, enough to see where it is painted.
void WriteBitmap(const std::string& path, int width, int height, unsigned char r, unsigned char g, unsigned char b) {
  int stride = (width * 3 + 3) & ~3;
  std::string bytes(54 + static_cast<std::size_t>(stride) * height, '\0');
  auto put32 = [&](int at, unsigned value) {
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(at + i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<unsigned>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<unsigned>(width));
  put32(22, static_cast<unsigned>(height));
  bytes[26] = 1;
  bytes[28] = 24;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool frame = x < 2 || y < 2 || x >= width - 2 || y >= height - 2;
      std::size_t at = 54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
      bytes[at] = static_cast<char>(frame ? 0 : b);
      bytes[at + 1] = static_cast<char>(frame ? 0 : g);
      bytes[at + 2] = static_cast<char>(frame ? 0 : r);
    }
  }
  testsupport::WriteBytes(path, bytes);
}

std::string CurrentDirectory() { return platform::CurrentFolder(); }

}  // namespace

TEST(DatabaseDialogsWindow, DriversWithoutFileThenEditsOkAndCancel) {
  storagetest::WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  {
    Dialog dialog("BASEPILOTES", DriversDialogProc);
    ASSERT_NE(*dialog, nullptr);
    EXPECT_TRUE(HasMessage("Error : Drivers database file not found"));
    EXPECT_TRUE(HasMessage("Error : Clubs/Teams database file not found"));
    EXPECT_TRUE(dialog.Entries(3404).empty());
    EXPECT_EQ(dialog.Entries(3403), std::vector<std::string>{"1"});
    dialog.Type(3407, "typed with no driver");  // no selection: nothing to write to
    dialog.Click(3402);                         // Remove on an empty list
    dialog.Click(IDOK);
    EXPECT_TRUE(dialog.Ended());
  }
  EXPECT_EQ(testsupport::ReadBytes(kDriversDatabaseFile), "") << "OK creates the file, empty";

  testsupport::WriteBytes(kClubsDatabaseFile, "Racers\t\t\t\t\t\t\t\t\t\n");
  testsupport::WriteBytes(kCarsDatabaseFile, "Buggy\t\t\t\t\t\n");
  testsupport::WriteBytes(kAgeCategoriesDatabaseFile, "1\t1200\t1300\tJ1\tJunior\t\n1\t1250\t1400\tY2\tYoung\t\n");
  const std::string original =
      "Anna\t\t\t\t\t\t\t\t1260\t\tRacers\tTank\t\t\t\t\r\nMartin\t\t\t\t\t\t\t\t-4\t\tGhost\tBuggy\t\t\t\t\r\n";
  testsupport::WriteBytes(kDriversDatabaseFile, original);
  {
    Dialog dialog("BASEPILOTES", DriversDialogProc);
    EXPECT_EQ(dialog.Entries(3404), (std::vector<std::string>{"Anna", "Martin"}));
    dialog.Type(3405, "(NA)");
    dialog.Click(3401);
    dialog.Type(3405, "MARTIN");
    dialog.Click(3401);
    EXPECT_EQ(dialog.Entries(3404).size(), 2u) << "reserved name and case duplicate refused";
    EXPECT_EQ(dialog.Text(3416), "Y2 : Young") << "the later of two overlapping categories";
    dialog.Type(3405, "");
    dialog.Click(IDCANCEL);
    EXPECT_TRUE(dialog.Ended());
  }
  EXPECT_EQ(testsupport::ReadBytes(kDriversDatabaseFile), original) << "Cancel leaves the file as it was";
  {
    Dialog dialog("BASEPILOTES", DriversDialogProc);
    dialog.Select(3404, 1);
    EXPECT_EQ(dialog.Text(3406), "Martin");
    EXPECT_EQ(dialog.Text(3416), " ");
    dialog.Type(3421, "12345");
    dialog.Type(3421, "123456");
    dialog.Type(3420, "7");
    dialog.Choose(3415, 105);
    dialog.Choose(3414, 0);
    EXPECT_EQ(dialog.Text(3416), "Y2 : Young");
    dialog.Type(3405, "Zed");
    dialog.Click(3401);
    EXPECT_EQ(dialog.Entries(3404), (std::vector<std::string>{"Anna", "Martin", "Zed"}));
    EXPECT_EQ(dialog.Selected(3404), 2);
    dialog.Click(IDOK);
  }
  EXPECT_EQ(testsupport::ReadBytes(kDriversDatabaseFile),
            "Anna\t\t\t\t\t\t\t\t1260\t\tRacers\t\t\t\t\t\r\n"
            "Martin\t\t\t\t\t\t\t\t1260\t\t\tBuggy\t7\t123456\t\t\r\n"
            "Zed\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n")
      << "unknown team and car emptied, negative birthday corrected then chosen";
}

TEST(DatabaseDialogsWindow, DriverPhotoImportExportAndCapture) {
  storagetest::WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  testsupport::WriteBytes(kDriversDatabaseFile, "Anna\t\t\t\t\t\t\t\t0\t\t\t\t\t\t\t\r\nBob\t\t\t\t\t\t\t\t0\t\t\t\t\t\t\t\r\n");
  std::string photo = platform::CurrentFolder() + "\\photo.bmp";
  WriteBitmap("photo.bmp", 60, 40, 40, 160, 220);
  std::string importFile = platform::CurrentFolder() + "\\in.bdp2";
  const std::string rest(14, '\t');
  testsupport::WriteBytes("in.bdp2", "Cleo\t" + rest + "\r\n(NA)\t" + rest + "\r\ncleo\t" + rest + "\r\nDan\t" + rest + "\r\n");
  std::string before = CurrentDirectory();
  Dialog dialog("BASEPILOTES", DriversDialogProc);
  platform::test::QueueFileDialogAnswer(photo);
  dialog.DoubleClick(WM_LBUTTONDBLCLK, 600, 100);
  dialog.Capture("database-drivers");
  dialog.DoubleClick(WM_LBUTTONDBLCLK, 20, 20);  // outside: nothing
  EXPECT_EQ(platform::test::FileDialogs().size(), 1u);

  platform::test::QueueFileDialogAnswer(std::string("Z:\\no\\such\\file.bdp2"));
  dialog.Click(3422);
  EXPECT_TRUE(HasMessage("Error : Import file 'Drivers' not found"));
  EXPECT_EQ(dialog.Entries(3404), (std::vector<std::string>{"Anna", "Bob"})) << "a failed import changes nothing";

  platform::test::QueueFileDialogAnswer(importFile);
  dialog.Click(3422);
  EXPECT_EQ(dialog.Entries(3404), (std::vector<std::string>{"Cleo", "Dan"}));
  EXPECT_EQ(Messages().back().text.find("2 record"), 0u) << Messages().back().text;

  platform::test::QueueFileDialogAnswer(platform::CurrentFolder() + "\\out");
  dialog.Click(3423);
  EXPECT_EQ(platform::test::FileDialogs().back().proposed, before + "\\*.bdp2");
  EXPECT_EQ(testsupport::ReadBytes("out.bdp2"), "Cleo\t\t\t\t\t\t\t\t0\t\t\t\t\t\t\t\r\nDan\t\t\t\t\t\t\t\t0\t\t\t\t\t\t\t\r\n");
  EXPECT_EQ(CurrentDirectory(), before);
}

TEST(DatabaseDialogsWindow, AgeCategoriesOrderBoundsAndFile) {
  storagetest::WorkingFolder folder;
  Dialog dialog("BASEAGES", AgeCategoriesDialogProc);
  EXPECT_TRUE(HasMessage("Error : Age categories database file not found"));
  for (const char* code : {"C1", "A-", "B2", "b2", "X "}) {
    dialog.Type(3305, code);
    dialog.Click(3301);
  }
  EXPECT_EQ(dialog.Entries(3304), (std::vector<std::string>{"C1", "A_", "B2"}));
  dialog.Select(3304, 0);
  dialog.Type(3307, "Under-12");
  EXPECT_EQ(dialog.Text(3307), "Under-12");
  dialog.Choose(3311, 100);
  dialog.Choose(3309, 110);
  EXPECT_EQ(SendDlgItemMessageA(*dialog, 3309, CB_GETCURSEL, 0, 0), 100) << "pulled back to the second bound";
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(dialog.Text(3312), "(" + std::to_string((now.wYear - 1900) * 12 + now.wMonth - 1 - 1200 ) .substr(0, 0) +
                                   std::to_string(((now.wYear - 1900) * 12 + now.wMonth - 1 - 1200) / 12) + " years)");
  dialog.Select(3304, 1);
  dialog.Click(3302);
  EXPECT_EQ(dialog.Entries(3304), (std::vector<std::string>{"C1", "B2"}));
  dialog.Capture("database-age-categories");
  dialog.Click(IDOK);
  EXPECT_EQ(testsupport::ReadBytes(kAgeCategoriesDatabaseFile),
            "1\t1200\t1200\tC1\tUnder_12\t\r\n1\t0\t0\tB2\t\t\r\n");
}

TEST(DatabaseDialogsWindow, CarCategoriesAndChampionships) {
  storagetest::WorkingFolder folder;
  {
    Dialog dialog("BASECATEGORIES", CarCategoriesDialogProc);
    dialog.Type(3005, "Buggy-1-8");
    dialog.Click(3001);
    EXPECT_EQ(dialog.Entries(3004), std::vector<std::string>{"Buggy_1_8"});
    dialog.Type(3008, "Line 1\r\nLine\t2");
    dialog.Capture("database-car-categories");
    dialog.Click(IDOK);
  }
  EXPECT_EQ(testsupport::ReadBytes(kCarCategoriesDatabaseFile), "Buggy_1_8\t\tLine 1\r\nLine 2\t\r\n");
  {
    Dialog dialog("BASECATEGORIES", CarCategoriesDialogProc);
    dialog.Click(3002);
    EXPECT_TRUE(dialog.Entries(3004).empty());
    dialog.Click(IDOK);
  }
  EXPECT_EQ(testsupport::ReadBytes(kCarCategoriesDatabaseFile), "");

  Dialog dialog("BASECHAMPIONNATS", ChampionshipsDialogProc);
  platform::test::ClearMessages();
  dialog.Type(3505, "Coupe d'\xE9t\xE9");
  dialog.Click(3501);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].type, static_cast<unsigned>(MB_OK | MB_ICONERROR));
  dialog.Type(3505, " Open");
  dialog.Click(3501);
  EXPECT_EQ(Messages().size(), 1u) << "blank-led: refused without a message";
  dialog.Type(3505, "Open 2025");
  dialog.Click(3501);
  EXPECT_EQ(dialog.Entries(3504), std::vector<std::string>{"Open 2025"});
  dialog.Capture("database-championships");
}

TEST(DatabaseDialogsWindow, ClubsExportNamingAndCaseDuplicates) {
  storagetest::WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  Dialog dialog("BASECLUBS", ClubsDialogProc);
  for (const char* key : {"Racing", "Alpha", "RACING"}) {
    dialog.Type(3205, key);
    dialog.Click(3201);
  }
  EXPECT_EQ(dialog.Entries(3204), (std::vector<std::string>{"Alpha", "RACING", "Racing"}));
  dialog.Select(3204, 0);
  dialog.Choose(3212, 2);
  dialog.Type(3207, "Alpha\tClub");
  std::string here = platform::CurrentFolder();
  platform::test::QueueFileDialogAnswer(here + "\\teams");
  dialog.Click(3216);
  platform::test::QueueFileDialogAnswer(here + "\\x.bdc2.txt");
  dialog.Click(3216);
  platform::test::QueueFileDialogAnswer(here + "\\*.bdc2");
  dialog.Click(3216);  // the proposal itself: nothing written
  EXPECT_TRUE(platform::FileExists("teams.bdc2"));
  EXPECT_TRUE(platform::FileExists("x.bdc2.txt"));
  EXPECT_EQ(testsupport::ReadBytes("teams.bdc2").substr(0, 18), "Alpha\tAlpha Club\t\t");
  dialog.Capture("database-clubs");
}

TEST(DatabaseDialogsWindow, CarsCategoryCorrectionAndPicture) {
  storagetest::WorkingFolder folder;
  testsupport::WriteBytes(kCarCategoriesDatabaseFile, "Buggy\t\t\t\n");
  testsupport::WriteBytes(kCarsDatabaseFile, "Alpine\tA\tM\tTruck\t\t\r\nBolide\tB\tN\tBuggy\tcar.bmp\t\r\n");
  WriteBitmap("car.bmp", 100, 50, 230, 90, 30);
  Dialog dialog("BASEVOITURES", CarsDialogProc);
  EXPECT_EQ(dialog.ComboText(3109), "");
  dialog.Select(3104, 1);
  EXPECT_EQ(dialog.ComboText(3109), "Buggy");
  dialog.Capture("database-cars");
  dialog.DoubleClick(WM_RBUTTONDBLCLK, 500, 100);
  dialog.Click(IDOK);
  EXPECT_EQ(testsupport::ReadBytes(kCarsDatabaseFile), "Alpine\tA\tM\t\t\t\r\nBolide\tB\tN\tBuggy\t\t\r\n");
}

TEST(DatabaseDialogsWindow, CarsKeepEveryCategoryWhenTheirListIsMissing) {
  storagetest::WorkingFolder folder;
  const std::string original = "Alpine\tA\tM\tTruck\t\t\r\n";
  testsupport::WriteBytes(kCarsDatabaseFile, original);
  Dialog dialog("BASEVOITURES", CarsDialogProc);
  EXPECT_TRUE(HasMessage("Error : Cars categories database file not found"));
  dialog.Click(IDOK);
  EXPECT_EQ(testsupport::ReadBytes(kCarsDatabaseFile), original);
}

TEST(DatabaseDialogsWindow, FrequenciesAndTransponderSets) {
  storagetest::WorkingFolder folder;
  testsupport::WriteBytes(kFrequenciesDatabaseFile, "40.665\r\n\r\n27.095\r\n");
  {
    Dialog dialog("BASEFREQUENCES", FrequenciesDialogProc);
    EXPECT_EQ(dialog.Entries(3704), (std::vector<std::string>{"40.665", "27.095"})) << "an empty line hides nothing";
    for (const char* code : {"35.01", "35.010", "40.665"}) {
      dialog.Type(3705, code);
      dialog.Click(3701);
    }
    EXPECT_EQ(dialog.Entries(3704), (std::vector<std::string>{"27.095", "35.010", "40.665"}));
    EXPECT_EQ(dialog.Selected(3704), 0);
    dialog.Type(3705, "72.010");
    dialog.Select(3704, 2);
    dialog.Click(3702);
    EXPECT_EQ(dialog.Entries(3704), (std::vector<std::string>{"27.095", "35.010"})) << "Remove adds nothing";
    dialog.Capture("database-frequencies");
    dialog.Click(IDOK);
  }
  EXPECT_EQ(testsupport::ReadBytes(kFrequenciesDatabaseFile), "27.095\r\n35.010\r\n");

  Dialog dialog("BASETRANSPONDEURS", TransponderSetsDialogProc);
  EXPECT_TRUE(HasMessage("Error: Transponders database file not found"));
  EXPECT_EQ(dialog.Entries(3601).size(), 20u);
  dialog.Select(3601, 3);
  dialog.Type(3605, "42");
  dialog.Capture("database-transponders");
  dialog.Click(IDOK);
  std::string expected;
  for (int i = 0; i < 20; ++i) expected += (i == 3 ? "\t\t\t42" + std::string(18, '\t') : std::string(21, '\t')) + "\r\n";
  EXPECT_EQ(testsupport::ReadBytes(kTransponderSetsDatabaseFile), expected);
}

TEST(DatabaseDialogsWindow, AFileLongerThanTheListIsSaidBeforeAnythingIsWritten) {
  storagetest::WorkingFolder folder;
  std::string championships;
  for (int i = 1; i <= 25; ++i) championships += "Cup " + std::to_string(100 + i) + "\tdesc\t\r\n";
  testsupport::WriteBytes(kChampionshipsDatabaseFile, championships);
  std::string frequencies;
  for (int i = 0; i < 105; ++i) frequencies += std::to_string(27000 + i) + "0\r\n";
  testsupport::WriteBytes(kFrequenciesDatabaseFile, frequencies);
  platform::test::ClearMessages();
  {
    Dialog dialog("BASECHAMPIONNATS", ChampionshipsDialogProc);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "The file \"BaseDonn\xE9" "esChampionnats.bd\" holds 5 record(s) more than the 20 the list can hold.\n"
              "They are not shown, and OK will write the file without them.");
    EXPECT_EQ(Messages()[0].caption, "Be careful");
    EXPECT_EQ(testsupport::ReadBytes(kChampionshipsDatabaseFile), championships) << "nothing written yet";
    EXPECT_EQ(dialog.Entries(3504).size(), 20u);
    dialog.Click(IDCANCEL);
  }
  EXPECT_EQ(testsupport::ReadBytes(kChampionshipsDatabaseFile), championships);
  platform::test::ClearMessages();
  Dialog dialog("BASEFREQUENCES", FrequenciesDialogProc);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].text.find("holds 5 record(s) more than the 100"), std::string::npos) << Messages()[0].text;
}

TEST(DatabaseDialogsWindow, ImportsRefuseAnUnreadableFileAndCountWhatTheyLeaveOut) {
  storagetest::WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  const std::string rest(14, '\t');
  const std::string original = "Anna\t" + rest + "\r\nBob\t" + rest + "\r\n";
  testsupport::WriteBytes(kDriversDatabaseFile, original);
  Dialog dialog("BASEPILOTES", DriversDialogProc);
  platform::test::ClearMessages();

  // Nothing readable: an empty file, a file of lines without a name. The list stays.
  testsupport::WriteBytes("empty.bdp2", "");
  testsupport::WriteBytes("nameless.bdp2", "\tRue 1\t\r\n\t\t\tParis\r\n");
  for (const char* file : {"empty.bdp2", "nameless.bdp2"}) {
    platform::test::ClearMessages();
    platform::test::QueueFileDialogAnswer(platform::CurrentFolder() + "\\" + file);
    dialog.Click(3422);
    ASSERT_EQ(Messages().size(), 1u) << file;
    EXPECT_EQ(Messages()[0].text, "The imported file holds no record that can be read: the list is kept as it was.");
    EXPECT_EQ(dialog.Entries(3404), (std::vector<std::string>{"Anna", "Bob"})) << file;
  }

  // A line cut before its last TAB stays one driver; the next line is another one. A
  // nameless line, a reserved name, a repeated name and an over-long name are counted.
  platform::test::ClearMessages();
  testsupport::WriteBytes("club.bdp2", "ShortLine\r\nAFTER Short\tRue 1" + std::string(9, '\t') + "RCB\t\t\t123456\t\t\r\n" +
                                           "\tno name\t\r\n(NA)\t" + rest + "\r\nshortline\t" + rest + "\r\n" +
                                           std::string(45, 'Z') + "\t" + rest + "\r\n");
  platform::test::QueueFileDialogAnswer(platform::CurrentFolder() + "\\club.bdp2");
  dialog.Click(3422);
  EXPECT_EQ(dialog.Entries(3404), (std::vector<std::string>{"ShortLine", "AFTER Short", std::string(39, 'Z')}));
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text,
            "3 record(s) taken from the imported file.\n"
            " - 1 line(s) without a name left out\n"
            " - 2 record(s) with a reserved, incorrect or repeated name left out\n"
            " - 1 text(s) cut to the length of their field");
  dialog.Click(IDOK);
  const std::string saved = testsupport::ReadBytes(kDriversDatabaseFile);
  EXPECT_EQ(saved.find('\n'), saved.find("\r\n") + 1) << "no line break inside a field";
  EXPECT_EQ(saved.substr(0, saved.find('\n') + 1), "ShortLine\t\t\t\t\t\t\t\t0\t\t\t\t\t\t\t\r\n");
  EXPECT_NE(saved.find("\r\nAFTER Short\tRue 1\t"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\t123456\t\t\r\n"), std::string::npos) << saved;
}

TEST(DatabaseDialogsWindow, AnExportNameInCapitalsKeepsItsExtension) {
  storagetest::WorkingFolder folder;
  testsupport::WriteBytes(kCarCategoriesDatabaseFile, "Buggy\t\t\t\r\n");
  Dialog dialog("BASECATEGORIES", CarCategoriesDialogProc);
  const std::string here = platform::CurrentFolder();
  platform::test::QueueFileDialogAnswer(here + "\\CATS.BDS2");
  dialog.Click(3010);
  EXPECT_EQ(testsupport::ReadBytes("CATS.BDS2"), "Buggy\t\t\t\r\n");
  EXPECT_FALSE(platform::FileExists("CATS.BDS2.bds2"));
}
