// Times the event file at full size: 9 rallies of 200 participants and 99 special stages.
// Writes every stage section, finds each, reads each back, then rewrites each in place (as a
// synchronisation of the penalties does).
//   event_file_bench [folder]   (default: "event_file_bench.tmp" in the current folder)
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

namespace {

ParticipantRecord participants[kMaxParticipants];
StageResultRow rows[kMaxParticipants];
StageResultRow readRows[kMaxParticipants];
StartOrder order;

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

void StageTitle(char (&title)[kSectionTitleSize], int rally, int stage) {
  FormatSectionTitle(title, kStageResultsKey, rally, stage);
}

void FillRows(int rally, int stage, int round) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    std::snprintf(rows[i].name, sizeof rows[i].name, "Driver %03d of rally %d", i + 1, rally);
    rows[i].state = 3 + (i + round) % 3;
    rows[i].time = 60000 + 37 * i + 1000 * stage + round;
  }
}

bool WriteStage(int rally, int stage, int round) {
  char title[kSectionTitleSize];
  StageTitle(title, rally, stage);
  FillRows(rally, stage, round);
  StageResultsText text = {"Start 14/06/2025 at 10:30", "Dusty in the hairpin", "Dry"};
  return WriteStageResultRowsSection(nullptr, rows, 3, 754321, text, kMaxParticipants, title) == SaveResult::Saved;
}

bool BuildRallySections(int rally) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    ParticipantRecord& p = participants[i];
    std::memset(&p, 0, sizeof p);
    std::snprintf(p.name, sizeof p.name, "Driver %03d of rally %d", i + 1, rally);
    platform::CopyBounded(p.team, "Vellgrin RC Club");
    platform::CopyBounded(p.car, "Touring car 1/10 four wheel drive");
    std::snprintf(p.carNumber, sizeof p.carNumber, "%d", i + 1);
    std::snprintf(p.transponder, sizeof p.transponder, "%06d", 100000 + i);
    platform::CopyBounded(p.carCategory, "Touring 1/10 electric");
    platform::CopyBounded(p.ageCategoryCode, "S");
    platform::CopyBounded(p.ageCategoryName, "Senior");
    for (auto& frequency : p.frequencies) platform::CopyBounded(frequency, "2.4GHz");
    platform::CopyBounded(order.names[i], p.name);
  }
  platform::TextFile file(kRallyFilePath, "r+");
  char title[kSectionTitleSize];
  SectionBody list, ages, start, parameters;
  AddParticipantsBody(list, participants);
  AddParticipantAgesBody(ages, participants);
  AddStartOrderBody(start, 1, kDefaultStartOrderLabel, order.names);
  const int values[] = {60, 0, 2};
  AddNumbersLine(parameters, values, 3);
  FormatSectionTitle(title, kParticipantsKey, rally);
  bool ok = WriteRallySection(nullptr, file, title, kParticipantsReserve, list, Text::StageTitleNotFound);
  FormatSectionTitle(title, kParticipantAgesKey, rally);
  ok = ok && WriteRallySection(nullptr, file, title, kParticipantAgesReserve, ages, Text::StageTitleNotFound);
  FormatSectionTitle(title, kStartOrderKey, rally);
  ok = ok && WriteRallySection(nullptr, file, title, kStartOrderReserve, start, Text::StageTitleNotFound);
  FormatSectionTitle(title, kRallyParametersKey, rally);
  ok = ok && WriteRallySection(nullptr, file, title, kRallyParametersReserve, parameters, Text::StageTitleNotFound);
  return ok;
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
  if (!WriteRallyFileHeader(nullptr, 10000, kMaxRallies, rallies)) return false;
  for (int r = 1; r <= kMaxRallies; ++r) {
    if (!BuildRallySections(r)) return false;
  }
  return true;
}

void Report(const char* what, double ms, int count) {
  std::printf("  %-44s %9.1f ms  (%.3f ms per section)\n", what, ms, ms / count);
}

}  // namespace

int main(int argc, char** argv) {
  const char* folder = argc > 1 ? argv[1] : "event_file_bench.tmp";
  platform::test::InterceptMessages();
  if (!platform::CreateFolder(folder) || !platform::SetCurrentFolder(folder) || !platform::CreateFolder("Private")) {
    std::fprintf(stderr, "cannot prepare the folder %s\n", folder);
    return 1;
  }
  const int stages = kMaxRallies * kMaxStages;
  auto start = Clock::now();
  if (!BuildEvent()) {
    std::fprintf(stderr, "cannot build the event\n");
    return 1;
  }
  std::printf("event_file_bench: %d rallies x %d stages x %d entries\n", kMaxRallies, kMaxStages, kMaxParticipants);
  Report("header, participants, ages, start orders", Milliseconds(start), kMaxRallies);

  start = Clock::now();
  for (int r = 1; r <= kMaxRallies; ++r) {
    for (int s = 1; s <= kMaxStages; ++s) {
      if (!WriteStage(r, s, 0)) return 1;
    }
  }
  Report("write every stage section (appended)", Milliseconds(start), stages);

  long size = 0;
  {
    platform::TextFile file(kRallyFilePath, "r");
    size = file.Size();
  }

  start = Clock::now();
  int found = 0;
  for (int r = 1; r <= kMaxRallies; ++r) {
    for (int s = 1; s <= kMaxStages; ++s) {
      platform::TextFile file(kRallyFilePath, "r+");
      char title[kSectionTitleSize], line[kSectionTitleSize];
      StageTitle(title, r, s);
      FindRallySection(file, line, title);
      found += std::strcmp(line, title) == 0;
    }
  }
  Report("find every stage section", Milliseconds(start), stages);

  start = Clock::now();
  int matching = 0;
  for (int r = 1; r <= kMaxRallies; ++r) {
    for (int s = 1; s <= kMaxStages; ++s) {
      char title[kSectionTitleSize], startText[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
      int state = 0, run = 0;
      StageTitle(title, r, s);
      ReadStageResults(readRows, &state, &run, startText, comment, condition, title);
      FillRows(r, s, 0);
      matching += std::memcmp(rows, readRows, sizeof rows) == 0 && run == 754321;
    }
  }
  Report("read back every stage section", Milliseconds(start), stages);

  start = Clock::now();
  for (int r = 1; r <= kMaxRallies; ++r) {
    for (int s = 1; s <= kMaxStages; ++s) {
      if (!WriteStage(r, s, 1)) return 1;
    }
  }
  Report("rewrite every stage section in place", Milliseconds(start), stages);

  long after = 0;
  {
    platform::TextFile file(kRallyFilePath, "r");
    after = file.Size();
  }
  std::printf("  file: %ld bytes (%ld after the rewrite); found %d of %d, read back %d of %d; %zu messages\n",
              size, after, found, stages, matching, stages, platform::test::Messages().size());
  platform::DeleteFileAt(kRallyFilePath);
  return found == stages && matching == stages && after == size && platform::test::Messages().empty() ? 0 : 1;
}
