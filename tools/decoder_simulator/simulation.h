// The decoder simulator's logic, free of the serial port: command line, scenario files, the
// ZL2 time encoding, frames, split plans and the schedule of what to send when. main.cpp
// feeds it the bytes it reads and the clock, and writes what it hands back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "race/decoder_protocol.h"

namespace decoder_sim {

using Bytes = std::vector<unsigned char>;

// The decoder clock runs over one day.
inline constexpr std::int64_t kDayMs = 24LL * 3600 * 1000;
inline constexpr int kDefaultSplitGapMs = 25;
inline constexpr int kMaxTransponder = 65535;
// The two free bytes of the identify reply (the program checks only the first five).
inline constexpr unsigned char kIdentifyReplyTail[2] = {0x5A, 0x32};

// ---- Command line -------------------------------------------------------------------

struct Options {
  std::string port;  // "COM12"
  DecoderModel model = DecoderModel::ZL2;
  std::string scenarioPath;
  bool interactive = false;  // true also when there is no scenario
  bool exitAtEof = false;
  std::vector<int> splitOffsets;  // strictly increasing, > 0
  int splitGapMs = kDefaultSplitGapMs;
  int baud = 0;  // 0: what is due is written at once; otherwise paced as on a line this fast
  std::string logPath;
  std::int64_t exitAfterMs = -1;  // -1: run until told to stop
  bool help = false;
};

// Parses the arguments after the program name. On failure returns false and says why.
bool ParseCommandLine(const std::vector<std::string>& args, Options* options, std::string* error);
const char* UsageText();

// "COM12", "com12", \\.\COM12 or "12" -> "COM12"; anything else -> "".
std::string NormalizePortName(const std::string& text);

// ---- Scenario files -----------------------------------------------------------------

struct ScenarioEntry {
  enum class Kind { Pass, Silent };
  Kind kind = Kind::Pass;
  std::int64_t atMs = 0;
  int transponder = 0;          // Pass
  std::int64_t durationMs = 0;  // Silent
  int line = 0;                 // where it was written, for messages
};

// Lines "<ms> <transponder>" and "silent <ms> <duration-ms>"; '#' starts a comment; blank
// lines are ignored. Entries come back ordered by time (stable, so equal times keep the
// file's order). On a bad line returns false with "line N: what is wrong".
bool ParseScenario(const std::string& text, std::vector<ScenarioEntry>* entries,
                   std::string* error);

// ---- Frames -------------------------------------------------------------------------

struct DecoderTime {
  int hours, minutes, seconds;
  int subHigh, subLow;
};

// The ZL2 clock fields for a decoder time in ms (taken modulo one day), chosen so that the
// program's formula gives back exactly the same millisecond.
DecoderTime EncodeTimeZL2(std::int64_t ms);

Bytes IdentifyReply();
Bytes ClockResetAck();
// ZL1: tH tL. ZL2: FF FF FF F0 tH tL h m s sH sL with the encoded decoderMs.
Bytes BuildPassFrame(DecoderModel model, int transponder, std::int64_t decoderMs);

// One piece of a frame: bytes [begin, end), written delayUs after the frame's start.
struct SplitPart {
  std::size_t begin, end;
  std::int64_t delayUs;
};
// Cuts a frame at the offsets that fall inside it; offsets at or past its end are ignored,
// so "--split 3,7" leaves a 2-byte ZL1 frame whole. Each cut adds gapMs. On a paced line
// (byteUs > 0) every byte is a piece of its own, handed over once its last bit has crossed
// the line: byte i at (i + 1) byte times, plus the gaps of the cuts before it.
std::vector<SplitPart> PlanSplit(std::size_t frameSize, const std::vector<int>& offsets,
                                 int gapMs, std::int64_t byteUs = 0);

// The time one byte takes on a serial line of `baud` (8N1: ten bit times), in microseconds
// rounded up; 0 for no pacing.
std::int64_t ByteTimeUs(int baud);

// ---- Requests from the program ------------------------------------------------------

enum class RequestKind { Identify, ClockReset, KeepAlive, Unknown };
struct Request {
  RequestKind kind;
  Bytes bytes;  // Unknown: the bytes that made no request
};

// Cuts received bytes into requests; a request split across reads is completed by the
// next read.
class RequestScanner {
 public:
  std::vector<Request> Feed(const unsigned char* data, std::size_t size);
  void Clear() { pending_.clear(); }
  std::size_t Pending() const { return pending_.size(); }

 private:
  Bytes pending_;
};

// ---- The schedule -------------------------------------------------------------------

// Something to write to the port now.
struct Output {
  Bytes bytes;
  std::string event;  // what the log says once it is written; empty: nothing
};

// Something that happened, for the log (received requests, silence).
struct Event {
  std::int64_t atUs;
  std::string text;
};

struct CommandResult {
  bool ok = true;
  bool quit = false;
  std::string message;  // an error, or help text
};

// The decoder: what it answers, when it sends passes, when it is silent. All times are
// microseconds of the caller's clock.
//
// Scenario times count from a base: for a ZL2 the first clock reset (nothing is sent
// before it); for a ZL1 the simulator start, moved to the first clock reset when one comes
// (entries already sent stay sent). Later resets restart the ZL2 decoder clock but not the
// scenario, so a pass then carries its time on the new clock.
class Simulation {
 public:
  // byteUs > 0 paces the line (ByteTimeUs): bytes go out one at a time, one frame after
  // another, and an answer starts only once its request has crossed the line, when the
  // decoder has it whole; a clock reset then also restarts the clock.
  Simulation(DecoderModel model, std::vector<ScenarioEntry> scenario,
             std::vector<int> splitOffsets, int splitGapMs, std::int64_t startUs,
             std::int64_t byteUs = 0);

  // Bytes read from the port at nowUs. Answers are due at once; a split frame being sent
  // is finished first so that frames never interleave.
  void Receive(const unsigned char* data, std::size_t size, std::int64_t nowUs);
  // A line typed in interactive mode: a transponder number, "silent <ms>", "quit", "help".
  CommandResult Command(const std::string& line, std::int64_t nowUs);

  // The next write whose time has come, or nothing.
  std::optional<Output> NextDue(std::int64_t nowUs);
  // When something next needs doing (a write, a scenario entry, the end of a silence);
  // INT64_MAX if nothing is waiting.
  std::int64_t NextWakeUs() const;
  // Events since the last call, in order.
  std::vector<Event> TakeEvents();

  // Frames queued and not yet fully written (not counting scenario entries to come).
  bool HasQueuedFrames() const { return !frames_.empty(); }
  bool ScenarioFinished() const { return nextEntry_ == scenario_.size(); }
  // Whether the decoder is silent at nowUs (scenario entries up to then are taken into account).
  bool Silent(std::int64_t nowUs) {
    Advance(nowUs);
    return SilentAt(nowUs);
  }
  std::int64_t DecoderMs(std::int64_t nowUs) const;
  int KeepAlivesReceived() const { return keepAlives_; }

 private:
  struct Frame {
    Bytes bytes;
    std::vector<SplitPart> parts;
    std::int64_t dueUs;
    std::string label;
    bool answer = false;
    bool begun = false;
    std::size_t nextPart = 0;
    std::int64_t startUs = 0;  // when its first piece went (paced: when it took the line)
  };
  bool Paced() const { return byteUs_ > 0; }
  // When the front frame starts, or when its next piece is due once it has.
  std::int64_t FrontDueUs() const;

  void Advance(std::int64_t nowUs);
  bool SilentAt(std::int64_t t) const { return t < silentUntilUs_; }
  void StartSilence(std::int64_t atUs, std::int64_t durationMs);
  void QueuePass(int transponder, std::int64_t atUs);
  // requestInUs: when the decoder had the request whole.
  void Answer(Bytes bytes, const char* label, std::int64_t requestInUs);
  std::int64_t EntryUs(const ScenarioEntry& entry) const;
  void Log(std::int64_t atUs, std::string text);

  DecoderModel model_;
  std::vector<ScenarioEntry> scenario_;
  std::size_t nextEntry_ = 0;
  std::vector<int> splitOffsets_;
  int splitGapMs_;
  std::int64_t byteUs_;
  std::int64_t lineFreeUs_ = INT64_MIN;  // paced: when the last byte written has crossed
  bool baseKnown_;
  std::int64_t baseUs_;
  bool resetSeen_ = false;
  std::int64_t clockOriginUs_;  // the decoder clock's zero
  std::int64_t silentUntilUs_ = INT64_MIN;
  bool silenceLogged_ = false;
  int keepAlives_ = 0;
  RequestScanner scanner_;
  std::deque<Frame> frames_;
  std::vector<Event> events_;
};

// "12345.678" (ms with three decimals) for a time in microseconds.
std::string FormatMs(std::int64_t us);

}  // namespace decoder_sim
