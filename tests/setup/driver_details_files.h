// The files the driver details dialog reads, written into the current (working) folder: a
// small cars, categories and frequencies database, the decoder link file, and an event of
// two participants whose header names one of them.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/files.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/interface_settings.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

namespace detailstest {

inline const char* const kDrivers[] = {"ALBERT Jean", "BRUNO Marc"};
// BRUNO's line as the test event writes it, and as these files give it.
inline const char* const kPlainLine = "BRUNO Marc\tClub\t\t12\t1002\t\t\t\t\t\t\t";
inline const char* const kFilledLine = "BRUNO Marc\tClub\tclio\t12\t001002\trally 2\t2.4ghz\t27.045\t\t\t\t";

inline void WriteReferenceFiles(const char* decoderName) {
  static CarsTable cars;
  ClearCarsTable(&cars);
  const char* const kCars[][2] = {{"Clio", "Rally 2"}, {"Alpine", "Touring"}, {"Lancia", "Group B"}};
  for (int i = 0; i < 3; ++i) {
    std::strcpy(cars[i].name, kCars[i][0]);
    std::strcpy(cars[i].category, kCars[i][1]);
  }
  ASSERT_TRUE(WriteCarsDatabase(kCarsDatabaseFile, cars, 3));
  static CarCategoriesTable categories = {};
  std::strcpy(categories[0].name, "Touring");
  std::strcpy(categories[1].name, "Rally 2");
  ASSERT_TRUE(WriteCarCategoriesDatabase(kCarCategoriesDatabaseFile, categories, 2));
  testsupport::WriteBytes(kFrequenciesDatabaseFile, "27.045\r\n40.665\r\n2.4Ghz\r\n");
  testsupport::WriteBytes(kInterfaceSettingsFile, std::string("COM19\t1\t") + decoderName + "\r\n");
}

// The event, with BRUNO Marc's car, category and two frequencies filled in lower case.
inline void WriteEvent(int headerCode) {
  platform::CreateFolder("Private");
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  testsupport::TestEvent event;
  event.drivers = kDrivers;
  event.driverCount = 2;
  ASSERT_TRUE(testsupport::WriteTestEvent(event));
  RallyRecord rallies[kMaxRallies] = {};
  std::strcpy(rallies[0].name, "RALLY 1");
  rallies[0].participantCount = 2;
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, headerCode, 1, rallies));
  std::string bytes = testsupport::ReadBytes(kRallyFilePath);
  std::size_t at = bytes.find(kPlainLine);
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, std::strlen(kPlainLine), kFilledLine);
  testsupport::WriteBytes(kRallyFilePath, bytes);
}

}  // namespace detailstest
