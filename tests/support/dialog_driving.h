// Driving a dialog under Wine as the operator's clicks would: the messages its controls send.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/capture.h"

namespace testsupport {

inline std::string ControlText(HWND dialog, int control) {
  char text[256] = "";
  GetDlgItemTextA(dialog, control, text, sizeof text);
  return text;
}

// The items of a combo box, in its order.
inline std::vector<std::string> ComboItems(HWND dialog, int control) {
  std::vector<std::string> items;
  HWND combo = GetDlgItem(dialog, control);
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

// The WM_COMMAND a control sends its dialog, with that notification code.
inline void SendCommand(HWND dialog, int control, int code = BN_CLICKED) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, code), reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

// Opens the template modelessly, topmost so that windows of other test programs on the
// shared desktop do not cover it, and lets it paint.
inline HWND OpenDialogOnTop(const char* name, DLGPROC procedure) {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, procedure, 0);
  if (!dialog) return nullptr;
  SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  PumpMessages();
  return dialog;
}

// The click a button posts its dialog, to come after what the caller does now.
inline void PostClick(HWND dialog, int control) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}

// Does what opens a modal dialog (a command, a selection in the tree); a timer of this
// thread plays the operator (once) when a window of that caption is there. True when it was.
inline bool PlayModalDialog(const std::function<void()>& open, const char* caption, void (*play)(HWND dialog)) {
  static void (*player)(HWND);
  static const char* wanted;
  static bool seen;
  player = play;
  wanted = caption;
  seen = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, wanted);
    if (!dialog || seen) return;
    seen = true;
    player(dialog);
  });
  open();
  KillTimer(nullptr, timer);
  return seen;
}

// Sends the owner a command that opens a modal dialog, played as above.
inline bool RunModalDialog(HWND owner, int command, const char* caption, void (*play)(HWND dialog)) {
  return PlayModalDialog([owner, command] { SendMessageA(owner, WM_COMMAND, command, 0); }, caption, play);
}

}  // namespace testsupport
