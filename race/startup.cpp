#include "race/startup.h"

#include "race/main_window.h"

namespace {
HINSTANCE programInstance = nullptr;
}

HINSTANCE ProgramInstance() { return programInstance; }

HWND StartProgram(HINSTANCE instance) {
  programInstance = instance;
  if (!RegisterMainWindowClass(instance)) return nullptr;
  HWND window = CreateMainWindow(instance, nullptr);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOWMAXIMIZED);
  UpdateWindow(window);
  return window;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
