#include "platform/text_file.h"

#include <cstdarg>
#include <cstring>
#include <string>
#include <utility>

#include "platform/files.h"

namespace platform {

namespace {
constexpr std::size_t kReadAhead = 64 * 1024;
}  // namespace

TextFile::TextFile(TextFile&& other) noexcept { *this = std::move(other); }

TextFile& TextFile::operator=(TextFile&& other) noexcept {
  if (this != &other) {
    Close();
    file_ = other.file_;
    last_ = other.last_;
    buffer_ = std::move(other.buffer_);
    buffered_ = other.buffered_;
    bufferOffset_ = other.bufferOffset_;
    begin_ = other.begin_;
    end_ = other.end_;
    other.file_ = nullptr;
    other.buffered_ = false;
  }
  return *this;
}

bool TextFile::Open(const char* path, const char* mode) {
  Close();
  char binaryMode[8] = {0};
  std::size_t n = 0;
  for (const char* m = mode; *m && n < 4; ++m) {
    if (*m != 'b' && *m != 't') binaryMode[n++] = *m;
  }
  binaryMode[n++] = 'b';
  file_ = OpenFile(path, binaryMode);
  last_ = LastOp::None;
  return file_ != nullptr;
}

void TextFile::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  DropReadAhead();
}

// C streams opened for update need a positioning call between reading and writing.
void TextFile::SwitchTo(LastOp op) {
  if (last_ != LastOp::None && last_ != op) std::fseek(file_, 0, SEEK_CUR);
  last_ = op;
}

void TextFile::DropReadAhead() {
  buffered_ = false;
  begin_ = end_ = 0;
}

// Keeps the unread bytes and reads more behind them; false when nothing more came.
bool TextFile::Refill() {
  if (!file_) return false;
  if (!buffer_) buffer_.reset(new char[kReadAhead]);
  SwitchTo(LastOp::Read);
  if (!buffered_) {
    bufferOffset_ = std::ftell(file_);
    begin_ = end_ = 0;
    buffered_ = true;
  } else if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    bufferOffset_ += static_cast<long>(begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == kReadAhead) return true;
  std::size_t got = std::fread(buffer_.get() + end_, 1, kReadAhead - end_, file_);
  end_ += got;
  return got > 0;
}

// The byte `ahead` bytes after the position, without consuming it; EOF past the end.
int TextFile::RawPeek(std::size_t ahead) {
  while (!buffered_ || end_ - begin_ <= ahead) {
    if (!Refill()) return EOF;
  }
  return static_cast<unsigned char>(buffer_[begin_ + ahead]);
}

int TextFile::GetChar() {
  int c = RawPeek(0);
  if (c == EOF) return EOF;
  ++begin_;
  if (c == '\r' && RawPeek(0) == '\n') {
    ++begin_;
    return '\n';
  }
  return c;
}

int TextFile::PeekChar() {
  int c = RawPeek(0);
  if (c == '\r' && RawPeek(1) == '\n') return '\n';
  return c;
}

bool TextFile::AtEnd() { return PeekChar() == EOF; }

bool TextFile::ReadLine(char* buf, std::size_t size) {
  std::size_t n = 0;
  int c = GetChar();
  if (c == EOF) {
    if (size) buf[0] = '\0';
    return false;
  }
  for (; c != EOF && c != '\n'; c = GetChar()) {
    if (n + 1 < size) buf[n++] = static_cast<char>(c);
  }
  if (size) buf[n] = '\0';
  return true;
}

std::size_t TextFile::ReadRaw(char* data, std::size_t n) {
  if (!file_) return 0;
  std::size_t done = 0;
  if (buffered_) {
    std::size_t have = end_ - begin_;
    if (have > n) have = n;
    if (have) std::memcpy(data, buffer_.get() + begin_, have);
    begin_ += have;
    done = have;
    if (done == n) return done;
    // The stream stands right behind the read-ahead, which is now used up.
    DropReadAhead();
  }
  SwitchTo(LastOp::Read);
  return done + std::fread(data + done, 1, n - done, file_);
}

bool TextFile::WriteRaw(const char* data, std::size_t n) {
  if (!file_) return false;
  if (buffered_) {
    long at = bufferOffset_ + static_cast<long>(begin_);
    DropReadAhead();
    std::fseek(file_, at, SEEK_SET);
    last_ = LastOp::None;
  }
  SwitchTo(LastOp::Write);
  return n == 0 || std::fwrite(data, 1, n, file_) == n;
}

bool TextFile::Write(const char* text) { return Write(text, std::strlen(text)); }

bool TextFile::Write(const char* data, std::size_t n) {
  if (!WriteRaw(data, 0)) return false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (data[i] != '\n') continue;
    if (i > start && std::fwrite(data + start, 1, i - start, file_) != i - start) return false;
    if (std::fwrite("\r\n", 1, 2, file_) != 2) return false;
    start = i + 1;
  }
  if (n > start && std::fwrite(data + start, 1, n - start, file_) != n - start) return false;
  return true;
}

bool TextFile::PutChar(char c) { return Write(&c, 1); }

int TextFile::Printf(const char* format, ...) {
  char small[512];
  va_list args;
  va_start(args, format);
  int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < 0) return -1;
  if (static_cast<std::size_t>(n) < sizeof small) return Write(small, n) ? n : -1;
  std::string big(static_cast<std::size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(&big[0], big.size(), format, args);
  va_end(args);
  return Write(big.data(), static_cast<std::size_t>(n)) ? n : -1;
}

long TextFile::Tell() {
  if (!file_) return -1;
  if (buffered_) return bufferOffset_ + static_cast<long>(begin_);
  return std::ftell(file_);
}

bool TextFile::Seek(long offset, int origin) {
  if (!file_) return false;
  if (buffered_ && origin != SEEK_END) {
    long target = origin == SEEK_CUR ? bufferOffset_ + static_cast<long>(begin_) + offset : offset;
    // Within the read-ahead (stepping back one byte, a peek) no call reaches the stream.
    if (target >= bufferOffset_ && target <= bufferOffset_ + static_cast<long>(end_)) {
      begin_ = static_cast<std::size_t>(target - bufferOffset_);
      return true;
    }
    DropReadAhead();
    last_ = LastOp::None;
    return std::fseek(file_, target, SEEK_SET) == 0;
  }
  DropReadAhead();
  last_ = LastOp::None;
  return std::fseek(file_, offset, origin) == 0;
}

bool TextFile::Flush() { return file_ && std::fflush(file_) == 0; }

long TextFile::Size() {
  if (!file_) return -1;
  long at = std::ftell(file_);
  std::fseek(file_, 0, SEEK_END);
  long size = std::ftell(file_);
  std::fseek(file_, at, SEEK_SET);
  last_ = LastOp::None;
  return size;
}

}  // namespace platform
