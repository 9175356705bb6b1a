#include "results/championship_window_model.h"

#include <cstring>

#include "platform/bounded.h"
#include "platform/files.h"
#include "results/championship_files.h"

void OpenChampionshipWindow(ChampionshipWindowData* data) {
  platform::ZeroBytes(data->selectedName, sizeof data->selectedName);
  SetDefaultPointsScales(&data->shown);
  SetDefaultPointsScales(&data->fromFile);
  data->itemCount = 0;
  data->current = -1;
  ReadPointsAllocationFile(data->selectedName, &data->fromFile);
}

void TakeChampionshipItems(ChampionshipWindowData* data, const std::vector<std::string>& names) {
  data->itemCount = static_cast<int>(names.size() < data->shown.size() ? names.size() : data->shown.size());
  for (int i = 0; i < data->itemCount; ++i) {
    PointsAllocation& scale = data->shown[static_cast<std::size_t>(i)];
    platform::ZeroBytes(scale.name, sizeof scale.name);
    platform::CopyBounded(scale.name, names[static_cast<std::size_t>(i)].c_str());
    if (scale.name[0] == '\0') continue;
    for (const PointsAllocation& line : data->fromFile) {
      if (std::strncmp(line.name, scale.name, sizeof scale.name) != 0) continue;
      scale.order = line.order;
      scale.rallyMode = line.rallyMode;
      scale.powerStageMode = line.powerStageMode;
      std::memcpy(scale.rally, line.rally, sizeof scale.rally);
      std::memcpy(scale.powerStage, line.powerStage, sizeof scale.powerStage);
    }
  }
}

void SelectChampionship(ChampionshipWindowData* data, int index) {
  platform::ZeroBytes(data->selectedName, sizeof data->selectedName);
  if (index < 0 || index >= data->itemCount) {
    data->current = -1;
    return;
  }
  data->current = index;
  platform::CopyBounded(data->selectedName, data->shown[static_cast<std::size_t>(index)].name);
}

const PointsAllocation& ShownScale(const ChampionshipWindowData& data) {
  return data.shown[static_cast<std::size_t>(data.current >= 0 ? data.current : 0)];
}

int ScaleValue(const PointsAllocation& scale, int edit) {
  if (edit < 0 || edit >= kScaleEditCount) return 0;
  return edit < kRallyScaleValues ? scale.rally[edit] : scale.powerStage[edit - kRallyScaleValues];
}

int ScaleEditDigits(int edit) { return ScaleValueDigits(edit < kRallyScaleValues ? edit : edit - kRallyScaleValues); }

void StoreScaleEdit(ChampionshipWindowData* data, int edit, const char* text) {
  if (data->current < 0 || edit < 0 || edit >= kScaleEditCount) return;
  int value = 0;
  for (const char* p = text; *p >= '0' && *p <= '9' && value < 100000; ++p) value = value * 10 + (*p - '0');
  PointsAllocation& scale = data->shown[static_cast<std::size_t>(data->current)];
  (edit < kRallyScaleValues ? scale.rally[edit] : scale.powerStage[edit - kRallyScaleValues]) = value;
}

void StoreScaleChoice(ChampionshipWindowData* data, ScaleChoice choice) {
  if (data->current < 0) return;
  PointsAllocation& scale = data->shown[static_cast<std::size_t>(data->current)];
  switch (choice) {
    case ScaleChoice::Ascending: scale.order = kPointsAscending; break;
    case ScaleChoice::Descending: scale.order = kPointsDescending; break;
    case ScaleChoice::RallyFixed: scale.rallyMode = kPointsFixed; break;
    case ScaleChoice::RallyRelative: scale.rallyMode = kPointsRelative; break;
    case ScaleChoice::PowerStageFixed: scale.powerStageMode = kPointsFixed; break;
    case ScaleChoice::PowerStageRelative: scale.powerStageMode = kPointsRelative; break;
  }
}

RecordOutcome RecordChampionshipScales(const ChampionshipWindowData& data) {
  if (data.itemCount <= 0) return RecordOutcome::NothingListed;
  platform::CreateFolder(kChampionshipsFolder);
  return WritePointsAllocationFile(data.selectedName, data.shown, data.itemCount) ? RecordOutcome::Written
                                                                                  : RecordOutcome::NotWritten;
}

const char* OpenableChampionship(const ChampionshipWindowData& data) {
  return IsPlainChampionshipName(data.selectedName) ? data.selectedName : "";
}
