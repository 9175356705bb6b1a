#include "race/database_files.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/database_layout.h"

namespace {

#define TEXT(Record, field) TextAt(offsetof(Record, field), sizeof(Record::field))
#define LINES(Record, field) MultiLineTextAt(offsetof(Record, field), sizeof(Record::field))

constexpr std::array<FieldLayout, 3> kCarCategoryLayout = {
    TEXT(CarCategoryRecord, name), TEXT(CarCategoryRecord, quickDescription),
    LINES(CarCategoryRecord, characteristics)};

constexpr std::array<FieldLayout, 5> kCarLayout = {
    TEXT(CarRecord, name), TEXT(CarRecord, brand), TEXT(CarRecord, model),
    TEXT(CarRecord, category), TEXT(CarRecord, imagePath)};

constexpr std::array<FieldLayout, 9> kClubLayout = {
    TEXT(ClubRecord, key),      TEXT(ClubRecord, fullName), TEXT(ClubRecord, address),
    TEXT(ClubRecord, address2), TEXT(ClubRecord, zip),      TEXT(ClubRecord, location),
    TEXT(ClubRecord, country),  TEXT(ClubRecord, phone),    TEXT(ClubRecord, email)};

constexpr std::array<FieldLayout, 5> kAgeCategoryLayout = {
    IntAt(offsetof(AgeCategoryRecord, isNew)), IntAt(offsetof(AgeCategoryRecord, bornFrom)),
    IntAt(offsetof(AgeCategoryRecord, bornTo)), TEXT(AgeCategoryRecord, code),
    TEXT(AgeCategoryRecord, name)};

constexpr std::array<FieldLayout, 15> kDriverLayout = {
    TEXT(DriverRecord, name),          TEXT(DriverRecord, address),  TEXT(DriverRecord, address2),
    TEXT(DriverRecord, zip),           TEXT(DriverRecord, location), TEXT(DriverRecord, country),
    TEXT(DriverRecord, phone),         TEXT(DriverRecord, email),    TEXT(DriverRecord, birthday),
    TEXT(DriverRecord, licenceNumber), TEXT(DriverRecord, team),     TEXT(DriverRecord, car),
    TEXT(DriverRecord, carNumber),     TEXT(DriverRecord, transponder),
    TEXT(DriverRecord, photoPath)};

constexpr std::array<FieldLayout, 2> kChampionshipLayout = {
    TEXT(ChampionshipRecord, name), LINES(ChampionshipRecord, quickDescription)};

constexpr std::array<FieldLayout, 1 + kTranspondersPerSet> MakeTransponderSetLayout() {
  std::array<FieldLayout, 1 + kTranspondersPerSet> layout = {TEXT(TransponderSetRecord, setName)};
  for (int i = 0; i < kTranspondersPerSet; ++i) {
    constexpr std::size_t kWidth = sizeof(TransponderSetRecord::transponder[0]);
    layout[static_cast<std::size_t>(i) + 1] =
        TextAt(offsetof(TransponderSetRecord, transponder) + static_cast<std::size_t>(i) * kWidth, kWidth);
  }
  return layout;
}
constexpr std::array<FieldLayout, 1 + kTranspondersPerSet> kTransponderSetLayout =
    MakeTransponderSetLayout();

// The 15 driver fields, of which the summaries keep 1, 6 and 11.
constexpr std::array<FieldLayout, 15> kDriverSummaryLayout = {
    TEXT(DriverSummary, name), Skipped(), Skipped(), Skipped(), Skipped(),
    TEXT(DriverSummary, country), Skipped(), Skipped(), Skipped(), Skipped(),
    TEXT(DriverSummary, team), Skipped(), Skipped(), Skipped(), Skipped()};

// The participants dialog keeps 1, 6, 9, 11, 12, 13 and 14.
constexpr std::array<FieldLayout, 15> kDriverPickLayout = {
    TEXT(DriverPickRecord, name), Skipped(), Skipped(), Skipped(), Skipped(),
    TEXT(DriverPickRecord, country), Skipped(), Skipped(), TEXT(DriverPickRecord, birthday),
    Skipped(), TEXT(DriverPickRecord, team), TEXT(DriverPickRecord, car),
    TEXT(DriverPickRecord, carNumber), TEXT(DriverPickRecord, transponder), Skipped()};

#undef TEXT
#undef LINES

void ClearAgeCategoryTexts(void* record) {
  auto* category = static_cast<AgeCategoryRecord*>(record);
  platform::ZeroBytes(category->code, sizeof category->code);
  platform::ZeroBytes(category->name, sizeof category->name);
}

}  // namespace

void ClearCarsTable(CarsTable* table) { platform::ZeroBytes(table->data(), sizeof *table); }
void ClearClubsTable(ClubsTable* table) { platform::ZeroBytes(table->data(), sizeof *table); }
void ClearDriversTable(DriversTable* table) { platform::ZeroBytes(table->data(), sizeof *table); }
void ClearTransponderSetsTable(TransponderSetsTable* table) {
  platform::ZeroBytes(table->data(), sizeof *table);
}

bool ImportCarCategoriesDatabase(const char* path, CarCategoriesTable* table, ReadCounts* counts) {
  return ReadTableFile(path, table, kCarCategoryLayout, nullptr, counts);
}
bool ImportCarsDatabase(const char* path, CarsTable* table, ReadCounts* counts) {
  return ReadTableFile(path, table, kCarLayout, nullptr, counts);
}
bool ImportClubsDatabase(const char* path, ClubsTable* table, ReadCounts* counts) {
  return ReadTableFile(path, table, kClubLayout, nullptr, counts);
}
bool ImportAgeCategoriesDatabase(const char* path, AgeCategoriesTable* table, ReadCounts* counts) {
  return ReadTableFile(path, table, kAgeCategoryLayout, ClearAgeCategoryTexts, counts);
}
bool ImportDriversDatabase(const char* path, DriversTable* table, ReadCounts* counts) {
  return ReadTableFile(path, table, kDriverLayout, nullptr, counts);
}
bool ImportChampionshipsDatabase(const char* path, ChampionshipsTable* table, ReadCounts* counts) {
  return ReadTableFile(path, table, kChampionshipLayout, nullptr, counts);
}

bool ReadCarCategoriesDatabase(CarCategoriesTable* table, ReadCounts* counts) {
  return ImportCarCategoriesDatabase(kCarCategoriesDatabaseFile, table, counts);
}
bool ReadCarsDatabase(CarsTable* table, ReadCounts* counts) {
  return ImportCarsDatabase(kCarsDatabaseFile, table, counts);
}
bool ReadClubsDatabase(ClubsTable* table, ReadCounts* counts) {
  return ImportClubsDatabase(kClubsDatabaseFile, table, counts);
}
bool ReadAgeCategoriesDatabase(AgeCategoriesTable* table, ReadCounts* counts) {
  return ImportAgeCategoriesDatabase(kAgeCategoriesDatabaseFile, table, counts);
}
bool ReadDriversDatabase(DriversTable* table, ReadCounts* counts) {
  return ImportDriversDatabase(kDriversDatabaseFile, table, counts);
}
bool ReadChampionshipsDatabase(ChampionshipsTable* table, ReadCounts* counts) {
  return ImportChampionshipsDatabase(kChampionshipsDatabaseFile, table, counts);
}
bool ReadTransponderSetsDatabase(TransponderSetsTable* table, ReadCounts* counts) {
  return ReadTableFile(kTransponderSetsDatabaseFile, table, kTransponderSetLayout, nullptr, counts);
}

bool ReadFrequenciesDatabase(FrequenciesTable* table, ReadCounts* counts) {
  platform::TextFile file(kFrequenciesDatabaseFile, "r+");
  if (!file) return false;
  file.Rewind();
  ReadCounts read;
  // One byte more than the field: a longer line is seen as cut.
  char code[sizeof(FrequencyCode::code) + 1];
  for (FrequencyCode& slot : *table) {
    if (!file.ReadLine(code, sizeof code)) break;
    ++read.records;
    if (std::strlen(code) >= sizeof slot.code) ++read.fieldsCut;
    if (code[0] != '\0') platform::CopyBounded(slot.code, code);
  }
  while (file.ReadLine(code, sizeof code)) ++read.beyondCapacity;
  if (counts) *counts = read;
  return true;
}

bool WriteCarCategoriesDatabase(const char* path, const CarCategoriesTable& table, int count) {
  return WriteTableFile(path, table, count, kCarCategoryLayout);
}
bool WriteCarsDatabase(const char* path, const CarsTable& table, int count) {
  return WriteTableFile(path, table, count, kCarLayout);
}
bool WriteClubsDatabase(const char* path, const ClubsTable& table, int count) {
  return WriteTableFile(path, table, count, kClubLayout);
}
bool WriteAgeCategoriesDatabase(const char* path, const AgeCategoriesTable& table, int count) {
  return WriteTableFile(path, table, count, kAgeCategoryLayout);
}
bool WriteDriversDatabase(const char* path, const DriversTable& table, int count) {
  return WriteTableFile(path, table, count, kDriverLayout);
}
bool WriteChampionshipsDatabase(const char* path, const ChampionshipsTable& table, int count) {
  return WriteTableFile(path, table, count, kChampionshipLayout);
}

bool ReadDriverSummaries(DriverSummariesTable* table) {
  platform::TextFile file(kDriversDatabaseFile, "r+");
  if (!file) return false;
  platform::ZeroBytes(table->data(), sizeof *table);
  file.Rewind();
  ReadRecords(file, table->data(), sizeof(DriverSummary), table->size(), kDriverSummaryLayout.data(),
              kDriverSummaryLayout.size());
  return true;
}

bool ReadDriversForParticipants(DriverPicksTable* table, int currentMonths) {
  platform::TextFile file(kDriversDatabaseFile, "r+");
  if (!file) return false;
  platform::ZeroBytes(table->data(), sizeof *table);
  file.Rewind();
  int count = ReadRecords(file, table->data(), sizeof(DriverPickRecord), table->size(),
                          kDriverPickLayout.data(), kDriverPickLayout.size());
  for (int i = 0; i < count; ++i) {
    DriverPickRecord& driver = (*table)[static_cast<std::size_t>(i)];
    int months = 0;
    ParseInt(driver.birthday, &months);
    if (months < 0 || months > currentMonths) months = 0;
    driver.birthdayMonths = months;
    std::snprintf(driver.birthday, sizeof driver.birthday, "%d", months);
  }
  return true;
}

const char* CategoryOfCar(const CarsTable& cars, const char* carName) {
  const char* category = nullptr;
  for (const CarRecord& car : cars) {
    if (car.name[0] != '\0' && std::strcmp(car.name, carName) == 0) category = car.category;
  }
  return category;
}
