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
// less one byte) is kept and scanned with the next block. The tail of a broken frame must
// not be glued to the next frame, so it is dropped once a read brings nothing and the line
// has been silent longer than the wait between two reads can be; a late or slow read (a
// 100 ms tick, a tick held up by a busy system) finds the rest of its frame waiting in the
// port. The ZL2 scanner also cuts a broken frame off at the header that follows it.
// kRemainderSilenceMs serves the exchanges that read without pause (probe, clock reset).
inline constexpr std::uint32_t kRemainderSilenceMs = 50;
// The longest wait between two reads of a timer-driven reader, on a loaded machine.
inline constexpr std::uint32_t kLongestReadWaitMs = 500;
inline constexpr int kReceiveBufferSize = kReadBlockSize + kPassFrameSizeZL2;

struct ReceiveBuffer {
  unsigned char bytes[kReceiveBufferSize];
  int length;
  std::uint32_t lastReceiveTick;
};

// The silence after which a kept tail is a broken frame, for reads on a timer of
// readIntervalMs: two periods at least. A ZL2 tail may wait out a loaded machine, as a broken
// ZL2 frame is also cut off at the next header; a ZL1 pair has no header, so its odd byte
// goes as soon as the line is seen silent.
std::uint32_t RemainderSilenceLimitMs(DecoderModel model, unsigned readIntervalMs);

void ClearReceiveBuffer(ReceiveBuffer* buffer);
// The room left after the kept tail, at most kReadBlockSize bytes: where the next read goes.
unsigned char* ReadTarget(ReceiveBuffer* buffer, int* room);
// Records that a read put `got` bytes (0 or fewer: none) into ReadTarget at nowTick; a read
// that brought nothing after more than silenceLimitMs of silence drops the kept tail.
void RecordRead(ReceiveBuffer* buffer, int got, std::uint32_t nowTick, std::uint32_t silenceLimitMs);
// Removes the first `consumed` bytes, keeping the tail for the next block.
void KeepRemainder(ReceiveBuffer* buffer, int consumed);

// Cuts pass frames of the model from bytes[0..n). Returns the number of frames stored in
// frames (at most capacity) and sets *consumed to the bytes scanned; the rest, a frame's
// beginning, is for the next block. Bytes of an unknown model are all consumed, undecoded.
// Bytes before a ZL2 header are skipped one at a time, and a ZL2 frame that another header
// interrupts is skipped up to that header.
int ScanPassFrames(DecoderModel model, const unsigned char* bytes, int n, PassFrame* frames,
                   int capacity, int* consumed);
// Largest number of frames one buffer can hold.
inline constexpr int kMaxFramesPerBlock = kReceiveBufferSize / kPassFrameSizeZL1;

// Scans for identify replies (FF FF FF 01 then 02 counts; any other fifth byte is skipped as
// a 7-byte unit). Returns the number of replies; *consumed as above.
int ScanIdentifyReplies(const unsigned char* bytes, int n, int* consumed);
// Scans for the clock-reset acknowledgement (all seven bytes compared) and stops right after
// it: what follows is on the new clock. Returns 1 when found; *consumed as above.
int ScanClockResetAck(const unsigned char* bytes, int n, int* consumed);
