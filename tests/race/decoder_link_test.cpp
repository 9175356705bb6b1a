#include "race/decoder_link.h"

#include <gtest/gtest.h>

#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/decoder_protocol.h"
#include "race/startup_link.h"
#include "tests/race/fake_serial_line.h"
#include "tests/support/temp_folder.h"

using testsupport::FakeSerialLine;

namespace {

const FakeSerialLine::Bytes kReply = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x00};
const FakeSerialLine::Bytes kAck(kClockResetAck, kClockResetAck + 7);

class DecoderLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::test::UseManualClock(5000, 10000000);
    platform::test::SetClockStepPerQuery(1);
  }
  // A ZL2 that answers the identify request after delayMs.
  void AnswerIdentify(std::uint32_t delayMs, std::vector<int> pieces = {}, FakeSerialLine::Bytes reply = kReply) {
    line.onWrite = [=](const FakeSerialLine::Bytes& bytes) {
      if (bytes == FakeSerialLine::Bytes(kIdentifyRequest, kIdentifyRequest + 5)) line.Send(reply, delayMs, pieces);
    };
  }
  FakeSerialLine line;
};

}  // namespace

TEST_F(DecoderLinkTest, ProbeFindsAZL2ThatAnswersWithinTheWaitEvenWhenTheReplyIsSplit) {
  AnswerIdentify(40);
  EXPECT_TRUE(ProbeDecoder(line));
  ASSERT_EQ(line.written.size(), 1u);
  EXPECT_EQ(line.written[0], FakeSerialLine::Bytes(kIdentifyRequest, kIdentifyRequest + 5));

  AnswerIdentify(10, {5, 2});
  EXPECT_TRUE(ProbeDecoder(line)) << "the first five bytes are kept for the next read";
}

TEST_F(DecoderLinkTest, ProbeTakesSilenceLateRepliesAndOtherModelsForNoZL2) {
  std::uint32_t start = platform::TickCount();
  EXPECT_FALSE(ProbeDecoder(line));
  std::uint32_t waited = platform::TickCount() - start;
  EXPECT_GE(waited, 100u);
  EXPECT_LT(waited, 150u);

  AnswerIdentify(130);
  EXPECT_FALSE(ProbeDecoder(line));
  line = FakeSerialLine();

  AnswerIdentify(10, {}, {0xFF, 0xFF, 0xFF, 0x01, 0x03, 0x00, 0x00});
  EXPECT_FALSE(ProbeDecoder(line));
  line = FakeSerialLine();

  line.failReads = true;
  AnswerIdentify(10);
  EXPECT_FALSE(ProbeDecoder(line)) << "a failed read is nothing received";
}

TEST_F(DecoderLinkTest, WaitsEndOnTheTickCountWhenTheMachineHasNoCounter) {
  platform::test::UseManualClock(5000, 0);
  platform::test::SetClockStepPerQuery(1);
  AnswerIdentify(20);
  EXPECT_TRUE(ProbeDecoder(line));
  line.onWrite = nullptr;
  EXPECT_FALSE(ProbeDecoder(line)) << "nothing answers the second time: the wait still ends";
  ReceiveBuffer received;
  EXPECT_FALSE(ResetDecoderClock(line, nullptr, &received));
}

TEST_F(DecoderLinkTest, ClockResetWaitsForAnAcknowledgementAsLateAsA9600BaudLineAndALoadedPcMakeIt) {
  auto answerReset = [&](std::uint32_t delayMs, FakeSerialLine::Bytes before = {}, FakeSerialLine::Bytes after = {}) {
    line.onWrite = [=](const FakeSerialLine::Bytes& bytes) {
      if (bytes != FakeSerialLine::Bytes(kClockResetRequest, kClockResetRequest + 5)) return;
      FakeSerialLine::Bytes answer = before;
      answer.insert(answer.end(), kAck.begin(), kAck.end());
      answer.insert(answer.end(), after.begin(), after.end());
      line.Send(answer, delayMs, {static_cast<int>(before.size()) + 4});
    };
  };
  ReceiveBuffer received;
  // 13.9 ms: the request and the acknowledgement alone take 12.5 ms on the line. The wait
  // ends as soon as it is in.
  answerReset(14);
  std::uint32_t start = platform::TickCount();
  EXPECT_TRUE(ResetDecoderClock(line, nullptr, &received));
  EXPECT_EQ(line.written.back(), FakeSerialLine::Bytes(kClockResetRequest, kClockResetRequest + 5));
  EXPECT_LT(platform::TickCount() - start, 40u) << "not the whole 100 ms";
  EXPECT_EQ(received.length, 0);
  answerReset(95);
  EXPECT_TRUE(ResetDecoderClock(line, nullptr, &received)) << "a loaded PC";
  line = FakeSerialLine();
  answerReset(130);
  start = platform::TickCount();
  EXPECT_FALSE(ResetDecoderClock(line, nullptr, &received)) << "nothing can still be on its way";
  EXPECT_GE(platform::TickCount() - start, 100u);
  EXPECT_LT(platform::TickCount() - start, 150u);
  line = FakeSerialLine();

  // What came before the acknowledgement belongs to no stage; a pass right behind it is the
  // new clock's and is kept for the race engine, its beginning too.
  const FakeSerialLine::Bytes pass = {0xFF, 0xFF, 0xFF, 0xF0, 0x00, 0x2A, 0x00, 0x00, 0x01, 0x48, 0xE5};
  answerReset(3, pass, FakeSerialLine::Bytes(pass.begin(), pass.begin() + 6));
  EXPECT_TRUE(ResetDecoderClock(line, nullptr, &received));
  ASSERT_EQ(received.length, 6);
  EXPECT_EQ(FakeSerialLine::Bytes(received.bytes, received.bytes + 6), FakeSerialLine::Bytes(pass.begin(), pass.begin() + 6));
  line = FakeSerialLine();

  // An almost-matching frame does not count, and nothing is left behind.
  line.onWrite = [&](const FakeSerialLine::Bytes&) { line.Send({0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x01, 0x55}, 1); };
  EXPECT_FALSE(ResetDecoderClock(line, nullptr, &received));
  EXPECT_EQ(received.length, 0);
  line = FakeSerialLine();

  // A stage that starts meanwhile ends the wait at once.
  int stageTimed = 1;
  answerReset(1);
  start = platform::TickCount();
  EXPECT_FALSE(ResetDecoderClock(line, &stageTimed, &received));
  EXPECT_LE(platform::TickCount() - start, 5u);
}

TEST(PassTimes, ZL1TimesComeFromTheCounterSinceTheStageZero) {
  EXPECT_EQ(PassTimeZL1(3579545LL * 61 + 5, 5, 3579545, 0), 61000);
  // A counter of 10 MHz over a whole day stays within 64 bits before the division.
  EXPECT_EQ(PassTimeZL1(10000000LL * 86400, 0, 10000000, 0), 86400000);
  EXPECT_EQ(PassTimeZL1(1234, 0, 0, 777), 777) << "no counter: the time is not recomputed";
}

namespace {

class FakePort : public SerialPortAccess {
 public:
  explicit FakePort(FakeSerialLine& line, bool opens) : line_(line), opens_(opens) {}
  bool Open(const char* portName) override {
    opened.push_back(portName);
    return opens_;
  }
  SerialLine& Line() override { return line_; }
  std::vector<std::string> opened;

 private:
  FakeSerialLine& line_;
  bool opens_;
};

class StartupLinkTest : public DecoderLinkTest {
 protected:
  void SetUp() override {
    DecoderLinkTest::SetUp();
    saved_ = platform::CurrentFolder();
    ASSERT_TRUE(platform::SetCurrentFolder(folder.path().c_str()));
  }
  void TearDown() override {
    platform::SetCurrentFolder(saved_.c_str());
    SetActiveProfile(kEnglishBuild);
  }
  std::string LinkFile() { return testsupport::ReadBytes(folder / kInterfaceSettingsFile); }
  std::vector<std::string> Seen() {
    std::vector<std::string> seen;
    for (const auto& message : platform::test::Messages()) seen.push_back(message.caption + ": " + message.text);
    return seen;
  }

  testsupport::TempFolder folder;

 private:
  std::string saved_;
};

}  // namespace

TEST_F(StartupLinkTest, AZL2ThatAnswersIsRecordedAsConnectedEvenWhenTheFileSaidOtherwise) {
  testsupport::WriteBytes(folder / kInterfaceSettingsFile, "COM4\t0\tVellgrin\r\n");
  AnswerIdentify(30);
  FakePort port(line, true);
  InterfaceSettings outcome = ConnectDecoderAtStartup(nullptr, port);
  EXPECT_EQ(port.opened, std::vector<std::string>{"COM4"});
  EXPECT_EQ(outcome.connected, 1);
  EXPECT_EQ(LinkFile(), "COM4\t1\tVellgrinZL2\r\n");
  EXPECT_EQ(Seen(), std::vector<std::string>{"Message: Interface Vellgrin ZL2 ready to operate"});
}

TEST_F(StartupLinkTest, ASilentDeviceIsAZL1AndAConnectedFlagInTheFileDoesNotSkipTheProbe) {
  testsupport::WriteBytes(folder / kInterfaceSettingsFile, "COM12\t1\tVellgrinZL2\r\n");
  FakePort port(line, true);
  ConnectDecoderAtStartup(nullptr, port);
  ASSERT_EQ(line.written.size(), 1u) << "the probe ran";
  EXPECT_EQ(LinkFile(), "COM12\t1\tVellgrin\r\n");
  EXPECT_EQ(Seen(), std::vector<std::string>{
                        "Message: COM port opened correctly, OK !\n Interface Vellgrin ZL1 ready to operate"});
}

TEST_F(StartupLinkTest, APortThatDoesNotOpenIsRecordedAsNotConnected) {
  testsupport::WriteBytes(folder / kInterfaceSettingsFile, "COM5\t1\tVellgrinZL2\r\n");
  FakePort port(line, false);
  ConnectDecoderAtStartup(nullptr, port);
  EXPECT_EQ(LinkFile(), "COM5\t0\tVellgrin\r\n");
  EXPECT_EQ(Seen(), std::vector<std::string>{"Message: Could not open the COM port"});
  EXPECT_TRUE(line.written.empty());
}

TEST_F(StartupLinkTest, AMissingFileIsReportedThenCreatedAndABadPortNameIsNeverOpened) {
  FakePort port(line, true);
  ConnectDecoderAtStartup(nullptr, port);
  EXPECT_TRUE(port.opened.empty());
  EXPECT_EQ(Seen(), (std::vector<std::string>{"Error: Error: COM port file not found",
                                              "Message: Could not open the COM port"}));
  EXPECT_EQ(LinkFile(), "\t0\tVellgrin\r\n");

  platform::test::ClearMessages();
  testsupport::WriteBytes(folder / kInterfaceSettingsFile, "LPT1\t1\tVellgrin\r\n");
  ConnectDecoderAtStartup(nullptr, port);
  EXPECT_TRUE(port.opened.empty());
  EXPECT_EQ(LinkFile(), "LPT1\t0\tVellgrin\r\n");
}

TEST_F(StartupLinkTest, TheFrenchAndSpanishBuildsSpeakTheirLanguage) {
  FakePort port(line, false);
  SetActiveProfile(kFrenchBuild);
  ConnectDecoderAtStartup(nullptr, port);
  SetActiveProfile(kSpanishBuild);
  ConnectDecoderAtStartup(nullptr, port);
  auto seen = Seen();
  ASSERT_EQ(seen.size(), 3u) << "the second run finds the file the first one created";
  EXPECT_EQ(seen[0], "Erreur: Erreur : fichier du port COM introuvable");
  EXPECT_EQ(seen[1], "Message: Impossible d'ouvrir le port COM");
  EXPECT_EQ(seen[2], "Mensaje: No se pudo abrir el puerto COM");
}
