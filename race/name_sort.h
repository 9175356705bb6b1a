// The name sort every database dialog runs after each addition, so that its list stays in
// alphabetical order. The whole fixed-capacity table is sorted, empty records included;
// a record moves whole.
//
// Order: keys with A to Z lowered (and nothing else: accented letters stay as they are),
// compared as unsigned bytes like strcmp, so a prefix comes first and bytes above 127 come
// after every ASCII character. Every empty key comes after every non-empty one. Among equal
// keys the record that stood later comes first; the empty records therefore end up in
// reverse order too.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "race/database_files.h"

// Compares two keys as the sort orders them: < 0 when a comes first, 0 when equal.
int CompareNameKeys(const char* a, const char* b);
// Copies a key field of width bytes (at most width - 1 of them) with A to Z lowered.
void MakeNameKey(char* key, const char* field, std::size_t width);

// Sorts the Capacity records at table by their text field key.
template <std::size_t Capacity, typename Record, std::size_t Width>
void SortRecordsByKey(Record* table, char (Record::*key)[Width]) {
  // Working copies of up to 500 records of several hundred bytes: static, never on the
  // stack. Everything runs on the one GUI thread.
  static Record aside[Capacity];
  static char keys[Capacity][Width];
  static std::array<int, Capacity> order;
  for (std::size_t i = 0; i < Capacity; ++i) {
    aside[i] = table[i];
    MakeNameKey(keys[i], aside[i].*key, Width);
    order[i] = static_cast<int>(i);
  }
  std::sort(order.begin(), order.end(), [](int a, int b) {
    int byKey = CompareNameKeys(keys[a], keys[b]);
    return byKey != 0 ? byKey < 0 : a > b;
  });
  for (std::size_t i = 0; i < Capacity; ++i) table[i] = aside[order[i]];
}

template <typename Record, std::size_t Capacity, std::size_t Width>
void SortTableByKey(std::array<Record, Capacity>* table, char (Record::*key)[Width]) {
  SortRecordsByKey<Capacity>(table->data(), key);
}

void SortCarCategoriesByName(CarCategoriesTable* table);
void SortCarsByName(CarsTable* table);
void SortClubsByName(ClubsTable* table);
void SortDriversByName(DriversTable* table);
void SortChampionshipsByName(ChampionshipsTable* table);
void SortFrequenciesByLabel(FrequenciesTable* table);

struct ParticipantRecord;
// The 200 participants of a rally (race/event_records.h).
void SortParticipantsByName(ParticipantRecord* participants);
