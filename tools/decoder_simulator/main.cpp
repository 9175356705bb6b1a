// vellgrin-decoder-sim: a ZL1 or ZL2 timing decoder on a serial port, for tests and for
// demonstrations with a null-modem pair. The logic is in simulation.cpp; this file owns
// the port, the clock, stdin and the log.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "race/serial_line_win32.h"
#include "tools/decoder_simulator/simulation.h"

namespace {

using decoder_sim::Simulation;

// The longest a read waits, so that typed commands and --exit-after are seen promptly.
constexpr DWORD kMaxReadWaitMs = 10;

std::int64_t NowUs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<std::int64_t>(counter.QuadPart / frequency.QuadPart * 1000000 +
                                   counter.QuadPart % frequency.QuadPart * 1000000 /
                                       frequency.QuadPart);
}

// Lines of the log, also echoed on stdout.
class EventLog {
 public:
  bool Open(const std::string& path) {
    if (path.empty()) return true;
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
  }
  ~EventLog() {
    if (file_) std::fclose(file_);
  }
  void Line(std::int64_t atUs, const std::string& text) {
    std::string line = decoder_sim::FormatMs(atUs) + " " + text + "\n";
    // Flushed line by line: a test reads the log while the simulator runs, and a killed
    // simulator loses nothing.
    if (file_) {
      std::fputs(line.c_str(), file_);
      std::fflush(file_);
    }
    std::fputs(line.c_str(), stdout);
    std::fflush(stdout);
  }

 private:
  std::FILE* file_ = nullptr;
};

// Lines from stdin, read on their own thread: a read of a console or a pipe blocks. The
// thread uses ReadFile rather than the C runtime, so that it holds no runtime lock that
// the process's exit would wait for.
class InputLines {
 public:
  InputLines() { InitializeCriticalSection(&lock_); }
  ~InputLines() { DeleteCriticalSection(&lock_); }

  void Start() {
    HANDLE thread = CreateThread(nullptr, 0, &InputLines::Run, this, 0, nullptr);
    if (thread) {
      CloseHandle(thread);
    } else {
      SetEof();
    }
  }

  // The lines read since the last call; *eof once stdin has ended.
  std::vector<std::string> Take(bool* eof) {
    EnterCriticalSection(&lock_);
    std::vector<std::string> lines(lines_.begin(), lines_.end());
    lines_.clear();
    *eof = eof_;
    LeaveCriticalSection(&lock_);
    return lines;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    static_cast<InputLines*>(self)->ReadAll();
    return 0;
  }

  void ReadAll() {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::string partial;
    char buffer[512];
    DWORD n = 0;
    while (input != nullptr && input != INVALID_HANDLE_VALUE &&
           ReadFile(input, buffer, sizeof buffer, &n, nullptr) && n > 0) {
      partial.append(buffer, n);
      for (std::size_t end; (end = partial.find('\n')) != std::string::npos;) {
        std::string line = partial.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        partial.erase(0, end + 1);
        Push(line);
      }
    }
    if (!partial.empty()) Push(partial);
    SetEof();
  }

  void Push(const std::string& line) {
    EnterCriticalSection(&lock_);
    lines_.push_back(line);
    LeaveCriticalSection(&lock_);
  }

  void SetEof() {
    EnterCriticalSection(&lock_);
    eof_ = true;
    LeaveCriticalSection(&lock_);
  }

  CRITICAL_SECTION lock_;
  std::deque<std::string> lines_;
  bool eof_ = false;
};

std::string LastErrorText(const char* what, const std::string& port) {
  DWORD code = GetLastError();
  char text[256] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                 text, sizeof text, nullptr);
  for (char* end = text + std::strlen(text); end > text && (end[-1] == '\r' || end[-1] == '\n');) {
    *--end = '\0';
  }
  char message[512];
  std::snprintf(message, sizeof message, "%s %s failed: error %lu %s", what, port.c_str(),
                static_cast<unsigned long>(code), text);
  return message;
}

// 9600 baud 8N1, DTR and RTS on, no flow control. Reads wait for the first byte at most
// the time SetReadWait gives, then return 1 ms after the last byte: the total timeout lets
// the loop keep its schedule, the interval timeout hands over a request as soon as it is
// in. (Wine keeps the full total timeout for "MAXDWORD, MAXDWORD, n" instead of returning
// at the first byte as Windows does, so that setting is not used.)
HANDLE OpenPort(const std::string& name, std::string* error) {
  std::string path = "\\\\.\\" + name;
  HANDLE port = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    *error = LastErrorText("opening", name);
    return port;
  }
  bool ok = SetDecoderLineSettings(port);
  if (!ok) {
    *error = LastErrorText("setting up", name);
    CloseHandle(port);
    return INVALID_HANDLE_VALUE;
  }
  SetupComm(port, 4096, 4096);
  // Bytes left in the line by an earlier run are no request of this one.
  PurgeComm(port, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
  return port;
}

class Decoder {
 public:
  Decoder(HANDLE port, const std::string& portName, Simulation* simulation, EventLog* log)
      : port_(port), portName_(portName), simulation_(simulation), log_(log) {}
  HANDLE Port() const { return port_; }

  bool SetReadWait(DWORD ms) {
    if (ms == readWaitMs_) return true;
    COMMTIMEOUTS timeouts;
    timeouts.ReadIntervalTimeout = 1;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = ms;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    // A write never hangs the decoder when nobody reads the other end.
    timeouts.WriteTotalTimeoutConstant = 2000;
    if (!SetCommTimeouts(port_, &timeouts)) return false;
    readWaitMs_ = ms;
    return true;
  }

  // Writes everything that is due, then logs it after what led to it.
  void WriteDue() {
    std::vector<decoder_sim::Event> written;
    while (auto output = simulation_->NextDue(NowUs())) {
      DWORD n = 0;
      BOOL ok = WriteFile(port_, output->bytes.data(), static_cast<DWORD>(output->bytes.size()),
                          &n, nullptr);
      std::int64_t at = NowUs();
      if (!ok || n != output->bytes.size()) {
        char text[128];
        std::snprintf(text, sizeof text, "write-failed written=%lu of %zu error=%lu",
                      static_cast<unsigned long>(n), output->bytes.size(),
                      static_cast<unsigned long>(ok ? 0 : GetLastError()));
        written.push_back({at, text + (" " + output->event)});
      } else if (!output->event.empty()) {
        written.push_back({at, "sent " + output->event});
      }
    }
    std::vector<decoder_sim::Event> events = simulation_->TakeEvents();
    events.insert(events.end(), written.begin(), written.end());
    std::stable_sort(events.begin(), events.end(),
                     [](const decoder_sim::Event& a, const decoder_sim::Event& b) {
                       return a.atUs < b.atUs;
                     });
    for (const decoder_sim::Event& event : events) log_->Line(event.atUs, event.text);
  }

  // Waits up to the next scheduled moment for bytes; answers what came at once. Without a
  // line (the cable was pulled) it tries to open the port again now and then; the clock and
  // the schedule run on meanwhile, and what falls due is lost as on a real line.
  void ReadAndAnswer() {
    if (port_ == INVALID_HANDLE_VALUE) {
      Reopen();
      return;
    }
    std::int64_t now = NowUs();
    std::int64_t wake = simulation_->NextWakeUs();
    DWORD waitMs = kMaxReadWaitMs;
    if (wake < now + std::int64_t{kMaxReadWaitMs} * 1000) {
      std::int64_t us = wake - now;
      if (us > 0 && us < 1000) {
        // Waits of the port run in whole milliseconds: the last fraction is spun, so that a
        // paced line keeps its byte times.
        while (NowUs() < wake) Sleep(0);
        return;
      }
      waitMs = us <= 0 ? 1 : static_cast<DWORD>(us / 1000);
    }
    if (!SetReadWait(waitMs)) {
      ReportOnce(LastErrorText("SetCommTimeouts on", "the port"));
      Sleep(waitMs);
      return;
    }
    unsigned char buffer[kReadBlockSize];
    DWORD n = 0;
    if (!ReadFile(port_, buffer, sizeof buffer, &n, nullptr) || (n == 0 && LineHungUp())) {
      LoseLine();
      Sleep(waitMs);
      return;
    }
    if (n > 0) {
      simulation_->Receive(buffer, n, NowUs());
      WriteDue();
    }
  }

 private:
  // A hung-up terminal reads as empty; asking for the line's status fails.
  bool LineHungUp() {
    DWORD errors = 0;
    COMSTAT status;
    return !ClearCommError(port_, &errors, &status);
  }

  void LoseLine() {
    log_->Line(NowUs(), LastErrorText("line lost: reading", portName_));
    CloseHandle(port_);
    port_ = INVALID_HANDLE_VALUE;
    readWaitMs_ = 0;
  }

  void Reopen() {
    constexpr DWORD kRetryMs = 50;
    std::string error;
    HANDLE port = OpenPort(portName_, &error);
    if (port == INVALID_HANDLE_VALUE) {
      Sleep(kRetryMs);
      return;
    }
    port_ = port;
    log_->Line(NowUs(), "line back port=" + portName_);
  }

  void ReportOnce(const std::string& text) {
    if (reported_) return;
    reported_ = true;
    log_->Line(NowUs(), "error " + text);
  }

  HANDLE port_;
  std::string portName_;
  Simulation* simulation_;
  EventLog* log_;
  DWORD readWaitMs_ = 0;
  bool reported_ = false;
};

bool ReadWholeFile(const std::string& path, std::string* text) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text->append(buffer, n);
  std::fclose(file);
  return true;
}

bool StdinIsConsole() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != FALSE;
}

}  // namespace

int main(int argc, char** argv) {
  std::int64_t startUs = NowUs();
  decoder_sim::Options options;
  std::string error;
  if (!decoder_sim::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), &options,
                                     &error)) {
    std::fprintf(stderr, "vellgrin-decoder-sim: %s\n\n%s", error.c_str(), decoder_sim::UsageText());
    return 2;
  }
  if (options.help) {
    std::fputs(decoder_sim::UsageText(), stdout);
    return 0;
  }
  std::vector<decoder_sim::ScenarioEntry> scenario;
  if (!options.scenarioPath.empty()) {
    std::string text;
    if (!ReadWholeFile(options.scenarioPath, &text)) {
      std::fprintf(stderr, "vellgrin-decoder-sim: cannot read %s\n", options.scenarioPath.c_str());
      return 2;
    }
    if (!decoder_sim::ParseScenario(text, &scenario, &error)) {
      std::fprintf(stderr, "vellgrin-decoder-sim: %s: %s\n", options.scenarioPath.c_str(),
                   error.c_str());
      return 2;
    }
  }
  EventLog log;
  if (!log.Open(options.logPath)) {
    std::fprintf(stderr, "vellgrin-decoder-sim: cannot write %s\n", options.logPath.c_str());
    return 2;
  }
  HANDLE port = OpenPort(options.port, &error);
  if (port == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "vellgrin-decoder-sim: %s\n", error.c_str());
    return 1;
  }
  // Millisecond timers and waits on Windows (Wine has them anyway); the decoder's answers
  // must not queue behind other work.
  timeBeginPeriod(1);
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);

  const bool zl2 = options.model == DecoderModel::ZL2;
  // A ZL1 scenario without a clock reset counts from here, when the decoder is on the line.
  const std::int64_t readyUs = NowUs();
  Simulation simulation(options.model, scenario, options.splitOffsets, options.splitGapMs,
                        readyUs, decoder_sim::ByteTimeUs(options.baud));
  Decoder decoder(port, options.port, &simulation, &log);
  {
    char text[256];
    std::snprintf(text, sizeof text,
                  "start model=%s port=%s scenario-entries=%zu interactive=%d baud=%d",
                  zl2 ? "ZL2" : "ZL1", options.port.c_str(), scenario.size(),
                  options.interactive ? 1 : 0, options.baud);
    log.Line(readyUs, text);
  }
  InputLines input;
  const bool prompt = options.interactive && StdinIsConsole();
  if (options.interactive) {
    input.Start();
    if (prompt) {
      std::printf("Type a transponder number to send a pass, \"silent <ms>\" or \"quit\".\n> ");
      std::fflush(stdout);
    }
  }

  const char* reason = nullptr;
  const char* stopping = nullptr;
  while (!reason) {
    std::int64_t now = NowUs();
    if (options.exitAfterMs >= 0 && now - startUs >= options.exitAfterMs * 1000) {
      reason = "exit-after";
      break;
    }
    if (options.interactive) {
      bool eof = false;
      for (const std::string& line : input.Take(&eof)) {
        if (stopping) break;
        decoder_sim::CommandResult result = simulation.Command(line, NowUs());
        if (!result.message.empty()) std::printf("%s\n", result.message.c_str());
        if (result.quit) stopping = "quit";
        if (prompt && !stopping) std::printf("> ");
        std::fflush(stdout);
        // Each command takes effect before the next: "12" then "silent 500" sends 12.
        decoder.WriteDue();
      }
      if (eof && options.exitAtEof && !stopping) stopping = "end of input";
    }
    decoder.WriteDue();
    // Passes already typed still go out before the end.
    if (stopping && !simulation.HasQueuedFrames()) {
      reason = stopping;
      break;
    }
    decoder.ReadAndAnswer();
  }
  log.Line(NowUs(), std::string("exit reason=") + reason);
  if (decoder.Port() != INVALID_HANDLE_VALUE) CloseHandle(decoder.Port());
  timeEndPeriod(1);
  return 0;
}
