#include "setup/penalty_dialog_model.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "race/database_layout.h"
#include "race/time_format.h"
#include "setup/database_dialog_model.h"

namespace {

constexpr int kMaxPenaltyNumber = 99;
constexpr std::size_t kPenaltyNameLength = 18;
constexpr std::size_t kPenaltyDescriptionLength = 198;

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

void ShowWarning(platform::WindowHandle owner, const std::string& text) {
  platform::ShowMessage(owner, text.c_str(), Tr(Text::CaptionBeCareful), platform::kMbOk | platform::kMbIconWarning);
}

void CopyFieldText(char* field, std::size_t length, const char* text) {
  std::size_t n = 0;
  for (; n < length && text[n] != '\0'; ++n) field[n] = text[n] == '\t' ? ' ' : text[n];
  field[n] = '\0';
}

void EnsureDialogFixedPenalties(PenaltyRecord list[kMaxPenalties], FixedPenaltiesMoment moment) {
  if (ActiveProfile().lateStartPenalty) {
    EnsureFixedPenalties(list, moment);
    return;
  }
  platform::CopyBounded(list[kAbandonPenalty].code, "A");
  platform::CopyBounded(list[kAbandonPenalty].name, Tr(Text::PenaltyAbandonName));
}

// The delay of the minutes and seconds shown; the minutes that a damaged settings file gave
// may be far beyond what the edit takes.
int DelaySeconds(const PenaltyDialogModel& model) {
  return ClampToTime(std::int64_t{model.minutes} * 60 + model.seconds);
}

}  // namespace

PenaltyDialogModel& PenaltyDialogMemory() {
  static PenaltyDialogModel model = {};
  return model;
}

int FixedPenaltyCount() { return ActiveProfile().lateStartPenalty ? 2 : 1; }

bool IsLateStartRecord(int i) { return i == kLateStartPenalty && ActiveProfile().lateStartPenalty; }

void OpenPenaltyModel(platform::WindowHandle owner, PenaltyDialogModel* model) {
  ClearPenaltyList(model->list);
  SetAbandonPenaltyDefaults(&model->list[kAbandonPenalty]);
  model->lateStart.enabled = 0;
  model->lateStart.criticalDelaySeconds = 60;
  ReadCounts counts;
  if (!ReadPenaltiesDatabase(model->list, &counts)) {
    ShowError(owner, Text::PenaltyDialogDatabaseNotFound);
  } else if (counts.beyondCapacity > 0) {
    // Said now, before "Ok" writes the database back without them.
    ShowWarning(owner, dbdialog::BeyondCapacityText(kPenaltiesDatabaseFile, counts.beyondCapacity, kMaxPenalties));
  }
  if (ActiveProfile().lateStartPenalty && !ReadLateStartPenaltySettings(&model->lateStart)) {
    ShowError(owner, Text::PenaltyDialogSettingsNotFound);
  }
  EnsureDialogFixedPenalties(model->list, FixedPenaltiesMoment::Opening);
  // Both parts are set before an edit can recompute the delay from them.
  model->minutes = model->lateStart.criticalDelaySeconds / 60;
  model->seconds = model->lateStart.criticalDelaySeconds % 60;
}

void PenaltyHeader(const PenaltyRecord list[kMaxPenalties], int i, char* text, std::size_t size) {
  if (i == kAbandonPenalty) {
    platform::CopyBounded(text, size, Tr(Text::PenaltiesAbandonHeader));
  } else {
    std::snprintf(text, size, "%s%s", Tr(Text::PenaltiesPenaltyHeader), list[i].code);
  }
}

int CreatePenalty(PenaltyDialogModel* model) {
  int n = DefinedPenaltyCount(model->list);
  if (n >= kMaxPenalties) return -1;
  int number = 1;
  if (n > FixedPenaltyCount()) {
    // Codes are never renumbered: the new one follows the last code of the list.
    const char* code = model->list[n - 1].code;
    char digits[3] = {};
    if (code[0] != '\0') platform::CopyBounded(digits, code + 1);
    number = std::atoi(digits) + 1;
  }
  if (number > kMaxPenaltyNumber) return -1;
  if (number < 1) number = 1;
  char newCode[16];
  std::snprintf(newCode, sizeof newCode, "P%d", number);
  ClearPenaltyRecord(&model->list[n]);
  platform::CopyBounded(model->list[n].code, newCode);
  return n;
}

bool RemovePenalty(PenaltyDialogModel* model, int i) {
  int n = DefinedPenaltyCount(model->list);
  if (i < FixedPenaltyCount() || i >= n) return false;
  for (int k = i; k + 1 < n; ++k) model->list[k] = model->list[k + 1];
  ClearPenaltyRecord(&model->list[n - 1]);
  return true;
}

bool IsPenaltyCode(const char* code) {
  if (std::strcmp(code, "A") == 0 || std::strcmp(code, "PS") == 0) return true;
  if (code[0] != 'P' || code[1] < '0' || code[1] > '9') return false;
  if (code[2] != '\0' && (code[2] < '0' || code[2] > '9')) return false;
  int number = std::atoi(code + 1);
  return number >= 1 && number <= kMaxPenaltyNumber;
}

int KeepReadablePenalties(PenaltyRecord list[kMaxPenalties], int readRecords, dbdialog::ImportReport* report) {
  int kept = 0;
  for (int i = 0; i < readRecords && i < kMaxPenalties; ++i) {
    const char* code = list[i].code;
    bool refused = code[0] == '\0' || !IsPenaltyCode(code);
    for (int k = 0; k < kept && !refused; ++k) refused = std::strcmp(list[k].code, code) == 0;
    if (code[0] == '\0') {
      ++report->withoutKey;
    } else if (refused) {
      ++report->refused;
    }
    if (refused) continue;
    if (kept != i) list[kept] = list[i];
    ++kept;
  }
  for (int i = kept; i < kMaxPenalties; ++i) ClearPenaltyRecord(&list[i]);
  return kept;
}

bool ImportPenalties(platform::WindowHandle owner, PenaltyDialogModel* model, const char* path) {
  static PenaltyRecord imported[kMaxPenalties];
  ClearPenaltyList(imported);
  ReadCounts counts;
  if (!ImportPenaltiesDatabase(path, imported, &counts)) {
    ShowError(owner, Text::PenaltyDialogImportNotFound);
    return false;
  }
  dbdialog::ImportReport report;
  report.beyondCapacity = counts.beyondCapacity;
  report.fieldsCut = counts.fieldsCut;
  report.taken = KeepReadablePenalties(imported, counts.records, &report);
  if (report.taken == 0) {
    // A file chosen by mistake must not empty the list that "Ok" would then write.
    ShowWarning(owner, Tr(Text::DbImportNothingReadable));
    return false;
  }
  // A file that does not begin with the abandon gets the default one in front of it, so that
  // an abandoned driver is never ranked on his raw time; an abandon without a description
  // keeps the default one.
  if (std::strcmp(imported[kAbandonPenalty].code, "A") != 0) {
    for (int k = kMaxPenalties - 1; k > kAbandonPenalty; --k) imported[k] = imported[k - 1];
    SetAbandonPenaltyDefaults(&imported[kAbandonPenalty]);
  } else if (imported[kAbandonPenalty].description[0] == '\0') {
    platform::CopyBounded(imported[kAbandonPenalty].description, Tr(Text::PenaltyAbandonDescription));
  }
  EnsureDialogFixedPenalties(imported, FixedPenaltiesMoment::AfterImport);
  std::memcpy(model->list, imported, sizeof imported);
  if (report.LeftSomethingOut()) ShowWarning(owner, dbdialog::ImportReportText(report, kMaxPenalties));
  return true;
}

bool ExportPath(const char* chosen, const char* proposed, char* path, std::size_t size) {
  if (std::strcmp(chosen, proposed) == 0) return false;
  return platform::NameWithExtension(chosen, kPenaltiesExportExtension, path, size);
}

bool ExportPenalties(platform::WindowHandle owner, const PenaltyDialogModel& model, const char* path) {
  if (!ExportPenaltiesDatabase(path, model.list, DefinedPenaltyCount(model.list))) {
    ShowError(owner, Text::PenaltyDialogExportNotFound);
    return false;
  }
  return true;
}

void SavePenaltyModel(platform::WindowHandle owner, const PenaltyDialogModel& model) {
  if (!WritePenaltiesDatabase(model.list, DefinedPenaltyCount(model.list))) {
    ShowError(owner, Text::PenaltyDialogDatabaseNotFound);
  }
  if (ActiveProfile().lateStartPenalty && !WriteLateStartPenaltySettings(model.lateStart, 1)) {
    ShowError(owner, Text::PenaltyDialogSettingsNotFound);
  }
}

void SetPenaltyName(PenaltyRecord* record, const char* text) {
  CopyFieldText(record->name, kPenaltyNameLength, text);
}

void SetPenaltyDescription(PenaltyRecord* record, const char* text) {
  CopyFieldText(record->description, kPenaltyDescriptionLength, text);
}

void SetPenaltyDuration(PenaltyRecord* record, const char* text) {
  int value = 0;
  for (int n = 0; n < 4 && text[n] >= '0' && text[n] <= '9'; ++n) value = value * 10 + (text[n] - '0');
  record->duration = value;
}

void SetLateStartEnabled(PenaltyDialogModel* model, bool on) {
  model->lateStart.enabled = on ? 1 : 0;
  model->lateStart.enabled2 = on ? 1 : 0;
}

int SetDelayMinutes(PenaltyDialogModel* model, int minutes) {
  model->minutes = minutes;
  model->lateStart.criticalDelaySeconds = DelaySeconds(*model);
  return model->minutes;
}

int SetDelaySeconds(PenaltyDialogModel* model, int seconds) {
  model->seconds = seconds > 59 ? 59 : seconds;
  model->lateStart.criticalDelaySeconds = DelaySeconds(*model);
  return model->seconds;
}
