// The decoder simulator as a process of a test, on the decoder's end of the serial pair that
// tests/support/with-serial-pair made (VELLGRIN_COM_DECODER).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace testsupport {

// vellgrin-decoder-sim on the decoder's end, its log in a temporary folder. It never
// outlives the test: --exit-after, and the destructor ends it.
class Simulator {
 public:
  Simulator(const TempFolder& folder, const std::string& arguments, bool typed = false)
      : logPath_(folder / "simulator.log") {
    std::string command = "\"" + testsupport::HostPath(VELLGRIN_DECODER_SIM) + "\" " +
                          std::getenv("VELLGRIN_COM_DECODER") + " --exit-after 30000 --log \"" +
                          logPath_ + "\" " + arguments;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE childInput = nullptr;
    if (typed) {
      CreatePipe(&childInput, &input_, &inherit, 0);
      SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    } else {
      childInput = CreateFileA("NUL", GENERIC_READ, 0, &inherit, OPEN_EXISTING, 0, nullptr);
    }
    // Its echo of the log would bury the test's output; its complaints would not.
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, 0, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childInput;
    startup.hStdOutput = nul;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                              &startup, &process_);
    CloseHandle(childInput);
    CloseHandle(nul);
    EXPECT_TRUE(started_) << command;
    // Ready once the port is open: the start line comes after it.
    while (started_ && Log().find("start model=") == std::string::npos &&
           WaitForSingleObject(process_.hProcess, 10) == WAIT_TIMEOUT) {
    }
    EXPECT_NE(Log().find("start model="), std::string::npos) << "the simulator did not start";
  }
  ~Simulator() {
    CloseInput();
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) {
      TerminateProcess(process_.hProcess, 99);
    }
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }

  void Type(const std::string& text) {
    DWORD n = 0;
    WriteFile(input_, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
  }
  void CloseInput() {
    if (input_) CloseHandle(input_);
    input_ = nullptr;
  }
  // The exit code, or -1 while it runs.
  int WaitForExit(DWORD timeoutMs) {
    DWORD code = 0;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
  }
  // With "\n" line ends (the simulator writes a Windows text file).
  std::string Log() const {
    std::string log = testsupport::ReadBytes(logPath_);
    log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
    return log;
  }
  // The simulator's clock (ms) on the first log line containing text.
  double LogTime(const std::string& text) const {
    std::string log = Log();
    std::size_t at = log.find(text);
    if (at == std::string::npos) return -1;
    std::size_t start = log.rfind('\n', at);
    return std::atof(log.c_str() + (start == std::string::npos ? 0 : start + 1));
  }

 private:
  std::string logPath_;
  PROCESS_INFORMATION process_ = {};
  HANDLE input_ = nullptr;
  bool started_ = false;
};

}  // namespace testsupport
