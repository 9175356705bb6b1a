// The exchanges with the decoder that wait for an answer: the identify probe that tells the
// model, and the clock reset that precedes a ZL2 stage start.
#pragma once

#include <cstdint>

#include "race/decoder_protocol.h"

// The race engine's view of the decoder link; owned by the main window.
struct DecoderLinkState {
  char port[6];
  char decoderName[16];
  int connected;
  int settingsRead;  // 0: the engine reads "RéglagesInterface2.rg" again at its next tick
  // Supervision of a ZL2 link.
  int keepAliveOn;
  int failedWrites;
  std::uint32_t lastKeepAliveTick;
  std::uint32_t lossTick;
  int reconnectPending;
  int decoderReady;  // set by Start when a stage may be timed
  char LinkLog[120];
};

// Time of a ZL1 pass in milliseconds since the stage's counter zero, taken when the frame is
// read; with no counter (frequency 0) the previous time stands.
std::int32_t PassTimeZL1(std::int64_t counterNow, std::int64_t counterZero, std::int64_t frequency,
                         std::int32_t previous);

// The open serial port, as the exchanges see it. The program's port is SystemSerialLine();
// tests put a scripted line in its place.
class SerialLine {
 public:
  virtual ~SerialLine() = default;
  // Reads what has arrived, at most count bytes, without waiting; false when the read failed.
  virtual bool Read(unsigned char* buffer, int count, int* bytesRead) = 0;
  virtual bool Write(const unsigned char* bytes, int count, int* bytesWritten) = 0;
};

// Milliseconds since Start, from the high-resolution counter; on a machine whose counter
// frequency reads 0 it falls back to the tick count, so waits always end.
class ElapsedTimer {
 public:
  void Start();
  std::int64_t ElapsedMs() const;

 private:
  std::int64_t frequency_ = 0;
  std::int64_t startCount_ = 0;
  std::uint32_t startTick_ = 0;
};

// How long the probe waits for an identify reply, and the clock reset for its
// acknowledgement. At 9600 baud the five bytes of a request and the seven of an answer alone
// take 12.5 ms on the line; the bound also covers the decoder's answer and a loaded PC.
inline constexpr int kProbeWaitMs = 99;
inline constexpr int kClockResetWaitMs = 99;

// Sends the identify request and waits about 100 ms: true when a ZL2 answered.
bool ProbeDecoder(SerialLine& line);

// Sends the clock reset and reads the line until the acknowledgement has come, at most about
// 100 ms (or until *stageTimed becomes non-zero): true when it came. What the decoder sent
// before it belongs to no stage and is dropped; the bytes read after it (passes on the new
// clock) are left in *received, which the reset clears first.
bool ResetDecoderClock(SerialLine& line, const int* stageTimed, ReceiveBuffer* received);
