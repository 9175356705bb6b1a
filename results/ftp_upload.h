// Publishing files on the FTP server of the results web site: the server's settings, the
// remote paths, the read callback that hands a file's content to the transfer, the folder
// polling and the worker that uploads the live results away from the GUI thread. The
// transfers themselves (libcurl) are Windows code: results/ftp_transfer_curl.cpp.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// "WebResults/ServeurFtp.txt" of the program folder: the host (with ":port" when not 21),
// the user name and the password, one a line.
inline constexpr const char* kFtpServerFile = "WebResults/ServeurFtp.txt";

struct FtpServer {
  std::string host;
  std::string user;
  std::string password;
};

// The deployment's server when the file is missing or leaves a line empty.
FtpServer DefaultFtpServer();
// Reads the file at path over the defaults.
FtpServer ReadFtpServer(const char* path);

// Percent-encodes everything but the unreserved characters (letters, digits, "-._~").
std::string PercentEncode(const std::string& text);

// The remote places, each value encoded.
std::string LiveResultsUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder);
std::string ArchiveUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder,
                       const std::string& rallyFolder, const std::string& remoteName);
std::string EventFolderUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder);
std::string RallyFolderUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder,
                           const std::string& rallyFolder);
std::string LoginUrl(const FtpServer& server);

// The whole content of a text file (CR LF read as LF), however long. False when it cannot
// be opened.
bool ReadUploadContent(const char* path, std::string* content);

// What is left to send of an upload.
struct UploadCursor {
  const char* next;
  std::size_t left;
};
// The transfer's read callback: at most size * count bytes, 0 at the end.
std::size_t ReadUploadBuffer(char* destination, std::size_t size, std::size_t count, void* cursor);

// After a page of the web site was asked to create a folder: probes until one succeeds or
// for about ten seconds, 500 ms apart; the first probe is always made.
bool PollUntilFolderExists(const std::function<bool()>& probe);

// One worker thread that uploads the live results. Submit never waits for the network: a
// content submitted while a transfer runs replaces any content still waiting (only the
// newest live table matters). A failed transfer is reported through onFailure, on the
// worker's thread; the owner passes it to its GUI thread.
struct UploadJob {
  std::string url;
  std::string content;
};

class LiveUploadWorker {
 public:
  using Transfer = std::function<bool(const UploadJob& job)>;
  LiveUploadWorker(Transfer transfer, std::function<void()> onFailure);
  ~LiveUploadWorker();
  LiveUploadWorker(const LiveUploadWorker&) = delete;
  LiveUploadWorker& operator=(const LiveUploadWorker&) = delete;

  void Submit(UploadJob job);
  // Waits until nothing is waiting and no transfer runs (tests, and the end of the program).
  void Drain();
  int Completed() const;

 private:
  void Run();
  Transfer transfer_;
  std::function<void()> onFailure_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  UploadJob waiting_;
  bool hasWaiting_ = false;
  bool busy_ = false;
  bool stop_ = false;
  int completed_ = 0;
  std::thread thread_;
};
