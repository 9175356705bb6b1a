// The participants dialog's copies: taking and removing drivers with the start order, the
// team refresh and the international prefix at loading, and the bodies Validate writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bounded.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/settings_files.h"
#include "setup/participants_model.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/message_texts.h"

namespace {

// Lines of a body, without their line ends.
std::vector<std::string> Lines(const SectionBody& body) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : body.text()) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  return lines;
}

void AddDriver(DriverPickRecord* driver, const char* name, const char* team, const char* country, const char* car,
               int birthdayMonths) {
  platform::CopyBounded(driver->name, name);
  platform::CopyBounded(driver->team, team);
  platform::CopyBounded(driver->country, country);
  platform::CopyBounded(driver->car, car);
  platform::CopyBounded(driver->carNumber, "7");
  platform::CopyBounded(driver->transponder, "123456");
  driver->birthdayMonths = birthdayMonths;
}

void AddAgeCategory(AgeCategoryRecord* category, const char* code, const char* name, int from, int to) {
  platform::CopyBounded(category->code, code);
  platform::CopyBounded(category->name, name);
  category->isNew = 0;
  category->bornFrom = from;
  category->bornTo = to;
}

std::vector<std::string> StartOrderNames(const ParticipantsDialogData& data, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(data.startOrder.names[i]);
  return names;
}

class ParticipantsModel : public ::testing::Test {
 protected:
  // Rally 1 of one, no participants, a start order of "(NA)", four drivers, two age
  // categories that overlap, a car with its category and two countries.
  void SetUp() override {
    ClearParticipantsData(&data);
    data.rallyCount = 1;
    data.selectedNode = 10000;
    data.rally = 1;
    platform::CopyBounded(data.rallies[0].name, "Spring");
    for (auto& name : data.startOrder.names) platform::CopyBounded(name, kEmptySlotName);
    AddDriver(&data.drivers[0], "Martin", "Ridge RC", "France", "Buggy 8", 1200);
    AddDriver(&data.drivers[1], "Alvarez", "Sierra", "Spain", "Truggy", 1300);
    AddDriver(&data.drivers[2], "Baker", "Moor", "Atlantis", "Unknown car", 0);
    AddDriver(&data.drivers[3], "Cole", "Moor", "", "Buggy 8", 1250);
    AddAgeCategory(&data.ageCategories[0], "S", "Senior", 0, 1290);
    AddAgeCategory(&data.ageCategories[1], "V", "Veteran", 1100, 1210);
    platform::CopyBounded(data.cars[0].name, "Buggy 8");
    platform::CopyBounded(data.cars[0].category, "1/8 buggy");
    platform::CopyBounded(data.cars[1].name, "Truggy");
    platform::CopyBounded(data.cars[1].category, "Truggy class");
    platform::CopyBounded(data.countries[0].name, "France");
    platform::CopyBounded(data.countries[0].code, "FR");
    platform::CopyBounded(data.countries[1].name, "Spain");
    platform::CopyBounded(data.countries[1].code, "ES");
  }

  static ParticipantsDialogData data;
};

ParticipantsDialogData ParticipantsModel::data;

TEST_F(ParticipantsModel, ADriverIsTakenWithTeamCarCategoryAndAgeAndStartsLast) {
  ASSERT_TRUE(TakeDriver(&data, 0));
  ASSERT_TRUE(TakeDriver(&data, 1));
  EXPECT_EQ(ParticipantCount(data), 2);
  EXPECT_EQ(data.rallies[0].participantCount, 2);
  const ParticipantRecord& alvarez = data.participants[0];  // sorted by name
  EXPECT_STREQ(alvarez.name, "Alvarez");
  EXPECT_STREQ(alvarez.team, "Sierra");
  EXPECT_STREQ(alvarez.car, "Truggy");
  EXPECT_STREQ(alvarez.carCategory, "Truggy class");
  EXPECT_STREQ(alvarez.carNumber, "7");
  EXPECT_STREQ(alvarez.transponder, "123456");
  EXPECT_STREQ(alvarez.ageCategoryCode, "") << "born after every category";
  const ParticipantRecord& martin = data.participants[1];
  EXPECT_STREQ(martin.ageCategoryCode, "V") << "the last matching category wins";
  EXPECT_STREQ(martin.ageCategoryName, "Veteran");
  EXPECT_STREQ(martin.carCategory, "1/8 buggy");
  EXPECT_EQ(StartOrderNames(data, 3), (std::vector<std::string>{"Martin", "Alvarez", "(NA)"}));

  // Taking one again, or a driver slot without a name, changes nothing.
  const ParticipantsDialogData before = data;
  EXPECT_FALSE(TakeDriver(&data, 0));
  EXPECT_FALSE(TakeDriver(&data, 10));
  EXPECT_FALSE(TakeDriver(&data, -1));
  EXPECT_FALSE(TakeDriver(&data, kMaxDrivers));
  EXPECT_EQ(std::memcmp(&before, &data, sizeof data), 0);
}

TEST_F(ParticipantsModel, AnInternationalEventKeepsTheCountryCodeInTheTeamField) {
  data.international = 1;
  platform::CopyBounded(data.countries[5].name, "France");
  platform::CopyBounded(data.countries[5].code, "FRA");
  ASSERT_TRUE(TakeDriver(&data, 0));
  ASSERT_TRUE(TakeDriver(&data, 2));
  ASSERT_TRUE(TakeDriver(&data, 3));
  EXPECT_STREQ(data.participants[0].name, "Baker");
  EXPECT_STREQ(data.participants[0].team, "") << "a country that is not among the 208";
  EXPECT_STREQ(data.participants[0].carCategory, "") << "a car that is not in the database";
  EXPECT_STREQ(data.participants[1].team, "") << "no country at all";
  EXPECT_STREQ(data.participants[2].team, "FRA") << "the last matching country wins";
}

TEST_F(ParticipantsModel, TheListHoldsAtMost200AndARallyWithResultsIsFrozen) {
  for (int i = 0; i < 201; ++i) std::snprintf(data.drivers[i].name, sizeof data.drivers[i].name, "Driver %03d", i);
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(TakeDriver(&data, i)) << i;
  EXPECT_FALSE(TakeDriver(&data, 200));
  EXPECT_EQ(ParticipantCount(data), 200);
  EXPECT_STREQ(data.startOrder.names[199], "Driver 199");

  data.rallies[0].hasResults = 1;
  EXPECT_FALSE(ParticipantsEditable(data));
  EXPECT_FALSE(RemoveParticipant(&data, "Driver 000"));
  EXPECT_EQ(ParticipantCount(data), 200);
  EXPECT_FALSE(SaveParticipants(nullptr, &data)) << "nothing is written for a rally with results";
}

TEST_F(ParticipantsModel, RemovingADriverClosesItsPlaceInTheStartOrder) {
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(TakeDriver(&data, i));
  ASSERT_EQ(StartOrderNames(data, 5), (std::vector<std::string>{"Martin", "Alvarez", "Baker", "Cole", "(NA)"}));
  ASSERT_TRUE(RemoveParticipant(&data, "Alvarez"));
  EXPECT_EQ(ParticipantCount(data), 3);
  EXPECT_EQ(data.rallies[0].participantCount, 3);
  EXPECT_STREQ(data.participants[0].name, "Baker");
  EXPECT_STREQ(data.participants[3].name, "") << "the cleared record goes last";
  EXPECT_EQ(StartOrderNames(data, 5), (std::vector<std::string>{"Martin", "Baker", "Cole", "(NA)", "(NA)"}));

  // The last starter.
  ASSERT_TRUE(RemoveParticipant(&data, "Cole"));
  EXPECT_EQ(StartOrderNames(data, 3), (std::vector<std::string>{"Martin", "Baker", "(NA)"}));

  // A name missing from the start order leaves it as it was.
  platform::CopyBounded(data.startOrder.names[1], "Somebody else");
  ASSERT_TRUE(RemoveParticipant(&data, "Baker"));
  EXPECT_EQ(StartOrderNames(data, 3), (std::vector<std::string>{"Martin", "Somebody else", "(NA)"}));

  // The only participant: an empty list and a start order of "(NA)".
  platform::CopyBounded(data.startOrder.names[1], kEmptySlotName);
  ASSERT_TRUE(RemoveParticipant(&data, "Martin"));
  EXPECT_EQ(ParticipantCount(data), 0);
  EXPECT_EQ(data.rallies[0].participantCount, 0);
  EXPECT_EQ(StartOrderNames(data, 2), (std::vector<std::string>{"(NA)", "(NA)"}));
  EXPECT_FALSE(RemoveParticipant(&data, "Martin")) << "not a participant any more";
}

TEST_F(ParticipantsModel, ANameFoundOnlyBeyondTheListLeavesTheOtherPlacesAlone) {
  ASSERT_TRUE(TakeDriver(&data, 0));
  ASSERT_TRUE(TakeDriver(&data, 1));
  // A start order that holds Martin a second time, far down.
  platform::CopyBounded(data.startOrder.names[0], "Alvarez");
  platform::CopyBounded(data.startOrder.names[1], "Cole");
  platform::CopyBounded(data.startOrder.names[5], "Martin");
  ASSERT_TRUE(RemoveParticipant(&data, "Martin"));
  EXPECT_EQ(StartOrderNames(data, 6), (std::vector<std::string>{"Alvarez", "Cole", "(NA)", "(NA)", "(NA)", "(NA)"}));
}

TEST_F(ParticipantsModel, TheThreeBodiesKeepTheListsSlotOrder) {
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(TakeDriver(&data, i));
  platform::CopyBounded(data.startOrder.label, "GRILLE");
  SectionBody participants, ages, startOrder;
  AddParticipantsSectionBodies(data, &participants, &ages, &startOrder);
  const std::vector<std::string> list = Lines(participants);
  ASSERT_EQ(list.size(), 200u);
  EXPECT_EQ(list[0], "Alvarez\tSierra\tTruggy\t7\t123456\tTruggy class\t\t\t\t\t\t");
  EXPECT_EQ(list[1].substr(0, 6), "Baker\t");
  EXPECT_EQ(list[2].substr(0, 7), "Martin\t");
  EXPECT_EQ(list[3], std::string(11, '\t'));
  const std::vector<std::string> ageLines = Lines(ages);
  ASSERT_EQ(ageLines.size(), 200u);
  EXPECT_EQ(ageLines[0], "Alvarez\t\t\t");
  EXPECT_EQ(ageLines[1], "Baker\tS\tSenior\t");
  EXPECT_EQ(ageLines[2], "Martin\tV\tVeteran\t");
  const std::vector<std::string> order = Lines(startOrder);
  ASSERT_EQ(order.size(), 201u);
  EXPECT_EQ(order[0], "0\tGRILLE\t");
  EXPECT_EQ(order[1], "Martin\t");
  EXPECT_EQ(order[2], "Alvarez\t");
  EXPECT_EQ(order[3], "Baker\t");
  EXPECT_EQ(order[4], "(NA)\t");
}

TEST(InternationalPrefix, IsRemovedAndTheTailCleared) {
  TrackDetails track = {};
  platform::CopyBounded(track.eventName, "i_n_t_Euro Cup");
  EXPECT_TRUE(StripInternationalPrefix(&track));
  EXPECT_STREQ(track.eventName, "Euro Cup");
  for (std::size_t i = std::strlen("Euro Cup"); i < sizeof track.eventName; ++i) EXPECT_EQ(track.eventName[i], 0);
  EXPECT_FALSE(StripInternationalPrefix(&track));
  EXPECT_STREQ(track.eventName, "Euro Cup");
}

// --- Loading from the files ---

class ParticipantsFiles : public ::testing::Test {
 protected:
  void WriteSection(const char* title, const SectionBody& body) {
    platform::TextFile file(kRallyFilePath, "r+");
    ASSERT_TRUE(WriteRallySection(nullptr, file, title, 10, body, Text::RallyFileNotFound));
  }
  void WriteRallySections(int rally, const ParticipantRecord* records, const char* const* order, int hasResults) {
    static char names[kMaxParticipants][kDriverNameSize];
    std::memset(names, 0, sizeof names);
    for (int i = 0; order[i]; ++i) platform::CopyBounded(names[i], order[i]);
    SectionBody list, start;
    AddParticipantsBody(list, records);
    AddStartOrderBody(start, hasResults, "LABEL", names);
    char title[kSectionTitleSize];
    FormatSectionTitle(title, kParticipantsKey, rally);
    WriteSection(title, list);
    FormatSectionTitle(title, kStartOrderKey, rally);
    WriteSection(title, start);
  }
  // Rally 1 "Spring" with the one participant Martin.
  void WriteEventWithMartin(int hasResults) {
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring"));
    std::memset(participants, 0, sizeof participants);
    platform::CopyBounded(participants[0].name, "Martin");
    const char* order[] = {"Martin", nullptr};
    WriteRallySections(1, participants, order, hasResults);
  }
  void WriteReferenceFiles() {
    static DriversTable drivers;
    std::memset(&drivers, 0, sizeof drivers);
    platform::CopyBounded(drivers[0].name, "Martin");
    platform::CopyBounded(drivers[0].team, "New team");
    platform::CopyBounded(drivers[0].country, "France");
    platform::CopyBounded(drivers[0].birthday, "99999");
    platform::CopyBounded(drivers[1].name, "Alvarez");
    platform::CopyBounded(drivers[1].team, "Sierra");
    ASSERT_TRUE(WriteDriversDatabase(kDriversDatabaseFile, drivers, 2));
    testsupport::WriteBytes(kCountryNamesFile, "Belgium\r\nFrance\r\n");
    testsupport::WriteBytes(kCountryCodesFile, "BE\r\nFR\r\n");
    testsupport::WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/logo club.bmp\tignored\t\r\n");
  }

  storagetest::WorkingFolder folder;
  static ParticipantsDialogData data;
  static ParticipantRecord participants[kMaxParticipants];
};

ParticipantsDialogData ParticipantsFiles::data;
ParticipantRecord ParticipantsFiles::participants[kMaxParticipants];

TEST_F(ParticipantsFiles, OpeningRefreshesTeamsFromTheDriversAndStripsThePrefix) {
  WriteReferenceFiles();
  ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring"));
  TrackDetails track = {};
  platform::CopyBounded(track.eventName, "i_n_t_Euro Cup");
  SectionBody trackBody;
  AddTrackBody(trackBody, track);
  WriteSection(kTrackKey, trackBody);
  std::memset(participants, 0, sizeof participants);
  platform::CopyBounded(participants[0].name, "Martin");
  platform::CopyBounded(participants[0].team, "Old");
  platform::CopyBounded(participants[1].name, "Nobody");
  platform::CopyBounded(participants[1].team, "Kept");
  const char* order[] = {"Nobody", "Martin", nullptr};
  WriteRallySections(1, participants, order, 0);
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, "Spring");
  rallies[0].participantCount = 2;
  rallies[0].stageCount = 3;
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 10000, 1, rallies));

  LoadParticipantsData(nullptr, &data, 1500);
  EXPECT_EQ(testsupport::ShownMessageTexts(), (std::vector<std::string>{"Error : Cars database file not found",
                                              "Error : Age categories database file not found"}));
  EXPECT_EQ(data.rally, 1);
  EXPECT_EQ(data.international, 1);
  EXPECT_STREQ(data.track.eventName, "Euro Cup");
  EXPECT_STREQ(data.title, "Euro Cup / Spring");
  EXPECT_STREQ(data.logoPath, "images/logo club.bmp");
  EXPECT_STREQ(data.participants[0].name, "Martin");
  EXPECT_STREQ(data.participants[0].team, "FR") << "the country code of an international event";
  EXPECT_STREQ(data.participants[1].team, "Kept") << "a participant no longer in the database";
  EXPECT_STREQ(data.startOrder.label, "LABEL");
  EXPECT_EQ(data.drivers[0].birthdayMonths, 0) << "a birthday after today counts as none";
  EXPECT_TRUE(ParticipantsEditable(data));

  // Validate: the stage count goes to 0 and the sections are rewritten in place.
  const long before = static_cast<long>(testsupport::ReadBytes(kRallyFilePath).size());
  ASSERT_TRUE(SaveParticipants(nullptr, &data));
  int node = 0, count = 0;
  ASSERT_TRUE(ReadRallyFileHeader(&node, &count, rallies));
  EXPECT_EQ(rallies[0].stageCount, 0);
  EXPECT_EQ(rallies[0].participantCount, 2);
  const std::string saved = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_GT(static_cast<long>(saved.size()), before) << "the ages section was appended";
  EXPECT_NE(saved.find("CourseRallye1AgeParticipants\t\r\nMartin\t\t\t\r\nNobody\t"), std::string::npos);
  ASSERT_TRUE(SaveParticipants(nullptr, &data));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath).size(), saved.size());
}

TEST_F(ParticipantsFiles, AStartOrderWithResultsFreezesTheListAndAMissingOneIsEmpty) {
  WriteEventWithMartin(1);
  LoadParticipantsData(nullptr, &data, 1500);
  EXPECT_EQ(data.rallies[0].hasResults, 1);
  EXPECT_FALSE(ParticipantsEditable(data));
  EXPECT_STREQ(data.startOrder.label, "LABEL");

  // Rally 2 has no sections: its start order is all "(NA)".
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, "Spring");
  platform::CopyBounded(rallies[1].name, "Autumn");
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 20000, 2, rallies));
  LoadParticipantsData(nullptr, &data, 1500);
  EXPECT_EQ(data.rally, 2);
  EXPECT_EQ(ParticipantCount(data), 0);
  EXPECT_STREQ(data.startOrder.names[0], "(NA)");
  EXPECT_STREQ(data.startOrder.names[199], "(NA)");
  EXPECT_STREQ(data.startOrder.label, kDefaultStartOrderLabel);
  EXPECT_TRUE(ParticipantsEditable(data));
}

TEST_F(ParticipantsFiles, AHeaderNamingNoRallyOfTheEventReadsAndWritesNoRallySection) {
  WriteEventWithMartin(0);
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, "Spring");
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 40000, 1, rallies));
  const std::string file = testsupport::ReadBytes(kRallyFilePath);
  LoadParticipantsData(nullptr, &data, 1500);
  EXPECT_EQ(data.rally, 0);
  EXPECT_EQ(ParticipantCount(data), 0);
  EXPECT_FALSE(ParticipantsEditable(data));
  EXPECT_FALSE(TakeDriver(&data, 0));
  EXPECT_FALSE(SaveParticipants(nullptr, &data));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), file);
}

}  // namespace
