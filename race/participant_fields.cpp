#include "race/participant_fields.h"

#include <cstring>

#include "platform/bounded.h"

namespace {

bool SameName(const char* a, const char* b) { return std::strncmp(a, b, kDriverNameSize) == 0; }

// The last participant of this name, or null.
const ParticipantRecord* LastParticipantNamed(const char* name, const ParticipantRecord participants[kMaxParticipants]) {
  for (int p = kMaxParticipants - 1; p >= 0; --p) {
    if (SameName(participants[p].name, name)) return &participants[p];
  }
  return nullptr;
}

// A field as a text: the readers terminate every field, but a code that fills its field
// must not run into the next one.
template <std::size_t N>
void CopyField(char (&dst)[N], const char* src, std::size_t srcSize) {
  std::size_t n = 0;
  while (n + 1 < N && n < srcSize && src[n] != '\0') {
    dst[n] = src[n];
    ++n;
  }
  platform::ZeroBytes(dst + n, N - n);
}

template <typename Row, std::size_t N, std::size_t M>
void CopyByName(Row rows[kMaxParticipants], char (Row::*rowField)[N],
                const ParticipantRecord participants[kMaxParticipants],
                char (ParticipantRecord::*participantField)[M]) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    const ParticipantRecord* p = LastParticipantNamed(rows[i].name, participants);
    if (p) CopyField(rows[i].*rowField, p->*participantField, M);
  }
}

}  // namespace

int CheckFrequencyConflicts(const StageEntry entries[kMaxParticipants],
                            const ParticipantRecord participants[kMaxParticipants], int initial) {
  // How many stage entries carry each participant's name: a participant's code counts once
  // for every entry of his name.
  static int entriesNamed[kMaxParticipants];
  for (int p = 0; p < kMaxParticipants; ++p) {
    entriesNamed[p] = 0;
    for (int f = 0; f < kMaxParticipants; ++f) {
      if (SameName(entries[f].name, participants[p].name)) ++entriesNamed[p];
    }
  }
  constexpr std::size_t kCodeSize = sizeof participants[0].frequencies[0];
  char code[kCodeSize] = {};
  int result = initial;
  for (int e = 0; e < kMaxParticipants; ++e) {
    // An entry that matches no participant keeps the code of the entry before it.
    const ParticipantRecord* own = LastParticipantNamed(entries[e].name, participants);
    if (own) CopyField(code, own->frequencies[0], kCodeSize);
    if (code[0] == '\0' || std::strcmp(code, kSpreadSpectrumFrequency) == 0) continue;
    int sharing = 0;
    for (int p = 0; p < kMaxParticipants; ++p) {
      if (std::strncmp(participants[p].frequencies[0], code, kCodeSize) == 0) sharing += entriesNamed[p];
    }
    if (sharing >= 2) result = 1;
  }
  return result;
}

void CopyCarNumbersToDisplayRows(StageDisplayRow rows[kMaxParticipants],
                                 const ParticipantRecord participants[kMaxParticipants]) {
  CopyByName(rows, &StageDisplayRow::carNumber, participants, &ParticipantRecord::carNumber);
}

void CopyCarCategoriesToDisplayRows(StageDisplayRow rows[kMaxParticipants],
                                    const ParticipantRecord participants[kMaxParticipants]) {
  CopyByName(rows, &StageDisplayRow::category, participants, &ParticipantRecord::carCategory);
}

void CopyTeamsToDisplayRows(StageDisplayRow rows[kMaxParticipants],
                            const ParticipantRecord participants[kMaxParticipants]) {
  CopyByName(rows, &StageDisplayRow::team, participants, &ParticipantRecord::team);
}

void CopyTranspondersToStageEntries(StageEntry entries[kMaxParticipants],
                                    const ParticipantRecord participants[kMaxParticipants]) {
  CopyByName(entries, &StageEntry::transponder, participants, &ParticipantRecord::transponder);
}
