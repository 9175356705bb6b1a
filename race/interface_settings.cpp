#include "race/interface_settings.h"

#include <cstring>

#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/text_fields.h"

bool ReadInterfaceSettings(const char* path, InterfaceSettings* settings) {
  std::memset(settings, 0, sizeof *settings);
  platform::TextFile file(path, "r+");
  if (!file) return false;
  file.Rewind();
  // As "%s\t%d\t%s": a field that is not there leaves the rest as cleared. A port word too
  // long for its field is no port at all ("COM123" must not become "COM12").
  char port[16];
  bool hasPort = ReadWord(file, port);
  if (std::strlen(port) < sizeof settings->port) platform::CopyBounded(settings->port, port);
  if (hasPort && ReadInt(file, &settings->connected)) ReadWord(file, settings->decoderName);
  return true;
}

bool WriteInterfaceSettings(const char* path, const InterfaceSettings& settings) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  file.Rewind();
  return file.Printf("%s\t%d\t%s\n", settings.port, settings.connected, settings.decoderName) > 0;
}

bool IsValidPortName(const char* port) {
  if (std::strncmp(port, "COM", 3) != 0) return false;
  const char* digits = port + 3;
  std::size_t n = std::strlen(digits);
  if (n < 1 || n > 2 || digits[0] == '0') return false;
  for (std::size_t i = 0; i < n; ++i) {
    if (digits[i] < '0' || digits[i] > '9') return false;
  }
  return true;
}
