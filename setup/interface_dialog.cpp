// The decoder interface dialog (template INTERFACE).
#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/bitmap_painting.h"
#include "race/decoder_protocol.h"
#include "race/serial_port.h"
#include "setup/interface_dialog_model.h"
#include "setup/setup_dialog_ids.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"

namespace {

constexpr int kLampMargin = 10;
constexpr int kPortCount = 99;

constexpr ControlText kTexts[] = {
    {0, Text::InterfaceCaption},
    {IDC_INTERFACE_TITLE, Text::InterfaceTitle},
    {IDC_INTERFACE_DECODER_GROUP, Text::InterfaceDecoderGroup},
    {IDC_INTERFACE_PORT_GROUP, Text::InterfacePortGroup},
    {IDC_INTERFACE_CONNECT, Text::InterfaceConnect},
    {IDC_INTERFACE_MESSAGE_GROUP, Text::InterfaceMessageGroup},
    {IDOK, Text::DialogOk},
};
constexpr int kNormalFont[] = {IDOK, IDC_INTERFACE_MESSAGE, IDC_INTERFACE_PORTS, IDC_INTERFACE_CONNECT,
                               IDC_INTERFACE_ZL1, IDC_INTERFACE_ZL2};
constexpr int kBoldFont[] = {IDC_INTERFACE_TITLE, IDC_INTERFACE_MESSAGE_GROUP, IDC_INTERFACE_PORT_GROUP,
                             IDC_INTERFACE_DECODER_GROUP};

DialogFonts fonts;

class ProgramPort : public SerialPortAccess {
 public:
  bool Open(const char* portName) override { return OpenSerialPort(portName) == 1; }
  SerialLine& Line() override { return SystemSerialLine(); }
};

void RedrawLamp(HWND dialog) { InvalidateRect(dialog, &kInterfaceLampArea, TRUE); }

void ShowModel(HWND dialog, const InterfaceDialogState& state) {
  CheckRadioButton(dialog, IDC_INTERFACE_ZL1, IDC_INTERFACE_ZL2,
                   ShowsZL1(state) ? IDC_INTERFACE_ZL1 : IDC_INTERFACE_ZL2);
}

void InitInterfaceDialog(HWND dialog) {
  SetControlTexts(dialog, kTexts);
  // The template is in dialog units, the lamp in pixels: on a screen whose dialog units come
  // out smaller, the dialog grows so that the whole lamp shows.
  GrowClientToHold(dialog, kInterfaceLampArea.right + kLampMargin, kInterfaceLampArea.bottom + kLampMargin);
  HWND ports = GetDlgItem(dialog, IDC_INTERFACE_PORTS);
  char name[8];
  for (int i = 1; i <= kPortCount; ++i) {
    std::snprintf(name, sizeof name, "COM%d", i);
    SendMessageA(ports, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  InterfaceDialogState& state = InterfaceDialogMemory();
  InterfaceSettings settings = OpenInterfaceDialog(dialog, &state);
  ShowModel(dialog, state);
  SetDlgItemTextA(dialog, IDC_INTERFACE_MESSAGE, OpeningMessage(state));
  // Only an entry equal to the port name is selected (the list's own search ignores case).
  for (int i = 1; i <= kPortCount; ++i) {
    std::snprintf(name, sizeof name, "COM%d", i);
    if (std::strcmp(name, settings.port) == 0) SendMessageA(ports, CB_SETCURSEL, i - 1, 0);
  }
  fonts.Open(dialog, kNormalFont, kBoldFont);
  RedrawLamp(dialog);
}

void ConnectFromDialog(HWND dialog) {
  HWND ports = GetDlgItem(dialog, IDC_INTERFACE_PORTS);
  char port[6] = {};
  LRESULT selected = SendMessageA(ports, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR && SendMessageA(ports, CB_GETLBTEXTLEN, selected, 0) < static_cast<LRESULT>(sizeof port)) {
    SendMessageA(ports, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(port));
  }
  ProgramPort programPort;
  InterfaceDialogState& state = InterfaceDialogMemory();
  ConnectOutcome outcome = ConnectInterface(dialog, port, programPort, &state);
  char message[256];
  ConnectMessage(outcome, message, sizeof message);
  SetDlgItemTextA(dialog, IDC_INTERFACE_MESSAGE, message);
  if (state.connected) ShowModel(dialog, state);
  RedrawLamp(dialog);
}

void SelectModel(int control) {
  InterfaceDialogState& state = InterfaceDialogMemory();
  platform::ZeroBytes(state.decoderName, sizeof state.decoderName);
  platform::CopyBounded(state.decoderName, control == IDC_INTERFACE_ZL1 ? kDecoderNameZL1 : kDecoderNameZL2);
}

}  // namespace

INT_PTR CALLBACK InterfaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitInterfaceDialog(dialog);
      return TRUE;
    case WM_PAINT:
      PaintBitmapFile(dialog, InterfaceDialogMemory().connected == 1 ? "images/voyantVert.bmp" : "images/voyantRouge.bmp",
                      kInterfaceLampArea.left, kInterfaceLampArea.top);
      return TRUE;
    case WM_CLOSE:
      fonts.Close(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          fonts.Close(dialog);
          return TRUE;
        case IDC_INTERFACE_ZL1:
        case IDC_INTERFACE_ZL2:
          SelectModel(LOWORD(wParam));
          return TRUE;
        case IDC_INTERFACE_CONNECT:
          ConnectFromDialog(dialog);
          return TRUE;
      }
      break;
  }
  return FALSE;
}
