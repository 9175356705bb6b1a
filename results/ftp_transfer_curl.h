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

// The operator-started uploads: they block, within the time-outs, and say what failed.
void UploadLiveResults(platform::WindowHandle owner, const char* localPath, const char* championship,
                       const char* eventFolder);
void UploadArchiveFile(platform::WindowHandle owner, const char* localPath, const char* championship,
                       const char* eventFolder, const char* rallyFolder, const char* remoteName);
