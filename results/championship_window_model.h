// The championships window's tables and decisions: the scale of each championship of the
// championships database as the window shows it, the one selected, what the edits and radio
// buttons store, and what Record writes (results/points_scale_file.h).
#pragma once

#include <string>
#include <vector>

#include "results/points_scale_file.h"

// The 22 values of a scale in the order of the window's edits: the 12 rally values, then the
// 10 Power Stage values.
inline constexpr int kScaleEditCount = kRallyScaleValues + kPowerStageScaleValues;

enum class ScaleChoice { Ascending, Descending, RallyFixed, RallyRelative, PowerStageFixed, PowerStageRelative };

struct ChampionshipWindowData {
  char selectedName[kChampionshipNameSize];
  // Record i stands for item i of the championships list.
  PointsScaleTable shown;
  PointsScaleTable fromFile;
  int itemCount;
  // The record the controls show and change: the selected item's, -1 while none is selected.
  int current;
};

// Both tables with the defaults, then the points file (its selected name and lines).
void OpenChampionshipWindow(ChampionshipWindowData* data);
// The championships of the list, in its order (at most 20): each takes its scale from the
// file line of exactly its name, or keeps the defaults.
void TakeChampionshipItems(ChampionshipWindowData* data, const std::vector<std::string>& names);
// The item at index becomes the current record and its name the selected name; an index
// outside the list selects nothing and clears the name.
void SelectChampionship(ChampionshipWindowData* data, int index);
// What the controls show: the current record, or record 0 while none is selected.
const PointsAllocation& ShownScale(const ChampionshipWindowData& data);

// Edit k's value, in the edits' order.
int ScaleValue(const PointsAllocation& scale, int edit);
// The most digits edit k takes: 3 for the two first-place values, 2 for the gaps.
int ScaleEditDigits(int edit);
// Stores edit k's text, read as an unsigned number (empty or unreadable: 0), into the current
// record; nothing while none is selected.
void StoreScaleEdit(ChampionshipWindowData* data, int edit, const char* text);
void StoreScaleChoice(ChampionshipWindowData* data, ScaleChoice choice);

enum class RecordOutcome { Written, NothingListed, NotWritten };
// Writes the points file with one line per listed championship; with none listed (the
// database was missing) the file is left alone.
RecordOutcome RecordChampionshipScales(const ChampionshipWindowData& data);

// The championship the Sponsors and View buttons open: the selected name when it names a
// folder, else none ("").
const char* OpenableChampionship(const ChampionshipWindowData& data);
