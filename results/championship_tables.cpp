#include "results/championship_tables.h"

#include "platform/bounded.h"

void ClearChampionshipEvent(ChampionshipEvent* event) {
  platform::ZeroBytes(event, sizeof *event);
}

void ClearChampionshipRow(ChampionshipRow* row) {
  platform::ZeroBytes(row, sizeof *row);
  for (int e = 0; e < kMaxChampionshipEvents; ++e) {
    row->place[e] = kNoChampionshipResult;
    row->rallyPoints[e] = kNoChampionshipResult;
    row->powerStagePoints[e] = kNoChampionshipResult;
  }
  row->total = kNoChampionshipResult;
}

void ClearChampionshipRally(ChampionshipRally* rally) {
  for (ChampionshipRow& row : rally->rows) ClearChampionshipRow(&row);
  platform::ZeroBytes(rally->name, sizeof rally->name);
  rally->rowCount = 0;
  rally->extra = 0;
}

void ClearChampionshipDisplayRow(ChampionshipDisplayRow* row) {
  platform::ZeroBytes(row->name, sizeof row->name);
  for (std::int32_t& result : row->results) result = kNoChampionshipResult;
  row->key = kNoChampionshipResult;
}

ChampionshipTables& CurrentChampionship() {
  static ChampionshipTables tables;
  return tables;
}

void ClearChampionshipTables(ChampionshipTables* tables) {
  for (ChampionshipEvent& event : tables->events) ClearChampionshipEvent(&event);
  for (ChampionshipRally& rally : tables->rallies) ClearChampionshipRally(&rally);
  tables->rallyCount = 0;
  for (ChampionshipDisplayRow& row : tables->display) ClearChampionshipDisplayRow(&row);
}
