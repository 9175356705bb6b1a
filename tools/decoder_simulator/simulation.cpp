#include "tools/decoder_simulator/simulation.h"

#include <algorithm>
#include <cctype>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <utility>

namespace decoder_sim {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    std::size_t start = i;
    while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// Decimal digits only, at most max; no sign, no spaces.
bool ParseNumber(const std::string& text, std::int64_t max, std::int64_t* value) {
  if (text.empty() || text.size() > 18) return false;
  std::int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v > max) return false;
  *value = v;
  return true;
}

std::string Format(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
std::string Format(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::string HexBytes(const Bytes& bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size() && i < 32; ++i) {
    if (i) text += ' ';
    text += Format("%02X", bytes[i]);
  }
  if (bytes.size() > 32) text += " ...";
  return text;
}

bool Matches(const unsigned char* bytes, const unsigned char (&frame)[5]) {
  return std::memcmp(bytes, frame, 5) == 0;
}

}  // namespace

// ---- Command line -------------------------------------------------------------------

const char* UsageText() {
  return "usage: vellgrin-decoder-sim COMn [options]\n"
         "  --model zl1|zl2       decoder to act as (default zl2)\n"
         "  --scenario FILE       passes to send: lines \"<ms> <transponder>\" and\n"
         "                        \"silent <ms> <duration-ms>\"; '#' starts a comment\n"
         "  --interactive         also read commands from stdin (the default without\n"
         "                        a scenario): a transponder number, \"silent <ms>\", \"quit\"\n"
         "  --exit-at-eof         end when stdin ends (interactive mode)\n"
         "  --split 3,7           write each pass frame in pieces cut at these offsets\n"
         "  --split-gap MS        pause between the pieces (default 25)\n"
         "  --baud N              send as a serial line of N baud delivers: each byte ten bit\n"
         "                        times after the one before, an answer only once its request\n"
         "                        has crossed the line (0, the default: at once)\n"
         "  --log FILE            one line per event, with the simulator's clock in ms\n"
         "  --exit-after MS       end after this long\n";
}

std::string NormalizePortName(const std::string& text) {
  std::string digits = text;
  if (digits.rfind("\\\\.\\", 0) == 0) digits = digits.substr(4);
  if (digits.size() > 3 && Lower(digits.substr(0, 3)) == "com") digits = digits.substr(3);
  std::int64_t number = 0;
  if (!ParseNumber(digits, 255, &number) || number < 1) return "";
  return Format("COM%d", static_cast<int>(number));
}

bool ParseCommandLine(const std::vector<std::string>& args, Options* options, std::string* error) {
  Options parsed;
  bool interactiveAsked = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::string value;
    bool inlineValue = false;
    if (name.rfind("--", 0) == 0) {
      std::size_t equals = name.find('=');
      if (equals != std::string::npos) {
        value = name.substr(equals + 1);
        name = name.substr(0, equals);
        inlineValue = true;
      }
    }
    auto takeValue = [&]() -> bool {
      if (inlineValue) return true;
      if (i + 1 >= args.size()) {
        *error = name + " needs a value";
        return false;
      }
      value = args[++i];
      return true;
    };
    std::int64_t number = 0;
    if (name == "--help" || name == "-h") {
      parsed.help = true;
    } else if (name == "--model") {
      if (!takeValue()) return false;
      std::string model = Lower(value);
      if (model == "zl1") {
        parsed.model = DecoderModel::ZL1;
      } else if (model == "zl2") {
        parsed.model = DecoderModel::ZL2;
      } else {
        *error = "--model must be zl1 or zl2, not \"" + value + "\"";
        return false;
      }
    } else if (name == "--scenario") {
      if (!takeValue()) return false;
      parsed.scenarioPath = value;
    } else if (name == "--interactive") {
      interactiveAsked = true;
    } else if (name == "--exit-at-eof") {
      parsed.exitAtEof = true;
    } else if (name == "--split") {
      if (!takeValue()) return false;
      parsed.splitOffsets.clear();
      std::size_t start = 0;
      while (start <= value.size()) {
        std::size_t comma = value.find(',', start);
        if (comma == std::string::npos) comma = value.size();
        std::string item = value.substr(start, comma - start);
        if (!ParseNumber(item, kPassFrameSizeZL2 - 1, &number) || number < 1) {
          *error = "--split takes byte offsets from 1 to " +
                   std::to_string(kPassFrameSizeZL2 - 1) + " separated by commas, not \"" +
                   value + "\"";
          return false;
        }
        if (!parsed.splitOffsets.empty() && number <= parsed.splitOffsets.back()) {
          *error = "--split offsets must increase: \"" + value + "\"";
          return false;
        }
        parsed.splitOffsets.push_back(static_cast<int>(number));
        start = comma + 1;
      }
    } else if (name == "--split-gap") {
      if (!takeValue()) return false;
      if (!ParseNumber(value, 60000, &number)) {
        *error = "--split-gap takes milliseconds from 0 to 60000, not \"" + value + "\"";
        return false;
      }
      parsed.splitGapMs = static_cast<int>(number);
    } else if (name == "--baud") {
      if (!takeValue()) return false;
      if (!ParseNumber(value, 4000000, &number) || (number > 0 && number < 50)) {
        *error = "--baud takes a line speed from 50 to 4000000, or 0 for none, not \"" + value + "\"";
        return false;
      }
      parsed.baud = static_cast<int>(number);
    } else if (name == "--log") {
      if (!takeValue()) return false;
      parsed.logPath = value;
    } else if (name == "--exit-after") {
      if (!takeValue()) return false;
      if (!ParseNumber(value, kDayMs * 365, &number)) {
        *error = "--exit-after takes milliseconds, not \"" + value + "\"";
        return false;
      }
      parsed.exitAfterMs = number;
    } else if (!name.empty() && name[0] == '-') {
      *error = "unknown option " + name;
      return false;
    } else {
      if (!parsed.port.empty()) {
        *error = "one port only: \"" + parsed.port + "\" and \"" + args[i] + "\"";
        return false;
      }
      parsed.port = NormalizePortName(args[i]);
      if (parsed.port.empty()) {
        *error = "\"" + args[i] + "\" is not a port name like COM3";
        return false;
      }
    }
    if (inlineValue && (name == "--interactive" || name == "--exit-at-eof" || name == "--help")) {
      *error = name + " takes no value";
      return false;
    }
  }
  if (parsed.port.empty() && !parsed.help) {
    *error = "which port? Give one, like COM3";
    return false;
  }
  parsed.interactive = interactiveAsked || parsed.scenarioPath.empty();
  *options = parsed;
  return true;
}

// ---- Scenario files -----------------------------------------------------------------

bool ParseScenario(const std::string& text, std::vector<ScenarioEntry>* entries,
                   std::string* error) {
  std::vector<ScenarioEntry> parsed;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    std::size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::vector<std::string> words = Words(line);
    if (words.empty()) continue;

    auto fail = [&](const std::string& why) {
      *error = "line " + std::to_string(lineNumber) + ": " + why;
      return false;
    };
    auto time = [&](const std::string& word, const char* what, std::int64_t* ms) {
      std::int64_t value = 0;
      if (!ParseNumber(word, INT64_MAX / 10, &value)) {
        return fail(std::string(what) + " \"" + word + "\" is not a number of milliseconds");
      }
      if (value >= kDayMs) {
        return fail(std::string(what) + " " + word + " ms is not within one day (86400000 ms)");
      }
      *ms = value;
      return true;
    };

    ScenarioEntry entry;
    entry.line = lineNumber;
    if (Lower(words[0]) == "silent") {
      if (words.size() != 3) return fail("expected \"silent <ms> <duration-ms>\"");
      entry.kind = ScenarioEntry::Kind::Silent;
      if (!time(words[1], "time", &entry.atMs)) return false;
      if (!time(words[2], "duration", &entry.durationMs)) return false;
      if (entry.durationMs == 0) return fail("a silence of 0 ms does nothing");
    } else {
      if (words.size() != 2) {
        return fail("expected \"<ms> <transponder>\" or \"silent <ms> <duration-ms>\", got \"" +
                    line + "\"");
      }
      if (!time(words[0], "time", &entry.atMs)) return false;
      std::int64_t transponder = 0;
      if (!ParseNumber(words[1], INT64_MAX / 10, &transponder) || transponder > kMaxTransponder) {
        return fail("transponder \"" + words[1] + "\" is not a number from 0 to 65535");
      }
      entry.transponder = static_cast<int>(transponder);
    }
    parsed.push_back(entry);
  }
  std::stable_sort(parsed.begin(), parsed.end(),
                   [](const ScenarioEntry& a, const ScenarioEntry& b) { return a.atMs < b.atMs; });
  *entries = std::move(parsed);
  return true;
}

// ---- Frames -------------------------------------------------------------------------

DecoderTime EncodeTimeZL2(std::int64_t ms) {
  ms = ((ms % kDayMs) + kDayMs) % kDayMs;
  DecoderTime time;
  time.hours = static_cast<int>(ms / 3600000);
  time.minutes = static_cast<int>(ms / 60000 % 60);
  time.seconds = static_cast<int>(ms / 1000 % 60);
  // 46,875 counts a second = 12000/256 counts a millisecond. Rounding the count up puts it
  // at or just past the millisecond's start, so the program's truncating division lands on
  // that millisecond; rounding down would give the one before.
  int part = static_cast<int>(ms % 1000);
  int sub = kSubSecondZero + (part * 12000 + 255) / 256;
  time.subHigh = sub >> 8;
  time.subLow = sub & 0xFF;
  return time;
}

Bytes IdentifyReply() {
  Bytes bytes(kIdentifyRequest, kIdentifyRequest + 5);
  bytes.insert(bytes.end(), kIdentifyReplyTail, kIdentifyReplyTail + 2);
  return bytes;
}

Bytes ClockResetAck() { return Bytes(kClockResetAck, kClockResetAck + sizeof kClockResetAck); }

Bytes BuildPassFrame(DecoderModel model, int transponder, std::int64_t decoderMs) {
  unsigned char high = static_cast<unsigned char>((transponder >> 8) & 0xFF);
  unsigned char low = static_cast<unsigned char>(transponder & 0xFF);
  if (model == DecoderModel::ZL1) return Bytes{high, low};
  DecoderTime time = EncodeTimeZL2(decoderMs);
  Bytes bytes(kPassHeaderZL2, kPassHeaderZL2 + 4);
  for (int value : {int{high}, int{low}, time.hours, time.minutes, time.seconds, time.subHigh,
                    time.subLow}) {
    bytes.push_back(static_cast<unsigned char>(value));
  }
  return bytes;
}

std::vector<SplitPart> PlanSplit(std::size_t frameSize, const std::vector<int>& offsets,
                                 int gapMs, std::int64_t byteUs) {
  std::vector<SplitPart> pieces;
  std::size_t begin = 0;
  for (int offset : offsets) {
    if (offset <= 0 || static_cast<std::size_t>(offset) <= begin) continue;
    if (static_cast<std::size_t>(offset) >= frameSize) break;
    pieces.push_back({begin, static_cast<std::size_t>(offset), 0});
    begin = static_cast<std::size_t>(offset);
  }
  pieces.push_back({begin, frameSize, 0});
  const std::int64_t gapUs = std::int64_t{gapMs} * 1000;
  if (byteUs <= 0) {
    for (std::size_t i = 0; i < pieces.size(); ++i) pieces[i].delayUs = static_cast<std::int64_t>(i) * gapUs;
    return pieces;
  }
  std::vector<SplitPart> bytes;
  for (std::size_t piece = 0; piece < pieces.size(); ++piece) {
    for (std::size_t i = pieces[piece].begin; i < pieces[piece].end; ++i) {
      std::int64_t delay = static_cast<std::int64_t>(i + 1) * byteUs + static_cast<std::int64_t>(piece) * gapUs;
      bytes.push_back({i, i + 1, delay});
    }
  }
  return bytes;
}

std::int64_t ByteTimeUs(int baud) {
  if (baud <= 0) return 0;
  return (10LL * 1000000 + baud - 1) / baud;
}

// ---- Requests -----------------------------------------------------------------------

std::vector<Request> RequestScanner::Feed(const unsigned char* data, std::size_t size) {
  pending_.insert(pending_.end(), data, data + size);
  std::vector<Request> requests;
  Bytes unknown;
  auto flushUnknown = [&]() {
    if (!unknown.empty()) requests.push_back({RequestKind::Unknown, std::move(unknown)});
    unknown.clear();
  };
  std::size_t p = 0;
  const std::size_t n = pending_.size();
  while (p < n) {
    const unsigned char* at = pending_.data() + p;
    if (at[0] != 0xFF) {
      unknown.push_back(at[0]);
      ++p;
      continue;
    }
    if (n - p < 5) {
      // Keep a possible beginning of a request for the next read.
      bool prefix = true;
      for (std::size_t i = 1; i < n - p && i < 3; ++i) prefix = prefix && at[i] == 0xFF;
      if (prefix) break;
      unknown.push_back(at[0]);
      ++p;
      continue;
    }
    RequestKind kind = RequestKind::Unknown;
    if (Matches(at, kIdentifyRequest)) {
      kind = RequestKind::Identify;
    } else if (Matches(at, kClockResetRequest)) {
      kind = RequestKind::ClockReset;
    } else if (Matches(at, kKeepAliveMessage)) {
      kind = RequestKind::KeepAlive;
    }
    if (kind == RequestKind::Unknown) {
      // Step one byte: a request may start inside what did not match.
      unknown.push_back(at[0]);
      ++p;
      continue;
    }
    flushUnknown();
    requests.push_back({kind, {}});
    p += 5;
  }
  flushUnknown();
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(p));
  return requests;
}

// ---- The schedule -------------------------------------------------------------------

std::string FormatMs(std::int64_t us) {
  const char* sign = us < 0 ? "-" : "";
  std::uint64_t magnitude = us < 0 ? 0 - static_cast<std::uint64_t>(us) : static_cast<std::uint64_t>(us);
  return Format("%s%" PRIu64 ".%03" PRIu64, sign, magnitude / 1000, magnitude % 1000);
}

Simulation::Simulation(DecoderModel model, std::vector<ScenarioEntry> scenario,
                       std::vector<int> splitOffsets, int splitGapMs, std::int64_t startUs,
                       std::int64_t byteUs)
    : model_(model),
      scenario_(std::move(scenario)),
      splitOffsets_(std::move(splitOffsets)),
      splitGapMs_(splitGapMs),
      byteUs_(byteUs),
      baseKnown_(model != DecoderModel::ZL2),
      baseUs_(startUs),
      clockOriginUs_(startUs) {}

std::int64_t Simulation::EntryUs(const ScenarioEntry& entry) const {
  return baseUs_ + entry.atMs * 1000;
}

std::int64_t Simulation::DecoderMs(std::int64_t nowUs) const {
  return FloorDiv(nowUs - clockOriginUs_, 1000);
}

void Simulation::Log(std::int64_t atUs, std::string text) {
  events_.push_back({atUs, std::move(text)});
}

void Simulation::Advance(std::int64_t nowUs) {
  auto endSilenceBy = [&](std::int64_t t) {
    if (silenceLogged_ && t >= silentUntilUs_) {
      Log(silentUntilUs_, "silent-end");
      silenceLogged_ = false;
    }
  };
  while (baseKnown_ && nextEntry_ < scenario_.size()) {
    const ScenarioEntry& entry = scenario_[nextEntry_];
    std::int64_t at = EntryUs(entry);
    if (at > nowUs) break;
    endSilenceBy(at);
    if (entry.kind == ScenarioEntry::Kind::Silent) {
      StartSilence(at, entry.durationMs);
    } else if (SilentAt(at)) {
      Log(at, Format("dropped pass transponder=%d (silent)", entry.transponder));
    } else {
      QueuePass(entry.transponder, at);
    }
    ++nextEntry_;
  }
  endSilenceBy(nowUs);
}

void Simulation::StartSilence(std::int64_t atUs, std::int64_t durationMs) {
  silentUntilUs_ = std::max(silentUntilUs_, atUs + durationMs * 1000);
  silenceLogged_ = true;
  Log(atUs, Format("silent-start duration-ms=%" PRId64, durationMs));
  // A silent decoder finishes nothing it had begun.
  for (const Frame& frame : frames_) {
    Log(atUs, "dropped " + frame.label + (frame.nextPart ? " (cut short)" : "") + " (silent)");
  }
  frames_.clear();
  scanner_.Clear();
}

void Simulation::QueuePass(int transponder, std::int64_t atUs) {
  Frame frame;
  if (model_ == DecoderModel::ZL2) {
    std::int64_t decoderMs = DecoderMs(atUs);
    std::int64_t clock = ((decoderMs % kDayMs) + kDayMs) % kDayMs;
    frame.label = Format("pass transponder=%d decoder-ms=%" PRId64 " clock=%02d:%02d:%02d.%03d",
                         transponder, clock, static_cast<int>(clock / 3600000),
                         static_cast<int>(clock / 60000 % 60), static_cast<int>(clock / 1000 % 60),
                         static_cast<int>(clock % 1000));
    frame.bytes = BuildPassFrame(model_, transponder, decoderMs);
  } else {
    frame.label = Format("pass transponder=%d", transponder);
    frame.bytes = BuildPassFrame(model_, transponder, 0);
  }
  frame.parts = PlanSplit(frame.bytes.size(), splitOffsets_, splitGapMs_, byteUs_);
  frame.dueUs = atUs;
  frames_.push_back(std::move(frame));
}

void Simulation::Answer(Bytes bytes, const char* label, std::int64_t requestInUs) {
  // After a frame already begun and answers not yet written. Unpaced, the rest of those goes
  // out now; on a paced line they keep their turn on the wire.
  std::size_t at = 0;
  while (at < frames_.size() && (frames_[at].begun || frames_[at].answer)) {
    if (!Paced()) frames_[at].dueUs = INT64_MIN;
    ++at;
  }
  Frame frame;
  frame.bytes = std::move(bytes);
  frame.parts = PlanSplit(frame.bytes.size(), {}, 0, byteUs_);
  // Unpaced: at once, whatever comes before it in the queue.
  frame.dueUs = Paced() ? requestInUs : INT64_MIN;
  frame.answer = true;
  frame.label = label;
  frames_.insert(frames_.begin() + static_cast<std::ptrdiff_t>(at), std::move(frame));
}

void Simulation::Receive(const unsigned char* data, std::size_t size, std::int64_t nowUs) {
  Advance(nowUs);
  if (SilentAt(nowUs)) {
    Log(nowUs, Format("dropped received bytes=%zu (silent)", size));
    return;
  }
  // A pseudo-terminal hands the bytes over at once; on a real line the decoder has a
  // request whole only once its last byte has crossed.
  const std::int64_t inUs = nowUs + (Paced() ? std::int64_t{sizeof kClockResetRequest} * byteUs_ : 0);
  for (Request& request : scanner_.Feed(data, size)) {
    switch (request.kind) {
      case RequestKind::Identify:
        Log(nowUs, "received identify");
        if (model_ == DecoderModel::ZL2) Answer(IdentifyReply(), "identify-reply", inUs);
        break;
      case RequestKind::ClockReset:
        Log(nowUs, model_ == DecoderModel::ZL2 ? "received clock-reset"
                                               : "received clock-reset (no answer: ZL1)");
        if (model_ == DecoderModel::ZL2) {
          Answer(ClockResetAck(), "clock-reset-ack", inUs);
          clockOriginUs_ = inUs;
          if (!resetSeen_) baseKnown_ = true;
        }
        if (!resetSeen_) {
          // Entries not sent yet are timed from the reset from now on.
          baseUs_ = inUs;
          resetSeen_ = true;
        }
        break;
      case RequestKind::KeepAlive:
        ++keepAlives_;
        Log(nowUs, Format("received keep-alive count=%d", keepAlives_));
        break;
      case RequestKind::Unknown:
        Log(nowUs, "received unknown bytes=" + HexBytes(request.bytes));
        break;
    }
  }
}

CommandResult Simulation::Command(const std::string& line, std::int64_t nowUs) {
  Advance(nowUs);
  CommandResult result;
  std::vector<std::string> words = Words(line);
  if (words.empty()) return result;
  std::string verb = Lower(words[0]);
  std::int64_t number = 0;
  if ((verb == "quit" || verb == "exit") && words.size() == 1) {
    result.quit = true;
  } else if (verb == "help" || verb == "?") {
    result.message = "a transponder number sends a pass now; \"silent <ms>\" falls silent; "
                     "\"quit\" ends";
  } else if (verb == "silent" && words.size() == 2 && ParseNumber(words[1], kDayMs - 1, &number) &&
             number > 0) {
    StartSilence(nowUs, number);
  } else if (words.size() == 1 && ParseNumber(words[0], INT64_MAX / 10, &number)) {
    if (number > kMaxTransponder) {
      result.ok = false;
      result.message = "transponder " + words[0] + " is not a number from 0 to 65535";
    } else if (SilentAt(nowUs)) {
      Log(nowUs, Format("dropped pass transponder=%d (silent)", static_cast<int>(number)));
    } else {
      QueuePass(static_cast<int>(number), nowUs);
    }
  } else {
    result.ok = false;
    result.message = "\"" + line + "\"? Type a transponder number, \"silent <ms>\" or \"quit\"";
  }
  return result;
}

std::int64_t Simulation::FrontDueUs() const {
  const Frame& frame = frames_.front();
  if (Paced()) {
    std::int64_t start = frame.begun ? frame.startUs : std::max(frame.dueUs, lineFreeUs_);
    return start + frame.parts[frame.nextPart].delayUs;
  }
  if (!frame.begun || frame.dueUs == INT64_MIN) return frame.dueUs;
  return frame.startUs + frame.parts[frame.nextPart].delayUs;
}

std::optional<Output> Simulation::NextDue(std::int64_t nowUs) {
  Advance(nowUs);
  if (frames_.empty() || FrontDueUs() > nowUs) return std::nullopt;
  Frame& frame = frames_.front();
  if (!frame.begun) {
    frame.begun = true;
    // Paced pieces keep the line's own schedule, however late this loop comes round.
    frame.startUs = Paced() ? std::max(frame.dueUs, lineFreeUs_) : nowUs;
  }
  const SplitPart& part = frame.parts[frame.nextPart];
  Output output;
  output.bytes.assign(frame.bytes.begin() + static_cast<std::ptrdiff_t>(part.begin),
                      frame.bytes.begin() + static_cast<std::ptrdiff_t>(part.end));
  const bool last = frame.nextPart + 1 == frame.parts.size();
  // A paced frame is logged once, when its last byte is on the line.
  if (!Paced()) {
    output.event = frame.label;
    if (frame.parts.size() > 1) output.event += Format(" part=%zu/%zu", frame.nextPart + 1, frame.parts.size());
  } else if (last) {
    output.event = frame.label;
  }
  if (last) {
    if (Paced()) lineFreeUs_ = frame.startUs + part.delayUs;
    frames_.pop_front();
  } else {
    ++frame.nextPart;
  }
  return output;
}

std::int64_t Simulation::NextWakeUs() const {
  std::int64_t wake = INT64_MAX;
  if (!frames_.empty()) wake = FrontDueUs();
  if (baseKnown_ && nextEntry_ < scenario_.size()) {
    wake = std::min(wake, EntryUs(scenario_[nextEntry_]));
  }
  if (silenceLogged_) wake = std::min(wake, silentUntilUs_);
  return wake;
}

std::vector<Event> Simulation::TakeEvents() {
  std::vector<Event> taken;
  taken.swap(events_);
  return taken;
}

}  // namespace decoder_sim
