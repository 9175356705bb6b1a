// The transponder scan of the driver details dialog against the decoder simulator on a
// pseudo-terminal pair: a pass typed at the simulator's prompt lands in the transponder
// edit, for a ZL1 and for a ZL2 whose frames arrive in two pieces, and OK saves it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "race/event_file.h"
#include "race/main_state.h"
#include "race/serial_port.h"
#include "setup/driver_details_dialog_ids.h"
#include "setup/driver_details_model.h"
#include "setup/setup_dialogs.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/setup/driver_details_files.h"

namespace {

using testsupport::Simulator;

class DriverDetailsScan : public ::testing::Test {
 protected:
  void SetUp() override {
    ForgetScanDecoderName();
    Main().timing.timing = 0;
    // The main window's port, opened as start-up or the interface dialog leaves it.
    ASSERT_EQ(OpenSerialPort(std::getenv("VELLGRIN_COM_PROGRAM")), 1);
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
    CloseSerialPort();
    Main().timing.timing = 0;
  }
  void Open(const char* decoderName) {
    detailstest::WriteReferenceFiles(decoderName);
    detailstest::WriteEvent(11002);
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "RALLYEPILOTEDETAILS", nullptr, DriverDetailsDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
  }
  void Scan() { SendDlgItemMessageA(dialog, IDC_DETAILS_SCAN, BM_CLICK, 0, 0); }
  std::string Transponder() {
    char text[16] = "";
    GetDlgItemTextA(dialog, IDC_DETAILS_TRANSPONDER, text, sizeof text);
    return text;
  }
  // Runs the dialog's timer until the edit shows text or ms have passed.
  bool WaitForTransponder(const std::string& text, DWORD ms) {
    DWORD until = GetTickCount() + ms;
    while (GetTickCount() < until) {
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      if (Transponder() == text) return true;
      Sleep(2);
    }
    return false;
  }

  storagetest::WorkingFolder folder;
  testsupport::TempFolder logs;
  HWND dialog = nullptr;
};

TEST_F(DriverDetailsScan, AZL1PassTypedAtTheSimulatorIsShownAndSaved) {
  Open("Vellgrin");
  Simulator simulator(logs, "--model zl1 --interactive", true);
  Scan();
  simulator.Type("255\n");
  EXPECT_TRUE(WaitForTransponder("000255", 5000)) << Transponder() << "\n" << simulator.Log();

  // While a stage is timed the race engine reads the port: the dialog leaves the pass alone.
  Main().timing.timing = 1;
  simulator.Type("300\n");
  EXPECT_FALSE(WaitForTransponder("000300", 600));
  Main().timing.timing = 0;
  EXPECT_TRUE(WaitForTransponder("000300", 5000)) << "still waiting on the line afterwards";

  Scan();
  EXPECT_EQ(Transponder(), "000300") << "releasing Scan keeps the number";
  SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_NE(testsupport::ReadBytes(kRallyFilePath).find("BRUNO Marc\tClub\tclio\t12\t000300\t"), std::string::npos);
}

TEST_F(DriverDetailsScan, AZL2PassInTwoPiecesIsShown) {
  Open("VellgrinZL2");
  Simulator simulator(logs, "--model zl2 --baud 9600 --interactive --split 5", true);
  // Sent while Scan is up: the dialog's ticks throw it away.
  simulator.Type("1111\n");
  EXPECT_FALSE(WaitForTransponder("001111", 1000));
  EXPECT_NE(simulator.Log().find("pass transponder=1111"), std::string::npos);
  Scan();
  EXPECT_FALSE(WaitForTransponder("001111", 300));
  simulator.Type("4242\n");
  EXPECT_TRUE(WaitForTransponder("004242", 5000)) << Transponder() << "\n" << simulator.Log();
}

}  // namespace
