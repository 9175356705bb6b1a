// The championship standings: date sort of the events with their columns, grouping by
// category, sorted places, ranking with countback in both orders, and the records put in the
// ranked order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/bounded.h"
#include "results/championship_tables.h"
#include "results/standings_ranking.h"

namespace {

ChampionshipDisplayRow Row(const char* name, int key, std::vector<int> results) {
  ChampionshipDisplayRow row;
  ClearChampionshipDisplayRow(&row);
  platform::CopyBounded(row.name, name);
  row.key = key;
  for (std::size_t i = 0; i < results.size(); ++i) row.results[i] = results[i];
  return row;
}

std::vector<std::string> Names(const ChampionshipDisplayRow* rows, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(rows[i].name);
  return names;
}

void SetEvent(ChampionshipEvent* event, const char* name, int day, int month, int year) {
  ClearChampionshipEvent(event);
  platform::CopyBounded(event->name, name);
  event->day = day;
  event->month = month;
  event->year = year;
}

TEST(ChampionshipTables, FreshRowsHoldMinusOneInEveryInteger) {
  static ChampionshipRally rally;
  ClearChampionshipRally(&rally);
  EXPECT_EQ(rally.rowCount, 0);
  EXPECT_EQ(rally.rows[199].total, -1);
  EXPECT_EQ(rally.rows[0].place[29], -1);
  EXPECT_EQ(rally.rows[7].powerStagePoints[0], -1);
  EXPECT_STREQ(rally.rows[0].driver, "");
  ChampionshipTables& tables = CurrentChampionship();
  ClearChampionshipTables(&tables);
  EXPECT_EQ(tables.display[5].key, -1);
  EXPECT_EQ(tables.events[3].year, 0);
}

TEST(StandingsRanking, EventsSortByDateEqualDatesReversedEmptySlotsLastWithTheirColumns) {
  static ChampionshipEvent events[kMaxChampionshipEvents];
  static ChampionshipRally rallies[2];
  for (ChampionshipEvent& event : events) ClearChampionshipEvent(&event);
  for (ChampionshipRally& rally : rallies) ClearChampionshipRally(&rally);
  // Day D, an empty slot, a day before D, a second event on D.
  SetEvent(&events[0], "First on D", 14, 5, 2026);
  SetEvent(&events[2], "Before D", 30, 4, 2026);
  SetEvent(&events[3], "Second on D", 14, 5, 2026);
  for (int r = 0; r < 2; ++r) {
    ChampionshipRow& row = rallies[r].rows[r == 0 ? 0 : 199];
    row.place[0] = 1;
    row.place[2] = 3;
    row.place[3] = 4;
    row.rallyPoints[0] = 25;
    row.rallyPoints[2] = 15;
    row.rallyPoints[3] = 12;
    row.powerStagePoints[3] = 5;
  }
  rallies[1].rows[0].place[1] = 77;  // a rally not in use keeps its columns
  SortChampionshipEventsByDate(events, rallies, 1);
  EXPECT_STREQ(events[0].name, "Before D");
  EXPECT_STREQ(events[1].name, "Second on D");
  EXPECT_STREQ(events[2].name, "First on D");
  EXPECT_EQ(events[2].day, 14);
  // Every empty slot after them, its date 0/0/0 again.
  for (int e = 3; e < kMaxChampionshipEvents; ++e) {
    EXPECT_STREQ(events[e].name, "");
    EXPECT_EQ(events[e].day + events[e].month + events[e].year, 0) << e;
  }
  const ChampionshipRow& moved = rallies[0].rows[0];
  EXPECT_EQ(std::vector<int>(moved.place, moved.place + 4), (std::vector<int>{3, 4, 1, -1}));
  EXPECT_EQ(std::vector<int>(moved.rallyPoints, moved.rallyPoints + 4), (std::vector<int>{15, 12, 25, -1}));
  EXPECT_EQ(moved.powerStagePoints[1], 5);
  EXPECT_EQ(rallies[1].rows[199].place[0], 1) << "only the rallies in use move";
  EXPECT_EQ(rallies[1].rows[0].place[1], 77);
}

TEST(StandingsRanking, GroupingKeepsFirstAppearanceOrderAndInputOrderInsideGroups) {
  static ChampionshipRow rows[6];
  const char* cars[] = {"B", "A", "B", "C", "A", ""};
  const char* ages[] = {"J", "", "S", "J", "S", ""};
  for (int i = 0; i < 6; ++i) {
    ClearChampionshipRow(&rows[i]);
    std::snprintf(rows[i].driver, sizeof rows[i].driver, "D%d", i);
    platform::CopyBounded(rows[i].carCategory, cars[i]);
    platform::CopyBounded(rows[i].ageCode, ages[i]);
    rows[i].total = i * 10;
  }
  GroupStandingsByCarCategory(rows, 5);
  std::vector<std::string> order;
  for (const ChampionshipRow& row : rows) order.push_back(std::string(row.driver) + row.carCategory);
  EXPECT_EQ(order, (std::vector<std::string>{"D0B", "D2B", "D1A", "D4A", "D3C", "D5"}));
  EXPECT_EQ(rows[1].total, 20) << "whole rows move";
  // Age codes J, S, (empty), J, S, (empty): the empty code is a group of its own.
  GroupStandingsByAgeCategory(rows, 6);
  order.clear();
  for (const ChampionshipRow& row : rows) order.push_back(row.driver);
  EXPECT_EQ(order, (std::vector<std::string>{"D0", "D3", "D2", "D4", "D1", "D5"}));
  GroupStandingsByAgeCategory(rows, 0);
  EXPECT_STREQ(rows[0].driver, "D0");
}

TEST(StandingsRanking, ResultsSortAscendingWithMissingOnesLast) {
  ChampionshipDisplayRow row = Row("A", 10, {3, -1, 1, 2});
  SortStandingResults(&row);
  std::vector<int> expected(30, -1);
  expected[0] = 1;
  expected[1] = 2;
  expected[2] = 3;
  EXPECT_EQ(std::vector<int>(row.results, row.results + 30), expected);
}

TEST(StandingsRanking, DescendingTiesGoToTheBetterPlacesAmongTheFirstTen) {
  ChampionshipDisplayRow rows[] = {Row("Twos", 50, {2, 2}), Row("Forty", 40, {1}), Row("OneThree", 50, {1, 3}),
                                   Row("None", -1, {}), Row("Zero", 0, {9})};
  RankStandingsDescending(rows, 5);
  EXPECT_EQ(Names(rows, 5), (std::vector<std::string>{"OneThree", "Twos", "Forty", "Zero", "None"}));
  EXPECT_EQ(rows[4].key, -1);
  EXPECT_EQ(rows[0].results[1], 3) << "the row moves with its results";

  // Identical first ten places, whatever follows: input order.
  std::vector<int> places(10, 4);
  std::vector<int> better = places, worse = places;
  better.push_back(1);
  worse.push_back(9);
  ChampionshipDisplayRow tied[] = {Row("Worse", 30, worse), Row("Better", 30, better), Row("Same", 30, places)};
  RankStandingsDescending(tied, 3);
  EXPECT_EQ(Names(tied, 3), (std::vector<std::string>{"Worse", "Better", "Same"}));
  RankStandingsAscending(tied, 3);
  EXPECT_EQ(Names(tied, 3), (std::vector<std::string>{"Worse", "Better", "Same"}));
}

TEST(StandingsRanking, AscendingPicksEveryTotalEvenAboveAMillionAndLeavesNoTotalLast) {
  // Hand corrections over 30 events can pass a million: such a driver is ranked, not lost.
  ChampionshipDisplayRow rows[] = {Row("Huge", 2999970, {5}), Row("None", -1, {1}), Row("Small", 12, {2, 2}),
                                   Row("Tie", 12, {1, 5}), Row("Million", 1000000, {}), Row("Zero", 0, {})};
  RankStandingsAscending(rows, 6);
  EXPECT_EQ(Names(rows, 6), (std::vector<std::string>{"Zero", "Tie", "Small", "Million", "Huge", "None"}));
  EXPECT_EQ(rows[4].key, 2999970);
  EXPECT_EQ(rows[5].key, -1);
  RankStandingsDescending(rows, 6);
  EXPECT_EQ(Names(rows, 6), (std::vector<std::string>{"Huge", "Million", "Tie", "Small", "Zero", "None"}));
  // A count of 0 changes nothing.
  RankStandingsAscending(rows, 0);
  EXPECT_STREQ(rows[0].name, "Huge");
}

TEST(StandingsRanking, RecordsFollowTheRankingWithTheirOwnUnsortedPlaces) {
  static ChampionshipRow rows[3];
  const char* names[] = {"Ann", "Bob", "Cid"};
  for (int i = 0; i < 3; ++i) {
    ClearChampionshipRow(&rows[i]);
    platform::CopyBounded(rows[i].driver, names[i]);
    std::snprintf(rows[i].team, sizeof rows[i].team, "Team %d", i);
    rows[i].place[0] = 5 - i;
    rows[i].place[1] = 1;
    rows[i].total = 10 * (i + 1);
  }
  ChampionshipDisplayRow ranked[3];
  for (int i = 0; i < 3; ++i) {
    ranked[i] = Row(rows[i].driver, rows[i].total, {rows[i].place[0], rows[i].place[1]});
    SortStandingResults(&ranked[i]);
  }
  RankStandingsDescending(ranked, 3);
  ReorderStandingsByRanking(rows, ranked, 3);
  EXPECT_STREQ(rows[0].driver, "Cid");
  EXPECT_STREQ(rows[0].team, "Team 2");
  EXPECT_EQ(rows[0].total, 30);
  EXPECT_EQ(rows[0].place[0], 3) << "unsorted: the ranking's sorted places are not copied back";
  EXPECT_EQ(rows[0].place[1], 1);
  EXPECT_STREQ(rows[2].driver, "Ann");
  EXPECT_EQ(rows[2].place[0], 5);

  // Two records of one name both stay.
  platform::CopyBounded(rows[1].driver, "Cid");
  rows[1].total = 99;
  ChampionshipDisplayRow twice[3] = {Row("Ann", 0, {}), Row("Cid", 0, {}), Row("Cid", 0, {})};
  ReorderStandingsByRanking(rows, twice, 3);
  EXPECT_STREQ(rows[0].driver, "Ann");
  EXPECT_EQ(rows[1].total + rows[2].total, 30 + 99);
}

}  // namespace
