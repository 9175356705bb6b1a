// A rally of drivers with several special stages, written into the working event file for
// the rally classification's tests: the header, the track details, the participants, the
// tree-view flags, the event's own penalties and each stage's rows in its own start order.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/bounded.h"
#include "race/event_file.h"
#include "race/penalty_record.h"
#include "tests/results/stage_event.h"

namespace rallytest {

// Driver k (from 1) is "Driver kk", car number 20 + k, Buggy (odd k) or Truck, age
// J(Junior) for every third, S(Senior) otherwise.
inline std::string DriverName(int k) {
  char name[16];
  std::snprintf(name, sizeof name, "Driver %02d", k);
  return name;
}

struct StageRow {
  int driver;  // from 1; 0 is an empty slot "(NA)"
  int time;
  int state;
};

// The penalties of the event's own list: A gross 600 s, PS added 10 s, P1 after the winner
// 5 s, P2 after the last 7 s.
inline void OwnPenalties(PenaltyRecord (&penalties)[kMaxPenalties]) {
  platform::ZeroBytes(penalties, sizeof penalties);
  const struct {
    const char* code;
    const char* name;
    int kind;
    int seconds;
  } list[] = {{"A", "Abandon", kPenaltyGross, 600},
              {"PS", "Late start", kPenaltyAdded, 10},
              {"P1", "Cut", kPenaltyAfterWinner, 5},
              {"P2", "Jump", kPenaltyAfterLast, 7}};
  for (int i = 0; i < 4; ++i) {
    platform::CopyBounded(penalties[i].code, list[i].code);
    platform::CopyBounded(penalties[i].name, list[i].name);
    penalties[i].kind = list[i].kind;
    penalties[i].duration = list[i].seconds;
  }
}

struct RallyEvent {
  int drivers = 4;
  int stages = 3;
  int selectedNode = 14100;  // the rally classification of rally 1
  const char* eventName = "Spring Trophy";
  const char* rallyName = "Spring rally";
  std::vector<int> statuses;  // stage 1 first; missing ones are 1
  bool ownPenalties = true;   // the event keeps its own list (flag 0)
};

inline bool WriteRallyEvent(const RallyEvent& event) {
  if (!WriteFreshEvent(nullptr, event.rallyName)) return false;
  static RallyRecord rallies[kMaxRallies];
  ClearRallyList(rallies);
  platform::CopyBounded(rallies[0].name, event.rallyName);
  rallies[0].participantCount = event.drivers;
  rallies[0].hasResults = 1;
  rallies[0].stageCount = event.stages;
  if (!WriteRallyFileHeader(nullptr, event.selectedNode, 1, rallies)) return false;
  static ParticipantRecord participants[kMaxParticipants];
  platform::ZeroBytes(participants, sizeof participants);
  for (int i = 0; i < event.drivers; ++i) {
    ParticipantRecord& p = participants[i];
    platform::CopyBounded(p.name, DriverName(i + 1).c_str());
    platform::CopyBounded(p.team, i % 2 ? "ITA" : "FRA");
    platform::CopyBounded(p.carNumber, std::to_string(21 + i).c_str());
    platform::CopyBounded(p.carCategory, i % 2 ? "Truck" : "Buggy");
    platform::CopyBounded(p.ageCategoryCode, i % 3 == 2 ? "J" : "S");
    platform::CopyBounded(p.ageCategoryName, i % 3 == 2 ? "Junior" : "Senior");
  }
  SectionBody participantsBody, ages, track;
  AddParticipantsBody(participantsBody, participants);
  AddParticipantAgesBody(ages, participants);
  AddTrackBody(track, stagetest::TestTrack(event.eventName));
  static TreeviewFlags flags;
  ClearTreeviewFlags(flags);
  for (int s = 0; s < event.stages && s < kMaxStages; ++s) {
    flags[0][s] = s < static_cast<int>(event.statuses.size()) ? event.statuses[s] : 1;
  }
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file || !WriteTreeviewFlagsSection(nullptr, file, kTreeviewFlagsKey, flags)) return false;
  }
  static PenaltyRecord penalties[kMaxPenalties];
  OwnPenalties(penalties);
  SectionBody list;
  AddPenaltiesBody(list, penalties, event.ownPenalties ? 0 : 1);
  return stagetest::WriteSection(kPenaltiesKey, kPenaltiesReserve, list) &&
         stagetest::WriteSection(kTrackKey, kTrackReserve, track) &&
         stagetest::WriteSection("CourseRallye1ListeParticipants", kParticipantsReserve, participantsBody) &&
         stagetest::WriteSection("CourseRallye1AgeParticipants", kParticipantAgesReserve, ages);
}

// The rows of a stage in their start order; the slots after them are empty "(NA)".
inline bool WriteStage(int stage, const std::vector<StageRow>& rows, int drivers) {
  static StageResultRow results[kMaxParticipants];
  ClearStageResultRows(results);
  for (int i = 0; i < kMaxParticipants; ++i) {
    platform::CopyBounded(results[i].name, "(NA)");
    results[i].time = 0;
  }
  for (std::size_t i = 0; i < rows.size() && i < kMaxParticipants; ++i) {
    if (rows[i].driver > 0) platform::CopyBounded(results[i].name, DriverName(rows[i].driver).c_str());
    results[i].time = rows[i].time;
    results[i].state = rows[i].state;
  }
  SectionBody body;
  AddStageResultsBody(body, results, 3, 0, {".", "", "Dry"});
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kStageResultsKey, 1, stage);
  return stagetest::WriteSection(title, StageResultsReserve(drivers), body);
}

inline int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

}  // namespace rallytest
