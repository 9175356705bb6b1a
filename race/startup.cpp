#include "race/startup.h"

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "race/command_ids.h"
#include "race/main_window.h"
#include "race/menus.h"
#include "race/serial_port.h"
#include "race/startup_link.h"

namespace {

HINSTANCE programInstance = nullptr;

class ProgramSerialPort : public SerialPortAccess {
 public:
  bool Open(const char* portName) override { return OpenSerialPort(portName) == 1; }
  SerialLine& Line() override { return SystemSerialLine(); }
};

}  // namespace

HINSTANCE ProgramInstance() { return programInstance; }
void KeepProgramInstance(HINSTANCE instance) { programInstance = instance; }

unsigned StartRaceTimer(HWND mainWindow) {
  unsigned period = ActiveProfile().raceTickMs;
  SetTimer(mainWindow, kRaceTimerId, period, nullptr);
  return period;
}

HWND StartProgram(HINSTANCE instance) {
  KeepProgramInstance(instance);
  BuildMenus(instance);
  if (!RegisterMainWindowClass(instance)) return nullptr;
  HWND window = CreateMainWindow(instance, Menus().bar);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOWMAXIMIZED);
  UpdateWindow(window);

  platform::SetCurrentFolder(platform::ProgramFolder().c_str());

  ProgramSerialPort port;
  ConnectDecoderAtStartup(window, port);

  StartRaceTimer(window);
  platform::ShowMessage(window, Tr(Text::PrintingWarning), Tr(Text::CaptionImportantMessage),
                        platform::kMbOk | platform::kMbIconWarning);
  return window;
}

int RunMessageLoop() {
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
