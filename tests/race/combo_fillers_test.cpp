// The strings the combo fillers add: one per record, multi-line fields included, and the
// month and year lists of the date combos.
#include "race/combo_fillers.h"

#include <gtest/gtest.h>

#include <string>

#include "app/build_profile.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

using storagetest::WorkingFolder;
using testsupport::WriteBytes;

TEST(ComboFillers, OneStringPerRecordEvenWhenItsFieldsSpanLines) {
  WorkingFolder folder;
  // Characteristics and descriptions typed over several lines, as the runtime stores them.
  WriteBytes(kCarCategoriesDatabaseFile,
             "Touring\tquick\tline one\r\r\nline two\r\r\n\r\r\nline four\t\r\n"
             "\tno name\t\t\r\n" +
                 std::string(60, 'C') + "\tlast\tx\r\r\ny\t\r\n");
  WriteBytes(kChampionshipsDatabaseFile, "Ligue\tfirst\r\r\nsecond\t\r\nOpen\t\t\r\n");
  ComboStrings strings;
  ASSERT_TRUE(CollectCarCategoryNames(&strings));
  EXPECT_EQ(strings, (ComboStrings{"Touring", "", std::string(49, 'C')}));
  strings.clear();
  ASSERT_TRUE(CollectChampionshipNames(&strings));
  EXPECT_EQ(strings, (ComboStrings{"Ligue", "Open"}));

  // Clubs and cars: their first field, within its width, at most the table's capacity.
  std::string clubs;
  for (int i = 0; i < 120; ++i) clubs += "Club" + std::to_string(i) + std::string(20, 'k') + std::string(9, '\t') + "\r\n";
  WriteBytes(kClubsDatabaseFile, clubs);
  WriteBytes(kCarsDatabaseFile, "Lancia 037\tLancia\t037\tGroup B\tcar.bmp\t\r\nFulvia");
  strings.clear();
  ASSERT_TRUE(CollectClubKeys(&strings));
  ASSERT_EQ(strings.size(), 100u);
  EXPECT_EQ(strings[0], "Club0kkkkkkkkk");
  strings.clear();
  ASSERT_TRUE(CollectCarNames(&strings));
  EXPECT_EQ(strings, (ComboStrings{"Lancia 037", "Fulvia"}));

  strings = {"before"};
  platform::DeleteFileAt(kCarsDatabaseFile);
  EXPECT_FALSE(CollectCarNames(&strings));
  EXPECT_EQ(strings, ComboStrings{"before"});
}

TEST(ComboFillers, CountriesStopAfter208LinesOrAtTheEndOfTheFile) {
  WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  ComboStrings strings;
  ASSERT_TRUE(CollectCountryNames(&strings));
  EXPECT_EQ(strings.size(), 208u);

  std::string file;
  for (int i = 0; i < 250; ++i) file += "Country " + std::to_string(i) + "\r\n";
  WriteBytes(kCountryNamesFile, file);
  strings.clear();
  ASSERT_TRUE(CollectCountryNames(&strings));
  EXPECT_EQ(strings.size(), 208u);

  WriteBytes(kCountryNamesFile, "France\r\n\r\nItaly");
  strings.clear();
  ASSERT_TRUE(CollectCountryNames(&strings));
  EXPECT_EQ(strings, (ComboStrings{"France", "", "Italy"}));
}

TEST(ComboFillers, MonthsAndYears) {
  ComboStrings strings;
  CollectYears(2024, &strings);
  ASSERT_EQ(strings.size(), 2024u - 1899u);
  EXPECT_EQ(strings.front(), "1900");
  EXPECT_EQ(strings[124], "2024");

  strings.clear();
  CollectMonthNames(&strings);
  ASSERT_EQ(strings.size(), 12u);
  EXPECT_EQ(strings[0], "January");
  EXPECT_EQ(strings[11], "December");

  SetActiveProfile(kFrenchBuild);
  strings.clear();
  CollectMonthNames(&strings);
  SetActiveProfile(kEnglishBuild);
  EXPECT_EQ(strings[1], "Février");
}
