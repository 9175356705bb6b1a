// The main window with a loaded event: creation with the crash copy, race controls, tree,
// close guard and destruction.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/command_ids.h"
#include "race/event_session.h"
#include "race/event_tree.h"
#include "race/main_window.h"
#include "race/menus.h"
#include "race/race_controls_layout.h"
#include "race/startup.h"
#include "race/event_file.h"
#include "race/event_records.h"
#include "setup/participants_dialog_ids.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::SetProgramFolder(folder.path());
    testsupport::CopyTestData(folder.path());
    saved = platform::CurrentFolder();
    // As start-up does first: icons, bitmaps and dialogs come from this module.
    KeepProgramInstance(GetModuleHandleA(nullptr));
    BuildMenus(GetModuleHandleA(nullptr));
    RegisterMainWindowClass(GetModuleHandleA(nullptr));
  }
  void TearDown() override {
    if (window && IsWindow(window)) {
      platform::test::QueueMessageAnswer(platform::kIdNo);
      SendMessageA(window, WM_CLOSE, 0, 0);
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    }
    UnregisterClassA("classeF", GetModuleHandleA(nullptr));
    platform::SetCurrentFolder(saved.c_str());
  }
  testsupport::TempFolder folder;
  std::string saved;
  HWND window = nullptr;
};

TEST_F(MainWindowTest, CreationKeepsTheCrashCopyLaysOutControlsAndBuildsTheTree) {
  testsupport::WriteBytes(folder / "Private/Rallye.rall", "previous event");
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(testsupport::ReadBytes(folder / "DoVorodIvar.rall"), "previous event");
  EXPECT_TRUE(IsUntouchedFreshEvent((folder / "Private/Rallye.rall").c_str()));
  EXPECT_TRUE(platform::test::Messages().empty()) << platform::test::Messages()[0].text;
  RECT start;
  GetWindowRect(GetDlgItem(window, 2001), &start);
  POINT corner = {start.left, start.top};
  ScreenToClient(window, &corner);
  if (GetSystemMetrics(SM_CXSCREEN) == 1600 && GetSystemMetrics(SM_CYSCREEN) == 900) {
    EXPECT_EQ(corner.x, 688);
    EXPECT_EQ(corner.y, 40);
  }
  EXPECT_EQ(start.right - start.left, 80);
  EXPECT_EQ(TreeView_GetCount(EventTree()), 8u);
  EXPECT_NE(FindTreeItem(14100), nullptr);
}

TEST_F(MainWindowTest, CloseIsRefusedWhileTimingAndDestructionTurnsPublishingOff) {
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr);
  CreateDirectoryA((folder / "WebResults").c_str(), nullptr);
  testsupport::WriteBytes(folder / "WebResults/CoordonneesWeb.txt", "1\t1\t\r\nEv\r\nCup\r\na b\r\n");
  Main().timing.timing = 1;
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::CloseWhileTiming));
  Main().timing.timing = 0;
  // Yes with no event file: the save-as dialog is cancelled and the program still closes.
  platform::test::QueueMessageAnswer(platform::kIdYes);
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(platform::test::FileDialogs().size(), 1u);
  EXPECT_EQ(testsupport::ReadBytes(folder / "WebResults/CoordonneesWeb.txt"), "0\t0\t\r\nEv\r\nCup\r\na b\r\n");
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
}

TEST_F(MainWindowTest, StagesAddedRemovedAndRestoredInTheTree) {
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOWMAXIMIZED);
  Main().selectedNode = 13101;
  Main().selectedKind = 13101;
  for (int i = 0; i < 3; ++i) SendMessageA(window, WM_COMMAND, kCmdAddSpecialStage, 0);
  EXPECT_NE(FindTreeItem(13103), nullptr);
  // Commands act on the tree's caret item, as after a right click.
  SelectItem(13102);
  EXPECT_EQ(Main().selectedNode, 13102);
  SendMessageA(window, WM_COMMAND, kCmdRemoveSpecialStage, 0);
  EXPECT_EQ(FindTreeItem(13102), nullptr);
  EXPECT_EQ(FindTreeItem(14102), nullptr);
  SelectItem(13103);
  SendMessageA(window, WM_COMMAND, 1102, 0);
  EXPECT_NE(FindTreeItem(13102), nullptr);
  EXPECT_NE(FindTreeItem(14102), nullptr);
  ExpandItem(13000);
  testsupport::CaptureWindow(window, "main-window-event");
}


// --- The tree driven as the operator drives it: selections and right clicks arrive as the
// tree's own notifications; popups are read, captured and dismissed from inside their loop.

std::string Label(int code) {
  char text[64] = {0};
  TVITEMA item = {};
  item.mask = TVIF_TEXT;
  item.hItem = FindTreeItem(code);
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!item.hItem || !TreeView_GetItem(EventTree(), &item)) return "<none>";
  return text;
}

int Image(int code) {
  TVITEMA item = {};
  item.mask = TVIF_IMAGE;
  item.hItem = FindTreeItem(code);
  if (!item.hItem || !TreeView_GetItem(EventTree(), &item)) return -1;
  return item.iImage;
}

// The codes of an item's children (of the root items for 0), in order.
std::vector<int> Children(int code) {
  HWND tree = EventTree();
  std::vector<int> codes;
  HTREEITEM item = code ? TreeView_GetChild(tree, FindTreeItem(code)) : TreeView_GetRoot(tree);
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    codes.push_back(static_cast<int>(data.lParam));
  }
  return codes;
}

// "id text", with " (greyed)" for a greyed item.
std::vector<std::string> MenuItems(HMENU menu) {
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {0};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    items.push_back(std::to_string(GetMenuItemID(menu, i)) + " " + text + ((state & MF_GRAYED) ? " (greyed)" : ""));
  }
  return items;
}

// Right-clicks the caret item as the tree notifies it. Returns the items of the popup that
// was shown (empty when none was), captured as <capture>.
std::vector<std::string> RightClick(HWND window, const char* capture) {
  static const char* name;
  static std::vector<std::string>* shown;
  std::vector<std::string> items;
  name = capture;
  shown = &items;
  SetCursorPos(120, 260);
  UINT_PTR timer = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND menuWindow = FindWindowA("#32768", nullptr);
    HMENU menu = menuWindow ? reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0)) : nullptr;
    *shown = menu ? MenuItems(menu) : std::vector<std::string>{"<a menu without handle>"};
    testsupport::CaptureDesktop(name);
    EndMenu();
  });
  NMHDR header = {EventTree(), static_cast<UINT_PTR>(kEventTreeId), static_cast<UINT>(NM_RCLICK)};
  SendMessageA(window, WM_NOTIFY, kEventTreeId, reinterpret_cast<LPARAM>(&header));
  KillTimer(nullptr, timer);
  return items;
}

void Command(HWND window, int id) { SendMessageA(window, WM_COMMAND, id, 0); }

// Selecting a participant's item opens the modal driver details dialog; a timer of this
// thread presses Escape in it. True when the dialog was shown with driverDetailsOpen set.
bool SelectParticipantAndEscape(int node) {
  static bool seenOpen;
  seenOpen = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Driver's details");
    if (!dialog || seenOpen) return;
    seenOpen = Main().driverDetailsOpen == 1;
    PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  SelectItem(node);
  KillTimer(nullptr, timer);
  return seenOpen && Main().driverDetailsOpen == 0;
}

std::string Title(HWND window) {
  char text[300] = {0};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool SaveGreyed() { return (GetMenuState(::Menus().file, kCmdSave, MF_BYCOMMAND) & MF_GRAYED) != 0; }

RallyRecord HeaderRally(int rally, int* selected = nullptr, int* count = nullptr) {
  static RallyRecord rallies[kMaxRallies];
  int node = 0, rallyCount = 0;
  ReadRallyFileHeader(&node, &rallyCount, rallies);
  if (selected) *selected = node;
  if (count) *count = rallyCount;
  return rallies[rally - 1];
}

const char* const kDrivers[] = {"ALBERT Jean", "BRUNO Marc", "COSTA Ana"};

// An event of one rally with three drivers in start order and four stages, written over the
// working file of a created window and kept as <folder>/event.rall for Load event.
std::string PrepareEvent(const testsupport::TempFolder& folder, int startType) {
  testsupport::TestEvent event;
  event.drivers = kDrivers;
  event.driverCount = 3;
  event.startType = startType;
  event.stageCount = 4;
  EXPECT_TRUE(testsupport::WriteTestEvent(event));
  std::string path = folder / "event.rall";
  EXPECT_TRUE(CopyFileA(kRallyFilePath, path.c_str(), FALSE));
  return path;
}

void LoadEvent(HWND window, const std::string& path) {
  platform::test::QueueFileDialogAnswer(path);
  platform::test::QueueMessageAnswer(platform::kIdNo);  // do not save the current event
  Command(window, kCmdLoadEvent);
}

class MainWindowWithEvent : public MainWindowTest {
 protected:
  void Open(int startType = kStandardStart) {
    BuildMenus(GetModuleHandleA(nullptr));  // a closed window took its menu bar with it
    window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    event = PrepareEvent(folder, startType);
    LoadEvent(window, event);
    SelectItem(10000);
    ExpandItem(10000);
    ExpandItem(11000);
    ExpandItem(13000);
    ExpandItem(14000);
    platform::test::ClearMessages();
    platform::test::ClearFileDialogs();
  }
  std::string event;
};

TEST_F(MainWindowTest, CreationReportsEachMissingFileInOrderAndKeepsTheCrashedEvent) {
  testsupport::WriteBytes(folder / "Private/Rallye.rall", "crashed event");
  for (const char* name : {"BaseDonnéesPénalitésBis.bd", "BaseDonnéesPays.bd", "paysDrapeaux/codesPays.bd",
                           "BaseDonnéesPilotes.bd", "BaseDonnéesTranspondeurs.bd", "RéglagesSons.rg",
                           "Private/SonsPerso.sopr", "Private/RéglagesAffichage.rgsc"})
    testsupport::DeleteFileIfAny(folder / name);
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr) << "no load failure stops the program";
  std::vector<std::string> seen;
  for (const auto& m : platform::test::Messages()) {
    EXPECT_EQ(m.caption, Tr(Text::CaptionError)) << m.text;
    EXPECT_EQ(m.type, platform::kMbOk) << m.text;
    seen.push_back(m.text);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{Tr(Text::SpecificPenaltiesNotFound), Tr(Text::CountryNamesNotFound),
                                            Tr(Text::CountryCodesNotFound), Tr(Text::DriverSummariesNotFound),
                                            Tr(Text::TranspondersNotFound), Tr(Text::SoundSettingsNotFound),
                                            Tr(Text::CustomSoundsNotFound), Tr(Text::DisplaySettingsNotFound)}));
  EXPECT_EQ(testsupport::ReadBytes(folder / "DoVorodIvar.rall"), "crashed event");
  EXPECT_TRUE(IsUntouchedFreshEvent((folder / "Private/Rallye.rall").c_str()));
  EXPECT_EQ(TreeView_GetCount(EventTree()), 8u) << "the tree is built all the same";

  // A second start (after the first one crashed, say) finds a fresh event: the crashed
  // event's copy must survive it.
  platform::test::QueueMessageAnswer(platform::kIdNo);
  SendMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_FALSE(IsWindow(window));
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
  platform::test::ClearMessages();
  BuildMenus(GetModuleHandleA(nullptr));  // the menu bar went with the window
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(testsupport::ReadBytes(folder / "DoVorodIvar.rall"), "crashed event");
}

TEST_F(MainWindowTest, CreationWithoutThePrivateFolderSaysTheEventFileIsMissingFirst) {
  for (const char* name : {"Private/SonsPerso.sopr", "Private/RéglagesAffichage.rgsc", "Private/.keep"})
    testsupport::DeleteFileIfAny(folder / name);
  ASSERT_TRUE(RemoveDirectoryA((folder / "Private").c_str()));
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr);
  std::vector<std::string> seen;
  for (const auto& m : platform::test::Messages()) seen.push_back(m.text);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + 3),
            (std::vector<std::string>{Tr(Text::RallyFileNotFound), Tr(Text::CustomSoundsNotFound),
                                      Tr(Text::DisplaySettingsNotFound)}));
  // The tree's first notifications rewrite the header line: the same failure, nothing else.
  for (std::size_t i = 3; i < seen.size(); ++i) EXPECT_EQ(seen[i], Tr(Text::RallyFileNotFound));
}

TEST_F(MainWindowWithEvent, EachNodeShowsItsPopupWithTheItemsTheStagesAllow) {
  Open();
  struct Case {
    int node;
    const char* capture;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {1000, "popup-track", {"1053 Information"}},
      {10000, "popup-rally", {"1051 New rally", "1052 Rename rally"}},
      {11000, "popup-drivers", {"1054 List of participants"}},
      {13010, "popup-start-order", {"1055 Drivers start order"}},
      {13020, "popup-parameters", {"1056 Race parameters"}},
      {13101, "popup-ss1",
       {"1057 Add a special stage", "1058 Create Power Stage", "1100 Remove the special stage (greyed)"}},
      {13102, "popup-ss2", {"1057 Add a special stage", "1058 Create Power Stage", "1100 Remove the special stage"}},
  };
  for (const Case& c : cases) {
    SelectItem(c.node);
    ASSERT_EQ(Main().selectedNode, c.node);
    EXPECT_EQ(RightClick(window, c.capture), c.items) << c.node;
  }
  // A participant's item opens the driver details instead, then the rally is selected again.
  EXPECT_TRUE(SelectParticipantAndEscape(11001));
  EXPECT_EQ(Main().selectedNode, 10000);
  for (int node : {13000, 14000, 14100 + 1}) {
    SelectItem(node);
    EXPECT_TRUE(RightClick(window, "popup-none").empty()) << node << " has no popup";
  }

  // A Power Stage offers only its removal; the other stages cannot make a second one.
  SelectItem(13103);
  Command(window, kCmdCreatePowerStage);
  EXPECT_EQ(RightClick(window, "popup-power-stage"), std::vector<std::string>{"1059 Remove Power Stage"});
  SelectItem(13102);
  EXPECT_EQ(RightClick(window, "popup-ss2-power-stage-exists"),
            (std::vector<std::string>{"1057 Add a special stage", "1058 Create Power Stage (greyed)",
                                      "1100 Remove the special stage"}));

  // Removed stages are offered back, in stage order, by their numbers.
  SelectItem(13102);
  Command(window, kCmdRemoveSpecialStage);
  SelectItem(13104);
  Command(window, kCmdRemoveSpecialStage);
  EXPECT_EQ(Children(13000), (std::vector<int>{13010, 13020, 13101, 13103}));
  SelectItem(13101);
  EXPECT_EQ(RightClick(window, "popup-ss1-restore"),
            (std::vector<std::string>{"1057 Add a special stage", "1058 Create Power Stage (greyed)",
                                      "1100 Remove the special stage (greyed)", "1102 Restore 'SS2'",
                                      "1104 Restore 'SS4'"}));
  // A removed Power Stage still counts.
  SelectItem(13103);
  Command(window, kCmdRemovePowerStage);
  SelectItem(13101);
  EXPECT_EQ(RightClick(window, "popup-ss1-after-power-stage")[1], "1058 Create Power Stage");

  // A rally without participants has no start order or parameters popup.
  SelectItem(10000);
  Command(window, kCmdNewRally);
  SelectItem(23010);
  EXPECT_TRUE(RightClick(window, "popup-none").empty());
  SelectItem(23020);
  EXPECT_TRUE(RightClick(window, "popup-none").empty());
  EXPECT_TRUE(platform::test::Messages().empty()) << platform::test::Messages()[0].text;
}

// Edits the label of a tree item as the operator would, ending with Enter.
void EditLabel(int code, const char* text) {
  HWND tree = EventTree();
  SetFocus(tree);
  HWND edit = TreeView_EditLabel(tree, FindTreeItem(code));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 28) << "names are limited as they are typed";
  SetWindowTextA(edit, text);
  TreeView_EndEditLabelNow(tree, FALSE);
}

TEST_F(MainWindowWithEvent, OnlyARallysLabelIsEditedAndOnlyToAProperName) {
  Open();
  SelectItem(10000);
  EditLabel(10000, "Final 2/B_x");
  EXPECT_EQ(Label(10000), "Final 2/B_x");
  EXPECT_STREQ(HeaderRally(1).name, "Final 2/B_x");
  EXPECT_TRUE(platform::test::Messages().empty());

  // Command 1052 starts the same edit on the selected rally.
  for (const char* refused : {"Final-2", "Fin\xE9" "ale"}) {
    platform::test::ClearMessages();
    Command(window, kCmdRenameRally);
    HWND edit = TreeView_GetEditControl(EventTree());
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, refused);
    TreeView_EndEditLabelNow(EventTree(), FALSE);
    ASSERT_EQ(platform::test::Messages().size(), 1u) << refused << ": one refusal, one message";
    EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::RallyNameRefused));
    EXPECT_EQ(platform::test::Messages()[0].type, platform::kMbOk | platform::kMbIconStop);
    EXPECT_EQ(Label(10000), "Final 2/B_x") << refused;
    EXPECT_STREQ(HeaderRally(1).name, "Final 2/B_x") << refused;
  }
  // An empty name would leave the header unreadable: refused too.
  platform::test::ClearMessages();
  EditLabel(10000, "");
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::RallyNameEmpty));
  EXPECT_EQ(Label(10000), "Final 2/B_x");
  EXPECT_STREQ(HeaderRally(1).name, "Final 2/B_x");

  // A stage's or the track's label stays what the tree makes of it.
  platform::test::ClearMessages();
  for (int code : {13102, 1000}) {
    SelectItem(code);
    std::string before = Label(code);
    EditLabel(code, "Renamed");
    EXPECT_EQ(Label(code), before);
  }
  EXPECT_STREQ(HeaderRally(1).name, "Final 2/B_x");
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST_F(MainWindowWithEvent, NewLoadSaveAndSaveAsThroughTheWindow) {
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(SaveGreyed());
  // Save without a file: nothing at all.
  Command(window, kCmdSave);
  EXPECT_TRUE(platform::test::FileDialogs().empty());
  EXPECT_TRUE(platform::test::Messages().empty());

  // Save as: the preset "*.rall" kept saves nothing; a name without extension gets one.
  std::string preset = platform::ProgramFolder() + "\\*.rall";
  platform::test::QueueFileDialogAnswer(preset);
  Command(window, kCmdSaveAs);
  ASSERT_EQ(platform::test::FileDialogs().size(), 1u);
  EXPECT_TRUE(platform::test::FileDialogs()[0].save);
  EXPECT_EQ(platform::test::FileDialogs()[0].proposed, preset);
  EXPECT_EQ(Title(window), "Vellgrin");
  EXPECT_TRUE(SaveGreyed());
  platform::test::QueueFileDialogAnswer(folder / "cup");
  Command(window, kCmdSaveAs);
  std::string cup = folder / "cup.rall";
  EXPECT_EQ(testsupport::ReadBytes(cup), testsupport::ReadBytes(folder / "Private/Rallye.rall"));
  EXPECT_EQ(Title(window), "Vellgrin:   " + cup);
  EXPECT_FALSE(SaveGreyed());
  EXPECT_EQ(platform::CurrentFolder(), platform::ProgramFolder());

  // Save copies the working event, changes included, to the chosen file.
  SelectItem(10000);
  Command(window, kCmdNewRally);
  Command(window, kCmdSave);
  int count = 0;
  HeaderRally(1, nullptr, &count);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(testsupport::ReadBytes(cup), testsupport::ReadBytes(folder / "Private/Rallye.rall"));

  // Load: a cancelled dialog asks nothing; a chosen event replaces the tree.
  event = PrepareEvent(folder, kStandardStart);
  Command(window, kCmdNewEvent);  // answered No: the prepared working file is replaced...
  platform::test::ClearMessages();
  platform::test::ClearFileDialogs();
  Command(window, kCmdLoadEvent);
  EXPECT_TRUE(platform::test::Messages().empty());
  LoadEvent(window, event);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::SaveCurrentEventQuestion));
  EXPECT_EQ(Title(window), "Vellgrin:   " + event);
  EXPECT_FALSE(SaveGreyed());
  EXPECT_EQ(Children(0), (std::vector<int>{1000, 10000}));
  EXPECT_EQ(Children(11000), (std::vector<int>{11001, 11002, 11003}));
  EXPECT_EQ(Label(11002), kDrivers[1]);
  EXPECT_EQ(Label(11000), "Drivers (3)");
  EXPECT_EQ(Children(13000), (std::vector<int>{13010, 13020, 13101, 13102, 13103, 13104}));
  EXPECT_EQ(Children(14000), (std::vector<int>{14100, 14101, 14102, 14103, 14104}));

  // New event: Cancel keeps everything; Yes saves to the known file first; then a fresh event.
  platform::test::ClearMessages();
  platform::test::QueueMessageAnswer(platform::kIdCancel);
  Command(window, kCmdNewEvent);
  EXPECT_EQ(Title(window), "Vellgrin:   " + event);
  EXPECT_EQ(Children(13000).size(), 6u);
  SelectItem(10000);
  EditLabel(10000, "Kept");
  platform::test::ClearMessages();
  platform::test::QueueMessageAnswer(platform::kIdYes);
  Command(window, kCmdNewEvent);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::NewEventQuestion));
  EXPECT_NE(testsupport::ReadBytes(event).find("Kept\t"), std::string::npos) << "saved before it was replaced";
  EXPECT_EQ(Title(window), "Vellgrin");
  EXPECT_TRUE(SaveGreyed());
  EXPECT_TRUE(IsUntouchedFreshEvent((folder / "Private/Rallye.rall").c_str()));
  EXPECT_EQ(Children(0), (std::vector<int>{1000, 10000}));
  EXPECT_EQ(Label(10000), "RALLY 1");
  EXPECT_EQ(Children(10000), (std::vector<int>{11000, 13000, 14000}));
  EXPECT_TRUE(TreeView_GetItemState(EventTree(), FindTreeItem(10000), TVIS_EXPANDED) & TVIS_EXPANDED);
}

// The drivers' popup opens the participants dialog; removing one and validating rewrites the
// event, and the tree shows the rally as the file now holds it: two drivers, no stages.
TEST_F(MainWindowWithEvent, TheParticipantsDialogChangesTheRallyTheTreeShows) {
  Open();
  SelectItem(11000);
  static bool seen;
  seen = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, "List of drivers");
    if (!dialog || seen) return;
    seen = true;
    HWND list = GetDlgItem(dialog, IDC_PARTICIPANTS_LIST);
    SendMessageA(list, LB_SETCURSEL, 1, 0);  // BRUNO Marc
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PARTICIPANTS_REMOVE, BN_CLICKED), 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  Command(window, kCmdListOfParticipants);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(seen) << "the dialog opened";
  EXPECT_EQ(HeaderRally(1).stageCount, 0);
  EXPECT_EQ(HeaderRally(1).participantCount, 2);
  ExpandItem(11000);
  EXPECT_EQ(Children(11000), (std::vector<int>{11001, 11002}));
  EXPECT_EQ(Label(11000), "Drivers (2)");
  EXPECT_EQ(Label(11002), "COSTA Ana");
  EXPECT_EQ(Children(14000), (std::vector<int>{14100}));
}

TEST_F(MainWindowWithEvent, NewRallyStopsAtNine) {
  window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
  ASSERT_NE(window, nullptr);
  SelectItem(10000);
  for (int i = 0; i < 10; ++i) Command(window, kCmdNewRally);
  int count = 0;
  EXPECT_STREQ(HeaderRally(9, nullptr, &count).name, "RALLY 9");
  EXPECT_EQ(count, 9);
  EXPECT_EQ(Children(0), (std::vector<int>{1000, 10000, 20000, 30000, 40000, 50000, 60000, 70000, 80000, 90000}));
  EXPECT_EQ(Children(90000), (std::vector<int>{91000, 93000, 94000}));
  EXPECT_EQ(Children(93000), (std::vector<int>{93010, 93020}));
  EXPECT_EQ(Label(91000), "Drivers (0)");
  EXPECT_TRUE(platform::test::Messages().empty()) << platform::test::Messages()[0].text;
}

// Gives the loaded stage a finished driver, as timing would.
void FinishFirstDriver(int ms) {
  StageEntry& e = Main().entries[0];
  e.time = ms;
  e.state = 3;
}

TEST_F(MainWindowWithEvent, ResultsSurviveRemovingAndRestoringAStageAndAPowerStage) {
  Open();
  SelectItem(13102);
  ASSERT_STREQ(Main().stage.title, "CourseRallye1ES2");
  ASSERT_EQ(Main().timing.entryCount, 3);
  EXPECT_STREQ(Main().entries[0].name, kDrivers[0]);
  FinishFirstDriver(61234);
  SelectItem(13101);  // leaving the stage writes it
  EXPECT_EQ(Image(13102), 8) << "a stage with results";
  EXPECT_EQ(Main().treeviewFlags[0][1], 1);
  EXPECT_EQ(HeaderRally(1).hasResults, 1);

  SelectItem(13102);
  Command(window, kCmdRemoveSpecialStage);
  EXPECT_EQ(FindTreeItem(13102), nullptr);
  EXPECT_EQ(Children(14000), (std::vector<int>{14100, 14101, 14103, 14104}));
  EXPECT_EQ(Main().treeviewFlags[0][1], 3);
  EXPECT_STRNE(Main().stage.title, "CourseRallye1ES2") << "the removed stage left the race screen";
  if (Main().stage.title[0]) {
    EXPECT_EQ(Main().stage.code, Main().selectedNode) << "what is loaded is what is selected";
  }
  SelectItem(13101);
  Command(window, 1102);
  EXPECT_EQ(Children(13000), (std::vector<int>{13010, 13020, 13101, 13102, 13103, 13104}));
  EXPECT_EQ(Children(14000), (std::vector<int>{14100, 14101, 14102, 14103, 14104}));
  EXPECT_EQ(Image(13102), 8);
  SelectItem(13102);
  EXPECT_EQ(Main().entries[0].time, 61234);
  EXPECT_STREQ(Main().entries[0].name, kDrivers[0]);

  // The Power Stage: labels, title, flags on disk, and its results through removal.
  SelectItem(13104);
  Command(window, kCmdCreatePowerStage);
  EXPECT_EQ(Label(13104), "Power Stage");
  EXPECT_EQ(Label(14104), "Class. Power Stage");
  EXPECT_STREQ(Main().stageTitleText, " RALLY 1 - Power Stage ");
  FinishFirstDriver(59000);
  SelectItem(13101);
  EXPECT_EQ(Main().treeviewFlags[0][3], 5);
  SelectItem(13104);
  Command(window, kCmdRemovePowerStage);
  EXPECT_EQ(Label(13104), "SS4");
  EXPECT_EQ(Label(14104), "Class. SS4");
  EXPECT_STREQ(Main().stageTitleText, " RALLY 1 - SS4 ");
  EXPECT_EQ(Main().entries[0].time, 59000);
  Command(window, kCmdRemoveSpecialStage);
  SelectItem(13101);
  Command(window, 1104);
  SelectItem(13104);
  EXPECT_EQ(Main().entries[0].time, 59000);
  // What the event file says survives saving and loading it again.
  SelectItem(13101);
  platform::test::QueueFileDialogAnswer(folder / "kept");
  Command(window, kCmdSaveAs);
  platform::test::QueueMessageAnswer(platform::kIdNo);
  Command(window, kCmdNewEvent);
  platform::test::ClearMessages();
  LoadEvent(window, folder / "kept.rall");
  platform::test::ClearMessages();
  EXPECT_EQ(Image(13102), 8);
  EXPECT_EQ(Image(13104), 8);
  SelectItem(13102);
  EXPECT_EQ(Main().entries[0].time, 61234);
  SelectItem(13104);
  EXPECT_EQ(Main().entries[0].time, 59000);
  EXPECT_TRUE(platform::test::Messages().empty()) << platform::test::Messages()[0].text;
}

TEST_F(MainWindowWithEvent, CaptureOfTheMainWindowWithALoadedEvent) {
  Open();
  SelectItem(13102);
  FinishFirstDriver(61234);
  SelectItem(13101);
  SelectItem(13103);
  Command(window, kCmdCreatePowerStage);
  ExpandItem(14000);
  EXPECT_EQ(ImageList_GetImageCount(TreeView_GetImageList(EventTree(), TVSIL_NORMAL)), 9);
  EXPECT_FALSE(testsupport::CaptureWindow(window, "main-window-loaded-event").empty());
}

class MainWindowOtherBuilds : public MainWindowWithEvent {
 protected:
  void TearDown() override {
    MainWindowWithEvent::TearDown();
    SetActiveProfile(kEnglishBuild);
  }
};

TEST_F(MainWindowOtherBuilds, FrenchAndSpanishHaveNoPowerStageNoRemovalAndNoStartType) {
  for (const BuildProfile* build : {&kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*build);
    Open(kWrcStart);
    SelectItem(13102);
    EXPECT_EQ(Main().parameters.startType, kStandardStart) << "a start type written by the English build is ignored";
    std::vector<std::string> items = RightClick(window, build == &kFrenchBuild ? "popup-ss2-fr" : "popup-ss2-es");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0], "1057 " + std::string(Tr(Text::MenuAddSpecialStage)));
    // The commands are not there even when sent.
    Command(window, kCmdCreatePowerStage);
    Command(window, kCmdRemoveSpecialStage);
    EXPECT_EQ(Main().treeviewFlags[0][1], 0);
    EXPECT_NE(FindTreeItem(13102), nullptr);
    platform::test::QueueMessageAnswer(platform::kIdNo);
    SendMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(window));
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {}
    window = nullptr;
  }
}

}  // namespace

namespace {

// The race options and the group boxes' captions are drawn in bold Arial 16: their texts
// must show whole in every language.
TEST(RaceControlTexts, TheRaceOptionsShowTheirWholeTextInEveryLanguage) {
  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontA(16, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  HGDIOBJ previous = SelectObject(screen, font);
  for (const BuildProfile* profile : {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*profile);
    for (const RaceControlSpec& c : RaceControlLayout(1600, 900)) {
      // Beside a radio or check mark; or a group box's caption, after its frame's corner.
      const bool option = c.id == kPersonalChipsRadio || c.id == kClubChipsRadio || c.id == kMessageBoxCheck;
      const bool group = c.id == kClockGroup || c.id == kCountdownGroup || c.id == kTransponderModeGroup;
      if ((!option && !group) || c.text == Text::None) continue;
      const char* text = Tr(c.text);
      SIZE size = {};
      GetTextExtentPoint32A(screen, text, static_cast<int>(std::strlen(text)), &size);
      EXPECT_LE(size.cx + (option ? 20 : 10), c.width) << text;
    }
  }
  SetActiveProfile(kEnglishBuild);
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
}

}  // namespace
