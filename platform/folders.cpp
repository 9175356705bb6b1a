#include "platform/folders.h"

#include "platform/system.h"

namespace platform {
namespace {

std::string& Override() {
  static std::string folder;
  return folder;
}

}  // namespace

char PathSeparator() {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

std::string ProgramFilesFolder() { return system::ProgramFilesFolder(); }

std::string ProgramFolder() {
  if (!Override().empty()) return Override();
  std::string folder = system::ProgramFilesFolder();
  folder += PathSeparator();
  folder += kProgramFolderName;
  return folder;
}

std::string ProgramPath(const char* relative) {
  std::string path = ProgramFolder();
  path += PathSeparator();
  path += relative;
  return path;
}

void UseProgramFolder(const std::string& folder) { Override() = folder; }

std::string CurrentFolder() { return system::CurrentFolder(); }
bool SetCurrentFolder(const char* path) { return system::SetCurrentFolder(path); }

}  // namespace platform

namespace platform::test {

void SetProgramFolder(const std::string& folder) { Override() = folder; }
void ResetProgramFolder() { Override().clear(); }

}  // namespace platform::test
