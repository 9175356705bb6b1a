// Driving the internet dialog as the operator does: waiting for its opening probes, then
// entering a web event and clicking "Activate".
#pragma once

#include <windows.h>

#include "race/command_ids.h"
#include "results/internet_dialog_ids.h"
#include "tests/support/capture.h"
#include "tests/support/dialog_driving.h"

namespace testsupport {

// The probes of the opening run beside the dialog's messages: "OK" is usable again once
// they are done. False when they took more than 10 s.
inline bool WaitForInternetProbes(HWND dialog) {
  for (int i = 0; i < 200 && !IsWindowEnabled(GetDlgItem(dialog, IDOK)); ++i) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    PumpMessages();
  }
  return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != 0;
}

inline void EnterWebEvent(HWND dialog, const char* name, const char* day, const char* month, const char* year,
                          const char* championship) {
  SetDlgItemTextA(dialog, IDC_INTERNET_EVENT_NAME, name);
  SetDlgItemTextA(dialog, IDC_INTERNET_DAY, day);
  SetDlgItemTextA(dialog, IDC_INTERNET_MONTH, month);
  SetDlgItemTextA(dialog, IDC_INTERNET_YEAR, year);
  SetDlgItemTextA(dialog, IDC_INTERNET_VIDEO_LINKS, "links");
  SendDlgItemMessageA(dialog, IDC_INTERNET_CHAMPIONSHIP, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                      reinterpret_cast<LPARAM>(championship));
  SendCommand(dialog, IDC_INTERNET_CHAMPIONSHIP, CBN_SELCHANGE);
}

// A click on "Activate" (or "Deactivate"); it returns when all it started is done.
inline void ClickActivate(HWND dialog) {
  bool checked = IsDlgButtonChecked(dialog, IDC_INTERNET_ACTIVATE) == BST_CHECKED;
  CheckDlgButton(dialog, IDC_INTERNET_ACTIVATE, checked ? BST_UNCHECKED : BST_CHECKED);
  SendCommand(dialog, IDC_INTERNET_ACTIVATE);
}

// Sends the owner the command 1020; a timer of this thread plays the operator (once) when the
// dialog is there and its opening probes are done. True when it was.
inline bool RunInternetDialog(HWND owner, void (*play)(HWND dialog)) {
  static void (*player)(HWND);
  static bool seen;
  player = play;
  seen = false;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(nullptr, "Internet");
    if (!dialog || seen || !IsWindowEnabled(GetDlgItem(dialog, IDOK))) return;
    seen = true;
    player(dialog);
  });
  SendMessageA(owner, WM_COMMAND, kCmdInternet, 0);
  KillTimer(nullptr, timer);
  return seen;
}

}  // namespace testsupport
