// Writes the harnesses' seeds: the factory files of data/ and files made by the program's own
// writers, each in its harness's input form (a leading byte picks the reader where a harness
// has several).
//
//     fuzz_seeds SEEDS_FOLDER DATA_FOLDER
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/bounded.h"
#include "platform/files.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "race/decoder_protocol.h"
#include "race/event_file.h"
#include "race/event_records.h"
#include "race/interface_settings.h"
#include "race/penalty_database.h"
#include "race/settings_files.h"
#include "results/championship_classification.h"
#include "results/championship_files.h"
#include "results/championship_sponsors.h"
#include "results/ftp_upload.h"
#include "results/points_scale_file.h"
#include "results/web_publishing.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string seedsFolder;
std::string dataFolder;
int seedNumber = 0;

void Seed(const char* harness, const std::string& bytes) {
  std::filesystem::path folder = std::filesystem::path(seedsFolder) / harness;
  std::filesystem::create_directories(folder);
  char name[32];
  std::snprintf(name, sizeof name, "seed-%03d", ++seedNumber);
  std::FILE* file = std::fopen((folder / name).c_str(), "wb");
  if (!file) fuzz::Fail("cannot write a seed");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

void Seed(const char* harness, int pick, const std::string& bytes) {
  Seed(harness, std::string(1, static_cast<char>(pick)) + bytes);
}

// A factory file of data/ (the name in Windows-1252, as the program names it).
std::string DataFile(const char* relative) {
  return fuzz::ReadFile((dataFolder + "/" + relative).c_str());
}

template <std::size_t N>
void Set(char (&field)[N], const char* text) {
  platform::CopyBounded(field, text);
}

void DatabaseSeeds() {
  static CarCategoriesTable categories = {};
  Set(categories[0].name, "2WD");
  Set(categories[0].quickDescription, "Two-wheel drive");
  Set(categories[0].characteristics, "Line one\r\nline two");
  Set(categories[1].name, "4WD");
  WriteCarCategoriesDatabase(kCarCategoriesDatabaseFile, categories, 2);
  static CarsTable cars = {};
  Set(cars[0].name, "Rocket");
  Set(cars[0].brand, "Brand");
  Set(cars[0].model, "M1");
  Set(cars[0].category, "2WD");
  Set(cars[0].imagePath, "images\\car.bmp");
  WriteCarsDatabase(kCarsDatabaseFile, cars, 1);
  static ClubsTable clubs = {};
  Set(clubs[0].key, "RCC");
  Set(clubs[0].fullName, "Rally Car Club");
  Set(clubs[0].country, "France");
  Set(clubs[0].email, "club@example.org");
  WriteClubsDatabase(kClubsDatabaseFile, clubs, 1);
  static AgeCategoriesTable ages = {};
  Set(ages[0].code, "J");
  Set(ages[0].name, "Junior");
  ages[0].bornFrom = 1200;
  ages[0].bornTo = 1300;
  WriteAgeCategoriesDatabase(kAgeCategoriesDatabaseFile, ages, 1);
  static DriversTable drivers = {};
  for (int i = 0; i < 3; ++i) {
    std::snprintf(drivers[i].name, sizeof drivers[i].name, "DRIVER %c", 'A' + i);
    Set(drivers[i].country, "France");
    std::snprintf(drivers[i].birthday, sizeof drivers[i].birthday, "%d", 1200 + i);
    Set(drivers[i].team, "RCC");
    Set(drivers[i].car, "Rocket");
    std::snprintf(drivers[i].carNumber, sizeof drivers[i].carNumber, "%d", 21 + i);
    std::snprintf(drivers[i].transponder, sizeof drivers[i].transponder, "%06d", 23101 + i);
  }
  WriteDriversDatabase(kDriversDatabaseFile, drivers, 3);
  static ChampionshipsTable championships = {};
  Set(championships[0].name, "Regional");
  Set(championships[0].quickDescription, "Spring\r\nand autumn");
  WriteChampionshipsDatabase(kChampionshipsDatabaseFile, championships, 1);

  const char* const files[] = {kCarCategoriesDatabaseFile, kCarsDatabaseFile,          kClubsDatabaseFile,
                               kAgeCategoriesDatabaseFile, kDriversDatabaseFile,       kChampionshipsDatabaseFile,
                               kTransponderSetsDatabaseFile, kFrequenciesDatabaseFile};
  for (int pick = 0; pick < 8; ++pick) {
    std::string written = fuzz::ReadFile(files[pick]);
    std::string factory = DataFile(files[pick]);
    for (const std::string* bytes : {&written, &factory}) {
      if (bytes->empty()) continue;
      Seed("databases", pick, *bytes);
      if (pick < 6) Seed("databases", pick + 8, *bytes);  // the same file imported
      static const int kComboPick[] = {16, 18, 17, -1, -1, 19, -1, 20};
      if (kComboPick[pick] >= 0) Seed("databases", kComboPick[pick], *bytes);
      if (pick == 4) {
        Seed("databases", 14, *bytes);
        Seed("databases", 15, *bytes);
      }
    }
  }
  Seed("databases", 7, "AB1234\nCD5678\n\nEF9012\n");
}

void PenaltySeeds() {
  static PenaltyRecord list[kMaxPenalties];
  ClearPenaltyList(list);
  SetAbandonPenaltyDefaults(&list[0]);
  Set(list[1].code, "PS");
  Set(list[1].name, "Late start");
  list[1].duration = 60;
  Set(list[2].code, "P1");
  Set(list[2].name, "Jump start");
  Set(list[2].description, "Left before\r\nthe green light");
  list[2].duration = 10;
  list[2].kind = kPenaltyAfterLast;
  WritePenaltiesDatabase(list, 3);
  std::string written = fuzz::ReadFile(kPenaltiesDatabaseFile);
  std::string factory = DataFile(kPenaltiesDatabaseFile);
  for (int pick : {0, 1, 3, 4}) {
    Seed("penalties", pick, written);
    Seed("penalties", pick, factory);
  }
  WriteLateStartPenaltySettings(LateStartPenaltySettings{1, 1, 45}, 1);
  Seed("penalties", 2, fuzz::ReadFile(kLateStartPenaltyFile));
  Seed("penalties", 2, DataFile(kLateStartPenaltyFile));
}

void SettingsSeeds() {
  Seed("countries", 0, DataFile(kCountryNamesFile));
  Seed("countries", 1, DataFile(kCountryCodesFile));
  Seed("countries", 2, DataFile(kCountryNamesFile));
  Seed("settings", 0, DataFile(kSoundSettingsFile));
  static CustomSoundPaths sounds;
  ClearCustomSoundPaths(&sounds);
  Set(sounds.path[kCustomSoundStart10Seconds], "C:\\Sounds\\ten.wav");
  WriteCustomSoundsFile(kCustomSoundsFile, sounds);
  Seed("settings", 1, fuzz::ReadFile(kCustomSoundsFile));
  Seed("settings", 1, DataFile(kCustomSoundsFile));
  std::string display = DataFile(kDisplaySettingsFile);
  Seed("settings", 2, display);
  Seed("settings", 3, display);
  StageComment comment = {};
  Set(comment.trackCondition, "Wet");
  Set(comment.comment, "Gravel after the bridge");
  WriteStageComment(comment);
  Seed("settings", 4, fuzz::ReadFile(kStageCommentFile));
  Seed("settings", 5, fuzz::ReadFile(kStageCommentFile));

  Seed("link_file", DataFile(kInterfaceSettingsFile));
  WriteInterfaceSettings(kInterfaceSettingsFile, InterfaceSettings{"COM12", 1, "VellgrinZL2"});
  Seed("link_file", fuzz::ReadFile(kInterfaceSettingsFile));

  WriteWebCoordinates(nullptr, "Spring-Rally", "Regional", "https://example.org/video", 1, 1);
  Seed("web", 0, fuzz::ReadFile(kWebCoordinatesFile));
  Seed("web", 1, "ftp.example.org:2121\r\nuser\r\nsecret\r\n");
  Seed("web", 2, "3\r\n1\r\n0\r\n0:01:02\t\r\n");

  static PointsScaleTable scales;
  SetDefaultPointsScales(&scales);
  Set(scales[0].name, "Regional");
  Set(scales[1].name, "National");
  scales[1].order = kPointsAscending;
  scales[1].rally[0] = 100;
  WritePointsAllocationFile("National", scales, 2);
  Seed("championships", 0, fuzz::ReadFile(kPointsScaleFile));
  static SponsorTable sponsors;
  ClearSponsors(&sponsors);
  AddSponsor(&sponsors, "Bakery");
  AddSponsor(&sponsors, "Garage");
  SetSponsorLogo(&sponsors, 0, "C:\\logos\\bakery.bmp");
  CreateChampionshipFolder("Regional");
  char path[80];
  SponsorsFilePath("Regional", path, sizeof path);
  WriteSponsorsFile(path, sponsors, 2);
  Seed("championships", 1, fuzz::ReadFile(path));
  ChampionshipState state{&CurrentChampionship(), 2, 1};
  ClearChampionshipTables(state.tables);
  Set(state.tables->events[0].name, "Spring");
  Set(state.tables->events[1].name, "Autumn");
  Set(state.tables->events[1].imagePath, "C:\\pictures\\autumn.bmp");
  state.tables->events[0].day = state.tables->events[1].day = 12;
  state.tables->events[0].month = 4;
  state.tables->events[1].month = 10;
  state.tables->events[0].year = state.tables->events[1].year = 2026;
  state.tables->rallyCount = 1;
  ChampionshipRally& rally = state.tables->rallies[0];
  Set(rally.name, "Buggy");
  rally.rowCount = 2;
  Set(rally.rows[0].driver, "ALBERT Jean");
  Set(rally.rows[0].carCategory, "4x4");
  rally.rows[0].place[0] = 1;
  rally.rows[0].rallyPoints[0] = 25;
  rally.rows[0].total = 25;
  Set(rally.rows[1].driver, "BRUNO Marc");
  Set(rally.rows[1].ageCode, "J");
  Set(rally.rows[1].ageName, "Junior");
  rally.rows[1].place[1] = 1;
  rally.rows[1].rallyPoints[1] = 25;
  rally.rows[1].powerStagePoints[1] = 5;
  rally.rows[1].total = 30;
  ChampionshipFilePath("Regional", kChampionshipClassificationFile, path, sizeof path);
  WriteChampionshipClassificationFile(path, state);
  Seed("championships", 2, fuzz::ReadFile(path));
}

void DecoderSeeds() {
  auto bytes = [](std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += static_cast<char>(v);
    return s;
  };
  const std::string zl2Pass = bytes({0xFF, 0xFF, 0xFF, 0xF0, 0x5A, 0x3D, 0x00, 0x01, 0x02, 0x90, 0x00});
  const std::string identify = bytes({0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x00});
  const std::string ack(reinterpret_cast<const char*>(kClockResetAck), sizeof kClockResetAck);
  Seed("decoder_frames", bytes({1, 40}) + zl2Pass + zl2Pass.substr(0, 5) + "x" + zl2Pass + identify + ack);
  Seed("decoder_frames", bytes({0, 40, 0x5A, 0x3D, 0x00, 0x07, 0x12}));
  Seed("decoder_frames", bytes({2, 40}) + identify + ack);
  // Receive path: model, then (length, silence, bytes) per read; a frame split over reads.
  Seed("receive_path", bytes({1, 5, 10}) + zl2Pass.substr(0, 5) + bytes({30, 3}) + zl2Pass.substr(5) + zl2Pass +
                           zl2Pass.substr(0, 7) + bytes({8, 90}) + zl2Pass.substr(0, 8));
  Seed("receive_path", bytes({0, 3, 20, 0x5A, 0x3D, 0x00, 2, 5, 0x07, 0x10}));
}

// An event of two rallies with every kind of section, written as the program writes it but
// without the reserves (a body fills its section), so that the seed stays small and the
// harnesses fast: the factory demonstration event brings the reserves.
std::string WrittenEvent() {
  WriteFreshEvent(nullptr, "RALLY 1");
  platform::TextFile file(kRallyFilePath, "r+");
  auto write = [&](const char* key, int rally, int stage, int, const SectionBody& body) {
    char title[kSectionTitleSize];
    FormatSectionTitle(title, key, rally, stage);
    WriteRallySection(nullptr, file, title, 1, body, Text::RallyFileNotFound);
  };
  TrackDetails track = {};
  Set(track.eventName, "i_n_t_Spring Cup");
  Set(track.location, "Hill");
  SectionBody trackBody;
  AddTrackBody(trackBody, track);
  write(kTrackKey, 0, 0, kTrackReserve, trackBody);
  static ParticipantRecord people[kMaxParticipants];
  static char order[kMaxParticipants][kDriverNameSize];
  static StageResultRow rows[kMaxParticipants];
  static ClassifiedDriver classified[kMaxParticipants];
  std::memset(people, 0, sizeof people);
  std::memset(order, 0, sizeof order);
  ClearStageResultRows(rows);
  std::memset(classified, 0, sizeof classified);
  for (int i = 0; i < 3; ++i) {
    std::snprintf(people[i].name, sizeof people[i].name, "DRIVER %c", 'A' + i);
    Set(people[i].team, "RCC");
    std::snprintf(people[i].transponder, sizeof people[i].transponder, "%06d", 23101 + i);
    Set(people[i].ageCategoryCode, "J");
    Set(order[2 - i], people[i].name);
    Set(rows[i].name, people[i].name);
    rows[i].state = 3;
    rows[i].time = 45000 + i * 1234;
    Set(classified[i].name, people[i].name);
  }
  for (int i = 3; i < kMaxParticipants; ++i) Set(rows[i].name, kEmptySlotName);
  for (int rally = 1; rally <= 2; ++rally) {
    SectionBody participants, ages, start, parameters, type, results, range, options, saved;
    AddParticipantsBody(participants, people);
    write(kParticipantsKey, rally, 0, kParticipantsReserve, participants);
    AddParticipantAgesBody(ages, people);
    write(kParticipantAgesKey, rally, 0, kParticipantAgesReserve, ages);
    AddStartOrderBody(start, 1, kDefaultStartOrderLabel, order);
    write(kStartOrderKey, rally, 0, kStartOrderReserve, start);
    const int values[3] = {30, 5, 2};
    AddNumbersLine(parameters, values, 3);
    write(kRallyParametersKey, rally, 0, kRallyParametersReserve, parameters);
    const int wrc = kWrcStart;
    AddNumbersLine(type, &wrc, 1);
    write(kStartTypeKey, rally, 0, kStartTypeReserve, type);
    AddStageResultsBody(results, rows, 3, 180000, StageResultsText{"10:00", "Dry and fast", "Dry"});
    write(kStageResultsKey, rally, 1, StageResultsReserve(3), results);
    const int stages[2] = {1, 1};
    AddNumbersLine(range, stages, 2);
    write(kRallyClassificationKey, rally, 0, kRallyClassificationReserve, range);
    AddNumbersLine(options, stages, 2);
    write(kRallyClassificationOptionsKey, rally, 0, kRallyClassificationOptionsReserve, options);
    AddSavedClassificationBody(saved, 1, classified);
    write(kRallyClassificationRowsKey, rally, 0, kSavedClassificationReserve, saved);
  }
  static PenaltyRecord penalties[kMaxPenalties];
  ClearPenaltyList(penalties);
  SetAbandonPenaltyDefaults(&penalties[0]);
  Set(penalties[1].code, "PS");
  Set(penalties[1].name, "Late start");
  SectionBody penaltyBody;
  AddPenaltiesBody(penaltyBody, penalties, 1);
  write(kPenaltiesKey, 0, 0, kPenaltiesReserve, penaltyBody);
  file.Close();
  RallyRecord rallies[kMaxRallies] = {};
  Set(rallies[0].name, "RALLY 1");
  Set(rallies[1].name, "RALLY 2");
  for (int i = 0; i < 2; ++i) {
    rallies[i].participantCount = 3;
    rallies[i].hasResults = 1;
    rallies[i].stageCount = 1;
  }
  WriteRallyFileHeader(nullptr, 10001, 2, rallies);
  return fuzz::ReadFile(kRallyFilePath);
}

void EventSeeds() {
  WriteFreshEvent(nullptr, "RALLY 1");
  const std::string fresh = fuzz::ReadFile(kRallyFilePath);
  const std::string full = WrittenEvent();
  const std::string demo = DataFile("Demo/DemoRallye.rall");
  for (const std::string* event : {&fresh, &full, &demo}) {
    Seed("event_file", 0, *event);
    Seed("event_file", 0x83, *event);  // behind a first part that ends near 256 KiB
    Seed("event_load", *event);
    Seed("event_write", std::string("\x02\x05\x03", 3) + *event);
    Seed("event_write", std::string("\x14\xC8\x04", 3) + *event);
  }
  // A hand-written event whose header line is shorter than its reserve.
  std::string shortHeader = "10000\t1\tRALLY 1\t0\t0\t0\t\r\n" + fresh.substr(kHeaderSize + 2);
  Seed("event_write", std::string("\x00\x01\x02", 3) + shortHeader);
  Seed("event_file", 0, shortHeader);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seeds SEEDS_FOLDER DATA_FOLDER\n");
    return 2;
  }
  seedsFolder = std::filesystem::absolute(argv[1]).string();
  dataFolder = std::filesystem::absolute(argv[2]).string();
  fuzz::EnterProgramFolder();
  DatabaseSeeds();
  PenaltySeeds();
  SettingsSeeds();
  DecoderSeeds();
  EventSeeds();
  std::printf("fuzz_seeds: %d seeds in %s\n", seedNumber, seedsFolder.c_str());
  return 0;
}
