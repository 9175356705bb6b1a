#include "race/decoder_link.h"

#include "platform/clock.h"
#include "race/decoder_protocol.h"

std::int32_t PassTimeZL1(std::int64_t counterNow, std::int64_t counterZero, std::int64_t frequency,
                         std::int32_t previous) {
  if (frequency == 0) return previous;
  return static_cast<std::int32_t>((counterNow - counterZero) * 1000 / frequency);
}

void ElapsedTimer::Start() {
  frequency_ = platform::PerformanceFrequency();
  startCount_ = platform::PerformanceCounter();
  startTick_ = platform::TickCount();
}

std::int64_t ElapsedTimer::ElapsedMs() const {
  if (frequency_ > 0) return (platform::PerformanceCounter() - startCount_) * 1000 / frequency_;
  return static_cast<std::uint32_t>(platform::TickCount() - startTick_);
}

namespace {

// Reads one block after the kept tail and scans it with `scan`, which returns the frames
// found; the unscanned tail stays for the next read.
template <typename Scan>
int ReadAndScan(SerialLine& line, ReceiveBuffer* buffer, Scan scan) {
  int room = 0;
  unsigned char* target = ReadTarget(buffer, &room);
  int got = 0;
  bool ok = line.Read(target, room, &got);
  RecordRead(buffer, ok ? got : 0, platform::TickCount(), kRemainderSilenceMs);
  if (!ok || got <= 0) return 0;
  int consumed = 0;
  int found = scan(buffer->bytes, buffer->length, &consumed);
  KeepRemainder(buffer, consumed);
  return found;
}

// Sends a request, then reads and scans the line into `buffer` until an answer is found, the
// wait is over or keepWaiting() fails; true when the answer came.
template <typename Scan, typename KeepWaiting>
bool Exchange(SerialLine& line, const unsigned char (&request)[5], int waitMs, ReceiveBuffer* buffer, Scan scan,
              KeepWaiting keepWaiting) {
  int written = 0;
  line.Write(request, sizeof request, &written);
  ClearReceiveBuffer(buffer);
  ElapsedTimer timer;
  timer.Start();
  while (keepWaiting() && timer.ElapsedMs() <= waitMs)
    if (ReadAndScan(line, buffer, scan) > 0) return true;
  return false;
}

}  // namespace

bool ProbeDecoder(SerialLine& line) {
  ReceiveBuffer buffer;
  return Exchange(line, kIdentifyRequest, kProbeWaitMs, &buffer, ScanIdentifyReplies, [] { return true; });
}

bool ResetDecoderClock(SerialLine& line, const int* stageTimed, ReceiveBuffer* received) {
  bool acknowledged = Exchange(line, kClockResetRequest, kClockResetWaitMs, received, ScanClockResetAck,
                               [stageTimed] { return !(stageTimed && *stageTimed); });
  if (!acknowledged) ClearReceiveBuffer(received);
  return acknowledged;
}
