// The two country lists: names and flag codes, and the names the combo boxes collect.
#include <cstdint>
#include <cstring>

#include "race/combo_fillers.h"
#include "race/country_files.h"
#include "tests/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  static CountryTable countries;
  fuzz::Choice in = fuzz::Choose(data, size, 3);
  std::memset(&countries, 0, sizeof countries);
  if (in.pick == 0) {
    fuzz::WriteFile(kCountryNamesFile, in.data, in.size);
    ReadCountryNames(&countries);
  } else if (in.pick == 2) {
    fuzz::WriteFile(kCountryNamesFile, in.data, in.size);
    ComboStrings names;
    CollectCountryNames(&names);
    if (names.size() > kCountryCount) fuzz::Fail("more country names collected than the list holds");
  } else {
    fuzz::WriteFile(kCountryCodesFile, in.data, in.size);
    ReadCountryCodes(&countries);
  }
  for (const CountryEntry& entry : countries) fuzz::CheckTexts(entry.name, entry.code);
  fuzz::EndInput();
  return 0;
}
