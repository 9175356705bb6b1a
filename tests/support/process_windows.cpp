#include "tests/support/process_windows.h"

#include <cstring>

#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"

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

bool LaunchUnixCommand(const std::string& program, const std::string& arguments) {
  std::string line = HostPath(program) + " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return true;
}

DialogAnswerer::DialogAnswerer(int button, const char* captureName, int timeoutMs)
    : thread_(&DialogAnswerer::Answer, this, button, std::string(captureName ? captureName : ""), timeoutMs) {}

DialogAnswerer::~DialogAnswerer() { Answered(); }

bool DialogAnswerer::Answered() {
  if (thread_.joinable()) thread_.join();
  return answered_;
}

void DialogAnswerer::Answer(int button, std::string captureName, int timeoutMs) {
  DWORD start = GetTickCount();
  HWND dialog = nullptr;
  while (!dialog && static_cast<int>(GetTickCount() - start) < timeoutMs) {
    dialog = FindProcessWindow(GetCurrentProcessId(), "#32770");
    if (!dialog) Sleep(20);
  }
  if (!dialog) return;
  // Let it fill its controls and paint before it is looked at.
  Sleep(500);
  char text[2048] = "";
  GetWindowTextA(dialog, text, sizeof text);
  title_ = text;
  text[0] = '\0';
  GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
  text_ = text;
  if (!captureName.empty()) CaptureWindow(dialog, captureName.c_str());
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(10);
  answered_ = !IsWindow(dialog);
}

}  // namespace testsupport
