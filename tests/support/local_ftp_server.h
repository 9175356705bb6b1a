// The local FTP server of tests/support/local-ftp-server, serving a folder under /tmp with
// the account "racer" / "pw", started and stopped by the test that needs it: a real FTP
// server (Start), or a stand-in that accepts connections and never says a word (StartMute).
#pragma once

#include <string>

namespace testsupport {

class LocalFtpServer {
 public:
  // Each test program takes its own port, so that ctest can run them side by side.
  explicit LocalFtpServer(int port);
  ~LocalFtpServer();
  LocalFtpServer(const LocalFtpServer&) = delete;
  LocalFtpServer& operator=(const LocalFtpServer&) = delete;

  bool Start();
  bool StartMute();
  void Stop();
  int port() const { return port_; }
  // A file or folder under the served folder, as the test reads it.
  std::string Path(const std::string& relative) const;
  // Makes a folder (and its parents) under the served folder.
  void MakeFolder(const std::string& relative) const;
  // Points the program folder at this server: its "WebResults/ServeurFtp.txt".
  void WriteServerFile(const std::string& programFolder) const;
  // What the server logged so far.
  std::string Log() const;

 private:
  bool WaitFor(const char* suffix, bool exists) const;
  bool Run(const std::string& arguments) const;
  int port_;
  std::string root_;
};

}  // namespace testsupport
