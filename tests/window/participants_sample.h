// The event and the participants that the print and publication tests show.
#pragma once

#include <cstdio>
#include <string>

#include "platform/bounded.h"
#include "race/event_records.h"

namespace participantstest {

// The name of the driver i of a long list, long enough to fill its column.
inline std::string LongListDriverName(int i) {
  char name[40];
  std::snprintf(name, sizeof name, "DRIVER %02d Longname", i + 1);
  return name;
}

inline TrackDetails SampleTrack() {
  TrackDetails track = {};
  platform::CopyBounded(track.championship, "Alps Cup");
  platform::CopyBounded(track.location, "Annecy");
  platform::CopyBounded(track.date, "14/06/2025");
  platform::CopyBounded(track.raceDirector, "Marc Olivier");
  platform::CopyBounded(track.hostingClub, "RC Annecy");
  return track;
}

struct Entry {
  const char* name;
  const char* carNumber;
  const char* ageCode;
  const char* team;
  const char* car;
  const char* category;
};

inline void Fill(ParticipantRecord* p, const Entry& entry) {
  platform::CopyBounded(p->name, entry.name);
  platform::CopyBounded(p->carNumber, entry.carNumber);
  platform::CopyBounded(p->ageCategoryCode, entry.ageCode);
  platform::CopyBounded(p->team, entry.team);
  platform::CopyBounded(p->car, entry.car);
  platform::CopyBounded(p->carCategory, entry.category);
}

}  // namespace participantstest
