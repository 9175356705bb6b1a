#include "race/stage_timing.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/time_format.h"

void ClearStageEntries(StageEntry entries[kMaxParticipants]) {
  platform::ZeroBytes(entries, sizeof(StageEntry) * kMaxParticipants);
}

void ClearStageClassification(StageClassificationRow rows[kMaxParticipants]) {
  platform::ZeroBytes(rows, sizeof(StageClassificationRow) * kMaxParticipants);
}

void ClearStageDisplayRows(StageDisplayRow rows[kMaxParticipants]) {
  platform::ZeroBytes(rows, sizeof(StageDisplayRow) * kMaxParticipants);
}

void InitStageEntries(StageEntry entries[kMaxParticipants]) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageEntry& e = entries[i];
    // Everything but the name and the transponder starts from zero.
    char name[kDriverNameSize];
    char transponder[sizeof e.transponder];
    std::memcpy(name, e.name, sizeof name);
    std::memcpy(transponder, e.transponder, sizeof transponder);
    e = StageEntry{};
    std::memcpy(e.name, name, sizeof name);
    std::memcpy(e.transponder, transponder, sizeof transponder);
    e.startPosition = i + 1;
    if (std::strncmp(e.name, kEmptySlotName, sizeof e.name) == 0) {
      e.time = NoTime;
      e.firstTime = kRedetectionQuestionOff;
      e.difference = NoTime;
      e.state = kEntryFinished;
    }
  }
}

void CopyStageEntryNames(StageClassificationRow rows[kMaxParticipants], const StageEntry entries[kMaxParticipants]) {
  ClearStageClassification(rows);
  int next = 0;
  for (int i = 0; i < kMaxParticipants; ++i) {
    if (std::strncmp(entries[i].name, kEmptySlotName, sizeof entries[i].name) == 0) continue;
    platform::CopyBounded(rows[next].name, sizeof rows[next].name, entries[i].name);
    ++next;
  }
}

void ClearStageTimeTexts(StageDisplayRow rows[kMaxParticipants]) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    StageDisplayRow& row = rows[i];
    platform::ZeroBytes(row.rankText, sizeof row.rankText);
    platform::ZeroBytes(row.startOffsetText, sizeof row.startOffsetText);
    platform::ZeroBytes(row.timeText, sizeof row.timeText);
    platform::ZeroBytes(row.gapToLeaderText, sizeof row.gapToLeaderText);
    platform::ZeroBytes(row.gapToPreviousText, sizeof row.gapToPreviousText);
    row.state = 0;
    row.equalsBest = 0;
    row.lateStart = 0;
  }
}

namespace {

// Entries whose re-detection question is on the screen. The box is modal but the race
// engine's timer keeps running under it, so the same driver can be detected again before
// the operator has answered.
bool questionOpen[kMaxParticipants];

class QuestionOpen {
 public:
  explicit QuestionOpen(int index) : index_(index) { questionOpen[index_] = true; }
  ~QuestionOpen() { questionOpen[index_] = false; }
  QuestionOpen(const QuestionOpen&) = delete;
  QuestionOpen& operator=(const QuestionOpen&) = delete;

 private:
  int index_;
};

bool AsksToUpdateTime(platform::WindowHandle window, const StageEntry& entry) {
  char name[kDriverNameSize];
  platform::CopyBounded(name, sizeof name, entry.name);
  char text[256];
  std::snprintf(text, sizeof text, Tr(Text::FinishReactivatedQuestion), name);
  return platform::ShowMessage(window, text, Tr(Text::CaptionBeCareful),
                               platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes;
}

}  // namespace

void RecordStageDetection(platform::WindowHandle window, StageEntry entries[kMaxParticipants], int startType,
                          int index) {
  if (index < 0 || index >= kMaxParticipants || questionOpen[index]) return;
  StageEntry& e = entries[index];
  // The pass clock is 32 bits wide for these rules; take its difference modulo 2^32.
  int difference = TickDifference(static_cast<std::uint32_t>(e.startTime), static_cast<std::uint32_t>(e.passTime));
  if (startType == kWrcStart && e.state >= kEntryRunning && e.startOffset > 0) {
    // With the WRC start a driver who left after his scheduled start is charged for it.
    difference = static_cast<int>(static_cast<std::uint32_t>(difference) + static_cast<std::uint32_t>(e.startOffset));
  }
  e.difference = difference;

  if (e.state >= kEntryNotStarted && e.state < kEntryFinished) {
    e.time = difference;
    e.firstTime = difference;
    ++e.state;
    e.updated = 1;
    return;
  }
  if (e.state != kEntryFinished) return;  // a penalised entry keeps its state and time
  if (e.firstTime == kRedetectionQuestionOff) return;
  if (std::int64_t{difference} > std::int64_t{e.firstTime} + kRedetectionWindowMs) return;

  bool yes;
  {
    QuestionOpen open(index);
    yes = AsksToUpdateTime(window, e);
  }
  // Nothing under the box may change this entry's state, but the answer only applies to a
  // finished driver.
  if (yes && e.state == kEntryFinished) {
    e.time = difference;
    e.updated = 1;
  }
}
