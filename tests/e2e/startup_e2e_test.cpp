// Start-up against the decoder simulator on a pseudo-terminal pair mapped as COM ports: the
// program tells the model that answers and records it in the link file.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/decoder_link.h"
#include "race/decoder_protocol.h"
#include "race/serial_port.h"
#include "race/startup.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Simulator;
using testsupport::TempFolder;

class StartupWithDecoder : public ::testing::Test {
 protected:
  void SetUp() override {
    program = std::getenv("VELLGRIN_COM_PROGRAM");
    platform::test::SetProgramFolder(folder.path());
    // The factory content, so that the main window's creation has nothing to report.
    testsupport::CopyTestData(folder.path());
    saved = platform::CurrentFolder();
  }
  void TearDown() override { platform::SetCurrentFolder(saved.c_str()); }

  void WriteLinkFile(const std::string& line) { testsupport::WriteBytes(folder / "RéglagesInterface2.rg", line); }
  std::string LinkFile() { return testsupport::ReadBytes(folder / "RéglagesInterface2.rg"); }
  std::vector<std::string> Seen() {
    std::vector<std::string> seen;
    // The close guard's question belongs to closing, not to start-up.
    for (const auto& message : platform::test::Messages())
      if (message.text != Tr(Text::QuitQuestion)) seen.push_back(message.text);
    return seen;
  }
  // Starts the program, lets it finish start-up and closes it.
  void StartAndClose() {
    HWND window = StartProgram(GetModuleHandleA(nullptr));
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_FALSE(IsSerialPortOpen()) << "the port is closed with the window";
    UnregisterClassA("classeF", GetModuleHandleA(nullptr));
  }

  TempFolder folder;
  std::string program;
  std::string saved;
};

TEST_F(StartupWithDecoder, AZL2AnswersTheProbe) {
  Simulator simulator(folder, "--model zl2 --baud 9600");
  WriteLinkFile(program + "\t0\tVellgrin\r\n");
  StartAndClose();
  EXPECT_EQ(LinkFile(), program + "\t1\tVellgrinZL2\r\n");
  ASSERT_GE(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0], "Interface Vellgrin ZL2 ready to operate");
  EXPECT_NE(simulator.Log().find("identify"), std::string::npos);
}

TEST_F(StartupWithDecoder, ASilentDeviceIsTakenForAZL1EvenWhenTheFileSaidZL2) {
  Simulator simulator(folder, "--model zl1");
  WriteLinkFile(program + "\t1\tVellgrinZL2\r\n");
  StartAndClose();
  EXPECT_EQ(LinkFile(), program + "\t1\tVellgrin\r\n");
  ASSERT_GE(Seen().size(), 1u);
  EXPECT_EQ(Seen()[0], "COM port opened correctly, OK !\n Interface Vellgrin ZL1 ready to operate");
}

TEST_F(StartupWithDecoder, NoPortAndNoLinkFile) {
  // A COM port that is not mapped does not open.
  WriteLinkFile("COM98\t1\tVellgrinZL2\r\n");
  StartAndClose();
  EXPECT_EQ(LinkFile(), "COM98\t0\tVellgrin\r\n");
  EXPECT_EQ(Seen()[0], "Could not open the COM port");

  platform::test::ClearMessages();
  testsupport::DeleteFileIfAny(folder / "RéglagesInterface2.rg");
  StartAndClose();
  EXPECT_EQ(LinkFile(), "\t0\tVellgrin\r\n");
  ASSERT_GE(Seen().size(), 2u);
  EXPECT_EQ(Seen()[0], "Error: COM port file not found");
  EXPECT_EQ(Seen()[1], "Could not open the COM port");
}

// On a line paced as a real 9600-baud one, every clock reset is acknowledged, never sooner
// than the 12 bytes of the exchange take on the wire, and the wait ends with the answer.
TEST_F(StartupWithDecoder, EveryClockResetIsAcknowledgedOnA9600BaudLine) {
  Simulator simulator(folder, "--model zl2 --baud 9600");
  ASSERT_EQ(OpenSerialPort(program.c_str()), 1);
  ReceiveBuffer received;
  int acknowledged = 0;
  double fastest = 1e9, slowest = 0;
  for (int i = 0; i < 30; ++i) {
    ElapsedTimer timer;
    timer.Start();
    if (ResetDecoderClock(SystemSerialLine(), nullptr, &received)) ++acknowledged;
    double took = static_cast<double>(timer.ElapsedMs());
    fastest = std::min(fastest, took);
    slowest = std::max(slowest, took);
    Sleep(20);
  }
  CloseSerialPort();
  std::printf("clock reset acknowledged: %d of 30, in %.0f to %.0f ms\n", acknowledged, fastest, slowest);
  EXPECT_EQ(acknowledged, 30);
  EXPECT_GE(fastest, 12) << "the simulator paces the line";
  EXPECT_LT(slowest, 99) << "the wait ends with the acknowledgement";
}

}  // namespace

namespace {

TEST(SerialPort, ReadsAndWritesWithoutAnOpenPortFailCleanlyAndCloseTwiceIsHarmless) {
  const char* port = std::getenv("VELLGRIN_COM_PROGRAM");
  ASSERT_EQ(OpenSerialPort(port), 1);
  EXPECT_TRUE(IsSerialPortOpen());
  EXPECT_EQ(OpenSerialPort("COM98"), 0) << "an unmapped port";
  EXPECT_FALSE(IsSerialPortOpen()) << "a failed open leaves no port open";
  ASSERT_EQ(OpenSerialPort(port), 1);
  EXPECT_EQ(CloseSerialPort(), 1);
  EXPECT_EQ(CloseSerialPort(), 1);
  unsigned char buffer[256];
  int n = 99;
  EXPECT_EQ(ReadSerialPort(buffer, 255, &n), 0);
  EXPECT_EQ(n, 0);
  n = 99;
  EXPECT_EQ(WriteSerialPort(kIdentifyRequest, 5, &n), 0);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(OpenSerialPort("COM1234567890123"), 0) << "a name too long for the device path";
}

}  // namespace
