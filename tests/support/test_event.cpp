#include "tests/support/test_event.h"

#include <cstdio>
#include <cstring>

#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"

namespace testsupport {
namespace {

bool WriteSection(const char* key, int pairs, const SectionBody& body) {
  char title[kSectionTitleSize];
  FormatSectionTitle(title, key, 1);
  platform::TextFile file(kRallyFilePath, "r+");
  return WriteRallySection(nullptr, file, title, pairs, body, Text::RallyFileNotFound);
}

}  // namespace

bool WriteTestEvent(const TestEvent& event) {
  static ParticipantRecord people[kMaxParticipants];
  static char order[kMaxParticipants][kDriverNameSize];
  std::memset(people, 0, sizeof people);
  std::memset(order, 0, sizeof order);
  for (int i = 0; i < event.driverCount && i < kMaxParticipants; ++i) {
    platform::CopyBounded(people[i].name, event.drivers[i]);
    platform::CopyBounded(people[i].team, "Club");
    std::snprintf(people[i].carNumber, sizeof people[i].carNumber, "%d", event.firstCarNumber + i);
    std::snprintf(people[i].transponder, sizeof people[i].transponder, event.transponderFormat,
                  event.firstTransponder + i);
    platform::CopyBounded(order[i], event.drivers[i]);
  }
  SectionBody participants, start, parameters, type;
  AddParticipantsBody(participants, people);
  AddStartOrderBody(start, 0, kDefaultStartOrderLabel, order);
  const int values[3] = {event.interval, event.rest, event.minimumLapTime};
  AddNumbersLine(parameters, values, 3);
  AddNumbersLine(type, &event.startType, 1);
  bool ok = WriteSection(kParticipantsKey, 18220, participants) && WriteSection(kStartOrderKey, 4000, start) &&
            WriteSection(kRallyParametersKey, 10, parameters) && WriteSection(kStartTypeKey, 10, type);
  RallyRecord rallies[kMaxRallies] = {};
  platform::CopyBounded(rallies[0].name, event.rallyName);
  rallies[0].participantCount = event.driverCount;
  rallies[0].stageCount = event.stageCount;
  return WriteRallyFileHeader(nullptr, 10000, 1, rallies) && ok;
}

}  // namespace testsupport
