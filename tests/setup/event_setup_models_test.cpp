// The track details and start order dialogs' decisions on their private copies, and what
// the main window does with the event file after them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/event_session.h"
#include "race/main_state.h"
#include "race/setup_follow_ups.h"
#include "setup/start_order_model.h"
#include "setup/track_details_model.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::ReadBytes;
using testsupport::WriteBytes;

std::string TrackSection(const std::string& file) {
  std::size_t at = file.find("\r\nPisteRallye\t\r\n");
  return at == std::string::npos ? "" : file.substr(at);
}

class EventSetupFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::ClearMessages();
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  }
  void TearDown() override { platform::test::ClearMessages(); }

  static void WriteClubs(std::vector<const char*> keys) {
    static ClubsTable clubs;
    ClearClubsTable(&clubs);
    for (std::size_t i = 0; i < keys.size(); ++i) platform::CopyBounded(clubs[i].key, keys[i]);
    ASSERT_TRUE(WriteClubsDatabase(kClubsDatabaseFile, clubs, static_cast<int>(keys.size())));
  }

  storagetest::WorkingFolder folder;
};

// --- Track details ---

TEST_F(EventSetupFiles, TrackDetailsAreAppendedOnceThenRewrittenInPlaceAndReadBackWithoutThePrefix) {
  WriteClubs({"Ridge RC", "Lake Club"});
  static TrackDetailsDialogData data;
  LoadTrackDetails(nullptr, &data);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << "a missing section is no error";
  EXPECT_STREQ(data.track.eventName, "");

  // Fully empty: six TABs and a line end over a reserve of 207 bytes.
  ASSERT_TRUE(SaveTrackDetails(nullptr, data));
  std::string section = TrackSection(ReadBytes(kRallyFilePath));
  ASSERT_FALSE(section.empty());
  EXPECT_EQ(section.substr(0, 24), "\r\nPisteRallye\t\r\n\t\t\t\t\t\t\r\n");
  const std::size_t size = ReadBytes(kRallyFilePath).size();

  platform::CopyBounded(data.track.eventName, "Spring Trophy");
  platform::CopyBounded(data.track.hostingClub, "Lake Club");
  platform::CopyBounded(data.track.championship, "Regional Cup");
  platform::CopyBounded(data.track.raceDirector, "Paul Roy");
  platform::CopyBounded(data.track.location, "Ridgeway");
  platform::CopyBounded(data.track.date, "12/05/2026");
  data.international = 1;
  ASSERT_TRUE(SaveTrackDetails(nullptr, data));
  const std::string file = ReadBytes(kRallyFilePath);
  EXPECT_EQ(file.size(), size) << "rewritten in place";
  EXPECT_EQ(TrackSection(file).substr(16, 80),
            "i_n_t_Spring Trophy\tLake Club\tRegional Cup\tPaul Roy\tRidgeway\t12/05/2026\t\r\n1\t1\t1\t");

  LoadTrackDetails(nullptr, &data);
  EXPECT_STREQ(data.track.eventName, "Spring Trophy");
  EXPECT_EQ(data.international, 1);
  EXPECT_STREQ(data.track.hostingClub, "Lake Club");
  EXPECT_STREQ(data.track.date, "12/05/2026");

  // Cleared again, the name is stored without the prefix.
  data.international = 0;
  ASSERT_TRUE(SaveTrackDetails(nullptr, data));
  LoadTrackDetails(nullptr, &data);
  EXPECT_EQ(data.international, 0);
  EXPECT_STREQ(data.track.eventName, "Spring Trophy");
  EXPECT_EQ(ReadBytes(kRallyFilePath).size(), size);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

TEST_F(EventSetupFiles, APrefixedNameThatFillsItsFieldIsCutNotOverrun) {
  TrackDetails track = {};
  std::memset(track.eventName, 'N', sizeof track.eventName - 1);  // 45 characters, read from a file
  char stored[sizeof track.eventName];
  StoredEventName(track, 1, stored);
  EXPECT_EQ(std::string(stored), "i_n_t_" + std::string(39, 'N'));
  StoredEventName(track, 0, stored);
  EXPECT_EQ(std::string(stored), std::string(45, 'N'));
}

TEST_F(EventSetupFiles, EventNamesThatLookLikeSectionTitlesAreRefused) {
  EXPECT_TRUE(EventNameRefused("PisteRallye"));
  EXPECT_FALSE(EventNameRefused("PisteRallye 2026"));
  EXPECT_FALSE(EventNameRefused("PisteRally"));
  EXPECT_TRUE(EventNameRefused("My CourseRallye cup"));
  EXPECT_FALSE(EventNameRefused("My courserallye cup"));
  EXPECT_FALSE(EventNameRefused(""));
}

TEST_F(EventSetupFiles, TheHostingClubIsKeptOnlyByteForByteAndSelectedWithoutRegardToCase) {
  WriteClubs({"ABC", "abc", "Ridge RC"});
  static TrackDetailsDialogData data;
  LoadTrackDetails(nullptr, &data);
  EXPECT_EQ(ListedClubCount(data.clubs), 3);
  char club[sizeof TrackDetails::hostingClub] = "abc";
  KeepListedHostingClub(data.clubs, club);
  EXPECT_STREQ(club, "abc");
  EXPECT_EQ(HostingClubSelection(data.clubs, club), 0) << "the first entry equal without regard to case";
  platform::CopyBounded(club, "RIDGE RC");
  KeepListedHostingClub(data.clubs, club);
  EXPECT_STREQ(club, "") << "no longer in the database";
  EXPECT_EQ(HostingClubSelection(data.clubs, club), -1);

  // Stored in the file and gone from the database: empty when the dialog opens.
  platform::CopyBounded(data.track.hostingClub, "Old Club");
  ASSERT_TRUE(SaveTrackDetails(nullptr, data));
  LoadTrackDetails(nullptr, &data);
  EXPECT_STREQ(data.track.hostingClub, "");

  // A hundred clubs are all listed.
  static ClubsTable hundred;
  ClearClubsTable(&hundred);
  for (int i = 0; i < kMaxClubs; ++i) std::snprintf(hundred[i].key, sizeof hundred[i].key, "Club %03d", i);
  ASSERT_TRUE(WriteClubsDatabase(kClubsDatabaseFile, hundred, kMaxClubs));
  LoadTrackDetails(nullptr, &data);
  EXPECT_EQ(ListedClubCount(data.clubs), 100);
}

TEST_F(EventSetupFiles, MissingClubsOrEventFileAreReportedAndLeaveEmptyFields) {
  static TrackDetailsDialogData data;
  LoadTrackDetails(nullptr, &data);
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{Tr(Text::DbClubsMissing)});
  EXPECT_EQ(ListedClubCount(data.clubs), 0);
  platform::test::ClearMessages();
  testsupport::DeleteFileIfAny(kRallyFilePath);
  WriteClubs({"Ridge RC"});
  LoadTrackDetails(nullptr, &data);
  EXPECT_FALSE(SaveTrackDetails(nullptr, data));
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            (std::vector<std::string>{Tr(Text::RallyFileNotFound), Tr(Text::RallyFileNotFound)}));
}

// --- Start order ---

void Participant(ParticipantRecord* p, const char* name, const char* number, const char* frequency) {
  std::memset(p, 0, sizeof *p);
  platform::CopyBounded(p->name, name);
  platform::CopyBounded(p->carNumber, number);
  platform::CopyBounded(p->car, "Buggy 8");
  platform::CopyBounded(p->carCategory, "1/8");
  platform::CopyBounded(p->transponder, "100200");
  platform::CopyBounded(p->ageCategoryCode, "S");
  platform::CopyBounded(p->ageCategoryName, "Senior");
  platform::CopyBounded(p->frequencies[0], frequency);
  platform::CopyBounded(p->frequencies[1], "F2");
}

// Rally 1 of count drivers "D01".. in start order, with the header naming node.
void WriteRally(int count, int node = 10000, int hasResults = 0, int stages = 3) {
  static ParticipantRecord people[kMaxParticipants];
  static char order[kMaxParticipants][kDriverNameSize];
  std::memset(people, 0, sizeof people);
  std::memset(order, 0, sizeof order);
  for (int i = 0; i < count; ++i) {
    char name[16], number[8];
    std::snprintf(name, sizeof name, "D%02d", i + 1);
    std::snprintf(number, sizeof number, "%d", 10 + i);
    Participant(&people[i], name, number, "27.145");
    platform::CopyBounded(order[i], name);
  }
  platform::TextFile file(kRallyFilePath, "r+");
  SectionBody participants, start;
  AddParticipantsBody(participants, people);
  AddStartOrderBody(start, hasResults, kDefaultStartOrderLabel, order);
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kParticipantsKey, 1);
  ASSERT_TRUE(WriteRallySection(nullptr, file, title, kParticipantsReserve, participants, Text::None));
  FormatSectionTitle(title, kStartOrderKey, 1);
  ASSERT_TRUE(WriteRallySection(nullptr, file, title, kStartOrderReserve, start, Text::None));
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, "Spring rally");
  rallies[0].participantCount = count;
  rallies[0].stageCount = stages;
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, node, 1, rallies));
}

RallyRecord HeaderRally() {
  int node = 0, count = 0;
  RallyRecord rallies[kMaxRallies] = {};
  ReadRallyFileHeader(&node, &count, rallies);
  return rallies[0];
}

TEST_F(EventSetupFiles, TheStartOrderTakesEachNamesFieldsFromTheLastParticipantOfThatName) {
  static ParticipantRecord participants[kMaxParticipants];
  static ParticipantRecord order[kMaxParticipants];
  std::memset(participants, 0, sizeof participants);
  std::memset(order, 0, sizeof order);
  Participant(&participants[0], "Ana", "1", "A");
  Participant(&participants[1], "Tom", "2", "B");
  Participant(&participants[5], "Ana", "9", "C");  // a later record of the same name
  platform::CopyBounded(order[0].name, "Tom");
  platform::CopyBounded(order[1].name, "Ana");
  platform::CopyBounded(order[2].name, "Nobody");
  CompleteStartOrder(order, participants);
  EXPECT_STREQ(order[0].carNumber, "2");
  EXPECT_STREQ(order[1].carNumber, "9");
  EXPECT_STREQ(order[1].frequencies[0], "C");
  EXPECT_STREQ(order[1].ageCategoryName, "Senior");
  EXPECT_STREQ(order[1].team, "") << "the team is not the start order's";
  EXPECT_STREQ(order[2].carNumber, "");
  EXPECT_STREQ(order[2].car, "");
  EXPECT_STREQ(order[2].frequencies[0], "");
}

TEST_F(EventSetupFiles, OpeningReadsTheRallyTheHeaderNamesWithTheSectionsFlag) {
  WriteRally(3, 10000, 1);
  WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/logo.bmp\t\r\n");
  // The header says no results; the start order's flag wins.
  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
  EXPECT_EQ(data.rally, 1);
  EXPECT_EQ(StartOrderRowCount(data), 3);
  EXPECT_EQ(data.rallies[0].hasResults, 1);
  EXPECT_STREQ(data.label, kDefaultStartOrderLabel);
  EXPECT_STREQ(data.order[2].name, "D03");
  EXPECT_STREQ(data.order[2].carNumber, "12");
  EXPECT_STREQ(data.logoPath, "images/logo.bmp");
  EXPECT_STREQ(StartOrderRallyName(data), "Spring rally");
}

TEST_F(EventSetupFiles, AHeaderNamingNoRallyGivesNoRowsAndGenerateWritesNothing) {
  for (int node : {1000, 20000, 0}) {
    WriteRally(3, node);
    const std::string before = ReadBytes(kRallyFilePath);
    static StartOrderDialogData data;
    LoadStartOrderData(nullptr, &data);
    EXPECT_EQ(data.rally, 0) << node;
    EXPECT_EQ(StartOrderRowCount(data), 0);
    EXPECT_STREQ(StartOrderRallyName(data), "");
    EXPECT_FALSE(MoveDriverAt(&data, 0, 275, 120));
    EXPECT_FALSE(GenerateStartOrder(nullptr, &data));
    EXPECT_EQ(ReadBytes(kRallyFilePath), before) << node;
  }
}

TEST_F(EventSetupFiles, MissingFilesAndSectionsAreEachReported) {
  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            (std::vector<std::string>{Tr(Text::ParticipantsListTitleNotFound), Tr(Text::StartOrderTitleNotFound),
                                      Tr(Text::DisplaySettingsNotFound)}));
  platform::test::ClearMessages();
  testsupport::DeleteFileIfAny(kRallyFilePath);
  LoadStartOrderData(nullptr, &data);
  EXPECT_EQ(testsupport::ShownMessageTexts(),
            (std::vector<std::string>{Tr(Text::RallyFileNotFound), Tr(Text::RallyFileNotFound),
                                      Tr(Text::DisplaySettingsNotFound)}));
}

TEST_F(EventSetupFiles, SharedFirstFrequenciesConflictExceptSpreadSpectrumAndNone) {
  static ParticipantRecord order[kMaxParticipants];
  std::memset(order, 0, sizeof order);
  const char* codes[] = {"27.145", "40.665", "27.145", "2.4Ghz", "2.4Ghz", "", "", "27.145", "40.685", "40.685"};
  for (int i = 0; i < 10; ++i) platform::CopyBounded(order[i].frequencies[0], codes[i]);
  int conflicts[kMaxParticipants];
  CountRadioConflicts(order, 9, conflicts);
  EXPECT_EQ(std::vector<int>(conflicts, conflicts + 10), (std::vector<int>{2, 1, 2, 0, 0, 0, 0, 2, 1, 0}))
      << "three of a code count 2; the tenth entry is beyond the rally";
  EXPECT_TRUE(ShowsRadioConflict(conflicts[0]));
  EXPECT_FALSE(ShowsRadioConflict(conflicts[1]));
}

TEST_F(EventSetupFiles, ArrowsAreHitOnlyInsideTheirBoxesAndOnlyOnRowsThatHaveThem) {
  // Row 0's down arrow: 271..281 x, 114 < y <= 125; row 1's up arrow: 251..261 x, 134 < y <= 145.
  EXPECT_EQ(StartOrderArrowHit(271, 115, 25), 0);
  EXPECT_EQ(StartOrderArrowHit(281, 125, 25), 0);
  EXPECT_EQ(StartOrderArrowHit(270, 120, 25), -1);
  EXPECT_EQ(StartOrderArrowHit(282, 120, 25), -1);
  EXPECT_EQ(StartOrderArrowHit(275, 114, 25), -1);
  EXPECT_EQ(StartOrderArrowHit(275, 126, 25), -1);
  EXPECT_EQ(StartOrderArrowHit(251, 135, 25), 0);
  EXPECT_EQ(StartOrderArrowHit(261, 145, 25), 0);
  EXPECT_EQ(StartOrderArrowHit(255, 134, 25), -1);
  EXPECT_EQ(StartOrderArrowHit(255, 125, 25), -1) << "row 0 has no up arrow";
  // The twentieth row shown has no down arrow, the nineteenth has.
  EXPECT_EQ(StartOrderArrowHit(275, 114 + 20 * 18 + 5, 25), 18);
  EXPECT_EQ(StartOrderArrowHit(275, 114 + 20 * 19 + 5, 25), -1);
  EXPECT_EQ(StartOrderArrowHit(255, 134 + 20 * 18 + 5, 25), 18);
  // Two drivers: one pair; one driver or none: no arrow at all.
  EXPECT_EQ(StartOrderArrowHit(275, 134 + 5, 2), -1);
  EXPECT_EQ(StartOrderArrowHit(275, 114 + 5, 2), 0);
  EXPECT_EQ(StartOrderArrowHit(275, 114 + 5, 1), -1);
  EXPECT_EQ(StartOrderArrowHit(275, 114 + 5, 0), -1);
  EXPECT_EQ(StartOrderArrowPairs(25), 19);
  EXPECT_EQ(StartOrderArrowPairs(5), 4);
}

TEST_F(EventSetupFiles, AMoveSwapsEveryFieldOfTheTwoEntriesAtTheScrollPosition) {
  WriteRally(25);
  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  platform::CopyBounded(data.order[3].frequencies[4], "F5");
  const ParticipantRecord third = data.order[3], fourth = data.order[4];
  EXPECT_FALSE(MoveDriverAt(&data, 3, 265, 118)) << "between the arrows";
  EXPECT_TRUE(MoveDriverAt(&data, 3, 275, 118));  // row 0's down arrow
  EXPECT_EQ(std::memcmp(&data.order[3], &fourth, sizeof fourth), 0);
  EXPECT_EQ(std::memcmp(&data.order[4], &third, sizeof third), 0);
  EXPECT_STREQ(data.order[4].frequencies[4], "F5");
  EXPECT_TRUE(MoveDriverAt(&data, 3, 255, 140));  // row 1's up arrow: back again
  EXPECT_EQ(std::memcmp(&data.order[3], &third, sizeof third), 0);
  // At the last position the last pair moves.
  EXPECT_TRUE(MoveDriverAt(&data, 5, 275, 114 + 20 * 18 + 5));
  EXPECT_STREQ(data.order[23].name, "D25");
  EXPECT_STREQ(data.order[24].name, "D24");
}

TEST_F(EventSetupFiles, TheScrollPositionStaysWithinTheBarsRange) {
  EXPECT_FALSE(StartOrderScrollShown(20));
  EXPECT_TRUE(StartOrderScrollShown(21));
  EXPECT_EQ(StartOrderScrollMaximum(25), 5);
  EXPECT_EQ(StartOrderScrollMaximum(12), 0);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::LineUp, 0, 5, 0), 0);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::LineUp, 3, 5, 0), 2);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::LineDown, 5, 5, 0), 5);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::LineDown, 4, 5, 0), 5);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::PageUp, 4, 5, 0), 0);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::PageDown, 1, 5, 0), 5);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::ThumbPosition, 1, 5, 3), 3);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::ThumbPosition, 1, 5, 65535), 5) << "never beyond the last row";
  EXPECT_EQ(ScrolledPosition(ScrollRequest::ThumbPosition, 1, 5, -2), 0);
  EXPECT_EQ(ScrolledPosition(ScrollRequest::Other, 2, 5, 4), 2);
  // The body ends with the rows, at most 20 of them; its bottom edge shows with the last row.
  EXPECT_EQ(StartOrderBodyBottom(3), 170);
  EXPECT_EQ(StartOrderBodyBottom(25), 510);
  EXPECT_TRUE(StartOrderBottomEdgeShown(25, 5));
  EXPECT_FALSE(StartOrderBottomEdgeShown(25, 0));
  EXPECT_TRUE(StartOrderBottomEdgeShown(7, 0));
}

TEST_F(EventSetupFiles, GenerateWritesTheOrderInPlaceAndOneStageForARallyWithoutResults) {
  WriteRally(3);
  const std::size_t size = ReadBytes(kRallyFilePath).size();
  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  platform::test::ClearMessages();
  ASSERT_TRUE(MoveDriverAt(&data, 0, 275, 118));
  ASSERT_TRUE(GenerateStartOrder(nullptr, &data));
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  EXPECT_EQ(HeaderRally().stageCount, 1);
  const std::string file = ReadBytes(kRallyFilePath);
  EXPECT_EQ(file.size(), size);
  const std::string title = "\r\nCourseRallye1R\xE9partition\t\r\n";
  const std::size_t at = file.find(title);
  ASSERT_NE(at, std::string::npos);
  std::string expected = "0\tGRILLEDEPARTidentique\t\r\nD02\t\r\nD01\t\r\nD03\t\r\n";
  for (int i = 3; i < kMaxParticipants; ++i) expected += "\t\r\n";
  EXPECT_EQ(file.substr(at + title.size(), expected.size()), expected);

  // With results, the number of stages stays.
  WriteRally(3, 10000, 1, 4);
  LoadStartOrderData(nullptr, &data);
  ASSERT_TRUE(GenerateStartOrder(nullptr, &data));
  EXPECT_EQ(HeaderRally().stageCount, 4);
  EXPECT_NE(ReadBytes(kRallyFilePath).find(title + "1\tGRILLEDEPARTidentique\t\r\nD01\t"), std::string::npos);
}

TEST_F(EventSetupFiles, GenerateRefusesARallyWithoutItsStartOrderSection) {
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, "Spring rally");
  rallies[0].participantCount = 2;
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 10000, 1, rallies));
  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  platform::test::ClearMessages();
  EXPECT_FALSE(GenerateStartOrder(nullptr, &data));
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{Tr(Text::StartOrderTitleNotFound)});
  EXPECT_EQ(ReadBytes(kRallyFilePath).find("R\xE9partition"), std::string::npos) << "not created";
  EXPECT_EQ(HeaderRally().stageCount, 1) << "the header line goes first";
}

// --- The main window after the dialogs ---

class FollowUps : public EventSetupFiles {
 protected:
  void SetUp() override {
    EventSetupFiles::SetUp();
    state = &Main();
    std::memset(static_cast<void*>(state), 0, sizeof *state);
  }
  MainState* state = nullptr;
};

TEST_F(FollowUps, TeamsFollowTheInternationalMarkOnAPrivateTableAndRalliesWithoutParticipantsAreLeftAlone) {
  WriteRally(2);
  // Rally 2 has no participants section.
  RallyRecord rallies[kMaxRallies] = {};
  int node = 0, count = 0;
  ReadRallyFileHeader(&node, &count, rallies);
  platform::CopyBounded(rallies[1].name, "Second");
  rallies[1].participantCount = 2;
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 10000, 2, rallies));
  ReadRallyFileHeader(&state->selectedNode, &state->rallyCount, state->rallies);
  platform::CopyBounded(state->drivers[0].name, "D02");
  platform::CopyBounded(state->drivers[0].team, "Lake RC");
  platform::CopyBounded(state->drivers[0].country, "Belgium");
  platform::CopyBounded(state->countries[3].name, "Belgium");
  platform::CopyBounded(state->countries[3].code, "BEL");
  static TrackDetailsDialogData track;
  std::memset(&track, 0, sizeof track);
  platform::CopyBounded(track.track.eventName, "Open");
  track.international = 1;
  ASSERT_TRUE(SaveTrackDetails(nullptr, track));
  // A stage of rally 1 is loaded: its participants and display rows.
  platform::CopyBounded(state->stage.title, "CourseRallye1ES1");
  state->stage.code = 13101;
  platform::CopyBounded(state->display[0].name, "D02");
  platform::CopyBounded(state->participants[0].name, "Someone else");

  const std::size_t size = ReadBytes(kRallyFilePath).size();
  RefreshTeamsAfterTrackDetails(nullptr, *state);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << testsupport::ShownMessageTexts()[0];
  EXPECT_EQ(ReadBytes(kRallyFilePath).size(), size) << "nothing appended for rally 2";
  EXPECT_EQ(state->international, 1);
  EXPECT_NE(ReadBytes(kRallyFilePath).find("D02\tBEL\tBuggy 8\t"), std::string::npos);
  EXPECT_STREQ(state->participants[1].name, "D02") << "the loaded rally read again";
  EXPECT_STREQ(state->participants[1].team, "BEL");
  EXPECT_STREQ(state->display[0].team, "BEL");

  track.international = 0;
  ASSERT_TRUE(SaveTrackDetails(nullptr, track));
  RefreshTeamsAfterTrackDetails(nullptr, *state);
  EXPECT_EQ(state->international, 0);
  EXPECT_STREQ(state->display[0].team, "Lake RC");
  EXPECT_EQ(ReadBytes(kRallyFilePath).size(), size);
}

TEST_F(FollowUps, AfterTheStartOrderTheLoadedStageKeepsItsDriversAndAStageCountChangeIsTold) {
  WriteRally(3);
  ReadRallyFileHeader(&state->selectedNode, &state->rallyCount, state->rallies);
  platform::CopyBounded(state->stage.title, "CourseRallye1ES3");
  state->stage.code = 13103;
  platform::CopyBounded(state->display[0].name, "D01");
  platform::CopyBounded(state->display[0].carNumber, "10");
  platform::CopyBounded(state->entries[0].name, "D01");
  state->entries[0].state = kEntryFinished;
  state->entries[0].time = 61000;

  static StartOrderDialogData data;
  LoadStartOrderData(nullptr, &data);
  platform::test::ClearMessages();
  ASSERT_TRUE(MoveDriverAt(&data, 0, 275, 118));
  ASSERT_TRUE(GenerateStartOrder(nullptr, &data));
  EXPECT_TRUE(ReloadAfterStartOrderDialog(nullptr, *state)) << "3 stages became 1";
  EXPECT_EQ(state->rallies[0].stageCount, 1);
  EXPECT_EQ(state->stage.hasResults, 1);
  EXPECT_STREQ(state->startOrderLabel, kDefaultStartOrderLabel);
  EXPECT_STREQ(state->display[0].name, "D01");
  EXPECT_STREQ(state->display[0].carNumber, "10");
  EXPECT_EQ(state->entries[0].time, 61000);

  ASSERT_TRUE(GenerateStartOrder(nullptr, &data));
  EXPECT_FALSE(ReloadAfterStartOrderDialog(nullptr, *state));
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

}  // namespace
