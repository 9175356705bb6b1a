#include "results/ftp_upload.h"

#include <algorithm>
#include <cstring>

#include "platform/clock.h"
#include "platform/text_file.h"

namespace {

// Each value goes into a path segment; the folder names come from the operator.
std::string Base(const FtpServer& server) { return "ftp://" + server.host + "/public_html/VellgrinRally/"; }

}  // namespace

FtpServer DefaultFtpServer() { return {"ftp.vellgrin-rally.example", "vellgrin", "Tq4Lm~Wz8(Rb"}; }

FtpServer ReadFtpServer(const char* path) {
  FtpServer server = DefaultFtpServer();
  platform::TextFile file(path, "r");
  if (!file) return server;
  std::string* fields[] = {&server.host, &server.user, &server.password};
  for (std::string* field : fields) {
    char line[256];
    if (!file.ReadLine(line, sizeof line)) break;
    std::string value = line;
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r')) value.pop_back();
    if (!value.empty()) *field = value;
  }
  return server;
}

std::string PercentEncode(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
        c == '_' || c == '~') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string LiveResultsUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder) {
  return Base(server) + PercentEncode(championship) + "/" + PercentEncode(eventFolder) + "/RallyLive.txt";
}

std::string ArchiveUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder,
                       const std::string& rallyFolder, const std::string& remoteName) {
  return Base(server) + PercentEncode(championship) + "/" + PercentEncode(eventFolder) + "/" +
         PercentEncode(rallyFolder) + "/" + PercentEncode(remoteName);
}

std::string EventFolderUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder) {
  return Base(server) + PercentEncode(championship) + "/" + PercentEncode(eventFolder) + "/";
}

std::string RallyFolderUrl(const FtpServer& server, const std::string& championship, const std::string& eventFolder,
                           const std::string& rallyFolder) {
  return EventFolderUrl(server, championship, eventFolder) + PercentEncode(rallyFolder) + "/";
}

std::string LoginUrl(const FtpServer& server) { return "ftp://" + server.host + "/"; }

bool ReadUploadContent(const char* path, std::string* content) {
  content->clear();
  platform::TextFile file(path, "r");
  if (!file) return false;
  for (int c = file.GetChar(); c != EOF; c = file.GetChar()) content->push_back(static_cast<char>(c));
  return true;
}

std::size_t ReadUploadBuffer(char* destination, std::size_t size, std::size_t count, void* cursor) {
  auto* state = static_cast<UploadCursor*>(cursor);
  std::size_t n = size * count;
  if (n == 0 || state->left == 0) return 0;
  std::size_t taken = std::min(n, state->left);
  std::memcpy(destination, state->next, taken);
  state->next += taken;
  state->left -= taken;
  return taken;
}

bool PollUntilFolderExists(const std::function<bool()>& probe) {
  std::uint32_t first = platform::TickCount();
  for (;;) {
    std::uint32_t before = platform::TickCount();
    if (probe()) return true;
    if (before - first > 9999) return false;
    platform::SleepMs(500);
  }
}

LiveUploadWorker::LiveUploadWorker(Transfer transfer, std::function<void()> onFailure)
    : transfer_(std::move(transfer)), onFailure_(std::move(onFailure)), thread_([this] { Run(); }) {}

LiveUploadWorker::~LiveUploadWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
    hasWaiting_ = false;
  }
  wake_.notify_all();
  thread_.join();
}

void LiveUploadWorker::Submit(UploadJob job) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = std::move(job);
    hasWaiting_ = true;
  }
  wake_.notify_one();
}

void LiveUploadWorker::Drain() {
  std::unique_lock<std::mutex> lock(mutex_);
  idle_.wait(lock, [this] { return !hasWaiting_ && !busy_; });
}

int LiveUploadWorker::Completed() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return completed_;
}

void LiveUploadWorker::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || hasWaiting_; });
    if (stop_) break;
    UploadJob job = std::move(waiting_);
    hasWaiting_ = false;
    busy_ = true;
    lock.unlock();
    bool ok = transfer_(job);
    if (!ok && onFailure_) onFailure_();
    lock.lock();
    busy_ = false;
    ++completed_;
    idle_.notify_all();
  }
  busy_ = false;
  idle_.notify_all();
}
