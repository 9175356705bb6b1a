// The three programs start up and close cleanly: window class, menus, link file, timer and
// the messages of start-up.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/main_window.h"
#include "race/menus.h"
#include "race/startup.h"
#include "tests/support/capture.h"
#include "tests/support/process_windows.h"
#include "tests/support/temp_folder.h"

namespace {

struct ProgramCase {
  const BuildProfile* profile;
  const char* file;
};

std::string MenuText(HMENU menu, int position) {
  char text[128] = {0};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

// "-" for a separator, otherwise "id text".
std::vector<std::string> Items(HMENU menu) {
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    GetMenuItemInfoA(menu, i, TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      items.push_back("-");
    } else if (info.hSubMenu) {
      items.push_back("> " + MenuText(menu, i));
    } else {
      items.push_back(std::to_string(info.wID) + " " + MenuText(menu, i));
    }
  }
  return items;
}

std::vector<std::string> BarTitles(HMENU bar) {
  std::vector<std::string> titles;
  for (int i = 0; i < GetMenuItemCount(bar); ++i) titles.push_back(MenuText(bar, i));
  return titles;
}

void ExpectMainWindow(HWND window) {
  char text[64] = {0};
  GetClassNameA(window, text, sizeof text);
  EXPECT_STREQ(text, "classeF");
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "Vellgrin");
}

// Start-up in a temporary program folder.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::SetProgramFolder(folder.path());
    testsupport::CopyTestData(folder.path());
    saved = platform::CurrentFolder();
  }
  void TearDown() override {
    platform::SetCurrentFolder(saved.c_str());
    SetActiveProfile(kEnglishBuild);
  }
  // Closes the window, runs the loop to its end and unregisters the class.
  void Close(HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(UnregisterClassA("classeF", GetModuleHandleA(nullptr)));
  }
  testsupport::TempFolder folder;
  std::string saved;
};

class MainWindowOfEachBuild : public StartupTest, public ::testing::WithParamInterface<ProgramCase> {
 protected:
  void SetUp() override {
    SetActiveProfile(*GetParam().profile);
    StartupTest::SetUp();
  }
};

TEST_P(MainWindowOfEachBuild, StartsMaximisedInItsFolderWithTheLinkOutcomeAndClosesCleanly) {
  // No decoder at a port that does not exist.
  testsupport::WriteBytes(folder / "RéglagesInterface2.rg", "COM77\t1\tVellgrinZL2\r\n");
  HWND window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  ExpectMainWindow(window);
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & kMainWindowStyle, kMainWindowStyle);
  LOGBRUSH brush = {};
  GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, RGB(200, 200, 200));
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0) << "icon resource 1";

  EXPECT_EQ(platform::CurrentFolder(), folder.path()) << "the program folder is the working folder";
  EXPECT_EQ(testsupport::ReadBytes(folder / "RéglagesInterface2.rg"), "COM77\t0\tVellgrin\r\n");
  const auto& seen = platform::test::Messages();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text, Tr(Text::CouldNotOpenComPort));
  EXPECT_EQ(seen[1].caption, Tr(Text::CaptionImportantMessage));
  EXPECT_EQ(seen[1].text, Tr(Text::PrintingWarning));
  EXPECT_EQ(seen[1].type, platform::kMbOk | platform::kMbIconWarning);

  if (GetParam().profile == &kEnglishBuild) {
    EXPECT_FALSE(testsupport::CaptureWindow(window, "main-window-en").empty());
  }
  Close(window);
}

TEST_P(MainWindowOfEachBuild, RaceTimerTicksAtTheBuildsPeriod) {
  HWND window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  unsigned period = StartRaceTimer(window);
  EXPECT_EQ(period, GetParam().profile == &kEnglishBuild ? 20u : 100u);
  int ticks = 0;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 1000) {
    MSG message;
    if (PeekMessageA(&message, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      if (message.wParam == kRaceTimerId) ++ticks;
    } else {
      Sleep(1);
    }
  }
  int expected = 1000 / static_cast<int>(period);
  EXPECT_GE(ticks, expected / 2);
  EXPECT_LE(ticks, expected + 2);
  Close(window);
}

TEST_P(MainWindowOfEachBuild, TheProgramItselfStartsTellsTheOperatorAndExitsWithCodeZero) {
  std::string exe = testsupport::HostPath(std::string(VELLGRIN_PROGRAMS_DIR) + "/" + GetParam().file);
  PROCESS_INFORMATION process = {};
  testsupport::DeleteFileIfAny(folder / "RéglagesInterface2.rg");
  // Its program folder does not exist in the test prefix: it works in the folder it started in.
  ASSERT_TRUE(testsupport::StartProgramProcess(exe, "", folder.path(), &process)) << exe;
  // A failed expectation must not leave the program running on the shared desktop.
  struct EndProcess {
    PROCESS_INFORMATION& p;
    ~EndProcess() {
      if (WaitForSingleObject(p.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(p.hProcess, 99);
      CloseHandle(p.hThread);
      CloseHandle(p.hProcess);
    }
  } end{process};
  auto texts = testsupport::PressOkOnMessageBoxes(process.dwProcessId, 3, 20000);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], Tr(Text::ComPortFileNotFound));
  EXPECT_EQ(texts[1], Tr(Text::CouldNotOpenComPort));
  EXPECT_EQ(texts[2], Tr(Text::PrintingWarning));
  EXPECT_EQ(testsupport::ReadBytes(folder / "RéglagesInterface2.rg"), "\t0\tVellgrin\r\n");

  HWND window = testsupport::FindProcessWindow(process.dwProcessId, "classeF");
  ASSERT_NE(window, nullptr);
  ExpectMainWindow(window);
  if (GetParam().profile == &kFrenchBuild) {
    // Command 1016, which no menu item sends: the French program's translation editor.
    PostMessageA(window, WM_COMMAND, 1016, 0);
    HWND editor = nullptr;
    for (int i = 0; i < 100 && !editor; ++i) {
      Sleep(50);
      HWND found = FindWindowA("#32770", "Traduction logiciel");
      DWORD owner = 0;
      if (found) GetWindowThreadProcessId(found, &owner);
      if (owner == process.dwProcessId) editor = found;
    }
    ASSERT_NE(editor, nullptr) << "the translation editor opens";
    PostMessageA(editor, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(editor); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(editor));
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  // The close guard asks whether to save: answer No.
  HWND question = nullptr;
  for (int i = 0; i < 200 && !question; ++i) {
    Sleep(50);
    question = testsupport::FindProcessWindow(process.dwProcessId, "#32770");
  }
  ASSERT_NE(question, nullptr);
  PostMessageA(question, WM_COMMAND, IDNO, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Builds, MainWindowOfEachBuild,
                         ::testing::Values(ProgramCase{&kEnglishBuild, "vellgrin-rally-en.exe"},
                                           ProgramCase{&kFrenchBuild, "vellgrin-rally-fr.exe"},
                                           ProgramCase{&kSpanishBuild, "vellgrin-rally-es.exe"}));

class Menus : public StartupTest {};

TEST_F(Menus, EnglishMenuBarPopupsAndPictures) {
  SetActiveProfile(kEnglishBuild);
  HWND window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  HMENU bar = GetMenu(window);
  EXPECT_EQ(bar, ::Menus().bar);
  EXPECT_EQ(BarTitles(bar), (std::vector<std::string>{"File", "Database", "Penalties", "Championships",
                                                       "Countdown", "Settings", "?"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 0)),
            (std::vector<std::string>{"1001 New event", "1002 Load event", "-", "1003 Save", "1004 Save as...",
                                      "-", "-", "1005 Quit"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 1)),
            (std::vector<std::string>{"1006 Categories of cars", "1007 Cars", "-", "1008 Clubs/Teams", "-",
                                      "1009 Age Categories", "1010 Drivers", "-", "1011 Championships", "-",
                                      "1012 Transponders", "-", "1013 Frequencies"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 2)), std::vector<std::string>{"1014 Penalties/Abandonments"});
  EXPECT_EQ(Items(GetSubMenu(bar, 3)), std::vector<std::string>{"1015 Championships classifications"});
  EXPECT_EQ(Items(GetSubMenu(bar, 4)), std::vector<std::string>{"1016 Additional screen"});
  EXPECT_EQ(Items(GetSubMenu(bar, 5)), (std::vector<std::string>{"1017 Sounds", "-", "1018 Display", "-",
                                                                   "1019 Interface", "-", "1020 Internet"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 6)), std::vector<std::string>{"1023 Help"});

  const ProgramMenus& menus = ::Menus();
  EXPECT_EQ(Items(menus.resultsPopup), (std::vector<std::string>{"> Modify results", "6104 Add a comment"}));
  EXPECT_EQ(Items(menus.modifyResults), (std::vector<std::string>{"6102 Activate", "6103 Deactivate"}));
  EXPECT_EQ(Items(menus.trackPopup), std::vector<std::string>{"1053 Information"});
  EXPECT_EQ(Items(menus.rallyPopup), (std::vector<std::string>{"1051 New rally", "1052 Rename rally"}));
  EXPECT_EQ(Items(menus.driversPopup), std::vector<std::string>{"1054 List of participants"});
  EXPECT_EQ(Items(menus.startOrderPopup), std::vector<std::string>{"1055 Drivers start order"});
  EXPECT_EQ(Items(menus.parametersPopup), std::vector<std::string>{"1056 Race parameters"});
  EXPECT_EQ(Items(menus.specialStagesPopup),
            (std::vector<std::string>{"1057 Add a special stage", "1058 Create Power Stage",
                                      "1100 Remove the special stage"}));

  // Items with a picture have their own unchecked bitmap and the shared checked one.
  HBITMAP sharedChecked = nullptr;
  for (int command : {1001, 1003, 1005, 1006, 1008, 1009, 1011, 1012, 1013, 1014, 1015, 1017, 1018, 1019, 1020}) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(GetMenuItemInfoA(bar, command, FALSE, &info)) << command;
    EXPECT_NE(info.hbmpUnchecked, nullptr) << command;
    EXPECT_NE(info.hbmpChecked, nullptr) << command;
  }
  for (int command : {1002, 1004, 1007, 1010, 1016, 1023}) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    ASSERT_TRUE(GetMenuItemInfoA(bar, command, FALSE, &info)) << command;
    EXPECT_EQ(info.hbmpUnchecked, sharedChecked) << command << " has no picture";
  }

  // The File popup open, to look at: a timer inside the menu's loop captures and closes it.
  UINT_PTR timer = SetTimer(nullptr, 0, 400, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    testsupport::CaptureDesktop("file-menu-en");
    EndMenu();
  });
  TrackPopupMenuEx(GetSubMenu(bar, 0), TPM_NONOTIFY | TPM_RETURNCMD, 40, 40, window, nullptr);
  KillTimer(nullptr, timer);
  Close(window);
}

TEST_F(Menus, FrenchAndSpanishBuildsOfferOnlyWhatTheyHave) {
  SetActiveProfile(kFrenchBuild);
  HWND window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  HMENU bar = GetMenu(window);
  // No championship classification; command 1016 (the translation editor) is in no menu.
  EXPECT_EQ(BarTitles(bar), (std::vector<std::string>{"Fichier", "Base de données", "Pénalités", "Réglages", "?"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 0))[0], "1001 Nouvel événement");
  EXPECT_EQ(Items(::Menus().specialStagesPopup), std::vector<std::string>{"1057 Ajouter une spéciale"});
  Close(window);

  SetActiveProfile(kSpanishBuild);
  window = StartProgram(GetModuleHandleA(nullptr));
  ASSERT_NE(window, nullptr);
  bar = GetMenu(window);
  EXPECT_EQ(BarTitles(bar), (std::vector<std::string>{"Archivo", "Base de datos", "Penalizaciones",
                                                       "Cuenta atrás", "Ajustes", "?"}));
  auto database = Items(GetSubMenu(bar, 1));
  EXPECT_EQ(std::count(database.begin(), database.end(), "1011 Campeonatos"), 0) << "no championships database";
  EXPECT_EQ(database.size(), 11u);
  EXPECT_EQ(Items(GetSubMenu(bar, 3)), std::vector<std::string>{"1016 Pantalla adicional"});
  Close(window);
}

}  // namespace
