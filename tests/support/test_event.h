// A small event written over the working event file, for the tests that load or time one.
#pragma once

#include "race/event_records.h"

namespace testsupport {

struct TestEvent {
  const char* rallyName = "RALLY 1";
  const char* const* drivers = nullptr;  // names in start order
  int driverCount = 0;
  int firstCarNumber = 11;
  int firstTransponder = 1001;
  const char* transponderFormat = "%d";
  int interval = 30;  // seconds between two starts
  int rest = 0;       // minutes between two special stages
  int minimumLapTime = 2;  // seconds between two accepted passes
  int startType = kStandardStart;
  int stageCount = 1;
};

// Writes the participants, start order, parameters, start type and header of rally 1 into
// the working event file of a created main window. False when a section or the header
// could not be written.
bool WriteTestEvent(const TestEvent& event);

}  // namespace testsupport
