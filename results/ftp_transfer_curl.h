// The FTP transfers through libcurl (Windows build only). Every call has short connect and
// transfer time-outs, so that nothing waits on the network for more than a few seconds.
#pragma once

#include <string>

#include "platform/message_box.h"
#include "results/ftp_upload.h"

inline constexpr long kFtpConnectTimeoutSeconds = 3;
inline constexpr long kFtpTransferTimeoutSeconds = 8;

// Uploads content to url (the remote file is created or replaced); true on success.
bool FtpUploadContent(const FtpServer& server, const std::string& url, const std::string& content);
// True when the login works and the folder (a URL ending in "/") exists.
bool FtpFolderExists(const FtpServer& server, const std::string& url);

// One existence probe of a folder (a URL ending in "/"; the server's root is the login
// probe), made again and again on the same connection while a folder is awaited.
class FtpFolderProbe {
 public:
  FtpFolderProbe(const FtpServer& server, const std::string& url);
  ~FtpFolderProbe();
  FtpFolderProbe(const FtpFolderProbe&) = delete;
  FtpFolderProbe& operator=(const FtpFolderProbe&) = delete;

  // False when the library or its handle could not be initialised: nothing can be probed.
  bool Ready() const { return handle_ != nullptr; }
  // True when the login works and the folder exists.
  bool Exists();

 private:
  void* handle_ = nullptr;  // the libcurl easy handle
};

// The operator-started uploads: they block, within the time-outs, and say what failed.
void UploadLiveResults(platform::WindowHandle owner, const char* localPath, const char* championship,
                       const char* eventFolder);
void UploadArchiveFile(platform::WindowHandle owner, const char* localPath, const char* championship,
                       const char* eventFolder, const char* rallyFolder, const char* remoteName);
