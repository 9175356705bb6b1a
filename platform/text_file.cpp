#include "platform/text_file.h"

#include <cstdarg>
#include <cstring>
#include <string>

#include "platform/files.h"

namespace platform {

TextFile::TextFile(TextFile&& other) noexcept : file_(other.file_), last_(other.last_) {
  other.file_ = nullptr;
}

TextFile& TextFile::operator=(TextFile&& other) noexcept {
  if (this != &other) {
    Close();
    file_ = other.file_;
    last_ = other.last_;
    other.file_ = nullptr;
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
}

// C streams opened for update need a positioning call between reading and writing.
void TextFile::SwitchTo(LastOp op) {
  if (last_ != LastOp::None && last_ != op) std::fseek(file_, 0, SEEK_CUR);
  last_ = op;
}

int TextFile::GetChar() {
  if (!file_) return EOF;
  SwitchTo(LastOp::Read);
  int c = std::getc(file_);
  if (c == '\r') {
    int next = std::getc(file_);
    if (next == '\n') return '\n';
    if (next != EOF) std::ungetc(next, file_);
  }
  return c;
}

int TextFile::PeekChar() {
  if (!file_) return EOF;
  long at = Tell();
  int c = GetChar();
  if (c != EOF) Seek(at, SEEK_SET);
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

bool TextFile::Write(const char* text) { return Write(text, std::strlen(text)); }

bool TextFile::Write(const char* data, std::size_t n) {
  if (!file_) return false;
  SwitchTo(LastOp::Write);
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

long TextFile::Tell() { return file_ ? std::ftell(file_) : -1; }

bool TextFile::Seek(long offset, int origin) {
  if (!file_) return false;
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
