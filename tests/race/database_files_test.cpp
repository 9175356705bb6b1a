// Reference tables in their database files: round trips at full widths, multi-line fields,
// and files the program did not write (too many lines, too long fields, cut short).
#include "race/database_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "race/combo_fillers.h"
#include "race/database_layout.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

using storagetest::WorkingFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

// Texts of exactly width - 1 bytes, different for every field.
template <std::size_t N>
void Fill(char (&field)[N], int seed) {
  for (std::size_t i = 0; i + 1 < N; ++i) field[i] = static_cast<char>('a' + (seed + i) % 26);
  field[N - 1] = '\0';
}
template <typename... Fields>
void FillAll(int seed, Fields&... fields) {
  (Fill(fields, seed++), ...);
}

template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Tables are large: static, as in the program.
CarCategoriesTable categories, categoriesBack;
CarsTable cars, carsBack;
ClubsTable clubs, clubsBack;
AgeCategoriesTable ages, agesBack;
DriversTable drivers, driversBack;
ChampionshipsTable championships, championshipsBack;
TransponderSetsTable sets;
FrequenciesTable frequencies;
DriverSummariesTable summaries;
DriverPicksTable picks;

}  // namespace

TEST(DatabaseFiles, EveryTableRoundTripsAtFullWidths) {
  WorkingFolder folder;
  categories = {};
  FillAll(1, categories[0].name, categories[0].quickDescription, categories[0].characteristics);
  // Line breaks as a multi-line edit gives them: written CR CR LF, as the runtime does.
  std::memcpy(categories[0].characteristics + 10, "\r\n", 2);
  std::memcpy(categories[0].characteristics + 200, "\r\n\r\n", 4);
  platform::CopyBounded(categories[1].name, "Touring 1/10");
  ASSERT_TRUE(WriteCarCategoriesDatabase(kCarCategoriesDatabaseFile, categories, 2));
  categoriesBack = {};
  ASSERT_TRUE(ReadCarCategoriesDatabase(&categoriesBack));
  EXPECT_TRUE(SameBytes(categories, categoriesBack));
  EXPECT_NE(ReadBytes(kCarCategoriesDatabaseFile).find("\r\r\n\r\r\n"), std::string::npos);

  cars = {};
  for (int i = 0; i < kMaxCars; ++i) {
    CarRecord& car = cars[static_cast<std::size_t>(i)];
    FillAll(i, car.name, car.brand, car.model, car.category, car.imagePath);
  }
  ASSERT_TRUE(WriteCarsDatabase(kCarsDatabaseFile, cars, kMaxCars));
  carsBack = {};
  ASSERT_TRUE(ReadCarsDatabase(&carsBack));
  EXPECT_TRUE(SameBytes(cars, carsBack));

  clubs = {};
  ClubRecord& club = clubs[kMaxClubs - 1];
  FillAll(1, club.key, club.fullName, club.address, club.address2, club.zip, club.location,
          club.country, club.phone, club.email);
  Fill(clubs[0].key, 9);  // the records in between are empty: their lines are all TABs
  ASSERT_TRUE(WriteClubsDatabase("clubs.bdc2", clubs, kMaxClubs));
  clubsBack = {};
  ASSERT_TRUE(ImportClubsDatabase("clubs.bdc2", &clubsBack));
  EXPECT_TRUE(SameBytes(clubs, clubsBack));

  ages = {};
  ages[0] = {"J", "Juniors", 1, 1200, 1223};
  ages[19] = {"", "", 0, -5, 2147483647};
  FillAll(1, ages[19].code, ages[19].name);
  ASSERT_TRUE(WriteAgeCategoriesDatabase(kAgeCategoriesDatabaseFile, ages, kMaxAgeCategories));
  EXPECT_EQ(ReadBytes(kAgeCategoriesDatabaseFile).substr(0, 24), "1\t1200\t1223\tJ\tJuniors\t\r\n");
  agesBack = {};
  ASSERT_TRUE(ReadAgeCategoriesDatabase(&agesBack));
  EXPECT_TRUE(SameBytes(ages, agesBack));

  drivers = {};
  DriverRecord& driver = drivers[0];
  FillAll(1, driver.name, driver.address, driver.address2, driver.zip, driver.location, driver.country,
          driver.phone, driver.email, driver.birthday, driver.licenceNumber, driver.team, driver.car,
          driver.carNumber, driver.transponder, driver.photoPath);
  platform::CopyBounded(drivers[1].name, "Émile Zébulon");
  ASSERT_TRUE(WriteDriversDatabase(kDriversDatabaseFile, drivers, 2));
  driversBack = {};
  ASSERT_TRUE(ReadDriversDatabase(&driversBack));
  EXPECT_TRUE(SameBytes(drivers, driversBack));

  championships = {};
  FillAll(1, championships[0].name, championships[0].quickDescription);
  std::memcpy(championships[0].quickDescription + 40, "\r\n", 2);
  ASSERT_TRUE(WriteChampionshipsDatabase(kChampionshipsDatabaseFile, championships, 1));
  championshipsBack = {};
  ASSERT_TRUE(ReadChampionshipsDatabase(&championshipsBack));
  EXPECT_TRUE(SameBytes(championships, championshipsBack));
}

TEST(DatabaseFiles, WritersGiveTheSharedLayoutAndReportFailures) {
  WorkingFolder folder;
  championships = {};
  platform::CopyBounded(championships[0].name, "Ligue");
  platform::CopyBounded(championships[1].name, "Open");
  ASSERT_TRUE(WriteChampionshipsDatabase(kChampionshipsDatabaseFile, championships, 2));
  EXPECT_EQ(ReadBytes(kChampionshipsDatabaseFile), "Ligue\t\t\r\nOpen\t\t\r\n");

  ASSERT_TRUE(WriteChampionshipsDatabase(kChampionshipsDatabaseFile, championships, 0));
  EXPECT_EQ(ReadBytes(kChampionshipsDatabaseFile), "");
  ASSERT_TRUE(WriteChampionshipsDatabase(kChampionshipsDatabaseFile, championships, 1000));
  // The count is clamped to the 20 records: 18 empty lines follow.
  EXPECT_EQ(ReadBytes(kChampionshipsDatabaseFile).size(), 9 + 8 + 18 * 4u);

  // A TAB inside a field would end it early and shift every field after it.
  cars = {};
  platform::CopyBounded(cars[0].name, "Lancia\tStratos");
  platform::CopyBounded(cars[0].brand, "Lancia");
  ASSERT_TRUE(WriteCarsDatabase(kCarsDatabaseFile, cars, 1));
  EXPECT_EQ(ReadBytes(kCarsDatabaseFile), "Lancia Stratos\tLancia\t\t\t\t\r\n");
  // A field filled to its last byte, without terminator, is written within its width.
  std::memset(cars[0].model, 'm', sizeof cars[0].model);
  ASSERT_TRUE(WriteCarsDatabase(kCarsDatabaseFile, cars, 1));
  EXPECT_EQ(ReadBytes(kCarsDatabaseFile), "Lancia Stratos\tLancia\t" + std::string(29, 'm') + "\t\t\t\r\n");
#ifndef _WIN32
  EXPECT_FALSE(WriteCarsDatabase("/dev/full", cars, 1)) << "a write that fails is no success";
#endif

  // Cannot create: no folder of that name.
  EXPECT_FALSE(WriteCarsDatabase("missing/cars.bdv2", cars, 1));
  carsBack = {};
  platform::CopyBounded(carsBack[0].name, "kept");
  EXPECT_FALSE(ImportCarsDatabase("missing/cars.bdv2", &carsBack));
  EXPECT_STREQ(carsBack[0].name, "kept");
}

TEST(DatabaseFiles, ReadersStayInsideTheirTablesAndFields) {
  WorkingFolder folder;
  // 501 drivers, the first with a 300-byte name and a 300-byte photo path.
  std::string file = std::string(300, 'N') + "\t" + std::string(13, '\t') + std::string(300, 'P') + "\t\r\n";
  for (int i = 1; i <= kMaxDrivers; ++i) file += "Driver " + std::to_string(i) + "\t" + std::string(14, '\t') + "\r\n";
  WriteBytes(kDriversDatabaseFile, file);
  driversBack = {};
  ASSERT_TRUE(ReadDriversDatabase(&driversBack));
  EXPECT_EQ(std::string(driversBack[0].name), std::string(39, 'N'));
  EXPECT_EQ(std::string(driversBack[0].photoPath), std::string(259, 'P'));
  EXPECT_STREQ(driversBack[0].address, "") << "the rest of the long name is skipped, not spilled";
  EXPECT_STREQ(driversBack[499].name, "Driver 499");

  summaries = {};
  ASSERT_TRUE(ReadDriverSummaries(&summaries));
  EXPECT_STREQ(summaries[499].name, "Driver 499") << "the 501st line is not read";

  // A file cut short in the middle of a record, with no line end.
  WriteBytes(kClubsDatabaseFile, "ASK\tAuto Sport Kreis\tMain");
  clubsBack = {};
  ASSERT_TRUE(ReadClubsDatabase(&clubsBack));
  EXPECT_STREQ(clubsBack[0].key, "ASK");
  EXPECT_STREQ(clubsBack[0].address, "Main");
  EXPECT_STREQ(clubsBack[1].key, "");

  // An empty file leaves the table as the caller had it.
  WriteBytes(kClubsDatabaseFile, "");
  ASSERT_TRUE(ReadClubsDatabase(&clubsBack));
  EXPECT_STREQ(clubsBack[0].key, "ASK");
  ClearClubsTable(&clubsBack);
  EXPECT_STREQ(clubsBack[0].key, "");

  // Three age categories fill records 0-2; the reader clears code and name of each, and a
  // number field that holds no number keeps what the record had.
  WriteBytes(kAgeCategoriesDatabaseFile,
             "1\t0\t100\tA\tAlpha\t\r\n0\tx\t200\tB\tBeta\t\r\n1\t-3\t300\tC\t\t\r\n");
  agesBack = {};
  agesBack[1] = {"ZZ", "Old", 7, 7, 7};
  agesBack[3] = {"KK", "Kept", 1, 0, 0};
  ASSERT_TRUE(ReadAgeCategoriesDatabase(&agesBack));
  EXPECT_STREQ(agesBack[1].code, "B");
  EXPECT_EQ(agesBack[1].bornFrom, 7);
  EXPECT_EQ(agesBack[1].bornTo, 200);
  EXPECT_EQ(agesBack[2].bornFrom, -3);
  EXPECT_STREQ(agesBack[2].name, "");
  EXPECT_STREQ(agesBack[3].code, "KK");

}

TEST(DatabaseFiles, DriverViews) {
  WorkingFolder folder;
  drivers = {};
  const char* names[] = {"Anna", "Bruno", "Chloé", "Dario"};
  const char* birthdays[] = {"1200", "", "9999", "-4"};
  for (int i = 0; i < 4; ++i) {
    DriverRecord& driver = drivers[static_cast<std::size_t>(i)];
    platform::CopyBounded(driver.name, names[i]);
    platform::CopyBounded(driver.birthday, birthdays[i]);
    platform::CopyBounded(driver.country, "France");
    platform::CopyBounded(driver.team, "RCB");
    platform::CopyBounded(driver.car, "Lotus");
    platform::CopyBounded(driver.carNumber, "12");
    platform::CopyBounded(driver.transponder, "123456");
    platform::CopyBounded(driver.phone, "skipped");
  }
  ASSERT_TRUE(WriteDriversDatabase(kDriversDatabaseFile, drivers, 4));

  picks = {};
  platform::CopyBounded(picks[4].name, "Gone");  // a driver since removed from the file
  ASSERT_TRUE(ReadDriversForParticipants(&picks, 1500));
  EXPECT_STREQ(picks[0].name, "Anna");
  EXPECT_STREQ(picks[0].birthday, "1200");
  EXPECT_EQ(picks[0].birthdayMonths, 1200);
  EXPECT_STREQ(picks[1].birthday, "0") << "an empty birthday counts as 0";
  EXPECT_STREQ(picks[2].birthday, "0") << "a birthday after the current month";
  EXPECT_EQ(picks[3].birthdayMonths, 0);
  EXPECT_STREQ(picks[2].country, "France");
  EXPECT_STREQ(picks[2].team, "RCB");
  EXPECT_STREQ(picks[2].car, "Lotus");
  EXPECT_STREQ(picks[2].carNumber, "12");
  EXPECT_STREQ(picks[2].transponder, "123456");
  EXPECT_STREQ(picks[4].name, "");

  summaries = {};
  ASSERT_TRUE(ReadDriverSummaries(&summaries));
  EXPECT_STREQ(summaries[2].name, "Chloé");
  EXPECT_STREQ(summaries[2].team, "RCB");
  EXPECT_STREQ(summaries[2].country, "France");

  platform::DeleteFileAt(kDriversDatabaseFile);
  EXPECT_FALSE(ReadDriverSummaries(&summaries));
  EXPECT_STREQ(summaries[0].name, "Anna") << "a missing file leaves the view as it was";
}

TEST(DatabaseFiles, TransponderSetsAndFrequencyCodes) {
  WorkingFolder folder;
  std::string file;
  for (int set = 1; set <= kTransponderSetCount; ++set) {
    file += "Set" + std::to_string(100 + set) + "\t";  // names at their full width
    for (int chip = 0; chip < kTranspondersPerSet; ++chip) file += std::to_string(100000 + set * 100 + chip) + "\t";
    file += "\r\n";
  }
  WriteBytes(kTransponderSetsDatabaseFile, file);
  ClearTransponderSetsTable(&sets);
  ASSERT_TRUE(ReadTransponderSetsDatabase(&sets));
  EXPECT_STREQ(sets[0].setName, "Set101");
  EXPECT_STREQ(sets[0].transponder[0], "100100");
  EXPECT_STREQ(sets[19].setName, "Set120");
  EXPECT_STREQ(sets[19].transponder[19], "102019");

  // An empty line takes its slot; a long line is cut; 120 lines fill 100 slots.
  file = "AAAAAA\r\n\r\nTOOLONGCODE\r\n";
  for (int i = 3; i < 120; ++i) file += "F" + std::to_string(10000 + i) + "\r\n";
  WriteBytes(kFrequenciesDatabaseFile, file);
  frequencies = {};
  ASSERT_TRUE(ReadFrequenciesDatabase(&frequencies));
  EXPECT_STREQ(frequencies[0].code, "AAAAAA");
  EXPECT_STREQ(frequencies[1].code, "");
  EXPECT_STREQ(frequencies[2].code, "TOOLON");
  EXPECT_STREQ(frequencies[99].code, "F10099");

  // The factory file names the 20 sets and holds no number.
  ASSERT_TRUE(folder.InstallFactoryFile(kTransponderSetsDatabaseFile));
  ClearTransponderSetsTable(&sets);
  ASSERT_TRUE(ReadTransponderSetsDatabase(&sets));
  EXPECT_STREQ(sets[0].setName, "Set 1");
  EXPECT_STREQ(sets[19].setName, "Set 20");
  EXPECT_STREQ(sets[19].transponder[19], "");
}

namespace {

// No single-line field of a record may hold a line end.
template <typename Record, typename... Fields>
bool NoLineEnd(const Record&, const Fields&... fields) {
  return ((std::strpbrk(fields, "\r\n") == nullptr) && ...);
}

}  // namespace

TEST(DatabaseFiles, ALineCutBeforeItsLastTabEndsItsRecord) {
  WorkingFolder folder;
  const std::string full = "AFTER Short\tRue 1" + std::string(9, '\t') + "RCB\tLotus\t7\t123456\t\t";
  // CR LF as the program writes, LF alone as other programs do, and a last line without
  // TAB or line end.
  for (const std::string& end : {std::string("\r\n"), std::string("\n")}) {
    WriteBytes(kDriversDatabaseFile, "ShortLine" + end + full + end + "Tail\tAddr");
    driversBack = {};
    ReadCounts counts;
    ASSERT_TRUE(ReadDriversDatabase(&driversBack, &counts));
    EXPECT_STREQ(driversBack[0].name, "ShortLine");
    EXPECT_STREQ(driversBack[0].address, "") << "the missing fields of a short line are empty";
    EXPECT_STREQ(driversBack[0].photoPath, "");
    EXPECT_STREQ(driversBack[1].name, "AFTER Short") << "the next line is a record of its own";
    EXPECT_STREQ(driversBack[1].address, "Rue 1");
    EXPECT_STREQ(driversBack[1].transponder, "123456");
    EXPECT_STREQ(driversBack[2].name, "Tail");
    EXPECT_STREQ(driversBack[2].address, "Addr");
    EXPECT_STREQ(driversBack[3].name, "");
    EXPECT_EQ(counts.records, 3);
    for (const DriverRecord& d : driversBack) {
      EXPECT_TRUE(NoLineEnd(d, d.name, d.address, d.address2, d.zip, d.location, d.country, d.phone, d.email,
                            d.birthday, d.licenceNumber, d.team, d.car, d.carNumber, d.transponder, d.photoPath));
    }

    summaries = {};
    ASSERT_TRUE(ReadDriverSummaries(&summaries));
    EXPECT_STREQ(summaries[0].name, "ShortLine");
    EXPECT_STREQ(summaries[1].name, "AFTER Short");
    EXPECT_STREQ(summaries[1].team, "RCB");
    picks = {};
    ASSERT_TRUE(ReadDriversForParticipants(&picks, 1500));
    EXPECT_STREQ(picks[0].name, "ShortLine");
    EXPECT_STREQ(picks[1].name, "AFTER Short");
    EXPECT_STREQ(picks[1].transponder, "123456");
    EXPECT_STREQ(picks[2].name, "Tail");
  }

  // Numbers first: a line that stops after them leaves code and name empty.
  WriteBytes(kAgeCategoriesDatabaseFile, "1\t1200\r\n1\t0\t0\tB2\tBenjamins\t\r\n");
  agesBack = {};
  ASSERT_TRUE(ReadAgeCategoriesDatabase(&agesBack));
  EXPECT_EQ(agesBack[0].bornFrom, 1200);
  EXPECT_STREQ(agesBack[0].code, "");
  EXPECT_STREQ(agesBack[1].code, "B2");
  EXPECT_STREQ(agesBack[1].name, "Benjamins");

  WriteBytes(kClubsDatabaseFile, "ASK\tAuto Sport\r\nRCB\tRC Bretagne\tRue\t\t\t\tFrance\t\t\t\r\n");
  clubsBack = {};
  ASSERT_TRUE(ReadClubsDatabase(&clubsBack));
  EXPECT_STREQ(clubsBack[0].fullName, "Auto Sport");
  EXPECT_STREQ(clubsBack[1].key, "RCB");
  EXPECT_STREQ(clubsBack[1].country, "France");
}

TEST(DatabaseFiles, AMultiLineLastFieldKeepsItsLinesButNotTheNextRecord) {
  WorkingFolder folder;
  // "Coupe": a description over two lines as the program writes it; "Ligue": a line cut
  // before its last TAB; "Open": the record behind it.
  for (const std::string& end : {std::string("\r\n"), std::string("\n")}) {
    WriteBytes(kChampionshipsDatabaseFile, "Coupe\tline 1" + end + "line 2\t" + end + "Ligue\tcut" + end +
                                               "Open\tdesc\t" + end + "Trophy\tlast" + end + "x");
    championshipsBack = {};
    ASSERT_TRUE(ReadChampionshipsDatabase(&championshipsBack));
    EXPECT_STREQ(championshipsBack[0].quickDescription, "line 1\nline 2");
    EXPECT_STREQ(championshipsBack[1].name, "Ligue");
    EXPECT_STREQ(championshipsBack[1].quickDescription, "cut");
    EXPECT_STREQ(championshipsBack[2].name, "Open");
    EXPECT_STREQ(championshipsBack[2].quickDescription, "desc");
    // No TAB ever closes the last record: its field ends at its line, and the rest is a
    // record of its own.
    EXPECT_STREQ(championshipsBack[3].quickDescription, "last");
    EXPECT_STREQ(championshipsBack[4].name, "x");
  }

  // A category line without its characteristics, then one with them over three lines.
  WriteBytes(kCarCategoriesDatabaseFile, "Buggy\tquick\r\nTruck\t\tA\r\n\r\nB\t\r\n");
  categoriesBack = {};
  ASSERT_TRUE(ReadCarCategoriesDatabase(&categoriesBack));
  EXPECT_STREQ(categoriesBack[0].quickDescription, "quick");
  EXPECT_STREQ(categoriesBack[0].characteristics, "");
  EXPECT_STREQ(categoriesBack[1].name, "Truck");
  EXPECT_STREQ(categoriesBack[1].characteristics, "A\n\nB");

  ComboStrings names;
  ASSERT_TRUE(CollectCarCategoryNames(&names));
  EXPECT_EQ(names, (ComboStrings{"Buggy", "Truck"}));
  names.clear();
  ASSERT_TRUE(CollectChampionshipNames(&names));
  EXPECT_EQ(names, (ComboStrings{"Coupe", "Ligue", "Open", "Trophy", "x"}));
}

TEST(DatabaseFiles, ReadersCountWhatTheyLeaveOut) {
  WorkingFolder folder;
  std::string file;
  for (int i = 1; i <= 25; ++i) file += "Cup " + std::to_string(i) + "\tdesc\t\r\n";
  file += std::string(30, 'L') + "\t" + std::string(150, 'd') + "\t\r\n\r\n\r\n";
  WriteBytes("many.bdch2", file);
  championshipsBack = {};
  ReadCounts counts;
  ASSERT_TRUE(ImportChampionshipsDatabase("many.bdch2", &championshipsBack, &counts));
  EXPECT_EQ(counts.records, kMaxChampionships);
  EXPECT_EQ(counts.beyondCapacity, 6) << "blank lines hold no record";
  EXPECT_STREQ(championshipsBack[19].name, "Cup 20");

  WriteBytes("cut.bdch2", std::string(30, 'L') + "\t" + std::string(150, 'd') + "\t\r\n\r\nOpen\t\t\r\n");
  championshipsBack = {};
  ASSERT_TRUE(ImportChampionshipsDatabase("cut.bdch2", &championshipsBack, &counts));
  EXPECT_EQ(counts.records, 2);
  EXPECT_EQ(counts.beyondCapacity, 0);
  EXPECT_EQ(counts.fieldsCut, 2);
  EXPECT_STREQ(championshipsBack[1].name, "Open") << "a blank line takes no slot";

  file.clear();
  for (int i = 0; i < 105; ++i) file += "F" + std::to_string(10000 + i) + "\r\n";
  WriteBytes(kFrequenciesDatabaseFile, file + "TOOLONGCODE\r\n");
  frequencies = {};
  ASSERT_TRUE(ReadFrequenciesDatabase(&frequencies, &counts));
  EXPECT_EQ(counts.records, kMaxFrequencies);
  EXPECT_EQ(counts.beyondCapacity, 6);
}
