// Times the rally classification of a full-size event: 9 rallies of 200 participants and 99
// special stages (each stage in its own start order), the classification of the last rally.
//   rally_classification_bench FOLDER build    writes the event into FOLDER
//   rally_classification_bench FOLDER open     opens the classification (as the dialog does)
//   rally_classification_bench FOLDER filter   opens it, then changes the car filter and back
//   rally_classification_bench FOLDER start    only starts (the process's own cost, to compare)
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/event_records.h"
#include "results/rally_classification.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

ParticipantRecord participants[kMaxParticipants];
StageResultRow rows[kMaxParticipants];

void DriverName(char (&name)[kDriverNameSize], int i, int rally) {
  std::snprintf(name, sizeof name, "Driver %03d of rally %d", i + 1, rally);
}

bool WriteSection(platform::TextFile& file, const char* key, int rally, int reserve, const SectionBody& body) {
  char title[kSectionTitleSize];
  FormatSectionTitle(title, key, rally);
  return WriteRallySection(nullptr, file, title, reserve, body, Text::StageTitleNotFound);
}

bool BuildRally(int rally) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    ParticipantRecord& p = participants[i];
    std::memset(&p, 0, sizeof p);
    DriverName(p.name, i, rally);
    platform::CopyBounded(p.team, "Vellgrin RC Club");
    std::snprintf(p.carNumber, sizeof p.carNumber, "%d", i + 1);
    platform::CopyBounded(p.carCategory, i % 2 ? "Touring 1/10 electric" : "Buggy 1/8 thermal");
    platform::CopyBounded(p.ageCategoryCode, i % 3 ? "S" : "J");
    platform::CopyBounded(p.ageCategoryName, i % 3 ? "Senior" : "Junior");
  }
  {
    platform::TextFile file(kRallyFilePath, "r+");
    SectionBody list, ages;
    AddParticipantsBody(list, participants);
    AddParticipantAgesBody(ages, participants);
    if (!WriteSection(file, kParticipantsKey, rally, kParticipantsReserve, list) ||
        !WriteSection(file, kParticipantAgesKey, rally, kParticipantAgesReserve, ages))
      return false;
  }
  for (int s = 1; s <= kMaxStages; ++s) {
    for (int k = 0; k < kMaxParticipants; ++k) {
      const int i = (k + 7 * s) % kMaxParticipants;  // each stage in its own start order
      DriverName(rows[k].name, i, rally);
      rows[k].state = i % 17 == 0 ? 4 : i % 13 == 0 ? 5 : 3;
      rows[k].time = 60000 + 37 * i + 11 * s + (i * s) % 997;
    }
    char title[kSectionTitleSize];
    FormatSectionTitle(title, kStageResultsKey, rally, s);
    StageResultsText text = {"Start 14/06/2025 at 10:30", "Dusty in the hairpin", "Dry"};
    if (WriteStageResultRowsSection(nullptr, rows, 3, 754321, text, kMaxParticipants, title) != SaveResult::Saved)
      return false;
  }
  return true;
}

bool BuildEvent() {
  if (!WriteFreshEvent(nullptr, "RALLY 1")) return false;
  static RallyRecord rallies[kMaxRallies];
  for (int r = 0; r < kMaxRallies; ++r) {
    std::snprintf(rallies[r].name, sizeof rallies[r].name, "RALLY %d", r + 1);
    rallies[r].participantCount = kMaxParticipants;
    rallies[r].hasResults = 1;
    rallies[r].stageCount = kMaxStages;
  }
  // The rally classification of the last rally, whose sections stand at the end.
  if (!WriteRallyFileHeader(nullptr, kMaxRallies * 10000 + 4100, kMaxRallies, rallies)) return false;
  static TreeviewFlags flags;
  ClearTreeviewFlags(flags);
  for (auto& rally : flags) {
    for (int& flag : rally) flag = 1;
  }
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file || !WriteTreeviewFlagsSection(nullptr, file, kTreeviewFlagsKey, flags)) return false;
  }
  for (int r = 1; r <= kMaxRallies; ++r) {
    if (!BuildRally(r)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: rally_classification_bench FOLDER build|open|filter|start\n");
    return 2;
  }
  const std::string mode = argv[2];
  platform::test::InterceptMessages();
  if (!platform::CreateFolder(argv[1]) || !platform::SetCurrentFolder(argv[1]) || !platform::CreateFolder("Private")) {
    std::fprintf(stderr, "cannot prepare the folder %s\n", argv[1]);
    return 1;
  }
  if (mode == "start") return 0;
  if (mode == "build") {
    if (!BuildEvent()) return 1;
    platform::TextFile file(kRallyFilePath, "r");
    std::printf("event: %d rallies x %d stages x %d drivers, %ld bytes\n", kMaxRallies, kMaxStages, kMaxParticipants,
                file.Size());
    return 0;
  }
  static RallyClassificationData data;
  auto start = Clock::now();
  LoadRallyClassification(nullptr, &data);
  OpenRallyClassification(nullptr, &data);
  const double open = Milliseconds(start);
  std::printf("open: %.1f ms, %d rows, first %s %d ms, %d abandon and %d penalty lines\n", open, data.rowCount,
              data.rows[0].name, data.rows[0].time, data.abandonLines, data.penaltyLines);
  if (mode == "filter") {
    start = Clock::now();
    ChangeRallyFilters(nullptr, &data, "Buggy 1/8 thermal", "All");
    const double filtered = Milliseconds(start);
    const int filteredRows = data.rowCount;
    start = Clock::now();
    ChangeRallyFilters(nullptr, &data, "All", "All");
    std::printf("filter change: %.1f ms (%d rows); back to all: %.1f ms\n", filtered, filteredRows,
                Milliseconds(start));
  }
  // Messages: the penalty database and the display settings are missing here.
  return data.rowCount == kMaxParticipants ? 0 : 1;
}
