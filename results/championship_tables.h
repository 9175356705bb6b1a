// The in-memory tables of one championship: its events, its rallies with one row per driver,
// and the ranking form of a rally's drivers. The championship classification fills them from
// its file and from imported event files; results/standings_ranking.h sorts and ranks them.
//
// Entry e of a driver's place, rallyPoints and powerStagePoints belongs to event e of the
// events table, and -1 means no result at that event; the events are kept in date order, so
// sorting the events moves these columns along.
#pragma once

#include <cstdint>

inline constexpr int kMaxChampionshipEvents = 30;
inline constexpr int kMaxChampionshipRallies = 10;
inline constexpr int kMaxChampionshipDrivers = 200;
// A value that stands for "no result" (place, points) and "no total".
inline constexpr int kNoChampionshipResult = -1;

inline constexpr int kChampionshipEventNameSize = 18;   // at most 17 characters, "-" stored as "_"
inline constexpr int kChampionshipImagePathSize = 262;  // ".bmp" of the event's column heading
inline constexpr int kChampionshipDriverSize = 40;
inline constexpr int kChampionshipTeamSize = 15;
inline constexpr int kChampionshipCarCategorySize = 50;
inline constexpr int kChampionshipAgeCodeSize = 3;
inline constexpr int kChampionshipAgeNameSize = 20;
inline constexpr int kChampionshipRallyNameSize = 30;

// A cleared slot has an empty name and the date 0/0/0.
struct ChampionshipEvent {
  char name[kChampionshipEventNameSize];
  char imagePath[kChampionshipImagePathSize];
  std::int32_t day;    // 1..31
  std::int32_t month;  // 1..12
  std::int32_t year;   // 1900 or later
};

// One driver of a championship rally. A fresh row has empty texts and -1 in its 91 integers.
struct ChampionshipRow {
  char driver[kChampionshipDriverSize];  // the key matched with the events' classifications
  char team[kChampionshipTeamSize];
  char carCategory[kChampionshipCarCategorySize];
  char ageCode[kChampionshipAgeCodeSize];
  char ageName[kChampionshipAgeNameSize];
  std::int32_t place[kMaxChampionshipEvents];  // 1 = winner
  std::int32_t rallyPoints[kMaxChampionshipEvents];
  std::int32_t powerStagePoints[kMaxChampionshipEvents];
  std::int32_t total;
};

// One rally (class) of the championship, matched by name with the rallies of the event files.
struct ChampionshipRally {
  ChampionshipRow rows[kMaxChampionshipDrivers];  // ranked order after every ranking
  char name[kChampionshipRallyNameSize];
  std::int32_t rowCount;  // 0..200
  // A second count, written 0 for a new rally and otherwise carried through as read.
  std::int32_t extra;
};

// The ranking form of one driver: a copy of his places and his total as the key.
struct ChampionshipDisplayRow {
  char name[kChampionshipDriverSize];
  std::int32_t results[kMaxChampionshipEvents];
  std::int32_t key;
};

void ClearChampionshipEvent(ChampionshipEvent* event);
void ClearChampionshipRow(ChampionshipRow* row);
// Every row fresh, the name empty, both counts 0.
void ClearChampionshipRally(ChampionshipRally* rally);
// Empty name, key -1, 30 results of -1.
void ClearChampionshipDisplayRow(ChampionshipDisplayRow* row);

// The tables of the championship being shown: large (about 1 MB), so static, owned by the
// championship classification while it is open.
struct ChampionshipTables {
  ChampionshipEvent events[kMaxChampionshipEvents];
  ChampionshipRally rallies[kMaxChampionshipRallies];
  int rallyCount;
  ChampionshipDisplayRow display[kMaxChampionshipDrivers];
};
ChampionshipTables& CurrentChampionship();
// Every event, rally and display row cleared, no rally in use.
void ClearChampionshipTables(ChampionshipTables* tables);
