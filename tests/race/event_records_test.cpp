#include "race/event_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/stage_timing.h"
#include "tests/race/event_folder.h"

using testsupport::EventFolder;
using testsupport::Section;

namespace {

// A text of exactly width - 1 characters: the widest a field holds.
template <std::size_t N>
void Fill(char (&field)[N], char first, int salt = 0) {
  for (std::size_t i = 0; i + 1 < N; ++i) field[i] = static_cast<char>(first + (i + salt) % 20);
  field[N - 1] = '\0';
}

// Finds the section in the working copy and hands the file and the lookup's byte to read.
template <typename Read>
bool ReadSection(const char* title, Read read) {
  platform::TextFile file(kRallyFilePath, "r+");
  char line[kSectionTitleSize];
  int first = FindRallySection(file, line, title);
  if (std::strcmp(line, title) != 0) return false;
  read(file, first);
  return true;
}

bool WriteSection(const char* title, int pairs, const SectionBody& body) {
  platform::TextFile file(kRallyFilePath, "r+");
  return WriteRallySection(nullptr, file, title, pairs, body, Text::StageTitleNotFound);
}

std::string Title(const char* key, int rally, int stage = 0) {
  char title[kSectionTitleSize];
  FormatSectionTitle(title, key, rally, stage);
  return title;
}

// Large tables stay off the stack, as in the program.
ParticipantRecord participants[kMaxParticipants];
ParticipantRecord readBack[kMaxParticipants];
StageResultRow rows[kMaxParticipants];
StageResultRow readRows[kMaxParticipants];
ClassifiedDriver drivers[kMaxParticipants];
ClassifiedDriver readDrivers[kMaxParticipants];
RallyParticipantNames names;
StartOrder order;
StartOrder readOrder;

}  // namespace

TEST(EventRecords, TreeviewFlagsTrackAndSavedClassificationsRoundTripAtFullWidths) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  static TreeviewFlags flags, read;
  for (int r = 0; r < kMaxRallies; ++r) {
    for (int s = 0; s < kMaxStages; ++s) flags[r][s] = (r * kMaxStages + s) % 8;
  }
  {
    platform::TextFile file(kRallyFilePath, "r+");
    ASSERT_TRUE(WriteTreeviewFlagsSection(nullptr, file, kTreeviewFlagsKey, flags));
  }
  ASSERT_TRUE(ReadSection(kTreeviewFlagsKey, [&](platform::TextFile& f, int c) { ReadTreeviewFlagsSection(f, c, read); }));
  EXPECT_EQ(std::memcmp(flags, read, sizeof flags), 0);

  TrackDetails track = {};
  Fill(track.eventName, 'a');
  std::memcpy(track.eventName, kInternationalPrefix, 6);
  Fill(track.hostingClub, 'b');
  Fill(track.championship, 'c');
  Fill(track.raceDirector, 'd');
  Fill(track.location, 'e');
  Fill(track.date, 'f');
  SectionBody trackBody;
  AddTrackBody(trackBody, track);
  ASSERT_TRUE(WriteSection(kTrackKey, kTrackReserve, trackBody));
  TrackDetails trackRead;
  ASSERT_TRUE(ReadSection(kTrackKey, [&](platform::TextFile& f, int c) { ReadTrackSection(f, c, &trackRead); }));
  EXPECT_EQ(std::memcmp(&track, &trackRead, sizeof track), 0);

  for (int i = 0; i < kMaxParticipants; ++i) {
    ClassifiedDriver& d = drivers[i];
    d = {};
    if (i >= 150) continue;  // fewer classified drivers than lines: empty lines
    Fill(d.name, 'A', i);
    Fill(d.team, 'B', i);
    Fill(d.carCategory, 'C', i);
    Fill(d.ageCategoryCode, 'D', i);
    Fill(d.ageCategoryName, 'E', i);
  }
  for (const char* key : {kRallyClassificationRowsKey, kPowerStageClassificationKey}) {
    std::string title = Title(key, 2);
    SectionBody body;
    AddSavedClassificationBody(body, 1, drivers);
    ASSERT_TRUE(WriteSection(title.c_str(), kSavedClassificationReserve, body));
    int international = 0;
    ASSERT_TRUE(ReadSection(title.c_str(), [&](platform::TextFile& f, int c) {
      ReadSavedClassificationSection(f, c, &international, readDrivers);
    }));
    EXPECT_EQ(international, 1);
    EXPECT_EQ(std::memcmp(drivers, readDrivers, sizeof drivers), 0) << key;
  }
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST(EventRecords, ParticipantsAndAgesRoundTripAtFullWidthsEvenBeyondTheirReserve) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  for (int i = 0; i < kMaxParticipants; ++i) {
    ParticipantRecord& p = participants[i];
    p = {};
    if (i == 150) continue;  // a slot without a driver: eleven empty fields
    Fill(p.name, 'A', i);
    Fill(p.team, 'a', i);
    Fill(p.car, 'B', i);
    Fill(p.carNumber, '0', i);
    Fill(p.transponder, '0', i + 1);
    Fill(p.carCategory, 'b', i);
    Fill(p.ageCategoryCode, 'C', i);
    Fill(p.ageCategoryName, 'c', i);
    for (int k = 0; k < kFrequencyCodes; ++k) Fill(p.frequencies[k], 'F', i + k);
  }
  const std::string list = Title(kParticipantsKey, 2), ages = Title(kParticipantAgesKey, 2);
  SectionBody listBody, agesBody;
  AddParticipantsBody(listBody, participants);
  AddParticipantAgesBody(agesBody, participants);
  // With CR LF line ends a full list takes 36,800 bytes: more than its reserve.
  ASSERT_GT(listBody.DiskBytes().size(), 2u * kParticipantsReserve + 2);
  ASSERT_TRUE(WriteSection(list.c_str(), kParticipantsReserve, SectionBody().AddInt(0).EndLine()));
  ASSERT_TRUE(WriteSection(ages.c_str(), kParticipantAgesReserve, agesBody));
  const std::string agesBefore = folder.Bytes().substr(folder.Bytes().find(ages));
  ASSERT_TRUE(WriteSection(list.c_str(), kParticipantsReserve, listBody));
  EXPECT_EQ(folder.Bytes().find(ages), folder.Bytes().find(agesBefore)) << "the ages section is untouched";

  for (auto& p : readBack) std::memset(&p, 0x5A, sizeof p);
  ASSERT_TRUE(ReadSection(list.c_str(), [&](platform::TextFile& f, int c) { ReadParticipantsSection(f, c, readBack); }));
  ASSERT_TRUE(ReadSection(ages.c_str(), [&](platform::TextFile& f, int c) { ReadParticipantAgesSection(f, c, readBack); }));
  EXPECT_EQ(std::memcmp(participants, readBack, sizeof participants), 0);

  // The names alone, into the slice of rally 2 only.
  std::memset(names, 0x5A, sizeof names);
  ASSERT_TRUE(ReadRallyParticipantNames(names, 2 * 10000 + 3100 + 4));
  for (int i = 0; i < kMaxParticipants; ++i) ASSERT_STREQ(names[1][i], participants[i].name) << i;
  EXPECT_EQ(static_cast<unsigned char>(names[0][0][0]), 0x5A);
  // No such rally: nothing read, no index outside the table.
  EXPECT_TRUE(ReadRallyParticipantNames(names, 0));
  EXPECT_TRUE(ReadRallyParticipantNames(names, 100000));
  EXPECT_TRUE(ReadRallyParticipantNames(names, 30000));
  EXPECT_EQ(static_cast<unsigned char>(names[2][0][0]), 0x5A);
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST(EventRecords, StartOrderAndNumberLinesRoundTrip) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  order = {};
  order.hasResults = 1;
  Fill(order.label, 'G');
  for (int i = 0; i < 180; ++i) Fill(order.names[i], 'A', i);
  const std::string title = Title(kStartOrderKey, 1);
  SectionBody body;
  AddStartOrderBody(body, order.hasResults, order.label, order.names);
  ASSERT_TRUE(WriteSection(title.c_str(), kStartOrderReserve, body));
  ASSERT_TRUE(ReadSection(title.c_str(), [&](platform::TextFile& f, int c) { ReadStartOrderSection(f, c, &readOrder); }));
  EXPECT_EQ(std::memcmp(&order, &readOrder, sizeof order), 0);

  for (auto& p : readBack) {
    Fill(p.name, 'z');
    Fill(p.team, 'z');
  }
  int flag = 0;
  char label[kStartOrderLabelSize];
  ASSERT_TRUE(ReadSection(title.c_str(), [&](platform::TextFile& f, int c) {
    ReadStartOrderIntoParticipants(f, c, &flag, label, readBack);
  }));
  EXPECT_EQ(flag, 1);
  EXPECT_STREQ(label, order.label);
  EXPECT_STREQ(readBack[0].name, order.names[0]);
  EXPECT_STREQ(readBack[199].name, "");
  EXPECT_EQ(readBack[199].team[0], 'z') << "only the names are read";

  // An empty label does not shift the names into it.
  SectionBody noLabel;
  AddStartOrderBody(noLabel, 0, "", order.names);
  ASSERT_TRUE(WriteSection(title.c_str(), kStartOrderReserve, noLabel));
  ASSERT_TRUE(ReadSection(title.c_str(), [&](platform::TextFile& f, int c) { ReadStartOrderSection(f, c, &readOrder); }));
  EXPECT_STREQ(readOrder.label, "");
  EXPECT_STREQ(readOrder.names[0], order.names[0]);

  // Race parameters: defaults stay when the section is missing.
  RallyParameters parameters;
  const std::string params = Title(kRallyParametersKey, 1);
  EXPECT_FALSE(ReadSection(params.c_str(), [&](platform::TextFile& f, int c) { ReadRallyParametersSection(f, c, &parameters); }));
  EXPECT_EQ(parameters.startInterval, 60);
  EXPECT_EQ(parameters.minimumLapTime, 2);
  const int written[] = {-30, 15, 2147483647};
  SectionBody numbers;
  AddNumbersLine(numbers, written, 3);
  ASSERT_TRUE(WriteSection(params.c_str(), kRallyParametersReserve, numbers));
  ASSERT_TRUE(ReadSection(params.c_str(), [&](platform::TextFile& f, int c) { ReadRallyParametersSection(f, c, &parameters); }));
  EXPECT_EQ(parameters.startInterval, -30);
  EXPECT_EQ(parameters.rest, 15);
  EXPECT_EQ(parameters.minimumLapTime, 2147483647);

  // One-line bodies: a reader asking for more numbers than the line holds gets only those.
  for (const char* key : {kStartTypeKey, kRallyClassificationKey, kRallyClassificationOptionsKey}) {
    const std::string t = Title(key, 1);
    const int values[] = {2, 99};
    SectionBody line;
    AddNumbersLine(line, values, key == kStartTypeKey ? 1 : 2);
    ASSERT_TRUE(WriteSection(t.c_str(), 5, line));
    int read[3] = {-1, -1, -1};
    int count = 0;
    ASSERT_TRUE(ReadSection(t.c_str(), [&](platform::TextFile& f, int c) { count = ReadNumbersSection(f, c, read, 3); }));
    EXPECT_EQ(count, key == kStartTypeKey ? 1 : 2) << key;
    EXPECT_EQ(read[0], 2);
    EXPECT_EQ(read[2], -1) << "the reserve's pairs after the line are not numbers of the body";
  }
}

TEST(EventRecords, StageResultsRoundTripWithThePlaceholdersOfEmptyTexts) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  for (int i = 0; i < kMaxParticipants; ++i) {
    rows[i] = {};
    if (i < 150) Fill(rows[i].name, 'A', i);
    rows[i].state = i % 7;
    rows[i].time = i == 0 ? 1500000000 : i * 1013;
  }
  const std::string title = Title(kStageResultsKey, 3, 4);
  ASSERT_EQ(title, "CourseRallye3ES4");
  ASSERT_EQ(StageResultsReserve(150), 17 * 150 + 2112);

  // Never started: "." as start text, a blank as comment, "(NA)" for the empty slots.
  StageResultsText text = {"", "", "Dry"};
  ASSERT_EQ(WriteStageResultRowsSection(nullptr, rows, 0, 0, text, 150, title.c_str()), SaveResult::Saved);
  const std::string bytes = folder.Bytes();
  EXPECT_NE(bytes.find("\r\n" + title + "\t\r\n0\t0\t\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n(NA)\t3\t151950\t\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n(NA)\t3\t201587\t\r\n.\t \tDry\t\r\n"), std::string::npos);

  int state = -1, run = -1;
  char start[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
  ASSERT_TRUE(ReadStageResults(readRows, &state, &run, start, comment, condition, title.c_str()));
  EXPECT_STREQ(readRows[150].name, "(NA)");
  EXPECT_STREQ(start, ".");
  EXPECT_STREQ(comment, " ");
  EXPECT_STREQ(condition, "Dry");

  // Full widths, a multi-line comment as its edit gives it, and 200 participants now: the
  // section outgrows its reserve and moves; the section after it stays as it was.
  ASSERT_TRUE(WriteSection("After", 5, SectionBody().AddInt(5).EndLine()));
  for (int i = 0; i < kMaxParticipants; ++i) Fill(rows[i].name, 'a', i);
  char longStart[kStartTextSize], longComment[kCommentSize];
  Fill(longStart, 'S');
  Fill(longComment, 'c');
  std::memcpy(longComment + 10, "\r\n", 2);
  text = {longStart, longComment, "Ice"};
  ASSERT_EQ(WriteStageResultRowsSection(nullptr, rows, 2, 754321, text, 200, title.c_str()), SaveResult::Saved);
  ASSERT_TRUE(ReadStageResults(readRows, &state, &run, start, comment, condition, title.c_str()));
  EXPECT_EQ(state, 2);
  EXPECT_EQ(run, 754321);
  EXPECT_EQ(std::memcmp(rows, readRows, sizeof rows), 0);
  EXPECT_STREQ(start, longStart);
  EXPECT_STREQ(comment, longComment);
  EXPECT_STREQ(condition, "Ice");
  ASSERT_TRUE(ReadSection("After", [&](platform::TextFile& f, int c) {
    int value = 0;
    EXPECT_EQ(ReadNumbersSection(f, c, &value, 1), 1);
    EXPECT_EQ(value, 5);
  }));

  // From the live entries of the race engine.
  static StageEntry entries[kMaxParticipants];
  std::memset(entries, 0, sizeof entries);
  std::strcpy(entries[0].name, "Live driver");
  entries[0].state = kEntryFinished;
  entries[0].time = 65432;
  ASSERT_EQ(WriteStageResultsSection(nullptr, entries, 3, 1000, text, 200, title.c_str()), SaveResult::Saved);
  ASSERT_TRUE(ReadStageResults(readRows, &state, &run, start, comment, condition, title.c_str()));
  EXPECT_STREQ(readRows[0].name, "Live driver");
  EXPECT_EQ(readRows[0].state, kEntryFinished);
  EXPECT_EQ(readRows[0].time, 65432);
  EXPECT_STREQ(readRows[1].name, kEmptySlotName);
  EXPECT_TRUE(platform::test::Messages().empty());

  platform::DeleteFileAt(kRallyFilePath);
  EXPECT_EQ(WriteStageResultRowsSection(nullptr, rows, 2, 0, text, 200, title.c_str()), SaveResult::FileNotFound);
  EXPECT_FALSE(ReadStageResults(readRows, &state, &run, start, comment, condition, title.c_str()));
}

TEST(EventRecords, PenaltiesWriteTheLeadingCodedRecordsAndReadOnlyThose) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  static PenaltyRecord list[kMaxPenalties], read[kMaxPenalties];
  std::memset(list, 0, sizeof list);
  list[0] = {"A", "Driver abandon", "not stored", 600, kPenaltyGross};
  list[1] = {"PS", "Driver late start", "", 60, kPenaltyAdded};
  list[3] = {"P3", "After a gap", "", 5, kPenaltyAdded};  // beyond the first empty code
  {
    platform::TextFile file(kRallyFilePath, "r+");
    ASSERT_TRUE(WritePenaltiesSection(nullptr, file, kPenaltiesKey, list, 1));
  }
  EXPECT_NE(folder.Bytes().find(Section(kPenaltiesKey, 1280, "2\t1\t\n1\t600\tA\tDriver abandon\t\n2\t60\tPS\tDriver late start\t\n")),
            std::string::npos);
  for (auto& penalty : read) penalty = {"X", "kept", "kept", 9, 9};
  int flag = 0;
  ASSERT_TRUE(ReadSection(kPenaltiesKey, [&](platform::TextFile& f, int c) { ReadPenaltiesSection(f, c, read, &flag); }));
  EXPECT_EQ(flag, 1);
  EXPECT_STREQ(read[1].code, "PS");
  EXPECT_EQ(read[1].duration, 60);
  EXPECT_EQ(read[1].kind, kPenaltyAdded);
  EXPECT_STREQ(read[0].description, "kept") << "descriptions are not in the event file";
  for (int i = 2; i < kMaxPenalties; ++i) ASSERT_STREQ(read[i].name, "kept") << i;

  for (int i = 0; i < kMaxPenalties; ++i) {
    list[i] = {};
    Fill(list[i].code, 'P', i);
    Fill(list[i].name, 'n', i);
    list[i].duration = 100000 + i;
    list[i].kind = 1 + i % 4;
  }
  {
    platform::TextFile file(kRallyFilePath, "r+");
    ASSERT_TRUE(WritePenaltiesSection(nullptr, file, kPenaltiesKey, list, 0));
  }
  ASSERT_TRUE(ReadSection(kPenaltiesKey, [&](platform::TextFile& f, int c) { ReadPenaltiesSection(f, c, read, &flag); }));
  EXPECT_EQ(flag, 0);
  for (int i = 0; i < kMaxPenalties; ++i) {
    EXPECT_STREQ(read[i].code, list[i].code);
    EXPECT_STREQ(read[i].name, list[i].name);
    EXPECT_EQ(read[i].duration, list[i].duration);
    EXPECT_EQ(read[i].kind, list[i].kind);
  }
}

TEST(EventRecords, ReadersBoundEveryFieldClampEveryCountAndStopAtTheEnd) {
  EventFolder folder;
  const std::string huge(300, 'H');
  std::string stage = "1\t2\t\r\n" + huge + "\t3\t4\t\r\nBob\t5\t6\textra\tfields\t\r\n";
  std::string penalties = "999\t1\t\r\n";
  for (int i = 0; i < 60; ++i) penalties += "1\t2\t" + huge + "\t" + huge + "\t\r\n";
  folder.SetBytes("10000\t1\tR\t0\t0\t0\t\r\n\r\nCourseRallye1ES1\t\r\n" + stage + "\r\nCourseRallyePenalites\t\r\n" +
                  penalties + "\r\nCourseRallye1ListeParticipants\t\r\n" + huge + "\t" + huge + "\tshort\r\nNext\t");

  int state = 0, run = 0;
  char start[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
  ASSERT_TRUE(ReadStageResults(readRows, &state, &run, start, comment, condition, "CourseRallye1ES1"));
  EXPECT_EQ(std::string(readRows[0].name), huge.substr(0, kDriverNameSize - 1));
  EXPECT_EQ(readRows[0].state, 3);
  EXPECT_EQ(readRows[0].time, 4);
  EXPECT_STREQ(readRows[1].name, "Bob");
  EXPECT_EQ(readRows[1].time, 6);
  // The cut came before 200 rows: the next lines (another section) are read as rows, never
  // past the end of the file, and the texts stay within their fields.
  EXPECT_LE(std::strlen(start), static_cast<std::size_t>(kStartTextSize - 1));

  static PenaltyRecord list[kMaxPenalties + 1];
  list[kMaxPenalties] = {"Z", "guard", "guard", 7, 7};
  int flag = 0;
  ASSERT_TRUE(ReadSection(kPenaltiesKey, [&](platform::TextFile& f, int c) { ReadPenaltiesSection(f, c, list, &flag); }));
  EXPECT_STREQ(list[kMaxPenalties - 1].code, "HHH");
  EXPECT_EQ(std::string(list[kMaxPenalties - 1].name), huge.substr(0, 19));
  EXPECT_STREQ(list[kMaxPenalties].name, "guard") << "the count is clamped to the table";

  ASSERT_TRUE(ReadSection("CourseRallye1ListeParticipants", [&](platform::TextFile& f, int c) {
    ReadParticipantsSection(f, c, readBack);
  }));
  EXPECT_EQ(std::string(readBack[0].team), huge.substr(0, 14));
  EXPECT_STREQ(readBack[0].car, "short");
  EXPECT_STREQ(readBack[0].carNumber, "") << "fields after the line end stay empty";
  EXPECT_STREQ(readBack[1].name, "Next");
  EXPECT_STREQ(readBack[2].name, "");

  // A title with no readable body (the file cut after it) keeps the database's list.
  folder.SetBytes("10000\t1\tR\t0\t0\t0\t\r\n\r\nCourseRallyePenalites\t\r\n");
  flag = 0;
  ReadSection(kPenaltiesKey, [&](platform::TextFile& f, int c) { ReadPenaltiesSection(f, c, list, &flag); });
  EXPECT_EQ(flag, 1);
  folder.SetBytes("10000\t1\tR\t0\t0\t0\t\r\n\r\nCourseRallyePenalites\t\r\nx\r\n");
  flag = 0;
  ReadSection(kPenaltiesKey, [&](platform::TextFile& f, int c) { ReadPenaltiesSection(f, c, list, &flag); });
  EXPECT_EQ(flag, 1);
}
