#include "race/combo_fillers.h"

#include <cstdio>
#include <vector>

#include "app/build_profile.h"
#include "platform/text_file.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "race/database_layout.h"

namespace {

// Collects field 1 of each record of fieldCount fields (at most 9), cut to Width - 1 bytes;
// lastSpansLines: the last field is a multi-line text.
template <std::size_t Width>
bool CollectFirstFields(const char* path, std::size_t fieldCount, bool lastSpansLines, int capacity,
                        ComboStrings* strings) {
  platform::TextFile file(path, "r+");
  if (!file) return false;
  file.Rewind();
  FieldLayout fields[9] = {TextAt(0, Width)};
  if (fieldCount > 9) fieldCount = 9;
  for (std::size_t i = 1; i < fieldCount; ++i) fields[i] = Skipped();
  if (lastSpansLines && fieldCount > 1) fields[fieldCount - 1] = SkippedMultiLine();
  std::vector<char> keys(Width * static_cast<std::size_t>(capacity), '\0');
  int count = ReadRecords(file, keys.data(), Width, static_cast<std::size_t>(capacity), fields, fieldCount);
  for (int i = 0; i < count; ++i) strings->push_back(&keys[Width * static_cast<std::size_t>(i)]);
  return true;
}

}  // namespace

bool CollectCarCategoryNames(ComboStrings* strings) {
  return CollectFirstFields<sizeof(CarCategoryRecord::name)>(kCarCategoriesDatabaseFile, 3, true,
                                                             kMaxCarCategories, strings);
}

bool CollectClubKeys(ComboStrings* strings) {
  return CollectFirstFields<sizeof(ClubRecord::key)>(kClubsDatabaseFile, 9, false, kMaxClubs, strings);
}

bool CollectCarNames(ComboStrings* strings) {
  return CollectFirstFields<sizeof(CarRecord::name)>(kCarsDatabaseFile, 5, false, kMaxCars, strings);
}

bool CollectChampionshipNames(ComboStrings* strings) {
  return CollectFirstFields<sizeof(ChampionshipRecord::name)>(kChampionshipsDatabaseFile, 2, true,
                                                              kMaxChampionships, strings);
}

bool CollectCountryNames(ComboStrings* strings) {
  platform::TextFile file(kCountryNamesFile, "r+");
  if (!file) return false;
  file.Rewind();
  char name[sizeof(CountryEntry::name)];
  for (int count = 0; count < kCountryCount && file.ReadLine(name, sizeof name); ++count) {
    strings->push_back(name);
  }
  return true;
}

void CollectMonthNames(ComboStrings* strings) {
  static const Text kMonths[12] = {
      Text::MonthJanuary, Text::MonthFebruary, Text::MonthMarch,     Text::MonthApril,
      Text::MonthMay,     Text::MonthJune,     Text::MonthJuly,      Text::MonthAugust,
      Text::MonthSeptember, Text::MonthOctober, Text::MonthNovember, Text::MonthDecember};
  for (Text month : kMonths) strings->push_back(Tr(month));
}

void CollectYears(int currentYear, ComboStrings* strings) {
  for (int year = 1900; year <= currentYear; ++year) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", year);
    strings->push_back(text);
  }
}
