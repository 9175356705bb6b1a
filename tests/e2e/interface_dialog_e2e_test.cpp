// Connect of the interface dialog against the decoder simulator on a pseudo-terminal pair:
// the model that answers is shown and recorded in the link file that the race engine reads
// again at its next tick.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/folders.h"
#include "race/interface_settings.h"
#include "race/serial_port.h"
#include "setup/setup_dialog_ids.h"
#include "setup/setup_dialogs.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/temp_folder.h"

namespace {

using testsupport::Simulator;
using testsupport::TempFolder;

class InterfaceConnect : public ::testing::Test {
 protected:
  void SetUp() override {
    program = std::getenv("VELLGRIN_COM_PROGRAM");
    saved = platform::CurrentFolder();
    platform::SetCurrentFolder(folder.path().c_str());
    testsupport::WriteBytes(folder / kInterfaceSettingsFile, "\t0\tVellgrin\r\n");
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "INTERFACE", nullptr, InterfaceDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
  }
  void TearDown() override {
    DestroyWindow(dialog);
    CloseSerialPort();
    platform::SetCurrentFolder(saved.c_str());
  }
  void Choose(const std::string& port) {
    HWND ports = GetDlgItem(dialog, IDC_INTERFACE_PORTS);
    SendMessageA(ports, CB_SETCURSEL, SendMessageA(ports, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(port.c_str())), 0);
  }
  void Connect() {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INTERFACE_CONNECT, BN_CLICKED), 0);
  }
  std::string Message() {
    char text[256] = "";
    GetDlgItemTextA(dialog, IDC_INTERFACE_MESSAGE, text, sizeof text);
    return text;
  }
  std::string LinkFile() { return testsupport::ReadBytes(folder / kInterfaceSettingsFile); }

  TempFolder folder;
  std::string program;
  std::string saved;
  HWND dialog = nullptr;
};

TEST_F(InterfaceConnect, AZL2IsFoundAndRecordedForTheRaceEngine) {
  Simulator simulator(folder, "--model zl2 --baud 9600");
  Choose(program);
  Connect();
  EXPECT_EQ(LinkFile(), program + "\t1\tVellgrinZL2\r\n");
  EXPECT_EQ(Message(),
            " COM Port opening attempt :\r\n COM Port opened correctly, OK !\r\n Interface ZL2 is ready to operate !\r\n");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERFACE_ZL2), BST_CHECKED);
  EXPECT_TRUE(IsSerialPortOpen()) << "the port stays open for the race engine";
  EXPECT_NE(simulator.Log().find("identify"), std::string::npos);
  // What the engine's next tick reads.
  InterfaceSettings read;
  ASSERT_TRUE(ReadInterfaceSettings(kInterfaceSettingsFile, &read));
  EXPECT_EQ(read.port, program);
  EXPECT_EQ(read.connected, 1);
  EXPECT_STREQ(read.decoderName, "VellgrinZL2");
}

TEST_F(InterfaceConnect, ASilentDeviceIsAZL1) {
  Simulator simulator(folder, "--model zl1");
  Choose(program);
  Connect();
  EXPECT_EQ(LinkFile(), program + "\t1\tVellgrin\r\n");
  EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_INTERFACE_ZL1), BST_CHECKED);
  EXPECT_NE(Message().find("Interface ZL1 is ready to operate !"), std::string::npos);
}

TEST_F(InterfaceConnect, APortThatDoesNotOpenAndNoPortAtAll) {
  ASSERT_EQ(OpenSerialPort(program.c_str()), 1);
  Choose("COM98");
  Connect();
  EXPECT_EQ(LinkFile(), "COM98\t0\tVellgrin\r\n");
  EXPECT_EQ(Message(), " COM Port opening attempt :\r\n Could not open the COM Port !\r\n");
  EXPECT_FALSE(IsSerialPortOpen()) << "the earlier port was closed by Connect";

  ASSERT_EQ(OpenSerialPort(program.c_str()), 1);
  SendDlgItemMessageA(dialog, IDC_INTERFACE_PORTS, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  Connect();
  EXPECT_EQ(LinkFile(), "COM98\t0\tVellgrin\r\n") << "no port chosen: nothing written";
  EXPECT_TRUE(IsSerialPortOpen()) << "and the open port left alone";
}

}  // namespace
