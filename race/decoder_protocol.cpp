#include "race/decoder_protocol.h"

#include <cstdio>
#include <cstring>

DecoderModel ModelFromName(const char* decoderName) {
  if (std::strcmp(decoderName, kDecoderNameZL1) == 0) return DecoderModel::ZL1;
  if (std::strcmp(decoderName, kDecoderNameZL2) == 0) return DecoderModel::ZL2;
  return DecoderModel::Unknown;
}

std::int32_t PassTimeZL2(int hours, int minutes, int seconds, int subHigh, int subLow) {
  std::int32_t sub = subHigh * 256 + subLow;
  return hours * 3600000 + minutes * 60000 + seconds * 1000 + ((sub - kSubSecondZero) * 256) / 12000;
}

void FormatPassText(int transponder, char (&text)[7]) {
  std::snprintf(text, sizeof text, "%06d", transponder);
}

void ClearReceiveBuffer(ReceiveBuffer* buffer) {
  std::memset(buffer->bytes, 0, sizeof buffer->bytes);
  buffer->length = 0;
}

std::uint32_t RemainderSilenceLimitMs(DecoderModel model, unsigned readIntervalMs) {
  std::uint32_t floor = model == DecoderModel::ZL2 ? kLongestReadWaitMs : kRemainderSilenceMs;
  std::uint32_t twoReads = 2u * readIntervalMs;
  return twoReads > floor ? twoReads : floor;
}

unsigned char* ReadTarget(ReceiveBuffer* buffer, int* room) {
  int free = kReceiveBufferSize - buffer->length;
  *room = free < kReadBlockSize ? free : kReadBlockSize;
  return buffer->bytes + buffer->length;
}

void RecordRead(ReceiveBuffer* buffer, int got, std::uint32_t nowTick, std::uint32_t silenceLimitMs) {
  if (got > 0) {
    buffer->length += got;
    buffer->lastReceiveTick = nowTick;
  } else if (buffer->length > 0 && nowTick - buffer->lastReceiveTick > silenceLimitMs) {
    ClearReceiveBuffer(buffer);
  }
}

void KeepRemainder(ReceiveBuffer* buffer, int consumed) {
  if (consumed <= 0) return;
  if (consumed >= buffer->length) {
    buffer->length = 0;
    return;
  }
  std::memmove(buffer->bytes, buffer->bytes + consumed, buffer->length - consumed);
  buffer->length -= consumed;
}

namespace {

bool StartsWith(const unsigned char* bytes, const unsigned char* prefix, int size) {
  return std::memcmp(bytes, prefix, size) == 0;
}

}  // namespace

int ScanPassFrames(DecoderModel model, const unsigned char* bytes, int n, PassFrame* frames,
                   int capacity, int* consumed) {
  int p = 0;
  int count = 0;
  if (model == DecoderModel::ZL1) {
    while (n - p >= kPassFrameSizeZL1 && count < capacity) {
      PassFrame& frame = frames[count++];
      frame.transponder = bytes[p] * 256 + bytes[p + 1];
      FormatPassText(frame.transponder, frame.passText);
      frame.timeMs = 0;
      p += kPassFrameSizeZL1;
    }
  } else if (model == DecoderModel::ZL2) {
    while (n - p >= kPassFrameSizeZL2 && count < capacity) {
      if (!StartsWith(bytes + p, kPassHeaderZL2, 4)) {
        ++p;
        continue;
      }
      // A frame in which another header begins is the start of a broken frame followed by a
      // whole one: no field of a real frame (minutes and seconds under 60) can hold a header.
      int inner = 1;
      while (inner <= kPassFrameSizeZL2 - 4 && !StartsWith(bytes + p + inner, kPassHeaderZL2, 4)) ++inner;
      if (inner <= kPassFrameSizeZL2 - 4) {
        p += inner;
        continue;
      }
      const unsigned char* f = bytes + p;
      PassFrame& frame = frames[count++];
      frame.transponder = f[4] * 256 + f[5];
      FormatPassText(frame.transponder, frame.passText);
      frame.timeMs = PassTimeZL2(f[6], f[7], f[8], f[9], f[10]);
      p += kPassFrameSizeZL2;
    }
  } else {
    p = n;  // no decoder we know: nothing to decode, nothing to keep
  }
  *consumed = p;
  return count;
}

namespace {

// Seven-byte frames with a four-byte header; `matches` tells whether a frame counts.
template <typename Matches>
int ScanSevenByteFrames(const unsigned char* bytes, int n, const unsigned char* header, Matches matches,
                        int* consumed) {
  int p = 0;
  int count = 0;
  while (n - p >= 7) {
    if (StartsWith(bytes + p, header, 4)) {
      if (matches(bytes + p)) ++count;
      p += 7;
    } else {
      ++p;
    }
  }
  *consumed = p;
  return count;
}

}  // namespace

int ScanIdentifyReplies(const unsigned char* bytes, int n, int* consumed) {
  return ScanSevenByteFrames(
      bytes, n, kIdentifyRequest, [](const unsigned char* f) { return f[4] == 0x02; }, consumed);
}

int ScanClockResetAck(const unsigned char* bytes, int n, int* consumed) {
  int p = 0;
  while (n - p >= 7) {
    if (StartsWith(bytes + p, kClockResetAck, 7)) {
      *consumed = p + 7;
      return 1;
    }
    // Another seven-byte frame of the decoder is skipped whole, as the other scanners do.
    p += StartsWith(bytes + p, kClockResetAck, 4) ? 7 : 1;
  }
  *consumed = p;
  return 0;
}
