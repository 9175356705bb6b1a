#include "setup/penalty_dialog_model.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"

namespace {

constexpr int kMaxPenaltyNumber = 99;
constexpr std::size_t kPenaltyNameLength = 18;
constexpr std::size_t kPenaltyDescriptionLength = 198;

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
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

}  // namespace

PenaltyDialogModel& PenaltyDialogMemory() {
  static PenaltyDialogModel model = {};
  return model;
}

int FixedPenaltyCount() { return ActiveProfile().lateStartPenalty ? 2 : 1; }

int PenaltyCount(const PenaltyRecord list[kMaxPenalties]) {
  int n = 0;
  while (n < kMaxPenalties && list[n].code[0] != '\0') ++n;
  return n;
}

bool IsLateStartRecord(int i) { return i == kLateStartPenalty && ActiveProfile().lateStartPenalty; }

void OpenPenaltyModel(platform::WindowHandle owner, PenaltyDialogModel* model) {
  ClearPenaltyList(model->list);
  SetAbandonPenaltyDefaults(&model->list[kAbandonPenalty]);
  model->lateStart.enabled = 0;
  model->lateStart.criticalDelaySeconds = 60;
  if (!ReadPenaltiesDatabase(model->list)) ShowError(owner, Text::PenaltyDialogDatabaseNotFound);
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
  int n = PenaltyCount(model->list);
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
  int n = PenaltyCount(model->list);
  if (i < FixedPenaltyCount() || i >= n) return false;
  for (int k = i; k + 1 < n; ++k) model->list[k] = model->list[k + 1];
  ClearPenaltyRecord(&model->list[n - 1]);
  return true;
}

bool ImportPenalties(platform::WindowHandle owner, PenaltyDialogModel* model, const char* path) {
  static PenaltyRecord imported[kMaxPenalties];
  ClearPenaltyList(imported);
  SetAbandonPenaltyDefaults(&imported[kAbandonPenalty]);
  if (!ImportPenaltiesDatabase(path, imported)) {
    ShowError(owner, Text::PenaltyDialogImportNotFound);
    return false;
  }
  // A file that does not begin with the abandon gets the default one in front of it, so that
  // an abandoned driver is never ranked on his raw time.
  if (std::strcmp(imported[kAbandonPenalty].code, "A") != 0) {
    for (int k = kMaxPenalties - 1; k > kAbandonPenalty; --k) imported[k] = imported[k - 1];
    SetAbandonPenaltyDefaults(&imported[kAbandonPenalty]);
  }
  EnsureDialogFixedPenalties(imported, FixedPenaltiesMoment::AfterImport);
  std::memcpy(model->list, imported, sizeof imported);
  return true;
}

bool ExportPath(const char* chosen, const char* proposed, char* path, std::size_t size) {
  if (std::strcmp(chosen, proposed) == 0) return false;
  const char* extension = std::strstr(chosen, kPenaltiesExportExtension) ? "" : kPenaltiesExportExtension;
  int n = std::snprintf(path, size, "%s%s", chosen, extension);
  return n > 0 && static_cast<std::size_t>(n) < size;
}

bool ExportPenalties(platform::WindowHandle owner, const PenaltyDialogModel& model, const char* path) {
  if (!ExportPenaltiesDatabase(path, model.list, PenaltyCount(model.list))) {
    ShowError(owner, Text::PenaltyDialogExportNotFound);
    return false;
  }
  return true;
}

void SavePenaltyModel(platform::WindowHandle owner, const PenaltyDialogModel& model) {
  if (!WritePenaltiesDatabase(model.list, PenaltyCount(model.list))) {
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
  model->lateStart.criticalDelaySeconds = model->minutes * 60 + model->seconds;
  return model->minutes;
}

int SetDelaySeconds(PenaltyDialogModel* model, int seconds) {
  model->seconds = seconds > 59 ? 59 : seconds;
  model->lateStart.criticalDelaySeconds = model->minutes * 60 + model->seconds;
  return model->seconds;
}
