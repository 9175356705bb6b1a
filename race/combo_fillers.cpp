#include "race/combo_fillers.h"

#include <cstdio>

#include "app/build_profile.h"
#include "platform/text_file.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "race/database_layout.h"

namespace {

// Collects field 1 of each record of fieldCount fields, cut to Width - 1 bytes.
template <std::size_t Width>
bool CollectFirstFields(const char* path, int fieldCount, int capacity, ComboStrings* strings) {
  platform::TextFile file(path, "r+");
  if (!file) return false;
  file.Rewind();
  for (int count = 0; count < capacity && !file.AtEnd(); ++count) {
    char key[Width] = {0};
    bool more = ReadTabField(file, key, sizeof key);
    for (int field = 1; more && field < fieldCount; ++field) more = ReadTabField(file, nullptr, 0);
    if (more) SkipLine(file);
    strings->push_back(key);
  }
  return true;
}

}  // namespace

bool CollectCarCategoryNames(ComboStrings* strings) {
  return CollectFirstFields<sizeof(CarCategoryRecord::name)>(kCarCategoriesDatabaseFile, 3,
                                                             kMaxCarCategories, strings);
}

bool CollectClubKeys(ComboStrings* strings) {
  return CollectFirstFields<sizeof(ClubRecord::key)>(kClubsDatabaseFile, 9, kMaxClubs, strings);
}

bool CollectCarNames(ComboStrings* strings) {
  return CollectFirstFields<sizeof(CarRecord::name)>(kCarsDatabaseFile, 5, kMaxCars, strings);
}

bool CollectChampionshipNames(ComboStrings* strings) {
  return CollectFirstFields<sizeof(ChampionshipRecord::name)>(kChampionshipsDatabaseFile, 2,
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
