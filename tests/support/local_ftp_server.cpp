#include "tests/support/local_ftp_server.h"

#include <windows.h>

#include <filesystem>

#include "tests/support/process_windows.h"
#include "tests/support/temp_folder.h"

namespace testsupport {

LocalFtpServer::LocalFtpServer(int port)
    // Wine's process ids are small and repeat across Wine prefixes: the port and the time
    // keep two test runs on one machine out of each other's folders.
    : port_(port),
      root_("/tmp/vellgrin-ftp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(port) + "-" +
            std::to_string(GetTickCount())) {}

LocalFtpServer::~LocalFtpServer() {
  Stop();
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::u8path(HostPath(root_)), ignored);
  std::filesystem::remove(std::filesystem::u8path(HostPath(root_ + ".log")), ignored);
}

bool LocalFtpServer::Start() {
  return Run("start " + root_ + " " + std::to_string(port_) + " racer pw") && WaitFor(".ready", true);
}

bool LocalFtpServer::StartMute() {
  return Run("start-mute " + root_ + " " + std::to_string(port_)) && WaitFor(".ready", true);
}

void LocalFtpServer::Stop() {
  if (Run("stop " + root_)) WaitFor(".pid", false);
}

std::string LocalFtpServer::Path(const std::string& relative) const { return HostPath(root_ + "/" + relative); }

std::string LocalFtpServer::Log() const { return ReadBytes(HostPath(root_ + ".log")); }

void LocalFtpServer::MakeFolder(const std::string& relative) const {
  std::filesystem::create_directories(std::filesystem::u8path(Path(relative)));
}

void LocalFtpServer::WriteServerFile(const std::string& programFolder) const {
  CreateDirectoryA((programFolder + "\\WebResults").c_str(), nullptr);
  WriteBytes(programFolder + "\\WebResults\\ServeurFtp.txt",
             "127.0.0.1:" + std::to_string(port_) + "\r\nracer\r\npw\r\n");
}

// Whether root_ + suffix came to exist (or to be gone) within 10 s.
bool LocalFtpServer::WaitFor(const char* suffix, bool exists) const {
  std::string path = HostPath(root_ + suffix);
  for (int i = 0; i < 500; ++i) {
    if ((GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == exists) return true;
    Sleep(20);
  }
  return false;
}

bool LocalFtpServer::Run(const std::string& arguments) const {
  return LaunchUnixCommand(VELLGRIN_FTP_SERVER_SCRIPT, arguments);
}

}  // namespace testsupport
