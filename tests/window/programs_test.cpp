// The three programs start their main window and close cleanly.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/build_profile.h"
#include "race/main_window.h"
#include "race/startup.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"

namespace {

struct ProgramCase {
  const BuildProfile* profile;
  const char* file;
};

void ExpectMainWindow(HWND window) {
  char text[64] = {0};
  GetClassNameA(window, text, sizeof text);
  EXPECT_STREQ(text, "classeF");
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "Vellgrin");
}

class MainWindowOfEachBuild : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(MainWindowOfEachBuild, OpensMaximisedWithItsClassAndClosesCleanly) {
  SetActiveProfile(*GetParam().profile);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND window = StartProgram(instance);
  ASSERT_NE(window, nullptr);
  ExpectMainWindow(window);
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & kMainWindowStyle, kMainWindowStyle);

  LOGBRUSH brush = {};
  GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND)), sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, RGB(200, 200, 200));
  EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0) << "icon resource 1";

  if (GetParam().profile == &kEnglishBuild) {
    EXPECT_FALSE(testsupport::CaptureWindow(window, "main-window-en").empty());
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(UnregisterClassA("classeF", instance));
}

INSTANTIATE_TEST_SUITE_P(Builds, MainWindowOfEachBuild,
                         ::testing::Values(ProgramCase{&kEnglishBuild, "vellgrin-rally-en.exe"},
                                           ProgramCase{&kFrenchBuild, "vellgrin-rally-fr.exe"},
                                           ProgramCase{&kSpanishBuild, "vellgrin-rally-es.exe"}));

struct FindData {
  DWORD process;
  HWND found;
};

HWND FindProgramWindow(DWORD process) {
  FindData data = {process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* search = reinterpret_cast<FindData*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[16] = {0};
        GetClassNameA(window, name, sizeof name);
        if (owner == search->process && std::string(name) == "classeF") {
          search->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&data));
  return data.found;
}

TEST_P(MainWindowOfEachBuild, TheProgramItselfStartsAndExitsWithCodeZero) {
  std::string exe = testsupport::HostPath(std::string(VELLGRIN_PROGRAMS_DIR) + "/" + GetParam().file);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string commandLine = "\"" + exe + "\"";
  ASSERT_TRUE(CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << exe;
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i) {
    Sleep(50);
    window = FindProgramWindow(process.dwProcessId);
  }
  ASSERT_NE(window, nullptr) << "no main window within 10 s";
  ExpectMainWindow(window);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
