// Start-up against the decoder simulator on a pseudo-terminal pair mapped as COM ports: the
// program tells the model that answers and records it in the link file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
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
  Simulator simulator(folder, "--model zl2");
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

// The clock reset is acknowledged within 9 ms; the figure is measured, not asserted, since a
// loaded machine may miss it now and then.
TEST_F(StartupWithDecoder, ClockResetAcknowledgementTimes) {
  Simulator simulator(folder, "--model zl2");
  ASSERT_EQ(OpenSerialPort(program.c_str()), 1);
  int inTime = 0;
  for (int i = 0; i < 50; ++i) {
    if (ResetDecoderClock(SystemSerialLine(), nullptr)) ++inTime;
    Sleep(20);
  }
  CloseSerialPort();
  std::printf("clock reset acknowledged within 9 ms: %d of 50\n", inTime);
  EXPECT_GT(inTime, 0);
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
