// The participants list's place on the results web site and its printed pages.
#include <gtest/gtest.h>

#include "app/build_profile.h"
#include "results/archive_publishing_model.h"
#include "setup/printed_pages.h"

namespace {

TEST(ParticipantsWebFolder, ReplacesWhatAFolderCannotHoldAndTheFrenchBuildOnlyBlanksAndSlashes) {
  EXPECT_EQ(WebRallyFolder("Club Cup 2/3"), "Club_Cup_2_3");
  EXPECT_EQ(ArchiveRallyKey(2, "Club Cup 2/3"), "R2-Club_Cup_2_3");
  EXPECT_EQ(WebRallyFolder("a<b>c:d\"e\\f|g?h*i"), "a_b_c_d_e_f_g_h_i");
  EXPECT_EQ(WebRallyFolder("Rallye \xE9t\xE9-1"), "Rallye_\xE9t\xE9-1");
  EXPECT_EQ(ArchiveRallyKey(9, ""), "R9-");

  SetActiveProfile(kFrenchBuild);
  EXPECT_EQ(WebRallyFolder("Club Cup 2/3"), "Club_Cup_2_3");
  EXPECT_EQ(WebRallyFolder("a<b>c:d?e*f\\g"), "a<b>c:d?e*f\\g");
  EXPECT_EQ(ArchiveRallyKey(1, "Coupe d'hiver"), "R1-Coupe_d'hiver");
  SetActiveProfile(kEnglishBuild);
}

TEST(AdditionArchivePage, IsOnTheWebHostWithEveryValueEncoded) {
  FtpServer site = {"ftp.example.org", "u", "p"};
  EXPECT_EQ(AdditionArchivePageUrl(site, "Cup_2024", "Spring_1_5_2024", "R2-Club_Cup_2_3", "Liste.txt"),
            "http://ftp.example.org/VellgrinRally/AdditionArchive.php?country=Cup_2024&event=Spring_1_5_2024"
            "&rally=R2-Club_Cup_2_3&archive=Liste.txt");
  // A value may not end the query early or add a key of its own.
  FtpServer local = {"127.0.0.1:21719", "u", "p"};
  EXPECT_EQ(AdditionArchivePageUrl(local, "A&B", "x=1#y", "R1-\xE9 ?", "Liste.txt"),
            "http://127.0.0.1/VellgrinRally/AdditionArchive.php?country=A%26B&event=x%3D1%23y"
            "&rally=R1-%E9%20%3F&archive=Liste.txt");
}

TEST(PrintedPages, ThirtyAPageNumberedOnAcrossPagesWithBandsOnOddRowsOfEachPage) {
  EXPECT_TRUE(PrintedPages(0).empty());
  EXPECT_TRUE(PrintedPages(-3).empty());

  std::vector<PrintedPage> one = PrintedPages(30);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].first, 0);
  EXPECT_EQ(one[0].rows, 30);

  std::vector<PrintedPage> two = PrintedPages(31);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].rows, 30);
  EXPECT_EQ(two[1].first, 30);
  EXPECT_EQ(two[1].rows, 1);
  EXPECT_EQ(RunningNumber(two[0], 0), 1);
  EXPECT_EQ(RunningNumber(two[0], 29), 30);
  EXPECT_EQ(RunningNumber(two[1], 0), 31);

  // Rows 1, 3, 5 ... of each page as printed: the second page's only row has its band.
  EXPECT_TRUE(RowHasBand(0));
  EXPECT_FALSE(RowHasBand(1));
  EXPECT_TRUE(RowHasBand(2));
  EXPECT_TRUE(RowHasBand(28));
  EXPECT_FALSE(RowHasBand(29));

  // A count beyond the table prints the table, no more.
  std::vector<PrintedPage> full = PrintedPages(250);
  ASSERT_EQ(full.size(), 7u);
  EXPECT_EQ(full.back().first, 180);
  EXPECT_EQ(full.back().rows, 20);
}

}  // namespace
