#include "results/championship_files.h"

#include <cstdio>
#include <cstring>

#include "platform/files.h"

bool IsPlainChampionshipName(const char* name) {
  if (!name || name[0] == '\0') return false;
  bool onlyDots = true;
  for (const char* p = name; *p; ++p) {
    const auto c = static_cast<unsigned char>(*p);
    if (c < 0x20 || std::strchr("\\/:*?\"<>|", c)) return false;
    if (c != '.') onlyDots = false;
  }
  return !onlyDots;
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
