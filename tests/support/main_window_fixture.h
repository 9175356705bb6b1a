// The main window of the program created in-process over a fresh program folder with the
// factory content, shown maximised; closed (answering No to saving) and its class
// unregistered afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/main_state.h"
#include "race/main_window.h"
#include "race/menus.h"
#include "race/startup.h"
#include "tests/support/temp_folder.h"

namespace testsupport {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::SetProgramFolder(folder.path());
    CopyTestData(folder.path());
    saved = platform::CurrentFolder();
    KeepProgramInstance(GetModuleHandleA(nullptr));
    BuildMenus(GetModuleHandleA(nullptr));
    RegisterMainWindowClass(GetModuleHandleA(nullptr));
    window = CreateMainWindow(GetModuleHandleA(nullptr), ::Menus().bar);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWMAXIMIZED);
  }
  void TearDown() override {
    if (window && IsWindow(window)) {
      Main().timing.timing = 0;
      platform::test::QueueMessageAnswer(platform::kIdNo);
      SendMessageA(window, WM_CLOSE, 0, 0);
      MSG m;
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    }
    UnregisterClassA("classeF", GetModuleHandleA(nullptr));
    platform::SetCurrentFolder(saved.c_str());
  }

  TempFolder folder;
  std::string saved;
  HWND window = nullptr;
};

}  // namespace testsupport
