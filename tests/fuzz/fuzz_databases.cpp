// The eight database files, their imports, the two partial views of the drivers file and the
// keys the combo boxes collect from them.
#include <cstdint>
#include <cstring>

#include "race/combo_fillers.h"
#include "race/database_files.h"
#include "setup/database_dialog_rules.h"
#include "setup/driver_details_model.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

CarCategoriesTable carCategories;
CarsTable cars;
ClubsTable clubs;
AgeCategoriesTable ageCategories;
DriversTable drivers;
ChampionshipsTable championships;
TransponderSetsTable transponderSets;
FrequenciesTable frequencies;
DriverSummariesTable summaries;
DriverPicksTable picks;

template <typename Table>
Table& Cleared(Table& table) {
  std::memset(&table, 0, sizeof table);
  return table;
}

void CheckAll() {
  using fuzz::CheckTexts;
  for (const auto& r : carCategories) CheckTexts(r.name, r.quickDescription, r.characteristics);
  for (const auto& r : cars) CheckTexts(r.name, r.brand, r.model, r.category, r.imagePath);
  for (const auto& r : clubs)
    CheckTexts(r.key, r.fullName, r.address, r.address2, r.zip, r.location, r.country, r.phone, r.email);
  for (const auto& r : ageCategories) {
    CheckTexts(r.code, r.name);
    // The age categories dialog shows the years since each bound.
    dbdialog::YearsSince(r.bornFrom, 1500);
    dbdialog::YearsSince(r.bornTo, 1500);
  }
  for (const auto& r : drivers)
    CheckTexts(r.name, r.address, r.address2, r.zip, r.location, r.country, r.phone, r.email, r.birthday,
               r.licenceNumber, r.team, r.car, r.carNumber, r.transponder, r.photoPath);
  for (const auto& r : championships) CheckTexts(r.name, r.quickDescription);
  for (const auto& r : transponderSets) {
    CheckTexts(r.setName);
    for (const auto& t : r.transponder) CheckTexts(t);
  }
  for (const auto& r : frequencies) CheckTexts(r.code);
  for (const auto& r : summaries) CheckTexts(r.name, r.team, r.country);
  for (const auto& r : picks) CheckTexts(r.name, r.birthday, r.team, r.country, r.car, r.carNumber, r.transponder);
  for (const auto& r : picks) {
    if (r.birthdayMonths < 0 || r.birthdayMonths > 1500) fuzz::Fail("a birthday outside 0 .. the current month");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  fuzz::Choice in = fuzz::Choose(data, size, 21);
  static const char* const kFiles[] = {
      kCarCategoriesDatabaseFile, kCarsDatabaseFile,          kClubsDatabaseFile,
      kAgeCategoriesDatabaseFile, kDriversDatabaseFile,       kChampionshipsDatabaseFile,
      kTransponderSetsDatabaseFile, kFrequenciesDatabaseFile};
  // The combo boxes' keys: categories, clubs, cars, championships, frequency codes.
  static const int kComboFiles[] = {0, 2, 1, 5, 7};
  const char* path = in.pick < 8    ? kFiles[in.pick]
                     : in.pick < 14 ? "import.bd2"
                     : in.pick < 16 ? kDriversDatabaseFile
                                    : kFiles[kComboFiles[in.pick - 16]];
  fuzz::WriteFile(path, in.data, in.size);
  switch (in.pick) {
    case 0: ReadCarCategoriesDatabase(&Cleared(carCategories)); break;
    case 1: ReadCarsDatabase(&Cleared(cars)); break;
    case 2: ReadClubsDatabase(&Cleared(clubs)); break;
    case 3: ReadAgeCategoriesDatabase(&Cleared(ageCategories)); break;
    case 4: ReadDriversDatabase(&Cleared(drivers)); break;
    case 5: ReadChampionshipsDatabase(&Cleared(championships)); break;
    case 6: ReadTransponderSetsDatabase(&Cleared(transponderSets)); break;
    case 7: ReadFrequenciesDatabase(&Cleared(frequencies)); break;
    case 8: ImportCarCategoriesDatabase(path, &Cleared(carCategories)); break;
    case 9: ImportCarsDatabase(path, &Cleared(cars)); break;
    case 10: ImportClubsDatabase(path, &Cleared(clubs)); break;
    case 11: ImportAgeCategoriesDatabase(path, &Cleared(ageCategories)); break;
    case 12: ImportDriversDatabase(path, &Cleared(drivers)); break;
    case 13: ImportChampionshipsDatabase(path, &Cleared(championships)); break;
    case 14: ReadDriverSummaries(&Cleared(summaries)); break;
    case 15: ReadDriversForParticipants(&Cleared(picks), 1500); break;
    default: {
      static const std::size_t kCapacities[] = {kMaxCarCategories, kMaxClubs, kMaxCars, kMaxChampionships,
                                                kMaxFrequencies};
      static bool (*const kCollect[])(ComboStrings*) = {CollectCarCategoryNames, CollectClubKeys, CollectCarNames,
                                                        CollectChampionshipNames, CollectFrequencyCodes};
      ComboStrings strings;
      kCollect[in.pick - 16](&strings);
      if (strings.size() > kCapacities[in.pick - 16]) fuzz::Fail("more keys collected than the table holds");
      break;
    }
  }
  CheckAll();
  fuzz::EndInput();
  return 0;
}
