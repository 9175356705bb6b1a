// The decoder simulator on a real serial line: this test opens the program's end of a
// pseudo-terminal pair (tests/support/with-serial-pair) with plain Win32 calls, starts the
// simulator on the other end and talks to it as the program would.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "race/decoder_protocol.h"
#include "tests/support/decoder_simulator_process.h"
#include "tests/support/temp_folder.h"

namespace {

using Bytes = std::vector<unsigned char>;
using testsupport::Simulator;
using testsupport::TempFolder;

std::int64_t NowUs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return counter.QuadPart / frequency.QuadPart * 1000000 +
         counter.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

template <std::size_t N>
Bytes Of(const unsigned char (&bytes)[N]) { return Bytes(bytes, bytes + N); }

struct Chunk {
  std::int64_t atUs;  // when the read that brought it returned
  Bytes bytes;
};

Bytes Joined(const std::vector<Chunk>& chunks) {
  Bytes all;
  for (const Chunk& c : chunks) all.insert(all.end(), c.bytes.begin(), c.bytes.end());
  return all;
}

// The program's end of the line, 9600 8N1.
class Port {
 public:
  explicit Port(const char* name) {
    handle_ = CreateFileA((std::string("\\\\.\\") + name).c_str(), GENERIC_READ | GENERIC_WRITE,
                          0, nullptr, OPEN_EXISTING, 0, nullptr);
    DCB dcb;
    ZeroMemory(&dcb, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    ok_ = handle_ != INVALID_HANDLE_VALUE && GetCommState(handle_, &dcb);
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    // Only polling reads: nothing waits in the driver, so arrival times are exact.
    COMMTIMEOUTS timeouts = {MAXDWORD, 0, 0, 0, 1000};
    ok_ = ok_ && SetCommState(handle_, &dcb) && SetCommTimeouts(handle_, &timeouts);
    if (!ok_) error_ = GetLastError();
    if (ok_) PurgeComm(handle_, PURGE_RXCLEAR | PURGE_TXCLEAR);  // what an earlier test left
  }
  ~Port() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool ok() const { return ok_; }
  DWORD error() const { return error_; }

  template <std::size_t N>
  void Write(const unsigned char (&frame)[N]) {
    DWORD n = 0;
    ASSERT_TRUE(WriteFile(handle_, frame, N, &n, nullptr) && n == N) << GetLastError();
  }

  // Reads until `size` bytes came or untilUs. Spinning gives the arrival to a few µs, for
  // the acknowledgement delays; otherwise it polls each millisecond.
  std::vector<Chunk> Read(std::size_t size, std::int64_t untilUs, bool spin = false) {
    std::vector<Chunk> chunks;
    std::size_t got = 0;
    while (got < size && NowUs() < untilUs) {
      unsigned char buffer[kReadBlockSize];
      DWORD n = 0;
      DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - got, sizeof buffer));
      if (!ReadFile(handle_, buffer, want, &n, nullptr)) break;
      if (n == 0) {
        Sleep(spin ? 0 : 1);
        continue;
      }
      chunks.push_back({NowUs(), Bytes(buffer, buffer + n)});
      got += n;
    }
    return chunks;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool ok_ = false;
  DWORD error_ = 0;
};

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

struct Pass {
  int transponder;
  std::int32_t timeMs;
  std::int64_t atUs;
};

// Cuts a ZL2 stream into passes and identify replies (when each came).
void CutZl2(const std::vector<Chunk>& chunks, std::vector<Pass>* passes,
            std::vector<std::int64_t>* replies) {
  Bytes stream = Joined(chunks);
  std::vector<std::int64_t> arrival;
  for (const Chunk& c : chunks) arrival.insert(arrival.end(), c.bytes.size(), c.atUs);
  std::size_t p = 0;
  while (p + kIdentifyReplySize <= stream.size()) {
    const unsigned char* f = &stream[p];
    ASSERT_TRUE(f[0] == 0xFF && f[1] == 0xFF && f[2] == 0xFF) << "no frame at byte " << p;
    if (f[3] == 0x01) {
      replies->push_back(arrival[p + kIdentifyReplySize - 1]);
      p += kIdentifyReplySize;
      continue;
    }
    ASSERT_EQ(f[3], 0xF0) << "at byte " << p;
    ASSERT_LE(p + kPassFrameSizeZL2, stream.size());
    passes->push_back({f[4] * 256 + f[5], PassTimeZL2(f[6], f[7], f[8], f[9], f[10]),
                       arrival[p + kPassFrameSizeZL2 - 1]});
    p += kPassFrameSizeZL2;
  }
  EXPECT_EQ(p, stream.size()) << "a frame was cut short";
}

#define OPEN_PROGRAM_PORT(port)                                                             \
  if (!std::getenv("VELLGRIN_COM_PROGRAM") || !std::getenv("VELLGRIN_COM_DECODER")) {        \
    GTEST_SKIP() << "run under tests/support/with-serial-pair";                             \
  }                                                                                         \
  Port port(std::getenv("VELLGRIN_COM_PROGRAM"));                                           \
  ASSERT_TRUE(port.ok()) << "error " << port.error()

constexpr std::int64_t kSecond = 1000000;

}  // namespace

TEST(DecoderSimulatorE2E, Zl2AnswersIdentifyAndAcknowledgesEveryResetAtOnce) {
  OPEN_PROGRAM_PORT(port);
  TempFolder folder;
  Simulator simulator(folder, "--model zl2");

  port.Write(kIdentifyRequest);
  Bytes reply = Joined(port.Read(kIdentifyReplySize, NowUs() + kSecond));
  ASSERT_EQ(reply.size(), static_cast<std::size_t>(kIdentifyReplySize));
  EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 5), Of(kIdentifyRequest));
  port.Write(kKeepAliveMessage);
  EXPECT_TRUE(port.Read(1, NowUs() + kSecond / 10).empty()) << "keep-alives are not answered";

  constexpr int kTries = 50;
  std::vector<double> delaysMs;
  for (int i = 0; i < kTries; ++i) {
    std::int64_t sent = NowUs();
    port.Write(kClockResetRequest);
    std::vector<Chunk> ack = port.Read(sizeof kClockResetAck, sent + kSecond, true);
    ASSERT_EQ(Joined(ack), Of(kClockResetAck)) << "try " << i;
    delaysMs.push_back((ack.back().atUs - sent) / 1000.0);
    Sleep(10);
  }
  std::vector<double> sorted = delaysMs;
  std::sort(sorted.begin(), sorted.end());
  long within = std::count_if(sorted.begin(), sorted.end(), [](double ms) { return ms <= 9; });
  // A figure to watch, not a verdict: Wine and the machine's load add to it.
  std::printf("clock-reset ack delay over %d tries: min %.3f ms, median %.3f ms, max %.3f ms, "
              "%ld within 9 ms\nall (ms):",
              kTries, sorted.front(), (sorted[kTries / 2 - 1] + sorted[kTries / 2]) / 2,
              sorted.back(), within);
  for (double ms : delaysMs) std::printf(" %.2f", ms);
  std::printf("\n");

  std::string log = simulator.Log();
  EXPECT_EQ(Count(log, "received clock-reset\n"), kTries) << log;
  EXPECT_EQ(Count(log, "sent clock-reset-ack\n"), kTries);
  EXPECT_EQ(Count(log, "received keep-alive count=1\n"), 1);
}

TEST(DecoderSimulatorE2E, Zl2ScenarioPassesCarryTheirTimeToTheMillisecond) {
  OPEN_PROGRAM_PORT(port);
  TempFolder folder;
  testsupport::WriteBytes(folder / "passes.txt",
                          "# lap times after the clock reset\n"
                          "300 101\n657 202\nsilent 800 400\n900 303\n1400 404\n1401 1025\n");
  Simulator simulator(folder, "--model zl2 --scenario \"" + folder / "passes.txt" + "\"");

  port.Write(kClockResetRequest);
  std::vector<Chunk> ack = port.Read(7, NowUs() + kSecond, true);
  ASSERT_EQ(Joined(ack), Of(kClockResetAck));
  const std::int64_t reset = ack.back().atUs;
  std::vector<Chunk> chunks = port.Read(SIZE_MAX, reset + kSecond);
  port.Write(kIdentifyRequest);  // while silent: no answer
  std::vector<Chunk> more = port.Read(SIZE_MAX, reset + kSecond * 5 / 4);
  chunks.insert(chunks.end(), more.begin(), more.end());
  port.Write(kIdentifyRequest);  // back again
  more = port.Read(SIZE_MAX, reset + kSecond * 17 / 10);
  chunks.insert(chunks.end(), more.begin(), more.end());

  std::vector<Pass> passes;
  std::vector<std::int64_t> replies;
  CutZl2(chunks, &passes, &replies);
  ASSERT_EQ(passes.size(), 4u);
  const int transponders[] = {101, 202, 404, 1025}, times[] = {300, 657, 1400, 1401};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(passes[i].transponder, transponders[i]);
    EXPECT_EQ(passes[i].timeMs, times[i]) << "decoder time of " << transponders[i];
    double arrivedMs = (passes[i].atUs - reset) / 1000.0;
    EXPECT_GE(arrivedMs, times[i] - 5) << transponders[i];
    EXPECT_LE(arrivedMs, times[i] + 100) << transponders[i];
  }
  ASSERT_EQ(replies.size(), 1u) << "one identify came during the silence";
  EXPECT_GE(replies[0], reset + kSecond * 5 / 4);

  std::string log = simulator.Log();
  EXPECT_NE(log.find("dropped pass transponder=303 (silent)"), std::string::npos) << log;
  EXPECT_NE(log.find("sent pass transponder=1025 decoder-ms=1401 clock=00:00:01.401"),
            std::string::npos);
  // The log's clock agrees with the frames.
  EXPECT_NEAR(simulator.LogTime("sent pass transponder=101") -
                  simulator.LogTime("received clock-reset"),
              300, 10);
}

TEST(DecoderSimulatorE2E, Zl1SendsBarePassesFromItsScenarioAndFromTypedNumbers) {
  OPEN_PROGRAM_PORT(port);
  TempFolder folder;
  testsupport::WriteBytes(folder / "passes.txt", "200 7\n500 258\n");
  Simulator simulator(folder,
                      "--model zl1 --interactive --exit-at-eof --scenario \"" +
                          folder / "passes.txt" + "\"",
                      true);

  std::int64_t reset = NowUs();
  port.Write(kIdentifyRequest);
  port.Write(kClockResetRequest);
  EXPECT_TRUE(port.Read(1, reset + kSecond * 15 / 100).empty()) << "a ZL1 answers nothing";
  std::vector<Chunk> chunks = port.Read(4, reset + kSecond);
  EXPECT_EQ(Joined(chunks), (Bytes{0x00, 0x07, 0x01, 0x02}));
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_NEAR((chunks[0].atUs - reset) / 1000.0, 200, 50) << "timed from the reset";
  EXPECT_NEAR((chunks[1].atUs - reset) / 1000.0, 500, 50);

  simulator.Type("4242\r\n");
  EXPECT_EQ(Joined(port.Read(2, NowUs() + 2 * kSecond)), (Bytes{0x10, 0x92}));
  simulator.Type("quit");
  simulator.CloseInput();
  EXPECT_EQ(simulator.WaitForExit(5000), 0);
  EXPECT_NE(simulator.Log().find("exit reason=quit"), std::string::npos) << simulator.Log();
}

TEST(DecoderSimulatorE2E, SplitFramesArriveInPieces) {
  OPEN_PROGRAM_PORT(port);
  TempFolder folder;
  testsupport::WriteBytes(folder / "passes.txt", "100 4660\n");
  Simulator simulator(folder, "--model zl2 --split 3,7 --split-gap 40 --scenario \"" +
                                  folder / "passes.txt" + "\"");
  port.Write(kClockResetRequest);
  ASSERT_EQ(Joined(port.Read(7, NowUs() + kSecond)), Of(kClockResetAck));
  std::vector<Chunk> chunks = port.Read(kPassFrameSizeZL2, NowUs() + kSecond);

  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].bytes.size(), 3u);
  EXPECT_EQ(chunks[1].bytes.size(), 4u);
  EXPECT_EQ(chunks[2].bytes.size(), 4u);
  for (int i = 1; i < 3; ++i) {
    double gapMs = (chunks[i].atUs - chunks[i - 1].atUs) / 1000.0;
    EXPECT_GE(gapMs, 15) << "piece " << i;
    EXPECT_LE(gapMs, 120) << "piece " << i;
  }
  std::vector<Pass> passes;
  std::vector<std::int64_t> replies;
  CutZl2(chunks, &passes, &replies);
  ASSERT_EQ(passes.size(), 1u);
  EXPECT_EQ(passes[0].transponder, 4660);
  EXPECT_EQ(passes[0].timeMs, 100);
}
