#include "race/live_table.h"

#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "race/countdowns.h"
#include "race/race_engine.h"
#include "race/stage_ranking.h"

namespace {

LiveTableState liveTable = {};
constexpr const char* kConfirmCaption = "Vellgrin";

int DesignX(const LiveTableGeometry& g, int offset) { return LiveColumnX(g.layout, g.screenWidth, offset); }

int LineTop(const LiveTableGeometry& g, int line) { return RowTop(g.layout, g.screenHeight, g.rows.rowHeight, line); }

void ShowError(platform::WindowHandle window, Text text) {
  platform::ShowMessage(window, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

}  // namespace

LiveTableState& LiveTable() { return liveTable; }

LiveTableGeometry MakeLiveTableGeometry(int screenWidth, int screenHeight, const int columnWidths[kLiveColumnCount],
                                        int startTimeColumnWidth, const RaceRowMetrics& rows) {
  LiveTableGeometry g = {};
  g.screenWidth = screenWidth;
  g.screenHeight = screenHeight;
  g.layout = ComputeRaceScreenLayout(screenWidth, screenHeight, columnWidths, startTimeColumnWidth, rows);
  g.rows = rows;
  g.offsets = ComputeLiveColumnOffsets(columnWidths, startTimeColumnWidth);
  return g;
}

int HitLine(const LiveTableGeometry& g, int y) {
  for (int line = 0; line < g.rows.rowsShown && line < kMaxLiveRows; ++line)
    if (LineTop(g, line) < y && y < LineTop(g, line + 1)) return line;
  return -1;
}

bool InLaneCell(const LiveTableGeometry& g, int x) { return g.layout.laneColumn.left < x && x < g.layout.laneColumn.right; }

bool InTimeCell(const LiveTableGeometry& g, int x) {
  return DesignX(g, g.offsets.start[kTimeColumn]) < x && x < DesignX(g, g.offsets.start[kTimeColumn + 1]);
}

bool InTransponderCell(const LiveTableGeometry& g, int x) {
  return DesignX(g, g.offsets.start[kTransponderColumn]) < x && x < DesignX(g, g.offsets.sum);
}

bool InHeadingBand(const LiveTableGeometry& g, int y) { return g.layout.headerBand.top < y && y < g.layout.headerBand.bottom; }

int HitColumnBorder(const LiveTableGeometry& g, const int columnWidths[kLiveColumnCount], int startTimeColumnWidth,
                    int x, int y, bool startTimeColumn) {
  if (!InHeadingBand(g, y)) return -1;
  // Screen order: five columns, the start-time column, then the last four.
  const int order[10] = {0, 1, 2, 3, 4, kStartTimeDragColumn, 5, 6, 7, 8};
  const int W = g.screenWidth;
  long long border = W / 80 + W / 32 + 200;
  int hit = -1;
  for (int column : order) {
    int width = column == kStartTimeDragColumn ? startTimeColumnWidth : columnWidths[column];
    border += ScaleDesign(W, width, 1600);
    if (column == kStartTimeDragColumn && !startTimeColumn) continue;
    if (border - kBorderTolerance <= x && x <= border + kBorderTolerance) hit = column;
  }
  return hit;
}

int DraggedColumnWidth(int width, int delta) {
  long long result = static_cast<long long>(width) + delta;
  if (result < kMinColumnWidth) return kMinColumnWidth;
  if (result > kMaxDisplayColumnWidth) return kMaxDisplayColumnWidth;
  return static_cast<int>(result);
}

void DragStartTimeColumn(LateStartPenaltySettings* settings, int* startTimeColumnWidth, int delta) {
  if (settings->enabled2 == 0 && delta > 50) {
    settings->enabled2 = 1;
    *startTimeColumnWidth = 100;
  } else if (settings->enabled2 == 1 && delta < -50) {
    settings->enabled2 = 0;
    *startTimeColumnWidth = 5;
  }
}

EditRect CorrectionEditRect(const LiveTableGeometry& g, int w, int line, int edit) {
  const int W = g.screenWidth;
  const int c7 = g.offsets.start[kTimeColumn];
  EditRect r = {};
  r.top = LineTop(g, line) + 2;
  r.height = ScaleDesign(g.rows.rowHeight - 4, g.screenHeight, 900);
  int part = ScaleDesign(W, 2 * w / 9 - 1, 1600);
  switch (edit) {
    case 0:
      r.left = DesignX(g, c7 + 2);
      r.width = part;
      break;
    case 1:
      r.left = DesignX(g, c7 + 2 * w / 9 + 1);
      r.width = part;
      break;
    case 2:
      r.left = DesignX(g, c7 + 4 * w / 9);
      r.width = part;
      break;
    default:
      r.left = DesignX(g, c7 + 6 * w / 9 - 1);
      r.width = ScaleDesign(W, w / 3 - 1, 1600);
      break;
  }
  return r;
}

EditRect ChipListRect(const LiveTableGeometry& g, int transponderColumnWidth, int line) {
  EditRect r = {};
  r.left = DesignX(g, g.offsets.start[kTransponderColumn] + 1);
  r.top = LineTop(g, line) + 2;
  r.width = ScaleDesign(g.screenWidth, transponderColumnWidth, 1600);
  r.height = ScaleDesign(400, g.screenHeight, 900);
  return r;
}

int CorrectionEditLimit(int edit) { return edit == 3 ? 3 : 2; }

unsigned ApplyTimeCorrection(StageEntry* live, StageEntry* ranked, int edit, unsigned value) {
  // The edits hold at most 3 digits. The parts are summed in 64 bits: 999 hours, or the
  // parts of a huge time a damaged file gave, are beyond a time.
  if (value > 999) value = 999;
  if ((edit == 1 || edit == 2) && value > 59) value = 59;
  int* field[4] = {&ranked->timeHours, &ranked->timeMinutes, &ranked->timeSeconds, &ranked->timeMillis};
  *field[edit < 0 ? 0 : edit > 3 ? 3 : edit] = static_cast<int>(value);
  const int time = ClampToTime(std::int64_t{ranked->timeHours} * 3600000 + std::int64_t{ranked->timeMinutes} * 60000 +
                               std::int64_t{ranked->timeSeconds} * 1000 + ranked->timeMillis);
  ranked->time = time;
  live->time = time;
  if (live->state <= kEntryRunning) live->state = kEntryFinished;
  live->firstTime = kRedetectionQuestionOff;
  return value;
}

int ScrolledPosition(int request, int position, int minimum, int maximum, int thumb) {
  switch (request) {
    case 0:
      return position > minimum ? position - 1 : position;
    case 1:
      return position < maximum ? position + 1 : position;
    case 2:
      return minimum;
    case 3:
      return maximum;
    case 4:
      return thumb;
    default:
      return position;
  }
}

bool MayReleaseByHand(const MainState& s, int index, int wrcNextIndex) {
  return s.parameters.startType != kWrcStart || index == wrcNextIndex;
}

ManualQuestion ManualTimingQuestion(const MainState& s, int index, int wrcNextIndex) {
  if (!s.messageBoxOption || index < 0 || index >= kMaxParticipants) return ManualQuestion::None;
  switch (s.entries[index].state) {
    case kEntryNotStarted:
      return MayReleaseByHand(s, index, wrcNextIndex) ? ManualQuestion::Release : ManualQuestion::None;
    case kEntryReleased:
      return ManualQuestion::Start;
    case kEntryRunning:
      return ManualQuestion::Finish;
    default:
      return ManualQuestion::None;
  }
}

void RunManualTimingAction(platform::WindowHandle window, MainState& s, int index, int stateAsked) {
  if (index < 0 || index >= kMaxParticipants) return;
  StageEntry& e = s.entries[index];
  if (e.state != stateAsked) return;
  RaceEngineState& engine = RaceEngine();
  if (e.state == kEntryNotStarted) {
    if (!MayReleaseByHand(s, index, engine.countdown.nextIndex)) return;
    ReleaseDriver(s, index);
    e.startOffset = static_cast<int>(platform::TickCount());
    if (SoundSwitchOn(s.sounds.countdown, "SONDECOMPTE")) PlayRaceSound(s, 12, "sons/beep2.wav", false);
    return;
  }
  if (e.state >= kEntryFirstPenalty) return;
  e.passCounter = platform::PerformanceCounter();
  if (engine.counterFrequency != 0)
    e.passTime = (e.passCounter - engine.counterZero) * 1000 / engine.counterFrequency;
  const int startType = s.parameters.startType;
  if (e.state == kEntryReleased) StartReleasedEntry(s, engine.countdown, e, static_cast<int>(e.passTime));
  RecordStageDetection(window, s.entries, startType, index);
  MarkFastestStageTime(s.entries, index);
  PlayAcceptedPassSound(s, e);
}

bool ClearDriverResult(MainState& s, int index, int stateAsked) {
  if (index < 0 || index >= kMaxParticipants) return false;
  StageEntry& e = s.entries[index];
  if (e.state != stateAsked || e.state < kEntryFinished) return false;
  s.timing.stageState = 2;
  char name[kDriverNameSize];
  char transponder[sizeof e.transponder];
  platform::CopyBounded(name, e.name);
  platform::CopyBounded(transponder, e.transponder);
  const int startPosition = e.startPosition;
  platform::ZeroBytes(&e, sizeof e);
  platform::CopyBounded(e.name, name);
  platform::CopyBounded(e.transponder, transponder);
  e.startPosition = startPosition;
  StageDisplayRow& row = s.display[index];
  row.state = 0;
  row.rankText[0] = '\0';
  row.startOffsetText[0] = '\0';
  row.timeText[0] = '\0';
  row.gapToLeaderText[0] = '\0';
  row.gapToPreviousText[0] = '\0';
  row.equalsBest = 0;
  row.lateStart = 0;
  return true;
}

int ClubChipChoices(const TransponderSetRecord& set, const char* (&choices)[kTranspondersPerSet]) {
  int count = 0;
  for (const char* chip : set.transponder) {
    if (chip[0] != '\0') choices[count++] = chip;
  }
  return count;
}

bool AssignClubChip(MainState& s, int index, const char* chip) {
  if (index < 0 || index >= kMaxParticipants || !chip || chip[0] == '\0') return false;
  if (std::strlen(chip) >= sizeof s.entries[index].transponder) return false;
  platform::CopyBounded(s.entries[index].transponder, chip);
  platform::CopyBounded(s.display[index].transponder, chip);
  return true;
}

bool SynchronisePenalties(platform::WindowHandle window, MainState& s) {
  bool update = true;
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file) {
      ShowError(window, Text::RallyFileNotFound);
      LiveTable().penaltiesSynchronised = 1;
      return true;
    }
    char line[kSectionTitleSize];
    FindRallySection(file, line, kPenaltiesKey);
    if (std::strcmp(line, kPenaltiesKey) == 0) {
      update = platform::ShowMessage(window, Tr(Text::UpdatePenaltiesQuestion), kConfirmCaption,
                                     platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes;
    }
  }
  if (update) {
    // Read into a copy first: an unreadable database must not wipe the event's penalties.
    static PenaltyRecord database[kMaxPenalties];
    ClearPenaltyList(database);
    if (!ReadPenaltiesDatabase(database)) {
      ShowError(window, Text::PenaltiesDatabaseNotFound);
      return false;
    }
    std::memcpy(s.eventPenalties, database, sizeof database);
    s.eventPenaltyFlag = 1;
    {
      platform::TextFile file(kRallyFilePath, "r+");
      if (!file || !WritePenaltiesSection(window, file, kPenaltiesKey, s.eventPenalties, 1))
        ShowError(window, Text::RallyFileNotFound);
    }
    const int highest = kEntryFinished + DefinedPenaltyCount(s.eventPenalties);
    static StageResultRow rows[kMaxParticipants];
    for (int rally = 1; rally <= s.rallyCount && rally <= kMaxRallies; ++rally) {
      const int stages = s.rallies[rally - 1].stageCount;
      for (int stage = 1; stage <= stages && stage <= kMaxStages; ++stage) {
        char title[kSectionTitleSize];
        FormatSectionTitle(title, kStageResultsKey, rally, stage);
        ClearStageResultRows(rows);
        int stageState = 0, timeRun = 0;
        char startText[kStartTextSize] = "", comment[kCommentSize] = "", condition[kTrackConditionSize] = "";
        if (!ReadStageResults(rows, &stageState, &timeRun, startText, comment, condition, title)) {
          ShowError(window, Text::RallyFileNotFound);
          continue;
        }
        if (rows[0].name[0] == '\0') continue;
        for (StageResultRow& row : rows)
          if (row.state > highest) row.state = kEntryFinished;
        StageResultsText text = {startText, comment, condition};
        SaveResult saved = WriteStageResultRowsSection(window, rows, stageState, timeRun, text,
                                                       s.rallies[rally - 1].participantCount, title);
        if (saved == SaveResult::FileNotFound) ShowError(window, Text::RallyFileNotFound);
      }
    }
  }
  LiveTable().penaltiesSynchronised = 1;
  return true;
}
