// The championship classification's decisions: the points rule, the import of an event's
// saved classifications, the file's bytes and bounds, totals, ranking, view and filters, the
// scroll bars and the page's cells.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bounded.h"
#include "platform/files.h"
#include "race/event_file.h"
#include "results/championship_classification.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::ReadBytes;
using testsupport::WriteBytes;

std::vector<int> Points(const int* values, int count, int order, int mode, int participants, int shown) {
  int points[kMaxParticipants];
  ComputePlacePoints(values, count, order, mode, participants, points);
  return std::vector<int>(points, points + shown);
}

PointsAllocation Defaults() {
  PointsAllocation scale;
  SetDefaultPointsAllocation(&scale);
  return scale;
}

TEST(ChampionshipPoints, ScalesDescendAscendAndRelativeFirstPlace) {
  PointsAllocation scale = Defaults();
  EXPECT_EQ(Points(scale.rally, 12, kPointsDescending, kPointsFixed, 30, 13),
            (std::vector<int>{25, 18, 15, 12, 10, 8, 6, 4, 2, 1, 0, 0, 0}));
  EXPECT_EQ(Points(scale.powerStage, 10, kPointsDescending, kPointsFixed, 30, 7), (std::vector<int>{5, 4, 3, 2, 1, 0, 0}));
  // Descending never goes below 0, and the last value repeats.
  int tens[12] = {10, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  std::vector<int> floor = Points(tens, 12, kPointsDescending, kPointsFixed, 0, 200);
  EXPECT_EQ(std::vector<int>(floor.begin(), floor.begin() + 12), (std::vector<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0}));
  EXPECT_EQ(floor[199], 0);
  // Relative: the participant count raises the first place only.
  EXPECT_EQ(Points(scale.rally, 12, kPointsDescending, kPointsRelative, 14, 2), (std::vector<int>{39, 32}));
  // Ascending adds the gaps; the "and +" value serves every later place.
  int gaps[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2};
  std::vector<int> up = Points(gaps, 12, kPointsAscending, kPointsFixed, 5, 200);
  EXPECT_EQ(up[0], 1);
  EXPECT_EQ(up[10], 11);
  EXPECT_EQ(up[11], 13);
  EXPECT_EQ(up[199], 11 + 2 * 189);
}

// Scales and points beyond anything the window stores: the sums stay within the int range
// (UndefinedBehaviorSanitizer stops the host run at an int overflow).
TEST(ChampionshipPoints, HugeValuesAreSummedWithoutOverflow) {
  int huge[12];
  for (int& value : huge) value = INT_MAX;
  std::vector<int> up = Points(huge, 12, kPointsAscending, kPointsRelative, 200, 200);
  EXPECT_EQ(up[0], INT_MAX);
  EXPECT_EQ(up[199], INT_MAX);
  int falling[12] = {INT_MAX, INT_MIN, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
  std::vector<int> down = Points(falling, 12, kPointsDescending, kPointsRelative, 200, 3);
  EXPECT_EQ(down, (std::vector<int>{INT_MAX, INT_MAX, INT_MAX - 5}));

  static ChampionshipRally rally;
  ClearChampionshipRally(&rally);
  rally.rowCount = 1;
  for (int e = 0; e < kMaxChampionshipEvents; ++e) {
    rally.rows[0].rallyPoints[e] = INT_MAX;
    rally.rows[0].powerStagePoints[e] = INT_MAX;
  }
  ComputeRallyTotals(&rally, kMaxChampionshipEvents, 1);
  EXPECT_EQ(rally.rows[0].total, INT_MAX) << "not wrapped negative, and so hidden";
}

TEST(ChampionshipPoints, AChampionshipWithoutALineGetsTheDefaultsNotAnotherOnesScale) {
  static PointsScaleTable table;
  SetDefaultPointsScales(&table);
  platform::CopyBounded(table[0].name, "Other Cup");
  table[0].rally[0] = 99;
  table[0].order = kPointsAscending;
  PointsAllocation mine = ChampionshipScaleOf(table, "My Cup");
  EXPECT_EQ(mine.rally[0], 25);
  EXPECT_EQ(mine.order, kPointsDescending);
  EXPECT_EQ(ChampionshipScaleOf(table, "Other Cup").rally[0], 99);
}

// --- Event files ---

struct FixtureRally {
  std::string name;
  int participants;
  std::vector<std::string> rallyOrder;  // drivers in place order; empty: no rally classification
  std::vector<std::string> powerStageOrder;
};

std::string SavedSection(const char* key, int rally, const std::vector<std::string>& drivers, int international) {
  static ClassifiedDriver lines[kMaxParticipants];
  platform::ZeroBytes(lines, sizeof lines);
  for (std::size_t i = 0; i < drivers.size(); ++i) {
    platform::CopyBounded(lines[i].name, drivers[i].c_str());
    platform::CopyBounded(lines[i].team, international ? "FRA" : "Team");
    platform::CopyBounded(lines[i].carCategory, i % 2 ? "4x4" : "2WD");
    platform::CopyBounded(lines[i].ageCategoryCode, "S");
    platform::CopyBounded(lines[i].ageCategoryName, "Senior");
  }
  SectionBody body;
  AddSavedClassificationBody(body, international, lines);
  char title[kSectionTitleSize];
  FormatSectionTitle(title, key, rally);
  return std::string("\r\n") + title + "\t\r\n" + body.DiskBytes();
}

std::string EventFile(const std::vector<FixtureRally>& rallies, int claimedCount = -1, int international = 0) {
  std::string bytes = "10000\t" + std::to_string(claimedCount < 0 ? rallies.size() : claimedCount) + "\t";
  for (const FixtureRally& r : rallies) bytes += r.name + "\t" + std::to_string(r.participants) + "\t1\t2\t";
  bytes += "\r\n";
  for (std::size_t k = 0; k < rallies.size(); ++k) {
    const int n = static_cast<int>(k) + 1;
    if (!rallies[k].rallyOrder.empty())
      bytes += SavedSection(kRallyClassificationRowsKey, n, rallies[k].rallyOrder, international);
    if (!rallies[k].powerStageOrder.empty())
      bytes += SavedSection(kPowerStageClassificationKey, n, rallies[k].powerStageOrder, international);
  }
  return bytes;
}

EventImport& Import() {
  static EventImport import;
  return import;
}

struct Championship {
  ChampionshipState state{&CurrentChampionship(), 0, 0};
  Championship() { ClearChampionshipTables(state.tables); }
  ChampionshipRally& Rally(int r) { return state.tables->rallies[r]; }
  const ChampionshipRow* Row(int r, const char* driver) {
    for (int i = 0; i < Rally(r).rowCount; ++i)
      if (std::strcmp(Rally(r).rows[i].driver, driver) == 0) return &Rally(r).rows[i];
    return nullptr;
  }
  int Add(const std::string& file, const char* name, int day, int month, int year,
          const PointsAllocation& scale = Defaults()) {
    WriteBytes(name, file);
    EXPECT_TRUE(ReadEventClassifications(name, scale, &Import()));
    return AddChampionshipEvent(&state, name, day, month, year, &Import());
  }
};

TEST(ChampionshipImport, TwoEventsOfTwoRalliesWithAMissingDriverAndPowerStage) {
  storagetest::WorkingFolder folder;
  Championship c;
  // The second event comes first in date: the columns follow the dates.
  EXPECT_EQ(c.Add(EventFile({{"Buggy", 3, {"Ann", "Bob", "Cid"}, {"Cid", "Ann"}}, {"Truck", 2, {"Dan", "Eve"}, {}}}),
                  "Spring", 10, 5, 2026),
            0);
  EXPECT_EQ(c.Add(EventFile({{"Buggy", 2, {"Bob", "Ann"}, {}}, {"Truck", 2, {"Eve", "Fay"}, {}}}), "Winter", 3, 1, 2026),
            0);
  ASSERT_EQ(c.state.eventCount, 2);
  EXPECT_STREQ(c.state.tables->events[0].name, "Winter");
  EXPECT_STREQ(c.state.tables->events[1].name, "Spring");
  ASSERT_EQ(c.state.tables->rallyCount, 2);
  EXPECT_STREQ(c.Rally(0).name, "Buggy");
  EXPECT_STREQ(c.Rally(1).name, "Truck");
  EXPECT_EQ(c.Rally(0).rowCount, 3);
  const ChampionshipRow* cid = c.Row(0, "Cid");
  ASSERT_NE(cid, nullptr);
  // Cid missed the winter event: -1 in its three values, and the total ignores them.
  EXPECT_EQ(cid->place[0], -1);
  EXPECT_EQ(cid->rallyPoints[0], -1);
  EXPECT_EQ(cid->powerStagePoints[0], -1);
  EXPECT_EQ(cid->place[1], 3);
  EXPECT_EQ(cid->rallyPoints[1], 15);
  EXPECT_EQ(cid->powerStagePoints[1], 5);
  EXPECT_EQ(cid->total, 15);
  EXPECT_STREQ(cid->carCategory, "2WD");
  EXPECT_STREQ(cid->ageCode, "S");
  const ChampionshipRow* ann = c.Row(0, "Ann");
  EXPECT_EQ(ann->total, 25 + 18);
  // With the Power Stage the totals take its points above 0.
  c.state.powerStageIncluded = 1;
  ComputeChampionshipTotals(&c.state);
  EXPECT_EQ(c.Row(0, "Ann")->total, 25 + 18 + 4);
  EXPECT_EQ(c.Row(1, "Fay")->place[1], -1);
  EXPECT_EQ(c.Row(1, "Fay")->rallyPoints[0], 18);

  // Removing the winter event clears its column and moves the slot last; adding it again works.
  RemoveChampionshipEvent(&c.state, 0);
  EXPECT_EQ(c.state.eventCount, 1);
  EXPECT_STREQ(c.state.tables->events[0].name, "Spring");
  EXPECT_EQ(c.state.tables->events[1].name[0], '\0');
  EXPECT_EQ(c.Row(0, "Cid")->place[0], 3);
  EXPECT_EQ(c.Row(0, "Ann")->place[1], -1);
  EXPECT_EQ(c.Row(1, "Fay")->rallyPoints[0], -1);
  EXPECT_EQ(c.Row(1, "Fay")->rallyPoints[1], -1);
  EXPECT_EQ(CheckNewEvent(c.state, 1, 0, 126, "Winter", true), NewEventRefusal::None);
}

TEST(ChampionshipImport, CountsAreBoundedAndARallyWithoutItsSectionBringsNothing) {
  storagetest::WorkingFolder folder;
  // A header that claims 12 rallies and 250 participants.
  std::vector<FixtureRally> rallies;
  for (int k = 0; k < 10; ++k) rallies.push_back({"R" + std::to_string(k), 250, {"Ann"}, {}});
  rallies[1].rallyOrder.clear();  // no rally classification saved for R1
  WriteBytes("wide.rall", EventFile(rallies, 12, 1));
  ASSERT_TRUE(ReadEventClassifications("wide.rall", Defaults(), &Import()));
  EXPECT_EQ(Import().rallyCount, 9);
  EXPECT_EQ(Import().rallies[0].participants, 200);
  EXPECT_FALSE(Import().rallies[1].classified);
  EXPECT_TRUE(Import().rallies[8].classified);
  EXPECT_EQ(Import().international, 1);
  Championship c;
  AddChampionshipEvent(&c.state, "Wide", 1, 1, 2026, &Import());
  EXPECT_EQ(c.state.tables->rallyCount, 8);
  for (int r = 0; r < c.state.tables->rallyCount; ++r) EXPECT_STRNE(c.Rally(r).name, "R1");
  EXPECT_STREQ(c.Row(0, "Ann")->team, "FRA");
  // A missing event file: the event goes in without results.
  EXPECT_FALSE(ReadEventClassifications("missing.rall", Defaults(), &Import()));
  EXPECT_EQ(AddChampionshipEvent(&c.state, "Lost", 2, 1, 2026, nullptr), 1);
  EXPECT_EQ(c.state.eventCount, 2);
  EXPECT_EQ(c.Row(0, "Ann")->place[1], -1);
}

TEST(ChampionshipImport, TenRalliesAtMostAndThirtyEventsAtMost) {
  Championship c;
  static EventImport import;
  platform::ZeroBytes(&import, sizeof import);
  import.rallyCount = 9;
  for (int k = 0; k < 9; ++k) {
    import.rallies[k].classified = true;
    import.rallies[k].participants = 1;
    platform::CopyBounded(import.rallies[k].name, ("A" + std::to_string(k)).c_str());
    platform::CopyBounded(import.rallies[k].rally[0].name, "Ann");
  }
  AddChampionshipEvent(&c.state, "E1", 1, 1, 2026, &import);
  for (int k = 0; k < 9; ++k) platform::CopyBounded(import.rallies[k].name, ("B" + std::to_string(k)).c_str());
  AddChampionshipEvent(&c.state, "E2", 2, 1, 2026, &import);
  EXPECT_EQ(c.state.tables->rallyCount, 10);
  EXPECT_STREQ(c.Rally(9).name, "B0");
  for (int e = 3; e <= 30; ++e) AddChampionshipEvent(&c.state, ("E" + std::to_string(e)).c_str(), e % 28 + 1, 2, 2026, nullptr);
  EXPECT_EQ(c.state.eventCount, 30);
  EXPECT_EQ(CheckNewEvent(c.state, 0, 0, 0, "E31", true), NewEventRefusal::Full);
  EXPECT_EQ(AddChampionshipEvent(&c.state, "E31", 1, 3, 2026, nullptr), -1);
  EXPECT_EQ(c.state.eventCount, 30);
}

TEST(ChampionshipImport, NewEventChecksInOrderAndTheNameAsKept) {
  Championship c;
  char name[kChampionshipEventNameSize];
  ChampionshipEventName("Rally-Cup-of-the-long-name", name);
  EXPECT_STREQ(name, "Rally_Cup_of_the_");
  EXPECT_EQ(CheckNewEvent(c.state, -1, 0, 0, "", false), NewEventRefusal::NoDate);
  EXPECT_EQ(CheckNewEvent(c.state, 0, 0, 0, " x", false), NewEventRefusal::BadName);
  EXPECT_EQ(CheckNewEvent(c.state, 0, 0, 0, "x", false), NewEventRefusal::NoFile);
  AddChampionshipEvent(&c.state, "x", 1, 1, 2026, nullptr);
  EXPECT_EQ(CheckNewEvent(c.state, 0, 0, 0, "x", true), NewEventRefusal::Duplicate);
}

// --- The file ---

TEST(ChampionshipFile, AFreshChampionshipWritesTheHeaderAndAnEmptyEventsSection) {
  storagetest::WorkingFolder folder;
  Championship c;
  EXPECT_EQ(ChampionshipClassificationImage(c.state), "0\t0\t0\t\r\nChampionnatRallyeEvenements\t\r\n\r\n");
  ASSERT_TRUE(WriteChampionshipClassificationFile("c.clt", c.state));
  EXPECT_EQ(ReadBytes("c.clt"), "0\t0\t0\t\r\nChampionnatRallyeEvenements\t\r\n\r\n");
  ChampionshipFileReport report = ReadChampionshipClassificationFile("c.clt", &c.state);
  EXPECT_TRUE(report.opened);
  EXPECT_FALSE(report.eventsTitleMissing);
  EXPECT_FALSE(ReadChampionshipClassificationFile("none.clt", &c.state).opened);
}

std::string Pairs(long n) {
  std::string s;
  for (long i = 0; i < n; ++i) s += "1\t";
  return s;
}

// The body written over its reserve, the rest of the reserve kept up to its line end.
std::string Over(const std::string& body, long pairs) {
  std::string reserve = Pairs(pairs) + "\r\n";
  if (body.size() >= reserve.size()) return body;
  return body + reserve.substr(body.size());
}

TEST(ChampionshipFile, BytesAfterAnImportAndTheirRoundTrip) {
  storagetest::WorkingFolder folder;
  Championship c;
  c.Add(EventFile({{"Buggy", 2, {"Ann", "Bob"}, {"Bob"}}}), "Cup-1", 4, 7, 2026);
  c.state.powerStageIncluded = 1;
  ComputeChampionshipTotals(&c.state);
  const std::string events = Over("Cup-1\t\t4\t7\t2026\t\r\n", 145);
  const std::string rows = "Buggy\t2\t0\t\r\n"
                           "Ann\tTeam\t2WD\tS\tSenior\t25\t1\t25\t-1\t\r\n"
                           "Bob\tTeam\t4x4\tS\tSenior\t23\t2\t18\t5\t\r\n";
  const std::string expected = "1\t1\t1\t\r\nChampionnatRallyeEvenements\t\r\n" + events +
                               "\r\nChampionnatRallye1Classement\t\r\n" + Over(rows, ((20 + 135) * 2 + 37) / 2);
  EXPECT_EQ(ChampionshipClassificationImage(c.state), expected);
  ASSERT_TRUE(WriteChampionshipClassificationFile("c.clt", c.state));
  EXPECT_EQ(ReadBytes("c.clt"), expected);

  Championship back;
  ChampionshipFileReport report = ReadChampionshipClassificationFile("c.clt", &back.state);
  EXPECT_FALSE(report.eventsTitleMissing);
  EXPECT_EQ(report.rallyTitlesMissing, 0);
  EXPECT_EQ(back.state.eventCount, 1);
  EXPECT_EQ(back.state.powerStageIncluded, 1);
  EXPECT_EQ(ChampionshipClassificationImage(back.state), expected);
}

TEST(ChampionshipFile, AFileInTheLayoutReadsBackWithItsEventsAndRallies) {
  storagetest::WorkingFolder folder;
  // Written as the file stands on disk: the events title right after the header line,
  // leftovers of the reserves, two rallies, two events.
  const std::string file =
      "2\t2\t0\t\r\nChampionnatRallyeEvenements\t\r\n"
      "Alpha\tpics/a.bmp\t1\t2\t2025\t\r\nBeta\t\t9\t3\t2025\t\r\n1\t1\t1\t1\t\r\n"
      "\r\nChampionnatRallye1Classement\t\r\nBuggy\t2\t7\t\r\n"
      "Ann\tT1\t2WD\tJ\tJunior\t43\t1\t25\t5\t2\t18\t-1\t\r\n"
      "Bob\tT2\t4x4\tS\tSenior\t18\t2\t18\t4\t-1\t-1\t-1\t\r\n1\t1\t\r\n"
      "\r\nChampionnatRallye2Classement\t\r\nTruck\t1\t0\t\r\nCid\t\t\t\t\t25\t-1\t-1\t-1\t1\t25\t-1\t\r\n";
  WriteBytes("c.clt", file);
  Championship c;
  ChampionshipFileReport report = ReadChampionshipClassificationFile("c.clt", &c.state);
  EXPECT_FALSE(report.eventsTitleMissing);
  EXPECT_EQ(report.rallyTitlesMissing, 0);
  ASSERT_EQ(c.state.eventCount, 2);
  EXPECT_STREQ(c.state.tables->events[0].imagePath, "pics/a.bmp");
  EXPECT_EQ(c.state.tables->events[1].day, 9);
  EXPECT_EQ(c.state.tables->events[1].year, 2025);
  EXPECT_EQ(c.Rally(0).extra, 7);
  EXPECT_EQ(c.Rally(0).rows[0].powerStagePoints[0], 5);
  EXPECT_EQ(c.Rally(0).rows[0].rallyPoints[1], 18);
  EXPECT_STREQ(c.Rally(0).rows[1].ageName, "Senior");
  EXPECT_STREQ(c.Rally(1).rows[0].driver, "Cid");
  EXPECT_EQ(c.Rally(1).rows[0].rallyPoints[1], 25);

  // A rally title missing: that rally stays cleared, the next is read.
  std::string broken = file;
  broken.replace(broken.find("ChampionnatRallye1Classement"), 5, "Xhamp");
  WriteBytes("c.clt", broken);
  report = ReadChampionshipClassificationFile("c.clt", &c.state);
  EXPECT_EQ(report.rallyTitlesMissing, 1);
  // That rally is gone; the next moves up into its place, so that an event added then
  // finds it and puts a new rally after it, not over it.
  EXPECT_STREQ(c.Rally(0).name, "Truck");
  EXPECT_STREQ(c.Rally(0).rows[0].driver, "Cid");
  EXPECT_STREQ(c.Rally(1).name, "");
  EXPECT_EQ(c.Rally(1).rowCount, 0);
  static EventImport import;
  import = EventImport{};
  import.opened = true;
  import.rallyCount = 2;
  for (int k = 0; k < 2; ++k) {
    ImportedRally& rally = import.rallies[k];
    platform::CopyBounded(rally.name, k == 0 ? "Quad" : "Truck");
    rally.participants = 1;
    rally.classified = true;
    platform::CopyBounded(rally.rally[0].name, "Dee");
    rally.rallyPoints[0] = 10;
  }
  AddChampionshipEvent(&c.state, "Gamma", 1, 4, 2025, &import);
  EXPECT_STREQ(c.Rally(0).name, "Truck");
  EXPECT_STREQ(c.Rally(0).rows[0].driver, "Cid") << "the loaded rally is kept";
  EXPECT_STREQ(c.Rally(1).name, "Quad");
}

TEST(ChampionshipFile, CountsAndTextsOfAFileAreBounded) {
  storagetest::WorkingFolder folder;
  std::string rows;
  for (int i = 0; i < 230; ++i) rows += "D" + std::to_string(i) + std::string(60, 'x') + "\t" + std::string(40, 't') + "\t\t\t\t1\t\r\n";
  const std::string file = "45\t15\t0\t\r\nChampionnatRallyeEvenements\t\r\n" + std::string(300, 'n') + "\t\t1\t1\t2020\t\r\n" +
                           "\r\nChampionnatRallye1Classement\t\r\n" + std::string(50, 'r') + "\t500\t0\t\r\n" + rows;
  WriteBytes("c.clt", file);
  Championship c;
  ChampionshipFileReport report = ReadChampionshipClassificationFile("c.clt", &c.state);
  EXPECT_EQ(c.state.eventCount, 30);
  EXPECT_EQ(c.state.tables->rallyCount, 10);
  EXPECT_EQ(report.rallyTitlesMissing, 9);
  EXPECT_EQ(std::strlen(c.state.tables->events[0].name), 17u);
  EXPECT_EQ(c.Rally(0).rowCount, 200);
  EXPECT_EQ(std::strlen(c.Rally(0).name), 29u);
  EXPECT_EQ(std::strlen(c.Rally(0).rows[199].driver), 39u);
  EXPECT_EQ(std::strncmp(c.Rally(0).rows[199].driver, "D199", 4), 0);
  EXPECT_EQ(std::strlen(c.Rally(0).rows[0].team), 14u);
}

// Points edited by hand come back within what the correction box takes, and add up.
TEST(ChampionshipFile, HandEditedPointsAreReadWithinTheCorrectionBoxsDigits) {
  storagetest::WorkingFolder folder;
  WriteBytes("c.clt",
             "2\t1\t1\t\r\nChampionnatRallyeEvenements\t\r\nAlpha\t\t1\t2\t2025\t\r\nBeta\t\t9\t3\t2025\t\r\n"
             "\r\nChampionnatRallye1Classement\t\r\nBuggy\t1\t0\t\r\n"
             "Ann\tT1\t2WD\tJ\tJunior\t-2\t1\t2147483647\t2147483647\t2\t99999999999\t-7\t\r\n");
  Championship c;
  ReadChampionshipClassificationFile("c.clt", &c.state);
  const ChampionshipRow& row = c.Rally(0).rows[0];
  EXPECT_EQ(row.rallyPoints[0], kMaxChampionshipPoints);
  EXPECT_EQ(row.powerStagePoints[0], kMaxChampionshipPoints);
  EXPECT_EQ(row.rallyPoints[1], kMaxChampionshipPoints);
  EXPECT_EQ(row.powerStagePoints[1], kNoChampionshipResult);
  ComputeChampionshipTotals(&c.state);
  EXPECT_EQ(row.total, 3 * kMaxChampionshipPoints);
  // Places the import never gives (it gives 1 .. 200) are no result, not a countback win.
  EXPECT_EQ(row.place[0], 1);
  EXPECT_EQ(row.place[1], 2);
  WriteBytes("c.clt",
             "2\t1\t1\t\r\nChampionnatRallyeEvenements\t\r\nAlpha\t\t1\t2\t2025\t\r\nBeta\t\t9\t3\t2025\t\r\n"
             "\r\nChampionnatRallye1Classement\t\r\nBuggy\t1\t0\t\r\n"
             "Ann\tT1\t2WD\tJ\tJunior\t0\t0\t25\t0\t-2147483648\t25\t0\t\r\n");
  ReadChampionshipClassificationFile("c.clt", &c.state);
  EXPECT_EQ(row.place[0], kNoChampionshipResult);
  EXPECT_EQ(row.place[1], kNoChampionshipResult);
}

TEST(ChampionshipFile, AFailedWriteLeavesTheFormerFileWhole) {
  storagetest::WorkingFolder folder;
  Championship c;
  WriteBytes("c.clt", "former");
  ASSERT_TRUE(platform::CreateFolder("c.clt.tmp"));  // the temporary file cannot be made
  EXPECT_FALSE(WriteChampionshipClassificationFile("c.clt", c.state));
  EXPECT_EQ(ReadBytes("c.clt"), "former");
}

// --- Ranking, view, scroll bars, cells ---

void SetRow(ChampionshipRow* row, const char* driver, const char* car, int total, int place0) {
  ClearChampionshipRow(row);
  platform::CopyBounded(row->driver, driver);
  platform::CopyBounded(row->carCategory, car);
  platform::CopyBounded(row->ageCode, "S");
  platform::CopyBounded(row->ageName, "Senior");
  row->total = total;
  row->rallyPoints[0] = total;
  row->place[0] = place0;
}

TEST(ChampionshipView, RankedThenFilteredWithoutRankingAgain) {
  Championship c;
  ChampionshipRally& rally = c.Rally(0);
  SetRow(&rally.rows[0], "Ann", "B", 10, 3);
  SetRow(&rally.rows[1], "Bob", "A", 30, 1);
  SetRow(&rally.rows[2], "Cid", "B", 20, 2);
  SetRow(&rally.rows[3], "Dan", "C", 20, 1);
  rally.rowCount = 4;
  std::vector<std::string> cars, ages;
  SelectChampionshipRally(&rally, c.state.tables->display, kPointsDescending, &cars, &ages);
  EXPECT_EQ(cars, (std::vector<std::string>{"B", "A", "C"}));
  EXPECT_EQ(ages, (std::vector<std::string>{"S(Senior)"}));
  // Dan and Cid tie on 20: Dan's first place wins the countback.
  static ChampionshipRally view;
  BuildChampionshipView(rally, kAllCategories, kAllCategories, &view);
  ASSERT_EQ(view.rowCount, 4);
  EXPECT_STREQ(view.rows[0].driver, "Bob");
  EXPECT_STREQ(view.rows[1].driver, "Dan");
  EXPECT_STREQ(view.rows[2].driver, "Cid");
  // A hand correction changes the view and the rally but orders nothing until ranked again.
  ChampionshipPointCell cell;
  cell.viewRow = 2;
  cell.event = 0;
  StoreChampionshipCorrection(&view, &rally, cell, 50);
  EXPECT_EQ(ChampionshipCellValue(view, cell), 50);
  BuildChampionshipView(rally, "B", kAllCategories, &view);
  ASSERT_EQ(view.rowCount, 2);
  EXPECT_STREQ(view.rows[0].driver, "Cid");
  EXPECT_EQ(view.rows[0].rallyPoints[0], 50);
  EXPECT_STREQ(view.rows[1].driver, "Ann");
  BuildChampionshipView(rally, "B", "S(Junior)", &view);
  EXPECT_EQ(view.rowCount, 0);
  ComputeRallyTotals(&rally, 1, 0);
  RankChampionshipRally(&rally, c.state.tables->display, kPointsDescending);
  EXPECT_STREQ(rally.rows[0].driver, "Cid");
  RankChampionshipRally(&rally, c.state.tables->display, kPointsAscending);
  EXPECT_STREQ(rally.rows[0].driver, "Ann");
}

TEST(ChampionshipView, ScrollBarsAreClampedAndOnlyExistingEventsAreShown) {
  EXPECT_FALSE(ChampionshipVerticalBar(20, 7).shown);
  EXPECT_EQ(ChampionshipVerticalBar(20, 7).position, 0);
  ScrollBarState v = ChampionshipVerticalBar(25, 9);
  EXPECT_TRUE(v.shown);
  EXPECT_EQ(v.maximum, 5);
  EXPECT_EQ(v.position, 5);
  EXPECT_FALSE(ChampionshipHorizontalBar(8, 0, 3).shown);
  EXPECT_TRUE(ChampionshipHorizontalBar(6, 1, 3).shown);
  EXPECT_EQ(ChampionshipHorizontalBar(30, 0, 40).position, 29);
  EXPECT_EQ(ChampionshipHorizontalBar(5, 1, 4).position, 0);
  static ChampionshipEvent events[kMaxChampionshipEvents];
  for (int e = 0; e < kMaxChampionshipEvents; ++e) {
    ClearChampionshipEvent(&events[e]);
    if (e < 30) platform::CopyBounded(events[e].name, "E");
  }
  // 30 events from event 23: 7 columns, never an event past the table.
  EXPECT_EQ(ChampionshipColumnsShown(events, 30, 0, 23), 7);
  EXPECT_EQ(ChampionshipColumnsShown(events, 30, 0, 29), 1);
  EXPECT_EQ(ChampionshipColumnsShown(events, 30, 0, 2), 8);
  EXPECT_EQ(ChampionshipColumnsShown(events, 30, 1, 2), 5);
  EXPECT_EQ(ChampionshipColumnsShown(events, 10, 0, 2), 8);
  events[4].name[0] = '\0';
  EXPECT_EQ(ChampionshipColumnsShown(events, 10, 0, 2), 2);
}

TEST(ChampionshipView, HeadingAndPointCellsOfThePage) {
  // Event column 1 without Power Stage: heading x 20+527..20+575, y 250+95..250+134.
  EXPECT_EQ(ChampionshipHeadingAt(20 + 530, 250 + 100, 0, 2, 10), 3);
  EXPECT_EQ(ChampionshipHeadingAt(20 + 530, 250 + 95, 0, 2, 10), -1);
  EXPECT_EQ(ChampionshipHeadingAt(20 + 530, 250 + 100, 0, 2, 3), -1);
  ChampionshipPointCell cell = ChampionshipPointCellAt(20 + 550, 250 + 170, 0, 0, 3, 4, 30);
  EXPECT_EQ(cell.viewRow, 4);
  EXPECT_EQ(cell.event, 1);
  EXPECT_FALSE(cell.powerStage);
  EXPECT_EQ(cell.left, 20 + 545);
  EXPECT_EQ(cell.top, 250 + 160);
  cell = ChampionshipPointCellAt(20 + 640, 250 + 180, 1, 0, 3, 0, 30);
  EXPECT_TRUE(cell.powerStage);
  EXPECT_EQ(cell.event, 1);
  EXPECT_EQ(cell.viewRow, 1);
  EXPECT_EQ(ChampionshipPointCellAt(20 + 550, 250 + 170, 0, 0, 3, 0, 0).viewRow, -1);
  EXPECT_EQ(ChampionshipPointCellAt(20 + 550, 250 + 170, 0, 0, 1, 0, 5).viewRow, -1);
}

}  // namespace
