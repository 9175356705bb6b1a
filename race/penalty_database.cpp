#include "race/penalty_database.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/database_layout.h"
#include "race/time_format.h"

namespace {

constexpr std::array<FieldLayout, 5> kPenaltyLayout = {
    IntAt(offsetof(PenaltyRecord, kind)), IntAt(offsetof(PenaltyRecord, duration)),
    TextAt(offsetof(PenaltyRecord, code), sizeof(PenaltyRecord::code)),
    TextAt(offsetof(PenaltyRecord, name), sizeof(PenaltyRecord::name)),
    MultiLineTextAt(offsetof(PenaltyRecord, description), sizeof(PenaltyRecord::description))};

void ClearPenaltyTexts(void* record) {
  auto* penalty = static_cast<PenaltyRecord*>(record);
  platform::ZeroBytes(penalty->code, sizeof penalty->code);
  platform::ZeroBytes(penalty->name, sizeof penalty->name);
  platform::ZeroBytes(penalty->description, sizeof penalty->description);
}

// Reads the integers of one line; a value the line does not hold keeps its previous value.
// False at the end of the file.
template <std::size_t N>
bool ReadIntLine(platform::TextFile& file, int* const (&values)[N]) {
  char line[128];
  if (!file.ReadLine(line, sizeof line)) return false;
  char* field = line;
  for (int* value : values) {
    char* tab = std::strchr(field, '\t');
    if (tab) *tab = '\0';
    ParseInt(field, value);
    if (!tab) break;
    field = tab + 1;
  }
  return true;
}

}  // namespace

void ClearPenaltyRecord(PenaltyRecord* record) {
  platform::ZeroBytes(record, sizeof *record);
  record->kind = kPenaltyAdded;
}

void ClearPenaltyList(PenaltyRecord list[kMaxPenalties]) {
  for (int i = 0; i < kMaxPenalties; ++i) ClearPenaltyRecord(&list[i]);
}

void SetAbandonPenaltyDefaults(PenaltyRecord* record) {
  ClearPenaltyRecord(record);
  platform::CopyBounded(record->code, "A");
  platform::CopyBounded(record->name, Tr(Text::PenaltyAbandonName));
  platform::CopyBounded(record->description, Tr(Text::PenaltyAbandonDescription));
  record->duration = kAbandonDefaultDuration;
  record->kind = kPenaltyGross;
}

bool ReadPenaltiesDatabase(PenaltyRecord list[kMaxPenalties], ReadCounts* counts) {
  return ReadRecordsFile(kPenaltiesDatabaseFile, list, sizeof(PenaltyRecord), kMaxPenalties,
                         kPenaltyLayout.data(), kPenaltyLayout.size(), ClearPenaltyTexts, counts);
}

bool ImportPenaltiesDatabase(const char* path, PenaltyRecord list[kMaxPenalties], ReadCounts* counts) {
  return ReadRecordsFile(path, list, sizeof(PenaltyRecord), kMaxPenalties, kPenaltyLayout.data(),
                         kPenaltyLayout.size(), nullptr, counts);
}

bool WritePenaltiesDatabase(const PenaltyRecord list[kMaxPenalties], int count) {
  return ExportPenaltiesDatabase(kPenaltiesDatabaseFile, list, count);
}

bool ExportPenaltiesDatabase(const char* path, const PenaltyRecord list[kMaxPenalties], int count) {
  return WriteRecordsFile(path, list, sizeof(PenaltyRecord), kMaxPenalties, count,
                          kPenaltyLayout.data(), kPenaltyLayout.size());
}

void EnsureFixedPenalties(PenaltyRecord list[kMaxPenalties], FixedPenaltiesMoment moment) {
  PenaltyRecord& lateStart = list[kLateStartPenalty];
  if (std::strncmp(lateStart.code, "PS", sizeof lateStart.code) != 0) {
    for (int i = kMaxPenalties - 1; i > kLateStartPenalty; --i) list[i] = list[i - 1];
    ClearPenaltyRecord(&lateStart);
    platform::CopyBounded(lateStart.description,
                          Tr(moment == FixedPenaltiesMoment::Opening
                                 ? Text::PenaltyLateStartDescription
                                 : Text::PenaltyLateStartImportedDescription));
    lateStart.duration = kLateStartDefaultDuration;
    lateStart.kind = kPenaltyAdded;
  }
  PenaltyRecord& abandon = list[kAbandonPenalty];
  platform::CopyBounded(abandon.code, "A");
  platform::CopyBounded(abandon.name, Tr(Text::PenaltyAbandonName));
  platform::CopyBounded(lateStart.code, "PS");
  platform::CopyBounded(lateStart.name, Tr(Text::PenaltyLateStartName));
}

bool ReadLateStartPenaltySettings(LateStartPenaltySettings* settings) {
  platform::TextFile file(kLateStartPenaltyFile, "r+");
  if (!file) return false;
  file.Rewind();
  int marker = 0;
  if (ReadIntLine(file, {&marker}) && marker == 1) {
    ReadIntLine(file, {&settings->enabled, &settings->enabled2, &settings->criticalDelaySeconds});
  }
  return true;
}

int LateStartLimitMs(const LateStartPenaltySettings& settings) {
  return ClampToTime(std::int64_t{settings.criticalDelaySeconds} * 1000);
}

bool WriteLateStartPenaltySettings(const LateStartPenaltySettings& settings, int marker) {
  platform::TextFile file(kLateStartPenaltyFile, "w+");
  if (!file) return false;
  bool ok = file.Printf("%d\t\n", marker) > 0;
  ok = file.Printf("%d\t%d\t%d\t\n", settings.enabled, settings.enabled2,
                   settings.criticalDelaySeconds) > 0 && ok;
  return file.Flush() && ok;
}
