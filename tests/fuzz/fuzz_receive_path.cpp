// The receive path as the race engine drives it: blocks of any size (none too) arriving with any
// silence between them, each read into the room after the kept tail, scanned, the tail kept.
// While no silent read has dropped a tail, the passes must be those of the whole stream scanned
// at once: a frame split over two reads is never lost nor invented.
#include <cstdint>
#include <cstring>
#include <vector>

#include "race/decoder_protocol.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool SamePasses(const std::vector<PassFrame>& a, const std::vector<PassFrame>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].transponder != b[i].transponder || a[i].timeMs != b[i].timeMs ||
        std::strcmp(a[i].passText, b[i].passText) != 0)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  DecoderModel model = data[0] % 2 ? DecoderModel::ZL2 : DecoderModel::ZL1;
  int frameSize = model == DecoderModel::ZL2 ? kPassFrameSizeZL2 : kPassFrameSizeZL1;
  static ReceiveBuffer buffer;
  ClearReceiveBuffer(&buffer);
  std::uint32_t now = 0xFFFFFF00u;  // the tick count wraps during the run
  buffer.lastReceiveTick = now;
  std::uint32_t lastData = now;
  bool silenceDropped = false;
  std::vector<unsigned char> stream;
  std::vector<PassFrame> received;
  PassFrame frames[kMaxFramesPerBlock];
  std::size_t p = 1;
  while (p + 2 <= size) {
    int wanted = data[p];
    std::uint32_t gap = data[p + 1];
    p += 2;
    now += gap * 4;  // up to about a second between two reads
    int room = -1;
    unsigned char* target = ReadTarget(&buffer, &room);
    if (room < 0 || room > kReadBlockSize || target != buffer.bytes + buffer.length ||
        buffer.length + room > kReceiveBufferSize)
      fuzz::Fail("the read target is outside the buffer");
    int n = wanted < room ? wanted : room;
    if (static_cast<std::size_t>(n) > size - p) n = static_cast<int>(size - p);
    std::memcpy(target, data + p, static_cast<std::size_t>(n));
    stream.insert(stream.end(), data + p, data + p + n);
    p += static_cast<std::size_t>(n);
    const int kept = buffer.length;
    const std::uint32_t limit = RemainderSilenceLimitMs(model, 20);
    RecordRead(&buffer, n, now, limit);
    if (n > 0) {
      if (buffer.length != kept + n) fuzz::Fail("the bytes read were not all kept");
      lastData = now;
    } else if (buffer.length != kept) {
      if (buffer.length != 0) fuzz::Fail("a silent read cut the kept tail");
      if (now - lastData <= limit) fuzz::Fail("a tail was dropped before the line was silent long enough");
      silenceDropped = true;
    }
    int consumed = -1;
    int count = ScanPassFrames(model, buffer.bytes, buffer.length, frames, kMaxFramesPerBlock, &consumed);
    if (consumed < 0 || consumed > buffer.length) fuzz::Fail("the scan consumed beyond the buffer");
    received.insert(received.end(), frames, frames + count);
    KeepRemainder(&buffer, consumed);
    if (buffer.length < 0 || buffer.length >= frameSize) fuzz::Fail("the kept tail is not a frame's beginning");
  }
  if (!silenceDropped && !stream.empty()) {
    static PassFrame whole[65536];
    int consumed = 0;
    int count = ScanPassFrames(model, stream.data(), static_cast<int>(stream.size()), whole, 65536, &consumed);
    if (!SamePasses(received, std::vector<PassFrame>(whole, whole + count)))
      fuzz::Fail("blocks read one after the other give other passes than the whole stream");
  }
  return 0;
}
