#include "tools/decoder_simulator/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "race/decoder_protocol.h"

using namespace decoder_sim;

namespace {

constexpr std::int64_t kMs = 1000;  // the schedule counts microseconds

// The pass time the program reads from a ZL2 frame; -1 for anything else.
std::int32_t ProgramTime(const Bytes& frame) {
  if (frame.size() != static_cast<std::size_t>(kPassFrameSizeZL2)) return -1;
  return PassTimeZL2(frame[6], frame[7], frame[8], frame[9], frame[10]);
}

Bytes Of(const unsigned char* bytes, std::size_t n) { return Bytes(bytes, bytes + n); }

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Everything due at `at`, concatenated.
Bytes Drain(Simulation& sim, std::int64_t at, std::vector<std::string>* events = nullptr) {
  Bytes all;
  while (auto output = sim.NextDue(at)) {
    all = Concat(all, output->bytes);
    if (events) events->push_back(output->event);
  }
  return all;
}

void Send(Simulation& sim, const unsigned char (&request)[5], std::int64_t at) {
  sim.Receive(request, 5, at);
}

std::vector<ScenarioEntry> Scenario(const std::string& text) {
  std::vector<ScenarioEntry> entries;
  std::string error;
  EXPECT_TRUE(ParseScenario(text, &entries, &error)) << error;
  return entries;
}

}  // namespace

TEST(DecoderSimulatorTime, EveryMillisecondComesBackExactlyThroughTheProgramsFormula) {
  for (int ms = 0; ms < 1000; ++ms) {
    for (std::int64_t second : {std::int64_t{0}, std::int64_t{59000}, kDayMs - 1000}) {
      DecoderTime t = EncodeTimeZL2(second + ms);
      ASSERT_LE(t.subHigh * 256 + t.subLow, 65535);
      ASSERT_EQ(PassTimeZL2(t.hours, t.minutes, t.seconds, t.subHigh, t.subLow), second + ms);
    }
  }
  for (std::int64_t second = 0; second < 86400; ++second) {
    std::int64_t ms = second * 1000 + (second * 7) % 1000;
    DecoderTime t = EncodeTimeZL2(ms);
    ASSERT_EQ(PassTimeZL2(t.hours, t.minutes, t.seconds, t.subHigh, t.subLow), ms);
  }
  DecoderTime wrapped = EncodeTimeZL2(kDayMs + 5);  // the clock turns at midnight
  EXPECT_EQ(PassTimeZL2(wrapped.hours, wrapped.minutes, wrapped.seconds, wrapped.subHigh,
                        wrapped.subLow),
            5);
}

TEST(DecoderSimulatorFrames, FramesAsTheProgramScansThemAndHowTheySplit) {
  Bytes zl2 = BuildPassFrame(DecoderModel::ZL2, 0x1234, 3723456);  // 01:02:03.456
  EXPECT_EQ(Bytes(zl2.begin(), zl2.begin() + 9),
            (Bytes{0xFF, 0xFF, 0xFF, 0xF0, 0x12, 0x34, 1, 2, 3}));
  PassFrame frames[4];
  int consumed = 0;
  Bytes stream = Concat(zl2, BuildPassFrame(DecoderModel::ZL2, 65535, 0));
  ASSERT_EQ(ScanPassFrames(DecoderModel::ZL2, stream.data(), static_cast<int>(stream.size()),
                           frames, 4, &consumed),
            2);
  EXPECT_EQ(frames[0].transponder, 0x1234);
  EXPECT_EQ(frames[0].timeMs, 3723456);
  EXPECT_EQ(frames[1].transponder, 65535);
  EXPECT_EQ(BuildPassFrame(DecoderModel::ZL1, 0x1234, 999), (Bytes{0x12, 0x34}));
  Bytes reply = IdentifyReply();
  ASSERT_EQ(reply.size(), static_cast<std::size_t>(kIdentifyReplySize));
  EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 5), Of(kIdentifyRequest, 5));

  auto plan = [](std::size_t size, std::vector<int> offsets, int gap, std::int64_t byteUs = 0) {
    std::vector<std::vector<std::int64_t>> r;
    for (const SplitPart& p : PlanSplit(size, offsets, gap, byteUs)) {
      r.push_back({static_cast<std::int64_t>(p.begin), static_cast<std::int64_t>(p.end), p.delayUs});
    }
    return r;
  };
  using R = std::vector<std::vector<std::int64_t>>;
  EXPECT_EQ(plan(11, {3, 7}, 25), (R{{0, 3, 0}, {3, 7, 25 * kMs}, {7, 11, 50 * kMs}}));
  EXPECT_EQ(plan(2, {3, 7}, 25), (R{{0, 2, 0}})) << "a ZL1 frame is too short to cut there";
  EXPECT_EQ(plan(2, {1, 7}, 10), (R{{0, 1, 0}, {1, 2, 10 * kMs}}));
  EXPECT_EQ(plan(11, {}, 25), (R{{0, 11, 0}}));
  // On a paced line a byte is handed over once it has crossed; a cut adds its gap.
  EXPECT_EQ(ByteTimeUs(9600), 1042);
  EXPECT_EQ(ByteTimeUs(0), 0);
  EXPECT_EQ(plan(2, {}, 25, 1042), (R{{0, 1, 1042}, {1, 2, 2084}}));
  EXPECT_EQ(plan(3, {1}, 5, 1000), (R{{0, 1, 1000}, {1, 2, 2000 + 5 * kMs}, {2, 3, 3000 + 5 * kMs}}));
}

TEST(DecoderSimulatorScenario, EntriesInTimeOrderAndBadLinesByNumber) {
  auto entries = Scenario("# warm-up lap\r\n\r\n1500 12   # car 12\r\n\t900\t65535\n"
                          "SILENT 2000 750\n1500 7\n0 0");
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[1].transponder, 65535);
  EXPECT_EQ(entries[2].transponder, 12) << "equal times keep the file's order";
  EXPECT_EQ(entries[3].transponder, 7);
  EXPECT_EQ(entries[4].kind, ScenarioEntry::Kind::Silent);
  EXPECT_EQ(entries[4].durationMs, 750);
  EXPECT_EQ(entries[4].line, 5);

  const char* cases[][2] = {
      {"100 1\n200\n", "line 2: expected"},
      {"\n\n-5 3\n", "line 3: time \"-5\" is not a number"},
      {"100 65536\n", "line 1: transponder \"65536\" is not a number from 0 to 65535"},
      {"86400000 1\n", "line 1: time 86400000 ms is not within one day"},
      {"silent 100\n", "line 1: expected \"silent <ms> <duration-ms>\""},
      {"# ok\nsilent 100 0\n", "line 2: a silence of 0 ms"},
  };
  for (auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseScenario(c[0], &entries, &error)) << c[0];
    EXPECT_EQ(error.find(c[1]), 0u) << "got \"" << error << "\" for " << c[0];
  }
}

TEST(DecoderSimulatorCommandLine, OptionsAndMistakes) {
  Options o;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"com12", "--model", "ZL1", "--scenario", "s.txt", "--split=3,7",
                                "--split-gap", "40", "--exit-after", "9000", "--baud", "9600"},
                               &o, &error))
      << error;
  EXPECT_EQ(o.baud, 9600);
  EXPECT_EQ(o.port, "COM12");
  EXPECT_EQ(o.model, DecoderModel::ZL1);
  EXPECT_EQ(o.splitOffsets, (std::vector<int>{3, 7}));
  EXPECT_EQ(o.splitGapMs, 40);
  EXPECT_EQ(o.exitAfterMs, 9000);
  EXPECT_FALSE(o.interactive) << "a scenario runs by itself";
  ASSERT_TRUE(ParseCommandLine({"\\\\.\\COM3"}, &o, &error)) << error;
  EXPECT_EQ(o.port, "COM3");
  EXPECT_TRUE(o.interactive) << "without a scenario";

  std::vector<std::vector<std::string>> mistakes = {
      {},
      {"COM0"},
      {"COM1", "COM2"},
      {"COM1", "--model", "zl3"},
      {"COM1", "--scenario"},
      {"COM1", "--split", "7,3"},
      {"COM1", "--split", "3,11"},
      {"COM1", "--exit-at-eof=1"},
      {"COM1", "--speed", "9600"},
      {"COM1", "--baud", "10"},
  };
  const char* messages[] = {"which port",           "\"COM0\" is not a port name",
                            "one port only",        "--model must be zl1 or zl2",
                            "--scenario needs a value", "--split offsets must increase",
                            "--split takes byte offsets from 1 to 10",
                            "--exit-at-eof takes no value", "unknown option --speed",
                            "--baud takes a line speed"};
  for (std::size_t i = 0; i < mistakes.size(); ++i) {
    EXPECT_FALSE(ParseCommandLine(mistakes[i], &o, &error)) << messages[i];
    EXPECT_NE(error.find(messages[i]), std::string::npos) << "got \"" << error << "\"";
  }
}

TEST(DecoderSimulatorRequests, RequestsAcrossReadsAndAmongNoise) {
  RequestScanner scanner;
  Bytes stream = Concat(Concat(Bytes{0x00, 0xFF, 0x41}, Of(kIdentifyRequest, 5)),
                        Concat(Concat(Bytes{0xFF}, Of(kClockResetRequest, 5)),
                               Of(kKeepAliveMessage, 5)));
  std::vector<RequestKind> kinds;
  std::vector<Bytes> unknown;
  for (unsigned char byte : stream) {  // one byte per read: the worst a line can do
    for (Request& r : scanner.Feed(&byte, 1)) {
      kinds.push_back(r.kind);
      if (r.kind == RequestKind::Unknown) unknown.push_back(r.bytes);
    }
  }
  using K = RequestKind;
  EXPECT_EQ(kinds, (std::vector<K>{K::Unknown, K::Unknown, K::Identify, K::Unknown,
                                   K::ClockReset, K::KeepAlive}));
  EXPECT_EQ(unknown, (std::vector<Bytes>{{0x00}, {0xFF, 0x41}, {0xFF}}))
      << "four FF in a row: the request starts at the second";
  const unsigned char odd[] = {0xFF, 0xFF, 0xFF, 0x09, 0x09, 0xFF, 0xFF};
  auto requests = scanner.Feed(odd, sizeof odd);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].bytes, Of(odd, 5));
  EXPECT_EQ(scanner.Pending(), 2u) << "FF FF may begin a request";
}

TEST(DecoderSimulatorSchedule, Zl2AnswersAtOnceAndTimesPassesFromTheClockReset) {
  const std::int64_t start = 5000 * kMs;
  Simulation sim(DecoderModel::ZL2, Scenario("100 101\n500 505\n"), {}, 0, start);
  EXPECT_TRUE(Drain(sim, start + 10000 * kMs).empty()) << "passes wait for the clock reset";

  const std::int64_t reset = start + 20000 * kMs + 123;
  Send(sim, kIdentifyRequest, reset - 50 * kMs);
  EXPECT_EQ(Drain(sim, reset - 50 * kMs), IdentifyReply());
  Send(sim, kKeepAliveMessage, reset - 10 * kMs);
  EXPECT_TRUE(Drain(sim, reset - 10 * kMs).empty()) << "keep-alives are not answered";
  EXPECT_EQ(sim.KeepAlivesReceived(), 1);
  Send(sim, kClockResetRequest, reset);
  EXPECT_EQ(Drain(sim, reset), ClockResetAck());

  EXPECT_EQ(sim.NextWakeUs(), reset + 100 * kMs);
  EXPECT_TRUE(Drain(sim, reset + 100 * kMs - 1).empty());
  EXPECT_EQ(Drain(sim, reset + 100 * kMs), BuildPassFrame(DecoderModel::ZL2, 101, 100));

  // A later reset restarts the decoder clock but not the scenario.
  Send(sim, kClockResetRequest, reset + 200 * kMs);
  EXPECT_EQ(Drain(sim, reset + 200 * kMs), ClockResetAck());
  EXPECT_EQ(ProgramTime(Drain(sim, reset + 500 * kMs)), 300);
  EXPECT_EQ(sim.NextWakeUs(), INT64_MAX);
}

TEST(DecoderSimulatorSchedule, Zl1OnlySendsPassesTimedFromTheFirstReset) {
  const std::int64_t start = 1000 * kMs;
  Simulation sim(DecoderModel::ZL1, Scenario("50 1\n400 2\n900 3\n"), {}, 0, start);
  EXPECT_EQ(Drain(sim, start + 60 * kMs), (Bytes{0, 1})) << "no reset yet: from the start";
  Send(sim, kIdentifyRequest, start + 100 * kMs);
  Send(sim, kClockResetRequest, start + 100 * kMs);
  EXPECT_TRUE(Drain(sim, start + 499 * kMs).empty()) << "a ZL1 answers nothing";
  EXPECT_EQ(Drain(sim, start + 500 * kMs), (Bytes{0, 2}));
  Send(sim, kClockResetRequest, start + 600 * kMs);  // only the first reset counts
  EXPECT_EQ(Drain(sim, start + 1000 * kMs), (Bytes{0, 3}));
}

TEST(DecoderSimulatorSchedule, SilenceDropsEverythingThenTheDecoderComesBack) {
  Simulation sim(DecoderModel::ZL2, Scenario("silent 100 200\n150 1\n350 3\n"), {3, 7}, 60, 0);
  Send(sim, kClockResetRequest, 0);
  EXPECT_EQ(Drain(sim, 0), ClockResetAck());
  EXPECT_TRUE(sim.Silent(100 * kMs));
  Send(sim, kIdentifyRequest, 120 * kMs);
  EXPECT_TRUE(Drain(sim, 290 * kMs).empty()) << "no answer, no pass while silent";
  EXPECT_FALSE(sim.Silent(300 * kMs));
  Send(sim, kIdentifyRequest, 300 * kMs);
  EXPECT_EQ(Drain(sim, 300 * kMs), IdentifyReply());

  // A frame half written when the decoder falls silent is not finished afterwards.
  EXPECT_EQ(Drain(sim, 350 * kMs).size(), 3u);
  EXPECT_TRUE(sim.Command("silent 100", 360 * kMs).ok);
  EXPECT_TRUE(Drain(sim, 1000 * kMs).empty());
  std::string log;
  for (const Event& e : sim.TakeEvents()) log += e.text + "\n";
  EXPECT_NE(log.find("dropped pass transponder=1 (silent)"), std::string::npos) << log;
  EXPECT_NE(log.find("(cut short)"), std::string::npos) << log;
}

TEST(DecoderSimulatorSchedule, SplitFramesKeepTheirGapsAndNeverInterleave) {
  Simulation sim(DecoderModel::ZL2, Scenario("100 11\n110 22\n"), {3, 7}, 25, 0);
  Send(sim, kClockResetRequest, 0);
  Drain(sim, 0);
  std::vector<std::string> events;
  EXPECT_EQ(Drain(sim, 100 * kMs, &events).size(), 3u);
  EXPECT_TRUE(Drain(sim, 124 * kMs).empty()) << "the second pass waits for the first";
  EXPECT_EQ(Drain(sim, 125 * kMs).size(), 4u);

  // A request in the middle of a frame: the rest of the frame goes at once, then the answer.
  Send(sim, kIdentifyRequest, 130 * kMs);
  Bytes rest = BuildPassFrame(DecoderModel::ZL2, 11, 100);
  rest.erase(rest.begin(), rest.begin() + 7);
  Bytes next = BuildPassFrame(DecoderModel::ZL2, 22, 110);
  next.resize(3);  // the next pass, late, starts after the answer
  EXPECT_EQ(Drain(sim, 130 * kMs), Concat(Concat(rest, IdentifyReply()), next));
  EXPECT_EQ(Drain(sim, 155 * kMs).size(), 4u);
  EXPECT_EQ(events[0], "pass transponder=11 decoder-ms=100 clock=00:00:00.100 part=1/3");
}

TEST(DecoderSimulatorSchedule, TypedCommands) {
  Simulation sim(DecoderModel::ZL2, {}, {}, 0, 0);
  Send(sim, kClockResetRequest, 1000 * kMs);
  Drain(sim, 1000 * kMs);
  EXPECT_TRUE(sim.Command("  4242 ", 3500 * kMs + 700).ok);
  EXPECT_EQ(Drain(sim, 3500 * kMs + 700), BuildPassFrame(DecoderModel::ZL2, 4242, 2500))
      << "with the decoder's time now";
  EXPECT_NE(sim.Command("70000", 0).message.find("65535"), std::string::npos);
  EXPECT_FALSE(sim.Command("car 12", 0).ok);
  EXPECT_TRUE(sim.Command("quit", 0).quit);
}

TEST(DecoderSimulatorSchedule, APacedLineDeliversAByteEveryTenBitTimesAfterTheRequestHasCrossed) {
  const std::int64_t byte = ByteTimeUs(9600);
  Simulation sim(DecoderModel::ZL2, Scenario("100 7\n101 8\n"), {}, 0, 0, byte);
  // The reset's five bytes reach the decoder 5 byte times after the program wrote them; the
  // seven of the acknowledgement follow one by one: the last is in 12 byte times (12.5 ms).
  Send(sim, kClockResetRequest, 0);
  EXPECT_EQ(sim.NextWakeUs(), 6 * byte);
  EXPECT_TRUE(Drain(sim, 6 * byte - 1).empty());
  Bytes ack;
  std::vector<std::string> events;
  for (int i = 6; i <= 12; ++i) {
    Bytes got = Drain(sim, i * byte, &events);
    ASSERT_EQ(got.size(), 1u) << "byte " << i;
    ack = Concat(ack, got);
  }
  EXPECT_EQ(ack, ClockResetAck());
  EXPECT_EQ(events.back(), "clock-reset-ack") << "logged once, with its last byte";
  EXPECT_TRUE(std::all_of(events.begin(), events.end() - 1, [](const std::string& e) { return e.empty(); }));

  // The clock starts when the decoder has the request; a late loop catches up at once with
  // what the line would have delivered, and the next frame waits for the line.
  const std::int64_t zero = 5 * byte;
  Bytes first = Drain(sim, zero + 100 * kMs + 11 * byte);
  EXPECT_EQ(first, BuildPassFrame(DecoderModel::ZL2, 7, 100));
  EXPECT_EQ(ProgramTime(first), 100);
  EXPECT_EQ(sim.NextWakeUs(), zero + 100 * kMs + 12 * byte) << "the second pass starts after the first";
  Bytes second = Drain(sim, zero + 100 * kMs + 22 * byte);
  EXPECT_EQ(ProgramTime(second), 101) << "its time is the crossing's, not the line's";

  // A request during a frame is answered after it, once it has crossed.
  Simulation busy(DecoderModel::ZL2, {}, {}, 0, 0, byte);
  Send(busy, kClockResetRequest, 0);
  Drain(busy, 12 * byte);
  EXPECT_TRUE(busy.Command("9", 50 * kMs).ok);
  EXPECT_EQ(Drain(busy, 50 * kMs + 3 * byte).size(), 3u);
  Send(busy, kIdentifyRequest, 50 * kMs + 3 * byte);
  EXPECT_EQ(Drain(busy, 50 * kMs + 11 * byte).size(), 8u) << "the pass goes on";
  EXPECT_TRUE(Drain(busy, 50 * kMs + 12 * byte - 1).empty());
  EXPECT_EQ(Drain(busy, 50 * kMs + 18 * byte), IdentifyReply());
}
