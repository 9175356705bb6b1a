// The shipped country lists, and country files that are shorter or wider than they should be.
#include "race/country_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/bounded.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

using storagetest::WorkingFolder;
using testsupport::WriteBytes;

namespace {
CountryTable countries;
}

TEST(CountryFiles, TheShippedListsPairA208NamesWithTheirFlagCodes) {
  WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryCodesFile));
  countries = {};
  ASSERT_TRUE(ReadCountryNames(&countries));
  ASSERT_TRUE(ReadCountryCodes(&countries));
  std::set<std::string> names, codes;
  for (const CountryEntry& country : countries) {
    std::string code = country.code;
    EXPECT_FALSE(std::string(country.name).empty());
    EXPECT_GE(code.size(), 3u) << country.name;
    for (char c : code) EXPECT_TRUE(c >= 'A' && c <= 'Z') << country.name << " " << code;
    names.insert(country.name);
    codes.insert(code);
  }
  EXPECT_EQ(names.size(), 208u);
  EXPECT_EQ(codes.size(), 208u) << "each flag bitmap belongs to one country";
  auto france = std::find_if(countries.begin(), countries.end(),
                             [](const CountryEntry& c) { return std::string(c.name) == "France"; });
  ASSERT_NE(france, countries.end());
  EXPECT_STREQ(france->code, "FRA");
  bool accented = false;
  for (const CountryEntry& country : countries) accented |= std::string(country.name) == "Côte d'Ivoire";
  EXPECT_TRUE(accented) << "names are Windows-1252 text";
}

TEST(CountryFiles, ShortFilesAndLongLinesStayInsideTheTable) {
  WorkingFolder folder;
  std::string names = std::string(60, 'N') + "\r\n\r\n";
  for (int i = 2; i < 207; ++i) names += "Country " + std::to_string(i) + "\r\n";
  WriteBytes(kCountryNamesFile, names);
  WriteBytes(kCountryCodesFile, "ABCDEFG\r\nXY");  // no line end after the last code
  countries = {};
  platform::CopyBounded(countries[1].name, "kept");
  platform::CopyBounded(countries[207].name, "untouched");
  ASSERT_TRUE(ReadCountryNames(&countries));
  ASSERT_TRUE(ReadCountryCodes(&countries));
  EXPECT_EQ(std::string(countries[0].name), std::string(34, 'N'));
  EXPECT_STREQ(countries[1].name, "kept") << "an empty line leaves the field as it was";
  EXPECT_STREQ(countries[206].name, "Country 206");
  EXPECT_STREQ(countries[207].name, "untouched") << "a 207-line file fills 207 entries";
  EXPECT_STREQ(countries[0].code, "ABCD");
  EXPECT_STREQ(countries[1].code, "XY");
  EXPECT_STREQ(countries[2].code, "");

  platform::DeleteFileAt(kCountryCodesFile);
  EXPECT_FALSE(ReadCountryCodes(&countries));
  EXPECT_STREQ(countries[0].code, "ABCD");
}
