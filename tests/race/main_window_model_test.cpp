// The main window's decisions without windows: tree model, popups, rally names, race-control
// geometry, crash copy, stage leaving and loading, and the web publishing files.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "race/event_file.h"
#include "race/event_session.h"
#include "race/event_tree_model.h"
#include "race/race_controls_layout.h"
#include "results/web_publishing.h"
#include "tests/support/temp_folder.h"

namespace {

class InFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = platform::CurrentFolder();
    platform::SetCurrentFolder(folder.path().c_str());
    platform::CreateFolder("Private");
    SetActiveProfile(kEnglishBuild);
  }
  void TearDown() override { platform::SetCurrentFolder(saved.c_str()); }
  std::string Bytes(const char* name) { return testsupport::ReadBytes(folder / name); }
  testsupport::TempFolder folder;
  std::string saved;
};

TEST(RaceControls, StartAt688x40At1600x900AndScaledElsewhere) {
  auto layout = RaceControlLayout(1600, 900);
  EXPECT_EQ(layout[0].id, kStartButton);
  EXPECT_EQ(layout[0].x, 688);
  EXPECT_EQ(layout[0].y, 40);
  EXPECT_EQ(layout[0].width, 80);
  EXPECT_EQ(layout[0].height, 45);
  EXPECT_EQ(layout[1].x, 693);
  EXPECT_EQ(layout[1].y, 86);
  EXPECT_EQ(layout[1].height, 20);
  EXPECT_EQ(layout[0].style, 0x50000080u);
  auto small = RaceControlLayout(1024, 768);
  EXPECT_EQ(small[0].x, (1024 * 42 - 8400) / 100 + 100);
  EXPECT_EQ(small[0].y, 768 * 40 / 900);
  EXPECT_EQ(small[6].x, 1024 - 120);
  // Two group boxes share 2223; the first is the transponder mode's.
  EXPECT_EQ(layout[9].id, kTransponderModeGroup);
  EXPECT_EQ(layout[13].id, kTransponderModeGroup);
}

TEST(EventTreeModel, FreshEventNodesCodesAndImages) {
  static RallyRecord rallies[kMaxRallies];
  static RallyParticipantNames names;
  static TreeviewFlags flags;
  std::memset(rallies, 0, sizeof rallies);
  std::memset(names, 0, sizeof names);
  std::memset(flags, 0, sizeof flags);
  SetActiveProfile(kEnglishBuild);
  std::strcpy(rallies[0].name, "RALLY 1");
  rallies[0].participantCount = 2;
  rallies[0].stageCount = 3;
  std::strcpy(names[0][0], "Ann");
  std::strcpy(names[0][1], "Bob");
  flags[0][1] = kStageRemoved | kStageHasResults;
  flags[0][2] = kStageIsPowerStage | kStageHasResults;
  auto nodes = EventTreeNodes({rallies, &names, flags, 1});
  std::vector<std::string> labels;
  for (auto& n : nodes) labels.push_back(std::to_string(n.code) + " " + n.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"1000 Track", "10000 RALLY 1", "11000 Drivers (2)", "11001 Ann",
                                              "11002 Bob", "13000 Special stages", "13010 StartOrder",
                                              "13020 Parameters", "13101 SS1", "13103 Power Stage",
                                              "14000 Classifications", "14100 Class. Rally", "14101 Class. SS1",
                                              "14103 Class. Power Stage"}));
  EXPECT_TRUE(nodes[1].bold);
  EXPECT_EQ(nodes[9].image, kImageStageWithResults);
  EXPECT_EQ(nodes[8].image, kImageStage);
  EXPECT_EQ(NodeKind(1000), 1000);
  EXPECT_EQ(NodeKind(93105), 13105);
  EXPECT_EQ(PopupForKind(13010, 0), TreePopup::None);
  EXPECT_EQ(PopupForKind(13010, 1), TreePopup::StartOrder);
  EXPECT_EQ(PopupForKind(13199, 0), TreePopup::SpecialStage);
  EXPECT_EQ(PopupForKind(14101, 5), TreePopup::None);
  EXPECT_EQ(StageOfNodeKind(13105), 5);
  EXPECT_EQ(StageOfNodeKind(13199), kMaxStages);
  // The selected node of a damaged file may be any int: it is no stage.
  for (int kind : {13100, 13200, 14101, 0, INT_MIN, INT_MAX}) EXPECT_EQ(StageOfNodeKind(NodeKind(kind)), 0) << kind;
}

TEST(EventTreeModel, StagePopupGreysAndRestores) {
  int flags[kMaxStages] = {0};
  flags[1] = kStageRemoved;
  flags[4] = kStageRemoved | kStageHasResults;
  auto plan = PlanStagePopup(flags, 6, 1);
  EXPECT_FALSE(plan.powerStageOnly);
  EXPECT_FALSE(plan.removeEnabled) << "SS1 is never removed";
  EXPECT_TRUE(plan.addEnabled);
  EXPECT_TRUE(plan.createPowerStageEnabled);
  EXPECT_EQ(plan.restorableStages, (std::vector<int>{2, 5}));
  flags[3] = kStageIsPowerStage | kStageRemoved;  // a removed Power Stage still counts
  EXPECT_FALSE(PlanStagePopup(flags, 6, 3).createPowerStageEnabled);
  flags[3] = kStageIsPowerStage;
  EXPECT_TRUE(PlanStagePopup(flags, 6, 4).powerStageOnly);
  EXPECT_FALSE(PlanStagePopup(flags, 99, 3).addEnabled);
}

TEST(EventTreeModel, RallyNameRules) {
  static RallyRecord rallies[kMaxRallies];
  std::memset(rallies, 0, sizeof rallies);
  SetActiveProfile(kEnglishBuild);
  std::strcpy(rallies[0].name, "RALLY 1");
  EXPECT_EQ(CheckRallyName("Spring Cup_2/3", 10000, 1, rallies, 1), RallyNameCheck::Accepted);
  EXPECT_EQ(CheckRallyName("Rallye-1", 10000, 1, rallies, 1), RallyNameCheck::BadCharacters);
  EXPECT_EQ(CheckRallyName("Rallyé", 10000, 1, rallies, 1), RallyNameCheck::BadCharacters);
  EXPECT_EQ(CheckRallyName("", 10000, 1, rallies, 1), RallyNameCheck::EmptyOrLeadingBlank);
  EXPECT_EQ(CheckRallyName(" A", 10000, 1, rallies, 1), RallyNameCheck::EmptyOrLeadingBlank);
  // The header fits with these names, but not with rally 1 renamed to 28 characters.
  for (int r = 0; r < kMaxRallies; ++r) {
    std::strcpy(rallies[r].name, r == 0 ? "ABCDEFGHIJKLMNOPQRST" : "ABCDEFGHIJKLMNOPQRSTUVWXYZA");
    rallies[r].participantCount = 200;
    rallies[r].hasResults = 1;
    rallies[r].stageCount = 99;
  }
  EXPECT_TRUE(RallyHeaderFits(10000, 9, rallies));
  EXPECT_EQ(CheckRallyName("ABCDEFGHIJKLMNOPQRSTUVWXYZAB", 10000, 9, rallies, 1), RallyNameCheck::TooLong);
}

TEST(EventSession, SaveAsPathIsBounded) {
  char path[kEventPathSize];
  ASSERT_TRUE(SaveAsPath("C:\\a\\event", path));
  EXPECT_STREQ(path, "C:\\a\\event.rall");
  ASSERT_TRUE(SaveAsPath("C:\\a\\event.rall", path));
  EXPECT_STREQ(path, "C:\\a\\event.rall");
  std::string longPath(256, 'x');
  EXPECT_FALSE(SaveAsPath(longPath.c_str(), path));
}

using CrashCopyTest = InFolder;

TEST_F(CrashCopyTest, AFreshEventNeverReplacesTheCrashCopy) {
  platform::test::InterceptMessages();
  static MainState state;
  StartFreshEvent(nullptr, state);
  testsupport::WriteBytes(folder / "DoVorodIvar.rall", "crashed event");
  EXPECT_EQ(KeepCrashCopy(nullptr), CrashCopy::FreshEventKept);
  EXPECT_EQ(Bytes("DoVorodIvar.rall"), "crashed event");
  // Once a stage is added the working event is worth keeping.
  ASSERT_TRUE(AddSpecialStage(nullptr, state, 1));
  EXPECT_EQ(KeepCrashCopy(nullptr), CrashCopy::Copied);
  EXPECT_EQ(Bytes("DoVorodIvar.rall"), Bytes("Private/Rallye.rall"));
  EXPECT_TRUE(platform::test::Messages().empty());
}

using StageSessionTest = InFolder;

TEST_F(StageSessionTest, LeavingSavesResultsAndLoadingBringsThemBackWithoutRunningDrivers) {
  platform::test::InterceptMessages();
  static MainState state;
  std::memset(static_cast<void*>(&state), 0, sizeof state);
  StartFreshEvent(nullptr, state);
  SetStageDefaults(state);
  state.rallies[0].participantCount = 3;
  ASSERT_TRUE(AddSpecialStage(nullptr, state, 1));
  // The stage has no participants section: names come from nowhere and become "(NA)".
  LoadStageForTiming(nullptr, state, 1, 1);
  EXPECT_STREQ(state.entries[0].name, "(NA)");
  std::strcpy(state.entries[0].name, "Ann");
  std::strcpy(state.entries[1].name, "Bob");
  state.entries[0].state = kEntryFinished;
  state.entries[0].time = 61000;
  state.entries[1].state = kEntryRunning;
  state.entries[1].time = 0;
  LeftStage left = SaveLoadedStage(nullptr, state);
  EXPECT_TRUE(left.saved);
  EXPECT_EQ(left.image, kImageStageWithResults);
  EXPECT_EQ(state.treeviewFlags[0][0], kStageHasResults);
  EXPECT_EQ(state.rallies[0].hasResults, 1);

  platform::test::ClearMessages();
  LoadStageForTiming(nullptr, state, 1, 1);
  EXPECT_EQ(state.stage.hasResults, 1);
  EXPECT_STREQ(state.entries[0].name, "Ann");
  EXPECT_EQ(state.entries[0].time, 61000);
  EXPECT_EQ(state.entries[0].firstTime, kRedetectionQuestionOff);
  EXPECT_EQ(state.entries[1].state, kEntryNotStarted) << "nobody stays on the course";
  EXPECT_STREQ(state.stageTitleText, " RALLY 1 - SS1 ");
}

TEST_F(StageSessionTest, ADamagedStageIsLoadedWithinWhatTheRaceCanTime) {
  platform::test::InterceptMessages();
  static MainState state;
  std::memset(static_cast<void*>(&state), 0, sizeof state);
  StartFreshEvent(nullptr, state);
  SetStageDefaults(state);
  state.rallies[0].participantCount = 2;
  ASSERT_TRUE(AddSpecialStage(nullptr, state, 1));
  // A minimum lap time whose milliseconds are beyond an int, an unknown start type, and
  // a driver whose state is below every known one.
  auto write = [](const char* key, int reserve, const SectionBody& body) {
    char title[kSectionTitleSize];
    FormatSectionTitle(title, key, 1);
    platform::TextFile file(kRallyFilePath, "r+");
    return file && WriteRallySection(nullptr, file, title, reserve, body, Text::None);
  };
  SectionBody parameters, startType, results;
  parameters.AddInt(60).AddInt(-4).AddInt(2147484).EndLine();
  startType.AddInt(7).EndLine();
  ASSERT_TRUE(write(kRallyParametersKey, kRallyParametersReserve, parameters));
  ASSERT_TRUE(write(kStartTypeKey, kStartTypeReserve, startType));
  static StageResultRow rows[kMaxParticipants];
  ClearStageResultRows(rows);
  platform::CopyBounded(rows[0].name, "Ann");
  rows[0].state = INT_MIN;
  platform::CopyBounded(rows[1].name, "Bob");
  rows[1].state = kEntryFinished;
  rows[1].time = 61000;
  AddStageResultsBody(results, rows, 3, 0, {".", "", ""});
  {
    platform::TextFile file(kRallyFilePath, "r+");
    ASSERT_TRUE(WriteRallySection(nullptr, file, "CourseRallye1ES1", StageResultsReserve(2), results, Text::None));
  }

  LoadStageForTiming(nullptr, state, 1, 1);
  EXPECT_EQ(state.parameters.minimumLapTime, kMaxParameterSeconds);
  EXPECT_EQ(state.parameters.rest, 0);
  EXPECT_EQ(state.parameters.startType, kStandardStart);
  EXPECT_EQ(state.entries[0].state, kEntryNotStarted) << "the stage can end and Ann can be timed";
  EXPECT_EQ(state.entries[1].state, kEntryFinished);
  state.parameters = RallyParameters{};
  ReloadRallyParameters(nullptr, state);
  EXPECT_EQ(state.parameters.minimumLapTime, kMaxParameterSeconds);
  EXPECT_EQ(state.parameters.startType, kStandardStart);
}

TEST_F(StageSessionTest, PowerStageRemovalAndRestoreKeepTheFlagsOnDisk) {
  platform::test::InterceptMessages();
  static MainState state;
  std::memset(static_cast<void*>(&state), 0, sizeof state);
  StartFreshEvent(nullptr, state);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(AddSpecialStage(nullptr, state, 1));
  state.treeviewFlags[0][2] = kStageHasResults;
  ASSERT_TRUE(SetPowerStage(nullptr, state, 1, 3, true));
  EXPECT_EQ(state.treeviewFlags[0][2], 5);
  ASSERT_TRUE(SetStageRemoved(nullptr, state, 1, 3, true));
  EXPECT_EQ(state.treeviewFlags[0][2], 7);
  EXPECT_FALSE(SetStageRemoved(nullptr, state, 1, 1, true)) << "stage 1 stays";
  ASSERT_TRUE(SetStageRemoved(nullptr, state, 1, 3, false));
  EXPECT_EQ(state.treeviewFlags[0][2], 5);
  static MainState loaded;
  std::memset(static_cast<void*>(&loaded), 0, sizeof loaded);
  platform::CopyFileTo("Private/Rallye.rall", "copy.rall");
  ASSERT_TRUE(LoadEventFrom(nullptr, loaded, "copy.rall"));
  EXPECT_EQ(loaded.treeviewFlags[0][2], 5);
  EXPECT_EQ(loaded.rallies[0].stageCount, 3);
  EXPECT_FALSE(LoadEventFrom(nullptr, loaded, "missing.rall"));
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(loaded.rallies[0].stageCount, 3) << "a failed load leaves the event as it was";
}

TEST_F(StageSessionTest, LoadedNamesDoNotSkipALineAfterANameAtTheLineEnd) {
  // Bob's line holds his name alone, without its TAB (a file edited by hand).
  testsupport::WriteBytes(folder / "hand.rall",
                          "10000\t1\tRALLY 1\t3\t0\t0\t\r\n\r\nCourseRallye1ListeParticipants\t\r\n"
                          "Ann\tTeam\t\r\nBob\r\nCid\tTeam\t\r\n");
  static MainState state;
  std::memset(static_cast<void*>(&state), 0, sizeof state);
  ASSERT_TRUE(LoadEventFrom(nullptr, state, "hand.rall"));
  EXPECT_STREQ(state.participantNames[0][0], "Ann");
  EXPECT_STREQ(state.participantNames[0][1], "Bob");
  EXPECT_STREQ(state.participantNames[0][2], "Cid");
}

TEST_F(StageSessionTest, LateStartsFollowTheFirstPassRule) {
  static MainState state;
  std::memset(static_cast<void*>(&state), 0, sizeof state);
  state.lateStart.criticalDelaySeconds = 10;
  std::strcpy(state.entries[0].name, "Ann");
  state.entries[0].state = kEntryFinished;
  state.entries[0].startOffset = -2000;
  std::strcpy(state.entries[1].name, "Bob");
  state.entries[1].state = kEntryRunning;
  state.entries[1].startOffset = 11000;
  std::strcpy(state.entries[2].name, "Cid");
  state.entries[2].state = kEntryReleased;
  state.entries[2].startOffset = 987654;  // a tick count, not a delay
  state.parameters.startType = kWrcStart;
  RecomputeLateStarts(state);
  EXPECT_EQ(state.entries[0].lateStart, 1);
  EXPECT_EQ(state.display[1].lateStart, 1);
  EXPECT_EQ(state.entries[2].lateStart, 0);
  state.parameters.startType = kStandardStart;
  RecomputeLateStarts(state);
  EXPECT_EQ(state.ranking[0].lateStart, 0);
  // The largest delay a damaged settings file may hold: nobody is late, nothing overflows.
  state.lateStart.criticalDelaySeconds = INT_MAX;
  RecomputeLateStarts(state);
  EXPECT_EQ(state.entries[1].lateStart, 0);
  state.lateStart.criticalDelaySeconds = INT_MIN;
  RecomputeLateStarts(state);
  EXPECT_EQ(state.entries[1].lateStart, 1);
}

using WebFiles = InFolder;

TEST_F(WebFiles, CoordinatesKeepBlanksAndPlaces) {
  WriteWebCoordinates(nullptr, "", "Cup_2024", "https://v/1 https://v/2", 1, 1);
  EXPECT_EQ(Bytes("WebResults/CoordonneesWeb.txt"), "1\t1\t\r\n\r\nCup_2024\r\nhttps://v/1 https://v/2\r\n");
  char eventFolder[41] = "old", championship[20] = "old", links[200] = "old";
  int connected = 5, active = 5;
  ReadWebCoordinates(nullptr, eventFolder, championship, links, &connected, &active);
  EXPECT_EQ(connected, 1);
  EXPECT_EQ(active, 1);
  EXPECT_STREQ(eventFolder, "");
  EXPECT_STREQ(championship, "Cup_2024");
  EXPECT_STREQ(links, "https://v/1 https://v/2");
  platform::DeleteFileAt("WebResults/CoordonneesWeb.txt");
  ReadWebCoordinates(nullptr, eventFolder, championship, links, &connected, &active);
  EXPECT_STREQ(championship, "Cup_2024") << "a missing file changes nothing";
}

TEST_F(WebFiles, CoordinateFlagsBeyondIntAreClampedNotWrapped) {
  // 4294967297 is 2^32 + 1: wrapped to an int it would read as 1, publishing switched on.
  platform::CreateFolder(kWebResultsFolder);
  testsupport::WriteBytes(folder / "WebResults/CoordonneesWeb.txt",
                          "4294967297\t-4294967295\t\r\nEvent\r\nCup\r\nlinks\r\n");
  char eventFolder[41] = "", championship[20] = "", links[200] = "";
  int connected = 0, active = 0;
  ReadWebCoordinates(nullptr, eventFolder, championship, links, &connected, &active);
  EXPECT_EQ(connected, 2147483647);
  EXPECT_EQ(active, -2147483647 - 1);
  EXPECT_STREQ(eventFolder, "Event");
  EXPECT_STREQ(links, "links");
}

TEST_F(WebFiles, LiveResultsAndArchivesByteForByte) {
  platform::CreateFolder(kWebResultsFolder);
  static StageDisplayRow rows[kMaxParticipants];
  std::memset(rows, 0, sizeof rows);
  StageClockTexts clock = {};
  std::memcpy(clock.elapsedText, "0:01:02", 7);
  ASSERT_TRUE(WriteLiveResultsFile("WebResults/Live.txt", rows, clock, " R - SS1 ", "v", 0, 1, 0));
  EXPECT_EQ(Bytes("WebResults/Live.txt"), "0\r\n1\r\n0\r\n0:01:02\t\r\n R - SS1 \t\r\nv\t\r\n");
  std::strcpy(rows[0].rankText, "1");
  std::strcpy(rows[0].carNumber, "7");
  std::strcpy(rows[0].name, "Ann");
  std::strcpy(rows[0].timeText, "1:01.000");
  rows[0].state = 3;
  rows[0].equalsBest = 1;
  ASSERT_TRUE(WriteLiveResultsFile("WebResults/Live.txt", rows, clock, "T", "", 1, 3, 1));
  EXPECT_EQ(Bytes("WebResults/Live.txt"), "1\r\n3\r\n1\r\n0:01:02\t\r\n1\t7\tAnn\t\t\t1:01.000\t\t\t3\t1\t\r\nT\t\r\n\t\r\n");
  // The count on the first line is that of the rows that follow it.
  for (int count : {-3, 250}) {
    ASSERT_TRUE(WriteLiveResultsFile("WebResults/Live.txt", rows, clock, "T", "", count, 3, 1));
    std::string live = Bytes("WebResults/Live.txt");
    int lines = 0;
    for (char c : live) lines += c == '\n';
    int rowsWritten = count < 0 ? 0 : kMaxParticipants;
    EXPECT_EQ(live.substr(0, live.find('\r')), std::to_string(rowsWritten));
    EXPECT_EQ(lines, 4 + rowsWritten + 2);
  }

  static ParticipantRecord people[kMaxParticipants];
  std::memset(people, 0, sizeof people);
  std::strcpy(people[0].name, "Ann");
  std::strcpy(people[0].carNumber, "7");
  std::strcpy(people[0].carCategory, "4x4");
  int international = 0;
  const char* name = PublishedEventName("i_n_t_Open", &international);
  EXPECT_STREQ(name, "Open");
  EXPECT_EQ(international, 1);
  ASSERT_TRUE(WriteParticipantsArchive("WebResults/Archive.txt", people, "C", name, "L", "D", "RD", "H", 1, international));
  EXPECT_EQ(Bytes("WebResults/Archive.txt"), "1\r\n1\r\nC\r\nOpen\r\nL\r\nD\r\nRD\r\nH\r\n7\tAnn\t\t\t\t4x4\t\r\n");

  static ClassificationRow ranked[kMaxParticipants];
  std::memset(ranked, 0, sizeof ranked);
  std::strcpy(ranked[0].name, "Ann");
  ranked[0].time = 61000;
  ranked[0].state = 3;
  ranked[0].abandonCount = 1;
  static PenaltyRecord penalties[kMaxPenalties];
  std::memset(penalties, 0, sizeof penalties);
  std::strcpy(penalties[0].code, "A");
  PenaltyNote notes[kMaxPenalties] = {};
  std::strcpy(notes[0].name, "Abandon");
  std::strcpy(notes[0].code, "A");
  notes[0].duration = 600;
  notes[0].kind = 1;
  ArchiveEvent event = {"C", "E", "L", "D", "RD", "H", "R1"};
  ASSERT_TRUE(WriteStageClassificationArchive("WebResults/Archive.txt", ranked, penalties, notes, "Dry", " ", event,
                                              1, 1, 1, 0));
  EXPECT_EQ(Bytes("WebResults/Archive.txt"),
            "1\r\n1\r\n1\r\n0\r\nC\t\r\nE\t\r\nL\t\r\nD\t\r\nRD\t\r\nH\t\r\nR1\t\r\n \t\r\nDry\t\r\n"
            "\tAnn\t\t\t\t3\t61000\t0\t0\t\r\nAbandon\tA\t600\t1\t\r\nA\t\r\n");
  ASSERT_TRUE(WriteRallyClassificationArchive("WebResults/Archive.txt", ranked, "Toutes", "Toutes", event, 1, 2, 1, 1,
                                              0, 0));
  EXPECT_EQ(Bytes("WebResults/Archive.txt"),
            "1\r\n1\r\n0\r\n1\r\n2\r\n0\r\nC\t\r\nE\t\r\nL\t\r\nD\t\r\nRD\t\r\nH\t\r\nR1\t\r\nToutes\t\r\nToutes\t\r\n"
            "\tAnn\t\t\t\t61000\t0\t0\t3\t1\t0\t\r\n");
}

}  // namespace
