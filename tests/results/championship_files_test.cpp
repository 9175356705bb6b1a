// The championship files: the points scale file's bytes, round trip, bounds and defaults;
// the championships window's decisions over it; the sponsors file, sort, placing, drop zones
// and scale limits; which championship names may name a folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bounded.h"
#include "platform/files.h"
#include "results/championship_files.h"
#include "results/championship_sponsors.h"
#include "results/championship_window_model.h"
#include "results/points_scale_file.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::ReadBytes;
using testsupport::WriteBytes;

std::vector<int> Values(const int* values, int count) { return std::vector<int>(values, values + count); }

PointsScaleTable& Defaults() {
  static PointsScaleTable table;
  SetDefaultPointsScales(&table);
  return table;
}

// One line of 44 fields as the window writes it.
std::string ScaleLine(const std::string& name, const std::string& numbers33) { return name + "\t" + numbers33 + "\r\n"; }

TEST(PointsScaleFile, DefaultsAreTheFactoryScale) {
  PointsAllocation scale;
  SetDefaultPointsAllocation(&scale);
  EXPECT_EQ(scale.order, 2);
  EXPECT_EQ(scale.rallyMode, 1);
  EXPECT_EQ(scale.powerStageMode, 1);
  EXPECT_EQ(Values(scale.rally, 12), (std::vector<int>{25, 7, 3, 3, 2, 2, 2, 2, 2, 1, 1, 0}));
  EXPECT_EQ(Values(scale.powerStage, 10), (std::vector<int>{5, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
}

TEST(PointsScaleFile, WrittenBytesReadBackAndAMissingFileKeepsTheDefaults) {
  storagetest::WorkingFolder folder;
  char selected[kChampionshipNameSize] = "keep";
  PointsScaleTable& table = Defaults();
  EXPECT_FALSE(ReadPointsAllocationFile(selected, &table));
  EXPECT_STREQ(selected, "keep");
  EXPECT_EQ(table[0].rally[0], 25);

  platform::CopyBounded(table[0].name, "Cup A");
  platform::CopyBounded(table[1].name, "Cup B");
  table[1].order = 1;
  table[1].rallyMode = 2;
  table[1].powerStageMode = 2;
  for (int k = 0; k < 12; ++k) table[1].rally[k] = 100 - k;
  for (int k = 0; k < 10; ++k) table[1].powerStage[k] = 50 + k;
  ASSERT_TRUE(platform::CreateFolder(kChampionshipsFolder));
  ASSERT_TRUE(WritePointsAllocationFile("Cup B", table, 2));
  const std::string zeros8 = "0\t0\t0\t0\t0\t0\t0\t0\t";
  const std::string zeros10 = zeros8 + "0\t0\t";
  EXPECT_EQ(ReadBytes("Championnats/ChampionnatPoints.pts"),
            "ChampionnatS\xE9lection\tCup B\t\r\n"
            "Cup A\t2\t1\t25\t7\t3\t3\t2\t2\t2\t2\t2\t1\t1\t0\t" + zeros8 + "1\t5\t1\t1\t1\t1\t1\t0\t0\t0\t0\t" + zeros10 + "\r\n"
            "Cup B\t1\t2\t100\t99\t98\t97\t96\t95\t94\t93\t92\t91\t90\t89\t" + zeros8 + "2\t50\t51\t52\t53\t54\t55\t56\t57\t58\t59\t" +
                zeros10 + "\r\n");
  EXPECT_FALSE(platform::FileExists("Championnats/ChampionnatPoints.pts.tmp"));

  PointsScaleTable& back = Defaults();
  ASSERT_TRUE(ReadPointsAllocationFile(selected, &back));
  EXPECT_STREQ(selected, "Cup B");
  EXPECT_STREQ(back[0].name, "Cup A");
  EXPECT_STREQ(back[1].name, "Cup B");
  EXPECT_EQ(back[1].order, 1);
  EXPECT_EQ(back[1].rallyMode, 2);
  EXPECT_EQ(back[1].powerStageMode, 2);
  EXPECT_EQ(back[1].rally[11], 89);
  EXPECT_EQ(back[1].powerStage[9], 59);
  EXPECT_STREQ(back[2].name, "");

  // An empty selection: the word and two TABs.
  ASSERT_TRUE(WritePointsAllocationFile("", back, 0));
  EXPECT_EQ(ReadBytes("Championnats/ChampionnatPoints.pts"), "ChampionnatS\xE9lection\t\t\r\n");
}

TEST(PointsScaleFile, ReadingIsBoundedToItsFieldsAndTwentyLinesAndGoesOnPastByteFF) {
  storagetest::WorkingFolder folder;
  platform::CreateFolder(kChampionshipsFolder);
  const std::string numbers = "1\t2\t10\t9\t8\t7\t6\t5\t4\t3\t2\t1\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t2\t9\t8\t7\t6\t5\t4\t3\t2\t1\t1\t";
  std::string file = "ChampionnatS\xE9lection\t" + std::string(300, 'S') + "\t\r\n";
  file += ScaleLine(std::string(500, 'N'), numbers);
  file += ScaleLine("\xFF" "Cup", numbers);      // a line starting with the byte 0xFF
  file += ScaleLine("Short", "1\t2\t-4\t");       // a short line: the rest keeps its defaults
  for (int i = 0; i < 25; ++i) file += ScaleLine("Extra " + std::to_string(i), numbers);
  WriteBytes("Championnats/ChampionnatPoints.pts", file);
  char selected[kChampionshipNameSize + 8];
  std::memset(selected, 'x', sizeof selected);
  PointsScaleTable& table = Defaults();
  ASSERT_TRUE(ReadPointsAllocationFile(selected, &table));
  EXPECT_EQ(std::string(selected), std::string(19, 'S'));
  EXPECT_EQ(selected[20], 'x') << "nothing written past the 20 bytes";
  EXPECT_EQ(std::string(table[0].name), std::string(19, 'N'));
  EXPECT_EQ(table[0].order, 1);
  EXPECT_EQ(table[0].powerStageMode, 2);
  EXPECT_EQ(table[0].powerStage[0], 9);
  EXPECT_STREQ(table[1].name, "\xFF" "Cup");
  EXPECT_EQ(table[1].rally[0], 10);
  EXPECT_STREQ(table[2].name, "Short");
  EXPECT_EQ(table[2].rally[0], 0) << "a negative value is none the window could store";
  EXPECT_EQ(table[2].rally[1], 7) << "a missing value keeps its default";
  EXPECT_EQ(table[2].powerStage[0], 5);
  EXPECT_STREQ(table[19].name, "Extra 16");
}

// A line edited by hand: each number comes back within what the window's controls offer.
TEST(PointsScaleFile, HandEditedNumbersAreReadWithinWhatTheWindowTakes) {
  storagetest::WorkingFolder folder;
  platform::CreateFolder(kChampionshipsFolder);
  std::string numbers = "0\t7\t2147483647\t99999999999\t100\t99\t-1\t";
  for (int k = 5; k < 12; ++k) numbers += "2147483647\t";
  numbers += "0\t0\t0\t0\t0\t0\t0\t0\t1\t1000\t-2147483648\t";
  for (int k = 2; k < 10; ++k) numbers += "5\t";
  WriteBytes("Championnats/ChampionnatPoints.pts", "ChampionnatS\xE9lection\tCup\t\r\n" + ScaleLine("Cup", numbers));
  char selected[kChampionshipNameSize];
  PointsScaleTable& table = Defaults();
  ASSERT_TRUE(ReadPointsAllocationFile(selected, &table));
  const PointsAllocation& scale = table[0];
  EXPECT_EQ(scale.order, kPointsDescending) << "the window shows any order but ascending as descending";
  EXPECT_EQ(scale.rallyMode, kPointsRelative);
  EXPECT_EQ(scale.powerStageMode, kPointsFixed);
  EXPECT_EQ(Values(scale.rally, 12), (std::vector<int>{999, 99, 99, 99, 0, 99, 99, 99, 99, 99, 99, 99}))
      << "three digits for the first place, two for a gap";
  EXPECT_EQ(Values(scale.powerStage, 3), (std::vector<int>{999, 0, 5}));
}

TEST(ChampionshipWindowModel, ScalesFollowTheirNamesTheSelectionIsTheItemFoundAndRecordNeedsAList) {
  storagetest::WorkingFolder folder;
  platform::CreateFolder(kChampionshipsFolder);
  const std::string numbers = "1\t2\t30\t9\t8\t7\t6\t5\t4\t3\t2\t1\t1\t1\t0\t0\t0\t0\t0\t0\t0\t0\t2\t9\t8\t7\t6\t5\t4\t3\t2\t1\t1\t";
  const std::string original = "ChampionnatS\xE9lection\tCup B\t\r\n" + ScaleLine("Cup A", numbers) +
                               ScaleLine("Gone", numbers) + ScaleLine("Cup B", numbers);
  WriteBytes("Championnats/ChampionnatPoints.pts", original);
  static ChampionshipWindowData data;
  OpenChampionshipWindow(&data);
  EXPECT_STREQ(data.selectedName, "Cup B");

  // Nothing listed (the database was missing): Record leaves every scale on disk.
  TakeChampionshipItems(&data, {});
  SelectChampionship(&data, -1);
  StoreScaleEdit(&data, 0, "77");
  StoreScaleChoice(&data, ScaleChoice::Ascending);
  EXPECT_EQ(RecordChampionshipScales(data), RecordOutcome::NothingListed);
  EXPECT_EQ(ReadBytes("Championnats/ChampionnatPoints.pts"), original);

  OpenChampionshipWindow(&data);
  TakeChampionshipItems(&data, {"New cup", "Cup B", "Cup A"});
  // The saved selection found at item 1: that record, not record 0, is the current one.
  SelectChampionship(&data, 1);
  EXPECT_STREQ(data.selectedName, "Cup B");
  EXPECT_EQ(ShownScale(data).rally[0], 30);
  EXPECT_EQ(data.shown[0].rally[0], 25) << "a championship absent from the file keeps the defaults";
  EXPECT_EQ(data.shown[2].order, 1);
  EXPECT_EQ(ScaleEditDigits(0), 3);
  EXPECT_EQ(ScaleEditDigits(12), 3);
  EXPECT_EQ(ScaleEditDigits(1), 2);
  EXPECT_EQ(ScaleValue(ShownScale(data), 12), 9);
  StoreScaleEdit(&data, 0, "100");
  StoreScaleEdit(&data, 13, "");
  StoreScaleEdit(&data, 14, "-4");
  StoreScaleChoice(&data, ScaleChoice::Descending);
  StoreScaleChoice(&data, ScaleChoice::RallyRelative);
  EXPECT_EQ(data.shown[1].rally[0], 100);
  EXPECT_EQ(data.shown[1].powerStage[1], 0);
  EXPECT_EQ(data.shown[1].powerStage[2], 0) << "unreadable text stores 0";
  EXPECT_EQ(data.shown[1].order, 2);
  EXPECT_EQ(data.shown[0].rally[0], 25);
  EXPECT_EQ(RecordChampionshipScales(data), RecordOutcome::Written);
  std::string written = ReadBytes("Championnats/ChampionnatPoints.pts");
  EXPECT_EQ(written.find("Gone"), std::string::npos) << "a championship no longer in the database is dropped";
  EXPECT_EQ(written.rfind("ChampionnatS\xE9lection\tCup B\t\r\nNew cup\t2\t1\t25\t", 0), 0u) << written;
  EXPECT_NE(written.find("Cup B\t2\t2\t100\t"), std::string::npos);

  // No selection: the controls show record 0 and change nothing.
  SelectChampionship(&data, 5);
  EXPECT_STREQ(data.selectedName, "");
  EXPECT_EQ(&ShownScale(data), &data.shown[0]);
  StoreScaleEdit(&data, 1, "9");
  EXPECT_EQ(data.shown[0].rally[1], 7);
  EXPECT_STREQ(OpenableChampionship(data), "");
}

TEST(ChampionshipFiles, OnlyPlainNamesNameAFolder) {
  for (const char* plain : {"Cup A", "Coupe d'\xE9t\xE9", "a.b", "R-1_2", "Cone", "COM", "COM10", "Nul Cup", ".Cup"})
    EXPECT_TRUE(IsPlainChampionshipName(plain)) << plain;
  for (const char* bad : {"", ".", "..", "a\\b", "a/b", "C:", "x:y", "a*", "a?", "a|b", "\"q\"", "<a>", "tab\there",
                          "Cup.", "Cup ", "CON", "nul", "Aux.txt", "com1", "LPT9"})
    EXPECT_FALSE(IsPlainChampionshipName(bad)) << bad;
  char path[64];
  EXPECT_TRUE(SponsorsFilePath("Cup A", path, sizeof path));
  EXPECT_STREQ(path, "Championnats/Cup A/Sponsors.spr");
  EXPECT_FALSE(SponsorsFilePath("..", path, sizeof path));
  EXPECT_STREQ(path, "");
  EXPECT_FALSE(SponsorsFilePath(std::string(60, 'a').c_str(), path, sizeof path));
  static ChampionshipWindowData data;
  ChampionshipWindowData fresh = {};
  data = fresh;
  data.itemCount = 1;
  platform::CopyBounded(data.shown[0].name, "..");
  SelectChampionship(&data, 0);
  EXPECT_STREQ(OpenableChampionship(data), "") << "such a name acts as no selection";
}

// --- Sponsors ---

SponsorTable& Sponsors() {
  static SponsorTable table;
  ClearSponsors(&table);
  return table;
}

std::vector<std::string> Listed(const SponsorTable& table) {
  std::vector<std::string> names;
  for (int i = 0; i < ListedSponsorCount(table); ++i) names.push_back(table[static_cast<std::size_t>(i)].name);
  return names;
}

TEST(Sponsors, AddingSortsRefusesDuplicatesBlanksAndATwentyFirst) {
  SponsorTable& table = Sponsors();
  EXPECT_EQ(table[5].scalePercent, 100);
  EXPECT_EQ(AddSponsor(&table, "beta"), 0);
  EXPECT_EQ(AddSponsor(&table, "Alpha"), 0);
  EXPECT_EQ(AddSponsor(&table, "charlie"), 2);
  EXPECT_EQ(Listed(table), (std::vector<std::string>{"Alpha", "beta", "charlie"}));
  EXPECT_EQ(AddSponsor(&table, "Red-Bull"), 3);
  EXPECT_STREQ(table[3].name, "Red_Bull");
  EXPECT_EQ(AddSponsor(&table, "Red_Bull"), -1);
  EXPECT_EQ(AddSponsor(&table, ""), -1);
  EXPECT_EQ(AddSponsor(&table, " lead"), -1);
  EXPECT_EQ(AddSponsor(&table, "A much too long sponsor name"), 0);
  EXPECT_STREQ(table[0].name, "A much too long spo");
  for (int i = 0; ListedSponsorCount(table) < 20; ++i) EXPECT_GE(AddSponsor(&table, ("S" + std::to_string(i)).c_str()), 0);
  EXPECT_EQ(AddSponsor(&table, "zulu"), -1);
  EXPECT_EQ(FindSponsor(table, "zulu"), -1);
}

TEST(Sponsors, LogosArePlacedDownTheLeftThenAlongTheBottomAndRemovalPlacesThemAfresh) {
  SponsorTable& table = Sponsors();
  for (int i = 0; i < 17; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "S%02d", i);
    AddSponsor(&table, name);
  }
  SetSponsorLogo(&table, 0, "a.bmp");
  SetSponsorLogo(&table, 1, "b.bmp");
  SetSponsorLogo(&table, 2, "c.bmp");
  EXPECT_EQ(std::make_pair(table[0].x, table[0].y), std::make_pair(40, 350));
  EXPECT_EQ(std::make_pair(table[1].x, table[1].y), std::make_pair(40, 380));
  EXPECT_EQ(std::make_pair(table[2].x, table[2].y), std::make_pair(40, 410));
  table[1].scalePercent = 150;
  for (int i = 3; i < 16; ++i) SetSponsorLogo(&table, i, "logo.bmp");
  EXPECT_EQ(table[1].scalePercent, 100) << "a relayout resets the scales";
  EXPECT_EQ(std::make_pair(table[10].x, table[10].y), std::make_pair(170, 760));
  EXPECT_EQ(std::make_pair(table[14].x, table[14].y), std::make_pair(570, 760));
  EXPECT_EQ(std::make_pair(table[15].x, table[15].y), std::make_pair(170, 790));
  EXPECT_EQ(table[16].x, 0) << "no logo, no place";

  RemoveSponsor(&table, "S00");
  EXPECT_STREQ(table[0].name, "S01");
  EXPECT_EQ(std::make_pair(table[0].x, table[0].y), std::make_pair(40, 350));
  EXPECT_EQ(std::make_pair(table[14].x, table[14].y), std::make_pair(570, 760));
  EXPECT_EQ(table[15].x, 0);
  EXPECT_EQ(ListedSponsorCount(table), 16);

  // A logo cleared: its place and scale reset too.
  SetSponsorLogo(&table, 3, "");
  EXPECT_EQ(table[3].x, 0);
  EXPECT_EQ(table[3].scalePercent, 100);
  EXPECT_EQ(table[4].y, 440);
}

TEST(Sponsors, DraggingDropsOnlyInTheMarginsAndScalesStayWithinTheirLimits) {
  SponsorTable& table = Sponsors();
  AddSponsor(&table, "A");
  AddSponsor(&table, "B");
  SetSponsorLogo(&table, 0, "a.bmp");
  SetSponsorLogo(&table, 1, "b.bmp");
  // Centres (73, 360) and (73, 390).
  EXPECT_EQ(SponsorLogoAt(table, 73, 360), 0);
  EXPECT_EQ(SponsorLogoAt(table, 87, 394), 1);
  EXPECT_EQ(SponsorLogoAt(table, 88, 390), -1);
  EXPECT_EQ(SponsorLogoAt(table, 73, 375), -1);
  EXPECT_TRUE(DropSponsorLogo(&table[0], 60, 500));
  EXPECT_EQ(std::make_pair(table[0].x, table[0].y), std::make_pair(27, 490));
  EXPECT_FALSE(DropSponsorLogo(&table[0], 400, 500)) << "inside the page";
  EXPECT_EQ(std::make_pair(table[0].x, table[0].y), std::make_pair(27, 490));
  EXPECT_TRUE(InSponsorDropZone(21, 241));
  EXPECT_TRUE(InSponsorDropZone(729, 829));
  EXPECT_FALSE(InSponsorDropZone(20, 500));
  EXPECT_FALSE(InSponsorDropZone(110, 759));
  EXPECT_FALSE(InSponsorDropZone(730, 800));
  EXPECT_TRUE(InSponsorLogoBox(381, 141));
  EXPECT_FALSE(InSponsorLogoBox(380, 150));

  table[1].scalePercent = 198;
  EnlargeSponsorLogo(&table[1]);
  EXPECT_EQ(table[1].scalePercent, 200);
  EnlargeSponsorLogo(&table[1]);
  EXPECT_EQ(table[1].scalePercent, 200);
  table[1].scalePercent = 52;
  ShrinkSponsorLogo(&table[1]);
  EXPECT_EQ(table[1].scalePercent, 50);
  ShrinkSponsorLogo(&table[1]);
  EXPECT_EQ(table[1].scalePercent, 50);
  EXPECT_EQ(SponsorLogoWidth(100), 66);
  EXPECT_EQ(SponsorLogoHeight(100), 20);
  EXPECT_EQ(SponsorLogoWidth(150), 99);
}

TEST(Sponsors, FileRoundTripBoundedToTwentyRecordsAndClearedFieldsOverAnImport) {
  storagetest::WorkingFolder folder;
  SponsorTable& table = Sponsors();
  AddSponsor(&table, "Alpha");
  AddSponsor(&table, "Beta");
  SetSponsorLogo(&table, 1, "C:\\logos\\beta.bmp");
  table[1].scalePercent = 124;
  ASSERT_TRUE(CreateChampionshipFolder("Cup A"));
  char path[300];
  ASSERT_TRUE(SponsorsFilePath("Cup A", path, sizeof path));
  ASSERT_TRUE(WriteSponsorsFile(path, table, 2));
  EXPECT_EQ(ReadBytes(path), "Alpha\t\t0\t0\t100\t\r\nBeta\tC:\\logos\\beta.bmp\t40\t350\t124\t\r\n");
  SponsorTable& back = Sponsors();
  ASSERT_TRUE(ReadSponsorsFile(path, &back));
  EXPECT_STREQ(back[1].logoPath, "C:\\logos\\beta.bmp");
  EXPECT_EQ(back[1].y, 350);
  EXPECT_EQ(back[1].scalePercent, 124);
  EXPECT_STREQ(back[2].name, "");

  // Over a table already filled: each record read is cleared first, the others stay.
  std::string longer = std::string(40, 'L') + "\t" + std::string(400, 'p') + "\t1\t2\t60\t\r\n";
  longer += "\xFF" "Shop\t\t5\t6\t\r\n";  // a short line after a byte 0xFF
  for (int i = 0; i < 30; ++i) longer += "More " + std::to_string(i) + "\tm.bmp\t1\t1\t100\t\r\n";
  WriteBytes("other.spr", longer);
  SponsorTable& over = Sponsors();
  for (SponsorRecord& sponsor : over) {
    platform::CopyBounded(sponsor.name, "old name is long");
    platform::CopyBounded(sponsor.logoPath, "old/path/that/is/longer.bmp");
  }
  ASSERT_TRUE(ReadSponsorsFile("other.spr", &over));
  EXPECT_EQ(std::string(over[0].name), std::string(19, 'L'));
  EXPECT_EQ(std::string(over[0].logoPath), std::string(259, 'p'));
  EXPECT_EQ(over[0].scalePercent, 60);
  EXPECT_STREQ(over[1].name, "\xFF" "Shop");
  EXPECT_STREQ(over[1].logoPath, "");
  EXPECT_EQ(over[1].scalePercent, 100) << "a missing field is cleared, not left from before";
  EXPECT_STREQ(over[19].name, "More 17");
  EXPECT_FALSE(ReadSponsorsFile("missing.spr", &over));
  // Scales and places out of reach come back within what the dialog and the page handle.
  WriteBytes("odd.spr", "Huge	m.bmp	2147483647	-2147483647	99999999	\r\nTiny	m.bmp	5	6	-4	\r\n");
  ASSERT_TRUE(ReadSponsorsFile("odd.spr", &over));
  EXPECT_EQ(over[0].scalePercent, 200);
  EXPECT_EQ(over[0].x, 10000);
  EXPECT_EQ(over[0].y, -10000);
  EXPECT_EQ(SponsorLogoAt(over, 10000 + 66, -10000 + 20), 0);
  EXPECT_EQ(over[1].scalePercent, 50);
  EXPECT_EQ(over[1].x, 5);

  // A file that cannot be replaced keeps its former contents.
  platform::CreateFolder("Championnats/Cup A/Sponsors.spr.tmp");
  EXPECT_FALSE(WriteSponsorsFile(path, over, 20));
  EXPECT_EQ(ReadBytes(path), "Alpha\t\t0\t0\t100\t\r\nBeta\tC:\\logos\\beta.bmp\t40\t350\t124\t\r\n");
}

}  // namespace
