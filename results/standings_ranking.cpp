#include "results/standings_ranking.h"

#include <climits>
#include <cstring>

namespace {

constexpr int kCountbackPlaces = 10;
// Where a missing place stands in the countback: after every real place.
constexpr int kMissingPlace = 999;
// Empty event slots sort after every real date.
constexpr int kEmptyDay = 99, kEmptyMonth = 99, kEmptyYear = 9999;

int ClampCount(int count, int capacity) { return count < 0 ? 0 : (count > capacity ? capacity : count); }

bool Earlier(const ChampionshipEvent& a, const ChampionshipEvent& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day <= b.day;  // equal dates: the later slot is taken first
}

void MoveColumns(std::int32_t (&values)[kMaxChampionshipEvents], const int (&from)[kMaxChampionshipEvents]) {
  std::int32_t copy[kMaxChampionshipEvents];
  std::memcpy(copy, values, sizeof copy);
  for (int e = 0; e < kMaxChampionshipEvents; ++e) values[e] = copy[from[e]];
}

template <std::size_t Width>
void GroupBy(ChampionshipRow* rows, int count, char (ChampionshipRow::*field)[Width]) {
  count = ClampCount(count, kMaxChampionshipDrivers);
  static ChampionshipRow copy[kMaxChampionshipDrivers];
  bool placed[kMaxChampionshipDrivers] = {};
  for (int i = 0; i < count; ++i) copy[i] = rows[i];
  int out = 0;
  for (int first = 0; first < count; ++first) {
    if (placed[first]) continue;
    const char* group = copy[first].*field;
    for (int i = first; i < count; ++i) {
      if (placed[i] || std::strncmp(copy[i].*field, group, Width) != 0) continue;
      rows[out++] = copy[i];
      placed[i] = true;
    }
  }
}

int CountbackPlace(std::int32_t result) { return result == kNoChampionshipResult ? kMissingPlace : result; }

// True when a's first 10 places beat b's: the smaller place at the first difference.
bool WinsCountback(const ChampionshipDisplayRow& a, const ChampionshipDisplayRow& b) {
  for (int p = 0; p < kCountbackPlaces; ++p) {
    int x = CountbackPlace(a.results[p]);
    int y = CountbackPlace(b.results[p]);
    if (x != y) return x < y;
  }
  return false;
}

// The key as the ranking compares it, smaller first: a missing total after every other in
// both orders.
long long RankKey(std::int32_t key, bool ascending) {
  if (key == kNoChampionshipResult) return LLONG_MAX;
  return ascending ? key : -static_cast<long long>(key);
}

// A selection sort on a copy: each pick starts from the first row not yet taken, so any key
// can be picked; a later row replaces it only by a better key or countback.
void Rank(ChampionshipDisplayRow* rows, int count, bool ascending) {
  count = ClampCount(count, kMaxChampionshipDrivers);
  static ChampionshipDisplayRow copy[kMaxChampionshipDrivers];
  bool taken[kMaxChampionshipDrivers] = {};
  for (int i = 0; i < count; ++i) copy[i] = rows[i];
  for (int out = 0; out < count; ++out) {
    int best = -1;
    for (int i = 0; i < count; ++i) {
      if (taken[i]) continue;
      if (best < 0) {
        best = i;
        continue;
      }
      long long key = RankKey(copy[i].key, ascending);
      long long bestKey = RankKey(copy[best].key, ascending);
      if (key < bestKey || (key == bestKey && WinsCountback(copy[i], copy[best]))) best = i;
    }
    rows[out] = copy[best];
    taken[best] = true;
  }
}

}  // namespace

void SortChampionshipEventsByDate(ChampionshipEvent* events, ChampionshipRally* rallies, int rallyCount) {
  ChampionshipEvent copy[kMaxChampionshipEvents];
  bool taken[kMaxChampionshipEvents] = {};
  for (int e = 0; e < kMaxChampionshipEvents; ++e) {
    copy[e] = events[e];
    if (copy[e].day == 0 && copy[e].month == 0 && copy[e].year == 0) {
      copy[e].day = kEmptyDay;
      copy[e].month = kEmptyMonth;
      copy[e].year = kEmptyYear;
    }
  }
  int from[kMaxChampionshipEvents];
  for (int out = 0; out < kMaxChampionshipEvents; ++out) {
    int best = -1;
    for (int e = 0; e < kMaxChampionshipEvents; ++e) {
      if (!taken[e] && (best < 0 || Earlier(copy[e], copy[best]))) best = e;
    }
    taken[best] = true;
    from[out] = best;
    events[out] = copy[best];
    if (events[out].day == kEmptyDay && events[out].month == kEmptyMonth && events[out].year == kEmptyYear) {
      events[out].day = events[out].month = events[out].year = 0;
    }
  }
  rallyCount = ClampCount(rallyCount, kMaxChampionshipRallies);
  for (int r = 0; r < rallyCount; ++r) {
    for (ChampionshipRow& row : rallies[r].rows) {
      MoveColumns(row.place, from);
      MoveColumns(row.rallyPoints, from);
      MoveColumns(row.powerStagePoints, from);
    }
  }
}

void GroupStandingsByCarCategory(ChampionshipRow* rows, int count) { GroupBy(rows, count, &ChampionshipRow::carCategory); }
void GroupStandingsByAgeCategory(ChampionshipRow* rows, int count) { GroupBy(rows, count, &ChampionshipRow::ageCode); }

void SortStandingResults(ChampionshipDisplayRow* row) {
  std::int32_t copy[kMaxChampionshipEvents];
  std::memcpy(copy, row->results, sizeof copy);
  bool taken[kMaxChampionshipEvents] = {};
  auto order = [](std::int32_t value) { return value == kNoChampionshipResult ? LLONG_MAX : static_cast<long long>(value); };
  for (int out = 0; out < kMaxChampionshipEvents; ++out) {
    int best = -1;
    for (int i = 0; i < kMaxChampionshipEvents; ++i) {
      if (!taken[i] && (best < 0 || order(copy[i]) < order(copy[best]))) best = i;
    }
    taken[best] = true;
    row->results[out] = copy[best];
  }
}

void RankStandingsAscending(ChampionshipDisplayRow* rows, int count) { Rank(rows, count, true); }
void RankStandingsDescending(ChampionshipDisplayRow* rows, int count) { Rank(rows, count, false); }

void ReorderStandingsByRanking(ChampionshipRow* rows, const ChampionshipDisplayRow* ranked, int count) {
  count = ClampCount(count, kMaxChampionshipDrivers);
  static ChampionshipRow copy[kMaxChampionshipDrivers];
  bool used[kMaxChampionshipDrivers] = {};
  for (int i = 0; i < count; ++i) copy[i] = rows[i];
  for (int i = 0; i < count; ++i) {
    ChampionshipRow& row = rows[i];
    std::memcpy(row.driver, ranked[i].name, sizeof row.driver);
    row.driver[sizeof row.driver - 1] = '\0';
    for (int j = 0; j < count; ++j) {
      if (used[j] || std::strncmp(copy[j].driver, row.driver, sizeof row.driver) != 0) continue;
      row = copy[j];
      used[j] = true;
      break;
    }
  }
}
