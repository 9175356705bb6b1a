#include "race/start_lights_window.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/start_lights_ids.h"

namespace {

StartLightsState state = {0, 0, "Fond noir", nullptr, nullptr, "", "", 0, kRedLight, kRedLight, nullptr, nullptr};

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

StartLightsZones Zones() { return ComputeStartLightsZones(ScreenWidth(), ScreenHeight(), state.zoomX, state.zoomY); }

void Invalidate(HWND window, const LightsZone& zone, UINT erase) {
  RECT area = {zone.left, zone.top, zone.right, zone.bottom};
  RedrawWindow(window, &area, nullptr, RDW_INVALIDATE | erase | RDW_NOCHILDREN | RDW_ERASENOW);
}

void InvalidateAll(HWND window, UINT erase) {
  StartLightsZones zones = Zones();
  Invalidate(window, zones.light, erase);
  Invalidate(window, zones.name, erase);
  Invalidate(window, zones.seconds, erase);
}

void SetControlFont(HWND window) {
  for (int id = IDC_START_LIGHTS_BACKGROUND; id <= IDC_START_LIGHTS_ZOOM_Y_LABEL; ++id) {
    SendDlgItemMessageA(window, id, WM_SETFONT, reinterpret_cast<WPARAM>(state.controlFont), TRUE);
  }
}

void MakeBrush() {
  if (state.brush) DeleteObject(state.brush);
  state.brush = CreateSolidBrush(IsWhiteBackground(state.background) ? RGB(255, 255, 255) : RGB(0, 0, 0));
}

// The brush and the font go with the window, however it ends (its own close or its owner's).
void FreeResources() {
  if (state.controlFont) DeleteObject(state.controlFont);
  if (state.brush) DeleteObject(state.brush);
  state.controlFont = nullptr;
  state.brush = nullptr;
}

INT_PTR Result(HWND window, LRESULT result) {
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return TRUE;
}

void InitDialog(HWND window, LPARAM lParam) {
  state.window = window;
  state.openFlag = reinterpret_cast<int*>(lParam);
  if (state.openFlag) *state.openFlag = 1;
  SetWindowTextA(window, Tr(Text::StartLightsCaption));
  SetDlgItemTextA(window, IDC_START_LIGHTS_ZOOM_X_LABEL, Tr(Text::StartLightsZoomX));
  SetDlgItemTextA(window, IDC_START_LIGHTS_ZOOM_Y_LABEL, Tr(Text::StartLightsZoomY));
  HWND combo = GetDlgItem(window, IDC_START_LIGHTS_BACKGROUND);
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kBlackBackground));
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kWhiteBackground));
  SendMessageA(combo, CB_SETCURSEL, IsWhiteBackground(state.background) ? 1 : 0, 0);
  FreeResources();
  MakeBrush();
  state.controlFont = CreateFontA(16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  SetControlFont(window);
  InvalidateAll(window, RDW_ERASE);
}

void ReceiveCountdown(HWND window, const char* name, int seconds) {
  CopyStartLightsName(state.driverName, name);
  state.seconds = seconds;
  state.requestedLight = RequestedStartLight(seconds, state.requestedLight);
  StartLightsZones zones = Zones();
  if (state.requestedLight != state.paintedLight) Invalidate(window, zones.light, RDW_NOERASE);
  if (std::strcmp(state.driverName, state.lastNameShown) != 0) {
    platform::CopyBounded(state.lastNameShown, state.driverName);
    Invalidate(window, zones.name, RDW_NOERASE);
  }
  Invalidate(window, zones.seconds, RDW_NOERASE);
  SetControlFont(window);
}

void FillZone(HDC dc, const LightsZone& zone) {
  RECT area = {zone.left, zone.top, zone.right, zone.bottom};
  FillRect(dc, &area, state.brush);
}

void DrawCentred(HDC dc, int height, int x, int y, const char* text, COLORREF colour) {
  HFONT font = CreateFontA(height, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  SetTextColor(dc, colour);
  TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
  SelectObject(dc, old);
  DeleteObject(font);
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc) {
    const bool white = IsWhiteBackground(state.background);
    StartLightsZones zones = Zones();
    if (state.brush) {
      FillZone(dc, zones.light);
      FillZone(dc, zones.name);
      FillZone(dc, zones.seconds);
    }
    StartLightsDrawing d = ComputeStartLightsDrawing(ScreenWidth(), ScreenHeight(), state.zoomX, state.zoomY,
                                                     state.seconds, static_cast<int>(std::strlen(state.driverName)));
    if (d.lightShown) {
      auto light = static_cast<HBITMAP>(LoadImageA(nullptr, StartLightImage(d.light, white), IMAGE_BITMAP,
                                                   d.lightSide, d.lightSide, LR_LOADFROMFILE | LR_DEFAULTSIZE));
      if (light) {
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(light), 0, d.lightX, d.lightY, 0, 0, DST_BITMAP);
        DeleteObject(light);
      }
      state.paintedLight = d.light;
    }
    const COLORREF text = white ? RGB(0, 0, 0) : RGB(255, 255, 255);
    DrawCentred(dc, d.nameHeight, d.textX, d.nameTop, state.driverName, text);
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%d", state.seconds);
    DrawCentred(dc, d.secondsHeight, d.textX, d.secondsTop, seconds, text);
  }
  EndPaint(window, &paint);
}

void ChooseBackground(HWND window) {
  HWND combo = GetDlgItem(window, IDC_START_LIGHTS_BACKGROUND);
  LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return;
  LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0);
  if (length == CB_ERR || length >= static_cast<LRESULT>(sizeof state.background)) return;
  char text[sizeof state.background] = {};
  SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
  std::memcpy(state.background, text, sizeof state.background);
  MakeBrush();
}

INT_PTR Command(HWND window, WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case IDC_START_LIGHTS_BACKGROUND:
      if (HIWORD(wParam) != CBN_SELCHANGE) return FALSE;
      ChooseBackground(window);
      // The whole client area takes the new colour, not only the three zones.
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW);
      SetControlFont(window);
      return TRUE;
    case IDC_START_LIGHTS_ZOOM_X_PLUS:
      state.zoomX = ZoomIn(state.zoomX);
      break;
    case IDC_START_LIGHTS_ZOOM_X_MINUS:
      state.zoomX = ZoomOut(state.zoomX);
      break;
    case IDC_START_LIGHTS_ZOOM_Y_PLUS:
      state.zoomY = ZoomIn(state.zoomY);
      break;
    case IDC_START_LIGHTS_ZOOM_Y_MINUS:
      state.zoomY = ZoomOut(state.zoomY);
      break;
    default:
      return FALSE;
  }
  InvalidateAll(window, RDW_ERASE);
  SetControlFont(window);
  return TRUE;
}

}  // namespace

StartLightsState& StartLights() { return state; }

INT_PTR CALLBACK StartLightsCountdownDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitDialog(window, lParam);
      return FALSE;
    case StartLightsMessage:
      ReceiveCountdown(window, reinterpret_cast<const char*>(wParam), static_cast<int>(lParam));
      return Result(window, 1);
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(state.brush);
    case WM_PAINT:
      Paint(window);
      return TRUE;
    case WM_COMMAND:
      return Command(window, wParam);
    case WM_CLOSE:
      DestroyWindow(window);
      return TRUE;
    case WM_DESTROY:
      // Also reached when the owner goes first: the flag, the handle and the GDI objects
      // must not outlive the window.
      if (state.openFlag) *state.openFlag = 0;
      state.openFlag = nullptr;
      state.window = nullptr;
      FreeResources();
      return TRUE;
    default:
      return FALSE;
  }
}

HWND OpenStartLightsWindow(HINSTANCE instance, HWND owner, int* openFlag) {
  if (openFlag && *openFlag != 0) return nullptr;
  return CreateDialogParamA(instance, kStartLightsTemplate, owner, StartLightsCountdownDialogProc,
                            reinterpret_cast<LPARAM>(openFlag));
}

void SendStartLights(const char* driverName, int seconds) {
  if (state.window && IsWindow(state.window)) {
    SendMessageA(state.window, StartLightsMessage, reinterpret_cast<WPARAM>(driverName), seconds);
  }
}
