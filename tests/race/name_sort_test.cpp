// The name sort of the database dialogs: lowered A-Z only, unsigned bytes, empty keys last,
// later records first among equal keys, every record placed once and moved whole.
#include "race/name_sort.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/bounded.h"
#include "race/event_records.h"

namespace {

DriversTable drivers;
CarsTable cars;
FrequenciesTable frequencies;

// Names of the first n drivers, each followed by its licence number (where it came from).
std::vector<std::string> DriverOrder(int n) {
  std::vector<std::string> order;
  for (int i = 0; i < n; ++i) {
    const DriverRecord& driver = drivers[static_cast<std::size_t>(i)];
    order.push_back(std::string(driver.name) + "#" + driver.licenceNumber);
  }
  return order;
}

void SetDrivers(const std::vector<std::string>& names) {
  drivers = {};
  for (std::size_t i = 0; i < drivers.size(); ++i) {
    DriverRecord& driver = drivers[i];
    if (i < names.size()) platform::CopyBounded(driver.name, names[i].c_str());
    platform::CopyBounded(driver.licenceNumber, std::to_string(i).c_str());
    driver.birthdayMonths = static_cast<int>(i);
  }
}

}  // namespace

TEST(NameSort, EqualKeysTakeTheLaterRecordFirstAndEmptyKeysGoLast) {
  SetDrivers({"bob", "Alice", "", "alice"});
  SortDriversByName(&drivers);
  EXPECT_EQ(DriverOrder(4), (std::vector<std::string>{"alice#3", "Alice#1", "bob#0", "#499"}));
  EXPECT_EQ(std::string(drivers[499].licenceNumber), "2") << "the empty records come in reverse order";
  EXPECT_EQ(drivers[0].birthdayMonths, 3) << "the record moves whole";

  // Every record is placed exactly once.
  std::vector<bool> seen(kMaxDrivers);
  for (const DriverRecord& driver : drivers) seen[static_cast<std::size_t>(driver.birthdayMonths)] = true;
  for (int i = 0; i < kMaxDrivers; ++i) EXPECT_TRUE(seen[static_cast<std::size_t>(i)]) << i;
}

TEST(NameSort, BytesCompareUnsignedAndOnlyAsciiCapitalsAreLowered) {
  SetDrivers({"Émile", "zoé", "{brace", "~tilde", "Zed", "A", "Ab", "ab", "_under", "éric"});
  SortDriversByName(&drivers);
  // Lowered, "Zed" comes after "_under" (0x5F), which an unlowered "Z" (0x5A) would
  // precede; a prefix comes first; "{" and "~" follow "z"; É and é (0xC9, 0xE9) come
  // after every ASCII byte and are not lowered, so É stays before é.
  EXPECT_EQ(DriverOrder(11),
            (std::vector<std::string>{"_under#8", "A#5", "ab#7", "Ab#6", "Zed#4", "zoé#1", "{brace#2",
                                      "~tilde#3", "Émile#0", "éric#9", "#499"}));
}

TEST(NameSort, OnlyEmptyRecordsAreReversed) {
  cars = {};
  for (std::size_t i = 0; i < cars.size(); ++i) platform::CopyBounded(cars[i].brand, std::to_string(i).c_str());
  SortCarsByName(&cars);
  EXPECT_STREQ(cars[0].brand, "499");
  EXPECT_STREQ(cars[499].brand, "0");
}

TEST(NameSort, FrequencyCodesOfSmallZSortBeforeTheEmptyOnes) {
  frequencies = {};
  platform::CopyBounded(frequencies[0].code, "zzzzzz");
  platform::CopyBounded(frequencies[2].code, "A40001");
  platform::CopyBounded(frequencies[5].code, "b27001");
  SortFrequenciesByLabel(&frequencies);
  EXPECT_STREQ(frequencies[0].code, "A40001");
  EXPECT_STREQ(frequencies[1].code, "b27001");
  EXPECT_STREQ(frequencies[2].code, "zzzzzz");
  EXPECT_STREQ(frequencies[3].code, "");
}

TEST(NameSort, KeysAreReadWithinTheirFieldAndParticipantsSortByName) {
  // A key field filled to its last byte, without terminator, is read up to width - 1.
  static ClubsTable clubs = {};
  std::memset(clubs[0].key, 'b', sizeof clubs[0].key);
  platform::CopyBounded(clubs[1].key, "a");
  SortClubsByName(&clubs);
  EXPECT_STREQ(clubs[0].key, "a");
  EXPECT_EQ(clubs[1].key[0], 'b');

  static ParticipantRecord participants[kMaxParticipants] = {};
  platform::CopyBounded(participants[3].name, "Bea");
  platform::CopyBounded(participants[3].frequencies[4], "F5");
  platform::CopyBounded(participants[7].name, "al");
  SortParticipantsByName(participants);
  EXPECT_STREQ(participants[0].name, "al");
  EXPECT_STREQ(participants[1].name, "Bea");
  EXPECT_STREQ(participants[1].frequencies[4], "F5");
}
