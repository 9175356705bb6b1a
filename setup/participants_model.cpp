#include "setup/participants_model.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/name_sort.h"
#include "race/settings_files.h"
#include "race/text_fields.h"
#include "setup/database_dialog_rules.h"

namespace {

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

bool SameName(const char* field, std::size_t width, const char* name) {
  return std::strncmp(field, name, width) == 0 && name[0] != '\0';
}

void ReadEventSections(platform::TextFile& file, ParticipantsDialogData* data) {
  int first = 0;
  if (FindTitledSection(file, kTrackKey, &first)) {
    ReadTrackSection(file, first, &data->track);
    data->international = StripInternationalPrefix(&data->track) ? 1 : 0;
  }
  if (data->rally == 0) return;
  if (FindRallySectionOf(file, kParticipantsKey, data->rally, &first)) {
    ReadParticipantsSection(file, first, data->participants);
  }
  if (FindRallySectionOf(file, kParticipantAgesKey, data->rally, &first)) {
    ReadParticipantAgesSection(file, first, data->participants);
  }
  RallyRecord& rally = data->rallies[data->rally - 1];
  if (FindRallySectionOf(file, kStartOrderKey, data->rally, &first)) {
    ReadStartOrderSection(file, first, &data->startOrder);
    rally.hasResults = data->startOrder.hasResults;
  } else {
    for (auto& name : data->startOrder.names) platform::CopyBounded(name, kEmptySlotName);
  }
  // A list written elsewhere may hold gaps: sorted, every name shows and a newcomer takes
  // the first empty record.
  SortParticipantsByName(data->participants);
}

// The team field of a driver as the rally keeps it.
void FillTeam(const ParticipantsDialogData& data, const DriverPickRecord& driver, char (&team)[15]) {
  platform::ZeroBytes(team, sizeof team);
  platform::CopyBounded(team, data.international ? CountryCodeOf(data.countries, driver.country) : driver.team);
}

// The start order without that name: the later places move up. A name that is not there
// leaves the order as it was.
void RemoveFromStartOrder(StartOrder* order, const char* name, int remaining) {
  int place = -1;
  for (int i = 0; i < kMaxParticipants; ++i) {
    if (SameName(order->names[i], kDriverNameSize, name)) place = i;
  }
  if (place < 0) return;
  if (place > remaining) {
    // Beyond the participants' places: only that place goes, the others keep theirs.
    platform::CopyBounded(order->names[place], kEmptySlotName);
    return;
  }
  for (int i = place; i < remaining; ++i) std::memcpy(order->names[i], order->names[i + 1], kDriverNameSize);
  platform::ZeroBytes(order->names[remaining], kDriverNameSize);
  platform::CopyBounded(order->names[remaining], kEmptySlotName);
}

bool IsParticipant(const ParticipantsDialogData& data, const char* name) {
  for (const ParticipantRecord& p : data.participants) {
    if (SameName(p.name, sizeof p.name, name)) return true;
  }
  return false;
}

}  // namespace

void ClearParticipantsData(ParticipantsDialogData* data) {
  platform::ZeroBytes(data, sizeof *data);
  for (AgeCategoryRecord& category : data->ageCategories) dbdialog::ClearAgeCategory(&category);
  platform::CopyBounded(data->startOrder.label, kDefaultStartOrderLabel);
}

void RefreshParticipantTeams(ParticipantsDialogData* data) {
  if (data->rally == 0) return;
  const int count = data->rallies[data->rally - 1].participantCount;
  for (int i = 0; i < count && i < kMaxParticipants; ++i) {
    ParticipantRecord& participant = data->participants[i];
    for (const DriverPickRecord& driver : data->drivers) {
      if (SameName(driver.name, sizeof driver.name, participant.name)) FillTeam(*data, driver, participant.team);
    }
  }
}

void LoadParticipantsData(platform::WindowHandle owner, ParticipantsDialogData* data, int currentMonths) {
  ClearParticipantsData(data);
  if (!ReadCountryNames(&data->countries)) ShowError(owner, Text::CountryNamesNotFound);
  if (!ReadCountryCodes(&data->countries)) ShowError(owner, Text::CountryCodesNotFound);
  if (!ReadCarsDatabase(&data->cars)) ShowError(owner, Text::DbCarsMissing);
  if (!ReadAgeCategoriesDatabase(&data->ageCategories)) ShowError(owner, Text::DbAgesMissing);
  if (!ReadDriversForParticipants(&data->drivers, currentMonths)) ShowError(owner, Text::DbDriversMissing);
  if (!ReadRallyFileHeader(&data->selectedNode, &data->rallyCount, data->rallies)) {
    ShowError(owner, Text::RallyFileNotFound);
  }
  data->rally = EventRallyOfNode(data->selectedNode, data->rallyCount);
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (file) {
      ReadEventSections(file, data);
    } else {
      ShowError(owner, Text::RallyFileNotFound);
    }
  }
  if (!ReadLogoPath(data->logoPath)) ShowError(owner, Text::DisplaySettingsNotFound);
  const char* rallyName = data->rally ? data->rallies[data->rally - 1].name : "";
  std::snprintf(data->title, sizeof data->title, "%s / %s", data->track.eventName, rallyName);
  RefreshParticipantTeams(data);
}

int ParticipantCount(const ParticipantsDialogData& data) {
  int count = 0;
  while (count < kMaxParticipants && data.participants[count].name[0] != '\0') ++count;
  return count;
}

bool ParticipantsEditable(const ParticipantsDialogData& data) {
  return data.rally != 0 && data.rallies[data.rally - 1].hasResults != 1;
}

bool TakeDriver(ParticipantsDialogData* data, int pickIndex) {
  if (!ParticipantsEditable(*data) || pickIndex < 0 || pickIndex >= kMaxDrivers) return false;
  const DriverPickRecord& driver = data->drivers[static_cast<std::size_t>(pickIndex)];
  if (driver.name[0] == '\0' || IsParticipant(*data, driver.name)) return false;
  const int count = ParticipantCount(*data);
  if (count >= kMaxParticipants) return false;
  ParticipantRecord& p = data->participants[count];
  platform::ZeroBytes(&p, sizeof p);
  platform::CopyBounded(p.name, driver.name);
  FillTeam(*data, driver, p.team);
  platform::CopyBounded(p.car, driver.car);
  platform::CopyBounded(p.carNumber, driver.carNumber);
  platform::CopyBounded(p.transponder, driver.transponder);
  if (const AgeCategoryRecord* age = dbdialog::AgeCategoryHolding(data->ageCategories, driver.birthdayMonths)) {
    platform::CopyBounded(p.ageCategoryCode, age->code);
    platform::CopyBounded(p.ageCategoryName, age->name);
  }
  if (const char* category = CategoryOfCar(data->cars, p.car)) platform::CopyBounded(p.carCategory, category);
  // The newcomer starts last.
  platform::CopyBounded(data->startOrder.names[count], p.name);
  SortParticipantsByName(data->participants);
  data->rallies[data->rally - 1].participantCount = count + 1;
  return true;
}

bool RemoveParticipant(ParticipantsDialogData* data, const char* name) {
  if (!ParticipantsEditable(*data) || !IsParticipant(*data, name)) return false;
  char removed[kDriverNameSize];
  platform::CopyBounded(removed, name);  // name may point into a record about to be cleared
  const int count = ParticipantCount(*data);
  for (ParticipantRecord& p : data->participants) {
    if (SameName(p.name, sizeof p.name, removed)) platform::ZeroBytes(&p, sizeof p);
  }
  SortParticipantsByName(data->participants);
  const int remaining = ParticipantCount(*data);
  RemoveFromStartOrder(&data->startOrder, removed, count - 1);
  data->rallies[data->rally - 1].participantCount = remaining;
  return true;
}

void AddParticipantsSectionBodies(const ParticipantsDialogData& data, SectionBody* participants, SectionBody* ages,
                                  SectionBody* startOrder) {
  AddParticipantsBody(*participants, data.participants);
  AddParticipantAgesBody(*ages, data.participants);
  const int hasResults = data.rally ? data.rallies[data.rally - 1].hasResults : 0;
  AddStartOrderBody(*startOrder, hasResults, data.startOrder.label, data.startOrder.names);
}

bool SaveParticipants(platform::WindowHandle owner, ParticipantsDialogData* data) {
  if (!ParticipantsEditable(*data)) return false;
  data->rallies[data->rally - 1].stageCount = 0;
  RewriteRallyFileHeader(owner, data->selectedNode, data->rallyCount, data->rallies);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RallyFileNotFound);
    return false;
  }
  SectionBody participants, ages, startOrder;
  AddParticipantsSectionBodies(*data, &participants, &ages, &startOrder);
  struct Section {
    const char* key;
    int reserve;
    const SectionBody& body;
    Text missing;
  };
  const Section sections[] = {
      {kParticipantsKey, kParticipantsReserve, participants, Text::ParticipantsListTitleNotFound},
      {kParticipantAgesKey, kParticipantAgesReserve, ages, Text::ParticipantAgesTitleNotFound},
      {kStartOrderKey, kStartOrderReserve, startOrder, Text::StartOrderTitleNotFound},
  };
  bool written = true;
  for (const Section& section : sections) {
    char title[kSectionTitleSize];
    FormatSectionTitle(title, section.key, data->rally);
    written = WriteRallySection(owner, file, title, section.reserve, section.body, section.missing) && written;
  }
  return written;
}
