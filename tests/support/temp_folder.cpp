#include "tests/support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/folders.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ftw.h>
#include <unistd.h>
#endif

namespace testsupport {
namespace {

#ifdef _WIN32
void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}
#else
void RemoveTree(const std::string& path) {
  nftw(
      path.c_str(),
      [](const char* name, const struct stat*, int, struct FTW*) { return std::remove(name); }, 16,
      FTW_DEPTH | FTW_PHYS);
}
#endif

}  // namespace

TempFolder::TempFolder() {
#ifdef _WIN32
  char base[MAX_PATH] = {0};
  GetTempPathA(sizeof base, base);
  static unsigned counter = 0;
  for (;;) {
    char name[MAX_PATH + 64];
    std::snprintf(name, sizeof name, "%svellgrin-test-%lu-%u", base, GetCurrentProcessId(), ++counter);
    if (CreateDirectoryA(name, nullptr)) {
      path_ = name;
      break;
    }
  }
#else
  char name[] = "/tmp/vellgrin-test-XXXXXX";
  if (mkdtemp(name)) path_ = name;
#endif
}

TempFolder::~TempFolder() {
  if (!path_.empty()) RemoveTree(path_);
}

std::string TempFolder::operator/(const std::string& name) const {
  return path_ + platform::PathSeparator() + name;
}

std::string ReadBytes(const std::string& path) {
  std::FILE* file = platform::OpenFile(path.c_str(), "rb");
  if (!file) return "<missing>";
  std::string bytes;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
  std::fclose(file);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* file = platform::OpenFile(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

void DeleteFileIfAny(const std::string& path) { platform::DeleteFileAt(path.c_str()); }

std::string HostPath(const std::string& path) {
#ifdef _WIN32
  if (path.empty() || path[0] != '/') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
#else
  return path;
#endif
}

}  // namespace testsupport

#include <filesystem>

namespace testsupport {

bool CopyTestData(const std::string& folder) {
  const char* data = std::getenv("VELLGRIN_TEST_DATA");
  if (!data) return false;
  std::error_code error;
  std::filesystem::copy(std::filesystem::u8path(HostPath(data)), std::filesystem::u8path(folder),
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing,
                        error);
  return !error;
}

}  // namespace testsupport
