// The driver details dialog's rules: the transponder scan on a scripted line and the manual
// clock (frames, lamp cycle, what is thrown away), the edit and list rules, and what it
// reads of and writes to the files of a fresh working folder.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/test_hooks.h"
#include "race/event_file.h"
#include "race/interface_settings.h"
#include "setup/driver_details_model.h"
#include "tests/race/fake_serial_line.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/message_texts.h"
#include "tests/setup/driver_details_files.h"

namespace {

using testsupport::FakeSerialLine;

// The counter runs in microseconds: centiseconds are counter / 10000.
constexpr std::int64_t kFrequency = 1000000;

class TransponderScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::UseManualClock(5000, kFrequency);
    ResetTransponderScan(&scan);
  }
  void TearDown() override { platform::test::UseSystemClock(); }

  void Start(DecoderModel model) {
    StartTransponderScan(&scan, model, line, false, platform::PerformanceFrequency(), platform::PerformanceCounter());
  }
  // Advances the clock, then runs one tick.
  ScanTickResult Tick(std::uint32_t afterMs = 10, bool stageTimed = false) {
    platform::test::AdvanceClock(afterMs);
    return TransponderScanTick(&scan, line, stageTimed, platform::TickCount(), platform::PerformanceCounter());
  }
  // Ticks every 10 ms until the clock has run ms; the lamp states seen after each.
  std::vector<int> LampsFor(std::uint32_t ms) {
    std::vector<int> lamps;
    for (std::uint32_t t = 0; t < ms; t += 10) {
      Tick();
      if (lamps.empty() || lamps.back() != scan.lampState) lamps.push_back(scan.lampState);
    }
    return lamps;
  }

  TransponderScan scan;
  FakeSerialLine line;
};

FakeSerialLine::Bytes PassZL2(int transponder) {
  return {0xFF, 0xFF, 0xFF, 0xF0, static_cast<unsigned char>(transponder >> 8),
          static_cast<unsigned char>(transponder & 0xFF), 0, 1, 2, 0x50, 0x00};
}

TEST_F(TransponderScanTest, TheLampStepsEveryFifthOfACycleAndStartsAgain) {
  Start(DecoderModel::ZL1);
  EXPECT_EQ(scan.lampState, 1);
  // 0.21 s a picture, the cycle 0.84 s; the step to 0 is not drawn, lamp 1 follows at once.
  EXPECT_EQ(LampsFor(830), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(LampsFor(20), (std::vector<int>{0, 1}));
  EXPECT_LT(scan.position, 20);

  // Redraws: only the steps that change the picture.
  ResetTransponderScan(&scan);
  Start(DecoderModel::ZL1);
  int redraws = 0;
  for (int t = 0; t < 840; t += 10) redraws += Tick().redrawLamp ? 1 : 0;
  EXPECT_EQ(redraws, 3);
}

TEST_F(TransponderScanTest, ALateTickFarPastTheCycleStillStartsItAgain) {
  Start(DecoderModel::ZL1);
  Tick(250);
  ASSERT_EQ(scan.lampState, 2);
  // The thread was held by a box for 5 s: position 525, past 103.
  Tick(5000);
  EXPECT_EQ(scan.lampState, 0);
  EXPECT_TRUE(Tick().redrawLamp);
  EXPECT_EQ(scan.lampState, 1);
  EXPECT_EQ(LampsFor(300), (std::vector<int>{1, 2}));
}

TEST_F(TransponderScanTest, WithoutACounterTheLampStaysAtItsFirstPicture) {
  StartTransponderScan(&scan, DecoderModel::ZL1, line, false, 0, 0);
  EXPECT_EQ(LampsFor(2000), (std::vector<int>{1}));
  StopTransponderScan(&scan);
  EXPECT_EQ(scan.lampState, 0);
  EXPECT_EQ(ScanLampPicture(0), nullptr);
  EXPECT_STREQ(ScanLampPicture(4), "images/voyantScanPuce4.bmp");
}

TEST_F(TransponderScanTest, AZL1ReadOfFiveBytesShowsTheSecondPassAndDropsTheOddByte) {
  Start(DecoderModel::ZL1);
  line.Send({0x00, 0x07, 0x01, 0x00, 0x05}, 0);
  ScanTickResult tick = Tick();
  ASSERT_TRUE(tick.passFound);
  EXPECT_STREQ(tick.passText, "000256");
  // The fifth byte waits for its pair; after a silence of the line it is a broken frame.
  EXPECT_FALSE(Tick(60).passFound);
  line.Send({0x00, 0xFF}, 0);
  tick = Tick();
  ASSERT_TRUE(tick.passFound);
  EXPECT_STREQ(tick.passText, "000255");
}

TEST_F(TransponderScanTest, AZL2ReadSkipsStrayBytesBeforeAPass) {
  Start(DecoderModel::ZL2);
  FakeSerialLine::Bytes bytes = {0x12, 0xFF, 0xFF, 0x34};
  FakeSerialLine::Bytes pass = PassZL2(255);
  bytes.insert(bytes.end(), pass.begin(), pass.end());
  line.Send(bytes, 0);
  ScanTickResult tick = Tick();
  ASSERT_TRUE(tick.passFound);
  EXPECT_STREQ(tick.passText, "000255");
  EXPECT_EQ(scan.received.length, 0);
}

TEST_F(TransponderScanTest, AFrameSplitAcrossTwoReadsIsCompletedByTheSecond) {
  Start(DecoderModel::ZL2);
  line.Send(PassZL2(4242), 0, {4, 7});
  EXPECT_FALSE(Tick().passFound);
  ScanTickResult tick = Tick();
  ASSERT_TRUE(tick.passFound);
  EXPECT_STREQ(tick.passText, "004242");
  // A read that comes late still completes the frame whose rest waits in the port.
  line.Send(PassZL2(4343), 0, {6});
  EXPECT_FALSE(Tick().passFound);
  tick = Tick(300);
  ASSERT_TRUE(tick.passFound);
  EXPECT_STREQ(tick.passText, "004343");
  // A beginning left alone while the reads find the line silent is dropped, not joined to
  // the next frame.
  FakeSerialLine::Bytes late = PassZL2(17);
  line.Send(FakeSerialLine::Bytes(late.begin(), late.begin() + 10), 0);
  EXPECT_FALSE(Tick().passFound);
  EXPECT_FALSE(Tick(kLongestReadWaitMs + 10).passFound);
  line.Send(PassZL2(18), 0);
  tick = Tick(10);
  ASSERT_TRUE(tick.passFound);
  EXPECT_STREQ(tick.passText, "000018");
}

TEST_F(TransponderScanTest, AnUnknownDecoderNameConsumesTheBytesAndShowsNothing) {
  Start(DecoderModel::Unknown);
  for (int i = 0; i < 3; ++i) line.Send(PassZL2(255), 0);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Tick().passFound);
  EXPECT_EQ(scan.received.length, 0);
  unsigned char buffer[256];
  int got = 0;
  line.Read(buffer, 255, &got);
  EXPECT_EQ(got, 0) << "every byte was read";
}

TEST_F(TransponderScanTest, WhatCameBeforeTheScanOrWhileItIsOffIsThrownAway) {
  line.Send({0x00, 0x01}, 0);
  EXPECT_FALSE(Tick().passFound) << "scan off: drained";
  line.Send({0x00, 0x02}, 0);
  platform::test::AdvanceClock(10);
  Start(DecoderModel::ZL1);
  EXPECT_FALSE(Tick().passFound) << "the pass before Scan was pressed";
  line.Send({0x00, 0x03}, 0);
  EXPECT_STREQ(Tick().passText, "000003");
}

TEST_F(TransponderScanTest, WhileAStageIsTimedThePortIsLeftToTheRaceEngine) {
  line.Send({0x00, 0x01}, 0);
  Tick(10, true);
  StartTransponderScan(&scan, DecoderModel::ZL1, line, true, kFrequency, platform::PerformanceCounter());
  EXPECT_FALSE(Tick(250, true).passFound);
  EXPECT_EQ(scan.lampState, 2) << "the lamp goes on";
  unsigned char buffer[256];
  int got = 0;
  line.Read(buffer, 255, &got);
  EXPECT_EQ(got, 2) << "not one byte was taken from the engine";
}

// --- The edits and lists ---

TEST(DriverDetailsRules, OnlySixCharactersMakeATransponder) {
  ParticipantRecord p = {};
  std::strcpy(p.transponder, "001234");
  EXPECT_FALSE(TakeTransponderText(&p, "12345"));
  EXPECT_FALSE(TakeTransponderText(&p, ""));
  EXPECT_FALSE(TakeTransponderText(&p, "1234567"));
  EXPECT_STREQ(p.transponder, "001234");
  EXPECT_TRUE(TakeTransponderText(&p, "000255"));
  EXPECT_STREQ(p.transponder, "000255");
  EXPECT_FALSE(TakeTransponderText(nullptr, "000255"));
}

TEST(DriverDetailsRules, ListTextsMatchWholeButForCase) {
  ComboStrings cars = {"Alpine", "clio", "Élan", "Clio RS"};
  EXPECT_EQ(FindTextIgnoringCase(cars, "CLIO"), 1);
  EXPECT_EQ(FindTextIgnoringCase(cars, "clio rs"), 3);
  EXPECT_EQ(FindTextIgnoringCase(cars, "éLAN"), 2);
  EXPECT_EQ(FindTextIgnoringCase(cars, "Clio "), -1);
  EXPECT_EQ(FindTextIgnoringCase(cars, "Alp"), -1);
  EXPECT_EQ(FindTextIgnoringCase({"", "x"}, ""), -1) << "an empty field selects nothing";
}

TEST(DriverDetailsRules, TheParticipantOfATreeNode) {
  EXPECT_EQ(ParticipantOfNode(11001), 1);
  EXPECT_EQ(ParticipantOfNode(91200), 200);
  EXPECT_EQ(ParticipantOfNode(11201), 0);
  EXPECT_EQ(ParticipantOfNode(11000), 0);
  EXPECT_EQ(ParticipantOfNode(10000), 0);
  EXPECT_EQ(ParticipantOfNode(13101), 0);
  EXPECT_EQ(ParticipantOfNode(-11001), 0);
}

// --- Files ---

class DriverDetailsFiles : public ::testing::Test {
 protected:
  void SetUp() override { ForgetScanDecoderName(); }
  void WriteEvent(int headerCode) {
    detailstest::WriteEvent(headerCode);
    platform::test::ClearMessages();
  }
  std::vector<std::string> Seen() { return testsupport::ShownMessageTexts(); }
  storagetest::WorkingFolder folder;
  DriverDetailsData data;
};

TEST_F(DriverDetailsFiles, TheNamedParticipantIsEditedAndWrittenBackInPlace) {
  WriteEvent(11002);
  LoadDriverDetails(nullptr, &data);
  ParticipantRecord* p = EditedParticipant(&data);
  ASSERT_NE(p, nullptr);
  EXPECT_STREQ(p->name, "BRUNO Marc");
  char caption[64];
  ParticipantCaption(*p, caption, sizeof caption);
  EXPECT_STREQ(caption, "BRUNO Marc ( Club )");
  std::strcpy(p->transponder, "000255");
  std::strcpy(p->frequencies[4], "27.045");
  const std::string before = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_TRUE(SaveDriverDetails(nullptr, data));
  const std::string after = testsupport::ReadBytes(kRallyFilePath);
  EXPECT_EQ(after.size(), before.size());
  EXPECT_NE(after.find("BRUNO Marc\tClub\tclio\t12\t000255\trally 2\t2.4ghz\t27.045\t\t\t27.045\t"), std::string::npos);
  DriverDetailsData again;
  LoadDriverDetails(nullptr, &again);
  EXPECT_STREQ(again.participants[1].transponder, "000255");
  EXPECT_STREQ(again.participants[0].transponder, "1001");
  EXPECT_TRUE(Seen().empty());
}

TEST_F(DriverDetailsFiles, NoParticipantNamedOrNoListReadWritesNothing) {
  for (int code : {13101, 11201, 10000}) {
    WriteEvent(code);
    const std::string before = testsupport::ReadBytes(kRallyFilePath);
    LoadDriverDetails(nullptr, &data);
    EXPECT_EQ(EditedParticipant(&data), nullptr) << code;
    EXPECT_FALSE(SaveDriverDetails(nullptr, data)) << code;
    EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), before) << code;
  }
  // A header without a code names nobody, whatever the section holds.
  WriteEvent(11001);
  std::string bytes = testsupport::ReadBytes(kRallyFilePath);
  bytes.replace(0, 5, "     ");
  testsupport::WriteBytes(kRallyFilePath, bytes);
  LoadDriverDetails(nullptr, &data);
  EXPECT_EQ(EditedParticipant(&data), nullptr);
  EXPECT_FALSE(SaveDriverDetails(nullptr, data));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), bytes);

  // The list was not read at opening: the empty copy never overwrites it.
  WriteEvent(11001);
  std::string event = testsupport::ReadBytes(kRallyFilePath);
  testsupport::DeleteFileIfAny(kRallyFilePath);
  LoadDriverDetails(nullptr, &data);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error : File of the rally not found"});
  testsupport::WriteBytes(kRallyFilePath, event);
  EXPECT_FALSE(SaveDriverDetails(nullptr, data));
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), event);
}

TEST_F(DriverDetailsFiles, AMissingSectionIsReportedAndNeverAdded) {
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  RallyRecord rallies[kMaxRallies] = {};
  std::strcpy(rallies[0].name, "RALLY 1");
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 11001, 1, rallies));
  const std::string before = testsupport::ReadBytes(kRallyFilePath);
  platform::test::ClearMessages();
  LoadDriverDetails(nullptr, &data);
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Title of the participants list not found"});
  // Even a copy that claims to have been read finds no section to write.
  data.listRead = 1;
  EXPECT_FALSE(SaveDriverDetails(nullptr, data));
  EXPECT_EQ(Seen().size(), 2u);
  EXPECT_EQ(testsupport::ReadBytes(kRallyFilePath), before);
}

TEST_F(DriverDetailsFiles, TheDecoderNameIsKeptWhenTheLinkFileGoesMissing) {
  EXPECT_STREQ(ReadScanDecoderName(nullptr), "");
  EXPECT_EQ(Seen(), std::vector<std::string>{"Error: Interface file not found"});
  testsupport::WriteBytes(kInterfaceSettingsFile, "COM19\t1\tVellgrinZL2\r\n");
  EXPECT_STREQ(ReadScanDecoderName(nullptr), "VellgrinZL2");
  testsupport::DeleteFileIfAny(kInterfaceSettingsFile);
  EXPECT_STREQ(ReadScanDecoderName(nullptr), "VellgrinZL2");
  EXPECT_EQ(Seen().size(), 2u);
  // An over-long name is no model's.
  testsupport::WriteBytes(kInterfaceSettingsFile, "COM19\t1\tVellgrinZL2VellgrinZL2\r\n");
  EXPECT_EQ(ModelFromName(ReadScanDecoderName(nullptr)), DecoderModel::Unknown);
}

TEST_F(DriverDetailsFiles, FrequencyLinesThatAreNoCodeAreSkipped) {
  ComboStrings codes;
  EXPECT_FALSE(CollectFrequencyCodes(&codes));
  testsupport::WriteBytes("BaseDonn\xE9"
                          "esFr\xE9quences.bd",
                          "27.045\r\nTOOLONG7\r\n\r\n40.665\r\n2.4Ghz");
  ASSERT_TRUE(CollectFrequencyCodes(&codes));
  EXPECT_EQ(codes, (ComboStrings{"27.045", "40.665", "2.4Ghz"}));
  std::string many;
  for (int i = 0; i < 120; ++i) many += std::to_string(100000 + i) + "\r\n";
  testsupport::WriteBytes("BaseDonn\xE9"
                          "esFr\xE9quences.bd",
                          many);
  ASSERT_TRUE(CollectFrequencyCodes(&codes));
  EXPECT_EQ(codes.size(), 100u);
  EXPECT_EQ(codes.back(), "100099");
}

TEST_F(DriverDetailsFiles, AChosenCarBringsItsCategory) {
  CarsTable cars;
  ClearCarsTable(&cars);
  std::strcpy(cars[0].name, "Clio");
  std::strcpy(cars[0].category, "Touring");
  std::strcpy(cars[3].name, "Clio");
  std::strcpy(cars[3].category, "Rally 2");
  EXPECT_STREQ(CategoryOfCar(cars, "Clio"), "Rally 2");
  EXPECT_EQ(CategoryOfCar(cars, "clio"), nullptr);
  EXPECT_EQ(CategoryOfCar(cars, ""), nullptr);
}

}  // namespace
