// The points scale of every championship, kept in "Championnats/ChampionnatPoints.pts":
// line 1 "ChampionnatSélection\t<selected championship>\t", then one line of 44 fields per
// championship of the championships database, in its order:
//   name, order, rallyMode, the 12 rally values, eight "0", powerStageMode, the 10 Power Stage
//   values, ten "0" (the zeros are written always and never read back).
// The championships window writes it; the championship classification reads it to score.
#pragma once

#include <array>

inline constexpr const char* kPointsScaleFile = "Championnats/ChampionnatPoints.pts";
inline constexpr const char* kPointsScaleHeaderWord = "ChampionnatSélection";

inline constexpr int kChampionshipNameSize = 20;  // at most 19 characters, as in the database
inline constexpr int kMaxPointsScales = 20;       // the championships database's capacity
inline constexpr int kRallyScaleValues = 12;
inline constexpr int kPowerStageScaleValues = 10;

// PointsOrder: the points go up from place to place (and the smallest total leads the
// standings), or down (the largest total leads).
enum : int { kPointsAscending = 1, kPointsDescending = 2 };
// PointsMode: the first place scores value [0] as it stands, or raised by a count of the event.
enum : int { kPointsFixed = 1, kPointsRelative = 2 };

// The most digits the championships window's edit of value [k] of a scale takes: three for
// the first place, two for a gap. The file is read within them, whatever a hand put there.
constexpr int ScaleValueDigits(int k) { return k == 0 ? 3 : 2; }

// The scale of one championship. Value [0] is the first place's points, value [k] the gap
// between places k and k + 1; the last value serves every later place too.
struct PointsAllocation {
  char name[kChampionshipNameSize];  // the key
  int order;
  int rallyMode;
  int powerStageMode;
  int rally[kRallyScaleValues];
  int powerStage[kPowerStageScaleValues];
};
using PointsScaleTable = std::array<PointsAllocation, kMaxPointsScales>;

// Name cleared, descending, both modes fixed, rally 25 7 3 3 2 2 2 2 2 1 1 0, Power Stage
// 5 1 1 1 1 1 0 0 0 0.
void SetDefaultPointsAllocation(PointsAllocation* scale);
void SetDefaultPointsScales(PointsScaleTable* table);

// Reads the file into the selected name (20 bytes) and the table, line i + 1 into record i,
// for at most 20 lines; the caller has filled the table with the defaults. Each field is
// bounded to its width and each number to what the window offers (a value to its edit's
// digits, an order or a mode other than the first choice to the second, as the window shows
// it); a number missing from a line leaves its value as it was. False, with
// the name and the table as they were, when the file cannot be opened.
bool ReadPointsAllocationFile(char* selectedName, PointsScaleTable* table);

// Replaces the file with line 1 naming selectedName and the first count records (at most 20),
// written to a temporary file first: the previous file stays whole when writing fails.
bool WritePointsAllocationFile(const char* selectedName, const PointsScaleTable& table, int count);
