#include "setup/track_details_model.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"

namespace {

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

std::string Key(const ClubRecord& club) { return std::string(club.key, strnlen(club.key, sizeof club.key)); }

bool SameIgnoringCase(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

void LoadTrackDetails(platform::WindowHandle owner, TrackDetailsDialogData* data) {
  platform::ZeroBytes(&data->track, sizeof data->track);
  data->international = 0;
  ClearClubsTable(&data->clubs);
  if (!ReadClubsDatabase(&data->clubs)) {
    ClearClubsTable(&data->clubs);
    ShowError(owner, Text::DbClubsMissing);
  }
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file) {
      ShowError(owner, Text::RallyFileNotFound);
    } else {
      int first = 0;
      if (FindTitledSection(file, kTrackKey, &first)) {
        ReadTrackSection(file, first, &data->track);
        data->international = StripInternationalPrefix(&data->track) ? 1 : 0;
      }
    }
  }
  KeepListedHostingClub(data->clubs, data->track.hostingClub);
}

int ListedClubCount(const ClubsTable& clubs) {
  int count = 0;
  while (count < kMaxClubs && clubs[static_cast<std::size_t>(count)].key[0] != '\0') ++count;
  return count;
}

void KeepListedHostingClub(const ClubsTable& clubs, char (&hostingClub)[sizeof TrackDetails::hostingClub]) {
  const int count = ListedClubCount(clubs);
  for (int i = 0; i < count; ++i) {
    if (Key(clubs[static_cast<std::size_t>(i)]) == hostingClub) return;
  }
  platform::ZeroBytes(hostingClub, sizeof hostingClub);
}

int HostingClubSelection(const ClubsTable& clubs, const char* hostingClub) {
  if (hostingClub[0] == '\0') return -1;
  const int count = ListedClubCount(clubs);
  for (int i = 0; i < count; ++i) {
    if (SameIgnoringCase(Key(clubs[static_cast<std::size_t>(i)]), hostingClub)) return i;
  }
  return -1;
}

bool EventNameRefused(const char* name) {
  return std::strcmp(name, kTrackKey) == 0 || std::strstr(name, "CourseRallye") != nullptr;
}

void StoredEventName(const TrackDetails& track, int international,
                     char (&stored)[sizeof TrackDetails::eventName]) {
  platform::ZeroBytes(stored, sizeof stored);
  // A name read from a file may fill its field: with the prefix it is cut, never overrun.
  std::snprintf(stored, sizeof stored, "%s%.*s", international == 1 ? kInternationalPrefix : "",
                static_cast<int>(sizeof track.eventName), track.eventName);
}

bool SaveTrackDetails(platform::WindowHandle owner, const TrackDetailsDialogData& data) {
  TrackDetails stored = data.track;
  StoredEventName(data.track, data.international, stored.eventName);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RallyFileNotFound);
    return false;
  }
  SectionBody body;
  AddTrackBody(body, stored);
  return WriteRallySection(owner, file, kTrackKey, kTrackReserve, body, Text::TrackTitleNotFound);
}
