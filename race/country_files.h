// The two country lists shipped with the program and never written: the names
// ("BaseDonnéesPays.bd") and, on the same line numbers, the codes that name the flag
// bitmaps "paysDrapeaux/%s.bmp" ("paysDrapeaux/codesPays.bd"). One value per line, no TAB.
#pragma once

#include <array>

inline constexpr const char* kCountryNamesFile = "BaseDonnéesPays.bd";
inline constexpr const char* kCountryCodesFile = "paysDrapeaux/codesPays.bd";
inline constexpr const char* kFlagBitmapPattern = "paysDrapeaux/%s.bmp";

inline constexpr int kCountryCount = 208;

struct CountryEntry {
  char name[35];
  char code[5];
};

using CountryTable = std::array<CountryEntry, kCountryCount>;

// Line i of the file goes into entry i, for at most 208 lines: a longer line is cut to the
// field, an empty one leaves the field as it was, and a shorter file leaves the entries
// after its last line untouched. False when the file cannot be opened for update.
bool ReadCountryNames(CountryTable* countries);
bool ReadCountryCodes(CountryTable* countries);

// The flag code of the last country whose name is countryName, or "" (also for an empty name).
const char* CountryCodeOf(const CountryTable& countries, const char* countryName);
