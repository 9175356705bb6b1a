// The table logic of the reference database dialogs: key rules, add, remove, import
// filtering, load compaction, export naming and the all-or-nothing write.
#include "setup/database_dialog_model.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "setup/database_dialog_rules.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

using namespace dbdialog;

namespace {

// Large tables are static; each test starts from cleared ones.
DriversTable drivers;
ClubsTable clubs;
AgeCategoriesTable ages;
ChampionshipsTable championships;
CarCategoriesTable carCategories;
FrequenciesTable frequencies;

int Add(const TableView& table, const KeyRules& rules, const char* key, KeyCheck* check = nullptr) {
  KeyCheck ignored;
  return AddKey(table, rules, key, check ? check : &ignored);
}

std::string KeyAt(const TableView& table, int i) { return table.Key(i); }

class DatabaseDialogModel : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearTable(DriversView(&drivers));
    ClearTable(ClubsView(&clubs));
    ClearTable(AgeCategoriesView(&ages));
    ClearTable(ChampionshipsView(&championships));
    ClearTable(CarCategoriesView(&carCategories));
    ClearTable(FrequenciesView(&frequencies));
  }
};

}  // namespace

TEST_F(DatabaseDialogModel, DriverNamesRefuseReservedWordsEmptyBlankLedAndCaseDuplicates) {
  TableView table = DriversView(&drivers);
  KeyRules rules = DriverKeyRules();
  for (const char* refused : {"(NA)", "PisteRallye", "MaCourseRallye2", "", " Anna"}) {
    EXPECT_EQ(Add(table, rules, refused), -1) << refused;
  }
  EXPECT_GE(Add(table, rules, "pisterallye"), 0) << "the reserved words respect letter case";
  EXPECT_GE(Add(table, rules, "Martin"), 0);
  EXPECT_EQ(Add(table, rules, "MARTIN"), -1) << "drivers compare ignoring case";
  EXPECT_EQ(CountKeys(table), 2);
  EXPECT_EQ(KeyAt(table, 0), "Martin") << "sorted lower-cased";
}

TEST_F(DatabaseDialogModel, AddStartsFromAClearedRecordAndSelectsTheNewKey) {
  TableView table = DriversView(&drivers);
  // Leftovers behind the list, as an import of a record without a name can leave them.
  platform::CopyBounded(drivers[0].team, "Old team");
  platform::CopyBounded(drivers[0].photoPath, "C:\\old.bmp");
  int index = Add(table, DriverKeyRules(), "Zoe");
  ASSERT_EQ(index, 0);
  EXPECT_STREQ(drivers[0].team, "");
  EXPECT_STREQ(drivers[0].photoPath, "");
  EXPECT_EQ(Add(table, DriverKeyRules(), "Adam"), 0);
  EXPECT_EQ(KeyAt(table, 1), "Zoe");
}

TEST_F(DatabaseDialogModel, ExactDuplicateTestAcceptsOtherCaseAndKeepsThemAdjacent) {
  TableView table = ClubsView(&clubs);
  KeyRules rules = ClubKeyRules();
  Add(table, rules, "Racing");
  Add(table, rules, "Alpha");
  Add(table, rules, "Zeta");
  EXPECT_EQ(Add(table, rules, "Racing"), -1);
  int index = Add(table, rules, "RACING");
  ASSERT_GE(index, 0);
  EXPECT_EQ(CountKeys(table), 4);
  EXPECT_EQ(KeyAt(table, 1), "RACING") << "equal sort keys: the later record first";
  EXPECT_EQ(KeyAt(table, 2), "Racing");
  EXPECT_EQ(FindKey(table, "racing", true), index) << "the selection goes to the first equal ignoring case";
}

TEST_F(DatabaseDialogModel, KeysAreNormalisedBeforeAnyTest) {
  TableView categories = CarCategoriesView(&carCategories);
  ASSERT_GE(Add(categories, CarCategoryKeyRules(false), "Tout-terrain-1-8"), 0);
  EXPECT_EQ(KeyAt(categories, 0), "Tout_terrain_1_8");
  EXPECT_EQ(Add(categories, CarCategoryKeyRules(false), "Tout_terrain_1_8"), -1);
  ASSERT_GE(Add(categories, CarCategoryKeyRules(false), "Tab\there"), 0);
  EXPECT_EQ(FindKey(categories, "Tab here", false), 0) << "a TAB would shift the fields of the line";

  TableView codes = AgeCategoriesView(&ages);
  KeyRules rules = AgeCategoryKeyRules(false);
  EXPECT_EQ(Add(codes, rules, "A "), -1) << "second character blank";
  EXPECT_EQ(Add(codes, rules, " A"), -1);
  EXPECT_EQ(Add(codes, rules, "(-"), 0);
  EXPECT_EQ(KeyAt(codes, 0), "__");
  EXPECT_EQ(Add(codes, rules, "Jx"), 1) << "age categories keep the order of entry";
  EXPECT_EQ(Add(codes, rules, "JX"), -1) << "ignoring case";
  EXPECT_EQ(Add(codes, rules, "ABC"), 2) << "read up to two characters";
  EXPECT_EQ(KeyAt(codes, 2), "AB");
  EXPECT_EQ(ages[2].isNew, 1);
  EXPECT_EQ(ages[2].bornFrom, 0);
  EXPECT_EQ(ages[2].bornTo, 0);
}

TEST_F(DatabaseDialogModel, PlainCharacterRuleComesFirstAndAloneShowsAMessage) {
  TableView table = ChampionshipsView(&championships);
  KeyRules rules = ChampionshipKeyRules();
  KeyCheck check;
  EXPECT_EQ(Add(table, rules, "Coupe \xE9t\xE9", &check), -1);
  EXPECT_EQ(check, KeyCheck::RefusedWithMessage);
  EXPECT_EQ(Add(table, rules, "..\\..\\Windows", &check), -1);
  EXPECT_EQ(check, KeyCheck::RefusedWithMessage) << "a name cannot climb out of its folder";
  EXPECT_EQ(Add(table, rules, " Open 2024", &check), -1);
  EXPECT_EQ(check, KeyCheck::Refused);
  EXPECT_GE(Add(table, rules, "Open 2024", &check), 0);

  EXPECT_EQ(CheckKeyText(AgeCategoryKeyRules(true), "\xC9" "1"), KeyCheck::RefusedWithMessage);
  EXPECT_EQ(CheckKeyText(CarCategoryKeyRules(true), "Piste 1/10"), KeyCheck::RefusedWithMessage);
  EXPECT_EQ(CheckKeyText(CarCategoryKeyRules(false), "Piste 1/10"), KeyCheck::Accepted);
}

TEST_F(DatabaseDialogModel, FrequencyCodesHaveExactlySixCharacters) {
  TableView table = FrequenciesView(&frequencies);
  KeyRules rules = FrequencyKeyRules();
  EXPECT_EQ(Add(table, rules, "27.095"), 0);
  EXPECT_EQ(Add(table, rules, "40.66"), -1);
  EXPECT_EQ(Add(table, rules, "40.6650"), -1) << "a pasted seven-character code is not cut to six";
  EXPECT_EQ(Add(table, rules, "27.095"), -1);
  EXPECT_GE(Add(table, rules, "27.09A"), 0) << "another code";
}

TEST_F(DatabaseDialogModel, AFullTableRefusesAdd) {
  TableView table = ChampionshipsView(&championships);
  for (int i = 0; i < kMaxChampionships; ++i) {
    ASSERT_GE(Add(table, ChampionshipKeyRules(), ("Cup " + std::to_string(i)).c_str()), 0);
  }
  EXPECT_EQ(Add(table, ChampionshipKeyRules(), "One more"), -1);
  EXPECT_EQ(CountKeys(table), kMaxChampionships);
}

TEST_F(DatabaseDialogModel, RemoveRespectsSelectionMinimumAndOrder) {
  TableView table = DriversView(&drivers);
  EXPECT_FALSE(RemoveAt(table, -1, 2)) << "no selection in an empty list";
  Add(table, DriverKeyRules(), "Only");
  EXPECT_FALSE(RemoveAt(table, 0, 2)) << "the drivers dialog keeps its last driver";
  Add(table, DriverKeyRules(), "Second");
  EXPECT_TRUE(RemoveAt(table, 0, 2));
  EXPECT_EQ(CountKeys(table), 1);
  EXPECT_EQ(KeyAt(table, 0), "Second");

  TableView codes = AgeCategoriesView(&ages);
  for (const char* code : {"C1", "C2", "C3"}) Add(codes, AgeCategoryKeyRules(false), code);
  ages[2].bornTo = 77;
  EXPECT_TRUE(RemoveAt(codes, 1, 1));
  EXPECT_EQ(KeyAt(codes, 0), "C1");
  EXPECT_EQ(KeyAt(codes, 1), "C3");
  EXPECT_EQ(ages[1].bornTo, 77) << "a later record moves down whole";
  EXPECT_EQ(ages[2].isNew, 1) << "the freed record is a cleared one";
  EXPECT_TRUE(RemoveAt(codes, 0, 1));
  EXPECT_TRUE(RemoveAt(codes, 0, 1));
  EXPECT_EQ(CountKeys(codes), 0);
  EXPECT_FALSE(RemoveAt(codes, 0, 1)) << "nothing left to remove";
}

TEST_F(DatabaseDialogModel, RemoveClearsEveryRecordWithThatKey) {
  TableView table = ClubsView(&clubs);
  platform::CopyBounded(clubs[0].key, "Twin");
  platform::CopyBounded(clubs[1].key, "Other");
  platform::CopyBounded(clubs[2].key, "Twin");
  platform::CopyBounded(clubs[2].email, "a@b");
  EXPECT_TRUE(RemoveAt(table, 0, 1));
  EXPECT_EQ(CountKeys(table), 1);
  EXPECT_EQ(KeyAt(table, 0), "Other");
  EXPECT_STREQ(clubs[1].email, "") << "no empty record is written after the list";
}

TEST_F(DatabaseDialogModel, ImportDropsWhatAddWouldRefuseAndCompacts) {
  TableView table = DriversView(&drivers);
  const char* names[] = {"Anna", "", "(NA)", "Bruno", "anna", " Lead", "XCourseRallye1", "Carl"};
  int i = 0;
  for (const char* name : names) {
    platform::CopyBounded(drivers[static_cast<std::size_t>(i)].name, name);
    platform::CopyBounded(drivers[static_cast<std::size_t>(i)].team, "T");
    ++i;
  }
  EXPECT_EQ(DropRefusedRecords(table, DriverKeyRules()), 4);
  ASSERT_EQ(CountKeys(table), 3);
  EXPECT_EQ(KeyAt(table, 0), "Anna");
  EXPECT_EQ(KeyAt(table, 1), "Bruno");
  EXPECT_EQ(KeyAt(table, 2), "Carl");
  EXPECT_STREQ(drivers[3].team, "") << "dropped records leave nothing behind";

  TableView names2 = ChampionshipsView(&championships);
  platform::CopyBounded(championships[0].name, "../../x");
  platform::CopyBounded(championships[1].name, "Club Cup");
  EXPECT_EQ(DropRefusedRecords(names2, ChampionshipKeyRules()), 1);
  EXPECT_EQ(KeyAt(names2, 0), "Club Cup");
}

TEST_F(DatabaseDialogModel, AnEmptyKeyInTheMiddleOfAFileNoLongerHidesTheRecordsBehindIt) {
  storagetest::WorkingFolder folder;
  testsupport::WriteBytes(kClubsDatabaseFile,
                          "Alpha\tA\t\t\t\t\t\t\t\t\r\n\tOrphan\t\t\t\t\t\t\t\t\r\nBeta\tB\t\t\t\t\t\t\t\t\r\n");
  ASSERT_TRUE(ReadClubsDatabase(&clubs));
  TableView table = ClubsView(&clubs);
  EXPECT_EQ(CountKeys(table), 1) << "as read, the list would end at the empty key";
  CompactTable(table);
  ASSERT_EQ(CountKeys(table), 2);
  EXPECT_EQ(KeyAt(table, 1), "Beta");
  EXPECT_STREQ(clubs[1].fullName, "B");
}

TEST(DatabaseDialogText, TabsAndLineBreaksCannotShiftFields) {
  char single[] = "a\tb\r\nc";
  SanitizeText(single, false);
  EXPECT_STREQ(single, "a b  c");
  char multi[] = "line 1\r\nline\t2";
  SanitizeText(multi, true);
  EXPECT_STREQ(multi, "line 1\r\nline 2");
}

TEST(DatabaseDialogExport, PathsAreBoundedAndTheExtensionAppendedOnlyWhenMissing) {
  char out[32];
  EXPECT_TRUE(BuildExportProposal("C:\\Club", "*.bdc2", out, sizeof out));
  EXPECT_STREQ(out, "C:\\Club\\*.bdc2");
  EXPECT_FALSE(BuildExportProposal(std::string(40, 'f').c_str(), "*.bdc2", out, sizeof out));
  EXPECT_STREQ(out, "");

  EXPECT_TRUE(platform::NameWithExtension("C:\\x\\teams", ".bdc2", out, sizeof out));
  EXPECT_STREQ(out, "C:\\x\\teams.bdc2");
  EXPECT_TRUE(platform::NameWithExtension("C:\\x\\teams.bdc2.old", ".bdc2", out, sizeof out));
  EXPECT_STREQ(out, "C:\\x\\teams.bdc2.old") << "contained anywhere: used as typed";
  // File names ignore letter case: an extension typed in capitals is the extension.
  EXPECT_TRUE(platform::NameWithExtension("C:\\x\\CATS.BDS2", ".bds2", out, sizeof out));
  EXPECT_STREQ(out, "C:\\x\\CATS.BDS2");
  EXPECT_TRUE(platform::NameWithExtension("C:\\x\\Cats.Bdc2", ".bdc2", out, sizeof out));
  EXPECT_STREQ(out, "C:\\x\\Cats.Bdc2");
  EXPECT_TRUE(platform::NameWithExtension("C:\\x\\cats.bds", ".bds2", out, sizeof out));
  EXPECT_STREQ(out, "C:\\x\\cats.bds.bds2") << "a part of the extension is not the extension";
  EXPECT_FALSE(platform::NameWithExtension(std::string(28, 'n').c_str(), ".bdc2", out, sizeof out))
      << "no cut path is ever written";
}

namespace {
bool WriteGood(const char* path, const void*) {
  std::FILE* file = platform::OpenFile(path, "wb");
  if (!file) return false;
  std::fputs("new\r\n", file);
  std::fclose(file);
  return true;
}
bool WriteHalfThenFail(const char* path, const void*) {
  std::FILE* file = platform::OpenFile(path, "wb");
  if (file) {
    std::fputs("ha", file);
    std::fclose(file);
  }
  return false;
}
}  // namespace

TEST(DatabaseDialogConfirm, TheDatabaseIsReplacedOnlyByACompleteWrite) {
  storagetest::WorkingFolder folder;
  testsupport::WriteBytes("db.bd", "old\r\n");
  EXPECT_FALSE(ReplaceDatabaseFile("db.bd", WriteHalfThenFail, nullptr));
  EXPECT_EQ(testsupport::ReadBytes("db.bd"), "old\r\n");
  EXPECT_FALSE(platform::FileExists("db.bd.tmp"));
  EXPECT_TRUE(ReplaceDatabaseFile("db.bd", WriteGood, nullptr));
  EXPECT_EQ(testsupport::ReadBytes("db.bd"), "new\r\n");
  EXPECT_FALSE(platform::FileExists("db.bd.tmp"));
}

TEST_F(DatabaseDialogModel, DriverLoadCorrections) {
  const char* birthdays[] = {"-5", "999999", "", "1200", "abc"};
  for (int i = 0; i < 5; ++i) platform::CopyBounded(drivers[static_cast<std::size_t>(i)].birthday, birthdays[i]);
  CorrectBirthdays(&drivers, 1500);
  EXPECT_STREQ(drivers[0].birthday, "0");
  EXPECT_STREQ(drivers[1].birthday, "0");
  EXPECT_STREQ(drivers[2].birthday, "0");
  EXPECT_EQ(drivers[3].birthdayMonths, 1200);
  EXPECT_STREQ(drivers[4].birthday, "0");

  platform::CopyBounded(drivers[0].team, "Known");
  platform::CopyBounded(drivers[1].team, "Gone");
  platform::CopyBounded(drivers[2].team, "known");
  KeepListedValues(DriversView(&drivers), offsetof(DriverRecord, team), sizeof drivers[0].team, {"Known"});
  EXPECT_STREQ(drivers[0].team, "Known");
  EXPECT_STREQ(drivers[1].team, "") << "not a club key";
  EXPECT_STREQ(drivers[2].team, "") << "exact comparison";
}

TEST_F(DatabaseDialogModel, AgeCategoryShownIsTheLastMatchAndBoundsStayOrdered) {
  AgeCategoryRecord junior{"J", "Junior", 1, 1200, 1300};
  AgeCategoryRecord young{"Y", "Young", 1, 1250, 1400};
  ages[0] = junior;
  ages[1] = young;
  EXPECT_EQ(AgeCategoryLabel(ages, 1260), "Y : Young");
  EXPECT_EQ(AgeCategoryLabel(ages, 1210), "J : Junior");
  EXPECT_EQ(AgeCategoryLabel(ages, 0), " ") << "cleared categories span January 1900 but match nothing";
  EXPECT_EQ(AgeCategoryLabel(ages, 1500), " ");

  ChooseLowerBound(&ages[0], 1350);
  EXPECT_EQ(ages[0].bornFrom, 1300) << "pulled back to the second bound";
  ChooseUpperBound(&ages[0], 10);
  EXPECT_EQ(ages[0].bornTo, 1300);
  EXPECT_EQ(MonthCount(-1, -1), 0) << "a picker without a selection counts as index 0";
  EXPECT_EQ(MonthCount(3, 100), 1203);
  EXPECT_EQ(YearsSince(1211, 1511), 25);
  // Bounds a damaged file gave, at both ends of the int range.
  EXPECT_EQ(YearsSince(INT_MIN, 1511), (1511 + 2147483648LL) / 12);
  EXPECT_EQ(YearsSince(INT_MAX, 1511), (1511 - 2147483647LL) / 12);
}

TEST(DatabaseDialogRules, TransponderIsStoredOnlyWithSixDigits) {
  char field[7] = "111111";
  EXPECT_FALSE(StoreTransponder(field, "12345"));
  EXPECT_STREQ(field, "111111");
  EXPECT_TRUE(StoreTransponder(field, "123456"));
  EXPECT_STREQ(field, "123456");
}

TEST_F(DatabaseDialogModel, FrequencyAndTransponderFilesHaveTheirLayouts) {
  storagetest::WorkingFolder folder;
  platform::CopyBounded(frequencies[0].code, "27.095");
  platform::CopyBounded(frequencies[1].code, "40.665");
  ASSERT_TRUE(WriteFrequenciesFile(kFrequenciesDatabaseFile, frequencies, 2));
  EXPECT_EQ(testsupport::ReadBytes(kFrequenciesDatabaseFile), "27.095\r\n40.665\r\n");

  static TransponderSetsTable sets;
  ClearTransponderSetsTable(&sets);
  ASSERT_TRUE(WriteTransponderSetsFile(kTransponderSetsDatabaseFile, sets));
  std::string empty;
  for (int i = 0; i < 20; ++i) empty += std::string(21, '\t') + "\r\n";
  EXPECT_EQ(testsupport::ReadBytes(kTransponderSetsDatabaseFile), empty) << "20 lines of 21 empty fields";
}
