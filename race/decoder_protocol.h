// Frames exchanged with the ZL1 and ZL2 timing decoders, and the scanners that cut a
// received block into frames. Multi-byte numbers are big-endian, bytes unsigned.
#pragma once

#include <cstdint>

// Program to decoder.
inline constexpr unsigned char kIdentifyRequest[5] = {0xFF, 0xFF, 0xFF, 0x01, 0x02};
inline constexpr unsigned char kClockResetRequest[5] = {0xFF, 0xFF, 0xFF, 0x02, 0x00};
inline constexpr unsigned char kKeepAliveMessage[5] = {0xFF, 0xFF, 0xFF, 0xE0, 0x04};
// Decoder to program. An identify reply is FF FF FF 01 02 x x; only a ZL2 sends it.
inline constexpr int kIdentifyReplySize = 7;
inline constexpr unsigned char kClockResetAck[7] = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};
// ZL1 pass: tH tL. ZL2 pass: FF FF FF F0 tH tL h m s sH sL.
inline constexpr int kPassFrameSizeZL1 = 2;
inline constexpr int kPassFrameSizeZL2 = 11;
inline constexpr unsigned char kPassHeaderZL2[4] = {0xFF, 0xFF, 0xFF, 0xF0};

// The decoder names of the link file.
inline constexpr const char* kDecoderNameZL1 = "Vellgrin";
inline constexpr const char* kDecoderNameZL2 = "VellgrinZL2";

enum class DecoderModel { Unknown, ZL1, ZL2 };

// The model a decoder name stands for; names compare as whole texts.
DecoderModel ModelFromName(const char* decoderName);

// Every read asks for this many bytes.
inline constexpr int kReadBlockSize = 255;
// The ZL2 sub-second counter runs from this value to 65535, 46,875 counts a second.
inline constexpr int kSubSecondZero = 18661;

// Decoder time of a ZL2 pass in milliseconds.
std::int32_t PassTimeZL2(int hours, int minutes, int seconds, int subHigh, int subLow);

// The six-digit text ("%06d") a transponder number is compared as.
void FormatPassText(int transponder, char (&text)[7]);

// One pass as the scanner takes it from a frame.
struct PassFrame {
  int transponder;
  char passText[7];
  // ZL2: the decoder time of the pass. ZL1 frames carry no time: 0.
  std::int32_t timeMs;
};

// Received bytes not yet scanned. A frame may straddle two reads (at 9600 baud an 11-byte
// ZL2 frame takes 11.5 ms on the wire), so the unscanned tail of one block (at most a frame
// less one byte) is kept and scanned with the next block. A tail left over after a silence
// of the line longer than kRemainderSilenceMs is a broken frame and is dropped.
inline constexpr std::uint32_t kRemainderSilenceMs = 50;
inline constexpr int kReceiveBufferSize = kReadBlockSize + kPassFrameSizeZL2;

struct ReceiveBuffer {
  unsigned char bytes[kReceiveBufferSize];
  int length;
  std::uint32_t lastReceiveTick;
};

void ClearReceiveBuffer(ReceiveBuffer* buffer);
// Drops a kept tail after a silence of the line; call before reading the next block.
void ExpireRemainder(ReceiveBuffer* buffer, std::uint32_t nowTick);
// The room left after the kept tail, at most kReadBlockSize bytes: where the next read goes.
unsigned char* ReadTarget(ReceiveBuffer* buffer, int* room);
// Records that n bytes were read into ReadTarget.
void CommitRead(ReceiveBuffer* buffer, int n, std::uint32_t nowTick);
// Removes the first `consumed` bytes, keeping the tail for the next block.
void KeepRemainder(ReceiveBuffer* buffer, int consumed);

// Cuts pass frames of the model from bytes[0..n). Returns the number of frames stored in
// frames (at most capacity) and sets *consumed to the bytes scanned; the rest, a frame's
// beginning, is for the next block. Bytes of an unknown model are all consumed, undecoded.
// Bytes before a ZL2 header are skipped one at a time.
int ScanPassFrames(DecoderModel model, const unsigned char* bytes, int n, PassFrame* frames,
                   int capacity, int* consumed);
// Largest number of frames one buffer can hold.
inline constexpr int kMaxFramesPerBlock = kReceiveBufferSize / kPassFrameSizeZL1;

// Scans for identify replies (FF FF FF 01 then 02 counts; any other fifth byte is skipped as
// a 7-byte unit). Returns the number of replies; *consumed as above.
int ScanIdentifyReplies(const unsigned char* bytes, int n, int* consumed);
// Scans for clock-reset acknowledgements (all seven bytes compared).
int ScanClockResetAcks(const unsigned char* bytes, int n, int* consumed);
