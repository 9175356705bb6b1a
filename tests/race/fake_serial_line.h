// A decoder on a scripted line, timed by the manual clock: what it sends arrives when the
// clock reaches the time given.
#pragma once

#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "race/decoder_link.h"

namespace testsupport {

class FakeSerialLine : public SerialLine {
 public:
  using Bytes = std::vector<unsigned char>;

  // Bytes the decoder sends `delayMs` after now, in pieces of the given sizes (one piece
  // per read) when pieces is not empty.
  void Send(Bytes bytes, std::uint32_t delayMs, std::vector<int> pieces = {}) {
    std::uint32_t at = platform::TickCount() + delayMs;
    std::size_t p = 0;
    for (int size : pieces) {
      pending_.push_back({at, Bytes(bytes.begin() + p, bytes.begin() + p + size)});
      p += size;
    }
    if (p < bytes.size()) pending_.push_back({at, Bytes(bytes.begin() + p, bytes.end())});
  }

  // Called with each write; a test decoder answers from here.
  std::function<void(const Bytes&)> onWrite;
  std::vector<Bytes> written;
  bool failReads = false;

  bool Read(unsigned char* buffer, int count, int* bytesRead) override {
    *bytesRead = 0;
    if (failReads) return false;
    std::uint32_t now = platform::TickCount();
    if (!pending_.empty() && static_cast<std::int32_t>(now - pending_.front().at) >= 0) {
      Bytes& piece = pending_.front().bytes;
      int n = static_cast<int>(piece.size()) < count ? static_cast<int>(piece.size()) : count;
      std::memcpy(buffer, piece.data(), n);
      piece.erase(piece.begin(), piece.begin() + n);
      if (piece.empty()) pending_.pop_front();
      *bytesRead = n;
    }
    return true;
  }

  bool Write(const unsigned char* bytes, int count, int* bytesWritten) override {
    written.emplace_back(bytes, bytes + count);
    *bytesWritten = count;
    if (onWrite) onWrite(written.back());
    return true;
  }

 private:
  struct Piece {
    std::uint32_t at;
    Bytes bytes;
  };
  std::deque<Piece> pending_;
};

}  // namespace testsupport
