// The championship standings: the events sorted by date, the drivers grouped by category,
// ranked by total with countback, and their records put in the ranked order. Each works in
// place on the caller's tables (results/championship_tables.h) through a private copy, shows
// nothing and touches no file. A count of 0 or less leaves the tables as they are.
#pragma once

#include "results/championship_tables.h"

// Sorts the 30 events by date, earliest first; events of the same date come out in the
// reverse of their order; empty slots (0/0/0) come last and stay 0/0/0. The three per-event
// arrays of every row (all 200) of the first rallyCount rallies move with their events.
void SortChampionshipEventsByDate(ChampionshipEvent* events, ChampionshipRally* rallies, int rallyCount);

// Regroup the first count rows so that rows of one category stand together: groups in the
// order their category first appears, rows in their previous order inside a group; an empty
// category is a group of its own. Whole rows move.
void GroupStandingsByCarCategory(ChampionshipRow* rows, int count);
void GroupStandingsByAgeCategory(ChampionshipRow* rows, int count);

// Sorts the row's 30 results ascending, the missing ones (-1) last.
void SortStandingResults(ChampionshipDisplayRow* row);

// Order the first count rows by key, smallest first (ascending) or largest first
// (descending). Equal keys are separated by countback: the first 10 results (sorted places,
// best first) compared position by position, the smaller first differing place ahead;
// missing places count after every real one. Full ties keep their order. A key of -1 (no
// total) comes after every other in both orders and stays -1.
void RankStandingsAscending(ChampionshipDisplayRow* rows, int count);
void RankStandingsDescending(ChampionshipDisplayRow* rows, int count);

// Puts the first count rows in the order of the ranked rows, matched by driver name; each
// carries its own fields (team, categories, unsorted per-event arrays, total). Two rows of one
// name are matched to the ranked names in their previous order, so neither is lost.
void ReorderStandingsByRanking(ChampionshipRow* rows, const ChampionshipDisplayRow* ranked, int count);
