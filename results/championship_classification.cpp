#include "results/championship_classification.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/text_fields.h"
#include "results/standings_ranking.h"

namespace {

constexpr int kEventReservePairs = 145;
constexpr int kPageLeft = 20;
constexpr int kPageTop = 250;

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }
int ClampToInt(long long value) {
  return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

template <std::size_t N>
bool FieldEquals(const char (&field)[N], const char* text) {
  return std::strncmp(field, text, N) == 0 && std::strlen(text) < N;
}

// --- Reading the file ---

// Looks a title up from the top: a line whose first field is the title and that follows an
// empty line or the header line (the events title stands right after the header). Leaves
// the file at the first byte after the title line.
bool FindChampionshipSection(platform::TextFile& file, const char* title) {
  file.Rewind();
  char line[kSectionTitleSize + 1];
  bool titlePlace = false;  // the line to come may hold a title
  for (int index = 0; file.ReadLine(line, sizeof line); ++index) {
    if (titlePlace) {
      char* tab = std::strchr(line, '\t');
      if (tab) *tab = '\0';
      if (std::strcmp(line, title) == 0) return true;
    }
    titlePlace = index == 0 || line[0] == '\0';
  }
  return false;
}

// A text field up to its TAB, bounded; true when the line goes on after it.
template <std::size_t N>
bool ReadField(platform::TextFile& file, char (&field)[N]) {
  return ReadTextField(file, field, N, FieldEnd::TabOrLineEnd) == '\t';
}

void ReadEventLines(platform::TextFile& file, ChampionshipState* state) {
  for (int e = 0; e < state->eventCount && !file.AtEnd(); ++e) {
    ChampionshipEvent& event = state->tables->events[e];
    if (!(ReadField(file, event.name) && ReadField(file, event.imagePath))) continue;  // line consumed
    if (ReadNumberField(file, &event.day) && ReadNumberField(file, &event.month)) ReadNumberField(file, &event.year);
    SkipRestOfLine(file);
  }
}

void ReadRallySection(platform::TextFile& file, int eventCount, ChampionshipRally* rally) {
  if (!ReadField(file, rally->name)) return;
  int rows = 0;
  ReadNumberField(file, &rows);
  ReadNumberField(file, &rally->extra);
  SkipRestOfLine(file);
  rally->rowCount = Clamp(rows, 0, kMaxChampionshipDrivers);
  for (int i = 0; i < rally->rowCount && !file.AtEnd(); ++i) {
    ChampionshipRow& row = rally->rows[i];
    if (!(ReadField(file, row.driver) && ReadField(file, row.team) && ReadField(file, row.carCategory) &&
          ReadField(file, row.ageCode) && ReadField(file, row.ageName))) {
      continue;  // the line ended early; it has been consumed
    }
    bool more = ReadNumberField(file, &row.total);
    for (int e = 0; more && e < eventCount; ++e) {
      more = ReadNumberField(file, &row.place[e]) && ReadNumberField(file, &row.rallyPoints[e]) &&
             ReadNumberField(file, &row.powerStagePoints[e]);
      // A hand may have put any number here; the window could store no more than its box takes,
      // and a place the import never gives would win every countback.
      if (row.place[e] < 1 || row.place[e] > kMaxChampionshipDrivers) row.place[e] = kNoChampionshipResult;
      row.rallyPoints[e] = Clamp(row.rallyPoints[e], kNoChampionshipResult, kMaxChampionshipPoints);
      row.powerStagePoints[e] = Clamp(row.powerStagePoints[e], kNoChampionshipResult, kMaxChampionshipPoints);
    }
    SkipRestOfLine(file);
  }
}

// --- Writing the file ---

void Overwrite(std::string* image, std::size_t at, const std::string& bytes) {
  if (image->size() < at + bytes.size()) image->resize(at + bytes.size());
  image->replace(at, bytes.size(), bytes);
}

// A title line after a line end, its reserve and the body written over it from its start.
void AppendSection(std::string* image, const char* title, long pairs, const SectionBody& body) {
  *image += "\r\n";
  *image += title;
  *image += "\t\r\n";
  const std::size_t start = image->size();
  for (long i = 0; i < pairs; ++i) *image += "1\t";
  *image += "\r\n";
  Overwrite(image, start, body.DiskBytes());
}

bool WriteImageFile(const char* path, const void* context) {
  const std::string& image = *static_cast<const std::string*>(context);
  platform::TextFile file(path, "w");
  return file && file.WriteRaw(image.data(), image.size()) && file.Flush();
}

// --- Import ---

const ClassifiedDriver* FindClassified(const ClassifiedDriver* lines, int count, const char* driver, int* index) {
  for (int i = 0; i < count; ++i) {
    if (lines[i].name[0] != '\0' && std::strncmp(lines[i].name, driver, kChampionshipDriverSize) == 0) {
      *index = i;
      return &lines[i];
    }
  }
  return nullptr;
}

int FindChampionshipRally(const ChampionshipState& state, const char* name) {
  for (int r = 0; r < state.tables->rallyCount; ++r) {
    if (std::strncmp(state.tables->rallies[r].name, name, kChampionshipRallyNameSize) == 0) return r;
  }
  return -1;
}

int FindDriver(const ChampionshipRally& rally, const char* driver) {
  for (int i = 0; i < rally.rowCount; ++i) {
    if (std::strncmp(rally.rows[i].driver, driver, kChampionshipDriverSize) == 0) return i;
  }
  return -1;
}

void ClearEventColumn(ChampionshipRow* row, int e) {
  row->place[e] = kNoChampionshipResult;
  row->rallyPoints[e] = kNoChampionshipResult;
  row->powerStagePoints[e] = kNoChampionshipResult;
}

void MergeRally(ChampionshipRally* target, const ImportedRally& source, int e) {
  for (int i = 0; i < target->rowCount; ++i) {
    ChampionshipRow& row = target->rows[i];
    int at = -1;
    if (const ClassifiedDriver* line = FindClassified(source.rally, source.participants, row.driver, &at)) {
      if (row.team[0] == '\0') platform::CopyBounded(row.team, line->team);
      if (row.carCategory[0] == '\0') platform::CopyBounded(row.carCategory, line->carCategory);
      if (row.ageCode[0] == '\0' && row.ageName[0] == '\0') {
        platform::CopyBounded(row.ageCode, line->ageCategoryCode);
        platform::CopyBounded(row.ageName, line->ageCategoryName);
      }
      row.place[e] = at + 1;
      row.rallyPoints[e] = source.rallyPoints[at];
    } else {
      row.place[e] = kNoChampionshipResult;
      row.rallyPoints[e] = kNoChampionshipResult;
    }
    row.powerStagePoints[e] = FindClassified(source.powerStage, source.participants, row.driver, &at)
                                  ? source.powerStagePoints[at]
                                  : kNoChampionshipResult;
  }
}

int ColumnStep(int powerStageIncluded) { return powerStageIncluded ? 110 : 70; }
int ColumnLimit(int powerStageIncluded) {
  return powerStageIncluded ? kChampionshipPowerStageColumns : kChampionshipColumns;
}

std::string AgeCategoryText(const ChampionshipRow& row) {
  return std::string(row.ageCode, strnlen(row.ageCode, sizeof row.ageCode)) + "(" +
         std::string(row.ageName, strnlen(row.ageName, sizeof row.ageName)) + ")";
}

void AddDistinct(std::vector<std::string>* list, const std::string& text) {
  for (const std::string& seen : *list) {
    if (seen == text) return;
  }
  list->push_back(text);
}

}  // namespace

ChampionshipFileReport ReadChampionshipClassificationFile(const char* path, ChampionshipState* state) {
  ClearChampionshipTables(state->tables);
  state->eventCount = 0;
  state->powerStageIncluded = 0;
  ChampionshipFileReport report;
  platform::TextFile file(path, "r");
  if (!file) return report;
  report.opened = true;
  int events = 0, rallies = 0, powerStage = 0;
  if (ReadNumberField(file, &events) && ReadNumberField(file, &rallies)) ReadNumberField(file, &powerStage);
  state->eventCount = Clamp(events, 0, kMaxChampionshipEvents);
  state->tables->rallyCount = Clamp(rallies, 0, kMaxChampionshipRallies);
  state->powerStageIncluded = powerStage == 1 ? 1 : 0;
  if (FindChampionshipSection(file, kChampionshipEventsTitle)) {
    ReadEventLines(file, state);
  } else {
    report.eventsTitleMissing = true;
  }
  for (int j = 1; j <= state->tables->rallyCount; ++j) {
    char title[kSectionTitleSize];
    FormatSectionTitle(title, kChampionshipRallyTitleKey, j);
    if (FindChampionshipSection(file, title)) {
      ReadRallySection(file, state->eventCount, &state->tables->rallies[j - 1]);
    } else {
      ++report.rallyTitlesMissing;
    }
  }
  // A rally whose title was missing leaves a hole; the rallies after it move up, in order, so
  // that Add, which takes the named ones as those before the first unnamed, finds them all
  // and creates new rallies after them rather than over them.
  ChampionshipRally* slots = state->tables->rallies;
  int named = 0;
  for (int r = 0; r < state->tables->rallyCount; ++r) {
    if (slots[r].name[0] == '\0') continue;
    if (r != named) {
      slots[named] = slots[r];
      ClearChampionshipRally(&slots[r]);
    }
    ++named;
  }
  return report;
}

std::string ChampionshipClassificationImage(const ChampionshipState& state) {
  const int events = Clamp(state.eventCount, 0, kMaxChampionshipEvents);
  const int rallies = Clamp(state.tables->rallyCount, 0, kMaxChampionshipRallies);
  char header[48];
  std::snprintf(header, sizeof header, "%d\t%d\t%d\t", events, rallies, state.powerStageIncluded);
  std::string image = header;
  SectionBody eventLines;
  for (int e = 0; e < events; ++e) {
    const ChampionshipEvent& event = state.tables->events[e];
    eventLines.AddText(event.name, sizeof event.name - 1)
        .AddText(event.imagePath, sizeof event.imagePath - 1)
        .AddInt(event.day)
        .AddInt(event.month)
        .AddInt(event.year)
        .EndLine();
  }
  AppendSection(&image, kChampionshipEventsTitle, static_cast<long>(kEventReservePairs) * events, eventLines);
  for (int j = 1; j <= rallies; ++j) {
    const ChampionshipRally& rally = state.tables->rallies[j - 1];
    const int rows = Clamp(rally.rowCount, 0, kMaxChampionshipDrivers);
    SectionBody body;
    body.AddText(rally.name, sizeof rally.name - 1).AddInt(rows).AddInt(rally.extra).EndLine();
    for (int i = 0; i < rows; ++i) {
      const ChampionshipRow& row = rally.rows[i];
      body.AddText(row.driver, sizeof row.driver - 1)
          .AddText(row.team, sizeof row.team - 1)
          .AddText(row.carCategory, sizeof row.carCategory - 1)
          .AddText(row.ageCode, sizeof row.ageCode - 1)
          .AddText(row.ageName, sizeof row.ageName - 1)
          .AddInt(row.total);
      for (int e = 0; e < events; ++e) body.AddInt(row.place[e]).AddInt(row.rallyPoints[e]).AddInt(row.powerStagePoints[e]);
      body.EndLine();
    }
    char title[kSectionTitleSize];
    FormatSectionTitle(title, kChampionshipRallyTitleKey, j);
    AppendSection(&image, title, ((20L * events + 135) * rows + 37) / 2, body);
  }
  return image;
}

bool WriteChampionshipClassificationFile(const char* path, const ChampionshipState& state) {
  const std::string image = ChampionshipClassificationImage(state);
  const std::string temporary = std::string(path) + ".tmp";
  if (!WriteImageFile(temporary.c_str(), &image) || !platform::MoveFileOver(temporary.c_str(), path)) {
    platform::DeleteFileAt(temporary.c_str());
    return false;
  }
  return true;
}

PointsAllocation ChampionshipScaleOf(const PointsScaleTable& table, const char* championship) {
  for (const PointsAllocation& scale : table) {
    if (championship[0] != '\0' && FieldEquals(scale.name, championship)) return scale;
  }
  PointsAllocation defaults;
  SetDefaultPointsAllocation(&defaults);
  platform::CopyBounded(defaults.name, championship);
  return defaults;
}

void ComputePlacePoints(const int* values, int valueCount, int order, int mode, int participants,
                        int points[kMaxParticipants]) {
  const int last = valueCount - 1;
  points[0] = ClampToInt(static_cast<long long>(values[0]) + (mode == kPointsFixed ? 0 : participants));
  for (int i = 1; i < kMaxParticipants; ++i) {
    const long long step = values[i < last ? i : last];
    if (order == kPointsAscending) {
      points[i] = ClampToInt(points[i - 1] + step);
    } else {
      const long long lower = points[i - 1] - step;
      points[i] = lower < 0 ? 0 : ClampToInt(lower);
    }
  }
}

bool ReadEventClassifications(const char* path, const PointsAllocation& scale, EventImport* import) {
  platform::ZeroBytes(import, sizeof *import);
  platform::TextFile file(path, "r");
  if (!file) return false;
  import->opened = true;
  int selectedNode = 0;
  RallyRecord header[kMaxRallies];
  ReadRallyFileHeaderFrom(file, &selectedNode, &import->rallyCount, header);
  for (int k = 0; k < import->rallyCount; ++k) {
    ImportedRally& rally = import->rallies[k];
    platform::CopyBounded(rally.name, header[k].name);
    rally.participants = Clamp(header[k].participantCount, 0, kMaxParticipants);
    int first = 0;
    int international = 0;
    if (FindRallySectionOf(file, kRallyClassificationRowsKey, k + 1, &first)) {
      rally.classified = true;
      ReadSavedClassificationSection(file, first, &international, rally.rally);
      import->classificationRead = true;
      import->international = international;
    }
    ComputePlacePoints(scale.rally, kRallyScaleValues, scale.order, scale.rallyMode, rally.participants,
                       rally.rallyPoints);
    if (FindRallySectionOf(file, kPowerStageClassificationKey, k + 1, &first)) {
      ReadSavedClassificationSection(file, first, &international, rally.powerStage);
      import->classificationRead = true;
      import->international = international;
    }
    ComputePlacePoints(scale.powerStage, kPowerStageScaleValues, scale.order, scale.powerStageMode,
                       rally.participants, rally.powerStagePoints);
  }
  return true;
}

void ChampionshipEventName(const char* typed, char (&name)[kChampionshipEventNameSize]) {
  platform::CopyBounded(name, typed);
  for (char& c : name) {
    if (c == '-') c = '_';
  }
}

NewEventRefusal CheckNewEvent(const ChampionshipState& state, int dayIndex, int monthIndex, int yearIndex,
                              const char* name, bool fileChosen) {
  if (dayIndex < 0 || monthIndex < 0 || yearIndex < 0) return NewEventRefusal::NoDate;
  if (name[0] == '\0' || name[0] == ' ') return NewEventRefusal::BadName;
  if (!fileChosen) return NewEventRefusal::NoFile;
  for (int e = 0; e < state.eventCount; ++e) {
    if (std::strncmp(state.tables->events[e].name, name, kChampionshipEventNameSize) == 0) {
      return NewEventRefusal::Duplicate;
    }
  }
  if (state.eventCount >= kMaxChampionshipEvents) return NewEventRefusal::Full;
  return NewEventRefusal::None;
}

int AddChampionshipEvent(ChampionshipState* state, const char* name, int day, int month, int year,
                         const EventImport* import) {
  if (state->eventCount >= kMaxChampionshipEvents) return -1;
  ChampionshipTables& tables = *state->tables;
  const int e = state->eventCount++;
  ChampionshipEvent& event = tables.events[e];
  ClearChampionshipEvent(&event);
  platform::CopyBounded(event.name, name);
  event.day = day;
  event.month = month;
  event.year = year;
  // The rallies in use are the named ones, 10 at most.
  int count = 0;
  while (count < kMaxChampionshipRallies && tables.rallies[count].name[0] != '\0') ++count;
  tables.rallyCount = count;
  const int importedRallies = import ? import->rallyCount : 0;
  for (int k = 0; k < importedRallies; ++k) {
    const ImportedRally& rally = import->rallies[k];
    if (!rally.classified || rally.name[0] == '\0' || FindChampionshipRally(*state, rally.name) >= 0) continue;
    if (tables.rallyCount >= kMaxChampionshipRallies) continue;
    ChampionshipRally& created = tables.rallies[tables.rallyCount++];
    ClearChampionshipRally(&created);
    platform::CopyBounded(created.name, rally.name);
  }
  for (int r = 0; r < tables.rallyCount; ++r) {
    for (ChampionshipRow& row : tables.rallies[r].rows) ClearEventColumn(&row, e);
  }
  for (int k = 0; k < importedRallies; ++k) {
    const ImportedRally& rally = import->rallies[k];
    const int r = rally.classified ? FindChampionshipRally(*state, rally.name) : -1;
    if (r < 0) continue;
    ChampionshipRally& target = tables.rallies[r];
    for (int i = 0; i < rally.participants; ++i) {
      const char* driver = rally.rally[i].name;
      if (driver[0] == '\0' || FindDriver(target, driver) >= 0 || target.rowCount >= kMaxChampionshipDrivers) continue;
      ChampionshipRow& row = target.rows[target.rowCount++];
      ClearChampionshipRow(&row);
      platform::CopyBounded(row.driver, driver);
    }
    MergeRally(&target, rally, e);
  }
  SortChampionshipEventsByDate(tables.events, tables.rallies, tables.rallyCount);
  ComputeChampionshipTotals(state);
  for (int i = 0; i < state->eventCount; ++i) {
    if (std::strncmp(tables.events[i].name, name, kChampionshipEventNameSize) == 0) return i;
  }
  return 0;
}

void RemoveChampionshipEvent(ChampionshipState* state, int index) {
  if (index < 0 || index >= state->eventCount) return;
  ChampionshipTables& tables = *state->tables;
  --state->eventCount;
  ClearChampionshipEvent(&tables.events[index]);
  for (int r = 0; r < tables.rallyCount; ++r) {
    for (ChampionshipRow& row : tables.rallies[r].rows) ClearEventColumn(&row, index);
  }
  SortChampionshipEventsByDate(tables.events, tables.rallies, tables.rallyCount);
  ComputeChampionshipTotals(state);
}

void ComputeRallyTotals(ChampionshipRally* rally, int eventCount, int powerStageIncluded) {
  const int events = Clamp(eventCount, 0, kMaxChampionshipEvents);
  for (int i = 0; i < Clamp(rally->rowCount, 0, kMaxChampionshipDrivers); ++i) {
    ChampionshipRow& row = rally->rows[i];
    long long total = 0;
    for (int e = 0; e < events; ++e) {
      if (row.rallyPoints[e] > 0) total += row.rallyPoints[e];
      if (powerStageIncluded && row.powerStagePoints[e] > 0) total += row.powerStagePoints[e];
    }
    row.total = ClampToInt(total);
  }
}

void ComputeChampionshipTotals(ChampionshipState* state) {
  for (int r = 0; r < state->tables->rallyCount; ++r) {
    ComputeRallyTotals(&state->tables->rallies[r], state->eventCount, state->powerStageIncluded);
  }
}

void RankChampionshipRally(ChampionshipRally* rally, ChampionshipDisplayRow* display, int order) {
  const int count = Clamp(rally->rowCount, 0, kMaxChampionshipDrivers);
  for (int i = 0; i < kMaxChampionshipDrivers; ++i) ClearChampionshipDisplayRow(&display[i]);
  for (int i = 0; i < count; ++i) {
    const ChampionshipRow& row = rally->rows[i];
    platform::CopyBounded(display[i].name, row.driver);
    std::memcpy(display[i].results, row.place, sizeof display[i].results);
    display[i].key = row.total;
    SortStandingResults(&display[i]);
  }
  if (order == kPointsAscending) {
    RankStandingsAscending(display, count);
  } else {
    RankStandingsDescending(display, count);
  }
  ReorderStandingsByRanking(rally->rows, display, count);
}

std::vector<std::string> CarCategoriesOf(const ChampionshipRally& rally) {
  std::vector<std::string> list;
  for (int i = 0; i < Clamp(rally.rowCount, 0, kMaxChampionshipDrivers); ++i) {
    const ChampionshipRow& row = rally.rows[i];
    AddDistinct(&list, std::string(row.carCategory, strnlen(row.carCategory, sizeof row.carCategory)));
  }
  return list;
}

std::vector<std::string> AgeCategoriesOf(const ChampionshipRally& rally) {
  std::vector<std::string> list;
  for (int i = 0; i < Clamp(rally.rowCount, 0, kMaxChampionshipDrivers); ++i) AddDistinct(&list, AgeCategoryText(rally.rows[i]));
  return list;
}

void SelectChampionshipRally(ChampionshipRally* rally, ChampionshipDisplayRow* display, int order,
                             std::vector<std::string>* carCategories, std::vector<std::string>* ageCategories) {
  const int count = Clamp(rally->rowCount, 0, kMaxChampionshipDrivers);
  GroupStandingsByCarCategory(rally->rows, count);
  *carCategories = CarCategoriesOf(*rally);
  GroupStandingsByAgeCategory(rally->rows, count);
  *ageCategories = AgeCategoriesOf(*rally);
  RankChampionshipRally(rally, display, order);
}

void BuildChampionshipView(const ChampionshipRally& rally, const char* carFilter, const char* ageFilter,
                           ChampionshipRally* view) {
  ClearChampionshipRally(view);
  platform::CopyBounded(view->name, rally.name);
  view->extra = rally.extra;
  const bool allCars = std::strcmp(carFilter, kAllCategories) == 0;
  const bool allAges = std::strcmp(ageFilter, kAllCategories) == 0;
  for (int i = 0; i < Clamp(rally.rowCount, 0, kMaxChampionshipDrivers); ++i) {
    const ChampionshipRow& row = rally.rows[i];
    if (!allCars && std::strncmp(row.carCategory, carFilter, sizeof row.carCategory) != 0) continue;
    if (!allAges && AgeCategoryText(row) != ageFilter) continue;
    view->rows[view->rowCount++] = row;
  }
}

ScrollBarState ChampionshipVerticalBar(int viewRows, int position) {
  ScrollBarState bar{viewRows > kChampionshipPageRows, 0, 0};
  if (bar.shown) {
    bar.maximum = viewRows - kChampionshipPageRows;
    bar.position = Clamp(position, 0, bar.maximum);
  }
  return bar;
}

ScrollBarState ChampionshipHorizontalBar(int eventCount, int powerStageIncluded, int position) {
  ScrollBarState bar{eventCount > ColumnLimit(powerStageIncluded), 0, 0};
  if (bar.shown) {
    bar.maximum = eventCount - 1;
    bar.position = Clamp(position, 0, bar.maximum);
  }
  return bar;
}

int ChampionshipColumnsShown(const ChampionshipEvent* events, int eventCount, int powerStageIncluded, int first) {
  const int available = Clamp(eventCount, 0, kMaxChampionshipEvents);
  int k = 0;
  while (first >= 0 && k < ColumnLimit(powerStageIncluded) && first + k < available && events[first + k].name[0] != '\0') {
    ++k;
  }
  return k;
}

int ChampionshipHeadingAt(int x, int y, int powerStageIncluded, int firstEvent, int eventCount) {
  const int px = x - kPageLeft, py = y - kPageTop;
  if (py <= 95 || py > 134) return -1;
  const int step = ColumnStep(powerStageIncluded);
  const int width = powerStageIncluded ? 88 : 48;
  for (int c = 0; c < ColumnLimit(powerStageIncluded); ++c) {
    const int left = 457 + step * c;
    if (px > left && px < left + width && firstEvent + c < eventCount) return firstEvent + c;
  }
  return -1;
}

ChampionshipPointCell ChampionshipPointCellAt(int x, int y, int powerStageIncluded, int firstEvent, int eventCount,
                                              int firstRow, int viewRows) {
  ChampionshipPointCell cell;
  const int px = x - kPageLeft, py = y - kPageTop;
  int r = -1;
  for (int i = 0; i < kChampionshipPageRows; ++i) {
    if (py > 160 + 15 * i && py < 175 + 15 * i) r = i;
  }
  if (r < 0 || firstRow + r >= viewRows) return cell;
  const int step = ColumnStep(powerStageIncluded);
  for (int c = 0; c < ColumnLimit(powerStageIncluded); ++c) {
    if (firstEvent + c >= eventCount) break;
    const int left = 475 + step * c;
    if (px > left && px < 510 + step * c) {
      cell = {firstRow + r, firstEvent + c, false, kPageLeft + left, kPageTop + 160 + 15 * r};
    } else if (powerStageIncluded && px > 510 + step * c && px < 550 + step * c) {
      cell = {firstRow + r, firstEvent + c, true, kPageLeft + 510 + step * c, kPageTop + 160 + 15 * r};
    }
  }
  return cell;
}

int ChampionshipCellValue(const ChampionshipRally& view, const ChampionshipPointCell& cell) {
  if (cell.viewRow < 0 || cell.viewRow >= view.rowCount || cell.event < 0 || cell.event >= kMaxChampionshipEvents) {
    return kNoChampionshipResult;
  }
  const ChampionshipRow& row = view.rows[cell.viewRow];
  return cell.powerStage ? row.powerStagePoints[cell.event] : row.rallyPoints[cell.event];
}

void StoreChampionshipCorrection(ChampionshipRally* view, ChampionshipRally* rally, const ChampionshipPointCell& cell,
                                 int value) {
  if (cell.viewRow < 0 || cell.viewRow >= view->rowCount || cell.event < 0 || cell.event >= kMaxChampionshipEvents) return;
  ChampionshipRow& shown = view->rows[cell.viewRow];
  (cell.powerStage ? shown.powerStagePoints : shown.rallyPoints)[cell.event] = value;
  const int i = FindDriver(*rally, shown.driver);
  if (i >= 0) (cell.powerStage ? rally->rows[i].powerStagePoints : rally->rows[i].rallyPoints)[cell.event] = value;
}
