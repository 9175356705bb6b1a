#include "setup/race_parameters_model.h"

#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/event_file.h"

namespace {

bool FindRallyParameterSection(platform::TextFile& file, const char* key, int rally, int* firstByte) {
  char title[kSectionTitleSize];
  char line[kSectionTitleSize];
  FormatSectionTitle(title, key, rally);
  *firstByte = FindRallySection(file, line, title);
  return std::strcmp(line, title) == 0;
}

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

}  // namespace

void ReadRallyParameterSections(platform::TextFile& file, int rally, RallyParameters* parameters) {
  int first = 0;
  if (FindRallyParameterSection(file, kRallyParametersKey, rally, &first)) {
    ReadRallyParametersSection(file, first, parameters);
  }
  if (ActiveProfile().startTypes && FindRallyParameterSection(file, kStartTypeKey, rally, &first)) {
    ReadNumbersSection(file, first, &parameters->startType, 1);
  }
  ClampRallyParameters(parameters);
}

RaceParametersDialogData LoadRaceParameters(platform::WindowHandle owner) {
  RaceParametersDialogData data = {};
  data.parameters = RallyParameters{};
  RallyRecord rallies[kMaxRallies];
  if (!ReadRallyFileHeader(&data.selectedNode, &data.rallyCount, rallies)) {
    ShowError(owner, Text::RaceParametersFileNotFound);
    return data;
  }
  int rally = EditedRally(data);
  if (rally == 0) return data;
  platform::CopyBounded(data.rallyName, rallies[rally - 1].name);
  platform::TextFile file(kRallyFilePath, "r+");
  if (file) ReadRallyParameterSections(file, rally, &data.parameters);
  return data;
}

int EditedRally(const RaceParametersDialogData& data) {
  int rally = RallyOfNode(data.selectedNode);
  return rally >= 1 && rally <= data.rallyCount ? rally : 0;
}

bool SaveRaceParameters(platform::WindowHandle owner, const RaceParametersDialogData& data) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RaceParametersFileNotFound);
    return false;
  }
  int rally = EditedRally(data);
  if (rally == 0) return false;
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kRallyParametersKey, rally);
  const RallyParameters& p = data.parameters;
  const int values[3] = {p.startInterval, p.rest, p.minimumLapTime};
  SectionBody body;
  AddNumbersLine(body, values, 3);
  bool written = WriteRallySection(owner, file, title, kRallyParametersReserve, body,
                                   Text::RaceParametersTitleNotFound);
  if (!ActiveProfile().startTypes) return written;
  FormatSectionTitle(title, kStartTypeKey, rally);
  SectionBody startType;
  AddNumbersLine(startType, &p.startType, 1);
  return WriteRallySection(owner, file, title, kStartTypeReserve, startType, Text::RaceParametersTitle2NotFound) &&
         written;
}

