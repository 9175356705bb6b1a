#include "race/event_records.h"

#include <cstring>
#include <initializer_list>

#include "platform/bounded.h"
#include "race/event_file.h"
#include "race/stage_timing.h"
#include "race/text_fields.h"

namespace {

template <std::size_t N>
void AddField(SectionBody& body, const char (&field)[N]) {
  body.AddText(field, N - 1);
}

// A text that must not be empty: it follows a number or marks an empty slot.
template <std::size_t N>
void AddFieldOr(SectionBody& body, const char (&field)[N], const char* whenEmpty) {
  body.AddText(field[0] ? field : whenEmpty, N - 1);
}

struct Field {
  char* text;
  std::size_t size;
};
template <std::size_t N>
Field F(char (&text)[N]) {
  return {text, N};
}

// Reads the fields of one line in order; fields after the one that ends the line (or the
// file) are left empty. Then skips the rest of the line and the line ends that follow.
void ReadFieldsLine(platform::TextFile& file, std::initializer_list<Field> fields) {
  int end = '\t';
  for (const Field& field : fields) {
    if (end == '\t') {
      end = ReadTextField(file, field.text, field.size, FieldEnd::TabOrLineEnd);
    } else {
      platform::ZeroBytes(field.text, field.size);
    }
  }
  if (end == '\t') SkipRestOfLine(file);
  SkipLineEnds(file);
}

void EndOfNumbersLine(platform::TextFile& file) {
  SkipRestOfLine(file);
  SkipLineEnds(file);
}

// The section readers receive the file one byte into the body.
bool BackToBody(platform::TextFile& file, int firstByte) {
  return firstByte != EOF && file.Seek(-1, SEEK_CUR);
}

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

void ClearRallyList(RallyRecord rallies[kMaxRallies]) {
  platform::ZeroBytes(rallies, sizeof(RallyRecord) * kMaxRallies);
}

void ClearRallyParticipantNames(RallyParticipantNames names) {
  platform::ZeroBytes(names, sizeof(RallyParticipantNames));
}

void ClearTreeviewFlags(TreeviewFlags flags) { platform::ZeroBytes(flags, sizeof(TreeviewFlags)); }

void ClearStageResultRows(StageResultRow rows[kMaxParticipants]) {
  platform::ZeroBytes(rows, sizeof(StageResultRow) * kMaxParticipants);
}

// --- Tree-view flags ---

void AddTreeviewFlagsBody(SectionBody& body, const TreeviewFlags flags) {
  for (int rally = 0; rally < kMaxRallies; ++rally) {
    for (int stage = 0; stage < kMaxStages; ++stage) body.AddInt(flags[rally][stage]);
  }
  body.EndLine();
}

void ReadTreeviewFlagsSection(platform::TextFile& file, int firstByte, TreeviewFlags flags) {
  ClearTreeviewFlags(flags);
  if (!BackToBody(file, firstByte)) return;
  for (int rally = 0; rally < kMaxRallies; ++rally) {
    for (int stage = 0; stage < kMaxStages; ++stage) {
      if (!ReadNumberField(file, &flags[rally][stage])) return;
    }
  }
}

bool WriteTreeviewFlagsSection(platform::WindowHandle owner, platform::TextFile& file, const char* title,
                               const TreeviewFlags flags) {
  SectionBody body;
  AddTreeviewFlagsBody(body, flags);
  return WriteRallySection(owner, file, title, kTreeviewFlagsReserve, body, Text::TreeviewFlagsTitleNotFound);
}

// --- Track details ---

bool StripInternationalPrefix(TrackDetails* track) {
  const std::size_t prefix = std::strlen(kInternationalPrefix);
  if (std::strncmp(track->eventName, kInternationalPrefix, prefix) != 0) return false;
  const std::size_t width = sizeof track->eventName;
  std::memmove(track->eventName, track->eventName + prefix, width - prefix);
  platform::ZeroBytes(track->eventName + width - prefix, prefix);
  return true;
}

void AddTrackBody(SectionBody& body, const TrackDetails& track) {
  AddField(body, track.eventName);
  AddField(body, track.hostingClub);
  AddField(body, track.championship);
  AddField(body, track.raceDirector);
  AddField(body, track.location);
  AddField(body, track.date);
  body.EndLine();
}

void ReadTrackSection(platform::TextFile& file, int firstByte, TrackDetails* track) {
  platform::ZeroBytes(track, sizeof *track);
  if (!BackToBody(file, firstByte)) return;
  ReadFieldsLine(file, {F(track->eventName), F(track->hostingClub), F(track->championship),
                        F(track->raceDirector), F(track->location), F(track->date)});
}

// --- Participants and their ages ---

void AddParticipantsBody(SectionBody& body, const ParticipantRecord participants[kMaxParticipants]) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    const ParticipantRecord& p = participants[i];
    AddField(body, p.name);
    AddField(body, p.team);
    AddField(body, p.car);
    AddField(body, p.carNumber);
    AddField(body, p.transponder);
    AddField(body, p.carCategory);
    for (const auto& frequency : p.frequencies) AddField(body, frequency);
    body.EndLine();
  }
}

void ReadParticipantsSection(platform::TextFile& file, int firstByte,
                             ParticipantRecord participants[kMaxParticipants]) {
  bool reading = BackToBody(file, firstByte);
  for (int i = 0; i < kMaxParticipants; ++i) {
    ParticipantRecord& p = participants[i];
    Field fields[] = {F(p.name), F(p.team), F(p.car), F(p.carNumber), F(p.transponder), F(p.carCategory),
                      F(p.frequencies[0]), F(p.frequencies[1]), F(p.frequencies[2]), F(p.frequencies[3]),
                      F(p.frequencies[4])};
    for (const Field& field : fields) platform::ZeroBytes(field.text, field.size);
    if (!reading || file.AtEnd()) continue;
    ReadFieldsLine(file, {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6],
                          fields[7], fields[8], fields[9], fields[10]});
  }
}

bool ReadRallyParticipantNames(RallyParticipantNames names, int selectedNode) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) return false;
  int rally = RallyOfNode(selectedNode);
  if (rally < 1 || rally > kMaxRallies) return true;
  int first = 0;
  if (!FindRallySectionOf(file, kParticipantsKey, rally, &first)) return true;
  platform::ZeroBytes(names[rally - 1], sizeof names[0]);
  ReadParticipantNamesSection(file, first, names[rally - 1]);
  return true;
}

void ReadParticipantNamesSection(platform::TextFile& file, int firstByte, char (*names)[kDriverNameSize]) {
  if (!BackToBody(file, firstByte)) return;
  for (int i = 0; i < kMaxParticipants && !file.AtEnd(); ++i) ReadFieldsLine(file, {F(names[i])});
}

void AddParticipantAgesBody(SectionBody& body, const ParticipantRecord participants[kMaxParticipants]) {
  for (int i = 0; i < kMaxParticipants; ++i) {
    AddField(body, participants[i].name);
    AddField(body, participants[i].ageCategoryCode);
    AddField(body, participants[i].ageCategoryName);
    body.EndLine();
  }
}

void ReadParticipantAgesSection(platform::TextFile& file, int firstByte,
                                ParticipantRecord participants[kMaxParticipants]) {
  bool reading = BackToBody(file, firstByte);
  for (int i = 0; i < kMaxParticipants; ++i) {
    ParticipantRecord& p = participants[i];
    platform::ZeroBytes(p.name, sizeof p.name);
    platform::ZeroBytes(p.ageCategoryCode, sizeof p.ageCategoryCode);
    platform::ZeroBytes(p.ageCategoryName, sizeof p.ageCategoryName);
    if (reading && !file.AtEnd()) ReadFieldsLine(file, {F(p.name), F(p.ageCategoryCode), F(p.ageCategoryName)});
  }
}

// --- Start order ---

void AddStartOrderBody(SectionBody& body, int hasResults, const char* label,
                       const char (*names)[kDriverNameSize]) {
  body.AddInt(hasResults).AddText(label, kStartOrderLabelSize - 1).EndLine();
  for (int i = 0; i < kMaxParticipants; ++i) {
    AddField(body, names[i]);
    body.EndLine();
  }
}

namespace {

// The flag and label line; the names follow through nameOf(i).
template <typename NameOf>
void ReadStartOrder(platform::TextFile& file, int firstByte, int* hasResults, char (&label)[kStartOrderLabelSize],
                    NameOf nameOf) {
  *hasResults = 0;
  platform::ZeroBytes(label, sizeof label);
  for (int i = 0; i < kMaxParticipants; ++i) platform::ZeroBytes(nameOf(i), kDriverNameSize);
  if (!BackToBody(file, firstByte)) return;
  ReadNumberField(file, hasResults);
  ReadFieldsLine(file, {F(label)});
  for (int i = 0; i < kMaxParticipants && !file.AtEnd(); ++i) ReadFieldsLine(file, {{nameOf(i), kDriverNameSize}});
}

}  // namespace

void ReadStartOrderSection(platform::TextFile& file, int firstByte, StartOrder* order) {
  ReadStartOrder(file, firstByte, &order->hasResults, order->label, [order](int i) { return order->names[i]; });
}

void ReadStartOrderIntoParticipants(platform::TextFile& file, int firstByte, int* hasResults,
                                    char (&label)[kStartOrderLabelSize],
                                    ParticipantRecord participants[kMaxParticipants]) {
  ReadStartOrder(file, firstByte, hasResults, label, [participants](int i) { return participants[i].name; });
}

// --- Lines of numbers ---

void AddNumbersLine(SectionBody& body, const int* values, int count) {
  for (int i = 0; i < count; ++i) body.AddInt(values[i]);
  body.EndLine();
}

int ReadNumbersSection(platform::TextFile& file, int firstByte, int* values, int count) {
  if (!BackToBody(file, firstByte)) return 0;
  int read = 0;
  while (read < count && ReadNumberField(file, &values[read])) ++read;
  return read;
}

void ReadRallyParametersSection(platform::TextFile& file, int firstByte, RallyParameters* parameters) {
  int values[3] = {parameters->startInterval, parameters->rest, parameters->minimumLapTime};
  ReadNumbersSection(file, firstByte, values, 3);
  parameters->startInterval = values[0];
  parameters->rest = values[1];
  parameters->minimumLapTime = values[2];
}

int ClampParameterSeconds(int value) {
  return value < 0 ? 0 : value > kMaxParameterSeconds ? kMaxParameterSeconds : value;
}

void ClampRallyParameters(RallyParameters* parameters) {
  parameters->startInterval = ClampParameterSeconds(parameters->startInterval);
  parameters->minimumLapTime = ClampParameterSeconds(parameters->minimumLapTime);
  if (parameters->rest < 0) parameters->rest = 0;
  if (parameters->rest > kMaxRestMinutes) parameters->rest = kMaxRestMinutes;
  if (parameters->startType != kWrcStart) parameters->startType = kStandardStart;
}

// --- Stage results ---

int StageResultsReserve(int participantCount) {
  return 17 * Clamp(participantCount, 0, kMaxParticipants) + 2112;
}

void AddStageResultsBody(SectionBody& body, const StageResultRow rows[kMaxParticipants], int stageState,
                         int timeRun, const StageResultsText& text) {
  body.AddInt(stageState).AddInt(timeRun).EndLine();
  for (int i = 0; i < kMaxParticipants; ++i) {
    // An empty name would let the number before it swallow its TAB on reading.
    AddFieldOr(body, rows[i].name, kEmptySlotName);
    body.AddInt(rows[i].state).AddInt(rows[i].time).EndLine();
  }
  const char* start = text.startText && text.startText[0] ? text.startText : kNotStartedText;
  const char* comment = text.comment && text.comment[0] ? text.comment : kNoComment;
  body.AddText(start, kStartTextSize - 1)
      .AddText(comment, kCommentSize - 1, true)
      .AddText(text.trackCondition, kTrackConditionSize - 1)
      .EndLine();
}

SaveResult WriteStageResultRowsSection(platform::WindowHandle owner, const StageResultRow rows[kMaxParticipants],
                                       int stageState, int timeRun, const StageResultsText& text,
                                       int participantCount, const char* title) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) return SaveResult::FileNotFound;
  SectionBody body;
  AddStageResultsBody(body, rows, stageState, timeRun, text);
  bool written = WriteRallySection(owner, file, title, StageResultsReserve(participantCount), body,
                                   Text::StageTitleNotFound);
  return written ? SaveResult::Saved : SaveResult::NotSaved;
}

SaveResult WriteStageResultsSection(platform::WindowHandle owner, const StageEntry entries[kMaxParticipants],
                                    int stageState, int timeRun, const StageResultsText& text, int participantCount,
                                    const char* title) {
  static StageResultRow rows[kMaxParticipants];
  for (int i = 0; i < kMaxParticipants; ++i) {
    platform::CopyBounded(rows[i].name, sizeof rows[i].name, entries[i].name);
    rows[i].state = entries[i].state;
    rows[i].time = entries[i].time;
  }
  return WriteStageResultRowsSection(owner, rows, stageState, timeRun, text, participantCount, title);
}

int ReadStageResultsSection(platform::TextFile& file, int firstByte, StageResultRow rows[kMaxParticipants],
                            int* stageState, int* timeRun, char (&startText)[kStartTextSize],
                            char (&comment)[kCommentSize], char (&trackCondition)[kTrackConditionSize]) {
  ClearStageResultRows(rows);
  *stageState = 0;
  *timeRun = 0;
  platform::ZeroBytes(startText, sizeof startText);
  platform::ZeroBytes(comment, sizeof comment);
  platform::ZeroBytes(trackCondition, sizeof trackCondition);
  if (!BackToBody(file, firstByte)) return EOF;
  ReadNumberField(file, stageState);
  ReadNumberField(file, timeRun);
  EndOfNumbersLine(file);
  for (int i = 0; i < kMaxParticipants && !file.AtEnd(); ++i) {
    StageResultRow& row = rows[i];
    if (ReadTextField(file, row.name, FieldEnd::TabOrLineEnd) == '\t') {
      ReadNumberField(file, &row.state);
      ReadNumberField(file, &row.time);
      SkipRestOfLine(file);
    }
    SkipLineEnds(file);
  }
  // The comment may hold the line breaks of its multi-line edit: it ends at its TAB only.
  int end = ReadTextField(file, startText, FieldEnd::TabOrLineEnd);
  if (end == '\t') end = ReadTextField(file, comment, FieldEnd::Tab);
  if (end == '\t') end = ReadTextField(file, trackCondition, FieldEnd::TabOrLineEnd);
  return end;
}

bool ReadStageResults(StageResultRow rows[kMaxParticipants], int* stageState, int* timeRun,
                      char (&startText)[kStartTextSize], char (&comment)[kCommentSize],
                      char (&trackCondition)[kTrackConditionSize], const char* title) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) return false;
  int first = 0;
  if (FindTitledSection(file, title, &first)) {
    ReadStageResultsSection(file, first, rows, stageState, timeRun, startText, comment, trackCondition);
  }
  return true;
}

// --- Penalties ---

void AddPenaltiesBody(SectionBody& body, const PenaltyRecord list[kMaxPenalties], int flag) {
  const int count = DefinedPenaltyCount(list);
  body.AddInt(count).AddInt(flag).EndLine();
  for (int i = 0; i < count; ++i) {
    body.AddInt(list[i].kind).AddInt(list[i].duration);
    AddField(body, list[i].code);
    AddField(body, list[i].name);
    body.EndLine();
  }
}

bool WritePenaltiesSection(platform::WindowHandle owner, platform::TextFile& file, const char* title,
                           const PenaltyRecord list[kMaxPenalties], int flag) {
  SectionBody body;
  AddPenaltiesBody(body, list, flag);
  return WriteRallySection(owner, file, title, kPenaltiesReserve, body, Text::PenaltiesTitleNotFound);
}

void ReadPenaltiesSection(platform::TextFile& file, int firstByte, PenaltyRecord list[kMaxPenalties], int* flag) {
  // A section whose count and flag cannot be read keeps no list of its own: the database's
  // holds, rather than an empty list that would apply no penalty at all.
  *flag = 1;
  if (!BackToBody(file, firstByte)) return;
  int count = 0, own = 1;
  if (!ReadNumberField(file, &count) || !ReadNumberField(file, &own)) return;
  *flag = own;
  EndOfNumbersLine(file);
  count = Clamp(count, 0, kMaxPenalties);
  for (int i = 0; i < count && !file.AtEnd(); ++i) {
    PenaltyRecord& penalty = list[i];
    penalty.kind = 0;
    penalty.duration = 0;
    ReadNumberField(file, &penalty.kind);
    ReadNumberField(file, &penalty.duration);
    ReadFieldsLine(file, {F(penalty.code), F(penalty.name)});
  }
}

// --- Saved classifications ---

void AddSavedClassificationBody(SectionBody& body, int international,
                                const ClassifiedDriver drivers[kMaxParticipants]) {
  body.AddInt(international).EndLine();
  for (int i = 0; i < kMaxParticipants; ++i) {
    AddField(body, drivers[i].name);
    AddField(body, drivers[i].team);
    AddField(body, drivers[i].carCategory);
    AddField(body, drivers[i].ageCategoryCode);
    AddField(body, drivers[i].ageCategoryName);
    body.EndLine();
  }
}

void ReadSavedClassificationSection(platform::TextFile& file, int firstByte, int* international,
                                    ClassifiedDriver drivers[kMaxParticipants]) {
  *international = 0;
  platform::ZeroBytes(drivers, sizeof(ClassifiedDriver) * kMaxParticipants);
  if (!BackToBody(file, firstByte)) return;
  ReadNumberField(file, international);
  EndOfNumbersLine(file);
  for (int i = 0; i < kMaxParticipants && !file.AtEnd(); ++i) {
    ClassifiedDriver& d = drivers[i];
    ReadFieldsLine(file, {F(d.name), F(d.team), F(d.carCategory), F(d.ageCategoryCode), F(d.ageCategoryName)});
  }
}
