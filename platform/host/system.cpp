// Host implementation, for the native tests of the portable code. Paths are
// Windows-1252 bytes as on Windows; they are turned into UTF-8 for the Linux file system,
// as Wine does, so the same files serve both targets.
#include "platform/system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/bounded.h"
#include "platform/files.h"

namespace platform {
namespace {

// Windows-1252 to UTF-8. The bytes 0x80..0x9F that Windows-1252 leaves undefined are kept
// as the code points of the same value.
std::string NativePath(const char* path) {
  static const unsigned short kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(path); *p; ++p) {
    unsigned c = *p;
    if (c == '\\') c = '/';
    if (c >= 0x80 && c < 0xA0) c = kHigh[c - 0x80];
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace

std::FILE* OpenFile(const char* path, const char* mode) { return std::fopen(NativePath(path).c_str(), mode); }

bool FileExists(const char* path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const char* path) {
  struct stat st;
  return stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateFolder(const char* path) {
  return mkdir(NativePath(path).c_str(), 0777) == 0 || (errno == EEXIST && FolderExists(path));
}

bool CopyFileTo(const char* from, const char* to) {
  std::FILE* in = OpenFile(from, "rb");
  if (!in) return false;
  std::FILE* out = OpenFile(to, "wb");
  if (!out) {
    std::fclose(in);
    return false;
  }
  char buffer[8192];
  bool ok = true;
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) {
    if (std::fwrite(buffer, 1, n, out) != n) {
      ok = false;
      break;
    }
  }
  ok = !std::ferror(in) && ok;
  std::fclose(in);
  return std::fclose(out) == 0 && ok;
}

bool MoveFileOver(const char* from, const char* to) {
  return std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

bool DeleteFileAt(const char* path) { return std::remove(NativePath(path).c_str()) == 0; }

namespace system {

std::uint32_t TickCount() {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::int64_t PerformanceCounter() {
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration_cast<std::chrono::microseconds>(now).count();
}

std::int64_t PerformanceFrequency() { return 1000000; }

void SleepMs(std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// There is no operator on the host: the box is written to the error stream and answered
// with its default button.
int ShowMessageBox(WindowHandle, const char* text, const char* caption, unsigned type) {
  std::fprintf(stderr, "[%s] %s\n", caption ? caption : "", text ? text : "");
  return DefaultAnswer(type);
}

void PlaySoundFile(const char*, SoundMode) {}

bool ChooseFile(const FileDialogRequest&, char*, std::size_t) { return false; }

bool ChoosePrinter(WindowHandle, PrinterChoice*) { return false; }

void ReleasePrinter(PrinterChoice*) {}

bool OpenWithShell(WindowHandle, const char*) { return false; }

bool ChooseColour(WindowHandle, int, ChooserCustomColours*, int*) { return false; }

bool ChooseScreenFont(WindowHandle, int, int, FontChoice*) { return false; }

std::string ProgramFilesFolder() {
  const char* folder = std::getenv("VELLGRIN_PROGRAM_FILES");
  return folder ? folder : "/tmp";
}

std::string CurrentFolder() {
  char folder[4096];
  return getcwd(folder, sizeof folder) ? std::string(folder) : std::string();
}

bool SetCurrentFolder(const char* path) { return chdir(NativePath(path).c_str()) == 0; }

// The native tests have no keyboard.
bool ControlKeyDown() { return false; }

}  // namespace system
}  // namespace platform
