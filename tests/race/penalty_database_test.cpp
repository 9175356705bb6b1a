// The penalty database with its fixed records, and the late-start penalty settings.
#include "race/penalty_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/database_layout.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

using storagetest::WorkingFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

PenaltyRecord list[kMaxPenalties];

void SetPenalty(PenaltyRecord* record, const char* code, const char* name, int duration, int kind) {
  ClearPenaltyRecord(record);
  platform::CopyBounded(record->code, code);
  platform::CopyBounded(record->name, name);
  record->duration = duration;
  record->kind = kind;
}

std::string PenaltyLine(int kind, int duration, const std::string& code) {
  return std::to_string(kind) + "\t" + std::to_string(duration) + "\t" + code + "\tname " + code +
         "\tdescription\t\r\n";
}

}  // namespace

TEST(PenaltyDatabase, LineLayoutAndRoundTrip) {
  WorkingFolder folder;
  ClearPenaltyList(list);
  SetAbandonPenaltyDefaults(&list[0]);
  SetPenalty(&list[1], "PS", "Driver late start", 60, kPenaltyAdded);
  SetPenalty(&list[2], "P99", "123456789012345678", 9999, kPenaltyAfterLast);
  std::string description(198, 'd');
  description.replace(50, 2, "\r\n");
  platform::CopyBounded(list[2].description, description.c_str());
  ASSERT_TRUE(WritePenaltiesDatabase(list, 3));
  std::string bytes = ReadBytes(kPenaltiesDatabaseFile);
  EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1),
            "1\t600\tA\tDriver abandon\tAbandon of a driver during a special stage\t\r\n");
  EXPECT_NE(bytes.find("\r\r\n"), std::string::npos) << "a line break is stored as the runtime writes it";

  PenaltyRecord back[kMaxPenalties];
  ClearPenaltyList(back);
  ASSERT_TRUE(ReadPenaltiesDatabase(back));
  for (int i = 0; i < 3; ++i) {
    EXPECT_STREQ(back[i].code, list[i].code);
    EXPECT_STREQ(back[i].name, list[i].name);
    EXPECT_STREQ(back[i].description, list[i].description);
    EXPECT_EQ(back[i].duration, list[i].duration);
    EXPECT_EQ(back[i].kind, list[i].kind);
  }
  EXPECT_STREQ(back[3].code, "") << "the multi-line description made no record of its own";

  ASSERT_TRUE(ExportPenaltiesDatabase("club.pen", list, 3));
  EXPECT_EQ(ReadBytes("club.pen"), bytes);
}

TEST(PenaltyDatabase, ReadingIsBoundedToFiftyRecordsAndToTheFields) {
  WorkingFolder folder;
  std::string file = "1\t600\tA\t" + std::string(300, 'n') + "\t" + std::string(300, 'd') + "\t\r\n";
  for (int i = 1; i < 60; ++i) file += PenaltyLine(2, i, "P" + std::to_string(i));
  WriteBytes(kPenaltiesDatabaseFile, file);
  ClearPenaltyList(list);
  platform::CopyBounded(list[3].description, "left over");
  ASSERT_TRUE(ReadPenaltiesDatabase(list));
  EXPECT_EQ(std::string(list[0].name), std::string(19, 'n'));
  EXPECT_EQ(std::string(list[0].description), std::string(199, 'd'));
  EXPECT_STREQ(list[3].description, "description") << "each record is cleared before it is filled";
  EXPECT_STREQ(list[49].code, "P49");
  EXPECT_EQ(list[49].duration, 49);

  // Import does not clear: an empty field keeps what the caller put there.
  WriteBytes("short.pen", "3\t30\tP7\t\t\t\r\n");
  platform::CopyBounded(list[0].name, "kept");
  ASSERT_TRUE(ImportPenaltiesDatabase("short.pen", list));
  EXPECT_STREQ(list[0].code, "P7");
  EXPECT_STREQ(list[0].name, "kept");
  EXPECT_EQ(list[0].kind, kPenaltyAfterWinner);

  EXPECT_FALSE(ImportPenaltiesDatabase("absent.pen", list));
}

TEST(PenaltyDatabase, ALineCutShortDoesNotTakeTheNextOne) {
  WorkingFolder folder;
  // P7 stops after its code; P8's description runs over two lines as the dialog writes it;
  // the last line has neither TAB nor line end.
  for (const std::string& end : {std::string("\r\n"), std::string("\n")}) {
    WriteBytes("cut.pen", "3\t30\tP7" + end + "2\t5\tP8\tPush\tPushed" + end + "hard\t" + end + "4\t9\tP9\tLast");
    ClearPenaltyList(list);
    ReadCounts counts;
    ASSERT_TRUE(ImportPenaltiesDatabase("cut.pen", list, &counts));
    EXPECT_EQ(counts.records, 3);
    EXPECT_STREQ(list[0].code, "P7");
    EXPECT_STREQ(list[0].name, "");
    EXPECT_STREQ(list[0].description, "");
    EXPECT_STREQ(list[1].code, "P8");
    EXPECT_EQ(list[1].duration, 5);
    EXPECT_STREQ(list[1].description, "Pushed\nhard");
    EXPECT_STREQ(list[2].code, "P9");
    EXPECT_STREQ(list[2].name, "Last");
    EXPECT_EQ(list[2].kind, kPenaltyAfterLast);
  }
}

TEST(PenaltyDatabase, FixedRecordsAtOpening) {
  WorkingFolder folder;
  // A missing database gives the two fixed records with their defaults.
  ClearPenaltyList(list);
  SetAbandonPenaltyDefaults(&list[0]);
  EXPECT_FALSE(ReadPenaltiesDatabase(list));
  EnsureFixedPenalties(list, FixedPenaltiesMoment::Opening);
  EXPECT_STREQ(list[0].code, "A");
  EXPECT_EQ(list[0].duration, 600);
  EXPECT_EQ(list[0].kind, kPenaltyGross);
  EXPECT_STREQ(list[1].code, "PS");
  EXPECT_STREQ(list[1].name, "Driver late start");
  EXPECT_STREQ(list[1].description, "A driver started the special stage in late");
  EXPECT_EQ(list[1].duration, 60);
  EXPECT_EQ(list[1].kind, kPenaltyAdded);
  EXPECT_STREQ(list[2].code, "");

  // "A" and "PS" in place: only their names change.
  ClearPenaltyList(list);
  SetPenalty(&list[0], "A", "Renamed", 300, kPenaltyAfterLast);
  SetPenalty(&list[1], "PS", "Late", 15, kPenaltyGross);
  platform::CopyBounded(list[1].description, "own words");
  SetPenalty(&list[2], "P1", "Jump start", 10, kPenaltyAdded);
  EnsureFixedPenalties(list, FixedPenaltiesMoment::Opening);
  EXPECT_STREQ(list[0].name, "Driver abandon");
  EXPECT_EQ(list[0].duration, 300);
  EXPECT_EQ(list[0].kind, kPenaltyAfterLast);
  EXPECT_STREQ(list[1].name, "Driver late start");
  EXPECT_STREQ(list[1].description, "own words");
  EXPECT_EQ(list[1].duration, 15);
  EXPECT_STREQ(list[2].code, "P1");

  // "PS" must be exactly that: "PSX" is not the late start.
  SetPenalty(&list[1], "PSX", "Other", 1, kPenaltyAdded);
  EnsureFixedPenalties(list, FixedPenaltiesMoment::Opening);
  EXPECT_STREQ(list[1].code, "PS");
  EXPECT_STREQ(list[2].code, "PSX");
  EXPECT_STREQ(list[3].code, "P1");
}

TEST(PenaltyDatabase, FixedRecordsAfterAnImport) {
  WorkingFolder folder;
  // 50 lines without the late start at line 2; a "PS" further down.
  std::string file = PenaltyLine(1, 600, "A");
  for (int i = 1; i < 50; ++i) file += PenaltyLine(2, i, i == 10 ? "PS" : "P" + std::to_string(i));
  WriteBytes("full.pen", file);
  ClearPenaltyList(list);
  ASSERT_TRUE(ImportPenaltiesDatabase("full.pen", list));
  EXPECT_STREQ(list[49].code, "P49");
  EnsureFixedPenalties(list, FixedPenaltiesMoment::AfterImport);
  EXPECT_STREQ(list[1].code, "PS");
  EXPECT_STREQ(list[1].description, "A driver started the special stage in  late");
  EXPECT_EQ(list[1].duration, 60);
  EXPECT_EQ(list[1].kind, kPenaltyAdded);
  EXPECT_STREQ(list[2].code, "P1");
  EXPECT_STREQ(list[11].code, "PS") << "the imported PS stays, one place lower";
  EXPECT_STREQ(list[49].code, "P48") << "the record read into 49 is dropped";

  // An empty import: a bare abandon and the inserted late start.
  WriteBytes("empty.pen", "");
  ClearPenaltyList(list);
  ASSERT_TRUE(ImportPenaltiesDatabase("empty.pen", list));
  EnsureFixedPenalties(list, FixedPenaltiesMoment::AfterImport);
  EXPECT_STREQ(list[0].code, "A");
  EXPECT_STREQ(list[0].name, "Driver abandon");
  EXPECT_STREQ(list[0].description, "");
  EXPECT_EQ(list[0].duration, 0);
  EXPECT_EQ(list[0].kind, kPenaltyAdded);
  EXPECT_STREQ(list[1].description, "A driver started the special stage in  late");
}

TEST(PenaltyDatabase, FixedNamesAreInTheBuildsLanguage) {
  SetActiveProfile(kFrenchBuild);
  ClearPenaltyList(list);
  EnsureFixedPenalties(list, FixedPenaltiesMoment::Opening);
  SetActiveProfile(kEnglishBuild);
  EXPECT_STREQ(list[0].name, "Abandon pilote");
  EXPECT_LT(std::string(list[1].name).size(), sizeof list[1].name - 1) << "a name has at most 18 characters";
}

TEST(LateStartPenaltySettings, FileImageAndMarker) {
  WorkingFolder folder;
  ASSERT_TRUE(WriteLateStartPenaltySettings({1, 0, 90}, 1));
  EXPECT_EQ(ReadBytes(kLateStartPenaltyFile), "1\t\r\n1\t0\t90\t\r\n");
  LateStartPenaltySettings settings = {0, 1, 60};
  ASSERT_TRUE(ReadLateStartPenaltySettings(&settings));
  EXPECT_EQ(settings.enabled, 1);
  EXPECT_EQ(settings.enabled2, 0);
  EXPECT_EQ(settings.criticalDelaySeconds, 90);

  ASSERT_TRUE(WriteLateStartPenaltySettings({1, 1, 300}, 0));
  settings = {0, 0, 60};
  ASSERT_TRUE(ReadLateStartPenaltySettings(&settings));
  EXPECT_EQ(settings.enabled, 0) << "a marker other than 1 leaves the values as they were";
  EXPECT_EQ(settings.criticalDelaySeconds, 60);

  WriteBytes(kLateStartPenaltyFile, "1\t\r\n1\t");  // cut short
  ASSERT_TRUE(ReadLateStartPenaltySettings(&settings));
  EXPECT_EQ(settings.enabled, 1);
  EXPECT_EQ(settings.criticalDelaySeconds, 60);

  platform::DeleteFileAt(kLateStartPenaltyFile);
  EXPECT_FALSE(ReadLateStartPenaltySettings(&settings));

  ASSERT_TRUE(folder.InstallFactoryFile(kLateStartPenaltyFile));
  settings = {5, 5, 5};
  ASSERT_TRUE(ReadLateStartPenaltySettings(&settings));
  EXPECT_EQ(settings.enabled, 0);
  EXPECT_EQ(settings.enabled2, 0);
  EXPECT_EQ(settings.criticalDelaySeconds, 60);
}

TEST(PenaltyDatabase, FactoryDatabaseHoldsTheFixedRecords) {
  WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kPenaltiesDatabaseFile));
  ClearPenaltyList(list);
  ASSERT_TRUE(ReadPenaltiesDatabase(list));
  PenaltyRecord ensured[kMaxPenalties];
  std::copy(list, list + kMaxPenalties, ensured);
  EnsureFixedPenalties(ensured, FixedPenaltiesMoment::Opening);
  for (int i = 0; i < 2; ++i) {
    EXPECT_STREQ(list[i].code, ensured[i].code);
    EXPECT_STREQ(list[i].name, ensured[i].name);
    EXPECT_STREQ(list[i].description, ensured[i].description);
  }
  EXPECT_EQ(list[0].duration, 600);
  EXPECT_EQ(list[1].duration, 60);
  EXPECT_STREQ(list[2].code, "");
}
