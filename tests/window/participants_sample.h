// The event and the participants that the print and publication tests show.
#pragma once

#include <cstdio>
#include <string>

#include "platform/bounded.h"
#include "race/event_records.h"
#include "setup/start_order_model.h"

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

// A start order of three entries of Club Cup (rally 1) with every column filled, under the
// sample track details of the event Spring Trophy.
inline void FillSampleStartOrder(StartOrderDialogData* data) {
  platform::ZeroBytes(data, sizeof *data);
  data->rallyCount = 1;
  data->rally = 1;
  platform::CopyBounded(data->rallies[0].name, "Club Cup");
  data->rallies[0].participantCount = 3;
  data->track = SampleTrack();
  platform::CopyBounded(data->track.eventName, "Spring Trophy");
  platform::CopyBounded(data->logoPath, "images/trophee.bmp");
  const Entry entries[] = {{"Anne Moreau", "7", "J", "FRA", "Falcon GT8", "1/8 Buggy"},
                           {"Luis Ortega", "112", "S", "ESP", "Raptor 4", "1/10 Truck"},
                           {"Piet Janssens", "48", "S", "BEL", "Falcon GT8", "1/8 Buggy"}};
  for (int i = 0; i < 3; ++i) {
    ParticipantRecord& entry = data->order[i];
    Fill(&entry, entries[i]);
    std::snprintf(entry.transponder, sizeof entry.transponder, "0231%02d", i + 1);
    platform::CopyBounded(entry.frequencies[0], i == 1 ? "2.4Ghz" : "27.145");
    platform::CopyBounded(entry.frequencies[1], "40.665");
  }
}

}  // namespace participantstest
