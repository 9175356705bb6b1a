// The internet dialog's web event: its folder name, the entry rules, the stored web event
// read back, the championship match, the pages it opens, and its opening's decisions over
// the coordinates file.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "results/internet_dialog_model.h"
#include "results/web_publishing.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr LocalDate kToday = {9, 12, 2026};

TEST(WebEventFolder, JoinsNameAndDateWithEveryForbiddenCharacterReplaced) {
  EXPECT_EQ(WebEventFolder("Spring Cup/2", "05", "06", "2025"), "Spring_Cup_2_05_06_2025");
  EXPECT_EQ(WebEventFolder("a<b>c:d\"e/f\\g|h?i*j k", "01", "02", "2030"), "a_b_c_d_e_f_g_h_i_j_k_01_02_2030");
  // Accents, quotes and the characters a query would split on stay: the URLs encode them.
  EXPECT_EQ(WebEventFolder("\xC9t\xE9 & #1", "31", "12", "2099"), "\xC9t\xE9_&_#1_31_12_2099");
  // The longest name the entry takes.
  EXPECT_EQ(WebEventFolder(std::string(28, 'N').c_str(), "05", "06", "2025").size(), 39u);
}

TEST(WebEventEntry, NeedsANameAndATwoTwoFourDigitDateWithinItsRanges) {
  EXPECT_TRUE(WebEventEntryIsValid("Spring", "05", "06", "2099"));
  EXPECT_TRUE(WebEventEntryIsValid("S", "31", "12", "2011"));
  EXPECT_FALSE(WebEventEntryIsValid("", "05", "06", "2025"));
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "5", "06", "2025")) << "one digit, though 5 is a day";
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "05", "6", "2025"));
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "05", "06", "2010"));
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "05", "06", "2100"));
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "00", "06", "2025"));
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "32", "06", "2025"));
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "05", "13", "2025"));
  EXPECT_FALSE(WebEventEntryIsValid("Spring", "5a", "06", "2025"));
}

TEST(WebEventFolder, SplitsBackIntoNameAndDateOnlyWhenItsDateIsValid) {
  WebEventCopy copy = {};
  ASSERT_TRUE(SplitWebEventFolder("Spring_Cup_05_06_2025", &copy));
  EXPECT_STREQ(copy.eventName, "Spring_Cup");
  EXPECT_STREQ(copy.day, "05");
  EXPECT_STREQ(copy.month, "06");
  EXPECT_STREQ(copy.year, "2025");
  ASSERT_TRUE(SplitWebEventFolder("S_31_12_2099", &copy));
  EXPECT_STREQ(copy.eventName, "S");
  EXPECT_FALSE(SplitWebEventFolder("_05_06_2025", &copy)) << "11 characters: no name";
  EXPECT_FALSE(SplitWebEventFolder("", &copy));
  EXPECT_FALSE(SplitWebEventFolder("Spring_05_13_2025", &copy));
  EXPECT_FALSE(SplitWebEventFolder("Spring_05_06_2010", &copy));
  EXPECT_FALSE(SplitWebEventFolder("Spring_05_06_2100", &copy));
  EXPECT_FALSE(SplitWebEventFolder("Spring-05_06_2025", &copy));
  EXPECT_FALSE(SplitWebEventFolder("Spring_05-06_2025", &copy));
}

TEST(WebEventChampionship, MatchesTheWholeNameIgnoringCaseNotAPrefix) {
  ChampionshipsTable table = {};
  platform::CopyBounded(table[0].name, "Cup 2024");
  platform::CopyBounded(table[1].name, "Alps Cup");
  platform::CopyBounded(table[3].name, "Cup");  // after the end of the table
  EXPECT_EQ(FindChampionship(table, "Cup"), -1);
  EXPECT_EQ(FindChampionship(table, "cup 2024"), 0);
  EXPECT_EQ(FindChampionship(table, "ALPS CUP"), 1);
  EXPECT_EQ(FindChampionship(table, "Alps"), -1);
  EXPECT_EQ(FindChampionship(table, ""), -1);
  EXPECT_EQ(ShownChampionship("Alps_Cup_"), "Alps Cup ");
  EXPECT_EQ(StoredChampionship("Alps Cup "), "Alps_Cup_");
}

WebEventCopy Copy(const char* championship, const char* folder) {
  WebEventCopy copy = {};
  platform::CopyBounded(copy.championship, championship);
  platform::CopyBounded(copy.eventFolder, folder);
  return copy;
}

TEST(CreationEventPage, CreatesOrRenamesWithEveryValueEncoded) {
  FtpServer site = {"ftp.example.org:2121", "u", "p"};
  EXPECT_EQ(CreationEventPageUrl(site, false, Copy("Alps_Cup", "Spring_05_06_2025"), Copy("", "")),
            "http://ftp.example.org/VellgrinRally/CreationEvent.php?action=create&payssaisie=Alps_Cup"
            "&paysfichier=&eventsaisie=Spring_05_06_2025&eventfichier=");
  EXPECT_EQ(CreationEventPageUrl(site, true, Copy("A&B", "R#1_05_06_2025"), Copy("C=D", "50%+_01_01_2020")),
            "http://ftp.example.org/VellgrinRally/CreationEvent.php?action=rename&payssaisie=A%26B"
            "&paysfichier=C%3DD&eventsaisie=R%231_05_06_2025&eventfichier=50%25%2B_01_01_2020");
  EXPECT_NE(CreationEventPageUrl(site, false, Copy("\xC9t\xE9", "x"), Copy("", "")).find("payssaisie=%C9t%E9&"),
            std::string::npos);
  EXPECT_EQ(EventListPageUrl(site), "http://ftp.example.org/VellgrinRally/ListeEvents.php?lang=GB&country=_&event=_&rally=_");
}

TEST(WebEventChange, CreatesWithoutAskingWhenThereIsNoCurrentWebEvent) {
  InternetDialogState state = {};
  EXPECT_FALSE(ChangeNeedsQuestion(state));
  EXPECT_EQ(ChooseWebEventChange(state, 0), WebEventChange::Create);
  state.current = Copy("Cup", "Old_01_01_2025");
  EXPECT_TRUE(ChangeNeedsQuestion(state));
  EXPECT_EQ(ChooseWebEventChange(state, platform::kIdYes), WebEventChange::Create);
  EXPECT_EQ(ChooseWebEventChange(state, platform::kIdNo), WebEventChange::Rename);
  EXPECT_EQ(ChooseWebEventChange(state, platform::kIdCancel), WebEventChange::Cancel);
}

TEST(EnteredWebEvent, IsCheckedThenGetsItsFolderAndStoredChampionship) {
  WebEventCopy entered = {};
  platform::CopyBounded(entered.eventName, "Spring Cup");
  platform::CopyBounded(entered.day, "05");
  platform::CopyBounded(entered.month, "06");
  platform::CopyBounded(entered.year, "2025");
  EXPECT_EQ(CheckEnteredWebEvent(&entered), EntryCheck::NoChampionship);
  platform::CopyBounded(entered.championshipShown, "Alps Cup");
  ASSERT_EQ(CheckEnteredWebEvent(&entered), EntryCheck::Valid);
  EXPECT_STREQ(entered.eventFolder, "Spring_Cup_05_06_2025");
  EXPECT_STREQ(entered.championship, "Alps_Cup");
  platform::CopyBounded(entered.year, "2010");
  EXPECT_EQ(CheckEnteredWebEvent(&entered), EntryCheck::NotCorrect);
}

// The opening over a coordinates file and a championships database in a folder of its own.
class InternetOpening : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = platform::CurrentFolder();
    ASSERT_TRUE(platform::SetCurrentFolder(folder.path().c_str()));
    platform::TextFile championships(kChampionshipsDatabaseFile, "w");
    championships.Printf("Cup 2024\tThe cup\t\nAlps Cup\tThe Alps\t\n");
  }
  void TearDown() override {
    platform::SetCurrentFolder(saved.c_str());
  }
  void Store(const char* folderName, const char* championship, int active) {
    WriteWebCoordinates(nullptr, folderName, championship, "links", 1, active);
  }
  InternetDialogState& Open(int* storedActive) {
    EXPECT_TRUE(OpenInternetDialogState(&state, kToday, storedActive));
    return state;
  }
  static std::string Coordinates() { return testsupport::ReadBytes(kWebCoordinatesFile); }

  testsupport::TempFolder folder;
  std::string saved;
  InternetDialogState state = {};
};

TEST_F(InternetOpening, KeepsAValidStoredWebEventAndActivatesWhenItsFolderIsThere) {
  Store("Spring_05_06_2025", "Alps_Cup", 1);
  int storedActive = 0;
  Open(&storedActive);
  EXPECT_EQ(storedActive, 1);
  EXPECT_STREQ(state.entered.eventName, "Spring");
  EXPECT_STREQ(state.entered.championshipShown, "Alps Cup");
  ASSERT_TRUE(OpeningProbesFolder(state));
  EXPECT_FALSE(FinishInternetOpening(&state, {false, true, true, true}, kToday, storedActive));
  EXPECT_EQ(state.publishingActive, 1);
  EXPECT_EQ(state.message, std::string(Tr(Text::InternetConnected)) + Tr(Text::InternetActivated) +
                               Tr(Text::InternetEventLine) + "'Spring 05/06/2025'");
}

TEST_F(InternetOpening, AStoredChampionshipInOtherCaseIsShownAsTheDatabaseSpellsIt) {
  Store("Spring_05_06_2025", "ALPS_cup", 1);
  int storedActive = 0;
  Open(&storedActive);
  EXPECT_STREQ(state.entered.championshipShown, "Alps Cup");
  EXPECT_STREQ(state.current.eventFolder, "Spring_05_06_2025");
}

TEST_F(InternetOpening, ForgetsTheStoredWebEventWhoseChampionshipMatchesOnlyByPrefix) {
  Store("Spring_05_06_2025", "Cup", 1);
  int storedActive = 0;
  Open(&storedActive);
  EXPECT_STREQ(state.current.eventFolder, "");
  EXPECT_STREQ(state.entered.eventName, "");
  EXPECT_STREQ(state.entered.day, "09");
  EXPECT_STREQ(state.entered.month, "12");
  EXPECT_STREQ(state.entered.year, "2026");
  EXPECT_FALSE(OpeningProbesFolder(state));
  // The file said publishing: it is rewritten off, its web event kept for the record.
  EXPECT_TRUE(FinishInternetOpening(&state, {false, true, false, false}, kToday, storedActive));
  EXPECT_EQ(state.publishingActive, 0);
  EXPECT_EQ(state.message, std::string(Tr(Text::InternetConnected)) + Tr(Text::InternetNotActivated));
  EXPECT_STREQ(state.file.eventFolder, "Spring_05_06_2025");
}

TEST_F(InternetOpening, ForgetsTheWebEventWhoseFolderIsGoneFromTheSite) {
  Store("Spring_05_06_2025", "Alps_Cup", 1);
  int storedActive = 0;
  Open(&storedActive);
  EXPECT_TRUE(FinishInternetOpening(&state, {false, true, true, false}, kToday, storedActive));
  EXPECT_STREQ(state.current.eventFolder, "");
  EXPECT_STREQ(state.entered.year, "2026");
  EXPECT_EQ(state.publishingActive, 0);
}

TEST_F(InternetOpening, ASiteThatDoesNotAnswerLeavesTheFilePublishing) {
  // During a stage the network may drop for a moment: the live upload goes on trying.
  Store("Spring_05_06_2025", "Alps_Cup", 1);
  int storedActive = 0;
  Open(&storedActive);
  EXPECT_FALSE(FinishInternetOpening(&state, {false, false, false, false}, kToday, storedActive));
  EXPECT_EQ(state.publishingActive, 0);
  EXPECT_STREQ(state.current.eventFolder, "Spring_05_06_2025");
  Open(&storedActive);
  EXPECT_FALSE(FinishInternetOpening(&state, {true, false, false, false}, kToday, storedActive));
}

TEST_F(InternetOpening, NotConnectedSaysOnlySoAndAnInactiveFileNeedsNoRewrite) {
  Store("Spring_05_06_2025", "Alps_Cup", 0);
  int storedActive = 1;
  Open(&storedActive);
  EXPECT_EQ(storedActive, 0);
  EXPECT_FALSE(FinishInternetOpening(&state, {false, false, false, false}, kToday, storedActive));
  EXPECT_EQ(state.connected, 0);
  EXPECT_EQ(state.message, Tr(Text::InternetNotConnected));
  // A stored folder with a bad month or too short is forgotten at once.
  Store("Spring_05_13_2025", "Alps_Cup", 0);
  Open(&storedActive);
  EXPECT_STREQ(state.current.eventFolder, "");
  Store("S_5_6_2025", "Alps_Cup", 0);
  Open(&storedActive);
  EXPECT_STREQ(state.current.eventFolder, "");
}

TEST_F(InternetOpening, ActivatingMakesTheEnteredWebEventCurrent) {
  Store("", "", 0);
  int storedActive = 0;
  Open(&storedActive);
  FinishInternetOpening(&state, {false, true, false, false}, kToday, storedActive);
  platform::CopyBounded(state.entered.eventName, "Autumn");
  platform::CopyBounded(state.entered.championshipShown, "Cup 2024");
  ASSERT_EQ(CheckEnteredWebEvent(&state.entered), EntryCheck::Valid);
  ActivateWebEvent(&state);
  EXPECT_EQ(state.publishingActive, 1);
  EXPECT_STREQ(state.current.eventFolder, "Autumn_09_12_2026");
  EXPECT_STREQ(state.current.championship, "Cup_2024");
  EXPECT_NE(state.message.find("'Autumn 09/12/2026'"), std::string::npos);
}

}  // namespace
