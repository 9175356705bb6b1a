#include "race/main_window.h"

#include "race/command_ids.h"
#include "race/serial_port.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      return 0;
    case WM_DESTROY:
      KillTimer(window, kRaceTimerId);
      CloseSerialPort();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = 0;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(kMainWindowBackground);
  windowClass.lpszMenuName = nullptr;
  windowClass.lpszClassName = kMainWindowClass;
  windowClass.hIconSm = nullptr;
  if (RegisterClassExA(&windowClass)) return true;
  DeleteObject(windowClass.hbrBackground);
  return false;
}

HWND CreateMainWindow(HINSTANCE instance, HMENU menuBar) {
  return CreateWindowExA(0, kMainWindowClass, kMainWindowTitle, kMainWindowStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menuBar, instance,
                         nullptr);
}
