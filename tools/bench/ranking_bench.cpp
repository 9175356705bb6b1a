// How long one accepted pass costs the race engine: RecordStageDetection and the whole
// RerankStage chain on a full stage of 200 entries, against the 11.5 ms that one ZL2 pass
// frame takes on the wire.
//   ranking_bench [passes per batch] [batches]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/bounded.h"
#include "platform/clock.h"
#include "race/stage_ranking.h"
#include "race/stage_timing.h"

namespace {

constexpr double kZl2FrameUs = 11500.0;

StageEntry entries[kMaxParticipants];
StageEntry ranking[kMaxParticipants];
StageClassificationRow rows[kMaxParticipants];
StageDisplayRow display[kMaxParticipants];
PenaltyRecord penalties[kMaxPenalties];

void SetUpStage() {
  for (int i = 0; i < kMaxParticipants; ++i) {
    std::snprintf(entries[i].name, sizeof entries[i].name, "Driver number %d of the rally", i);
    std::snprintf(entries[i].transponder, sizeof entries[i].transponder, "%06d", 100000 + i);
  }
  InitStageEntries(entries);
  platform::CopyBounded(penalties[0].code, "A");
  penalties[0].kind = kPenaltyGross;
  penalties[0].duration = 600;
  platform::CopyBounded(penalties[1].code, "PS");
  penalties[1].kind = kPenaltyAdded;
  penalties[1].duration = 60;
  // Half the field has finished, a few with a penalty; the other half is on the stage.
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageEntry& e = entries[i];
    e.startTime = 1000 * i;
    if (i < kMaxParticipants / 2) {
      e.state = i % 25 == 3 ? 5 : kEntryFinished;
      e.firstTime = kRedetectionQuestionOff;
      e.time = 120000 + (i * 7919) % 60000;
    } else {
      e.state = kEntryRunning;
    }
  }
  RerankStage(entries, ranking, rows, display, penalties, kMaxParticipants, NoCurrentEntry);
}

// One accepted finish of a driver on the stage, as the race engine handles it.
void OnePass(int n) {
  int index = kMaxParticipants / 2 + n % (kMaxParticipants / 2);
  StageEntry& e = entries[index];
  e.state = kEntryRunning;
  e.passTime = e.startTime + 110000 + (n * 104729) % 70000;
  RecordStageDetection(nullptr, entries, kStandardStart, index);
  RerankStage(entries, ranking, rows, display, penalties, kMaxParticipants, index);
}

}  // namespace

int main(int argc, char** argv) {
  int perBatch = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  int batches = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
  double frequency = static_cast<double>(platform::PerformanceFrequency());
  if (frequency <= 0) {
    std::printf("no high-resolution counter\n");
    return 1;
  }
  SetUpStage();
  for (int n = 0; n < perBatch; ++n) OnePass(n);  // warm up
  std::vector<double> perPassUs;
  int n = 0;
  for (int b = 0; b < batches; ++b) {
    std::int64_t start = platform::PerformanceCounter();
    for (int i = 0; i < perBatch; ++i) OnePass(n++);
    std::int64_t end = platform::PerformanceCounter();
    perPassUs.push_back(static_cast<double>(end - start) * 1e6 / frequency / perBatch);
  }
  std::sort(perPassUs.begin(), perPassUs.end());
  double median = perPassUs[perPassUs.size() / 2];
  std::printf("RecordStageDetection + RerankStage, %d entries, %d batches of %d passes\n", kMaxParticipants, batches,
              perBatch);
  std::printf("  median %.1f us per pass (%.2f %% of an 11.5 ms ZL2 frame)\n", median, median * 100 / kZl2FrameUs);
  std::printf("  best   %.1f us per pass (%.2f %%), worst batch %.1f us (%.2f %%)\n", perPassUs.front(),
              perPassUs.front() * 100 / kZl2FrameUs, perPassUs.back(), perPassUs.back() * 100 / kZl2FrameUs);
  return 0;
}
