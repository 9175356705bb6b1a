#include "race/name_sort.h"

#include "race/event_records.h"

int CompareNameKeys(const char* a, const char* b) {
  // Empty keys sort last by rule, not by a sentinel that a real key could pass.
  bool aEmpty = a[0] == '\0';
  bool bEmpty = b[0] == '\0';
  if (aEmpty || bEmpty) return aEmpty == bEmpty ? 0 : (aEmpty ? 1 : -1);
  const auto* x = reinterpret_cast<const unsigned char*>(a);
  const auto* y = reinterpret_cast<const unsigned char*>(b);
  while (*x != '\0' && *x == *y) {
    ++x;
    ++y;
  }
  return *x == *y ? 0 : (*x < *y ? -1 : 1);
}

void MakeNameKey(char* key, const char* field, std::size_t width) {
  std::size_t n = 0;
  for (; n + 1 < width && field[n] != '\0'; ++n) {
    char c = field[n];
    key[n] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  if (width) key[n] = '\0';
}

void SortCarCategoriesByName(CarCategoriesTable* table) {
  SortTableByKey(table, &CarCategoryRecord::name);
}
void SortCarsByName(CarsTable* table) { SortTableByKey(table, &CarRecord::name); }
void SortClubsByName(ClubsTable* table) { SortTableByKey(table, &ClubRecord::key); }
void SortDriversByName(DriversTable* table) { SortTableByKey(table, &DriverRecord::name); }
void SortChampionshipsByName(ChampionshipsTable* table) {
  SortTableByKey(table, &ChampionshipRecord::name);
}
void SortFrequenciesByLabel(FrequenciesTable* table) { SortTableByKey(table, &FrequencyCode::code); }
void SortParticipantsByName(ParticipantRecord* participants) {
  SortRecordsByKey<kMaxParticipants>(participants, &ParticipantRecord::name);
}
