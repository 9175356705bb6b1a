// The display settings, sound options and custom sounds dialogs under Wine, driven with the
// messages the operator's clicks send; the choosers, file dialogs, sounds and message boxes
// are answered through the platform hooks. Then the main window after 1017 and 1018.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_file.h"
#include "race/event_tree.h"
#include "race/main_state.h"
#include "race/main_window_paint.h"
#include "race/race_screen_layout.h"
#include "race/settings_files.h"
#include "setup/settings_dialog_ids.h"
#include "setup/settings_dialogs.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/message_texts.h"
#include "tests/support/test_event.h"

namespace {

using testsupport::ControlText;
using testsupport::ReadBytes;
using testsupport::SendCommand;
using testsupport::WriteBytes;

void Click(HWND dialog, int control) { SendDlgItemMessageA(dialog, control, BM_CLICK, 0, 0); }

void SelectInCombo(HWND dialog, int combo, int index) {
  SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, index, 0);
  SendCommand(dialog, combo, CBN_SELCHANGE);
}

void DoubleClick(HWND dialog, int x, int y, UINT message = WM_LBUTTONDBLCLK) {
  SendMessageA(dialog, message, message == WM_LBUTTONDBLCLK ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(x, y));
}

std::string ComboText(HWND dialog, int combo) {
  char text[128] = "";
  int selection = static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0));
  if (selection >= 0) SendDlgItemMessageA(dialog, combo, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text));
  return text;
}

// The lines of a file, line ends dropped.
std::vector<std::string> Lines(const char* path) {
  std::vector<std::string> lines;
  std::string bytes = ReadBytes(path), line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  return lines;
}

DisplaySettings& Factory() {
  static DisplaySettings settings;
  return settings;
}

class SettingsDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::InterceptAll();
    platform::test::SetProgramFolder(platform::CurrentFolder());
    ASSERT_TRUE(folder.InstallFactoryFile(kSoundSettingsFile));
    ASSERT_TRUE(folder.InstallFactoryFile(kCustomSoundsFile));
    ASSERT_TRUE(folder.InstallFactoryFile(kDisplaySettingsFile));
    // The file as the program writes it (the factory one ends with blank lines).
    Factory() = {};
    ASSERT_TRUE(ReadDisplaySettingsFile(kDisplaySettingsFile, &Factory(), &colours));
    ASSERT_TRUE(WriteDisplaySettingsFile(kDisplaySettingsFile, Factory(), colours));
    platform::CreateFolder("images");
    for (const char* picture : {"images/chargercourse.bmp", "images/Sons2.bmp"}) {
      std::string from = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture);
      platform::CopyFileTo(from.c_str(), picture);
    }
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    platform::test::ResetAll();
    SetActiveProfile(kEnglishBuild);
  }
  HWND Open(const char* name, DLGPROC procedure) {
    dialog = testsupport::OpenDialogOnTop(name, procedure);
    EXPECT_NE(dialog, nullptr) << name;
    return dialog;
  }
  void Close() {
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  DisplaySettings Stored() {
    static DisplaySettings stored;
    stored = {};
    CustomColours unused{};
    ReadDisplaySettingsFile(kDisplaySettingsFile, &stored, &unused);
    return stored;
  }

  storagetest::WorkingFolder folder;
  CustomColours colours{};
  HWND dialog = nullptr;
};

TEST_F(SettingsDialogs, DisplayOkRewritesAnUnchangedFileAsItWasAndKeepsAStyleOf2) {
  DisplaySettings settings = Factory();
  settings.tableStyle = 2;
  ASSERT_TRUE(WriteDisplaySettingsFile(kDisplaySettingsFile, settings, colours));
  const std::string before = ReadBytes(kDisplaySettingsFile);
  Open("AFFICHAGE", DisplaySettingsDialogProc);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DISPLAY_GRADIENT), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DISPLAY_RELIEF), BST_UNCHECKED);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_GETCOUNT, 0, 0), 9);
  // The copy is the file's: every edit and chooser left alone writes the same bytes.
  SelectInCombo(dialog, IDC_DISPLAY_COLUMN, 8);
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "90");
  SendCommand(dialog, IDOK);
  Close();
  EXPECT_EQ(ReadBytes(kDisplaySettingsFile), before);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());

  // The column selected when it closed is shown again; a style click is stored.
  Open("AFFICHAGE", DisplaySettingsDialogProc);
  EXPECT_EQ(ComboText(dialog, IDC_DISPLAY_COLUMN), "Transp.");
  Click(dialog, IDC_DISPLAY_RELIEF);
  SendCommand(dialog, IDOK);
  Close();
  EXPECT_EQ(Stored().tableStyle, 1);

  // Cancel and closing write nothing.
  Open("AFFICHAGE", DisplaySettingsDialogProc);
  Click(dialog, IDC_DISPLAY_GRADIENT);
  SendCommand(dialog, IDCANCEL);
  Close();
  EXPECT_EQ(Stored().tableStyle, 1);
}

TEST_F(SettingsDialogs, DisplayWidthsStepWithinTheirBoundsAndFollowTheColumn) {
  Open("AFFICHAGE", DisplaySettingsDialogProc);
  SelectInCombo(dialog, IDC_DISPLAY_COLUMN, 2);
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "280");
  SetDlgItemTextA(dialog, IDC_DISPLAY_WIDTH, "998");
  Click(dialog, IDC_DISPLAY_PLUS);
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "999");
  Click(dialog, IDC_DISPLAY_PLUS);
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "999");
  // The next column shows its own width; the one left keeps 999.
  SelectInCombo(dialog, IDC_DISPLAY_COLUMN, 3);
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "170");
  SetDlgItemTextA(dialog, IDC_DISPLAY_WIDTH, "1");
  Click(dialog, IDC_DISPLAY_MINUS);
  Click(dialog, IDC_DISPLAY_MINUS);
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "0");
  // A fourth digit is refused by the edit.
  SendDlgItemMessageA(dialog, IDC_DISPLAY_WIDTH, EM_SETSEL, 0, -1);
  SendDlgItemMessageA(dialog, IDC_DISPLAY_WIDTH, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("4567"));
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "456");
  // No selection (CB_ERR) changes neither the column nor a width.
  SendDlgItemMessageA(dialog, IDC_DISPLAY_COLUMN, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendCommand(dialog, IDC_DISPLAY_COLUMN, CBN_SELCHANGE);
  EXPECT_EQ(ControlText(dialog, IDC_DISPLAY_WIDTH), "456");
  SendCommand(dialog, IDOK);
  Close();
  DisplaySettings stored = Stored();
  EXPECT_EQ(stored.columnWidths[2], 999);
  EXPECT_EQ(stored.columnWidths[3], 456);
  EXPECT_EQ(stored.columnWidths[1], Factory().columnWidths[1]);
}

TEST_F(SettingsDialogs, LoadAndSaveThemesNeverTouchTheSettingsFile) {
  const std::string settingsFile = ReadBytes(kDisplaySettingsFile);
  DisplaySettings theme = Factory();
  platform::CopyBounded(theme.fonts[0].face, "Courier New");
  theme.displayColours[0] = 0x0000FF;
  ASSERT_TRUE(WriteDisplaySettingsFile("night.scrn3", theme, colours));

  Open("AFFICHAGE", DisplaySettingsDialogProc);
  SelectInCombo(dialog, IDC_DISPLAY_COLUMN, 5);
  // A failed Load says so and keeps the faces and the logo of the copy.
  platform::test::QueueFileDialogAnswer(std::string("missing.scrn3"));
  SendCommand(dialog, IDC_DISPLAY_LOAD);
  ASSERT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error: Display settings file not found"});
  EXPECT_EQ(ComboText(dialog, IDC_DISPLAY_COLUMN), "Place") << "Load selects the first column";
  platform::test::QueueFileDialogAnswer(std::string("night.scrn3"));
  SendCommand(dialog, IDC_DISPLAY_LOAD);
  EXPECT_EQ(ReadBytes(kDisplaySettingsFile), settingsFile);
  ASSERT_EQ(platform::test::FileDialogs().size(), 2u);
  EXPECT_EQ(platform::test::FileDialogs()[1].filter, "Display file (.scrn3)|*.scrn3");

  // Save: the suggested name left as it is writes nothing; a name gets ".scrn3"; a name
  // that cannot take it writes nothing and says so.
  platform::test::ClearMessages();
  const std::string suggested = platform::CurrentFolder() + "\\*.scrn3";
  platform::test::QueueFileDialogAnswer(suggested);
  SendCommand(dialog, IDC_DISPLAY_SAVE);
  EXPECT_EQ(platform::test::FileDialogs().back().proposed, suggested);
  platform::test::QueueFileDialogAnswer(std::string("copy"));
  SendCommand(dialog, IDC_DISPLAY_SAVE);
  platform::test::QueueFileDialogAnswer(std::string(255, 'x'));
  SendCommand(dialog, IDC_DISPLAY_SAVE);
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error: Display settings file not found"});
  EXPECT_EQ(ReadBytes("copy.scrn3"), ReadBytes("night.scrn3"));
  EXPECT_EQ(ReadBytes(kDisplaySettingsFile), settingsFile);
  SendCommand(dialog, IDCANCEL);
  Close();
  EXPECT_EQ(ReadBytes(kDisplaySettingsFile), settingsFile);

  // A failed Load then Ok: the faces and the logo are the copy's, not empty.
  DisplaySettings withLogo = Factory();
  platform::CopyBounded(withLogo.logoPath, "images/logo.bmp");
  ASSERT_TRUE(WriteDisplaySettingsFile(kDisplaySettingsFile, withLogo, colours));
  Open("AFFICHAGE", DisplaySettingsDialogProc);
  platform::test::QueueFileDialogAnswer(std::string("missing.scrn3"));
  SendCommand(dialog, IDC_DISPLAY_LOAD);
  SendCommand(dialog, IDOK);
  Close();
  DisplaySettings stored = Stored();
  EXPECT_STREQ(stored.fonts[0].face, "Arial");
  EXPECT_STREQ(stored.fonts[11].face, "Arial");
  EXPECT_STREQ(stored.logoPath, "images/logo.bmp");
}

TEST_F(SettingsDialogs, DoubleClicksOpenTheChoosersOwnedByTheDialog) {
  Open("AFFICHAGE", DisplaySettingsDialogProc);
  DoubleClick(dialog, 300, 105);
  DoubleClick(dialog, 200, 95);
  EXPECT_TRUE(platform::test::FileDialogs().empty());
  EXPECT_TRUE(platform::test::ColourChoosers().empty());

  CustomColours edited{};
  edited[0] = 0x112233;
  platform::test::QueueColourAnswer(0x0000FF, edited);
  DoubleClick(dialog, 201, 95);
  platform::test::QueueColourAnswer(0x00FF00);
  DoubleClick(dialog, 289, 454);  // swatch 11
  platform::test::QueueColourAnswer(std::nullopt);
  DoubleClick(dialog, 220, 225);  // swatch 3, cancelled
  const auto& choosers = platform::test::ColourChoosers();
  ASSERT_EQ(choosers.size(), 3u);
  EXPECT_EQ(choosers[0].owner, dialog) << "modal to the dialog, which cannot close under it";
  EXPECT_EQ(choosers[0].initial, Factory().displayColours[0]);
  EXPECT_EQ(choosers[1].customColours[0], 0x112233) << "the custom colours are edited in place";
  EXPECT_EQ(choosers[2].initial, Factory().displayColours[3]);

  // Sample 3 with "Transp." selected edits font 11; the sizes of each sample are offered.
  SelectInCombo(dialog, IDC_DISPLAY_COLUMN, 8);
  platform::FontChoice font = {};
  platform::CopyBounded(font.face, "Courier New");
  font.height = -40;
  font.weight = 400;
  font.italic = 1;
  font.colour = 0x0000C0;
  platform::test::QueueFontAnswer(font);
  DoubleClick(dialog, 301, 501);
  DoubleClick(dialog, 251, 216);  // sample 0, cancelled
  const auto& fonts = platform::test::FontChoosers();
  ASSERT_EQ(fonts.size(), 2u);
  EXPECT_EQ(fonts[0].owner, dialog);
  EXPECT_EQ(fonts[0].maxPoints, 50);
  EXPECT_STREQ(fonts[0].font.face, Factory().fonts[11].face);
  EXPECT_EQ(fonts[0].font.height, Factory().fonts[11].size);
  EXPECT_EQ(fonts[1].maxPoints, 20);

  // The logo: a bitmap chosen by a left double click, cleared by a right one.
  platform::test::QueueFileDialogAnswer(std::string("C:\\logos\\club.bmp"));
  DoubleClick(dialog, 301, 106);
  ASSERT_EQ(platform::test::FileDialogs().size(), 1u);
  EXPECT_EQ(platform::test::FileDialogs()[0].filter, "Image (.bmp)|*.bmp");

  // The swatches show their colours in the dialog's client pixels.
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  testsupport::CaptureWindow(dialog, "display_settings_chosen");
  HDC dc = GetDC(dialog);
  for (int i = 0; i < 12; ++i) {
    const PixelRect& r = kSwatchRects[i];
    int expected = i == 0 ? 0x0000FF : i == 11 ? 0x00FF00 : Factory().displayColours[i];
    EXPECT_EQ(static_cast<int>(GetPixel(dc, r.left + 1, r.top + 1) & 0xFFFFFF), expected) << "swatch " << i;
    EXPECT_EQ(static_cast<int>(GetPixel(dc, r.right - 2, r.bottom - 2) & 0xFFFFFF), expected) << "swatch " << i;
  }
  EXPECT_EQ(static_cast<int>(GetPixel(dc, kSampleRects[1].right - 2, kSampleRects[1].top + 1) & 0xFFFFFF),
            Factory().displayColours[4]);
  // The results gradient runs from slot 10 at the top of swatch 12.
  EXPECT_EQ(static_cast<int>(GetPixel(dc, kSwatchRects[12].left + 1, kSwatchRects[12].top) & 0xFFFFFF),
            Factory().displayColours[10]);
  ReleaseDC(dialog, dc);

  DoubleClick(dialog, 400, 130, WM_RBUTTONDBLCLK);
  SendCommand(dialog, IDOK);
  Close();
  DisplaySettings stored = Stored();
  EXPECT_EQ(stored.displayColours[0], 0x0000FF);
  EXPECT_EQ(stored.displayColours[11], 0x00FF00);
  EXPECT_EQ(stored.displayColours[3], Factory().displayColours[3]);
  EXPECT_STREQ(stored.fonts[11].face, "Courier New");
  EXPECT_EQ(stored.fonts[11].size, -40);
  EXPECT_EQ(stored.fonts[11].italic, 1);
  EXPECT_EQ(stored.fontColours[11], 0x0000C0);
  EXPECT_STREQ(stored.fonts[0].face, Factory().fonts[0].face);
  EXPECT_STREQ(stored.logoPath, "");
  EXPECT_EQ(Lines(kDisplaySettingsFile)[11].rfind("1122867\t", 0), 0u) << "the custom colours are stored";
}

TEST_F(SettingsDialogs, SoundOptionsWriteTheClickedLinesAndKeepTheOthers) {
  Open("SONS", SoundSettingsDialogProc);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SOUNDS_ENGLISH), BST_CHECKED);
  for (int control = IDC_SOUNDS_STAGE_START; control <= IDC_SOUNDS_REST_CLOCK; ++control) {
    EXPECT_EQ(IsDlgButtonChecked(dialog, control), BST_CHECKED) << control;
  }
  Click(dialog, IDC_SOUNDS_PASSAGES);
  SendCommand(dialog, IDOK);
  Close();
  EXPECT_EQ(Lines(kSoundSettingsFile),
            (std::vector<std::string>{"SONLANGUEAnglais", "SONDEBUTSPECIALEoui", "SONFINSPECIALEoui", "SONPASSAGEnon",
                                      "SONMEILLEURTEMPSoui", "SONTOURREJETEoui", "SONDECOMPTEoui",
                                      "SONHORLOGEREPOSoui"}));

  // An unknown word shows "Custom sounds" and goes back unchanged; Cancel writes nothing.
  const std::string odd = "SONLANGUEDeutsch\r\nSONDEBUTSPECIALEnon\r\nSONFINSPECIALEja\r\nSONPASSAGEoui\r\n"
                          "SONMEILLEURTEMPSnon\r\nSONTOURREJETEoui\r\nSONDECOMPTEnon\r\nSONHORLOGEREPOSoui\r\n";
  WriteBytes(kSoundSettingsFile, odd);
  Open("SONS", SoundSettingsDialogProc);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SOUNDS_CUSTOM), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SOUNDS_STAGE_END), BST_UNCHECKED);
  testsupport::CaptureWindow(dialog, "sound_options");
  Click(dialog, IDC_SOUNDS_FRENCH);
  SendCommand(dialog, IDCANCEL);
  Close();
  EXPECT_EQ(ReadBytes(kSoundSettingsFile), odd);
  Open("SONS", SoundSettingsDialogProc);
  SendCommand(dialog, IDOK);
  Close();
  EXPECT_EQ(ReadBytes(kSoundSettingsFile), odd);

  // A missing file: the message, then eight empty lines.
  platform::DeleteFileAt(kSoundSettingsFile);
  Open("SONS", SoundSettingsDialogProc);
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error: Sound settings file not found"});
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_SOUNDS_CUSTOM), BST_CHECKED);
  SendCommand(dialog, IDOK);
  Close();
  EXPECT_EQ(ReadBytes(kSoundSettingsFile), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

void CancelCustomSounds(HWND custom) { testsupport::PostClick(custom, IDCANCEL); }

TEST_F(SettingsDialogs, CustomSoundsBySlotWrittenAsTwentyLines) {
  WriteBytes(kCustomSoundsFile, "C:\\s\\start.wav\r\n\r\nC:\\s\\end.wav\r\n");
  Open("SONSPERSONNALISES", CustomSoundsDialogProc);
  EXPECT_EQ(ControlText(dialog, IDC_CUSTOM_STAGE_PATH), "C:\\s\\start.wav");
  EXPECT_EQ(ComboText(dialog, IDC_CUSTOM_COUNTDOWN_EVENTS), "30 seconds before start");
  SelectInCombo(dialog, IDC_CUSTOM_STAGE_EVENTS, 2);
  EXPECT_EQ(ControlText(dialog, IDC_CUSTOM_STAGE_PATH), "C:\\s\\end.wav");
  SendCommand(dialog, IDC_CUSTOM_STAGE_LISTEN);
  ASSERT_EQ(platform::test::Sounds().size(), 1u);
  EXPECT_EQ(platform::test::Sounds()[0].path, "C:\\s\\end.wav");
  EXPECT_EQ(platform::test::Sounds()[0].mode, platform::SoundMode::Async);

  SelectInCombo(dialog, IDC_CUSTOM_COUNTDOWN_EVENTS, 5);
  EXPECT_EQ(ComboText(dialog, IDC_CUSTOM_COUNTDOWN_EVENTS), "go");
  platform::test::QueueFileDialogAnswer(std::string("C:\\s\\go.wav"));
  SendCommand(dialog, IDC_CUSTOM_COUNTDOWN_LOAD);
  SelectInCombo(dialog, IDC_CUSTOM_REST_EVENTS, 5);
  platform::test::QueueFileDialogAnswer(std::string("C:\\s\\one minute.wav"));
  SendCommand(dialog, IDC_CUSTOM_REST_LOAD);
  platform::test::QueueFileDialogAnswer(std::nullopt);
  SendCommand(dialog, IDC_CUSTOM_STAGE_LOAD);
  EXPECT_EQ(ControlText(dialog, IDC_CUSTOM_REST_PATH), "C:\\s\\one minute.wav");
  EXPECT_EQ(platform::test::FileDialogs()[0].filter, "Sounds (.wav)|*.wav");
  testsupport::CaptureWindow(dialog, "custom_sounds");
  SendCommand(dialog, IDOK);
  Close();
  std::vector<std::string> lines = Lines(kCustomSoundsFile);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "C:\\s\\start.wav");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "C:\\s\\end.wav");
  EXPECT_EQ(lines[12], "C:\\s\\go.wav");
  EXPECT_EQ(lines[18], "C:\\s\\one minute.wav");
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());

  // A missing file opens empty with its message; Cancel writes nothing.
  platform::DeleteFileAt(kCustomSoundsFile);
  Open("SONSPERSONNALISES", CustomSoundsDialogProc);
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error: Custom sounds file not found"});
  EXPECT_EQ(ControlText(dialog, IDC_CUSTOM_STAGE_PATH), "");
  SendCommand(dialog, IDCANCEL);
  Close();
  EXPECT_FALSE(platform::FileExists(kCustomSoundsFile));

  // "Modify" opens it modally over the sound options.
  Open("SONS", SoundSettingsDialogProc);
  EXPECT_TRUE(testsupport::RunModalDialog(dialog, IDC_SOUNDS_MODIFY, "Selection of the custom sounds",
                                          CancelCustomSounds));
  SendCommand(dialog, IDCANCEL);
  Close();
}

TEST_F(SettingsDialogs, CapturesInTheThreeLanguages) {
  for (const BuildProfile* profile : {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*profile);
    const std::string language = profile == &kEnglishBuild ? "en" : profile == &kFrenchBuild ? "fr" : "es";
    Open("AFFICHAGE", DisplaySettingsDialogProc);
    testsupport::CaptureWindow(dialog, ("display_settings_" + language).c_str());
    SendCommand(dialog, IDCANCEL);
    Close();
    Open("SONS", SoundSettingsDialogProc);
    testsupport::CaptureWindow(dialog, ("sound_options_" + language).c_str());
    SendCommand(dialog, IDCANCEL);
    Close();
    Open("SONSPERSONNALISES", CustomSoundsDialogProc);
    testsupport::CaptureWindow(dialog, ("custom_sounds_" + language).c_str());
    SendCommand(dialog, IDCANCEL);
    Close();
  }
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

// ---- The main window after the dialogs ----

const char* const kNames[] = {"A01", "A02", "A03", "A04", "A05", "A06", "A07", "A08", "A09", "A10",
                              "A11", "A12", "A13", "A14", "A15", "A16", "A17", "A18", "A19", "A20",
                              "A21", "A22", "A23", "A24", "A25", "A26", "A27", "A28", "A29", "A30",
                              "A31", "A32", "A33", "A34", "A35", "A36", "A37", "A38", "A39", "A40"};

// Wider driver column, a tall font for the time column, a green tree; then Ok.
void ChangeDisplay(HWND display) {
  SelectInCombo(display, IDC_DISPLAY_COLUMN, 2);
  SetDlgItemTextA(display, IDC_DISPLAY_WIDTH, "400");
  SelectInCombo(display, IDC_DISPLAY_COLUMN, 5);
  platform::FontChoice font = {};
  platform::CopyBounded(font.face, "Arial");
  font.height = -60;
  font.weight = 700;
  platform::test::QueueFontAnswer(font);
  DoubleClick(display, 301, 501);
  platform::test::QueueColourAnswer(0x00C000);
  DoubleClick(display, 201, 125);
  testsupport::PostClick(display, IDOK);
}

void CancelDisplay(HWND display) {
  SelectInCombo(display, IDC_DISPLAY_COLUMN, 2);
  SetDlgItemTextA(display, IDC_DISPLAY_WIDTH, "20");
  testsupport::PostClick(display, IDCANCEL);
}

void PassagesOff(HWND sounds) {
  Click(sounds, IDC_SOUNDS_PASSAGES);
  testsupport::PostClick(sounds, IDOK);
}

class SettingsMainWindow : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    testsupport::TestEvent event;
    event.drivers = kNames;
    event.driverCount = 40;
    ASSERT_TRUE(testsupport::WriteTestEvent(event));
    std::string path = folder / "event.rall";
    ASSERT_TRUE(CopyFileA(kRallyFilePath, path.c_str(), FALSE));
    platform::test::QueueFileDialogAnswer(path);
    platform::test::QueueMessageAnswer(platform::kIdNo);
    SendMessageA(window, WM_COMMAND, kCmdLoadEvent, 0);
    SelectItem(10000);
    ExpandItem(10000);
    ExpandItem(13000);
    SelectItem(13101);
    ASSERT_EQ(Main().timing.entryCount, 40);
    platform::test::ClearMessages();
  }
  HWND ScrollBar() { return FindWindowExA(window, nullptr, "SCROLLBAR", nullptr); }
};

TEST_F(SettingsMainWindow, DisplayOkReachesTheLiveTableAndCancelChangesNothing) {
  const RaceRowMetrics before = LiveTableRowMetrics();
  const int widths[kLiveColumnCount] = {Main().columnWidths[0], Main().columnWidths[1], Main().columnWidths[2]};
  ASSERT_TRUE(testsupport::RunModalDialog(window, kCmdDisplay, "Display settings", CancelDisplay));
  EXPECT_EQ(Main().columnWidths[2], widths[2]);
  EXPECT_EQ(LiveTableRowMetrics().rowHeight, before.rowHeight);

  ASSERT_TRUE(testsupport::RunModalDialog(window, kCmdDisplay, "Display settings", ChangeDisplay));
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  EXPECT_EQ(Main().columnWidths[2], 400);
  EXPECT_EQ(Main().displaySettings.fonts[8].size, -60);
  const RaceRowMetrics after = LiveTableRowMetrics();
  EXPECT_GT(after.rowHeight, before.rowHeight) << "the taller font gives taller rows";
  EXPECT_LT(after.rowsFit, before.rowsFit);
  EXPECT_EQ(static_cast<int>(SendMessageA(EventTree(), TVM_GETBKCOLOR, 0, 0)), 0x00C000);
  HWND bar = ScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(IsWindowVisible(bar) != FALSE, 40 > after.rowsFit);
  SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(bar, SB_CTL, &info);
  if (40 > after.rowsFit) {
    EXPECT_EQ(info.nMax, 40 - after.rowsFit);
  }
  EXPECT_EQ(info.nPos, 0);
  testsupport::CaptureWindow(window, "main_window_after_display_settings");
}

void PassagesOffCancelled(HWND sounds) {
  Click(sounds, IDC_SOUNDS_PASSAGES);
  testsupport::PostClick(sounds, IDCANCEL);
}

TEST_F(SettingsMainWindow, SoundsOkRereadsTheSwitches) {
  ASSERT_STREQ(Main().sounds.passages, kSoundPassagesOn);
  ASSERT_TRUE(testsupport::RunModalDialog(window, kCmdSounds, "Sound options", PassagesOffCancelled));
  EXPECT_STREQ(Main().sounds.passages, kSoundPassagesOn) << "Cancel changes nothing";
  ASSERT_TRUE(testsupport::RunModalDialog(window, kCmdSounds, "Sound options", PassagesOff));
  EXPECT_STREQ(Main().sounds.passages, kSoundPassagesOff);
  EXPECT_STREQ(Main().sounds.language, kSoundLanguageEnglish);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

void OkAtOnce(HWND dialog) { testsupport::PostClick(dialog, IDOK); }

// The first control of both dialogs is a radio button; the focus the dialog manager gives it
// at the opening must not click it, or Ok would store what the operator never chose.
TEST_F(SettingsMainWindow, OkRightAfterOpeningKeepsTheStyleAndTheVoice) {
  // The main window writes its settings into the file before the dialog reads it.
  Main().displaySettings.tableStyle = 0;
  ASSERT_TRUE(testsupport::RunModalDialog(window, kCmdDisplay, "Display settings", OkAtOnce));
  EXPECT_EQ(testsupport::ReadBytes(kDisplaySettingsFile).substr(0, 2), "0\t");
  EXPECT_EQ(Main().displaySettings.tableStyle, 0);

  std::string sounds = testsupport::ReadBytes(kSoundSettingsFile);
  const std::string english = kSoundLanguageEnglish, french = kSoundLanguageFrench;
  ASSERT_EQ(sounds.rfind(english, 0), 0u);
  sounds.replace(0, english.size(), french);
  testsupport::WriteBytes(kSoundSettingsFile, sounds);
  ASSERT_TRUE(testsupport::RunModalDialog(window, kCmdSounds, "Sound options", OkAtOnce));
  EXPECT_EQ(testsupport::ReadBytes(kSoundSettingsFile), sounds);
}

TEST_F(SettingsMainWindow, HelpOpensTheGuideOfTheProgramFolder) {
  // The guide the build makes, installed as scripts/run installs it.
  const std::string guides = platform::ProgramFolder() + "\\Guides";
  platform::CreateFolder(guides.c_str());
  std::string built = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/Guides/HelpRallyeGB.pdf");
  ASSERT_TRUE(platform::CopyFileTo(built.c_str(), (guides + "\\HelpRallyeGB.pdf").c_str()));
  // The shell stand-in opens what it is given, as a PDF reader would.
  static std::string opened;
  opened.clear();
  platform::test::OnShellOpen([](const std::string& target) { opened = ReadBytes(target).substr(0, 5); });
  SendMessageA(window, WM_COMMAND, kCmdHelp, 0);
  ASSERT_EQ(platform::test::OpenedTargets().size(), 1u);
  EXPECT_EQ(platform::test::OpenedTargets()[0], platform::ProgramFolder() + "\\Guides\\HelpRallyeGB.pdf");
  EXPECT_EQ(opened, "%PDF-");
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

}  // namespace
