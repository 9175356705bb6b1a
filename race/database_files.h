// The club's reference tables and their database files ("BaseDonnées<table>.bd" in the
// working folder), all in the layout of race/database_layout.h. The readers and writers
// show no message: they report true (done) or false (the file cannot be opened or
// created), and the caller shows its own message.
//
// Readers copy each field only when it is not empty and leave the rest of a table as it
// was, so a caller clears its table first (the Clear operations, or field by field). A
// field ends at its TAB or at the end of its line (race/database_layout.h). With counts,
// a reader also tells what it left out: the records beyond the table's capacity and the
// fields cut to their width.
#pragma once

#include <array>

struct ReadCounts;

// Files, relative to the working folder.
inline constexpr const char* kCarCategoriesDatabaseFile = "BaseDonnéesCategories.bd";
inline constexpr const char* kCarsDatabaseFile = "BaseDonnéesVoitures.bd";
inline constexpr const char* kClubsDatabaseFile = "BaseDonnéesClubs.bd";
inline constexpr const char* kAgeCategoriesDatabaseFile = "BaseDonnéesAges.bd";
inline constexpr const char* kDriversDatabaseFile = "BaseDonnéesPilotes.bd";
inline constexpr const char* kChampionshipsDatabaseFile = "BaseDonnéesChampionnats.bd";
inline constexpr const char* kTransponderSetsDatabaseFile = "BaseDonnéesTranspondeurs.bd";
inline constexpr const char* kFrequenciesDatabaseFile = "BaseDonnéesFréquences.bd";

// Extensions of the export and import files, which have the layout of the database file.
inline constexpr const char* kCarCategoriesExportExtension = ".bds2";
inline constexpr const char* kCarsExportExtension = ".bdv2";
inline constexpr const char* kClubsExportExtension = ".bdc2";
inline constexpr const char* kAgeCategoriesExportExtension = ".bda2";
inline constexpr const char* kDriversExportExtension = ".bdp2";
inline constexpr const char* kChampionshipsExportExtension = ".bdch2";

inline constexpr int kMaxCarCategories = 50;
inline constexpr int kMaxCars = 500;
inline constexpr int kMaxClubs = 100;
inline constexpr int kMaxAgeCategories = 20;
inline constexpr int kMaxDrivers = 500;
inline constexpr int kMaxChampionships = 20;
inline constexpr int kTransponderSetCount = 20;
inline constexpr int kTranspondersPerSet = 20;
inline constexpr int kMaxFrequencies = 100;

// Line: name, quick description, characteristics. The characteristics may hold line breaks.
struct CarCategoryRecord {
  char name[50];
  char quickDescription[100];
  char characteristics[400];
};

// Line: name, brand, model, category, image path.
struct CarRecord {
  char name[30];
  char brand[30];
  char model[30];
  char category[50];    // a car category name
  char imagePath[260];  // a .bmp file
};

// Line: the nine fields in this order.
struct ClubRecord {
  char key[15];  // the club or team, shown everywhere else as the driver's team
  char fullName[40];
  char address[40];
  char address2[40];
  char zip[15];
  char location[40];
  char country[35];  // a name of the countries file
  char phone[20];
  char email[40];
};

// Line: isNew, bornFrom, bornTo, code, name (the numbers first).
struct AgeCategoryRecord {
  char code[3];
  char name[20];
  int isNew;     // 1 in a cleared record
  int bornFrom;  // months since January 1900: (year - 1900) * 12 + month index 0..11
  int bornTo;
};

// Line: the 15 text fields in this order; birthdayMonths is not stored.
struct DriverRecord {
  char name[40];
  char address[40];
  char address2[40];
  char zip[15];
  char location[40];
  char country[35];
  char phone[20];
  char email[40];
  char birthday[20];  // the month count since January 1900, as text
  char licenceNumber[20];
  char team[15];  // a club key
  char car[30];   // a car name
  char carNumber[5];
  char transponder[7];  // six digits
  char photoPath[260];
  int birthdayMonths;  // set by the drivers dialog from the birthday text
};

// Line: name, quick description (which may hold line breaks).
struct ChampionshipRecord {
  char name[20];
  char quickDescription[100];
};

// Line: the set name, then its 20 transponders. The file always holds 20 lines.
struct TransponderSetRecord {
  char setName[7];
  char transponder[kTranspondersPerSet][7];
};

// One code of exactly six characters per line, "%s\n", without TAB.
struct FrequencyCode {
  char code[7];
};

// The main window's view of a driver line: fields 1, 11 and 6.
struct DriverSummary {
  char name[40];
  char team[15];
  char country[35];
};

// The participants dialog's view of a driver line: fields 1, 9, 11, 6, 12, 13, 14.
struct DriverPickRecord {
  char name[40];
  char birthday[20];
  char team[15];
  char country[35];
  char car[30];
  char carNumber[5];
  char transponder[7];
  int birthdayMonths;
};

using CarCategoriesTable = std::array<CarCategoryRecord, kMaxCarCategories>;
using CarsTable = std::array<CarRecord, kMaxCars>;
using ClubsTable = std::array<ClubRecord, kMaxClubs>;
using AgeCategoriesTable = std::array<AgeCategoryRecord, kMaxAgeCategories>;
using DriversTable = std::array<DriverRecord, kMaxDrivers>;
using ChampionshipsTable = std::array<ChampionshipRecord, kMaxChampionships>;
using TransponderSetsTable = std::array<TransponderSetRecord, kTransponderSetCount>;
using FrequenciesTable = std::array<FrequencyCode, kMaxFrequencies>;
using DriverSummariesTable = std::array<DriverSummary, kMaxDrivers>;
using DriverPicksTable = std::array<DriverPickRecord, kMaxDrivers>;

void ClearCarsTable(CarsTable* table);
// The category of the car of that name (the last such car of the table), or nullptr.
const char* CategoryOfCar(const CarsTable& cars, const char* carName);
void ClearClubsTable(ClubsTable* table);
void ClearDriversTable(DriversTable* table);
void ClearTransponderSetsTable(TransponderSetsTable* table);

// Read the table's database file into records 0, 1, ...
bool ReadCarCategoriesDatabase(CarCategoriesTable* table, ReadCounts* counts = nullptr);
bool ReadCarsDatabase(CarsTable* table, ReadCounts* counts = nullptr);
bool ReadClubsDatabase(ClubsTable* table, ReadCounts* counts = nullptr);
// Clears the code and name of each record it fills.
bool ReadAgeCategoriesDatabase(AgeCategoriesTable* table, ReadCounts* counts = nullptr);
bool ReadDriversDatabase(DriversTable* table, ReadCounts* counts = nullptr);
bool ReadChampionshipsDatabase(ChampionshipsTable* table, ReadCounts* counts = nullptr);
bool ReadTransponderSetsDatabase(TransponderSetsTable* table, ReadCounts* counts = nullptr);
// One code per line; an empty line still takes its slot.
bool ReadFrequenciesDatabase(FrequenciesTable* table, ReadCounts* counts = nullptr);

// The same readings on a file chosen by the operator.
bool ImportCarCategoriesDatabase(const char* path, CarCategoriesTable* table, ReadCounts* counts = nullptr);
bool ImportCarsDatabase(const char* path, CarsTable* table, ReadCounts* counts = nullptr);
bool ImportClubsDatabase(const char* path, ClubsTable* table, ReadCounts* counts = nullptr);
bool ImportAgeCategoriesDatabase(const char* path, AgeCategoriesTable* table, ReadCounts* counts = nullptr);
bool ImportDriversDatabase(const char* path, DriversTable* table, ReadCounts* counts = nullptr);
bool ImportChampionshipsDatabase(const char* path, ChampionshipsTable* table, ReadCounts* counts = nullptr);

// Write records 0 .. count - 1 to path: the database file's name on confirmation, the
// chosen file for Export. Writing 0 records gives an empty file.
bool WriteCarCategoriesDatabase(const char* path, const CarCategoriesTable& table, int count);
bool WriteCarsDatabase(const char* path, const CarsTable& table, int count);
bool WriteClubsDatabase(const char* path, const ClubsTable& table, int count);
bool WriteAgeCategoriesDatabase(const char* path, const AgeCategoriesTable& table, int count);
bool WriteDriversDatabase(const char* path, const DriversTable& table, int count);
bool WriteChampionshipsDatabase(const char* path, const ChampionshipsTable& table, int count);

// The partial views of the drivers file. Each replaces the whole view: the table is cleared
// once the file is open, so a driver removed from the file does not linger in it.
bool ReadDriverSummaries(DriverSummariesTable* table);
// currentMonths: (current year - 1900) * 12 + current month index. A birthday that is not
// a month count from 0 to currentMonths becomes 0; the text is rewritten as that number.
bool ReadDriversForParticipants(DriverPicksTable* table, int currentMonths);
