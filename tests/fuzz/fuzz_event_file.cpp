// The event file's readers on any working copy: the header, the section lookup (compared with
// a plain reference, also across the lookup's 256 KiB read boundary) and every section reader.
#include <cstdint>
#include <cstring>
#include <string>

#include "race/event_file.h"
#include "race/event_records.h"
#include "results/rally_classification.h"
#include "results/stage_classification.h"
#include "setup/driver_penalty_model.h"
#include "setup/race_parameters_model.h"
#include "tests/fuzz/event_reference.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

// The fuzzed bytes may be put behind a long first part, around the end of the lookup's
// first 256 KiB read.
constexpr std::size_t kScanBoundary = 256 * 1024;

// One input in four: the fuzzed bytes start within 32 bytes of the boundary.
const std::string& WorkingCopy(const std::uint8_t* data, std::size_t size) {
  static std::string bytes;  // kept: a fresh quarter megabyte each input would cost more than the readers
  bytes.clear();
  if (size == 0) return bytes;
  if ((data[0] & 3) == 3) {
    std::size_t start = kScanBoundary - 32 + (data[0] >> 2);
    // A header line, then one long body line: no title before the fuzzed bytes.
    bytes = "10000\t1\tR\t0\t0\t0\t\r\n";
    bytes.append(start - bytes.size() - 2, 'x');
    bytes += "\r\n";
  }
  bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);
  return bytes;
}

void CheckParticipants(const ParticipantRecord* participants) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    const ParticipantRecord& p = participants[i];
    fuzz::CheckTexts(p.name, p.team, p.car, p.carNumber, p.transponder, p.carCategory, p.ageCategoryCode,
                     p.ageCategoryName);
    for (const auto& code : p.frequencies) fuzz::CheckTexts(code);
  }
}

// Looks the title up and compares with the reference; true when found.
bool Lookup(platform::TextFile& file, const std::string& bytes, const char* title, int* first) {
  char line[kSectionTitleSize];
  *first = FindRallySection(file, line, title);
  bool found = std::strcmp(line, title) == 0;
  fuzz::ReferencePlace place = fuzz::ReferenceLookup(bytes, title);
  if (found != place.found) fuzz::Fail(found ? "the lookup found a title the file does not have"
                                             : "the lookup missed a title line");
  if (found && *first != fuzz::ReferenceChar(bytes, place.body)) fuzz::Fail("the lookup stopped off the body");
  if (!found && (*first != EOF || line[0] != '\0')) fuzz::Fail("a missing title leaves a byte or a line");
  return found;
}

void ReadRally(platform::TextFile& file, const std::string& bytes, int rally) {
  static ParticipantRecord participants[kMaxParticipants];
  static StartOrder order;
  static StageResultRow rows[kMaxParticipants];
  static ClassifiedDriver drivers[kMaxParticipants];
  char title[kSectionTitleSize];
  int first = 0;

  std::memset(participants, 0, sizeof participants);
  FormatSectionTitle(title, kParticipantsKey, rally);
  if (Lookup(file, bytes, title, &first)) ReadParticipantsSection(file, first, participants);
  FormatSectionTitle(title, kParticipantAgesKey, rally);
  if (Lookup(file, bytes, title, &first)) ReadParticipantAgesSection(file, first, participants);
  CheckParticipants(participants);

  FormatSectionTitle(title, kStartOrderKey, rally);
  if (Lookup(file, bytes, title, &first)) {
    ReadStartOrderSection(file, first, &order);
    fuzz::CheckTexts(order.label);
    for (const auto& name : order.names) fuzz::CheckTexts(name);
    Lookup(file, bytes, title, &first);
    int hasResults = 0;
    char label[kStartOrderLabelSize];
    ReadStartOrderIntoParticipants(file, first, &hasResults, label, participants);
    fuzz::CheckTexts(label);
    CheckParticipants(participants);
  }

  RallyParameters parameters;
  FormatSectionTitle(title, kRallyParametersKey, rally);
  if (Lookup(file, bytes, title, &first)) ReadRallyParametersSection(file, first, &parameters);
  int values[2] = {0, 0};
  for (const char* key : {kStartTypeKey, kRallyClassificationKey, kRallyClassificationOptionsKey}) {
    FormatSectionTitle(title, key, rally);
    if (Lookup(file, bytes, title, &first) && ReadNumbersSection(file, first, values, 2) > 2)
      fuzz::Fail("more numbers read than asked for");
  }
  ReadRallyParameterSections(file, rally, &parameters);

  for (const char* key : {kRallyClassificationRowsKey, kPowerStageClassificationKey}) {
    FormatSectionTitle(title, key, rally);
    int international = 0;
    if (Lookup(file, bytes, title, &first)) {
      ReadSavedClassificationSection(file, first, &international, drivers);
      for (const ClassifiedDriver& d : drivers)
        fuzz::CheckTexts(d.name, d.team, d.carCategory, d.ageCategoryCode, d.ageCategoryName);
    }
  }

  for (int stage = 1; stage <= 2; ++stage) {
    FormatSectionTitle(title, kStageResultsKey, rally, stage);
    int stageState = 0, timeRun = 0;
    char startText[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
    if (Lookup(file, bytes, title, &first)) {
      ReadStageResultsSection(file, first, rows, &stageState, &timeRun, startText, comment, condition);
      fuzz::CheckTexts(startText, comment, condition);
      for (const StageResultRow& row : rows) fuzz::CheckTexts(row.name);
    }
    if (ReadStageResults(rows, &stageState, &timeRun, startText, comment, condition, title))
      fuzz::CheckTexts(startText, comment, condition);
  }
}

// The rally classification of the header's rally: its range, texts and lines stay within
// their tables whatever the file holds, and a filter change recomputes within them too.
void ClassifyRally() {
  static RallyClassificationData data;
  LoadRallyClassification(nullptr, &data);
  OpenRallyClassification(nullptr, &data);
  for (int pass = 0; pass < 2; ++pass) {
    const RallyClassificationOptions& o = data.options;
    if (data.stageCount > 0 && (o.ssFrom < 1 || o.ssFrom > o.ssTo || o.ssTo > data.stageCount))
      fuzz::Fail("a stage range outside the rally's stages");
    if (data.rowCount < 0 || data.rowCount > data.participantCount || data.abandonLines > data.rowCount ||
        data.penaltyLines > data.rowCount)
      fuzz::Fail("rows or lines beyond the participants");
    fuzz::CheckTexts(data.pageTitle, data.excludedText, data.rallyName, data.carFilter, data.ageFilter);
    for (int i = 0; i < data.rowCount; ++i) fuzz::CheckTexts(data.rows[i].name, data.rows[i].category);
    ChangeRallyFilters(nullptr, &data, data.rows[0].category, "All");
  }
}

// The stage classification of the header's stage, and the driver penalty dialog opened on each
// of its drivers: whatever state the file gives, within the lists.
void ClassifyStage(const PenaltyRecord driverPenalties[kMaxPenalties]) {
  static StageClassificationData data;
  LoadStageClassification(nullptr, &data);
  OpenStageClassification(&data);
  if (data.rowCount < 0 || data.rowCount > kMaxParticipants || data.noteCount < 0 || data.noteCount > kMaxPenalties)
    fuzz::Fail("stage rows or notes beyond their tables");
  fuzz::CheckTexts(data.pageTitle, data.comment, data.trackCondition);
  for (int i = 0; i < data.rowCount; ++i) fuzz::CheckTexts(data.rows[i].name, data.rows[i].category);
  for (const StageResultRow& row : data.results) {
    const int item = OpeningPenaltyItem(row.state, driverPenalties);
    if (item < 0 || item > kMaxPenalties) fuzz::Fail("a penalty item beyond the list");
    PenaltyOfState(row.state, driverPenalties);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  const std::string& bytes = WorkingCopy(data, size);
  fuzz::WriteFile(kRallyFilePath, bytes);

  int node = 0, count = 0;
  static RallyRecord rallies[kMaxRallies];
  if (!ReadRallyFileHeader(&node, &count, rallies)) fuzz::Fail("the working copy could not be opened");
  if (count < 0 || count > kMaxRallies) fuzz::Fail("a rally count beyond the table");
  for (const RallyRecord& rally : rallies) {
    fuzz::CheckTexts(rally.name);
    if (rally.participantCount < 0 || rally.participantCount > kMaxParticipants || rally.stageCount < 0 ||
        rally.stageCount > kMaxStages)
      fuzz::Fail("a rally's counts beyond their tables");
  }

  {
    platform::TextFile file(kRallyFilePath, "r+");
    int first = 0;
    static TreeviewFlags flags;
    if (Lookup(file, bytes, kTreeviewFlagsKey, &first)) ReadTreeviewFlagsSection(file, first, flags);
    static TrackDetails track;
    std::memset(&track, 0, sizeof track);
    if (Lookup(file, bytes, kTrackKey, &first)) ReadTrackSection(file, first, &track);
    fuzz::CheckTexts(track.eventName, track.hostingClub, track.championship, track.raceDirector, track.location,
                     track.date);
    static PenaltyRecord penalties[kMaxPenalties];
    int flag = 0;
    if (Lookup(file, bytes, kPenaltiesKey, &first)) ReadPenaltiesSection(file, first, penalties, &flag);
    for (const PenaltyRecord& p : penalties) fuzz::CheckTexts(p.code, p.name, p.description);
    ReadRally(file, bytes, 1);
    ReadRally(file, bytes, count > 1 ? count : 2);
  }

  static RallyParticipantNames names;
  ReadRallyParticipantNames(names, node);
  ReadRallyParticipantNames(names, 10000);
  for (const auto& rally : names)
    for (const auto& name : rally) fuzz::CheckTexts(name);
  ClassifyRally();
  LoadRaceParameters(nullptr);
  static PenaltyRecord driverPenalties[kMaxPenalties];
  std::memset(driverPenalties, 0, sizeof driverPenalties);
  LoadDriverPenaltyList(nullptr, driverPenalties);
  for (const PenaltyRecord& p : driverPenalties) fuzz::CheckTexts(p.code, p.name, p.description);
  ClassifyStage(driverPenalties);
  fuzz::EndInput();
  return 0;
}
