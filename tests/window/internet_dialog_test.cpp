// The internet dialog under Wine against a local FTP server, with a browser stand-in that,
// like the results web site, makes (or renames) the web event's folder about a second after
// "CreationEvent.php" was opened; the main window's Internet item afterwards; and the French
// build's translation editor on command 1016.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/shell.h"
#include "platform/test_hooks.h"
#include "platform/text_file.h"
#include "race/command_ids.h"
#include "race/database_files.h"
#include "race/dialog_table.h"
#include "race/menus.h"
#include "results/internet_dialog.h"
#include "results/internet_dialog_ids.h"
#include "results/web_publishing.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/internet_dialog_driving.h"
#include "tests/support/local_ftp_server.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_folder.h"
#include "translation/translation_dialog.h"
#include "translation/translation_dialog_ids.h"
#include "translation/translation_model.h"

namespace {

using testsupport::ControlText;
using testsupport::SendCommand;

constexpr int kFtpPort = 21766;
constexpr int kMuteFtpPort = 21767;  // also the end-to-end test's, which never runs beside this one
const char kSite[] = "public_html/VellgrinRally/";

std::string Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[16];
  std::snprintf(text, sizeof text, "%02d %02d %04d", now.wDay, now.wMonth, now.wYear);
  return text;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class InternetDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = platform::CurrentFolder();
    ASSERT_TRUE(platform::SetCurrentFolder(folder.path().c_str()));
    platform::test::SetProgramFolder(folder.path());
    platform::CreateFolder("images");
    for (const char* lamp : {"images/wifiVert.bmp", "images/wifiRouge.bmp"}) {
      std::string from = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + lamp);
      platform::CopyFileTo(from.c_str(), lamp);
    }
    platform::TextFile championships(kChampionshipsDatabaseFile, "w");
    championships.Printf("Cup 2024\tThe cup\t\nAlps Cup\tThe Alps\t\n");
    server.WriteServerFile(folder.path());
  }
  void TearDown() override {
    if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
    if (site.joinable()) site.join();
    SetActiveProfile(kEnglishBuild);
    platform::SetCurrentFolder(saved.c_str());
  }

  // Opens the dialog and waits for its probes: "OK" is usable again once they are done.
  void Open() {
    opened = std::chrono::steady_clock::now();
    dialog = testsupport::OpenDialogOnTop("INTERNET", InternetDialogProc);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(testsupport::WaitForInternetProbes(dialog));
    openingSeconds = SecondsSince(opened);
  }
  void Close() {
    SendCommand(dialog, IDOK);
    EXPECT_FALSE(IsWindowVisible(dialog));
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  void Enter(const char* name, const char* day, const char* month, const char* year, const char* championship) {
    testsupport::EnterWebEvent(dialog, name, day, month, year, championship);
  }
  void ClickActivate() { testsupport::ClickActivate(dialog); }
  // The web site makes the folder a second after its page was asked for.
  void SiteMakesFolders() {
    platform::test::OnShellOpen([this](const std::string& url) {
      std::size_t at = url.find("CreationEvent.php?");
      if (at == std::string::npos) return;
      std::string championship = Query(url, "payssaisie"), event = Query(url, "eventsaisie");
      if (site.joinable()) site.join();
      site = std::thread([this, championship, event] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        server.MakeFolder(kSite + championship + "/" + event);
      });
    });
  }
  static std::string Query(const std::string& url, const std::string& key) {
    std::size_t at = url.find(key + "=");
    std::size_t end = url.find('&', at);
    return url.substr(at + key.size() + 1, end == std::string::npos ? std::string::npos : end - at - key.size() - 1);
  }
  static std::string Coordinates() { return testsupport::ReadBytes(kWebCoordinatesFile); }
  std::string Message() const { return ControlText(dialog, IDC_INTERNET_MESSAGE); }
  std::string Entered() const {
    return ControlText(dialog, IDC_INTERNET_EVENT_NAME) + " " + ControlText(dialog, IDC_INTERNET_DAY) + " " +
           ControlText(dialog, IDC_INTERNET_MONTH) + " " + ControlText(dialog, IDC_INTERNET_YEAR) + " " +
           ControlText(dialog, IDC_INTERNET_CHAMPIONSHIP);
  }
  bool ReadOnly(int control) const { return (GetWindowLongA(GetDlgItem(dialog, control), GWL_STYLE) & ES_READONLY) != 0; }
  bool Enabled(int control) const { return IsWindowEnabled(GetDlgItem(dialog, control)) != 0; }

  testsupport::TempFolder folder;
  std::string saved;
  testsupport::LocalFtpServer server{kFtpPort};
  std::thread site;
  HWND dialog = nullptr;
  std::chrono::steady_clock::time_point opened;
  double openingSeconds = 0;
};

const std::string kConnected = "The software is connected to the remote web site.OK\r\n";
const std::string kNotConnected = "The software is not connected to the remote web site.\r\n";
const std::string kActivated = "The publishing of the results on the Web is activated.\r\n";
const std::string kNotActivated = "The publishing of the results on the Web is not activated.\r\n";
const std::string kEventLine = "The results will be published in the Web event :\r\n";

TEST_F(InternetDialog, OpensConnectedOrNotWithinItsTimeOuts) {
  ASSERT_TRUE(server.Start());
  Open();
  EXPECT_EQ(Message(), kConnected + kNotActivated);
  EXPECT_TRUE(Enabled(IDC_INTERNET_ACTIVATE));
  EXPECT_TRUE(Enabled(IDC_INTERNET_VIEW));
  EXPECT_EQ(ControlText(dialog, IDC_INTERNET_ACTIVATE), "Activate");
  EXPECT_EQ(Entered(), " " + Today() + " ");
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_INTERNET_CHAMPIONSHIP, CB_GETCOUNT, 0, 0), 2);
  testsupport::CaptureWindow(dialog, "internet_dialog_connected");
  // The lamp is painted at (210, 440)-(250, 480) of the client area: no button covers it.
  RECT view, lamp = {210, 440, 250, 480}, both;
  GetWindowRect(GetDlgItem(dialog, IDC_INTERNET_VIEW), &view);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&view), 2);
  EXPECT_FALSE(IntersectRect(&both, &view, &lamp)) << view.left << "," << view.top;
  // "view" lists the web events.
  SendCommand(dialog, IDC_INTERNET_VIEW);
  ASSERT_EQ(platform::test::OpenedTargets().size(), 1u);
  EXPECT_EQ(platform::test::OpenedTargets()[0],
            "http://127.0.0.1/VellgrinRally/ListeEvents.php?lang=GB&country=_&event=_&rally=_");
  // The date is typed key by key: every digit of the year is taken.
  HWND year = GetDlgItem(dialog, IDC_INTERNET_YEAR);
  SetWindowTextA(year, "");
  for (char c : std::string("2026")) SendMessageA(year, WM_CHAR, static_cast<WPARAM>(c), 0);
  EXPECT_EQ(ControlText(dialog, IDC_INTERNET_YEAR), "2026");
  // Clicks and scrolling in the message box, the labels' notifications: the entry stays.
  SetDlgItemTextA(dialog, IDC_INTERNET_EVENT_NAME, "Typed");
  SendCommand(dialog, IDC_INTERNET_MESSAGE, EN_SETFOCUS);
  SendCommand(dialog, IDC_INTERNET_MESSAGE, EN_VSCROLL);
  SendCommand(dialog, IDC_INTERNET_MESSAGE, EN_KILLFOCUS);
  SendCommand(dialog, IDC_INTERNET_TITLE, STN_CLICKED);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(ControlText(dialog, IDC_INTERNET_EVENT_NAME), "Typed");
  // Escape closes.
  SendCommand(dialog, IDCANCEL);
  EXPECT_FALSE(IsWindowVisible(dialog));
  DestroyWindow(dialog);
  EXPECT_LT(openingSeconds, 3.0);

  // A refused login: "Activate" and "view" are off and the message says only that.
  testsupport::WriteBytes(folder / "WebResults/ServeurFtp.txt",
                          "127.0.0.1:" + std::to_string(kFtpPort) + "\r\nracer\r\nwrong\r\n");
  Open();
  EXPECT_EQ(Message(), kNotConnected);
  EXPECT_FALSE(Enabled(IDC_INTERNET_ACTIVATE));
  EXPECT_FALSE(Enabled(IDC_INTERNET_VIEW));
  EXPECT_LT(openingSeconds, 5.0);
  testsupport::CaptureWindow(dialog, "internet_dialog_not_connected");
  Close();

  // A server that accepts the connection and never answers: the probe gives up in seconds,
  // and meanwhile the dialog went on handling its messages.
  testsupport::LocalFtpServer mute(kMuteFtpPort);
  ASSERT_TRUE(mute.StartMute());
  mute.WriteServerFile(folder.path());
  Open();
  EXPECT_EQ(Message(), kNotConnected);
  EXPECT_GT(openingSeconds, 2.0);
  EXPECT_LT(openingSeconds, 9.0);
  Close();
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

TEST_F(InternetDialog, CreatesDeactivatesRenamesAndCancelsTheWebEvent) {
  ASSERT_TRUE(server.Start());
  SiteMakesFolders();
  Open();
  Enter("Spring Cup/2", "05", "06", "2025", "Alps Cup");
  auto start = std::chrono::steady_clock::now();
  ClickActivate();
  double seconds = SecondsSince(start);
  ASSERT_EQ(platform::test::OpenedTargets().size(), 1u);
  EXPECT_EQ(platform::test::OpenedTargets()[0],
            "http://127.0.0.1/VellgrinRally/CreationEvent.php?action=create&payssaisie=Alps_Cup&paysfichier="
            "&eventsaisie=Spring_Cup_2_05_06_2025&eventfichier=");
  EXPECT_EQ(Coordinates(), "1\t1\t\r\nSpring_Cup_2_05_06_2025\r\nAlps_Cup\r\nlinks\r\n");
  EXPECT_EQ(Message(), kConnected + kActivated + kEventLine + "'Spring_Cup_2 05/06/2025'");
  EXPECT_EQ(ControlText(dialog, IDC_INTERNET_ACTIVATE), "Deactivate");
  EXPECT_TRUE(ReadOnly(IDC_INTERNET_EVENT_NAME));
  EXPECT_TRUE(ReadOnly(IDC_INTERNET_YEAR));
  EXPECT_FALSE(Enabled(IDC_INTERNET_CHAMPIONSHIP));
  EXPECT_GT(seconds, 0.9);
  EXPECT_LT(seconds, 5.0);
  testsupport::CaptureWindow(dialog, "internet_dialog_activated");

  ClickActivate();  // deactivates
  EXPECT_EQ(Coordinates(), "1\t0\t\r\nSpring_Cup_2_05_06_2025\r\nAlps_Cup\r\nlinks\r\n");
  EXPECT_EQ(Message(), kConnected + kNotActivated);
  EXPECT_FALSE(ReadOnly(IDC_INTERNET_EVENT_NAME));
  EXPECT_TRUE(Enabled(IDC_INTERNET_CHAMPIONSHIP));

  // Another name: cancel puts the current web event back.
  Enter("Autumn", "07", "10", "2025", "Cup 2024");
  platform::test::QueueMessageAnswer(platform::kIdCancel);
  ClickActivate();
  EXPECT_EQ(Entered(), "Spring_Cup_2 05 06 2025 Alps Cup");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERNET_ACTIVATE), BST_UNCHECKED);
  EXPECT_EQ(Coordinates(), "1\t0\t\r\nSpring_Cup_2_05_06_2025\r\nAlps_Cup\r\nlinks\r\n");
  EXPECT_EQ(platform::test::OpenedTargets().size(), 1u);

  // Rename: the site is asked to rename the current web event into the new one.
  Enter("Autumn", "07", "10", "2025", "Cup 2024");
  platform::test::QueueMessageAnswer(platform::kIdNo);
  ClickActivate();
  ASSERT_EQ(platform::test::OpenedTargets().size(), 2u);
  EXPECT_EQ(platform::test::OpenedTargets()[1],
            "http://127.0.0.1/VellgrinRally/CreationEvent.php?action=rename&payssaisie=Cup_2024"
            "&paysfichier=Alps_Cup&eventsaisie=Autumn_07_10_2025&eventfichier=Spring_Cup_2_05_06_2025");
  EXPECT_EQ(Coordinates(), "1\t1\t\r\nAutumn_07_10_2025\r\nCup_2024\r\nlinks\r\n");
  Close();

  const auto& boxes = platform::test::Messages();
  ASSERT_EQ(boxes.size(), 2u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.caption, "Be careful");
    EXPECT_EQ(box.type, static_cast<unsigned>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(box.text.substr(0, 38), "The web event data has been changed !\n");
  }

  // Opened again, the web event is there and active: its folder is on the site.
  Open();
  EXPECT_EQ(Message(), kConnected + kActivated + kEventLine + "'Autumn 07/10/2025'");
  EXPECT_EQ(Entered(), "Autumn 07 10 2025 Cup 2024");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERNET_ACTIVATE), BST_CHECKED);
  Close();
}

TEST_F(InternetDialog, AnExistingFolderIsUsedOnYesAndLeftOnNo) {
  ASSERT_TRUE(server.Start());
  server.MakeFolder(std::string(kSite) + "Cup_2024/Rally_01_02_2026");
  Open();
  Enter("Rally", "01", "02", "2026", "Cup 2024");
  platform::test::QueueMessageAnswer(platform::kIdNo);
  ClickActivate();
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERNET_ACTIVATE), BST_UNCHECKED);
  EXPECT_EQ(Coordinates(), "<missing>") << "no current web event to write";
  EXPECT_EQ(Message(), kConnected + kNotActivated);

  platform::test::QueueMessageAnswer(platform::kIdYes);
  ClickActivate();
  EXPECT_TRUE(platform::test::OpenedTargets().empty()) << "the site is not asked for anything";
  EXPECT_EQ(Coordinates(), "1\t1\t\r\nRally_01_02_2026\r\nCup_2024\r\nlinks\r\n");
  auto boxes = platform::test::Messages();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text,
            "A web event 'Rally_01_02_2026' already exists. Do you want to use it for the results recording ?");
  EXPECT_EQ(boxes[0].type, static_cast<unsigned>(MB_YESNO | MB_ICONQUESTION));

  // Wrong entries are refused before anything is probed.
  ClickActivate();  // deactivate
  platform::test::ClearMessages();
  SetDlgItemTextA(dialog, IDC_INTERNET_DAY, "5");
  ClickActivate();
  SetDlgItemTextA(dialog, IDC_INTERNET_DAY, "05");
  SetDlgItemTextA(dialog, IDC_INTERNET_YEAR, "2010");
  ClickActivate();
  SetDlgItemTextA(dialog, IDC_INTERNET_YEAR, "2026");
  SendDlgItemMessageA(dialog, IDC_INTERNET_CHAMPIONSHIP, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ClickActivate();
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            (std::vector<std::string>{Tr(Text::InternetEntryNotCorrect), Tr(Text::InternetEntryNotCorrect),
                                      "Error: no championship has been selected."}));
  EXPECT_EQ(Coordinates(), "1\t0\t\r\nRally_01_02_2026\r\nCup_2024\r\nlinks\r\n");
  Close();
}

TEST_F(InternetDialog, GivesUpCreatingOrRenamingAfterAboutTenSeconds) {
  ASSERT_TRUE(server.Start());
  Open();
  Enter("Lost", "01", "02", "2026", "Cup 2024");
  auto start = std::chrono::steady_clock::now();
  ClickActivate();
  double creating = SecondsSince(start);
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            std::vector<std::string>{"Error : the creation of the new web event failed."});
  EXPECT_EQ(Coordinates(), "<missing>");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERNET_ACTIVATE), BST_UNCHECKED);
  EXPECT_GT(creating, 9.5);
  EXPECT_LT(creating, 14.0);

  // With a current web event, a rename that the site never does.
  server.MakeFolder(std::string(kSite) + "Cup_2024/Kept_01_02_2026");
  Enter("Kept", "01", "02", "2026", "Cup 2024");
  platform::test::QueueMessageAnswer(platform::kIdYes);
  ClickActivate();
  ClickActivate();  // deactivate
  platform::test::ClearMessages();
  Enter("Renamed", "01", "02", "2026", "Cup 2024");
  platform::test::QueueMessageAnswer(platform::kIdNo);
  ClickActivate();
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            (std::vector<std::string>{Tr(Text::InternetEventChanged), "Error: the web event could not be renamed."}));
  EXPECT_EQ(Entered(), "Kept 01 02 2026 Cup 2024") << "the current web event is back";
  EXPECT_EQ(Coordinates(), "1\t0\t\r\nKept_01_02_2026\r\nCup_2024\r\nlinks\r\n");
  Close();
}

TEST_F(InternetDialog, AStoredWebEventThatIsGoneIsWrittenBackWithPublishingOff) {
  ASSERT_TRUE(server.Start());
  // Its folder is not on the site.
  WriteWebCoordinates(nullptr, "Gone_01_02_2026", "Cup_2024", "links", 1, 1);
  Open();
  EXPECT_EQ(Message(), kConnected + kNotActivated);
  EXPECT_EQ(Entered(), " " + Today() + " ");
  EXPECT_EQ(Coordinates(), "1\t0\t\r\nGone_01_02_2026\r\nCup_2024\r\nlinks\r\n");
  Close();
  // Its championship is no longer in the database: "Cup" is not "Cup 2024".
  server.MakeFolder(std::string(kSite) + "Cup/Kept_01_02_2026");
  WriteWebCoordinates(nullptr, "Kept_01_02_2026", "Cup", "links", 1, 1);
  Open();
  EXPECT_EQ(Message(), kConnected + kNotActivated);
  EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_INTERNET_CHAMPIONSHIP, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(Coordinates(), "1\t0\t\r\nKept_01_02_2026\r\nCup\r\nlinks\r\n");
  Close();
}

TEST_F(InternetDialog, ShowsItsTextsInEachLanguage) {
  ASSERT_TRUE(server.Start());
  server.MakeFolder(std::string(kSite) + "Alps_Cup/Spring_05_06_2025");
  for (const BuildProfile* build : {&kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*build);
    const char* language = build == &kFrenchBuild ? "fr" : "es";
    WriteWebCoordinates(nullptr, "Spring_05_06_2025", "Alps_Cup", "links", 0, 1);
    Open();
    EXPECT_EQ(Message(), std::string(Tr(Text::InternetConnected)) + Tr(Text::InternetActivated) +
                             Tr(Text::InternetEventLine) + "'Spring 05/06/2025'");
    EXPECT_EQ(ControlText(dialog, IDC_INTERNET_ACTIVATE), Tr(Text::InternetDeactivate));
    testsupport::CaptureWindow(dialog, (std::string("internet_dialog_activated_") + language).c_str());
    Close();
    testsupport::WriteBytes(folder / "WebResults/ServeurFtp.txt",
                            "127.0.0.1:" + std::to_string(kFtpPort) + "\r\nracer\r\nwrong\r\n");
    Open();
    EXPECT_EQ(Message(), Tr(Text::InternetNotConnected));
    testsupport::CaptureWindow(dialog, (std::string("internet_dialog_not_connected_") + language).c_str());
    Close();
    server.WriteServerFile(folder.path());
  }
}

// The main window opens the dialog on 1020 and afterwards shows the Internet item's
// picture of publishing (bitmap 19) or not (18).
class InternetFromMainWindow : public testsupport::MainWindowFixture {};

std::string BitmapBits(HBITMAP bitmap) {
  BITMAP info = {};
  if (!GetObjectA(bitmap, sizeof info, &info)) return "";
  std::string bits(info.bmWidthBytes * info.bmHeight, '\0');
  GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
  return bits;
}

std::string InternetItemBits(HMENU bar) {
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_CHECKMARKS;
  GetMenuItemInfoA(bar, kCmdInternet, FALSE, &item);
  return BitmapBits(item.hbmpUnchecked);
}

std::string ResourceBits(int id) {
  HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
  std::string bits = BitmapBits(bitmap);
  DeleteObject(bitmap);
  return bits;
}

TEST_F(InternetFromMainWindow, TheInternetItemShowsWhetherResultsArePublished) {
  testsupport::LocalFtpServer ftp(kFtpPort);
  ASSERT_TRUE(ftp.Start());
  ftp.WriteServerFile(folder.path());
  ftp.MakeFolder(std::string(kSite) + "Cup_2024/Demo_01_02_2026");
  ASSERT_TRUE(platform::SetCurrentFolder(folder.path().c_str()));
  {
    platform::TextFile championships(kChampionshipsDatabaseFile, "w");
    championships.Printf("Cup 2024\tThe cup\t\n");
  }
  ASSERT_NE(ResourceBits(18), ResourceBits(19));
  EXPECT_EQ(InternetItemBits(::Menus().bar), ResourceBits(18));
  platform::test::QueueMessageAnswer(platform::kIdYes);  // use the existing web event
  ASSERT_TRUE(testsupport::RunInternetDialog(window, [](HWND dialog) {
    testsupport::EnterWebEvent(dialog, "Demo", "01", "02", "2026", "Cup 2024");
    testsupport::ClickActivate(dialog);
    testsupport::PostClick(dialog, IDOK);
  }));
  EXPECT_EQ(Main().web.publishingActive, 1);
  EXPECT_STREQ(Main().web.eventFolder, "Demo_01_02_2026");
  EXPECT_EQ(InternetItemBits(::Menus().bar), ResourceBits(19));

  // Deactivated: the plain picture again.
  ASSERT_TRUE(testsupport::RunInternetDialog(window, [](HWND dialog) {
    testsupport::ClickActivate(dialog);
    testsupport::PostClick(dialog, IDOK);
  }));
  EXPECT_EQ(Main().web.publishingActive, 0);
  EXPECT_EQ(InternetItemBits(::Menus().bar), ResourceBits(18));
}

// Command 1016 opens the translation editor in the French build only.
class TranslationEditor : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    RegisterTranslationEditor(TranslationDialogProc);
    MainWindowFixture::SetUp();
  }
  void TearDown() override {
    RegisterTranslationEditor(nullptr);
    MainWindowFixture::TearDown();
    SetActiveProfile(kEnglishBuild);
  }
};

TEST_F(TranslationEditor, OpensEmptyKeepsWhatWasTypedAndClosesOnEscape) {
  SetActiveProfile(kFrenchBuild);
  std::string before = platform::CurrentFolder();
  bool seen = testsupport::RunModalDialog(window, kCmdAdditionalScreen, "Traduction logiciel", [](HWND dialog) {
    for (int list : {IDC_TRANSLATION_SOFTWARE_LANGUAGE, IDC_TRANSLATION_DOCUMENTS_LANGUAGE, IDC_TRANSLATION_LANGUAGE,
                     IDC_TRANSLATION_WINDOW, IDC_TRANSLATION_EXPRESSION})
      EXPECT_EQ(SendDlgItemMessageA(dialog, list, CB_GETCOUNT, 0, 0), 0) << list;
    EXPECT_EQ(ControlText(dialog, IDC_TRANSLATION_FACTORY), "");
    EXPECT_EQ(ControlText(dialog, IDC_TRANSLATION_MODIFIED), "");
    EXPECT_EQ(ControlText(dialog, IDC_TRANSLATION_MODIFIED_LABEL), "Traduction modifi\xE9" "e:");
    // The empty lists report no selection: nothing moves.
    SendCommand(dialog, IDC_TRANSLATION_WINDOW, CBN_SELCHANGE);
    SendCommand(dialog, IDC_TRANSLATION_EXPRESSION, CBN_SELCHANGE);
    SendCommand(dialog, IDC_TRANSLATION_SOFTWARE_LANGUAGE, CBN_SELCHANGE);
    SendCommand(dialog, IDC_TRANSLATION_APPLY);
    SendCommand(dialog, IDC_TRANSLATION_SAVE);
    SendCommand(dialog, IDC_TRANSLATION_RESTORE_FACTORY);
    SetDlgItemTextA(dialog, IDC_TRANSLATION_MODIFIED, std::string(60, 'm').c_str());
    SendCommand(dialog, IDC_TRANSLATION_MODIFIED, EN_CHANGE);
    EXPECT_TRUE(IsWindow(dialog));
    // A modal dialog shows once its loop is idle: show it now for the capture.
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    testsupport::CaptureWindow(dialog, "translation_editor");
    testsupport::PostClick(dialog, IDCANCEL);
  });
  ASSERT_TRUE(seen);
  EXPECT_EQ(std::string(TranslationMemory().modifiedExpressions[0]), std::string(53, 'm'));
  EXPECT_EQ(platform::CurrentFolder(), before);
  // No file was made in the folder.
  EXPECT_EQ(testsupport::ReadBytes(folder / ".usine"), "<missing>");
  EXPECT_EQ(testsupport::ReadBytes(folder / ".trans"), "<missing>");
  // Opened again: the edit shows empty, the table keeps its text.
  ASSERT_TRUE(testsupport::RunModalDialog(window, kCmdAdditionalScreen, "Traduction logiciel", [](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, IDC_TRANSLATION_MODIFIED), "");
    testsupport::PostClick(dialog, IDOK);
  }));
  EXPECT_EQ(std::string(TranslationMemory().modifiedExpressions[0]), std::string(53, 'm'));
}

TEST_F(TranslationEditor, TheEnglishAndSpanishBuildsNeverOpenIt) {
  for (const BuildProfile* build : {&kEnglishBuild, &kSpanishBuild}) {
    SetActiveProfile(*build);
    EXPECT_FALSE(testsupport::RunModalDialog(window, kCmdAdditionalScreen, "Traduction logiciel",
                                             [](HWND dialog) { testsupport::PostClick(dialog, IDOK); }));
  }
}

}  // namespace
