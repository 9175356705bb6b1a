// The tables of a running stage as the main window holds them, for the ranking tests.
#pragma once

#include <cstdio>
#include <cstring>

#include "platform/bounded.h"
#include "race/stage_ranking.h"
#include "race/stage_timing.h"

namespace testsupport {

struct StageTables {
  StageEntry entries[kMaxParticipants];
  StageEntry ranking[kMaxParticipants];
  StageClassificationRow rows[kMaxParticipants];
  StageDisplayRow display[kMaxParticipants];
  PenaltyRecord penalties[kMaxPenalties];

  // count drivers "D0".. in the first slots, empty slots after them, ready for a new stage.
  void NewStage(int count) {
    std::memset(this, 0, sizeof *this);
    for (int i = 0; i < kMaxParticipants; ++i) {
      if (i < count) {
        std::snprintf(entries[i].name, sizeof entries[i].name, "D%d", i);
      } else {
        platform::CopyBounded(entries[i].name, kEmptySlotName);
      }
    }
    InitStageEntries(entries);
  }
  void Set(int i, int state, int time) {
    entries[i].state = state;
    entries[i].time = time;
  }
  void AddPenalty(const char* code, int kind, int duration) {
    int n = 0;
    while (penalties[n].code[0] != '\0') ++n;
    platform::CopyBounded(penalties[n].code, code);
    penalties[n].kind = kind;
    penalties[n].duration = duration;
  }
  void Rerank(int count, int current = NoCurrentEntry) {
    RerankStage(entries, ranking, rows, display, penalties, count, current);
  }
};

// Large: keep it out of the stack.
inline StageTables& Stage() {
  static StageTables tables;
  return tables;
}

}  // namespace testsupport
