// Data files in the layout the Windows C runtime's text mode gives them, on every target:
// the file is opened in binary mode and the translation is done here, so offsets are exact
// byte offsets ("step back one byte" and in-place rewrites land where intended).
//   writing: "\n" becomes CR LF; every other byte is written as it is;
//   reading: CR LF becomes "\n"; a lone CR is kept.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

namespace platform {

class TextFile {
 public:
  TextFile() = default;
  // mode is one of the C modes "r", "r+", "w", "w+", "a", "a+" (without "b" or "t").
  TextFile(const char* path, const char* mode) { Open(path, mode); }
  ~TextFile() { Close(); }
  TextFile(TextFile&& other) noexcept;
  TextFile& operator=(TextFile&& other) noexcept;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  bool Open(const char* path, const char* mode);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  explicit operator bool() const { return IsOpen(); }

  // Next character with CR LF read as '\n', or EOF.
  int GetChar();
  // The character GetChar would return, without consuming it.
  int PeekChar();
  bool AtEnd();

  // Reads one line without its "\n" into buf (at most size - 1 bytes, always terminated);
  // the rest of an over-long line is skipped. Returns false only at end of file with
  // nothing read.
  bool ReadLine(char* buf, std::size_t size);

  // Bytes as they are on disk, without line-end translation, for scans and in-place
  // rewrites that must control every byte. ReadRaw returns the number of bytes read.
  std::size_t ReadRaw(char* data, std::size_t n);
  bool WriteRaw(const char* data, std::size_t n);

  bool Write(const char* text);
  bool Write(const char* data, std::size_t n);
  bool PutChar(char c);
  // printf into the file; returns the number of characters formatted (before "\n"
  // translation) or -1 on failure.
  int Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));

  long Tell();
  bool Seek(long offset, int origin);
  void Rewind() { Seek(0, SEEK_SET); }
  bool Flush();
  // Size of the file in bytes; the position is kept.
  long Size();

 private:
  enum class LastOp { None, Read, Write };
  void SwitchTo(LastOp op);
  // Read-ahead of our own: a byte at a time through the C stream is slow on both targets.
  bool Refill();
  int RawPeek(std::size_t ahead);
  void DropReadAhead();

  std::FILE* file_ = nullptr;
  LastOp last_ = LastOp::None;
  std::unique_ptr<char[]> buffer_;
  // While buffered_, buffer_[0, end_) holds the bytes from bufferOffset_ on, the stream
  // stands at bufferOffset_ + end_ and the logical position is bufferOffset_ + begin_.
  bool buffered_ = false;
  long bufferOffset_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace platform
