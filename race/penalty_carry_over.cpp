#include "race/penalty_carry_over.h"

#include <cstdio>
#include <cstring>
#include <unordered_set>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "race/event_file.h"
#include "race/stage_ranking.h"
#include "race/stage_timing.h"

namespace {

bool SameCode(const PenaltyRecord& a, const PenaltyRecord& b) {
  return std::strncmp(a.code, b.code, sizeof a.code) == 0;
}

// Rally and stage of a stage section's title, exactly as the program writes it.
bool StageOfTitle(const char* title, int* rally, int* stage) {
  if (std::sscanf(title, "CourseRallye%dES%d", rally, stage) != 2) return false;
  if (*rally < 1 || *rally > kMaxRallies || *stage < 1 || *stage > kMaxStages) return false;
  char expected[kSectionTitleSize];
  FormatSectionTitle(expected, kStageResultsKey, *rally, *stage);
  return std::strcmp(expected, title) == 0;
}

// The drivers whose penalty went, each once: the loaded stage is in the file and in memory.
class GoneDrivers {
 public:
  explicit GoneDrivers(std::vector<std::string>* lines) : lines_(lines) {}
  void Note(const MainState& s, int rally, int stage, const char* name) {
    char line[160];
    char shown[kDriverNameSize];
    platform::CopyBounded(shown, name);
    std::snprintf(line, sizeof line, "%s (%s, SS%d)", shown, s.rallies[rally - 1].name, stage);
    if (seen_.insert(line).second) lines_->push_back(line);
  }

 private:
  std::vector<std::string>* lines_;
  std::unordered_set<std::string> seen_;
};

}  // namespace

int CarryPenaltyState(int state, const PenaltyRecord before[kMaxPenalties], const PenaltyRecord after[kMaxPenalties],
                      bool* gone) {
  *gone = false;
  if (state <= kEntryFirstPenalty) return state;
  const int index = PenaltyIndexOfState(state);
  if (index >= 0 && index < DefinedPenaltyCount(before)) {
    int defined = DefinedPenaltyCount(after);
    for (int j = 0; j < defined; ++j)
      if (SameCode(before[index], after[j])) return kEntryFirstPenalty + j;
  }
  *gone = true;
  return kEntryFinished;
}

bool PenaltyPlacesKept(const PenaltyRecord before[kMaxPenalties], const PenaltyRecord after[kMaxPenalties]) {
  int defined = DefinedPenaltyCount(before);
  for (int i = 0; i < defined; ++i)
    if (!SameCode(before[i], after[i])) return false;
  return true;
}

bool CarryPenaltiesOver(platform::WindowHandle owner, MainState& s, const PenaltyRecord before[kMaxPenalties],
                        std::vector<std::string>* gone) {
  if (PenaltyPlacesKept(before, s.eventPenalties)) return true;
  GoneDrivers noted(gone);
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file) {
      platform::ShowMessage(owner, Tr(Text::RallyFileNotFound), Tr(Text::CaptionError), platform::kMbOk);
      return false;
    }
    // One scan finds every section: a full event has 891 stages, each looked up from the top
    // would take seconds.
    for (const SectionLocation& section : ListSections(file)) {
      int rally = 0, stage = 0;
      if (!StageOfTitle(section.title, &rally, &stage)) continue;
      static StageResultRow rows[kMaxParticipants];
      int stageState = 0, timeRun = 0;
      char startText[kStartTextSize], comment[kCommentSize], condition[kTrackConditionSize];
      if (!file.Seek(section.body, SEEK_SET)) continue;
      int first = file.GetChar();
      ReadStageResultsSection(file, first, rows, &stageState, &timeRun, startText, comment, condition);
      bool changed = false;
      for (StageResultRow& row : rows) {
        bool lost = false;
        int carried = CarryPenaltyState(row.state, before, s.eventPenalties, &lost);
        if (carried == row.state) continue;
        if (lost) noted.Note(s, rally, stage, row.name);
        row.state = carried;
        changed = true;
      }
      if (!changed) continue;
      SectionBody body;
      AddStageResultsBody(body, rows, stageState, timeRun, {startText, comment, condition});
      RewriteListedSection(owner, file, section, StageResultsReserve(s.rallies[rally - 1].participantCount), body);
    }
  }
  // The loaded stage may hold more than its section: its entries are carried over too.
  if (s.stage.title[0]) {
    int rally = 0, stage = 0;
    bool named = StageOfTitle(s.stage.title, &rally, &stage);
    bool changed = false;
    for (StageEntry& e : s.entries) {
      bool lost = false;
      int carried = CarryPenaltyState(e.state, before, s.eventPenalties, &lost);
      if (carried == e.state) continue;
      if (lost && named) noted.Note(s, rally, stage, e.name);
      e.state = carried;
      changed = true;
    }
    if (changed)
      RerankStage(s.entries, s.ranking, s.classification, s.display, s.eventPenalties, s.timing.entryCount,
                  NoCurrentEntry);
  }
  return true;
}

std::string PenaltiesGoneMessage(const std::vector<std::string>& gone) {
  std::string names;
  int shown = 0;
  for (const std::string& line : gone) {
    if (shown == kGoneNamesShown) break;
    names += line;
    names += '\n';
    ++shown;
  }
  if (static_cast<int>(gone.size()) > shown) {
    char more[64];
    std::snprintf(more, sizeof more, Tr(Text::PenaltiesGoneMore), static_cast<int>(gone.size()) - shown);
    names += more;
  }
  char text[4096];
  std::snprintf(text, sizeof text, Tr(Text::PenaltiesGoneFromDrivers), names.c_str());
  return text;
}
