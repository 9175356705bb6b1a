#include "tests/support/process_windows.h"

#include <cstring>

namespace testsupport {
namespace {

struct Search {
  DWORD process;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[64] = {0};
  GetClassNameA(window, name, sizeof name);
  if (owner == search->process && std::strcmp(name, search->className) == 0 && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* className) {
  Search search = {processId, className, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> PressOkOnMessageBoxes(DWORD processId, int count, int timeoutMs) {
  std::vector<std::string> texts;
  DWORD start = GetTickCount();
  while (static_cast<int>(texts.size()) < count && static_cast<int>(GetTickCount() - start) < timeoutMs) {
    HWND box = FindProcessWindow(processId, "#32770");
    if (!box) {
      Sleep(20);
      continue;
    }
    char text[2048] = {0};
    // The text of a message box is its static control 0xFFFF.
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    texts.push_back(text);
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(10);
  }
  return texts;
}

bool StartProgramProcess(const std::string& exe, const std::string& arguments, const std::string& folder,
                         PROCESS_INFORMATION* process) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, process) != 0;
}

}  // namespace testsupport
