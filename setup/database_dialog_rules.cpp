#include "setup/database_dialog_rules.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/database_layout.h"
#include "race/name_sort.h"

namespace dbdialog {
namespace {

template <typename Table, void (*Sort)(Table*)>
void SortAs(void* records) {
  // The view's records are the data of a Table: recover the table from its first record.
  Sort(reinterpret_cast<Table*>(records));
}

}  // namespace

TableView DriversView(DriversTable* t) {
  return ViewOf(t, offsetof(DriverRecord, name), sizeof t->at(0).name, nullptr,
                SortAs<DriversTable, SortDriversByName>);
}
TableView AgeCategoriesView(AgeCategoriesTable* t) {
  return ViewOf(t, offsetof(AgeCategoryRecord, code), sizeof t->at(0).code, ClearAgeCategory, nullptr);
}
TableView CarCategoriesView(CarCategoriesTable* t) {
  return ViewOf(t, offsetof(CarCategoryRecord, name), sizeof t->at(0).name, nullptr,
                SortAs<CarCategoriesTable, SortCarCategoriesByName>);
}
TableView ChampionshipsView(ChampionshipsTable* t) {
  return ViewOf(t, offsetof(ChampionshipRecord, name), sizeof t->at(0).name, nullptr,
                SortAs<ChampionshipsTable, SortChampionshipsByName>);
}
TableView ClubsView(ClubsTable* t) {
  return ViewOf(t, offsetof(ClubRecord, key), sizeof t->at(0).key, nullptr,
                SortAs<ClubsTable, SortClubsByName>);
}
TableView CarsView(CarsTable* t) {
  return ViewOf(t, offsetof(CarRecord, name), sizeof t->at(0).name, nullptr,
                SortAs<CarsTable, SortCarsByName>);
}
TableView FrequenciesView(FrequenciesTable* t) {
  return ViewOf(t, offsetof(FrequencyCode, code), sizeof t->at(0).code, nullptr,
                SortAs<FrequenciesTable, SortFrequenciesByLabel>);
}

KeyRules DriverKeyRules() {
  KeyRules r;
  r.ignoreCase = true;
  r.reservedDriverNames = true;
  return r;
}
KeyRules AgeCategoryKeyRules(bool frenchChecks) {
  KeyRules r;
  r.ignoreCase = true;
  r.toUnderscore = "-()";
  r.secondMayNotBeBlank = true;
  r.plainCharactersOnly = frenchChecks;
  return r;
}
KeyRules CarCategoryKeyRules(bool frenchChecks) {
  KeyRules r;
  r.toUnderscore = "-";
  r.plainCharactersOnly = frenchChecks;
  return r;
}
KeyRules ChampionshipKeyRules() {
  // The name becomes a folder name ("Championnats/<name>/"): plain characters only, so it
  // can neither leave that folder nor hold a character a path refuses.
  KeyRules r;
  r.plainCharactersOnly = true;
  return r;
}
KeyRules ClubKeyRules() { return KeyRules(); }
KeyRules CarKeyRules() { return KeyRules(); }
KeyRules FrequencyKeyRules() {
  KeyRules r;
  r.exactLength = 6;
  return r;
}

void ClearAgeCategory(void* record) {
  auto* category = static_cast<AgeCategoryRecord*>(record);
  platform::ZeroBytes(category, sizeof *category);
  category->isNew = 1;
}

int MonthCount(int monthIndex, int yearIndex) {
  return (monthIndex < 0 ? 0 : monthIndex) + 12 * (yearIndex < 0 ? 0 : yearIndex);
}

int YearsSince(int months, int currentMonths) {
  return static_cast<int>((std::int64_t{currentMonths} - months) / 12);
}

void CorrectBirthdays(DriversTable* table, int currentMonths) {
  for (DriverRecord& driver : *table) {
    int months = 0;
    if (!ParseInt(driver.birthday, &months)) months = 0;
    if (months < 0 || months > currentMonths) months = 0;
    driver.birthdayMonths = months;
    std::snprintf(driver.birthday, sizeof driver.birthday, "%d", months);
  }
}

void KeepListedValues(const TableView& table, std::size_t fieldOffset, std::size_t fieldWidth,
                      const std::vector<std::string>& listed) {
  for (int i = 0; i < table.capacity; ++i) {
    char* field = static_cast<char*>(table.Record(i)) + fieldOffset;
    if (field[0] == '\0') continue;
    std::string value(field, strnlen(field, fieldWidth));
    bool found = false;
    for (const std::string& entry : listed) found = found || entry == value;
    if (!found) platform::ZeroBytes(field, fieldWidth);
  }
}

const AgeCategoryRecord* AgeCategoryHolding(const AgeCategoriesTable& categories, int months) {
  const AgeCategoryRecord* holding = nullptr;
  for (const AgeCategoryRecord& category : categories) {
    // A cleared record spans January 1900 too; only a category with a code can match.
    if (category.code[0] != '\0' && category.bornFrom <= months && months <= category.bornTo) holding = &category;
  }
  return holding;
}

std::string AgeCategoryLabel(const AgeCategoriesTable& categories, int months) {
  const AgeCategoryRecord* category = AgeCategoryHolding(categories, months);
  if (!category) return " ";
  return std::string(category->code, strnlen(category->code, sizeof category->code)) + " : " +
         std::string(category->name, strnlen(category->name, sizeof category->name));
}

bool StoreTransponder(char (&field)[7], const char* text) {
  if (std::strlen(text) != 6) return false;
  platform::CopyBounded(field, text);
  return true;
}

void ChooseLowerBound(AgeCategoryRecord* category, int months) {
  category->bornFrom = months > category->bornTo ? category->bornTo : months;
}

void ChooseUpperBound(AgeCategoryRecord* category, int months) {
  category->bornTo = months < category->bornFrom ? category->bornFrom : months;
}

void HyphensToUnderscores(char* text) {
  for (char* c = text; *c; ++c) {
    if (*c == '-') *c = '_';
  }
}

bool WriteFrequenciesFile(const char* path, const FrequenciesTable& table, int count) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  bool ok = true;
  for (int i = 0; i < count && i < kMaxFrequencies; ++i) {
    ok = ok && file.Printf("%s\n", table[static_cast<std::size_t>(i)].code) >= 0;
  }
  return ok;
}

bool WriteTransponderSetsFile(const char* path, const TransponderSetsTable& table) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  bool ok = true;
  for (const TransponderSetRecord& set : table) {
    ok = ok && WriteTextField(file, set.setName, sizeof set.setName);
    for (const auto& number : set.transponder) ok = ok && WriteTextField(file, number, sizeof number);
    ok = ok && file.PutChar('\n');
  }
  return ok;
}

}  // namespace dbdialog
