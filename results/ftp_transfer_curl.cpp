#include "results/ftp_transfer_curl.h"

#include <curl/curl.h>

#include <mutex>

#include "app/build_profile.h"
#include "platform/folders.h"

namespace {

// The library's global set-up is not thread-safe: once for the process, before any handle
// on any thread.
bool GlobalInit() {
  static std::once_flag once;
  static bool ok = false;
  std::call_once(once, [] { ok = curl_global_init(CURL_GLOBAL_ALL) == CURLE_OK; });
  return ok;
}

size_t ReadCallback(char* destination, size_t size, size_t count, void* cursor) {
  return ReadUploadBuffer(destination, size, count, cursor);
}

CURL* NewHandle(const FtpServer& server, const std::string& url, const std::string& account) {
  if (!GlobalInit()) return nullptr;
  CURL* curl = curl_easy_init();
  if (!curl) return nullptr;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_USERPWD, account.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kFtpConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kFtpTransferTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, kFtpConnectTimeoutSeconds);
  (void)server;
  return curl;
}

std::string Account(const FtpServer& server) { return server.user + ":" + server.password; }

void ShowFailure(platform::WindowHandle owner, Text text, unsigned icon) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk | icon);
}

void UploadFile(platform::WindowHandle owner, const char* localPath, const std::string& url, Text sourceMissing,
                Text failed) {
  std::string content;
  if (!ReadUploadContent(localPath, &content)) {
    ShowFailure(owner, sourceMissing, 0);
    return;
  }
  FtpServer server = ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str());
  if (!FtpUploadContent(server, url, content)) ShowFailure(owner, failed, platform::kMbIconStop);
}

}  // namespace

bool FtpUploadContent(const FtpServer& server, const std::string& url, const std::string& content) {
  std::string account = Account(server);
  CURL* curl = NewHandle(server, url, account);
  if (!curl) return false;
  UploadCursor cursor = {content.data(), content.size()};
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadCallback);
  curl_easy_setopt(curl, CURLOPT_READDATA, &cursor);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(content.size()));
  CURLcode result = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  return result == CURLE_OK;
}

bool FtpFolderExists(const FtpServer& server, const std::string& url) {
  FtpFolderProbe probe(server, url);
  return probe.Ready() && probe.Exists();
}

FtpFolderProbe::FtpFolderProbe(const FtpServer& server, const std::string& url) {
  CURL* curl = NewHandle(server, url, Account(server));
  if (curl) curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
  handle_ = curl;
}

FtpFolderProbe::~FtpFolderProbe() {
  if (handle_) curl_easy_cleanup(static_cast<CURL*>(handle_));
}

bool FtpFolderProbe::Exists() {
  return handle_ && curl_easy_perform(static_cast<CURL*>(handle_)) == CURLE_OK;
}

void UploadLiveResults(platform::WindowHandle owner, const char* localPath, const char* championship,
                       const char* eventFolder) {
  FtpServer server = ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str());
  UploadFile(owner, localPath, LiveResultsUrl(server, championship, eventFolder), Text::LiveResultsSourceNotFound,
             Text::LiveResultsTransferFailed);
}

void UploadArchiveFile(platform::WindowHandle owner, const char* localPath, const char* championship,
                       const char* eventFolder, const char* rallyFolder, const char* remoteName) {
  FtpServer server = ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str());
  UploadFile(owner, localPath, ArchiveUrl(server, championship, eventFolder, rallyFolder, remoteName),
             Text::ArchiveSourceNotFound, Text::ArchiveTransferFailed);
}
