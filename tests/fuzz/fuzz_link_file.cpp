// The decoder link file "R\xE9glagesInterface2.rg", read as start-up reads it.
#include <cstdint>
#include <cstring>

#include "race/interface_settings.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  fuzz::WriteFile(kInterfaceSettingsFile, data, size);
  InterfaceSettings settings;
  std::memset(&settings, 0x5A, sizeof settings);
  ReadInterfaceSettings(kInterfaceSettingsFile, &settings);
  fuzz::CheckTexts(settings.port, settings.decoderName);
  IsValidPortName(settings.port);
  fuzz::EndInput();
  return 0;
}
