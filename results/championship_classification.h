// The championship classification's decisions, apart from its window: the file
// "Championnats/<championship>/ClassementChampionnat.clt", the import of an event's saved
// rally and Power Stage classifications with the championship's points scale, the totals,
// the ranking, the filtered view, the scroll bars and the page's clickable cells.
//
// The file (text, every field ended by a TAB):
//   "%d\t%d\t%d\t" event count E, rally count R, powerStageIncluded -- no line end;
//   "\nChampionnatRallyeEvenements\t\n", a reserve of 145 x E "1\t" pairs and "\n", written
//   over from its start with one line per event: name, imagePath, day, month, year;
//   per rally j = 1..R: "\nChampionnatRallye<j>Classement\t\n", a reserve of
//   ((20 E + 135) rowCount + 37) / 2 pairs and "\n", written over with "name\trowCount\textra\t\n"
//   and one line per driver: driver, team, car category, age code, age name, total, then
//   place, rally points, Power Stage points of each event.
// The events title stands on line 2 right after the header, with no empty line before it.
#pragma once

#include <string>
#include <vector>

#include "race/event_records.h"
#include "results/classification_rows.h"
#include "results/championship_tables.h"
#include "results/points_scale_file.h"

inline constexpr const char* kChampionshipClassificationFile = "ClassementChampionnat.clt";
inline constexpr const char* kChampionshipEventsTitle = "ChampionnatRallyeEvenements";
inline constexpr const char* kChampionshipRallyTitleKey = "ChampionnatRallye%dClassement";
// Rows and event columns the page shows at once.
inline constexpr int kChampionshipPageRows = 20;
inline constexpr int kChampionshipColumns = 8;
inline constexpr int kChampionshipPowerStageColumns = 5;

// A point value as the correction box takes it: five digits. The file's points are read
// within -1 (no result) and the largest of them.
inline constexpr int kChampionshipCorrectionDigits = 5;
inline constexpr int kMaxChampionshipPoints = 99999;

// A championship as its file and its window hold it.
struct ChampionshipState {
  ChampionshipTables* tables;  // events in date order, rallies, R in tables->rallyCount
  int eventCount;              // E, 0..30
  int powerStageIncluded;      // 0/1
};

// What reading the file met.
struct ChampionshipFileReport {
  bool opened = false;
  bool eventsTitleMissing = false;
  int rallyTitlesMissing = 0;  // one message each
};
// Clears the tables, then reads the file. Counts are clamped to 30 events, 10 rallies and
// 200 rows, every text to its field, the points to -1..kMaxChampionshipPoints; surplus
// lines are not read.
ChampionshipFileReport ReadChampionshipClassificationFile(const char* path, ChampionshipState* state);
// The bytes the file holds for this state (CR LF line ends).
std::string ChampionshipClassificationImage(const ChampionshipState& state);
// Writes the image to a temporary file and swaps it in: a failure leaves the former file whole.
bool WriteChampionshipClassificationFile(const char* path, const ChampionshipState& state);

// The scale of the championship: its record in the points file, or the defaults when the
// file has no line for it.
PointsAllocation ChampionshipScaleOf(const PointsScaleTable& table, const char* championship);

// The points of places 1..200 by a scale (values[0..last]): the first place v[0], raised by
// the participant count in relative mode; each later place the one above plus (ascending) or
// minus (descending, never below 0) v[min(i, last)]. Summed wide and held within the int range.
void ComputePlacePoints(const int* values, int valueCount, int order, int mode, int participants,
                        int points[kMaxParticipants]);

// One rally of an imported event file.
struct ImportedRally {
  char name[kRallyNameSize];
  int participants;  // from the event file's header, 0..200
  bool classified;   // its rally classification was saved
  ClassifiedDriver rally[kMaxParticipants];
  ClassifiedDriver powerStage[kMaxParticipants];
  int rallyPoints[kMaxParticipants];
  int powerStagePoints[kMaxParticipants];
};
struct EventImport {
  bool opened;
  int rallyCount;     // 0..9
  bool classificationRead;  // some saved classification was read
  int international;        // from the last saved classification read
  ImportedRally rallies[kMaxRallies];
};
// Reads the saved classifications of every rally of the event file at path and scores them.
// false (nothing read) when the file cannot be opened.
bool ReadEventClassifications(const char* path, const PointsAllocation& scale, EventImport* import);

// Why a new event is refused, checked in this order; None when it may be added.
enum class NewEventRefusal { None, NoDate, BadName, NoFile, Duplicate, Full };
// The typed name as it is kept: at most 17 characters, "-" as "_".
void ChampionshipEventName(const char* typed, char (&name)[kChampionshipEventNameSize]);
NewEventRefusal CheckNewEvent(const ChampionshipState& state, int dayIndex, int monthIndex, int yearIndex,
                              const char* name, bool fileChosen);
// Adds the event (name, date) with the results of the import (nullptr: without results):
// new rallies for classified rallies not yet in the championship (10 at most), new drivers
// (200 per rally at most), the results merged, the events sorted by date and the totals
// recomputed. Returns the event's index after the sort, or -1 when 30 events are there.
int AddChampionshipEvent(ChampionshipState* state, const char* name, int day, int month, int year,
                         const EventImport* import);
// Clears the event of that index, its results in every row, and sorts it behind the others.
void RemoveChampionshipEvent(ChampionshipState* state, int index);

// total = the rally points above 0 of the E events, with the Power Stage points above 0 too
// when they are included; summed wide and held within the int range.
void ComputeRallyTotals(ChampionshipRally* rally, int eventCount, int powerStageIncluded);
void ComputeChampionshipTotals(ChampionshipState* state);
// Orders the rally's rows by total with countback over the places (display: 200 work rows).
void RankChampionshipRally(ChampionshipRally* rally, ChampionshipDisplayRow* display, int order);

// The car categories and "code(name)" age categories of the rows, in order of first appearance.
std::vector<std::string> CarCategoriesOf(const ChampionshipRally& rally);
std::vector<std::string> AgeCategoriesOf(const ChampionshipRally& rally);
// Selecting a rally: its rows grouped by car then age category, ranked; the category lists
// of those groups returned.
void SelectChampionshipRally(ChampionshipRally* rally, ChampionshipDisplayRow* display, int order,
                             std::vector<std::string>* carCategories, std::vector<std::string>* ageCategories);
// The view: the rally's rows in their stored order that pass both filters ("Toutes": none).
void BuildChampionshipView(const ChampionshipRally& rally, const char* carFilter, const char* ageFilter,
                           ChampionshipRally* view);

// The two scroll bars. Vertical: shown above 20 rows, range 0..rows-20. Horizontal: shown
// above 8 events (5 with Power Stage), range 0..E-1. Positions clamped to the range, 0
// when the bar is hidden.
struct ScrollBarState {
  bool shown;
  int maximum;
  int position;
};
ScrollBarState ChampionshipVerticalBar(int viewRows, int position);
ScrollBarState ChampionshipHorizontalBar(int eventCount, int powerStageIncluded, int position);
// The event columns the page shows from the first event: only events that exist.
int ChampionshipColumnsShown(const ChampionshipEvent* events, int eventCount, int powerStageIncluded, int first);

// Cells of the page, in client coordinates (the page starts at (20, 250)).
// The event whose heading cell holds (x, y), or -1.
int ChampionshipHeadingAt(int x, int y, int powerStageIncluded, int firstEvent, int eventCount);
struct ChampionshipPointCell {
  int viewRow = -1;  // -1: no cell
  int event = -1;
  bool powerStage = false;
  int left = 0, top = 0;  // where the correction box goes
};
ChampionshipPointCell ChampionshipPointCellAt(int x, int y, int powerStageIncluded, int firstEvent, int eventCount,
                                              int firstRow, int viewRows);
// The value a cell holds in the view.
int ChampionshipCellValue(const ChampionshipRally& view, const ChampionshipPointCell& cell);
// A corrected value into the view's cell and the same cell of the rally's row of that driver.
void StoreChampionshipCorrection(ChampionshipRally* view, ChampionshipRally* rally, const ChampionshipPointCell& cell,
                                 int value);
