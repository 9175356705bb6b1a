#include "race/setup_follow_ups.h"

#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/event_session.h"
#include "race/participant_fields.h"
#include "results/web_publishing.h"

namespace {

void Error(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

const DriverSummary* DriverNamed(const DriverSummariesTable& drivers, const char* name) {
  for (const DriverSummary& driver : drivers) {
    if (std::strncmp(driver.name, name, sizeof driver.name) == 0) return &driver;
  }
  return nullptr;
}

// The rally's participants take their teams again; false when the rally has no section.
bool RefreshRallyTeams(platform::WindowHandle owner, platform::TextFile& file, const MainState& state, int rally,
                       ParticipantRecord participants[kMaxParticipants]) {
  int first = 0;
  if (!FindRallySectionOf(file, kParticipantsKey, rally, &first)) return false;
  platform::ZeroBytes(participants, sizeof(ParticipantRecord) * kMaxParticipants);
  ReadParticipantsSection(file, first, participants);
  const int count = ClampParticipantCount(state.rallies[rally - 1].participantCount);
  for (int i = 0; i < count; ++i) {
    ParticipantRecord& p = participants[i];
    if (p.name[0] == '\0') continue;
    const DriverSummary* driver = DriverNamed(state.drivers, p.name);
    if (!driver) continue;
    platform::ZeroBytes(p.team, sizeof p.team);
    platform::CopyBounded(p.team, state.international ? CountryCodeOf(state.countries, driver->country) : driver->team);
  }
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kParticipantsKey, rally);
  SectionBody body;
  AddParticipantsBody(body, participants);
  return WriteRallySection(owner, file, title, kParticipantsReserve, body, Text::ParticipantsTitleNotFound,
                           MissingSection::Refuse);
}

}  // namespace

void RefreshTeamsAfterTrackDetails(platform::WindowHandle owner, MainState& state) {
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file) {
      Error(owner, Text::RallyFileNotFound);
      return;
    }
    int first = 0;
    state.international = 0;
    if (FindTitledSection(file, kTrackKey, &first)) {
      static TrackDetails track;
      ReadTrackSection(file, first, &track);
      PublishedEventName(track.eventName, &state.international);
    }
    static ParticipantRecord participants[kMaxParticipants];
    for (int rally = 1; rally <= state.rallyCount && rally <= kMaxRallies; ++rally) {
      RefreshRallyTeams(owner, file, state, rally, participants);
    }
    const int loadedRally = RallyOfNode(state.stage.code);
    if (state.stage.title[0] != '\0' && loadedRally >= 1 && loadedRally <= kMaxRallies &&
        FindRallySectionOf(file, kParticipantsKey, loadedRally, &first)) {
      platform::ZeroBytes(state.participants, sizeof state.participants);
      ReadParticipantsSection(file, first, state.participants);
    }
  }
  CopyTeamsToDisplayRows(state.display, state.participants);
}

bool ReloadAfterStartOrderDialog(platform::WindowHandle owner, MainState& state) {
  const int rallyBefore = RallyOfNode(state.selectedNode);
  const int stagesBefore =
      rallyBefore >= 1 && rallyBefore <= state.rallyCount ? state.rallies[rallyBefore - 1].stageCount : -1;
  ClearRallyList(state.rallies);
  if (!ReadRallyFileHeader(&state.selectedNode, &state.rallyCount, state.rallies)) Error(owner, Text::RallyFileNotFound);
  if (StageEntriesHaveResults(state.entries)) state.stage.hasResults = 1;
  const int rally = RallyOfNode(state.selectedNode);
  if (rally < 1 || rally > state.rallyCount) return false;
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    Error(owner, Text::RallyFileNotFound);
  } else {
    static StartOrder order;
    int first = 0;
    if (FindRallySectionOf(file, kStartOrderKey, rally, &first)) {
      ReadStartOrderSection(file, first, &order);
      platform::CopyBounded(state.startOrderLabel, order.label);
    } else {
      Error(owner, Text::StartOrderTitleNotFound);
    }
  }
  return rally != rallyBefore || state.rallies[rally - 1].stageCount != stagesBefore;
}
