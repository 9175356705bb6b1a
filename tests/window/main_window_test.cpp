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
#include "race/startup.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::SetProgramFolder(folder.path());
    testsupport::CopyTestData(folder.path());
    saved = platform::CurrentFolder();
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

}  // namespace
