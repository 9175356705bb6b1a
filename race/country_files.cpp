#include "race/country_files.h"

#include <cstddef>
#include <cstring>

#include "platform/bounded.h"
#include "platform/text_file.h"

namespace {

template <std::size_t Width>
bool ReadCountryLines(const char* path, CountryTable* countries, char (CountryEntry::*field)[Width]) {
  platform::TextFile file(path, "r+");
  if (!file) return false;
  file.Rewind();
  for (CountryEntry& country : *countries) {
    char line[Width];
    if (!file.ReadLine(line, sizeof line)) break;
    if (line[0] != '\0') platform::CopyBounded(country.*field, line);
  }
  return true;
}

}  // namespace

bool ReadCountryNames(CountryTable* countries) {
  return ReadCountryLines(kCountryNamesFile, countries, &CountryEntry::name);
}

bool ReadCountryCodes(CountryTable* countries) {
  return ReadCountryLines(kCountryCodesFile, countries, &CountryEntry::code);
}

const char* CountryCodeOf(const CountryTable& countries, const char* countryName) {
  const char* code = "";
  if (countryName[0] == '\0') return code;
  for (const CountryEntry& country : countries) {
    if (std::strncmp(country.name, countryName, sizeof country.name) == 0) code = country.code;
  }
  return code;
}
