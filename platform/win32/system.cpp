// Win32 implementation of the system services.
#include "platform/system.h"

#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "platform/files.h"

static_assert(platform::kMbYesNo == MB_YESNO && platform::kMbYesNoCancel == MB_YESNOCANCEL &&
                  platform::kMbOkCancel == MB_OKCANCEL && platform::kMbIconStop == MB_ICONSTOP &&
                  platform::kMbIconQuestion == MB_ICONQUESTION &&
                  platform::kMbIconWarning == MB_ICONWARNING &&
                  platform::kMbIconInformation == MB_ICONINFORMATION &&
                  platform::kMbDefButton2 == MB_DEFBUTTON2,
              "message box types must keep the Win32 values");
static_assert(platform::kIdOk == IDOK && platform::kIdCancel == IDCANCEL &&
                  platform::kIdYes == IDYES && platform::kIdNo == IDNO,
              "message box answers must keep the Win32 values");

namespace platform::system {

std::uint32_t TickCount() { return GetTickCount(); }

std::int64_t PerformanceCounter() {
  LARGE_INTEGER count;
  if (!QueryPerformanceCounter(&count)) return 0;
  return count.QuadPart;
}

std::int64_t PerformanceFrequency() {
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency)) return 0;
  return frequency.QuadPart;
}

void SleepMs(std::uint32_t ms) { Sleep(ms); }

int ShowMessageBox(WindowHandle owner, const char* text, const char* caption, unsigned type) {
  return MessageBoxA(static_cast<HWND>(owner), text, caption, type);
}

void PlaySoundFile(const char* path, SoundMode mode) {
  DWORD flags = SND_FILENAME | SND_NODEFAULT | (mode == SoundMode::Async ? SND_ASYNC : SND_SYNC);
  PlaySoundA(path, nullptr, flags);
}

bool ChooseFile(const FileDialogRequest& request, char* path, std::size_t pathSize) {
  // The filter uses '|' between its parts; the dialog wants NUL separators.
  std::string filter = request.filter ? request.filter : "";
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter.push_back('\0');
  filter.push_back('\0');

  char file[MAX_PATH] = {0};
  CopyBounded(file, sizeof file, path);
  OPENFILENAMEA ofn;
  std::memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = static_cast<HWND>(request.owner);
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrTitle = request.title;
  ofn.lpstrInitialDir = request.initialFolder;
  ofn.lpstrDefExt = request.defaultExtension;
  // A save goes into a folder that exists too: the dialog refuses another at once.
  ofn.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
              (request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  BOOL ok = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) return false;
  CopyBounded(path, pathSize, file);
  return true;
}

bool ChoosePrinter(WindowHandle owner, PrinterChoice* choice) {
  PRINTDLGA pd;
  std::memset(&pd, 0, sizeof pd);
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = static_cast<HWND>(owner);
  // Every print-out of the program is portrait, in medium quality; the printer's own
  // settings handle copies and collation.
  pd.hDevMode = GlobalAlloc(GHND, sizeof(DEVMODEA));
  if (auto* mode = static_cast<DEVMODEA*>(pd.hDevMode ? GlobalLock(pd.hDevMode) : nullptr)) {
    mode->dmSize = sizeof(DEVMODEA);
    mode->dmFields = DM_ORIENTATION | DM_PRINTQUALITY;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    mode->dmPrintQuality = DMRES_MEDIUM;
    GlobalUnlock(pd.hDevMode);
  }
  pd.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION | PD_NOPAGENUMS;
  pd.nCopies = 1;
  pd.nFromPage = pd.nToPage = pd.nMinPage = pd.nMaxPage = 1;
  BOOL ok = PrintDlgA(&pd);
  // Whatever the outcome, the device mode (ours or the one the dialog put in its place) and
  // the device names are ours to free; nobody else does.
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  if (!ok || !pd.hDC) return false;
  choice->dc = pd.hDC;
  choice->copies = pd.nCopies;
  return true;
}

void ReleasePrinter(PrinterChoice* choice) {
  if (choice->dc) DeleteDC(static_cast<HDC>(choice->dc));
}

bool OpenWithShell(WindowHandle owner, const char* target) {
  HINSTANCE result = ShellExecuteA(static_cast<HWND>(owner), "open", target, nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

bool ChooseColour(WindowHandle owner, int initial, ChooserCustomColours* customColours, int* chosen) {
  COLORREF custom[kChooserCustomColours];
  for (int i = 0; i < kChooserCustomColours; ++i) custom[i] = static_cast<COLORREF>((*customColours)[i]);
  CHOOSECOLORA cc;
  std::memset(&cc, 0, sizeof cc);
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = static_cast<HWND>(owner);
  cc.rgbResult = static_cast<COLORREF>(initial);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  BOOL ok = ChooseColorA(&cc);
  for (int i = 0; i < kChooserCustomColours; ++i) (*customColours)[i] = static_cast<int>(custom[i]);
  if (!ok) return false;
  *chosen = static_cast<int>(cc.rgbResult);
  return true;
}

bool ChooseScreenFont(WindowHandle owner, int minPoints, int maxPoints, FontChoice* font) {
  LOGFONTA logFont;
  std::memset(&logFont, 0, sizeof logFont);
  CopyBounded(logFont.lfFaceName, sizeof logFont.lfFaceName, font->face);
  logFont.lfHeight = font->height;
  logFont.lfWeight = font->weight;
  logFont.lfItalic = static_cast<BYTE>(font->italic);
  logFont.lfUnderline = static_cast<BYTE>(font->underline);
  logFont.lfStrikeOut = static_cast<BYTE>(font->strikeOut);
  CHOOSEFONTA cf;
  std::memset(&cf, 0, sizeof cf);
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = static_cast<HWND>(owner);
  cf.lpLogFont = &logFont;
  cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_LIMITSIZE;
  cf.rgbColors = static_cast<COLORREF>(font->colour);
  cf.nSizeMin = minPoints;
  cf.nSizeMax = maxPoints;
  if (!ChooseFontA(&cf)) return false;
  CopyBounded(font->face, sizeof font->face, logFont.lfFaceName);
  font->height = logFont.lfHeight;
  font->weight = logFont.lfWeight;
  font->italic = logFont.lfItalic;
  font->underline = logFont.lfUnderline;
  font->strikeOut = logFont.lfStrikeOut;
  font->colour = static_cast<int>(cf.rgbColors);
  return true;
}

std::string ProgramFilesFolder() {
  char folder[MAX_PATH] = {0};
  SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, folder);
  return folder;
}

std::string CurrentFolder() {
  char folder[MAX_PATH] = {0};
  DWORD n = GetCurrentDirectoryA(sizeof folder, folder);
  if (n == 0 || n >= sizeof folder) return std::string();
  return folder;
}

bool SetCurrentFolder(const char* path) { return SetCurrentDirectoryA(path) != 0; }

bool ControlKeyDown() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace platform::system

namespace platform {

std::FILE* OpenFile(const char* path, const char* mode) { return std::fopen(path, mode); }

bool FileExists(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolder(const char* path) {
  return CreateDirectoryA(path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool CopyFileTo(const char* from, const char* to) { return CopyFileA(from, to, FALSE) != 0; }

bool MoveFileOver(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool DeleteFileAt(const char* path) { return DeleteFileA(path) != 0; }

}  // namespace platform
