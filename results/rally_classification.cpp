#include "results/rally_classification.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/penalty_database.h"
#include "race/stage_timing.h"
#include "race/time_format.h"
#include "results/archive_publishing_model.h"

namespace {

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

// The options' section "...2" holds 0 or 1; anything else read counts as 1.
int Flag(int value) { return value != 0 ? 1 : 0; }

void ReadOptions(platform::TextFile& file, RallyClassificationData* data) {
  RallyClassificationOptions& o = data->options;
  int first = 0;
  if (FindRallySectionOf(file, kRallyClassificationKey, data->rally, &first)) {
    int values[2] = {o.ssFrom, o.ssTo};
    ReadNumbersSection(file, first, values, 2);
    o.ssFrom = values[0];
    o.ssTo = values[1];
  }
  if (RallyOptionsInBuild() && FindRallySectionOf(file, kRallyClassificationOptionsKey, data->rally, &first)) {
    int values[2] = {o.powerStageIncluded, o.worstStageIncluded};
    ReadNumbersSection(file, first, values, 2);
    o.powerStageIncluded = Flag(values[0]);
    o.worstStageIncluded = Flag(values[1]);
  }
  ClampRallyRange(&o, data->stageCount);
}

void ReadEventSections(platform::WindowHandle owner, platform::TextFile& file, RallyClassificationData* data) {
  ReadClassifiedRally(owner, file, data->rally, &data->track, &data->international, data->stageStatuses,
                      data->participants);
  if (data->rally == 0) return;
  int first = 0;
  // The event's own list replaces the database's only when the event says it keeps one.
  if (FindTitledSection(file, kPenaltiesKey, &first)) {
    static PenaltyRecord own[kMaxPenalties];
    ClearPenaltyList(own);
    int fromDatabase = 1;
    ReadPenaltiesSection(file, first, own, &fromDatabase);
    if (fromDatabase == 0) std::memcpy(data->penalties, own, sizeof data->penalties);
  }
  ReadOptions(file, data);
}

bool SameName(const char (&a)[kDriverNameSize], const char (&b)[kDriverNameSize]) {
  return std::strncmp(a, b, kDriverNameSize) == 0;
}

// Appends "<separator><piece>" when it fits with room left for the closing text.
bool AppendPiece(std::string* text, const std::string& piece, std::size_t room) {
  const std::string separator = text->empty() ? Tr(Text::RallyClassificationExcludedOpening) : ", ";
  if (text->size() + separator.size() + piece.size() > room) return false;
  *text += separator + piece;
  return true;
}

std::string StageName(int stage) {
  char name[16];
  std::snprintf(name, sizeof name, Tr(Text::RallyClassificationExcludedStage), stage);
  return name;
}

void CountLines(RallyClassificationData* data) {
  data->abandonLines = 0;
  data->penaltyLines = 0;
  for (int i = 0; i < data->rowCount; ++i) {
    if (data->rows[i].abandonCount > 0) ++data->abandonLines;
    if (data->rows[i].penaltyCount > 0) ++data->penaltyLines;
  }
}

std::string Formatted(Text pattern, const char* a, int n) {
  char text[160];
  std::snprintf(text, sizeof text, Tr(pattern), a, n);
  return text;
}

std::string Heading(Text pattern, int ssFrom, int ssTo) {
  char text[160];
  std::snprintf(text, sizeof text, Tr(pattern), ssFrom, ssTo);
  return text;
}

template <std::size_t N>
std::string Field(const char (&field)[N]) {
  return std::string(field, strnlen(field, N));
}

int NthRow(const ClassificationRow rows[kMaxParticipants], int count, int n, int ClassificationRow::*counter) {
  count = ClampParticipantCount(count);
  for (int i = 0; i < count; ++i) {
    if (rows[i].*counter > 0 && n-- == 0) return i;
  }
  return -1;
}

// The web site's names: the rally folder's rule, "Toutes" published as "zToutes".
std::string PublishedFilter(const char* filter) {
  return std::strcmp(filter, kAllCategories) == 0 ? "zToutes" : WebRallyFolder(filter);
}

}  // namespace

bool RallyOptionsInBuild() { return ActiveProfile().powerStage && ActiveProfile().stageRemoval; }

void LoadRallyClassification(platform::WindowHandle owner, RallyClassificationData* data) {
  platform::ZeroBytes(data, sizeof *data);
  ClearPenaltyList(data->penalties);
  platform::CopyBounded(data->carFilter, kAllCategories);
  platform::CopyBounded(data->ageFilter, kAllCategories);
  data->options = {1, 0, 0, 1};
  if (!ReadPenaltiesDatabase(data->penalties)) ShowError(owner, Text::PenaltiesDatabaseNotFound);
  static RallyRecord rallies[kMaxRallies];
  int rallyCount = 0;
  platform::TextFile file;
  if (ReadRallyFileHeader(&data->selectedNode, &rallyCount, rallies) && file.Open(kRallyFilePath, "r+")) {
    data->eventRead = true;
    const int rally = EventRallyOfNode(data->selectedNode, rallyCount);
    if (rally != 0) {
      const RallyRecord& record = rallies[rally - 1];
      data->rally = rally;
      platform::CopyBounded(data->rallyName, sizeof data->rallyName, Field(record.name).c_str());
      data->participantCount = ClampParticipantCount(record.participantCount);
      data->stageCount = record.stageCount < 0 ? 0 : record.stageCount > kMaxStages ? kMaxStages : record.stageCount;
    }
    data->options.ssTo = data->stageCount;
    ReadEventSections(owner, file, data);
  } else {
    ShowError(owner, Text::RallyFileNotFound);
  }
  data->penaltyCount = DefinedPenaltyCount(data->penalties);
  BuildRallyTitles(data);
  if (!ReadLogoPath(data->logoPath)) ShowError(owner, Text::DisplaySettingsNotFound);
}

bool RallyStageCounted(int status, int powerStageIncluded) {
  if (status == 0 || status == 1) return true;
  if (status == 4 || status == 5) return powerStageIncluded == 1;
  return false;
}

void ClampRallyRange(RallyClassificationOptions* o, int stageCount) {
  if (stageCount < 1) {
    o->ssFrom = 1;
    o->ssTo = 0;
    return;
  }
  if (stageCount > kMaxStages) stageCount = kMaxStages;
  o->ssTo = o->ssTo < 1 ? 1 : o->ssTo > stageCount ? stageCount : o->ssTo;
  o->ssFrom = o->ssFrom < 1 ? 1 : o->ssFrom > o->ssTo ? o->ssTo : o->ssFrom;
}

bool ChangeFirstStage(RallyClassificationOptions* o, bool hasText, int typed) {
  if (!hasText) return false;
  o->ssFrom = typed;
  if (o->ssFrom > o->ssTo) o->ssFrom = o->ssTo;
  // Stage 0 does not exist.
  if (o->ssFrom < 1) o->ssFrom = 1;
  return o->ssFrom != typed;
}

bool ChangeLastStage(RallyClassificationOptions* o, bool hasText, int typed, int stageCount) {
  if (!hasText) return false;
  o->ssTo = typed;
  if (o->ssTo < o->ssFrom) o->ssTo = o->ssFrom;
  if (o->ssTo > stageCount) o->ssTo = stageCount;
  return o->ssTo != typed;
}

void BuildRallyTitles(RallyClassificationData* data) {
  const RallyClassificationOptions& o = data->options;
  std::snprintf(data->pageTitle, sizeof data->pageTitle, Tr(Text::RallyClassificationPageTitle), data->rallyName,
                o.ssFrom, o.ssTo);
  const int from = o.ssFrom < 1 ? 1 : o.ssFrom;
  const int to = o.ssTo > kMaxStages ? kMaxStages : o.ssTo;
  // Room for the text, the ", ..." that says it was cut, and the closing parenthesis.
  const std::size_t room = kExcludedTextSize - 1 - 6;
  std::string text;
  bool powerStage = false;
  for (int s = from; s <= to && o.powerStageIncluded == 0; ++s) {
    powerStage = powerStage || data->stageStatuses[s - 1] == 4 || data->stageStatuses[s - 1] == 5;
  }
  if (powerStage) AppendPiece(&text, Tr(Text::RallyClassificationExcludedPowerStage), room);
  if (o.worstStageIncluded == 0) AppendPiece(&text, Tr(Text::RallyClassificationExcludedWorstStage), room);
  bool cut = false;
  for (int s = from; s <= to && !cut; ++s) {
    const int status = data->stageStatuses[s - 1];
    if (status == 2 || status == 3) cut = !AppendPiece(&text, StageName(s), room);
  }
  if (cut) text += ", ...";
  if (!text.empty()) text += ")";
  platform::CopyBounded(data->excludedText, sizeof data->excludedText, text.c_str());
}

bool ComputeRallyTotals(const RallyClassificationData& data, ClassificationRow rows[kMaxParticipants], int rowCount) {
  rowCount = ClampParticipantCount(rowCount);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) return false;
  // One scan finds every stage: each looked up from the top would read a full event file
  // 99 times.
  std::vector<SectionLocation> sections = ListSections(file);
  static std::int64_t totals[kMaxParticipants];
  static int worst[kMaxParticipants];
  static StageResultRow results[kMaxParticipants];
  static int times[kMaxParticipants];
  for (int j = 0; j < rowCount; ++j) {
    totals[j] = rows[j].time;
    worst[j] = 0;
  }
  const RallyClassificationOptions& o = data.options;
  const int from = o.ssFrom < 1 ? 1 : o.ssFrom;
  const int to = o.ssTo > kMaxStages ? kMaxStages : o.ssTo;
  const int n = data.participantCount;
  bool firstDone = false;
  for (int s = from; s <= to; ++s) {
    if (!RallyStageCounted(data.stageStatuses[s - 1], o.powerStageIncluded)) continue;
    ClearStageResultRows(results);
    char title[kSectionTitleSize];
    FormatSectionTitle(title, kStageResultsKey, data.rally, s);
    for (const SectionLocation& section : sections) {
      if (std::strcmp(section.title, title) != 0 || !file.Seek(section.body, SEEK_SET)) continue;
      const int firstByte = file.GetChar();
      int stageState = 0, timeRun = 0;
      static char startText[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
      ReadStageResultsSection(file, firstByte, results, &stageState, &timeRun, startText, comment, condition);
      break;
    }
    ComputePenalisedTimes(results, data.penalties, data.penaltyCount, n, times);
    const bool first = !firstDone;
    firstDone = true;
    for (int j = 0; j < rowCount; ++j) {
      ClassificationRow& row = rows[j];
      for (int k = 0; k < n; ++k) {
        // An empty name (a stage without its section) matches every driver.
        if (results[k].name[0] != '\0' && !SameName(results[k].name, row.name)) continue;
        if (first) {
          row.state = kEntryFinished;
          totals[j] = 1;
        }
        const int e = results[k].state;
        if (e < kEntryFinished) {
          totals[j] = 0;
          row.state = e;
          row.abandonCount = 0;
          row.penaltyCount = 0;
        }
        if (row.state < kEntryFinished) continue;
        if (times[k] == 0) {
          totals[j] = 0;
        } else if (totals[j] > 0) {
          totals[j] += std::int64_t{times[k]} - (first ? 1 : 0);
          row.state = e;
        }
        // The worst stage is the driver's own, whatever his place in each stage's rows.
        if (times[k] > worst[j]) worst[j] = times[k];
        if (e == kEntryFirstPenalty) ++row.abandonCount;
        if (e > kEntryFirstPenalty) ++row.penaltyCount;
      }
    }
  }
  for (int j = 0; j < rowCount; ++j) {
    if (o.worstStageIncluded == 0 && totals[j] > 0) totals[j] -= worst[j];
    rows[j].time = ClampToTime(totals[j]);
  }
  return true;
}

ClassificationFilterItems OpenRallyClassification(platform::WindowHandle owner, RallyClassificationData* data) {
  platform::CopyBounded(data->carFilter, kAllCategories);
  platform::CopyBounded(data->ageFilter, kAllCategories);
  data->rowCount = FillParticipantRows(data->participants, data->participantCount, kAllCategories, kAllCategories,
                                       data->rows);
  if (data->eventRead && !ComputeRallyTotals(*data, data->rows, data->rowCount)) {
    ShowError(owner, Text::RallyFileNotFound);
  }
  ClassificationFilterItems items;
  GroupClassificationByCarCategory(data->rows, data->rowCount);
  items.cars = CarFilterItems(data->rows, data->rowCount);
  GroupClassificationByAgeCategory(data->rows, data->rowCount);
  items.ages = AgeFilterItems(data->rows, data->rowCount);
  CountLines(data);
  RankWithGaps(data->rows, data->rowCount);
  return items;
}

void RecomputeRallyClassification(platform::WindowHandle owner, RallyClassificationData* data) {
  BuildRallyTitles(data);
  data->rowCount = FillParticipantRows(data->participants, data->participantCount, data->carFilter, data->ageFilter,
                                       data->rows);
  if (!ComputeRallyTotals(*data, data->rows, data->rowCount)) ShowError(owner, Text::RallyFileNotFound);
  CountLines(data);
  RankWithGaps(data->rows, data->rowCount);
}

void ChangeRallyFilters(platform::WindowHandle owner, RallyClassificationData* data, const char* carItem,
                        const char* ageItem) {
  SetCategoryFilter(data->carFilter, sizeof data->carFilter, carItem);
  SetCategoryFilter(data->ageFilter, sizeof data->ageFilter, ageItem);
  RecomputeRallyClassification(owner, data);
}

bool SaveRallyClassification(platform::WindowHandle owner, const RallyClassificationData& data) {
  static ClassificationRow rows[kMaxParticipants];
  const int count = FillParticipantRows(data.participants, data.participantCount, kAllCategories, kAllCategories, rows);
  // Without totals the rows would be saved in participant order, as if ranked.
  if (!data.eventRead || data.rally == 0 || !ComputeRallyTotals(data, rows, count)) {
    ShowError(owner, Text::RallyFileNotFound);
    return false;
  }
  RankClassificationByTime(rows, count);
  RankClassificationByTime(rows, count);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RallyFileNotFound);
    return false;
  }
  char title[kSectionTitleSize];
  bool written = true;
  {
    const int range[2] = {data.options.ssFrom, data.options.ssTo};
    SectionBody body;
    AddNumbersLine(body, range, 2);
    FormatSectionTitle(title, kRallyClassificationKey, data.rally);
    written = WriteRallySection(owner, file, title, kRallyClassificationReserve, body,
                                Text::RallyClassificationTitleNotFound) && written;
  }
  if (RallyOptionsInBuild()) {
    const int options[2] = {data.options.powerStageIncluded, data.options.worstStageIncluded};
    SectionBody body;
    AddNumbersLine(body, options, 2);
    FormatSectionTitle(title, kRallyClassificationOptionsKey, data.rally);
    written = WriteRallySection(owner, file, title, kRallyClassificationOptionsReserve, body,
                                Text::RallyClassificationOptionsTitleNotFound) && written;
  }
  SectionBody body;
  AddSavedClassificationRows(body, rows, count, data.international);
  FormatSectionTitle(title, kRallyClassificationRowsKey, data.rally);
  return WriteRallySection(owner, file, title, kSavedClassificationReserve, body,
                           Text::RallyClassificationRowsTitleNotFound) && written;
}

std::string RallyClassificationTitle(const char* carFilter, const char* ageFilter) {
  const bool car = std::strcmp(carFilter, kAllCategories) != 0;
  const bool age = std::strcmp(ageFilter, kAllCategories) != 0;
  char text[160];
  if (car && age) {
    std::snprintf(text, sizeof text, Tr(Text::RallyClassificationTitleBoth), carFilter, ageFilter);
  } else if (car || age) {
    std::snprintf(text, sizeof text, Tr(Text::RallyClassificationTitleOne), car ? carFilter : ageFilter);
  } else {
    return Tr(Text::RallyClassificationTitle);
  }
  return text;
}

std::string RallyRowMark(const ClassificationRow& row) {
  if (row.abandonCount > 0 && row.penaltyCount > 0) return "(A+P)";
  if (row.abandonCount > 0) return "(A)";
  if (row.penaltyCount > 0) return "(P)";
  return "";
}

int NthRowWithAbandon(const ClassificationRow rows[kMaxParticipants], int count, int n) {
  return NthRow(rows, count, n, &ClassificationRow::abandonCount);
}

int NthRowWithPenalty(const ClassificationRow rows[kMaxParticipants], int count, int n) {
  return NthRow(rows, count, n, &ClassificationRow::penaltyCount);
}

std::string RallyAbandonEntry(const ClassificationRow& row) {
  return Formatted(row.abandonCount == 1 ? Text::RallyClassificationAbandonOne : Text::RallyClassificationAbandonMany,
                   Field(row.name).c_str(), row.abandonCount);
}

std::string RallyPenaltyEntry(const ClassificationRow& row) {
  return Formatted(row.penaltyCount == 1 ? Text::RallyClassificationPenaltyOne : Text::RallyClassificationPenaltyMany,
                   Field(row.name).c_str(), row.penaltyCount);
}

std::string RallyAbandonHeading(int ssFrom, int ssTo) {
  return Heading(Text::RallyClassificationAbandonHeading, ssFrom, ssTo);
}

std::string RallyPenaltyHeading(int ssFrom, int ssTo) {
  return Heading(Text::RallyClassificationPenaltyHeading, ssFrom, ssTo);
}

PageLine RallyPageLine(int line, int rowCount, int abandonLines, int penaltyLines) {
  if (line >= 0 && line < rowCount) return {PageLineKind::Row, line};
  if (line > rowCount && line <= rowCount + abandonLines) return {PageLineKind::Abandon, line - rowCount - 1};
  const int penalties = rowCount + abandonLines + 2;
  if (line >= penalties && line < penalties + penaltyLines) return {PageLineKind::Penalty, line - penalties};
  return {PageLineKind::Empty, 0};
}

std::vector<ClassificationPrintedPage> RallyPrintedPages(int rowCount, int abandonLines, int penaltyLines) {
  return PrintedPagesOfLines(rowCount, rowCount + abandonLines + penaltyLines + 2);
}

RallyPublishRefusal CheckRallyPublishing(int connected, int publishingActive, int rowCount) {
  if (connected != 1) return RallyPublishRefusal::NotConnected;
  if (publishingActive == 0) return RallyPublishRefusal::NotActivated;
  if (publishingActive != 1) return RallyPublishRefusal::NotConnected;
  if (rowCount == 0) return RallyPublishRefusal::Empty;
  return RallyPublishRefusal::None;
}

RallyArchiveNames RallyArchiveNamesOf(const char* carFilter, const char* ageFilter) {
  const std::string car = PublishedFilter(carFilter);
  const std::string age = PublishedFilter(ageFilter);
  std::string code = age.substr(0, age.find('('));
  if (code.size() > 7) code.resize(7);
  return {"Classement-" + car + "-" + age + ".txt", "Classement-" + car + "-" + code + ".txt"};
}
