#include "setup/driver_penalty_model.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/event_records.h"
#include "race/penalty_database.h"


namespace {

void Error(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

void SetAbandon(PenaltyRecord* record) {
  platform::CopyBounded(record->code, "A");
  platform::CopyBounded(record->name, Tr(Text::PenaltyAbandonName));
}

}  // namespace

void LoadDriverPenaltyList(platform::WindowHandle owner, PenaltyRecord list[kMaxPenalties]) {
  ClearPenaltyList(list);
  SetAbandon(&list[0]);
  platform::CopyBounded(list[0].description, Tr(Text::DriverPenaltyAbandonDescription));
  list[0].duration = kAbandonDefaultDuration;
  list[0].kind = 1;
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    Error(owner, Text::RallyFileNotFound);
  } else {
    char line[kSectionTitleSize];
    int first = FindRallySection(file, line, kPenaltiesKey);
    if (std::strcmp(line, kPenaltiesKey) == 0) {
      ClearPenaltyList(list);
      int flag = 0;
      ReadPenaltiesSection(file, first, list, &flag);
    } else {
      Error(owner, Text::PenaltiesTitleNotFound);
    }
  }
  SetAbandon(&list[0]);
}

const PenaltyRecord* PenaltyOfState(int state, const PenaltyRecord list[kMaxPenalties]) {
  int index = PenaltyIndexOfState(state);
  if (index < 0 || index >= DefinedPenaltyCount(list)) return nullptr;
  return &list[index];
}

int OpeningPenaltyItem(int state, const PenaltyRecord list[kMaxPenalties]) {
  return PenaltyOfState(state, list) ? state - kEntryFinished : 0;
}

void ApplyPenaltyItem(StageEntry* entry, int item) {
  if (item < 0 || item > kMaxPenalties) return;
  if (item == 0) {
    // "No penalty" takes a penalty away; it must not finish a driver who has not run.
    if (entry->state < kEntryFinished) return;
    entry->state = kEntryFinished;
  } else {
    entry->state = kEntryFinished + item;
  }
  entry->firstTime = kRedetectionQuestionOff;
}

void PenaltyEffectText(const PenaltyRecord& record, char* text, int size) {
  if (size <= 0) return;
  text[0] = '\0';
  Text format;
  switch (record.kind) {
    case 1:
      format = Text::DriverPenaltyGross;
      break;
    case 2:
      format = Text::DriverPenaltyAdded;
      break;
    case 3:
      format = Text::DriverPenaltyAfterWinner;
      break;
    case 4:
      format = Text::DriverPenaltyAfterLast;
      break;
    default:
      return;
  }
  std::snprintf(text, static_cast<std::size_t>(size), Tr(format), record.duration);
}
