// The frame scanners on any received block: pass frames of both models, identify replies and
// clock-reset acknowledgements.
#include <cstdint>
#include <cstring>

#include "race/decoder_protocol.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void CheckPassText(const PassFrame& frame) {
  if (std::strlen(frame.passText) != 6) fuzz::Fail("a pass text is not six digits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static const DecoderModel kModels[] = {DecoderModel::ZL1, DecoderModel::ZL2, DecoderModel::Unknown};
  DecoderModel model = kModels[data[0] % 3];
  int capacity = data[1] % (kMaxFramesPerBlock + 1);
  const unsigned char* bytes = data + 2;
  int n = static_cast<int>(size - 2 < 4096 ? size - 2 : 4096);
  static PassFrame frames[4096];
  int consumed = -1;
  int count = ScanPassFrames(model, bytes, n, frames, capacity, &consumed);
  if (count < 0 || count > capacity || consumed < 0 || consumed > n) fuzz::Fail("pass scan out of bounds");
  int frameSize = model == DecoderModel::ZL2 ? kPassFrameSizeZL2 : kPassFrameSizeZL1;
  if (count < capacity && model != DecoderModel::Unknown && n - consumed >= frameSize)
    fuzz::Fail("a whole frame was left unscanned");
  for (int i = 0; i < count; ++i) {
    CheckPassText(frames[i]);
    if (frames[i].transponder < 0 || frames[i].transponder > 65535) fuzz::Fail("a transponder beyond two bytes");
  }
  int replies = ScanIdentifyReplies(bytes, n, &consumed);
  if (replies < 0 || replies > n / 7 || consumed < 0 || consumed > n || n - consumed >= 7)
    fuzz::Fail("identify scan out of bounds");
  int acks = ScanClockResetAck(bytes, n, &consumed);
  if (acks < 0 || acks > 1 || consumed < 0 || consumed > n || (acks == 0 && n - consumed >= 7))
    fuzz::Fail("clock-reset scan out of bounds");
  if (acks == 1 && (consumed < 7 || std::memcmp(bytes + consumed - 7, kClockResetAck, 7) != 0))
    fuzz::Fail("the clock-reset scan stopped elsewhere than right after an acknowledgement");
  return 0;
}
