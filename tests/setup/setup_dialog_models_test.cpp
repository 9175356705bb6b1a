// The rules of the interface, race parameters, stage comment and penalty database dialogs,
// on files in a fresh working folder.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/test_hooks.h"
#include "race/decoder_protocol.h"
#include "race/event_file.h"
#include "setup/interface_dialog_model.h"
#include "setup/penalty_dialog_model.h"
#include "setup/race_parameters_model.h"
#include "setup/stage_comment_model.h"
#include "tests/race/fake_serial_line.h"
#include "tests/race/storage_test_support.h"

namespace {

using testsupport::FakeSerialLine;

std::string FileText(const char* path) {
  std::string bytes = testsupport::ReadBytes(path);
  std::string text;
  for (char c : bytes) {
    if (c != '\r') text += c;
  }
  return text;
}

std::vector<std::string> Seen() {
  std::vector<std::string> seen;
  for (const auto& message : platform::test::Messages()) seen.push_back(message.text);
  return seen;
}

class SetupDialogRules : public ::testing::Test {
 protected:
  void TearDown() override { SetActiveProfile(kEnglishBuild); }
  storagetest::WorkingFolder folder;
};

// --- Interface ---

class ScriptedPort : public SerialPortAccess {
 public:
  ScriptedPort(bool opens, bool answers) : opens_(opens) {
    if (answers) {
      line.onWrite = [this](const FakeSerialLine::Bytes& bytes) {
        if (bytes == FakeSerialLine::Bytes(kIdentifyRequest, kIdentifyRequest + 5)) {
          line.Send({0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x00}, 0);
        }
      };
    }
  }
  bool Open(const char* portName) override {
    opened.push_back(portName);
    return opens_;
  }
  SerialLine& Line() override { return line; }
  FakeSerialLine line;
  std::vector<std::string> opened;

 private:
  bool opens_;
};

TEST_F(SetupDialogRules, ConnectOutcomesAreRecordedInTheLinkFile) {
  InterfaceDialogState state = {};
  ScriptedPort zl2(true, true);
  EXPECT_EQ(ConnectInterface(nullptr, "COM7", zl2, &state), ConnectOutcome::ZL2);
  EXPECT_EQ(FileText(kInterfaceSettingsFile), "COM7\t1\tVellgrinZL2\n");
  EXPECT_FALSE(ShowsZL1(state));
  char text[256];
  ConnectMessage(ConnectOutcome::ZL2, text, sizeof text);
  EXPECT_STREQ(text,
               " COM Port opening attempt :\r\n COM Port opened correctly, OK !\r\n Interface ZL2 is ready to operate !\r\n");

  ScriptedPort silent(true, false);
  EXPECT_EQ(ConnectInterface(nullptr, "COM12", silent, &state), ConnectOutcome::ZL1);
  EXPECT_EQ(FileText(kInterfaceSettingsFile), "COM12\t1\tVellgrin\n");
  EXPECT_TRUE(ShowsZL1(state));

  // After a failed open the file says not connected, under the ZL1 name, whatever was chosen.
  std::strcpy(state.decoderName, kDecoderNameZL2);
  ScriptedPort closed(false, false);
  EXPECT_EQ(ConnectInterface(nullptr, "COM3", closed, &state), ConnectOutcome::PortNotOpened);
  EXPECT_EQ(FileText(kInterfaceSettingsFile), "COM3\t0\tVellgrin\n");
  EXPECT_EQ(state.connected, 0);
  ConnectMessage(ConnectOutcome::PortNotOpened, text, sizeof text);
  EXPECT_STREQ(text, " COM Port opening attempt :\r\n Could not open the COM Port !\r\n");
  EXPECT_TRUE(Seen().empty());
}

TEST_F(SetupDialogRules, ConnectWithoutAChosenPortTouchesNeitherThePortNorTheFile) {
  InterfaceDialogState state = {};
  std::strcpy(state.decoderName, kDecoderNameZL2);
  state.connected = 1;
  ScriptedPort port(true, true);
  for (const char* chosen : {static_cast<const char*>(nullptr), "", "COM0", "COM100", "LPT1"}) {
    EXPECT_EQ(ConnectInterface(nullptr, chosen, port, &state), ConnectOutcome::NoPortSelected);
  }
  EXPECT_TRUE(port.opened.empty());
  EXPECT_EQ(testsupport::ReadBytes(kInterfaceSettingsFile), "<missing>");
  EXPECT_EQ(state.connected, 1);
  EXPECT_STREQ(state.decoderName, kDecoderNameZL2);
  // The box no longer says the interface is ready: it asks for a port.
  char text[256];
  ConnectMessage(ConnectOutcome::NoPortSelected, text, sizeof text);
  EXPECT_STREQ(text, "A COM port must be chosen before Connect.");
}

TEST_F(SetupDialogRules, OpeningReadsTheLinkFileOrSaysItIsMissing) {
  InterfaceDialogState state = {};
  InterfaceSettings settings = OpenInterfaceDialog(nullptr, &state);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Interface file not found"});
  EXPECT_STREQ(settings.port, "");
  EXPECT_STREQ(OpeningMessage(state), " COM Port is not open !\r\n");

  testsupport::WriteBytes(kInterfaceSettingsFile, "COM4\t1\tVellgrinZL2\r\n");
  settings = OpenInterfaceDialog(nullptr, &state);
  EXPECT_STREQ(settings.port, "COM4");
  EXPECT_FALSE(ShowsZL1(state));
  EXPECT_STREQ(OpeningMessage(state), " Interface ZL2 is ready to operate.\r\n");
  testsupport::WriteBytes(kInterfaceSettingsFile, "COM4\t1\tVellgrin\r\n");
  OpenInterfaceDialog(nullptr, &state);
  EXPECT_STREQ(OpeningMessage(state), " Interface ZL1 is ready to operate.\r\n");
}

// --- Race parameters ---

RaceParametersDialogData DataFor(int node, int count) {
  RaceParametersDialogData data = {};
  data.selectedNode = node;
  data.rallyCount = count;
  return data;
}

TEST_F(SetupDialogRules, RaceParametersAreAppendedOnceAndRewrittenInPlace) {
  ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
  RaceParametersDialogData data = LoadRaceParameters(nullptr);
  EXPECT_STREQ(data.rallyName, "Spring rally");
  EXPECT_EQ(data.parameters.startType, kStandardStart);
  EXPECT_EQ(data.parameters.startInterval, 60);
  EXPECT_EQ(data.parameters.rest, 0);
  EXPECT_EQ(data.parameters.minimumLapTime, 2);

  data.parameters = {90, 15, 4, kWrcStart};
  ASSERT_TRUE(SaveRaceParameters(nullptr, data));
  const std::string first = testsupport::ReadBytes(kRallyFilePath);
  data.parameters = {3600, 999, 7, kStandardStart};
  ASSERT_TRUE(SaveRaceParameters(nullptr, data));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath).size(), first.size()) << "the file does not grow";

  RaceParametersDialogData again = LoadRaceParameters(nullptr);
  EXPECT_EQ(again.parameters.startInterval, 3600);
  EXPECT_EQ(again.parameters.rest, 999);
  EXPECT_EQ(again.parameters.minimumLapTime, 7);
  EXPECT_EQ(again.parameters.startType, kStandardStart);
  EXPECT_TRUE(Seen().empty());
}

TEST_F(SetupDialogRules, RaceParametersWriteNothingWithoutAFileOrOutsideTheEventsRallies) {
  RaceParametersDialogData data = LoadRaceParameters(nullptr);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error : File of the rally not found"});
  EXPECT_EQ(data.parameters.startInterval, 60);
  platform::test::ClearMessages();
  EXPECT_FALSE(SaveRaceParameters(nullptr, DataFor(10000, 1)));
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error : File of the rally not found"});
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), "<missing>");

  ASSERT_TRUE(WriteFreshEvent(nullptr, "R"));
  const std::string fresh = testsupport::ReadBytes(kRallyFilePath);
  for (int node : {0, 20000, 90000, -10000}) {
    EXPECT_FALSE(SaveRaceParameters(nullptr, DataFor(node, 1))) << node;
  }
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), fresh);
}

TEST_F(SetupDialogRules, TheFrenchAndSpanishBuildsHaveNoStartTypeSection) {
  for (const BuildProfile* profile : {&kFrenchBuild, &kSpanishBuild}) {
    SetActiveProfile(*profile);
    ASSERT_TRUE(WriteFreshEvent(nullptr, "R"));
    RaceParametersDialogData data = DataFor(10000, 1);
    data.parameters = {30, 1, 2, kWrcStart};
    ASSERT_TRUE(SaveRaceParameters(nullptr, data));
    const std::string text = FileText(kRallyFilePath);
    EXPECT_NE(text.find("CourseRallye1Param\xE8tres\t\n30\t1\t2\t"), std::string::npos);
    EXPECT_EQ(text.find("CourseRallye1Param\xE8tres2"), std::string::npos);
  }
}

TEST_F(SetupDialogRules, RaceParametersFromADamagedSectionAreShownAsTheyWillBeStored) {
  ASSERT_TRUE(WriteFreshEvent(nullptr, "R"));
  RaceParametersDialogData data = DataFor(10000, 1);
  data.parameters = {-5, 99999, 99999, 7};
  ASSERT_TRUE(SaveRaceParameters(nullptr, data));
  RaceParametersDialogData read = LoadRaceParameters(nullptr);
  EXPECT_EQ(read.parameters.startInterval, 0);
  EXPECT_EQ(read.parameters.rest, 999);
  EXPECT_EQ(read.parameters.minimumLapTime, 3600);
  EXPECT_EQ(read.parameters.startType, kStandardStart) << "start type 7 is shown and stored as the standard start";
  // Validating stores what the dialog showed.
  ASSERT_TRUE(SaveRaceParameters(nullptr, read));
  const std::string text = FileText(kRallyFilePath);
  EXPECT_NE(text.find("CourseRallye1Param\xE8tres\t\n0\t999\t3600\t"), std::string::npos) << text;
  EXPECT_NE(text.find("CourseRallye1Param\xE8tres2\t\n1\t"), std::string::npos) << text;

  // Text where a number belongs keeps the default; the next values are still read.
  std::string bytes = testsupport::ReadBytes(kRallyFilePath);
  const std::size_t at = bytes.find("0\t999\t3600\t");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 1, "abc");
  testsupport::WriteBytes(kRallyFilePath, bytes);
  read = LoadRaceParameters(nullptr);
  EXPECT_GE(read.parameters.startInterval, 0);
  EXPECT_LE(read.parameters.startInterval, kMaxParameterSeconds);
  EXPECT_GE(read.parameters.rest, 0);
  EXPECT_LE(read.parameters.rest, kMaxRestMinutes);
  EXPECT_GE(read.parameters.minimumLapTime, 0);
  EXPECT_LE(read.parameters.minimumLapTime, kMaxParameterSeconds);
}

TEST(RaceParameterSeconds, AreClampedTo3600) {
  EXPECT_EQ(ClampParameterSeconds(-5), 0);
  EXPECT_EQ(ClampParameterSeconds(0), 0);
  EXPECT_EQ(ClampParameterSeconds(3600), 3600);
  EXPECT_EQ(ClampParameterSeconds(3601), 3600);
  EXPECT_EQ(ClampParameterSeconds(9999), 3600);
}

// --- Stage comment ---

TEST_F(SetupDialogRules, ConditionWordsOfTheThreeLanguages) {
  const struct {
    const char* word;
    TrackCondition condition;
  } words[] = {{"Dry", TrackCondition::Dry},   {"Sec", TrackCondition::Dry},    {"Seco", TrackCondition::Dry},
               {"Wet", TrackCondition::Wet},   {"Pluie", TrackCondition::Wet},  {"Lluvia", TrackCondition::Wet},
               {"Ice", TrackCondition::Ice},   {"Glace", TrackCondition::Ice},  {"Hielo", TrackCondition::Ice},
               {"", TrackCondition::Other},    {"Mud", TrackCondition::Other},  {"dry", TrackCondition::Other}};
  for (const auto& w : words) EXPECT_EQ(ConditionOfWord(w.word), w.condition) << w.word;

  const char* stored[3][3] = {{"Dry", "Wet", "Ice"}, {"Sec", "Pluie", "Glace"}, {"Seco", "Lluvia", "Hielo"}};
  const BuildProfile* profiles[3] = {&kEnglishBuild, &kFrenchBuild, &kSpanishBuild};
  for (int p = 0; p < 3; ++p) {
    SetActiveProfile(*profiles[p]);
    EXPECT_STREQ(ConditionWord(TrackCondition::Dry), stored[p][0]);
    EXPECT_STREQ(ConditionWord(TrackCondition::Wet), stored[p][1]);
    EXPECT_STREQ(ConditionWord(TrackCondition::Ice), stored[p][2]);
  }
}

TEST_F(SetupDialogRules, StageCommentOpensNormalisedAndIsStoredOnOneLine) {
  testsupport::WriteBytes(kStageCommentFile, "Pluie\tSlippery\r\nafter the bridge\t\r\n");
  StageComment comment = OpenStageComment(nullptr);
  EXPECT_STREQ(comment.trackCondition, "Wet");
  EXPECT_STREQ(comment.comment, "Slippery\nafter the bridge");
  SetCommentText(&comment, "Slippery\r\nafter\tthe bridge");
  ASSERT_TRUE(StoreStageComment(nullptr, comment));
  EXPECT_EQ(FileText(kStageCommentFile), "Wet\tSlippery  after the bridge\t\n");

  // An unknown word is kept; an empty one is the dry word; an empty comment is one blank.
  testsupport::WriteBytes(kStageCommentFile, "Mud\tx\t\r\n");
  comment = OpenStageComment(nullptr);
  EXPECT_STREQ(comment.trackCondition, "Mud");
  SetCommentText(&comment, "");
  ASSERT_TRUE(StoreStageComment(nullptr, comment));
  EXPECT_EQ(FileText(kStageCommentFile), "Mud\t \t\n");
  std::memset(comment.trackCondition, 0, sizeof comment.trackCondition);
  ASSERT_TRUE(StoreStageComment(nullptr, comment));
  EXPECT_EQ(FileText(kStageCommentFile), "Dry\t \t\n");
  EXPECT_TRUE(Seen().empty());

  SetActiveProfile(kFrenchBuild);
  testsupport::WriteBytes(kStageCommentFile, "Ice\tx\t\r\n");
  EXPECT_STREQ(OpenStageComment(nullptr).trackCondition, "Glace");
}

TEST_F(SetupDialogRules, AMissingCommentFileOpensEmptyWithTheMessage) {
  StageComment comment = OpenStageComment(nullptr);
  EXPECT_STREQ(comment.trackCondition, "");
  EXPECT_STREQ(comment.comment, "");
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Special stage comment file not found"});
  // A comment typed beyond the field keeps 99 bytes.
  SetCommentText(&comment, std::string(150, 'x').c_str());
  EXPECT_EQ(std::strlen(comment.comment), 99u);
}

// --- Penalty database ---

std::vector<std::string> Codes(const PenaltyDialogModel& model) {
  std::vector<std::string> codes;
  for (int i = 0; i < DefinedPenaltyCount(model.list); ++i) codes.push_back(model.list[i].code);
  return codes;
}

void SetCodes(PenaltyDialogModel* model, const std::vector<std::string>& codes) {
  ClearPenaltyList(model->list);
  for (std::size_t i = 0; i < codes.size(); ++i) std::strcpy(model->list[i].code, codes[i].c_str());
}

TEST_F(SetupDialogRules, AMissingDatabaseOpensWithTheTwoFixedRecordsAndTheDelayDefaults) {
  static PenaltyDialogModel model;
  model.lateStart.enabled2 = 1;
  OpenPenaltyModel(nullptr, &model);
  EXPECT_EQ(Seen(), (std::vector<std::string>{"Error : Penalties database file not found",
                                              "Error : Specific Penalties file not found"}));
  EXPECT_EQ(Codes(model), (std::vector<std::string>{"A", "PS"}));
  EXPECT_EQ(model.list[0].duration, 600);
  EXPECT_EQ(model.list[0].kind, kPenaltyGross);
  EXPECT_EQ(model.list[1].duration, 60);
  EXPECT_EQ(model.lateStart.enabled, 0);
  EXPECT_EQ(model.lateStart.enabled2, 1) << "the second switch keeps its value";
  EXPECT_EQ(model.minutes, 1);
  EXPECT_EQ(model.seconds, 0);

  // Minutes and seconds both come from the file's delay.
  testsupport::WriteBytes(kLateStartPenaltyFile, "1\t\r\n1\t0\t135\t\r\n");
  OpenPenaltyModel(nullptr, &model);
  EXPECT_EQ(model.minutes, 2);
  EXPECT_EQ(model.seconds, 15);
  EXPECT_EQ(model.lateStart.criticalDelaySeconds, 135);
}

TEST_F(SetupDialogRules, CreateFollowsTheLastCode) {
  static PenaltyDialogModel model;
  SetCodes(&model, {"A", "PS"});
  EXPECT_EQ(CreatePenalty(&model), 2);
  EXPECT_STREQ(model.list[2].code, "P1");
  EXPECT_EQ(model.list[2].kind, kPenaltyAdded);
  SetCodes(&model, {"A", "PS", "P9"});
  EXPECT_EQ(CreatePenalty(&model), 3);
  EXPECT_STREQ(model.list[3].code, "P10");
  SetCodes(&model, {"A", "PS", "P99"});
  EXPECT_EQ(CreatePenalty(&model), -1);
  EXPECT_EQ(DefinedPenaltyCount(model.list), 3);
  std::vector<std::string> full = {"A", "PS"};
  for (int i = 1; i <= 48; ++i) full.push_back("P" + std::to_string(i));
  SetCodes(&model, full);
  EXPECT_EQ(CreatePenalty(&model), -1);

  // After removing P2 from A, PS, P1, P2, P3 the next code is P4.
  SetCodes(&model, {"A", "PS", "P1", "P2", "P3"});
  std::strcpy(model.list[4].name, "Jump start");
  model.list[4].duration = 30;
  ASSERT_TRUE(RemovePenalty(&model, 3));
  EXPECT_EQ(Codes(model), (std::vector<std::string>{"A", "PS", "P1", "P3"}));
  EXPECT_STREQ(model.list[3].name, "Jump start");
  EXPECT_EQ(model.list[3].duration, 30);
  EXPECT_STREQ(model.list[4].name, "") << "the last place is cleared";
  EXPECT_EQ(model.list[4].kind, kPenaltyAdded);
  EXPECT_EQ(CreatePenalty(&model), 4);
  EXPECT_STREQ(model.list[4].code, "P4");

  for (int fixed : {-1, 0, 1, 5}) EXPECT_FALSE(RemovePenalty(&model, fixed)) << fixed;
  EXPECT_EQ(DefinedPenaltyCount(model.list), 5);
}

TEST_F(SetupDialogRules, WithoutTheLateStartOnlyTheAbandonIsFixed) {
  SetActiveProfile(kSpanishBuild);
  static PenaltyDialogModel model;
  testsupport::WriteBytes(kPenaltiesDatabaseFile, "1\t600\tA\tx\ty\t\r\n2\t5\tP1\tp\tq\t\r\n");
  OpenPenaltyModel(nullptr, &model);
  EXPECT_TRUE(Seen().empty()) << "no late-start settings file is read";
  EXPECT_EQ(Codes(model), (std::vector<std::string>{"A", "P1"}));
  EXPECT_FALSE(IsLateStartRecord(1));
  EXPECT_EQ(CreatePenalty(&model), 2);
  EXPECT_STREQ(model.list[2].code, "P2");
  EXPECT_TRUE(RemovePenalty(&model, 1));
  EXPECT_EQ(Codes(model), (std::vector<std::string>{"A", "P2"}));
  SavePenaltyModel(nullptr, model);
  EXPECT_EQ(testsupport::ReadBytes(kLateStartPenaltyFile), "<missing>");
}

TEST_F(SetupDialogRules, ImportKeepsTheAbandonArmedAndEnsuresTheFixedRecords) {
  static PenaltyDialogModel model;
  OpenPenaltyModel(nullptr, &model);
  platform::test::ClearMessages();
  model.list[0].duration = 900;

  // A file that cannot be read leaves the list as it was.
  EXPECT_FALSE(ImportPenalties(nullptr, &model, "missing.pen"));
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error : Import file 'Penalties' not found"});
  EXPECT_EQ(model.list[0].duration, 900);
  EXPECT_EQ(Codes(model), (std::vector<std::string>{"A", "PS"}));

  // A file with no readable record (an empty one, or a text chosen by mistake) is refused
  // with a message; the list stays as it was.
  testsupport::WriteBytes("empty.pen", "");
  testsupport::WriteBytes("letter.pen", "Dear members,\r\nthe next rally\tis on\tSunday.\r\n");
  for (const char* refused : {"empty.pen", "letter.pen"}) {
    platform::test::ClearMessages();
    EXPECT_FALSE(ImportPenalties(nullptr, &model, refused)) << refused;
    EXPECT_EQ(Seen(), std::vector<std::string>{
                          "The imported file holds no record that can be read: the list is kept as it was."});
    EXPECT_EQ(Codes(model), (std::vector<std::string>{"A", "PS"}));
    EXPECT_EQ(model.list[0].duration, 900);
  }

  // A file without the abandon or the late start gets both in front of its records.
  testsupport::WriteBytes("other.pen", "3\t20\tP1\tCut\tCorner cut\t\r\n2\t5\tP2\tPush\tPushed\t\r\n");
  ASSERT_TRUE(ImportPenalties(nullptr, &model, "other.pen"));
  EXPECT_EQ(Codes(model), (std::vector<std::string>{"A", "PS", "P1", "P2"}));
  EXPECT_EQ(model.list[0].duration, 600);
  EXPECT_EQ(model.list[2].duration, 20);
  EXPECT_EQ(model.list[2].kind, kPenaltyAfterWinner);

  // A file with its own abandon keeps it.
  platform::test::ClearMessages();
  testsupport::WriteBytes("own.pen", "4\t300\tA\tAbandon\tOwn\t\r\n2\t60\tPS\tLate\tLate\t\r\n");
  ASSERT_TRUE(ImportPenalties(nullptr, &model, "own.pen"));
  EXPECT_EQ(model.list[0].duration, 300);
  EXPECT_EQ(model.list[0].kind, kPenaltyAfterLast);
  EXPECT_STREQ(model.list[0].name, "Driver abandon");
  EXPECT_STREQ(model.list[1].name, "Driver late start");
  EXPECT_TRUE(Seen().empty()) << "a file taken whole says nothing";
}

TEST_F(SetupDialogRules, OneMessageCountsWhatAnImportLeftOut) {
  static PenaltyDialogModel model;
  OpenPenaltyModel(nullptr, &model);
  // A line without a code, a code the program never gives, a repeated code, a name cut to
  // its width, and 55 numbered penalties of which the list holds what fits.
  std::string file = "1\t600\tA\tAbandon\tOut\t\r\n2\t60\tPS\tLate\tLate\t\r\n";
  file += "2\t5\t\tNo code\tx\t\r\n2\t5\tX9\tWrong\tx\t\r\n2\t5\tP1\t" + std::string(30, 'n') + "\tx\t\r\n";
  file += "2\t5\tP1\tAgain\tx\t\r\n";
  for (int i = 2; i <= 56; ++i) file += "2\t" + std::to_string(i) + "\tP" + std::to_string(i) + "\tn\td\t\r\n";
  testsupport::WriteBytes("club.pen", file);
  platform::test::ClearMessages();
  ASSERT_TRUE(ImportPenalties(nullptr, &model, "club.pen"));
  ASSERT_EQ(Seen().size(), 1u);
  // The file's first 50 lines hold 47 penalties (A, PS, P1 .. P45); 11 lie beyond.
  EXPECT_EQ(Seen()[0],
            "47 record(s) taken from the imported file.\n"
            " - 1 line(s) without a name left out\n"
            " - 2 record(s) with a reserved, incorrect or repeated name left out\n"
            " - 11 record(s) beyond the 50 the list can hold left out\n"
            " - 1 text(s) cut to the length of their field");
  EXPECT_EQ(DefinedPenaltyCount(model.list), 47);
  EXPECT_STREQ(model.list[2].code, "P1");
  EXPECT_EQ(std::string(model.list[2].name), std::string(19, 'n'));
  EXPECT_STREQ(model.list[3].code, "P2");
}

TEST_F(SetupDialogRules, ADatabaseLongerThanTheListIsSaidAtOpening) {
  static PenaltyDialogModel model;
  std::string file;
  for (int i = 0; i < 53; ++i) file += "2\t5\tP" + std::to_string(i + 1) + "\tn\td\t\r\n";
  testsupport::WriteBytes(kPenaltiesDatabaseFile, file);
  testsupport::WriteBytes(kLateStartPenaltyFile, "1\t\r\n0\t0\t60\t\r\n");
  OpenPenaltyModel(nullptr, &model);
  EXPECT_EQ(Seen(), std::vector<std::string>{"The file \"BaseDonn\xE9" "esP\xE9" "nalit\xE9" "s.bd\" holds 3 record(s) more "
                                             "than the 50 the list can hold.\nThey are not shown, and OK will write "
                                             "the file without them."});
  EXPECT_EQ(testsupport::ReadBytes(kPenaltiesDatabaseFile), file) << "nothing is written before Ok";
}

TEST_F(SetupDialogRules, EditsKeepTheDatabaseLineWhole) {
  static PenaltyDialogModel model;
  SetCodes(&model, {"A", "PS", "P1"});
  SetPenaltyName(&model.list[2], "Cut\tcorner and a very long name");
  EXPECT_STREQ(model.list[2].name, "Cut corner and a v");
  SetPenaltyDescription(&model.list[2], "Line\r\nTwo\tthree");
  EXPECT_STREQ(model.list[2].description, "Line\r\nTwo three");
  SetPenaltyDescription(&model.list[1], std::string(250, 'd').c_str());
  EXPECT_EQ(std::strlen(model.list[1].description), 198u);
  SetPenaltyDuration(&model.list[2], "12345");
  EXPECT_EQ(model.list[2].duration, 1234);
  SetPenaltyDuration(&model.list[2], "");
  EXPECT_EQ(model.list[2].duration, 0);
  ASSERT_TRUE(ExportPenalties(nullptr, model, "out.pen"));
  EXPECT_NE(FileText("out.pen").find("\tCut corner and a v\tLine\nTwo three\t"), std::string::npos);
  int tabs = 0;
  for (char c : FileText("out.pen")) tabs += c == '\t';
  EXPECT_EQ(tabs, 15) << "five fields on each of three lines";
}

TEST_F(SetupDialogRules, SecondsAreClampedAndTheDelayFollowsBothParts) {
  static PenaltyDialogModel model;
  OpenPenaltyModel(nullptr, &model);
  EXPECT_EQ(SetDelayMinutes(&model, 3), 3);
  EXPECT_EQ(model.lateStart.criticalDelaySeconds, 180);
  EXPECT_EQ(SetDelaySeconds(&model, 75), 59);
  EXPECT_EQ(model.lateStart.criticalDelaySeconds, 239);
  EXPECT_EQ(SetDelaySeconds(&model, 5), 5);
  EXPECT_EQ(model.lateStart.criticalDelaySeconds, 185);
  SetLateStartEnabled(&model, true);
  SavePenaltyModel(nullptr, model);
  EXPECT_EQ(FileText(kLateStartPenaltyFile), "1\t\n1\t1\t185\t\n");
  EXPECT_EQ(FileText(kPenaltiesDatabaseFile).size() > 0, true);
  int lines = 0;
  for (char c : FileText(kPenaltiesDatabaseFile)) lines += c == '\n';
  EXPECT_EQ(lines, 2) << "as many lines as the list shows codes";

  // A delay far beyond the edits, from a damaged settings file: typed parts do not overflow.
  testsupport::WriteBytes(kLateStartPenaltyFile, "1\t\r\n1\t1\t2147483647\t\r\n");
  OpenPenaltyModel(nullptr, &model);
  SetDelaySeconds(&model, 59);
  EXPECT_EQ(model.lateStart.criticalDelaySeconds, INT_MAX);
}

TEST(PenaltyExportPath, AppendsTheExtensionWithinTheBuffer) {
  char path[32];
  EXPECT_FALSE(ExportPath("C:\\x\\*.pen", "C:\\x\\*.pen", path, sizeof path)) << "name left as proposed";
  ASSERT_TRUE(ExportPath("C:\\x\\list", "C:\\x\\*.pen", path, sizeof path));
  EXPECT_STREQ(path, "C:\\x\\list.pen");
  ASSERT_TRUE(ExportPath("C:\\x\\list.pen", "C:\\x\\*.pen", path, sizeof path));
  EXPECT_STREQ(path, "C:\\x\\list.pen");
  EXPECT_FALSE(ExportPath(std::string(29, 'a').c_str(), "*.pen", path, sizeof path)) << "no room for .pen";
}

}  // namespace
