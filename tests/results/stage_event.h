// A rally of drivers with the results of its special stage 2, written into the working event
// file for the stage classification's tests.
#pragma once

#include <cstdio>
#include <cstring>

#include "platform/bounded.h"
#include "race/event_file.h"
#include "race/penalty_record.h"

namespace stagetest {

struct StageEvent {
  int drivers = 3;
  int selectedNode = 14102;  // the classification of SS2 of rally 1
  int stageFlag = 5;         // has results, Power Stage
  const char* eventName = "Spring Trophy";
  const char* condition = "Pluie";
  const char* comment = "Muddy corner";
  int abandonDriver = -1;  // this driver (from 0) abandons: record "A", 600 s gross
};

inline bool WriteSection(const char* title, int reserve, const SectionBody& body) {
  platform::TextFile file(kRallyFilePath, "r+");
  return file && WriteRallySection(nullptr, file, title, reserve, body, Text::None);
}

// The track details of the tests' events, under the event name given.
inline TrackDetails TestTrack(const char* eventName) {
  TrackDetails details = {};
  platform::CopyBounded(details.eventName, eventName);
  platform::CopyBounded(details.hostingClub, "Lake Club");
  platform::CopyBounded(details.championship, "Regional Cup");
  platform::CopyBounded(details.raceDirector, "Paul Roy");
  platform::CopyBounded(details.location, "Ridgeway");
  platform::CopyBounded(details.date, "12/05/2026");
  return details;
}

// Driver k (from 1) is "Driver kk", in car category Buggy (odd k) or Truck, age J(Junior)
// for every third, with a stage time of 90 s less k - 1 seconds, finished.
inline bool WriteStageEvent(const StageEvent& event) {
  static RallyRecord rallies[kMaxRallies];
  ClearRallyList(rallies);
  platform::CopyBounded(rallies[0].name, "Spring rally");
  rallies[0].participantCount = event.drivers;
  rallies[0].hasResults = 1;
  rallies[0].stageCount = 2;
  if (!WriteRallyFileHeader(nullptr, event.selectedNode, 1, rallies)) return false;
  static ParticipantRecord participants[kMaxParticipants];
  platform::ZeroBytes(participants, sizeof participants);
  static StageResultRow results[kMaxParticipants];
  ClearStageResultRows(results);
  for (int i = 0; i < event.drivers; ++i) {
    ParticipantRecord& p = participants[i];
    std::snprintf(p.name, sizeof p.name, "Driver %02d", i + 1);
    platform::CopyBounded(p.team, "FRA");
    std::snprintf(p.carNumber, sizeof p.carNumber, "%d", 21 + i);
    platform::CopyBounded(p.carCategory, i % 2 ? "Truck" : "Buggy");
    platform::CopyBounded(p.ageCategoryCode, i % 3 == 2 ? "J" : "S");
    platform::CopyBounded(p.ageCategoryName, i % 3 == 2 ? "Junior" : "Senior");
    std::memcpy(results[i].name, p.name, sizeof results[i].name);
    results[i].time = 90000 - 1000 * i;
    results[i].state = i == event.abandonDriver ? 4 : 3;
  }
  if (event.abandonDriver >= 0) {
    static PenaltyRecord penalties[kMaxPenalties];
    platform::ZeroBytes(penalties, sizeof penalties);
    platform::CopyBounded(penalties[0].code, "A");
    platform::CopyBounded(penalties[0].name, "Abandon");
    penalties[0].kind = kPenaltyGross;
    penalties[0].duration = 600;
    platform::CopyBounded(penalties[1].code, "PS");
    platform::CopyBounded(penalties[1].name, "Late start");
    penalties[1].kind = kPenaltyAdded;
    penalties[1].duration = 10;
    SectionBody list;
    AddPenaltiesBody(list, penalties, 0);
    if (!WriteSection(kPenaltiesKey, kPenaltiesReserve, list)) return false;
  }
  SectionBody participantsBody, ages, track, stage;
  AddParticipantsBody(participantsBody, participants);
  AddParticipantAgesBody(ages, participants);
  AddTrackBody(track, TestTrack(event.eventName));
  AddStageResultsBody(stage, results, 3, 0, {".", event.comment, event.condition});
  static TreeviewFlags flags;
  ClearTreeviewFlags(flags);
  flags[0][1] = event.stageFlag;
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (!file || !WriteTreeviewFlagsSection(nullptr, file, kTreeviewFlagsKey, flags)) return false;
  }
  return WriteSection(kTrackKey, kTrackReserve, track) &&
         WriteSection("CourseRallye1ListeParticipants", kParticipantsReserve, participantsBody) &&
         WriteSection("CourseRallye1AgeParticipants", kParticipantAgesReserve, ages) &&
         WriteSection("CourseRallye1ES2", StageResultsReserve(event.drivers), stage);
}

}  // namespace stagetest
