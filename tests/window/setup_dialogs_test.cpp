// The interface, race parameters, stage comment and penalty database dialogs under Wine,
// opened modelessly on their templates and driven with the messages the operator's clicks
// send; boxes and file dialogs are answered by the platform hooks.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/test_hooks.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/interface_settings.h"
#include "race/penalty_database.h"
#include "race/settings_files.h"
#include "setup/database_dialogs.h"
#include "setup/race_parameters_model.h"
#include "setup/setup_dialog_ids.h"
#include "setup/setup_dialogs.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/capture.h"
#include "tests/support/message_texts.h"

namespace {

std::string Text(HWND dialog, int control) {
  char text[256] = "";
  GetDlgItemTextA(dialog, control, text, sizeof text);
  return text;
}

void Command(HWND dialog, int control, int code = BN_CLICKED) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

// As typed: a multi-line edit tells no change of a WM_SETTEXT.
void Type(HWND dialog, int control, const char* text) {
  SendDlgItemMessageA(dialog, control, EM_SETSEL, 0, -1);
  SendDlgItemMessageA(dialog, control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

void Click(HWND dialog, int control) { SendDlgItemMessageA(dialog, control, BM_CLICK, 0, 0); }

// The dialog from a copy of its extended template whose font has another point size.
HWND CreateWithFontSize(const char* name, DLGPROC procedure, WORD pointSize) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(5));  // RT_DIALOG
  if (!resource) return nullptr;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
  std::vector<BYTE> copy(bytes, bytes + SizeofResource(module, resource));
  // 26 bytes of header, then the menu, the class and the title, then the point size.
  auto next = [](WORD* field) {
    if (*field == 0) return field + 1;
    if (*field == 0xFFFF) return field + 2;
    while (*field) ++field;
    return field + 1;
  };
  WORD* field = next(next(next(reinterpret_cast<WORD*>(copy.data() + 26))));
  *field = pointSize;
  return CreateDialogIndirectParamA(module, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), nullptr, procedure, 0);
}

RECT ChildRect(HWND dialog, int control) {
  RECT rect;
  GetWindowRect(GetDlgItem(dialog, control), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class SetupDialogWindows : public ::testing::Test {
 protected:
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    SetActiveProfile(kEnglishBuild);
  }
  // pointSize: the template's font made that size, for dialog units smaller or larger than this
  // desktop gives, as other screens and fonts give them; 0 keeps the template's.
  HWND Open(const char* name, DLGPROC procedure, WORD pointSize = 0) {
    dialog = pointSize ? CreateWithFontSize(name, procedure, pointSize)
                       : CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, procedure, 0);
    EXPECT_NE(dialog, nullptr) << name;
    // Topmost, so that windows of other test programs on the shared desktop do not cover it.
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    testsupport::PumpMessages();
    return dialog;
  }
  void Close() {
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  void InstallLamps() {
    platform::CreateFolder("images");
    for (const char* lamp : {"images/voyantVert.bmp", "images/voyantRouge.bmp"}) {
      std::string from = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + lamp);
      platform::CopyFileTo(from.c_str(), lamp);
    }
  }
  std::vector<std::string> Seen() { return testsupport::ShownMessageTexts(); }

  storagetest::WorkingFolder folder;
  HWND dialog = nullptr;
};

TEST_F(SetupDialogWindows, RaceParametersAreAppendedThenRewrittenInPlace) {
  ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  Open("RALLYEPARAMETRES", RallyParametersDialogProc);
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_RALLY_NAME), "Spring rally");
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_INTERVAL), "60");
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_REST), "0");
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_MINIMUM_LAP), "2");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_PARAMETERS_STANDARD_START), BST_CHECKED);
  SetDlgItemTextA(dialog, IDC_PARAMETERS_INTERVAL, "4000");
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_INTERVAL), "3600") << "clamped at once";
  SetDlgItemTextA(dialog, IDC_PARAMETERS_REST, "45");
  Click(dialog, IDC_PARAMETERS_WRC_START);
  testsupport::CaptureWindow(dialog, "race_parameters_dialog");
  Command(dialog, IDOK);
  Close();
  const std::string first = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_NE(first.find("CourseRallye1Param\xE8tres\t\r\n3600\t45\t2\t"), std::string::npos);
  EXPECT_NE(first.find("CourseRallye1Param\xE8tres2\t\r\n2\t"), std::string::npos);

  Open("RALLYEPARAMETRES", RallyParametersDialogProc);
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_INTERVAL), "3600");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_PARAMETERS_WRC_START), BST_CHECKED);
  SetDlgItemTextA(dialog, IDC_PARAMETERS_MINIMUM_LAP, "5");
  Command(dialog, IDOK);
  Close();
  const std::string second = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_EQ(second.size(), first.size()) << "rewritten in place";
  EXPECT_NE(second.find("3600\t45\t5\t"), std::string::npos);

  // Cancel writes nothing.
  Open("RALLYEPARAMETRES", RallyParametersDialogProc);
  SetDlgItemTextA(dialog, IDC_PARAMETERS_REST, "9");
  Command(dialog, IDCANCEL);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), second);
  EXPECT_TRUE(Seen().empty());
}

TEST_F(SetupDialogWindows, TheFrenchRaceParametersHaveNoStartType) {
  SetActiveProfile(kFrenchBuild);
  ASSERT_TRUE(WriteFreshEvent(nullptr, "Rallye"));
  Open("RALLYEPARAMETRES", RallyParametersDialogProc);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PARAMETERS_WRC_START)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PARAMETERS_START_GROUP)));
  testsupport::CaptureWindow(dialog, "race_parameters_dialog_fr");
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath).find("Param\xE8tres2"), std::string::npos);
}

TEST_F(SetupDialogWindows, StageCommentNormalisesTheWordAndStoresOneLine) {
  testsupport::WriteBytes(kStageCommentFile, "Pluie\tGravel\t\r\n");
  Open("SPECIALECOMMENTAIRE", StageCommentDialogProc);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_COMMENT_WET), BST_CHECKED);
  EXPECT_EQ(Text(dialog, IDC_COMMENT_TEXT), "Gravel");
  Type(dialog, IDC_COMMENT_TEXT, "Gravel\r\nthen tarmac");
  testsupport::CaptureWindow(dialog, "stage_comment_dialog");
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kStageCommentFile), "Wet\tGravel  then tarmac\t\r\n");

  Open("SPECIALECOMMENTAIRE", StageCommentDialogProc);
  Click(dialog, IDC_COMMENT_ICE);
  Type(dialog, IDC_COMMENT_TEXT, "");
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kStageCommentFile), "Ice\t \t\r\n");

  testsupport::WriteBytes(kStageCommentFile, "Mud\tx\t\r\n");
  Open("SPECIALECOMMENTAIRE", StageCommentDialogProc);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_COMMENT_DRY), BST_CHECKED);
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kStageCommentFile), "Mud\tx\t\r\n") << "an unknown word is kept";
}

int ListCount(HWND dialog) {
  return static_cast<int>(SendDlgItemMessageA(dialog, IDC_PENALTY_CODES, LB_GETCOUNT, 0, 0));
}

void SelectPenalty(HWND dialog, int i) {
  SendDlgItemMessageA(dialog, IDC_PENALTY_CODES, LB_SETCURSEL, i, 0);
  Command(dialog, IDC_PENALTY_CODES, LBN_SELCHANGE);
}

TEST_F(SetupDialogWindows, PenaltyDatabaseWithItsLateStartControls) {
  Open("PENALITES", PenaltiesDialogProc);
  EXPECT_EQ(Seen(), (std::vector<std::string>{"Error : Penalties database file not found",
                                              "Error : Specific Penalties file not found"}));
  ASSERT_EQ(ListCount(dialog), 2);
  EXPECT_EQ(Text(dialog, IDC_PENALTY_HEADER), "Abandon : A");
  EXPECT_EQ(Text(dialog, IDC_PENALTY_DURATION), "600");
  EXPECT_EQ(Text(dialog, IDC_PENALTY_DELAY_MINUTES), "1");
  EXPECT_EQ(Text(dialog, IDC_PENALTY_DELAY_SECONDS), "00");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PENALTY_LATE_START)));
  testsupport::CaptureWindow(dialog, "penalty_dialog_abandon");

  SelectPenalty(dialog, 1);
  EXPECT_EQ(Text(dialog, IDC_PENALTY_HEADER), "Penalty : PS");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_PENALTY_DELAY_SECONDS)));
  RECT box;
  GetWindowRect(GetDlgItem(dialog, IDC_PENALTY_DESCRIPTION), &box);
  EXPECT_EQ(box.bottom - box.top, 60);
  Click(dialog, IDC_PENALTY_LATE_START);
  SetDlgItemTextA(dialog, IDC_PENALTY_DELAY_MINUTES, "2");
  SetDlgItemTextA(dialog, IDC_PENALTY_DELAY_SECONDS, "75");
  EXPECT_EQ(Text(dialog, IDC_PENALTY_DELAY_SECONDS), "59");
  testsupport::CaptureWindow(dialog, "penalty_dialog_late_start");

  Command(dialog, IDC_PENALTY_CREATE);
  ASSERT_EQ(ListCount(dialog), 3);
  EXPECT_EQ(Text(dialog, IDC_PENALTY_HEADER), "Penalty : P1");
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PENALTY_LATE_START)));
  SetDlgItemTextA(dialog, IDC_PENALTY_NAME, "Cut\tcorner");
  SetDlgItemTextA(dialog, IDC_PENALTY_DURATION, "30");
  Click(dialog, IDC_PENALTY_KIND_AFTER_WINNER);

  // Remove with the late start selected does nothing.
  SelectPenalty(dialog, 1);
  Command(dialog, IDC_PENALTY_REMOVE);
  EXPECT_EQ(ListCount(dialog), 3);
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kLateStartPenaltyFile), "1\t\r\n1\t1\t179\t\r\n");
  const std::string database = testsupport::ReadBytes(kPenaltiesDatabaseFile);
  EXPECT_NE(database.find("3\t30\tP1\tCut corner\t\t\r\n"), std::string::npos) << database;
}

TEST_F(SetupDialogWindows, PenaltyImportAndExportGoThroughTheFileDialogs) {
  ASSERT_TRUE(folder.InstallFactoryFile(kPenaltiesDatabaseFile));
  ASSERT_TRUE(folder.InstallFactoryFile(kLateStartPenaltyFile));
  const std::string factory = testsupport::ReadBytes(kPenaltiesDatabaseFile);
  // A text file chosen by mistake: refused, the list kept, and OK writes it unchanged.
  testsupport::WriteBytes("notes.pen", "Shopping list\r\nbatteries, tyres\r\n");
  Open("PENALITES", PenaltiesDialogProc);
  const int listed = ListCount(dialog);
  platform::test::QueueFileDialogAnswer(std::string("notes.pen"));
  Command(dialog, IDC_PENALTY_IMPORT);
  EXPECT_EQ(Seen(), std::vector<std::string>{
                        "The imported file holds no record that can be read: the list is kept as it was."});
  EXPECT_EQ(ListCount(dialog), listed);
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kPenaltiesDatabaseFile), factory);
  platform::test::ClearMessages();

  // A file with short lines and a line without a code: one message counts what was left out.
  testsupport::WriteBytes("club.pen", "1\t600\tA\r\n2\t30\tP1\tCut\r\n2\t9\t\tno code\t\r\n3\t45\tP2\tPush\tPushed\t\r\n");
  Open("PENALITES", PenaltiesDialogProc);
  platform::test::QueueFileDialogAnswer(std::string("club.pen"));
  Command(dialog, IDC_PENALTY_IMPORT);
  ASSERT_EQ(ListCount(dialog), 4);  // A, PS, P1, P2
  EXPECT_EQ(Text(dialog, IDC_PENALTY_DURATION), "600") << "the abandon stays armed";
  EXPECT_EQ(Seen(), std::vector<std::string>{"3 record(s) taken from the imported file.\n"
                                             " - 1 line(s) without a name left out"});
  // An extension typed in capitals is the extension.
  platform::test::QueueFileDialogAnswer(std::string("SAVED.PEN"));
  Command(dialog, IDC_PENALTY_EXPORT);
  EXPECT_NE(testsupport::ReadBytes("SAVED.PEN"), "<missing>");
  EXPECT_EQ(testsupport::ReadBytes("SAVED.PEN.pen"), "<missing>");
  ASSERT_EQ(platform::test::FileDialogs().size(), 3u);
  EXPECT_EQ(platform::test::FileDialogs()[0].filter, "Database Penalties (.pen)|*.pen");
  Command(dialog, IDCANCEL);
  Close();
}

TEST_F(SetupDialogWindows, TheSpanishPenaltyDialogHasNoLateStart) {
  SetActiveProfile(kSpanishBuild);
  Open("PENALITES", PenaltiesDialogProc);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: no se encuentra el archivo de la base de datos de penalizaciones"});
  ASSERT_EQ(ListCount(dialog), 1);
  Command(dialog, IDC_PENALTY_CREATE);
  SelectPenalty(dialog, 1);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PENALTY_LATE_START)));
  testsupport::CaptureWindow(dialog, "penalty_dialog_es");
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kLateStartPenaltyFile), "<missing>");
}

TEST_F(SetupDialogWindows, InterfaceOpensOnTheLinkFileAndOkWritesNothing) {
  InstallLamps();
  testsupport::WriteBytes(kInterfaceSettingsFile, "COM7\t1\tVellgrin\r\n");
  Open("INTERFACE", InterfaceDialogProc);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_INTERFACE_PORTS, CB_GETCOUNT, 0, 0), 99);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_INTERFACE_PORTS, CB_GETCURSEL, 0, 0), 6);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERFACE_ZL1), BST_CHECKED);
  EXPECT_EQ(Text(dialog, IDC_INTERFACE_MESSAGE), " Interface ZL1 is ready to operate.\r\n");
  testsupport::CaptureWindow(dialog, "interface_dialog_connected");
  Click(dialog, IDC_INTERFACE_ZL2);
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kInterfaceSettingsFile), "COM7\t1\tVellgrin\r\n");

  testsupport::WriteBytes(kInterfaceSettingsFile, "com7\t0\tVellgrinZL2\r\n");
  Open("INTERFACE", InterfaceDialogProc);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_INTERFACE_PORTS, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERFACE_ZL2), BST_CHECKED);
  EXPECT_EQ(Text(dialog, IDC_INTERFACE_MESSAGE), " COM Port is not open !\r\n");
  testsupport::CaptureWindow(dialog, "interface_dialog_not_open");
  Command(dialog, IDC_INTERFACE_CONNECT);
  EXPECT_EQ(Text(dialog, IDC_INTERFACE_MESSAGE), "A COM port must be chosen before Connect.")
      << "no port chosen: the box asks for one";
  Command(dialog, IDOK);
  Close();
  EXPECT_EQ(testsupport::ReadBytes(kInterfaceSettingsFile), "com7\t0\tVellgrinZL2\r\n");
}

TEST_F(SetupDialogWindows, RaceParametersFromADamagedSectionShowWhatWillBeStored) {
  ASSERT_TRUE(WriteFreshEvent(nullptr, "R"));
  RaceParametersDialogData damaged = {};
  damaged.selectedNode = 10000;
  damaged.rallyCount = 1;
  damaged.parameters = {-5, 99999, 99999, 7};
  ASSERT_TRUE(SaveRaceParameters(nullptr, damaged));
  Open("RALLYEPARAMETRES", RallyParametersDialogProc);
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_INTERVAL), "0");
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_REST), "999");
  EXPECT_EQ(Text(dialog, IDC_PARAMETERS_MINIMUM_LAP), "3600");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_PARAMETERS_STANDARD_START), BST_CHECKED);
  Command(dialog, IDOK);
  Close();
  const std::string stored = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_NE(stored.find("CourseRallye1Param\xE8tres\t\r\n0\t999\t3600\t"), std::string::npos);
  EXPECT_NE(stored.find("CourseRallye1Param\xE8tres2\t\r\n1\t"), std::string::npos)
      << "the start type shown is the one stored";
}

TEST_F(SetupDialogWindows, ControlsUnderPixelPlacedPartsStayClearOnEveryScale) {
  InstallLamps();
  ASSERT_TRUE(folder.InstallFactoryFile(kPenaltiesDatabaseFile));
  ASSERT_TRUE(folder.InstallFactoryFile(kLateStartPenaltyFile));
  // 8 is the template's own size; 6 and 7 give dialog units smaller than this desktop's.
  for (WORD size : {8, 7, 6}) {
    Open("PENALITES", PenaltiesDialogProc, size);
    Command(dialog, IDC_PENALTY_CREATE);
    ASSERT_EQ(ListCount(dialog), 3);
    RECT client;
    GetClientRect(dialog, &client);
    for (int i : {0, 1, 2}) {
      SelectPenalty(dialog, i);
      const RECT box = ChildRect(dialog, IDC_PENALTY_DESCRIPTION);
      if (size == 8) {
        // This desktop's units: the box at (410, 200), 340 wide, 120 or 60 high.
        EXPECT_EQ(box.left, 410);
        EXPECT_EQ(box.top, 200);
        EXPECT_EQ(box.right, 750);
        EXPECT_EQ(box.bottom, i == 1 ? 260 : 320);
      }
      EXPECT_LE(box.right, client.right) << size;
      // The tall box of the other penalties is what the duration must clear.
      const int tallBottom = box.top + (box.bottom - box.top) * (i == 1 ? 2 : 1);
      EXPECT_GE(ChildRect(dialog, IDC_PENALTY_DURATION).top, tallBottom) << "size " << size << ", penalty " << i;
      EXPECT_GE(ChildRect(dialog, IDC_PENALTY_DURATION_UNIT).top, tallBottom) << size;
      if (i == 1) {
        EXPECT_GE(ChildRect(dialog, IDC_PENALTY_LATE_START).top, box.bottom) << size;
        EXPECT_GE(ChildRect(dialog, IDC_PENALTY_DURATION).top, ChildRect(dialog, IDC_PENALTY_DELAY_MINUTES).bottom) << size;
      }
    }
    EXPECT_LE(ChildRect(dialog, IDOK).bottom, client.bottom) << size;
    if (size == 7) testsupport::CaptureWindow(dialog, "penalty_dialog_late_start_small_units");
    Close();

    Open("INTERFACE", InterfaceDialogProc, size);
    GetClientRect(dialog, &client);
    EXPECT_GE(client.bottom, 410) << "the whole lamp shows, size " << size;
    EXPECT_GE(client.right, 320) << size;
    if (size == 7) testsupport::CaptureWindow(dialog, "interface_dialog_small_units");
    Close();
  }
}

// The dialogs whose texts are longest in French and Spanish, captured in the three languages.
TEST_F(SetupDialogWindows, PenaltyInterfaceAndTransponderDialogsInTheThreeLanguages) {
  InstallLamps();
  ASSERT_TRUE(folder.InstallFactoryFile(kTransponderSetsDatabaseFile));
  const struct {
    const BuildProfile* profile;
    const char* suffix;
  } kBuilds[] = {{&kEnglishBuild, "en"}, {&kFrenchBuild, "fr"}, {&kSpanishBuild, "es"}};
  for (const auto& build : kBuilds) {
    SetActiveProfile(*build.profile);
    Open("PENALITES", PenaltiesDialogProc);
    SelectPenalty(dialog, ListCount(dialog) > 1 ? 1 : 0);
    testsupport::CaptureWindow(dialog, (std::string("penalty_dialog_") + build.suffix).c_str());
    Close();
    Open("INTERFACE", InterfaceDialogProc);
    testsupport::CaptureWindow(dialog, (std::string("interface_dialog_") + build.suffix).c_str());
    Close();
    Open("BASETRANSPONDEURS", TransponderSetsDialogProc);
    // Every number label shows whole in the font the dialog gives it.
    for (int label = 3625; label <= 3644; ++label) {
      HWND control = GetDlgItem(dialog, label);
      char text[64] = "";
      GetWindowTextA(control, text, sizeof text);
      HDC dc = GetDC(control);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
      SIZE extent = {};
      GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &extent);
      SelectObject(dc, old);
      ReleaseDC(control, dc);
      RECT rect;
      GetClientRect(control, &rect);
      EXPECT_LE(extent.cx, rect.right) << build.suffix << " " << text;
      EXPECT_LE(ChildRect(dialog, label).right, ChildRect(dialog, label - 22).left) << text << ": its edit stands clear";
    }
    testsupport::CaptureWindow(dialog, (std::string("transponder_dialog_") + build.suffix).c_str());
    Close();
  }
}

}  // namespace
