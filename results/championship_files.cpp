#include "results/championship_files.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "platform/files.h"

namespace {

// Windows drops a final dot or blank from a folder name ("Cup." would share the folder of
// "Cup"), and the device names open a device, whatever their extension.
bool IsFolderNameWindowsChanges(const char* name) {
  const std::size_t length = std::strlen(name);
  const char last = name[length - 1];
  if (last == '.' || last == ' ') return true;
  char stem[8] = "";
  std::size_t n = 0;
  while (name[n] && name[n] != '.' && n < sizeof stem - 1) {
    stem[n] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[n])));
    ++n;
  }
  if (name[n] && name[n] != '.') return false;
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (std::strcmp(stem, device) == 0) return true;
  }
  return n == 4 && (std::strncmp(stem, "COM", 3) == 0 || std::strncmp(stem, "LPT", 3) == 0) && stem[3] >= '1' &&
         stem[3] <= '9';
}

}  // namespace

bool IsPlainChampionshipName(const char* name) {
  if (!name || name[0] == '\0') return false;
  for (const char* p = name; *p; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c < 0x20 || std::strchr("\\/:*?\"<>|", c)) return false;
  }
  // "." and ".." end in a dot.
  return !IsFolderNameWindowsChanges(name);
}

namespace {

bool Format(char* out, std::size_t size, int written) {
  if (written < 0 || static_cast<std::size_t>(written) >= size) {
    if (size) out[0] = '\0';
    return false;
  }
  return true;
}

}  // namespace

bool ChampionshipFolderPath(const char* name, char* out, std::size_t size) {
  if (!IsPlainChampionshipName(name)) {
    if (size) out[0] = '\0';
    return false;
  }
  return Format(out, size, std::snprintf(out, size, "%s/%s", kChampionshipsFolder, name));
}

bool ChampionshipFilePath(const char* name, const char* file, char* out, std::size_t size) {
  if (!IsPlainChampionshipName(name)) {
    if (size) out[0] = '\0';
    return false;
  }
  return Format(out, size, std::snprintf(out, size, "%s/%s/%s", kChampionshipsFolder, name, file));
}

bool CreateChampionshipFolder(const char* name) {
  char folder[300];
  platform::CreateFolder(kChampionshipsFolder);
  return ChampionshipFolderPath(name, folder, sizeof folder) && platform::CreateFolder(folder);
}
